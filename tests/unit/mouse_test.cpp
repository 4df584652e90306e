// The mouse callback's latching and the screens' buttons (depth picks: tests/window, tests/data).
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_*_BUTTON, GLUT_DOWN, GLUT_UP

#include <utility>
#include <vector>

#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "rule_harness.h"

namespace {

int g_pickCalls = 0, g_lastPickX = 0, g_lastPickY = 0;

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        g_startScreenShown = 0;
        InstallCountingToolkit();
        SetWorldPick([](int x, int y) {
            ++g_pickCalls;
            g_lastPickX = x, g_lastPickY = y;
            return 6;
        });
        g_pickCalls = 0;
    }
    void TearDown() override {
        SetWorldPick(nullptr);
        UseMonotonicClock();
    }
};

// Releases change nothing; middle clears slot and hint flag, right sets it, only left picks.
TEST_F(MouseTest, EachButtonLatchesItsOwnResults) {
    g_pickedBox = 3, g_messageIndex = 5, g_describeMode = 1;
    for (int button : {GLUT_LEFT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_RIGHT_BUTTON}) {
        OnMouse(button, GLUT_UP, 400, 300);
    }
    EXPECT_EQ(std::pair(g_messageIndex, ToolkitCalls().postRedisplay), std::pair(5, 0));
    OnMouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 400, 300);
    EXPECT_EQ(std::pair(g_messageIndex, int{g_describeMode}), std::pair(-1, 0));
    OnMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 400, 300);
    EXPECT_EQ((std::vector<int>{g_describeMode, g_pickedBox, g_pickCalls}),
              (std::vector<int>{1, 3, 0}));
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 123, 456);
    EXPECT_EQ((std::vector<int>{g_describeMode, g_pickedBox, g_pickCalls, g_lastPickX, g_lastPickY,
                                ToolkitCalls().postRedisplay}),
              (std::vector<int>{0, 6, 1, 123, 456, 3}));
    // The bar's corner, 180 by 100 pixels at the top right, latches slot 0 where no icon lies.
    for (const auto& [x, y, inCorner] :
         {std::tuple{620, 1, true}, {799, 100, true}, {619, 1, false}, {799, 101, false}}) {
        OnMouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, x, y);
        EXPECT_EQ(g_messageIndex, inCorner ? 0 : -1) << x << ", " << y;
    }
}

// A press on what is drawn over the house picks nothing behind it; just beside, the house.
TEST_F(MouseTest, PressOnAnOverlayPicksNothingBehindIt) {
    struct Case {
        const char* overlay;
        void (*show)();
        int onX, onY;          // on the overlay, in an 800 by 600 window
        int besideX, besideY;  // just outside it (-1: the overlay covers the whole window)
    };
    const Case cases[] = {
        {"icon bar", [] {}, 620, 31, 619, 31},
        {"icon bar's lower edge", [] {}, 787, 99, 788, 99},
        {"open note 3",
         [] {
             g_iconOwned[9] = 1, g_iconWidth[12] = 400, g_iconHeight[12] = 300, g_messageIndex = 9;
         },
         200, 150, 199, 150},
        {"keypad panel", [] { g_keypad.shown = 1; }, 599, 499, 600, 499},
        {"keypad showing an accepted code",
         [] { g_keypad.verdict = KeypadPanel::Verdict::kAccepted, g_keypad.verdictUntil = 2000; },
         300, 100, 300, 500},
        {"info picture", [] { g_infoPicture.shown = 1, g_infoPicture.current = 4; }, 360, 539, 359,
         539},
        {"info picture's right edge", [] { g_infoPicture.shown = 1, g_infoPicture.current = 4; },
         599, 300, 600, 300},
        {"start picture", [] { g_startScreenShown = 1; }, 10, 590, -1, -1},
    };
    for (const Case& c : cases) {
        for (const bool on : {true, false}) {
            if (!on && c.besideX < 0) continue;
            SetUp();
            c.show();
            OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, on ? c.onX : c.besideX, on ? c.onY : c.besideY);
            EXPECT_EQ(g_pickedBox, on ? -1 : 6) << c.overlay << (on ? ": on" : ": beside");
        }
    }
}

TEST_F(MouseTest, KeypadTakesLeftPressesWhileShownOrOnItsBox) {
    // Key 1's middle in window pixels: panel (-139, 154) is (361, 246).
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 361, 246);
    EXPECT_EQ(g_keypadShown, 0) << "box 6 is not the keypad";
    SetWorldPick([](int, int) { return kKeypadPickBox; });
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 50, 550);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 50, 550);
    EXPECT_EQ(std::pair(int{g_keypadShown}, int{g_keypad.pressCount}), std::pair(1, 2));
    OnMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 361, 246);
    EXPECT_EQ(g_keypad.digitCount, 0) << "right presses do not reach the keypad";
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 361, 246);
    EXPECT_EQ(std::pair(g_keypad.lastDigit, g_keypad.digitCount), std::pair(1, 1));
}

