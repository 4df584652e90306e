// Walking, turning and the stairs, driven by the keyboard callback.
#pragma once

// The keyboard callback: Enter full screen, Esc back, Space to the start, A/D turn, W/S step.
void OnKeyboard(unsigned char key, int x, int y);
// Puts the player back at the start pose upstairs; nothing else changes.
void ResetPose();
// One step forward (direction +1) or back (-1), with the wall rule and the stairs.
void TakeStep(int direction);
void RefuseBlockedStep(int direction);
void TakeStairsUp();
void TakeStairsDown();
