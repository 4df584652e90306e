// The keypad panel's rules: key layout, the press count, the entry and the combination.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "gameplay/item_use.h"
#include "gameplay/keypad.h"
#include "gameplay/keypad_code.h"
#include "platform/clock.h"

namespace {

TEST(KeypadTest, HitTestIncludesEdgesAndLowerIndexWins) {
    KeypadPanel panel;
    panel.Init();
    const std::tuple<int, int, int> cases[] = {
        {-139, 154, 1},  {-50, 154, 2},  {38, 154, 3},    {-139, 89, 4},  {-50, 89, 5},
        {38, 89, 6},     {-139, 24, 7},  {-50, 24, 8},    {38, 24, 9},    {-50, -40, 0},
        {-184, 187, 1},  {83, 187, 3},   {83, -8, 9},     {-95, 150, 1},  {-6, 150, 2},
        {-150, 122, 1},  {-150, 57, 4},  {-50, -8, 0},    {-95, -8, 0},   {-6, -73, 0},
        {-185, 150, -1}, {84, 150, -1},  {-150, 188, -1}, {-150, -9, -1}, {-96, -40, -1},
        {-5, -40, -1},   {-50, -74, -1}, {0, 300, -1}};
    for (const auto& [x, y, cell] : cases) EXPECT_EQ(panel.HitTest(x, y), cell) << x << ", " << y;
}

// One player's presses: the opening one is no digit; close keeps the slots; four wrong digits
// clear them; the right four slide the bookcase; reopened, a solved panel passes until a key.
TEST(KeypadTest, ThePressesOfAPlayerFromOpeningToTheAcceptedCode) {
    KeypadPanel panel;
    panel.Init();
    constexpr int kOutside = -1, kDrawOnly = 10, kReset = 11;
    struct Step {
        int press;
        std::vector<int>
            state;  // shown, presses, digits, last digit, slots 1-4, open, accepted, verdict
    };
    const Step steps[] = {{5, {1, 1, 0, -1, 0, 0, 0, 0, 0, 0, 0}},
                          {5, {1, 2, 1, 5, 5, 0, 0, 0, 0, 0, 0}},
                          {kOutside, {1, 2, 1, 5, 5, 0, 0, 0, 0, 0, 0}},
                          {0, {0, 0, 0, 5, 5, 0, 0, 0, 0, 0, 0}},
                          {6, {1, 1, 0, 5, 5, 0, 0, 0, 0, 0, 0}},
                          {7, {1, 2, 1, 7, 7, 0, 0, 0, 0, 0, 0}},
                          {9, {1, 2, 2, 9, 7, 9, 0, 0, 0, 0, 0}},
                          {9, {1, 2, 3, 9, 7, 9, 9, 0, 0, 0, 0}},
                          {9, {1, 2, 4, 9, 0, 0, 0, 0, 0, 0, 2}},
                          {kDrawOnly, {1, 2, 4, 9, 0, 0, 0, 0, 0, 0, 2}},
                          {kKeypadCode[0], {1, 2, 1, 1, 1, 0, 0, 0, 0, 0, 0}},
                          {kKeypadCode[1], {1, 2, 2, 1, 1, 1, 0, 0, 0, 0, 0}},
                          {kKeypadCode[2], {1, 2, 3, 2, 1, 1, 2, 0, 0, 0, 0}},
                          {kKeypadCode[3], {0, 2, 4, 6, 1, 1, 2, 6, 1, 1, 1}},
                          {kOutside, {0, 2, 4, 6, 1, 1, 2, 6, 1, 1, 1}},
                          {5, {1, 2, 1, 5, 5, 0, 0, 0, 1, 0, 0}},
                          {kReset, {0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0}},
                          {1, {1, 1, 0, -1, 0, 0, 0, 0, 0, 0, 0}}};
    int number = 0;
    for (const Step& step : steps) {
        bool accepted = false;
        if (step.press == kReset) {
            panel.Reset();
        } else {
            if (step.press == kOutside) panel.HandlePress(-150, 250);
            if (step.press >= 0 && step.press <= 9) {
                const KeypadPanel::Cell& c = panel.cells[step.press];
                panel.HandlePress(static_cast<int>((c.xMin + c.xMax) / 2),
                                  static_cast<int>((c.yMin + c.yMax) / 2));
            }
            if (panel.shown) accepted = panel.CheckEntry();
        }
        const std::vector<int> state = {panel.shown,
                                        panel.pressCount,
                                        panel.digitCount,
                                        panel.lastDigit,
                                        panel.digits[1],
                                        panel.digits[2],
                                        panel.digits[3],
                                        panel.digits[4],
                                        panel.bookcaseOffset == -1.5f,
                                        accepted,
                                        static_cast<int>(panel.verdict)};
        EXPECT_EQ(state, step.state) << "step " << ++number << ", press " << step.press;
    }
}

// The accepted code says under the view that the bookcase slid aside, for four seconds; four
// wrong digits say nothing of it.
TEST(KeypadTest, TheAcceptedCodeSaysTheBookcaseSlidAside) {
    UseManualClock(5000);
    ClearItemUseLine();
    KeypadPanel panel;
    panel.Init();
    const auto enter = [&](const std::vector<int>& keys) {
        for (int key : keys) {
            const KeypadPanel::Cell& c = panel.cells[key];
            panel.HandlePress(static_cast<int>((c.xMin + c.xMax) / 2),
                              static_cast<int>((c.yMin + c.yMax) / 2));
            if (panel.shown) panel.CheckEntry();
        }
    };
    const int wrong = kKeypadCode[3] % 9 + 1;
    enter({5, kKeypadCode[0], kKeypadCode[1], kKeypadCode[2], wrong});
    EXPECT_EQ(ItemUseLineShown(), nullptr);
    enter({kKeypadCode[0], kKeypadCode[1], kKeypadCode[2], kKeypadCode[3]});
    ASSERT_NE(ItemUseLineShown(), nullptr);
    EXPECT_NE(std::string(ItemUseLineShown()).find("bookcase slid aside"), std::string::npos);
    AdvanceManualClock(3999);
    EXPECT_NE(ItemUseLineShown(), nullptr);
    AdvanceManualClock(1);
    EXPECT_EQ(ItemUseLineShown(), nullptr);
    UseMonotonicClock();
}

// What the display shows cell by cell: the digits as they are typed; the four refused for the
// moment the refusal shows; then blank cells, never an emptied slot's 0; a new entry from its
// first digit.
TEST(KeypadTest, TheDisplayShowsTheEntryThenTheRefusedDigitsThenBlanks) {
    UseManualClock(0);
    KeypadPanel panel;
    panel.Init();
    const auto press = [&panel](int key) {
        const KeypadPanel::Cell& c = panel.cells[key];
        panel.HandlePress(static_cast<int>((c.xMin + c.xMax) / 2),
                          static_cast<int>((c.yMin + c.yMax) / 2));
        if (panel.shown) panel.CheckEntry();  // the frame that draws the open panel
    };
    const auto shown = [&panel] {
        return std::vector<int>{panel.DigitShown(0), panel.DigitShown(1), panel.DigitShown(2),
                                panel.DigitShown(3)};
    };
    const int wrong = kKeypadCode[3] % 9 + 1;  // any digit but the code's last
    press(0);
    press(0);  // opened by the first press, closed by the second: no digit
    press(1);  // the opening press
    EXPECT_EQ(shown(), (std::vector<int>{0, 0, 0, 0}));
    press(kKeypadCode[0]);
    press(kKeypadCode[1]);
    press(kKeypadCode[2]);
    EXPECT_EQ(shown(), (std::vector<int>{kKeypadCode[0], kKeypadCode[1], kKeypadCode[2], 0}));
    press(wrong);
    ASSERT_TRUE(panel.ShowsRefusal());
    EXPECT_EQ(panel.digits[1] + panel.digits[2] + panel.digits[3] + panel.digits[4], 0);
    const std::vector<int> refused = {kKeypadCode[0], kKeypadCode[1], kKeypadCode[2], wrong};
    EXPECT_EQ(shown(), refused);
    AdvanceManualClock(1000);
    panel.CheckEntry();  // the frames in between check again, and keep what was refused
    EXPECT_EQ(shown(), refused);
    AdvanceManualClock(1000);
    EXPECT_EQ(shown(), (std::vector<int>{0, 0, 0, 0}));
    press(5);
    EXPECT_EQ(shown(), (std::vector<int>{5, 0, 0, 0}));
    for (int cell : {-1, 4, 5}) EXPECT_EQ(panel.DigitShown(cell), 0) << cell;
    UseMonotonicClock();
}

}  // namespace
