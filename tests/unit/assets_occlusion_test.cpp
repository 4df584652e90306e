// Where boxes and rectangles land in the window, and what the largest rectangles hide: the game's
// own camera (30 degrees up, 800 by 600, near 0.02, far 100) looking down -z from the origin.
#include <gtest/gtest.h>

#include <algorithm>  // Required for: std::min(), std::find()
#include <array>      // Required for: std::array
#include <cmath>      // Required for: std::tan()
#include <memory>     // Required for: std::unique_ptr
#include <string>     // Required for: std::string
#include <vector>     // Required for: std::vector

#include "assets/obj_model.h"
#include "assets/occlusion.h"
#include "assets/view_volume.h"

namespace {

constexpr double kNear = 0.02;
constexpr double kFar = 100.0;

// gluPerspective(30, 4 / 3, near, far), column-major; the modelview is the identity.
ViewVolume Camera(int left = 0, int bottom = 0, int width = 800, int height = 600) {
    const double f = 1.0 / std::tan(15.0 * 3.14159265358979323846 / 180.0);
    float m[16] = {};
    m[0] = static_cast<float>(f / (4.0 / 3.0));
    m[5] = static_cast<float>(f);
    m[10] = static_cast<float>((kFar + kNear) / (kNear - kFar));
    m[11] = -1.0f;
    m[14] = static_cast<float>(2.0 * kFar * kNear / (kNear - kFar));
    const float eye[3] = {0, 0, 0};
    const int viewport[4] = {left, bottom, width, height};
    return ViewVolume::FromClipMatrix(m, eye, viewport);
}

// A rectangle of constant z (axis 2): x from x0 to x1, y from y0 to y1.
WorldRect FacingRect(float z, float x0, float x1, float y0, float y1) {
    return WorldRect{2, z, {x0, y0}, {x1, y1}};
}

ScreenPolygon Square(double x, double y, double half) {
    ScreenPolygon square;
    square.push_back({x - half, y - half});
    square.push_back({x + half, y - half});
    square.push_back({x + half, y + half});
    square.push_back({x - half, y + half});
    return square;
}

TEST(ScreenOutlineTest, BoxesAndRectanglesLandWhereThePerspectivePutsThem) {
    const ViewVolume view = Camera();
    // Window depth is (a + b / w + 1) / 2 with b = -2 far near / (far - near).
    EXPECT_NEAR(view.DepthScale(), kFar * kNear / (kFar - kNear), 1e-7);

    // A box on the axis from z -11 to -9, x and y from -1 to 1: its outline is the nearer face,
    // x = 400 + 400 * (f / aspect) / 9.
    ScreenPolygon hull;
    ASSERT_TRUE(view.Outline(WorldBox{{-1, -1, -11}, {1, 1, -9}}, &hull));
    double maxX = 0, minY = 1e9;
    for (const ScreenPoint& p : hull) {
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
    }
    const double f = 1.0 / std::tan(15.0 * 3.14159265358979323846 / 180.0);
    EXPECT_NEAR(maxX, 400.0 + 400.0 * f / (4.0 / 3.0) / 9.0, 1e-3);
    EXPECT_NEAR(minY, 300.0 - 300.0 * f / 9.0, 1e-3);
    // In a viewport from 40, 60 the same box lands 40 right and 60 up.
    ScreenPolygon moved;
    ASSERT_TRUE(Camera(40, 60).Outline(WorldBox{{-1, -1, -11}, {1, 1, -9}}, &moved));
    ASSERT_EQ(moved.count, hull.count);
    for (int k = 0; k < hull.count; ++k) {
        EXPECT_NEAR(moved.points[k].x, hull.points[k].x + 40, 1e-9);
        EXPECT_NEAR(moved.points[k].y, hull.points[k].y + 60, 1e-9);
    }
    // A box reaching behind the eye has the outline of its part before the near plane: a rod
    // from z -10 to 1, x 0.5 to 0.6, begins on screen where its far end lands.
    ASSERT_TRUE(view.Outline(WorldBox{{0.5f, -0.05f, -10}, {0.6f, 0.05f, 1}}, &hull));
    double minX = 1e9;
    for (const ScreenPoint& p : hull) minX = std::min(minX, p.x);
    EXPECT_NEAR(minX, 400.0 + 400.0 * f / (4.0 / 3.0) * 0.5 / 10.0, 1e-3);
    EXPECT_GT(hull.count, 3);
    // A box wholly behind it has none.
    EXPECT_FALSE(view.Outline(WorldBox{{-1, -1, 1}, {1, 1, 2}}, &hull));

    // A rectangle at z -10, x and y from -1 to 1: 4 corners, its centre held, a point 0.05
    // pixels inside an edge not held with a margin of 0.1, one 0.2 inside held.
    ScreenRegion region;
    ASSERT_TRUE(view.Outline(FacingRect(-10, -1, 1, -1, 1), 0.1, &region));
    EXPECT_EQ(region.outline.count, 4);
    const double edge = 400.0 + 400.0 * f / (4.0 / 3.0) / 10.0;
    EXPECT_TRUE(region.Holds(Square(400, 300, 1)));
    ScreenPolygon point;
    point.push_back({edge - 0.05, 300});
    EXPECT_FALSE(region.Holds(point));
    point.points[0].x = edge - 0.2;
    EXPECT_TRUE(region.Holds(point));
    double least = 0, greatest = 0;
    region.DepthRange(Square(400, 300, 20), &least, &greatest);
    EXPECT_NEAR(least, 10.0, 1e-9);
    EXPECT_NEAR(greatest, 10.0, 1e-9);

    // A floor one below the eye from z 5 (behind it) to -20 is cut at the near plane; depth
    // grows up the window. A rectangle beyond the far plane, or wholly behind the eye, has none.
    // Seen at window height y, the floor lies at w = f / (1 - y / 300).
    ASSERT_TRUE(view.Outline(WorldRect{1, -1, {-5, -20}, {5, 5}}, 0.1, &region));
    EXPECT_GE(region.outline.count, 4);
    for (const double y : {30.0, 100.0, 250.0}) {
        region.DepthRange(Square(250, y, 1e-6), &least, &greatest);
        EXPECT_NEAR(least, f / (1.0 - y / 300.0), 1e-6) << y;
        EXPECT_NEAR(greatest, least, 1e-6) << y;
    }
    EXPECT_FALSE(view.Outline(FacingRect(-150, -1, 1, -1, 1), 0.1, &region));
    EXPECT_FALSE(view.Outline(FacingRect(5, -1, 1, -1, 1), 0.1, &region));
    // Without a viewport nothing has an outline.
    EXPECT_FALSE(ViewVolume().Outline(FacingRect(-10, -1, 1, -1, 1), 0.1, &region));
}

TEST(ScreenOutlineTest, PolygonsAreCutToRectanglesAndMeasured) {
    ScreenPolygon triangle;
    triangle.push_back({0, 0});
    triangle.push_back({10, 0});
    triangle.push_back({0, 10});
    EXPECT_DOUBLE_EQ(Area(triangle), 50.0);
    // The part in x 0..5, y 0..5: the square minus nothing, since x + y <= 10 holds there.
    EXPECT_DOUBLE_EQ(Area(ClipToRect(triangle, 0, 0, 5, 5)), 25.0);
    // x 5..10, y 0..10: the triangle (5,0) (10,0) (5,5).
    EXPECT_DOUBLE_EQ(Area(ClipToRect(triangle, 5, 0, 10, 10)), 12.5);
    EXPECT_TRUE(ClipToRect(triangle, 11, 0, 20, 10).empty());
}

// A wall at z -5 filling the view hides what lies wholly behind it, deep enough that the depth
// buffer keeps them apart, and nothing in front of it or through it.
TEST(OcclusionTest, AWallHidesWhatLiesWhollyBehindIt) {
    const ViewVolume view = Camera();
    const Occlusion wall(view, {FacingRect(-5, -20, 20, -20, 20)}, 16);
    EXPECT_TRUE(wall.FillsWindow());
    // At w 5 the depth buffer parts points 2^-20 * 5 * 5 / 0.02 (1.3e-3) apart.
    const struct {
        WorldBox box;
        bool hidden;
    } cases[] = {
        {{{-1, -1, -8}, {1, 1, -7}}, true},             // well behind
        {{{-1, -1, -5.01f}, {1, 1, -5.002f}}, true},    // 0.002 behind
        {{{-1, -1, -5.01f}, {1, 1, -5.0005f}}, false},  // 0.0005: the same depth step
        {{{-1, -1, -4}, {1, 1, -3}}, false},            // in front
        {{{-1, -1, -6}, {1, 1, -4}}, false},            // through it
        {{{-50, -1, -60}, {50, 1, -40}}, true},         // far behind, wider than the window
        {{{-1, -1, 1}, {1, 1, 2}}, false},              // behind the eye
    };
    for (const auto& c : cases) {
        EXPECT_EQ(wall.Hides(c.box), c.hidden)
            << c.box.min[0] << " " << c.box.min[2] << " to " << c.box.max[0] << " " << c.box.max[2];
    }
    // The cells are the viewport's: in one from 40, 60 a wall whose outline begins at 20, 30
    // fills it (x -1.8757 and y -1.4737 at z -5 land there).
    EXPECT_TRUE(
        Occlusion(Camera(40, 60), {FacingRect(-5, -1.8757f, 20, -1.4737f, 20)}, 16).FillsWindow());
    EXPECT_FALSE(
        Occlusion(Camera(40, 60), {FacingRect(-5, -1.6f, 20, -1.2f, 20)}, 16).FillsWindow());
    // Nothing hides without rectangles, or made without a viewport.
    EXPECT_FALSE(Occlusion().Hides(cases[0].box));
    EXPECT_FALSE(Occlusion().FillsWindow());
    EXPECT_FALSE(
        Occlusion(ViewVolume(), {FacingRect(-5, -20, 20, -20, 20)}, 16).Hides(cases[0].box));
}

TEST(OcclusionTest, TwoHalvesHideWhatLiesBehindEitherButNotAcrossTheirSeam) {
    const ViewVolume view = Camera();
    // The halves meet at x 0, which the window shows at x 400, a cell border. Neither holds the
    // points within the margin of the seam, so a box across it stays, and so does the sky in
    // the cells beside it.
    const Occlusion halves(view, {FacingRect(-5, -20, 0, -20, 20), FacingRect(-5, 0, 20, -20, 20)},
                           16);
    EXPECT_TRUE(halves.Hides(WorldBox{{-3, -1, -10}, {-1, 1, -9}}));
    EXPECT_TRUE(halves.Hides(WorldBox{{1, -1, -10}, {3, 1, -9}}));
    EXPECT_FALSE(halves.Hides(WorldBox{{-1, -1, -10}, {1, 1, -9}}));
    EXPECT_FALSE(halves.FillsWindow());
    // The sky may show only in the two columns of cells (100 pixels wide in a window of 800 by
    // 600) beside the seam.
    int open[4] = {};
    ASSERT_TRUE(halves.OpenBounds(open));
    EXPECT_EQ(std::vector<int>(open, open + 4), (std::vector<int>{300, 0, 200, 600}));
    EXPECT_FALSE(Occlusion(view, {FacingRect(-5, -20, 20, -20, 20)}, 16).OpenBounds(open));
    EXPECT_FALSE(Occlusion().OpenBounds(open));
    // Full screen at 1920 by 1080 the cells are finer (16 by 10, 120 by 108 pixels): the
    // columns beside the seam at 960 are narrower.
    ASSERT_TRUE(Occlusion(Camera(0, 0, 1920, 1080),
                          {FacingRect(-5, -20, 0, -20, 20), FacingRect(-5, 0, 20, -20, 20)}, 16)
                    .OpenBounds(open));
    EXPECT_EQ(std::vector<int>(open, open + 4), (std::vector<int>{840, 0, 240, 1080}));
    // The sky is drawn in the open cells alone: here the same two columns, top to bottom.
    std::vector<std::array<int, 4>> parts;
    ASSERT_TRUE(halves.OpenParts(&parts));
    EXPECT_EQ(parts, (std::vector<std::array<int, 4>>{{300, 0, 200, 600}}));
    ASSERT_TRUE(Occlusion(view, {FacingRect(-5, -20, 20, -20, 20)}, 16).OpenParts(&parts));
    EXPECT_TRUE(parts.empty());
    EXPECT_FALSE(Occlusion().OpenParts(&parts));
    // A wall over the lower half (its edge at y 300, so the row of cells below it is not held
    // either, by the margin) and one over the left (its edge at x 220.9) leave the cells from
    // x 200 and y 200 open: one part, joined from the runs of four rows.
    const Occlusion lower(
        view, {FacingRect(-5, -20, 20, -20, 0.0f), FacingRect(-5, -20, -0.8f, -20, 20)}, 16);
    ASSERT_TRUE(lower.OpenParts(&parts));
    EXPECT_EQ(parts, (std::vector<std::array<int, 4>>{{200, 200, 600, 400}}));
    // Walls that overlap on screen share the work cell by cell: A (z -5, to x 0.1) holds the
    // box's part left of the cell border at 400, B (z -6, from x -0.1) the part right of it,
    // neither the whole outline (344 to 456).
    const Occlusion overlapping(
        view, {FacingRect(-5, -20, 0.1f, -20, 20), FacingRect(-6, -0.1f, 20, -20, 20)}, 16);
    EXPECT_TRUE(overlapping.Hides(WorldBox{{-1, -1, -10}, {1, 1, -9}}));
    // Halves that overlap by 0.2 hold the cells across their seam together: a box behind both,
    // across the seam, is hidden, and the sky shows nowhere.
    const Occlusion lapping(
        view, {FacingRect(-5, -20, 0.1f, -20, 20), FacingRect(-5, -0.1f, 20, -20, 20)}, 16);
    EXPECT_TRUE(lapping.Hides(WorldBox{{-1, -1, -10}, {1, 1, -9}}));
    EXPECT_FALSE(lapping.Hides(WorldBox{{-1, -1, -10}, {1, 1, -4}}));
    EXPECT_TRUE(lapping.FillsWindow());
    // Lapping inside a cell (from x 0.55 to 0.65, pixels 523 to 546, in the cell from 500 to
    // 600): neither holds that cell, the two together do, and a box behind both across it.
    const Occlusion lappingInCell(
        view, {FacingRect(-5, -20, 0.65f, -20, 20), FacingRect(-5, 0.55f, 20, -20, 20)}, 16);
    EXPECT_TRUE(lappingInCell.FillsWindow());
    EXPECT_TRUE(lappingInCell.Hides(WorldBox{{0, -1, -10}, {2, 1, -9}}));
    // Three that lap round a corner (a wall's paper above its panelling, and a door beside):
    // the cell at the corner is held by the three together.
    const Occlusion corner(
        view,
        {FacingRect(-5, -20, 0.1f, -20, 20), FacingRect(-5, -0.1f, 20, -20, 0.1f),
         FacingRect(-5, -0.1f, 20, -0.1f, 20)},
        16);
    EXPECT_TRUE(corner.Hides(WorldBox{{-1, -1, -10}, {1, 1, -9}}));
    EXPECT_TRUE(corner.FillsWindow());
    // Only the larger of two rectangles is used when one is allowed.
    const Occlusion one(view, {FacingRect(-5, -20, 0, -20, 20), FacingRect(-5, 0, 1, -1, 1)}, 1);
    ASSERT_EQ(one.Covers().size(), 1u);
    EXPECT_EQ(one.Covers()[0].rect.max[0], 0.0f);
}

// A wall seen through the one in front, reaching below the floor and above the ceiling: no one
// rectangle hides it whole, but each of its parts lies behind the floor, the wall or the ceiling.
TEST(OcclusionTest, ABoxNoRectangleHidesWholeIsHiddenInParts) {
    const ViewVolume view = Camera();
    const std::vector<WorldRect> room = {FacingRect(-5, -20, 20, -1, 1),
                                         WorldRect{1, -1, {-20, -20}, {20, 0}},
                                         WorldRect{1, 1, {-20, -20}, {20, 0}}};
    const Occlusion hiding(view, room, 16);
    EXPECT_TRUE(hiding.Hides(WorldBox{{-0.1f, -3, -5.3f}, {0.1f, 3, -5.2f}}));
    // Not when part of it comes in front of the wall, nor when nothing hides the part above.
    EXPECT_FALSE(hiding.Hides(WorldBox{{-0.1f, -3, -5.3f}, {0.1f, 3, -4.8f}}));
    const Occlusion noCeiling(view, {room[0], room[1]}, 16);
    EXPECT_FALSE(noCeiling.Hides(WorldBox{{-0.1f, -3, -5.3f}, {0.1f, 3, -5.2f}}));
    // A box too short to be halved is cut at the ceiling's plane instead: above it, it lies
    // behind the ceiling; below, behind the wall. Without the ceiling its top shows.
    const WorldBox throughCeiling{{-0.5f, -0.5f, -5.3f}, {0.5f, 1.4f, -5.2f}};
    EXPECT_TRUE(hiding.Hides(throughCeiling));
    EXPECT_FALSE(noCeiling.Hides(throughCeiling));
}

// The cells of a 1920 by 1080 window (16 by 10, 120 by 108 pixels) a box may show in, as
// rectangles a frame cuts it to.
TEST(OcclusionTest, ABoxIsCutToTheCellsItMayShowIn) {
    const ViewVolume view = Camera(0, 0, 1920, 1080);
    // A wall at z -5 with a doorway from x -0.5 to 0.5 (pixels 691 to 1229 across: 960 times
    // 1 + 2.799 x / 5), in the columns of cells from 600 to 1320.
    const std::vector<WorldRect> wall = {FacingRect(-5, -20, -0.5f, -20, 20),
                                         FacingRect(-5, 0.5f, 20, -20, 20)};
    const Occlusion hiding(view, wall, 16);
    std::array<int, 4> rects[4];
    const auto covered = [&](int count, double x, double y) {
        for (int r = 0; r < count; ++r) {
            if (x >= rects[r][0] && x < rects[r][0] + rects[r][2] && y >= rects[r][1] &&
                y < rects[r][1] + rects[r][3]) {
                return true;
            }
        }
        return false;
    };
    // Wider than the doorway, behind the wall: cut to the columns of cells round the doorway,
    // which must hold all of the doorway, and nothing beyond the cells it touches.
    const int behind = hiding.Showing(WorldBox{{-3, -1, -8}, {3, 1, -7}}, rects, 4);
    ASSERT_GE(behind, 1);
    for (int r = 0; r < behind; ++r) {
        EXPECT_GE(rects[r][0], 600) << r;
        EXPECT_LE(rects[r][0] + rects[r][2], 1320) << r;
    }
    for (const double x : {692.0, 960.0, 1228.0}) EXPECT_TRUE(covered(behind, x, 540.0)) << x;
    // Wholly behind the wall beside the doorway: hidden. In front of it: drawn whole. A box of
    // a cell or two: drawn whole. Without the wall: drawn whole.
    EXPECT_EQ(hiding.Showing(WorldBox{{-6, -1, -9}, {-4, 1, -8}}, rects, 4), 0);
    EXPECT_EQ(hiding.Showing(WorldBox{{-3, -1, -4}, {3, 1, -3}}, rects, 4), -1);
    EXPECT_EQ(hiding.Showing(WorldBox{{-0.3f, -0.1f, -8}, {0.3f, 0.1f, -7}}, rects, 4), -1);
    EXPECT_EQ(Occlusion(view, {}, 16).Showing(WorldBox{{-3, -1, -8}, {3, 1, -7}}, rects, 4), -1);
    // At most as many rectangles as asked, still holding the doorway.
    const int one = hiding.Showing(WorldBox{{-3, -1, -8}, {3, 1, -7}}, rects, 1);
    ASSERT_EQ(one, 1);
    EXPECT_TRUE(covered(one, 692.0, 540.0) && covered(one, 1228.0, 540.0));
    // An 800 by 600 window has too few cells to cut anything.
    const Occlusion small(Camera(), wall, 16);
    EXPECT_EQ(small.Showing(WorldBox{{-3, -1, -8}, {3, 1, -7}}, rects, 4), -1);
    EXPECT_EQ(small.Showing(WorldBox{{-6, -1, -9}, {-4, 1, -8}}, rects, 4), 0);
}

// Quads of two triangles each, in the order given; a pair is a rectangle when it covers one.
std::vector<obj3dmodel::Occluder> OccludersOf(const std::vector<std::vector<float>>& quads) {
    obj3dmodel model;
    std::string error, warning;
    EXPECT_TRUE(model.ParseMtl("newmtl a\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n", "/none", "m.mtl", &error,
                               &warning));
    std::string obj = "vt 0 0\nvn 0 0 1\nusemtl a\n";
    int vertex = 0;
    for (const std::vector<float>& q : quads) {
        // x0 y0 x1 y1 at z = q[4]: corners (x0,y0) (x1,y0) (x1,y1) (x0,y1), split on a diagonal.
        const float c[4][2] = {{q[0], q[1]}, {q[2], q[1]}, {q[2], q[3]}, {q[0], q[3]}};
        for (const auto& corner : c) {
            obj += "v " + std::to_string(corner[0]) + " " + std::to_string(corner[1]) + " " +
                   std::to_string(q[4]) + "\n";
        }
        const std::string a = std::to_string(vertex + 1), b = std::to_string(vertex + 2),
                          cc = std::to_string(vertex + 3), d = std::to_string(vertex + 4);
        obj += "f " + a + "/1/1 " + b + "/1/1 " + cc + "/1/1\nf " + a + "/1/1 " + cc + "/1/1 " + d +
               "/1/1\n";
        vertex += 4;
    }
    EXPECT_TRUE(model.ParseObj(obj, "m.obj", &error, &warning)) << error;
    model.PlanPieces();
    return model.opaqueOccluders;
}

TEST(ModelOccludersTest, RectanglesJoinOnlyAlongWholeSidesWithTheSameCorners) {
    // A and B side by side join; C above both meets them at three points of its one side (a
    // corner of A and B lies on it), so it stays apart; D lies in another plane; E is too small.
    const auto found = OccludersOf({{0, 0, 1, 1, 0},
                                    {1, 0, 2, 1, 0},
                                    {0, 1, 2, 2, 0},
                                    {0, 0, 2, 2, -1},
                                    {5, 5, 5.2f, 5.2f, 0}});
    ASSERT_EQ(found.size(), 3u);
    int joined = 0;
    for (const obj3dmodel::Occluder& o : found) {
        EXPECT_EQ(o.rect.axis, 2);
        if (o.rect.at == 0.0f && o.rect.min[1] == 0.0f) {
            ++joined;
            EXPECT_EQ(o.rect.min[0], 0.0f);
            EXPECT_EQ(o.rect.max[0], 2.0f);
            EXPECT_EQ(o.rect.max[1], 1.0f);
            EXPECT_GE(o.pieces.size(), 1u);
        }
    }
    EXPECT_EQ(joined, 1);
    // Joined the other way round too (B given first), and up: A under C' of A's width.
    EXPECT_EQ(OccludersOf({{1, 0, 2, 1, 0}, {0, 0, 1, 1, 0}}).size(), 1u);
    EXPECT_EQ(OccludersOf({{0, 0, 1, 1, 0}, {0, 1, 1, 3, 0}}).size(), 1u);
    // Sides of different lengths do not join.
    EXPECT_EQ(OccludersOf({{0, 0, 1, 1, 0}, {1, 0, 2, 2, 0}}).size(), 2u);
}

// A model of triangles of one material, x y z of three corners each, in the order given.
std::unique_ptr<obj3dmodel> ModelOfTriangles(const std::vector<std::array<float, 9>>& triangles) {
    auto made = std::make_unique<obj3dmodel>();
    obj3dmodel& model = *made;
    std::string error, warning;
    EXPECT_TRUE(model.ParseMtl("newmtl a\nKa 0 0 0\nKd 1 0 0\nKs 0 0 0\n", "/none", "m.mtl", &error,
                               &warning));
    std::string obj = "vt 0 0\nvn 0 0 1\nusemtl a\n";
    int vertex = 0;
    for (const auto& t : triangles) {
        for (int k = 0; k < 3; ++k) {
            obj += "v " + std::to_string(t[3 * k]) + " " + std::to_string(t[3 * k + 1]) + " " +
                   std::to_string(t[3 * k + 2]) + "\n";
        }
        obj += "f " + std::to_string(vertex + 1) + "/1/1 " + std::to_string(vertex + 2) + "/1/1 " +
               std::to_string(vertex + 3) + "/1/1\n";
        vertex += 3;
    }
    EXPECT_TRUE(model.ParseObj(obj, "m.obj", &error, &warning)) << error;
    model.PlanPieces();
    return made;
}

TEST(ModelOccludersTest, ARectangleCutIntoMoreTrianglesIsOneWhenTheyCoverItOnce) {
    // The unit square at z = 0 with a corner of a neighbour at (0.5, 0) on its lower side,
    // counter-clockwise seen from +z: A (0,0), M (0.5,0), B (1,0), C (1,1), D (0,1).
    using T = std::array<float, 9>;
    const T dam{0, 1, 0, 0, 0, 0, 0.5f, 0, 0}, mbc{0.5f, 0, 0, 1, 0, 0, 1, 1, 0},
        mcd{0.5f, 0, 0, 1, 1, 0, 0, 1, 0}, mdc{0.5f, 0, 0, 0, 1, 0, 1, 1, 0},
        abd{0, 0, 0, 1, 0, 0, 0, 1, 0}, amc{0, 0, 0, 0.5f, 0, 0, 1, 1, 0};
    const struct {
        const char* what;
        std::vector<T> triangles;
        std::size_t rectangles;
    } cases[] = {
        {"three triangles meeting corner to corner", {dam, mbc, mcd}, 1},
        {"the same in another order", {mcd, dam, mbc}, 1},
        {"one of them turned the other way", {dam, mbc, mdc}, 0},
        {"one twice and one left out: the area is right, the cover is not", {dam, mbc, mbc}, 0},
        {"overlapping, with a gap elsewhere", {abd, amc, mbc}, 0},
        {"two of the three", {dam, mbc}, 0},
    };
    for (const auto& c : cases) {
        const auto model = ModelOfTriangles(c.triangles);
        EXPECT_EQ(model->opaqueOccluders.size(), c.rectangles) << c.what;
        if (model->opaqueOccluders.size() != 1) continue;
        const WorldRect& rect = model->opaqueOccluders[0].rect;
        EXPECT_EQ(rect.axis, 2) << c.what;
        EXPECT_EQ(rect.min[0], 0.0f);
        EXPECT_EQ(rect.max[0], 1.0f);
        EXPECT_EQ(rect.max[1], 1.0f);
    }
}

// The unit cube, two triangles a side, counter-clockwise seen from outside; the top (+y) may be
// left out, or cut in two along x = 0.5 so that its corners lie on the sides of two others.
std::vector<std::array<float, 9>> Cube(bool top, bool topInTwo) {
    std::vector<std::array<float, 9>> t;
    const auto quad = [&t](std::array<float, 3> a, std::array<float, 3> b, std::array<float, 3> c,
                           std::array<float, 3> d) {
        t.push_back({a[0], a[1], a[2], b[0], b[1], b[2], c[0], c[1], c[2]});
        t.push_back({a[0], a[1], a[2], c[0], c[1], c[2], d[0], d[1], d[2]});
    };
    quad({0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1});  // -y
    quad({0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1});  // +z
    quad({1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {1, 1, 0});  // -z
    quad({0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0});  // -x
    quad({1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {1, 1, 1});  // +x
    if (top && topInTwo) {
        quad({0, 1, 1}, {0.5f, 1, 1}, {0.5f, 1, 0}, {0, 1, 0});
        quad({0.5f, 1, 1}, {1, 1, 1}, {1, 1, 0}, {0.5f, 1, 0});
    } else if (top) {
        quad({0, 1, 1}, {1, 1, 1}, {1, 1, 0}, {0, 1, 0});
    }
    return t;
}

std::vector<std::array<float, 9>> Fin() {
    std::vector<std::array<float, 9>> t = Cube(true, false);
    t.push_back({0, 1, 1, 0.5f, 1, 1, 0.25f, 1.5f, 1});
    return t;
}

TEST(ModelPiecesTest, AFaceIsClosedWhenEachOfItsEdgesIsMetEndToEndAndWalkedBothWays) {
    // Faces 0 and 1 the bottom, then two for each side, the second along the top; then the top.
    const struct {
        const char* what;
        std::vector<std::array<float, 9>> triangles;
        std::vector<int> open;  // the rest are closed
    } cases[] = {
        {"a whole cube", Cube(true, false), {}},
        // Two sides have a corner of the top at x = 0.5 on their edge: pixels may open there.
        {"a top cut in two, its corners on two sides' edges",
         Cube(true, true),
         {3, 5, 10, 11, 12, 13}},
        {"no top: each side's triangle along it", Cube(false, false), {3, 5, 7, 9}},
        // A fin on the top edge of +z: that edge is still met end to end, but part of another
        // lies over it.
        {"a fin over half the top edge of +z", Fin(), {3, 10, 12}},
    };
    for (const auto& c : cases) {
        const auto model = ModelOfTriangles(c.triangles);
        std::vector<std::int32_t> order(c.triangles.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<std::int32_t>(i);
        const std::vector<bool> closed = model->ClosedFaces(order);
        ASSERT_EQ(closed.size(), order.size()) << c.what;
        for (std::size_t i = 0; i < closed.size(); ++i) {
            const bool open =
                std::find(c.open.begin(), c.open.end(), static_cast<int>(i)) != c.open.end();
            EXPECT_EQ(closed[i], !open) << c.what << ", face " << i;
        }
    }
    // Only closed pieces of the large rectangles cull: the whole cube's sides are one square unit
    // each, one material within 3 units, so one piece; without the top, the pieces are cut where
    // faces turn from closed to open.
    const auto cube = ModelOfTriangles(Cube(true, false));
    ASSERT_EQ(cube->opaquePieces.size(), 1u);
    EXPECT_TRUE(cube->opaquePieces[0].cullsBack);
    const auto open = ModelOfTriangles(Cube(false, false));
    EXPECT_EQ(open->opaquePieces.size(), 8u);
    for (const obj3dmodel::Piece& piece : open->opaquePieces) {
        EXPECT_EQ(piece.cullsBack, piece.closed);
        EXPECT_EQ(piece.closed, piece.first < 3 || piece.first % 2 == 0) << piece.first;
    }
}

}  // namespace
