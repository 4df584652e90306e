// Glyphs from the system's fonts: fontconfig finds a font that covers Chinese, FreeType renders
// each character once into an anti-aliased coverage bitmap. No OpenGL here: the HUD uploads the
// bitmaps, the data generator paints them into pictures.
#pragma once

#include <cstdint>  // Required for: std::uint8_t
#include <map>      // Required for: std::map
#include <memory>   // Required for: std::unique_ptr
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

struct Glyph {
    int width = 0;  // bitmap size in pixels
    int height = 0;
    int left = 0;                        // from the pen position to the bitmap's left edge
    int top = 0;                         // from the baseline up to the bitmap's top row
    int advance = 0;                     // pen movement to the next glyph, in pixels
    std::vector<std::uint8_t> coverage;  // width * height, top row first, 0 to 255
    bool missing = false;                // the font has no glyph for the character
};

// The file of the best font fontconfig finds for `pattern` (such as "sans-serif:lang=zh-cn"),
// or an empty string.
std::string FindFontFile(const char* pattern);

// Decodes UTF-8 into code points; malformed bytes become U+FFFD.
std::u32string DecodeUtf8(const char* text);

class GlyphRasterizer {
public:
    GlyphRasterizer();
    ~GlyphRasterizer();
    GlyphRasterizer(const GlyphRasterizer&) = delete;
    GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

    // Opens a font file at a pixel height. False (with LastError) when it cannot.
    bool Open(const std::string& fontFile, int pixelHeight);
    bool IsOpen() const;
    // Closes the font and forgets its glyphs; Get then gives empty, missing glyphs.
    void Close();
    // The glyph of a code point, rendered on first use and kept.
    const Glyph& Get(char32_t codePoint);
    // How many glyphs have been rendered so far (each character once).
    int RenderedCount() const { return renderedCount_; }
    // Ascender and descender of the font at its size, in pixels (descender negative).
    int Ascender() const { return ascender_; }
    int Descender() const { return descender_; }
    const std::string& LastError() const { return lastError_; }
    // Width in pixels of a UTF-8 text drawn with this font.
    int TextWidth(const char* utf8);
    // A whole UTF-8 text as one glyph, laid out on first use and kept: its characters side by
    // side from the pen's start, its advance their advances' sum. Where two characters' boxes
    // overlap, their coverages combine as drawing one over the other would.
    const Glyph& Text(const char* utf8);

private:
    struct FreeTypeHandles;
    std::unique_ptr<FreeTypeHandles> handles_;
    std::map<char32_t, Glyph> cache_;
    std::map<std::string, Glyph> texts_;
    int renderedCount_ = 0;
    int ascender_ = 0;
    int descender_ = 0;
    std::string lastError_;
};
