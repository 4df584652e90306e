// The HUD as the player meets it: the real start-up with the generated Data folder, whole
// frames, and the latched press values set as the mouse callback would set them.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/countdown.h"
#include "app/game_state.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/clock.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// A box of window pixels, x from the left, y from the bottom, ends excluded.
struct Box {
    int x0, y0, x1, y1;
};

const Box kWholeWindow{0, 0, kWidth, kHeight};
const Box kHudCorner{kWidth - 180, kHeight - 100, kWidth, kHeight};

Rgb Pixel(int x, int y) {
    return PixelAt(x, kHeight - 1 - y);
}

bool Same(const Rgb& a, const Rgb& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct Difference {
    int count = 0;
    Box bounds{1 << 20, 1 << 20, -1, -1};
};

// Where the last frame differs from an earlier capture, within `area`, leaving out `skip`.
Difference Compare(const std::vector<Rgb>& earlier, const Box& area, const Box* skip = nullptr) {
    Difference d;
    for (int y = area.y0; y < area.y1; ++y) {
        for (int x = area.x0; x < area.x1; ++x) {
            if (skip != nullptr && x >= skip->x0 && x < skip->x1 && y >= skip->y0 && y < skip->y1) {
                continue;
            }
            if (Same(earlier[static_cast<size_t>(y) * kWidth + x], Pixel(x, y))) continue;
            ++d.count;
            d.bounds.x0 = std::min(d.bounds.x0, x);
            d.bounds.y0 = std::min(d.bounds.y0, y);
            d.bounds.x1 = std::max(d.bounds.x1, x + 1);
            d.bounds.y1 = std::max(d.bounds.y1, y + 1);
        }
    }
    return d;
}

// How the pixels that changed since an earlier capture were painted. Text blends the colour
// (1.0, 0.8, 0.6) over what was there by each pixel's coverage, so every changed pixel lies on
// the line from its old colour to the text colour.
struct TextPixels {
    int strong = 0;  // at least three quarters covered
    int weak = 0;    // edges, or too close to the old colour to tell
    int off = 0;     // changed to something no blend of the text colour gives
};
TextPixels ClassifyText(const std::vector<Rgb>& earlier, const Box& area) {
    const int text[3] = {255, 204, 153};
    TextPixels found;
    for (int y = area.y0; y < area.y1; ++y) {
        for (int x = area.x0; x < area.x1; ++x) {
            const Rgb before = earlier[static_cast<size_t>(y) * kWidth + x];
            const Rgb now = Pixel(x, y);
            if (Same(before, now)) continue;
            const int old[3] = {before.r, before.g, before.b};
            const int got[3] = {now.r, now.g, now.b};
            int widest = 0;
            for (int c = 1; c < 3; ++c) {
                if (std::abs(text[c] - old[c]) > std::abs(text[widest] - old[widest])) widest = c;
            }
            if (std::abs(text[widest] - old[widest]) < 24) {
                ++found.weak;
                continue;
            }
            const double coverage =
                static_cast<double>(got[widest] - old[widest]) / (text[widest] - old[widest]);
            bool onTheLine = coverage > -0.02 && coverage < 1.02;
            for (int c = 0; c < 3; ++c) {
                onTheLine =
                    onTheLine && std::abs(old[c] + coverage * (text[c] - old[c]) - got[c]) <= 3.5;
            }
            if (!onTheLine) {
                ++found.off;
            } else if (coverage >= 0.75) {
                ++found.strong;
            } else {
                ++found.weak;
            }
        }
    }
    return found;
}

// The last frame, rows bottom first.
std::vector<Rgb> Frame() {
    int width = 0, height = 0;
    std::vector<Rgb> pixels = ReadWindowPixels(&width, &height);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    return pixels;
}

class HudGameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenGameWindow();
        ResetGameForTest();
    }
};

