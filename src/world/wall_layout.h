// Writing the floor plan into the walkability grid, and the bookcase passage that the keypad
// opens and the restart closes.
#pragma once

#include "world/wall_layout_table.h"

void MarkWall(float x1, float z1, float x2, float z2);
void ClearWall(float x1, float z1, float x2, float z2);
void MarkUpperWall(float x1, float z1, float x2, float z2);
void MarkStairsUp(float x1, float z1, float x2, float z2);
void MarkStairsDown(float x1, float z1, float x2, float z2);

// Applies one segment of a table with its operation.
void ApplyWallSegment(const WallSegment& segment);

// Writes the whole layout table, in table order, into the grid.
void BuildWallLayout();
void OpenBookcasePassage();
void CloseBookcasePassage();
