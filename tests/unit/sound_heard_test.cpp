// The tune as a listener would hear it: the game's module plays BGM.wav into SDL's disk audio
// driver, which writes every sample the device is given to a file, and the test reads them:
// the tune's own samples while it plays, silence while it is paused or muted, the tune again
// where it left off once resumed.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/sound.h"

namespace {

constexpr const char* kTune = "Data/BGM.wav";

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

long FileSize(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? static_cast<long>(status.st_size) : -1;
}

// Waits (ten seconds at most) until the device has written `more` bytes beyond `from`; the
// size then.
long GrownBy(const std::string& path, long from, long more) {
    for (int waited = 0; waited < 10000; waited += 2) {
        const long size = FileSize(path);
        if (size >= from + more) return size;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return FileSize(path);
}

bool AllSilent(const std::string& bytes, long from, long to) {
    for (long i = from; i < to; ++i) {
        if (bytes[static_cast<std::size_t>(i)] != 0) return false;
    }
    return true;
}

// The sound data of a WAV file: the body of its data chunk.
std::string WaveData(const std::string& file) {
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint32_t length =
            static_cast<std::uint8_t>(file[at + 4]) | static_cast<std::uint8_t>(file[at + 5]) << 8 |
            static_cast<std::uint8_t>(file[at + 6]) << 16 |
            static_cast<std::uint32_t>(static_cast<std::uint8_t>(file[at + 7])) << 24;
        if (file.compare(at, 4, "data") == 0) return file.substr(at + 8, length);
        at += 8 + length + (length & 1);
    }
    return std::string();
}

TEST(SoundHeardTest, TheTunePlaysPausesResumesAndIsSilentWhenMuted) {
    const std::string out = testing::TempDir() + "escape-house-heard.raw";
    std::remove(out.c_str());
    // The device writes a buffer of 2048 frames of 16-bit stereo: 8 KiB. Each change waits for
    // a few buffers, and the one or two the mixer had filled before it are not judged.
    constexpr long kBuffer = 8192;
    constexpr long kWait = 6 * kBuffer;
    constexpr long kSlack = 3 * kBuffer;
    int marks[2];
    ASSERT_EQ(pipe(marks), 0);
    const pid_t player = fork();
    ASSERT_GE(player, 0);
    if (player == 0) {
        // A process of its own: the module and SDL start afresh on the disk driver.
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1);
        if (!LoadTune(kTune)) _exit(2);
        // The device has been writing silence since it opened; the marks count from the play.
        long sizes[6] = {};
        sizes[0] = FileSize(out);
        PlayTune();
        sizes[1] = GrownBy(out, sizes[0], kWait);
        PauseTune(true);
        sizes[2] = GrownBy(out, sizes[1], kWait);
        PauseTune(false);
        sizes[3] = GrownBy(out, sizes[2], kWait);
        MuteTune(true);
        PlayTune();  // a new game's restart of the tune, while muted
        sizes[4] = GrownBy(out, sizes[3], kWait);
        MuteTune(false);
        sizes[5] = GrownBy(out, sizes[4], kWait);
        CloseTune();
        const ssize_t written = write(marks[1], sizes, sizeof sizes);
        _exit(written == static_cast<ssize_t>(sizeof sizes) ? 0 : 3);
    }
    close(marks[1]);
    long sizes[6] = {};
    const ssize_t got = read(marks[0], sizes, sizeof sizes);
    close(marks[0]);
    int status = 0;
    waitpid(player, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the player process ended with " << status << " (2: the tune did not load)";
    ASSERT_EQ(got, static_cast<ssize_t>(sizeof sizes));
    const std::string heard = ReadAll(out);
    const std::string tune = WaveData(ReadAll(kTune));
    ASSERT_GT(tune.size(), 1000000u);
    ASSERT_GE(static_cast<long>(heard.size()), sizes[5]);
    for (int i = 1; i < 6; ++i) EXPECT_GE(sizes[i], sizes[i - 1] + kWait) << i;

    // Playing: the tune's own samples from its first sound on, which comes within the buffers
    // the device had filled before the play.
    const std::size_t heardFrom = heard.find_first_not_of('\0', static_cast<std::size_t>(sizes[0]));
    const std::size_t tuneFrom = tune.find_first_not_of('\0');
    ASSERT_LT(heardFrom, static_cast<std::size_t>(sizes[0] + kSlack)) << "nothing heard";
    EXPECT_TRUE(heard.compare(heardFrom, kBuffer, tune, tuneFrom, kBuffer) == 0)
        << "what plays is not the tune";
    // Paused: silence.
    EXPECT_TRUE(AllSilent(heard, sizes[1] + kSlack, sizes[2])) << "sound while paused";
    // Resumed: the tune again, from where the pause caught it: a stretch of the tune near the
    // part already played.
    const std::string resumed = heard.substr(static_cast<std::size_t>(sizes[2] + kSlack), kBuffer);
    EXPECT_FALSE(AllSilent(resumed, 0, static_cast<long>(resumed.size())));
    const std::size_t where = tune.find(resumed);
    EXPECT_TRUE(where != std::string::npos) << "what plays after the pause is not the tune";
    EXPECT_LT(where, static_cast<std::size_t>(sizes[2] - sizes[0] + kSlack))
        << "the tune did not go on from where it paused";
    // Muted, even across a restart of the tune: silence; unmuted: heard again.
    EXPECT_TRUE(AllSilent(heard, sizes[3] + kSlack, sizes[4])) << "sound while muted";
    EXPECT_FALSE(AllSilent(heard, sizes[4] + kSlack, sizes[5])) << "no sound once unmuted";
    std::remove(out.c_str());
}

}  // namespace
