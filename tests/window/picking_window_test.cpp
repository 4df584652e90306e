// Picking in a real window with the generated house.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_DOWN

#include <algorithm>
#include <cmath>
#include <utility>

#include "app/frame.h"
#include "core/game_state.h"
#include "gameplay/pick_boxes.h"
#include "gameplay/picking.h"
#include "hud/info_picture.h"
#include "platform/toolkit.h"
#include "support/game_window.h"
#include "world/camera.h"

namespace {

// Stands on the floor plan at floor height `floor` (3 upstairs, 0 downstairs), facing a point.
void StandFacing(float x, float floor, float z, const double target[3]) {
    g_playerX = g_prevPlayerX = x, g_playerY = floor, g_playerZ = g_prevPlayerZ = z;
    g_posX = 3.0f - x, g_posY = 3.0f - floor, g_posZ = -1.0f - z;
    // The camera looks along (-sin yaw, 0, -cos yaw).
    g_yaw = static_cast<float>(std::atan2(-(target[0] - x), -(target[2] - z)) * 180.0 / M_PI);
}

float DepthAt(int x, int y) {
    GLfloat depth = -1.0f;
    glReadPixels(x, g_windowHeight - 1 - y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

class PickingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenGameWindow();
        ResetGameForTest();
        SetWorldPick(nullptr);
    }
};

// The cabinet upstairs, still locked, seen from beside the bed: plain cyan round it once latched.
// Only the latched box (the keypad, seen whole from the landing) is outlined; drawn alone
// without depth, each of its twelve edges shows cyan at its middle.
TEST_F(PickingWindowTest, PickedBoxIsOutlinedInCyanAlongItsTwelveEdges) {
    const auto cyan = [](int x, int y) {
        const Rgb p = PixelAt(x, y);
        return p.r >= 120 && p.r <= 136 && p.g >= 250 && p.b >= 250;
    };
    const auto cyanCount = [&] {
        int count = 0;
        for (int i = 0; i < 800 * 600; ++i) count += cyan(i % 800, i / 800);
        return count;
    };
    const PickBox& box = g_pickBoxes[15];
    double centre[3];
    for (int axis = 0; axis < 3; ++axis) centre[axis] = (box.min[axis] + box.max[axis]) / 2;
    StandFacing(9.0f, 0.0f, -2.3f, centre);
    DrawFrame();
    int x = 0, y = 0;
    ASSERT_TRUE(ProjectToWindowPixel(centre, &x, &y));
    EXPECT_EQ(PickWorld(x, y), 15);
    EXPECT_EQ(cyanCount(), 0);
    g_pickedBox = 15;
    DrawFrame();
    EXPECT_GT(cyanCount(), 200);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    ApplyCameraTransform();
    DrawSelectionOutline(15);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    Toolkit().swapBuffers();
    for (int edge = 0; edge < 12; ++edge) {  // along axis edge / 4, at the corners of edge % 4
        double middle[3];
        for (int axis = 0, bit = 0; axis < 3; ++axis) {
            const bool high = (edge % 4 >> (axis == edge / 4 ? 0 : bit++)) & 1;
            middle[axis] = axis == edge / 4 ? centre[axis]
                                            : (high ? box.max[axis] + 0.02 : box.min[axis] - 0.02);
        }
        ASSERT_TRUE(ProjectToWindowPixel(middle, &x, &y)) << "edge " << edge;
        bool found = false;
        for (int d = 0; d < 9; ++d) found = found || cyan(x + d % 3 - 1, y + d / 3 - 1);
        EXPECT_TRUE(found) << "edge " << edge << " at " << x << ", " << y;
    }
}

// In the garden looking away from the house: sky (no depth), hedge, tree and lawn pick nothing.
TEST_F(PickingWindowTest, SkyAndGardenPickNothing) {
    const double away[3] = {6.0, 1.0, 10.0};
    StandFacing(6.0f, 0.0f, 2.0f, away);
    DrawFrame();
    const struct {
        int x, y;
        bool sky;
    } pixels[] = {{0, 0, true},      {500, 100, true},  {799, 200, true}, {700, 50, true},
                  {500, 300, false}, {400, 599, false}, {250, 300, false}};
    for (const auto& p : pixels) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        EXPECT_EQ(DepthAt(p.x, p.y) == 1.0f, p.sky);
        EXPECT_EQ(PickWorld(p.x, p.y), -1);
    }
    g_pickedBox = 3;
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 500, 100);
    EXPECT_EQ(g_pickedBox, -1);
}

// The front door fills the view; a press on the bar or info picture over it picks nothing.
TEST_F(PickingWindowTest, PressOnAnOverlayDoesNotPickTheDoorBehindIt) {
    const double straightAhead[3] = {6.045, 1.0, -9.61};
    StandFacing(6.045f, 0.0f, -7.0f, straightAhead);
    DrawFrame();
    g_iconOwned[4] = 1;
    const struct {
        const char* where;
        int x, y;
        int pickedBox;
        int infoPictureShown;  // after the press
    } presses[] = {
        {"beside the bar", 619, 100, 12, 1},       // the door's "locked" picture comes up
        {"on the info picture", 480, 300, -1, 0},  // only puts the picture away
        {"on the bar", 700, 50, -1, 0},
        {"beside the info picture, once more", 359, 300, 12, 1},
    };
    for (const auto& p : presses) {
        ASSERT_LT(DepthAt(p.x, p.y), 1.0f) << p.where << ": the door is behind the pixel";
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, p.x, p.y);
        EXPECT_EQ(g_pickedBox, p.pickedBox) << p.where;
        EXPECT_EQ(g_infoPicture.shown, p.infoPictureShown) << p.where;
        DrawFrame();
    }
    // What a player clicks on a door: its knobs, 0.1 either side of its middle, and the keyhole
    // plate below the right one.
    const double fittings[3][3] = {
        {5.945, 1.05, -9.62}, {6.145, 1.05, -9.62}, {6.135, 0.89, -9.62}};
    for (const auto& fitting : fittings) {
        int x = 0, y = 0;
        ASSERT_TRUE(ProjectToWindowPixel(fitting, &x, &y));
        EXPECT_EQ(PickWorld(x, y), 12) << "the door's fitting at pixel " << x << ", " << y;
    }
    // Up close the door reaches every edge of the window: the first and last row and column
    // are read like any other.
    StandFacing(6.045f, 0.0f, -9.3f, straightAhead);
    DrawFrame();
    for (const auto& [x, y] : {std::pair{0, 599}, {799, 599}, {0, 0}, {0, 300}, {400, 599}}) {
        EXPECT_EQ(PickWorld(x, y), 12) << "pixel " << x << ", " << y;
    }
}

}  // namespace
