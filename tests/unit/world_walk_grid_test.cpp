// World coordinates to cells, the cells a wall segment writes, where the player can stand.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "rule_harness.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

using Cell = std::pair<int, int>;  // row, column
using CellSet = std::set<Cell>;

class WalkGridTest : public ::testing::Test {
protected:
    void SetUp() override { BuildStartUpGrid(); }
    void TearDown() override { BuildStartUpGrid(); }
};

TEST(WalkGridCellTest, WorldCoordinatesGiveTheCellsTheyLieIn) {
    // Row 1 starts at X 0 and column 1 at Z -10, 0.2 wide; an edge belongs to the higher cell,
    // and truncation toward zero keeps the band just below the origin in cell 0. 4.6f and 1.4f
    // lie just below 4.6 and 1.4: exact arithmetic would truncate to the row below, the product
    // rounded to single precision does not. Just left of X 0 the product rounds to -2^-25, and
    // 1 - 2^-25 ties to 1.0f: row 1 (one rounding of the whole, as a fused multiply-add does,
    // would give row 0). -9.8f and -8.6f lie just beyond -9.8 and -8.6: columns 1 and 7.
    const std::pair<float, int> rows[] = {
        {0.0f, 1},      {0.19999f, 1}, {0.2f, 2},     {9.79999f, 49},       {9.8f, 50},
        {13.9999f, 70}, {14.0f, 71},   {-0.0001f, 0}, {-0.39f, 0},          {-0.4f, -1},
        {-0.6f, -2},    {4.6f, 24},    {1.4f, 8},     {-0x1.99999ap-28f, 1}};
    for (const auto& [x, row] : rows) EXPECT_EQ(CellRow(x), row) << "x " << x;
    const std::pair<float, int> columns[] = {{-10.0f, 1}, {-9.8f, 1},     {-8.6f, 7}, {-1.22f, 44},
                                             {-1.2f, 45}, {-0.0001f, 50}, {0.0f, 51}, {-10.39f, 0},
                                             {-10.4f, 0}, {-10.41f, -1}};
    for (const auto& [z, column] : columns) EXPECT_EQ(CellColumn(z), column) << "z " << z;
    for (float far : {1e12f, -1e12f, 3e38f}) {
        EXPECT_FALSE(CellInGrid(CellRow(far), 10)) << far;
        EXPECT_FALSE(CellInGrid(10, CellColumn(far))) << far;
    }
    EXPECT_TRUE(CellInGrid(0, 0) && CellInGrid(70, 50));
    for (const Cell& outside : {Cell{71, 0}, Cell{0, 51}, Cell{-1, 10}, Cell{10, -1}}) {
        EXPECT_FALSE(CellInGrid(outside.first, outside.second)) << outside.first;
    }
}

void FillGrid(WalkCell value) {
    std::fill(&g_walkGrid[0][0], &g_walkGrid[0][0] + kGridRows * kGridColumns, value);
}

// Free is 0 downstairs and 3 upstairs.
TEST_F(WalkGridTest, InitFreesRowsZeroToSixtyNineAndLeavesRowSeventy) {
    FillGrid({9, 9});
    InitWalkGrid();
    const std::vector<WalkCell> grid = GridCopy();
    for (int i = 0; i < kGridRows * kGridColumns; ++i) {
        ASSERT_EQ(grid[i], (i / kGridColumns < 70 ? WalkCell{0, 3} : WalkCell{9, 9})) << i;
    }
}

// Applies one segment to a grid of a value no operation writes and returns the cells it wrote,
// failing the test when a cell got another value than the operation's, or on the other floor.
CellSet CellsWrittenBy(const WallSegment& segment) {
    constexpr int kUntouched = -7;
    const WalkCell written[] = {{kGroundWall, kUntouched},
                                {kGroundFree, kUntouched},
                                {kUntouched, kUpperWall},
                                {kGroundStairsUp, kUntouched},
                                {kUntouched, kUpperStairsDown}};
    FillGrid({kUntouched, kUntouched});
    ApplyWallSegment(segment);
    const std::vector<WalkCell> grid = GridCopy();
    CellSet cells;
    for (int i = 0; i < kGridRows * kGridColumns; ++i) {
        if (grid[i] == WalkCell{kUntouched, kUntouched}) continue;
        cells.insert({i / kGridColumns, i % kGridColumns});
        EXPECT_EQ(grid[i], written[static_cast<int>(segment.operation)]) << i;
    }
    return cells;
}

