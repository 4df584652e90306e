// Held keys: a tap is one step or turn; a hold repeats 25 times a second from 200 ms after the
// press, however the clock moves, until the release; a stairs transfer ends the hold; the arrow
// keys are W, S, A and D.
#include <gtest/gtest.h>

#include <vector>

#include "app/countdown.h"
#include "core/game_state.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "rule_harness.h"
#include "world/held_keys.h"
#include "world/movement.h"
#include "world/walk_grid.h"

namespace {

constexpr ClockTicks kPressedAt = 10'000;

// In the living room downstairs, facing -X (yaw 90) along a clear run of more than 2 units.
void StandInTheLivingRoom(float yaw) {
    g_playerX = g_prevPlayerX = 10.3f, g_playerZ = g_prevPlayerZ = -3.0f;
    g_playerY = 0.0f, g_yaw = yaw;
    g_posX = 3.0f - g_playerX, g_posY = 3.0f, g_posZ = -1.0f - g_playerZ;
}

class HeldKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        InstallCountingToolkit();
        BuildStartUpGrid();
        ReleaseAllMoveKeys();
        UseManualClock(kPressedAt);
    }
    void TearDown() override {
        ReleaseAllMoveKeys();
        UseMonotonicClock();
        ResetGameStateToStart();
    }
    // The clock moves to `at` (ms after the press) in jumps of `jump`, the idle callback
    // running after each, as the driver's advance does.
    static void IdleUntil(ClockTicks at, ClockTicks jump) {
        while (GameClock() < kPressedAt + at) {
            const ClockTicks left = kPressedAt + at - GameClock();
            AdvanceManualClock(left < jump ? left : jump);
            OnIdle();
        }
    }
    // What a hold of `key` for `heldFor` ms does, the clock moving in jumps of `jump`.
    static std::vector<float> Hold(unsigned char key, ClockTicks heldFor, ClockTicks jump) {
        UseManualClock(kPressedAt);
        StandInTheLivingRoom(90.0f);
        OnKeyboard(key, 0, 0);
        IdleUntil(heldFor, jump);
        OnKeyboardUp(key, 0, 0);
        return {g_playerX, g_playerZ, g_yaw};
    }
};

// Steps (0.1 along -X from X 10.3) or turns (4 degrees from 90) made by holds of each length:
// one at the press, one more at 200 ms and every 40 ms after, up to and with the release.
TEST_F(HeldKeysTest, AHoldActsOnceThenTwentyFiveTimesASecondFrom200Ms) {
    const struct {
        ClockTicks heldFor;
        int actions;
    } holds[] = {{0, 1},   {150, 1},   {199, 1},   {200, 2},  {239, 2},
                 {240, 3}, {1000, 22}, {1039, 22}, {1040, 23}};
    for (const auto& hold : holds) {
        for (const ClockTicks jump : {ClockTicks{1}, ClockTicks{7}, ClockTicks{1000}}) {
            const std::vector<float> turned = Hold('a', hold.heldFor, jump);
            EXPECT_EQ(turned[2], 90.0f + 4.0f * hold.actions) << hold.heldFor << " ms, " << jump;
            const std::vector<float> walked = Hold('w', hold.heldFor, jump);
            EXPECT_NEAR(walked[0], 10.3f - 0.1f * hold.actions, 1e-4f)
                << hold.heldFor << " ms, jumps of " << jump;
            EXPECT_NEAR(walked[1], -3.0f, 1e-3f);
        }
    }
}

// After the release nothing repeats, however long the clock runs; a second press starts anew.
TEST_F(HeldKeysTest, NothingRepeatsAfterTheRelease) {
    StandInTheLivingRoom(90.0f);
    OnKeyboard('d', 0, 0);
    IdleUntil(300, 50);
    OnKeyboardUp('D', 0, 0);  // the same key, whatever the case
    const float yaw = g_yaw;
    EXPECT_EQ(yaw, 90.0f - 4.0f * 4);
    EXPECT_EQ(TicksUntilNextKeyRepeat(GameClock()), -1);
    IdleUntil(3000, 100);
    EXPECT_EQ(g_yaw, yaw);
    OnKeyboard('d', 0, 0);
    EXPECT_EQ(TicksUntilNextKeyRepeat(GameClock()), kKeyRepeatDelay);
    EXPECT_EQ(g_yaw, yaw - 4.0f);
}

