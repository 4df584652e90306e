// The keypad panel's rules: key layout, the press count, the entry and the combination.
#include <gtest/gtest.h>

#include "gameplay/keypad.h"
#include "gameplay/keypad_code.h"

namespace {

class KeypadTest : public ::testing::Test {
protected:
    void SetUp() override { panel.Init(); }

    // A press in the middle of a cell (0 close, 1-9 digits).
    void PressCell(int cell) {
        const KeypadPanel::Cell& c = panel.cells[cell];
        panel.HandlePress(static_cast<int>((c.xMin + c.xMax) / 2),
                          static_cast<int>((c.yMin + c.yMax) / 2));
    }
    // A press and the draw that follows it, as the game runs them.
    bool PressAndDraw(int cell) {
        PressCell(cell);
        return panel.shown ? panel.CheckEntry() : false;
    }
    // Opens the panel as picking the keypad does: a press far outside every key.
    void Open() { panel.HandlePress(500, 500); }
    // A digit key other than the combination's digit at `position`.
    static int WrongDigit(int position) { return kKeypadCode[position] == 9 ? 1 : 9; }

    KeypadPanel panel;
};

TEST_F(KeypadTest, HitTestIncludesEdgesAndLowerIndexWins) {
    struct Case {
        int x, y, cell;
    };
    const Case cases[] = {
        {-139, 154, 1},  {-50, 154, 2},  {38, 154, 3},    {-139, 89, 4},  {-50, 89, 5},
        {38, 89, 6},     {-139, 24, 7},  {-50, 24, 8},    {38, 24, 9},    {-50, -40, 0},
        {-184, 187, 1},  {83, 187, 3},   {83, -8, 9},     {-95, 150, 1},  {-6, 150, 2},
        {-150, 122, 1},  {-150, 57, 4},  {-50, -8, 0},    {-95, -8, 0},   {-6, -73, 0},
        {-185, 150, -1}, {84, 150, -1},  {-150, 188, -1}, {-150, -9, -1}, {-96, -40, -1},
        {-5, -40, -1},   {-50, -74, -1}, {0, 300, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(panel.HitTest(c.x, c.y), c.cell) << "(" << c.x << ", " << c.y << ")";
    }
}

TEST_F(KeypadTest, OpeningPressIsNeverADigit) {
    PressCell(5);
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(panel.pressCount, 1);
    EXPECT_EQ(panel.digitCount, 0);
    EXPECT_EQ(panel.lastDigit, -1);
    EXPECT_FALSE(panel.CheckEntry());
    PressAndDraw(5);
    EXPECT_EQ(panel.digitCount, 1);
    EXPECT_EQ(panel.digits[1], 5);
}

TEST_F(KeypadTest, OpeningPressOnTheCloseKeyClosesAtOnce) {
    PressCell(0);
    EXPECT_EQ(panel.shown, 0);
    EXPECT_EQ(panel.pressCount, 0);
}

TEST_F(KeypadTest, PressesOutsideTheKeysOnlyCount) {
    Open();
    for (int press = 0; press < 3; ++press) {
        panel.HandlePress(-150, 250);
        EXPECT_FALSE(panel.CheckEntry());
    }
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(panel.pressCount, 2);
    EXPECT_EQ(panel.digitCount, 0);
    EXPECT_EQ(panel.lastDigit, -1);
}

TEST_F(KeypadTest, CloseKeyKeepsTheStoredDigits) {
    Open();
    PressAndDraw(3);
    PressAndDraw(4);
    PressAndDraw(0);
    EXPECT_EQ(panel.shown, 0);
    EXPECT_EQ(panel.digitCount, 0);
    EXPECT_EQ(panel.pressCount, 0);
    EXPECT_EQ(panel.digits[1], 3);
    EXPECT_EQ(panel.digits[2], 4);
    EXPECT_EQ(panel.lastDigit, 4);

    // Reopened: no digit cells; the opening press on a key is not entered; the next key
    // overwrites slot 1 and the old second digit is still there behind it.
    PressCell(6);
    panel.CheckEntry();
    EXPECT_EQ(panel.digitCount, 0);
    EXPECT_EQ(panel.digits[1], 3);
    PressAndDraw(7);
    EXPECT_EQ(panel.digitCount, 1);
    EXPECT_EQ(panel.digits[1], 7);
    EXPECT_EQ(panel.digits[2], 4);
}

TEST_F(KeypadTest, FourWrongDigitsClearTheSlotsAndAFifthStartsAfresh) {
    Open();
    for (int position = 0; position < 4; ++position) PressAndDraw(WrongDigit(position));
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(panel.digitCount, 4);
    for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(panel.digits[slot], 0) << slot;
    // Every later draw stores the fourth digit again and clears it again.
    EXPECT_FALSE(panel.CheckEntry());
    EXPECT_EQ(panel.digits[4], 0);

    PressAndDraw(kKeypadCode[0]);
    EXPECT_EQ(panel.digitCount, 1);
    EXPECT_EQ(panel.digits[1], kKeypadCode[0]);
    for (int slot = 2; slot < 5; ++slot) EXPECT_EQ(panel.digits[slot], 0) << slot;
    // The fresh entry goes on to the right combination.
    for (int position = 1; position < 4; ++position) PressAndDraw(kKeypadCode[position]);
    EXPECT_EQ(panel.shown, 0);
    EXPECT_EQ(panel.bookcaseOffset, -1.5f);
}

TEST_F(KeypadTest, RightCombinationSlidesTheBookcase) {
    Open();
    for (int position = 0; position < 3; ++position) {
        EXPECT_FALSE(PressAndDraw(kKeypadCode[position]));
        EXPECT_EQ(panel.bookcaseOffset, 0.0f);
    }
    EXPECT_TRUE(PressAndDraw(kKeypadCode[3]));
    EXPECT_EQ(panel.shown, 0);
    EXPECT_EQ(panel.bookcaseOffset, -1.5f);
    EXPECT_EQ(panel.pressCount, 2);
    EXPECT_EQ(panel.digitCount, 4);
    for (int position = 0; position < 4; ++position) {
        EXPECT_EQ(panel.digits[position + 1], kKeypadCode[position]);
    }
}

TEST_F(KeypadTest, SolvedPanelReopenedClosesAgainOrStartsAnEntry) {
    Open();
    for (int digit : kKeypadCode) PressAndDraw(digit);
    ASSERT_EQ(panel.shown, 0);

    // Reopened by a press beside the keys: the old entry passes again on the next draw.
    Open();
    EXPECT_EQ(panel.shown, 1);
    EXPECT_TRUE(panel.CheckEntry());
    EXPECT_EQ(panel.shown, 0);
    EXPECT_EQ(panel.bookcaseOffset, -1.5f);

    // Reopened by a press on a digit key: that press starts a fresh entry and the panel stays.
    PressCell(5);
    EXPECT_EQ(panel.digitCount, 1);
    EXPECT_EQ(panel.lastDigit, 5);
    EXPECT_FALSE(panel.CheckEntry());
    EXPECT_EQ(panel.shown, 1);
    EXPECT_EQ(panel.digits[1], 5);
}

TEST_F(KeypadTest, ResetPutsEverythingBack) {
    Open();
    for (int digit : kKeypadCode) PressAndDraw(digit);
    panel.Reset();
    EXPECT_EQ(panel.shown, 0);
    EXPECT_EQ(panel.pressCount, 0);
    EXPECT_EQ(panel.digitCount, 0);
    EXPECT_EQ(panel.lastDigit, -1);
    EXPECT_EQ(panel.bookcaseOffset, 0.0f);
    for (int slot = 0; slot < 5; ++slot) EXPECT_EQ(panel.digits[slot], 0) << slot;
    // After the reset the opening press is again not a digit.
    PressCell(kKeypadCode[0]);
    EXPECT_EQ(panel.digitCount, 0);
}

}  // namespace
