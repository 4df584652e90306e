// The pictures on the furniture and the clickable things of the house: fabrics, doors and
// drawer fronts, paintings, notes, the calendar with the keypad code's day ringed, the radio,
// the boiler's paint and signs, the safe door.
#include "house_decor.h"

#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::cos(), std::sin(), std::sqrt(), std::fabs()
#include <cstdio>     // Required for: std::snprintf()

#include "gameplay/keypad_code.h"
#include "house_calendar.h"
#include "model_paint.h"

namespace house {

namespace {

using modelpaint::DotTextWidth;
using modelpaint::DrawDotText;
using modelpaint::Fbm;
using modelpaint::FillBox;
using modelpaint::FillDisc;
using modelpaint::Mix;
using modelpaint::Noise;
using modelpaint::Scale;
using modelpaint::StrokeLine;
using modelpaint::StrokeRing;

constexpr double kPi = 3.14159265358979323846;

// A plain colour under its own name.
Surface Plain(const char* name, Color color) {
    return MakePlainSurface(name, color);
}

// Paper with lines of handwriting under a red heading, framed in red: a note that catches the eye
// on the dark wood it stands on.
void PaintNote(Canvas& c, std::uint32_t seed, int lines) {
    modelpaint::FillPattern(c, [&](double x, double y) {
        return Scale(Color{252, 248, 236}, 0.96 + 0.05 * Noise(x / 16, y / 16, 0, 0, seed));
    });
    const double w = c.Width(), h = c.Height();
    const Color red{200, 36, 30};
    FillBox(c, 0, 0, w, 3, red);
    FillBox(c, 0, h - 3, w, h, red);
    FillBox(c, 0, 0, 3, h, red);
    FillBox(c, w - 3, 0, w, h, red);
    const double cell = h / 32;
    DrawDotText(c, (w - DotTextWidth(cell * 2, "NOTE")) / 2, h * 0.08, cell * 2, "NOTE", red);
    for (int line = 0; line < lines; ++line) {
        const double y = h * (0.42 + 0.46 * line / std::max(1, lines - 1));
        double x = w * 0.1;
        const double end = w * (line == lines - 1 ? 0.55 : 0.88);
        int word = 0;
        while (x < end) {
            const double length = w * (0.06 + 0.12 * modelpaint::Hash01(line, word, seed));
            const double x1 = std::min(x + length, end);
            // A wavy stroke for each word.
            double px = x, py = y;
            for (double t = x; t <= x1; t += 1.0) {
                const double ny = y + std::sin(t * 0.9 + word) * h * 0.012;
                StrokeLine(c, px, py, t, ny, std::max(1.0, h * 0.012), Color{40, 50, 110});
                px = t;
                py = ny;
            }
            x = x1 + w * 0.035;
            ++word;
        }
    }
}

// Oak doors seen from the front: `doors` leaves side by side, with handles and, if `keyhole`, a
// lock plate in the middle; `drawers` puts a row of drawers above them.
void PaintDoors(Canvas& c, int doors, bool keyhole, bool drawers, Color wood, Color dark) {
    modelpaint::FillPattern(c, [&](double x, double y) {
        return modelpaint::WoodGrain(x / c.Width() * 1.5, y / c.Height() * 2, wood, dark, 321U);
    });
    const double w = c.Width(), h = c.Height();
    const double leaf = w / doors;
    double doorTop = 0.0;
    if (drawers) {
        doorTop = h * 0.28;
        for (int d = 0; d < doors; ++d) {
            FillBox(c, d * leaf + 3, 3, (d + 1) * leaf - 3, doorTop - 3, Scale(wood, 1.06));
            FillBox(c, d * leaf + 2, 2, (d + 1) * leaf - 2, 4, Scale(dark, 0.8), 0.7);
            FillBox(c, d * leaf + leaf * 0.38, doorTop * 0.45, d * leaf + leaf * 0.62,
                    doorTop * 0.58, Color{190, 160, 90});
        }
    }
    for (int d = 0; d < doors; ++d) {
        const double x0 = d * leaf + 3, x1 = (d + 1) * leaf - 3;
        FillBox(c, x0, doorTop + 3, x1, h - 3, Scale(dark, 0.9), 0.5);
        FillBox(c, x0 + leaf * 0.12, doorTop + (h - doorTop) * 0.08, x1 - leaf * 0.12,
                h - (h - doorTop) * 0.08, Scale(wood, 1.08));
        // Handle near the meeting edge.
        const double hx = (d % 2 == 0) ? x1 - leaf * 0.1 : x0 + leaf * 0.1;
        FillDisc(c, hx, doorTop + (h - doorTop) * 0.45, std::max(2.0, leaf * 0.05),
                 Color{200, 170, 90});
        FillBox(c, x1, doorTop, x1 + 6, h, Scale(dark, 0.5), 0.8);
    }
    if (keyhole) {
        const double cx = w / 2, cy = doorTop + (h - doorTop) * 0.38;
        FillBox(c, cx - w * 0.03, cy - h * 0.05, cx + w * 0.03, cy + h * 0.05, Color{196, 164, 84});
        FillDisc(c, cx, cy - h * 0.012, w * 0.01, Color{20, 16, 10});
        FillBox(c, cx - w * 0.004, cy - h * 0.012, cx + w * 0.004, cy + h * 0.025,
                Color{20, 16, 10});
    }
    modelpaint::DarkenEdges(c, 3, 0.7);
}

}  // namespace

const Surface& Linen() {
    static const Surface s = MakeSurface("linen", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return modelpaint::Fabric(x / 64, y / 64, Color{236, 234, 226}, 0.03, 301U);
        });
    });
    return s;
}