// A release that still had repeats to make (a slow frame kept the idle callback away) walks
// them and asks for a frame; one with nothing left to make asks for none.
TEST_F(HeldKeysTest, AReleaseShowsTheRepeatsItMade) {
    for (const bool arrow : {false, true}) {
        ReleaseAllMoveKeys();
        UseManualClock(kPressedAt);
        StandInTheLivingRoom(90.0f);
        if (arrow) {
            OnSpecialKey(kSpecialKeyLeft, 0, 0);
        } else {
            OnKeyboard('a', 0, 0);
        }
        AdvanceManualClock(290);  // repeats due at 200, 240 and 280, not yet made
        int redisplays = ToolkitCalls().postRedisplay;
        if (arrow) {
            OnSpecialKeyUp(kSpecialKeyLeft, 0, 0);
        } else {
            OnKeyboardUp('a', 0, 0);
        }
        EXPECT_EQ(g_yaw, 90.0f + 4.0f * 4) << arrow;
        EXPECT_EQ(ToolkitCalls().postRedisplay, redisplays + 1) << arrow;
        // A tap's release: nothing left to make, no frame.
        OnKeyboard('a', 0, 0);
        redisplays = ToolkitCalls().postRedisplay;
        OnKeyboardUp('a', 0, 0);
        EXPECT_EQ(ToolkitCalls().postRedisplay, redisplays) << arrow;
    }
}

// The arrows press and release like the letters they stand for, through the special-key
// callbacks; keys that move nothing are ignored by both.
TEST_F(HeldKeysTest, ArrowKeysAreWSAndAD) {
    const struct {
        int arrow;
        float x, yaw;  // after a 240 ms hold: three actions
    } arrows[] = {{kSpecialKeyUp, 10.0f, 90.0f},
                  {kSpecialKeyDown, 10.6f, 90.0f},
                  {kSpecialKeyLeft, 10.3f, 102.0f},
                  {kSpecialKeyRight, 10.3f, 78.0f}};
    for (const auto& arrow : arrows) {
        ReleaseAllMoveKeys();
        UseManualClock(kPressedAt);
        StandInTheLivingRoom(90.0f);
        OnSpecialKey(arrow.arrow, 0, 0);
        IdleUntil(240, 40);
        OnSpecialKeyUp(arrow.arrow, 0, 0);
        IdleUntil(1000, 40);
        EXPECT_NEAR(g_playerX, arrow.x, 1e-4f) << arrow.arrow;
        EXPECT_EQ(g_yaw, arrow.yaw) << arrow.arrow;
    }
    const int redisplays = ToolkitCalls().postRedisplay;
    OnSpecialKey(1, 0, 0);  // F1
    OnKeyboard('q', 0, 0);
    EXPECT_EQ(TicksUntilNextKeyRepeat(GameClock()), -1);
    EXPECT_EQ(ToolkitCalls().postRedisplay, redisplays);
}

// Two keys held together interleave their repeats in time order, so one jump of the clock
// walks the same curve as small ones.
TEST_F(HeldKeysTest, TwoHeldKeysInterleaveAsInRealTime) {
    std::vector<float> poses[2];
    for (int run = 0; run < 2; ++run) {
        ReleaseAllMoveKeys();
        UseManualClock(kPressedAt);
        StandInTheLivingRoom(90.0f);
        OnKeyboard('w', 0, 0);
        IdleUntil(20, 20);
        OnKeyboard('a', 0, 0);
        IdleUntil(700, run == 0 ? 1 : 700);
        OnKeyboardUp('w', 0, 0);
        OnKeyboardUp('a', 0, 0);
        poses[run] = {g_playerX, g_playerZ, g_yaw};
    }
    EXPECT_EQ(poses[0], poses[1]);
    EXPECT_GT(poses[0][2], 90.0f);
    EXPECT_NE(poses[0][1], -3.0f);  // the turn bent the walk
}

