// Painting the models' textures: seeded noise that tiles, colour mixing, and the material
// patterns of the house (wood, planks, tiles, plaster, fabric, brick, grass). Deterministic: the
// same seed gives the same pixels on every run.
#pragma once

#include <cstdint>     // Required for: std::uint32_t
#include <functional>  // Required for: std::function

#include "canvas.h"

namespace modelpaint {

// A hash of two lattice coordinates, 0 to 1.
double Hash01(int a, int b, std::uint32_t seed);
// Smooth value noise, 0 to 1, one lattice cell per unit; with a period above 0 it repeats every
// `period` units along that axis, so a texture built from it tiles.
double Noise(double x, double y, int periodX, int periodY, std::uint32_t seed);
// Several octaves of Noise, each twice as fine and half as strong; 0 to 1 (about).
double Fbm(double x, double y, int octaves, int periodX, int periodY, std::uint32_t seed);

Color Mix(Color a, Color b, double t);
Color Scale(Color c, double factor);

// Paints every pixel from a function of the pixel's position (x to the right, y down, in pixels,
// sampled at several points inside the pixel and averaged, so fine lines stay smooth).
void FillPattern(Canvas& canvas, const std::function<Color(double x, double y)>& colorAt,
                 int samplesPerAxis = 2);
// Paints a rectangle [x0, x1) x [y0, y1) in pixels (fractional edges blend).
void FillBox(Canvas& canvas, double x0, double y0, double x1, double y1, Color color,
             double alpha = 1.0);
// A filled circle or ring with smooth edges.
void FillDisc(Canvas& canvas, double cx, double cy, double radius, Color color, double alpha = 1.0);
void StrokeRing(Canvas& canvas, double cx, double cy, double radius, double width, Color color,
                double alpha = 1.0);
// A line of the given width with smooth edges.
void StrokeLine(Canvas& canvas, double x0, double y0, double x1, double y1, double width,
                Color color, double alpha = 1.0);
// Multiplies the picture by `factor` near its edges, falling off over `width` pixels: the soft
// shadow in the corners of a framed picture or a recess.
void DarkenEdges(Canvas& canvas, double width, double factor);

// Text in a built-in 5 by 7 dot font (digits, capitals, space and a few signs), so that labels
// look the same whatever fonts the machine has: `cell` pixels per dot, top-left corner at (x, y).
// Returns the width drawn.
double DrawDotText(Canvas& canvas, double x, double y, double cell, const char* text, Color color);
double DotTextWidth(double cell, const char* text);

// Patterns of the house's materials as functions of a position in world units (u across, v along
// the grain or up). `seed` varies the pattern between pieces.
Color WoodGrain(double u, double v, Color light, Color dark, std::uint32_t seed, int periodU = 0,
                int periodV = 0);
// Floorboards `width` wide running along u, each `length` long, staggered row by row.
Color Floorboards(double u, double v, double width, double length, Color light, Color dark,
                  std::uint32_t seed);
// Square tiles of `size` with grout lines; alternate tiles take the second colour (a checker)
// when `checker` is set.
Color Tiles(double u, double v, double size, Color first, Color second, Color grout, bool checker,
            std::uint32_t seed);
Color Concrete(double u, double v, Color base, std::uint32_t seed);
Color Fabric(double u, double v, Color base, double weave, std::uint32_t seed);
Color Bricks(double u, double v, Color brick, Color mortar, std::uint32_t seed);

}  // namespace modelpaint
