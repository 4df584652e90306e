// Drawings of the keys, the hammer, the bread, the notes and the other things of the house.
#include "picture_items.h"

#include <cmath>  // Required for: std::cos(), std::sin()

#include "picture_paint.h"

namespace {

Point Place(const Placement& at, double u, double v) {
    const double c = std::cos(at.turn), s = std::sin(at.turn);
    return {at.cx + at.size * (u * c - v * s), at.cy + at.size * (u * s + v * c)};
}

// A rectangle u0..u1 x v0..v1 of the drawing's own space, turned with it.
std::vector<Point> Box(const Placement& at, double u0, double v0, double u1, double v1) {
    return {Place(at, u0, v0), Place(at, u1, v0), Place(at, u1, v1), Place(at, u0, v1)};
}

void Line(Canvas& canvas, const Placement& at, double u0, double v0, double u1, double v1,
          double width, Color color, int alpha = 255) {
    DrawLine(canvas, Place(at, u0, v0), Place(at, u1, v1), width * at.size, color, alpha);
}

void Disc(Canvas& canvas, const Placement& at, double u, double v, double radius, Color color,
          int alpha = 255) {
    const Point centre = Place(at, u, v);
    FillCircle(canvas, centre.x, centre.y, radius * at.size, color, alpha);
}

const Color kOutline{24, 20, 18};

}  // namespace

void PaintKey(Canvas& canvas, const Placement& at, Color metal, KeyBow bow) {
    const Color dark = Scale(metal, 0.55);
    const Color light = Mix(metal, Color{255, 255, 255}, 0.45);
    // Shaft and teeth, outlined by drawing them a little wider in a dark tone first.
    for (int pass = 0; pass < 2; ++pass) {
        const double grow = pass == 0 ? 0.07 : 0.0;
        const Color color = pass == 0 ? dark : metal;
        Line(canvas, at, -0.2, 0, 0.88, 0, 0.2 + 2 * grow, color);
        FillPolygon(canvas, Box(at, 0.5 - grow, 0, 0.64 + grow, 0.34 + grow), color);
        FillPolygon(canvas, Box(at, 0.72 - grow, 0, 0.86 + grow, 0.26 + grow), color);
    }
    Line(canvas, at, -0.15, -0.04, 0.8, -0.04, 0.05, light);
    // The bow.
    switch (bow) {
        case KeyBow::kRound: {
            const Point centre = Place(at, -0.55, 0);
            FillCircle(canvas, centre.x, centre.y, 0.43 * at.size, dark);
            FillCircle(canvas, centre.x, centre.y, 0.36 * at.size, metal);
            FillCircle(canvas, centre.x - 0.08 * at.size, centre.y - 0.08 * at.size, 0.22 * at.size,
                       light, 120);
            FillCircle(canvas, centre.x, centre.y, 0.14 * at.size, dark);
            break;
        }
        case KeyBow::kSquare: {
            FillPolygon(canvas, Box(at, -0.98, -0.42, -0.16, 0.42), dark);
            FillPolygon(canvas, Box(at, -0.91, -0.35, -0.23, 0.35), metal);
            FillPolygon(canvas, Box(at, -0.85, -0.3, -0.55, 0.0), light, 110);
            FillPolygon(canvas, Box(at, -0.68, -0.12, -0.44, 0.12), dark);
            break;
        }
        case KeyBow::kClover: {
            const double leaves[3][2] = {{-0.72, -0.24}, {-0.72, 0.24}, {-0.98, 0.0}};
            for (const auto& leaf : leaves) Disc(canvas, at, leaf[0] + 0.12, leaf[1], 0.3, dark);
            for (const auto& leaf : leaves) Disc(canvas, at, leaf[0] + 0.12, leaf[1], 0.24, metal);
            Disc(canvas, at, -0.72, -0.28, 0.1, light, 160);
            Disc(canvas, at, -0.62, 0.0, 0.1, dark);
            break;
        }
    }
}

void PaintHammer(Canvas& canvas, const Placement& at) {
    // The handle from the lower left to the head at the upper right.
    Line(canvas, at, -0.72, 0.72, 0.32, -0.32, 0.26, Color{70, 40, 20});
    Line(canvas, at, -0.72, 0.72, 0.32, -0.32, 0.18, Color{176, 112, 56});
    Line(canvas, at, -0.7, 0.62, 0.26, -0.34, 0.05, Color{220, 164, 100});
    Line(canvas, at, -0.72, 0.72, -0.48, 0.48, 0.24, Color{40, 40, 44});  // grip
    // The head across the handle's end.
    Placement head = at;
    const Point centre = Place(at, 0.38, -0.38);
    head.cx = centre.x;
    head.cy = centre.y;
    head.turn = at.turn + 0.785398;
    FillPolygon(canvas, Box(head, -0.58, -0.2, 0.5, 0.2), Color{36, 38, 44});
    FillPolygon(canvas, Box(head, -0.52, -0.14, 0.44, 0.14), Color{150, 156, 168});
    FillPolygon(canvas, Box(head, -0.52, -0.14, 0.44, -0.04), Color{210, 216, 226});
    FillPolygon(canvas, Box(head, 0.44, -0.24, 0.62, 0.24), Color{36, 38, 44});
    FillPolygon(canvas, Box(head, 0.48, -0.18, 0.58, 0.18), Color{120, 126, 138});
}

