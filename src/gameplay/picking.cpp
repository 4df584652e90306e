// Mouse picking. (To be filled in by the interaction work.)
#include "gameplay/picking.h"

void OnMouse(int, int, int, int) {}
int PickWorld(int, int) { return -1; }
void DrawSelectionOutline(int) {}
