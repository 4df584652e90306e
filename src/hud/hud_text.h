// Text over the house: the countdown in the HUD corner, the floor, the hint of a right-pressed
// icon under the bar, and short lines laid out in the window, drawn as glyphs at the current
// raster position in the raster colour.
#pragma once

#include "hud/overlay.h"

class GlyphRasterizer;

// A hint in both of the game's languages, each a line of its own, UTF-8.
struct IconHint {
    const char* chinese;
    const char* english;
};
extern const IconHint g_iconHints[10];  // by icon-bar entry

// The hint an icon-bar entry shows after a right press: its texts when the entry (0 to 9) is
// owned, nullptr for -1, for an entry out of range or not owned.
const IconHint* IconHintText(int entry);

// Remembers where the player stands as a right press asks for a hint; a step or a turn puts
// the hint away, as it puts away a comment on a place, instead of leaving it over the view for
// the rest of the walk.
void RememberHintPose();
// Whether the player has stepped or turned since the hint was asked for.
bool HintPutAwayByMove();

// A line of text placed in the window: the pen's start and the baseline, in pixels from the
// window's lower-left corner.
struct PlacedLine {
    const char* text;
    int x, baseline;
};
// Up to two lines with the dark band that keeps them readable over any wall.
struct HudTextBlock {
    PlacedLine lines[2];
    int count;
    ScreenArea band;        // empty when there is no line
    GlyphRasterizer* font;  // the face the lines were measured with, and are drawn in
};
// The pixels the line inks in `font`, from the window's lower-left corner (empty for no ink).
ScreenArea InkArea(const PlacedLine& line, GlyphRasterizer& font);
// The lines below are laid out at the window's scale (overlay_layout.h), in the HUD font
// rendered at that scale's size.
// The hint of an owned entry in a window w by h: Chinese over English, each right-aligned to
// the window's right edge, just under the HUD corner. No lines for an entry without a hint.
HudTextBlock LayOutIconHint(int entry, int w, int h);
// One line centred across a window w by h, near its bottom, clear of the floor's name and of
// the pictures that come up in the middle of the window.
HudTextBlock LayOutBottomLine(const char* text, int w, int h);
// One line centred in a window w by h, across and up and down: the word over a paused game.
HudTextBlock LayOutMiddleLine(const char* text, int w, int h);
// Draws the band, then the lines in the hint colour and the block's font, over a window w by h;
// leaves the viewport, the matrices and the colour as it found them.
void DrawHudTextBlock(const HudTextBlock& block, int w, int h);

// The floor the player is on, written in the window's lower-left corner so that the stairs,
// which carry the player up or down at a step, never leave them wondering where they are.
const char* FloorLabelText();

// Draws UTF-8 text at the current raster position in the colour latched with it, each glyph
// advancing the raster position by its width; the window's edge cuts it off. Nothing happens
// for an empty text or an invalid raster position.
void DrawHudText(const char* text);
// The same in the given font.
void DrawHudText(const char* text, GlyphRasterizer& font);
// The hint of an owned entry (0 to 9) under the bar of a window w by h; nothing for -1 or an
// entry not owned.
void DrawIconHint(int entry, int w, int h);
