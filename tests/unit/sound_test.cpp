// The tune without a sound card: one warning, then silence; a missing file the same.
#include <gtest/gtest.h>

#include <cstdlib>

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

}  // namespace
