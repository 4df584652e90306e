// The wall layout: which cells each segment writes, the finished floor plan, the bookcase
// passage, and that both floors are closed to a walker.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>
#include <vector>

#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

using Cell = std::pair<int, int>;  // row, column
using CellSet = std::set<Cell>;

// A value no operation writes, to see exactly which cells a segment touched.
constexpr WalkCell kUntouched = {-7, -7};

// The cells each row of the floor plan writes, as the house's plan lists them: a range of rows
// by a range of columns. Typed from the plan, not from the segment table under test.
struct ExpectedSegment {
    int number;
    WallOperation operation;
    int firstRow, lastRow;
    int firstColumn, lastColumn;
};

// clang-format off
const ExpectedSegment kExpectedLayout[] = {
    {1, WallOperation::kMarkWall, 1, 25, 50, 50},
    {2, WallOperation::kMarkWall, 1, 1, 26, 50},
    {3, WallOperation::kMarkWall, 1, 25, 26, 26},
    {4, WallOperation::kMarkWall, 25, 25, 26, 45},
    {5, WallOperation::kMarkUpperWall, 2, 25, 50, 50},
    {6, WallOperation::kMarkUpperWall, 1, 1, 26, 50},
    {7, WallOperation::kMarkUpperWall, 1, 25, 26, 26},
    {8, WallOperation::kMarkUpperWall, 25, 25, 26, 45},
    {9, WallOperation::kMarkUpperWall, 1, 7, 43, 43},
    {10, WallOperation::kMarkUpperWall, 7, 7, 32, 43},
    {11, WallOperation::kMarkUpperWall, 1, 7, 32, 32},
    {12, WallOperation::kMarkUpperWall, 1, 3, 28, 28},
    {13, WallOperation::kMarkUpperWall, 3, 3, 26, 28},
    {14, WallOperation::kMarkUpperWall, 11, 15, 42, 42},
    {15, WallOperation::kMarkUpperWall, 15, 15, 34, 42},
    {16, WallOperation::kMarkUpperWall, 11, 15, 34, 34},
    {17, WallOperation::kMarkUpperWall, 11, 11, 34, 42},
    {18, WallOperation::kMarkUpperWall, 22, 25, 42, 42},
    {19, WallOperation::kMarkUpperWall, 22, 22, 34, 42},
    {20, WallOperation::kMarkUpperWall, 22, 25, 34, 34},
    {21, WallOperation::kMarkWall, 7, 26, 25, 25},
    {22, WallOperation::kMarkWall, 7, 7, 2, 25},
    {23, WallOperation::kMarkWall, 7, 37, 2, 2},
    {24, WallOperation::kMarkWall, 37, 37, 2, 10},
    {25, WallOperation::kMarkWall, 57, 61, 41, 41},
    {26, WallOperation::kMarkWall, 57, 57, 41, 45},
    {27, WallOperation::kMarkWall, 61, 61, 41, 44},
    {28, WallOperation::kMarkWall, 61, 65, 44, 44},
    {29, WallOperation::kMarkWall, 46, 65, 50, 50},
    {30, WallOperation::kMarkWall, 65, 65, 44, 50},
    {31, WallOperation::kMarkWall, 38, 38, 7, 10},
    {32, WallOperation::kMarkWall, 37, 41, 7, 7},
    {33, WallOperation::kMarkWall, 41, 41, 5, 7},
    {34, WallOperation::kMarkWall, 41, 52, 5, 5},
    {35, WallOperation::kMarkWall, 52, 52, 5, 25},
    {36, WallOperation::kMarkWall, 45, 52, 25, 25},
    {37, WallOperation::kMarkWall, 45, 45, 22, 25},
    {38, WallOperation::kMarkWall, 43, 45, 22, 22},
    {39, WallOperation::kMarkWall, 43, 43, 18, 22},
    {40, WallOperation::kMarkWall, 37, 43, 18, 18},
    {41, WallOperation::kMarkWall, 37, 37, 18, 26},
    {42, WallOperation::kMarkWall, 37, 55, 26, 26},
    {43, WallOperation::kMarkWall, 55, 55, 26, 45},
    {44, WallOperation::kMarkWall, 26, 55, 50, 50},
    {45, WallOperation::kMarkWall, 25, 26, 45, 45},
    {46, WallOperation::kMarkWall, 26, 26, 25, 45},
    {47, WallOperation::kMarkWall, 48, 48, 45, 50},
    {48, WallOperation::kMarkWall, 40, 48, 45, 45},
    {49, WallOperation::kMarkWall, 40, 40, 45, 50},
    {50, WallOperation::kMarkStairsUp, 49, 49, 45, 50},
    {51, WallOperation::kMarkStairsDown, 26, 26, 45, 50},
    {52, WallOperation::kMarkWall, 6, 19, 31, 31},
    {53, WallOperation::kMarkWall, 19, 19, 31, 38},
    {54, WallOperation::kMarkWall, 6, 19, 38, 38},
    {55, WallOperation::kMarkWall, 6, 6, 31, 38},
    {56, WallOperation::kMarkWall, 42, 42, 26, 29},
    {57, WallOperation::kMarkWall, 42, 46, 29, 29},
    {58, WallOperation::kMarkWall, 46, 46, 29, 33},
    {59, WallOperation::kMarkWall, 46, 49, 33, 33},
    {60, WallOperation::kMarkWall, 49, 49, 29, 33},
    {61, WallOperation::kMarkWall, 49, 50, 29, 29},
    {62, WallOperation::kMarkWall, 50, 50, 26, 29},
    {63, WallOperation::kMarkWall, 54, 56, 44, 44},
    {64, WallOperation::kMarkWall, 54, 54, 44, 51},  // column 51 lies outside the grid
    {65, WallOperation::kMarkWall, 26, 28, 32, 32},
    {66, WallOperation::kMarkWall, 28, 28, 30, 32},
    {67, WallOperation::kMarkWall, 26, 28, 30, 30},
    {68, WallOperation::kMarkWall, 12, 12, 21, 25},
    {69, WallOperation::kMarkWall, 12, 20, 21, 21},
    {70, WallOperation::kMarkWall, 20, 20, 21, 25},
    {71, WallOperation::kMarkWall, 7, 8, 20, 20},
    {72, WallOperation::kMarkWall, 8, 8, 9, 20},
    {73, WallOperation::kMarkWall, 7, 8, 9, 9},
    {74, WallOperation::kMarkWall, 10, 10, 2, 7},
    {75, WallOperation::kMarkWall, 10, 21, 7, 7},
    {76, WallOperation::kMarkWall, 21, 21, 6, 7},
    {77, WallOperation::kMarkWall, 21, 24, 6, 6},
    {78, WallOperation::kMarkWall, 24, 24, 2, 6},
    {79, WallOperation::kMarkWall, 26, 26, 2, 3},
    {80, WallOperation::kMarkWall, 26, 35, 3, 3},
    {81, WallOperation::kMarkWall, 35, 35, 2, 3},
};

