// An RGB picture being painted by the data generator, and the two file formats it is saved in:
// 24-bit BMP (model textures, icons) and 24-bit Targa (pictures).
#pragma once

#include <cstdint>     // Required for: std::uint8_t
#include <filesystem>  // Required for: std::filesystem::path
#include <vector>      // Required for: std::vector

class GlyphRasterizer;

struct Color {
    std::uint8_t r, g, b;
};

class Canvas {
public:
    Canvas(int width, int height, Color background = {0, 0, 0});

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Pixel (x, y), y from the top. Points outside the canvas are ignored on writes.
    Color Get(int x, int y) const;
    void Set(int x, int y, Color color);
    // Mixes `color` into (x, y) with weight alpha (0 to 255).
    void Blend(int x, int y, Color color, int alpha);
    void FillRect(int x, int y, int width, int height, Color color);
    // Draws UTF-8 text with its baseline at y, starting at x; returns the pen's end x.
    int DrawText(GlyphRasterizer& font, int x, int baselineY, const char* utf8, Color color);
    // Rows top first, R, G, B.
    const std::vector<Color>& Pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    std::vector<Color> pixels_;
};

// 24-bit uncompressed BMP: 54-byte header, bottom row first, rows padded to 4 bytes.
void WriteBmp24(const std::filesystem::path& path, const Canvas& canvas);

enum class TargaLayout { kBottomFirst, kTopFirst };
enum class TargaEncoding { kUncompressed, kRunLength };
// 24-bit true-colour Targa, type 2 (uncompressed) or 10 (run-length), rows in either order.
void WriteTarga24(const std::filesystem::path& path, const Canvas& canvas, TargaEncoding encoding,
                  TargaLayout layout = TargaLayout::kBottomFirst);
// Run-length when that is smaller than uncompressed, type 2 otherwise.
void WriteTarga24Smallest(const std::filesystem::path& path, const Canvas& canvas,
                          TargaLayout layout = TargaLayout::kBottomFirst);

// Writes bytes to a file, creating its folder; throws std::runtime_error naming the file.
void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
