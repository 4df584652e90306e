// Walking, turning and the stairs, driven by the keyboard callback.
#pragma once

// The keyboard callback: Enter full screen, Esc back, Space to the start, A/D turn, W/S step.
void OnKeyboard(unsigned char key, int x, int y);
// Puts the player back at the start pose upstairs; nothing else changes.
void ResetPose();
// One step forward (direction +1) or back (-1), with the wall rule and the stairs.
void TakeStep(int direction);
// Takes the step just made back when it entered a wall cell of the player's floor (or left the
// grid); `direction` is the step's own.
void RefuseBlockedStep(int direction);
// Carries the player up when standing on a stairs-up cell on the ground floor.
void TakeStairsUp();
// Carries the player down when standing on a stairs-down cell on the upper floor.
void TakeStairsDown();