void PaintBread(Canvas& canvas, const Placement& at, bool mouldy) {
    const Color crustTop = mouldy ? Color{150, 150, 96} : Color{226, 160, 72};
    const Color crustBottom = mouldy ? Color{96, 100, 60} : Color{160, 92, 34};
    const Point corner = Place(at, -0.9, -0.5);
    const double w = 1.8 * at.size, h = 1.05 * at.size;
    FillRoundedRect(canvas, corner.x - 0.06 * at.size, corner.y - 0.02 * at.size,
                    w + 0.12 * at.size, h + 0.1 * at.size, 0.45 * at.size, kOutline);
    FillRoundedRectGradient(canvas, corner.x, corner.y + 0.03 * at.size, w, h, 0.42 * at.size,
                            crustTop, crustBottom);
    // Scores across the top of the loaf.
    const Color score = mouldy ? Color{186, 186, 140} : Color{250, 210, 140};
    for (int i = 0; i < 3; ++i) {
        const double u = -0.45 + 0.42 * i;
        Line(canvas, at, u - 0.12, -0.3, u + 0.12, 0.05, 0.09, score);
    }
    if (!mouldy) {
        Line(canvas, at, -0.65, -0.36, 0.55, -0.36, 0.07, Color{255, 226, 170}, 150);
        return;
    }
    // Mould: fuzzy green and dark spots, and a smell rising.
    const double spots[7][3] = {{-0.55, -0.05, 0.2}, {0.1, 0.2, 0.24},  {0.55, -0.15, 0.17},
                                {-0.2, 0.3, 0.13},   {0.35, 0.35, 0.1}, {-0.7, 0.3, 0.1},
                                {0.7, 0.25, 0.1}};
    for (const auto& spot : spots) {
        Disc(canvas, at, spot[0], spot[1], spot[2] * 1.25, Color{70, 130, 50}, 150);
        Disc(canvas, at, spot[0], spot[1], spot[2], Color{44, 96, 36});
        Disc(canvas, at, spot[0] + spot[2] * 0.3, spot[1] - spot[2] * 0.3, spot[2] * 0.35,
             Color{140, 200, 100});
    }
    for (int i = 0; i < 3; ++i) {
        const double u = -0.45 + 0.45 * i;
        Line(canvas, at, u, -0.62, u + 0.1, -0.76, 0.07, Color{120, 190, 80});
        Line(canvas, at, u + 0.1, -0.76, u - 0.02, -0.9, 0.07, Color{120, 190, 80});
    }
}

void PaintNote(Canvas& canvas, const Placement& at, Color paper) {
    FillPolygon(canvas, Box(at, -0.62, -0.82, 0.66, 0.86), kOutline);
    FillPolygon(canvas,
                {Place(at, -0.56, -0.76), Place(at, 0.3, -0.76), Place(at, 0.6, -0.46),
                 Place(at, 0.6, 0.8), Place(at, -0.56, 0.8)},
                paper);
    FillPolygon(canvas, {Place(at, 0.3, -0.76), Place(at, 0.3, -0.46), Place(at, 0.6, -0.46)},
                Scale(paper, 0.75));
    for (int i = 0; i < 5; ++i) {
        const double v = -0.38 + 0.26 * i;
        Line(canvas, at, -0.4, v, i == 4 ? 0.1 : 0.44, v, 0.08, Color{60, 70, 110});
    }
}

void PaintPadlock(Canvas& canvas, const Placement& at) {
    const Point shackle = Place(at, 0, -0.3);
    StrokeCircle(canvas, shackle.x, shackle.y, 0.36 * at.size, 0.2 * at.size, kOutline);
    StrokeCircle(canvas, shackle.x, shackle.y, 0.36 * at.size, 0.12 * at.size,
                 Color{176, 182, 192});
    const Point corner = Place(at, -0.62, -0.12);
    FillRoundedRect(canvas, corner.x - 0.05 * at.size, corner.y - 0.05 * at.size, 1.34 * at.size,
                    1.04 * at.size, 0.16 * at.size, kOutline);
    FillRoundedRectGradient(canvas, corner.x, corner.y, 1.24 * at.size, 0.94 * at.size,
                            0.13 * at.size, Color{246, 200, 80}, Color{188, 128, 30});
    Disc(canvas, at, 0, 0.22, 0.13, kOutline);
    FillPolygon(canvas,
                {Place(at, -0.07, 0.26), Place(at, 0.07, 0.26), Place(at, 0.1, 0.56),
                 Place(at, -0.1, 0.56)},
                kOutline);
}

