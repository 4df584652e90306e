// OBJ and MTL reading: keyword rules, texture paths and indices, and every inconsistency refused.
#include <gtest/gtest.h>

#include <algorithm>

#include "assets/obj_model.h"
#include "unit/assets_test_files.h"

namespace {

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
    assets_test::ScratchFolder folder_;
};

const char* const kThreeMaterials =
    "# three materials\n"
    "newmtl Stone\nKa 0.1 0.1 0.1\nKd 0.5 0.5 0.5\nKs 0 0 0\n"
    "newmtl Glass\nKa 0.2 0.2 0.2\nKd 0 0 1\nKs 0.5 0.5 0.5\nd 0.5\n"
    "newmtl Wood\nNs 10\nKa 0.3 0.2 0.1\nKd 0.6 0.4 0.2\nKs 0 0 0\nillum 2\nmap_Kd m/wood.bmp\n";

const std::string kTriangleData =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\nvn 0 0 1\nvn 0 0 1\n";

class ObjLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        files_.Mtl(kThreeMaterials);
        files_.Texture("wood.bmp", 2, 2, 80);
    }
    ModelFolder files_;
    obj3dmodel model_;
};

TEST_F(ObjLoaderTest, KeywordsAreTestedByTheirFirstCharactersAndUsemtlByTheExactName) {
    files_.Obj(kTriangleData +
               "f 1/1/1 2/2/2 3/3/3\n"        // before any usemtl: material 0
               "mtllib other.mtl\n"           // ignored: the library is always m.mtl
               "o box\ns off\n"               // ignored as words
               "g group name with v and f\n"  // 'g' skips its line
               "usemtl Wood\n"
               "vn1 0 1 0\nvnx 1 0 0\n"          // both count as normals
               "vp 1 2 3\n"                      // any other v-word skips its line
               "vt 0.5 0.25 0.75\n"              // the third number is read as a word, ignored
               "face 1/2/3 2/3/1 3/1/2 4/4/4\n"  // any f-word is a face; a quad gives one
               "usemtl wood\n"                   // no match: Wood stays
               "f 1/1/1 2/2/2 3/3/3\n"
               "usemtl Glass\nf 3/3/3 2/2/2 1/1/1\n# f 9/9/9 9/9/9 9/9/9\n");
    model_.LoadObj(files_.Base().c_str());
    EXPECT_EQ(model_.positions.size(), 3u);
    ASSERT_EQ(model_.normals.size(), 5u);
    EXPECT_EQ(model_.normals[3].y, 1.0);
    EXPECT_EQ(model_.normals[4].x, 1.0);
    ASSERT_EQ(model_.texCoords.size(), 4u);
    EXPECT_EQ(model_.texCoords[3].x, 0.5);
    EXPECT_EQ(model_.texCoords[3].y, 0.25);
    EXPECT_EQ(model_.texCoords[3].z, 0.0);
    ASSERT_EQ(model_.faces.size(), 4u);
    const std::int32_t materials[] = {0, 2, 2, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(model_.faces[i].material, materials[i]) << i;
    const obj3dmodel::Face& face = model_.faces[1];
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(face.position[k], k + 1u);
        EXPECT_EQ(face.texture[k], (k + 1u) % 3 + 1);
        EXPECT_EQ(face.normal[k], (k + 2u) % 3 + 1);
    }
}

