// The HUD font and which hint a right press shows.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_DOWN, GLUT_RIGHT_BUTTON

#include <algorithm>
#include <cstdio>
#include <string>

#include "app/game_state.h"
#include "gameplay/picking.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "platform/glyphs.h"
#include "platform/toolkit.h"

namespace {

TEST(HudTextTest, OnlyOwnedEntriesHaveAHint) {
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
    g_iconOwned[0] = 1;
    g_iconOwned[3] = 1;
    EXPECT_STREQ(IconHintText(0), "点击图标以获得提示信息");
    EXPECT_STREQ(IconHintText(3), "锤子可以用于破除障碍");
    for (int entry : {-1, 1, 2, 4, 9, 10, 1000, -7})
        EXPECT_EQ(IconHintText(entry), nullptr) << entry;
    g_iconOwned[9] = 1;
    EXPECT_STREQ(IconHintText(9), "道具可能有害，谨慎使用");
}

int NoBox(int, int) {
    return -1;
}

TEST(HudTextTest, ARightPressLatchesTheEntryWhoseHintTheFrameShows) {
    ResetGameStateToStart();
    InstallCountingToolkit();
    SetWorldPick(NoBox);
    LayOutIconSlots();
    g_windowWidth = 800;
    g_windowHeight = 600;
    g_iconOwned[0] = 1;
    g_iconOwned[4] = 1;
    struct Case {
        int x, y;          // window pixel, y from the top
        const char* hint;  // what step 21 of the frame prints, nullptr for nothing
    };
    // Slot 4 spans bar x 102-132, y 3-33: window x 722-752, y 67-97.
    const Case cases[] = {
        {730, 80, "钥匙可以用于开锁"},        // key 1, owned
        {640, 80, nullptr},                   // slot 2, empty
        {621, 50, "点击图标以获得提示信息"},  // the bar between slots: entry 0
        {790, 5, "点击图标以获得提示信息"},   // the strip above the background
        {500, 80, nullptr},                   // left of the corner
        {730, 101, nullptr},                  // below the corner
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        OnMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, c.x, c.y);
        EXPECT_EQ(g_describeMode, 1);
        const char* hint = IconHintText(g_messageIndex);
        if (c.hint == nullptr) {
            EXPECT_EQ(hint, nullptr);
        } else {
            EXPECT_STREQ(hint, c.hint);
        }
    }
    SetWorldPick(nullptr);
}

TEST(HudTextTest, TheFontFoundWritesEveryHintAtUiSize) {
    ASSERT_TRUE(UseHudFontFile(""));
    EXPECT_FALSE(HudFontFile().empty());
    for (const char* hint : g_iconHints) EXPECT_TRUE(HudFontCovers(hint)) << hint;
    EXPECT_TRUE(HudFontCovers("0123456789:"));
    GlyphRasterizer& font = HudFont();
    // A Chinese character and a digit, at the size of a desktop's UI font.
    const Glyph& han = font.Get(U'钥');
    EXPECT_GE(han.height, 11);
    EXPECT_LE(han.height, 14);
    const Glyph& digit = font.Get(U'0');
    EXPECT_GE(digit.height, 8);
    EXPECT_LE(digit.height, 11);
    // The whole longest hint fits the 180-pixel corner; the countdown fits right of the slots.
    for (const char* hint : g_iconHints) EXPECT_LE(font.TextWidth(hint), 180) << hint;
    EXPECT_LE(font.TextWidth("09:59"), 44);
}

// Every count the clock can show, 00:00 to 09:59, stays at least 2 pixels inside the well the
// bar paints for it, on every side.
TEST(HudTextTest, EveryCountFitsInsideItsWell) {
    GlyphRasterizer& font = CountdownFont();
    ASSERT_TRUE(font.IsOpen());
    const double left = kCountdownWell[0] + 2, bottom = kCountdownWell[1] + 2;
    const double right = kCountdownWell[2] - 2, top = kCountdownWell[3] - 2;
    for (int seconds = 0; seconds < 600; ++seconds) {
        char text[6];
        std::snprintf(text, sizeof text, "0%d:%d%d", seconds / 60, seconds % 60 / 10,
                      seconds % 10);
        int pen = kCountdownX;
        for (const char* c = text; *c != '\0'; ++c) {
            const Glyph& glyph = font.Get(static_cast<char32_t>(*c));
            ASSERT_GT(glyph.width, 0) << text;
            EXPECT_GE(pen + glyph.left, left) << text;
            EXPECT_LE(pen + glyph.left + glyph.width, right) << text;
            EXPECT_GE(kCountdownY + glyph.top - glyph.height, bottom) << text;
            EXPECT_LE(kCountdownY + glyph.top, top) << text;
            pen += glyph.advance;
        }
    }
}

TEST(HudTextTest, AFontWithoutChineseIsUsedForWhatItCovers) {
    const std::string latinOnly = FindFontFile("DejaVu Sans");
    if (latinOnly.empty() || latinOnly.find("DejaVu") == std::string::npos) {
        GTEST_SKIP() << "no DejaVu Sans on this machine";
    }
    testing::internal::CaptureStderr();
    EXPECT_FALSE(UseHudFontFile(latinOnly));
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find("no Chinese"), std::string::npos) << warning;
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1);
    EXPECT_TRUE(HudFontCovers("03:00"));
    // A missing character gets the font's own placeholder, with a width, never a crash.
    const Glyph& han = HudFont().Get(U'钥');
    EXPECT_TRUE(han.missing);
    EXPECT_GT(han.advance, 0);
    EXPECT_TRUE(UseHudFontFile(""));
}

TEST(HudTextTest, AFontThatCannotBeOpenedLeavesNoFontAndOneWarning) {
    testing::internal::CaptureStderr();
    EXPECT_FALSE(UseHudFontFile("/nonexistent/font.ttf"));
    const std::string warning = testing::internal::GetCapturedStderr();
    EXPECT_NE(warning.find("/nonexistent/font.ttf"), std::string::npos) << warning;
    EXPECT_FALSE(HudFont().IsOpen());
    EXPECT_FALSE(HudFontCovers("0"));
    EXPECT_EQ(HudFont().Get(U'0').advance, 0);
    EXPECT_TRUE(UseHudFontFile(""));
}

}  // namespace
