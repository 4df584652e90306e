// The HUD texts in a bare window: where the glyphs land, in which colour, what they leave
// behind. The HUD corner is set up here as the frame sets it, so no game data is needed.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <png.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/scene.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "platform/glyphs.h"
#include "platform/toolkit.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// A box of window pixels, x from the left, y from the bottom, ends excluded.
struct Box {
    int x0, y0, x1, y1;
};

struct Found {
    int count = 0;                         // pixels of exactly the text colour (full coverage)
    int blended = 0;                       // pixels part way between black and the text colour
    int off = 0;                           // lit pixels of any other hue
    Box bounds{1 << 20, 1 << 20, -1, -1};  // of every lit pixel
};

bool Near(int a, int b, int tolerance) {
    return std::abs(a - b) <= tolerance;
}

// Sorts the lit pixels of a frame drawn on black by how well they match the colour
// (1.0, 0.8, 0.6): a glyph's coverage blends it over black into a darker shade of it.
Found FindTextPixels(const Box& area) {
    Found found;
    for (int y = area.y0; y < area.y1; ++y) {
        for (int x = area.x0; x < area.x1; ++x) {
            const Rgb p = PixelAt(x, kHeight - 1 - y);
            if (p.r == 0 && p.g == 0 && p.b == 0) continue;
            found.bounds.x0 = std::min(found.bounds.x0, x);
            found.bounds.y0 = std::min(found.bounds.y0, y);
            found.bounds.x1 = std::max(found.bounds.x1, x + 1);
            found.bounds.y1 = std::max(found.bounds.y1, y + 1);
            if (Near(p.g, p.r * 4 / 5, 2) && Near(p.b, p.r * 3 / 5, 2)) {
                ++(p.r >= 192 ? found.count : found.blended);
            } else {
                ++found.off;
            }
        }
    }
    return found;
}

const Box kWholeWindow{0, 0, kWidth, kHeight};

// Writes a box of the last frame magnified, to look at the glyphs.
void SaveMagnified(const std::string& path, const Box& area, int scale) {
    const int w = (area.x1 - area.x0) * scale;
    const int h = (area.y1 - area.y0) * scale;
    std::vector<std::uint8_t> bytes(static_cast<size_t>(w) * h * 3);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            const Rgb p = PixelAt(area.x0 + column / scale, kHeight - area.y1 + row / scale);
            std::uint8_t* out = &bytes[(static_cast<size_t>(row) * w + column) * 3];
            out[0] = p.r;
            out[1] = p.g;
            out[2] = p.b;
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGB;
    png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr);
}

class HudTextWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenTestWindow();
        OnReshape(kWidth, kHeight);
        ASSERT_TRUE(UseHudFontFile(""));
        std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
        g_iconOwned[0] = 1;
    }

    // Black window, then the HUD corner as the frame leaves it before its texts.
    static void BeginHudCorner() {
        glViewport(0, 0, kWidth, kHeight);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 180, 0, 100, -1, 1);
        glViewport(kWidth - 180, kHeight - 100, 180, 100);
        glEnable(GL_TEXTURE_2D);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glBindTexture(GL_TEXTURE_2D, 0);
        glColor3f(1.0f, 0.8f, 0.6f);
    }
    static void Present() { Toolkit().swapBuffers(); }
    static void DrawAt(int x, int y, const char* text) {
        glRasterPos2i(x, y);
        DrawHudText(text);
    }
    static Box CountdownArea() { return Box{kWidth - 60, kHeight - 70, kWidth, kHeight - 30}; }
};