const Surface& Quilt() {
    // Patchwork of faded squares, a quarter unit each.
    static const Surface s = MakeSurface("quilt", 128, 128, [](Canvas& c) {
        const Color patches[5] = {
            {176, 84, 70}, {220, 196, 140}, {96, 126, 150}, {150, 160, 96}, {206, 150, 110}};
        modelpaint::FillPattern(c, [&](double x, double y) {
            const int px = static_cast<int>(x / 32), py = static_cast<int>(y / 32);
            const Color base = patches[(px * 3 + py * 2 + (px * py) % 3) % 5];
            const double inX = std::fmod(x, 32.0), inY = std::fmod(y, 32.0);
            Color col = modelpaint::Fabric(x / 128, y / 128, base, 0.02, 303U);
            if (inX < 1.5 || inY < 1.5) col = Scale(col, 0.75);
            return col;
        });
    });
    return s;
}

const Surface& RedBlanket() {
    static const Surface s = MakeSurface("blanket", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            Color base{150, 42, 38};
            if (std::fmod(y, 32.0) < 4.0) base = Color{214, 180, 120};
            return modelpaint::Fabric(x / 64, y / 64, base, 0.02, 305U);
        });
    });
    return s;
}

const Surface& Velvet() {
    static const Surface s = MakeSurface("velvet", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return modelpaint::Fabric(x / 64, y / 64, Color{60, 104, 92}, 0.015, 307U);
        });
    });
    return s;
}

const Surface& NoteUpstairs() {
    static const Surface s =
        MakeSurface("note1", 128, 64, [](Canvas& c) { PaintNote(c, 311U, 4); });
    return s;
}

const Surface& NoteNightstand() {
    static const Surface s =
        MakeSurface("note3", 128, 64, [](Canvas& c) { PaintNote(c, 313U, 3); });
    return s;
}

const Surface& CabinetFront() {
    static const Surface s = MakeSurface("cabinet_front", 128, 128, [](Canvas& c) {
        PaintDoors(c, 2, true, false, Color{150, 96, 56}, Color{96, 58, 30});
    });
    return s;
}

