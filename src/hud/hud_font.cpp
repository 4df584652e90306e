// Finding and opening the HUD font, and telling the player once when it cannot write Chinese.
#include "hud/hud_font.h"

#include <cstdio>   // Required for: std::fprintf()
#include <list>     // Required for: std::list
#include <tuple>    // Required for: std::forward_as_tuple()
#include <utility>  // Required for: std::pair, std::piecewise_construct

#include "hud/hud_text.h"
#include "platform/glyphs.h"

namespace {

GlyphRasterizer g_hudFont;
GlyphRasterizer g_countdownFont;
GlyphRasterizer g_noticeFont;
// Faces of other sizes, the one used last first.
std::list<std::pair<int, GlyphRasterizer>> g_otherSizes;
constexpr std::size_t kMostOtherSizes = 12;
std::string g_hudFontFile;
bool g_hudFontTried = false;

// Opens the font and says, in one line, what the player will miss.
bool OpenAndCheck(const std::string& fontFile) {
    g_hudFontTried = true;
    g_hudFontFile.clear();
    g_countdownFont.Close();
    g_noticeFont.Close();
    g_otherSizes.clear();
    if (fontFile.empty()) {
        g_hudFont.Close();
        std::fprintf(stderr,
                     "escape-house: fontconfig finds no font for \"%s\"; the countdown and the "
                     "hints are not drawn\n",
                     kHudFontPattern);
        return false;
    }
    if (!g_hudFont.Open(fontFile, kHudFontPixelHeight)) {
        std::fprintf(stderr, "escape-house: %s: %s; the countdown and the hints are not drawn\n",
                     fontFile.c_str(), g_hudFont.LastError().c_str());
        return false;
    }
    g_hudFontFile = fontFile;
    for (const IconHint& hint : g_iconHints) {
        if (!HudFontCovers(hint.chinese) || !HudFontCovers(hint.english)) {
            std::fprintf(stderr,
                         "escape-house: %s: the font has no Chinese characters; the hints show "
                         "placeholders (install a Chinese font such as fonts-wqy-microhei)\n",
                         fontFile.c_str());
            return false;
        }
    }
    return true;
}

constexpr char kReadAheadKey[] = "font:hud";

}  // namespace

ReadAheadJob FindHudFontAhead() {
    return ReadAheadJobOf<std::string>(
        kReadAheadKey, [](std::string& file) { file = FindFontFile(kHudFontPattern); });
}

GlyphRasterizer& HudFont() {
    if (!g_hudFontTried) {
        const auto ahead = TakeReadAheadAs<std::string>(kReadAheadKey);
        OpenAndCheck(ahead != nullptr ? *ahead : FindFontFile(kHudFontPattern));
    }
    return g_hudFont;
}

GlyphRasterizer& CountdownFont() {
    // The HUD font's warnings cover this face too: it is the same file.
    if (!g_countdownFont.IsOpen() && !HudFontFile().empty()) {
        g_countdownFont.Open(g_hudFontFile, kCountdownFontPixelHeight);
    }
    return g_countdownFont;
}

GlyphRasterizer& NoticeFont() {
    if (!g_noticeFont.IsOpen() && !HudFontFile().empty()) {
        g_noticeFont.Open(g_hudFontFile, kNoticeFontPixelHeight);
    }
    return g_noticeFont;
}

GlyphRasterizer& HudFontOfSize(int pixelHeight) {
    if (pixelHeight == kHudFontPixelHeight) return HudFont();
    if (pixelHeight == kCountdownFontPixelHeight) return CountdownFont();
    if (pixelHeight == kNoticeFontPixelHeight) return NoticeFont();
    const int size = pixelHeight < 1 ? 1 : pixelHeight;
    // Finding the HUD font first: opening it starts the kept faces afresh.
    const std::string& fontFile = HudFontFile();
    for (auto it = g_otherSizes.begin(); it != g_otherSizes.end(); ++it) {
        if (it->first != size) continue;
        g_otherSizes.splice(g_otherSizes.begin(), g_otherSizes, it);
        return g_otherSizes.front().second;
    }
    if (g_otherSizes.size() >= kMostOtherSizes) g_otherSizes.pop_back();
    g_otherSizes.emplace_front(std::piecewise_construct, std::forward_as_tuple(size),
                               std::forward_as_tuple());
    GlyphRasterizer& face = g_otherSizes.front().second;
    // The HUD font's warnings cover this face too: it is the same file.
    if (!fontFile.empty()) face.Open(fontFile, size);
    return face;
}

bool UseHudFontFile(const std::string& fontFile) {
    return OpenAndCheck(fontFile.empty() ? FindFontFile(kHudFontPattern) : fontFile);
}

const std::string& HudFontFile() {
    HudFont();
    return g_hudFontFile;
}

bool HudFontCovers(const char* utf8) {
    GlyphRasterizer& font = HudFont();
    if (!font.IsOpen()) return false;
    for (char32_t c : DecodeUtf8(utf8)) {
        if (font.Get(c).missing) return false;
    }
    return true;
}
