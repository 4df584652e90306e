// Keys, turning, the step in single and double precision, the wall rule and the stairs.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "platform/toolkit.h"
#include "rule_harness.h"
#include "world/movement.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

using Cell = std::pair<int, int>;  // row, column

// Puts the player somewhere with the translation that belongs to the position.
void PlacePlayer(float x, float floorY, float z, float yaw) {
    g_playerX = g_prevPlayerX = x, g_playerZ = g_prevPlayerZ = z;
    g_playerY = floorY, g_yaw = yaw;
    g_posX = 3.0f - x, g_posY = 3.0f - floorY, g_posZ = -1.0f - z;
}

void Key(char key, int times = 1) {
    for (int i = 0; i < times; ++i) OnKeyboard(static_cast<unsigned char>(key), 400, 300);
}

Cell PlayerCell() {
    return {CellRow(g_playerX), CellColumn(g_playerZ)};
}

class MovementTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        InstallCountingToolkit();
        BuildStartUpGrid();
    }
    void TearDown() override {
        ResetGameStateToStart();
        BuildStartUpGrid();
    }
};

// Each update adds in double and stores in single precision (all single would drift at angles).
TEST_F(MovementTest, StepMovesInDoubleAndStoresInSinglePrecision) {
    Key('w');
    EXPECT_EQ(PoseNow(), (std::vector<float>{3, 3, -1.1f, 3, -1, 0, 0, 0, 0.1f}));
    EXPECT_EQ(ToolkitCalls().postRedisplay, 1);
    const auto moved = [](float value, float component, double sign) {
        volatile double displacement = sign * component * 0.1;
        volatile double sum = value + displacement;
        return static_cast<float>(sum);
    };
    // Every heading the keys reach, one step back and one forward again.
    for (int yaw = -356; yaw <= 356; yaw += 2) {
        PlacePlayer(3.1f, 3.0f, -0.9f, static_cast<float>(yaw));
        volatile float angle = static_cast<float>(yaw) * g_degToRad;
        const float sine = std::sin(angle), cosine = std::cos(angle);
        std::vector<float> expected = {moved(3.1f, sine, 1.0), moved(-0.9f, cosine, 1.0),
                                       moved(3.0f - 3.1f, sine, -1.0),
                                       moved(-1.0f + 0.9f, cosine, -1.0)};
        Key('s');
        ASSERT_EQ((std::vector<float>{g_playerX, g_playerZ, g_posX, g_posZ}), expected) << yaw;
        expected = {moved(expected[0], sine, -1.0), moved(expected[1], cosine, -1.0),
                    moved(expected[2], sine, 1.0), moved(expected[3], cosine, 1.0)};
        Key('W');
        ASSERT_EQ((std::vector<float>{g_playerX, g_playerZ, g_posX, g_posZ}), expected) << yaw;
    }
}

TEST_F(MovementTest, NinetyTurnsEitherWayComeBackToExactlyZero) {
    for (const auto& [keys, degrees] : {std::pair{"aA", 4.0f}, std::pair{"dD", -4.0f}}) {
        for (int press = 1; press <= 90; ++press) {
            Key(keys[press % 2]);
            ASSERT_EQ(g_yaw, press == 90 ? 0.0f : degrees * press) << keys << press;
        }
    }
}

// Enter, Esc (not an end) ask the toolkit, Space goes back to the start, other keys do nothing.
TEST_F(MovementTest, EnterEscSpaceAndOtherKeys) {
    g_windowWidth = 1280, g_windowHeight = 1024, g_startScreenShown = 1;
    PlacePlayer(10.1f, 0.0f, -2.0f, -44.0f);
    for (char key : {'\r', '\x1b', '\0', '\t', '\x0e', '\x1c', '\x21', 'q', 'x', 'B', '\xff'})
        Key(key);
    const ToolkitCallCounts& calls = ToolkitCalls();
    EXPECT_EQ((std::vector<int>{calls.fullScreen, calls.reshapeWindow, calls.lastReshapeWidth,
                                calls.lastReshapeHeight, calls.exitProcess, calls.postRedisplay}),
              (std::vector<int>{1, 1, 1280, 1024, 0, 2}));
    Key(' ');
    EXPECT_EQ(PoseNow(), kStartPose);
    Key('w');
    EXPECT_EQ(g_playerZ, -1.1f);
}

