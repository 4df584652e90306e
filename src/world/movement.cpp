// Keyboard and movement: the keyboard callback, turning, stepping with the wall rule, and the
// two stairs that carry the player between the floors.
// Depends on: the shared pose (game state), the walkability grid, the toolkit hooks (redisplay,
// full screen, window size), the clock and the held keys (a held key repeats its step or turn).
#include "world/movement.h"

#include <cmath>  // Required for: std::sin(), std::cos(), std::fabs() on floats

#include "core/game_state.h"
#include "platform/clock.h"
#include "platform/toolkit.h"
#include "world/float_rounding.h"
#include "world/held_keys.h"
#include "world/walk_grid.h"

namespace {

constexpr unsigned char kKeyEnter = 13;
constexpr unsigned char kKeyEscape = 27;
constexpr unsigned char kKeySpace = 32;

constexpr double kTurnDegrees = 4.0;    // one A or D press
constexpr double kStepLength = 0.1;     // one W or S press, world units
constexpr float kUpperFloor = 3.0f;     // g_playerY upstairs
constexpr float kGroundFloor = 0.0f;    // g_playerY downstairs
constexpr float kBetweenFloors = 2.0f;  // below it the player counts as downstairs

// Where each stairs sets the player down: far enough from the other stairs that stepping back
// to look round, or turning and walking on, never carries the player straight back (five steps
// of 0.1 in any direction stay clear of the other stairs' cells), and facing the floor's rooms
// rather than a wall. Downstairs the view runs west across the living room to the open door of
// the boiler room; upstairs across the bedroom.
struct Landing {
    float x, z, yaw;
};
constexpr Landing kGroundLanding = {10.3f, -2.2f, 104.0f};
constexpr Landing kUpperLanding = {4.3f, -0.7f, 48.0f};

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

// One step's displacement along the heading (direction +1 forward, -1 back): the translation
// moves by +d sin, +d cos times 0.1, the position the other way.
struct StepDisplacement {
    double sideways;  // along X, for the translation
    double ahead;     // along Z, for the translation
};
StepDisplacement DisplacementAlongHeading(int direction) {
    const float angle = RoundedToFloat(g_yaw * g_degToRad);
    const float sine = std::sin(angle);
    const float cosine = std::cos(angle);
    return {
        RoundedToDouble(static_cast<double>(direction) * static_cast<double>(sine)) * kStepLength,
        RoundedToDouble(static_cast<double>(direction) * static_cast<double>(cosine)) *
            kStepLength};
}

// Moves the translation and the position together by one step along the heading.
void MoveAlongHeading(int direction) {
    const StepDisplacement step = DisplacementAlongHeading(direction);
    g_posX = Displaced(g_posX, step.sideways);
    g_posZ = Displaced(g_posZ, step.ahead);
    g_playerX = Displaced(g_playerX, -step.sideways);
    g_playerZ = Displaced(g_playerZ, -step.ahead);
}

// Whether the position now stands in another cell than the saved one, and that cell is a wall
// of the player's floor (or lies outside the grid).
bool StepEntersWall() {
    const std::int32_t row = CellRow(g_playerX);
    const std::int32_t column = CellColumn(g_playerZ);
    if (row == CellRow(g_prevPlayerX) && column == CellColumn(g_prevPlayerZ)) return false;
    // The open bookcase passage frees a cell of the outer wall, and the house must not be left
    // through it: a destination outside the grid counts as a wall.
    if (!CellInGrid(row, column)) return true;
    const WalkCell& cell = g_walkGrid[row][column];
    return (g_playerY == kGroundFloor && cell.ground == kGroundWall) ||
           (g_playerY == kUpperFloor && cell.upper == kUpperWall);
}

// Puts the player down at a stairs' landing on `floorY`, the translation with it.
void Land(const Landing& landing, float floorY) {
    g_yaw = landing.yaw;
    g_playerX = landing.x;
    g_playerY = floorY;
    g_playerZ = landing.z;
    g_posX = 3.0f - landing.x;
    g_posY = 3.0f - floorY;
    g_posZ = -1.0f - landing.z;
}

// The cell under the player, or nullptr when the position lies outside the grid.
const WalkCell* CellUnderPlayer() {
    const std::int32_t row = CellRow(g_playerX);
    const std::int32_t column = CellColumn(g_playerZ);
    return CellInGrid(row, column) ? &g_walkGrid[row][column] : nullptr;
}

// The translation before the step being taken, beside g_prevPlayerX and g_prevPlayerZ: a step
// that slides along a wall keeps one part of its displacement and none of the other.
float g_posXBeforeStep = 0.0f;
float g_posZBeforeStep = 0.0f;

// The movement key a toolkit key stands for: W, S, A and D in either case, and the arrows.
bool MoveKeyOf(int toolkitKey, MoveKey* key) {
    switch (toolkitKey) {
        case 'W':
        case 'w':
        case kSpecialKeyBase + kSpecialKeyUp:
            *key = MoveKey::kForward;
            return true;
        case 'S':
        case 's':
        case kSpecialKeyBase + kSpecialKeyDown:
            *key = MoveKey::kBack;
            return true;
        case 'A':
        case 'a':
        case kSpecialKeyBase + kSpecialKeyLeft:
            *key = MoveKey::kTurnLeft;
            return true;
        case 'D':
        case 'd':
        case kSpecialKeyBase + kSpecialKeyRight:
            *key = MoveKey::kTurnRight;
            return true;
        default:
            return false;
    }
}

// Releases `move`; only a release that still had repeats to make changes the view, and asks
// for the frame that shows it.
void ReleaseAndShow(MoveKey move) {
    const float x = g_playerX, z = g_playerZ, yaw = g_yaw, floorY = g_playerY;
    ReleaseMoveKey(move, GameClock());
    if (x != g_playerX || z != g_playerZ || yaw != g_yaw || floorY != g_playerY) {
        Toolkit().postRedisplay();
    }
}

}  // namespace