const Surface& WardrobeFront() {
    // Two tall doors, each with a raised panel above and below, long brass pulls by the middle,
    // a cornice along the top and a plinth along the bottom.
    static const Surface s = MakeSurface("wardrobe_front", 256, 256, [](Canvas& c) {
        const Color wood{172, 122, 74}, dark{106, 68, 36};
        modelpaint::FillPattern(
            c,
            [&](double x, double y) {
                return modelpaint::WoodGrain(x / 256 * 2, y / 256 * 3, wood, dark, 341U);
            },
            1);
        FillBox(c, 0, 0, 256, 14, Scale(wood, 0.8));
        FillBox(c, 0, 12, 256, 14, Scale(dark, 0.6));
        FillBox(c, 0, 244, 256, 256, Scale(dark, 0.7));
        for (int door = 0; door < 2; ++door) {
            const double x0 = door * 128 + 6, x1 = door * 128 + 122;
            const double panels[2][2] = {{26, 126}, {138, 232}};
            for (const auto& p : panels) {
                FillBox(c, x0 + 12, p[0], x1 - 12, p[1], Scale(dark, 0.85), 0.6);
                FillBox(c, x0 + 16, p[0] + 4, x1 - 16, p[1] - 4, Scale(wood, 1.08));
                FillBox(c, x0 + 12, p[0], x1 - 12, p[0] + 3, Scale(wood, 1.3), 0.8);
                FillBox(c, x0 + 12, p[0], x0 + 15, p[1], Scale(wood, 1.2), 0.8);
            }
        }
        FillBox(c, 126, 14, 130, 244, Scale(dark, 0.45));
        for (double x : {117.0, 139.0}) {
            FillBox(c, x - 2, 98, x + 2, 160, Color{214, 184, 104});
            FillBox(c, x + 1, 98, x + 2, 160, Color{150, 120, 60});
        }
        FillDisc(c, 128, 150, 3, Color{40, 30, 20});
    });
    return s;
}

const Surface& SideboardFront() {
    static const Surface s = MakeSurface("sideboard_front", 256, 64, [](Canvas& c) {
        PaintDoors(c, 3, false, true, Color{150, 98, 58}, Color{92, 56, 30});
    });
    return s;
}

const Surface& NightstandFront() {
    static const Surface s = MakeSurface("nightstand_front", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [&](double x, double y) {
            return modelpaint::WoodGrain(x / 64, y / 64 * 2, Color{176, 126, 76},
                                         Color{116, 74, 40}, 331U);
        });
        for (int d = 0; d < 2; ++d) {
            const double y0 = 4 + d * 30, y1 = 30 + d * 30;
            FillBox(c, 4, y0, 60, y1, Color{120, 78, 44}, 0.35);
            FillBox(c, 6, y0 + 2, 58, y1 - 2, Color{188, 136, 84}, 0.6);
            FillBox(c, 26, (y0 + y1) / 2 - 2, 38, (y0 + y1) / 2 + 2, Color{200, 170, 90});
        }
        modelpaint::DarkenEdges(c, 3, 0.7);
    });
    return s;
}

const Surface& KitchenDoors() {
    static const Surface s = MakeSurface("kitchen_door", 64, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return Scale(Color{208, 224, 214}, 0.96 + 0.05 * Noise(x / 8, y / 16, 8, 8, 341U));
        });
        FillBox(c, 0, 0, 64, 2, Color{150, 160, 150});
        FillBox(c, 0, 0, 2, 128, Color{150, 160, 150});
        FillBox(c, 8, 10, 56, 118, Color{190, 208, 198});
        FillBox(c, 10, 12, 54, 116, Color{214, 230, 220});
        FillBox(c, 48, 56, 51, 76, Color{180, 180, 184});
        modelpaint::DarkenEdges(c, 2, 0.75);
    });
    return s;
}

const Surface& Worktop() {
    static const Surface s = MakeSurface("worktop", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            const double speck =
                modelpaint::Hash01(static_cast<int>(x * 2), static_cast<int>(y * 2), 351U);
            return Scale(Color{196, 190, 178}, speck > 0.9 ? 0.75 : 0.95 + 0.05 * speck);
        });
    });
    return s;
}