// Row 16 of a free grid holds upper-floor walls in columns 45 and 46 and a ground-floor wall in
// column 47. Only the walls of the player's own floor block, and only the destination cell
// counts: from inside a wall cell (where stairs may land a player) a step within it stands and
// one into a free cell goes, but one into another wall cell does not, nor one back into it.
TEST_F(MovementTest, OnlyAWallCellOfThePlayersFloorEnteredFromAnotherCellBlocks) {
    InitWalkGrid();
    g_walkGrid[16][45].upper = g_walkGrid[16][46].upper = kUpperWall;
    g_walkGrid[16][47].ground = kGroundWall;
    struct Case {
        float floorY, z;  // Z -0.95 and -0.85 lie in column 46, -0.75 in 47, -1.05 in 45
        char key;         // forward is -Z, back +Z
        float zAfter;
    };
    const Case cases[] = {{0, -0.95f, 'w', -1.05f}, {3, -0.95f, 'w', -0.95f},
                          {3, -0.85f, 'w', -0.95f}, {3, -0.85f, 's', -0.75f},
                          {0, -0.85f, 's', -0.85f}, {3, -0.75f, 'w', -0.75f}};
    for (const Case& c : cases) {
        PlacePlayer(3.1f, c.floorY, c.z, 0.0f);
        Key(c.key);
        EXPECT_NEAR(g_playerZ, c.zAfter, 1e-6f) << c.floorY << ", " << c.z << ", " << c.key;
        EXPECT_EQ(g_prevPlayerZ, c.z);
    }
}

// Stairs may land in the outer wall; the open passage frees a cell of it. Steps there stand.
TEST_F(MovementTest, NoStepLeadsOutOfTheHouse) {
    PlacePlayer(5.1f, 3.0f, -0.25f, 180.0f);
    Key('w');
    ASSERT_EQ(g_playerY, 0.0f);
    ASSERT_EQ(PlayerCell(), (Cell{51, 50}));
    Key('a', 68);
    ASSERT_EQ(g_yaw, 182.0f);
    Key('w', 5);
    EXPECT_EQ(PlayerCell(), (Cell{51, 50}));
    OpenBookcasePassage();
    PlacePlayer(10.7f, 0.0f, -0.15f, 180.0f);
    Key('w', 10);
    EXPECT_EQ(PlayerCell(), (Cell{54, 50}));
    // The way into the room behind the bookcase is open: from the hall along +X through row 55.
    PlacePlayer(10.5f, 0.0f, -0.5f, -88.0f);
    Key('w', 20);
    EXPECT_GE(PlayerCell().first, 60);
}

// Down lands 5 towards +X facing +X, up 5 towards -X facing -X, Z kept; each on its floor.
TEST_F(MovementTest, EachStairsActsOnlyOnItsOwnFloor) {
    InitWalkGrid();
    g_walkGrid[16][46] = {kGroundStairsUp, kUpperStairsDown};
    PlacePlayer(3.1f, 3.0f, -0.9f, 10.0f);
    TakeStairsUp();
    TakeStairsDown();
    EXPECT_EQ(PoseNow(), (std::vector<float>{3.1f + 5, 0, -0.9f, 3.1f, -0.9f, -90, (3 - 3.1f) - 5,
                                             3, -1 - -0.9f}));
    PlacePlayer(3.1f, 0.0f, -0.9f, 10.0f);
    TakeStairsDown();
    TakeStairsUp();
    EXPECT_EQ(PoseNow(), (std::vector<float>{3.1f - 5, 3, -0.9f, 3.1f, -0.9f, 90, (3 - 3.1f) + 5, 0,
                                             -1 - -0.9f}));
}

}  // namespace
