// Route planning over the walkability grid and key presses that follow the route.
#include "route.h"

#include <cmath>  // Required for: std::atan2(), std::hypot()
#include <queue>  // Required for: std::queue

#include "app/game_input.h"
#include "core/game_state.h"
#include "world/movement.h"
#include "world/walk_grid.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

bool OnUpperFloor() {
    return g_playerY >= 2.0f;
}

bool Walkable(int row, int column, bool upper, bool isTarget) {
    if (!CellInGrid(row, column)) return false;
    const WalkCell& cell = g_walkGrid[row][column];
    if (upper) return cell.upper != kUpperWall && (isTarget || cell.upper != kUpperStairsDown);
    return cell.ground != kGroundWall && (isTarget || cell.ground != kGroundStairsUp);
}

FloorPoint CellCentre(int row, int column) {
    return FloorPoint{(static_cast<float>(row) - 0.5f) * 0.2f,
                      -10.0f + (static_cast<float>(column) - 0.5f) * 0.2f};
}

// Heading in degrees that looks from the player towards (x, z): forward is (-sin, -cos).
double HeadingTowards(float x, float z) {
    return std::atan2(-(x - g_playerX), -(z - g_playerZ)) * 180.0 / kPi;
}

double AngleBetween(double a, double b) {
    double difference = std::fmod(a - b, 360.0);
    if (difference > 180.0) difference -= 360.0;
    if (difference < -180.0) difference += 360.0;
    return difference;
}

}  // namespace

std::vector<FloorPoint> PlanWalk(float x, float z, bool* found) {
    const bool upper = OnUpperFloor();
    const int startRow = CellRow(g_playerX), startColumn = CellColumn(g_playerZ);
    const int targetRow = CellRow(x), targetColumn = CellColumn(z);
    *found = false;
    if (!CellInGrid(startRow, startColumn) || !Walkable(targetRow, targetColumn, upper, true))
        return {};
    std::vector<int> cameFrom(kGridRows * kGridColumns, -1);
    std::queue<int> open;
    const int start = startRow * kGridColumns + startColumn;
    const int target = targetRow * kGridColumns + targetColumn;
    cameFrom[start] = start;
    open.push(start);
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!open.empty() && cameFrom[target] < 0) {
        const int cell = open.front();
        open.pop();
        for (const auto& step : steps) {
            const int row = cell / kGridColumns + step[0];
            const int column = cell % kGridColumns + step[1];
            const int next = row * kGridColumns + column;
            if (!Walkable(row, column, upper, next == target) || cameFrom[next] >= 0) continue;
            cameFrom[next] = cell;
            open.push(next);
        }
    }
    if (cameFrom[target] < 0) return {};
    *found = true;
    std::vector<FloorPoint> way;
    for (int cell = target; cell != start; cell = cameFrom[cell]) {
        way.insert(way.begin(), CellCentre(cell / kGridColumns, cell % kGridColumns));
    }
    if (!way.empty()) way.back() = FloorPoint{x, z};
    return way;
}

void TurnTowards(float x, float z) {
    const double heading = HeadingTowards(x, z);
    for (int press = 0; press < 90; ++press) {
        const double off = AngleBetween(heading, g_yaw);
        if (std::fabs(off) <= 2.0) return;
        const unsigned char key = off > 0 ? 'a' : 'd';
        OnGameKeyboard(key, 0, 0);
        OnGameKeyboardUp(key, 0, 0);
    }
}

bool WalkTo(float x, float z, std::string* reason) {
    bool found = false;
    const std::vector<FloorPoint> way = PlanWalk(x, z, &found);
    if (!found) {
        *reason = "no way from the player's cell to the target";
        return false;
    }
    const float floorAtStart = g_playerY;
    for (const FloorPoint& point : way) {
        for (int attempt = 0; attempt < 12; ++attempt) {
            const double distance = std::hypot(point.x - g_playerX, point.z - g_playerZ);
            if (distance < 0.06) break;
            TurnTowards(point.x, point.z);
            const float beforeX = g_playerX, beforeZ = g_playerZ;
            OnGameKeyboard('w', 0, 0);
            OnGameKeyboardUp('w', 0, 0);
            if (g_playerY != floorAtStart) return true;  // the stairs took over
            if (std::hypot(g_playerX - beforeX, g_playerZ - beforeZ) < 0.01) {
                *reason = "a wall refused the step";
                return false;
            }
            // A step that overshoots stops here rather than walking back and forth.
            if (std::hypot(point.x - g_playerX, point.z - g_playerZ) >= distance) break;
        }
    }
    if (std::hypot(x - g_playerX, z - g_playerZ) > 0.15) {
        *reason = "did not arrive";
        return false;
    }
    return true;
}
