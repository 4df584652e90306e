// The line a press gets when the item in hand does nothing where it lands.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/progress.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "platform/clock.h"
#include "rule_harness.h"

namespace {

const char* const kKeyLine = ItemUseLine(HeldItem::kKey1, -1);   // nothing to unlock
const char* const kLockLine = ItemUseLine(HeldItem::kKey1, 12);  // the wrong lock
const char* const kHammerLine = ItemUseLine(HeldItem::kHammer, -1);
const char* const kNothingHereLine = ItemUseLine(HeldItem::kNothing, -1);
// With nothing in hand, a press on the table upstairs once note 1 is in the bar. (Called in the
// tests: the state at start-up is checked in this program too.)
const char* TakenLine() {
    ResetGameStateToStart();
    g_iconOwned[7] = 1;
    return ItemUseLine(HeldItem::kNothing, 0);
}

// Each line is bilingual, Chinese first, and says what went wrong.
TEST(ItemUseTest, TheLinesSayInBothLanguagesWhatWentWrong) {
    const std::pair<const char*, const char*> lines[] = {
        {kKeyLine, "Nothing to unlock here"},
        {kLockLine, "This key does not fit this lock"},
        {kHammerLine, "The hammer cannot break this"},
        {TakenLine(), "You already took what was here"},
        {kNothingHereLine, "Nothing to take here"},
    };
    for (const auto& [line, english] : lines) {
        ASSERT_NE(line, nullptr) << english;
        const std::string text = line;
        EXPECT_GE(static_cast<unsigned char>(text[0]), 0xE4) << text << ": no Chinese first";
        EXPECT_NE(text.find(english), std::string::npos) << text;
    }
}

// With every item already in the bar no place gives anything: each key answers only at its own
// lock, the hammer at both windows and the boiler, and the keypad opens whatever is in hand. With
// nothing in hand, the open places that held something say it was taken (the cabinet and the
// safe are still locked, so they held nothing yet).
TEST(ItemUseTest, EachItemIsSilentOnlyWhereItWorks) {
    const char* const kTakenLine = TakenLine();
    ResetGameStateToStart();
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
    struct Case {
        HeldItem held;
        const char* name;
        std::vector<int> silent;  // the boxes with no line
        std::vector<int> second;  // the boxes with `secondLine`; the rest get `line`
        const char* line;
        const char* secondLine;
    };
    const Case cases[] = {
        {HeldItem::kNothing,
         "nothing",
         {2, 3, 4, 6, 10, 11, 12, 13, 14, 15, 16},
         {-1},
         kTakenLine,
         kNothingHereLine},
        {HeldItem::kKey1, "key 1", {2, 15}, {10, 12}, kKeyLine, kLockLine},
        {HeldItem::kKey2, "key 2", {10, 15}, {2, 12}, kKeyLine, kLockLine},
        {HeldItem::kKey3, "key 3", {12, 15}, {2, 10}, kKeyLine, kLockLine},
        {HeldItem::kHammer, "the hammer", {4, 13, 14, 15}, {}, kHammerLine, nullptr},
    };
    const auto holds = [](const std::vector<int>& boxes, int box) {
        return std::find(boxes.begin(), boxes.end(), box) != boxes.end();
    };
    for (const Case& c : cases) {
        for (int box = -1; box < kPickBoxCount; ++box) {
            const char* expected = holds(c.silent, box)   ? nullptr
                                   : holds(c.second, box) ? c.secondLine
                                                          : c.line;
            EXPECT_EQ(ItemUseLine(c.held, box), expected) << c.name << " on box " << box;
        }
    }
}

// A press that takes something shows what it took: no line over it. Key 1 in hand and nothing
// else taken yet, in a new game.
TEST(ItemUseTest, APressThatTakesSomethingNeedsNoLine) {
    const char* const kTakenLine = TakenLine();
    ResetGameStateToStart();
    g_iconOwned[4] = 1;
    struct Case {
        int box;
        bool line;
    };
    const Case cases[] = {
        {0, false}, {1, true},  {2, false}, {3, true},  {5, false}, {6, true},  {7, false},
        {8, false}, {9, false}, {11, true}, {14, true}, {16, true}, {-1, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GrantWouldGiveIcon(c.box), c.box != -1 && !c.line && c.box != 2) << c.box;
        EXPECT_EQ(ItemUseLine(HeldItem::kKey1, c.box), c.line ? kKeyLine : nullptr) << c.box;
    }
    // The opened cabinet gives note 2 and the second bread; once both are in the bar, nothing.
    g_boxEnabled[2] = 1;
    EXPECT_TRUE(GrantWouldGiveIcon(2));
    g_iconOwned[8] = 1;
    EXPECT_TRUE(GrantWouldGiveIcon(2)) << "the bread is still there";
    EXPECT_EQ(ItemUseLine(HeldItem::kNothing, 2), nullptr) << "the bread is still there";
    g_iconOwned[2] = 1;
    EXPECT_FALSE(GrantWouldGiveIcon(2));
    EXPECT_EQ(ItemUseLine(HeldItem::kHammer, 2), kHammerLine);
    EXPECT_EQ(ItemUseLine(HeldItem::kNothing, 2), kTakenLine);
}

class ItemUsePressTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        ClearItemUseLine();
        PressScreenAt(50, 70);  // START
        ASSERT_EQ(g_startScreenShown, 0);
        SetBoxUnderCursor(-1);
    }
    void TearDown() override { UseMonotonicClock(); }
};

