// Keyboard and movement: the keys, turning, the step in single and double precision, the wall
// rule, the stairs, and a long random walk through the house.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/game_state.h"
#include "platform/toolkit.h"
#include "world/movement.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

void BuildStartUpGrid() {
    std::memset(g_walkGrid, 0, sizeof g_walkGrid);
    InitWalkGrid();
    BuildWallLayout();
}

std::vector<WalkCell> GridCopy() {
    return std::vector<WalkCell>(&g_walkGrid[0][0], &g_walkGrid[0][0] + kGridRows * kGridColumns);
}

// Puts the player somewhere with the translation that belongs to the position.
void PlacePlayer(float x, float floorY, float z, float yaw) {
    g_playerX = g_prevPlayerX = x;
    g_playerY = floorY;
    g_playerZ = g_prevPlayerZ = z;
    g_yaw = yaw;
    g_posX = 3.0f - x;
    g_posY = 3.0f - floorY;
    g_posZ = -1.0f - z;
}

void Press(char key, int times = 1) {
    for (int i = 0; i < times; ++i) OnKeyboard(static_cast<unsigned char>(key), 400, 300);
}

int PlayerRow() {
    return CellRow(g_playerX);
}
int PlayerColumn() {
    return CellColumn(g_playerZ);
}

// The player's position and translation belong together, up to rounding.
void ExpectPoseConsistent(float tolerance) {
    EXPECT_NEAR(g_posX, 3.0f - g_playerX, tolerance);
    EXPECT_NEAR(g_posY, 3.0f - g_playerY, tolerance);
    EXPECT_NEAR(g_posZ, -1.0f - g_playerZ, tolerance);
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

TEST_F(MovementTest, FirstStepForwardFromTheStart) {
    Press('w');
    EXPECT_EQ(g_playerX, 3.0f);
    EXPECT_EQ(g_playerZ, -1.1f);
    EXPECT_EQ(g_playerY, 3.0f);
    EXPECT_EQ(g_posX, 0.0f);
    EXPECT_EQ(g_posY, 0.0f);
    EXPECT_EQ(g_posZ, 0.1f);
    EXPECT_EQ(g_prevPlayerX, 3.0f);
    EXPECT_EQ(g_prevPlayerZ, -1.0f);
    EXPECT_EQ(g_yaw, 0.0f);
    EXPECT_EQ(ToolkitCalls().postRedisplay, 1);
    // Back again: each update goes through double, so 0.1f - 0.1 leaves a trace.
    Press('S');
    EXPECT_EQ(g_playerZ, static_cast<float>(static_cast<double>(-1.1f) + 0.1));
    EXPECT_EQ(g_posZ, static_cast<float>(static_cast<double>(0.1f) - 0.1));
    EXPECT_NE(g_posZ, 0.0f);
    EXPECT_EQ(g_prevPlayerZ, -1.1f);
    EXPECT_EQ(ToolkitCalls().postRedisplay, 2);
}

// The heading in radians as the step computes it, in single precision.
float RoundedAngle(float yaw) {
    volatile float angle = yaw * g_degToRad;
    return angle;
}

// The step widens to double for each of its four updates; single precision all through would
// land elsewhere after a few steps at an angle.
TEST_F(MovementTest, StepMovesInDoubleAndStoresInSinglePrecision) {
    PlacePlayer(3.0f, 3.0f, -1.0f, 44.0f);
    const float angle = RoundedAngle(44.0f);
    const float sine = std::sin(angle);
    const float cosine = std::cos(angle);
    // One update: widened, plus or minus the double displacement, stored in single precision.
    const auto moved = [](float value, float component, double sign) {
        volatile double displacement = sign * component * 0.1;
        volatile double sum = value + displacement;
        return static_cast<float>(sum);
    };
    float x = 3.0f, z = -1.0f, posX = 0.0f, posZ = 0.0f;
    for (int i = 0; i < 7; ++i) {
        Press('W');
        posX = moved(posX, sine, 1.0);
        posZ = moved(posZ, cosine, 1.0);
        x = moved(x, sine, -1.0);
        z = moved(z, cosine, -1.0);
        ASSERT_EQ(g_playerX, x) << i;
        ASSERT_EQ(g_playerZ, z) << i;
        ASSERT_EQ(g_posX, posX) << i;
        ASSERT_EQ(g_posZ, posZ) << i;
    }
    // Heading 44 looks between -Z and -X: the player moved that way by 0.7.
    EXPECT_NEAR(g_playerX, 3.0f - 0.7f * std::sin(44.0f * 3.1415f / 180), 1e-5);
    EXPECT_NEAR(g_playerZ, -1.0f - 0.7f * std::cos(44.0f * 3.1415f / 180), 1e-5);
    // Every heading the keys reach: sine and cosine of the single-precision angle.
    for (int yaw = -356; yaw <= 356; yaw += 2) {
        PlacePlayer(3.1f, 3.0f, -0.9f, static_cast<float>(yaw));
        Press('s');
        const float turned = RoundedAngle(static_cast<float>(yaw));
        ASSERT_EQ(g_playerX, moved(3.1f, std::sin(turned), 1.0)) << yaw;
        ASSERT_EQ(g_playerZ, moved(-0.9f, std::cos(turned), 1.0)) << yaw;
        ASSERT_EQ(g_posX, moved(3.0f - 3.1f, std::sin(turned), -1.0)) << yaw;
        ASSERT_EQ(g_posZ, moved(-1.0f + 0.9f, std::cos(turned), -1.0)) << yaw;
    }
}

TEST_F(MovementTest, NinetyTurnsLeftComeBackToExactlyZero) {
    for (int press = 1; press <= 90; ++press) {
        Press('a');
        const float expected = press == 90 ? 0.0f : 4.0f * press;
        ASSERT_EQ(g_yaw, expected) << press;
    }
    EXPECT_EQ(ToolkitCalls().postRedisplay, 90);
}

TEST_F(MovementTest, NinetyTurnsRightComeBackToExactlyZero) {
    for (int press = 1; press <= 90; ++press) {
        Press(press % 2 ? 'D' : 'd');
        const float expected = press == 90 ? 0.0f : -4.0f * press;
        ASSERT_EQ(g_yaw, expected) << press;
    }
}

TEST_F(MovementTest, TurningNeverMovesThePlayerNorTakesTheStairs) {
    // Standing on a stairs-down cell upstairs (as if placed there): turning is not a step.
    PlacePlayer(5.1f, 3.0f, -0.5f, 0.0f);
    ASSERT_EQ(g_walkGrid[PlayerRow()][PlayerColumn()].upper, kUpperStairsDown);
    for (char key : {'a', 'A', 'd', 'D'}) {
        Press(key, 50);
        EXPECT_EQ(g_playerX, 5.1f);
        EXPECT_EQ(g_playerY, 3.0f);
        EXPECT_EQ(g_playerZ, -0.5f);
        EXPECT_EQ(g_posX, 3.0f - 5.1f);
        EXPECT_EQ(g_posY, 0.0f);
        EXPECT_EQ(g_posZ, -0.5f);
        EXPECT_EQ(g_prevPlayerX, 5.1f);
    }
}

TEST_F(MovementTest, WindowKeysAskTheToolkit) {
    g_windowWidth = 1280;
    g_windowHeight = 1024;
    Press(13);
    EXPECT_EQ(ToolkitCalls().fullScreen, 1);
    EXPECT_EQ(ToolkitCalls().postRedisplay, 1);
    Press(27);
    EXPECT_EQ(ToolkitCalls().reshapeWindow, 1);
    EXPECT_EQ(ToolkitCalls().lastReshapeWidth, 1280);
    EXPECT_EQ(ToolkitCalls().lastReshapeHeight, 1024);
    EXPECT_EQ(ToolkitCalls().postRedisplay, 2);
    EXPECT_EQ(ToolkitCalls().exitProcess, 0) << "Esc does not end the game";
    EXPECT_EQ(g_playerX, 3.0f);
    EXPECT_EQ(g_yaw, 0.0f);
}

TEST_F(MovementTest, OtherKeysDoNothingAndAskForNoRedisplay) {
    PlacePlayer(3.3f, 3.0f, -1.3f, 12.0f);
    for (int key = 0; key < 256; ++key) {
        switch (key) {
            case 13:
            case 27:
            case 32:
            case 'A':
            case 'a':
            case 'D':
            case 'd':
            case 'W':
            case 'w':
            case 'S':
            case 's':
                continue;
        }
        OnKeyboard(static_cast<unsigned char>(key), 0, 0);
    }
    EXPECT_EQ(ToolkitCalls().postRedisplay, 0);
    EXPECT_EQ(ToolkitCalls().fullScreen, 0);
    EXPECT_EQ(ToolkitCalls().reshapeWindow, 0);
    EXPECT_EQ(g_playerX, 3.3f);
    EXPECT_EQ(g_playerZ, -1.3f);
    EXPECT_EQ(g_yaw, 12.0f);
}

TEST_F(MovementTest, SpaceOnTheGroundFloorPutsThePlayerBackAtTheStartOnly) {
    OpenBookcasePassage();
    const std::vector<WalkCell> grid = GridCopy();
    std::memcpy(g_timeText, "01:07", 6);
    g_iconOwned[4] = 1;
    PlacePlayer(10.1f, 0.0f, -2.0f, -44.0f);
    g_prevPlayerX = 10.0f;
    Press(' ');
    EXPECT_EQ(g_playerX, 3.0f);
    EXPECT_EQ(g_playerY, 3.0f);
    EXPECT_EQ(g_playerZ, -1.0f);
    EXPECT_EQ(g_prevPlayerX, 3.0f);
    EXPECT_EQ(g_prevPlayerZ, -1.0f);
    EXPECT_EQ(g_yaw, 0.0f);
    EXPECT_EQ(g_posX, 0.0f);
    EXPECT_EQ(g_posY, 0.0f);
    EXPECT_EQ(g_posZ, 0.0f);
    EXPECT_EQ(PlayerRow(), 16);
    EXPECT_EQ(PlayerColumn(), 46);
    EXPECT_EQ(ToolkitCalls().postRedisplay, 1);
    EXPECT_EQ(GridCopy(), grid);
    EXPECT_STREQ(g_timeText, "01:07");
    EXPECT_EQ(g_iconOwned[4], 1);
}

TEST_F(MovementTest, KeysActBehindTheStartPicture) {
    g_startScreenShown = 1;
    Press('w');
    EXPECT_EQ(g_playerZ, -1.1f);
    g_startScreenShown = 0;
}

TEST_F(MovementTest, RepeatedStepsAgainstAWallNeverEnterIt) {
    // Upstairs facing +Z towards the outer wall at column 50.
    PlacePlayer(3.1f, 3.0f, -0.5f, 180.0f);
    int refusedFrom = -1;
    float heldX = 0.0f, heldZ = 0.0f;
    for (int press = 0; press < 40; ++press) {
        Press('w');
        ASSERT_NE(g_walkGrid[PlayerRow()][PlayerColumn()].upper, kUpperWall) << press;
        if (refusedFrom < 0 && g_playerZ == g_prevPlayerZ) {
            refusedFrom = press;
            heldX = g_playerX;
            heldZ = g_playerZ;
        }
        if (refusedFrom >= 0) {
            // Each press is taken back by the opposite step; only rounding may remain.
            EXPECT_NEAR(g_playerX, heldX, 1e-6f) << press;
            EXPECT_NEAR(g_playerZ, heldZ, 1e-6f) << press;
            EXPECT_EQ(PlayerColumn(), 49) << press;
        }
        ExpectPoseConsistent(1e-5f);
    }
    EXPECT_EQ(refusedFrom, 2) << "z -0.4 and -0.3 are free; -0.2 is the wall";
    EXPECT_EQ(ToolkitCalls().postRedisplay, 40);
}

TEST_F(MovementTest, StepBackIntoAWallIsRefusedByTheStepForward) {
    PlacePlayer(3.1f, 3.0f, -0.3f, 0.0f);
    Press('s');  // back is +Z here: into column 50
    EXPECT_EQ(PlayerColumn(), 49);
    EXPECT_EQ(g_playerZ, -0.3f);
    EXPECT_EQ(g_prevPlayerZ, -0.3f);
}

TEST_F(MovementTest, OnlyTheDestinationCellDecidesADiagonalStep) {
    InitWalkGrid();
    // Heading -136 looks along +X and +Z; from (3.16, -0.84) one step crosses the corner of
    // cell (16, 46) into (17, 47).
    const auto stepAcrossCorner = [] {
        PlacePlayer(3.16f, 3.0f, -0.84f, -136.0f);
        Press('w');
        return std::pair{PlayerRow(), PlayerColumn()};
    };
    g_walkGrid[17][46].upper = kUpperWall;
    g_walkGrid[16][47].upper = kUpperWall;
    EXPECT_EQ(stepAcrossCorner(), (std::pair{17, 47})) << "the two side cells do not count";
    g_walkGrid[17][46].upper = kUpperFree;
    g_walkGrid[16][47].upper = kUpperFree;
    g_walkGrid[17][47].upper = kUpperWall;
    EXPECT_EQ(stepAcrossCorner(), (std::pair{16, 46}));
    EXPECT_NEAR(g_playerX, 3.16f, 1e-6f);
    EXPECT_NEAR(g_playerZ, -0.84f, 1e-6f);
}

TEST_F(MovementTest, TheOtherFloorsWallsDoNotBlock) {
    InitWalkGrid();
    g_walkGrid[16][45] = {kGroundFree, kUpperWall};
    g_walkGrid[16][47] = {kGroundWall, kUpperFree};
    // From Z -0.95 forward (-Z) enters column 45, from -0.85 back (+Z) enters column 47.
    // Ground floor: an upper-floor wall is floor here.
    PlacePlayer(3.1f, 0.0f, -0.95f, 0.0f);
    Press('w');
    EXPECT_EQ(PlayerColumn(), 45);
    // Upper floor: a ground-floor wall is air here.
    PlacePlayer(3.1f, 3.0f, -0.85f, 0.0f);
    Press('s');
    EXPECT_EQ(PlayerColumn(), 47);
    // And each floor's own wall blocks.
    PlacePlayer(3.1f, 0.0f, -0.85f, 0.0f);
    Press('s');
    EXPECT_EQ(PlayerColumn(), 46);
    PlacePlayer(3.1f, 3.0f, -0.95f, 0.0f);
    Press('w');
    EXPECT_EQ(PlayerColumn(), 46);
}

TEST_F(MovementTest, AStepWithinAWallCellStandsAndLeavesOnlyIntoFreeCells) {
    // Landing upstairs from the stairs-up cell nearest the outer wall puts the player into
    // cell (24, 50) of the upper floor's outer wall, facing -X.
    PlacePlayer(9.75f, 0.0f, -0.15f, 180.0f);
    Press('s');  // back along -Z: from (49, 50) to (49, 49), still stairs up
    PlacePlayer(9.75f, 0.0f, -0.25f, 180.0f);
    Press('w');  // forward along +Z into (49, 50)
    ASSERT_EQ(g_playerY, 3.0f);
    ASSERT_EQ(g_yaw, 90.0f);
    ASSERT_EQ(PlayerRow(), 24);
    ASSERT_EQ(PlayerColumn(), 50);
    ASSERT_EQ(g_walkGrid[24][50].upper, kUpperWall);
    const float landedX = g_playerX;
    Press('w');  // -X within the cell: stands
    EXPECT_NEAR(g_playerX, landedX - 0.1f, 1e-6f);
    EXPECT_EQ(PlayerRow(), 24);
    Press('w');  // into (23, 50), the outer wall: refused
    EXPECT_NEAR(g_playerX, landedX - 0.1f, 1e-6f);
    EXPECT_EQ(PlayerRow(), 24);
    // Heading 182 looks along +Z: the first step stays in the cell at Z -0.05, the next would
    // leave the grid past its last column and is refused.
    Press('a', 23);
    ASSERT_EQ(g_yaw, 182.0f);
    Press('w');
    EXPECT_NEAR(g_playerZ, -0.05f, 1e-4f);
    Press('w', 3);
    EXPECT_NEAR(g_playerZ, -0.05f, 1e-4f);
    EXPECT_EQ(PlayerColumn(), 50);
    // Heading -6 looks along -Z: within the cell again, then out into (24, 49), which is free.
    Press('d', 47);
    ASSERT_EQ(g_yaw, -6.0f);
    Press('w');
    EXPECT_EQ(PlayerColumn(), 50);
    Press('w');
    EXPECT_EQ(PlayerRow(), 24);
    EXPECT_EQ(PlayerColumn(), 49);
    EXPECT_EQ(g_walkGrid[24][49].upper, kUpperFree);
    // Once out, the wall cell is a wall like any other.
    Press('s');
    EXPECT_EQ(PlayerColumn(), 49);
    ExpectPoseConsistent(1e-5f);
}

// Down the stairs and up again with the keys only, from the start.
TEST_F(MovementTest, StairsCarryThePlayerDownAndUpAgain) {
    Press('d', 23);  // heading -92: along +X, drifting slightly towards +Z
    ASSERT_EQ(g_yaw, -92.0f);
    int presses = 0;
    while (g_playerY == 3.0f && presses < 40) {
        Press('w');
        ++presses;
    }
    ASSERT_EQ(g_playerY, 0.0f) << "never reached the stairs down";
    const float zBefore = g_playerZ;
    EXPECT_EQ(PlayerRow(), 51);
    EXPECT_EQ(PlayerColumn(), 46);
    EXPECT_EQ(g_yaw, -90.0f);  // facing +X
    EXPECT_EQ(g_posY, 3.0f);
    EXPECT_NEAR(g_prevPlayerX + 5.0f, g_playerX, 0.11f) << "the saved position stays upstairs";
    ExpectPoseConsistent(1e-5f);

    Press('a', 45);  // heading 90: along -X towards the stairs up in row 49
    ASSERT_EQ(g_yaw, 90.0f);
    presses = 0;
    while (g_playerY == 0.0f && presses < 10) {
        Press('w');
        ++presses;
    }
    ASSERT_EQ(g_playerY, 3.0f) << "never reached the stairs up";
    EXPECT_EQ(PlayerRow(), 24);
    // The heading 90 is not quite -X (3.1415 is not pi), so Z moved a little on the way.
    EXPECT_NEAR(g_playerZ, zBefore, 1e-4f);
    EXPECT_EQ(g_yaw, 90.0f);  // facing -X
    EXPECT_EQ(g_posY, 0.0f);
    ExpectPoseConsistent(1e-5f);

    // From heading 90 the 68th left turn reaches 362 and wraps to 0: a jump of 2 degrees.
    Press('a', 67);
    EXPECT_EQ(g_yaw, 358.0f);
    Press('a');
    EXPECT_EQ(g_yaw, 0.0f);
}

// Every position in a trigger row lands in the other floor's landing row, which holds no trigger
// back, so a step never carries the player up and down again.
TEST_F(MovementTest, StairsLandInTheRowsOfTheOtherFloor) {
    for (float x = 9.6f; x < 9.8f; x += 0.0037f) {
        for (float z = -1.2f; z < 0.0f; z += 0.0113f) {
            PlacePlayer(x, 0.0f, z, 0.0f);
            if (g_walkGrid[PlayerRow()][PlayerColumn()].ground != kGroundStairsUp) continue;
            TakeStairsUp();
            TakeStairsDown();
            ASSERT_EQ(g_playerY, 3.0f) << x << ", " << z;
            ASSERT_EQ(PlayerRow(), 24) << x << ", " << z;
            ASSERT_EQ(g_playerZ, z);
            ASSERT_EQ(g_yaw, 90.0f);
        }
    }
    for (float x = 5.0f; x < 5.2f; x += 0.0037f) {
        for (float z = -1.2f; z < 0.0f; z += 0.0113f) {
            PlacePlayer(x, 3.0f, z, 0.0f);
            if (g_walkGrid[PlayerRow()][PlayerColumn()].upper != kUpperStairsDown) continue;
            TakeStairsDown();
            TakeStairsUp();
            ASSERT_EQ(g_playerY, 0.0f) << x << ", " << z;
            ASSERT_EQ(PlayerRow(), 51) << x << ", " << z;
            ASSERT_EQ(g_playerZ, z);
            ASSERT_EQ(g_yaw, -90.0f);
        }
    }
}

// The stairs down land in the outer wall when taken next to it; steps within that cell are
// allowed, but none leads out of the grid.
TEST_F(MovementTest, TheGroundLandingInTheOuterWallDoesNotLeadOutOfTheHouse) {
    PlacePlayer(5.1f, 3.0f, -0.25f, 180.0f);
    Press('w');
    ASSERT_EQ(g_playerY, 0.0f);
    ASSERT_EQ(PlayerRow(), 51);
    ASSERT_EQ(PlayerColumn(), 50);
    Press('a', 68);
    ASSERT_EQ(g_yaw, 182.0f);
    for (int press = 0; press < 5; ++press) {
        Press('w');
        ASSERT_LT(g_playerZ, 0.0f) << press;
        ASSERT_EQ(PlayerColumn(), 50) << press;
    }
}

TEST_F(MovementTest, EachStairsActsOnlyOnItsOwnFloor) {
    InitWalkGrid();
    g_walkGrid[16][46] = {kGroundStairsUp, kUpperStairsDown};
    PlacePlayer(3.1f, 3.0f, -0.9f, 10.0f);
    TakeStairsUp();
    EXPECT_EQ(g_playerY, 3.0f);
    EXPECT_EQ(g_yaw, 10.0f);
    PlacePlayer(3.1f, 0.0f, -0.9f, 10.0f);
    TakeStairsDown();
    EXPECT_EQ(g_playerY, 0.0f);
    EXPECT_EQ(g_yaw, 10.0f);
    // Each on its own floor: up lands 5 towards -X, down 5 towards +X, Z kept.
    TakeStairsUp();
    EXPECT_EQ(g_playerY, 3.0f);
    EXPECT_EQ(g_playerX, 3.1f - 5.0f);
    EXPECT_EQ(g_posX, (3.0f - 3.1f) + 5.0f);
    EXPECT_EQ(g_posY, 0.0f);
    EXPECT_EQ(g_playerZ, -0.9f);
    EXPECT_EQ(g_yaw, 90.0f);
    PlacePlayer(3.1f, 3.0f, -0.9f, 10.0f);
    TakeStairsDown();
    EXPECT_EQ(g_playerY, 0.0f);
    EXPECT_EQ(g_playerX, 3.1f + 5.0f);
    EXPECT_EQ(g_posX, (3.0f - 3.1f) - 5.0f);
    EXPECT_EQ(g_posY, 3.0f);
    EXPECT_EQ(g_yaw, -90.0f);
}

TEST_F(MovementTest, TheOpenPassageDoesNotLeadOutOfTheHouse) {
    OpenBookcasePassage();
    // In the freed outer-wall cell (54, 50), walking on along +Z.
    PlacePlayer(10.7f, 0.0f, -0.15f, 180.0f);
    for (int press = 0; press < 10; ++press) {
        Press('w');
        ASSERT_LT(g_playerZ, 0.0f) << press;
        ASSERT_EQ(PlayerColumn(), 50) << press;
    }
    // The way into the room behind the bookcase is open: from the hall along +X through row 55.
    PlacePlayer(10.5f, 0.0f, -0.5f, -88.0f);
    Press('w', 20);
    EXPECT_GE(PlayerRow(), 60);
}

// A long seeded walk: runs of steps forward or back, turns, now and then a reset, with the
// passage opened half way. After every key the translation follows the position, the player
// stands inside the grid on a floor, and never stands in a wall cell of that floor, except in the
// cell where the latest stairs transfer landed, for as long as it has not stepped out of it.
TEST_F(MovementTest, RandomWalkKeepsThePoseAndStaysOutOfWalls) {
    std::mt19937 random(20240611u);
    const auto draw = [&](int count) { return static_cast<int>(random() % count); };
    constexpr int kKeyCount = 400'000;
    int transfersUp = 0, transfersDown = 0, refusals = 0, roomBehindBookcase = 0;
    bool inLandingCell = false;
    std::pair<int, int> landingCell;
    float worstDrift = 0.0f;
    int keys = 0;
    while (keys < kKeyCount) {
        if (keys >= kKeyCount / 2 && g_walkGrid[54][47].ground == kGroundWall) {
            OpenBookcasePassage();
        }
        const int choice = draw(100);
        char key;
        int repeat;
        if (choice < 1) {
            key = ' ';
            repeat = 1;
        } else if (choice < 35) {
            key = "aAdD"[draw(4)];
            repeat = 1 + draw(30);
        } else {
            key = choice < 85 ? "wW"[draw(2)] : "sS"[draw(2)];
            repeat = 1 + draw(60);
        }
        for (int i = 0; i < repeat && keys < kKeyCount; ++i, ++keys) {
            const float floorBefore = g_playerY;
            const std::pair cellBefore = {PlayerRow(), PlayerColumn()};
            const float xBefore = g_playerX, zBefore = g_playerZ;
            Press(key);
            const std::pair cell = {PlayerRow(), PlayerColumn()};
            ASSERT_TRUE(g_playerY == 0.0f || g_playerY == 3.0f) << keys;
            ASSERT_TRUE(CellInGrid(cell.first, cell.second)) << keys;
            ASSERT_TRUE(g_yaw > -360.0f && g_yaw < 360.0f) << keys;
            const float drift = std::max({std::fabs(g_posX - (3.0f - g_playerX)),
                                          std::fabs(g_posY - (3.0f - g_playerY)),
                                          std::fabs(g_posZ - (-1.0f - g_playerZ))});
            worstDrift = std::max(worstDrift, drift);
            ASSERT_LE(drift, 1e-4f) << keys;
            if (g_playerY != floorBefore && key != ' ') {
                (g_playerY == 3.0f ? transfersUp : transfersDown) += 1;
                inLandingCell = true;
                landingCell = cell;
            } else if (cell != cellBefore || key == ' ') {
                inLandingCell = false;
            }
            if ((key == 'w' || key == 'W' || key == 's' || key == 'S') &&
                g_playerY == floorBefore && std::fabs(g_playerX - xBefore) < 1e-5f &&
                std::fabs(g_playerZ - zBefore) < 1e-5f) {
                ++refusals;
            }
            if (g_playerY == 0.0f && cell.first >= 56) ++roomBehindBookcase;
            const WalkCell& value = g_walkGrid[cell.first][cell.second];
            const bool inWall =
                g_playerY == 0.0f ? value.ground == kGroundWall : value.upper == kUpperWall;
            if (inWall) {
                ASSERT_TRUE(inLandingCell && cell == landingCell)
                    << "key " << keys << " in wall cell " << cell.first << ", " << cell.second;
            }
        }
    }
    // The walk really went up and down the stairs, bumped into walls and behind the bookcase.
    EXPECT_GT(transfersUp, 10);
    EXPECT_GT(transfersDown, 10);
    EXPECT_GT(refusals, 1000);
    EXPECT_GT(roomBehindBookcase, 0);
    RecordProperty("worstDrift", std::to_string(worstDrift));
    std::printf("transfers up %d, down %d, refusals %d, keys behind the bookcase %d, drift %g\n",
                transfersUp, transfersDown, refusals, roomBehindBookcase,
                static_cast<double>(worstDrift));
}

}  // namespace
