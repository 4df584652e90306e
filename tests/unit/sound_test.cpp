// The tune on SDL's dummy device, and the WAV header read for its format and data length.
#include <gtest/gtest.h>

#include <SDL2/SDL_mixer.h>
#include <signal.h>
#include <sys/wait.h>  // Required for: waitpid()
#include <unistd.h>    // Required for: fork(), pipe(), dup2(), _exit()

#include <chrono>
#include <thread>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/sound.h"
#include "platform/toolkit.h"

namespace {

// The hooks in force before any test installs its own: their exit closes the tune and ends the
// process. Taken at start-up, so that a test run in the same process after others still meets them.
const ToolkitHooks kHooksAtStart = Toolkit();

std::string LittleEndian(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i));
    return out;
}

// A 16-bit PCM WAVE whose data chunk promises `dataBytes`, followed by `held` bytes of silence.
std::string Wave(std::uint32_t dataBytes, std::uint32_t held, const std::string& extraChunk = "",
                 std::uint32_t rate = 22050, std::uint32_t channels = 1) {
    const std::string format = "fmt " + LittleEndian(16, 4) + LittleEndian(1, 2) +
                               LittleEndian(channels, 2) + LittleEndian(rate, 4) +
                               LittleEndian(rate * channels * 2, 4) +
                               LittleEndian(channels * 2, 2) + LittleEndian(16, 2);
    const std::string body = "WAVE" + format + extraChunk + "data" + LittleEndian(dataBytes, 4);
    return "RIFF" + LittleEndian(static_cast<std::uint32_t>(body.size()) + dataBytes, 4) + body +
           std::string(held, '\0');
}

std::string WriteTemporary(const std::string& name, const std::string& bytes) {
    const std::string path = testing::TempDir() + name;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    EXPECT_NE(out, nullptr) << path;
    if (out != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    return path;
}

std::string LoadTuneSaying(const std::string& path, bool expectedResult) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadTune(path.c_str()), expectedResult);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    return printed;
}

TEST(SoundTest, WaveFormatReadsRateAndChannelsItCanOpenAt) {
    const struct {
        std::string head;
        int rate, channels;  // 0, 0: refused
    } cases[] = {
        {Wave(100, 100), 22050, 1},
        {Wave(100, 100, "", 8000, 2), 8000, 2},
        {Wave(100, 100, "", 192000, 1), 192000, 1},
        {Wave(100, 100).substr(0, 28), 22050, 1},
        {Wave(100, 100).substr(0, 27), 0, 0},  // the head ends inside the rate
        {Wave(100, 100, "", 7999, 1), 0, 0},
        {Wave(100, 100, "", 192001, 1), 0, 0},
        {Wave(100, 100, "", 48000, 0), 0, 0},
        {Wave(100, 100, "", 48000, 3), 0, 0},
        {"RIFX" + Wave(100, 100).substr(4), 0, 0},
        {Wave(100, 100).replace(8, 4, "WAVF"), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.head.size()) + " bytes, rate " + std::to_string(c.rate));
        int rate = 0, channels = 0;
        EXPECT_EQ(WaveFormat(c.head, &rate, &channels), c.rate != 0);
        EXPECT_EQ(rate, c.rate);
        EXPECT_EQ(channels, c.channels);
    }
}

TEST(SoundTest, MissingWaveBytesComparesTheDataChunkWithTheFile) {
    const std::string odd = std::string("LIST") + std::string("\x03\0\0\0", 4) + "abc" + '\0';
    const struct {
        const char* what;
        std::string file;
        std::uint64_t missing;
    } cases[] = {
        {"a whole file", Wave(1000, 1000), 0},
        {"cut to half", Wave(1000, 500), 500},
        {"one byte short", Wave(1000, 999), 1},
        {"no sound at all", Wave(1000, 0), 1000},
        {"longer than promised", Wave(1000, 1200), 0},
        {"a padded odd chunk before the data", Wave(8, 2, odd), 6},
        {"not RIFF", "RIFX" + Wave(1000, 10).substr(4), 0},
        {"shorter than a RIFF header", "RIFF", 0},
        {"the data chunk's header just in the head", Wave(1000, 10).substr(0, 44), 1000},
        {"the data chunk's header cut by the head", Wave(1000, 10).substr(0, 43), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MissingWaveBytes(c.file, c.file.size()), c.missing) << c.what;
    }
    // A length near 2^32 cannot wrap the arithmetic.
    EXPECT_EQ(MissingWaveBytes(Wave(0xFFFFFFFFu, 4), 48), 0xFFFFFFFFull + 44 - 48);
}