void PaintCrackedWindow(Canvas& canvas, const Placement& at) {
    const Point corner = Place(at, -0.8, -0.9);
    const double w = 1.6 * at.size, h = 1.8 * at.size;
    FillRoundedRect(canvas, corner.x - 0.1 * at.size, corner.y - 0.1 * at.size, w + 0.2 * at.size,
                    h + 0.2 * at.size, 0.05 * at.size, Color{110, 76, 50});
    FillRoundedRectGradient(canvas, corner.x, corner.y, w, h, 0.02 * at.size, Color{150, 200, 240},
                            Color{70, 120, 180});
    Line(canvas, at, 0, -0.9, 0, 0.9, 0.09, Color{110, 76, 50});
    Line(canvas, at, -0.8, 0, 0.8, 0, 0.09, Color{110, 76, 50});
    Line(canvas, at, -0.6, -0.7, -0.3, -0.4, 0.06, Color{230, 246, 255}, 160);
    const double cracks[6][4] = {{0.42, -0.42, 0.7, -0.8},  {0.42, -0.42, 0.78, -0.3},
                                 {0.42, -0.42, 0.1, -0.72}, {0.42, -0.42, 0.52, -0.1},
                                 {0.42, -0.42, 0.15, -0.2}, {0.7, -0.8, 0.78, -0.86}};
    for (const auto& crack : cracks) {
        Line(canvas, at, crack[0], crack[1], crack[2], crack[3], 0.035, Color{255, 255, 255});
    }
}

void PaintBoiler(Canvas& canvas, const Placement& at) {
    // Pipes under the cabinet, then the cabinet, its window with the flame, and a gauge.
    Line(canvas, at, -0.3, 0.7, -0.3, 1.0, 0.1, Color{150, 110, 60});
    Line(canvas, at, 0.0, 0.7, 0.0, 1.0, 0.1, Color{200, 60, 40});
    Line(canvas, at, 0.3, 0.7, 0.3, 1.0, 0.1, Color{60, 110, 200});
    const Point corner = Place(at, -0.55, -0.95);
    FillRoundedRect(canvas, corner.x - 0.05 * at.size, corner.y - 0.05 * at.size, 1.2 * at.size,
                    1.8 * at.size, 0.12 * at.size, kOutline);
    FillRoundedRectGradient(canvas, corner.x, corner.y, 1.1 * at.size, 1.7 * at.size, 0.1 * at.size,
                            Color{244, 242, 236}, Color{190, 190, 184});
    const Point flame = Place(at, -0.3, 0.15);
    FillRoundedRect(canvas, flame.x, flame.y, 0.6 * at.size, 0.36 * at.size, 0.06 * at.size,
                    Color{30, 30, 40});
    for (int i = 0; i < 3; ++i) {
        const double u = -0.16 + 0.16 * i;
        FillEllipse(canvas, Place(at, u, 0.36).x, Place(at, u, 0.36).y, 0.06 * at.size,
                    0.12 * at.size, Color{90, 150, 255});
        FillEllipse(canvas, Place(at, u, 0.38).x, Place(at, u, 0.38).y, 0.03 * at.size,
                    0.07 * at.size, Color{255, 190, 80});
    }
    const Point gauge = Place(at, 0, -0.45);
    FillCircle(canvas, gauge.x, gauge.y, 0.24 * at.size, kOutline);
    FillCircle(canvas, gauge.x, gauge.y, 0.19 * at.size, Color{255, 255, 250});
    Line(canvas, at, 0, -0.45, 0.12, -0.57, 0.05, Color{210, 30, 20});
    // The warning sign on its corner.
    const Point sign = Place(at, 0.62, -0.62);
    const double r = 0.4 * at.size;
    FillPolygon(canvas,
                {{sign.x, sign.y - r * 1.05},
                 {sign.x + r, sign.y + r * 0.7},
                 {sign.x - r, sign.y + r * 0.7}},
                kOutline);
    FillPolygon(canvas,
                {{sign.x, sign.y - r * 0.8},
                 {sign.x + r * 0.78, sign.y + r * 0.57},
                 {sign.x - r * 0.78, sign.y + r * 0.57}},
                Color{255, 210, 40});
    DrawLine(canvas, {sign.x, sign.y - r * 0.38}, {sign.x, sign.y + r * 0.12}, r * 0.16, kOutline);
    FillCircle(canvas, sign.x, sign.y + r * 0.34, r * 0.09, kOutline);
}

void PaintMagnifier(Canvas& canvas, const Placement& at) {
    Line(canvas, at, 0.3, 0.3, 0.85, 0.85, 0.26, kOutline);
    Line(canvas, at, 0.35, 0.35, 0.82, 0.82, 0.17, Color{120, 70, 40});
    const Point lens = Place(at, -0.15, -0.15);
    FillCircle(canvas, lens.x, lens.y, 0.62 * at.size, kOutline);
    FillCircle(canvas, lens.x, lens.y, 0.54 * at.size, Color{170, 176, 186});
    FillCircle(canvas, lens.x, lens.y, 0.46 * at.size, Color{214, 236, 250});
    FillCircle(canvas, lens.x - 0.18 * at.size, lens.y - 0.18 * at.size, 0.14 * at.size,
               Color{255, 255, 255}, 200);
}
