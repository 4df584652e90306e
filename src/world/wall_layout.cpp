// Wall layout. (To be filled in by the world work.)
#include "world/wall_layout.h"

void MarkWall(float, float, float, float) {}
void ClearWall(float, float, float, float) {}
void MarkUpperWall(float, float, float, float) {}
void MarkStairsUp(float, float, float, float) {}
void MarkStairsDown(float, float, float, float) {}
void ApplyWallSegment(const WallSegment&) {}
void BuildWallLayout() {}
void OpenBookcasePassage() {}
void CloseBookcasePassage() {}
