// Model display lists, picture textures and the sky box on files written here, read back.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

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
using assets_test::TargaBytes;
using assets_test::TargaHeader;

std::string Show(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

std::string ShowAt(int x, int y) {
    Toolkit().swapBuffers();
    return Show(PixelAt(x, y));
}

// Plain matrices, and a scratch current folder where "Data/Picture/..." finds our pictures.
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

    assets_test::ScratchFolder folder_;
    std::filesystem::path previousFolder_;
};

Bytes TextureTexels(unsigned int texture) {
    int width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    Bytes texels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    return texels;
}

// Side by side: opaque red, half-transparent green, textured (250, 200, 10); sampled at y 480.
TEST_F(AssetsDrawTest, AModelBuildsAnOpaqueAndABlendedTransparentList) {
    folder_.WriteText("m.mtl",
                      "newmtl Red\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n"
                      "newmtl Green\nKa 0 0 0\nKd 0 1 0\nKs 0 0 0\nd 0.5\n"
                      "newmtl Tex\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nmap_Kd m/t.bmp\n");
    folder_.WriteText("m.obj",
                      "v -0.9 -0.9 0\nv -0.4 -0.9 0\nv -0.9 0.9 0\n"
                      "v -0.25 -0.9 0\nv 0.25 -0.9 0\nv -0.25 0.9 0\n"
                      "v 0.4 -0.9 0\nv 0.9 -0.9 0\nv 0.4 0.9 0\n"
                      "vt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\n"
                      "usemtl Red\nf 1/1/1 2/2/1 3/3/1\n"
                      "usemtl Green\nf 4/1/1 5/2/1 6/3/1\n"
                      "usemtl Tex\nf 7/1/1 8/2/1 9/3/1\n");
    folder_.Write("m/t.bmp", assets_test::SolidBmp(2, 2, 10, 200, 250));
    constexpr int kRedX = 100, kGreenX = 360, kTexturedX = 620, kY = 480;
    const std::string background = Show(Rgb{0, 0, 255});
    unsigned int lists = 0;
    {
        obj3dmodel model;
        model.LoadObj((folder_.Path() + "/m").c_str());
        model.BuildLists();
        lists = model.listBase;
        ASSERT_NE(lists, 0u);
        EXPECT_TRUE(glIsList(lists) && glIsList(lists + 1));
        EXPECT_EQ(model.transparentFaces, std::vector<std::int32_t>{1});
        // Uploaded from the BMP's B, G, R; the model's copy is gone.
        ASSERT_EQ(model.bitmaps.size(), 1u);
        EXPECT_EQ(model.bitmaps[0].pixels, nullptr);
        EXPECT_EQ(TextureTexels(model.textureNames[0]),
                  (Bytes{250, 200, 10, 250, 200, 10, 250, 200, 10, 250, 200, 10}));
        GLint alphaBits = 0;
        glGetIntegerv(GL_ALPHA_BITS, &alphaBits);
        const auto draw = [&](bool opaque, bool transparent) {
            glClearColor(0.0f, 0.0f, 1.0f, 0.0f);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            if (opaque) glCallList(lists);
            if (transparent) glCallList(lists + 1);
        };
        draw(true, true);
        ShowAt(0, 0);
        // Red lit by the one light from (20, 20, 10): 0.2 ambient + 1/3 diffuse.
        const Rgb red = PixelAt(kRedX, kY);
        EXPECT_NEAR(red.r, 136, 6) << Show(red);
        EXPECT_EQ(red.g + red.b, 0) << Show(red);
        // Green at alpha 0.5 added onto the blue behind it (no destination alpha counts as 1).
        const Rgb green = PixelAt(kGreenX, kY);
        EXPECT_NEAR(green.g, 68, 6) << Show(green);
        EXPECT_EQ(green.r, 0) << Show(green);
        if (alphaBits == 0) {
            EXPECT_EQ(green.b, 255) << Show(green);
        }
        // Textured faces show their texture unlit.
        EXPECT_EQ(Show(PixelAt(kTexturedX, kY)), Show(Rgb{250, 200, 10}));
        EXPECT_EQ(Show(PixelAt(400, 60)), background);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
        // Each list alone has only its own faces; Draw is the two lists.
        const auto shown = [&] {
            Toolkit().swapBuffers();
            return Show(PixelAt(kRedX, kY)) + Show(PixelAt(kGreenX, kY)) +
                   Show(PixelAt(kTexturedX, kY));
        };
        draw(true, false);
        EXPECT_EQ(shown(), Show(red) + background + Show(Rgb{250, 200, 10}));
        draw(false, true);
        EXPECT_EQ(shown(), background + Show(green) + background);
        draw(false, false);
        model.Draw();
        EXPECT_EQ(shown(), Show(red) + Show(green) + Show(Rgb{250, 200, 10}));
    }
    EXPECT_FALSE(glIsList(lists) || glIsList(lists + 1));
}