// The passage: the closed footprint (rows 63 and 64 of the plan) cleared and the open one,
// 1.5 further towards -Z, walled; closing reverses it and redraws the wall at X 10.9.
const ExpectedSegment kExpectedOpening[] = {
    {1, WallOperation::kClearWall, 54, 56, 44, 44},
    {2, WallOperation::kClearWall, 54, 54, 44, 51},
    {3, WallOperation::kMarkWall, 54, 56, 37, 37},
    {4, WallOperation::kMarkWall, 54, 54, 37, 43},
    {5, WallOperation::kMarkWall, 54, 56, 43, 43},
};
const ExpectedSegment kExpectedClosing[] = {
    {1, WallOperation::kMarkWall, 54, 56, 44, 44},
    {2, WallOperation::kMarkWall, 54, 54, 44, 51},
    {3, WallOperation::kClearWall, 54, 56, 37, 37},
    {4, WallOperation::kClearWall, 54, 54, 37, 43},
    {5, WallOperation::kClearWall, 54, 56, 43, 43},
    {6, WallOperation::kMarkWall, 55, 55, 26, 45},
};
// clang-format on

void FillGrid(WalkCell value) {
    for (auto& row : g_walkGrid) std::fill(std::begin(row), std::end(row), value);
}

// The grid as start-up leaves it.
void BuildStartUpGrid() {
    std::memset(g_walkGrid, 0, sizeof g_walkGrid);
    InitWalkGrid();
    BuildWallLayout();
}

