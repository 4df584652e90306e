// The start and end screens: button edges in window percent, back, quit and which picture shows.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON

#include "app/game_state.h"
#include "gameplay/screens.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "rule_harness.h"

namespace {

class ScreensTest : public ::testing::Test {
protected:
    void SetUp() override { StartRuleHarness(); }
    void TearDown() override { UseMonotonicClock(); }
};

// START spans 40 to 60 % across and 65 to 75 % down, BACK 16 to 30 by 72 to 81, QUIT 69 to 83
// by 72 to 81, edges included.
TEST_F(ScreensTest, ButtonEdgesInPercent) {
    struct Case {
        int px, py;
        bool start, back, quit;
    };
    const Case cases[] = {
        {40, 65, 1, 0, 0}, {60, 65, 1, 0, 0}, {61, 65, 0, 0, 0}, {39, 65, 0, 0, 0},
        {50, 75, 1, 0, 0}, {50, 76, 0, 0, 0}, {50, 64, 0, 0, 0}, {60, 75, 1, 0, 0},
        {-1, -1, 0, 0, 0}, {16, 72, 0, 1, 0}, {30, 81, 0, 1, 0}, {31, 76, 0, 0, 0},
        {23, 82, 0, 0, 0}, {69, 72, 0, 0, 1}, {83, 81, 0, 0, 1}, {68, 76, 0, 0, 0},
        {84, 76, 0, 0, 0}, {76, 71, 0, 0, 0}, {15, 76, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.px << ", " << c.py);
        InstallCountingToolkit();
        g_screens.Init();
        EXPECT_EQ(g_screens.StartButtonTest(c.px, c.py), c.start);
        EXPECT_EQ(g_screens.startScreenShown, !c.start);
        g_screens.startScreenShown = 0;
        g_screens.endScreenShown = 1;
        g_screens.EndButtonTest(c.px, c.py);
        EXPECT_EQ(g_screens.endScreenShown, !c.back);
        EXPECT_EQ(g_screens.startScreenShown, c.back);
        EXPECT_EQ(ToolkitCalls().exitProcess, c.quit);
        EXPECT_EQ(ToolkitCalls().lastExitStatus, c.quit ? 0 : -1) << "quitting is no failure";
    }
}

// Pixels are truncated to whole percent: in a 1000 by 1000 window y 759 is 75.9 % and counts as
// 75; in 800 by 600, y 455 is 75.8 % (in) and 456 is 76 % (out). Only a left press counts, and
// START gives the full three minutes from the press on.
TEST_F(ScreensTest, PressesAreTruncatedToWholePercent) {
    const struct {
        int w, h, x, y;
        bool hit;
    } cases[] = {{1000, 1000, 400, 759, true},  {1000, 1000, 609, 650, true},
                 {1000, 1000, 610, 650, false}, {1000, 1000, 399, 700, false},
                 {1000, 1000, 500, 760, false}, {1000, 1000, 500, 649, false},
                 {800, 600, 400, 456, false},   {800, 600, 400, 455, true}};
    for (const auto& c : cases) {
        g_windowWidth = c.w;
        g_windowHeight = c.h;
        g_screens.Init();
        Press(GLUT_LEFT_BUTTON, c.x, c.y);
        EXPECT_EQ(g_startScreenShown, !c.hit) << c.x << ", " << c.y;
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

// The pictures are loaded start, ending1, ending2, win, ending3: the boiler and the win cross.
TEST_F(ScreensTest, EndPictureByEndingCode) {
    for (unsigned int picture = 0; picture < 5; ++picture)
        g_screens.textures[picture] = 100 + picture;
    EXPECT_EQ(g_screens.ShownTexture(), 100u);
    g_startScreenShown = 0;
    g_endScreenShown = 1;
    const unsigned int expected[5] = {101, 102, 104, 103, 0};
    for (int code = 0; code < 5; ++code) {
        g_endingCode = static_cast<std::uint8_t>(code);
        EXPECT_EQ(g_screens.ShownTexture(), expected[code]) << code;
    }
    g_endScreenShown = 0;
    EXPECT_EQ(g_screens.ShownTexture(), 0u);
}

}  // namespace
