// Walkability grid: the cells of both floors and the conversion from world X and Z to cells.
// Depends on nothing but the grid's own constants; the wall layout writes it, the walking reads it.
#include "world/walk_grid.h"

#include "world/float_rounding.h"

// Past this many cells a coordinate is far outside the house; it stays far outside instead of
// overflowing the conversion to an integer.
static constexpr float kFarOutsideCell = 1.0e6f;

std::int32_t g_gridResolution = 5;
WalkCell g_walkGrid[kGridRows][kGridColumns];

// Frees rows 0 to 69 on both floors. The row bound, resolution times 13.8 plus one in double, is
// exactly 70 and exclusive, so row 70 keeps the zeros it was created with; both read as free.
void InitWalkGrid() {
    const double rowBound = RoundedToDouble(g_gridResolution * 13.8) + 1;
    for (int row = 0; row < rowBound && row < kGridRows; ++row) {
        for (int column = 0; column < g_gridResolution * 10 + 1 && column < kGridColumns;
             ++column) {
            g_walkGrid[row][column].ground = kGroundFree;
            g_walkGrid[row][column].upper = kUpperFree;
        }
    }
}

// One coordinate to its cell index: origin off, times the resolution, plus one, each rounded to
// single precision, then truncated toward zero (so X just below 0 still falls in row 0).
static std::int32_t CellIndex(float coordinate, float origin) {
    const float shifted = RoundedToFloat(coordinate - origin);
    const float scaled = RoundedToFloat(shifted * static_cast<float>(g_gridResolution));
    const float cell = RoundedToFloat(scaled + 1.0f);
    if (!(cell > -kFarOutsideCell && cell < kFarOutsideCell)) return -1;
    return static_cast<std::int32_t>(cell);
}

// Row 1 starts at X 0.0.
std::int32_t CellRow(float x) {
    return CellIndex(x, 0.0f);
}

// Column 1 starts at Z -10.0.
std::int32_t CellColumn(float z) {
    return CellIndex(z, -10.0f);
}

// Rows 0 to 70, columns 0 to 50.
bool CellInGrid(std::int32_t row, std::int32_t column) {
    return row >= 0 && row < kGridRows && column >= 0 && column < kGridColumns;
}
