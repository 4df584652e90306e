// The floor plan of the house as the data generator reads it from the game's wall layout table:
// the segments written into cells exactly as the game writes them, each cell remembering what
// kind of thing marked it (a wall, a piece of furniture, the stairs, the bookcase), so that the
// walls and furniture of the model stand in the very cells the player bumps into.
#pragma once

#include <cstdint>  // Required for: std::int32_t

namespace house {

// One past the game's grid on every side that the house touches: the grid ends at Z 0.0
// (column 51), and the house's outer walls and the bookcase reach a little beyond.
inline constexpr int kPlanRows = 72;
inline constexpr int kPlanColumns = 53;
inline constexpr double kCell = 0.2;

// What marked a cell; later segments win, as in the game.
enum class CellKind : std::uint8_t {
    kFree,
    kWall,       // walls of the house
    kFurniture,  // an obstacle that is a piece of furniture
    kStairs,     // the solid block under the stairs
    kTrigger,    // a stairs trigger
    kBookcase,   // the bookcase in its closed position
};

// World X and Z to cell, with the game's own single-precision arithmetic.
std::int32_t CellRow(float x);
std::int32_t CellColumn(float z);
// The extent of a cell in world units.
inline double RowMinX(int row) {
    return (row - 1) * kCell;
}
inline double RowMaxX(int row) {
    return row * kCell;
}
inline double ColumnMinZ(int column) {
    return -10.0 + (column - 1) * kCell;
}
inline double ColumnMaxZ(int column) {
    return -10.0 + column * kCell;
}

// A rectangle of cells, both ends included.
struct CellRange {
    int firstRow = 0, lastRow = -1, firstColumn = 0, lastColumn = -1;
    double MinX() const { return RowMinX(firstRow); }
    double MaxX() const { return RowMaxX(lastRow); }
    double MinZ() const { return ColumnMinZ(firstColumn); }
    double MaxZ() const { return ColumnMaxZ(lastColumn); }
};

struct FloorPlan {
    CellKind ground[kPlanRows][kPlanColumns];
    CellKind upper[kPlanRows][kPlanColumns];
    // Cells any wall segment passes through, also where a trigger or the bookcase was written
    // over the wall later: the wall itself is still there.
    bool groundWall[kPlanRows][kPlanColumns];
    bool upperWall[kPlanRows][kPlanColumns];
    // Ground cells outside the house: reached from the edge of the plan without crossing a
    // wall or the bookcase.
    bool outside[kPlanRows][kPlanColumns];

    bool GroundIs(int row, int column, CellKind kind) const;
    bool UpperIs(int row, int column, CellKind kind) const;
    bool Outside(int row, int column) const;
};

// The plan, built once from the layout table.
const FloorPlan& Plan();
// The cells marked by layout rows first to last (1-based, as the table is numbered).
CellRange SegmentCells(int firstLayoutRow, int lastLayoutRow);

}  // namespace house
