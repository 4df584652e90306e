// Data/BGM.wav: the tune, synthesised here note by note. A clock ticks on every beat over a
// heartbeat and a low drone; a bass ostinato in D minor comes in, then dark chords and a bell
// motif that keeps leaning on the semitone above its note; the last minute gets busier and an
// alarm joins in as the three minutes run out. Mono, 22050 samples a second, 16-bit PCM, 3:05
// long so it covers the whole countdown, ending on one last hit that dies away.
#include <algorithm>  // Required for: std::max(), std::min()
#include <cmath>      // Required for: std::sin(), std::exp(), std::pow(), std::tanh()
#include <cstdint>    // Required for: std::int16_t, std::uint32_t
#include <vector>     // Required for: std::vector

#include "canvas.h"  // Required for: WriteFileBytes()
#include "generators.h"
#include "picture_paint.h"  // Required for: Random

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 185.0;
constexpr double kBeat = 60.0 / 96.0;  // 96 beats a minute
constexpr double kBar = 4 * kBeat;
constexpr double kPi = 3.14159265358979323846;

double MidiFrequency(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// The mix, in seconds; every voice adds itself into it.
class Track {
public:
    Track() : samples_(static_cast<size_t>(kSeconds * kSampleRate)) {}
    size_t Index(double seconds) const { return static_cast<size_t>(seconds * kSampleRate); }
    void Add(size_t index, double value) {
        if (index < samples_.size()) samples_[index] += value;
    }
    size_t Size() const { return samples_.size(); }
    std::vector<double>& Samples() { return samples_; }

private:
    std::vector<double> samples_;
};

// A resonant low/band/high-pass filter (Chamberlin state variable); cutoffs stay below a sixth
// of the sample rate, where it is stable.
struct StateVariableFilter {
    double low = 0, band = 0;
    double Step(double input, double cutoff, double damping, int output) {
        const double f = 2.0 * std::sin(kPi * std::min(cutoff, kSampleRate / 6.5) / kSampleRate);
        low += f * band;
        const double high = input - low - damping * band;
        band += f * high;
        return output == 0 ? low : (output == 1 ? band : high);
    }
};

// A sawtooth without the harsh fold-over of a naive one (PolyBLEP correction at the jump).
struct Saw {
    double phase = 0;
    double Step(double frequency) {
        const double increment = frequency / kSampleRate;
        phase += increment;
        if (phase >= 1.0) phase -= 1.0;
        double value = 2.0 * phase - 1.0;
        if (phase < increment) {
            const double t = phase / increment;
            value -= t + t - t * t - 1.0;
        } else if (phase > 1.0 - increment) {
            const double t = (phase - 1.0) / increment;
            value -= t * t + t + t + 1.0;
        }
        return value;
    }
};

void Bass(Track& mix, double start, double length, double note, double brightness, double level) {
    Saw saw;
    StateVariableFilter filter;
    const double frequency = MidiFrequency(note);
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>(length * kSampleRate);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double envelope = std::min(1.0, t / 0.004) * (0.55 + 0.45 * std::exp(-t / 0.09)) *
                                std::min(1.0, (length - t) / 0.03);
        const double cutoff = 180 + brightness * (300 + 1400 * std::exp(-t / 0.12));
        mix.Add(first + i, level * envelope * filter.Step(saw.Step(frequency), cutoff, 0.5, 0));
    }
}

void PadNote(Track& mix, double start, double length, double note, double level) {
    Saw saws[3];
    StateVariableFilter filter;
    const double detune[3] = {0.997, 1.0, 1.0035};
    const double frequency = MidiFrequency(note);
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>((length + 1.2) * kSampleRate);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::min(1.0, t / 1.0);
        const double release = t > length ? std::exp(-(t - length) / 0.35) : 1.0;
        double sum = 0;
        for (int k = 0; k < 3; ++k) sum += saws[k].Step(frequency * detune[k]);
        const double wobble = 700 + 250 * std::sin(2 * kPi * 0.15 * (start + t));
        mix.Add(first + i, level * attack * release * filter.Step(sum / 3, wobble, 0.9, 0));
    }
}