TEST_F(WalkGridTest, SegmentsWriteOneCellPerRowOrPerColumnFromEitherEnd) {
    using Op = WallOperation;
    struct Case {
        WallSegment segment;
        CellSet cells;
    };
    const Case cases[] = {
        // Slope 0.5, closer to X: one cell per row, z = (x - x1) * s + z1.
        {{Op::kMarkWall, 1.05f, -5.05f, 2.05f, -4.55f},
         {{6, 25}, {7, 26}, {8, 26}, {9, 27}, {10, 27}, {11, 28}}},
        // Slope -0.5.
        {{Op::kClearWall, 1.05f, -4.55f, 2.05f, -5.05f},
         {{6, 28}, {7, 27}, {8, 27}, {9, 26}, {10, 26}, {11, 25}}},
        // Slope 2.5, closer to Z: one cell per column, x = (z - z1) / s + x1.
        {{Op::kMarkUpperWall, 1.05f, -5.05f, 1.45f, -4.05f},
         {{6, 25}, {6, 26}, {7, 27}, {7, 28}, {7, 29}, {8, 30}}},
        // Slope -2.5.
        {{Op::kMarkStairsUp, 1.45f, -5.05f, 1.05f, -4.05f},
         {{8, 25}, {7, 26}, {7, 27}, {7, 28}, {6, 29}, {6, 30}}},
        // Both end points the same: one cell; along X with equal Z: slope 0.
        {{Op::kMarkStairsDown, 3.1f, -0.9f, 3.1f, -0.9f}, {{16, 46}}},
        {{Op::kClearWall, 3.1f, -0.9f, 3.5f, -0.9f}, {{16, 46}, {17, 46}, {18, 46}}},
        // Past the grid's last row or column, or wholly outside it: only cells inside.
        {{Op::kMarkWall, 13.5f, -0.5f, 14.5f, -0.5f}, {{68, 48}, {69, 48}, {70, 48}}},
        {{Op::kMarkWall, 1.0f, -0.5f, 1.0f, 0.5f}, {{6, 48}, {6, 49}, {6, 50}}},
        {{Op::kMarkUpperWall, -0.5f, -10.5f, -0.5f, 0.5f}, {}},
    };
    for (const Case& c : cases) {
        const WallSegment& s = c.segment;
        SCOPED_TRACE(testing::Message() << s.x1 << ", " << s.z1 << " to " << s.x2 << ", " << s.z2);
        EXPECT_EQ(CellsWrittenBy(s), c.cells);
        EXPECT_EQ(CellsWrittenBy({s.operation, s.x2, s.z2, s.x1, s.z1}), c.cells) << "swapped";
    }
}

// Cells a walker reaches on one floor (eight neighbours); stairs cells go into `stairs`.
CellSet FloodFloor(const CellSet& starts, bool upper, CellSet* stairs = nullptr) {
    std::vector<Cell> open(starts.begin(), starts.end());
    CellSet reached = starts;
    while (!open.empty()) {
        const Cell cell = open.back();
        open.pop_back();
        for (int next = 0; next < 9; ++next) {
            const int row = cell.first + next / 3 - 1, column = cell.second + next % 3 - 1;
            if (!CellInGrid(row, column) || reached.count({row, column})) continue;
            const int value =
                upper ? g_walkGrid[row][column].upper : g_walkGrid[row][column].ground;
            if (value == (upper ? kUpperStairsDown : kGroundStairsUp) && stairs) {
                stairs->insert({row, column});
            } else if (value == (upper ? kUpperFree : kGroundFree)) {
                reached.insert({row, column});
                open.push_back({row, column});
            }
        }
    }
    return reached;
}

CellSet CellsOfRow(int row, int firstColumn, int lastColumn) {
    CellSet cells;
    for (int column = firstColumn; column <= lastColumn; ++column) cells.insert({row, column});
    return cells;
}
const CellSet kGroundLanding = CellsOfRow(51, 45, 50);  // where the stairs down land

// Each floor is left only by its stairs; the open passage leads on to row 64. The number of cells
// to stand on pins the rest of the plan.
TEST_F(WalkGridTest, EachFloorIsClosedAndLeftOnlyByItsStairs) {
    CellSet stairs;
    EXPECT_EQ(FloodFloor({{16, 46}}, true, &stairs).size(), 385u);
    EXPECT_EQ(stairs, CellsOfRow(26, 45, 50));
    for (const bool open : {false, true}) {
        SCOPED_TRACE(open ? "passage open" : "passage shut");
        if (open) OpenBookcasePassage();
        stairs.clear();
        const CellSet ground = FloodFloor(kGroundLanding, false, &stairs);
        EXPECT_EQ(ground.size(), open ? 1766u : 1707u);
        EXPECT_EQ(ground.begin()->first, 2);
        EXPECT_EQ(ground.rbegin()->first, open ? 64 : 54);
        EXPECT_EQ(stairs, CellsOfRow(49, 45, 50)) << "the stairs up win over the wall";
    }
}

// Inside furniture and behind the shut bookcase the player never stands; in the rooms it does.
TEST_F(WalkGridTest, PlacesThePlayerCanAndCannotReach) {
    struct Probe {
        const char* place;
        float x, z;
        bool upper, reachedShut, reachedOpen;
    };
    const Probe probes[] = {{"start", 3.0f, -1.0f, true, true, true},
                            {"in the bed", 0.6f, -2.6f, true, false, false},
                            {"in the cabinet", 4.65f, -2.5f, true, false, false},
                            {"in the boiler", 2.4f, -3.2f, false, false, false},
                            {"kitchen", 9.0f, -7.2f, false, true, true},
                            {"where the bookcase slides", 10.7f, -2.2f, false, true, false},
                            {"behind the bookcase", 12.0f, -0.6f, false, false, true}};
    for (const bool open : {false, true}) {
        if (open) OpenBookcasePassage();
        const CellSet upper = FloodFloor({{16, 46}}, true);
        const CellSet ground = FloodFloor(kGroundLanding, false);
        for (const Probe& p : probes) {
            const bool reached = (p.upper ? upper : ground).count({CellRow(p.x), CellColumn(p.z)});
            EXPECT_EQ(reached, open ? p.reachedOpen : p.reachedShut)
                << p.place << (open ? ", passage open" : ", passage shut");
        }
    }
}

}  // namespace
