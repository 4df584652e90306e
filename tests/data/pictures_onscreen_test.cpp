// The pictures as the player sees them in the 800 by 600 window: uploaded and drawn the way the
// game does (Targa pictures through gluBuild2DMipmaps with the default filters, icons with
// glTexImage2D at their own size), then read back. The buttons, keys and slots must still stand
// out after the rescaling, notes must appear pixel for pixel, and the sky must show no seam.
// Every view is also written to picture-previews/ in the build folder for a look.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>   // Required for: std::max()
#include <cmath>       // Required for: std::abs()
#include <cstdlib>     // Required for: std::getenv()
#include <filesystem>  // Required for: std::filesystem::create_directories()
#include <string>      // Required for: std::string

#include "gameplay/keypad_code.h"
#include "pictures_support.h"
#include "support/game_window.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kClearlyDifferent = 60.0;

std::string Previews() {
    const std::string folder = BuildFolder() + "/picture-previews";
    std::filesystem::create_directories(folder);
    return folder;
}

bool LoadTarga(const std::string& dataPath, Picture* picture) {
    std::vector<std::uint8_t> bytes;
    TargaHeader header;
    std::string error;
    return ReadFileBytes(BuildFolder() + "/" + dataPath, &bytes) &&
           DecodeTarga(bytes, &header, picture, &error);
}

// As the game builds picture textures: tightly packed RGB rows, bottom first, mipmapped by GLU.
GLuint UploadPicture(const std::string& dataPath) {
    Picture picture;
    EXPECT_TRUE(LoadTarga(dataPath, &picture)) << dataPath;
    std::vector<std::uint8_t> rows;
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.At(x, y);
            rows.insert(rows.end(), {p.r, p.g, p.b});
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, picture.width, picture.height, GL_RGB,
                      GL_UNSIGNED_BYTE, rows.data());
    return texture;
}

// As the icon bar builds its textures: the BMP block as stored, BGR, rows padded to 4 bytes.
GLuint UploadIcon(const std::string& dataPath, int* width, int* height) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(BuildFolder() + "/" + dataPath, &bytes)) << dataPath;
    if (bytes.size() < 54) return 0;
    *width = bytes[18] | bytes[19] << 8;
    *height = bytes[22] | bytes[23] << 8;
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, *width, *height, 0, GL_BGR, GL_UNSIGNED_BYTE,
                 bytes.data() + 54);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    return texture;
}

// The overlay state every 2-D layer of the game draws in.
void BeginOverlay(int x, int y, int width, int height, double left, double right, double bottom,
                  double top) {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glViewport(x, y, width, height);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -1, 1);
}

// One textured quad: texture (0, 0) at (x0, y0) up to (1, 1) at (x1, y1).
void Quad(GLuint texture, double x0, double y0, double x1, double y1) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2d(1, 1);
    glVertex2d(x1, y1);
    glTexCoord2d(0, 1);
    glVertex2d(x0, y1);
    glTexCoord2d(0, 0);
    glVertex2d(x0, y0);
    glTexCoord2d(1, 0);
    glVertex2d(x1, y0);
    glEnd();
}

void ClearTo(float r, float g, float b) {
    glViewport(0, 0, kWidth, kHeight);
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// What the window shows now, top row first.
Picture ReadWindow() {
    glFinish();
    std::vector<std::uint8_t> bytes(static_cast<size_t>(kWidth) * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    Picture picture;
    picture.width = kWidth;
    picture.height = kHeight;
    picture.pixels.resize(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t* p = &bytes[(static_cast<size_t>(kHeight - 1 - y) * kWidth + x) * 3];
            picture.pixels[static_cast<size_t>(y) * kWidth + x] = Rgb{p[0], p[1], p[2]};
        }
    }
    return picture;
}

void ExpectStandsOut(const Picture& window, double left, double top, double right, double bottom,
                     double ring, const std::string& what) {
    const double distance = ColourDistance(MeanInside(window, left, top, right, bottom),
                                           MeanRing(window, left, top, right, bottom, ring));
    EXPECT_GT(distance, kClearlyDifferent) << what;
}

class PicturesOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (./test)";
        OpenTestWindow();
    }
};

TEST_F(PicturesOnScreen, ScreenButtonsStandOutWhereTheMouseMustPress) {
    struct Screen {
        const char* file;
        bool start;
    };
    const Screen screens[5] = {{"start", true},
                               {"ending1", false},
                               {"ending2", false},
                               {"win", false},
                               {"ending3", false}};
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.file);
        const GLuint texture = UploadPicture(std::string("Data/Picture/") + screen.file + ".tga");
        ClearTo(0, 0, 0);
        BeginOverlay(0, 0, kWidth, kHeight, -1, 1, -1, 1);
        Quad(texture, -1, -1, 1, 1);
        const Picture window = ReadWindow();
        WritePicturePng(Previews() + "/" + screen.file + ".png", window);
        // Percent of the window, y from the top, as the screens test presses.
        if (screen.start) {
            ExpectStandsOut(window, 320, 390, 480, 450, 8, "START");
        } else {
            ExpectStandsOut(window, 128, 432, 240, 486, 8, "BACK");
            ExpectStandsOut(window, 552, 432, 664, 486, 8, "QUIT");
        }
        glDeleteTextures(1, &texture);
    }
}

