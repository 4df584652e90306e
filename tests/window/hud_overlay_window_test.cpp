// The icon bar, the note pictures and the info pictures in a bare window, drawn from textures
// made here so each pixel is known: where the quads land, which way up, what state is left.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <vector>

#include "app/game_state.h"
#include "app/scene.h"
#include "hud/icon_bar.h"
#include "hud/info_picture.h"
#include "platform/toolkit.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct Color {
    std::uint8_t r, g, b;
};
constexpr Color kRed{255, 0, 0};
constexpr Color kGreen{0, 255, 0};
constexpr Color kBlue{0, 0, 255};
constexpr Color kWhite{255, 255, 255};
constexpr Color kGrey{128, 128, 128};
constexpr Color kYellow{255, 255, 0};
constexpr Color kBlack{0, 0, 0};

// A texture of four quadrants, rows bottom first like every picture of the game: lower left,
// lower right, upper left, upper right. Nearest filtering keeps the quadrants' colours exact.
unsigned int MakeTexture(int width, int height, Color lowerLeft, Color lowerRight, Color upperLeft,
                         Color upperRight) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool upper = y >= height / 2;
            const bool right = x >= width / 2;
            const Color c =
                upper ? (right ? upperRight : upperLeft) : (right ? lowerRight : lowerLeft);
            pixels.insert(pixels.end(), {c.r, c.g, c.b});
        }
    }
    unsigned int texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    return texture;
}
unsigned int MakeTexture(int width, int height, Color color) {
    return MakeTexture(width, height, color, color, color, color);
}

// Pixel (x, y) of the last frame, y from the bottom.
::testing::AssertionResult PixelIs(int x, int y, Color expected) {
    const Rgb p = PixelAt(x, kHeight - 1 - y);
    if (p.r == expected.r && p.g == expected.g && p.b == expected.b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") from the bottom is ("
                                         << int{p.r} << ", " << int{p.g} << ", " << int{p.b} << ")";
}

class HudOverlayWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenTestWindow();
        OnReshape(kWidth, kHeight);
        std::copy(std::begin(g_iconTextures), std::end(g_iconTextures), savedTextures.begin());
        std::copy(std::begin(g_iconWidth), std::end(g_iconWidth), savedWidths.begin());
        std::copy(std::begin(g_iconHeight), std::end(g_iconHeight), savedHeights.begin());
        std::fill(std::begin(g_iconOwned), std::end(g_iconOwned), 0);
        // As start-up leaves it: texturing on, replacing the colour.
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override {
        for (unsigned int texture : madeTextures) glDeleteTextures(1, &texture);
        std::copy(savedTextures.begin(), savedTextures.end(), g_iconTextures);
        std::copy(savedWidths.begin(), savedWidths.end(), g_iconWidth);
        std::copy(savedHeights.begin(), savedHeights.end(), g_iconHeight);
    }
    unsigned int Keep(unsigned int texture) {
        madeTextures.push_back(texture);
        return texture;
    }
    // The overlay projection of the HUD corner, as the frame sets it.
    static void OverlayProjection() {
        glLoadIdentity();
        glOrtho(0, 180, 0, 100, -1, 1);
    }
    static void Present() { Toolkit().swapBuffers(); }

    std::array<unsigned int, kIconPictureCount> savedTextures{};
    std::array<int, kIconPictureCount> savedWidths{};
    std::array<int, kIconPictureCount> savedHeights{};
    std::vector<unsigned int> madeTextures;
};

TEST_F(HudOverlayWindowTest, BarShowsTheBackgroundAndOnlyOwnedIconsUpright) {
    LayOutIconSlots();
    g_iconTextures[0] = Keep(MakeTexture(16, 16, kGrey));
    for (int slot = 1; slot <= 9; ++slot) {
        // Each icon: red bottom, blue top, so one standing on its head shows.
        g_iconTextures[slot] = Keep(MakeTexture(8, 8, kRed, kRed, kBlue, kBlue));
    }
    g_iconOwned[0] = 1;
    g_iconOwned[4] = 1;
    g_iconOwned[9] = 1;
    OverlayProjection();
    glViewport(kWidth - 180, kHeight - 100, 180, 100);
    DrawIconBar();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glViewport(0, 0, kWidth, kHeight);
    Present();
    const int left = kWidth - 180;
    const int bottom = kHeight - 100;
    // Slot 4 (x 102-132, y 3-33) and slot 9 (x 102-132, y 36-66): bottom half red, top blue.
    EXPECT_TRUE(PixelIs(left + 117, bottom + 10, kRed));
    EXPECT_TRUE(PixelIs(left + 117, bottom + 28, kBlue));
    EXPECT_TRUE(PixelIs(left + 117, bottom + 40, kRed));
    EXPECT_TRUE(PixelIs(left + 117, bottom + 62, kBlue));
    // Empty slots, the gaps and the countdown's place show the background.
    EXPECT_TRUE(PixelIs(left + 51, bottom + 18, kGrey));
    EXPECT_TRUE(PixelIs(left + 51, bottom + 51, kGrey));
    EXPECT_TRUE(PixelIs(left + 134, bottom + 18, kGrey));
    EXPECT_TRUE(PixelIs(left + 150, bottom + 47, kGrey));
    EXPECT_TRUE(PixelIs(left + 1, bottom + 1, kGrey));
    EXPECT_TRUE(PixelIs(left + 167, bottom + 68, kGrey));
    // Beyond the background nothing is drawn.
    EXPECT_TRUE(PixelIs(left + 170, bottom + 30, kBlack));
    EXPECT_TRUE(PixelIs(left + 50, bottom + 70, kBlack));
    EXPECT_TRUE(PixelIs(left - 1, bottom + 30, kBlack));
}

