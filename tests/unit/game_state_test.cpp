// Start values of the shared state, the reshape with no height, the countdown and the restart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "app/countdown.h"
#include "app/game_state.h"
#include "gameplay/keypad.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

class CountdownTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        InstallCountingToolkit();
        UseManualClock(5000);
        g_startClock = GameClock();
        g_secondsLeft = 180;
    }
    void TearDown() override { UseMonotonicClock(); }
    // The clock stands `elapsedMs` after the start; the idle callback runs once.
    void IdleAt(ClockTicks elapsedMs) {
        UseManualClock(g_startClock + elapsedMs);
        OnIdle();
    }
};

TEST(GameStateTest, StartValuesAreThoseOfANewGame) {
    ResetGameStateToStart();
    EXPECT_FLOAT_EQ(g_degToRad, 0.017452778f);
    EXPECT_EQ(g_degToRad, static_cast<float>(3.1415 / 180));
    EXPECT_EQ(g_playerX, 3.0f);
    EXPECT_EQ(g_playerY, 3.0f);
    EXPECT_EQ(g_playerZ, -1.0f);
    EXPECT_EQ(g_prevPlayerX, 3.0f);
    EXPECT_EQ(g_prevPlayerZ, -1.0f);
    EXPECT_EQ(g_yaw, 0.0f);
    EXPECT_EQ(g_posX, 0.0f);
    EXPECT_EQ(g_posY, 0.0f);
    EXPECT_EQ(g_posZ, 0.0f);
    EXPECT_EQ(g_secondsLeft, 180);
    EXPECT_STREQ(g_timeText, "03:00");
    EXPECT_EQ(g_gameMode, 1);
    EXPECT_EQ(g_pickedBox, -1);
    EXPECT_EQ(g_messageIndex, -1);
    EXPECT_EQ(g_describeMode, 0);
    const std::uint8_t enabled[17] = {1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 1};
    const std::uint8_t icons[16] = {7, 4, 2, 0, 0, 3, 0, 5, 1, 9, 6, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(g_boxEnabled, enabled, sizeof enabled));
    EXPECT_EQ(0, std::memcmp(g_boxIcon, icons, sizeof icons));
    EXPECT_EQ(g_hammerVisible, 1);
    EXPECT_EQ(g_breadVisible, 1);
    EXPECT_EQ(g_bookcaseOffset, 0.0f);
    EXPECT_EQ(g_keypadShown, 0);
    // The shared names are the fields of their objects.
    EXPECT_EQ(&g_keypadShown, &g_keypad.shown);
    EXPECT_EQ(&g_bookcaseOffset, &g_keypad.bookcaseOffset);
}

TEST_F(CountdownTest, TextShowsMinutesAndSeconds) {
    struct Case {
        int seconds;
        const char* text;
    };
    const Case cases[] = {{180, "03:00"}, {179, "02:59"}, {65, "01:05"}, {0, "00:00"},
                          {190, "03:10"}, {9, "00:09"},   {60, "01:00"}};
    for (const Case& c : cases) {
        std::memcpy(g_timeText, "03:00", 6);
        UpdateTimeText(c.seconds);
        EXPECT_STREQ(g_timeText, c.text) << c.seconds << " seconds";
    }
}

TEST_F(CountdownTest, DrawsOnceForEachSecondThatPasses) {
    IdleAt(999);
    EXPECT_EQ(g_secondsLeft, 180);
    EXPECT_EQ(ToolkitCalls().drawFrameNow, 0);
    IdleAt(1000);
    EXPECT_EQ(g_secondsLeft, 179);
    EXPECT_STREQ(g_timeText, "02:59");
    EXPECT_EQ(ToolkitCalls().drawFrameNow, 1);
    IdleAt(1500);
    EXPECT_EQ(ToolkitCalls().drawFrameNow, 1);
    // A slow frame: the count jumps several seconds and the text follows at once, one draw.
    IdleAt(7200);
    EXPECT_EQ(g_secondsLeft, 173);
    EXPECT_STREQ(g_timeText, "02:53");
    EXPECT_EQ(ToolkitCalls().drawFrameNow, 2);
    EXPECT_EQ(ToolkitCalls().postRedisplay, 0);
}

