// Wall layout: straight segments on the floor plan turned into lines of grid cells, the house's
// floor plan written from its table, and the bookcase passage opened and closed again.
// Depends on: the walkability grid (cells and the world-to-cell conversion).
#include "world/wall_layout.h"

#include <cmath>    // Required for: std::fabs()
#include <utility>  // Required for: std::swap()

#include "world/float_rounding.h"
#include "world/walk_grid.h"

namespace {

// Which of a cell's two values a segment writes.
enum class Layer { kGround, kUpper };

// Sets one cell's layer. The bookcase's segment runs to Z 0.1, one column past the grid; that
// end lies outside the house and is dropped.
void WriteCell(std::int32_t row, std::int32_t column, Layer layer, std::int32_t value) {
    if (!CellInGrid(row, column)) return;
    if (layer == Layer::kGround) {
        g_walkGrid[row][column].ground = value;
    } else {
        g_walkGrid[row][column].upper = value;
    }
}

// Writes a segment as a line one cell wide: one cell per row when it runs closer to X, one per
// column when it runs closer to Z, both end cells included. The arithmetic stays in single
// precision step by step, since which cell an end point falls in depends on it; the walk always
// starts from the end with the smaller X (or Z), so either order of the end points gives the same
// cells.
void WriteSegment(float x1, float z1, float x2, float z2, Layer layer, std::int32_t value) {
    const float cellSize = 1.0f / static_cast<float>(g_gridResolution);
    if (x1 != x2) {
        const float slope = RoundedToFloat(z2 - z1) / RoundedToFloat(x2 - x1);
        if (std::fabs(slope) <= 1.0f) {
            if (x1 > x2) {
                std::swap(x1, x2);
                std::swap(z1, z2);
            }
            const std::int32_t lastRow = CellRow(x2);
            float x = x1;
            for (std::int32_t row = CellRow(x1); row <= lastRow; ++row) {
                const float along = RoundedToFloat(x - x1);
                const float z = RoundedToFloat(RoundedToFloat(along * slope) + z1);
                WriteCell(row, CellColumn(z), layer, value);
                x = RoundedToFloat(x + cellSize);
            }
        } else {
            if (z1 > z2) {
                std::swap(x1, x2);
                std::swap(z1, z2);
            }
            const std::int32_t lastColumn = CellColumn(z2);
            float z = z1;
            for (std::int32_t column = CellColumn(z1); column <= lastColumn; ++column) {
                const float along = RoundedToFloat(z - z1);
                const float x = RoundedToFloat(RoundedToFloat(along / slope) + x1);
                WriteCell(CellRow(x), column, layer, value);
                z = RoundedToFloat(z + cellSize);
            }
        }
        return;
    }
    if (z1 > z2) std::swap(z1, z2);
    const std::int32_t row = CellRow(x1);
    const std::int32_t lastColumn = CellColumn(z2);
    for (std::int32_t column = CellColumn(z1); column <= lastColumn; ++column) {
        WriteCell(row, column, layer, value);
    }
}

// Applies every segment of a table, in order: later segments win where they cross.
template <int Count>
void ApplyWallSegments(const WallSegment (&segments)[Count]) {
    for (const WallSegment& segment : segments) ApplyWallSegment(segment);
}

}  // namespace

// A ground-floor wall or obstacle.
void MarkWall(float x1, float z1, float x2, float z2) {
    WriteSegment(x1, z1, x2, z2, Layer::kGround, kGroundWall);
}

// Frees ground-floor cells, also those another wall passes through.
void ClearWall(float x1, float z1, float x2, float z2) {
    WriteSegment(x1, z1, x2, z2, Layer::kGround, kGroundFree);
}

// An upper-floor wall or obstacle.
void MarkUpperWall(float x1, float z1, float x2, float z2) {
    WriteSegment(x1, z1, x2, z2, Layer::kUpper, kUpperWall);
}

// Ground-floor cells that carry the player upstairs.
void MarkStairsUp(float x1, float z1, float x2, float z2) {
    WriteSegment(x1, z1, x2, z2, Layer::kGround, kGroundStairsUp);
}

// Upper-floor cells that carry the player downstairs.
void MarkStairsDown(float x1, float z1, float x2, float z2) {
    WriteSegment(x1, z1, x2, z2, Layer::kUpper, kUpperStairsDown);
}

// Dispatches one table row to its operation.
void ApplyWallSegment(const WallSegment& segment) {
    const float x1 = segment.x1, z1 = segment.z1, x2 = segment.x2, z2 = segment.z2;
    switch (segment.operation) {
        case WallOperation::kMarkWall:
            MarkWall(x1, z1, x2, z2);
            break;
        case WallOperation::kClearWall:
            ClearWall(x1, z1, x2, z2);
            break;
        case WallOperation::kMarkUpperWall:
            MarkUpperWall(x1, z1, x2, z2);
            break;
        case WallOperation::kMarkStairsUp:
            MarkStairsUp(x1, z1, x2, z2);
            break;
        case WallOperation::kMarkStairsDown:
            MarkStairsDown(x1, z1, x2, z2);
            break;
    }
}

// Once, at start-up, on a freshly initialised grid.
void BuildWallLayout() {
    ApplyWallSegments(kWallLayout);
}

// The keypad slid the bookcase 1.5 towards -Z: its old footprint becomes floor, its new one wall.
void OpenBookcasePassage() {
    ApplyWallSegments(kOpenBookcasePassage);
}

// The restart puts the bookcase back; the grid ends as the start-up layout left it.
void CloseBookcasePassage() {
    ApplyWallSegments(kCloseBookcasePassage);
}
