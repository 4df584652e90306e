// The one font of the HUD texts (countdown and hints): found once through fontconfig among the
// fonts that cover Chinese, rendered through FreeType at the size of a standard UI font. No
// OpenGL here; hud_text.cpp draws the glyphs.
#pragma once

#include <string>  // Required for: std::string

#include "platform/read_ahead.h"

class GlyphRasterizer;

// Pixel height of the font's em square in an 800 by 600 window (larger windows scale it, see
// overlay_layout.h): CJK characters come out 12 to 13 pixels high, like the default UI font of a
// Chinese desktop.
inline constexpr int kHudFontPixelHeight = 13;
// The countdown's smaller size: five characters of it must fit, with room to spare, into the
// well that the bar has for them right of its upper row.
inline constexpr int kCountdownFontPixelHeight = 11;
// The size of a line that answers a press over the house: read at a glance, while the player's
// eyes are on the place just clicked.
inline constexpr int kNoticeFontPixelHeight = 16;
// What fontconfig is asked for: any sans-serif face that can write Simplified Chinese.
inline constexpr const char* kHudFontPattern = "sans-serif:lang=zh-cn";

// The HUD font, opened on first use. When no font can be opened, or the one found cannot write
// the hint texts, one line on stderr says so; the game goes on with what the font covers. A font
// file found ahead (FindHudFontAhead) is the one opened.
GlyphRasterizer& HudFont();
// The job that asks fontconfig for the HUD font's file ahead, for HudFont.
ReadAheadJob FindHudFontAhead();
// The HUD font's face at the countdown's size, opened on first use.
GlyphRasterizer& CountdownFont();
// The HUD font's face at the notice size, opened on first use.
GlyphRasterizer& NoticeFont();
// The HUD font's face rendered at `pixelHeight` (1 at least), opened on first use: text in a
// window larger or smaller than 800 by 600 is rendered at its own size, never a magnified or
// shrunk bitmap. The three sizes above are the faces above; a dozen other sizes are kept, the
// one used longest ago closed first, so a face stays valid for the frame that asked for it.
GlyphRasterizer& HudFontOfSize(int pixelHeight);
// Opens `fontFile` as the HUD font instead of fontconfig's choice (an empty name goes back to
// fontconfig). Returns whether the font can write every hint text; warns once if not.
bool UseHudFontFile(const std::string& fontFile);
// The file the HUD font was opened from (empty when none could be opened).
const std::string& HudFontFile();
// Whether the HUD font has a glyph for every character of a UTF-8 text.
bool HudFontCovers(const char* utf8);
