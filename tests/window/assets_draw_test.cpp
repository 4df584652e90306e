// Model display lists, picture textures and the sky box in a real window, on files written by
// the tests: what is drawn is read back from the frame.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "assets/obj_model.h"
#include "assets/picture_texture.h"
#include "assets/skybox.h"
#include "assets/targa_image.h"
#include "platform/data_path.h"
#include "platform/toolkit.h"
#include "support/game_window.h"
#include "unit/assets_test_files.h"

namespace {

using assets_test::Bytes;
using assets_test::ScratchFolder;
using assets_test::TargaBytes;
using assets_test::TargaHeader;

// Pixels compared and printed as "(r, g, b)".
std::string Show(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

// Presents what was drawn so that PixelAt reads it.
void Present() {
    Toolkit().swapBuffers();
}

// The window with plain matrices and a scratch folder made the current folder, so that
// data-set paths ("Data/Picture/...") find the test's own pictures.
class AssetsDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        OpenTestWindow();
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.Path());
        ResetDataRoot();
        glViewport(0, 0, 800, 600);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
    }
    void TearDown() override {
        std::filesystem::current_path(previousFolder_);
        ResetDataRoot();
    }

    ScratchFolder folder_;
    std::filesystem::path previousFolder_;
};

// Texels of level 0 of the bound texture as R, G, B.
Bytes TextureTexels(unsigned int texture, int* width, int* height) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, height);
    Bytes texels(static_cast<std::size_t>(*width) * *height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// Three triangles side by side facing the viewer: opaque red, half-transparent green and a
// textured one whose texture is (250, 200, 10).
const char* const kMaterials =
    "newmtl Red\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n"
    "newmtl Green\nKa 0 0 0\nKd 0 1 0\nKs 0 0 0\nd 0.5\n"
    "newmtl Tex\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nmap_Kd m/t.bmp\n";
const char* const kTriangles =
    "v -0.9 -0.9 0\nv -0.4 -0.9 0\nv -0.9 0.9 0\n"
    "v -0.25 -0.9 0\nv 0.25 -0.9 0\nv -0.25 0.9 0\n"
    "v 0.4 -0.9 0\nv 0.9 -0.9 0\nv 0.4 0.9 0\n"
    "vt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\n"
    "usemtl Red\nf 1/1/1 2/2/1 3/3/1\n"
    "usemtl Green\nf 4/1/1 5/2/1 6/3/1\n"
    "usemtl Tex\nf 7/1/1 8/2/1 9/3/1\n";
// A point inside each triangle and one outside all, y from the top.
constexpr int kRedX = 100, kGreenX = 360, kTexturedX = 620, kInsideY = 480;
constexpr int kOutsideX = 400, kOutsideY = 60;

TEST_F(AssetsDrawTest, AModelBuildsAnOpaqueAndABlendedTransparentList) {
    folder_.WriteText("m.mtl", kMaterials);
    folder_.WriteText("m.obj", kTriangles);
    folder_.Write("m/t.bmp", assets_test::SolidBmp(2, 2, 10, 200, 250));
    unsigned int lists = 0;
    {
        obj3dmodel model;
        model.LoadObj((folder_.Path() + "/m").c_str());
        model.BuildLists();
        lists = model.listBase;
        ASSERT_NE(lists, 0u);
        EXPECT_TRUE(glIsList(lists));
        EXPECT_TRUE(glIsList(lists + 1));
        EXPECT_EQ(model.transparentFaces, std::vector<std::int32_t>{1});
        // Uploaded once from the BMP's B, G, R; the model's copy is gone.
        ASSERT_EQ(model.bitmaps.size(), 1u);
        EXPECT_EQ(model.bitmaps[0].pixels, nullptr);
        int width = 0, height = 0;
        EXPECT_EQ(TextureTexels(model.textureNames[0], &width, &height),
                  (Bytes{250, 200, 10, 250, 200, 10, 250, 200, 10, 250, 200, 10}));
        GLint minFilter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
        EXPECT_EQ(minFilter, GL_LINEAR);

        GLint alphaBits = 0;
        glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
        const Rgb background{0, 0, 255};
        auto drawLists = [&](bool opaque, bool transparent) {
            glClearColor(0.0f, 0.0f, 1.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (opaque) glCallList(lists);
            if (transparent) glCallList(lists + 1);
            Present();
        };

        drawLists(true, true);
        // Red lit by the one light from (20, 20, 10): 0.2 ambient + 1/3 diffuse.
        const Rgb red = PixelAt(kRedX, kInsideY);
        EXPECT_NEAR(red.r, 136, 6) << Show(red);
        EXPECT_EQ(red.g, 0) << Show(red);
        EXPECT_EQ(red.b, 0) << Show(red);
        // Green at alpha 0.5 added onto the blue behind it (no destination alpha counts as 1).
        const Rgb green = PixelAt(kGreenX, kInsideY);
        EXPECT_NEAR(green.g, 68, 6) << Show(green);
        EXPECT_EQ(green.r, 0) << Show(green);
        if (alphaBits == 0) {
            EXPECT_EQ(green.b, 255) << Show(green);
        }
        // Textured faces show their texture unlit.
        EXPECT_EQ(Show(PixelAt(kTexturedX, kInsideY)), Show(Rgb{250, 200, 10}));
        EXPECT_EQ(Show(PixelAt(kOutsideX, kOutsideY)), Show(background));
        EXPECT_FALSE(glIsEnabled(GL_BLEND));

        // The opaque list alone lacks the transparent face; the transparent list alone has
        // only it.
        drawLists(true, false);
        EXPECT_EQ(Show(PixelAt(kGreenX, kInsideY)), Show(background));
        EXPECT_EQ(Show(PixelAt(kRedX, kInsideY)), Show(red));
        drawLists(false, true);
        EXPECT_EQ(Show(PixelAt(kGreenX, kInsideY)), Show(green));
        EXPECT_EQ(Show(PixelAt(kRedX, kInsideY)), Show(background));
        EXPECT_EQ(Show(PixelAt(kTexturedX, kInsideY)), Show(background));

        // Draw is the two lists.
        glClear(GL_COLOR_BUFFER_BIT);
        model.Draw();
        Present();
        EXPECT_EQ(Show(PixelAt(kRedX, kInsideY)), Show(red));
        EXPECT_EQ(Show(PixelAt(kGreenX, kInsideY)), Show(green));
    }
    // The model's destruction takes its lists with it.
    EXPECT_FALSE(glIsList(lists));
    EXPECT_FALSE(glIsList(lists + 1));
}

TEST_F(AssetsDrawTest, AnUnbuiltModelDrawsNothing) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const obj3dmodel model;
    model.Draw();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(AssetsDrawTest, PictureTexturesReadTightRowsWhateverTheUnpackAlignment) {
    TargaHeader header;
    header.width = 1;
    header.height = 4;
    // Rows of 3 bytes: read with an alignment of 4, each row would start a byte later.
    const Bytes body = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    folder_.Write("Data/Picture/odd.tga", TargaBytes(header, body));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    CTargaImage image;
    unsigned int texture = 0;
    EXPECT_TRUE(BuildPictureTexture(image, "Data/Picture/odd.tga", &texture));
    EXPECT_NE(texture, 0u);
    EXPECT_EQ(image.Pixels(), nullptr);
    int width = 0, height = 0;
    EXPECT_EQ(TextureTexels(texture, &width, &height),
              (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
    EXPECT_EQ(width, 1);
    EXPECT_EQ(height, 4);
    GLint wrap = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(wrap, GL_CLAMP_TO_EDGE);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
    glDeleteTextures(1, &texture);
}

TEST_F(AssetsDrawTest, AMissingPictureWarnsOnceAndBecomesAMagentaPlaceholder) {
    folder_.Write("Data/Picture/short.tga", TargaBytes(TargaHeader{}, Bytes(5, 0)));
    CTargaImage image;
    for (const char* path : {"Data/Picture/none.tga", "Data/Picture/short.tga"}) {
        unsigned int texture = 0;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(BuildPictureTexture(image, path, &texture));
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(printed.rfind(std::string("warning: ") + path + ": ", 0), 0u) << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        int width = 0, height = 0;
        EXPECT_EQ(TextureTexels(texture, &width, &height),
                  (Bytes{255, 0, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255}));
        glDeleteTextures(1, &texture);
    }
}

// Sky pictures: each 64 by 64 in four quadrants, red telling the face, green the quadrant
// (0 bottom left, 1 bottom right, 2 top left, 3 top right of the picture).
Rgb SkyColor(int face, int quadrant) {
    return Rgb{static_cast<std::uint8_t>(30 + 40 * face),
               static_cast<std::uint8_t>(40 + 60 * quadrant), 128};
}

Bytes SkyPicture(int face) {
    TargaHeader header;
    header.width = 64;
    header.height = 64;
    Bytes body;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const Rgb c = SkyColor(face, (y >= 32 ? 2 : 0) + (x >= 32 ? 1 : 0));
            body.insert(body.end(), {c.b, c.g, c.r});
        }
    }
    return TargaBytes(header, body);
}

class SkyBoxTest : public AssetsDrawTest {
protected:
    void SetUp() override {
        AssetsDrawTest::SetUp();
        const char* const names[6] = {"otop", "dn", "ofront", "oback", "oleft", "oright"};
        for (int face = 0; face < 6; ++face) {
            folder_.Write(std::string("Data/Picture/") + names[face] + ".tga", SkyPicture(face));
        }
        sky_.SetSize(60.0f);
        EXPECT_TRUE(sky_.Load("Data/Picture/otop.tga", "Data/Picture/dn.tga",
                              "Data/Picture/ofront.tga", "Data/Picture/oback.tga",
                              "Data/Picture/oleft.tga", "Data/Picture/oright.tga"));
    }
    // Draws the sky over black with the game's projection, turned by the two rotations.
    void DrawTurned(float yaw, float pitch) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(30.0, 800.0 / 600.0, 0.1, 100.0);
        glRotatef(pitch, 1.0f, 0.0f, 0.0f);
        glRotatef(yaw, 0.0f, 1.0f, 0.0f);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        sky_.Draw();
        Present();
    }

    SkyBox sky_;
};

TEST_F(SkyBoxTest, EachFaceShowsItsPictureUprightWhereTheTableSaysItIs) {
    struct View {
        const char* face;
        int slot;
        float yaw, pitch;
        bool turnedHalfRound;  // seen with screen up = +z, the top picture is upside down
    };
    const View views[] = {
        {"front", 2, 0, 0, false},  {"back", 3, 180, 0, false}, {"right", 5, 90, 0, false},
        {"left", 4, -90, 0, false}, {"top", 0, 0, -90, true},   {"bottom", 1, 0, 90, false},
    };
    struct Sample {
        int x, y, quadrant;
    };
    const Sample samples[] = {{200, 450, 0}, {600, 450, 1}, {200, 150, 2}, {600, 150, 3}};
    for (const View& view : views) {
        DrawTurned(view.yaw, view.pitch);
        for (const Sample& sample : samples) {
            const int quadrant = view.turnedHalfRound ? 3 - sample.quadrant : sample.quadrant;
            EXPECT_EQ(Show(PixelAt(sample.x, sample.y)), Show(SkyColor(view.slot, quadrant)))
                << view.face << " at " << sample.x << ", " << sample.y;
        }
    }
}

TEST_F(SkyBoxTest, CoversTheWholeBackgroundAndRestoresTheState) {
    ASSERT_EQ(sky_.Size(), 60.0f);
    // The game's camera turns about the vertical only.
    for (int yaw = 0; yaw < 360; yaw += 15) {
        DrawTurned(static_cast<float>(yaw), 0.0f);
        int width = 0, height = 0;
        const std::vector<Rgb> frame = ReadWindowPixels(&width, &height);
        int uncovered = 0;
        for (const Rgb& pixel : frame) {
            uncovered += pixel.r == 0 && pixel.g == 0 && pixel.b == 0 ? 1 : 0;
        }
        EXPECT_EQ(uncovered, 0) << "yaw " << yaw;
    }
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    EXPECT_EQ(mode, GL_REPLACE);
    GLint depth = 0;
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

}  // namespace
