// A real game window for windowed tests: one per test process, 800 by 600, with the real
// start-up run from the build folder so the generated Data folder is read.
#pragma once

#include <cstdint>  // Required for: std::uint8_t
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

struct Rgb {
    std::uint8_t r, g, b;
};

// Creates the window (first call only) without running InitScene; GL is current afterwards.
void OpenTestWindow();
// Creates the window and runs the real InitScene once, from the build folder, with the manual
// clock; then a reshape to 800 by 600.
void OpenGameWindow();
// Puts the plain game state, the keypad, the screens flags, the grid and the info picture back
// to their start-up values and the window to 800 by 600 (between tests).
void ResetGameForTest();
// Lets the toolkit process pending window events.
void PumpEvents();
// Draws one frame with OnDisplay; what it presents is kept for the pixel readers below.
void DrawFrame();
// Pixels of the last presented frame, rows bottom first, as the window shows them.
std::vector<Rgb> ReadWindowPixels(int* width, int* height);
// Pixel (x, y) of the last presented frame, y from the top as the mouse counts.
Rgb PixelAt(int x, int y);
// Writes the last presented frame as a PNG (for looking at failures).
bool SaveWindowPng(const std::string& path);
