// Everything over the house in a real window resized to the sizes players meet: what the frame
// draws stands where the layout says, and a press at the middle of it uses that very thing.
// The icons, the keypad's picture, the notes and the info pictures are given plain colours of
// ours, so each pixel says which of them it belongs to.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON, GLUT_DOWN
#include <GL/gl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "hud/hud_font.h"
#include "hud/hud_text.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "hud/overlay_layout.h"
#include "platform/toolkit.h"
#include "support/game_window.h"

namespace {

struct WindowSize {
    int w, h;
};
constexpr WindowSize kSizes[] = {{640, 480}, {1280, 720}, {1920, 1080}, {2560, 1440}};

// A colour of its own for each thing drawn: icon entry k, keypad key k, the panel between the
// keys, a note, an info picture.
Rgb SlotColour(int entry) {
    return {static_cast<std::uint8_t>(20 + 23 * entry), 40, 200};
}
Rgb KeyColour(int key) {
    return {230, static_cast<std::uint8_t>(10 + 24 * key), 30};
}
constexpr Rgb kPanelColour{90, 90, 90}, kNoteColour{250, 250, 120}, kInfoColour{30, 220, 230};

bool Same(const Rgb& a, const Rgb& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

std::string Name(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

// The pixel at (x, y) from the bottom of the last frame has the colour.
::testing::AssertionResult PixelIs(int x, int y, const Rgb& expected) {
    const Rgb p = PixelAt(x, g_windowHeight - 1 - y);
    if (Same(p, expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") from the bottom is "
                                         << Name(p) << ", not " << Name(expected);
}

unsigned int Solid(const Rgb& colour) {
    return MakeNearestTexture(4, 4, std::vector<Rgb>(16, colour));
}

// The keypad's picture with each key's cell in its colour: panel pixel (x, y) from (-200, -100).
unsigned int KeypadPicture() {
    std::vector<Rgb> pixels(300 * 400, kPanelColour);
    for (int key = 0; key < 10; ++key) {
        const PanelRect& cell = kKeypadKeys[key];
        for (int y = static_cast<int>(cell.yMin); y < static_cast<int>(cell.yMax); ++y) {
            for (int x = static_cast<int>(cell.xMin); x < static_cast<int>(cell.xMax); ++x) {
                pixels[static_cast<size_t>(y + 100) * 300 + (x + 200)] = KeyColour(key);
            }
        }
    }
    return MakeNearestTexture(300, 400, pixels);
}

int AnyBox(int, int) {
    return 6;
}

class OverlaySizesWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenGameWindow();
        ResetGameForTest();
        std::copy(std::begin(g_iconTextures), std::end(g_iconTextures), savedIcons_);
        std::copy(std::begin(g_infoPicture.textures), std::end(g_infoPicture.textures), savedInfo_);
        savedPanel_ = g_keypad.textures[0];
        for (int entry = 0; entry < kIconBarEntryCount; ++entry) {
            g_iconTextures[entry] = Solid(SlotColour(entry));
        }
        for (int picture = 10; picture <= 12; ++picture)
            g_iconTextures[picture] = Solid(kNoteColour);
        for (unsigned int& texture : g_infoPicture.textures) texture = Solid(kInfoColour);
        g_keypad.textures[0] = KeypadPicture();
        // A press on the house picks a box that answers with a picture; one on an overlay must
        // not reach it.
        SetWorldPick(AnyBox);
    }
    void TearDown() override {
        SetWorldPick(nullptr);
        std::copy(std::begin(savedIcons_), std::end(savedIcons_), g_iconTextures);
        std::copy(std::begin(savedInfo_), std::end(savedInfo_), g_infoPicture.textures);
        g_keypad.textures[0] = savedPanel_;
        ResizeTestWindow(800, 600);
        ResetGameForTest();
    }
    // The window at w by h with the game as a test starts it.
    static void UseWindow(int w, int h) {
        ResetGameForTest();
        ASSERT_TRUE(ResizeTestWindow(w, h)) << "the window did not reach " << w << " by " << h;
    }
    // A left or right press at the middle pixel of an area (from the bottom).
    static void PressMiddle(int button, const ScreenArea& area) {
        const int x = area.x + area.width / 2, row = area.y + area.height / 2;
        OnMouse(button, GLUT_DOWN, x, g_windowHeight - 1 - row);
    }
    static ::testing::AssertionResult MiddleIs(const ScreenArea& area, const Rgb& colour) {
        return PixelIs(area.x + area.width / 2, area.y + area.height / 2, colour);
    }

private:
    unsigned int savedIcons_[kIconPictureCount] = {};
    unsigned int savedInfo_[kInfoPictureCount] = {};
    unsigned int savedPanel_ = 0;
};

// Every slot is drawn where the layout puts it, all nine of them at each size; a left press at a
// slot's middle uses that slot, a right press asks for its hint, neither picks the house.
TEST_F(OverlaySizesWindowTest, APressOnADrawnSlotUsesThatSlot) {
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        UseWindow(size.w, size.h);
        std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
        DrawFrame();
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);
        for (int slot = 1; slot <= 9; ++slot) {
            const ScreenArea& area = layout.iconEntries[slot];
            EXPECT_TRUE(MiddleIs(area, SlotColour(slot))) << "slot " << slot;
            // The whole slot, corner to corner, and the bar's background just beside it.
            EXPECT_TRUE(PixelIs(area.x, area.y, SlotColour(slot))) << "slot " << slot;
            EXPECT_TRUE(
                PixelIs(area.x + area.width - 1, area.y + area.height - 1, SlotColour(slot)))
                << "slot " << slot;
            EXPECT_TRUE(PixelIs(area.x - 1, area.y + area.height / 2, SlotColour(0)))
                << "slot " << slot;
        }
        for (int slot = 1; slot <= 9; ++slot) {
            for (const int button : {GLUT_RIGHT_BUTTON, GLUT_LEFT_BUTTON}) {
                std::fill(std::begin(g_iconOwned) + 1, std::end(g_iconOwned), 1);
                g_pickedBox = 3;
                PressMiddle(button, layout.iconEntries[slot]);
                EXPECT_EQ(g_messageIndex, slot) << (button == GLUT_LEFT_BUTTON ? "left" : "right");
                if (button == GLUT_LEFT_BUTTON) {
                    EXPECT_EQ(g_pickedBox, -1) << "slot " << slot;
                }
            }
        }
    }
}

// The keypad's keys are drawn where the layout puts them; each digit key's middle enters its
// digit, the close key's closes the panel, and no press on the panel picks the house behind it.
TEST_F(OverlaySizesWindowTest, APressOnADrawnKeyEntersThatKey) {
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        UseWindow(size.w, size.h);
        // Open, past the press that opened it: the next press on a key is a digit.
        g_keypad.shown = 1, g_keypad.pressCount = 2;
        DrawFrame();
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);
        const ScreenArea& panel = layout.keypadPanel;
        EXPECT_TRUE(PixelIs(panel.x + 2, panel.y + 2, kPanelColour));
        EXPECT_TRUE(PixelIs(panel.x + panel.width - 3, panel.y + panel.height - 3, kPanelColour));
        for (int key = 0; key < 10; ++key) {
            EXPECT_TRUE(MiddleIs(layout.keypadKeys[key], KeyColour(key))) << "key " << key;
        }
        for (int key = 1; key <= 9; ++key) {
            PressMiddle(GLUT_LEFT_BUTTON, layout.keypadKeys[key]);
            EXPECT_EQ(g_keypad.lastDigit, key);
            EXPECT_EQ(g_pickedBox, -1) << "key " << key;
        }
        PressMiddle(GLUT_LEFT_BUTTON, layout.keypadKeys[0]);
        EXPECT_EQ(g_keypadShown, 0) << "the close key did not close the panel";
    }
}

