// The inventory bar: its background, drawn over 168 by 69 pixels of the HUD corner with a well
// for each of the nine slots and one for the countdown, and the nine item icons that fill the
// slots (30 by 30 pixels). Icons are uploaded without any rescaling, so every size is a power of
// two: the background 256 by 128, the icons 32 by 32.
#include <string>  // Required for: std::to_string()

#include "hud/icon_bar.h"
#include "picture_items.h"
#include "picture_paint.h"
#include "picture_parts.h"

namespace {

constexpr int kBackgroundWidth = 256;
constexpr int kBackgroundHeight = 128;
constexpr double kBarWidth = 168;  // HUD pixels the background covers
constexpr double kBarHeight = 69;
constexpr int kIconSize = 32;

const Color kWell{12, 13, 18};
const Color kIconPanel{44, 46, 58};

// A rectangle of the bar (HUD pixels, y up from the bar's bottom) in background pixels.
struct BarRect {
    double x, y, width, height;
};
BarRect ToBackground(double x0, double y0, double x1, double y1) {
    const double sx = kBackgroundWidth / kBarWidth;
    const double sy = kBackgroundHeight / kBarHeight;
    return {x0 * sx, (kBarHeight - y1) * sy, (x1 - x0) * sx, (y1 - y0) * sy};
}

void WriteBackground(const std::filesystem::path& file) {
    Canvas canvas(kBackgroundWidth, kBackgroundHeight);
    FillVerticalGradient(canvas, 0, 0, kBackgroundWidth, kBackgroundHeight, Color{58, 52, 46},
                         Color{30, 28, 26});
    StrokeRoundedRect(canvas, 2, 2, kBackgroundWidth - 4, kBackgroundHeight - 4, 8, 3,
                      Color{176, 140, 80});
    // The slot wells: each a little larger than its slot, so a rim shows around an icon.
    for (int slot = 1; slot <= 9; ++slot) {
        const double x0 = slot <= 5 ? 33 * slot - 30 : 33 * slot - 195;
        const double y0 = slot <= 5 ? 3 : 36;
        const BarRect well = ToBackground(x0 - 1.0, y0 - 1.0, x0 + 31.0, y0 + 31.0);
        FillRoundedRect(canvas, well.x, well.y, well.width, well.height, 4, kWell);
        StrokeRoundedRect(canvas, well.x + 0.5, well.y + 0.5, well.width - 1, well.height - 1, 4,
                          1.2, Color{110, 96, 72});
    }
    // The countdown's well, right of the upper row. Its rim lies outside it, so the text has the
    // whole well.
    const BarRect timer = ToBackground(kCountdownWell[0], kCountdownWell[1], kCountdownWell[2],
                                       kCountdownWell[3]);
    FillRoundedRect(canvas, timer.x, timer.y, timer.width, timer.height, 4, Color{20, 10, 8});
    StrokeRoundedRect(canvas, timer.x - 0.6, timer.y - 0.6, timer.width + 1.2, timer.height + 1.2,
                      4, 1.2, Color{200, 90, 50});
    WriteBmp24(file, canvas);
}

// An icon: the item on a lighter panel than the empty well, so owned slots stand out.
Canvas IconCanvas() {
    Canvas canvas(kIconSize, kIconSize, kWell);
    FillRoundedRectGradient(canvas, 1, 1, kIconSize - 2, kIconSize - 2, 4, Color{64, 66, 82},
                            kIconPanel);
    return canvas;
}

// A small number in the icon's corner tells the three keys and the three notes apart.
void PaintBadge(Canvas& canvas, int number, Color color) {
    FillCircle(canvas, 25.5, 25.5, 6, Color{10, 10, 14});
    FillCircle(canvas, 25.5, 25.5, 5, color);
    GlyphRasterizer& font = Fonts().Font(Face::kSansBold, 10);
    DrawTextCentered(canvas, font, 26, 29, std::to_string(number), Color{10, 10, 14});
}

}  // namespace

void WriteBarIcons(const std::filesystem::path& iconFolder) {
    WriteBackground(iconFolder / "background.bmp");
    const Placement centre{16, 16, 13};
    {
        Canvas canvas = IconCanvas();
        PaintBread(canvas, {16, 17, 13.5}, false);
        WriteBmp24(iconFolder / "bread1.bmp", canvas);
    }
    {
        Canvas canvas = IconCanvas();
        PaintBread(canvas, {16, 18, 13.5}, true);
        WriteBmp24(iconFolder / "bread2.bmp", canvas);
    }
    {
        Canvas canvas = IconCanvas();
        PaintHammer(canvas, {16, 16, 14});
        WriteBmp24(iconFolder / "hammer1.bmp", canvas);
    }
    struct KeyLook {
        const char* file;
        Color metal;
        KeyBow bow;
    };
    const KeyLook keys[3] = {{"key1.bmp", {236, 188, 70}, KeyBow::kRound},
                             {"key2.bmp", {200, 208, 220}, KeyBow::kSquare},
                             {"key3.bmp", {226, 110, 70}, KeyBow::kClover}};
    for (int i = 0; i < 3; ++i) {
        Canvas canvas = IconCanvas();
        PaintKey(canvas, {15, 14, 12.5, 0.7}, keys[i].metal, keys[i].bow);
        PaintBadge(canvas, i + 1, keys[i].metal);
        WriteBmp24(iconFolder / keys[i].file, canvas);
    }
    const Color papers[3] = {{250, 248, 240}, {255, 226, 110}, {170, 210, 255}};
    for (int i = 0; i < 3; ++i) {
        Canvas canvas = IconCanvas();
        PaintNote(canvas, {centre.cx - 1, centre.cy, 13, -0.12}, papers[i]);
        PaintBadge(canvas, i + 1, papers[i]);
        WriteBmp24(iconFolder / ("note" + std::to_string(i + 1) + ".bmp"), canvas);
    }
}