// 3-byte rows (alignment 4 would shift each); a missing or short picture warns, shows magenta.
TEST_F(AssetsDrawTest, PictureTexturesReadTightRowsOrBecomeAMagentaPlaceholder) {
    TargaHeader header;
    header.width = 1, header.height = 4;
    folder_.Write("Data/Picture/odd.tga",
                  TargaBytes(header, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    folder_.Write("Data/Picture/short.tga", TargaBytes(TargaHeader{}, Bytes(5, 0)));
    const Bytes magenta{255, 0, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255};
    const struct {
        const char* path;
        bool read;
        Bytes texels;
    } cases[] = {{"Data/Picture/odd.tga", true, {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
                 {"Data/Picture/none.tga", false, magenta},
                 {"Data/Picture/short.tga", false, magenta}};
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        CTargaImage image;
        unsigned int texture = 0;
        testing::internal::CaptureStderr();
        EXPECT_EQ(BuildPictureTexture(image, c.path, &texture), c.read);
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(printed.rfind(std::string("warning: ") + c.path + ": ", 0) == 0, !c.read);
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), c.read ? 0 : 1) << printed;
        EXPECT_EQ(image.Pixels(), nullptr);
        EXPECT_EQ(TextureTexels(texture), c.texels);
        glDeleteTextures(1, &texture);
    }
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
}

// Sky pictures in quadrants (red: the face; green: 0 bottom left to 3 top right): from the middle
// each face shows upright where it belongs, the sky covers all, and the state is left as it was.
TEST_F(AssetsDrawTest, SkyBoxShowsEachPictureUprightWhereItBelongs) {
    const auto colour = [](int face, int quadrant) {
        return Rgb{static_cast<std::uint8_t>(30 + 40 * face),
                   static_cast<std::uint8_t>(40 + 60 * quadrant), 128};
    };
    const char* const names[6] = {"otop", "dn", "ofront", "oback", "oleft", "oright"};
    std::string paths[6];
    for (int face = 0; face < 6; ++face) {
        TargaHeader header;
        header.width = header.height = 64;
        Bytes body;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x) {
                const Rgb c = colour(face, (y >= 32 ? 2 : 0) + (x >= 32 ? 1 : 0));
                body.insert(body.end(), {c.b, c.g, c.r});
            }
        }
        paths[face] = std::string("Data/Picture/") + names[face] + ".tga";
        folder_.Write(paths[face], TargaBytes(header, body));
    }
    SkyBox sky;
    sky.SetSize(60.0f);
    ASSERT_TRUE(sky.Load(paths[0].c_str(), paths[1].c_str(), paths[2].c_str(), paths[3].c_str(),
                         paths[4].c_str(), paths[5].c_str()));
    const struct {
        const char* face;
        int slot;
        float yaw, pitch;
        bool turnedHalfRound;  // seen with screen up = +z, the top picture is upside down
    } views[] = {
        {"front", 2, 0, 0, false},  {"back", 3, 180, 0, false}, {"right", 5, 90, 0, false},
        {"left", 4, -90, 0, false}, {"top", 0, 0, -90, true},   {"bottom", 1, 0, 90, false},
    };
    const int samples[4][3] = {{200, 450, 0}, {600, 450, 1}, {200, 150, 2}, {600, 150, 3}};
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    for (const auto& view : views) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(30.0, 800.0 / 600.0, 0.1, 100.0);
        glRotatef(view.pitch, 1.0f, 0.0f, 0.0f);
        glRotatef(view.yaw, 0.0f, 1.0f, 0.0f);
        sky.Draw();
        Toolkit().swapBuffers();
        for (const auto& [x, y, quadrant] : samples) {
            EXPECT_EQ(Show(PixelAt(x, y)),
                      Show(colour(view.slot, view.turnedHalfRound ? 3 - quadrant : quadrant)))
                << view.face << " at " << x << ", " << y;
        }
        int width = 0, height = 0, uncovered = 0;
        for (const Rgb& pixel : ReadWindowPixels(&width, &height)) {
            uncovered += pixel.r == 0 && pixel.g == 0 && pixel.b == 0 ? 1 : 0;
        }
        EXPECT_EQ(uncovered, 0) << view.face;
    }
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    GLint value = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &value);
    EXPECT_EQ(value, GL_REPLACE);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &value);
    EXPECT_EQ(value, 1);
}

}  // namespace