const Surface& Hob() {
    static const Surface s = MakeSurface("hob", 128, 128, [](Canvas& c) {
        c.FillRect(0, 0, 128, 128, Color{24, 24, 26});
        const double rings[4][3] = {{34, 34, 22}, {94, 34, 18}, {34, 94, 18}, {94, 94, 22}};
        for (const auto& r : rings) {
            StrokeRing(c, r[0], r[1], r[2], 3, Color{110, 110, 110});
            StrokeRing(c, r[0], r[1], r[2] * 0.55, 2, Color{80, 80, 80});
            FillDisc(c, r[0], r[1], 4, Color{60, 60, 60});
        }
        FillBox(c, 0, 0, 128, 3, Color{120, 120, 124});
    });
    return s;
}

const Surface& Sink() {
    static const Surface s = MakeSurface("sink", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            const double brush = Noise(x / 8, y, 16, 128, 361U);
            return Scale(Color{176, 180, 186}, 0.9 + 0.12 * brush);
        });
        FillBox(c, 12, 12, 116, 116, Color{96, 100, 106});
        FillBox(c, 16, 16, 112, 112, Color{134, 138, 144});
        FillDisc(c, 64, 64, 8, Color{50, 52, 56});
    });
    return s;
}

const Surface& Landscape() {
    // The picture upstairs: a valley under an evening sky, in a gilt frame.
    static const Surface s = MakeSurface("picture", 256, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            const double t = y / 128;
            Color sky = Mix(Color{90, 120, 180}, Color{240, 190, 130}, t * 1.6);
            const double hillFar = 62 + 10 * std::sin(x * 0.03) + 6 * std::sin(x * 0.07 + 1);
            const double hillNear = 86 + 14 * std::sin(x * 0.02 + 2) + 4 * std::sin(x * 0.11);
            if (y > hillFar) sky = Mix(Color{96, 120, 110}, Color{70, 96, 80}, (y - hillFar) / 40);
            if (y > hillNear) {
                sky = Scale(Color{86, 126, 60}, 0.9 + 0.2 * Fbm(x / 16, y / 16, 3, 0, 0, 371U));
            }
            return sky;
        });
        FillDisc(c, 190, 50, 10, Color{255, 232, 170});
        // A little house with a red roof on the near hill.
        FillBox(c, 70, 78, 92, 92, Color{230, 220, 200});
        for (int i = 0; i < 10; ++i) {
            FillBox(c, 68 + i, 78 - i, 94 - i, 79 - i, Color{170, 60, 50});
        }
        FillBox(c, 78, 84, 83, 92, Color{80, 60, 40});
        // Gilt frame.
        for (int i = 0; i < 12; ++i) {
            const Color gold =
                Mix(Color{120, 86, 30}, Color{226, 190, 100}, std::fabs(i - 6.0) < 3 ? 1.0 : 0.4);
            FillBox(c, i, i, 256 - i, i + 1, gold);
            FillBox(c, i, 127 - i, 256 - i, 128 - i, Scale(gold, 0.8));
            FillBox(c, i, i, i + 1, 128 - i, gold);
            FillBox(c, 255 - i, i, 256 - i, 128 - i, Scale(gold, 0.8));
        }
    });
    return s;
}

const Surface& Seascape() {
    static const Surface s = MakeSurface("painting_sea", 128, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            if (y < 30) return Mix(Color{150, 180, 210}, Color{220, 230, 236}, y / 30);
            const double wave = std::sin(x * 0.4 + y * 0.9) * 0.5 + 0.5;
            return Mix(Color{40, 80, 120}, Color{70, 120, 150}, wave * (y - 30) / 34);
        });
        // A sailing boat.
        for (int i = 0; i < 14; ++i)
            FillBox(c, 60, 14 + i, 61 + i * 0.8, 15 + i, Color{246, 244, 236});
        FillBox(c, 52, 29, 76, 33, Color{110, 60, 40});
        for (int i = 0; i < 6; ++i) {
            FillBox(c, i, i, 128 - i, i + 1, Color{40, 30, 24});
            FillBox(c, i, 63 - i, 128 - i, 64 - i, Color{40, 30, 24});
            FillBox(c, i, i, i + 1, 64 - i, Color{40, 30, 24});
            FillBox(c, 127 - i, i, 128 - i, 64 - i, Color{40, 30, 24});
        }
    });
    return s;
}

