// Everything over the house laid out for windows of many sizes, without a window: where each
// thing lies, and that a press at the middle of what is drawn reaches that thing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "hud/overlay_layout.h"
#include "platform/glyphs.h"
#include "rule_harness.h"

namespace {

struct WindowSize {
    int w, h;
};
// The sizes a player meets: a small window, and full screen on the common screens.
constexpr WindowSize kSizes[] = {{640, 480}, {1280, 720}, {1920, 1080}, {2560, 1440}};
// Note pictures of 510 by 250 (the data set has 512 by 256).
constexpr int kNoteWidth = 510, kNoteHeight = 250;

std::string Describe(const ScreenArea& a) {
    return "(" + std::to_string(a.x) + ", " + std::to_string(a.y) + ") " + std::to_string(a.width) +
           " by " + std::to_string(a.height);
}

::testing::AssertionResult SameArea(const ScreenArea& got, const ScreenArea& expected) {
    if (got.x == expected.x && got.y == expected.y && got.width == expected.width &&
        got.height == expected.height) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << Describe(got) << ", not " << Describe(expected);
}

// The press at the middle pixel of an area (from the bottom), as the mouse gives it: y from
// the top.
struct WindowPress {
    int x, y;
};
WindowPress MiddleOf(const ScreenArea& area, int windowHeight) {
    const int row = area.y + area.height / 2;
    return {area.x + area.width / 2, windowHeight - 1 - row};
}

class OverlayLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartRuleHarness();
        for (int picture = 10; picture <= 12; ++picture) {
            g_iconWidth[picture] = kNoteWidth, g_iconHeight[picture] = kNoteHeight;
        }
    }
};

// At 800 by 600 everything stands where the fixed numbers always put it: the HUD corner 180 by
// 100 at the top right, the panel's 300 by 400 with its right edge 200 from the window's and its
// top 100 down, the info picture at 360, 60, the notes at their own size in the middle.
TEST_F(OverlayLayoutTest, At800By600EverythingStandsWhereItAlwaysHas) {
    const OverlayLayout layout = LayOutOverlays(800, 600);
    EXPECT_EQ(layout.scale, 1.0);
    EXPECT_TRUE(SameArea(layout.hudCorner, {620, 500, 180, 100}));
    EXPECT_TRUE(SameArea(layout.iconEntries[0], {620, 500, 168, 69}));
    for (int slot = 1; slot <= 9; ++slot) {
        SCOPED_TRACE(slot);
        const ScreenArea expected = slot <= 5 ? ScreenArea{620 + 33 * slot - 30, 503, 30, 30}
                                              : ScreenArea{620 + 33 * slot - 195, 536, 30, 30};
        EXPECT_TRUE(SameArea(layout.iconEntries[slot], expected));
    }
    EXPECT_EQ((std::vector<int>{layout.countdownX, layout.countdownBaseline, layout.floorLabelX,
                                layout.floorLabelBaseline, layout.floorShadowOffset}),
              (std::vector<int>{756, 547, 8, 8, 1}));
    EXPECT_EQ((std::vector<int>{layout.hudFontPixels, layout.countdownFontPixels,
                                layout.noticeFontPixels}),
              (std::vector<int>{13, 11, 16}));
    EXPECT_EQ(layout.slotOutlineWidth, 2.0f);
    EXPECT_EQ(
        (std::vector<int>{layout.hintRightMargin, layout.hintGapUnderCorner, layout.hintLineGap,
                          layout.bandPaddingAcross, layout.bandPadding, layout.bottomLineBaseline}),
        (std::vector<int>{8, 2, 2, 6, 4, 36}));
    for (int slot = 7; slot <= 9; ++slot) {
        EXPECT_TRUE(SameArea(layout.NotePicture(slot), {145, 175, 510, 250})) << slot;
    }
    EXPECT_TRUE(SameArea(layout.NotePicture(6), {0, 0, 0, 0}));
    EXPECT_TRUE(SameArea(layout.keypadPanel, {300, 100, 300, 400}));
    // Key 1 spans panel x -184 to -95 and y 122 to 187; panel (0, 0) is window (500, 200).
    EXPECT_TRUE(SameArea(layout.keypadKeys[1], {316, 322, 89, 65}));
    EXPECT_TRUE(SameArea(layout.keypadKeys[0], {405, 127, 89, 65}));
    EXPECT_TRUE(SameArea(layout.infoPicture, {360, 60, 240, 360}));

    // Presses: bar units from the corner's lower left, panel pixels from (500, 200).
    for (const WindowPress& p :
         {WindowPress{620, 0}, WindowPress{799, 100}, WindowPress{700, 37}, WindowPress{0, 599}}) {
        EXPECT_EQ(layout.BarX(p.x), static_cast<float>(p.x - 620)) << p.x;
        EXPECT_EQ(layout.BarY(p.y), static_cast<float>(100 - p.y)) << p.y;
        EXPECT_EQ(layout.PanelX(p.x), static_cast<float>(p.x - 500)) << p.x;
        EXPECT_EQ(layout.PanelY(p.y), static_cast<float>(400 - p.y)) << p.y;
    }
    // The corner's columns, down to the row just under it, edges in.
    for (const auto& [x, y, in] :
         {std::tuple{620, 1, true}, {799, 100, true}, {619, 1, false}, {799, 101, false}}) {
        EXPECT_EQ(layout.InHudCorner(x, y), in) << x << ", " << y;
    }
    // A note larger than the window is centred with negative offsets and cropped.
    g_iconWidth[11] = 1000, g_iconHeight[11] = 700;
    EXPECT_TRUE(SameArea(LayOutOverlays(800, 600).NotePicture(8), {-100, -50, 1000, 700}));
}