std::vector<WalkCell> GridCopy() {
    return std::vector<WalkCell>(&g_walkGrid[0][0], &g_walkGrid[0][0] + kGridRows * kGridColumns);
}

CellSet CellsInGrid(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    CellSet cells;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (CellInGrid(row, column)) cells.insert({row, column});
        }
    }
    return cells;
}

// The layer and value each operation writes.
WalkCell Written(WallOperation operation) {
    switch (operation) {
        case WallOperation::kMarkWall:
            return {kGroundWall, kUntouched.upper};
        case WallOperation::kClearWall:
            return {kGroundFree, kUntouched.upper};
        case WallOperation::kMarkUpperWall:
            return {kUntouched.ground, kUpperWall};
        case WallOperation::kMarkStairsUp:
            return {kGroundStairsUp, kUntouched.upper};
        case WallOperation::kMarkStairsDown:
            return {kUntouched.ground, kUpperStairsDown};
    }
    return kUntouched;
}

// Applies one segment to an untouched grid and returns the cells it wrote, failing the test when
// a cell got a value the operation does not write.
CellSet CellsWrittenBy(const WallSegment& segment) {
    FillGrid(kUntouched);
    ApplyWallSegment(segment);
    CellSet cells;
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            if (g_walkGrid[row][column] == kUntouched) continue;
            cells.insert({row, column});
            EXPECT_EQ(g_walkGrid[row][column], Written(segment.operation)) << row << ", " << column;
        }
    }
    return cells;
}

WallSegment Swapped(const WallSegment& segment) {
    return {segment.operation, segment.x2, segment.z2, segment.x1, segment.z1};
}

template <int Count>
void ExpectSegmentsWriteTheirCells(const WallSegment (&segments)[Count],
                                   const ExpectedSegment (&expected)[Count]) {
    for (int i = 0; i < Count; ++i) {
        SCOPED_TRACE(testing::Message() << "segment " << expected[i].number);
        EXPECT_EQ(segments[i].operation, expected[i].operation);
        const CellSet cells = CellsInGrid(expected[i].firstRow, expected[i].lastRow,
                                          expected[i].firstColumn, expected[i].lastColumn);
        EXPECT_EQ(CellsWrittenBy(segments[i]), cells);
        EXPECT_EQ(CellsWrittenBy(Swapped(segments[i])), cells) << "end points swapped";
    }
}

class WallLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { BuildStartUpGrid(); }
    void TearDown() override { BuildStartUpGrid(); }
};

TEST_F(WallLayoutTest, EverySegmentOfThePlanWritesExactlyItsCells) {
    ExpectSegmentsWriteTheirCells(kWallLayout, kExpectedLayout);
}

TEST_F(WallLayoutTest, PassageSegmentsWriteExactlyTheirCells) {
    ExpectSegmentsWriteTheirCells(kOpenBookcasePassage, kExpectedOpening);
    ExpectSegmentsWriteTheirCells(kCloseBookcasePassage, kExpectedClosing);
}