const Surface& Flowers() {
    static const Surface s = MakeSurface("painting_flowers", 128, 64, [](Canvas& c) {
        c.FillRect(0, 0, 128, 64, Color{60, 50, 46});
        FillBox(c, 54, 36, 74, 58, Color{170, 120, 70});
        const Color petals[4] = {{220, 70, 60}, {240, 200, 80}, {230, 120, 150}, {250, 240, 230}};
        for (int i = 0; i < 14; ++i) {
            const double a = i * 0.9, r = 8 + 12 * modelpaint::Hash01(i, 3, 381U);
            const double x = 64 + std::cos(a) * r * 1.6, y = 26 + std::sin(a) * r * 0.7;
            StrokeLine(c, 64, 40, x, y, 1.2, Color{60, 110, 50});
            FillDisc(c, x, y, 4 + 2 * modelpaint::Hash01(i, 5, 383U), petals[i % 4]);
        }
        for (int i = 0; i < 5; ++i) {
            FillBox(c, i, i, 128 - i, i + 1, Color{200, 170, 100});
            FillBox(c, i, 63 - i, 128 - i, 64 - i, Color{150, 120, 70});
            FillBox(c, i, i, i + 1, 64 - i, Color{200, 170, 100});
            FillBox(c, 127 - i, i, 128 - i, 64 - i, Color{150, 120, 70});
        }
    });
    return s;
}

const Surface& Mountains() {
    static const Surface s = MakeSurface("painting_hills", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            Color sky = Mix(Color{250, 200, 120}, Color{200, 100, 90}, y / 70);
            const double far = 62 + 14 * std::sin(x * 0.05 + 1.0) + 8 * std::sin(x * 0.13);
            const double near = 84 + 10 * std::sin(x * 0.04 + 3.0) + 5 * std::sin(x * 0.17);
            if (y > far) sky = Mix(Color{120, 80, 110}, Color{90, 60, 90}, (y - far) / 30);
            if (y > near) sky = Mix(Color{60, 70, 60}, Color{40, 50, 40}, (y - near) / 40);
            return sky;
        });
        FillDisc(c, 40, 46, 9, Color{255, 236, 180});
        for (int i = 0; i < 7; ++i) {
            const Color wood{90, 60, 36};
            FillBox(c, i, i, 128 - i, i + 1, wood);
            FillBox(c, i, 127 - i, 128 - i, 128 - i, Scale(wood, 0.8));
            FillBox(c, i, i, i + 1, 128 - i, wood);
            FillBox(c, 127 - i, i, 128 - i, 128 - i, Scale(wood, 0.8));
        }
    });
    return s;
}

const Surface& Portrait() {
    // An old, faded sepia photograph behind an oval mount in a black frame: the hidden room's
    // keepsake, dim beside the safe.
    static const Surface s = MakeSurface("portrait", 128, 256, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            const double frame = std::min({x, 128 - x, y, 256 - y});
            if (frame < 10) return Scale(Color{30, 26, 22}, frame < 2 || frame > 8 ? 0.7 : 1.0);
            const double ox = (x - 64) / 46, oy = (y - 122) / 96;
            if (ox * ox + oy * oy > 1) return Color{92, 80, 64};  // the mount, darkened by age
            Color photo = Mix(Color{222, 198, 156}, Color{168, 136, 100}, y / 256);
            // Head, hair, shoulders and a collar.
            const double hx = (x - 64) / 19, hy = (y - 96) / 24;
            if (hx * hx + hy * hy < 1) photo = Color{196, 160, 122};
            const double hairY = (y - 86) / 20;
            if (hx * hx + hairY * hairY < 1 && y < 90) photo = Color{80, 60, 44};
            const double bx = (x - 64) / 40, by = (y - 200) / 64;
            if (bx * bx + by * by < 1 && y > 128) photo = Color{72, 58, 46};
            if (std::fabs(x - 64) < 8 - (y - 128) * 0.1 && y > 124 && y < 150) {
                photo = Color{220, 206, 180};
            }
            for (double ex : {57.0, 71.0}) {
                if ((x - ex) * (x - ex) + (y - 96) * (y - 96) < 5) photo = Color{70, 50, 36};
            }
            const double vignette = 1.0 - 0.35 * (ox * ox + oy * oy);
            return Scale(photo, 0.6 * vignette * (0.94 + 0.1 * Noise(x / 3, y / 3, 0, 0, 391U)));
        });
    });
    return s;
}

