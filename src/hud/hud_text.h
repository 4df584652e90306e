// Text in the HUD corner: the countdown and the hint of a right-pressed icon, drawn as glyphs
// at the current raster position in the raster colour.
#pragma once

extern const char* const g_iconHints[10];  // UTF-8, by icon-bar entry

// Draws UTF-8 text at the current raster position, each glyph advancing it by its width.
void DrawHudText(const char* text);
// The hint of an owned entry (0 to 9); nothing for -1 or an entry not owned.
void DrawIconHint(int entry);