TEST_F(PicturesOnScreen, KeypadKeysLieOnTheirCellsAndTypedDigitsFillTheDisplay) {
    GLuint textures[10];
    textures[0] = UploadPicture("Data/Picture/clock.tga");
    for (int d = 1; d <= 9; ++d) {
        textures[d] = UploadPicture("Data/Picture/num_" + std::to_string(d) + ".tga");
    }
    ClearTo(0.45f, 0.4f, 0.35f);  // a stand-in for the house behind the panel
    BeginOverlay(kWidth - 800, kHeight - 900, 600, 800, -1, 1, -1, 1);
    Quad(textures[0], 0, 0, 1, 1);
    // The code typed in, digit by digit, into the display cells.
    for (int i = 0; i < 4; ++i) {
        Quad(textures[kKeypadCode[i]], 0.2 + 0.15 * i, 0.8, 0.35 + 0.15 * i, 0.9);
    }
    const Picture window = ReadWindow();
    WritePicturePng(Previews() + "/keypad.png", window);
    // Panel point (x, y) is window pixel (x + width - 300, 400 - y).
    const int cells[10][4] = {{-95, -73, -6, -8}, {-184, 122, -95, 187}, {-95, 122, -6, 187},
                              {-6, 122, 83, 187}, {-184, 57, -95, 122},  {-95, 57, -6, 122},
                              {-6, 57, 83, 122},  {-184, -8, -95, 57},   {-95, -8, -6, 57},
                              {-6, -8, 83, 57}};
    for (int cell = 0; cell < 10; ++cell) {
        ExpectStandsOut(window, cells[cell][0] + kWidth - 300, 400 - cells[cell][3],
                        cells[cell][2] + kWidth - 300, 400 - cells[cell][1], 3,
                        "cell " + std::to_string(cell));
    }
    // Each typed digit lights its display cell: bright strokes on the dark strip. The strip
    // starts 60 pixels right of the panel's left edge (window x = width - 500).
    for (int i = 0; i < 4; ++i) {
        const int left = kWidth - 500 + 60 + 45 * i;
        int bright = 0;
        for (int y = 140; y < 180; ++y) {
            for (int x = left; x < left + 45; ++x) {
                const Rgb& p = window.At(x, y);
                bright += p.g > 160 && p.r < p.g ? 1 : 0;
            }
        }
        EXPECT_GT(bright, 45 * 40 / 50) << "digit " << i + 1;
    }
    glDeleteTextures(10, textures);
}

TEST_F(PicturesOnScreen, InfoPicturesFillTheirPortraitArea) {
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE("info" + std::to_string(i));
        const GLuint texture = UploadPicture("Data/Picture/info" + std::to_string(i) + ".tga");
        ClearTo(0.45f, 0.4f, 0.35f);
        BeginOverlay(static_cast<int>(kWidth * 0.3), static_cast<int>(kHeight * 0.1),
                     static_cast<int>(kWidth * 0.6), static_cast<int>(kHeight * 0.6), -1, 1, -1, 1);
        Quad(texture, -0.5, -1, 0.5, 1);
        const Picture window = ReadWindow();
        WritePicturePng(Previews() + "/info" + std::to_string(i) + ".png", window);
        // x from 0.45 to 0.75 of the width, y from 0.3 to 0.9 of the height from the top.
        ExpectStandsOut(window, 360, 180, 600, 540, 10, "the card");
        glDeleteTextures(1, &texture);
    }
}

TEST_F(PicturesOnScreen, IconBarShowsEveryIconInItsSlot) {
    static const char* const kFiles[10] = {"Data/Icon/background.bmp", "Data/Icon/bread1.bmp",
                                           "Data/Icon/bread2.bmp",     "Data/Icon/hammer1.bmp",
                                           "Data/Icon/key1.bmp",       "Data/Icon/key2.bmp",
                                           "Data/Icon/key3.bmp",       "Data/Icon/note1.bmp",
                                           "Data/Icon/note2.bmp",      "Data/Icon/note3.bmp"};
    GLuint textures[10];
    for (int i = 0; i < 10; ++i) {
        int width = 0, height = 0;
        textures[i] = UploadIcon(kFiles[i], &width, &height);
    }
    auto drawBar = [&](bool withIcons) {
        ClearTo(0.45f, 0.4f, 0.35f);
        BeginOverlay(kWidth - 180, kHeight - 100, 180, 100, 0, 180, 0, 100);
        Quad(textures[0], 0, 0, 168, 69);
        if (!withIcons) return;
        for (int k = 1; k <= 9; ++k) {
            const double x = k <= 5 ? 33 * k - 30 : 33 * k - 195;
            const double y = k <= 5 ? 3 : 36;
            Quad(textures[k], x, y, x + 30, y + 30);
        }
    };
    drawBar(false);
    const Picture empty = ReadWindow();
    drawBar(true);
    const Picture full = ReadWindow();
    Picture corner;
    corner.width = 180;
    corner.height = 100;
    for (int y = 0; y < 100; ++y) {
        for (int x = kWidth - 180; x < kWidth; ++x) corner.pixels.push_back(full.At(x, y));
    }
    WritePicturePng(Previews() + "/icon-bar.png", corner);
    for (int k = 1; k <= 9; ++k) {
        // Slot k in window pixels: bar x plus the corner's left edge, y from the top.
        const double x = (k <= 5 ? 33 * k - 30 : 33 * k - 195) + kWidth - 180;
        const double top = 100 - (k <= 5 ? 33 : 66);
        const double difference = ColourDistance(MeanInside(full, x, top, x + 30, top + 30),
                                                 MeanInside(empty, x, top, x + 30, top + 30));
        EXPECT_GT(difference, 25.0) << "slot " << k << " looks empty with its icon in it";
    }
    glDeleteTextures(10, textures);
}

