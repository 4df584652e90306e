// A real game window for windowed tests: one per test process, 800 by 600, with the real
// start-up run from the build folder so the generated Data folder is read.
#pragma once

#include <cstdint>  // Required for: std::uint8_t
#include <vector>   // Required for: std::vector

struct Rgb {
    std::uint8_t r, g, b;
};

void OpenTestWindow();
// The window and, once, the real InitScene from the build folder with the manual clock.
void OpenGameWindow();
// The game state, keypad, screens, grid and info picture as start-up leaves them; 800 by 600.
void ResetGameForTest();
void DrawFrame();
// The real window resized to w by h (waiting, two seconds at most, until the X server has done
// it) and the reshape callback run with that size: frames are drawn and read at the new size.
// False when the window did not reach it.
bool ResizeTestWindow(int w, int h);
// Rows bottom first; PixelAt counts y from the top as the mouse does.
std::vector<Rgb> ReadWindowPixels(int* width, int* height);
Rgb PixelAt(int x, int y);
// A texture of `width` by `height` pixels, rows bottom first as the game's pictures are; nearest
// filtering and clamped edges keep each colour where it is drawn.
unsigned int MakeNearestTexture(int width, int height, const std::vector<Rgb>& pixels);
