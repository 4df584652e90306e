// The things of the house as small drawings, shared by the bar icons (30 pixels on screen) and
// the info pictures (about 100): each is painted around a centre at a size, in its own colours.
#pragma once

#include "canvas.h"

// Places a drawing: (u, v) in -1..1 becomes centre + size * (u, v) turned by `turn` radians.
struct Placement {
    double cx, cy, size, turn = 0.0;
};

enum class KeyBow { kRound, kSquare, kClover };

void PaintKey(Canvas& canvas, const Placement& at, Color metal, KeyBow bow);
void PaintHammer(Canvas& canvas, const Placement& at);
// Fresh bread, or the same loaf gone grey-green with mould.
void PaintBread(Canvas& canvas, const Placement& at, bool mouldy);
void PaintNote(Canvas& canvas, const Placement& at, Color paper);
void PaintPadlock(Canvas& canvas, const Placement& at);
void PaintCrackedWindow(Canvas& canvas, const Placement& at);
void PaintBoiler(Canvas& canvas, const Placement& at);
void PaintMagnifier(Canvas& canvas, const Placement& at);