TEST_F(ObjLoaderTest, AFailedReadEndsTheFileWithOneWarningAndKeepsWhatWasRead) {
    const std::string face = kTriangleData + "f 1/1/1 2/2/2 3/3/3\n";
    const struct {
        std::string text;
        const char* warning;  // regular expression
    } cases[] = {
        {face + "o fence\nv 1 2 3\nf 1/1/1 2/2/2 3/3/3\n",
         "m\\.obj:12: warning: reading stopped at a malformed number in the 'fence' begun on "
         "line 11"},
        {face + "f 1//3 2//2 3//1\n", "m\\.obj:11: warning: reading stopped at a malformed number"},
        {face + "f 1/1/1 2/2", "m\\.obj:11: warning: reading stopped at the end of the file"},
        {face + "# " + std::string(127, 'c') + "\nf 1/1/1 2/2/2 3/3/3\n",
         "m\\.obj:11: warning: reading stopped at a line longer than 127 characters"},
        {kTriangleData + "f 1/1/1 2/2/2 3/3/3",
         "m\\.obj:10: warning: the file ends inside a line; it may have been cut short"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.warning);
        obj3dmodel model;
        files_.Obj(c.text);
        testing::internal::CaptureStderr();
        std::string error;
        EXPECT_TRUE(model.TryLoadObj(files_.Base().c_str(), &error)) << error;
        const std::string printed = testing::internal::GetCapturedStderr();
        EXPECT_EQ(model.faces.size(), 1u);
        EXPECT_EQ(model.positions.size(), 3u);
        EXPECT_TRUE(testing::internal::RE::PartialMatch(printed, c.warning)) << printed;
        EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    }
}

TEST_F(ObjLoaderTest, MaterialsTexturesAndAlpha) {
    files_.Mtl(std::string(kThreeMaterials) +
               "newmtl Tile\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nmap_Kd ignored_folder/tile.bmp\n"
               "ka 9 9 9\n"  // MTL keywords are exact: not an ambient colour
               "# map_Kd m/none.bmp\n");
    files_.Texture("tile.bmp", 1, 3, 200);
    files_.Obj(kTriangleData + "f 1/1/1 2/2/2 3/3/3\n");
    model_.LoadObj(files_.Base().c_str());
    EXPECT_STREQ(model_.names.at(1).name, "Glass");
    for (std::size_t size : {model_.names.size(), model_.ambient.size(), model_.diffuse.size(),
                             model_.specular.size()}) {
        ASSERT_EQ(size, 4u);
    }
    // d 0.5 goes to the three colours of Glass; the others keep alpha 1.
    EXPECT_EQ(model_.ambient[1].a, 0.5f);
    EXPECT_EQ(model_.diffuse[1].a, 0.5f);
    EXPECT_EQ(model_.specular[1].a, 0.5f);
    EXPECT_EQ(model_.diffuse[0].a, 1.0f);
    EXPECT_EQ(model_.ambient[2].a, 1.0f);
    EXPECT_EQ(model_.diffuse[1].b, 1.0f);
    EXPECT_EQ(model_.ambient[2].r, 0.3f);
    // Texture indices count the map_Kd lines; a material without one has -1.
    const std::int32_t textureIndices[] = {-1, -1, 0, 1};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(model_.diffuse[i].textureIndex, textureIndices[i]) << i;
    ASSERT_EQ(model_.bitmaps.size(), 2u);
    EXPECT_EQ(model_.bitmaps[0].pixels[0], 80);   // m/wood.bmp
    EXPECT_EQ(model_.bitmaps[1].pixels[0], 200);  // m/tile.bmp, whatever the folder written
}