TEST_F(HudGameWindowTest, CountdownStartsAtItsCornerAndChangesWithTheCount) {
    g_timeText[0] = '\0';  // an empty text draws nothing: the corner without its countdown
    DrawFrame();
    const std::vector<Rgb> withoutText = Frame();
    std::memcpy(g_timeText, "03:00", sizeof g_timeText);
    DrawFrame();
    const std::vector<Rgb> full = Frame();
    const Difference text = Compare(withoutText, kWholeWindow);
    const TextPixels digits = ClassifyText(withoutText, kWholeWindow);
    EXPECT_GT(digits.strong, 15);
    EXPECT_EQ(digits.off, 0);
    // The first glyph starts at x = width - 44, the digits stand on y = height - 53.
    EXPECT_GE(text.bounds.x0, kWidth - 44);
    EXPECT_LE(text.bounds.x0, kWidth - 42);
    EXPECT_GE(text.bounds.y0, kHeight - 54);
    EXPECT_LE(text.bounds.y0, kHeight - 53);
    EXPECT_LE(text.bounds.y1, kHeight - 53 + 12);
    EXPECT_LE(text.bounds.x1, kWidth);

    // One second later the idle callback draws 02:59.
    AdvanceManualClock(kClockTicksPerSecond);
    OnIdle();
    ASSERT_STREQ(g_timeText, "02:59");
    const Difference tick = Compare(full, kWholeWindow);
    EXPECT_GT(tick.count, 0);
    EXPECT_GE(tick.bounds.x0, kWidth - 44);
    EXPECT_GT(ClassifyText(withoutText, kWholeWindow).strong, 15);
    SaveWindowPng("/tmp/hud/game_countdown.png");
}

TEST_F(HudGameWindowTest, RightPressOnAnOwnedIconShowsItsHintAndOnAnEmptySlotNothing) {
    g_iconOwned[4] = 1;
    // A right press outside the bar: no hint.
    g_messageIndex = -1;
    g_describeMode = 1;
    DrawFrame();
    const std::vector<Rgb> noHint = Frame();

    struct Case {
        int entry;
        bool shown;
    };
    for (const Case& c : {Case{4, true}, Case{0, true}, Case{5, false}, Case{9, false}}) {
        SCOPED_TRACE(c.entry);
        g_messageIndex = c.entry;
        g_describeMode = 1;
        DrawFrame();
        const Difference hint = Compare(noHint, kWholeWindow);
        if (c.shown) {
            const TextPixels text = ClassifyText(noHint, kWholeWindow);
            EXPECT_GT(text.strong, 60);
            EXPECT_EQ(text.off, 0);
            EXPECT_GE(hint.bounds.x0, kWidth - 180);
            EXPECT_LE(hint.bounds.x0, kWidth - 177);
            EXPECT_GE(hint.bounds.y0, kHeight - 23);
            EXPECT_LE(hint.bounds.y1, kHeight - 20 + 13);
        } else {
            EXPECT_EQ(hint.count, 0);
        }
    }
    g_messageIndex = 4;
    DrawFrame();
    SaveWindowPng("/tmp/hud/game_hint.png");
}

TEST_F(HudGameWindowTest, BarShowsTheBackgroundUntilAnIconIsOwned) {
    DrawFrame();
    const std::vector<Rgb> empty = Frame();
    g_iconOwned[4] = 1;
    DrawFrame();
    // Slot 4 spans bar x 102-132, y 3-33; nothing else in the window changes.
    const Box slot4{kWidth - 180 + 102, kHeight - 100 + 3, kWidth - 180 + 133, kHeight - 100 + 34};
    const Difference icon = Compare(empty, kWholeWindow);
    EXPECT_GT(icon.count, 100);
    EXPECT_GE(icon.bounds.x0, slot4.x0);
    EXPECT_LE(icon.bounds.x1, slot4.x1);
    EXPECT_GE(icon.bounds.y0, slot4.y0);
    EXPECT_LE(icon.bounds.y1, slot4.y1);
}

