// Walking directions for scripts: a way over the walkability grid from the player's cell to a
// target, and the key presses that follow it. The presses go through the real keyboard
// callback, so a scripted walk meets the same walls and stairs as a player.
#pragma once

#include <string>  // Required for: std::string
#include <vector>  // Required for: std::vector

struct FloorPoint {
    float x, z;
};

// Centres of the cells of the shortest way (4-neighbour) from the player's cell to the cell of
// (x, z) on the player's floor, the player's own cell excluded. Stairs cells are only entered as
// the target. Empty when there is no way (or the player already stands there).
std::vector<FloorPoint> PlanWalk(float x, float z, bool* found);

// Presses A or D until the heading is the one nearest the direction of (x, z).
void TurnTowards(float x, float z);

// Walks to (x, z) on the player's floor, or until a stairs transfer carries the player to the
// other floor. False with a reason when the player gets stuck.
bool WalkTo(float x, float z, std::string* reason);