// The idle callback makes the repeats that fell due, and its wait for input ends when the next
// one falls due rather than at the next second of the countdown.
TEST_F(HeldKeysTest, TheIdleRepeatsAndWaitsOnlyUntilTheNextRepeat) {
    StandInTheLivingRoom(90.0f);
    g_startScreenShown = 0;
    OnKeyboard('w', 0, 0);
    EXPECT_EQ(TicksUntilNextKeyRepeat(GameClock()), 200);
    AdvanceManualClock(230);
    EXPECT_EQ(TicksUntilNextKeyRepeat(GameClock()), 0);
    const int redisplays = ToolkitCalls().postRedisplay;
    OnIdle();
    EXPECT_NEAR(g_playerX, 10.1f, 1e-5f);
    EXPECT_EQ(ToolkitCalls().postRedisplay, redisplays + 1);
    EXPECT_EQ(TicksUntilNextKeyRepeat(GameClock()), 10);
    EXPECT_FALSE(RunKeyRepeats(GameClock()));
    // In real time, on the house and on the start picture alike.
    for (const bool startPicture : {false, true}) {
        ReleaseAllMoveKeys();
        UseMonotonicClock();
        g_startScreenShown = startPicture;
        g_startClock = GameClock(), g_secondsLeft = 180;
        OnIdle();
        EXPECT_GE(ToolkitCalls().lastWaitMilliseconds, 400) << startPicture;
        OnKeyboard('w', 0, 0);
        OnIdle();
        EXPECT_LE(ToolkitCalls().lastWaitMilliseconds, 200) << startPicture;
    }
}

// A key released while another window had the keyboard sends no release: once the keyboard no
// longer holds it, it stops at its next repeat.
TEST_F(HeldKeysTest, AKeyTheKeyboardNoLongerHoldsStops) {
    static int asked = 0;
    asked = 0;
    Toolkit().keyIsDown = [](int key) {
        ++asked;
        return key != 'w';
    };
    StandInTheLivingRoom(90.0f);
    OnKeyboard('w', 0, 0);
    OnKeyboard('a', 0, 0);
    IdleUntil(1000, 1000);
    EXPECT_NEAR(g_playerX, 10.2f, 1e-5f);
    EXPECT_EQ(g_yaw, 90.0f + 4.0f * 22);
    EXPECT_FALSE(MoveKeyRepeating(MoveKey::kForward));
    EXPECT_TRUE(MoveKeyRepeating(MoveKey::kTurnLeft));
    EXPECT_GT(asked, 0);
}

// A W held into the stairs stops at the landing: the transfer ends the hold, and the release
// that follows walks no further.
TEST_F(HeldKeysTest, AStairsTransferEndsTheHoldThatCarriedThePlayer) {
    // Upstairs, facing +X, 0.4 before the stairs-down cells at X 5.0.
    g_playerX = g_prevPlayerX = 4.6f, g_playerZ = g_prevPlayerZ = -0.6f, g_playerY = 3.0f;
    g_yaw = -90.0f, g_posX = 3.0f - 4.6f, g_posY = 0.0f, g_posZ = -1.0f + 0.6f;
    OnKeyboard('w', 0, 0);
    IdleUntil(2000, 40);
    ASSERT_EQ(g_playerY, 0.0f);
    const std::vector<float> landed = PoseNow();
    EXPECT_FALSE(MoveKeyRepeating(MoveKey::kForward));
    IdleUntil(3000, 1000);
    OnKeyboardUp('w', 0, 0);
    EXPECT_EQ(PoseNow(), landed);
}

}  // namespace
