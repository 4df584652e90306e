// Keys, turning, the step in single and double precision, the wall rule and the stairs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
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

// The open passage frees a cell of the outer wall (54, 50); no step leads from it out of the
// grid, and the way into the room behind the bookcase is open.
TEST_F(MovementTest, NoStepLeadsOutOfTheHouse) {
    OpenBookcasePassage();
    PlacePlayer(10.7f, 0.0f, -0.15f, 180.0f);
    Key('w', 10);
    EXPECT_EQ(PlayerCell(), (Cell{54, 50}));
    // Sideways along the outer wall is refused too: the cells beside lie in the wall.
    for (const float yaw : {176.0f, 184.0f, 136.0f, -136.0f}) {
        PlacePlayer(10.7f, 0.0f, -0.15f, yaw);
        Key('w', 10);
        EXPECT_EQ(PlayerCell().second, 50) << yaw;
        EXPECT_LE(g_playerZ, 0.0f) << yaw;
    }
    // From the hall along +X through row 55.
    PlacePlayer(10.5f, 0.0f, -0.5f, -88.0f);
    Key('w', 20);
    EXPECT_GE(PlayerCell().first, 60);
}

// Each stairs acts only on its own floor, for a step that went into it, and sets the player
// down at its landing, facing the rooms, whatever the cell of the stairs walked into.
TEST_F(MovementTest, EachStairsActsOnlyOnItsOwnFloor) {
    InitWalkGrid();
    g_walkGrid[16][46] = {kGroundStairsUp, kUpperStairsDown};
    PlacePlayer(3.1f, 3.0f, -0.9f, -86.0f);
    g_prevPlayerX = 3.0f;  // the step went +X, into the stairs down, facing them
    TakeStairsUp();
    TakeStairsDown();
    EXPECT_EQ(PoseNow(),
              (std::vector<float>{10.3f, 0, -2.2f, 3.0f, -0.9f, 104, 3 - 10.3f, 3, -1 - -2.2f}));
    PlacePlayer(3.1f, 0.0f, -0.9f, 94.0f);
    g_prevPlayerX = 3.19f;  // the step went -X, into the stairs up, facing them
    TakeStairsDown();
    TakeStairsUp();
    EXPECT_EQ(PoseNow(),
              (std::vector<float>{4.3f, 3, -0.7f, 3.19f, -0.9f, 48, 3 - 4.3f, 0, -1 - -0.7f}));
}

// The stairs take a step forward into them, facing within 45 degrees of their way (-X up from
// the hall, +X down from the bedroom); a step that brushes past along the hall, or backs onto
// them (out of the passage behind the bookcase, across the hall), does not climb.
TEST_F(MovementTest, OnlyAStepIntoTheStairsTakesThem) {
    const struct {
        float x, floorY, z, yaw;
        char key;
        bool takes;
    } steps[] = {
        {9.85f, 0.0f, -0.6f, 90.0f, 'w', true},    // straight into the foot of the stairs
        {9.85f, 0.0f, -0.6f, 130.0f, 'w', true},   // 40 degrees off -X
        {9.85f, 0.0f, -0.6f, 136.0f, 'w', false},  // 46 degrees off: brushing past
        {9.85f, 0.0f, -0.6f, 50.0f, 'w', true},
        {9.7f, 0.0f, -1.3f, 160.0f, 'w', false},   // up the hall, drifting onto the stairs
        {9.7f, 0.0f, -0.5f, 20.0f, 'w', false},    // down the hall along them
        {9.85f, 0.0f, -0.6f, -90.0f, 's', false},  // backing onto them
        {9.85f, 0.0f, -0.6f, -30.0f, 's', false},  // backing along the hall onto them
        {4.95f, 3.0f, -0.6f, -90.0f, 'w', true},   // into the stairs down
        {4.95f, 3.0f, -0.6f, -50.0f, 'w', true},
        {4.95f, 3.0f, -0.6f, -44.0f, 'w', false},
        {4.95f, 3.0f, -0.6f, -20.0f, 's', false},
    };
    for (const auto& step : steps) {
        PlacePlayer(step.x, step.floorY, step.z, step.yaw);
        for (int i = 0; i < 3 && g_playerY == step.floorY; ++i) Key(step.key);
        EXPECT_EQ(g_playerY != step.floorY, step.takes)
            << step.x << ", " << step.z << " yaw " << step.yaw << " " << step.key;
    }
}

// After either stairs, five steps back, or a turn of up to 92 degrees either way and five steps
// forward, keep the player on the floor the stairs led to: nobody is thrown straight back.
TEST_F(MovementTest, TheStairsDoNotThrowThePlayerBack) {
    const struct {
        const char* name;
        float x, floorY, yaw;  // walking into the stairs from here, across their width
    } stairs[] = {{"down", 4.6f, 3.0f, -90.0f}, {"up", 10.1f, 0.0f, 90.0f}};
    for (const auto& way : stairs) {
        for (const float z : {-0.25f, -0.6f, -0.95f}) {
            PlacePlayer(way.x, way.floorY, z, way.yaw);
            for (int step = 0; step < 10 && g_playerY == way.floorY; ++step) Key('w');
            ASSERT_NE(g_playerY, way.floorY) << way.name << " from Z " << z;
            const std::vector<float> landed = PoseNow();
            const float floorY = g_playerY, x = g_playerX, yaw = g_yaw;
            Key('s', 5);
            EXPECT_EQ(g_playerY, floorY) << way.name << " from Z " << z << ", five back";
            for (int turns = -23; turns <= 23; ++turns) {
                PlacePlayer(x, floorY, landed[2], yaw);
                Key(turns < 0 ? 'd' : 'a', turns < 0 ? -turns : turns);
                Key('w', 5);
                EXPECT_EQ(g_playerY, floorY) << way.name << ", " << turns * 4 << " degrees";
            }
        }
    }
}

