// The progress rules as a player meets them: chains of presses and frames from the start
// picture to every ending, with the stand-in pick of rule_harness.h.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_RIGHT_BUTTON

#include <cstring>

#include "app/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/keypad_code.h"
#include "gameplay/progress.h"
#include "platform/clock.h"
#include "rule_harness.h"

namespace {

class ProgressTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        // Into the house: the start button, with nothing of the house behind it yet.
        SetBoxUnderCursor(-1);
        PressScreenAt(50, 70);
        ASSERT_EQ(g_startScreenShown, 0);
        ASSERT_EQ(g_startClock, GameClock());
    }
    void TearDown() override { UseMonotonicClock(); }

    // The end picture raised by the frame of the press, the level already back to its start.
    void ExpectEndScreen(int endingCode) {
        EXPECT_EQ(g_endScreenShown, 1);
        EXPECT_EQ(g_gameMode, 1);
        EXPECT_EQ(g_endingCode, endingCode);
        for (int icon = 1; icon < kIconCount; ++icon) EXPECT_EQ(g_iconOwned[icon], 0) << icon;
        EXPECT_EQ(0, std::memcmp(g_boxEnabled, kBoxEnabledAtStart, sizeof g_boxEnabled));
        EXPECT_EQ(g_hammerVisible, 1);
        EXPECT_EQ(g_breadVisible, 1);
        EXPECT_EQ(g_bookcaseOffset, 0.0f);
        EXPECT_EQ(g_keypadShown, 0);
        EXPECT_STREQ(g_timeText, "03:00");
    }

    static bool Owns(int icon) { return g_iconOwned[icon] == 1; }
};

TEST_F(ProgressTest, FrontDoorWinThroughKeyTwoTheKeypadAndTheSafe) {
    // The keypad by the bookcase: the opening press is never a digit.
    PressOnBox(kKeypadPickBox);
    EXPECT_EQ(g_keypadShown, 1);
    EXPECT_EQ(g_keypad.digitCount, 0);
    for (int digit : kKeypadCode) PressKeypadCell(digit);
    EXPECT_EQ(g_keypadShown, 0);
    EXPECT_EQ(g_bookcaseOffset, -1.5f);

    // The safe stays shut until key 2 is used on it.
    PressOnBox(10);
    EXPECT_FALSE(Owns(6));
    PressOnBox(7);
    EXPECT_TRUE(Owns(5));
    PressIcon(5);
    EXPECT_EQ(g_boxEnabled[10], 1);
    EXPECT_TRUE(Owns(5)) << "keys stay in the inventory";
    PressOnBox(10);
    EXPECT_TRUE(Owns(6));

    // The front door: locked, then opened with key 3.
    PressOnBox(12);
    EXPECT_EQ(g_gameMode, 1);
    EXPECT_EQ(g_endScreenShown, 0);
    PressIcon(6);
    EXPECT_EQ(g_boxEnabled[12], 1);
    PressOnBox(12);
    ExpectEndScreen(3);
}

TEST_F(ProgressTest, GroundFloorWindowWinWithTheHammer) {
    PressOnBox(13);
    EXPECT_EQ(g_endScreenShown, 0) << "the window needs the hammer";
    PressOnBox(5);
    EXPECT_EQ(g_hammerVisible, 0);
    EXPECT_TRUE(Owns(3));
    PressIcon(3);
    EXPECT_FALSE(Owns(3)) << "the hammer is used up";
    EXPECT_EQ(g_boxEnabled[4], 1);
    EXPECT_EQ(g_boxEnabled[13], 1);
    EXPECT_EQ(g_boxEnabled[14], 1);
    PressOnBox(13);
    ExpectEndScreen(3);
}

TEST_F(ProgressTest, LosingEndingsWithTheHammer) {
    struct Case {
        int box;
        int endingCode;
    };
    for (const Case& c : {Case{4, 1}, Case{14, 2}}) {
        SCOPED_TRACE(c.box);
        StartRuleHarness();
        PressScreenAt(50, 70);
        PressOnBox(c.box);
        EXPECT_EQ(g_endScreenShown, 0);
        PressOnBox(5);
        PressIcon(3);
        // The frame of the press asks for the ending and runs the restart at once.
        PressOnBox(c.box);
        ExpectEndScreen(c.endingCode);
    }
}

TEST_F(ProgressTest, TimeOutAfterThreeMinutes) {
    IdleSeconds(179);
    EXPECT_STREQ(g_timeText, "00:01");
    IdleSeconds(1);
    EXPECT_STREQ(g_timeText, "00:00");
    EXPECT_EQ(g_endScreenShown, 0);
    IdleSeconds(1);
    ExpectEndScreen(0);
}

TEST_F(ProgressTest, LockedBoxGivesNothingButStaysPicked) {
    PressOnBox(2);
    for (int frame = 0; frame < 3; ++frame) RunFrameRules();
    EXPECT_EQ(g_pickedBox, 2) << "the outline of the latched box stays drawn";
    for (int icon = 1; icon < kIconCount; ++icon) EXPECT_FALSE(Owns(icon)) << icon;
    for (int box : {4, 12, 14}) {
        PressOnBox(box);
        RunFrameRules();
        EXPECT_EQ(g_pickedBox, box);
        EXPECT_EQ(g_gameMode, 1);
        EXPECT_EQ(g_endScreenShown, 0);
    }

    // Key 1 opens the cabinet: the same box now gives bread 2 and note 2.
    PressOnBox(1);
    PressIcon(4);
    EXPECT_EQ(g_boxEnabled[2], 1);
    PressOnBox(2);
    EXPECT_TRUE(Owns(2));
    EXPECT_TRUE(Owns(8));
}

