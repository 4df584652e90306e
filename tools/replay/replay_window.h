// The replay driver's window: the real game window and start-up, with the clock, the
// redisplays and the presented frames in the driver's hands.
#pragma once

#include <cstdint>  // Required for: std::uint8_t
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

// Opens the window, installs the driver's toolkit hooks and the manual clock, runs InitScene and
// the first reshape to 800 by 600.
void OpenReplayWindow(int* argc, char** argv);
// Runs OnDisplay if a redisplay was posted since the last one, as the toolkit's loop would.
void HonourPostedRedisplay();
// Resizes the window (when both sizes are positive) and calls the reshape callback.
void ResizeReplayWindow(int width, int height);
// The last presented frame as RGB rows, top row first.
bool LastFrame(std::vector<std::uint8_t>* rgb, int* width, int* height);
// Writes the last presented frame as a PNG (under a temporary name, then renamed to PATH).
bool WriteShot(const std::string& path, std::string* error);
// Frames presented so far.
int PresentedFrames();