// A step refused by a wall slides along it: its X part alone, else its Z part alone, each judged
// like the whole step; else it is taken back by the opposite displacement. On a free ground
// floor with walls written cell by cell (row 16 is X 3.0 to 3.2, column 46 Z -1.0 to -0.8).
TEST_F(MovementTest, AStepRefusedByAWallSlidesAlongIt) {
    // One displacement added in double and stored in single precision, as a step does.
    const auto moved = [](float value, float component, double sign) {
        volatile double displacement = sign * component * 0.1;
        volatile double sum = value + displacement;
        return static_cast<float>(sum);
    };
    enum Walls { kWallAlongX = 1, kWallAlongZ = 2, kCornerCell = 4 };
    const struct {
        const char* what;
        int walls;
        float x, z, yaw;
        char keepX, keepZ;  // 'y' keeps that part of the step, 'n' none, 'b' takes it back
    } cases[] = {
        {"head-on into a wall across -Z", kWallAlongX, 3.1f, -0.95f, 0.0f, 'y', 'n'},
        {"at 20 degrees into a wall across -Z", kWallAlongX, 3.1f, -0.95f, 20.0f, 'y', 'n'},
        {"at -20 degrees into a wall across -Z", kWallAlongX, 3.1f, -0.95f, -20.0f, 'y', 'n'},
        {"at 80 degrees into a wall across -X", kWallAlongZ, 3.02f, -0.5f, 80.0f, 'n', 'y'},
        {"back, facing away, into a wall across -X", kWallAlongZ, 3.02f, -0.5f, 80.0f, 'n', 'y'},
        {"into a corner of two walls", kWallAlongX | kWallAlongZ, 3.02f, -0.98f, 45.0f, 'b', 'b'},
        {"onto the corner of a pillar", kCornerCell, 3.02f, -0.98f, 45.0f, 'y', 'n'},
        {"past a pillar's corner, Z side", kCornerCell | kWallAlongZ, 3.02f, -0.98f, 45.0f, 'n',
         'y'},
    };
    for (const auto& c : cases) {
        InitWalkGrid();
        if (c.walls & kWallAlongZ) {
            for (int column = 30; column <= 50; ++column)
                g_walkGrid[15][column].ground = kGroundWall;
        }
        if (c.walls & kWallAlongX) {
            for (int row = 10; row <= 20; ++row) g_walkGrid[row][45].ground = kGroundWall;
        }
        if (c.walls & kCornerCell) g_walkGrid[15][45].ground = kGroundWall;
        // A step back (S) moves the other way: a 'back' case faces away from its direction.
        const bool back = std::string(c.what).rfind("back", 0) == 0;
        PlacePlayer(c.x, 0.0f, c.z, back ? c.yaw - 180.0f : c.yaw);
        const float sine = std::sin(g_yaw * g_degToRad), cosine = std::cos(g_yaw * g_degToRad);
        const double d = back ? -1.0 : 1.0;
        Key(back ? 's' : 'w');
        const float stepX = moved(c.x, sine, -d), stepZ = moved(c.z, cosine, -d);
        const float expectedX = c.keepX == 'y'   ? stepX
                                : c.keepX == 'n' ? c.x
                                                 : moved(stepX, sine, d);
        const float expectedZ = c.keepZ == 'y'   ? stepZ
                                : c.keepZ == 'n' ? c.z
                                                 : moved(stepZ, cosine, d);
        EXPECT_EQ(g_playerX, expectedX) << c.what;
        EXPECT_EQ(g_playerZ, expectedZ) << c.what;
        EXPECT_NEAR(g_posX, 3.0f - g_playerX, 1e-5f) << c.what;
        EXPECT_NEAR(g_posZ, -1.0f - g_playerZ, 1e-5f) << c.what;
        EXPECT_EQ((std::pair{g_prevPlayerX, g_prevPlayerZ}), (std::pair{c.x, c.z})) << c.what;
    }
}

// Walking at a slant into the frame of a doorway (a wall across -X with a gap in columns 46 to
// 48) slides along the frame and through the gap; the old rule stopped the player on the frame.
TEST_F(MovementTest, AWalkAtASlantIntoADoorFrameGoesThroughTheDoor) {
    InitWalkGrid();
    for (int column = 30; column <= 50; ++column) {
        if (column < 46 || column > 48) g_walkGrid[15][column].ground = kGroundWall;
    }
    PlacePlayer(3.5f, 0.0f, -1.15f, 100.0f);
    Key('w', 15);
    EXPECT_LT(CellRow(g_playerX), 15);
    const int column = CellColumn(g_playerZ);
    EXPECT_TRUE(column >= 46 && column <= 48) << column;
}

}  // namespace
