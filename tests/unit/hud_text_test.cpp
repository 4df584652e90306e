// The HUD corner: slots under a press, the hint a right press shows, the hint and count font.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_DOWN, GLUT_RIGHT_BUTTON

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/picking.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "hud/overlay_layout.h"
#include "platform/glyphs.h"
#include "platform/toolkit.h"
#include "world/movement.h"

namespace {

// The HUD's texts are UTF-8; each byte that starts or continues no character shows as one mark.
TEST(GlyphsTest, DecodesUtf8AndMarksEachMalformedByte) {
    const std::pair<const char*, std::u32string> cases[] = {
        {"A\x7F", U"A\x7F"},
        {"\xC2\xA9\xE6\xA5\xBC", U"\u00A9\u697C"},
        {"\xF0\x9F\x98\x80!", U"\U0001F600!"},
        {"\xE6\x41", U"\uFFFDA"},
        {"\xE6\xA5", U"\uFFFD\uFFFD"},
        {"\x80\xF8z", U"\uFFFD\uFFFDz"},
    };
    for (const auto& [text, decoded] : cases) EXPECT_EQ(DecodeUtf8(text), decoded) << text;
}

// A letter's inside is fully covered: 255, not wrapped round to 0.
TEST(GlyphsTest, ALargeLetterHasSolidPixels) {
    GlyphRasterizer glyphs;
    ASSERT_TRUE(glyphs.Open(FindFontFile("sans-serif"), 64)) << glyphs.LastError();
    const std::vector<std::uint8_t>& coverage = glyphs.Get(U'H').coverage;
    EXPECT_EQ(*std::max_element(coverage.begin(), coverage.end()), 255);
}

// A text is its characters side by side: every character's pixels where its pen puts them, the
// rest empty; its advance is the text's width. Overlapping characters combine as one drawn over
// the other (the antialiased ends of two underscores meet). Kept, and forgotten when the font
// changes.
TEST(GlyphsTest, ATextIsItsCharactersSideBySide) {
    GlyphRasterizer glyphs;
    ASSERT_TRUE(glyphs.Open(FindFontFile("sans-serif:lang=zh-cn"), 40)) << glyphs.LastError();
    int overlapping = 0;
    for (const char* text : {"03:59", "Wj \xE6\xA5\xBC", " ", "", "__fT", " W "}) {
        SCOPED_TRACE(text);
        const Glyph& laid = glyphs.Text(text);
        EXPECT_EQ(laid.advance, glyphs.TextWidth(text));
        EXPECT_EQ(laid.coverage.size(), static_cast<std::size_t>(laid.width) * laid.height);
        // Each pixel of the text: the characters' coverages over it, combined one over another.
        std::vector<double> expected(laid.coverage.size(), 0.0);
        int pen = 0;
        for (const char32_t c : DecodeUtf8(text)) {
            const Glyph& glyph = glyphs.Get(c);
            for (int row = 0; row < glyph.height; ++row) {
                for (int column = 0; column < glyph.width; ++column) {
                    const int x = pen + glyph.left + column - laid.left;
                    const int y = laid.top - glyph.top + row;
                    ASSERT_TRUE(x >= 0 && x < laid.width && y >= 0 && y < laid.height);
                    double& under = expected[static_cast<std::size_t>(y) * laid.width + x];
                    const double over = glyph.coverage[row * glyph.width + column] / 255.0;
                    overlapping += under > 0.0 && over > 0.0;
                    under = under + over - under * over;
                }
            }
            pen += glyph.advance;
        }
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_NEAR(laid.coverage[i], expected[i] * 255.0, 1.0) << i;
        }
        if (std::string(text).find_first_not_of(' ') != std::string::npos) {
            EXPECT_GT(laid.width, 0);
        } else {
            EXPECT_EQ(laid.width * laid.height, 0);
        }
        EXPECT_EQ(&glyphs.Text(text), &laid);
    }
    EXPECT_GT(overlapping, 0);
    const int wide = glyphs.Text("03:59").width;
    ASSERT_TRUE(glyphs.Open(FindFontFile("sans-serif:lang=zh-cn"), 20));
    EXPECT_LT(glyphs.Text("03:59").width, wide);
}

