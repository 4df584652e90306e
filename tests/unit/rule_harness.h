// The game loop without a window: real mouse callback, a chosen box as the pick, GL-free frames.
#pragma once

#include <vector>

#include "world/walk_grid.h"

#include "app/frame_rules.h"  // RunFrameRules: the frames of this loop run the game's own rules

// Start-up's state (start picture, 800 by 600, manual clock at 1000), stand-in pick and hooks.
void StartRuleHarness();

// What the world pick finds under the cursor (-1: sky).
void SetBoxUnderCursor(int box);
// A press and release of `button` at window pixel (x, y); the frame it posts is run.
void Press(int button, int x, int y);
// A left press picking `box` low on the left of the house view, where no overlay lies.
void PressOnBox(int box);
// A left press on the bar slot of `icon`, found by the bar's own hit test.
void PressIcon(int icon);
// A left press in the middle of the pixels that truncate to this point in window percent.
void PressScreenAt(int percentX, int percentY);
// Lets `seconds` pass one at a time, the idle callback and the frames it asks for running.
void IdleSeconds(int seconds);

// The grid as start-up leaves it in a new process; a copy of the grid to compare.
void BuildStartUpGrid();
std::vector<WalkCell> GridCopy();
// Player X, Y, Z, previous X, Z, heading, translation X, Y, Z; the start pose's (X 3, Z -1).
std::vector<float> PoseNow();
inline const std::vector<float> kStartPose = {3, 3, -1, 3, -1, 0, 0, 0, 0};