// A struck bell: a sine carrier modulated by an inharmonic partner whose depth dies first.
void Bell(Track& mix, double start, double note, double level) {
    const double frequency = MidiFrequency(note);
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>(2.5 * kSampleRate);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double index = 2.2 * std::exp(-t / 0.25);
        const double modulator = std::sin(2 * kPi * frequency * 3.5 * t);
        const double value = std::sin(2 * kPi * frequency * t + index * modulator);
        mix.Add(first + i, level * std::min(1.0, t / 0.002) * std::exp(-t / 0.7) * value);
    }
}

// One thump of the heartbeat: a falling sine.
void Thump(Track& mix, double start, double level) {
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>(0.3 * kSampleRate);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        phase += 2 * kPi * (42 + 70 * std::exp(-t / 0.04)) / kSampleRate;
        mix.Add(first + i,
                level * std::min(1.0, t / 0.003) * std::exp(-t / 0.09) * std::sin(phase));
    }
}

// The clock: a short knock of filtered noise, tick and tock at two pitches.
void Tick(Track& mix, double start, double pitch, double level, Random& random) {
    StateVariableFilter filter;
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>(0.03 * kSampleRate);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double noise = random.Uniform(-1, 1);
        mix.Add(first + i, level * std::exp(-t / 0.006) * filter.Step(noise, pitch, 0.15, 1));
    }
}

void HiHat(Track& mix, double start, double level, Random& random) {
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>(0.05 * kSampleRate);
    double previous = 0;
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double noise = random.Uniform(-1, 1);
        mix.Add(first + i, level * std::exp(-t / 0.012) * (noise - previous) * 0.5);
        previous = noise;
    }
}

// The drone under everything: D in two octaves, breathing slowly.
void Drone(Track& mix, double start, double end, double level) {
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>((end - start) * kSampleRate);
    const double low = MidiFrequency(38), high = MidiFrequency(50);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double fade = std::min(1.0, t / 8.0) * std::min(1.0, (end - start - t) / 3.0);
        const double breath = 0.75 + 0.25 * std::sin(2 * kPi * 0.1 * t);
        const double value = std::sin(2 * kPi * low * t) + 0.5 * std::sin(2 * kPi * high * t) +
                             0.2 * std::sin(2 * kPi * high * 1.5 * t);
        mix.Add(first + i, level * fade * breath * value);
    }
}

// The alarm of the last seconds: two close tones pulsing.
void Alarm(Track& mix, double start, double end, double level) {
    const size_t first = mix.Index(start);
    const size_t count = static_cast<size_t>((end - start) * kSampleRate);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rise = std::min(1.0, t / 6.0);
        // A soft gate: on and off three times a second without clicking.
        const double pulse = 0.5 + 0.5 * std::tanh(6.0 * std::sin(2 * kPi * 3.2 * t));
        const double value = std::sin(2 * kPi * 880 * t) + std::sin(2 * kPi * 932.3 * t);
        mix.Add(first + i, level * rise * pulse * value * 0.5);
    }
}