// Five 30-unit slots below, four above, gaps of 3; borders are the slot's, elsewhere entry 0.
TEST(HudIconBarTest, HitTestIncludesTheSlotBordersAndGivesZeroBetweenThem) {
    LayOutIconSlots();
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
    struct Case {
        int x, y, slot;
    };
    const Case cases[] = {
        {3, 3, 1},    {33, 33, 1},  {18, 18, 1},   {2, 3, 0},    {3, 2, 0},    {34, 10, 0},
        {35, 33, 0},  {36, 3, 2},   {66, 33, 2},   {69, 3, 3},   {99, 33, 3},  {102, 20, 4},
        {132, 33, 4}, {135, 3, 5},  {165, 33, 5},  {166, 20, 0}, {168, 69, 0}, {10, 34, 0},
        {10, 35, 0},  {3, 36, 6},   {33, 66, 6},   {36, 36, 7},  {66, 66, 7},  {69, 36, 8},
        {99, 66, 8},  {102, 36, 9}, {132, 66, 9},  {133, 50, 0}, {150, 47, 0}, {100, 67, 0},
        {50, 70, 0},  {0, 0, 0},    {180, 100, 0}, {-5, 10, 0},  {20, -1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IconBarHitTest(c.x, c.y), c.slot) << "at (" << c.x << ", " << c.y << ")";
    }
}

int NoBox(int, int) {
    return -1;
}

TEST(HudTextTest, ARightPressLatchesTheOwnedEntryWhoseHintTheFrameShows) {
    ResetGameStateToStart();
    InstallCountingToolkit();
    SetWorldPick(NoBox);
    LayOutIconSlots();
    g_windowWidth = 800, g_windowHeight = 600;
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
    g_iconOwned[0] = 1, g_iconOwned[4] = 1, g_iconOwned[9] = 1;
    struct Case {
        int x, y;   // window pixel, y from the top; slot 4 spans window x 722-752, y 67-97
        int entry;  // whose hint the frame prints, -1 for none
    };
    const Case cases[] = {
        {730, 80, 4},    // key 1, owned
        {640, 80, -1},   // slot 2, empty
        {621, 50, 0},    // the bar between slots
        {790, 5, 0},     // the strip above the background
        {730, 50, 9},    // note 3, owned
        {500, 80, -1},   // left of the corner
        {730, 101, -1},  // below the corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        OnMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, c.x, c.y);
        EXPECT_EQ(g_describeMode, 1);
        EXPECT_EQ(IconHintText(g_messageIndex), c.entry < 0 ? nullptr : &g_iconHints[c.entry]);
    }
    for (int entry : {-1, 10, 1000}) EXPECT_EQ(IconHintText(entry), nullptr) << entry;
    SetWorldPick(nullptr);
}

// The hint stays while the player stands still, and a step or a turn puts it away; the next
// right press brings it back where the player now stands.
TEST(HudTextTest, AStepOrATurnPutsTheHintAway) {
    ResetGameStateToStart();
    InstallCountingToolkit();
    SetWorldPick(NoBox);
    LayOutIconSlots();
    g_windowWidth = 800, g_windowHeight = 600;
    g_iconOwned[0] = 1, g_iconOwned[4] = 1;
    for (const char key : {'w', 'a', 's', 'd'}) {
        OnMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 730, 80);
        EXPECT_FALSE(HintPutAwayByMove()) << key;
        OnMouse(GLUT_RIGHT_BUTTON, GLUT_UP, 730, 80);
        EXPECT_FALSE(HintPutAwayByMove()) << key;
        OnKeyboard(static_cast<unsigned char>(key), 0, 0);
        OnKeyboardUp(static_cast<unsigned char>(key), 0, 0);
        EXPECT_TRUE(HintPutAwayByMove()) << key;
        EXPECT_EQ(g_describeMode, 1) << key;  // the latched press itself is unchanged
    }
    SetWorldPick(nullptr);
}

