// OBJ and MTL reading on model folders written by the tests: the scanner's keyword rules as
// the game's files rely on them, the texture paths and indices, and every inconsistency the
// reader refuses with exit status 1 and one line naming the file, the line and the reason.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/obj_model.h"
#include "unit/assets_test_files.h"

namespace {

using assets_test::ScratchFolder;

// A model base path "<scratch>/m" with its .obj, .mtl and texture folder "m/".
class ModelFolder {
public:
    std::string Base() const { return folder_.Path() + "/m"; }
    void Obj(const std::string& text) const { folder_.WriteText("m.obj", text); }
    void Mtl(const std::string& text) const { folder_.WriteText("m.mtl", text); }
    void Texture(const std::string& name, int width, int height, std::uint8_t shade) const {
        folder_.Write("m/" + name, assets_test::SolidBmp(width, height, shade, shade, shade));
    }

private:
    ScratchFolder folder_;
};

const char* const kThreeMaterials =
    "# three materials\n"
    "newmtl Stone\nKa 0.1 0.1 0.1\nKd 0.5 0.5 0.5\nKs 0 0 0\n"
    "newmtl Glass\nKa 0.2 0.2 0.2\nKd 0 0 1\nKs 0.5 0.5 0.5\nd 0.5\n"
    "newmtl Wood\nNs 10\nKa 0.3 0.2 0.1\nKd 0.6 0.4 0.2\nKs 0 0 0\nillum 2\nmap_Kd m/wood.bmp\n";

const char* const kTriangleData =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
    "vt 0 0\nvt 1 0\nvt 0 1\n"
    "vn 0 0 1\nvn 0 0 1\nvn 0 0 1\n";

class ObjLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        files_.Mtl(kThreeMaterials);
        files_.Texture("wood.bmp", 2, 2, 80);
    }
    // Loads the model with `objText` as its OBJ file.
    void LoadWith(const std::string& objText) {
        files_.Obj(objText);
        model_.LoadObj(files_.Base().c_str());
    }

    ModelFolder files_;
    obj3dmodel model_;
};