// START spans 40-60 % across by 65-75 % down, BACK 16-30 by 72-81, QUIT 69-83 by 72-81, edges in.
TEST_F(MouseTest, ButtonEdgesInPercent) {
    struct Case {
        int px, py;
        bool start, back, quit;
    };
    const Case cases[] = {
        {40, 65, 1, 0, 0}, {60, 65, 1, 0, 0}, {61, 65, 0, 0, 0}, {39, 65, 0, 0, 0},
        {50, 75, 1, 0, 0}, {50, 76, 0, 0, 0}, {50, 64, 0, 0, 0}, {60, 75, 1, 0, 0},
        {-1, -1, 0, 0, 0}, {16, 72, 0, 1, 0}, {30, 81, 0, 1, 0}, {31, 76, 0, 0, 0},
        {23, 82, 0, 0, 0}, {69, 72, 0, 0, 1}, {83, 81, 0, 0, 1}, {68, 76, 0, 0, 0},
        {84, 76, 0, 0, 0}, {76, 71, 0, 0, 0}, {76, 82, 0, 0, 0}, {15, 76, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.px << ", " << c.py);
        InstallCountingToolkit();
        g_screens.Init();
        EXPECT_EQ(g_screens.StartButtonTest(c.px, c.py), c.start);
        EXPECT_EQ(g_screens.startScreenShown, !c.start);
        g_screens.startScreenShown = 0, g_screens.endScreenShown = 1;
        g_screens.EndButtonTest(c.px, c.py);
        EXPECT_EQ(g_screens.endScreenShown, !c.back);
        EXPECT_EQ(g_screens.startScreenShown, c.back);
        EXPECT_EQ(ToolkitCalls().exitProcess, c.quit);
        EXPECT_EQ(ToolkitCalls().lastExitStatus, c.quit ? 0 : -1) << "quitting is no failure";
    }
}

// Pixels are truncated to whole percent: in 800 by 600, y 455 is 75.8 % (on START) and 456 is
// 76 % (below it); a window without height presses no button. Only a left press counts, and
// START gives the full three minutes from then.
TEST_F(MouseTest, PressesAreTruncatedToWholePercentAndStartTheCountdown) {
    EXPECT_EQ(std::pair(WindowPercent(399, 800), WindowPercent(400, 800)), std::pair(49, 50));
    g_windowHeight = 0;
    g_screens.Init();
    Press(GLUT_LEFT_BUTTON, 400, 0);
    EXPECT_EQ(g_startScreenShown, 1);
    g_windowHeight = 600;
    for (const auto& [y, hit] : {std::pair{456, false}, {455, true}}) {
        g_screens.Init();
        Press(GLUT_LEFT_BUTTON, 400, y);
        EXPECT_EQ(g_startScreenShown, !hit) << y;
    }
    g_screens.Init();
    AdvanceManualClock(42000);
    Press(GLUT_RIGHT_BUTTON, 400, 420);
    EXPECT_EQ(g_startScreenShown, 1) << "only a left press uses the buttons";
    EXPECT_EQ(g_startClock, 1000);
    Press(GLUT_LEFT_BUTTON, 400, 420);
    EXPECT_EQ(g_startScreenShown, 0);
    EXPECT_EQ(g_startClock, 43000);
}

}  // namespace

// The hammer is raised (its slot outlined) from the press that takes it off the bar, which leaves
// its icon unowned and opens the places it strikes, until one of them (two windows, the boiler)
// has taken the blow.
TEST(HammerTest, RaisedWhileSpentAndAPlaceForItIsOpen) {
    struct Case {
        int owned, window, groundWindow, boiler;
        bool raised;
    };
    for (const Case& c : std::vector<Case>{{0, 1, 0, 0, true},
                                           {0, 0, 1, 0, true},
                                           {0, 0, 0, 1, true},
                                           {0, 0, 0, 0, false},
                                           {1, 1, 1, 1, false}}) {
        ResetGameStateToStart();
        g_iconOwned[kHammerSlot] = c.owned;
        g_boxEnabled[4] = c.window, g_boxEnabled[13] = c.groundWindow, g_boxEnabled[14] = c.boiler;
        EXPECT_EQ(HammerRaised(), c.raised) << c.owned << c.window << c.groundWindow << c.boiler;
    }
}
