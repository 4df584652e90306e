// The floor plan of the house: the wall segments in the order they are written into the
// walkability grid. The data generator builds the house's walls and furniture from this same
// table, so what the player bumps into is what the player sees.
#pragma once

enum class WallOperation {
    kMarkWall,        // ground-floor wall or obstacle
    kClearWall,       // removes a ground-floor wall
    kMarkUpperWall,   // upper-floor wall or obstacle
    kMarkStairsUp,    // ground-floor cells that carry the player upstairs
    kMarkStairsDown,  // upper-floor cells that carry the player downstairs
};

struct WallSegment {
    WallOperation operation;
    float x1, z1, x2, z2;  // end points on the floor plan, world units
};

inline constexpr int kWallSegmentCount = 81;

// clang-format off
inline constexpr WallSegment kWallLayout[kWallSegmentCount] = {
    // The ground-floor room below the upper floor, open on its X 4.9 side towards the stairs.
    {WallOperation::kMarkWall, 0.1f, -0.1f, 4.9f, -0.1f},
    {WallOperation::kMarkWall, 0.1f, -0.1f, 0.1f, -4.9f},
    {WallOperation::kMarkWall, 0.1f, -4.9f, 4.9f, -4.9f},
    {WallOperation::kMarkWall, 4.9f, -1.2f, 4.9f, -4.9f},
    // The outline of the upper floor, open where the stairs come up.
    {WallOperation::kMarkUpperWall, 0.2f, -0.1f, 4.9f, -0.2f},
    {WallOperation::kMarkUpperWall, 0.1f, -0.1f, 0.1f, -4.9f},
    {WallOperation::kMarkUpperWall, 0.1f, -4.9f, 4.9f, -4.9f},
    {WallOperation::kMarkUpperWall, 4.9f, -1.2f, 4.9f, -4.9f},
    // Upstairs obstacles: the bed, the crate in the corner, the table, the cabinet.
    {WallOperation::kMarkUpperWall, 0.1f, -1.51f, 1.23f, -1.54f},
    {WallOperation::kMarkUpperWall, 1.23f, -3.79f, 1.23f, -1.54f},
    {WallOperation::kMarkUpperWall, 1.23f, -3.79f, 0.1f, -3.79f},
    {WallOperation::kMarkUpperWall, 0.1f, -4.47f, 0.53f, -4.47f},
    {WallOperation::kMarkUpperWall, 0.53f, -4.9f, 0.53f, -4.47f},
    {WallOperation::kMarkUpperWall, 2.07f, -1.8f, 2.83f, -1.8f},
    {WallOperation::kMarkUpperWall, 2.83f, -3.33f, 2.83f, -1.8f},
    {WallOperation::kMarkUpperWall, 2.83f, -3.33f, 2.07f, -3.33f},
    {WallOperation::kMarkUpperWall, 2.07f, -1.8f, 2.07f, -3.33f},
    {WallOperation::kMarkUpperWall, 4.39f, -1.62f, 4.9f, -1.62f},
    {WallOperation::kMarkUpperWall, 4.39f, -1.62f, 4.39f, -3.35f},
    {WallOperation::kMarkUpperWall, 4.9f, -3.35f, 4.39f, -3.35f},
    // Outer and inner walls of the ground floor.
    {WallOperation::kMarkWall, 1.2f, -5.08f, 5.08f, -5.08f},
    {WallOperation::kMarkWall, 1.2f, -5.08f, 1.2f, -9.67f},
    {WallOperation::kMarkWall, 7.25f, -9.67f, 1.2f, -9.67f},
    {WallOperation::kMarkWall, 7.25f, -9.67f, 7.25f, -8.08f},
    {WallOperation::kMarkWall, 11.2f, -1.9f, 12.0f, -1.9f},
    {WallOperation::kMarkWall, 11.2f, -1.9f, 11.2f, -1.1f},
    {WallOperation::kMarkWall, 12.0f, -1.9f, 12.0f, -1.22f},
    {WallOperation::kMarkWall, 12.8f, -1.22f, 12.0f, -1.22f},
    {WallOperation::kMarkWall, 9.0f, -0.1f, 12.8f, -0.1f},
    {WallOperation::kMarkWall, 12.8f, -1.22f, 12.8f, -0.1f},
    {WallOperation::kMarkWall, 7.4f, -8.71f, 7.4f, -8.08f},
    {WallOperation::kMarkWall, 7.31f, -8.71f, 8.03f, -8.76f},
    {WallOperation::kMarkWall, 8.03f, -9.02f, 8.03f, -8.76f},
    {WallOperation::kMarkWall, 8.03f, -9.02f, 10.32f, -9.02f},
    {WallOperation::kMarkWall, 10.32f, -5.03f, 10.32f, -9.02f},
    {WallOperation::kMarkWall, 10.32f, -5.03f, 8.83f, -5.03f},
    {WallOperation::kMarkWall, 8.83f, -5.78f, 8.83f, -5.03f},
    {WallOperation::kMarkWall, 8.83f, -5.78f, 8.41f, -5.78f},
    {WallOperation::kMarkWall, 8.41f, -6.43f, 8.41f, -5.78f},
    {WallOperation::kMarkWall, 8.41f, -6.43f, 7.25f, -6.43f},
    {WallOperation::kMarkWall, 7.25f, -4.97f, 7.25f, -6.43f},
    {WallOperation::kMarkWall, 7.25f, -4.97f, 10.9f, -4.97f},
    {WallOperation::kMarkWall, 10.9f, -1.1f, 10.9f, -4.97f},
    {WallOperation::kMarkWall, 5.08f, -0.1f, 10.9f, -0.1f},
    {WallOperation::kMarkWall, 4.9f, -1.2f, 5.08f, -1.2f},
    {WallOperation::kMarkWall, 5.08f, -5.08f, 5.08f, -1.2f},
    {WallOperation::kMarkWall, 9.57f, -0.1f, 9.57f, -1.18f},
    {WallOperation::kMarkWall, 7.8f, -1.18f, 9.57f, -1.18f},
    {WallOperation::kMarkWall, 7.8f, -1.18f, 7.8f, -0.1f},
    // The stairs: up from the ground floor, down from the upper floor. The trigger row comes
    // after the outer wall through the same cells, so the trigger wins there.
    {WallOperation::kMarkStairsUp, 9.65f, -0.1f, 9.65f, -1.1f},
    {WallOperation::kMarkStairsDown, 5.0f, -0.1f, 5.0f, -1.1f},
    // Ground-floor obstacles and wall pieces: the boiler, ...
    {WallOperation::kMarkWall, 1.13f, -3.93f, 3.76f, -3.93f},
    {WallOperation::kMarkWall, 3.76f, -2.45f, 3.76f, -3.93f},
    {WallOperation::kMarkWall, 3.76f, -2.45f, 1.13f, -2.45f},
    {WallOperation::kMarkWall, 1.13f, -3.93f, 1.13f, -2.45f},
    {WallOperation::kMarkWall, 8.25f, -4.23f, 8.25f, -5.0f},
    {WallOperation::kMarkWall, 8.25f, -4.23f, 9.06f, -4.23f},
    {WallOperation::kMarkWall, 9.06f, -3.53f, 9.06f, -4.23f},
    {WallOperation::kMarkWall, 9.06f, -3.53f, 9.64f, -3.53f},
    {WallOperation::kMarkWall, 9.64f, -4.23f, 9.64f, -3.53f},
    {WallOperation::kMarkWall, 9.64f, -4.23f, 9.83f, -4.23f},
    {WallOperation::kMarkWall, 9.83f, -5.0f, 9.83f, -4.23f},
    // ... the bookcase in its closed position, ...
    {WallOperation::kMarkWall, 11.0f, -1.22f, 10.65f, -1.22f},
    {WallOperation::kMarkWall, 10.65f, 0.1f, 10.65f, -1.22f},
    // ... and the furniture of the living rooms and the kitchen.
    {WallOperation::kMarkWall, 5.08f, -3.7f, 5.5f, -3.7f},
    {WallOperation::kMarkWall, 5.5f, -4.14f, 5.5f, -3.7f},
    {WallOperation::kMarkWall, 5.5f, -4.14f, 5.08f, -4.14f},
    {WallOperation::kMarkWall, 2.22f, -5.84f, 2.22f, -5.08f},
    {WallOperation::kMarkWall, 2.22f, -5.84f, 3.81f, -5.84f},
    {WallOperation::kMarkWall, 3.81f, -5.08f, 3.81f, -5.84f},
    {WallOperation::kMarkWall, 1.2f, -6.15f, 1.5f, -6.15f},
    {WallOperation::kMarkWall, 1.5f, -8.28f, 1.5f, -6.15f},
    {WallOperation::kMarkWall, 1.5f, -8.28f, 1.2f, -8.28f},
    {WallOperation::kMarkWall, 1.82f, -9.67f, 1.82f, -8.6f},
    {WallOperation::kMarkWall, 4.14f, -8.6f, 1.82f, -8.6f},
    {WallOperation::kMarkWall, 4.14f, -8.6f, 4.14f, -8.87f},
    {WallOperation::kMarkWall, 4.71f, -8.87f, 4.14f, -8.87f},
    {WallOperation::kMarkWall, 4.71f, -8.87f, 4.71f, -9.67f},
    {WallOperation::kMarkWall, 5.05f, -9.57f, 5.05f, -9.67f},
    {WallOperation::kMarkWall, 5.05f, -9.57f, 6.94f, -9.57f},
    {WallOperation::kMarkWall, 6.94f, -9.67f, 6.94f, -9.57f},
};
// clang-format on

