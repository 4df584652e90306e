// Text in the HUD corner: the countdown and the hint of a right-pressed icon, drawn as glyphs
// at the current raster position in the raster colour.
#pragma once

class GlyphRasterizer;

extern const char* const g_iconHints[10];  // UTF-8, by icon-bar entry

// The hint an icon-bar entry shows after a right press: its text when the entry (0 to 9) is
// owned, nullptr for -1, for an entry out of range or not owned.
const char* IconHintText(int entry);

// The floor the player is on, written in the window's lower-left corner so that the stairs,
// which carry the player up or down at a step, never leave them wondering where they are.
const char* FloorLabelText();

// Draws UTF-8 text at the current raster position in the colour latched with it, each glyph
// advancing the raster position by its width; the window's edge cuts it off. Nothing happens
// for an empty text or an invalid raster position.
void DrawHudText(const char* text);
// The same in the given font.
void DrawHudText(const char* text, GlyphRasterizer& font);
// The countdown text, in the countdown's size of the HUD font.
void DrawCountdownText(const char* text);
// The hint of an owned entry (0 to 9); nothing for -1 or an entry not owned.
void DrawIconHint(int entry);
