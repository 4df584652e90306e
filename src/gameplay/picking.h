// The mouse callback and the world pick through the depth buffer.
#pragma once

// The toolkit's mouse callback: latches the icon slot, the picked box and the right-press flag,
// and feeds the keypad and the screens' buttons.
void OnMouse(int button, int state, int x, int y);
// The pick box under window pixel (x, y), y from the top, as the last frame drew the house.
int PickWorld(int x, int y);
// The cyan outline round a pick box (nothing for -1), inside the world transform.
void DrawSelectionOutline(int box);
