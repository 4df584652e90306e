// Picking in a real window with the generated house: the pixel where a place is drawn picks
// that place, the sky picks nothing, the icon bar does not hide the house behind it; and the
// game played through the real frames, from the start picture to the end pictures and back.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_DOWN
#include <GL/glu.h>       // Required for: gluProject()

#include <algorithm>
#include <cmath>
#include <string>

#include "app/frame.h"
#include "app/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/keypad_code.h"
#include "gameplay/pick_boxes.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "support/game_window.h"
#include "world/walk_grid.h"

namespace {

// Where a test stands: on the floor plan, upstairs (floor 3) or downstairs (floor 0), facing a
// point; the eye is one unit above the floor.
void StandFacing(float x, float floor, float z, const double target[3]) {
    g_playerX = x;
    g_playerY = floor;
    g_playerZ = z;
    g_prevPlayerX = x;
    g_prevPlayerZ = z;
    g_posX = 3.0f - x;
    g_posY = 3.0f - floor;
    g_posZ = -1.0f - z;
    // The camera looks along (-sin yaw, 0, -cos yaw).
    const double dx = target[0] - x;
    const double dz = target[2] - z;
    g_yaw = static_cast<float>(std::atan2(-dx, -dz) * 180.0 / 3.14159265358979);
}

// The window pixel (y from the top) where a world point is drawn by the frame's camera.
bool PixelOf(const double point[3], int* x, int* y) {
    return ProjectToWindowPixel(point, x, y);
}

void BoxCentre(int box, double centre[3]) {
    for (int axis = 0; axis < 3; ++axis) {
        centre[axis] = (g_pickBoxes[box].min[axis] + g_pickBoxes[box].max[axis]) / 2;
    }
}

float DepthAt(int x, int y) {
    GLfloat depth = -1.0f;
    glReadPixels(x, g_windowHeight - 1 - y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    return depth;
}

std::string PngPath(const std::string& name) {
    return std::string(ESCAPE_HOUSE_BUILD_DIR) + "/picking-" + name + ".png";
}

class PickingWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenGameWindow();
        ResetGameForTest();
        SetWorldPick(nullptr);
    }