TEST_F(PicturesOnScreen, NotesAppearPixelForPixelInTheMiddleOfTheWindow) {
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE("noteinfo" + std::to_string(n));
        const std::string file = "Data/Icon/noteinfo" + std::to_string(n) + ".bmp";
        int width = 0, height = 0;
        const GLuint texture = UploadIcon(file, &width, &height);
        ClearTo(0.45f, 0.4f, 0.35f);
        BeginOverlay((kWidth - width) / 2, (kHeight - height) / 2, width, height, 0, 180, 0, 100);
        Quad(texture, 0, 0, 180, 100);
        const Picture window = ReadWindow();
        WritePicturePng(Previews() + "/noteinfo" + std::to_string(n) + ".png", window);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadFileBytes(BuildFolder() + "/" + file, &bytes));
        BmpHeader header;
        Picture note;
        std::string error;
        ASSERT_TRUE(DecodeBmp(bytes, &header, &note, &error)) << error;
        const int left = (kWidth - width) / 2;
        const int top = kHeight - (kHeight - height) / 2 - height;
        int worst = 0;
        for (int y = 0; y < height; y += 7) {
            for (int x = 0; x < width; x += 5) {
                const Rgb& shown = window.At(left + x, top + y);
                const Rgb& stored = note.At(x, y);
                worst = std::max({worst, std::abs(shown.r - stored.r), std::abs(shown.g - stored.g),
                                  std::abs(shown.b - stored.b)});
            }
        }
        EXPECT_LE(worst, 3) << "the note is not shown at its own size";
        glDeleteTextures(1, &texture);
    }
}

TEST_F(PicturesOnScreen, SkyShowsNoSeamWhereTwoFacesMeet) {
    GLuint textures[6];
    for (int i = 0; i < 6; ++i) textures[i] = UploadPicture(kSkyFaces[i].file);
    const auto drawSky = [&](double yaw, double pitch) {
        ClearTo(0, 0, 0);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glEnable(GL_TEXTURE_2D);
        glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(30.0, 800.0 / 600.0, 0.1, 100.0);
        glRotated(-pitch, 1, 0, 0);
        glRotated(-yaw, 0, 1, 0);
        for (int i = 0; i < 6; ++i) {
            const SkyFace& face = kSkyFaces[i];
            glBindTexture(GL_TEXTURE_2D, textures[i]);
            glBegin(GL_QUADS);
            const double corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
            for (const auto& c : corners) {
                glTexCoord2d(c[0], c[1]);
                glVertex3d(60 * (face.origin[0] + c[0] * face.across[0] + c[1] * face.up[0]),
                           60 * (face.origin[1] + c[0] * face.across[1] + c[1] * face.up[1]),
                           60 * (face.origin[2] + c[0] * face.across[2] + c[1] * face.up[2]));
            }
            glEnd();
        }
    };
    // Looking at the vertical edge between the front (-z) and right (+x) faces, and at the edge
    // between the front face and the top: the seam falls on the middle column or row.
    struct View {
        const char* name;
        double yaw, pitch;
        bool vertical;
    };
    const View views[3] = {{"sky-front-right", -45, 0, true},
                           {"sky-back-left", 135, 10, true},
                           {"sky-front-top", 0, 45, false}};
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        drawSky(view.yaw, view.pitch);
        const Picture window = ReadWindow();
        WritePicturePng(Previews() + "/" + std::string(view.name) + ".png", window);
        // The step across the seam is no larger than the steps beside it.
        double across = 0, beside = 0;
        const int count = view.vertical ? kHeight : kWidth;
        for (int i = 0; i < count; ++i) {
            auto step = [&](int a, int b) {
                const Rgb& p = view.vertical ? window.At(a, i) : window.At(i, a);
                const Rgb& q = view.vertical ? window.At(b, i) : window.At(i, b);
                return std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
            };
            const int middle = view.vertical ? kWidth / 2 : kHeight / 2;
            int seam = 0;
            for (int d = -2; d <= 1; ++d) seam = std::max(seam, step(middle + d, middle + d + 1));
            across += seam;
            beside += std::max(step(middle - 40, middle - 39), step(middle + 40, middle + 41));
        }
        EXPECT_LT(across / count, beside / count + 3.0);
    }
    glDeleteTextures(6, textures);
}

}  // namespace