void Compose(Track& mix) {
    Random random(20251126);
    const int bars = static_cast<int>((kSeconds - 5.0) / kBar);  // 72 bars, then the last hit
    // Chords, one every two bars: D minor, B flat, G minor, A (its C sharp pulls back to D).
    const int roots[4] = {38, 34, 31, 33};
    const int chords[4][3] = {{62, 65, 69}, {58, 62, 65}, {55, 58, 62}, {57, 61, 64}};
    // The bass figure of one bar in eighths, in semitones over the chord's root.
    const int figure[8] = {0, 0, 12, 0, 1, 0, 7, 0};
    // The bell motif over four bars: beat, note, and it leans on the semitone above.
    struct Strike {
        double beat;
        int note;
    };
    const Strike motif[] = {{0, 69}, {1.5, 70}, {2, 69},  {4, 65},  {5, 64},  {6, 62},
                            {8, 69}, {9.5, 70}, {10, 72}, {11, 70}, {12, 69}, {14, 73}};

    Drone(mix, 0.0, kSeconds - 2.0, 0.10);
    for (int bar = 0; bar < bars; ++bar) {
        const double barStart = bar * kBar;
        const int chord = (bar / 2) % 4;
        const bool lastMinute = bar >= 48;
        const bool finalRun = bar >= 64;
        // The clock, doubling its pace at the end.
        const int ticks = finalRun ? 8 : 4;
        for (int i = 0; i < ticks; ++i) {
            Tick(mix, barStart + i * kBar / ticks, i % 2 == 0 ? 3200 : 2300, 0.5, random);
        }
        // The heartbeat: every other beat at first, every beat in the last minute.
        for (int beat = 0; beat < 4; beat += lastMinute ? 1 : 2) {
            const double at = barStart + beat * kBeat;
            Thump(mix, at, 0.55);
            Thump(mix, at + 0.16, 0.35);
        }
        if (bar >= 8) {
            // The bass opens up as time goes by, and climbs an octave every other bar at the end.
            const double brightness = std::min(1.0, (bar - 8) / 40.0);
            const int lift = lastMinute && bar % 2 == 1 ? 12 : 0;
            for (int i = 0; i < 8; ++i) {
                Bass(mix, barStart + i * kBeat / 2, kBeat / 2 * 0.9,
                     roots[chord] + figure[i] + lift, brightness, 0.26);
            }
        }
        if (bar >= 24 && bar % 2 == 0) {
            for (int note : chords[chord]) PadNote(mix, barStart, 2 * kBar, note, 0.07);
        }
        if (bar >= 24 && bar % 8 == 4) {
            const int shift = finalRun ? 12 : (lastMinute ? 5 : 0);
            for (const Strike& strike : motif) {
                Bell(mix, barStart + strike.beat * kBeat, strike.note + shift, 0.16);
            }
        }
        if (lastMinute) {
            for (int i = 0; i < 16; ++i) {
                HiHat(mix, barStart + i * kBeat / 4, i % 4 == 2 ? 0.22 : 0.12, random);
            }
        }
    }
    Alarm(mix, 64 * kBar, bars * kBar, 0.06);
    // The last hit: everything on D at once, left to ring out.
    const double end = bars * kBar;
    Thump(mix, end, 0.9);
    Bass(mix, end, 3.0, 26, 1.0, 0.4);
    for (int note : {50, 62, 65, 69}) PadNote(mix, end, 1.5, note, 0.08);
    Bell(mix, end, 74, 0.2);
}

void PutLittle(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

void WriteTune(const std::filesystem::path& dataFolder) {
    Track mix;
    Compose(mix);
    std::vector<double>& samples = mix.Samples();
    // Gentle saturation, then the loudest point brought to 90 % of full scale.
    double peak = 0;
    for (double& value : samples) {
        value = std::tanh(value * 1.2);
        peak = std::max(peak, std::fabs(value));
    }
    const double gain = peak > 0 ? 0.9 / peak : 1.0;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    PutLittle(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittle(out, 16, 4);               // format chunk size
    PutLittle(out, 1, 2);                // PCM
    PutLittle(out, 1, 2);                // mono
    PutLittle(out, kSampleRate, 4);      // samples a second
    PutLittle(out, kSampleRate * 2, 4);  // bytes a second
    PutLittle(out, 2, 2);                // bytes per sample frame
    PutLittle(out, 16, 2);               // bits per sample
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    PutLittle(out, dataBytes, 4);
    for (double value : samples) {
        const double scaled = std::clamp(value * gain * 32767.0, -32768.0, 32767.0);
        const auto sample = static_cast<std::int16_t>(std::lround(scaled));
        PutLittle(out, static_cast<std::uint16_t>(sample), 2);
    }
    WriteFileBytes(dataFolder / "BGM.wav", out);
}