// Whether area `inner` lies wholly inside `outer`.
::testing::AssertionResult Inside(const ScreenArea& inner, const ScreenArea& outer) {
    if (inner.width > 0 && inner.height > 0 && inner.x >= outer.x && inner.y >= outer.y &&
        inner.x + inner.width <= outer.x + outer.width &&
        inner.y + inner.height <= outer.y + outer.height) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << inner.x << ", " << inner.y << ") " << inner.width << " by " << inner.height
           << " is not inside (" << outer.x << ", " << outer.y << ") " << outer.width << " by "
           << outer.height;
}

// Every hint, Chinese over English, each line right-aligned 8 pixels in from the window's right
// edge, under the bar's corner, its ink and its band inside the 800 by 600 window; in a narrow
// window, right-aligned at that window's scale, never starting left of its edge.
TEST(HudTextTest, EveryHintIsLaidOutInsideTheWindowUnderTheBar) {
    ASSERT_TRUE(UseHudFontFile(""));
    ResetGameStateToStart();
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
    const ScreenArea window{0, 0, 800, 600};
    GlyphRasterizer& font = HudFont();
    for (int entry = 0; entry < kIconCount; ++entry) {
        SCOPED_TRACE(entry);
        const IconHint& hint = g_iconHints[entry];
        EXPECT_TRUE(HudFontCovers(hint.chinese)) << hint.chinese;
        EXPECT_TRUE(HudFontCovers(hint.english)) << hint.english;
        const HudTextBlock block = LayOutIconHint(entry, 800, 600);
        ASSERT_EQ(block.count, 2);
        EXPECT_STREQ(block.lines[0].text, hint.chinese);
        EXPECT_STREQ(block.lines[1].text, hint.english);
        EXPECT_TRUE(Inside(block.band, window));
        EXPECT_LE(block.band.y + block.band.height, 600 - kHudCornerHeight);
        ScreenArea inks[2];
        for (int i = 0; i < 2; ++i) {
            const PlacedLine& line = block.lines[i];
            inks[i] = InkArea(line, font);
            EXPECT_TRUE(Inside(inks[i], window)) << line.text;
            EXPECT_TRUE(Inside(inks[i], block.band)) << line.text;
            EXPECT_EQ(line.x + font.TextWidth(line.text), 792) << line.text;
        }
        EXPECT_GT(inks[1].x + inks[1].width, 780) << "the English line reaches the right edge";
        EXPECT_LT(inks[1].y + inks[1].height, inks[0].y) << "the lines overlap";
        // A narrow window's hint shrinks with it, as far from its right edge as the window's
        // scale has it, but never starts left of the window.
        const HudTextBlock narrow = LayOutIconHint(entry, 120, 600);
        const int narrowMargin = LayOutOverlays(120, 600).hintRightMargin;
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(
                narrow.lines[i].x,
                std::max(0, 120 - narrowMargin - narrow.font->TextWidth(narrow.lines[i].text)));
        }
    }
    // No hint, no lines: an entry not owned, none, or out of range.
    g_iconOwned[5] = 0;
    for (int entry : {5, -1, 10}) EXPECT_EQ(LayOutIconHint(entry, 800, 600).count, 0) << entry;
}

