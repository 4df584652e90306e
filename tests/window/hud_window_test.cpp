// The HUD in an 800 by 600 window: pieces from textures of ours, then frames of the real game.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_DOWN
#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/frame.h"
#include "app/scene.h"
#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "hud/overlay_layout.h"
#include "platform/glyphs.h"
#include "platform/toolkit.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kYellow{255, 255, 0},
    kGrey{128, 128, 128}, kBlack{0, 0, 0};

struct Box {
    int x0, y0, x1, y1;
};

bool Same(const Rgb& a, const Rgb& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

::testing::AssertionResult PixelIs(int x, int y, Rgb expected, int height = kHeight) {
    const Rgb p = PixelAt(x, height - 1 - y);
    if (Same(p, expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") from the bottom is ("
                                         << int{p.r} << ", " << int{p.g} << ", " << int{p.b} << ")";
}

std::vector<Rgb> Frame() {
    int width = 0, height = 0;
    return ReadWindowPixels(&width, &height);
}

// Where the last frame differs from an earlier one. Text blends (1.0, 0.8, 0.6) over what was
// there by coverage: strong when at least 3/4 covered, off when no such blend gives the pixel.
struct Difference {
    int count = 0;
    Box bounds{1 << 20, 1 << 20, -1, -1};
    int strongText = 0, offText = 0;
};
Difference Compare(const std::vector<Rgb>& earlier) {
    const int text[3] = {255, 204, 153};
    Difference d;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const Rgb before = earlier[static_cast<size_t>(y) * kWidth + x];
            const Rgb now = PixelAt(x, kHeight - 1 - y);
            if (Same(before, now)) continue;
            ++d.count;
            d.bounds = {std::min(d.bounds.x0, x), std::min(d.bounds.y0, y),
                        std::max(d.bounds.x1, x + 1), std::max(d.bounds.y1, y + 1)};
            const int old[3] = {before.r, before.g, before.b};
            const int got[3] = {now.r, now.g, now.b};
            int widest = 0;
            for (int c = 1; c < 3; ++c) {
                if (std::abs(text[c] - old[c]) > std::abs(text[widest] - old[widest])) widest = c;
            }
            if (std::abs(text[widest] - old[widest]) < 24) continue;
            const double coverage =
                static_cast<double>(got[widest] - old[widest]) / (text[widest] - old[widest]);
            bool onTheLine = coverage > -0.02 && coverage < 1.02;
            for (int c = 0; c < 3; ++c) {
                onTheLine =
                    onTheLine && std::abs(old[c] + coverage * (text[c] - old[c]) - got[c]) <= 3.5;
            }
            d.offText += onTheLine ? 0 : 1;
            d.strongText += onTheLine && coverage >= 0.75 ? 1 : 0;
        }
    }
    return d;
}

void Present() {
    Toolkit().swapBuffers();
}

// The HUD pieces alone, without game data, with textures of ours.
class HudPiecesTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenTestWindow();
        OnReshape(kWidth, kHeight);
        std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
        for (GLenum capability : {GL_TEXTURE_2D, GL_DEPTH_TEST, GL_LIGHTING}) glEnable(capability);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        Clear();
    }
    static void Clear() {
        glViewport(0, 0, kWidth, kHeight);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 180, 0, 100, -1, 1);
    }
};

// Four quadrants, rows bottom first like the game's pictures; nearest filtering keeps colours.
unsigned int MakeTexture(int width, int height, Rgb lowerLeft, Rgb lowerRight, Rgb upperLeft,
                         Rgb upperRight) {
    std::vector<Rgb> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(y >= height / 2 ? (x >= width / 2 ? upperRight : upperLeft)
                                             : (x >= width / 2 ? lowerRight : lowerLeft));
        }
    }
    return MakeNearestTexture(width, height, pixels);
}
unsigned int Quadrants(int width, int height) {
    return MakeTexture(width, height, kRed, kGreen, kBlue, kYellow);
}

