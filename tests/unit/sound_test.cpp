// The tune without a sound card: one warning, then silence; a missing file the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sound.h"

namespace {

TEST(SoundTest, MissingTuneWarnsAndStaysSilent) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(LoadTune("/nonexistent/BGM.wav"));
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find("/nonexistent/BGM.wav"), std::string::npos) << warning;
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    const int plays = TunePlayCount();
    PlayTune();
    EXPECT_EQ(TunePlayCount(), plays);
    EXPECT_FALSE(TuneReady());
    CloseTune();
}

// A RIFF WAVE header with a format chunk of 16 bytes and a data chunk promising `dataBytes`,
// followed by `held` bytes of silence.
std::string Wave(std::uint32_t dataBytes, std::uint32_t held, const std::string& extraChunk = "") {
    auto le32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    };
    const std::string format = std::string("fmt ") + le32(16) + std::string("\x01\x00\x01\x00", 4) +
                               le32(22050) + le32(44100) + std::string("\x02\x00\x10\x00", 4);
    const std::string body = "WAVE" + format + extraChunk + "data" + le32(dataBytes);
    return "RIFF" + le32(static_cast<std::uint32_t>(body.size()) + dataBytes) + body +
           std::string(held, '\0');
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
        {"no sound at all", Wave(1000, 0), 1000},
        {"longer than promised", Wave(1000, 1200), 0},
        {"a padded odd chunk before the data", Wave(8, 2, odd), 6},
        {"not RIFF", "RIFX" + Wave(1000, 10).substr(4), 0},
        {"shorter than a RIFF header", "RIFF", 0},
        {"a data chunk beyond the head", Wave(1000, 10).substr(0, 30), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MissingWaveBytes(c.file, c.file.size()), c.missing) << c.what;
    }
    // A length near 2^32 cannot wrap the arithmetic.
    EXPECT_EQ(MissingWaveBytes(Wave(0xFFFFFFFFu, 4), 48), 0xFFFFFFFFull + 44 - 48);
}

TEST(SoundTest, ATuneCutShortPlaysWithOneWarning) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string path = testing::TempDir() + "cut.wav";
    const std::string file = Wave(44100, 22050);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    testing::internal::CaptureStderr();
    const bool loaded = LoadTune(path.c_str());
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(loaded) << warning;
    EXPECT_NE(warning.find(path + ": warning: the file is cut short, 22050 bytes"),
              std::string::npos)
        << warning;
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_TRUE(TuneReady());
    CloseTune();
    std::remove(path.c_str());
}

}  // namespace
