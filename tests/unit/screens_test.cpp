// The start and end screens: button edges in window percent, back, quit and the time-out while
// a picture is shown.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON

#include "app/countdown.h"
#include "app/game_state.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "rule_harness.h"

namespace {

class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        // Distinct made-up texture names, to see which picture a screen would bind.
        for (unsigned int picture = 0; picture < 5; ++picture) {
            g_screens.textures[picture] = 100 + picture;
        }
    }
    void TearDown() override { UseMonotonicClock(); }
};

TEST_F(ScreensTest, StartButtonEdgesInPercent) {
    struct Case {
        int px, py;
        bool hit;
    };
    const Case cases[] = {
        {40, 65, true},  {60, 65, true},  {61, 65, false}, {39, 65, false}, {50, 75, true},
        {50, 76, false}, {50, 64, false}, {60, 75, true},  {-1, -1, false},
    };
    for (const Case& c : cases) {
        g_screens.Init();
        EXPECT_EQ(g_screens.StartButtonTest(c.px, c.py), c.hit) << c.px << ", " << c.py;
        EXPECT_EQ(g_screens.startScreenShown, c.hit ? 0 : 1);
    }
}

TEST_F(ScreensTest, PressesAreTruncatedToWholePercent) {
    // 1000 pixels high: y = 759 is 75.9 % and counts as 75; x = 400 is 40 % of 1000.
    g_windowWidth = 1000;
    g_windowHeight = 1000;
    struct Case {
        int x, y;
        bool hit;
    };
    const Case cases[] = {
        {400, 759, true},  {609, 650, true},  {610, 650, false},
        {399, 700, false}, {500, 760, false}, {500, 649, false},
    };
    for (const Case& c : cases) {
        g_screens.Init();
        Press(GLUT_LEFT_BUTTON, c.x, c.y);
        EXPECT_EQ(g_startScreenShown, c.hit ? 0 : 1) << c.x << ", " << c.y;
    }
    // The 800 by 600 window: 455 is 75.8 % (in), 456 is 76 % (out).
    g_windowWidth = 800;
    g_windowHeight = 600;
    g_screens.Init();
    Press(GLUT_LEFT_BUTTON, 400, 456);
    EXPECT_EQ(g_startScreenShown, 1);
    Press(GLUT_LEFT_BUTTON, 400, 455);
    EXPECT_EQ(g_startScreenShown, 0);
}

TEST_F(ScreensTest, StartButtonRestartsTheCountdown) {
    AdvanceManualClock(42000);
    Press(GLUT_RIGHT_BUTTON, 400, 420);
    EXPECT_EQ(g_startScreenShown, 1) << "only a left press uses the buttons";
    EXPECT_EQ(g_startClock, 1000);
    Press(GLUT_LEFT_BUTTON, 400, 420);
    EXPECT_EQ(g_startScreenShown, 0);
    EXPECT_EQ(g_startClock, 43000);
}

TEST_F(ScreensTest, BackAndQuitOnTheEndScreen) {
    g_startScreenShown = 0;
    g_endScreenShown = 1;
    PressScreenAt(50, 76);
    PressScreenAt(23, 90);
    EXPECT_EQ(g_endScreenShown, 1) << "presses beside the buttons change nothing";
    EXPECT_EQ(ToolkitCalls().exitProcess, 0);

    PressScreenAt(76, 76);
    EXPECT_EQ(ToolkitCalls().exitProcess, 1);
    EXPECT_EQ(ToolkitCalls().lastExitStatus, 0) << "quitting is not a failure";

    PressScreenAt(16, 72);
    EXPECT_EQ(g_endScreenShown, 0);
    EXPECT_EQ(g_startScreenShown, 1);
    EXPECT_EQ(ToolkitCalls().exitProcess, 1);
}

TEST_F(ScreensTest, EndButtonEdges) {
    struct Case {
        int px, py;
        bool back, quit;
    };
    const Case cases[] = {
        {16, 72, true, false},  {30, 81, true, false},  {31, 76, false, false},
        {23, 82, false, false}, {69, 72, false, true},  {83, 81, false, true},
        {68, 76, false, false}, {84, 76, false, false}, {76, 71, false, false},
    };
    for (const Case& c : cases) {
        InstallCountingToolkit();
        g_screens.startScreenShown = 0;
        g_screens.endScreenShown = 1;
        g_screens.EndButtonTest(c.px, c.py);
        EXPECT_EQ(g_screens.endScreenShown, c.back ? 0 : 1) << c.px << ", " << c.py;
        EXPECT_EQ(g_screens.startScreenShown, c.back ? 1 : 0) << c.px << ", " << c.py;
        EXPECT_EQ(ToolkitCalls().exitProcess, c.quit ? 1 : 0) << c.px << ", " << c.py;
    }
}

TEST_F(ScreensTest, EndPictureByEndingCode) {
    g_startScreenShown = 0;
    g_endScreenShown = 1;
    const unsigned int expected[4] = {101, 102, 104, 103};
    for (int code = 0; code < 4; ++code) {
        g_endingCode = static_cast<std::uint8_t>(code);
        EXPECT_EQ(g_screens.ShownTexture(), expected[code]) << code;
    }
    g_endScreenShown = 0;
    g_startScreenShown = 1;
    EXPECT_EQ(g_screens.ShownTexture(), 100u);
}

// Left alone longer than a game, the start picture and an end picture stay as they are; START
// then gives the full three minutes, shown at once.
TEST_F(ScreensTest, PicturesLeftAloneNeverTimeOut) {
    IdleSeconds(200);
    EXPECT_EQ(g_startScreenShown, 1);
    EXPECT_EQ(g_endScreenShown, 0);
    EXPECT_EQ(g_screens.ShownTexture(), 100u);
    PressScreenAt(50, 70);
    EXPECT_EQ(g_startScreenShown, 0);
    IdleSeconds(1);
    EXPECT_EQ(g_secondsLeft, 179);
    EXPECT_STREQ(g_timeText, "02:59");

    g_gameMode = 2;
    g_endingCode = 3;
    RunFrameRules();
    EXPECT_EQ(g_screens.ShownTexture(), 103u);
    IdleSeconds(200);
    EXPECT_EQ(g_endingCode, 3);
    EXPECT_EQ(g_screens.ShownTexture(), 103u);
    PressScreenAt(23, 76);  // back
    PressScreenAt(50, 70);  // start
    EXPECT_EQ(g_secondsLeft, 179);
    OnIdle();
    EXPECT_EQ(g_secondsLeft, 180);
    EXPECT_STREQ(g_timeText, "03:00");
}

}  // namespace