TEST_F(HudTextWindowTest, CountdownStartsAtItsCornerInTheTextColour) {
    BeginHudCorner();
    DrawAt(136, 47, "03:00");
    Present();
    const Found found = FindTextPixels(kWholeWindow);
    EXPECT_GT(found.count, 15);
    EXPECT_GT(found.blended, 10);  // anti-aliased edges, in the same hue
    EXPECT_EQ(found.off, 0);
    // The first glyph starts at window x = width - 44, the digits stand on y = height - 53.
    EXPECT_GE(found.bounds.x0, kWidth - 44);
    EXPECT_LE(found.bounds.x0, kWidth - 42);
    EXPECT_GE(found.bounds.y0, kHeight - 54);
    EXPECT_LE(found.bounds.y0, kHeight - 53);
    EXPECT_LE(found.bounds.y1, kHeight - 53 + 12);
    EXPECT_LE(found.bounds.x1, kWidth - 4);
    SaveMagnified("/tmp/hud/countdown.png", CountdownArea(), 8);
}

TEST_F(HudTextWindowTest, CountdownPixelsChangeWithTheCount) {
    const Box area = CountdownArea();
    auto capture = [&](const char* text) {
        BeginHudCorner();
        DrawAt(136, 47, text);
        Present();
        std::vector<Rgb> pixels;
        for (int y = area.y0; y < area.y1; ++y) {
            for (int x = area.x0; x < area.x1; ++x) pixels.push_back(PixelAt(x, kHeight - 1 - y));
        }
        return pixels;
    };
    auto same = [](const std::vector<Rgb>& a, const std::vector<Rgb>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), [](const Rgb& p, const Rgb& q) {
            return p.r == q.r && p.g == q.g && p.b == q.b;
        });
    };
    const std::vector<Rgb> full = capture("03:00");
    EXPECT_TRUE(same(full, capture("03:00")));
    EXPECT_FALSE(same(full, capture("02:59")));
    EXPECT_FALSE(same(full, capture("03:01")));
}

TEST_F(HudTextWindowTest, TextUsesTheColourLatchedWithTheRasterPosition) {
    BeginHudCorner();
    glRasterPos2i(136, 47);
    glColor3f(0.0f, 0.0f, 1.0f);  // too late for this text
    DrawHudText("03:00");
    Present();
    const Found found = FindTextPixels(kWholeWindow);
    EXPECT_GT(found.count, 15);
    EXPECT_EQ(found.off, 0);
}