// Key 1 clicked in the bar and then a press on the picture upstairs: the line, and the key did
// what it always does (the cabinet is open); the next press holds nothing, so no line. The
// raised hammer stays raised, so each miss gets the line.
TEST_F(ItemUsePressTest, APressWithTheItemInHandWhereItDoesNothingGetsTheLine) {
    g_iconOwned[4] = 1;
    PressIcon(4);
    EXPECT_EQ(ItemInHand(), HeldItem::kKey1);
    EXPECT_EQ(ItemUseLineShown(), nullptr) << "a press on the bar is not a press on the house";
    PressOnBox(3);
    EXPECT_EQ(ItemUseLineShown(), kKeyLine);
    EXPECT_EQ(g_boxEnabled[2], 1);
    EXPECT_EQ(g_iconOwned[4], 1);
    PressOnBox(3);
    EXPECT_EQ(ItemUseLineShown(), nullptr) << "the key left the hand with the last press";

    g_iconOwned[3] = 1;
    PressIcon(3);
    ASSERT_EQ(ItemInHand(), HeldItem::kHammer);
    for (int box : {-1, 6, 11}) {
        ClearItemUseLine();
        PressOnBox(box);
        EXPECT_EQ(ItemUseLineShown(), kHammerLine) << box;
        EXPECT_TRUE(HammerRaised()) << box;
    }
    // Right presses use nothing; the line of the last left press stays its time.
    ClearItemUseLine();
    SetBoxUnderCursor(6);
    Press(GLUT_RIGHT_BUTTON, 60, 560);
    EXPECT_EQ(ItemUseLineShown(), nullptr);
}

// The first press on note 1's table takes it without a word; the second, with nothing in hand,
// says it was taken, also after the note was read from the bar.
TEST_F(ItemUsePressTest, ASecondPressOnAnEmptiedPlaceSaysItWasTaken) {
    const char* const kTakenLine = "已经拿走了　You already took what was here";
    PressOnBox(0);
    EXPECT_EQ(ItemUseLineShown(), nullptr);
    ASSERT_EQ(g_iconOwned[7], 1);
    PressOnBox(0);
    EXPECT_EQ(ItemUseLineShown(), kTakenLine);
    PressIcon(7);
    PressOnBox(0);
    EXPECT_EQ(ItemUseLineShown(), kTakenLine);
    PressOnBox(3);
    EXPECT_EQ(ItemUseLineShown(), nullptr) << "the picture never held anything";
}

// The line stays 2 seconds of game clock; a press on a picture over the house neither makes nor
// ends it; a press that has nothing to say ends it; the start picture ends it.
TEST_F(ItemUsePressTest, TheLineLastsTwoSecondsAndEndsWithTheNextPressOnTheHouse) {
    g_boxEnabled[14] = 1;  // the hammer raised
    PressOnBox(6);
    ASSERT_EQ(ItemUseLineShown(), kHammerLine);
    AdvanceManualClock(kItemUseLineTicks - 1);
    EXPECT_EQ(ItemUseLineShown(), kHammerLine);
    AdvanceManualClock(1);
    EXPECT_EQ(ItemUseLineShown(), nullptr);

    PressOnBox(6);
    PressIcon(5);  // the bar, with no key 2 owned: the hammer stays raised
    EXPECT_EQ(ItemUseLineShown(), kHammerLine);
    PressOnBox(14);  // the boiler: the hammer works, and the game ends
    EXPECT_EQ(ItemUseLineShown(), nullptr);
    ASSERT_EQ(g_endScreenShown, 1);

    PressScreenAt(20, 76);  // BACK
    PressScreenAt(50, 70);  // START
    ASSERT_EQ(g_startScreenShown + g_endScreenShown, 0);
    g_boxEnabled[4] = 1;
    PressOnBox(6);
    ASSERT_EQ(ItemUseLineShown(), kHammerLine);
    g_screens.startScreenShown = 1;
    PressScreenAt(5, 5);
    EXPECT_EQ(ItemUseLineShown(), nullptr) << "a new game starts without the last one's line";
}

}  // namespace
