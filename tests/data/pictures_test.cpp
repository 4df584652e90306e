// The pictures as the player sees them in the 800 by 600 window, read and drawn by the game's own
// code: buttons and keys stand out where the mouse presses after the rescaling, cards fill their
// area, slots show their icons, notes appear pixel for pixel, the sky shows no seam and is above
// the ground, and the calendar on the wall rings the same day as its close-up.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::abs(), std::sqrt()
#include <cstdlib>    // Required for: std::getenv()
#include <string>     // Required for: std::string

#include "app/game_state.h"
#include "assets/bmp_reader.h"
#include "assets/skybox.h"
#include "assets/targa_image.h"
#include "gameplay/keypad.h"
#include "gameplay/keypad_code.h"
#include "gameplay/screens.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
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

// A picture of the build's Data folder (".tga" or ".bmp") as the game's readers give it: rows
// bottom first, a BMP's in B, G, R and padded to 4 bytes.
Picture LoadPicture(const std::string& dataPath) {
    const std::string path = std::string(ESCAPE_HOUSE_BUILD_DIR) + "/" + dataPath;
    CTargaImage targa;
    BmpPixels bmp;
    std::string error;
    const bool bitmap = dataPath.substr(dataPath.size() - 4) == ".bmp";
    if (bitmap ? !ReadBmp24File(path.c_str(), &bmp, &error) : !targa.LoadFile(path.c_str())) {
        ADD_FAILURE() << path << ": " << error << targa.LastError();
    }
    Picture picture{bitmap ? bmp.width : targa.Width(), bitmap ? bmp.height : targa.Height(), {}};
    const size_t rowSize = bitmap ? BmpRowSize(bmp.width) : 3 * static_cast<size_t>(picture.width);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* p = (bitmap ? bmp.pixels : targa.Pixels()) + y * rowSize + 3 * x;
            picture.pixels.push_back(bitmap ? Rgb{p[2], p[1], p[0]} : Rgb{p[0], p[1], p[2]});
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

void ClearTo(float grey) {
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(grey, grey * 0.9f, grey * 0.8f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
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

class PicturesOnScreen : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
        OpenTestWindow();
    }
};

// Each button fills the rectangle the screens test presses in (corners in window percent): the
// button and strips along its four edges stand out from what lies round it, and going back does
// not look like quitting. The five screens show different scenes in their upper halves.
TEST_F(PicturesOnScreen, ScreenButtonsStandOutWhereTheMouseMustPress) {
    Screens screens;
    screens.Init();
    screens.LoadPictures();
    MeanColour upperHalves[5];
    for (int shown = 0; shown < 5; ++shown) {
        SCOPED_TRACE("screen " + std::to_string(shown));
        screens.startScreenShown = shown == 0;
        screens.endScreenShown = shown > 0;
        screens.endingCode = static_cast<std::uint8_t>(shown - 1);
        ClearTo(0);
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

// Every key stands out on its cell, its face fills the cell's middle rather than the gap between
// keys, the close key does not look like a digit key, and the code typed in lights every
// display cell with bright strokes on the dark strip.
TEST_F(PicturesOnScreen, KeypadKeysLieOnTheirCellsAndTypedDigitsFillTheDisplay) {
    KeypadPanel panel;
    panel.Init();
    panel.LoadPictures();
    ClearTo(0.45f);  // a stand-in for the house behind the panel
    const ScreenArea area = KeypadPanel::Area(kWidth, kHeight);
    BeginOverlay(area.x - 300, area.y - 400, 600, 800);
    glBindTexture(GL_TEXTURE_2D, panel.textures[0]);
    DrawOverlayQuad(0.0f, 0.0f, 1.0f, 1.0f);
    for (int i = 0; i < 4; ++i) {
        glBindTexture(GL_TEXTURE_2D, panel.textures[kKeypadCode[i]]);
        DrawOverlayQuad(0.2f + 0.15f * i, 0.8f, 0.35f + 0.15f * i, 0.9f);
    }
    EndOverlay(kWidth, kHeight);
    const Picture window = Shown(true);
    // Panel point (x, y), x from -200 and y from -100, is window pixel (area.x + 200 + x) and
    // (height - area.y - 100 - y) from the top.
    MeanColour keys[10];
    for (int cell = 0; cell < 10; ++cell) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        const KeypadPanel::Cell& c = panel.cells[cell];
        const double left = area.x + 200 + c.xMin, right = area.x + 200 + c.xMax;
        const double top = kHeight - area.y - 100 - c.yMax,
                     bottom = kHeight - area.y - 100 - c.yMin;
        const MeanColour around = Mean(window, left, top, right, bottom, 3);
        const double w = right - left, h = bottom - top;
        keys[cell] = Mean(window, left, top, right, bottom);
        EXPECT_GT(ColourDistance(keys[cell], around), kClearlyDifferent);
        EXPECT_GT(ColourDistance(Mean(window, left + w * 0.1, top + h * 0.15, left + w * 0.3,
                                      bottom - h * 0.15),
                                 around),
                  kClearlyDifferent)
            << "the key's face";
        EXPECT_TRUE(cell == 0 || ColourDistance(keys[0], keys[cell]) > kClearlyDifferent);
    }
    // The display strip spans 0.2 to 0.8 of the panel's width, 0.8 to 0.9 of its height.
    for (int i = 0; i < 4; ++i) {
        const int left = area.x + 60 + 45 * i, top = kHeight - area.y - 360;
        int bright = 0;
        for (int y = top; y < top + 40; ++y) {
            for (int x = left; x < left + 45; ++x) {
                bright += window.At(x, y).g > 160 && window.At(x, y).r < window.At(x, y).g;
            }
        }
        EXPECT_GT(bright, 45 * 40 / 50) << "digit " << i + 1;
    }
}

TEST_F(PicturesOnScreen, InfoCardsStandOutOverTheHouseWhereTheyAreDrawn) {
    InfoPicture info;
    info.Init();
    info.Load();
    const ScreenArea area = InfoPicture::Area(kWidth, kHeight);
    for (info.current = 0; info.current < kInfoPictureCount; ++info.current) {
        ClearTo(0.45f);
        info.Draw(kWidth, kHeight);
        const Picture window = Shown(true);
        const double top = kHeight - area.y - area.height, right = area.x + area.width;
        EXPECT_GT(ColourDistance(Mean(window, area.x, top, right, kHeight - area.y),
                                 Mean(window, area.x, top, right, kHeight - area.y, 10)),
                  kClearlyDifferent)
            << g_infoPicturePaths[info.current];
    }
}

// In the game's own frame: every slot shows its icon once owned, and each note read from the bar
// appears at its own size in the middle of the window, pixel for pixel.
TEST_F(PicturesOnScreen, TheBarShowsEveryIconInItsSlotAndNotesAppearPixelForPixel) {
    OpenGameWindow();
    ResetGameForTest();
    DrawFrame();
    const Picture empty = Shown();
    for (int slot = 1; slot < kIconBarEntryCount; ++slot) g_iconOwned[slot] = 1;
    DrawFrame();
    const Picture full = Shown();
    for (int slot = 1; slot < kIconBarEntryCount; ++slot) {
        const float(&quad)[4][2] = g_iconRects[slot];
        const double left = kWidth - kHudCornerWidth + quad[0][0], right = left + 30;
        const double top = kHudCornerHeight - quad[2][1], bottom = top + 30;
        EXPECT_GT(ColourDistance(Mean(full, left, top, right, bottom),
                                 Mean(empty, left, top, right, bottom)),
                  25.0)
            << "slot " << slot << " looks empty with its icon in it";
    }
    // The notes lie in the last three slots; their pictures are the last three icons.
    for (int slot = kIconBarEntryCount - 3; slot < kIconBarEntryCount; ++slot) {
        const char* file = g_iconFiles[slot + kIconPictureCount - kIconBarEntryCount];
        g_messageIndex = slot;
        DrawFrame();
        const Picture window = Shown();
        const Picture note = LoadPicture(file);
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

// Looking straight at each of the sky box's twelve edges as the game draws it, the step across
// the seam in the middle of the view is no larger than the steps beside it.
TEST_F(PicturesOnScreen, SkyShowsNoSeamWhereTwoFacesMeet) {
    SkyBox sky;
    sky.SetSize(60.0f);
    sky.Load("Data/Picture/otop.tga", "Data/Picture/dn.tga", "Data/Picture/ofront.tga",
             "Data/Picture/oback.tga", "Data/Picture/oleft.tga", "Data/Picture/oright.tga");
    for (int view = 0; view < 12; ++view) {
        // Four vertical edges straight ahead, then four above and four below.
        const double yaw = view < 4 ? 45 + 90 * view : 90 * (view % 4);
        const double pitch = view < 4 ? 0 : (view < 8 ? 45 : -45);
        const bool vertical = view < 4;
        SCOPED_TRACE("yaw " + std::to_string(yaw) + " pitch " + std::to_string(pitch));
        ClearTo(0);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(30.0, 800.0 / 600.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotated(-pitch, 1, 0, 0);
        glRotated(-yaw, 0, 1, 0);
        sky.Draw();
        const Picture window = Shown(true);
        const int count = vertical ? kHeight : kWidth, middle = vertical ? kWidth / 2 : kHeight / 2;
        double across = 0, beside = 0;
        for (int i = 0; i < count; ++i) {
            auto step = [&](int a) {
                const Rgb& p = vertical ? window.At(a, i) : window.At(i, a);
                const Rgb& q = vertical ? window.At(a + 1, i) : window.At(i, a + 1);
                return std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            };
            across +=
                std::max({step(middle - 2), step(middle - 1), step(middle), step(middle + 1)});
            beside += std::max(step(middle - 40), step(middle + 40));
        }
        EXPECT_LT(across / count, beside / count + 3.0);
    }
    // A blue sky above, green ground below, and each side from the one to the other.
    const Picture top = LoadPicture("Data/Picture/otop.tga");
    const Picture bottom = LoadPicture("Data/Picture/dn.tga");
    EXPECT_GT(Mean(top, 0, 0, top.width, top.height).b, Mean(top, 0, 0, top.width, top.height).g);
    EXPECT_GT(Mean(bottom, 0, 0, bottom.width, bottom.height).g,
              Mean(bottom, 0, 0, bottom.width, bottom.height).b);
    for (const char* side : {"ofront", "oback", "oleft", "oright"}) {
        const Picture face = LoadPicture(std::string("Data/Picture/") + side + ".tga");
        const MeanColour upper = Mean(face, 0, 0, face.width, face.height * 0.4);
        const MeanColour lower = Mean(face, 0, face.height * 0.6, face.width, face.height);
        EXPECT_TRUE(upper.b > lower.b && lower.g - lower.b > upper.g - upper.b) << side;
    }
}

// The calendar on the boiler room's wall and its close-up (info picture 8) ring the same day in
// the same week and weekday column: both grids run from Monday to Sunday. The close-up's grid has
// seven columns 30 wide from x 15 and weeks 33 high from y 128; the wall calendar's, columns 17
// wide from x 6 and weeks 17 high from y 40. The ring is a purer red than the Sundays.
TEST(PicturesLayout, TheCalendarOnTheWallAndItsCloseUpRingTheSameDayInTheSameColumn) {
    auto ring = [](const Picture& picture, int top, int bottom, double* x, double* y) {
        int count = 0;
        *x = *y = 0;
        for (int row = top; row < bottom; ++row) {
            for (int column = 0; column < picture.width; ++column) {
                const Rgb& p = picture.At(column, row);
                if (p.r > 150 && p.r > 3.3 * (p.g + p.b)) *x += column, *y += row, ++count;
            }
        }
        if (count > 0) *x /= count, *y /= count;
        return count;
    };
    const Picture closeUp = LoadPicture("Data/Picture/info8.tga");
    const Picture wall = LoadPicture("Data/Model/house_main/calendar_90.bmp");
    ASSERT_EQ(wall.width, 128);
    double closeX, closeY, wallX, wallY;
    ASSERT_GT(ring(closeUp, 128, 128 + 5 * 33, &closeX, &closeY), 50);
    ASSERT_GT(ring(wall, 36, 128, &wallX, &wallY), 30);
    EXPECT_EQ(static_cast<int>((wallX - 6) / 17), static_cast<int>((closeX - 15) / 30));
    EXPECT_EQ(static_cast<int>((wallY - 40) / 17), static_cast<int>((closeY - 128) / 33));
}

}  // namespace