TEST_F(HudPiecesTest, BarShowsItsBackgroundAndOnlyOwnedIconsUpright) {
    LayOutIconSlots();
    g_iconTextures[0] = MakeTexture(16, 16, kGrey, kGrey, kGrey, kGrey);
    for (int slot = 1; slot <= 9; ++slot) {
        g_iconTextures[slot] = MakeTexture(8, 8, kRed, kRed, kBlue, kBlue);  // red at the foot
    }
    g_iconOwned[0] = g_iconOwned[4] = g_iconOwned[9] = 1;
    glViewport(kWidth - 180, kHeight - 100, 180, 100);
    DrawIconBar(LayOutOverlays(kWidth, kHeight));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    Present();
    // Bar x, y: slot 4 spans x 102-132, y 3-33, slot 9 the same x at y 36-66; the background
    // ends at x 168, y 69.
    const struct {
        int x, y;
        Rgb colour;
    } pixels[] = {{117, 10, kRed}, {117, 28, kBlue}, {117, 40, kRed},   {117, 62, kBlue},
                  {51, 18, kGrey}, {51, 51, kGrey},  {134, 18, kGrey},  {150, 47, kGrey},
                  {1, 1, kGrey},   {167, 68, kGrey}, {170, 30, kBlack}, {50, 70, kBlack},
                  {-1, 30, kBlack}};
    for (const auto& p : pixels) {
        EXPECT_TRUE(PixelIs(kWidth - 180 + p.x, kHeight - 100 + p.y, p.colour));
    }
}

// Centred at its own size, cropped round the window's middle if larger; only note slots 7 to 9.
TEST_F(HudPiecesTest, NotePictureIsCentredAtItsOwnSize) {
    const struct {
        int slot, width, height;
    } cases[] = {{7, 64, 32}, {8, 65, 33}, {9, 300, 200}, {7, 1000, 700}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " by " << c.height);
        Clear();
        const int picture = c.slot + 3;
        g_iconTextures[picture] = Quadrants(c.width, c.height);
        g_iconWidth[picture] = c.width, g_iconHeight[picture] = c.height;
        DrawNotePicture(c.slot, LayOutOverlays(kWidth, kHeight));
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        Present();
        const int x0 = (kWidth - c.width) / 2, y0 = (kHeight - c.height) / 2;
        EXPECT_EQ(viewport[0], x0);
        EXPECT_EQ(viewport[1], y0);
        const int midX = x0 + c.width / 2, midY = y0 + c.height / 2;
        EXPECT_TRUE(PixelIs(midX - 1, midY - 1, kRed) && PixelIs(midX, midY - 1, kGreen) &&
                    PixelIs(midX - 1, midY, kBlue) && PixelIs(midX, midY, kYellow));
        if (c.width > kWidth) continue;
        EXPECT_TRUE(PixelIs(x0, y0, kRed) && PixelIs(x0 + c.width - 1, y0 + c.height - 1, kYellow));
        EXPECT_TRUE(PixelIs(x0 - 1, midY, kBlack) && PixelIs(x0 + c.width, midY, kBlack) &&
                    PixelIs(midX, y0 - 1, kBlack) && PixelIs(midX, y0 + c.height, kBlack));
    }
    Clear();
    for (int picture : {3, 9}) {
        g_iconTextures[picture] = Quadrants(8, 8);
        g_iconWidth[picture] = kWidth, g_iconHeight[picture] = kHeight;
    }
    for (int slot : {0, 6, 10, -1}) DrawNotePicture(slot, LayOutOverlays(kWidth, kHeight));
    Present();
    EXPECT_TRUE(PixelIs(10, 10, kBlack));
    EXPECT_TRUE(PixelIs(790, 590, kBlack));
}