// A note and an info picture fill the areas the layout gives them, in their own proportions;
// a press at their middle is for them (nothing behind is picked, the info picture is put away),
// one just beside them picks the house.
TEST_F(OverlaySizesWindowTest, APressOnADrawnPictureIsForThePicture) {
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        UseWindow(size.w, size.h);
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);

        g_iconOwned[9] = 1, g_messageIndex = 9, g_describeMode = 0;
        DrawFrame();
        const ScreenArea note = layout.NotePicture(9);
        EXPECT_TRUE(MiddleIs(note, kNoteColour));
        EXPECT_TRUE(PixelIs(note.x, note.y, kNoteColour));
        EXPECT_TRUE(PixelIs(note.x + note.width - 1, note.y + note.height - 1, kNoteColour));
        EXPECT_FALSE(PixelIs(note.x - 1, note.y + note.height / 2, kNoteColour));
        EXPECT_FALSE(PixelIs(note.x + note.width / 2, note.y + note.height, kNoteColour));
        PressMiddle(GLUT_LEFT_BUTTON, note);
        EXPECT_EQ(g_pickedBox, -1) << "a press on the note picked the house";

        g_infoPicture.Select(6);
        ASSERT_EQ(g_infoPicture.shown, 1);
        DrawFrame();
        const ScreenArea& info = layout.infoPicture;
        EXPECT_TRUE(MiddleIs(info, kInfoColour));
        EXPECT_TRUE(PixelIs(info.x, info.y, kInfoColour));
        EXPECT_TRUE(PixelIs(info.x + info.width - 1, info.y + info.height - 1, kInfoColour));
        EXPECT_FALSE(PixelIs(info.x - 1, info.y + info.height / 2, kInfoColour));
        EXPECT_FALSE(PixelIs(info.x + info.width, info.y + info.height / 2, kInfoColour));
        PressMiddle(GLUT_LEFT_BUTTON, info);
        EXPECT_EQ(g_pickedBox, -1) << "a press on the info picture picked the house";
        EXPECT_EQ(g_infoPicture.shown, 0) << "the info picture was not put away";
        g_infoPicture.Select(6);
        OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, info.x - 1, size.h - 1 - (info.y + info.height / 2));
        EXPECT_EQ(g_pickedBox, 6) << "a press beside the info picture did not pick the house";
    }
}

