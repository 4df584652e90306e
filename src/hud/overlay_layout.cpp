// Laying out everything over the house for one window size, from the numbers of the 800 by 600
// design. No OpenGL here.
#include "hud/overlay_layout.h"

#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::lround(), std::ceil()

#include "hud/hud_font.h"
#include "hud/icon_bar.h"
#include "platform/glyphs.h"

namespace {

// The design, in pixels of the 800 by 600 window.
// How far the countdown's ink keeps inside the rim of the well it is written in at least, in
// overlay units.
constexpr double kCountdownRimMargin = 1.0;
// The floor's name: its pen over the window's lower-left corner, its dark copy a pixel down and
// right, which keeps it readable on any wall.
constexpr double kFloorLabelPen = 8.0;
constexpr double kFloorShadowOffset = 1.0;
// The frame round the slot of the item in hand.
constexpr double kSlotOutlineWidth = 2.0;
// The hint's lines keep this far from the window's right edge and under the HUD corner, with
// this gap between them; a text's dark band reaches this far round its lines, across and up and
// down.
constexpr double kHintRightMargin = 8.0;
constexpr double kHintGapUnderCorner = 2.0;
constexpr double kHintLineGap = 2.0;
constexpr double kBandPaddingAcross = 6.0;
constexpr double kBandPadding = 4.0;
// The line that answers a press stands this high over the window's bottom edge: above the
// floor's name, below the info picture.
constexpr double kBottomLineBaseline = 36.0;
// The keypad panel: 300 by 400, its right edge 200 left of the window's right edge and its top
// 100 below the window's top; panel pixels count from 200 right of its left edge and 100 above
// its bottom.
constexpr double kPanelWidth = 300.0;
constexpr double kPanelHeight = 400.0;
constexpr double kPanelRightOffset = 200.0;
constexpr double kPanelTopOffset = 100.0;
constexpr double kPanelOrigin[2] = {200.0, 100.0};
// The info picture: 240 by 360, its left edge 40 left of the window's middle and its bottom 240
// below it (0.45 and 0.1 of the window across and up), clear of the bar and of the line at the
// bottom.
constexpr double kInfoPictureSize[2] = {240.0, 360.0};
constexpr double kInfoPictureFromMiddle[2] = {-40.0, -240.0};
// The large note pictures are pictures 10 to 12, of slots 7 to 9.
constexpr int kFirstNoteSlot = 7;
constexpr int kNotePictureOffset = 3;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// The height that keeps a picture designed `designWidth` by `designHeight` in its proportions at
// `width` pixels across: whole pixels can keep them to half a pixel at best.
int SameProportions(int width, double designWidth, double designHeight) {
    if (designWidth <= 0.0) return 0;
    return Round(width * designHeight / designWidth);
}

// The pixels whose middles lie in the rectangle (left, bottom)-(right, top) of window
// coordinates: the pixels a quad drawn over it fills.
ScreenArea PixelsCovered(double left, double bottom, double right, double top) {
    const int x0 = static_cast<int>(std::ceil(left - 0.5));
    const int x1 = static_cast<int>(std::ceil(right - 0.5));
    const int y0 = static_cast<int>(std::ceil(bottom - 0.5));
    const int y1 = static_cast<int>(std::ceil(top - 0.5));
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// The ink box of any count "0M:SS" the countdown can show, written from pen (x, baseline) in
// `font`: each place's widest and narrowest characters taken apart, so the box holds whatever
// digits stand there. False when the font cannot say.
bool CountdownInkBox(GlyphRasterizer& font, int x, int baseline, double box[4]) {
    if (!font.IsOpen()) return false;
    static constexpr const char32_t* kPlaces[5] = {U"0", U"0123456789", U":", U"012345",
                                                   U"0123456789"};
    double nearestPen = x, furthestPen = x;
    box[0] = box[1] = 1.0e9;
    box[2] = box[3] = -1.0e9;
    for (const char32_t* place : kPlaces) {
        int fewest = 1 << 30, most = -(1 << 30);
        for (const char32_t* c = place; *c != U'\0'; ++c) {
            const Glyph& glyph = font.Get(*c);
            if (glyph.width > 0 && glyph.height > 0) {
                box[0] = std::min(box[0], nearestPen + glyph.left);
                box[2] = std::max(box[2], furthestPen + glyph.left + glyph.width);
                box[1] = std::min(box[1], static_cast<double>(baseline + glyph.top - glyph.height));
                box[3] = std::max(box[3], static_cast<double>(baseline + glyph.top));
            }
            fewest = std::min(fewest, glyph.advance);
            most = std::max(most, glyph.advance);
        }
        nearestPen += fewest;
        furthestPen += most;
    }
    return box[0] <= box[2];
}

// The countdown's pixel height: the design's times s, or the largest below it whose counts keep
// an overlay unit inside the rim of the well the bar paints for them (at 800 by 600 they keep
// two). The font's digits are fitted to whole pixels, so they do not grow in proportion to their
// size: rounded up, five of them can reach over the rim.
int CountdownFontPixels(const OverlayLayout& layout, double unitX, double unitY) {
    const int designed = std::max(1, layout.Pixels(kCountdownFontPixelHeight));
    const ScreenArea& corner = layout.hudCorner;
    const double room[4] = {
        corner.x + (kCountdownWell[0] + kCountdownRimMargin) * unitX,
        corner.y + (kCountdownWell[1] + kCountdownRimMargin) * unitY,
        corner.x + (kCountdownWell[2] - kCountdownRimMargin) * unitX,
        corner.y + (kCountdownWell[3] - kCountdownRimMargin) * unitY,
    };
    for (int pixels = designed; pixels > 1; --pixels) {
        double box[4];
        if (!CountdownInkBox(HudFontOfSize(pixels), layout.countdownX, layout.countdownBaseline,
                             box)) {
            return designed;
        }
        if (box[0] >= room[0] && box[1] >= room[1] && box[2] <= room[2] && box[3] <= room[3]) {
            return pixels;
        }
    }
    return 1;
}

}  // namespace

double OverlayScale(int w, int h) {
    if (w <= 0 || h <= 0) return 0.0;
    return std::min(static_cast<double>(w) / kDesignWidth, static_cast<double>(h) / kDesignHeight);
}

int OverlayLayout::Pixels(double designPixels) const {
    return Round(designPixels * scale);
}

ScreenArea OverlayLayout::NotePicture(int slot) const {
    const int index = slot - kFirstNoteSlot;
    if (index < 0 || index >= 3) return {0, 0, 0, 0};
    return notePictures[index];
}

bool OverlayLayout::InHudCorner(int x, int y) const {
    return hudCorner.width > 0 && hudCorner.height > 0 && x >= hudCorner.x && y <= hudCorner.height;
}

float OverlayLayout::BarX(int x) const {
    if (hudCorner.width <= 0) return -1.0f;
    return static_cast<float>(static_cast<double>(x - hudCorner.x) * kHudCornerWidth /
                              hudCorner.width);
}

float OverlayLayout::BarY(int y) const {
    if (hudCorner.height <= 0) return -1.0f;
    // The corner's top is the window's: y counts down from it.
    return static_cast<float>(static_cast<double>(hudCorner.height - y) * kHudCornerHeight /
                              hudCorner.height);
}

float OverlayLayout::PanelX(int x) const {
    if (panelScaleX <= 0.0) return -1.0e9f;
    return static_cast<float>((x - panelOriginX) / panelScaleX);
}

float OverlayLayout::PanelY(int y) const {
    if (panelScaleY <= 0.0) return -1.0e9f;
    return static_cast<float>((windowHeight - y - panelOriginY) / panelScaleY);
}

OverlayLayout LayOutOverlays(int w, int h) {
    OverlayLayout layout;
    layout.windowWidth = w;
    layout.windowHeight = h;
    layout.scale = OverlayScale(w, h);
    const double s = layout.scale;

    // The HUD corner and the bar in it.
    const int cornerWidth = Round(kHudCornerWidth * s);
    const int cornerHeight = Round(kHudCornerHeight * s);
    layout.hudCorner = {w - cornerWidth, h - cornerHeight, cornerWidth, cornerHeight};
    const double unitX = static_cast<double>(cornerWidth) / kHudCornerWidth;
    const double unitY = static_cast<double>(cornerHeight) / kHudCornerHeight;
    for (int entry = 0; entry < kIconBarEntryCount; ++entry) {
        const float(&quad)[4][2] = g_iconRects[entry];
        layout.iconEntries[entry] = PixelsCovered(
            layout.hudCorner.x + quad[0][0] * unitX, layout.hudCorner.y + quad[0][1] * unitY,
            layout.hudCorner.x + quad[2][0] * unitX, layout.hudCorner.y + quad[2][1] * unitY);
    }
    layout.countdownX = layout.hudCorner.x + Round(kCountdownX * unitX);
    layout.countdownBaseline = layout.hudCorner.y + Round(kCountdownY * unitY);
    layout.floorLabelX = layout.Pixels(kFloorLabelPen);
    layout.floorLabelBaseline = layout.Pixels(kFloorLabelPen);
    layout.floorShadowOffset = std::max(1, layout.Pixels(kFloorShadowOffset));
    // A font of no pixels cannot be opened; the smallest windows get the smallest one.
    layout.hudFontPixels = std::max(1, layout.Pixels(kHudFontPixelHeight));
    layout.countdownFontPixels = CountdownFontPixels(layout, unitX, unitY);
    layout.noticeFontPixels = std::max(1, layout.Pixels(kNoticeFontPixelHeight));
    layout.slotOutlineWidth = static_cast<float>(std::max(1.0, kSlotOutlineWidth * s));

    // Texts laid out in the window.
    layout.hintRightMargin = layout.Pixels(kHintRightMargin);
    layout.hintGapUnderCorner = layout.Pixels(kHintGapUnderCorner);
    layout.hintLineGap = layout.Pixels(kHintLineGap);
    layout.bandPaddingAcross = layout.Pixels(kBandPaddingAcross);
    layout.bandPadding = layout.Pixels(kBandPadding);
    layout.bottomLineBaseline = layout.Pixels(kBottomLineBaseline);

    // Note pictures: their own proportions, centred; one larger than the window gets negative
    // offsets and is cropped by it.
    for (int index = 0; index < 3; ++index) {
        const int picture = kFirstNoteSlot + index + kNotePictureOffset;
        const int width = Round(g_iconWidth[picture] * s);
        const int height = SameProportions(width, g_iconWidth[picture], g_iconHeight[picture]);
        layout.notePictures[index] = {(w - width) / 2, (h - height) / 2, width, height};
    }

    // The keypad panel and its keys.
    const int panelWidth = Round(kPanelWidth * s);
    const int panelHeight = Round(kPanelHeight * s);
    layout.keypadPanel = {w - Round(kPanelRightOffset * s) - panelWidth,
                          h - Round(kPanelTopOffset * s) - panelHeight, panelWidth, panelHeight};
    layout.panelScaleX = panelWidth / kPanelWidth;
    layout.panelScaleY = panelHeight / kPanelHeight;
    layout.panelOriginX = layout.keypadPanel.x + kPanelOrigin[0] * layout.panelScaleX;
    layout.panelOriginY = layout.keypadPanel.y + kPanelOrigin[1] * layout.panelScaleY;
    for (int key = 0; key < 10; ++key) {
        const PanelRect& cell = kKeypadKeys[key];
        layout.keypadKeys[key] =
            PixelsCovered(layout.panelOriginX + cell.xMin * layout.panelScaleX,
                          layout.panelOriginY + cell.yMin * layout.panelScaleY,
                          layout.panelOriginX + cell.xMax * layout.panelScaleX,
                          layout.panelOriginY + cell.yMax * layout.panelScaleY);
    }

    // The info picture.
    const int infoWidth = Round(kInfoPictureSize[0] * s);
    layout.infoPicture = {Round(w / 2.0 + kInfoPictureFromMiddle[0] * s),
                          Round(h / 2.0 + kInfoPictureFromMiddle[1] * s), infoWidth,
                          SameProportions(infoWidth, kInfoPictureSize[0], kInfoPictureSize[1])};
    return layout;
}
