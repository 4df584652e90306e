// The furniture of the house and its clickable places. Each piece stands on the cells that the
// floor plan walls off for it (0.03 inside their free edges), and each clickable thing lies in
// its pick box: the note on the upstairs table (box 0), the key on the crate (1), the locked
// cabinet (2), the picture (3), the radio (6), the wardrobe (7), the nightstand (9), the wall
// safe (10), the photograph in the hidden room (11), the boiler (14) and the calendar (16).
#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::cos(), std::sin(), std::sqrt(), std::fabs()
#include <cstdio>     // Required for: std::snprintf()

#include "gameplay/keypad_code.h"
#include "house_parts.h"
#include "house_plan.h"
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

// The floor-plan rectangle of a piece, 0.03 inside the edges of its cells.
struct Footprint {
    double minX, maxX, minZ, maxZ;
};

Footprint FootprintOf(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    return Footprint{RowMinX(firstRow) + kInset, RowMaxX(lastRow) - kInset,
                     ColumnMinZ(firstColumn) + kInset, ColumnMaxZ(lastColumn) - kInset};
}

// Four legs under a rectangle.
void Legs(Model& model, const Surface& surface, Footprint f, double inset, double size,
          double bottom, double top) {
    for (double x : {f.minX + inset, f.maxX - inset - size}) {
        for (double z : {f.minZ + inset, f.maxZ - inset - size}) {
            AddBox(model, surface, V(x, bottom, z), V(x + size, top, z + size), WorldUv(0.5),
                   kAllFaces & ~kFaceMinusY);
        }
    }
}

// Textures ---------------------------------------------------------------------------------------

Surface Plain(const char* name, Color color) {
    return MakePlainSurface(name, color);
}

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

// Paper with lines of handwriting.
void PaintNote(Canvas& c, std::uint32_t seed, int lines) {
    modelpaint::FillPattern(c, [&](double x, double y) {
        return Scale(Color{246, 240, 222}, 0.95 + 0.06 * Noise(x / 16, y / 16, 0, 0, seed));
    });
    const double w = c.Width(), h = c.Height();
    for (int line = 0; line < lines; ++line) {
        const double y = h * (0.16 + 0.7 * line / std::max(1, lines - 1));
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

const Surface& NoteUpstairs() {
    static const Surface s = MakeSurface("note1", 64, 64, [](Canvas& c) { PaintNote(c, 311U, 6); });
    return s;
}

const Surface& NoteNightstand() {
    static const Surface s = MakeSurface("note3", 64, 64, [](Canvas& c) { PaintNote(c, 313U, 5); });
    return s;
}

// Oak doors seen from the front: `doors` leaves side by side, with handles and, if `keyhole`, a
// lock plate in the middle.
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

const Surface& Portrait() {
    // An old photograph in a black frame: the hidden room's keepsake.
    static const Surface s = MakeSurface("portrait", 64, 128, [](Canvas& c) {
        c.FillRect(0, 0, 64, 128, Color{24, 22, 20});
        modelpaint::FillPattern(c, [](double x, double y) {
            if (x < 8 || x > 56 || y < 8 || y > 120) return Color{24, 22, 20};
            Color paper = Mix(Color{214, 190, 150}, Color{150, 120, 90}, y / 128 * 0.5);
            // Head and shoulders.
            const double hx = (x - 32) / 11, hy = (y - 46) / 14;
            if (hx * hx + hy * hy < 1) paper = Color{176, 146, 112};
            const double bx = (x - 32) / 22, by = (y - 100) / 30;
            if (bx * bx + by * by < 1 && y > 72) paper = Color{70, 56, 44};
            return Scale(paper, 0.9 + 0.12 * Noise(x / 4, y / 4, 0, 0, 391U));
        });
        for (int i = 0; i < 3; ++i) {
            StrokeRing(c, 32, 46, 15 + i, 0.8, Color{120, 96, 70}, 0.3);
        }
    });
    return s;
}

const Surface& SafeDoor() {
    static const Surface s = MakeSurface("safe_door", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return Scale(Color{70, 78, 86}, 0.9 + 0.12 * Noise(x / 8, y / 8, 16, 16, 401U));
        });
        FillBox(c, 6, 6, 122, 122, Color{92, 100, 110});
        FillBox(c, 10, 10, 118, 118, Color{80, 88, 98});
        // The dial, the handle and the keyhole that key 2 fits.
        FillDisc(c, 50, 60, 22, Color{180, 184, 190});
        FillDisc(c, 50, 60, 16, Color{40, 44, 50});
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            StrokeLine(c, 50 + std::cos(a) * 17, 60 + std::sin(a) * 17, 50 + std::cos(a) * 21,
                       60 + std::sin(a) * 21, 1.5, Color{30, 30, 30});
        }
        FillBox(c, 86, 54, 110, 66, Color{196, 198, 204});
        FillBox(c, 94, 30, 100, 90, Color{196, 198, 204});
        FillDisc(c, 97, 100, 5, Color{200, 170, 80});
        FillBox(c, 96, 100, 98, 108, Color{10, 10, 10});
        DrawDotText(c, 28, 100, 2, "SAFE", Color{210, 190, 120});
        modelpaint::DarkenEdges(c, 4, 0.6);
    });
    return s;
}