// What is in hand is outlined in its slot: a key the last press used, and the hammer from its
// use until it strikes, drawn in its slot though it has left the inventory.
TEST_F(HudGameWindowTest, TheItemInHandIsOutlinedInItsSlot) {
    struct Case {
        const char* what;
        int slot;
        void (*set)();
        Rgb low, high;  // the outline's colour lies between these
    };
    const Case cases[] = {
        {"key 1 used",
         4,
         [] {
             g_iconOwned[4] = 1;
             g_messageIndex = 4;
         },
         {200, 170, 0},
         {255, 255, 120}},
        {"the hammer raised", 3, [] { g_boxEnabled[13] = 1; }, {200, 60, 0}, {255, 160, 80}},
    };
    for (const Case& c : cases) {
        ResetGameForTest();
        DrawFrame();
        const std::vector<Rgb> empty = Frame();
        c.set();
        DrawFrame();
        const int x0 = c.slot <= 5 ? 33 * c.slot - 30 : 33 * c.slot - 195;
        const int y0 = c.slot <= 5 ? 3 : 36;
        const Box around{kWidth - 180 + x0 - 2, kHeight - 100 + y0 - 2, kWidth - 180 + x0 + 32,
                         kHeight - 100 + y0 + 32};
        const Difference changed = Compare(empty, kWholeWindow);
        const int centreX = kWidth - 180 + x0 + 15, centreY = kHeight - 100 + y0 + 15;
        EXPECT_FALSE(
            Same(empty[static_cast<size_t>(centreY) * kWidth + centreX], Pixel(centreX, centreY)))
            << c.what << ": the item is drawn in its slot";
        EXPECT_GE(changed.bounds.x0, around.x0) << c.what;
        EXPECT_LE(changed.bounds.x1, around.x1) << c.what;
        // The outline, just outside the icon's left edge: yellow in hand, orange raised.
        const Rgb rim = Pixel(around.x0 + 1, around.y0 + 15);
        EXPECT_TRUE(rim.r >= c.low.r && rim.r <= c.high.r && rim.g >= c.low.g &&
                    rim.g <= c.high.g && rim.b >= c.low.b && rim.b <= c.high.b)
            << c.what << ": " << int(rim.r) << " " << int(rim.g) << " " << int(rim.b);
    }
}

TEST_F(HudGameWindowTest, LeftPressOnANoteShowsItsPictureCentredAtItsOwnSize) {
    g_iconOwned[8] = 1;
    DrawFrame();
    const std::vector<Rgb> before = Frame();
    // A right press on the note only describes it.
    g_messageIndex = 8;
    g_describeMode = 1;
    DrawFrame();
    EXPECT_EQ(Compare(before, kWholeWindow, &kHudCorner).count, 0);

    g_describeMode = 0;
    DrawFrame();
    const int width = g_iconWidth[11];
    const int height = g_iconHeight[11];
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    const Box picture{(kWidth - width) / 2, (kHeight - height) / 2, (kWidth - width) / 2 + width,
                      (kHeight - height) / 2 + height};
    const Difference note = Compare(before, kWholeWindow, &kHudCorner);
    EXPECT_GT(note.count, width * height / 2);
    EXPECT_GE(note.bounds.x0, picture.x0);
    EXPECT_LE(note.bounds.x0, picture.x0 + 2);
    EXPECT_GE(note.bounds.y0, picture.y0);
    EXPECT_LE(note.bounds.y0, picture.y0 + 2);
    EXPECT_LE(note.bounds.x1, picture.x1);
    EXPECT_GE(note.bounds.x1, picture.x1 - 2);
    EXPECT_LE(note.bounds.y1, picture.y1);
    EXPECT_GE(note.bounds.y1, picture.y1 - 2);
    SaveWindowPng("/tmp/hud/game_note.png");
}

TEST_F(HudGameWindowTest, InfoPictureIsDrawnOverEverythingElse) {
    DrawFrame();
    const std::vector<Rgb> before = Frame();
    g_infoPicture.Select(5);
    ASSERT_EQ(g_infoPicture.shown, 1);
    DrawFrame();
    const std::vector<Rgb> info = Frame();
    const Box quad{360, 60, 600, 420};
    const Difference shown = Compare(before, kWholeWindow);
    EXPECT_GT(shown.count, 240 * 360 / 2);
    EXPECT_GE(shown.bounds.x0, quad.x0);
    EXPECT_LE(shown.bounds.x1, quad.x1);
    EXPECT_GE(shown.bounds.y0, quad.y0);
    EXPECT_LE(shown.bounds.y1, quad.y1);
    // With the keypad panel open as well, the picture still covers its part of the window.
    g_keypadShown = 1;
    DrawFrame();
    EXPECT_EQ(Compare(info, quad).count, 0);
    EXPECT_GT(Compare(info, kWholeWindow).count, 0);
    SaveWindowPng("/tmp/hud/game_info.png");
    g_keypadShown = 0;
    // A left press on the sky hides it again.
    g_infoPicture.Select(-1);
    DrawFrame();
    EXPECT_EQ(Compare(before, kWholeWindow).count, 0);
}

}  // namespace
