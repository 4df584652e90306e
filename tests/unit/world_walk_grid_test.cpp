// The walkability grid: world coordinates to cells in single precision with truncation toward
// zero, and the free grid that start-up begins from.
#include <gtest/gtest.h>

#include <cstring>

#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

// The grid as the process creates it, then as start-up leaves it; other tests find it so.
void RestoreStartUpGrid() {
    std::memset(g_walkGrid, 0, sizeof g_walkGrid);
    InitWalkGrid();
    BuildWallLayout();
}

TEST(WalkGridTest, WorldXGivesTheRowOfItsCell) {
    struct Case {
        float x;
        int row;
    };
    const Case cases[] = {
        {0.0f, 1},
        {0.1f, 1},
        {0.2f, 2},
        {3.0f, 16},
        {4.9f, 25},
        {5.0f, 26},
        {9.65f, 49},
        {10.65f, 54},
        {10.9f, 55},
        {11.0f, 56},
        {12.8f, 65},
        {13.8f, 70},
        // Boundaries belong to the higher row; just below one stays in the lower.
        {0.19999f, 1},
        {9.6f, 49},
        {9.79999f, 49},
        {9.8f, 50},
        {4.6f, 24},
        {4.8f, 25},
        {10.0f, 51},
        {13.9999f, 70},
        {14.0f, 71},
        // Truncation toward zero: the whole band from -0.4 to 0 (exclusive) is row 0.
        {-0.0f, 1},
        {-0.0001f, 0},
        {-0.1f, 0},
        {-0.2f, 0},
        {-0.39f, 0},
        {-0.4f, -1},
        {-0.5f, -1},
        {-0.6f, -2},
    };
    for (const Case& c : cases) EXPECT_EQ(CellRow(c.x), c.row) << "x " << c.x;
}

TEST(WalkGridTest, WorldZGivesTheColumnOfItsCell) {
    struct Case {
        float z;
        int column;
    };
    const Case cases[] = {
        {-10.0f, 1},
        {-9.67f, 2},
        {-4.9f, 26},
        {-2.72f, 37},
        {-1.6f, 43},
        {-1.22f, 44},
        {-1.2f, 45},
        {-1.1f, 45},
        {-1.0f, 46},
        {-0.2f, 50},
        {-0.1f, 50},
        {0.0f, 51},
        {0.1f, 51},
        {-9.5f, 3},
        {-0.8f, 47},
        {-0.0001f, 50},
        // -9.8f lies just beyond -9.8 and stays in column 1.
        {-9.8f, 1},
        // Left of Z -10 the truncation keeps the band down to -10.4 in column 0 (-10.4f lies
        // just inside it).
        {-10.1f, 0},
        {-10.39f, 0},
        {-10.4f, 0},
        {-10.41f, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(CellColumn(c.z), c.column) << "z " << c.z;
}

TEST(WalkGridTest, ConversionRoundsEveryStepToSinglePrecision) {
    // 4.6f lies just below 4.6: exact arithmetic gives 23.9999995, which would truncate to 23,
    // but the product rounds to 23.0f in single precision and the row is 24. 1.4f likewise.
    EXPECT_LT(static_cast<double>(4.6f) * 5.0 + 1.0, 24.0);
    EXPECT_EQ(CellRow(4.6f), 24);
    EXPECT_LT(static_cast<double>(1.4f) * 5.0 + 1.0, 8.0);
    EXPECT_EQ(CellRow(1.4f), 8);
    // Just left of X 0 the product rounds to exactly -2^-25, and 1 - 2^-25 is a tie that
    // rounds to 1.0f: row 1. Rounding the whole expression once (in double, or fused into one
    // multiply-add) gives 0.99999997 and row 0.
    EXPECT_EQ(CellRow(-0x1.99999ap-28f), 1);
    EXPECT_EQ(static_cast<int>(-0x1.99999ap-28 * 5.0 + 1.0), 0);
    // -8.6f lies just beyond -8.6 and stays in column 7 although 1.4 from -10 starts column 8.
    EXPECT_EQ(CellColumn(-8.6f), 7);
}

TEST(WalkGridTest, InitFreesRowsZeroToSixtyNineAndLeavesRowSeventy) {
    for (auto& row : g_walkGrid) {
        for (WalkCell& cell : row) cell = {9, 9};
    }
    InitWalkGrid();
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const WalkCell expected = row < 70 ? WalkCell{kGroundFree, kUpperFree} : WalkCell{9, 9};
            ASSERT_EQ(g_walkGrid[row][column], expected) << row << ", " << column;
        }
    }
    // From the zeros of a new process, row 70 reads 0 and 0: free on both floors.
    std::memset(g_walkGrid, 0, sizeof g_walkGrid);
    InitWalkGrid();
    for (int column = 0; column < kGridColumns; ++column) {
        EXPECT_EQ(g_walkGrid[70][column], (WalkCell{0, 0}));
        EXPECT_EQ(g_walkGrid[69][column], (WalkCell{0, 3}));
    }
    RestoreStartUpGrid();
}

TEST(WalkGridTest, CellsInsideTheGridAreRowsZeroToSeventyAndColumnsZeroToFifty) {
    EXPECT_TRUE(CellInGrid(0, 0));
    EXPECT_TRUE(CellInGrid(70, 50));
    EXPECT_FALSE(CellInGrid(71, 0));
    EXPECT_FALSE(CellInGrid(0, 51));
    EXPECT_FALSE(CellInGrid(-1, 10));
    EXPECT_FALSE(CellInGrid(10, -1));
}

TEST(WalkGridTest, FarAwayCoordinatesStayOutsideTheGrid) {
    for (float far : {1e12f, -1e12f, 3e38f}) {
        EXPECT_FALSE(CellInGrid(CellRow(far), 10)) << far;
        EXPECT_FALSE(CellInGrid(10, CellColumn(far))) << far;
    }
}

}  // namespace