TEST_F(HudOverlayWindowTest, NotePictureIsCentredAtItsOwnSize) {
    struct Case {
        int slot, width, height;
    };
    for (const Case& c : {Case{7, 64, 32}, Case{8, 65, 33}, Case{9, 300, 200}}) {
        SCOPED_TRACE(c.slot);
        const int picture = c.slot + 3;
        g_iconTextures[picture] = Keep(MakeTexture(c.width, c.height, kGreen));
        g_iconWidth[picture] = c.width;
        g_iconHeight[picture] = c.height;
        glViewport(0, 0, kWidth, kHeight);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        OverlayProjection();
        DrawNotePicture(c.slot);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        Present();
        const int x0 = (kWidth - c.width) / 2;
        const int y0 = (kHeight - c.height) / 2;
        EXPECT_EQ(viewport[0], x0);
        EXPECT_EQ(viewport[1], y0);
        EXPECT_TRUE(PixelIs(x0, y0, kGreen));
        EXPECT_TRUE(PixelIs(x0 + c.width - 1, y0 + c.height - 1, kGreen));
        EXPECT_TRUE(PixelIs(x0 - 1, y0 + 5, kBlack));
        EXPECT_TRUE(PixelIs(x0 + 5, y0 - 1, kBlack));
        EXPECT_TRUE(PixelIs(x0 + c.width, y0 + 5, kBlack));
        EXPECT_TRUE(PixelIs(x0 + 5, y0 + c.height, kBlack));
    }
}

TEST_F(HudOverlayWindowTest, NotePictureLargerThanTheWindowIsCroppedAroundTheCentre) {
    // 1000 by 700 gets the viewport (-100, -50): the picture's middle is the window's middle.
    g_iconTextures[10] = Keep(MakeTexture(1000, 700, kRed, kGreen, kBlue, kYellow));
    g_iconWidth[10] = 1000;
    g_iconHeight[10] = 700;
    OverlayProjection();
    DrawNotePicture(7);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, kWidth, kHeight);
    Present();
    EXPECT_EQ(viewport[0], -100);
    EXPECT_EQ(viewport[1], -50);
    EXPECT_TRUE(PixelIs(0, 0, kRed));
    EXPECT_TRUE(PixelIs(399, 299, kRed));
    EXPECT_TRUE(PixelIs(400, 299, kGreen));
    EXPECT_TRUE(PixelIs(399, 300, kBlue));
    EXPECT_TRUE(PixelIs(kWidth - 1, kHeight - 1, kYellow));
}

TEST_F(HudOverlayWindowTest, OnlyNoteSlotsHaveALargePicture) {
    g_iconTextures[3] = Keep(MakeTexture(8, 8, kWhite));
    g_iconWidth[3] = 800;
    g_iconHeight[3] = 600;
    glViewport(0, 0, kWidth, kHeight);
    OverlayProjection();
    for (int slot : {0, 3, 6, 10, -1}) DrawNotePicture(slot);
    Present();
    EXPECT_TRUE(PixelIs(400, 300, kBlack));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(HudOverlayWindowTest, InfoPictureFillsTheMiddleOfTheWindowUprightAndRestoresTheState) {
    InfoPicture info;
    info.Init();
    info.textures[5] = MakeTexture(4, 4, kRed, kGreen, kBlue, kYellow);
    info.Select(5);
    ASSERT_EQ(info.current, 5);
    glViewport(0, 0, kWidth, kHeight);
    OnReshape(kWidth, kHeight);
    GLdouble before[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    info.Draw(kWidth, kHeight);
    Present();
    // x from 0.45 w to 0.75 w, y from 0.1 h to 0.7 h: 360-600 by 60-420.
    EXPECT_TRUE(PixelIs(360, 60, kRed));
    EXPECT_TRUE(PixelIs(599, 60, kGreen));
    EXPECT_TRUE(PixelIs(360, 419, kBlue));
    EXPECT_TRUE(PixelIs(599, 419, kYellow));
    EXPECT_TRUE(PixelIs(359, 200, kBlack));
    EXPECT_TRUE(PixelIs(600, 200, kBlack));
    EXPECT_TRUE(PixelIs(450, 59, kBlack));
    EXPECT_TRUE(PixelIs(450, 420, kBlack));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], kWidth);
    EXPECT_EQ(viewport[3], kHeight);
    GLdouble after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    EXPECT_TRUE(std::equal(std::begin(before), std::end(before), std::begin(after)));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_REPLACE);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(HudOverlayWindowTest, InfoPictureViewportTruncatesOddWindowSizes) {
    InfoPicture info;
    info.Init();
    info.textures[0] = MakeTexture(2, 2, kWhite);
    info.shown = 1;
    // 333 by 211: viewport (99, 21, 199, 126), so the quad spans x 148.75 to 248.25 and y 21
    // to 147; a pixel is covered when its centre is.
    OnReshape(333, 211);
    glClear(GL_COLOR_BUFFER_BIT);
    info.Draw(333, 211);
    auto red = [](int x, int y) {
        std::uint8_t rgb[3] = {};
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return int{rgb[0]};
    };
    EXPECT_EQ(red(148, 80), 0);
    EXPECT_EQ(red(149, 80), 255);
    EXPECT_EQ(red(247, 80), 255);
    EXPECT_EQ(red(248, 80), 0);
    EXPECT_EQ(red(200, 20), 0);
    EXPECT_EQ(red(200, 21), 255);
    EXPECT_EQ(red(200, 146), 255);
    EXPECT_EQ(red(200, 147), 0);
    OnReshape(kWidth, kHeight);
}

}  // namespace