TEST_F(WallLayoutTest, SlantedSegmentsTakeOneCellPerRowOrPerColumn) {
    struct Case {
        WallSegment segment;
        CellSet cells;
    };
    const Case cases[] = {
        // Slope 0.5, closer to X: one cell per row, z = (x - x1) * s + z1.
        {{WallOperation::kMarkWall, 1.05f, -5.05f, 2.05f, -4.55f},
         {{6, 25}, {7, 26}, {8, 26}, {9, 27}, {10, 27}, {11, 28}}},
        // Slope 2.5, closer to Z: one cell per column, x = (z - z1) / s + x1.
        {{WallOperation::kMarkUpperWall, 1.05f, -5.05f, 1.45f, -4.05f},
         {{6, 25}, {6, 26}, {7, 27}, {7, 28}, {7, 29}, {8, 30}}},
        // A falling slope closer to Z.
        {{WallOperation::kMarkStairsUp, 1.45f, -5.05f, 1.05f, -4.05f},
         {{8, 25}, {7, 26}, {7, 27}, {7, 28}, {6, 29}, {6, 30}}},
        // Both end points the same: one cell.
        {{WallOperation::kMarkStairsDown, 3.1f, -0.9f, 3.1f, -0.9f}, {{16, 46}}},
        // Along X with equal z: the first case with slope 0.
        {{WallOperation::kClearWall, 3.1f, -0.9f, 3.5f, -0.9f}, {{16, 46}, {17, 46}, {18, 46}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CellsWrittenBy(c.segment), c.cells) << c.segment.x1 << ", " << c.segment.z1;
        EXPECT_EQ(CellsWrittenBy(Swapped(c.segment)), c.cells) << "swapped " << c.segment.x1;
    }
}

TEST_F(WallLayoutTest, SegmentsReachingPastTheGridWriteOnlyItsCells) {
    EXPECT_EQ(CellsWrittenBy({WallOperation::kMarkWall, 13.5f, -0.5f, 14.5f, -0.5f}),
              CellsInGrid(68, 70, 48, 48));
    EXPECT_EQ(CellsWrittenBy({WallOperation::kMarkUpperWall, -0.5f, -10.5f, -0.5f, 0.5f}),
              CellSet{});
    EXPECT_EQ(CellsWrittenBy({WallOperation::kMarkWall, 1.0f, -0.5f, 1.0f, 0.5f}),
              CellsInGrid(6, 6, 48, 50));
}

TEST_F(WallLayoutTest, StartUpPlanHasTheStartCellFreeAndBothStairs) {
    EXPECT_EQ(g_walkGrid[16][46].upper, kUpperFree);
    for (int column = 45; column <= 50; ++column) {
        EXPECT_EQ(g_walkGrid[26][column].upper, kUpperStairsDown) << column;
        // The stairs-up trigger comes after the outer wall through the same row and wins.
        EXPECT_EQ(g_walkGrid[49][column].ground, kGroundStairsUp) << column;
    }
    EXPECT_EQ(g_walkGrid[48][50].ground, kGroundWall);
    EXPECT_EQ(g_walkGrid[50][50].ground, kGroundWall);
    // The bookcase closes the gap of the wall at X 10.9.
    for (int column = 44; column <= 50; ++column) EXPECT_EQ(g_walkGrid[54][column].ground, 1);
    for (int row : {55, 56}) EXPECT_EQ(g_walkGrid[row][44].ground, kGroundWall) << row;
    for (int column = 46; column <= 49; ++column) {
        EXPECT_EQ(g_walkGrid[55][column].ground, kGroundFree) << column;
    }
    // Row 70 was never freed by the start-up and still reads 0 and 0.
    EXPECT_EQ(g_walkGrid[70][25], (WalkCell{0, 0}));
}

TEST_F(WallLayoutTest, OpeningMovesTheBookcaseFootprint) {
    OpenBookcasePassage();
    for (int column = 37; column <= 43; ++column) {
        EXPECT_EQ(g_walkGrid[54][column].ground, kGroundWall) << column;
    }
    for (int column = 44; column <= 50; ++column) {
        EXPECT_EQ(g_walkGrid[54][column].ground, kGroundFree) << column;
    }
    EXPECT_EQ(g_walkGrid[56][37].ground, kGroundWall);
    EXPECT_EQ(g_walkGrid[56][43].ground, kGroundWall);
    EXPECT_EQ(g_walkGrid[55][44].ground, kGroundFree);
    EXPECT_EQ(g_walkGrid[56][44].ground, kGroundFree);
    // The outer-wall cell at the bookcase's old end is free now.
    EXPECT_EQ(g_walkGrid[54][50].ground, kGroundFree);
    const std::vector<WalkCell> opened = GridCopy();
    OpenBookcasePassage();
    EXPECT_EQ(GridCopy(), opened) << "a second opening changes nothing";
}

TEST_F(WallLayoutTest, ClosingRestoresTheStartUpGridCellForCell) {
    const std::vector<WalkCell> startUp = GridCopy();
    OpenBookcasePassage();
    ASSERT_NE(GridCopy(), startUp);
    CloseBookcasePassage();
    EXPECT_EQ(GridCopy(), startUp);
    CloseBookcasePassage();
    EXPECT_EQ(GridCopy(), startUp) << "closing a closed passage";
    for (const Cell& cell : {Cell{55, 37}, Cell{55, 43}, Cell{55, 44}}) {
        EXPECT_EQ(g_walkGrid[cell.first][cell.second].ground, kGroundWall) << cell.first;
    }
}

// Where a walker can get to on one floor. A step is 0.1 and a cell 0.2, so one step reaches the
// eight neighbours (only the destination cell is tested, also across a corner). Blocked cells
// are not entered; trigger cells are entered but carry the walker off this floor. The start
// cells are expanded whatever they hold, since a stairs landing may lie in a wall cell.
struct Reach {
    CellSet floor;          // cells the walker stands on while staying on this floor
    CellSet triggers;       // trigger cells entered (the walker leaves the floor there)
    CellSet nextToOutside;  // reached cells with a neighbour outside the grid
};

Reach FloodFloor(const std::vector<Cell>& starts, bool upper) {
    const int blocked = upper ? kUpperWall : kGroundWall;
    const int trigger = upper ? kUpperStairsDown : kGroundStairsUp;
    Reach reach;
    std::vector<Cell> open(starts.begin(), starts.end());
    for (const Cell& cell : starts) reach.floor.insert(cell);
    while (!open.empty()) {
        const Cell cell = open.back();
        open.pop_back();
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                const Cell next = {cell.first + dr, cell.second + dc};
                if (!CellInGrid(next.first, next.second)) {
                    reach.nextToOutside.insert(cell);
                    continue;
                }
                const WalkCell& value = g_walkGrid[next.first][next.second];
                const int layer = upper ? value.upper : value.ground;
                if (layer == blocked || reach.floor.count(next)) continue;
                if (layer == trigger) {
                    reach.triggers.insert(next);
                    continue;
                }
                reach.floor.insert(next);
                open.push_back(next);
            }
        }
    }
    return reach;
}

