// Pause and mute as the player meets them, and the settings file that remembers mute and full
// screen: a round trip, damaged files, a folder that cannot be written, a kill mid-write.
#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_HIDDEN, GLUT_FULLY_RETAINED
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/countdown.h"
#include "app/game_input.h"
#include "core/game_state.h"
#include "platform/clock.h"
#include "platform/settings.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "rule_harness.h"
#include "world/held_keys.h"

namespace fs = std::filesystem;

namespace {

// A configuration folder of the test's own, so that nothing reaches the real home.
class ConfigFolder {
public:
    ConfigFolder() {
        char pattern[] = "/tmp/eh-config-XXXXXX";
        folder_ = mkdtemp(pattern);
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadOld_ = old != nullptr;
        if (hadOld_) old_ = old;
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    ~ConfigFolder() {
        if (hadOld_) {
            setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
        fs::remove_all(folder_);
    }
    fs::path File() const { return fs::path(folder_) / "escape-house" / "settings"; }
    void Write(const std::string& text) const {
        fs::create_directories(File().parent_path());
        std::ofstream(File(), std::ios::binary) << text;
    }
    std::string Read() const {
        std::ifstream in(File(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string folder_, old_;
    bool hadOld_ = false;
};

class PauseTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        PressScreenAt(50, 70);  // START
        ASSERT_EQ(g_startScreenShown, 0);
        ReleaseAllMoveKeys();
    }
    void TearDown() override {
        if (g_paused) ResumeGame();
        if (TuneMuted()) MuteTune(false);
        ReleaseAllMoveKeys();
        UseMonotonicClock();
        ResetGameStateToStart();
    }
    static void Key(unsigned char key) {
        OnGameKeyboard(key, 0, 0);
        OnGameKeyboardUp(key, 0, 0);
    }
    ConfigFolder config_;
};

// Paused, the countdown stands however long the pause lasts; resumed, it shows the same time
// left and runs on from the very millisecond it stood at. The tune pauses and resumes with it.
TEST_F(PauseTest, TheCountdownStandsAndRunsOnFromTheSameTime) {
    IdleSeconds(10);
    AdvanceManualClock(400);
    OnIdle();
    ASSERT_EQ(g_secondsLeft, 170);
    Key('p');
    EXPECT_TRUE(g_paused);
    EXPECT_TRUE(TunePaused());
    IdleSeconds(300);
    EXPECT_EQ(g_secondsLeft, 170);
    EXPECT_STREQ(g_timeText, "02:50");
    EXPECT_EQ(g_gameMode, 1);
    Key('P');
    EXPECT_FALSE(g_paused);
    EXPECT_FALSE(TunePaused());
    AdvanceManualClock(599);
    OnIdle();
    EXPECT_EQ(g_secondsLeft, 170);
    AdvanceManualClock(1);
    OnIdle();
    EXPECT_EQ(g_secondsLeft, 169);
}

// While paused only P, Enter and Esc act: no step, turn, return to the start or mute, no press
// on the house or the bar, and a key held when the pause came stops.
TEST_F(PauseTest, WhilePausedOnlyPEnterAndEscAct) {
    OnGameKeyboard('w', 0, 0);  // held
    Key('p');
    const std::vector<float> pose = PoseNow();
    AdvanceManualClock(2000);
    OnIdle();
    for (const unsigned char key : {'w', 'a', 's', 'd', ' ', 'm', 'M', 'q'}) Key(key);
    for (const int arrow : {kSpecialKeyUp, kSpecialKeyLeft}) {
        OnGameSpecialKey(arrow, 0, 0);
        OnGameSpecialKeyUp(arrow, 0, 0);
    }
    OnGameKeyboardUp('w', 0, 0);
    EXPECT_EQ(PoseNow(), pose);
    EXPECT_FALSE(TuneMuted());
    SetBoxUnderCursor(8);  // the bread
    for (const int button : {GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON, GLUT_MIDDLE_BUTTON}) {
        OnGameMouse(button, GLUT_DOWN, 60, 560);
        OnGameMouse(button, GLUT_UP, 60, 560);
    }
    RunFrameRules();
    EXPECT_EQ(g_pickedBox, -1);
    EXPECT_EQ(g_iconOwned[1], 0);
    const int fullScreens = ToolkitCalls().fullScreen, reshapes = ToolkitCalls().reshapeWindow;
    Key('\r');
    Key('\x1b');
    EXPECT_EQ(ToolkitCalls().fullScreen, fullScreens + 1);
    EXPECT_EQ(ToolkitCalls().reshapeWindow, reshapes + 1);
    EXPECT_TRUE(g_paused);
    Key('p');
    Key('w');
    EXPECT_NE(PoseNow(), pose);
}

// P does nothing on the start and end pictures, where no countdown runs.
TEST_F(PauseTest, PDoesNothingOnThePictures) {
    for (const bool start : {true, false}) {
        g_startScreenShown = start, g_endScreenShown = !start;
        Key('p');
        EXPECT_FALSE(g_paused) << start;
        OnWindowStatus(GLUT_HIDDEN);
        EXPECT_FALSE(g_paused) << start;
    }
}

// A hidden or iconified window pauses the game, which stays paused when the window comes back,
// until P.
TEST_F(PauseTest, AHiddenWindowPausesUntilP) {
    OnWindowStatus(GLUT_FULLY_RETAINED);
    EXPECT_FALSE(g_paused);
    OnWindowStatus(GLUT_HIDDEN);
    EXPECT_TRUE(g_paused);
    OnWindowStatus(GLUT_FULLY_RETAINED);
    EXPECT_TRUE(g_paused);
    Key('p');
    EXPECT_FALSE(g_paused);
}

// M silences the tune, says so under the view and writes it down; a new game's restart of the
// tune keeps it silent; M again lets it be heard.
TEST_F(PauseTest, MuteOutlivesARestartAndIsRemembered) {
    Key('m');
    EXPECT_TRUE(TuneMuted());
    EXPECT_NE(config_.Read().find("muted=1"), std::string::npos) << config_.Read();
    RestartGame();
    EXPECT_TRUE(TuneMuted());
    EXPECT_FALSE(TuneAudible());
    Key('M');
    EXPECT_FALSE(TuneMuted());
    EXPECT_NE(config_.Read().find("muted=0"), std::string::npos) << config_.Read();
    Key('\r');
    EXPECT_NE(config_.Read().find("fullscreen=1"), std::string::npos) << config_.Read();
    Key('\x1b');
    EXPECT_NE(config_.Read().find("fullscreen=0"), std::string::npos) << config_.Read();
}

// Both settings, every way, written and read back: the same settings, and a start with them
// mutes the tune and asks for full screen.
TEST(SettingsTest, WhatIsSavedIsReadBackAndApplied) {
    ConfigFolder config;
    InstallCountingToolkit();
    for (const bool fullScreen : {false, true}) {
        for (const bool muted : {false, true}) {
            ASSERT_TRUE(SaveSettings({fullScreen, muted}));
            testing::internal::CaptureStderr();
            const Settings read = LoadSettings();
            EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
            EXPECT_EQ((std::pair{read.fullScreen, read.muted}), (std::pair{fullScreen, muted}));
            const int fullScreens = ToolkitCalls().fullScreen;
            ApplySettingsAtStart();
            EXPECT_EQ(TuneMuted(), muted);
            EXPECT_EQ(ToolkitCalls().fullScreen, fullScreens + (fullScreen ? 1 : 0));
        }
    }
    MuteTune(false);
    // No temporary file is left beside the settings.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(config.File().parent_path())) {
        ++files;
        EXPECT_EQ(entry.path().filename(), "settings");
    }
    EXPECT_EQ(files, 1);
}

// A missing file is the defaults without a word; a damaged one the defaults and one line naming
// it; the game's own file, comments and blank lines and Windows line ends, reads.
TEST(SettingsTest, ADamagedFileGivesTheDefaultsAndOneWarning) {
    ConfigFolder config;
    testing::internal::CaptureStderr();
    Settings read = LoadSettings();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(read.fullScreen || read.muted);
    const struct {
        std::string text;
        bool damaged, fullScreen, muted;
    } files[] = {
        {"fullscreen=1\nmuted=1\n", false, true, true},
        {"# mine\r\n\r\nmuted=1\r\n", false, false, true},
        {"", false, false, false},
        {"muted=2\n", true, false, false},
        {"muted=1\nvolume=3\n", true, false, false},
        {"fullscreen\n", true, false, false},
        {"muted=1 \n", true, false, false},
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), true, false, false},
    };
    for (const auto& file : files) {
        config.Write(file.text);
        testing::internal::CaptureStderr();
        read = LoadSettings();
        const std::string said = testing::internal::GetCapturedStderr();
        if (file.damaged) {
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
            EXPECT_NE(said.find(config.File().string()), std::string::npos) << said;
        } else {
            EXPECT_EQ(said, "") << file.text;
        }
        EXPECT_EQ((std::pair{read.fullScreen, read.muted}),
                  (std::pair{file.fullScreen, file.muted}))
            << file.text;
    }
    // A folder where the file should be cannot be read: the defaults, one line.
    fs::remove(config.File());
    fs::create_directories(config.File());
    testing::internal::CaptureStderr();
    read = LoadSettings();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_FALSE(read.fullScreen || read.muted);
}

// A configuration folder that cannot be made (a file stands in its place) gives one warning in
// a run, however often the player changes a setting, and the game plays on.
TEST(SettingsTest, AFolderThatCannotBeWrittenWarnsOnce) {
    ConfigFolder config;
    std::ofstream(config.File().parent_path()) << "not a folder";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSettings({true, true}));
    EXPECT_FALSE(SaveSettings({false, true}));
    const std::string said = testing::internal::GetCapturedStderr();
    // Other tests of this process may have spent the one warning already.
    EXPECT_LE(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_TRUE(fs::is_regular_file(config.File().parent_path()));
}

// Killed at any moment while it writes, a writer leaves the old file or the new one, whole:
// each save puts a new file in the old one's place rather than writing into it.
TEST(SettingsTest, AKillDuringTheWriteLeavesAWholeFile) {
    ConfigFolder config;
    ASSERT_TRUE(SaveSettings({false, false}));
    struct stat before {};
    ASSERT_EQ(stat(config.File().c_str(), &before), 0);
    ASSERT_TRUE(SaveSettings({true, false}));
    struct stat after {};
    ASSERT_EQ(stat(config.File().c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "the settings file was written in place";
    for (int round = 0; round < 40; ++round) {
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (int i = 0;; ++i) SaveSettings({i % 2 == 0, i % 3 == 0});
        }
        usleep(200 + 137 * round % 3000);
        kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        Settings read;
        EXPECT_TRUE(ParseSettings(config.Read(), &read))
            << "round " << round << ": " << config.Read();
    }
}

}  // namespace