// At each size: s is the smaller of the two ratios, each thing is s times its design size (in
// its own proportions), and it stands at its design anchor: the HUD corner and the keypad panel
// from the top right, the floor's name from the bottom left, the pictures about the middle.
TEST_F(OverlayLayoutTest, EachThingIsScaledAndStandsAtItsAnchor) {
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        const int w = size.w, h = size.h;
        const OverlayLayout layout = LayOutOverlays(w, h);
        const double s = std::min(w / 800.0, h / 600.0);
        EXPECT_DOUBLE_EQ(layout.scale, s);
        const auto near = [s](int got, double design) { return std::abs(got - design * s) <= 1.0; };

        const ScreenArea& corner = layout.hudCorner;
        EXPECT_EQ(corner.x + corner.width, w);
        EXPECT_EQ(corner.y + corner.height, h);
        EXPECT_TRUE(near(corner.width, 180) && near(corner.height, 100)) << Describe(corner);
        for (int slot = 1; slot <= 9; ++slot) {
            const ScreenArea& area = layout.iconEntries[slot];
            EXPECT_TRUE(near(area.width, 30) && near(area.height, 30)) << slot;
            // Slot 1's lower-left corner is 3 design pixels in from the corner's.
            if (slot == 1) {
                EXPECT_TRUE(near(area.x - corner.x, 3) && near(area.y - corner.y, 3));
            }
        }
        EXPECT_TRUE(near(layout.countdownX - w, -44) && near(layout.countdownBaseline - h, -53));
        EXPECT_TRUE(near(layout.floorLabelX, 8) && near(layout.floorLabelBaseline, 8));
        EXPECT_EQ(layout.hudFontPixels, static_cast<int>(std::lround(13 * s)));
        // The countdown's digits may come a pixel smaller, to stay inside the bar's well.
        EXPECT_LE(layout.countdownFontPixels, static_cast<int>(std::lround(11 * s)));
        EXPECT_GE(layout.countdownFontPixels, static_cast<int>(std::lround(11 * s)) - 1);
        EXPECT_EQ(layout.noticeFontPixels, static_cast<int>(std::lround(16 * s)));

        const ScreenArea& panel = layout.keypadPanel;
        EXPECT_TRUE(near(w - (panel.x + panel.width), 200) &&
                    near(h - (panel.y + panel.height), 100))
            << Describe(panel);
        EXPECT_TRUE(near(panel.width, 300) && near(panel.height, 400)) << Describe(panel);
        for (int key = 0; key < 10; ++key) {
            const ScreenArea& area = layout.keypadKeys[key];
            EXPECT_TRUE(near(area.width, 89) && near(area.height, 65)) << key;
            EXPECT_TRUE(area.x >= panel.x && area.x + area.width <= panel.x + panel.width &&
                        area.y >= panel.y && area.y + area.height <= panel.y + panel.height)
                << "key " << key << " off the panel";
        }

        const ScreenArea& info = layout.infoPicture;
        EXPECT_TRUE(near(info.width, 240)) << Describe(info);
        EXPECT_NEAR(info.width * 1.5, info.height, 0.5) << "the info picture is not 2 by 3";
        EXPECT_TRUE(near(info.x - w / 2, -40) && near(info.y - h / 2, -240)) << Describe(info);
        EXPECT_TRUE(info.y >= 0 && info.y + info.height <= h - corner.height);

        const ScreenArea note = layout.NotePicture(7);
        EXPECT_TRUE(near(note.width, kNoteWidth)) << Describe(note);
        EXPECT_NEAR(note.width * static_cast<double>(kNoteHeight) / kNoteWidth, note.height, 0.5);
        EXPECT_LE(std::abs(note.x - (w - note.x - note.width)), 1) << "not centred across";
        EXPECT_LE(std::abs(note.y - (h - note.y - note.height)), 1) << "not centred up and down";
    }
}

