// Keyboard and movement. (To be filled in by the world work.)
#include "world/movement.h"

void OnKeyboard(unsigned char, int, int) {}
void ResetPose() {}
void TakeStep(int) {}
void RefuseBlockedStep(int) {}
void TakeStairsUp() {}
void TakeStairsDown() {}
