// Reading the generated pictures back through the game's own readers, and the colour measures
// the checks of buttons, keys and cards use.
#pragma once

#include <cstdint>  // Required for: std::uint8_t, std::uint32_t
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

#include "support/game_window.h"  // Required for: Rgb

// A decoded picture, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// The build folder the checks run in; the generated Data folder lies inside it.
std::string BuildFolder();
// The whole file (empty when it cannot be read).
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// The little-endian number of `count` bytes at `at`.
std::uint32_t Little(const std::vector<std::uint8_t>& bytes, size_t at, int count);
// A picture of the build's Data folder (".tga" or ".bmp") as the game reads it; a failure is
// recorded and gives an empty picture.
Picture LoadPicture(const std::string& dataPath);

struct MeanColour {
    double r = 0, g = 0, b = 0;
};
// Mean over the pixels whose centres lie in [left, right) x [top, bottom) (y from the top) or,
// when `ring` is above 0, over a band that many pixels wide just outside it.
MeanColour Mean(const Picture& picture, double left, double top, double right, double bottom,
                double ring = 0);
double ColourDistance(const MeanColour& a, const MeanColour& b);
// Clearly different: far apart in RGB (the full range is 0 to 441).
inline constexpr double kClearlyDifferent = 60.0;