// The bookcase passage: the closed footprint cleared and the open one (1.5 further towards -Z)
// walled, and back.
inline constexpr WallSegment kOpenBookcasePassage[5] = {
    {WallOperation::kClearWall, 11.0f, -1.22f, 10.65f, -1.22f},
    {WallOperation::kClearWall, 10.65f, 0.1f, 10.65f, -1.22f},
    {WallOperation::kMarkWall, 11.0f, -2.72f, 10.65f, -2.72f},
    {WallOperation::kMarkWall, 10.65f, -1.6f, 10.65f, -2.72f},
    {WallOperation::kMarkWall, 10.65f, -1.6f, 11.0f, -1.6f},
};
inline constexpr WallSegment kCloseBookcasePassage[6] = {
    {WallOperation::kMarkWall, 11.0f, -1.22f, 10.65f, -1.22f},
    {WallOperation::kMarkWall, 10.65f, 0.1f, 10.65f, -1.22f},
    {WallOperation::kClearWall, 11.0f, -2.72f, 10.65f, -2.72f},
    {WallOperation::kClearWall, 10.65f, -1.6f, 10.65f, -2.72f},
    {WallOperation::kClearWall, 10.65f, -1.6f, 11.0f, -1.6f},
    // The open footprint's clearing frees two cells of the wall at X 10.9; mark it again.
    {WallOperation::kMarkWall, 10.9f, -1.1f, 10.9f, -4.97f},
};