// The safe's green enamel, a little worn.
Color SafeGreen(double x, double y) {
    return Scale(Color{40, 120, 84}, 0.9 + 0.14 * Noise(x / 8, y / 8, 16, 16, 401U));
}

const Surface& SafeEnamel() {
    static const Surface s = MakeSurface("safe_enamel", 64, 64,
                                         [](Canvas& c) { modelpaint::FillPattern(c, SafeGreen); });
    return s;
}

const Surface& SafeDoor() {
    // The door of the safe: a bright rim, a brass name plate, a big chrome dial, a brass handle
    // and keyhole.
    static const Surface s = MakeSurface("safe_door", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, SafeGreen);
        FillBox(c, 3, 3, 125, 125, Color{212, 190, 110});
        FillBox(c, 7, 7, 121, 121, Color{30, 96, 66});
        FillBox(c, 10, 10, 118, 118, Color{56, 150, 106});
        FillBox(c, 20, 14, 108, 38, Color{236, 200, 96});
        FillBox(c, 23, 17, 105, 35, Color{250, 222, 124});
        DrawDotText(c, 64 - DotTextWidth(3, "SAFE") / 2, 19, 3, "SAFE", Color{70, 40, 14});
        FillDisc(c, 44, 78, 25, Color{236, 238, 240});
        FillDisc(c, 44, 78, 19, Color{70, 74, 80});
        FillDisc(c, 44, 78, 7, Color{220, 224, 228});
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            StrokeLine(c, 44 + std::cos(a) * 20, 78 + std::sin(a) * 20, 44 + std::cos(a) * 24,
                       78 + std::sin(a) * 24, 1.8, Color{30, 30, 30});
        }
        FillBox(c, 86, 50, 96, 108, Color{232, 196, 90});
        FillBox(c, 78, 74, 104, 84, Color{232, 196, 90});
        FillDisc(c, 91, 114, 5, Color{232, 196, 90});
        FillBox(c, 90, 113, 92, 119, Color{10, 10, 10});
        modelpaint::DarkenEdges(c, 3, 0.7);
    });
    return s;
}

const Surface& SafeFrame() {
    // Dark steel round the door with a brass edge, so that the green door stands out from the
    // dark panelling round it.
    static const Surface s = MakeSurface("safe_frame", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return Scale(Color{78, 82, 88}, 0.9 + 0.14 * Noise(x / 4, y / 4, 16, 16, 403U));
        });
        FillBox(c, 0, 0, 64, 2, Color{212, 184, 100});
        FillBox(c, 0, 62, 64, 64, Color{212, 184, 100});
        FillBox(c, 0, 0, 2, 64, Color{212, 184, 100});
        FillBox(c, 62, 0, 64, 64, Color{212, 184, 100});
    });
    return s;
}

// Blue china: the plate shows against the niche's pale lining.
const Surface& PlateGlaze() {
    static const Surface s = Plain("plate", Color{104, 150, 214});
    return s;
}

