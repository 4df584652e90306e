// Pictures as drawn by the game in the 800 by 600 window: buttons and keys where the mouse presses.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::abs(), std::sqrt()
#include <cstdlib>    // Required for: std::getenv()
#include <string>     // Required for: std::string

#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "platform/toolkit.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kClearlyDifferent = 60.0;  // of the 441 between black and white

// A frame as the window shows it, rows bottom first; At counts y from the top.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const {
        return pixels[static_cast<size_t>(height - 1 - y) * width + x];
    }
};

struct MeanColour {
    double r = 0, g = 0, b = 0;
};
// Mean over the pixels whose centres lie in [left, right) x [top, bottom) (y from the top) or,
// when `ring` is above 0, over a band that many pixels wide just outside it.
MeanColour Mean(const Picture& picture, double left, double top, double right, double bottom,
                double ring = 0) {
    MeanColour sum;
    int count = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            const bool inside = cx >= left && cx < right && cy >= top && cy < bottom;
            const bool near =
                cx >= left - ring && cx < right + ring && cy >= top - ring && cy < bottom + ring;
            if (ring > 0 ? (inside || !near) : !inside) continue;
            const Rgb& p = picture.At(x, y);
            sum = {sum.r + p.r, sum.g + p.g, sum.b + p.b};
            ++count;
        }
    }
    return count > 0 ? MeanColour{sum.r / count, sum.g / count, sum.b / count} : sum;
}

double ColourDistance(const MeanColour& a, const MeanColour& b) {
    return std::sqrt((a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) +
                     (a.b - b.b) * (a.b - b.b));
}

Picture Shown(bool present = false) {
    if (present) Toolkit().swapBuffers();
    Picture picture;
    picture.pixels = ReadWindowPixels(&picture.width, &picture.height);
    return picture;
}

// Each button and strips along its edges stand out where the mouse presses (corners in window
// percent), and going back does not look like quitting.
TEST(PicturesOnScreen, ScreenButtonsStandOutWhereTheMouseMustPress) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
    OpenTestWindow();
    Screens screens;
    screens.Init();
    screens.LoadPictures();
    for (int shown = 0; shown < 5; ++shown) {
        SCOPED_TRACE("screen " + std::to_string(shown));
        screens.startScreenShown = shown == 0, screens.endScreenShown = shown > 0,
        screens.endingCode = static_cast<std::uint8_t>(shown - 1);
        glEnable(GL_TEXTURE_2D);
        screens.Draw(kWidth, kHeight);
        const Picture window = Shown(true);
        MeanColour buttons[2];
        for (int b = 0; b < (shown == 0 ? 1 : 2); ++b) {
            const float(&c)[2][2] = shown == 0 ? screens.startButton : screens.endButtons[b];
            const double left = std::min(c[0][0], c[1][0]) * 8,
                         top = std::min(c[0][1], c[1][1]) * 6;
            const double right = std::max(c[0][0], c[1][0]) * 8, inset = 6.4;
            const double bottom = std::max(c[0][1], c[1][1]) * 6;
            const MeanColour around = Mean(window, left, top, right, bottom, 8);
            buttons[b] = Mean(window, left, top, right, bottom);
            for (const MeanColour& part :
                 {buttons[b],
                  Mean(window, left + inset, top + inset, left + 2 * inset, bottom - inset),
                  Mean(window, right - 2 * inset, top + inset, right - inset, bottom - inset),
                  Mean(window, left + 3 * inset, top + inset, right - 3 * inset, top + 2 * inset),
                  Mean(window, left + 3 * inset, bottom - 2 * inset, right - 3 * inset,
                       bottom - inset)}) {
                EXPECT_GT(ColourDistance(part, around), kClearlyDifferent) << "button " << b;
            }
        }
        EXPECT_TRUE(shown == 0 || ColourDistance(buttons[0], buttons[1]) > kClearlyDifferent);
    }
}

// Every key stands out on the cell the panel's hit test gives it; close does not look like a digit.
TEST(PicturesOnScreen, KeypadKeysLieOnTheirCells) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
    OpenTestWindow();
    KeypadPanel panel;
    panel.Init();
    panel.LoadPictures();
    const ScreenArea area = LayOutOverlays(kWidth, kHeight).keypadPanel;
    glClearColor(0.45f, 0.4f, 0.35f, 1);  // a stand-in for the house behind the panel
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    BeginOverlay(area.x - 300, area.y - 400, 600, 800);
    glBindTexture(GL_TEXTURE_2D, panel.textures[0]);
    DrawOverlayQuad(0.0f, 0.0f, 1.0f, 1.0f);
    EndOverlay(kWidth, kHeight);
    const Picture window = Shown(true);
    MeanColour keys[10];
    for (int cell = 0; cell < 10; ++cell) {
        // Panel (x, y), from (-200, -100) at lower left, is pixel (area.x+200+x, 500-area.y-y).
        const KeypadPanel::Cell& c = panel.cells[cell];
        const double left = area.x + 200 + c.xMin, top = kHeight - area.y - 100 - c.yMax;
        const double right = area.x + 200 + c.xMax, bottom = kHeight - area.y - 100 - c.yMin;
        keys[cell] = Mean(window, left, top, right, bottom);
        EXPECT_GT(ColourDistance(keys[cell], Mean(window, left, top, right, bottom, 3)),
                  kClearlyDifferent)
            << "cell " << cell;
        EXPECT_TRUE(cell == 0 || ColourDistance(keys[0], keys[cell]) > kClearlyDifferent) << cell;
    }
}

TEST(PicturesOnScreen, NotesAppearPixelForPixelInTheMiddleOfTheWindow) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
    OpenGameWindow();
    ResetGameForTest();
    // The notes lie in the last three slots; their pictures are the last three icons.
    for (int slot = kIconBarEntryCount - 3; slot < kIconBarEntryCount; ++slot) {
        const int picture = slot + kIconPictureCount - kIconBarEntryCount;
        const int width = g_iconWidth[picture], height = g_iconHeight[picture];
        g_iconOwned[slot] = 1, g_messageIndex = slot;
        DrawFrame();
        const Picture window = Shown();
        const int left = (kWidth - width) / 2, top = (kHeight - height + 1) / 2;
        int worst = 0;
        for (int y = 0; y < height; y += 7) {
            for (int x = 0; x < width; x += 5) {
                // As read: bottom row first, B, G, R, rows padded to 4 bytes.
                const std::uint8_t* p =
                    g_iconPixels[picture] + (height - 1 - y) * ((3 * width + 3) / 4 * 4) + 3 * x;
                const Rgb& shown = window.At(left + x, top + y);
                worst = std::max({worst, std::abs(shown.r - p[2]), std::abs(shown.g - p[1]),
                                  std::abs(shown.b - p[0])});
            }
        }
        EXPECT_LE(worst, 3) << g_iconFiles[picture] << " is not shown at its own size";
    }
}

}  // namespace