// The line a press with an item in hand gets stands centred near the window's bottom, inside it,
// under where the info picture starts and clear of the floor's name in the corner.
TEST(HudTextTest, ThePressLinesAreCentredInsideTheWindowUnderThePictures) {
    ASSERT_TRUE(UseHudFontFile(""));
    const ScreenArea window{0, 0, 800, 600};
    const int floorLabelRight = 8 + HudFont().TextWidth("楼下 DOWNSTAIRS");
    // Nothing to unlock, the wrong lock, the hammer's miss, a place already emptied (note 1's
    // table once the note is in the bar), a press on no place.
    ResetGameStateToStart();
    g_iconOwned[7] = 1;
    for (const char* text :
         {ItemUseLine(HeldItem::kKey1, -1), ItemUseLine(HeldItem::kKey1, 12),
          ItemUseLine(HeldItem::kHammer, -1), ItemUseLine(HeldItem::kNothing, 0)}) {
        ASSERT_NE(text, nullptr);
        SCOPED_TRACE(text);
        EXPECT_TRUE(HudFontCovers(text));
        const HudTextBlock block = LayOutBottomLine(text, 800, 600);
        ASSERT_EQ(block.count, 1);
        const ScreenArea ink = InkArea(block.lines[0], NoticeFont());
        EXPECT_TRUE(Inside(ink, window));
        EXPECT_TRUE(Inside(ink, block.band));
        EXPECT_TRUE(Inside(block.band, window));
        EXPECT_LE(std::abs(ink.x - (800 - ink.x - ink.width)), 2) << "not centred";
        EXPECT_LE(block.band.y + block.band.height, LayOutOverlays(800, 600).infoPicture.y);
        EXPECT_GT(block.band.x, floorLabelRight);
    }
    EXPECT_EQ(LayOutBottomLine(nullptr, 800, 600).count, 0);
    EXPECT_EQ(LayOutBottomLine("", 800, 600).count, 0);
}

TEST(HudTextTest, TheFontFoundWritesEveryCountInsideItsPlace) {
    ASSERT_TRUE(UseHudFontFile(""));
    // Every count the clock can show stays at least 2 pixels inside the well the bar paints.
    GlyphRasterizer& digits = CountdownFont();
    ASSERT_TRUE(digits.IsOpen());
    const double left = kCountdownWell[0] + 2, bottom = kCountdownWell[1] + 2;
    const double right = kCountdownWell[2] - 2, top = kCountdownWell[3] - 2;
    for (int seconds = 0; seconds < 600; ++seconds) {
        char text[6];
        std::snprintf(text, sizeof text, "0%d:%d%d", seconds / 60, seconds % 60 / 10, seconds % 10);
        int pen = kCountdownX;
        for (const char* c = text; *c != '\0'; ++c) {
            const Glyph& glyph = digits.Get(static_cast<char32_t>(*c));
            ASSERT_GT(glyph.width, 0) << text;
            EXPECT_GE(pen + glyph.left, left) << text;
            EXPECT_LE(pen + glyph.left + glyph.width, right) << text;
            EXPECT_GE(kCountdownY + glyph.top - glyph.height, bottom) << text;
            EXPECT_LE(kCountdownY + glyph.top, top) << text;
            pen += glyph.advance;
        }
    }
}

// A font without Chinese serves what it covers; one that cannot be opened, nothing; one line each.
TEST(HudTextTest, AFontThatCannotWriteTheHintsWarnsOnce) {
    const std::string latinOnly = FindFontFile("DejaVu Sans");
    const struct {
        std::string file;
        const char* warning;
        bool open;
    } cases[] = {{"/nonexistent/font.ttf", "/nonexistent/font.ttf", false},
                 {latinOnly, "no Chinese", true}};
    for (const auto& c : cases) {
        if (c.file.find("DejaVu") == std::string::npos && c.open) continue;
        SCOPED_TRACE(c.file);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(UseHudFontFile(c.file));
        const std::string warning = testing::internal::GetCapturedStderr();
        EXPECT_NE(warning.find(c.warning), std::string::npos) << warning;
        EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1);
        EXPECT_EQ(HudFont().IsOpen(), c.open);
        EXPECT_EQ(HudFontCovers("03:00"), c.open);
        const Glyph& han = HudFont().Get(U'钥');
        EXPECT_EQ(han.advance > 0, c.open);
        EXPECT_TRUE(!c.open || han.missing);
        EXPECT_TRUE(UseHudFontFile(""));
    }
}

}  // namespace