// Every key acts in every game state, also behind a start or ending picture; each handled key
// asks for one redisplay, unknown keys for none. A movement key acts at once and goes on
// repeating while it is held (see held_keys.h).
void OnKeyboard(unsigned char key, int, int) {
    MoveKey move;
    if (MoveKeyOf(key, &move)) {
        PressMoveKey(move, key, GameClock());
        Toolkit().postRedisplay();
        return;
    }
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
        default:
            return;
    }
    Toolkit().postRedisplay();
}

void OnKeyboardUp(unsigned char key, int, int) {
    MoveKey move;
    if (MoveKeyOf(key, &move)) ReleaseAndShow(move);
}

void OnSpecialKey(int key, int, int) {
    MoveKey move;
    if (!MoveKeyOf(kSpecialKeyBase + key, &move)) return;
    PressMoveKey(move, kSpecialKeyBase + key, GameClock());
    Toolkit().postRedisplay();
}

void OnSpecialKeyUp(int key, int, int) {
    MoveKey move;
    if (MoveKeyOf(kSpecialKeyBase + key, &move)) ReleaseAndShow(move);
}

void TurnLeft() {
    TurnBy(kTurnDegrees);
}

void TurnRight() {
    TurnBy(-kTurnDegrees);
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
    g_posXBeforeStep = g_posX;
    g_posZBeforeStep = g_posZ;
    MoveAlongHeading(direction);
    RefuseBlockedStep(direction);
    TakeStairsUp();
    TakeStairsDown();
}

// A step that enters another cell that is a wall on the player's floor does not stop dead: it
// slides along the wall, keeping its X part alone, or failing that its Z part alone, so that a
// player who walks into a doorway at a slight angle glides through instead of stopping on its
// frame. Each part is judged like the whole step. When neither part may stand, the whole step
// is taken back, by the opposite displacement, as a blocked step always was. Only the
// destination cell counts, and a step inside one cell always stands, so a player standing in a
// wall cell can walk out of it.
void RefuseBlockedStep(int direction) {
    if (!StepEntersWall()) return;
    const float steppedPosX = g_posX, steppedPosZ = g_posZ;
    const float steppedX = g_playerX, steppedZ = g_playerZ;
    // The X part alone: the Z updates never made.
    g_posZ = g_posZBeforeStep;
    g_playerZ = g_prevPlayerZ;
    if (!StepEntersWall()) return;
    // The Z part alone: the X updates never made.
    g_posX = g_posXBeforeStep;
    g_playerX = g_prevPlayerX;
    g_posZ = steppedPosZ;
    g_playerZ = steppedZ;
    if (!StepEntersWall()) return;
    // Neither: the whole step is taken back.
    g_posX = steppedPosX, g_posZ = steppedPosZ;
    g_playerX = steppedX, g_playerZ = steppedZ;
    MoveAlongHeading(-direction);
}

namespace {

// Whether the latest step walked into the stairs, whose foot faces -X downstairs (`towards` -1)
// and whose head faces +X upstairs (+1): a step forward, facing within 45 degrees of that way.
// The stairs-up cells run along the side of the hall, across from the passage behind the
// bookcase: a player walking up the hall brushes them, and one backing out of the passage
// backs onto them, and neither means to climb.
bool SteppedInto(float towards) {
    const float angle = RoundedToFloat(g_yaw * g_degToRad);
    const float aheadX = -std::sin(angle);
    const float aheadZ = -std::cos(angle);
    const float alongX = g_playerX - g_prevPlayerX;
    const float alongZ = g_playerZ - g_prevPlayerZ;
    const bool facing = aheadX * towards > 0.0f && std::fabs(aheadX) >= std::fabs(aheadZ);
    const bool forward = alongX * towards > 0.0f && std::fabs(alongX) >= std::fabs(alongZ);
    return facing && forward;
}

}  // namespace

// Walking into a stairs-up cell downstairs carries the player to the upstairs landing.
void TakeStairsUp() {
    const WalkCell* cell = CellUnderPlayer();
    if (cell == nullptr || cell->ground != kGroundStairsUp || !(g_playerY < kBetweenFloors)) return;
    if (!SteppedInto(-1.0f)) return;
    Land(kUpperLanding, kUpperFloor);
}

// Walking into a stairs-down cell upstairs carries the player to the downstairs landing.
void TakeStairsDown() {
    const WalkCell* cell = CellUnderPlayer();
    if (cell == nullptr || cell->upper != kUpperStairsDown || !(g_playerY >= kBetweenFloors)) {
        return;
    }
    if (!SteppedInto(1.0f)) return;
    Land(kGroundLanding, kGroundFloor);
}
