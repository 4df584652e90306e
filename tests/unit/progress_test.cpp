// Start values, countdown, restart and progress rules as chains of presses and frames.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/countdown.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/progress.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "rule_harness.h"

namespace {

std::vector<double> PlainStateNow() {
    const auto values = [](auto... v) { return std::vector<double>{static_cast<double>(v)...}; };
    std::vector<double> state =
        values(g_playerX, g_playerY, g_playerZ, g_prevPlayerX, g_prevPlayerZ, g_yaw, g_posX, g_posY,
               g_posZ, g_windowWidth, g_windowHeight, g_startClock, g_secondsLeft, g_gameMode,
               g_pickedBox, g_messageIndex, g_describeMode, g_hammerVisible, g_breadVisible);
    state.insert(state.end(), std::begin(g_timeText), std::end(g_timeText));
    state.insert(state.end(), std::begin(g_boxEnabled), std::end(g_boxEnabled));
    state.insert(state.end(), std::begin(g_boxIcon), std::end(g_boxIcon));
    state.insert(state.end(), std::begin(g_iconOwned), std::end(g_iconOwned));
    return state;
}
// Taken as the program loads: the first game starts from these values, later ones from a restart.
const std::vector<double> kStateAtLoad = PlainStateNow();

TEST(GameStateTest, TheProgramStartsInTheStateOfANewGame) {
    ResetGameStateToStart();
    EXPECT_EQ(PlainStateNow(), kStateAtLoad);
}

TEST(GameStateTest, StartValuesAreThoseOfANewGame) {
    ResetGameStateToStart();
    EXPECT_EQ(PoseNow(), kStartPose);
    EXPECT_EQ((std::vector<int>{g_secondsLeft, g_gameMode, g_pickedBox, g_messageIndex,
                                g_describeMode, g_hammerVisible, g_breadVisible, g_keypadShown}),
              (std::vector<int>{180, 1, -1, -1, 0, 1, 1, 0}));
    EXPECT_STREQ(g_timeText, "03:00");
    // Locked at the start: the cabinet, the upstairs window, the safe, the door, the ground-floor
    // window, the boiler. Icons: note 1, key 1, bread 2, hammer, key 2, bread 1, note 3, key 3.
    EXPECT_EQ(std::vector<int>(std::begin(g_boxEnabled), std::end(g_boxEnabled)),
              (std::vector<int>{1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1}));
    EXPECT_EQ(std::vector<int>(std::begin(g_boxIcon), std::end(g_boxIcon)),
              (std::vector<int>{7, 4, 2, 0, 0, 3, 0, 5, 1, 9, 6, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g_bookcaseOffset, 0.0f);
}

class CountdownTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        InstallCountingToolkit();
        UseManualClock(5000);
        g_startClock = GameClock();
    }
    void TearDown() override { UseMonotonicClock(); }
    void IdleAt(ClockTicks elapsedMs) {
        UseManualClock(g_startClock + elapsedMs);
        OnIdle();
    }
};

TEST_F(CountdownTest, TextShowsMinutesAndSeconds) {
    const std::pair<int, const char*> cases[] = {{180, "03:00"}, {179, "02:59"}, {65, "01:05"},
                                                 {0, "00:00"},   {190, "03:10"}, {9, "00:09"},
                                                 {60, "01:00"},  {599, "09:59"}, {600, "09:00"}};
    for (const auto& [seconds, text] : cases) {
        UpdateTimeText(seconds);
        EXPECT_STREQ(g_timeText, text) << seconds << " seconds";
    }
}

// A frame per second (a slow one jumps); 00:00 stays at the time-out; a rise shows at once.
TEST_F(CountdownTest, DrawsOnceForEachSecondThatPassesAndAsksForTheEndingAtTheTimeOut) {
    const ClockTicks start = g_startClock;
    g_endingCode = 3;
    const struct {
        ClockTicks at;
        int secondsLeft, draws, redisplays;
        const char* text;
    } steps[] = {{999, 180, 0, 0, "03:00"},   {1000, 179, 1, 0, "02:59"},
                 {1500, 179, 1, 0, "02:59"},  {7200, 173, 2, 0, "02:53"},
                 {180'000, 0, 3, 0, "00:00"}, {181'000, -1, 3, 1, "00:00"},
                 {0, 180, 4, 1, "03:00"}};
    for (const auto& step : steps) {
        IdleAt(step.at);
        EXPECT_EQ(g_secondsLeft, step.secondsLeft) << step.at;
        EXPECT_STREQ(g_timeText, step.text) << step.at;
        EXPECT_EQ(ToolkitCalls().drawFrameNow, step.draws) << step.at;
        EXPECT_EQ(ToolkitCalls().postRedisplay, step.redisplays) << step.at;
        if (step.secondsLeft >= 0) continue;
        EXPECT_EQ(g_gameMode + g_endingCode, 0);
        EXPECT_EQ(g_startClock, start + 181'000);
    }
}

// Between seconds idle waits for input until the next is due (a real second crossed: try again).
TEST_F(CountdownTest, IdleWaitsForInputOnlyUntilTheNextSecond) {
    IdleAt(0);
    EXPECT_EQ(ToolkitCalls().waitForInput, 0);
    UseMonotonicClock();
    for (const auto& [intoSecond, longestWait] : {std::pair{0, 1000}, {1, 999}, {400, 600}}) {
        for (int attempt = 0; attempt < 10 && g_secondsLeft != 173; ++attempt) {
            g_startClock = GameClock() - 7000 - intoSecond, g_secondsLeft = 173;
            OnIdle();
        }
        ASSERT_EQ(g_secondsLeft, 173) << intoSecond;
        EXPECT_GE(ToolkitCalls().lastWaitMilliseconds, 1) << intoSecond;
        EXPECT_LE(ToolkitCalls().lastWaitMilliseconds, longestWait) << intoSecond;
        g_secondsLeft = 0;
    }
}

// Left alone for longer than a game, the start picture does not time out and an end picture
// stays the ending it was.
TEST_F(CountdownTest, TheCountStandsStillWhileAPictureCoversTheWindow) {
    for (const bool startPicture : {true, false}) {
        IdleAt(50'000);
        g_startScreenShown = startPicture, g_endScreenShown = !startPicture, g_endingCode = 3;
        const int drawsBefore = ToolkitCalls().drawFrameNow;
        for (ClockTicks wall = 51'000; wall <= 400'000; wall += 1'000) IdleAt(wall);
        EXPECT_EQ((std::vector<int>{g_gameMode, g_endingCode, g_secondsLeft,
                                    ToolkitCalls().drawFrameNow - drawsBefore,
                                    ToolkitCalls().postRedisplay}),
                  (std::vector<int>{1, 3, 130, 0, 0}))
            << startPicture;
        g_startScreenShown = g_endScreenShown = 0, g_startClock = GameClock() - 50'000;
    }
}

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        PressScreenAt(50, 70);  // START, with nothing of the house behind it yet
    }
    void TearDown() override { UseMonotonicClock(); }
    static bool Owns(int icon) { return g_iconOwned[icon] == 1; }

    // The end picture raised by the frame of the press, the restart having put all back.
    static void ExpectEndScreen(int endingCode) {
        EXPECT_EQ((std::vector<int>{g_endScreenShown, g_gameMode, g_endingCode, g_hammerVisible,
                                    g_breadVisible, g_keypad.digitCount}),
                  (std::vector<int>{1, 1, endingCode, 1, 1, 0}));
        EXPECT_EQ(std::vector<int>(g_iconOwned, g_iconOwned + kIconCount),
                  (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(0, std::memcmp(g_boxEnabled, kBoxEnabledAtStart, sizeof g_boxEnabled));
        EXPECT_EQ(PoseNow(), kStartPose);
        EXPECT_EQ(g_bookcaseOffset, 0.0f);
        EXPECT_STREQ(g_timeText, "03:00");
        const std::vector<WalkCell> grid = GridCopy();
        BuildStartUpGrid();
        EXPECT_EQ(grid, GridCopy()) << "the passage behind the bookcase is shut again";
    }
};

// A locked box gives nothing but stays picked (its outline stays drawn), and ends nothing; box 0,
// the first, gives its icon.
TEST_F(ProgressTest, LockedBoxesGiveNothing) {
    for (int box : {2, 4, 12, 14}) {
        PressOnBox(box);
        RunFrameRules();
        EXPECT_EQ(std::pair(g_pickedBox, int{g_endScreenShown}), std::pair(box, 0));
    }
    PressOnBox(0);
    EXPECT_EQ(std::vector<int>(g_iconOwned, g_iconOwned + kIconCount),
              (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 1, 0, 0}))
        << "only note 1, from the table that was never locked";
}

TEST_F(ProgressTest, BreadsMoveTheCountdownOncePerPress) {
    PressOnBox(8);
    EXPECT_EQ(g_breadVisible, 0);
    const ClockTicks before = g_startClock;
    PressIcon(1);
    for (int frame = 0; frame < 5; ++frame) RunFrameRules();
    EXPECT_EQ(g_startClock, before + 10000) << "a bread acts once, however many frames follow";
    IdleSeconds(1);
    EXPECT_STREQ(g_timeText, "03:09");
    // Key 1 opens the cabinet: bread 2 and note 2. Bread 2 with less than ten seconds left ends
    // the game at the next second.
    PressOnBox(1);
    PressIcon(4);
    PressOnBox(2);
    EXPECT_TRUE(Owns(8));
    IdleSeconds(g_secondsLeft - 9);
    PressIcon(2);
    EXPECT_EQ(g_startClock, before);
    IdleSeconds(1);
    ExpectEndScreen(0);
}

// The latched pick outlives the restart without ending the game again; presses on the end and
// start pictures are meant for their buttons, though the house behind shows box 13.
TEST_F(ProgressTest, PickedBoxOutlivesTheRestartWithoutEndingAgain) {
    PressOnBox(5);
    PressIcon(3);
    PressOnBox(13);
    ExpectEndScreen(3);
    for (int frame = 0; frame < 3; ++frame) RunFrameRules();
    EXPECT_EQ(std::pair(g_pickedBox, int{g_gameMode}), std::pair(13, 1));
    SetBoxUnderCursor(13);
    PressScreenAt(23, 76);
    PressScreenAt(50, 70);
    EXPECT_EQ(g_pickedBox, -1);
    RunFrameRules();
    EXPECT_EQ(g_endScreenShown, 0);
    PressOnBox(5);
    EXPECT_TRUE(Owns(3)) << "the hammer lies in the house again";
}

// Sky, values out of range, and boxes without an icon (the calendar has no entry) give nothing.
TEST_F(ProgressTest, RulesIgnoreNoBoxOutOfRangeValuesAndBoxesWithoutAnIcon) {
    for (int value : {-1, 17, 1000}) {
        RunEndingTrigger(value);
        HideTakenItems(value);
        GrantIcon(value);
        EXPECT_EQ(UseIcon(value), 0);
    }
    EXPECT_EQ(UseIcon(0), 0);
    for (int box : {3, 6, 11, 15, 16}) GrantIcon(box);
    EXPECT_EQ(g_gameMode, 1);
    for (int icon = 1; icon < kIconCount; ++icon) EXPECT_FALSE(Owns(icon)) << icon;
    EXPECT_EQ(0, std::memcmp(g_boxEnabled, kBoxEnabledAtStart, sizeof g_boxEnabled));
}

}  // namespace