// The press at the middle of every slot, key and picture as laid out reaches that very thing
// through the layout's own reading of presses.
TEST_F(OverlayLayoutTest, APressAtTheMiddleOfWhatIsDrawnReachesIt) {
    KeypadPanel panel;
    panel.Init();
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);
        for (int slot = 1; slot <= 9; ++slot) {
            const WindowPress p = MiddleOf(layout.iconEntries[slot], size.h);
            EXPECT_TRUE(layout.InHudCorner(p.x, p.y)) << slot;
            EXPECT_EQ(IconBarHitTest(layout.BarX(p.x), layout.BarY(p.y)), slot);
            EXPECT_TRUE(layout.iconEntries[0].HoldsPress(p.x, p.y, size.h)) << slot;
        }
        for (int key = 0; key < 10; ++key) {
            const WindowPress p = MiddleOf(layout.keypadKeys[key], size.h);
            EXPECT_EQ(panel.HitTest(layout.PanelX(p.x), layout.PanelY(p.y)), key);
            EXPECT_TRUE(layout.keypadPanel.HoldsPress(p.x, p.y, size.h)) << key;
        }
        for (const ScreenArea& picture : {layout.infoPicture, layout.NotePicture(9)}) {
            const WindowPress p = MiddleOf(picture, size.h);
            EXPECT_TRUE(picture.HoldsPress(p.x, p.y, size.h)) << Describe(picture);
            // Its first and last pixels across are on it; the ones beside them are not.
            const int row = p.y;
            EXPECT_TRUE(picture.HoldsPress(picture.x, row, size.h));
            EXPECT_TRUE(picture.HoldsPress(picture.x + picture.width - 1, row, size.h));
            EXPECT_FALSE(picture.HoldsPress(picture.x - 1, row, size.h));
            EXPECT_FALSE(picture.HoldsPress(picture.x + picture.width, row, size.h));
        }
    }
}