const Surface& Calendar() {
    // The month of the gas check, that day ringed in red: the keypad's code. Laid out as its
    // close-up (info picture 8): weeks from Monday to Sunday, the 1st on the same weekday.
    static const Surface s = MakeSurface("calendar", 128, 128, [](Canvas& c) {
        c.FillRect(0, 0, 128, 128, Color{248, 246, 238});
        FillBox(c, 0, 0, 128, 28, Color{176, 40, 36});
        const int month = kKeypadCode[0] * 10 + kKeypadCode[1];
        const int day = kKeypadCode[2] * 10 + kKeypadCode[3];
        const char* name = month == 11 ? "NOVEMBER" : "DECEMBER";
        DrawDotText(c, (128 - DotTextWidth(2, name)) / 2, 7, 2, name, Color{255, 250, 240});
        const char* const weekdays[7] = {"M", "T", "W", "T", "F", "S", "S"};
        for (int column = 0; column < 7; ++column) {
            DrawDotText(c, kCalendarLeft + column * kCalendarColumn + 5, 30, 0.8, weekdays[column],
                        column == 6 ? Color{190, 40, 36} : Color{110, 110, 118});
        }
        const int firstWeekday = CalendarFirstWeekday(month);
        for (int d = 1; d <= CalendarDays(month); ++d) {
            const int slot = d - 1 + firstWeekday;
            const double x = kCalendarLeft + (slot % 7) * kCalendarColumn;
            const double y = kCalendarTop + (slot / 7) * kCalendarRow;
            char text[4];
            std::snprintf(text, sizeof text, "%d", d);
            const double width = DotTextWidth(1.4, text);
            const bool sunday = slot % 7 == 6;
            DrawDotText(c, x + (14 - width) / 2, y + 3, 1.4, text,
                        sunday ? Color{190, 40, 36} : Color{50, 50, 56});
            if (d == day) {
                StrokeRing(c, x + 7, y + 8, 9, 2.2, Color{220, 30, 30});
                DrawDotText(c, x - 10, y - 6, 1, "GAS", Color{220, 30, 30});
            }
        }
        FillBox(c, 0, 0, 128, 2, Color{80, 20, 18});
        FillDisc(c, 64, 4, 2.5, Color{60, 60, 60});
    });
    return s;
}

const Surface& RadioFront() {
    static const Surface s = MakeSurface("radio_front", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return modelpaint::WoodGrain(x / 128, y / 128 * 2, Color{120, 74, 40},
                                         Color{70, 40, 20}, 411U);
        });
        // Speaker cloth on the left, dial on the right.
        modelpaint::FillPattern(
            c,
            [&](double x, double y) {
                const Color wood = c.Get(static_cast<int>(x), static_cast<int>(y));
                if (x < 12 || x > 74 || y < 16 || y > 112) return wood;
                const double weave = std::sin(x * 2.2) * std::sin(y * 2.2);
                return Scale(Color{196, 170, 120}, 0.85 + 0.1 * weave);
            },
            1);
        for (int i = 0; i < 5; ++i) FillBox(c, 12, 30 + i * 18, 74, 33 + i * 18, Color{90, 56, 30});
        FillBox(c, 82, 20, 118, 70, Color{236, 214, 160});
        for (int i = 0; i < 7; ++i) FillBox(c, 86 + i * 5, 56, 87 + i * 5, 64, Color{60, 50, 40});
        FillBox(c, 100, 24, 102, 66, Color{200, 40, 30});
        FillDisc(c, 92, 94, 8, Color{40, 30, 20});
        FillDisc(c, 110, 94, 8, Color{40, 30, 20});
        modelpaint::DarkenEdges(c, 3, 0.7);
    });
    return s;
}

const Surface& BoilerPaint() {
    static const Surface s = MakeSurface("boiler", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            Color paint =
                Scale(Color{176, 58, 40}, 0.85 + 0.2 * Fbm(x / 16, y / 16, 4, 8, 8, 421U));
            // Rivet seams round the drum.
            const double seam = std::fmod(y, 32.0);
            if (seam < 2.0) paint = Scale(paint, 0.7);
            if (seam > 4 && seam < 6 && std::fmod(x, 8.0) < 2.5) paint = Scale(paint, 1.3);
            return paint;
        });
    });
    return s;
}

