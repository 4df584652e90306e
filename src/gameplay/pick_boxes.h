// The clickable places of the house: axis-aligned boxes in world coordinates, looked up with a
// tolerance of 0.01 on every face. The data generator puts each place's model inside its box
// from this same table.
#pragma once

struct PickBox {
    double min[3];  // x, y, z
    double max[3];
};

inline constexpr int kPickBoxTotal = 17;
inline constexpr double kPickTolerance = 0.01;

// clang-format off
inline constexpr PickBox g_pickBoxes[kPickBoxTotal] = {
    {{2.2, 3.43, -3.08}, {2.62, 3.66, -2.69}},     //  0 note 1 on the upstairs table
    {{0.1, 2.89, -4.94}, {0.5, 3.29, -4.52}},      //  1 key 1 on the crate in the corner
    {{4.38, 2.89, -3.39}, {4.96, 3.72, -1.66}},    //  2 the locked cabinet (key 1)
    {{4.88, 4.0, -3.0}, {4.98, 4.6, -2.0}},        //  3 the picture on the wall
    {{1.65, 3.35, -0.12}, {3.51, 4.53, 0.0}},      //  4 the upstairs window (a fall)
    {{4.38, 3.72, -2.13}, {4.86, 3.78, -1.89}},    //  5 the hammer on the cabinet
    {{3.24, 0.59, -5.66}, {3.58, 0.85, -5.34}},    //  6 the radio on the low table
    {{1.21, 0.0, -8.15}, {1.44, 2.3, -6.12}},      //  7 the wardrobe (key 2)
    // 8 the fresh bread on a plate in a lit niche under the kitchen's window, straight ahead of a
    // player coming in through the kitchen's doorway
    {{10.245, 0.757, -7.28}, {10.365, 0.887, -6.92}},
    {{4.15, 0.03, -9.45}, {4.74, 0.82, -8.88}},    //  9 the nightstand (note 3)
    // 10 the wall safe (key 2 opens, key 3 inside), at chest height in the hidden room's far
    // wall: straight ahead of a player stepping in past the bookcase, whose view would pass over
    // a safe on the floor closer than about 3.7
    {{12.79, 0.66, -0.89}, {13.03, 1.24, -0.31}},
    {{12.98, 0.78, -1.48}, {13.22, 1.28, -1.01}},  // 11 something on the east wall
    {{5.13, 0.04, -9.81}, {6.96, 2.74, -9.61}},    // 12 the front door (key 3): a win
    {{1.63, 1.02, -0.05}, {3.55, 2.22, 0.05}},     // 13 the ground-floor window: a win
    {{1.15, 0.05, -4.15}, {3.82, 1.5, -2.42}},     // 14 the gas boiler (an explosion)
    // 15 the keypad on the bookcase, at eye height: the stairs land the player 0.6 from it, too
    // close to see anything higher
    {{10.76, 0.9, -0.6}, {10.82, 1.0, -0.5}},
    // 16 the calendar, flat on the boiler room's west wall at the height of the eye: anything
    // higher is cut off at the top of the view from the doorway and from the middle of the room
    {{0.17, 1.0, -2.74}, {0.2, 1.46, -2.28}},
};
// clang-format on

// The first box, from 0 upwards, that holds the point within the tolerance; -1 for none.
int FindPickBox(double x, double y, double z);