// 240 by 360 from (360, 60) in the 800 by 600 window; in its own proportions in a smaller one,
// where the layout puts it.
TEST_F(HudPiecesTest, InfoPictureFillsItsPartOfTheWindowUpright) {
    InfoPicture info;
    info.Init();
    info.textures[5] = Quadrants(4, 4);
    info.Select(5);
    ASSERT_EQ(info.current, 5);
    const ScreenArea small = LayOutOverlays(333, 211).infoPicture;
    EXPECT_NEAR(small.width * 1.5, small.height, 0.5) << "not 2 across to 3 up";
    const struct {
        int w, h;
        Box quad;
    } cases[] = {{kWidth, kHeight, {360, 60, 600, 420}},
                 {333, 211, {small.x, small.y, small.x + small.width, small.y + small.height}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.w);
        OnReshape(c.w, c.h);
        glClear(GL_COLOR_BUFFER_BIT);
        info.Draw(LayOutOverlays(c.w, c.h));
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2] * 1000 + viewport[3], c.w * 1000 + c.h);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        Present();
        const Box& q = c.quad;
        const int midX = (q.x0 + q.x1) / 2, midY = (q.y0 + q.y1) / 2;
        EXPECT_TRUE(PixelIs(q.x0, q.y0, kRed, c.h) && PixelIs(q.x1 - 1, q.y0, kGreen, c.h) &&
                    PixelIs(q.x0, q.y1 - 1, kBlue, c.h) &&
                    PixelIs(q.x1 - 1, q.y1 - 1, kYellow, c.h));
        EXPECT_TRUE(PixelIs(q.x0 - 1, midY, kBlack, c.h) && PixelIs(q.x1, midY, kBlack, c.h) &&
                    PixelIs(midX, q.y0 - 1, kBlack, c.h) && PixelIs(midX, q.y1, kBlack, c.h));
    }
    OnReshape(kWidth, kHeight);
}

// Text moves the raster position by its width, renders each character once; no text draws nothing.
TEST_F(HudPiecesTest, TextMovesTheRasterPositionByItsWidth) {
    ASSERT_TRUE(UseHudFontFile(""));
    Present();
    const std::vector<Rgb> black = Frame();
    glViewport(kWidth - 180, kHeight - 100, 180, 100);
    const char* const hint = g_iconHints[9].chinese;
    const char* const texts[] = {"", nullptr, hint};
    for (const char* text : texts) {
        glRasterPos2i(0, 80);
        GLfloat before[4], after[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, before);
        DrawHudText(text);
        glGetFloatv(GL_CURRENT_RASTER_POSITION, after);
        EXPECT_EQ(after[0] - before[0], text == hint ? HudFont().TextWidth(text) : 0);
        EXPECT_EQ(after[1], before[1]);
        if (text != hint) {
            Present();
            EXPECT_EQ(Compare(black).count, 0);
        }
    }
    const int rendered = HudFont().RenderedCount();
    for (int frame = 0; frame < 3; ++frame) DrawHudText(hint);
    EXPECT_EQ(HudFont().RenderedCount(), rendered);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

class HudFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenGameWindow();
        ResetGameForTest();
    }
};

TEST_F(HudFrameTest, CountdownStandsInItsCorner) {
    g_timeText[0] = '\0';  // an empty text draws nothing: the corner without its countdown
    DrawFrame();
    const std::vector<Rgb> withoutText = Frame();
    std::memcpy(g_timeText, "03:00", sizeof g_timeText);
    DrawFrame();
    const Difference text = Compare(withoutText);
    EXPECT_GT(text.strongText, 15);
    EXPECT_EQ(text.offText, 0);
    // The first glyph starts at x = width - 44, the digits stand on y = height - 53.
    const Box& b = text.bounds;
    EXPECT_TRUE(b.x0 >= kWidth - 44 && b.x0 <= kWidth - 42 && b.x1 <= kWidth - 4)
        << b.x0 << " " << b.x1;
    EXPECT_TRUE(b.y0 >= kHeight - 54 && b.y0 <= kHeight - 53 && b.y1 <= kHeight - 41)
        << b.y0 << " " << b.y1;
}

