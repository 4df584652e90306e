// The pictures as the player sees them in the 800 by 600 window, read and drawn by the game's own
// code: the screens' buttons stand out where the mouse presses after the rescaling, and notes
// appear pixel for pixel.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::abs(), std::sqrt()
#include <cstdlib>    // Required for: std::getenv()
#include <string>     // Required for: std::string

#include "app/game_state.h"
#include "assets/bmp_reader.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "platform/toolkit.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
// Clearly different: far apart in RGB (the full range is 0 to 441).
constexpr double kClearlyDifferent = 60.0;

// A picture, top row first.
struct Picture {
    int width = 0, height = 0;
    std::vector<Rgb> pixels;
    const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A BMP of the build's Data folder as the game's reader gives it: rows bottom first, B, G, R,
// padded to 4 bytes.
Picture LoadBmp(const std::string& dataPath) {
    const std::string path = std::string(ESCAPE_HOUSE_BUILD_DIR) + "/" + dataPath;
    BmpPixels bmp;
    std::string error;
    EXPECT_TRUE(ReadBmp24File(path.c_str(), &bmp, &error)) << error;
    Picture picture{bmp.width, bmp.height, {}};
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = bmp.pixels + y * BmpRowSize(bmp.width) + 3 * x;
            picture.pixels.push_back(Rgb{p[2], p[1], p[0]});
        }
    }
    delete[] bmp.pixels;
    return picture;
}

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

// The frame last presented by the game, or the back buffer presented now.
Picture Shown(bool present = false) {
    if (present) Toolkit().swapBuffers();
    int width = 0, height = 0;
    const std::vector<Rgb> rows = ReadWindowPixels(&width, &height);
    Picture picture{width, height, {}};
    for (int y = height - 1; y >= 0; --y) {
        picture.pixels.insert(picture.pixels.end(), rows.begin() + y * width,
                              rows.begin() + (y + 1) * width);
    }
    return picture;
}

// Each button fills the rectangle the screens test presses in (corners in window percent): the
// button and strips along its four edges stand out from what lies round it, and going back does
// not look like quitting. The five screens show different scenes in their upper halves.
TEST(PicturesOnScreen, ScreenButtonsStandOutWhereTheMouseMustPress) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
    OpenTestWindow();
    Screens screens;
    screens.Init();
    screens.LoadPictures();
    MeanColour upperHalves[5];
    for (int shown = 0; shown < 5; ++shown) {
        SCOPED_TRACE("screen " + std::to_string(shown));
        screens.startScreenShown = shown == 0;
        screens.endScreenShown = shown > 0;
        screens.endingCode = static_cast<std::uint8_t>(shown - 1);
        glViewport(0, 0, kWidth, kHeight);
        glEnable(GL_TEXTURE_2D);
        screens.Draw(kWidth, kHeight);
        const Picture window = Shown(true);
        upperHalves[shown] = Mean(window, 0, 0, kWidth, kHeight / 2);
        MeanColour buttons[2];
        for (int b = 0; b < (shown == 0 ? 1 : 2); ++b) {
            const float(&c)[2][2] = shown == 0 ? screens.startButton : screens.endButtons[b];
            const double left = std::min(c[0][0], c[1][0]) * 8,
                         right = std::max(c[0][0], c[1][0]) * 8;
            const double top = std::min(c[0][1], c[1][1]) * 6,
                         bottom = std::max(c[0][1], c[1][1]) * 6;
            const double ring = 8, inset = 6.4;
            const MeanColour around = Mean(window, left, top, right, bottom, ring);
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
        for (int other = 0; other < shown; ++other) {
            EXPECT_GT(ColourDistance(upperHalves[shown], upperHalves[other]), 10.0) << other;
        }
    }
}

// In the game's own frame, each note read from the bar appears at its own size in the middle of
// the window, pixel for pixel.
TEST(PicturesOnScreen, NotesAppearPixelForPixelInTheMiddleOfTheWindow) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
    OpenGameWindow();
    ResetGameForTest();
    // The notes lie in the last three slots; their pictures are the last three icons.
    for (int slot = kIconBarEntryCount - 3; slot < kIconBarEntryCount; ++slot) {
        const char* file = g_iconFiles[slot + kIconPictureCount - kIconBarEntryCount];
        g_iconOwned[slot] = 1;
        g_messageIndex = slot;
        DrawFrame();
        const Picture window = Shown();
        const Picture note = LoadBmp(file);
        const int left = (kWidth - note.width) / 2, top = (kHeight - note.height + 1) / 2;
        int worst = 0;
        for (int y = 0; y < note.height; y += 7) {
            for (int x = 0; x < note.width; x += 5) {
                const Rgb &shown = window.At(left + x, top + y), &stored = note.At(x, y);
                worst = std::max({worst, std::abs(shown.r - stored.r), std::abs(shown.g - stored.g),
                                  std::abs(shown.b - stored.b)});
            }
        }
        EXPECT_LE(worst, 3) << file << " is not shown at its own size";
    }
}

}  // namespace