    // A left press through the mouse callback, then the frame it asks for.
    static void PressAndDraw(int x, int y) {
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        OnMouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
        DrawFrame();
    }
    static void PressPercent(int percentX, int percentY) {
        PressAndDraw((2 * percentX + 1) * g_windowWidth / 200,
                     (2 * percentY + 1) * g_windowHeight / 200);
    }
    static void PressIcon(int icon) {
        for (int barY = 0; barY <= 100; ++barY) {
            for (int barX = 0; barX <= 180; ++barX) {
                if (IconBarHitTest(barX, barY) == icon) {
                    PressAndDraw(barX + g_windowWidth - 180, 100 - barY);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no slot holds icon " << icon;
    }
};

// A standing point for every place, chosen once: a free cell of the place's floor with a clear
// view of the box, which the camera then faces. The aim is the box's middle, except for the
// two small things lying on furniture, where it is the furniture's top inside the box, and the
// safe, whose middle is below the view from its room: there it is the safe's top.
struct PlaceView {
    int box;
    float x, z;   // where to stand; the floor follows from the box's height
    double aimY;  // height aimed at; 0 for the middle of the box
};
const PlaceView kPlaceViews[kPickBoxTotal] = {
    {0, 4.2f, -1.0f, 3.44},   // note 1: the table top under it, from the stairs' end
    {1, 3.9f, -3.1f, 3.28},   // key 1: the top of the crate in the corner
    {2, 2.2f, -0.8f, 0},      // the cabinet, from beside the bed
    {3, 3.3f, -2.5f, 0},      // the picture over the cabinet
    {4, 1.7f, -2.4f, 0},      // the upstairs window
    {5, 2.5f, -0.7f, 0},      // the hammer on the cabinet
    {6, 3.4f, -7.4f, 0},      // the radio on the low table
    {7, 3.8f, -7.5f, 0},      // the wardrobe
    {8, 9.7f, -6.9f, 0},      // the bread on the kitchen counter
    {9, 6.6f, -7.9f, 0},      // the nightstand
    {10, 11.7f, -0.3f, 0.6},  // the safe's top, from the room behind the bookcase
    {11, 11.1f, -0.5f, 0},    // the picture in the room behind the bookcase
    {12, 7.0f, -7.4f, 0},     // the front door
    {13, 4.5f, -1.9f, 0},     // the ground-floor window
    {14, 3.7f, -1.1f, 0},     // the gas boiler
    {15, 9.0f, -2.3f, 0},     // the keypad on the bookcase
    {16, 4.9f, -0.6f, 0},     // the calendar, through the doorway
};

float FloorOf(int box) {
    return g_pickBoxes[box].min[1] >= 2.5 ? 3.0f : 0.0f;
}

// Faces the place from its standing point and draws the frame; returns the pixel aimed at.
bool LookAtPlace(const PlaceView& view, int* x, int* y) {
    double aim[3];
    BoxCentre(view.box, aim);
    if (view.aimY != 0) aim[1] = view.aimY;
    StandFacing(view.x, FloorOf(view.box), view.z, aim);
    DrawFrame();
    return PixelOf(aim, x, y);
}

TEST_F(PickingWindowTest, EveryPlacePicksWhereItIsDrawn) {
    for (const PlaceView& view : kPlaceViews) {
        SCOPED_TRACE(testing::Message() << "box " << view.box);
        ResetGameForTest();
        const float floor = FloorOf(view.box);
        const WalkCell& cell = g_walkGrid[CellRow(view.x)][CellColumn(view.z)];
        EXPECT_EQ(floor == 3.0f ? cell.upper : cell.ground,
                  floor == 3.0f ? kUpperFree : kGroundFree)
            << "the standing point is a free cell";
        int x = 0, y = 0;
        ASSERT_TRUE(LookAtPlace(view, &x, &y));
        const int picked = PickWorld(x, y);
        if (picked != view.box) SaveWindowPng(PngPath("box" + std::to_string(view.box)));
        EXPECT_EQ(picked, view.box) << "pixel (" << x << ", " << y << ")";
        // The mouse callback latches the same box, and the next frame outlines it.
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        EXPECT_EQ(g_pickedBox, view.box);
    }
}

// The outline of the latched box, in plain cyan round the box, whether or not it is enabled.
TEST_F(PickingWindowTest, PickedBoxIsOutlinedInCyan) {
    const auto cyanPixels = [](int* left, int* right) {
        int count = 0;
        *left = 800;
        *right = -1;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const Rgb pixel = PixelAt(x, y);
                if (pixel.r >= 120 && pixel.r <= 136 && pixel.g >= 250 && pixel.b >= 250) {
                    ++count;
                    *left = std::min(*left, x);
                    *right = std::max(*right, x);
                }
            }
        }
        return count;
    };
    int x = 0, y = 0, left = 0, right = 0;
    ASSERT_TRUE(LookAtPlace(kPlaceViews[2], &x, &y));
    EXPECT_EQ(cyanPixels(&left, &right), 0);
    g_pickedBox = 2;  // the cabinet, still locked
    DrawFrame();
    SaveWindowPng(PngPath("outline"));
    EXPECT_GT(cyanPixels(&left, &right), 200);
    EXPECT_LT(left, x);
    EXPECT_GT(right, x);
}

TEST_F(PickingWindowTest, SkyAndGardenPickNothing) {
    // In the garden in front of the house, looking away from it: the sky box, which writes no
    // depth, over a hedge, a tree and the lawn, none of them a place.
    const double away[3] = {6.0, 1.0, 10.0};
    StandFacing(6.0f, 0.0f, 2.0f, away);
    DrawFrame();
    SaveWindowPng(PngPath("sky"));
    for (const auto& [x, y] :
         {std::pair{10, 10}, std::pair{500, 100}, std::pair{790, 200}, std::pair{700, 50}}) {
        EXPECT_EQ(DepthAt(x, y), 1.0f) << "sky at " << x << ", " << y;
        EXPECT_EQ(PickWorld(x, y), -1) << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{500, 300}, std::pair{400, 550}, std::pair{250, 300}}) {
        EXPECT_LT(DepthAt(x, y), 1.0f) << "garden at " << x << ", " << y;
        EXPECT_EQ(PickWorld(x, y), -1) << x << ", " << y;
    }
    g_pickedBox = 3;
    PressAndDraw(500, 100);
    EXPECT_EQ(g_pickedBox, -1);
}