TEST(ObjLoaderDeathTest, InconsistentFilesExitWithOneLineNamingFileLineAndReason) {
    const std::string mtl = "newmtl A\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\n";
    const std::string& data = kTriangleData;
    const std::string face = "f 1/1/1 2/2/2 3/3/3\n";
    const std::string longWord(128, 'w');
    const struct {
        std::string mtl, obj;
        const char* message;  // regular expression for the whole of stderr
    } cases[] = {
        // clang-format off
        {mtl, data + "f 1/1/1 4/2/2 3/3/3\n", "m\\.obj:10: face position index 4 is outside the 3 positions"},
        {mtl, data + "f 0/1/1 2/2/2 3/3/3\n", "m\\.obj:10: face position index 0 is outside"},
        {mtl, data + face + "f 1/1/1 2/2/2 3/7/3\n",
         "m\\.obj:11: face texture coordinate index 7 is outside the 3 texture coordinates"},
        {mtl, data + "f 1/1/1 2/2/9 3/3/3\n", "m\\.obj:10: face normal index 9 is outside the 3 normals"},
        {"newmtl A\nKd 1 1 1\nKs 0 0 0\n", data + face,
         "m\\.obj:10: face uses material 0 \\(\"A\"\\), which has no Ka entry"},
        {mtl + "newmtl B\nKa 0 0 0\nKd 1 1 1\n", data + "usemtl B\n" + face,
         "m\\.obj:11: face uses material 1 \\(\"B\"\\), which has no Ks"},
        {mtl + "newmtl B\nKa 0 0 0\nKd 1 1 1\nKs 0 0", data + "usemtl B\n" + face,
         "m\\.obj:11: face uses material 1 \\(\"B\"\\), which has no Ks entry in the material "
         "library \\([^\n]*m\\.mtl:8: warning: reading stopped at the end of the file in the 'Ks'"},
        {"# empty\n", data + face, "m\\.obj:10: face uses material 0, which has no Ka entry"},
        {"newmtl A\nKa 0 0 0\nd 0.5\nKd 1 1 1\nKs 0 0 0\n", data, "m\\.mtl:3: d before the first Kd"},
        {"newmtl A\nKa 0 0 0\nKd 1 1 1\nd 0.5\nKs 0 0 0\n", data, "m\\.mtl:4: d before the first Ks"},
        {"newmtl A\nmap_Kd m/t.bmp\n", data, "m\\.mtl:2: map_Kd before the first Kd"},
        {mtl + "map_Kd t.bmp\nnewmtl a/b\n", data, "m\\.mtl:5: map_Kd argument without '/'"},
        {mtl + "map_Kd m/none.bmp\n", data, "m\\.mtl:5: map_Kd texture [^\n]*/m/none\\.bmp: cannot open the file"},
        {mtl, data + "o " + longWord + "\n", "m\\.obj:10: word longer than 127 characters"},
        {"newmtl " + longWord + "\n", data, "m\\.mtl:1: material name longer than 127 characters"},
        {mtl, data + "usemtl " + longWord + "\n", "m\\.obj:10: material name longer than 127 characters"},
        {mtl + "map_Kd m/" + std::string(110, 't') + "\n", data,
         "m\\.mtl:5: texture path [^\n]* longer than 127 characters"},
        // clang-format on
    };
    for (const auto& c : cases) {
        ModelFolder files;
        files.Mtl(c.mtl);
        files.Obj(c.obj);
        obj3dmodel model;
        EXPECT_EXIT(model.LoadObj(files.Base().c_str()), testing::ExitedWithCode(1),
                    std::string("^[^\n]*") + c.message + "[^\n]*\n$");
    }
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
    std::string error, warning;
    auto noFiles = [](MtlLib& library, const char*, std::string*) {
        library.bitmaps.push_back(MtlLib::BitMap{new std::uint8_t[4]{}, 1, 1, 4});
        return true;
    };
    ASSERT_TRUE(model.ParseMtl("newmtl B\nKa 0 0 0\nKd 1 1 1\nKs 0 0 0\nmap_Kd x/y.bmp\nd 0.",
                               "base", "cut.mtl", &error, &warning, noFiles))
        << error;
    EXPECT_EQ(model.diffuse[0].textureIndex, 0);
    EXPECT_EQ(model.diffuse.back().a, 0.0f);
    EXPECT_EQ(warning,
              "cut.mtl:6: warning: the file ends inside a line; it may have been cut short");
    EXPECT_FALSE(
        model.ParseObj(kTriangleData + "f 1/1/1 2/2/2 5/3/3\n", "text.obj", &error, &warning));
    EXPECT_EQ(error, "text.obj:10: face position index 5 is outside the 3 positions");
}

}  // namespace