const Surface& Calendar() {
    // The month of the gas check, that day ringed in red: the keypad's code.
    static const Surface s = MakeSurface("calendar", 128, 128, [](Canvas& c) {
        c.FillRect(0, 0, 128, 128, Color{248, 246, 238});
        FillBox(c, 0, 0, 128, 30, Color{176, 40, 36});
        const int month = kKeypadCode[0] * 10 + kKeypadCode[1];
        const int day = kKeypadCode[2] * 10 + kKeypadCode[3];
        const char* name = month == 11 ? "NOVEMBER" : "DECEMBER";
        DrawDotText(c, (128 - DotTextWidth(2, name)) / 2, 8, 2, name, Color{255, 250, 240});
        // Seven columns of days, the 1st on a Wednesday.
        const int days = month == 11 ? 30 : 31;
        const int firstWeekday = 2;
        for (int d = 1; d <= days; ++d) {
            const int slot = d - 1 + firstWeekday;
            const double x = 6 + (slot % 7) * 17.0, y = 38 + (slot / 7) * 17.0;
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
            Color wood = modelpaint::WoodGrain(y / 64, x / 64 * 2, Color{200, 160, 104},
                                               Color{150, 108, 62}, 431U, 1, 2);
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

const Surface& MeterBox() {
    static const Surface s = Plain("meterbox", Color{150, 156, 150});
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

// Upstairs ---------------------------------------------------------------------------------------

void BuildUpstairsBed(Model& model) {
    const CellRange cells = SegmentCells(9, 11);  // against the west wall
    const Footprint f =
        FootprintOf(cells.firstRow + 1, cells.lastRow, cells.firstColumn, cells.lastColumn);
    const double y = kUpperFloor;
    const Surface& oak = OakSurface();
    Legs(model, oak, f, 0.0, 0.07, y, y + 0.12);
    AddBox(model, oak, V(f.minX, y + 0.12, f.minZ), V(f.maxX, y + 0.3, f.maxZ), WorldUv(0.5));
    AddBox(model, Linen(), V(f.minX + 0.03, y + 0.3, f.minZ + 0.07),
           V(f.maxX - 0.03, y + 0.46, f.maxZ - 0.07), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, Quilt(), V(f.minX + 0.015, y + 0.22, f.minZ + 0.62),
           V(f.maxX - 0.015, y + 0.49, f.maxZ - 0.065), WorldUv(0.6), kAllFaces & ~kFaceMinusY);
    AddRoundedSolid(model, Linen(), V(f.minX + 0.12, y + 0.44, f.minZ + 0.1),
                    V(f.maxX - 0.12, y + 0.58, f.minZ + 0.42), 3.0, 12, 8, false);
    AddBox(model, oak, V(f.minX, y, f.minZ), V(f.maxX, y + 0.95, f.minZ + 0.06), WorldUv(0.5));
    AddBox(model, oak, V(f.minX, y, f.maxZ - 0.06), V(f.maxX, y + 0.62, f.maxZ), WorldUv(0.5));
}

void BuildCrateAndKey(Model& model) {
    const CellRange cells = SegmentCells(12, 13);  // the north-west corner
    const Footprint f =
        FootprintOf(cells.firstRow + 1, cells.lastRow, cells.firstColumn + 1, cells.lastColumn);
    const double y = kUpperFloor, top = y + 0.255;
    AddBox(model, CrateWood(), V(f.minX, y, f.minZ), V(f.maxX, top, f.maxZ), FitUv(),
           kAllFaces & ~kFaceMinusY);
    // Key 1: an old brass key lying on the lid (pick box 1).
    const double keyY = top + 0.001, thick = 0.014, zc = -4.64;
    AddCylinder(model, Brass(), V(0.305, keyY, zc), V(0, thick, 0), 0.038, 16, false, true);
    AddBox(model, Plain("key_hole", Color{60, 40, 20}), V(0.293, keyY + thick, zc - 0.012),
           V(0.317, keyY + thick + 0.001, zc + 0.012), WorldUv(1.0), kFacePlusY);
    AddBox(model, Brass(), V(0.34, keyY, zc - 0.009), V(0.47, keyY + thick, zc + 0.009),
           WorldUv(1.0), kAllFaces & ~kFaceMinusY);
    AddBox(model, Brass(), V(0.345, keyY, zc - 0.016), V(0.36, keyY + thick, zc + 0.016),
           WorldUv(1.0), kAllFaces & ~kFaceMinusY);
    AddBox(model, Brass(), V(0.425, keyY, zc + 0.009), V(0.47, keyY + thick, zc + 0.045),
           WorldUv(1.0), kAllFaces & ~kFaceMinusY);
}

void BuildUpstairsTable(Model& model) {
    const CellRange cells = SegmentCells(14, 17);
    const Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow, cells.firstColumn, cells.lastColumn);
    const double y = kUpperFloor, top = 3.43;
    const Surface& pine = PineSurface();
    AddBox(model, pine, V(f.minX, top - 0.04, f.minZ), V(f.maxX, top, f.maxZ), WorldUv(0.5));
    AddBox(model, pine, V(f.minX + 0.05, top - 0.11, f.minZ + 0.05),
           V(f.maxX - 0.05, top - 0.04, f.maxZ - 0.05), WorldUv(0.5), kAllFaces & ~kFacePlusY);
    Legs(model, pine, f, 0.02, 0.06, y, top - 0.04);
    // Note 1 (pick box 0), a little askew.
    const double angle = 0.14;
    const Vec3 halfU = V(std::cos(angle) * 0.15, 0, std::sin(angle) * 0.15);
    const Vec3 halfW = V(-std::sin(angle) * 0.13, 0, std::cos(angle) * 0.13);
    AddRect(model, NoteUpstairs(), V(2.4, top + 0.002, -2.885) - halfU + halfW, halfU * 2.0,
            halfW * -2.0, FitUv());
    // A candle and a book beside it.
    AddCylinder(model, Plain("brass_dish", Color{190, 160, 90}), V(2.78, top, -1.92),
                V(0, 0.012, 0), 0.05, 12, false, true);
    AddCylinder(model, Plain("wax", Color{240, 232, 210}), V(2.78, top + 0.012, -1.92),
                V(0, 0.12, 0), 0.022, 10, false, true);
    AddBox(model, Plain("book_red", Color{140, 40, 36}), V(2.3, top, -2.25),
           V(2.58, top + 0.045, -1.9), WorldUv(1.0), kAllFaces & ~kFaceMinusY);
    AddBox(model, Plain("pages", Color{236, 228, 206}), V(2.31, top + 0.006, -2.245),
           V(2.581, top + 0.039, -1.905), WorldUv(1.0), kFacePlusX | kFacePlusZ);
}

void BuildCabinetAndPicture(Model& model) {
    // The locked cabinet against the east wall (pick box 2), its top at 3.72 where the hammer
    // lies; above it the picture (pick box 3).
    const CellRange cells = SegmentCells(18, 20);
    const Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow - 1, cells.firstColumn, cells.lastColumn);
    const double front = 4.385, back = 4.9, y = kUpperFloor, top = 3.72;
    const double minZ = f.minZ, maxZ = std::min(f.maxZ, -1.67);
    AddBox(model, DarkWoodSurface(), V(front + 0.02, y, minZ + 0.02),
           V(back, y + 0.06, maxZ - 0.02), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddFrontedBox(model, OakSurface(), CabinetFront(), kFaceMinusX, V(front, y + 0.06, minZ),
                  V(back, top, maxZ), 0.5, kAllFaces & ~kFaceMinusY & ~kFacePlusX);
    AddBoxFace(model, Landscape(), V(4.88, 4.0, -3.0), V(4.9, 4.6, -2.0), kFaceMinusX, FitUv());
    AddBox(model, Plain("gilt", Color{190, 150, 70}), V(4.88, 4.0, -3.0), V(4.9, 4.6, -2.0),
           WorldUv(1.0), kFacePlusY | kFaceMinusY | kFacePlusZ | kFaceMinusZ);
}

// The ground floor
// ---------------------------------------------------------------------------------

void BuildBoiler(Model& model) {
    // A big horizontal gas boiler (pick box 14): the drum on two saddles, the burner at its east
    // end, pipes up into the ceiling and warning signs on both sides.
    const Surface& paint = BoilerPaint();
    const Surface& steel = SteelSurface();
    const double axisY = 0.82, axisZ = -3.2, radius = 0.68;
    AddCylinder(model, paint, V(1.15, axisY, axisZ), V(2.35, 0, 0), radius, 24, true, true);
    AddFrontedBox(model, Plain("burner_case", Color{120, 40, 30}), BurnerPanel(), kFacePlusX,
                  V(3.5, 0.08, -3.85), V(3.77, 1.25, -2.55), 0.5, kAllFaces & ~kFaceMinusY);
    for (double x : {1.45, 3.05}) {
        AddBox(model, Plain("saddle", Color{50, 50, 54}), V(x, 0.0, -3.62),
               V(x + 0.15, 0.42, -2.78), WorldUv(1.0), kAllFaces & ~kFaceMinusY);
    }
    AddCylinder(model, steel, V(1.7, axisY + radius - 0.05, axisZ), V(0, 2.9 - 1.45, 0), 0.05, 10,
                false, false);
    AddCylinder(model, steel, V(2.9, axisY + radius - 0.05, -3.0), V(0, 2.9 - 1.45, 0), 0.04, 10,
                false, false);
    AddCylinder(model, Plain("valve", Color{200, 40, 30}), V(2.9, 1.8, -3.0), V(0, 0.03, 0), 0.1,
                12, true, true);
    // Warning plates on the drum's south and north sides.
    AddRect(model, DangerSign(), V(1.95, 0.62, axisZ + radius + 0.012), V(0.9, 0, 0), V(0, 0.42, 0),
            FitUv());
    AddRect(model, DangerSign(), V(2.85, 0.62, axisZ - radius - 0.012), V(-0.9, 0, 0),
            V(0, 0.42, 0), FitUv());
}

void BuildCalendar(Model& model) {
    // A grey meter box high on the boiler room's west wall, the calendar hanging on its door
    // (pick box 16).
    AddBox(model, MeterBox(), V(0.17, 1.88, -2.72), V(0.33, 2.44, -2.31), WorldUv(0.5),
           kAllFaces & ~kFaceMinusX);
    AddBoxFace(model, Calendar(), V(0.33, 1.99, -2.66), V(0.334, 2.29, -2.37), kFacePlusX, FitUv());
}

void BuildSideboardAndRadio(Model& model) {
    const CellRange cells = SegmentCells(68, 70);
    const Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow, cells.firstColumn, cells.lastColumn - 1);
    const double top = 0.59;
    const Surface& oak = OakSurface();
    Legs(model, DarkWoodSurface(), f, 0.03, 0.05, 0.0, 0.08);
    AddFrontedBox(model, oak, SideboardFront(), kFaceMinusZ, V(f.minX, 0.08, f.minZ),
                  V(f.maxX, top - 0.025, f.maxZ), 0.5, kAllFaces & ~kFacePlusZ);
    AddBox(model, oak, V(f.minX, top - 0.025, f.minZ), V(f.maxX, top, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFacePlusZ);
    // The radio (pick box 6), facing the room.
    const Surface& walnut = DarkWoodSurface();
    AddFrontedBox(model, walnut, RadioFront(), kFaceMinusZ, V(3.26, top, -5.64),
                  V(3.56, 0.78, -5.36), 0.5, kAllFaces & ~kFaceMinusY);
    AddCylinder(model, walnut, V(3.41, 0.7, -5.635), V(0, 0, 0.27), 0.14, 16, true, true);
    for (double x : {3.47, 3.52}) {
        AddCylinder(model, Plain("knob", Color{40, 30, 20}), V(x, 0.63, -5.64), V(0, 0, -0.015),
                    0.014, 8, false, true);
    }
    // A vase of flowers at the other end.
    AddTube(model, Plain("vase", Color{60, 90, 140}), V(2.55, top, -5.6), V(0, 0.2, 0), 0.05, 0.035,
            10, false, false);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 1.3;
        const Vec3 head =
            V(2.55 + std::cos(a) * 0.06, top + 0.3 + 0.03 * (i % 2), -5.6 + std::sin(a) * 0.06);
        AddRoundedSolid(model,
                        Plain(i % 2 ? "petal_red" : "petal_yellow",
                              i % 2 ? Color{210, 60, 60} : Color{240, 200, 70}),
                        head - V(0.03, 0.025, 0.03), head + V(0.03, 0.025, 0.03), 2.0, 8, 5, false);
    }
    AddBoxFace(model, Flowers(), V(2.6, 1.1, -5.19), V(3.6, 1.6, -5.17), kFaceMinusZ, FitUv());
}

void BuildWardrobe(Model& model) {
    // Built into the living room's west wall (pick box 7): key 2 is inside.
    AddFrontedBox(model, OakSurface(), WardrobeFront(), kFacePlusX, V(1.23, 0.0, -8.15),
                  V(1.44, 2.3, -6.12), 0.5, kFacePlusX | kFacePlusY);
    const Surface& trim = TrimSurface();
    AddBox(model, trim, V(1.37, 0.0, -8.25), V(1.4, 2.4, -8.15), WorldUv(0.5));
    AddBox(model, trim, V(1.37, 0.0, -6.12), V(1.4, 2.4, -6.02), WorldUv(0.5));
    AddBox(model, trim, V(1.37, 2.3, -8.15), V(1.4, 2.4, -6.12), WorldUv(0.5));
}

void BuildLivingRoomBed(Model& model) {
    const CellRange cells = SegmentCells(74, 75);  // along the north wall
    Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow, cells.firstColumn + 1, cells.lastColumn);
    f.maxX = 4.13;  // the nightstand stands at its head
    const Surface& oak = OakSurface();
    Legs(model, oak, f, 0.0, 0.07, 0.0, 0.12);
    AddBox(model, oak, V(f.minX, 0.12, f.minZ), V(f.maxX, 0.3, f.maxZ), WorldUv(0.5));
    AddBox(model, Linen(), V(f.minX + 0.07, 0.3, f.minZ + 0.03),
           V(f.maxX - 0.07, 0.46, f.maxZ - 0.03), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, RedBlanket(), V(f.minX + 0.065, 0.22, f.minZ + 0.015),
           V(3.45, 0.49, f.maxZ - 0.015), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddRoundedSolid(model, Linen(), V(3.62, 0.44, f.minZ + 0.12), V(4.0, 0.58, f.maxZ - 0.1), 3.0,
                    12, 8, false);
    AddBox(model, oak, V(f.maxX - 0.06, 0.0, f.minZ), V(f.maxX, 1.0, f.maxZ), WorldUv(0.5));
    AddBox(model, oak, V(f.minX, 0.0, f.minZ), V(f.minX + 0.06, 0.62, f.maxZ), WorldUv(0.5));
}

void BuildNightstand(Model& model) {
    // At the bed's head (pick box 9); note 3 lies on it.
    const double minX = 4.15, maxX = 4.74, minZ = -9.57, maxZ = -8.88;
    const Surface& oak = OakSurface();
    Legs(model, DarkWoodSurface(), Footprint{minX, maxX, minZ, maxZ}, 0.02, 0.05, 0.0, 0.06);
    AddFrontedBox(model, oak, NightstandFront(), kFacePlusZ, V(minX, 0.06, minZ),
                  V(maxX, 0.78, maxZ), 0.5, kAllFaces & ~kFaceMinusZ & ~kFaceMinusY);
    AddBox(model, oak, V(minX, 0.78, minZ), V(maxX, 0.8, maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusZ);
    AddBoxFace(model, NoteNightstand(), V(4.3, 0.8, -9.35), V(4.56, 0.803, -9.08), kFacePlusY,
               FitUv());
}

void BuildSideTable(Model& model) {
    const CellRange cells = SegmentCells(65, 67);  // by the wall between boiler room and hall
    const Footprint f =
        FootprintOf(cells.firstRow + 1, cells.lastRow, cells.firstColumn, cells.lastColumn);
    const Surface& walnut = DarkWoodSurface();
    AddBox(model, walnut, V(f.minX, 0.57, f.minZ), V(f.maxX, 0.61, f.maxZ), WorldUv(0.5));
    Legs(model, walnut, f, 0.02, 0.04, 0.0, 0.57);
    const double cx = (f.minX + f.maxX) / 2, cz = (f.minZ + f.maxZ) / 2;
    AddTube(model, Plain("lamp_base", Color{200, 190, 170}), V(cx, 0.61, cz), V(0, 0.24, 0), 0.07,
            0.03, 12, false, true);
    AddTube(model, Plain("lamp_shade", Color{240, 220, 170}), V(cx, 0.84, cz), V(0, 0.22, 0), 0.14,
            0.09, 16, true, true);
}

void BuildSofa(Model& model) {
    const CellRange sofaCells = SegmentCells(56, 57);
    const CellRange endCells = SegmentCells(61, 62);
    const Footprint f = FootprintOf(sofaCells.firstRow, endCells.lastRow, sofaCells.firstColumn + 1,
                                    sofaCells.lastColumn);
    const Surface& velvet = Velvet();
    Legs(model, DarkWoodSurface(), f, 0.03, 0.05, 0.0, 0.06);
    AddBox(model, velvet, V(f.minX, 0.06, f.minZ), V(f.maxX, 0.3, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    const double arm = 0.15, back = 0.17;
    const double middle = (f.minX + f.maxX) / 2;
    AddBox(model, velvet, V(f.minX + arm, 0.3, f.minZ + back), V(middle - 0.005, 0.42, f.maxZ),
           WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(middle + 0.005, 0.3, f.minZ + back), V(f.maxX - arm, 0.42, f.maxZ),
           WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(f.minX, 0.3, f.minZ), V(f.maxX, 0.86, f.minZ + back), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(f.minX, 0.3, f.minZ), V(f.minX + arm, 0.6, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(f.maxX - arm, 0.3, f.minZ), V(f.maxX, 0.6, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    // The footstool in front of it.
    const CellRange stool = SegmentCells(58, 60);
    const Footprint s =
        FootprintOf(stool.firstRow, stool.lastRow, stool.firstColumn, stool.lastColumn);
    const Footprint stoolFootprint{s.minX, s.maxX, f.maxZ + 0.005, s.maxZ};
    Legs(model, DarkWoodSurface(), stoolFootprint, 0.03, 0.05, 0.0, 0.06);
    AddBox(model, velvet, V(s.minX, 0.06, stoolFootprint.minZ), V(s.maxX, 0.38, s.maxZ),
           WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    // A painting above the sofa.
    AddBoxFace(model, Seascape(), V(8.55, 1.25, -4.83), V(9.65, 1.85, -4.81), kFacePlusZ, FitUv());
}

void BuildKitchenCounter(Model& model) {
    // In the recess behind the kitchen's north wall line: cupboards, worktop, sink and hob, wall
    // cupboards above; the bread (its own model) lies at the east end of the worktop.
    const double minX = 8.17, maxX = 10.23, back = -9.62, front = -9.03;
    const double width = maxX - minX;
    AddBox(model, Plain("plinth", Color{60, 60, 60}), V(minX, 0.0, back),
           V(maxX, 0.08, front - 0.04), WorldUv(1.0), kFacePlusZ);
    AddFrontedBox(model, KitchenDoors(), KitchenDoors(), kFacePlusZ, V(minX, 0.08, back),
                  V(maxX, 0.9, front), 0.5, kFacePlusZ, 4.0);
    AddBox(model, Worktop(), V(minX, 0.9, -9.65), V(maxX, 0.955, front + 0.02), WorldUv(0.5),
           kFacePlusY | kFacePlusZ | kFaceMinusY);
    AddBoxFace(model, Sink(), V(8.55, 0.955, -9.5), V(9.05, 0.958, -9.12), kFacePlusY, FitUv());
    AddBox(model, SteelSurface(), V(8.78, 0.955, -9.6), V(8.82, 1.18, -9.56), WorldUv(0.5));
    AddBox(model, SteelSurface(), V(8.78, 1.14, -9.56), V(8.82, 1.18, -9.4), WorldUv(0.5));
    AddBoxFace(model, Hob(), V(9.3, 0.955, -9.52), V(9.8, 0.96, -9.1), kFacePlusY, FitUv());
    for (int i = 0; i < 3; ++i) {
        AddCylinder(model,
                    Plain(i == 1 ? "jar_blue" : "jar_white",
                          i == 1 ? Color{90, 120, 170} : Color{230, 226, 214}),
                    V(8.34 + i * 0.09, 0.955, -9.55), V(0, 0.14 + 0.02 * i, 0), 0.035, 10, false,
                    true);
    }
    AddFrontedBox(model, KitchenDoors(), KitchenDoors(), kFacePlusZ, V(minX, 1.65, back),
                  V(maxX, 2.35, front), 0.5, kFacePlusZ | kFaceMinusY, 4.0);
    (void)width;
    // A clock on the kitchen's east wall, high up.
    AddCylinder(model, ClockFace(), V(10.23, 2.25, -8.3), V(-0.03, 0, 0), 0.16, 24, false, true);
}

void BuildSafe(Model& model) {
    // Set into the back wall of the hidden room's alcove (pick box 10).
    AddBox(model, SteelSurface(), V(11.45, 0.19, -1.9), V(11.92, 0.67, -1.885), WorldUv(0.5),
           kAllFaces & ~kFacePlusZ & ~kFaceMinusZ);
    AddBoxFace(model, SafeDoor(), V(11.45, 0.19, -1.9), V(11.92, 0.67, -1.885), kFacePlusZ,
               FitUv());
}

void BuildPortrait(Model& model) {
    // In the little recess of the hidden room's east wall (pick box 11).
    AddBoxFace(model, Portrait(), V(12.985, 0.82, -1.2), V(13.0, 1.24, -1.02), kFaceMinusX,
               FitUv());
    AddBox(model, Plain("frame_black", Color{24, 22, 20}), V(12.985, 0.82, -1.2),
           V(13.0, 1.24, -1.02), WorldUv(1.0), kFacePlusY | kFaceMinusY | kFacePlusZ | kFaceMinusZ);
}

}  // namespace

void BuildFurniture(Model& model) {
    BuildUpstairsBed(model);
    BuildCrateAndKey(model);
    BuildUpstairsTable(model);
    BuildCabinetAndPicture(model);
    BuildBoiler(model);
    BuildCalendar(model);
    BuildSideboardAndRadio(model);
    BuildWardrobe(model);
    BuildLivingRoomBed(model);
    BuildNightstand(model);
    BuildSideTable(model);
    BuildSofa(model);
    BuildKitchenCounter(model);
    BuildSafe(model);
    BuildPortrait(model);
}

}  // namespace house
