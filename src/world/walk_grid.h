// The walkability grid: 71 by 51 cells of 0.2 world units over the floor plan, one value for
// the ground floor and one for the upper floor. Rows follow world X, columns world Z.
#pragma once

#include <cstdint>  // Required for: std::int32_t

struct WalkCell {
    std::int32_t ground;  // 0 free, 1 wall, 2 stairs up
    std::int32_t upper;   // 3 free, 4 wall, 5 stairs down (row 70 keeps 0, which reads as free)

    bool operator==(const WalkCell&) const = default;
};

inline constexpr int kGridRows = 71;
inline constexpr int kGridColumns = 51;

inline constexpr std::int32_t kGroundFree = 0;
inline constexpr std::int32_t kGroundWall = 1;
inline constexpr std::int32_t kGroundStairsUp = 2;
inline constexpr std::int32_t kUpperFree = 3;
inline constexpr std::int32_t kUpperWall = 4;
inline constexpr std::int32_t kUpperStairsDown = 5;

extern std::int32_t g_gridResolution;  // cells per world unit (5)
extern WalkCell g_walkGrid[kGridRows][kGridColumns];

// Fills rows 0 to 69 with free cells on both floors; row 70 is left as it was.
void InitWalkGrid();
// World X to grid row, and world Z to grid column, in single precision, truncated toward zero.
std::int32_t CellRow(float x);
std::int32_t CellColumn(float z);
// True when (row, column) lies inside the grid.
bool CellInGrid(std::int32_t row, std::int32_t column);
