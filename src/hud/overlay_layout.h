// Where everything drawn over the house lies in a window of any size, and how a press there is
// read back: the HUD corner with the icon bar and the countdown, the floor's name, the hint
// under the bar, the lines near the bottom and in the middle, the note pictures, the keypad
// panel and the info pictures.
//
// They are designed for a window of 800 by 600 pixels and drawn at the scale
// s = min(width / 800, height / 600), each anchored where it stands in that window: the HUD corner
// at the top right, the keypad panel at its offset from the top right times s, the pictures
// round the window's middle, the floor's name at the bottom left. The frame draws through this
// layout and the mouse callback reads presses through it, so a press lands on what is drawn at
// any window size. No OpenGL here: the tests lay windows out without one.
#pragma once

#include "hud/overlay.h"

// The window everything over the house is designed for.
inline constexpr int kDesignWidth = 800;
inline constexpr int kDesignHeight = 600;

// The HUD corner in design pixels: the icon bar's overlay units, 180 by 100, one unit a pixel of
// an 800 by 600 window.
inline constexpr int kHudCornerWidth = 180;
inline constexpr int kHudCornerHeight = 100;

// A rectangle of the keypad panel in panel pixels: x to the right, y up, from the point 300
// design pixels left of the window's right edge and 400 below its top.
struct PanelRect {
    float xMin, yMin, xMax, yMax;
};
// The keypad's keys, index 0 the close key and 1 to 9 the digits: three columns 89 wide from
// x = -184, rows 65 high, the close key under the middle column. Neighbouring keys share their
// edges. The panel's picture has its keys painted on these cells.
inline constexpr PanelRect kKeypadKeys[10] = {
    {-95, -73, -6, -8},     // 0 close
    {-184, 122, -95, 187},  // 1
    {-95, 122, -6, 187},    // 2
    {-6, 122, 83, 187},     // 3
    {-184, 57, -95, 122},   // 4
    {-95, 57, -6, 122},     // 5
    {-6, 57, 83, 122},      // 6
    {-184, -8, -95, 57},    // 7
    {-95, -8, -6, 57},      // 8
    {-6, -8, 83, 57},       // 9
};

// Everything over the house in one window. Areas are whole window pixels from the lower-left
// corner, as a viewport gives them; an area holds the pixels whose middles the drawn thing covers.
struct OverlayLayout {
    int windowWidth = 0;
    int windowHeight = 0;
    double scale = 0.0;  // s: design pixels to window pixels

    // The HUD corner at the top right; the bar's 180 by 100 overlay units are stretched over it.
    ScreenArea hudCorner{};
    // The bar's background (entry 0) and slots 1 to 9, as drawn in the corner.
    ScreenArea iconEntries[10]{};
    // The countdown's pen start and baseline, in the well right of the bar's upper row.
    int countdownX = 0, countdownBaseline = 0;
    // The floor's name, bottom left, and how far down and right its dark copy lies.
    int floorLabelX = 0, floorLabelBaseline = 0, floorShadowOffset = 0;
    // Pixel heights of the fonts: the HUD's texts (floor, hints, the keypad's verdict), the
    // countdown (a pixel less where the font's digits would reach over the rim of the bar's
    // well), and the lines that answer a press.
    int hudFontPixels = 0, countdownFontPixels = 0, noticeFontPixels = 0;
    // The width of the frame round the slot of the item in hand.
    float slotOutlineWidth = 0.0f;

    // The hint under the bar: how far its lines keep from the window's right edge and from the
    // HUD corner above, the gap between its two lines.
    int hintRightMargin = 0, hintGapUnderCorner = 0, hintLineGap = 0;
    // The dark band round a block of text: its room across, and up and down.
    int bandPaddingAcross = 0, bandPadding = 0;
    // The baseline of the line that answers a press, over the window's bottom edge.
    int bottomLineBaseline = 0;

    // The large pictures of note slots 7, 8 and 9, at their own proportions, centred.
    ScreenArea notePictures[3]{};
    // The keypad panel, its right edge and top at their design offsets from the window's top
    // right times s; the keys as drawn on it.
    ScreenArea keypadPanel{};
    ScreenArea keypadKeys[10]{};
    // The info picture, 240 by 360 design pixels, as far from the window's middle as at 800 by
    // 600 times s.
    ScreenArea infoPicture{};

    // A length in design pixels as window pixels, rounded.
    int Pixels(double designPixels) const;
    // The picture of note slot 7, 8 or 9; an empty area for any other slot.
    ScreenArea NotePicture(int slot) const;

    // Whether the press at window pixel (x, y), y from the top as the mouse gives it, is one the
    // icon bar is asked about: in the HUD corner's columns, and no lower than the row just under
    // it.
    bool InHudCorner(int x, int y) const;
    // A press in the bar's overlay units (origin at the corner's lower left, y up).
    float BarX(int x) const;
    float BarY(int y) const;
    // A press in keypad panel pixels.
    float PanelX(int x) const;
    float PanelY(int y) const;

    // Keypad panel pixels from (-200, -100) to (100, 300) cover the panel: where its origin lies
    // in the window, and its pixels per panel pixel.
    double panelOriginX = 0.0, panelOriginY = 0.0, panelScaleX = 0.0, panelScaleY = 0.0;
};

// The scale of everything over the house in a window w by h: min(w / 800, h / 600); 0 for a
// window with no pixels.
double OverlayScale(int w, int h);
// Lays out everything over the house for a window w by h. The icon bar's slots must have been
// laid out (LayOutIconSlots), and the note pictures' sizes read, for their areas to be known;
// the countdown's size is measured with the HUD font.
OverlayLayout LayOutOverlays(int w, int h);
