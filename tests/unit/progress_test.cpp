// The progress rules as a player meets them: chains of presses and frames, with the stand-in
// pick of rule_harness.h. The walkthroughs to every ending are played in tests/e2e.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_RIGHT_BUTTON

#include <cstring>

#include "app/game_state.h"
#include "gameplay/progress.h"
#include "platform/clock.h"
#include "rule_harness.h"

namespace {

bool Owns(int icon) {
    return g_iconOwned[icon] == 1;
}

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        PressScreenAt(50, 70);  // START, with nothing of the house behind it yet
    }
    void TearDown() override { UseMonotonicClock(); }

    // The end picture raised by the frame of the press, the level already back to its start.
    static void ExpectEndScreen(int endingCode) {
        EXPECT_EQ(g_endScreenShown, 1);
        EXPECT_EQ(g_gameMode, 1);
        EXPECT_EQ(g_endingCode, endingCode);
        for (int icon = 1; icon < kIconCount; ++icon) EXPECT_FALSE(Owns(icon)) << icon;
        EXPECT_EQ(0, std::memcmp(g_boxEnabled, kBoxEnabledAtStart, sizeof g_boxEnabled));
        EXPECT_EQ(g_hammerVisible + g_breadVisible, 2);
        EXPECT_EQ(g_bookcaseOffset, 0.0f);
        EXPECT_STREQ(g_timeText, "03:00");
    }
};

// A locked box gives nothing but stays picked (its outline stays drawn), and ends nothing.
TEST_F(ProgressTest, LockedBoxesGiveNothingUntilTheirKey) {
    for (int box : {2, 4, 12, 14}) {
        PressOnBox(box);
        RunFrameRules();
        EXPECT_EQ(g_pickedBox, box);
        EXPECT_EQ(g_endScreenShown, 0);
    }
    for (int icon = 1; icon < kIconCount; ++icon) EXPECT_FALSE(Owns(icon)) << icon;
    PressOnBox(1);
    PressIcon(4);
    PressOnBox(2);
    EXPECT_TRUE(Owns(2) && Owns(8)) << "key 1 opens the cabinet: bread 2 and note 2";
}

TEST_F(ProgressTest, ANoteShowsUntilTheNextPressAndARightPressGivesItsHint) {
    PressOnBox(0);
    PressOnBox(9);
    PressIcon(9);
    EXPECT_EQ(LastNoteSlot(), 9);
    RunFrameRules();
    EXPECT_EQ(LastNoteSlot(), 9);
    EXPECT_TRUE(Owns(9));
    int x = 0, y = 0;
    IconSlotPixel(7, &x, &y);
    Press(GLUT_RIGHT_BUTTON, x, y);
    EXPECT_EQ(g_messageIndex, 7);
    EXPECT_EQ(LastNoteSlot(), 0);
    PressOnBox(-1);
    EXPECT_EQ(LastNoteSlot(), 0);
}

TEST_F(ProgressTest, BreadsMoveTheCountdownOncePerPress) {
    PressOnBox(8);
    EXPECT_EQ(g_breadVisible, 0);
    const ClockTicks before = g_startClock;
    PressIcon(1);
    for (int frame = 0; frame < 5; ++frame) RunFrameRules();
    EXPECT_EQ(g_startClock, before + 10000) << "a bread acts once, however many frames follow";
    EXPECT_FALSE(Owns(1));
    IdleSeconds(1);
    EXPECT_STREQ(g_timeText, "03:09");
    // Bread 2 from the cabinet, eaten with less than ten seconds left: the time is up.
    PressOnBox(1);
    PressIcon(4);
    PressOnBox(2);
    IdleSeconds(g_secondsLeft - 9);
    PressIcon(2);
    EXPECT_EQ(g_startClock, before);
    EXPECT_FALSE(Owns(2));
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
    EXPECT_EQ(g_pickedBox, 13);
    EXPECT_EQ(g_gameMode, 1);
    SetBoxUnderCursor(13);
    PressScreenAt(23, 76);
    PressScreenAt(50, 70);
    EXPECT_EQ(g_pickedBox, -1);
    RunFrameRules();
    EXPECT_EQ(g_endScreenShown, 0);
    PressOnBox(5);
    EXPECT_TRUE(Owns(3)) << "the hammer lies in the house again";
}

// Each ending locks all four ending boxes itself, before the restart locks the rest.
TEST(ProgressRuleTest, EndingTriggerLocksTheFourEndingBoxes) {
    for (const auto& [box, gameMode, endingCode] :
         {std::tuple{4, 0, 1}, {12, 2, 3}, {13, 2, 3}, {14, 0, 2}}) {
        SCOPED_TRACE(box);
        StartRuleHarness();
        for (int locked : {2, 4, 10, 12, 13, 14}) g_boxEnabled[locked] = 1;
        RunEndingTrigger(box);
        EXPECT_EQ(g_gameMode, gameMode);
        EXPECT_EQ(g_endingCode, endingCode);
        for (int ending : {4, 12, 13, 14}) EXPECT_EQ(g_boxEnabled[ending], 0) << ending;
        EXPECT_EQ(g_boxEnabled[2] + g_boxEnabled[10], 2);
        g_gameMode = 1;
        RunEndingTrigger(box);
        EXPECT_EQ(g_gameMode, 1) << "a locked ending box ends nothing";
    }
}

TEST(ProgressRuleTest, RulesIgnoreNoBoxOutOfRangeValuesAndBoxesWithoutAnIcon) {
    StartRuleHarness();
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