// A key just used is outlined yellow in its slot; the raised hammer, gone from the bar, orange.
TEST_F(HudFrameTest, TheItemInHandIsOutlinedInItsSlot) {
    const struct {
        const char* what;
        int slot;
        void (*set)();
        Rgb low, high;
    } cases[] = {
        {"key 1 used",
         4,
         [] { g_iconOwned[4] = 1, g_messageIndex = 4; },
         {200, 170, 0},
         {255, 255, 120}},
        {"the hammer raised", 3, [] { g_boxEnabled[13] = 1; }, {200, 60, 0}, {255, 160, 80}},
    };
    for (const auto& c : cases) {
        ResetGameForTest();
        DrawFrame();
        const std::vector<Rgb> empty = Frame();
        c.set();
        DrawFrame();
        const int x0 = kWidth - 180 + 33 * c.slot - 30 - 2, y0 = kHeight - 100 + 3 - 2;
        const Difference changed = Compare(empty);
        const int centre = (y0 + 17) * kWidth + x0 + 17;
        EXPECT_FALSE(Same(empty[centre], Frame()[centre])) << c.what << ": not drawn in its slot";
        EXPECT_GE(changed.bounds.x0, x0) << c.what;
        EXPECT_LE(changed.bounds.x1, x0 + 34) << c.what;
        const Rgb rim = PixelAt(x0 + 1, kHeight - 1 - (y0 + 15));
        EXPECT_TRUE(rim.r >= c.low.r && rim.r <= c.high.r && rim.g >= c.low.g &&
                    rim.g <= c.high.g && rim.b >= c.low.b && rim.b <= c.high.b)
            << c.what << ": " << int(rim.r) << " " << int(rim.g) << " " << int(rim.b);
    }
}

// Pixels of the last frame inside `area` (from the bottom) in the HUD's text colour, strongly
// enough covered to be read over the dark band.
int TextPixels(const ScreenArea& area) {
    int count = 0;
    for (int y = area.y; y < area.y + area.height; ++y) {
        for (int x = area.x; x < area.x + area.width; ++x) {
            const Rgb p = PixelAt(x, kHeight - 1 - y);
            count += p.r >= 200 && p.g >= 150 && p.b >= 100 && p.r > p.b + 60;
        }
    }
    return count;
}

::testing::AssertionResult Within(const Box& changed, const ScreenArea& area) {
    if (changed.x0 >= area.x && changed.y0 >= area.y && changed.x1 <= area.x + area.width &&
        changed.y1 <= area.y + area.height) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "changed (" << changed.x0 << ", " << changed.y0 << ")-(" << changed.x1 << ", "
           << changed.y1 << ") reaches out of (" << area.x << ", " << area.y << ") " << area.width
           << " by " << area.height;
}

// A right press's hint, both lines of it, is drawn where it is laid out: on its band under the
// bar, its English line ending by the window's right edge, nothing of it anywhere else.
TEST_F(HudFrameTest, EveryHintIsDrawnOnItsBandUnderTheBar) {
    ASSERT_TRUE(UseHudFontFile(""));
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
    g_describeMode = 1, g_messageIndex = -1;
    RememberHintPose();  // as the right press does
    DrawFrame();
    const std::vector<Rgb> withoutHint = Frame();
    for (int entry = 0; entry < kIconCount; ++entry) {
        SCOPED_TRACE(entry);
        g_messageIndex = entry;
        DrawFrame();
        const HudTextBlock block = LayOutIconHint(entry, kWidth, kHeight);
        ASSERT_EQ(block.count, 2);
        const Difference changed = Compare(withoutHint);
        EXPECT_TRUE(Within(changed.bounds, block.band));
        EXPECT_TRUE(Within(changed.bounds, {0, 0, kWidth, kHeight - kHudCornerHeight}));
        // Each line's own ink, on the band.
        for (int i = 0; i < 2; ++i) {
            EXPECT_GT(TextPixels(InkArea(block.lines[i], HudFont())), 20) << block.lines[i].text;
        }
        const ScreenArea english = InkArea(block.lines[1], HudFont());
        EXPECT_GE(english.x + english.width, kWidth - 16);
        EXPECT_GT(TextPixels({english.x + english.width - 12, english.y, 12, english.height}), 0)
            << "the English line's end is not drawn";
    }
}

int AnyBox(int, int) {
    return -1;
}