const Surface& DangerSign() {
    static const Surface s = MakeSurface("danger", 128, 64, [](Canvas& c) {
        c.FillRect(0, 0, 128, 64, Color{240, 196, 40});
        for (int i = -64; i < 128; i += 16) {
            StrokeLine(c, i, 64, i + 12, 52, 5, Color{30, 30, 30});
            StrokeLine(c, i, 12, i + 12, 0, 5, Color{30, 30, 30});
        }
        FillBox(c, 4, 14, 124, 50, Color{240, 196, 40});
        DrawDotText(c, (128 - DotTextWidth(3.4, "GAS")) / 2, 16, 3.4, "GAS", Color{20, 20, 20});
        DrawDotText(c, (128 - DotTextWidth(1.2, "DANGER")) / 2, 42, 1.2, "DANGER",
                    Color{180, 20, 20});
    });
    return s;
}

const Surface& BurnerPanel() {
    static const Surface s = MakeSurface("burner", 128, 128, [](Canvas& c) {
        c.FillRect(0, 0, 128, 128, Color{120, 124, 126});
        FillBox(c, 6, 6, 122, 122, Color{150, 154, 156});
        // Pressure gauge.
        FillDisc(c, 40, 36, 22, Color{40, 40, 40});
        FillDisc(c, 40, 36, 18, Color{240, 236, 220});
        for (int i = 0; i <= 8; ++i) {
            const double a = kPi * (0.75 + 1.5 * i / 8);
            StrokeLine(c, 40 + std::cos(a) * 13, 36 + std::sin(a) * 13, 40 + std::cos(a) * 17,
                       36 + std::sin(a) * 17, 1.2, i > 6 ? Color{200, 30, 30} : Color{30, 30, 30});
        }
        StrokeLine(c, 40, 36, 53, 26, 2, Color{200, 30, 30});
        // Flame window and switches.
        FillBox(c, 74, 18, 112, 56, Color{30, 30, 30});
        FillDisc(c, 93, 44, 9, Color{250, 140, 40});
        FillDisc(c, 93, 46, 5, Color{255, 220, 120});
        for (int i = 0; i < 3; ++i) FillDisc(c, 30 + i * 34, 96, 8, Color{40, 40, 40});
        FillBox(c, 20, 112, 108, 118, Color{220, 180, 30});
        modelpaint::DarkenEdges(c, 4, 0.7);
    });
    return s;
}

const Surface& CrateWood() {
    static const Surface s = MakeSurface("crate", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            Color wood = modelpaint::WoodGrain(y / 64, x / 64 * 2, Color{92, 66, 44},
                                               Color{60, 42, 28}, 431U, 1, 2);
            const double plank = std::fmod(y, 16.0);
            if (plank < 1.5) wood = Scale(wood, 0.55);
            if ((x < 3 || x > 61)) wood = Scale(wood, 0.8);
            return wood;
        });
        for (double y : {8.0, 24.0, 40.0, 56.0}) {
            FillDisc(c, 5, y, 1.2, Color{60, 60, 60});
            FillDisc(c, 59, y, 1.2, Color{60, 60, 60});
        }
    });
    return s;
}

const Surface& Brass() {
    static const Surface s = Plain("key_brass", Color{222, 180, 72});
    return s;
}

const Surface& ClockFace() {
    static const Surface s = MakeSurface("clock", 64, 64, [](Canvas& c) {
        c.FillRect(0, 0, 64, 64, Color{40, 40, 40});
        FillDisc(c, 32, 32, 28, Color{246, 242, 230});
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            StrokeLine(c, 32 + std::cos(a) * 22, 32 + std::sin(a) * 22, 32 + std::cos(a) * 26,
                       32 + std::sin(a) * 26, 2, Color{30, 30, 30});
        }
        StrokeLine(c, 32, 32, 32, 14, 2.5, Color{20, 20, 20});
        StrokeLine(c, 32, 32, 44, 36, 2.5, Color{20, 20, 20});
    });
    return s;
}

}  // namespace house