TEST(SoundTest, AMissingTuneWarnsAndStaysSilentACutOneIsPlayedWithAWarning) {
    const std::string missing = LoadTuneSaying("/nonexistent/BGM.wav", false);
    EXPECT_NE(missing.find("/nonexistent/BGM.wav: cannot open the file (No such file"),
              std::string::npos)
        << missing;
    const int plays = TunePlayCount();
    PlayTune();
    EXPECT_EQ(TunePlayCount(), plays);
    EXPECT_FALSE(TuneReady());
    CloseTune();

    const std::string path = WriteTemporary("cut.wav", Wave(44100, 22050));
    const std::string cut = LoadTuneSaying(path, true);
    EXPECT_NE(cut.find(path + ": warning: the file is cut short, 22050 bytes"), std::string::npos)
        << cut;
    EXPECT_TRUE(TuneReady());
    PlayTune();
    EXPECT_EQ(TunePlayCount(), plays + 1);
    // The device was opened at the tune's own format: nothing to convert.
    int rate = 0, channels = 0;
    std::uint16_t format = 0;
    EXPECT_EQ(Mix_QuerySpec(&rate, &format, &channels), 1);
    EXPECT_EQ(rate, 22050);
    EXPECT_EQ(channels, 1);
    // With the device open, Ctrl+C and SIGTERM are still the game's: SDL took neither.
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action = {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << signal;
    }
    CloseTune();
    EXPECT_FALSE(TuneReady());
    std::remove(path.c_str());
}

// Started in the background, the tune plays once it is loaded, by itself, and what there is to
// say about it comes from the loading thread, once; the next start is ignored.
TEST(SoundTest, AStartedTunePlaysOnceLoadedAndSaysItsWarningOnce) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string path = WriteTemporary("started.wav", Wave(8000, 4000, "", 8000, 1));
    CloseTune();
    const int plays = TunePlayCount();
    testing::internal::CaptureStderr();
    StartTune(path.c_str());
    StartTune(path.c_str());
    // LoadTune waits for the thread and finds the tune there.
    EXPECT_TRUE(LoadTune(path.c_str()));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "escape-house: " + path +
                        ": warning: the file is cut short, 4000 bytes of sound are missing; "
                        "playing what there is\n");
    EXPECT_TRUE(TuneReady());
    EXPECT_EQ(TunePlayCount(), plays + 1);
    CloseTune();
    EXPECT_FALSE(TuneReady());
    std::remove(path.c_str());
}

// An audio library that never comes back from its start (seen: SDL waiting on a desktop bus that
// never answered) cannot hold the game's end: the quit, Ctrl+C and SIGTERM all end through the
// toolkit's exit, which gives the loader a moment and then ends the process with the status asked
// for, saying why in one line. In a process of its own: the loader hangs there for good.
TEST(SoundTest, AnAudioStartThatNeverReturnsDoesNotHoldTheGameSEnd) {
    const std::string path = WriteTemporary("hanging.wav", Wave(8000, 8000, "", 8000, 1));
    int said[2];
    ASSERT_EQ(pipe(said), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(said[1], STDERR_FILENO);
        close(said[0]);
        Toolkit() = kHooksAtStart;
        RunBeforeTuneLoads([] {
            for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
        });
        StartTune(path.c_str());
        Toolkit().exitProcess(7);
        _exit(99);  // not reached when the exit works
    }
    close(said[1]);
    // Bounded, so that a hang fails this test instead of stalling the run.
    int status = 0;
    pid_t ended = 0;
    for (int waited = 0; waited < 300 && ended == 0; ++waited) {
        ended = waitpid(child, &status, WNOHANG);
        if (ended == 0) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (ended == 0) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        FAIL() << "the process did not end within 30 s";
    }
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(said[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    close(said[0]);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(text,
              "escape-house: the audio device is still opening; leaving without closing it\n");
    std::remove(path.c_str());
}

}  // namespace