// The door fills the view; the bar and the info picture are drawn over it. A press on either is
// meant for it and picks nothing; a press beside them picks the door.
TEST_F(PickingWindowTest, PressOnAnOverlayDoesNotPickTheDoorBehindIt) {
    const double straightAhead[3] = {6.045, 1.0, -9.61};
    StandFacing(6.045f, 0.0f, -7.0f, straightAhead);
    DrawFrame();
    g_iconOwned[4] = 1;
    struct Press {
        const char* where;
        int x, y;
        int pickedBox;
        int infoPictureShown;  // after the press
    };
    const Press presses[] = {
        {"beside the bar", 700, 110, 12, 1},       // the door's "locked" picture comes up
        {"on the info picture", 480, 300, -1, 0},  // only puts the picture away
        {"on the bar", 700, 50, -1, 0},
        {"beside the info picture, once more", 300, 300, 12, 1},
    };
    for (const Press& p : presses) {
        ASSERT_LT(DepthAt(p.x, p.y), 1.0f) << p.where << ": the door is behind the pixel";
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, p.x, p.y);
        EXPECT_EQ(g_pickedBox, p.pickedBox) << p.where;
        EXPECT_EQ(g_infoPicture.shown, p.infoPictureShown) << p.where;
        DrawFrame();
    }
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 700, 50);
    DrawFrame();
    SaveWindowPng(PngPath("door-behind-bar"));

    // What a player clicks on a door: its knobs, 0.1 either side of its middle, and the keyhole
    // plate below the right one. Whatever they look like, a click on them opens it.
    const double fittings[3][3] = {
        {5.945, 1.05, -9.62}, {6.145, 1.05, -9.62}, {6.135, 0.89, -9.62}};
    for (const auto& fitting : fittings) {
        int x = 0, y = 0;
        ASSERT_TRUE(ProjectToWindowPixel(fitting, &x, &y));
        EXPECT_EQ(PickWorld(x, y), 12) << "the door's fitting at pixel " << x << ", " << y;
    }
}

TEST_F(PickingWindowTest, FromTheStartPictureThroughTheWindowWinAndBack) {
    g_startScreenShown = 1;
    DrawFrame();
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned int>(bound), g_screens.textures[0]);
    PressPercent(50, 70);
    ASSERT_EQ(g_startScreenShown, 0);

    // The hammer: taken on the frame after the press, then used from the bar.
    int x = 0, y = 0;
    ASSERT_TRUE(LookAtPlace(kPlaceViews[5], &x, &y));
    PressAndDraw(x, y);
    EXPECT_EQ(g_pickedBox, 5);
    EXPECT_EQ(g_hammerVisible, 0);
    EXPECT_EQ(g_iconOwned[3], 1);
    SaveWindowPng(PngPath("hammer-taken"));
    PressIcon(3);
    EXPECT_EQ(g_iconOwned[3], 0);
    EXPECT_EQ(g_boxEnabled[13], 1);

    // The ground-floor window: the press's frame restarts, the next one shows the win.
    ASSERT_TRUE(LookAtPlace(kPlaceViews[13], &x, &y));
    PressAndDraw(x, y);
    EXPECT_EQ(g_endScreenShown, 1);
    EXPECT_EQ(g_endingCode, 3);
    EXPECT_EQ(g_hammerVisible, 1);
    DrawFrame();
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned int>(bound), g_screens.textures[3]) << "the win picture";
    SaveWindowPng(PngPath("win"));

    // Back to the start picture, and into a new game; the latched window does not end it.
    PressPercent(23, 76);
    EXPECT_EQ(g_startScreenShown, 1);
    EXPECT_EQ(g_endScreenShown, 0);
    PressPercent(50, 70);
    EXPECT_EQ(g_startScreenShown, 0);
    DrawFrame();
    EXPECT_EQ(g_endScreenShown, 0);
    EXPECT_EQ(g_gameMode, 1);
}

TEST_F(PickingWindowTest, KeypadTakesTheCombinationAndSlidesTheBookcase) {
    int x = 0, y = 0;
    ASSERT_TRUE(LookAtPlace(kPlaceViews[kKeypadPickBox], &x, &y));
    const WalkCell closed = g_walkGrid[CellRow(10.65f)][CellColumn(-0.5f)];
    EXPECT_EQ(closed.ground, kGroundWall);
    PressAndDraw(x, y);
    ASSERT_EQ(g_keypadShown, 1);
    EXPECT_EQ(g_keypad.digitCount, 0);

    // Keys pressed where the panel draws them: panel (px, py) is window (px + W - 300, 400 - py).
    for (int position = 0; position < 4; ++position) {
        const KeypadPanel::Cell& key = g_keypad.cells[kKeypadCode[position]];
        PressAndDraw(static_cast<int>((key.xMin + key.xMax) / 2) + g_windowWidth - 300,
                     400 - static_cast<int>((key.yMin + key.yMax) / 2));
        if (position == 1) SaveWindowPng(PngPath("keypad-two-digits"));
    }
    EXPECT_EQ(g_keypadShown, 0);
    EXPECT_EQ(g_bookcaseOffset, -1.5f);
    EXPECT_EQ(g_walkGrid[CellRow(10.65f)][CellColumn(-0.5f)].ground, kGroundFree)
        << "the passage is open";
    DrawFrame();
    SaveWindowPng(PngPath("bookcase-open"));
}

}  // namespace
