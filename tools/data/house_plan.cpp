// The floor plan read from the wall layout table: the same cells as the game's grid, with what
// marked each of them.
#include "house_plan.h"

#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::fabs()
#include <utility>    // Required for: std::swap()
#include <vector>     // Required for: std::vector

#include "world/float_rounding.h"
#include "world/wall_layout_table.h"

namespace house {

namespace {

// What each layout row is, by its 1-based number in the table.
CellKind KindOfLayoutRow(int number) {
    if (number >= 47 && number <= 49) return CellKind::kStairs;
    if (number == 50 || number == 51) return CellKind::kTrigger;
    if (number == 63 || number == 64) return CellKind::kBookcase;
    if (number >= 9 && number <= 20) return CellKind::kFurniture;
    if (number >= 52 && number <= 78) return CellKind::kFurniture;
    return CellKind::kWall;
}

bool InPlan(int row, int column) {
    return row >= 0 && row < kPlanRows && column >= 0 && column < kPlanColumns;
}

// The cells of one segment, walked exactly as the game walks it: single precision, one cell's
// width at a time from the first end, both end cells included.
std::vector<std::pair<int, int>> SegmentCellList(const WallSegment& segment) {
    std::vector<std::pair<int, int>> cells;
    float x1 = segment.x1, z1 = segment.z1, x2 = segment.x2, z2 = segment.z2;
    const float step = RoundedToFloat(1.0f / 5.0f);
    if (x1 != x2) {
        const float slope = RoundedToFloat(z2 - z1) / RoundedToFloat(x2 - x1);
        if (std::fabs(slope) <= 1.0f) {
            if (x1 > x2) {
                std::swap(x1, x2);
                std::swap(z1, z2);
            }
            float x = x1;
            for (int row = CellRow(x1); row <= CellRow(x2); ++row) {
                const float along = RoundedToFloat(x - x1);
                const float z = RoundedToFloat(RoundedToFloat(along * slope) + z1);
                cells.emplace_back(row, CellColumn(z));
                x = RoundedToFloat(x + step);
            }
        } else {
            if (z1 > z2) {
                std::swap(x1, x2);
                std::swap(z1, z2);
            }
            float z = z1;
            for (int column = CellColumn(z1); column <= CellColumn(z2); ++column) {
                const float along = RoundedToFloat(z - z1);
                const float x = RoundedToFloat(RoundedToFloat(along / slope) + x1);
                cells.emplace_back(CellRow(x), column);
                z = RoundedToFloat(z + step);
            }
        }
        return cells;
    }
    if (z1 > z2) std::swap(z1, z2);
    for (int column = CellColumn(z1); column <= CellColumn(z2); ++column) {
        cells.emplace_back(CellRow(x1), column);
    }
    return cells;
}

std::int32_t CellIndex(float coordinate, float origin) {
    const float shifted = RoundedToFloat(coordinate - origin);
    const float scaled = RoundedToFloat(shifted * 5.0f);
    const float cell = RoundedToFloat(scaled + 1.0f);
    return static_cast<std::int32_t>(cell);
}

FloorPlan BuildPlan() {
    FloorPlan plan{};
    for (int number = 1; number <= kWallSegmentCount; ++number) {
        const WallSegment& segment = kWallLayout[number - 1];
        const bool upper = segment.operation == WallOperation::kMarkUpperWall ||
                           segment.operation == WallOperation::kMarkStairsDown;
        const CellKind kind = KindOfLayoutRow(number);
        for (auto [row, column] : SegmentCellList(segment)) {
            if (!InPlan(row, column)) continue;
            (upper ? plan.upper : plan.ground)[row][column] = kind;
            if (kind == CellKind::kWall)
                (upper ? plan.upperWall : plan.groundWall)[row][column] = true;
        }
    }
    // Outside: everything reached from the plan's edge without crossing walls or the bookcase.
    std::vector<std::pair<int, int>> stack;
    for (int row = 0; row < kPlanRows; ++row) {
        stack.emplace_back(row, 0);
        stack.emplace_back(row, kPlanColumns - 1);
    }
    for (int column = 0; column < kPlanColumns; ++column) {
        stack.emplace_back(0, column);
        stack.emplace_back(kPlanRows - 1, column);
    }
    while (!stack.empty()) {
        auto [row, column] = stack.back();
        stack.pop_back();
        if (!InPlan(row, column) || plan.outside[row][column]) continue;
        if (plan.groundWall[row][column] || plan.ground[row][column] == CellKind::kBookcase) {
            continue;
        }
        plan.outside[row][column] = true;
        stack.emplace_back(row + 1, column);
        stack.emplace_back(row - 1, column);
        stack.emplace_back(row, column + 1);
        stack.emplace_back(row, column - 1);
    }
    return plan;
}

}  // namespace

std::int32_t CellRow(float x) {
    return CellIndex(x, 0.0f);
}
std::int32_t CellColumn(float z) {
    return CellIndex(z, -10.0f);
}

bool FloorPlan::GroundIs(int row, int column, CellKind kind) const {
    return InPlan(row, column) ? ground[row][column] == kind : kind == CellKind::kFree;
}

bool FloorPlan::UpperIs(int row, int column, CellKind kind) const {
    return InPlan(row, column) ? upper[row][column] == kind : kind == CellKind::kFree;
}

bool FloorPlan::Outside(int row, int column) const {
    return InPlan(row, column) ? outside[row][column] : true;
}

const FloorPlan& Plan() {
    static const FloorPlan plan = BuildPlan();
    return plan;
}

CellRange SegmentCells(int firstLayoutRow, int lastLayoutRow) {
    CellRange range{1000, -1000, 1000, -1000};
    for (int number = firstLayoutRow; number <= lastLayoutRow; ++number) {
        for (auto [row, column] : SegmentCellList(kWallLayout[number - 1])) {
            range.firstRow = std::min(range.firstRow, row);
            range.lastRow = std::max(range.lastRow, row);
            range.firstColumn = std::min(range.firstColumn, column);
            range.lastColumn = std::max(range.lastColumn, column);
        }
    }
    return range;
}

}  // namespace house