// A count that rises shows at once, like one that falls: START after a wait, a fresh bread.
TEST_F(CountdownTest, ACountThatRisesShowsAtOnce) {
    struct Case {
        const char* what;
        ClockTicks firstIdle;  // wall clock of the first idle call, from the game's start
        ClockTicks lift;       // added to the start of the countdown afterwards
        ClockTicks nextIdle;
        int secondsLeft;
        const char* text;
    };
    const Case cases[] = {
        {"bread 1 at 02:10", 50'000, 10'000, 50'500, 140, "02:20"},
        {"bread 1 at the start", 1'000, 10'000, 1'000, 189, "03:09"},
        {"START after a time-out's -1", 181'000, 0, 181'000, 180, "03:00"},
    };
    for (const Case& c : cases) {
        const ClockTicks gameStart = g_startClock;
        IdleAt(c.firstIdle);
        g_startClock += c.lift;
        const int drawsBefore = ToolkitCalls().drawFrameNow;
        UseManualClock(gameStart + c.nextIdle);
        OnIdle();
        EXPECT_EQ(g_secondsLeft, c.secondsLeft) << c.what;
        EXPECT_STREQ(g_timeText, c.text) << c.what;
        EXPECT_EQ(ToolkitCalls().drawFrameNow, drawsBefore + 1) << c.what;
        g_gameMode = 1;
        g_startClock = gameStart;
        IdleAt(0);
    }
}

// Between seconds the idle callback waits for input, at most until the next second is due; under
// the manual clock (tests, the replay driver) it never waits, and a due second draws at once.
TEST_F(CountdownTest, IdleWaitsForInputOnlyUntilTheNextSecond) {
    IdleAt(0);
    EXPECT_EQ(ToolkitCalls().waitForInput, 0);
    UseMonotonicClock();
    const struct {
        ClockTicks intoSecond;
        int longestWait;
    } cases[] = {{0, 1000}, {1, 999}, {400, 600}, {999, 1}};
    for (const auto& c : cases) {
        // The second shown is the one the clock stands in: nothing is due. The real clock may
        // cross into the next second meanwhile (a busy machine); then the case is tried again.
        int waitsBefore = 0;
        for (int attempt = 0; attempt < 10; ++attempt) {
            g_startClock = GameClock() - 7000 - c.intoSecond;
            g_secondsLeft = 173;
            waitsBefore = ToolkitCalls().waitForInput;
            OnIdle();
            if (g_secondsLeft == 173) break;
        }
        ASSERT_EQ(g_secondsLeft, 173) << c.intoSecond;
        EXPECT_EQ(ToolkitCalls().waitForInput, waitsBefore + 1) << c.intoSecond;
        EXPECT_GE(ToolkitCalls().lastWaitMilliseconds, 1) << c.intoSecond;
        EXPECT_LE(ToolkitCalls().lastWaitMilliseconds, c.longestWait) << c.intoSecond;
    }
    // A second that is due draws without waiting.
    g_startClock = GameClock() - 8000;
    g_secondsLeft = 173;
    const int waitsBefore = ToolkitCalls().waitForInput;
    OnIdle();
    EXPECT_EQ(g_secondsLeft, 172);
    EXPECT_EQ(ToolkitCalls().waitForInput, waitsBefore);
}

TEST_F(CountdownTest, TimeOutKeepsTheTextAndAsksForTheEnding) {
    IdleAt(180'000);
    ASSERT_STREQ(g_timeText, "00:00");
    const ClockTicks start = g_startClock;
    IdleAt(181'000);
    EXPECT_EQ(g_secondsLeft, -1);
    EXPECT_STREQ(g_timeText, "00:00");
    EXPECT_EQ(g_gameMode, 0);
    EXPECT_EQ(g_endingCode, 0);
    EXPECT_EQ(g_startClock, start + 181'000);  // the clock starts over at the time-out
    EXPECT_EQ(ToolkitCalls().postRedisplay, 1);
    // The idle callback then counts from the restarted clock.
    IdleAt(0);
    EXPECT_EQ(g_secondsLeft, 180);
}

TEST_F(CountdownTest, BreadTwoBelowTenSecondsGoesStraightToTheTimeOut) {
    IdleAt(175'000);
    ASSERT_EQ(g_secondsLeft, 5);
    g_startClock -= 10'000;  // bread 2
    UseManualClock(g_startClock + 185'000);
    OnIdle();
    EXPECT_EQ(g_gameMode, 0);
    EXPECT_STREQ(g_timeText, "00:05");
}

// The start and end pictures stop the count: left alone for longer than a game, the start
// picture does not time out and an end picture stays the ending it was.
TEST_F(CountdownTest, TheCountStandsStillWhileAPictureCoversTheWindow) {
    for (const bool startPicture : {true, false}) {
        IdleAt(50'000);
        ASSERT_STREQ(g_timeText, "02:10");
        g_startScreenShown = startPicture ? 1 : 0;
        g_endScreenShown = startPicture ? 0 : 1;
        g_endingCode = 3;
        const int drawsBefore = ToolkitCalls().drawFrameNow;
        for (ClockTicks wall = 51'000; wall <= 400'000; wall += 1'000) IdleAt(wall);
        EXPECT_EQ(g_gameMode, 1) << startPicture;
        EXPECT_EQ(g_endingCode, 3) << startPicture;
        EXPECT_EQ(g_secondsLeft, 130) << startPicture;
        EXPECT_EQ(ToolkitCalls().drawFrameNow, drawsBefore) << startPicture;
        EXPECT_EQ(ToolkitCalls().postRedisplay, 0) << startPicture;
        g_startScreenShown = 0;
        g_endScreenShown = 0;
        g_startClock = GameClock() - 50'000;
    }
}

TEST_F(CountdownTest, RestartPutsTheLevelBackAndLeavesTheSelection) {
    InitWalkGrid();
    BuildWallLayout();
    const auto startGrid =
        std::vector<WalkCell>(&g_walkGrid[0][0], &g_walkGrid[0][0] + kGridRows * kGridColumns);
    g_playerX = 10.1f;
    g_playerY = 0.0f;
    g_playerZ = -5.0f;
    g_prevPlayerX = 10.0f;
    g_prevPlayerZ = -5.1f;
    g_yaw = 44.0f;
    g_posX = 3 - 10.1f;
    g_posY = 3.0f;
    g_posZ = 4.0f;
    std::memcpy(g_timeText, "01:23", 6);
    g_gameMode = 2;
    g_endingCode = 3;
    g_pickedBox = 12;
    g_messageIndex = 6;
    g_describeMode = 0;
    g_iconOwned[0] = 1;
    for (int i = 1; i < 10; ++i) g_iconOwned[i] = 1;
    for (int box : {2, 4, 10, 12, 13, 14}) g_boxEnabled[box] = 1;
    g_hammerVisible = 0;
    g_breadVisible = 0;
    g_keypad.shown = 1;
    g_keypad.bookcaseOffset = -1.5f;
    g_keypad.digitCount = 4;
    OpenBookcasePassage();
    const ClockTicks clockBefore = g_startClock;
    const int secondsBefore = g_secondsLeft = 83;
    const int playsBefore = TunePlayCount();
    const int redisplaysBefore = ToolkitCalls().postRedisplay;

    RestartGame();

    EXPECT_EQ(ToolkitCalls().postRedisplay, redisplaysBefore + 1)
        << "the end picture is drawn next";

    EXPECT_STREQ(g_timeText, "03:00");
    EXPECT_EQ(g_playerX, 3.0f);
    EXPECT_EQ(g_playerY, 3.0f);
    EXPECT_EQ(g_playerZ, -1.0f);
    EXPECT_EQ(g_prevPlayerX, 3.0f);
    EXPECT_EQ(g_prevPlayerZ, -1.0f);
    EXPECT_EQ(g_yaw, 0.0f);
    EXPECT_EQ(g_posX, 0.0f);
    EXPECT_EQ(g_posY, 0.0f);
    EXPECT_EQ(g_posZ, 0.0f);
    EXPECT_EQ(g_endScreenShown, 1);
    EXPECT_EQ(g_gameMode, 1);
    EXPECT_EQ(g_endingCode, 3);
    EXPECT_EQ(g_iconOwned[0], 1);
    for (int i = 1; i < 10; ++i) EXPECT_EQ(g_iconOwned[i], 0) << "icon " << i;
    for (int box : {2, 4, 10, 12, 13, 14}) EXPECT_EQ(g_boxEnabled[box], 0) << "box " << box;
    EXPECT_EQ(g_hammerVisible, 1);
    EXPECT_EQ(g_breadVisible, 1);
    EXPECT_EQ(g_keypadShown, 0);
    EXPECT_EQ(g_bookcaseOffset, 0.0f);
    EXPECT_EQ(g_keypad.digitCount, 0);
    EXPECT_EQ(g_pickedBox, 12);
    EXPECT_EQ(g_messageIndex, 6);
    EXPECT_EQ(g_startClock, clockBefore);
    EXPECT_EQ(g_secondsLeft, secondsBefore);
    // The tune starts again only where there is a device to play it.
    EXPECT_EQ(TunePlayCount(), playsBefore + (TuneReady() ? 1 : 0));
    EXPECT_TRUE(std::equal(startGrid.begin(), startGrid.end(), &g_walkGrid[0][0]));
}

}  // namespace
