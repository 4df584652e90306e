// Font lookup through fontconfig and glyph rendering through FreeType.
#include "platform/glyphs.h"

#include <fontconfig/fontconfig.h>  // Required for: FcNameParse(), FcFontMatch()
#include <ft2build.h>
#include FT_FREETYPE_H  // Required for: FT_Init_FreeType(), FT_Load_Glyph()
#include FT_BITMAP_H    // Required for: FT_Bitmap_Convert()

#include <algorithm>  // Required for: std::min(), std::max()

struct GlyphRasterizer::FreeTypeHandles {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

std::string FindFontFile(const char* pattern) {
    if (!FcInit()) return {};
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (wanted == nullptr) return {};
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    std::string file;
    if (match != nullptr) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr) {
            file = reinterpret_cast<const char*>(path);
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(wanted);
    return file;
}

std::u32string DecodeUtf8(const char* text) {
    std::u32string out;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    size_t i = 0;
    while (bytes[i] != 0) {
        const unsigned char lead = bytes[i];
        int length = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        bool wellFormed = true;
        for (int k = 1; k < length; ++k) {
            const unsigned char next = bytes[i + k];
            if ((next & 0xC0) != 0x80) {  // also stops at the terminating 0
                wellFormed = false;
                break;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (!wellFormed) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(codePoint);
        i += static_cast<size_t>(length);
    }
    return out;
}

GlyphRasterizer::GlyphRasterizer() : handles_(std::make_unique<FreeTypeHandles>()) {}

GlyphRasterizer::~GlyphRasterizer() {
    if (handles_->face != nullptr) FT_Done_Face(handles_->face);
    if (handles_->library != nullptr) FT_Done_FreeType(handles_->library);
}

bool GlyphRasterizer::Open(const std::string& fontFile, int pixelHeight) {
    if (handles_->library == nullptr && FT_Init_FreeType(&handles_->library) != 0) {
        lastError_ = "FreeType cannot start";
        return false;
    }
    if (handles_->face != nullptr) {
        FT_Done_Face(handles_->face);
        handles_->face = nullptr;
    }
    cache_.clear();
    texts_.clear();
    if (FT_New_Face(handles_->library, fontFile.c_str(), 0, &handles_->face) != 0) {
        handles_->face = nullptr;
        lastError_ = "cannot open font " + fontFile;
        return false;
    }
    FT_Set_Pixel_Sizes(handles_->face, 0, static_cast<FT_UInt>(pixelHeight));
    ascender_ = static_cast<int>(handles_->face->size->metrics.ascender >> 6);
    descender_ = static_cast<int>(handles_->face->size->metrics.descender >> 6);
    return true;
}

bool GlyphRasterizer::IsOpen() const {
    return handles_->face != nullptr;
}

void GlyphRasterizer::Close() {
    if (handles_->face != nullptr) FT_Done_Face(handles_->face);
    handles_->face = nullptr;
    cache_.clear();
    texts_.clear();
    ascender_ = 0;
    descender_ = 0;
}

const Glyph& GlyphRasterizer::Get(char32_t codePoint) {
    auto found = cache_.find(codePoint);
    if (found != cache_.end()) return found->second;
    Glyph& glyph = cache_[codePoint];
    FT_Face face = handles_->face;
    if (face == nullptr) {
        glyph.missing = true;
        return glyph;
    }
    ++renderedCount_;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    glyph.missing = index == 0;
    // A missing character is drawn as the font's own placeholder (glyph 0), never skipped.
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0 ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
        glyph.missing = true;
        return glyph;
    }
    // Fonts with embedded bitmaps hand out one bit per pixel at small sizes; those are widened to
    // the same 0-255 coverage as rendered outlines.
    FT_Bitmap converted;
    FT_Bitmap_Init(&converted);
    const FT_Bitmap* bitmap = &face->glyph->bitmap;
    int grayLevels = 256;
    if (bitmap->pixel_mode != FT_PIXEL_MODE_GRAY) {
        if (FT_Bitmap_Convert(handles_->library, bitmap, &converted, 1) != 0) {
            FT_Bitmap_Done(handles_->library, &converted);
            glyph.missing = true;
            return glyph;
        }
        bitmap = &converted;
        grayLevels = converted.num_grays > 1 ? converted.num_grays : 2;
    }
    glyph.width = static_cast<int>(bitmap->width);
    glyph.height = static_cast<int>(bitmap->rows);
    glyph.left = face->glyph->bitmap_left;
    glyph.top = face->glyph->bitmap_top;
    glyph.advance = static_cast<int>(face->glyph->advance.x >> 6);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* source = bitmap->buffer + static_cast<ptrdiff_t>(row) * bitmap->pitch;
        for (int x = 0; x < glyph.width; ++x) {
            glyph.coverage[static_cast<size_t>(row) * glyph.width + x] =
                static_cast<std::uint8_t>(source[x] * 255 / (grayLevels - 1));
        }
    }
    FT_Bitmap_Done(handles_->library, &converted);
    return glyph;
}

int GlyphRasterizer::TextWidth(const char* utf8) {
    int width = 0;
    for (char32_t c : DecodeUtf8(utf8)) width += Get(c).advance;
    return width;
}

const Glyph& GlyphRasterizer::Text(const char* utf8) {
    // The HUD's texts are few (the countdown's 181, the hints, the floor names); should a caller
    // ask for endless different ones, the kept texts start over.
    constexpr std::size_t kMostTexts = 1024;
    const auto found = texts_.find(utf8);
    if (found != texts_.end()) return found->second;
    if (texts_.size() >= kMostTexts) texts_.clear();
    Glyph& text = texts_[utf8];
    const std::u32string codePoints = DecodeUtf8(utf8);
    // The box round every inked character, from the pen's start and the baseline.
    int right = 0, bottom = 0;
    bool inked = false;
    for (const char32_t c : codePoints) {
        const Glyph& glyph = Get(c);
        if (glyph.width > 0 && glyph.height > 0) {
            const int x = text.advance + glyph.left;
            text.left = inked ? std::min(text.left, x) : x;
            right = inked ? std::max(right, x + glyph.width) : x + glyph.width;
            text.top = inked ? std::max(text.top, glyph.top) : glyph.top;
            bottom = inked ? std::min(bottom, glyph.top - glyph.height) : glyph.top - glyph.height;
            inked = true;
        }
        text.missing = text.missing || glyph.missing;
        text.advance += glyph.advance;
    }
    if (!inked) return text;
    text.width = right - text.left;
    text.height = text.top - bottom;
    text.coverage.assign(static_cast<std::size_t>(text.width) * text.height, 0);
    int pen = 0;
    for (const char32_t c : codePoints) {
        const Glyph& glyph = Get(c);
        for (int row = 0; row < glyph.height; ++row) {
            const std::uint8_t* from = &glyph.coverage[static_cast<std::size_t>(row) * glyph.width];
            std::uint8_t* to =
                &text.coverage[static_cast<std::size_t>(text.top - glyph.top + row) * text.width +
                               static_cast<std::size_t>(pen + glyph.left - text.left)];
            for (int column = 0; column < glyph.width; ++column) {
                // Over: 1 - (1 - under)(1 - over), in 0-255.
                const int under = to[column], over = from[column];
                to[column] = static_cast<std::uint8_t>(under + over - (under * over + 127) / 255);
            }
        }
        pen += glyph.advance;
    }
    return text;
}
