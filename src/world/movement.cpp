// Keyboard and movement: the keyboard callback, turning, stepping with the wall rule, and the
// two stairs that carry the player between the floors.
// Depends on: the shared pose (game state), the walkability grid, the toolkit hooks (redisplay,
// full screen, window size).
#include "world/movement.h"

#include <cmath>  // Required for: std::sin(), std::cos() on floats (sinf, cosf)

#include "core/game_state.h"
#include "platform/toolkit.h"
#include "world/float_rounding.h"
#include "world/walk_grid.h"

namespace {

constexpr unsigned char kKeyEnter = 13;
constexpr unsigned char kKeyEscape = 27;
constexpr unsigned char kKeySpace = 32;

constexpr double kTurnDegrees = 4.0;    // one A or D press
constexpr double kStepLength = 0.1;     // one W or S press, world units
constexpr float kStairsRise = 3.0f;     // the upper floor lies this far above the ground floor
constexpr float kStairsShift = 5.0f;    // the stairs-down landing lies this far along +X
constexpr float kUpperFloor = 3.0f;     // g_playerY upstairs
constexpr float kGroundFloor = 0.0f;    // g_playerY downstairs
constexpr float kBetweenFloors = 2.0f;  // below it the player counts as downstairs

// The heading turned by `degrees` in double, stored back in single precision. Reaching a full
// turn either way starts again at exactly 0, not at the overshoot, so the heading stays strictly
// between -360 and 360.
void TurnBy(double degrees) {
    g_yaw = static_cast<float>(static_cast<double>(g_yaw) + degrees);
    if (static_cast<double>(g_yaw) >= 360.0 || static_cast<double>(g_yaw) <= -360.0) {
        g_yaw = 0.0f;
    }
}

// `coordinate` widened to double, `displacement` added, stored back in single precision.
float Displaced(float coordinate, double displacement) {
    return static_cast<float>(
        RoundedToDouble(static_cast<double>(coordinate) + RoundedToDouble(displacement)));
}

// Moves the translation and the position together by one step along the heading (direction +1
// forward, -1 back): the translation by +d sin, +d cos times 0.1, the position the other way.
void MoveAlongHeading(int direction) {
    const float angle = RoundedToFloat(g_yaw * g_degToRad);
    const float sine = std::sin(angle);
    const float cosine = std::cos(angle);
    const double sideways =
        RoundedToDouble(static_cast<double>(direction) * static_cast<double>(sine)) * kStepLength;
    const double ahead =
        RoundedToDouble(static_cast<double>(direction) * static_cast<double>(cosine)) * kStepLength;
    g_posX = Displaced(g_posX, sideways);
    g_posZ = Displaced(g_posZ, ahead);
    g_playerX = Displaced(g_playerX, -sideways);
    g_playerZ = Displaced(g_playerZ, -ahead);
}

// The cell under the player, or nullptr when the position lies outside the grid.
const WalkCell* CellUnderPlayer() {
    const std::int32_t row = CellRow(g_playerX);
    const std::int32_t column = CellColumn(g_playerZ);
    return CellInGrid(row, column) ? &g_walkGrid[row][column] : nullptr;
}

}  // namespace

// Every key acts in every game state, also behind a start or ending picture; each handled key
// asks for one redisplay, unknown keys for none.
void OnKeyboard(unsigned char key, int, int) {
    switch (key) {
        case kKeyEnter:
            Toolkit().fullScreen();
            break;
        case kKeyEscape:
            // Asking for a size leaves full screen; the size is the one last reshaped to.
            Toolkit().reshapeWindow(g_windowWidth, g_windowHeight);
            break;
        case kKeySpace:
            ResetPose();
            break;
        case 'A':
        case 'a':
            TurnBy(kTurnDegrees);
            break;
        case 'D':
        case 'd':
            TurnBy(-kTurnDegrees);
            break;
        case 'W':
        case 'w':
            TakeStep(1);
            break;
        case 'S':
        case 's':
            TakeStep(-1);
            break;
        default:
            return;
    }
    Toolkit().postRedisplay();
}

// The start pose: upstairs at X 3, Z -1, looking along -Z, with the translation at rest.
void ResetPose() {
    g_posX = 0.0f;
    g_posZ = 0.0f;
    g_posY = 0.0f;
    g_yaw = 0.0f;
    g_playerX = 3.0f;
    g_playerY = kUpperFloor;
    g_playerZ = -1.0f;
    g_prevPlayerX = 3.0f;
    g_prevPlayerZ = -1.0f;
}

// One step of 0.1 along the heading, forward (+1) or back (-1), then the wall rule and the
// stairs on the position the step ended at.
void TakeStep(int direction) {
    g_prevPlayerX = g_playerX;
    g_prevPlayerZ = g_playerZ;
    MoveAlongHeading(direction);
    RefuseBlockedStep(direction);
    TakeStairsUp();
    TakeStairsDown();
}

// Takes the step back, by the opposite displacement, when it entered another cell that is a wall
// on the player's floor. Only the destination cell counts, and a step inside one cell always
// stands, so a player put into a wall cell by the stairs can walk out of it. A destination
// outside the grid is refused too: the open bookcase passage frees a cell of the outer wall,
// and the house must not be left through it.
void RefuseBlockedStep(int direction) {
    const std::int32_t row = CellRow(g_playerX);
    const std::int32_t column = CellColumn(g_playerZ);
    if (row == CellRow(g_prevPlayerX) && column == CellColumn(g_prevPlayerZ)) return;
    bool blocked = true;
    if (CellInGrid(row, column)) {
        const WalkCell& cell = g_walkGrid[row][column];
        blocked = (g_playerY == kGroundFloor && cell.ground == kGroundWall) ||
                  (g_playerY == kUpperFloor && cell.upper == kUpperWall);
    }
    if (blocked) MoveAlongHeading(-direction);
}

// Standing on a stairs-up cell downstairs carries the player up, 5 towards -X, facing -X.
void TakeStairsUp() {
    const WalkCell* cell = CellUnderPlayer();
    if (cell == nullptr || cell->ground != kGroundStairsUp || !(g_playerY < kBetweenFloors)) return;
    g_yaw = 90.0f;
    g_posX = g_posX + kStairsShift;
    g_posY = g_posY - kStairsRise;
    g_playerX = g_playerX - kStairsShift;
    g_playerY = g_playerY + kStairsRise;
}

// Standing on a stairs-down cell upstairs carries the player down, 5 towards +X, facing +X.
void TakeStairsDown() {
    const WalkCell* cell = CellUnderPlayer();
    if (cell == nullptr || cell->upper != kUpperStairsDown || !(g_playerY >= kBetweenFloors)) {
        return;
    }
    g_yaw = -90.0f;
    g_posX = g_posX - kStairsShift;
    g_posY = g_posY + kStairsRise;
    g_playerX = g_playerX + kStairsShift;
    g_playerY = g_playerY - kStairsRise;
}
