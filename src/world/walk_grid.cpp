// Walkability grid. (To be filled in by the world work.)
#include "world/walk_grid.h"

std::int32_t g_gridResolution = 5;
WalkCell g_walkGrid[kGridRows][kGridColumns];

void InitWalkGrid() {}
std::int32_t CellRow(float) { return 0; }
std::int32_t CellColumn(float) { return 0; }
bool CellInGrid(std::int32_t row, std::int32_t column) {
    return row >= 0 && row < kGridRows && column >= 0 && column < kGridColumns;
}