// The texts follow the window's scale: the hint is drawn on its band under the HUD corner and
// nowhere else, in glyphs the scaled size of the 800 by 600 ones.
TEST_F(OverlaySizesWindowTest, TheHintIsDrawnOnItsBandAtTheWindowsScale) {
    ASSERT_TRUE(UseHudFontFile(""));
    for (const WindowSize& size : kSizes) {
        SCOPED_TRACE(std::to_string(size.w) + " by " + std::to_string(size.h));
        UseWindow(size.w, size.h);
        std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
        g_describeMode = 1, g_messageIndex = -1;
        RememberHintPose();
        DrawFrame();
        int w = 0, h = 0;
        const std::vector<Rgb> withoutHint = ReadWindowPixels(&w, &h);
        ASSERT_EQ(w * 10000 + h, size.w * 10000 + size.h);
        g_messageIndex = 8;
        DrawFrame();
        const std::vector<Rgb> withHint = ReadWindowPixels(&w, &h);
        const HudTextBlock block = LayOutIconHint(8, size.w, size.h);
        ASSERT_EQ(block.count, 2);
        int changed = 0, outside = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const size_t i = static_cast<size_t>(y) * w + x;
                if (Same(withoutHint[i], withHint[i])) continue;
                ++changed;
                outside += !(x >= block.band.x && x < block.band.x + block.band.width &&
                             y >= block.band.y && y < block.band.y + block.band.height);
            }
        }
        EXPECT_GT(changed, 0);
        EXPECT_EQ(outside, 0) << "the hint reaches out of its band";
        const OverlayLayout layout = LayOutOverlays(size.w, size.h);
        EXPECT_LE(block.band.y + block.band.height, size.h - layout.hudCorner.height);
        // The English line's ink is as tall as the 800 by 600 one times the scale.
        const int designHeight = InkArea(block.lines[1], HudFont()).height;
        const int height = InkArea(block.lines[1], *block.font).height;
        EXPECT_NEAR(height, designHeight * layout.scale, 2.0);
    }
}

