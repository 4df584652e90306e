// What the camera can see, and how a model is cut into pieces that may be drawn out of order.
#include <gtest/gtest.h>

#include "assets/obj_model.h"
#include "assets/view_volume.h"

namespace {

// The identity as clip matrix: the volume is the cube from -1 to 1; the eye stands at 5, 0, 0.
TEST(ViewVolumeTest, ABoxIsLeftOutOnlyWhenWhollyBeyondOneFace) {
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    const float eye[3] = {5, 0, 0};
    const ViewVolume view = ViewVolume::FromClipMatrix(identity, eye);
    const struct {
        WorldBox box;
        bool shown;
    } cases[] = {
        {{{-0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}}, true},  // inside
        {{{-9, -9, -9}, {9, 9, 9}}, true},                    // around the whole volume
        {{{1, 0, 0}, {2, 1, 1}}, true},                       // touching x = 1
        {{{-2, -1, -1}, {-1, 1, 1}}, true},                   // touching x = -1
        {{{1.01f, 0, 0}, {2, 1, 1}}, false},                  // beyond each face in turn
        {{{-2, 0, 0}, {-1.01f, 1, 1}}, false},
        {{{0, 1.01f, 0}, {1, 2, 1}}, false},
        {{{0, -2, 0}, {1, -1.01f, 1}}, false},
        {{{0, 0, 1.01f}, {1, 1, 2}}, false},
        {{{0, 0, -2}, {1, 1, -1.01f}}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(view.MayShow(c.box), c.shown)
            << c.box.min[0] << " " << c.box.min[1] << " " << c.box.min[2] << " to "
            << c.box.max[0] << " " << c.box.max[1] << " " << c.box.max[2];
    }
    EXPECT_TRUE(ViewVolume().MayShow(cases[5].box));  // the default volume leaves nothing out
    EXPECT_FLOAT_EQ(view.SquaredDistance({{4, -1, -1}, {6, 1, 1}}), 0.0f);
    EXPECT_FLOAT_EQ(view.SquaredDistance({{1, 2, -1}, {2, 3, 1}}), 9.0f + 4.0f);
    EXPECT_FLOAT_EQ(view.SquaredDistance({{7, 0, 3}, {8, 1, 4}}), 4.0f + 9.0f);
}

// Six faces, one triangle each 0.05 wide along x, of materials a, a, b, b, b, a.
TEST(ModelPiecesTest, RunsOfOneMaterialWithinTheExtentAndTheirPossibleTies) {
    obj3dmodel model;
    std::string error, warning;
    ASSERT_TRUE(model.ParseMtl("newmtl a\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n"
                               "newmtl b\nKa 0 0 0\nKd 0 1 0\nKs 0 0 0\n",
                               "/none", "m.mtl", &error, &warning));
    std::string obj = "vt 0 0\nvn 0 0 1\n";
    const float xs[] = {0, 1, 1.08f, 4, 4.2f, 4.27f};
    for (const float x : xs) {
        obj += "v " + std::to_string(x) + " 0 0\nv " + std::to_string(x + 0.05f) + " 1 0\nv " +
               std::to_string(x) + " 0 1\n";
    }
    const char* const materials[] = {"a", "a", "b", "b", "b", "a"};
    for (int f = 0; f < 6; ++f) {
        obj += std::string("usemtl ") + materials[f] + "\nf " + std::to_string(3 * f + 1) +
               "/1/1 " + std::to_string(3 * f + 2) + "/1/1 " + std::to_string(3 * f + 3) +
               "/1/1\n";
    }
    ASSERT_TRUE(model.ParseObj(obj, "m.obj", &error, &warning)) << error;
    const std::vector<obj3dmodel::Piece> pieces = model.CutIntoPieces({0, 1, 2, 3, 4, 5});
    // b from 1.08 to 4.05 fits in 3 units; with the face at 4.2 it would reach 3.17.
    ASSERT_EQ(pieces.size(), 4u);
    const int expected[4][2] = {{0, 2}, {2, 2}, {4, 1}, {5, 1}};  // first, count
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(pieces[p].first, expected[p][0]) << "piece " << p;
        EXPECT_EQ(pieces[p].count, expected[p][1]) << "piece " << p;
    }
    EXPECT_FLOAT_EQ(pieces[1].box.min[0], 1.08f);
    EXPECT_FLOAT_EQ(pieces[1].box.max[0], 4.05f);
    EXPECT_FLOAT_EQ(pieces[1].box.max[1], 1.0f);
    // Gaps along x: 0.03 between pieces 0 and 1, 0.15 between 1 and 2, 0.02 between 2 and 3.
    const auto ties = obj3dmodel::FindTies(pieces);
    const std::vector<std::vector<std::int32_t>> expectedTies = {{1}, {}, {3}, {}};
    EXPECT_EQ(ties, expectedTies);
    // Any order is cut as given: faces 1 then 0 are one piece, 5 then 0 lie too far apart.
    EXPECT_EQ(model.CutIntoPieces({1, 0}).size(), 1u);
    EXPECT_EQ(model.CutIntoPieces({5, 0}).size(), 2u);
}

}  // namespace