TEST_F(HudTextWindowTest, EachGlyphMovesTheRasterPositionByItsWidth) {
    BeginHudCorner();
    glRasterPos2i(0, 80);
    GLfloat before[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
    const char* hint = g_iconHints[9];
    DrawHudText(hint);
    GLfloat after[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
    EXPECT_EQ(before[0], static_cast<float>(kWidth - 180));
    EXPECT_EQ(after[0] - before[0], static_cast<float>(HudFont().TextWidth(hint)));
    EXPECT_EQ(after[1], before[1]);
    GLint valid = GL_FALSE;
    glGetIntegerv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    EXPECT_EQ(valid, GL_TRUE);
    GLfloat color[4];
    glGetFloatv(GL_CURRENT_RASTER_COLOR, color);
    EXPECT_FLOAT_EQ(color[1], 0.8f);
}

TEST_F(HudTextWindowTest, HintIsDrawnLegiblyFromTheTopLeftOfTheCorner) {
    g_iconOwned[3] = 1;
    BeginHudCorner();
    glRasterPos2i(0, 80);
    DrawIconHint(3);
    glRasterPos2i(136, 47);
    DrawHudText("03:00");
    Present();
    const Found found = FindTextPixels(Box{0, kHeight - 30, kWidth, kHeight});
    // Ten Chinese characters: many strokes, a line of text about 13 pixels high from
    // (width - 180, height - 20).
    EXPECT_GT(found.count, 150);
    EXPECT_EQ(found.off, 0);
    EXPECT_GE(found.bounds.x0, kWidth - 180);
    EXPECT_LE(found.bounds.x0, kWidth - 177);
    EXPECT_GE(found.bounds.y0, kHeight - 20 - 3);
    EXPECT_LE(found.bounds.y1, kHeight - 20 + 13);
    EXPECT_GE(found.bounds.y1 - found.bounds.y0, 11);
    EXPECT_GE(found.bounds.x1 - found.bounds.x0, 120);
    SaveMagnified("/tmp/hud/hint.png", Box{kWidth - 180, kHeight - 100, kWidth, kHeight}, 4);
}

TEST_F(HudTextWindowTest, OnlyOwnedEntriesDrawTheirHint) {
    g_iconOwned[4] = 1;
    struct Case {
        int entry;
        bool drawn;
    };
    for (const Case& c :
         {Case{4, true}, Case{0, true}, Case{5, false}, Case{-1, false}, Case{10, false}}) {
        SCOPED_TRACE(c.entry);
        BeginHudCorner();
        glRasterPos2i(0, 80);
        DrawIconHint(c.entry);
        Present();
        const Found found = FindTextPixels(kWholeWindow);
        EXPECT_EQ(found.count > 0, c.drawn);
        EXPECT_EQ(found.bounds.x1 > 0, c.drawn);
    }
}

TEST_F(HudTextWindowTest, EmptyTextDrawsNothingAndLeavesTheRasterPosition) {
    BeginHudCorner();
    glRasterPos2i(136, 47);
    GLfloat before[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
    DrawHudText("");
    DrawHudText(nullptr);
    GLfloat after[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
    Present();
    EXPECT_EQ(FindTextPixels(kWholeWindow).bounds.x1, -1);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(HudTextWindowTest, TextIsCutOffAtTheWindowsRightEdge) {
    BeginHudCorner();
    DrawAt(172, 80, g_iconHints[0]);  // 8 pixels left of the edge, room for less than a glyph
    Present();
    const Found found = FindTextPixels(kWholeWindow);
    EXPECT_GT(found.count + found.blended, 0);
    EXPECT_GE(found.bounds.x0, kWidth - 8);  // nothing wraps round to the left
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(HudTextWindowTest, ACornerPartlyOutsideTheWindowDrawsWhatIsInside) {
    // A window narrower than the corner: the corner's viewport starts left of the window.
    BeginHudCorner();
    glViewport(-100, kHeight - 100, 180, 100);
    DrawAt(0, 80, g_iconHints[0]);
    Present();
    const Found found = FindTextPixels(kWholeWindow);
    EXPECT_GT(found.count, 20);
    EXPECT_EQ(found.bounds.x0, 0);
    EXPECT_LE(found.bounds.x1, 80);
}

TEST_F(HudTextWindowTest, AnInvalidRasterPositionDrawsNothing) {
    BeginHudCorner();
    glRasterPos2i(500, 500);  // outside the overlay's volume
    DrawHudText("03:00");
    Present();
    EXPECT_EQ(FindTextPixels(kWholeWindow).bounds.x1, -1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(HudTextWindowTest, GlyphsAreRenderedOncePerCharacter) {
    BeginHudCorner();
    DrawAt(0, 80, g_iconHints[8]);
    DrawAt(136, 47, "01:23");
    const int rendered = HudFont().RenderedCount();
    for (int frame = 0; frame < 5; ++frame) {
        DrawAt(0, 80, g_iconHints[8]);
        DrawAt(136, 47, "01:23");
    }
    EXPECT_EQ(HudFont().RenderedCount(), rendered);
}

TEST_F(HudTextWindowTest, DrawingLeavesTheFramesStateAsItFoundIt) {
    BeginHudCorner();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    DrawAt(0, 80, g_iconHints[0]);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLint value = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &value);
    EXPECT_EQ(value, 4);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &value);
    EXPECT_EQ(value, GL_REPLACE);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
    EXPECT_EQ(value, 0);
    GLfloat number = 0;
    glGetFloatv(GL_RED_BIAS, &number);
    EXPECT_EQ(number, 0.0f);
    glGetFloatv(GL_ZOOM_Y, &number);
    EXPECT_EQ(number, 1.0f);
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // Something drawn afterwards with the texture still comes out in its own colours.
    glEnable(GL_DEPTH_TEST);
}

}  // namespace