TEST_F(ObjLoaderTest, UsemtlSelectsTheMaterialByExactNameAndKeepsItOnNoMatch) {
    LoadWith(std::string(kTriangleData) +
             "f 1/1/1 2/2/2 3/3/3\n"  // before any usemtl: material 0
             "usemtl Wood\n"
             "f 1/2/3 2/3/1 3/1/2\n"  // Wood is the third material
             "usemtl wood\n"          // no match: Wood stays
             "f 1/1/1 2/2/2 3/3/3\n"
             "usemtl Glass\n"
             "f 3/3/3 2/2/2 1/1/1\n");
    ASSERT_EQ(model_.faces.size(), 4u);
    EXPECT_EQ(model_.faces[0].material, 0);
    const obj3dmodel::Face& wood = model_.faces[1];
    EXPECT_EQ(wood.material, 2);
    EXPECT_EQ(std::vector<std::uint32_t>(wood.position, wood.position + 3),
              (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(std::vector<std::uint32_t>(wood.texture, wood.texture + 3),
              (std::vector<std::uint32_t>{2, 3, 1}));
    EXPECT_EQ(std::vector<std::uint32_t>(wood.normal, wood.normal + 3),
              (std::vector<std::uint32_t>{3, 1, 2}));
    EXPECT_EQ(model_.faces[2].material, 2);
    EXPECT_EQ(model_.faces[3].material, 1);
}

TEST_F(ObjLoaderTest, KeywordsAreTestedByTheirFirstCharacters) {
    LoadWith(std::string(kTriangleData) +
             "mtllib other.mtl\n"  // ignored: the library is always m.mtl
             "o box\n"             // 'o' and 'box' ignored as words
             "s off\n"
             "g group name with v and f\n"  // 'g' skips its line
             "vn1 0 1 0\nvnx 1 0 0\n"       // both count as normals
             "vp 1 2 3\n"                   // any other v-word skips its line
             "vt 0.5 0.25 0.75\n"           // the third number is ignored as a word
             "f 1/1/1 2/2/2 3/3/3 4/4/4\n"  // a quad gives its first triangle
             "face 1/1/1 2/2/2 3/3/3\n"     // any word starting with 'f' is a face
             "# f 9/9/9 9/9/9 9/9/9\n");
    EXPECT_EQ(model_.positions.size(), 3u);
    ASSERT_EQ(model_.normals.size(), 5u);
    EXPECT_EQ(model_.normals[3].y, 1.0);
    EXPECT_EQ(model_.normals[4].x, 1.0);
    ASSERT_EQ(model_.texCoords.size(), 4u);
    EXPECT_EQ(model_.texCoords[3].x, 0.5);
    EXPECT_EQ(model_.texCoords[3].y, 0.25);
    EXPECT_EQ(model_.texCoords[3].z, 0.0);
    ASSERT_EQ(model_.faces.size(), 2u);
    EXPECT_EQ(model_.faces[1].position[2], 3u);
}

TEST_F(ObjLoaderTest, AFailedReadEndsTheFileWithOneWarningAndKeepsWhatWasRead) {
    struct Case {
        const char* what;
        std::string text;
        std::size_t faces;
        const char* warning;  // regular expression
    };
    const std::string data = kTriangleData;
    const Case cases[] = {
        {"o fence reads 'fence' as a face",
         data + "f 1/1/1 2/2/2 3/3/3\no fence\nv 1 2 3\nf 1/1/1 2/2/2 3/3/3\n", 1,
         "m\\.obj:12: warning: reading stopped at a malformed number in the 'fence' begun on line "
         "11"},
        {"1//3 has no texture index", data + "f 1/1/1 2/2/2 3/3/3\nf 1//3 2//2 3//1\n", 1,
         "m\\.obj:11: warning: reading stopped at a malformed number in the 'f'"},
        {"a face cut off by the end", data + "f 1/1/1 2/2/2 3/3/3\nf 1/1/1 2/2", 1,
         "m\\.obj:11: warning: reading stopped at the end of the file in the 'f'"},
        {"a comment of 128 characters",
         data + "f 1/1/1 2/2/2 3/3/3\n# " + std::string(127, 'c') + "\nf 1/1/1 2/2/2 3/3/3\n", 1,
         "m\\.obj:11: warning: reading stopped at a line longer than 127 characters"},
        {"a file cut short after a whole record", data + "f 1/1/1 2/2/2 3/3/3", 1,
         "m\\.obj:10: warning: the file ends inside a line; it may have been cut short"},
    };
    for (const Case& c : cases) {
        obj3dmodel model;
        files_.Obj(c.text);
        testing::internal::CaptureStderr();
        std::string error;
        EXPECT_TRUE(model.TryLoadObj(files_.Base().c_str(), &error)) << c.what << ": " << error;
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(model.faces.size(), c.faces) << c.what;
        EXPECT_EQ(model.positions.size(), 3u) << c.what;
        EXPECT_TRUE(testing::internal::RE::PartialMatch(printed, c.warning))
            << c.what << ": " << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << c.what;
    }
}

TEST_F(ObjLoaderTest, MaterialsTexturesAndAlpha) {
    files_.Mtl(std::string(kThreeMaterials) +
               "newmtl Tile\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nmap_Kd ignored_folder/tile.bmp\n"
               "ka 9 9 9\n"  // MTL keywords are exact: not an ambient colour
               "# map_Kd m/none.bmp\n");
    files_.Texture("tile.bmp", 1, 3, 200);
    LoadWith(std::string(kTriangleData) + "f 1/1/1 2/2/2 3/3/3\n");

    ASSERT_EQ(model_.names.size(), 4u);
    EXPECT_STREQ(model_.names[1].name, "Glass");
    ASSERT_EQ(model_.ambient.size(), 4u);
    ASSERT_EQ(model_.diffuse.size(), 4u);
    ASSERT_EQ(model_.specular.size(), 4u);
    // d 0.5 goes to the three colours of Glass; the others keep alpha 1.
    EXPECT_EQ(model_.ambient[1].a, 0.5f);
    EXPECT_EQ(model_.diffuse[1].a, 0.5f);
    EXPECT_EQ(model_.specular[1].a, 0.5f);
    EXPECT_EQ(model_.diffuse[0].a, 1.0f);
    EXPECT_EQ(model_.ambient[2].a, 1.0f);
    EXPECT_EQ(model_.diffuse[1].b, 1.0f);
    EXPECT_EQ(model_.ambient[2].r, 0.3f);
    // Texture indices count the map_Kd lines; a material without one has -1.
    EXPECT_EQ(model_.diffuse[0].textureIndex, -1);
    EXPECT_EQ(model_.diffuse[1].textureIndex, -1);
    EXPECT_EQ(model_.diffuse[2].textureIndex, 0);
    EXPECT_EQ(model_.diffuse[3].textureIndex, 1);
    ASSERT_EQ(model_.bitmaps.size(), 2u);
    EXPECT_EQ(model_.bitmaps[0].width, 2);
    EXPECT_EQ(model_.bitmaps[0].pixels[0], 80);  // m/wood.bmp
    EXPECT_EQ(model_.bitmaps[1].width, 1);
    EXPECT_EQ(model_.bitmaps[1].height, 3);
    EXPECT_EQ(model_.bitmaps[1].byteSize, 12u);
    EXPECT_EQ(model_.bitmaps[1].pixels[0], 200);  // m/tile.bmp, whatever the folder written
}

TEST(ObjLoaderAloneTest, AModelWithoutTexturesHasNoBitmaps) {
    ModelFolder files;
    files.Mtl("newmtl Plain\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n");
    files.Obj(std::string(kTriangleData) + "usemtl Plain\nf 1/1/1 2/2/2 3/3/3\n");
    obj3dmodel model;
    model.LoadObj(files.Base().c_str());
    EXPECT_TRUE(model.bitmaps.empty());
    ASSERT_EQ(model.faces.size(), 1u);
    EXPECT_EQ(model.diffuse[0].textureIndex, -1);
}

// Each inconsistency ends the load with status 1 and one line: file, line number, reason.
TEST(ObjLoaderDeathTest, InconsistentFilesExitWithOneLineNamingFileLineAndReason) {
    struct Case {
        const char* what;
        std::string mtl;
        std::string obj;
        const char* message;  // regular expression for the whole of stderr
    };
    const std::string mtl = "newmtl A\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\n";
    const std::string data = kTriangleData;
    const std::string face = "f 1/1/1 2/2/2 3/3/3\n";
    const std::string longWord(128, 'w');
    const Case cases[] = {
        {"position index past the end", mtl, data + "f 1/1/1 4/2/2 3/3/3\n",
         "m\\.obj:10: face position index 4 is outside the 3 positions"},
        {"position index 0", mtl, data + "f 0/1/1 2/2/2 3/3/3\n",
         "m\\.obj:10: face position index 0 is outside"},
        {"negative position index", mtl, data + "f -1/1/1 2/2/2 3/3/3\n",
         "m\\.obj:10: face position index 4294967295 is outside"},
        {"texture index", mtl, data + face + "f 1/1/1 2/2/2 3/7/3\n",
         "m\\.obj:11: face texture coordinate index 7 is outside the 3 texture coordinates"},
        {"normal index", mtl, data + "f 1/1/1 2/2/9 3/3/3\n",
         "m\\.obj:10: face normal index 9 is outside the 3 normals"},
        {"index before its vertex exists", mtl, "v 0 0 0\nvt 0 0\nvn 0 0 1\n" + face,
         "m\\.obj:4: face position index 2 is outside the 1 positions"},
        {"material without Ka", "newmtl A\nKd 1 1 1\nKs 0 0 0\n", data + face,
         "m\\.obj:10: face uses material 0 \\(\"A\"\\), which has no Ka entry"},
        {"second material without Ks", mtl + "newmtl B\nKa 0 0 0\nKd 1 1 1\n",
         data + "usemtl B\n" + face,
         "m\\.obj:11: face uses material 1 \\(\"B\"\\), which has no Ks"},
        {"library cut inside the material in use", mtl + "newmtl B\nKa 0 0 0\nKd 1 1 1\nKs 0 0",
         data + "usemtl B\n" + face,
         "m\\.obj:11: face uses material 1 \\(\"B\"\\), which has no Ks entry in the material "
         "library \\([^\n]*m\\.mtl:8: warning: reading stopped at the end of the file in the 'Ks'"},
        {"no material at all", "# empty\n", data + face,
         "m\\.obj:10: face uses material 0, which has no Ka entry"},
        {"d before the first Kd", "newmtl A\nKa 0 0 0\nd 0.5\nKd 1 1 1\nKs 0 0 0\n", data,
         "m\\.mtl:3: d before the first Kd"},
        {"d before the first Ks", "newmtl A\nKa 0 0 0\nKd 1 1 1\nd 0.5\nKs 0 0 0\n", data,
         "m\\.mtl:4: d before the first Ks"},
        {"map_Kd before the first Kd", "newmtl A\nmap_Kd m/t.bmp\n", data,
         "m\\.mtl:2: map_Kd before the first Kd"},
        {"map_Kd without '/'", mtl + "map_Kd t.bmp\nnewmtl a/b\n", data,
         "m\\.mtl:5: map_Kd argument without '/'"},
        {"map_Kd texture missing", mtl + "map_Kd m/none.bmp\n", data,
         "m\\.mtl:5: map_Kd texture [^\n]*/m/none\\.bmp: cannot open the file"},
        {"word of 128 characters in the OBJ file", mtl, data + "o " + longWord + "\n",
         "m\\.obj:10: word longer than 127 characters"},
        {"material name of 128 characters", "newmtl " + longWord + "\n", data,
         "m\\.mtl:1: material name longer than 127 characters"},
        {"usemtl name of 128 characters", mtl, data + "usemtl " + longWord + "\n",
         "m\\.obj:10: material name longer than 127 characters"},
        {"texture path of 128 characters", mtl + "map_Kd m/" + std::string(110, 't') + "\n", data,
         "m\\.mtl:5: texture path [^\n]* longer than 127 characters"},
    };
    for (const Case& c : cases) {
        ModelFolder files;
        files.Mtl(c.mtl);
        files.Obj(c.obj);
        obj3dmodel model;
        EXPECT_EXIT(model.LoadObj(files.Base().c_str()), testing::ExitedWithCode(1),
                    std::string("^[^\n]*") + c.message + "[^\n]*\n$")
            << c.what;
    }
}

TEST(ObjLoaderDeathTest, MissingFilesAndLongPathsExitNamingTheFile) {
    ModelFolder files;
    obj3dmodel model;
    EXPECT_EXIT(model.LoadObj(files.Base().c_str()), testing::ExitedWithCode(1),
                "^[^\n]*/m\\.obj: cannot open the file \\(No such file or directory\\)\n$");
    files.Obj("v 0 0 0\n");
    EXPECT_EXIT(model.LoadObj(files.Base().c_str()), testing::ExitedWithCode(1),
                "^[^\n]*/m\\.mtl: cannot open the file");
    const std::string longBase = files.Base() + "/" + std::string(120, 'p');
    EXPECT_EXIT(model.LoadObj(longBase.c_str()), testing::ExitedWithCode(1),
                "pppp\\.obj: path longer than 127 characters\n$");
}

// The in-memory forms report instead of exiting: what the fuzzers rely on.
TEST(ObjLoaderAloneTest, InMemoryFormsReturnTheErrorAndLeaveTheProcessAlone) {
    obj3dmodel model;
    std::string error;
    std::string warning;
    auto noFiles = [](MtlLib& library, const char*, std::string*) {
        library.bitmaps.push_back(MtlLib::BitMap{new std::uint8_t[4]{}, 1, 1, 4});
        return true;
    };
    ASSERT_TRUE(model.ParseMtl("newmtl A\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nmap_Kd x/y.bmp\n", "base",
                               "lib.mtl", &error, &warning, noFiles))
        << error;
    EXPECT_EQ(model.diffuse[0].textureIndex, 0);
    EXPECT_EQ(warning, "");
    // A library cut inside its last record keeps what was read, and says the file looks cut.
    ASSERT_TRUE(model.ParseMtl("newmtl B\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nd 0.", "base", "cut.mtl",
                               &error, &warning, noFiles))
        << error;
    EXPECT_EQ(model.diffuse.back().a, 0.0f);
    EXPECT_EQ(warning,
              "cut.mtl:5: warning: the file ends inside a line; it may have been cut short");
    EXPECT_FALSE(model.ParseObj(std::string(kTriangleData) + "f 1/1/1 2/2/2 5/3/3\n", "text.obj",
                                &error, &warning));
    EXPECT_EQ(error, "text.obj:10: face position index 5 is outside the 3 positions");
    EXPECT_FALSE(model.ParseMtl("map_Kd nothing", "base", "lib2.mtl", &error, &warning, noFiles));
    EXPECT_EQ(error, "lib2.mtl:1: map_Kd argument without '/' (written as folder/file.bmp)");
}

}  // namespace
