// The game loop without a window, for tests of the rules: presses go through the real mouse
// callback with a chosen box standing in for the depth-buffer pick, and every posted redisplay
// runs the GL-free rules of a frame in the order the display callback runs them.
#pragma once

// Puts the game where start-up leaves it (start picture shown, 800 by 600 window, manual clock
// at 1000) and installs the stand-in pick and toolkit hooks.
void StartRuleHarness();

// The rules of one frame, as the display callback orders them: ending trigger, restart, then,
// with no screen shown, hiding taken items, icon grant, icon use (not after a right press) and,
// with the keypad open, its combination check. Returns the note slot whose picture the frame
// draws, 0 for none.
int RunFrameRules();
// The note slot the latest frame drew (0 none) and the number of frames run so far.
int LastNoteSlot();
int FramesRun();

// What the world pick finds under the cursor for the following presses (-1: sky).
void SetBoxUnderCursor(int box);
// A press and release of `button` at window pixel (x, y); the frame it posts is run.
void Press(int button, int x, int y);
// A left press picking `box` in the middle of the house view, then its frame.
void PressOnBox(int box);
// A left press on the icon bar slot of `icon`, with sky behind the bar, then its frame.
void PressIcon(int icon);
// The window pixel of the icon bar slot that holds `icon` (from the bar's own hit test).
void IconSlotPixel(int icon, int* x, int* y);
// A left press in the middle of keypad cell `cell` (0 close, 1-9 digits), then its frame.
void PressKeypadCell(int cell);
// A left press at a point of the screens given in window percent, then its frame.
void PressScreenAt(int percentX, int percentY);
// Lets `seconds` pass one second at a time, the idle callback running after each; frames it
// draws or posts are run.
void IdleSeconds(int seconds);