// The texts at each size: the font rendered at the scaled size, the hint under the HUD corner
// inside the window, the line at the bottom clear of the floor's name and under the info
// picture, every count inside the well the bar paints for it, clear of its rim.
TEST_F(OverlayLayoutTest, TextsAreRenderedAtTheirScaledSizeInTheirPlaces) {
    ASSERT_TRUE(UseHudFontFile(""));
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
    const int designAscender = HudFont().Ascender();
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);
        const HudTextBlock hint = LayOutIconHint(9, size.w, size.h);
        ASSERT_EQ(hint.count, 2);
        ASSERT_NE(hint.font, nullptr);
        EXPECT_NEAR(hint.font->Ascender(), designAscender * layout.scale, 1.5)
            << "the hint's font is not rendered at the window's scale";
        EXPECT_LE(hint.band.y + hint.band.height, size.h - layout.hudCorner.height);
        EXPECT_GE(hint.band.x, 0);
        for (int i = 0; i < 2; ++i) {
            const PlacedLine& line = hint.lines[i];
            EXPECT_EQ(line.x + hint.font->TextWidth(line.text), size.w - layout.hintRightMargin);
        }
        const HudTextBlock bottom = LayOutBottomLine("Nothing to unlock here", size.w, size.h);
        ASSERT_EQ(bottom.count, 1);
        EXPECT_EQ(bottom.font, &HudFontOfSize(layout.noticeFontPixels));
        EXPECT_GT(
            bottom.band.x,
            layout.floorLabelX + HudFontOfSize(layout.hudFontPixels).TextWidth("楼下 DOWNSTAIRS"));
        EXPECT_LE(bottom.band.y + bottom.band.height, layout.infoPicture.y);
        EXPECT_GE(bottom.band.y, 0);
        EXPECT_GT(bottom.band.y, layout.floorLabelBaseline) << "over the floor's name";

        // The well, in window pixels, an overlay unit in from its rim (two at 800 by 600:
        // HudTextTest).
        const double unitX = layout.hudCorner.width / 180.0,
                     unitY = layout.hudCorner.height / 100.0;
        const double left = layout.hudCorner.x + (kCountdownWell[0] + 1) * unitX;
        const double right = layout.hudCorner.x + (kCountdownWell[2] - 1) * unitX;
        const double lowest = layout.hudCorner.y + (kCountdownWell[1] + 1) * unitY;
        const double highest = layout.hudCorner.y + (kCountdownWell[3] - 1) * unitY;
        GlyphRasterizer& digits = HudFontOfSize(layout.countdownFontPixels);
        ASSERT_TRUE(digits.IsOpen());
        for (int seconds = 0; seconds < 600; ++seconds) {
            char text[6];
            std::snprintf(text, sizeof text, "0%d:%d%d", seconds / 60, seconds % 60 / 10,
                          seconds % 10);
            const ScreenArea ink =
                InkArea({text, layout.countdownX, layout.countdownBaseline}, digits);
            EXPECT_TRUE(ink.x >= left && ink.x + ink.width <= right && ink.y >= lowest &&
                        ink.y + ink.height <= highest)
                << text << ": " << Describe(ink);
        }
    }
}

// Windows of no size or of odd shapes give empty or small areas and fonts of a pixel at least,
// never a negative size.
TEST_F(OverlayLayoutTest, WindowsOfNoSizeOrOddShapesGiveNoNegativeSizes) {
    for (const WindowSize& size : {WindowSize{0, 0}, {1, 1}, {0, 600}, {100, 5000}, {4000, 30}}) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);
        EXPECT_GE(layout.scale, 0.0);
        std::vector<ScreenArea> areas(std::begin(layout.iconEntries), std::end(layout.iconEntries));
        areas.insert(areas.end(), std::begin(layout.keypadKeys), std::end(layout.keypadKeys));
        areas.insert(areas.end(), {layout.hudCorner, layout.keypadPanel, layout.infoPicture,
                                   layout.NotePicture(7)});
        for (const ScreenArea& area : areas) {
            EXPECT_GE(area.width, 0) << Describe(area);
            EXPECT_GE(area.height, 0) << Describe(area);
        }
        EXPECT_GE(
            std::min({layout.hudFontPixels, layout.countdownFontPixels, layout.noticeFontPixels}),
            1);
        EXPECT_GE(layout.slotOutlineWidth, 1.0f);
        if (layout.scale == 0.0) {
            EXPECT_FALSE(layout.InHudCorner(0, 0));
        }
    }
}

}  // namespace
