// Painting tools of the data generator: anti-aliased shapes, gradients, noise and text layout on a
// Canvas. Everything is deterministic: no clock, no locale, fixed seeds, the same bytes on every
// run. Coordinates are canvas pixels, y from the top; a pixel's centre is at (x + 0.5, y + 0.5).
#pragma once

#include <cstdint>     // Required for: std::uint32_t
#include <functional>  // Required for: std::function
#include <map>         // Required for: std::map
#include <memory>      // Required for: std::unique_ptr
#include <string>      // Required for: std::string
#include <utility>     // Required for: std::pair
#include <vector>      // Required for: std::vector

#include "canvas.h"
#include "platform/glyphs.h"

struct Point {
    double x, y;
};

// Colour arithmetic -------------------------------------------------------------------------------

// a at t = 0, b at t = 1 (t clamped).
Color Mix(Color a, Color b, double t);
// Every channel times f, clamped to 0..255.
Color Scale(Color c, double f);

// Shapes ------------------------------------------------------------------------------------------

// Paints the pixels of the box [x0, x1) x [y0, y1) by a signed distance (negative inside) taken at
// each pixel centre: coverage 0.5 - distance, clamped, gives one-pixel soft edges at any size.
void FillByDistance(Canvas& canvas, double x0, double y0, double x1, double y1, Color color,
                    const std::function<double(double, double)>& distance, int alpha = 255);
// The same with a colour that may change from pixel to pixel.
void FillByDistanceShaded(Canvas& canvas, double x0, double y0, double x1, double y1,
                          const std::function<double(double, double)>& distance,
                          const std::function<Color(double, double)>& color, int alpha = 255);
void FillCircle(Canvas& canvas, double cx, double cy, double radius, Color color, int alpha = 255);
void StrokeCircle(Canvas& canvas, double cx, double cy, double radius, double width, Color color,
                  int alpha = 255);
void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, Color color,
                 int alpha = 255);
void FillRoundedRect(Canvas& canvas, double x, double y, double width, double height, double radius,
                     Color color, int alpha = 255);
// A rounded rectangle shaded from `top` at its top edge to `bottom` at its bottom edge.
void FillRoundedRectGradient(Canvas& canvas, double x, double y, double width, double height,
                             double radius, Color top, Color bottom, int alpha = 255);
void StrokeRoundedRect(Canvas& canvas, double x, double y, double width, double height,
                       double radius, double lineWidth, Color color, int alpha = 255);
// A line of the given width with round caps.
void DrawLine(Canvas& canvas, Point a, Point b, double width, Color color, int alpha = 255);
// Non-zero winding fill; edges are anti-aliased with 8 rows of samples per pixel and exact
// horizontal coverage.
void FillPolygon(Canvas& canvas, const std::vector<Point>& points, Color color, int alpha = 255);
// Rows from `top` at y to `bottom` at y + height - 1: one colour per row, so run-length packing
// keeps gradient backgrounds small.
void FillVerticalGradient(Canvas& canvas, int x, int y, int width, int height, Color top,
                          Color bottom);
// A soft round glow: alpha falls from maxAlpha at the centre to 0 at the radius.
void PaintGlow(Canvas& canvas, double cx, double cy, double radius, Color color, int maxAlpha);

// Noise -------------------------------------------------------------------------------------------

// A random number in 0..1 for an integer lattice point, the same everywhere.
double CellRandom(int x, int y, int z, std::uint32_t seed);
// Smooth value noise in 0..1, the same for the same arguments everywhere.
double ValueNoise2(double x, double y, std::uint32_t seed);
double ValueNoise3(double x, double y, double z, std::uint32_t seed);
// Sum of `octaves` layers of value noise, each at twice the frequency and half the weight; 0..1.
double FractalNoise2(double x, double y, int octaves, std::uint32_t seed);
double FractalNoise3(double x, double y, double z, int octaves, std::uint32_t seed);
// A small deterministic random source (xorshift).
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed != 0 ? seed : 0x9E3779B9u) {}
    std::uint32_t Next();
    // Uniform in [low, high).
    double Uniform(double low, double high);

private:
    std::uint32_t state_;
};

// Text --------------------------------------------------------------------------------------------

enum class Face { kChinese, kSans, kSansBold, kSerif, kSerifBold, kMonoBold };

// The fonts of the pictures, opened once per face and pixel height. Chinese comes from WenQuanYi
// Micro Hei, Latin from DejaVu. A face that cannot be found, or a character a face lacks, throws
// std::runtime_error naming it: a picture with placeholder boxes must never be written.
class FontBook {
public:
    GlyphRasterizer& Font(Face face, int pixelHeight);

private:
    const std::string& FileOf(Face face);
    std::map<std::pair<int, int>, std::unique_ptr<GlyphRasterizer>> fonts_;
    std::map<int, std::string> files_;
};

// The picture generators share one font book.
FontBook& Fonts();

std::string EncodeUtf8(const std::u32string& text);
int TextWidth(GlyphRasterizer& font, const std::string& utf8);
// Draws one line with its baseline at `baseline`, starting at x; returns the end x.
int DrawTextAt(Canvas& canvas, GlyphRasterizer& font, int x, int baseline, const std::string& utf8,
               Color color);
// One line centred on centreX.
void DrawTextCentered(Canvas& canvas, GlyphRasterizer& font, int centreX, int baseline,
                      const std::string& utf8, Color color);
// One line centred on centreX over a dark halo, for text on busy backgrounds.
void DrawTextHaloCentered(Canvas& canvas, GlyphRasterizer& font, int centreX, int baseline,
                          const std::string& utf8, Color color, Color halo, int haloAlpha = 200);
// Breaks text into lines no wider than maxWidth: Latin text at spaces, Chinese between any two
// characters, never putting closing punctuation at the start of a line. '\n' forces a break.
std::vector<std::string> WrapText(GlyphRasterizer& font, const std::string& utf8, int maxWidth);

enum class Align { kLeft, kCentre };
// Draws wrapped text, first baseline at `baseline`, one line every lineHeight pixels; returns the
// baseline the next line would have.
int DrawParagraph(Canvas& canvas, GlyphRasterizer& font, int x, int baseline, int maxWidth,
                  int lineHeight, const std::string& utf8, Color color, Align align = Align::kLeft);
