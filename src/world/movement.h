// Walking, turning and the stairs, driven by the keyboard callback.
#pragma once

// The keyboard callback: Enter full screen, Esc back, Space to the start, A/D turn, W/S step
// (held, they repeat: see held_keys.h).
void OnKeyboard(unsigned char key, int x, int y);
// The key-release callback: a released W, A, S or D stops repeating.
void OnKeyboardUp(unsigned char key, int x, int y);
// The special-key callbacks: the arrow keys press and release like W, S, A and D.
void OnSpecialKey(int key, int x, int y);
void OnSpecialKeyUp(int key, int x, int y);
// One turn of 4 degrees to the left (A) or right (D).
void TurnLeft();
void TurnRight();
// Puts the player back at the start pose upstairs; nothing else changes.
void ResetPose();
// One step forward (direction +1) or back (-1), with the wall rule and the stairs.
void TakeStep(int direction);
// When the step just made entered a wall cell of the player's floor (or left the grid), keeps
// its X part alone, or else its Z part alone, or else takes it back; `direction` is the step's
// own. Called by TakeStep, which saves the pose before the step.
void RefuseBlockedStep(int direction);
// Carries the player to the upstairs landing when the latest step walked forward into a
// stairs-up cell downstairs, facing within 45 degrees of -X (brushing past them, or backing
// onto them, does not).
void TakeStairsUp();
// Carries the player to the downstairs landing when the latest step walked forward into a
// stairs-down cell upstairs, facing within 45 degrees of +X.
void TakeStairsDown();
