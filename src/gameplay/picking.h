// The mouse callback and the world pick through the depth buffer.
#pragma once

// The toolkit's mouse callback: latches the icon slot, the picked box and the right-press flag,
// and feeds the keypad and the screens' buttons.
void OnMouse(int button, int state, int x, int y);
// Whether window pixel (x, y), y from the top, lies on something drawn over the house as the
// last frame showed it: a start or end picture, the icon bar, an open note, the keypad panel or
// an info picture.
bool PressLandsOnOverlay(int x, int y);
// The pick box under window pixel (x, y), y from the top, as the last frame drew the house.
int PickWorld(int x, int y);

// Before the window's pixels are read back: Mesa's software renderers resize their buffers
// only when something is drawn, so right after a resize a read would be clipped against, and
// reach into, buffers of the old size. A clear of no pixels brings them to the window's size
// and changes nothing.
void BringBuffersToWindowSize();
// The camera's matrices and the viewport as the frame composes them on the projection stack.
struct CameraMatrices {
    double modelview[16];
    double projection[16];
    int viewport[4];
};
CameraMatrices ReadCameraMatrices();
// The window pixel (y from the top) where world point `point` is drawn by the current camera;
// false when it lies behind the eye, beyond the far plane or off the window.
bool ProjectToWindowPixel(const double point[3], int* x, int* y);
// The cyan outline round a pick box (nothing for -1), inside the world transform.
void DrawSelectionOutline(int box);

// The world pick the mouse callback uses. Tests of the rules, which have no depth buffer to
// read, put a stand-in here; nullptr puts PickWorld back.
using WorldPickFunction = int (*)(int x, int y);
void SetWorldPick(WorldPickFunction pick);

// A window pixel as whole percentages of the window (the screens' button space), y from the
// top, each truncated towards zero. A window with no width or height puts every press at -1.
int WindowPercent(int pixel, int windowSize);