int MinRow(const CellSet& cells) {
    return cells.begin()->first;
}
int MaxRow(const CellSet& cells) {
    return cells.rbegin()->first;
}

// The six cells a walk down the stairs can land in.
std::vector<Cell> StairsDownLanding() {
    std::vector<Cell> cells;
    for (int column = 45; column <= 50; ++column) cells.push_back({51, column});
    return cells;
}

TEST_F(WallLayoutTest, UpperFloorIsLeftOnlyByTheStairsDown) {
    const Reach reach = FloodFloor({{16, 46}}, true);
    for (const Cell& cell : reach.floor) {
        EXPECT_TRUE(cell.first >= 1 && cell.first <= 25 && cell.second >= 26 && cell.second <= 50)
            << cell.first << ", " << cell.second;
    }
    EXPECT_TRUE(reach.nextToOutside.empty());
    EXPECT_FALSE(reach.triggers.empty());
    for (const Cell& cell : reach.triggers) EXPECT_EQ(cell.first, 26) << cell.second;
    // The landing of the stairs up, row 24, belongs to the same closed floor.
    EXPECT_TRUE(reach.floor.count({24, 47}));
}

TEST_F(WallLayoutTest, GroundFloorReachesRowsTwoToFiftyFourWhileThePassageIsShut) {
    const Reach reach = FloodFloor(StairsDownLanding(), false);
    EXPECT_EQ(MinRow(reach.floor), 2);
    EXPECT_EQ(MaxRow(reach.floor), 54);
    // Only the landing cell in the outer wall borders the outside; steps out of the grid are
    // refused by the walking.
    EXPECT_EQ(reach.nextToOutside, (CellSet{{51, 50}}));
    // The way back up is among the cells reached.
    EXPECT_EQ(reach.triggers, CellsInGrid(49, 49, 45, 50));
}

TEST_F(WallLayoutTest, OpenPassageLeadsIntoTheRoomBehindTheBookcaseButNotOutOfTheGrid) {
    OpenBookcasePassage();
    const Reach reach = FloodFloor(StairsDownLanding(), false);
    EXPECT_EQ(MinRow(reach.floor), 2);
    EXPECT_EQ(MaxRow(reach.floor), 64);
    EXPECT_TRUE(reach.floor.count({55, 44}));
    EXPECT_TRUE(reach.floor.count({60, 47}));
    // The freed cell of the outer wall borders the outside too; the walking refuses steps out
    // of the grid, so the house is not left there.
    EXPECT_EQ(reach.nextToOutside, (CellSet{{51, 50}, {54, 50}}));
    CloseBookcasePassage();
    EXPECT_EQ(MaxRow(FloodFloor(StairsDownLanding(), false).floor), 54);
}

}  // namespace
