// The tune. Loaded once at start-up; every play starts it again from its beginning, once,
// without blocking. Without an audio device the game says so once and stays silent.
#pragma once

#include <cstdint>      // Required for: std::uint64_t
#include <string_view>  // Required for: std::string_view

// Loads the tune on a thread of its own and starts it once loaded; returns at once. That thread
// says on stderr what LoadTune would say. Once per process. A PlayTune meanwhile adds nothing:
// the tune starts from its beginning once loaded.
void StartTune(const char* path);

// Opens the audio device and loads the tune. Returns false (after one warning on stderr) when
// either fails; PlayTune then does nothing.
bool LoadTune(const char* path);

// Stops whatever plays and starts the tune from its beginning, once.
void PlayTune();

// Pauses the tune where it is, or lets it play on from there. A tune loaded or started again
// meanwhile starts paused.
void PauseTune(bool paused);
// Silences the tune, or lets it be heard again; it plays on meanwhile, and a tune started again
// (a new game) stays silent while muted.
void MuteTune(bool muted);
// What PauseTune and MuteTune last asked for.
bool TunePaused();
bool TuneMuted();
// True while the tune is loaded, neither paused nor muted, and its channel's volume is up.
bool TuneAudible();

// True while the tune is loaded and an audio device is open.
bool TuneReady();

// How many times PlayTune started the tune (tests).
int TunePlayCount();

// How long CloseTune waits for a tune still loading.
inline constexpr int kTuneCloseWaitMs = 2000;
// Closes the audio device and releases the tune. A tune still loading after kTuneCloseWaitMs
// (an audio library hanging in its start) is left as it is, with one line on stderr, and false
// comes back: the caller ends the process at once, without running the libraries' ends.
bool CloseTune();
// Runs `hook` on the loading thread before StartTune loads (tests: a load that hangs); nullptr
// for none.
void RunBeforeTuneLoads(void (*hook)());

// How many bytes of sound a WAV file promises in its data chunk but does not hold: `head` is the
// start of the file (its chunk headers), `fileSize` the file's length. 0 for a whole file, and
// for anything that is no RIFF WAVE or has no data chunk within `head` (the loader judges those).
std::uint64_t MissingWaveBytes(std::string_view head, std::uint64_t fileSize);

// The sample rate and channel count of the WAV file that starts with `head`, when its format
// chunk is there and they are ones an audio device takes (8000 to 192000 Hz, mono or stereo);
// otherwise false and *rate, *channels untouched.
bool WaveFormat(std::string_view head, int* rate, int* channels);