// The raised hammer pressed on a place it cannot break: the line comes up on its band at the
// window's foot with the press's frame, stays through the game clock's next 2 seconds, and is
// gone on the first frame after them.
TEST_F(HudFrameTest, APressTheItemInHandCannotServeGetsALineForTwoSeconds) {
    ASSERT_TRUE(UseHudFontFile(""));
    ClearItemUseLine();
    SetWorldPick(AnyBox);
    g_boxEnabled[13] = 1;  // the hammer raised, the ground-floor window waiting
    DrawFrame();
    const std::vector<Rgb> beforePress = Frame();
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300);
    DrawFrame();
    const HudTextBlock block =
        LayOutBottomLine(ItemUseLine(HeldItem::kHammer, -1), kWidth, kHeight);
    ASSERT_EQ(block.count, 1);
    const Difference shown = Compare(beforePress);
    EXPECT_GT(shown.count, 0);
    EXPECT_TRUE(Within(shown.bounds, block.band));
    EXPECT_GT(TextPixels(InkArea(block.lines[0], NoticeFont())), 40);
    AdvanceManualClock(kItemUseLineTicks - 1);
    DrawFrame();
    EXPECT_EQ(Compare(beforePress).count, shown.count) << "gone too soon";
    AdvanceManualClock(1);
    DrawFrame();
    EXPECT_EQ(Compare(beforePress).count, 0) << "still there after 2 seconds";
    SetWorldPick(nullptr);
}

// The keypad's display after four wrong digits: the refused digits for the moment the refusal
// shows, then a blank display, never the panel's own picture shrunk into the cells.
TEST_F(HudFrameTest, TheKeypadShowsTheRefusedDigitsThenABlankDisplay) {
    SetWorldPick([](int, int) { return kKeypadPickBox; });
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 50, 550);  // the press that opens the panel
    SetWorldPick(AnyBox);
    ASSERT_EQ(g_keypadShown, 1);
    const auto pressKey = [](int digit) {
        const KeypadPanel::Cell& c = g_keypad.cells[digit];
        const int x = static_cast<int>((c.xMin + c.xMax) / 2),
                  y = static_cast<int>((c.yMin + c.yMax) / 2);
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x + kWidth - 300, 400 - y);
        DrawFrame();
        return Frame();
    };
    DrawFrame();
    const std::vector<Rgb> blank = Frame();
    pressKey(1);
    pressKey(1);
    const std::vector<Rgb> threeOnes = pressKey(1);
    const std::vector<Rgb> refused = pressKey(2);
    ASSERT_TRUE(g_keypad.ShowsRefusal());
    AdvanceManualClock(2000);
    DrawFrame();
    const std::vector<Rgb> afterwards = Frame();
    ASSERT_FALSE(g_keypad.ShowsRefusal());
    const std::vector<Rgb> newEntry = pressKey(2);

    // Digit cell i, inside its rim, in window pixels from the bottom: 45 by 40 from (360 + 45 i,
    // 420) in the 800 by 600 window.
    const auto sameCell = [](const std::vector<Rgb>& a, int cellA, const std::vector<Rgb>& b,
                             int cellB) {
        for (int y = 422; y < 458; ++y) {
            for (int dx = 2; dx < 43; ++dx) {
                const Rgb& p = a[static_cast<size_t>(y) * kWidth + 360 + 45 * cellA + dx];
                const Rgb& q = b[static_cast<size_t>(y) * kWidth + 360 + 45 * cellB + dx];
                if (!Same(p, q)) return false;
            }
        }
        return true;
    };
    for (int cell = 0; cell < 3; ++cell) {
        EXPECT_TRUE(sameCell(refused, cell, threeOnes, cell)) << "cell " << cell << ": not a 1";
        EXPECT_FALSE(sameCell(refused, cell, blank, cell)) << "cell " << cell << ": blank";
    }
    EXPECT_TRUE(sameCell(refused, 3, newEntry, 0)) << "the fourth cell does not show the 2";
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_TRUE(sameCell(afterwards, cell, blank, cell)) << "cell " << cell << ": not blank";
    }
    EXPECT_FALSE(sameCell(newEntry, 0, blank, 0));
    SetWorldPick(nullptr);
}

}  // namespace