// At 800 by 600 everything stands on the pixels it always has: the slots from (623, 503) 33
// apart, the keypad's keys from panel point (0, 0) at window (500, 200), the note at its own size
// in the middle, the info picture 240 by 360 from (360, 60); the presses the game always took
// there do what they always did.
TEST_F(OverlaySizesWindowTest, At800By600TheOverlaysStandOnTheirOldPixels) {
    UseWindow(800, 600);
    std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 1);
    g_keypad.shown = 1, g_keypad.pressCount = 2;
    DrawFrame();
    for (int slot = 1; slot <= 9; ++slot) {
        const int x0 = 620 + (slot <= 5 ? 33 * slot - 30 : 33 * slot - 195);
        const int y0 = slot <= 5 ? 503 : 536;
        EXPECT_TRUE(PixelIs(x0, y0, SlotColour(slot)) &&
                    PixelIs(x0 + 29, y0 + 29, SlotColour(slot)))
            << "slot " << slot;
        EXPECT_FALSE(PixelIs(x0 - 1, y0, SlotColour(slot)) ||
                     PixelIs(x0 + 30, y0, SlotColour(slot)))
            << "slot " << slot;
    }
    for (int key = 0; key < 10; ++key) {
        const PanelRect& cell = kKeypadKeys[key];
        const int x0 = 500 + static_cast<int>(cell.xMin), y0 = 200 + static_cast<int>(cell.yMin);
        const int x1 = 500 + static_cast<int>(cell.xMax), y1 = 200 + static_cast<int>(cell.yMax);
        EXPECT_TRUE(PixelIs(x0 + 1, y0 + 1, KeyColour(key)) &&
                    PixelIs(x1 - 2, y1 - 2, KeyColour(key)))
            << "key " << key;
    }
    EXPECT_TRUE(PixelIs(300, 100, kPanelColour) && PixelIs(599, 499, kPanelColour));
    EXPECT_FALSE(PixelIs(299, 300, kPanelColour) || PixelIs(600, 300, kPanelColour) ||
                 PixelIs(450, 500, kPanelColour));
    // Slot 4 at window (730, 80) from the top, key 1 at (361, 246): as the game always took them.
    OnMouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 730, 80);
    EXPECT_EQ(g_messageIndex, 4);
    OnMouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 361, 246);
    EXPECT_EQ(g_keypad.lastDigit, 1);

    g_keypad.shown = 0;
    g_iconOwned[9] = 1, g_messageIndex = 9, g_describeMode = 0;
    g_infoPicture.Select(6);
    DrawFrame();
    // The note at its own size in the middle, as (800 - width) / 2 always put it.
    const int noteWidth = g_iconWidth[12], noteHeight = g_iconHeight[12];
    const int x0 = (800 - noteWidth) / 2, y0 = (600 - noteHeight) / 2;
    const int x1 = x0 + noteWidth, y1 = y0 + noteHeight;
    EXPECT_TRUE(PixelIs(x0, y0, kNoteColour) && PixelIs(x1 - 1, y1 - 1, kNoteColour));
    EXPECT_FALSE(PixelIs(x0 - 1, 300, kNoteColour) || PixelIs(x1, 300, kNoteColour) ||
                 PixelIs(400, y0 - 1, kNoteColour) || PixelIs(400, y1, kNoteColour));
    EXPECT_TRUE(PixelIs(360, 60, kInfoColour) && PixelIs(599, 419, kInfoColour));
    EXPECT_FALSE(PixelIs(359, 200, kInfoColour) || PixelIs(600, 200, kInfoColour) ||
                 PixelIs(450, 59, kInfoColour) || PixelIs(450, 420, kInfoColour));
}

}  // namespace
