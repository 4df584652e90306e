// The keypad on the bookcase: a steel panel with a dark display, nine digit keys and a red close
// key painted exactly on the panel's cells, and the nine display digits that fill the display
// cells as the player types.
#include <string>  // Required for: std::to_string()

#include "picture_paint.h"
#include "picture_parts.h"

namespace {

// The digit pictures are drawn into 45 by 40 display cells. They are stored at 44 by 40: rows of
// a multiple of four bytes read right whatever unpack alignment the texture upload uses.
constexpr int kDisplayCellWidth = 45;
constexpr int kDigitWidth = 44;
constexpr int kDigitHeight = 40;

const Color kLcdBackground{14, 28, 20};
const Color kLcdUnlit{26, 46, 32};
const Color kLcdLit{130, 255, 150};

// A cell of the panel in picture pixels (y from the top of the picture).
struct PixelRect {
    double left, top, right, bottom;
};

PixelRect CellInPicture(const PanelCell& cell) {
    return {cell.xMin + 200.0, kPanelHeight - (cell.yMax + 100.0), cell.xMax + 200.0,
            kPanelHeight - (cell.yMin + 100.0)};
}

// Seven-segment digits: segments a (top), b (upper right), c (lower right), d (bottom),
// e (lower left), f (upper left), g (middle).
constexpr unsigned char kSegments[10] = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

// One segment from (x0, y0) to (x1, y1), horizontal or vertical, with pointed ends; the digit is
// slanted a little, like a real display.
std::vector<Point> Segment(double x0, double y0, double x1, double y1, double thickness,
                           double slant, double baseY) {
    const double h = thickness / 2;
    std::vector<Point> points;
    if (y0 == y1) {
        points = {{x0, y0}, {x0 + h, y0 - h}, {x1 - h, y0 - h},
                  {x1, y0}, {x1 - h, y0 + h}, {x0 + h, y0 + h}};
    } else {
        points = {{x0, y0}, {x0 + h, y0 + h}, {x0 + h, y1 - h},
                  {x0, y1}, {x0 - h, y1 - h}, {x0 - h, y0 + h}};
    }
    for (Point& p : points) p.x += (baseY - p.y) * slant;
    return points;
}

// Paints digit `digit` (0 to 9, or -1 for all segments unlit) into the box.
void PaintSevenSegment(Canvas& canvas, double left, double top, double width, double height,
                       int digit, Color lit, Color unlit, double thickness) {
    const double gap = thickness * 0.3;
    const double x0 = left + thickness / 2;
    const double x1 = left + width - thickness / 2;
    const double yTop = top + thickness / 2;
    const double yMid = top + height / 2;
    const double yBottom = top + height - thickness / 2;
    const double slant = 0.08;
    const double baseY = top + height;
    const std::vector<Point> segments[7] = {
        Segment(x0 + gap, yTop, x1 - gap, yTop, thickness, slant, baseY),        // a
        Segment(x1, yTop + gap, x1, yMid - gap, thickness, slant, baseY),        // b
        Segment(x1, yMid + gap, x1, yBottom - gap, thickness, slant, baseY),     // c
        Segment(x0 + gap, yBottom, x1 - gap, yBottom, thickness, slant, baseY),  // d
        Segment(x0, yMid + gap, x0, yBottom - gap, thickness, slant, baseY),     // e
        Segment(x0, yTop + gap, x0, yMid - gap, thickness, slant, baseY),        // f
        Segment(x0 + gap, yMid, x1 - gap, yMid, thickness, slant, baseY),        // g
    };
    const unsigned char on = digit >= 0 ? kSegments[digit] : 0;
    for (int i = 0; i < 7; ++i) {
        if ((on >> i & 1) == 0) FillPolygon(canvas, segments[i], unlit);
    }
    for (int i = 0; i < 7; ++i) {
        if ((on >> i & 1) == 0) continue;
        // A soft glow first, then the segment itself.
        std::vector<Point> glow = segments[i];
        for (Point& p : glow) {
            p.x += (p.x - (left + width / 2)) * 0.06;
            p.y += (p.y - (top + height / 2)) * 0.04;
        }
        FillPolygon(canvas, glow, lit, 70);
        FillPolygon(canvas, segments[i], lit);
    }
}

void PaintDigitKey(Canvas& canvas, const PixelRect& cell, int digit) {
    const double inset = 5;
    const double x = cell.left + inset, y = cell.top + inset;
    const double w = cell.right - cell.left - 2 * inset, h = cell.bottom - cell.top - 2 * inset;
    FillRoundedRect(canvas, x + 1, y + 3, w, h, 8, Color{8, 9, 12}, 180);  // shadow
    FillRoundedRect(canvas, x, y, w, h, 8, Color{58, 56, 52});
    // The face: lighter at the top, like a rounded plastic key under a lamp.
    FillRoundedRectGradient(canvas, x + 1, y + 1, w - 2, h - 2, 7, Color{248, 244, 232},
                            Color{192, 186, 172});
    StrokeRoundedRect(canvas, x + 1.5, y + 1.5, w - 3, h - 3, 7, 1.0, Color{255, 255, 255}, 90);
    GlyphRasterizer& font = Fonts().Font(Face::kSansBold, 34);
    const int centreX = static_cast<int>(x + w / 2);
    const int baseline = static_cast<int>(y + h / 2 + font.Ascender() * 0.36);
    DrawTextCentered(canvas, font, centreX, baseline, std::to_string(digit), Color{36, 38, 48});
}

void PaintCloseKey(Canvas& canvas, const PixelRect& cell) {
    const double inset = 5;
    const double x = cell.left + inset, y = cell.top + inset;
    const double w = cell.right - cell.left - 2 * inset, h = cell.bottom - cell.top - 2 * inset;
    FillRoundedRect(canvas, x + 1, y + 3, w, h, 8, Color{8, 9, 12}, 180);
    FillRoundedRect(canvas, x, y, w, h, 8, Color{90, 20, 16});
    FillRoundedRectGradient(canvas, x + 1, y + 1, w - 2, h - 2, 7, Color{236, 82, 64},
                            Color{172, 36, 28});
    StrokeRoundedRect(canvas, x + 1.5, y + 1.5, w - 3, h - 3, 7, 1.0, Color{255, 220, 210}, 90);
    const int centreX = static_cast<int>(x + w / 2);
    // A cross, then the word in both languages.
    const double crossX = x + 17, crossY = y + h / 2, arm = 7;
    DrawLine(canvas, {crossX - arm, crossY - arm}, {crossX + arm, crossY + arm}, 4,
             Color{255, 250, 245});
    DrawLine(canvas, {crossX - arm, crossY + arm}, {crossX + arm, crossY - arm}, 4,
             Color{255, 250, 245});
    GlyphRasterizer& chinese = Fonts().Font(Face::kChinese, 18);
    GlyphRasterizer& english = Fonts().Font(Face::kSansBold, 11);
    DrawTextCentered(canvas, chinese, centreX + 10, static_cast<int>(y + h / 2 - 1), "关闭",
                     Color{255, 250, 245});
    DrawTextCentered(canvas, english, centreX + 10, static_cast<int>(y + h / 2 + 14), "CLOSE",
                     Color{255, 236, 230});
}

void PaintScrew(Canvas& canvas, double cx, double cy) {
    FillCircle(canvas, cx, cy + 1, 5, Color{10, 10, 14}, 160);
    FillCircle(canvas, cx, cy, 5, Color{150, 156, 166});
    FillCircle(canvas, cx - 1, cy - 1, 3.5, Color{196, 202, 210});
    DrawLine(canvas, {cx - 3.5, cy + 2}, {cx + 3.5, cy - 2}, 1.4, Color{70, 74, 82});
}

void WritePanel(const std::filesystem::path& file) {
    Canvas canvas(kPanelWidth, kPanelHeight);
    // Brushed steel: a cool gradient with faint horizontal streaks.
    Random random(1126);
    for (int y = 0; y < kPanelHeight; ++y) {
        const Color base = Mix(Color{104, 110, 122}, Color{62, 66, 76}, y / double(kPanelHeight));
        const double streak = random.Uniform(-1, 1);
        canvas.FillRect(0, y, kPanelWidth, 1, Scale(base, 1.0 + 0.05 * streak));
    }
    StrokeRoundedRect(canvas, 2.5, 2.5, kPanelWidth - 5, kPanelHeight - 5, 12, 3,
                      Color{30, 32, 38});
    StrokeRoundedRect(canvas, 5.5, 5.5, kPanelWidth - 11, kPanelHeight - 11, 10, 1,
                      Color{170, 176, 186}, 160);
    PaintScrew(canvas, 18, 18);
    PaintScrew(canvas, kPanelWidth - 18, 18);
    PaintScrew(canvas, 18, kPanelHeight - 14);
    PaintScrew(canvas, kPanelWidth - 18, kPanelHeight - 14);

    // The display strip, where the entered digits appear.
    const double displayLeft = kDisplayLeft * kPanelWidth;
    const double displayRight = kDisplayRight * kPanelWidth;
    const double displayTop = (1.0 - kDisplayTop) * kPanelHeight;
    const double displayBottom = (1.0 - kDisplayBottom) * kPanelHeight;
    FillRoundedRect(canvas, displayLeft - 6, displayTop - 6, displayRight - displayLeft + 12,
                    displayBottom - displayTop + 12, 6, Color{24, 26, 30});
    canvas.FillRect(static_cast<int>(displayLeft), static_cast<int>(displayTop),
                    static_cast<int>(displayRight - displayLeft),
                    static_cast<int>(displayBottom - displayTop), kLcdBackground);
    for (int i = 0; i < 4; ++i) {
        const double cellLeft = displayLeft + i * kDisplayCellWidth;
        PaintSevenSegment(canvas, cellLeft + 12, displayTop + 5, kDisplayCellWidth - 22,
                          kDigitHeight - 10, -1, kLcdLit, kLcdUnlit, 4.5);
    }
    GlyphRasterizer& label = Fonts().Font(Face::kChinese, 14);
    GlyphRasterizer& labelEnglish = Fonts().Font(Face::kSansBold, 10);
    const int titleEnd = kPanelWidth / 2 + 4 + TextWidth(labelEnglish, "BOOKCASE LOCK") / 2;
    DrawTextAt(
        canvas, label,
        titleEnd - TextWidth(labelEnglish, "BOOKCASE LOCK") - 8 - TextWidth(label, "书柜密码锁"),
        27, "书柜密码锁", Color{236, 238, 242});
    DrawTextAt(canvas, labelEnglish, titleEnd - TextWidth(labelEnglish, "BOOKCASE LOCK"), 26,
               "BOOKCASE LOCK", Color{210, 214, 222});
    // The two lamps beside the display: red while locked.
    FillCircle(canvas, 33, displayTop + 20, 6, Color{20, 10, 10});
    FillCircle(canvas, 33, displayTop + 20, 4.5, Color{236, 52, 40});
    PaintGlow(canvas, 33, displayTop + 20, 11, Color{255, 90, 70}, 90);
    FillCircle(canvas, kPanelWidth - 33, displayTop + 20, 6, Color{20, 10, 10});
    FillCircle(canvas, kPanelWidth - 33, displayTop + 20, 4.5, Color{30, 70, 36});
    GlyphRasterizer& hint = Fonts().Font(Face::kChinese, 13);
    const int hintWidth =
        TextWidth(hint, "输入四位密码") + 8 + TextWidth(labelEnglish, "ENTER 4 DIGITS");
    const int hintEnd = DrawTextAt(canvas, hint, (kPanelWidth - hintWidth) / 2, 98, "输入四位密码",
                                   Color{236, 238, 242});
    DrawTextAt(canvas, labelEnglish, hintEnd + 8, 97, "ENTER 4 DIGITS", Color{210, 214, 222});

    // The recessed plate under the keys, then the keys on their cells.
    const PixelRect topLeft = CellInPicture(kPanelCells[1]);
    const PixelRect bottomRight = CellInPicture(kPanelCells[9]);
    const PixelRect closeCell = CellInPicture(kPanelCells[0]);
    FillRoundedRect(canvas, topLeft.left - 7, topLeft.top - 7,
                    bottomRight.right - topLeft.left + 14, closeCell.bottom - topLeft.top + 14, 10,
                    Color{22, 24, 28});
    for (int digit = 1; digit <= 9; ++digit) {
        PaintDigitKey(canvas, CellInPicture(kPanelCells[digit]), digit);
    }
    PaintCloseKey(canvas, closeCell);
    // Small print on the plate beside the close key.
    GlyphRasterizer& small = Fonts().Font(Face::kSansBold, 10);
    DrawTextCentered(canvas, small, static_cast<int>((topLeft.left + closeCell.left) / 2),
                     static_cast<int>(closeCell.top + 37), "SAFE-LOCK", Color{120, 126, 136});
    DrawTextCentered(canvas, small, static_cast<int>((bottomRight.right + closeCell.right) / 2),
                     static_cast<int>(closeCell.top + 37), "MODEL 9", Color{120, 126, 136});
    // Stored top row first: the game flips such pictures while reading them.
    WriteTarga24Smallest(file, canvas, TargaLayout::kTopFirst);
}

void WriteDigit(const std::filesystem::path& file, int digit) {
    Canvas canvas(kDigitWidth, kDigitHeight, kLcdBackground);
    PaintSevenSegment(canvas, 12, 5, kDigitWidth - 22, kDigitHeight - 10, digit, kLcdLit, kLcdUnlit,
                      4.5);
    WriteTarga24Smallest(file, canvas);
}

}  // namespace

void WriteKeypadPictures(const std::filesystem::path& pictureFolder) {
    WritePanel(pictureFolder / "clock.tga");
    for (int digit = 1; digit <= 9; ++digit) {
        WriteDigit(pictureFolder / ("num_" + std::to_string(digit) + ".tga"), digit);
    }
}