TEST_F(ProgressTest, NotesShowUntilTheNextPress) {
    PressOnBox(0);
    PressOnBox(9);
    EXPECT_TRUE(Owns(7));
    EXPECT_TRUE(Owns(9));
    PressIcon(9);
    EXPECT_EQ(LastNoteSlot(), 9);
    RunFrameRules();
    EXPECT_EQ(LastNoteSlot(), 9);
    EXPECT_TRUE(Owns(9));
    // A right press on the note asks for its hint instead of showing it.
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
    EXPECT_TRUE(Owns(1));
    const ClockTicks before = g_startClock;
    PressIcon(1);
    for (int frame = 0; frame < 5; ++frame) RunFrameRules();
    EXPECT_EQ(g_startClock, before + 10000) << "a bread acts once, however many frames follow";
    EXPECT_FALSE(Owns(1));

    // Ten seconds more than the start, shown as soon as the count is next looked at.
    IdleSeconds(1);
    EXPECT_EQ(g_secondsLeft, 189);
    EXPECT_STREQ(g_timeText, "03:09");

    // Bread 2 from the cabinet, eaten with less than ten seconds left: the time is up.
    PressOnBox(1);
    PressIcon(4);
    PressOnBox(2);
    ASSERT_TRUE(Owns(2));
    IdleSeconds(g_secondsLeft - 9);
    EXPECT_EQ(g_secondsLeft, 9);
    PressIcon(2);
    EXPECT_FALSE(Owns(2));
    EXPECT_EQ(g_endScreenShown, 0);
    IdleSeconds(1);
    ExpectEndScreen(0);
}

TEST_F(ProgressTest, PickedBoxOutlivesTheRestartWithoutEndingAgain) {
    PressOnBox(5);
    PressIcon(3);
    PressOnBox(13);
    ExpectEndScreen(3);
    EXPECT_EQ(g_pickedBox, 13);
    for (int frame = 0; frame < 3; ++frame) RunFrameRules();
    EXPECT_EQ(g_gameMode, 1);
    EXPECT_EQ(g_boxEnabled[13], 0);

    // Presses on the end and start pictures are meant for their buttons: though the house last
    // drawn behind them shows box 13, nothing is picked.
    SetBoxUnderCursor(13);
    PressScreenAt(23, 76);  // back
    EXPECT_EQ(g_startScreenShown, 1);
    EXPECT_EQ(g_endScreenShown, 0);
    PressScreenAt(50, 70);  // start
    EXPECT_EQ(g_startScreenShown, 0);
    EXPECT_EQ(g_pickedBox, -1);
    RunFrameRules();
    EXPECT_EQ(g_gameMode, 1);
    EXPECT_EQ(g_endScreenShown, 0);

    // The hammer lies in the house again and can be taken again.
    EXPECT_EQ(g_hammerVisible, 1);
    PressOnBox(5);
    EXPECT_EQ(g_hammerVisible, 0);
    EXPECT_TRUE(Owns(3));
}

// Each ending locks all four ending boxes itself, before the restart locks the rest.
TEST(ProgressRuleTest, EndingTriggerLocksTheFourEndingBoxes) {
    struct Case {
        int box, gameMode, endingCode;
    };
    for (const Case& c : {Case{4, 0, 1}, Case{12, 2, 3}, Case{13, 2, 3}, Case{14, 0, 2}}) {
        SCOPED_TRACE(c.box);
        StartRuleHarness();
        for (int box : {2, 4, 10, 12, 13, 14}) g_boxEnabled[box] = 1;
        RunEndingTrigger(c.box);
        EXPECT_EQ(g_gameMode, c.gameMode);
        EXPECT_EQ(g_endingCode, c.endingCode);
        for (int box : {4, 12, 13, 14}) EXPECT_EQ(g_boxEnabled[box], 0) << box;
        EXPECT_EQ(g_boxEnabled[2], 1);
        EXPECT_EQ(g_boxEnabled[10], 1);
        g_gameMode = 1;
        RunEndingTrigger(c.box);
        EXPECT_EQ(g_gameMode, 1) << "a locked ending box ends nothing";
    }
}

TEST(ProgressRuleTest, RulesIgnoreNoBoxAndOutOfRangeValues) {
    StartRuleHarness();
    g_startScreenShown = 0;
    for (int value : {-1, 17, 1000}) {
        RunEndingTrigger(value);
        HideTakenItems(value);
        GrantIcon(value);
        EXPECT_EQ(UseIcon(value), 0);
    }
    EXPECT_EQ(UseIcon(0), 0);
    EXPECT_EQ(g_gameMode, 1);
    for (int icon = 1; icon < kIconCount; ++icon) EXPECT_EQ(g_iconOwned[icon], 0);
    EXPECT_EQ(0, std::memcmp(g_boxEnabled, kBoxEnabledAtStart, sizeof g_boxEnabled));
    // The calendar and the boxes without an icon give nothing but the bar itself.
    for (int box : {3, 6, 11, 15, 16}) GrantIcon(box);
    for (int icon = 1; icon < kIconCount; ++icon) EXPECT_EQ(g_iconOwned[icon], 0);
    EXPECT_EQ(g_iconOwned[0], 1);
}

}  // namespace
