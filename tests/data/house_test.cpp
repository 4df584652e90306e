// The generated models and pictures through the game's own readers, and the house as the player
// meets it: walls where they are seen, no crack, things in sight, each place picked where seen.
#include <GL/gl.h>   // Required for: glClear(), glPushMatrix(), glReadPixels()
#include <GL/glu.h>  // Required for: gluUnProject()
#include <gtest/gtest.h>
#include <unistd.h>  // Required for: getpid()

#include <algorithm>  // Required for: std::nth_element(), std::stable_sort(), std::min(), std::max()
#include <cmath>      // Required for: std::fabs(), std::sqrt(), std::atan2(), std::remainder()
#include <cstdlib>    // Required for: std::getenv(), std::system()
#include <deque>      // Required for: std::deque
#include <filesystem>  // Required for: std::filesystem
#include <fstream>     // Required for: std::ifstream
#include <functional>  // Required for: std::function
#include <iterator>    // Required for: std::istreambuf_iterator
#include <map>         // Required for: std::map
#include <memory>      // Required for: std::unique_ptr
#include <set>         // Required for: std::set
#include <sstream>     // Required for: std::istringstream
#include <string>      // Required for: std::string
#include <tuple>       // Required for: std::tuple
#include <utility>     // Required for: std::pair
#include <vector>      // Required for: std::vector

#include "app/frame.h"
#include "app/scene.h"
#include "assets/bmp_reader.h"
#include "assets/obj_model.h"
#include "assets/skybox.h"
#include "assets/targa_image.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/pick_boxes.h"
#include "gameplay/picking.h"
#include "gameplay/progress.h"
#include "hud/icon_bar.h"
#include "platform/toolkit.h"
#include "support/game_window.h"
#include "world/camera.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace {

namespace fs = std::filesystem;
const std::string kBuildFolder = ESCAPE_HOUSE_BUILD_DIR;
constexpr double kRadian = 3.14159265358979323846 / 180.0;

// clang-format off
struct Point { double x = 0, y = 0, z = 0; };
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point operator*(Point a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point Cross(Point a, Point b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Axis(Point p, int axis) { return axis == 0 ? p.x : (axis == 1 ? p.y : p.z); }
struct Triangle { Point a, b, c; };
// clang-format on

struct Box {
    Point min, max;
    Box Grown(double by) const { return {min - Point{by, by, by}, max + Point{by, by, by}}; }
    bool Contains(Point p) const {
        return p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y && p.z >= min.z &&
               p.z <= max.z;
    }
    bool Meets(const Box& b) const {
        return b.min.x <= max.x && b.max.x >= min.x && b.min.y <= max.y && b.max.y >= min.y &&
               b.min.z <= max.z && b.max.z >= min.z;
    }
};

Box Union(const Box& a, const Box& b) {
    return Box{
        {std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y), std::min(a.min.z, b.min.z)},
        {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y), std::max(a.max.z, b.max.z)}};
}
Box BoundsOf(const std::vector<Triangle>& triangles) {
    Box bounds{{1e9, 1e9, 1e9}, {-1e9, -1e9, -1e9}};
    for (const Triangle& t : triangles) {
        bounds = Union(Union(Union(bounds, Box{t.a, t.a}), Box{t.b, t.b}), Box{t.c, t.c});
    }
    return bounds;
}
Box PickBoxAt(int index) {
    const ::PickBox& box = g_pickBoxes[index];
    return Box{{box.min[0], box.min[1], box.min[2]}, {box.max[0], box.max[1], box.max[2]}};
}
std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string ModelBase(const std::string& name) {
    return kBuildFolder + "/Data/Model/" + name;
}

// One model through the game's reader; parts: faces, positions, texture coordinates, normals,
// materials, textures.
struct LoadedModel {
    std::vector<Triangle> triangles;
    std::string error, warning;
    std::vector<int> parts;
};
LoadedModel LoadModel(const std::string& name) {
    LoadedModel loaded;
    const std::string base = ModelBase(name);
    const std::vector<std::uint8_t> text = ReadFileBytes(base + ".obj");
    obj3dmodel model;
    if (!model.TryLoadMtl(base.c_str(), &loaded.error) ||
        !model.ParseObj(std::string(text.begin(), text.end()), (base + ".obj").c_str(),
                        &loaded.error, &loaded.warning)) {
        return loaded;
    }
    for (size_t count : {model.faces.size(), model.positions.size(), model.texCoords.size(),
                         model.normals.size(), model.names.size(), model.bitmaps.size()}) {
        loaded.parts.push_back(static_cast<int>(count));
    }
    for (const obj3dmodel::Face& face : model.faces) {
        auto corner = [&](int k) {
            const obj3dmodel::Vec3D& p = model.positions.at(face.position[k] - 1);
            return Point{p.x, p.y, p.z};
        };
        loaded.triangles.push_back(Triangle{corner(0), corner(1), corner(2)});
    }
    return loaded;
}

// Möller and Trumbore's ray-triangle test, both sides: the distance along the ray, or -1.
double RayMeetsTriangle(const Triangle& t, Point origin, Point direction) {
    const Point e1 = t.b - t.a, e2 = t.c - t.a, p = Cross(direction, e2), s = origin - t.a;
    const double det = Dot(e1, p);
    const Point q = Cross(s, e1);
    const double u = Dot(s, p) / det, v = Dot(direction, q) / det;
    if (std::fabs(det) < 1e-14 || u < 0.0 || u > 1.0 || v < 0.0 || u + v > 1.0) return -1.0;
    return Dot(e2, q) / det;
}

// Separating-axis test of a triangle against a box.
bool TriangleTouchesBox(const Triangle& triangle, const Box& box) {
    const Point centre = (box.min + box.max) * 0.5, half = (box.max - box.min) * 0.5;
    const Point v[3] = {triangle.a - centre, triangle.b - centre, triangle.c - centre};
    const Point edges[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
    const Point units[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    std::vector<Point> axes{units[0], units[1], units[2], Cross(edges[0], edges[1])};
    for (const Point& unit : units) {
        for (const Point& edge : edges) axes.push_back(Cross(unit, edge));
    }
    for (const Point& axis : axes) {
        const double p0 = Dot(v[0], axis), p1 = Dot(v[1], axis), p2 = Dot(v[2], axis);
        const double r =
            half.x * std::fabs(axis.x) + half.y * std::fabs(axis.y) + half.z * std::fabs(axis.z);
        if (Dot(axis, axis) > 1e-18 &&
            (std::min({p0, p1, p2}) > r || std::max({p0, p1, p2}) < -r)) {
            return false;
        }
    }
    return true;
}

// Nearest hits of rays against triangles, over a tree of boxes with leaves of four.
class RayCaster {
public:
    explicit RayCaster(std::vector<Triangle> triangles) : triangles_(std::move(triangles)) {
        for (size_t i = 0; i < triangles_.size(); ++i) order_.push_back(static_cast<int>(i));
        if (!triangles_.empty()) Build(0, static_cast<int>(triangles_.size()));
    }
    bool Nearest(Point origin, Point direction, double minT, double maxT, double* t) const {
        double best = maxT;
        Visit(
            [&](const Box& box) {  // slab test
                double near = 0.0, far = best;
                for (int axis = 0; axis < 3 && near <= far; ++axis) {
                    const double o = Axis(origin, axis), inverse = 1.0 / Axis(direction, axis);
                    const double t0 = (Axis(box.min, axis) - o) * inverse;
                    const double t1 = (Axis(box.max, axis) - o) * inverse;
                    near = std::max(near, std::min(t0, t1)), far = std::min(far, std::max(t0, t1));
                }
                return near <= far;
            },
            [&](const Triangle& triangle) {
                const double distance = RayMeetsTriangle(triangle, origin, direction);
                if (distance > minT && distance < best) best = distance;
                return false;
            });
        if (best < maxT) *t = best;
        return best < maxT;
    }
    bool AnyInBox(const Box& box) const {
        return Visit([&](const Box& b) { return box.Meets(b); },
                     [&](const Triangle& triangle) { return TriangleTouchesBox(triangle, box); });
    }

private:
    struct Node {
        Box bounds;
        int left, right, first, count;  // children (-1 for a leaf), the leaf's run in order_
    };
    std::vector<Triangle> triangles_;
    std::vector<Node> nodes_;
    std::vector<int> order_;
    int Build(int first, int count) {
        const int index = static_cast<int>(nodes_.size());
        std::vector<Triangle> run;
        for (int i = first; i < first + count; ++i) run.push_back(triangles_[order_[i]]);
        const Box bounds = BoundsOf(run);
        nodes_.push_back(Node{bounds, -1, -1, first, count});
        if (count <= 4) return index;
        const Point extent = bounds.max - bounds.min;
        const int axis =
            extent.x >= extent.y && extent.x >= extent.z ? 0 : (extent.y >= extent.z ? 1 : 2);
        auto centre = [&](int t) {
            return Axis(triangles_[t].a + triangles_[t].b + triangles_[t].c, axis);
        };
        const auto begin = order_.begin() + first;
        std::nth_element(begin, begin + count / 2, begin + count,
                         [&](int a, int b) { return centre(a) < centre(b); });
        const int left = Build(first, count / 2);
        nodes_[index].right = Build(first + count / 2, count - count / 2);
        nodes_[index].left = left;
        return index;
    }
    template <typename Enter, typename Leaf>
    bool Visit(Enter enter, Leaf leaf) const {
        std::vector<int> stack{0};
        while (!nodes_.empty() && !stack.empty()) {
            const Node& node = nodes_[stack.back()];
            stack.pop_back();
            if (!enter(node.bounds)) continue;
            if (node.left >= 0) stack.insert(stack.end(), {node.left, node.right});
            for (int i = node.first; node.left < 0 && i < node.first + node.count; ++i) {
                if (leaf(triangles_[order_[i]])) return true;
            }
        }
        return false;
    }
};

// Notes and keys kept once taken: each its own model, drawn until its pick box gives it.
const struct {
    const char* model;
    int box;
} kKeptItems[4] = {{"house_note1", 0}, {"house_key1", 1}, {"house_key2", 7}, {"house_note3", 9}};

// The models read once; rays with the bookcase closed and slid open as the game draws it.
struct HouseScene {
    LoadedModel house, hammer, bread, bookcase, keptItems[4] = {};
    std::unique_ptr<RayCaster> keptItemRays[4] = {}, closed = {}, open = {};
    const RayCaster& For(bool passageOpen) const { return passageOpen ? *open : *closed; }
};
const HouseScene& Scene() {
    static const HouseScene scene = [] {
        HouseScene s{LoadModel("house_main"), LoadModel("house_hammer"), LoadModel("bread1"),
                     LoadModel("bookcase1")};
        std::vector<Triangle> closed = s.house.triangles;
        for (int item = 0; item < 4; ++item) {
            s.keptItems[item] = LoadModel(kKeptItems[item].model);
            s.keptItemRays[item] = std::make_unique<RayCaster>(s.keptItems[item].triangles);
        }
        for (const LoadedModel* part : {&s.hammer, &s.bread, &s.keptItems[0], &s.keptItems[1],
                                        &s.keptItems[2], &s.keptItems[3]}) {
            closed.insert(closed.end(), part->triangles.begin(), part->triangles.end());
        }
        std::vector<Triangle> open = closed;
        for (const Triangle& t : s.bookcase.triangles) {
            const Point shift{0.0, 0.0, kBookcaseOpenOffset};
            closed.push_back(t);
            open.push_back(Triangle{t.a + shift, t.b + shift, t.c + shift});
        }
        s.closed = std::make_unique<RayCaster>(std::move(closed));
        s.open = std::make_unique<RayCaster>(std::move(open));
        return s;
    }();
    return scene;
}

// The house's own outline with its outer walls and roofs, where every line of sight from inside
// must end (the lawn lies just below the floors), and the room behind the bookcase.
constexpr Box kHouseBounds{{0.0, -0.01, -9.95}, {13.25, 6.1, 0.25}};
constexpr Box kHiddenRoom{{11.03, -0.01, -2.45}, {13.25, 2.9, 0.0}};
// The view spans 30 degrees from top to bottom (the player cannot look up or down) and, in the
// 800 by 600 window, atan(4/3 tan 15) = 19.65 degrees to either side.
constexpr double kHalfViewHeightDegrees = 15.0;
constexpr double kHalfViewWidthDegrees = 19.65;

struct StandingCell {
    int row = 0, column = 0;
    bool upper = false;
    double FloorY() const { return upper ? 3.0 : 0.0; }
    Point Eye() const { return {(row - 0.5) * 0.2, FloorY() + 1.0, -10.0 + (column - 0.5) * 0.2}; }
};

bool InWall(bool upper, int row, int column) {
    const WalkCell& cell = g_walkGrid[row][column];
    return upper ? cell.upper == kUpperWall : cell.ground == kGroundWall;
}

// Walks the freshly laid-out grid from the start upstairs; stairs carry the player 25 rows on.
std::vector<StandingCell> StandingCells(bool passageOpen) {
    InitWalkGrid();
    BuildWallLayout();
    if (passageOpen) OpenBookcasePassage();
    using State = std::tuple<bool, int, int>;  // upper, row, column
    std::deque<State> queue{{true, CellRow(3.0f), CellColumn(-1.0f)}};
    std::set<State> seen(queue.begin(), queue.end());
    std::vector<StandingCell> cells;
    for (; !queue.empty(); queue.pop_front()) {
        const auto [upper, row, column] = queue.front();
        if (!InWall(upper, row, column)) cells.push_back(StandingCell{row, column, upper});
        for (int r = row - 1; r <= row + 1; ++r) {
            for (int c = column - 1; c <= column + 1; ++c) {
                if (!CellInGrid(r, c) || InWall(upper, r, c)) continue;
                State next{upper, r, c};
                if (upper && g_walkGrid[r][c].upper == kUpperStairsDown) next = {false, r + 25, c};
                if (!upper && g_walkGrid[r][c].ground == kGroundStairsUp) next = {true, r - 25, c};
                if (seen.insert(next).second) queue.push_back(next);
            }
        }
    }
    return cells;
}

// A pick box (a click on the first surface there picks it), or a kept item's own triangles; or
// a part of the house: a surface (seen where the first thing on the way lies in it) or an opening
// (seen where nothing lies on the way to it).
struct SightTarget {
    Box sampleIn;
    int box = -1;
    const RayCaster* model = nullptr;
    enum class Part { kNone, kSurface, kOpening } part = Part::kNone;
};
SightTarget Target(bool keptItem, int index) {
    if (!keptItem) return SightTarget{PickBoxAt(index), index, nullptr};
    return SightTarget{BoundsOf(Scene().keptItems[index].triangles), -1,
                       Scene().keptItemRays[index].get()};
}

// The share of steps^3 points in the target the eye sees within `halfHeight` degrees of the
// horizon (and the view's width if facingYaw), the target first on the way; *firstHit: the first.
double SeenShare(Point eye, const SightTarget& target, bool passageOpen, int steps = 6,
                 const double* facingYaw = nullptr, double halfHeight = kHalfViewHeightDegrees,
                 Point* firstHit = nullptr) {
    const Box& box = target.sampleIn;
    int seen = 0;
    for (int i = 0; i < steps * steps * steps; ++i) {
        const Point point{box.min.x + (box.max.x - box.min.x) * (i / (steps * steps) + 0.5) / steps,
                          box.min.y + (box.max.y - box.min.y) * (i / steps % steps + 0.5) / steps,
                          box.min.z + (box.max.z - box.min.z) * (i % steps + 0.5) / steps};
        const Point line = point - eye;
        const double across = std::sqrt(line.x * line.x + line.z * line.z);
        // Depth in the view: facing the point, or the yaw (looking along -sin yaw, -cos yaw).
        double ahead = across;
        if (facingYaw != nullptr) {
            const double off =
                std::remainder(std::atan2(-line.x, -line.z) / kRadian - *facingYaw, 360.0);
            if (std::fabs(off) > kHalfViewWidthDegrees) continue;
            ahead = across * std::cos(off * kRadian);
        }
        if (std::fabs(line.y) > ahead * std::tan(halfHeight * kRadian)) continue;
        const double length = std::sqrt(across * across + line.y * line.y);
        const Point direction = line * (1.0 / length);
        double t = 0.0, own = 0.0;
        const bool blocked =
            Scene().For(passageOpen).Nearest(eye, direction, kNearPlane, length + 1.0, &t);
        if (target.part == SightTarget::Part::kOpening) {
            seen += !blocked || t >= length - 1e-6;
            continue;
        }
        if (!blocked) continue;
        const Point hit = eye + direction * t;
        if (target.model != nullptr
                ? target.model->Nearest(eye, direction, kNearPlane, length + 1.0, &own) &&
                      own <= t + 1e-9
            : target.part == SightTarget::Part::kSurface
                ? target.sampleIn.Grown(0.005).Contains(hit)
                : FindPickBox(hit.x, hit.y, hit.z) == target.box) {
            if (seen++ == 0 && firstHit != nullptr) *firstHit = hit;
        }
    }
    return static_cast<double>(seen) / (steps * steps * steps);
}

// The nearest standing cell on the floor, from 0.5 away, that sees the target well inside the view.
struct Sighting {
    bool found = false;
    StandingCell cell;
    Point hit;
};
Sighting FindSightingOf(const SightTarget& target, bool upstairs, bool passageOpen) {
    const Point middle = (target.sampleIn.min + target.sampleIn.max) * 0.5;
    auto horizontal = [&](const StandingCell& cell) {
        const Point line = cell.Eye() - middle;
        return std::sqrt(line.x * line.x + line.z * line.z);
    };
    std::vector<StandingCell> cells = StandingCells(passageOpen);
    std::stable_sort(cells.begin(), cells.end(), [&](const StandingCell& a, const StandingCell& b) {
        return horizontal(a) < horizontal(b);
    });
    Sighting sighting;
    for (const StandingCell& cell : cells) {
        if (cell.upper == upstairs && horizontal(cell) >= 0.5 &&
            SeenShare(cell.Eye(), target, passageOpen, 5, nullptr, kHalfViewHeightDegrees - 0.5,
                      &sighting.hit) > 0) {
            return Sighting{true, cell, sighting.hit};
        }
    }
    return sighting;
}

std::uint32_t Little(const std::vector<std::uint8_t>& bytes, size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes.at(at + i);
    return value;
}

bool PowerOfTwo(int value) {
    return value > 0 && (value & (value - 1)) == 0;
}

// Read by the game's BMP reader, the file's size in its header, nothing after the pixels and
// power-of-two sides (the bar uploads icons without rescaling). The width and height.
std::pair<int, int> ExpectPlainBmp(const std::string& path) {
    const std::vector<std::uint8_t> bytes = ReadFileBytes(path);
    BmpPixels bmp;
    std::string error;
    EXPECT_TRUE(ReadBmp24File(path.c_str(), &bmp, &error)) << error;
    delete[] bmp.pixels;
    EXPECT_EQ(Little(bytes, 2, 4), bytes.size()) << path;
    EXPECT_EQ(bytes.size(), 54u + bmp.byteSize) << path;
    EXPECT_TRUE(PowerOfTwo(bmp.width) && PowerOfTwo(bmp.height))
        << path << ": " << bmp.width << " x " << bmp.height;
    return {bmp.width, bmp.height};
}

// Every part the files hold is found, and every texture is a plain BMP.
TEST(ModelFiles, TheGamesReaderReadsEveryModelWithAllItsParts) {
    int textures = 0;
    for (const char* name : {"house_main", "house_hammer", "bookcase1", "bread1", "house_note1",
                             "house_key1", "house_key2", "house_note3"}) {
        SCOPED_TRACE(name);
        std::map<std::string, int> count;
        for (const char* extension : {".obj", ".mtl"}) {
            const std::vector<std::uint8_t> bytes = ReadFileBytes(ModelBase(name) + extension);
            std::istringstream lines(std::string(bytes.begin(), bytes.end()));
            for (std::string line, word, texture; std::getline(lines, line);) {
                std::istringstream words(line);
                if (!(words >> word)) continue;
                ++count[word];
                EXPECT_LE(line.size(), 127u) << line;
                if (word == "map_Kd" && words >> texture) {
                    ExpectPlainBmp(ModelBase("") + texture);
                }
            }
        }
        const LoadedModel model = LoadModel(name);
        EXPECT_EQ(model.error, "");
        EXPECT_EQ(model.warning, "");
        EXPECT_EQ(model.parts, (std::vector<int>{count["f"], count["v"], count["vt"], count["vn"],
                                                 count["newmtl"], count["map_Kd"]}));
        textures += count["map_Kd"];
    }
    EXPECT_GT(textures, 20);
}

// Width over height as shown in the 800 by 600 window: sky, keypad, digits, screens, cards.
const struct {
    const char* names;
    double shownAspect;
} kPictureGroups[] = {
    {"otop dn ofront oback oleft oright", 1.0},
    {"clock", 300.0 / 400.0},
    {"num_1 num_2 num_3 num_4 num_5 num_6 num_7 num_8 num_9", 45.0 / 40.0},
    {"start ending1 ending2 win ending3", 800.0 / 600.0},
    {"info0 info1 info2 info3 info4 info5 info6 info7 info8", 240.0 / 360.0},
};

// True colour, no colour map, run-length only where smaller, some top row first (the game's row
// flip meets real data), the sky faces equal power-of-two squares, read by the game's reader.
TEST(PictureFiles, EveryPictureIsTrueColourOfTheShapeItIsShownAt) {
    int topFirst = 0, runLength = 0, files = 0, skySide = 0;
    for (const auto& group : kPictureGroups) {
        std::istringstream names(group.names);
        for (std::string name; names >> name; ++files) {
            const std::string path = "Data/Picture/" + name + ".tga";
            SCOPED_TRACE(path);
            const std::vector<std::uint8_t> bytes = ReadFileBytes(kBuildFolder + "/" + path);
            ASSERT_GE(bytes.size(), 18u) << "missing";
            const int width = static_cast<int>(Little(bytes, 12, 2));
            const int height = static_cast<int>(Little(bytes, 14, 2));
            EXPECT_EQ(bytes[1], 0) << "no colour map";
            EXPECT_EQ(bytes[16], 24);
            EXPECT_EQ(bytes[17] & ~32, 0) << "no alpha bits, no right-to-left rows";
            if (bytes[2] == 10) {
                EXPECT_LT(bytes.size(), 18u + bytes[0] + 3u * width * height);
                ++runLength;
            } else {
                EXPECT_EQ(bytes[2], 2);
            }
            topFirst += (bytes[17] & 32) != 0;
            EXPECT_NEAR(static_cast<double>(width) / height, group.shownAspect, 0.03)
                << width << " x " << height;
            if (group.shownAspect == 1.0) {
                EXPECT_TRUE(PowerOfTwo(width)) << width;
                if (skySide == 0) skySide = width;
                EXPECT_EQ(width, skySide);
            }
            CTargaImage image;
            EXPECT_TRUE(image.LoadFile((kBuildFolder + "/" + path).c_str())) << image.LastError();
            EXPECT_TRUE(image.Width() == width && image.Height() == height);
        }
    }
    EXPECT_EQ(files, 30);
    EXPECT_GE(topFirst, 1);
    EXPECT_GE(runLength, 1);
}

// The bar's background is drawn over 168 by 69, its slots over 30 by 30 (no side scaled up by more
// than half); a note is shown at its own size and must be large enough to read.
TEST(IconFiles, EveryIconIsAPlainBmpOfTheSizeItIsShownAt) {
    for (int i = 0; i < kIconPictureCount; ++i) {
        const auto [width, height] = ExpectPlainBmp(kBuildFolder + "/" + g_iconFiles[i]);
        const int kind = i == 0 ? 0 : (i < kIconBarEntryCount ? 1 : 2);
        const int limits[3][4] = {{112, 4096, 46, 4096}, {20, 45, 20, 45}, {256, 512, 1, 384}};
        EXPECT_TRUE(width >= limits[kind][0] && width <= limits[kind][1] &&
                    height >= limits[kind][2] && height <= limits[kind][3] &&
                    (kind != 1 || width == height))
            << g_iconFiles[i] << ": " << width << " x " << height;
    }
}

TEST(Determinism, TwoRunsOfTheGeneratorAndTheBuildsDataHoldTheSameBytes) {
    // One folder per process: builds side by side may run this test at the same time.
    const std::string scratch =
        fs::temp_directory_path().string() + "/escape-house-data-twice-" + std::to_string(getpid());
    const std::string generator = "'" + kBuildFolder + "/escape-house-data' '" + scratch;
    const std::string compare = "diff -r -q -x .generated '" + scratch + "/first/Data' '";
    for (const std::string& command :
         {generator + "/first'", generator + "/second'", compare + scratch + "/second/Data'",
          compare + kBuildFolder + "/Data'"}) {
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }
    fs::remove_all(scratch);
}

std::string Named(bool upper, int row, int column) {
    return (upper ? " upper(" : " ground(") + std::to_string(row) + "," + std::to_string(column) +
           ")";
}

class PassageState : public testing::TestWithParam<bool> {};

TEST_P(PassageState, EveryStandingCellIsClearAndEveryWallBesideItIsSeen) {
    const bool open = GetParam();
    const RayCaster& scene = Scene().For(open);
    std::string crowded, floorless, invisible;
    std::set<std::tuple<bool, int, int>> walls;
    const std::vector<StandingCell> cells = StandingCells(open);
    for (const StandingCell& cell : cells) {
        const Point eye = cell.Eye();
        // Knee to head height; a square of half-side 0.1 is a little stricter than a circle.
        const double low = cell.FloorY() + 0.2, high = cell.FloorY() + 1.8;
        if (scene.AnyInBox(
                {{eye.x - 0.0999, low, eye.z - 0.0999}, {eye.x + 0.0999, high, eye.z + 0.0999}})) {
            crowded += Named(cell.upper, cell.row, cell.column);
        }
        double down = 0.0, up = 0.0;
        if (!scene.Nearest(eye, Point{0, -1, 0}, 0.0, 10.0, &down) ||
            std::abs(down - 1.0) > 0.002 || !scene.Nearest(eye, Point{0, 1, 0}, 0.0, 10.0, &up) ||
            up > 5.0) {
            floorless += Named(cell.upper, cell.row, cell.column);
        }
        for (int row = cell.row - 1; row <= cell.row + 1; ++row) {
            for (int column = cell.column - 1; column <= cell.column + 1; ++column) {
                // Up to 0.02 outside the cell (the front door's leaf is behind its recess).
                if (CellInGrid(row, column) && InWall(cell.upper, row, column) &&
                    walls.insert({cell.upper, row, column}).second &&
                    !scene.AnyInBox({{row * 0.2 - 0.22, low, column * 0.2 - 10.22},
                                     {row * 0.2 + 0.02, high, column * 0.2 - 9.98}})) {
                    invisible += Named(cell.upper, row, column);
                }
            }
        }
    }
    EXPECT_GT(cells.size(), 1000u);
    EXPECT_GT(walls.size(), 300u);
    EXPECT_EQ(crowded, "") << "walls the player walks through";
    EXPECT_EQ(floorless, "") << "cells without floor at their level or a ceiling";
    EXPECT_EQ(invisible, "") << "invisible walls";
}

// All round and over the view's height each line of sight ends on the house (glass counts), and
// while the bookcase is closed none shows the room behind it.
TEST_P(PassageState, EveryLineOfSightEndsOnTheHouse) {
    const bool open = GetParam();
    const RayCaster& scene = Scene().For(open);
    std::string leaks;
    int bad = 0, rays = 0;
    for (const StandingCell& cell : StandingCells(open)) {
        const Point eye = cell.Eye();
        for (int yaw = 0; yaw < 360; ++yaw) {
            for (int elevation = -15; elevation <= 15; elevation += 3, ++rays) {
                const double a = yaw * kRadian, e = elevation * kRadian;
                const Point direction{-std::sin(a) * std::cos(e), std::sin(e),
                                      -std::cos(a) * std::cos(e)};
                double t = 0.0;
                const bool hit = scene.Nearest(eye, direction, kNearPlane, 100.0, &t);
                const Point end = eye + direction * t;
                if ((!hit || !kHouseBounds.Contains(end) || (!open && kHiddenRoom.Contains(end))) &&
                    ++bad <= 10) {
                    leaks += Named(cell.upper, cell.row, cell.column) + " yaw " +
                             std::to_string(yaw) + " elevation " + std::to_string(elevation);
                }
            }
        }
    }
    EXPECT_GT(rays, 1000000);
    EXPECT_EQ(bad, 0) << "lines of sight that leave the house:" << leaks;
}

INSTANTIATE_TEST_SUITE_P(BookcaseClosedAndOpen, PassageState, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "PassageOpen" : "PassageClosed");
                         });

// From where the player comes: bed, hall, kitchen door, slid bookcase, landing (0.6 off) or beside.
struct InSight {
    const char* what;
    bool keptItem,
        upper;  // a kept item or a pick box; the floor of the cells the player comes from
    int index, firstRow, lastRow, firstColumn, lastColumn;
    bool passageOpen, fromEveryCell;  // seen from every standing cell of the area, or from one
    double share, facingYaw;          // of the target's points in sight; NAN when free to turn
};

// clang-format off
const InSight kInSight[] = {
    {"Note1FromTheBed", true, true, 0, 16, 16, 46, 46, false, true, 0.3, NAN},
    {"Key1FromTheBed", true, true, 1, 16, 16, 46, 46, false, true, 0.3, NAN},
    {"HammerFromTheBed", false, true, 5, 16, 16, 46, 46, false, true, 0.3, NAN},
    {"Key2FromTheHall", true, false, 2, 27, 36, 25, 25, false, false, 0.5, NAN},
    {"Note3FromTheHall", true, false, 3, 27, 36, 25, 25, false, false, 0.3, NAN},
    {"BreadFromItsDoorway", false, false, 8, 37, 37, 11, 17, false, false, 0.5, NAN},
    {"FrontDoorFromTheHall", false, false, 12, 27, 36, 27, 49, false, true, 0.5, NAN},
    {"SafeFromThePassage", false, false, 10, 54, 55, 48, 50, true, true, 0.1, NAN},
    {"KeypadFromTheLanding", false, false, 15, 51, 51, 47, 49, false, true, 0.4, -90.0},
    {"KeypadFromBesideTheLanding", false, false, 15, 50, 51, 40, 44, false, false, 0.3, NAN},
};
// clang-format on

class InSightFrom : public testing::TestWithParam<InSight> {};

TEST_P(InSightFrom, TheAreasStandingCells) {
    const InSight& sight = GetParam();
    const SightTarget target = Target(sight.keptItem, sight.index);
    const double* facing = std::isnan(sight.facingYaw) ? nullptr : &sight.facingYaw;
    int cells = 0, seeing = 0;
    std::string shares;
    for (const StandingCell& cell : StandingCells(sight.passageOpen)) {
        if (cell.upper != sight.upper || cell.row < sight.firstRow || cell.row > sight.lastRow ||
            cell.column < sight.firstColumn || cell.column > sight.lastColumn) {
            continue;
        }
        ++cells;
        const double share = SeenShare(cell.Eye(), target, sight.passageOpen, 6, facing);
        seeing += share >= sight.share;
        shares += " (" + std::to_string(cell.row) + "," + std::to_string(cell.column) + ") " +
                  std::to_string(static_cast<int>(share * 100)) + "%";
    }
    ASSERT_GT(cells, 0);
    EXPECT_TRUE(sight.fromEveryCell ? seeing == cells : seeing > 0) << shares;
}

INSTANTIATE_TEST_SUITE_P(WhereThePlayerComesIn, InSightFrom, testing::ValuesIn(kInSight),
                         [](const testing::TestParamInfo<InSight>& info) {
                             return std::string(info.param.what);
                         });

// What a player coming down the stairs, reading the sign by the boiler room, stepping in past the
// slid bookcase or coming into the kitchen must find in view without turning: the boiler room's
// doorway (its opening in the hall's face of the wall, up to the lintel, with nothing in the way),
// its door standing open inside against the outer wall, the lamp hanging behind it, the safe and
// the fresh bread. The eye stands at X, 1 above the ground floor, and at every cell centre from
// Z first to Z last; the yaw is the stairs' landing's, square to the sign, along +X, or (NAN)
// towards the target.
enum class Sought { kBoilerDoorway, kBoilerDoor, kBoilerLamp, kSafe, kBread, kCalendar };

SightTarget SoughtTarget(Sought sought) {
    using Part = SightTarget::Part;
    switch (sought) {
        case Sought::kBoilerDoorway:
            return SightTarget{
                {{5.16, 0.0, -1.03}, {5.17, 2.3, -0.17}}, -1, nullptr, Part::kOpening};
        case Sought::kBoilerDoor:
            return SightTarget{
                {{3.88, 0.0, -0.199}, {4.72, 2.294, -0.175}}, -1, nullptr, Part::kSurface};
        case Sought::kBoilerLamp:
            return SightTarget{
                {{3.6, 2.43, -0.75}, {4.0, 2.65, -0.35}}, -1, nullptr, Part::kSurface};
        case Sought::kSafe:
            return Target(false, 10);
        case Sought::kBread:
            return Target(false, 8);
        case Sought::kCalendar:
            return Target(false, 16);
    }
    return {};
}

struct FoundFrom {
    const char* what;
    Sought sought;
    double x, firstZ, lastZ, yaw;
    bool passageOpen;
    double share;  // of the target's points inside the view and seen, from each eye
};

// clang-format off
const FoundFrom kFoundFrom[] = {
    // Where the stairs land the player, looking across the hall towards the doorway.
    {"BoilerDoorwayFromTheLanding", Sought::kBoilerDoorway, 10.3, -2.2, -2.2, 104.0, false, 0.5},
    {"BoilerDoorFromTheLanding", Sought::kBoilerDoor, 10.3, -2.2, -2.2, 104.0, false, 0.5},
    {"BoilerLampFromTheLanding", Sought::kBoilerLamp, 10.3, -2.2, -2.2, 104.0, false, 0.3},
    // Three units in front of the sign, facing it squarely.
    {"BoilerDoorwayFromTheSign", Sought::kBoilerDoorway, 8.17, -1.45, -1.45, 90.0, false, 0.5},
    {"BoilerDoorFromTheSign", Sought::kBoilerDoor, 8.17, -1.45, -1.45, 90.0, false, 0.5},
    // The first cells past the slid bookcase, walking in along +X, and turned to the safe.
    {"SafeSteppingIn", Sought::kSafe, 11.1, -0.9, -0.3, -90.0, true, 0.5},
    {"SafeTurnedToIt", Sought::kSafe, 11.1, -0.9, -0.3, NAN, true, 0.5},
    // Still in the hall, in front of the doorway looking in along +X: the whole safe.
    {"SafeFromTheHallInFrontOfTheDoorway", Sought::kSafe, 10.2, -0.8, -0.4, -90.0, true, 0.95},
    // At a slant, turned to it: from the bookcase's end (Z -1.6) the slid bookcase itself hides
    // the safe's north third; a step nearer, the slender post in the doorway covers at most a
    // little of it.
    {"SafeFromTheHallAtASlant", Sought::kSafe, 10.0, -1.6, -1.6, NAN, true, 0.6},
    {"SafeFromTheHallAtASlantNearer", Sought::kSafe, 10.0, -1.4, -1.0, NAN, true, 0.7},
    // The calendar, whole, from the boiler room's doorway and from the middle of the room south
    // of the boiler, turned to it: nothing cut off at the top of the view, nothing in front.
    {"CalendarFromTheDoorway", Sought::kCalendar, 5.0, -0.9, -0.3, NAN, false, 1.0},
    {"CalendarFromInsideTheDoorway", Sought::kCalendar, 4.6, -0.9, -0.3, NAN, false, 1.0},
    {"CalendarFromTheMiddleOfTheRoom", Sought::kCalendar, 2.5, -1.9, -0.5, NAN, false, 1.0},
    // Across the kitchen's doorway, walking in along +X.
    {"BreadFromTheKitchenDoorway", Sought::kBread, 7.3, -7.9, -6.7, -90.0, false, 0.5},
};
// clang-format on

void PrintTo(const FoundFrom& from, std::ostream* out) {
    *out << from.what;
}

class SeenWithoutSearching : public testing::TestWithParam<FoundFrom> {};

TEST_P(SeenWithoutSearching, FromEveryEye) {
    const FoundFrom& from = GetParam();
    const SightTarget target = SoughtTarget(from.sought);
    const Point middle = (target.sampleIn.min + target.sampleIn.max) * 0.5;
    std::string shares;
    int eyes = 0, seeing = 0;
    for (double z = from.firstZ; z <= from.lastZ + 1e-9; z += 0.2, ++eyes) {
        const Point eye{from.x, 1.0, z};
        const double yaw = std::isnan(from.yaw)
                               ? std::atan2(eye.x - middle.x, eye.z - middle.z) / kRadian
                               : from.yaw;
        const double share = SeenShare(eye, target, from.passageOpen, 6, &yaw);
        seeing += share >= from.share;
        shares +=
            " (" + std::to_string(z) + ") " + std::to_string(static_cast<int>(share * 100)) + "%";
    }
    EXPECT_EQ(seeing, eyes) << "share seen from each eye:" << shares;
}

INSTANTIATE_TEST_SUITE_P(WhereThePlayerLooks, SeenWithoutSearching, testing::ValuesIn(kFoundFrom),
                         [](const testing::TestParamInfo<FoundFrom>& info) {
                             return std::string(info.param.what);
                         });

// From the hall, the room behind the slid bookcase reads as a lit room and not as a dark door:
// what a view from the hall shows of the room through the doorway is on average much brighter
// than what the same view shows of the hall around it. Each pixel is told apart by the point of
// the house it shows (the depth under it, un-projected); the doorway's own frame counts for
// neither.
struct LitRoomView {
    const char* what;
    double x, z, yaw;
};

// clang-format off
const LitRoomView kLitRoomViews[] = {
    {"BesideTheBookcaseLookingIn", 10.0, -1.6, -140.0},
    {"FromTheFootOfTheStairs", 9.4, -1.9, -130.0},
    {"AcrossTheHall", 7.0, -2.2, -104.0},
};
// clang-format on

void PrintTo(const LitRoomView& view, std::ostream* out) {
    *out << view.what;
}

class HiddenRoomFromTheHall : public testing::TestWithParam<LitRoomView> {};

TEST_P(HiddenRoomFromTheHall, IsBrighterThanTheHallAroundIt) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    const LitRoomView& view = GetParam();
    OpenGameWindow();
    ResetGameForTest();
    g_bookcaseOffset = kBookcaseOpenOffset;
    g_yaw = static_cast<float>(view.yaw);
    g_playerX = static_cast<float>(view.x), g_playerY = 0.0f,
    g_playerZ = static_cast<float>(view.z);
    g_posX = 3.0f - g_playerX, g_posY = 3.0f - g_playerY, g_posZ = -1.0f - g_playerZ;
    DrawFrame();
    const CameraMatrices camera = ReadCameraMatrices();
    int width = 0, height = 0;
    const std::vector<Rgb> pixels = ReadWindowPixels(&width, &height);
    std::vector<float> depth(static_cast<size_t>(width) * height);
    glReadPixels(0, 0, width, height, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
    double sum[2] = {0.0, 0.0};
    int count[2] = {0, 0};  // the room, the hall
    // Rows bottom first; the floor's name at the foot and the bar at the top right stay out.
    for (int y = 40; y < height; y += 2) {
        for (int x = 0; x < width; x += 2) {
            if (x >= width - 190 && y >= height - 110) continue;
            const size_t at = static_cast<size_t>(y) * width + x;
            if (depth[at] >= 1.0f) continue;
            GLdouble wx = 0, wy = 0, wz = 0;
            gluUnProject(x + 0.5, y + 0.5, depth[at], camera.modelview, camera.projection,
                         camera.viewport, &wx, &wy, &wz);
            const int side = wx > 11.05 && wz > -1.95 ? 0 : (wx < 10.75 ? 1 : -1);
            if (side < 0) continue;
            const Rgb& p = pixels[at];
            sum[side] += 0.299 * p.r + 0.587 * p.g + 0.114 * p.b;
            ++count[side];
        }
    }
    ASSERT_GT(count[0], 2000) << "too little of the room in view";
    ASSERT_GT(count[1], 2000) << "too little of the hall in view";
    const double room = sum[0] / count[0], hall = sum[1] / count[1];
    EXPECT_GT(room, 1.2 * hall) << "mean brightness of the room " << room << ", of the hall "
                                << hall;
}

INSTANTIATE_TEST_SUITE_P(ThroughTheDoorway, HiddenRoomFromTheHall, testing::ValuesIn(kLitRoomViews),
                         [](const testing::TestParamInfo<LitRoomView>& info) {
                             return std::string(info.param.what);
                         });

// A new game at the sighting's eye facing the hit; the pixel row showing it in column 400.
int FaceSighting(const Sighting& sighting, bool passageOpen) {
    ResetGameForTest();
    if (passageOpen) g_bookcaseOffset = kBookcaseOpenOffset;
    const Point eye = sighting.cell.Eye(), line = sighting.hit - eye;
    g_yaw = static_cast<float>(std::atan2(-line.x, -line.z) / kRadian);
    g_playerX = static_cast<float>(eye.x);
    g_playerY = static_cast<float>(sighting.cell.FloorY());
    g_playerZ = static_cast<float>(eye.z);
    g_posX = 3.0f - g_playerX, g_posY = 3.0f - g_playerY, g_posZ = -1.0f - g_playerZ;
    DrawFrame();
    const double tangent = line.y / std::sqrt(line.x * line.x + line.z * line.z);
    return static_cast<int>(
        std::lround(300.0 - tangent / std::tan(kHalfViewHeightDegrees * kRadian) * 300.0));
}

int Difference(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Each place seen is picked where clicked; a kept item vanishes when taken, returns on a restart.
TEST(HousePick, EachPlaceHoldsItsThingAndClickingItFromWhereItIsSeenPicksIt) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    OpenGameWindow();
    for (int box = 0; box < kPickBoxTotal; ++box) {
        SCOPED_TRACE("pick box " + std::to_string(box));
        const Box grown = PickBoxAt(box).Grown(0.01);
        EXPECT_TRUE(Scene().closed->AnyInBox(grown)) << "nothing in the box";
        const Box item = BoundsOf((box == 5 ? Scene().hammer : Scene().bread).triangles);
        EXPECT_TRUE((box != 5 && box != 8) ||
                    (grown.Contains(item.min) && grown.Contains(item.max)));
        EXPECT_TRUE(box != kKeypadPickBox ||
                    RayCaster(Scene().bookcase.triangles).AnyInBox(PickBoxAt(box)));
        const bool passageOpen = box == 10 || box == 11;
        EXPECT_FALSE(passageOpen && FindSightingOf(Target(false, box), false, false).found)
            << "seen through the closed bookcase";
        int kept = -1;
        for (int i = 0; i < 4; ++i) kept = kKeptItems[i].box == box ? i : kept;
        const SightTarget target = Target(kept >= 0, kept >= 0 ? kept : box);
        const Sighting sighting = FindSightingOf(target, PickBoxAt(box).min.y >= 2.5, passageOpen);
        ASSERT_TRUE(sighting.found) << "no standing cell sees it";
        const int y = FaceSighting(sighting, passageOpen), picked = PickWorld(400, y);
        EXPECT_EQ(picked, box) << "standing at row " << sighting.cell.row << " column "
                               << sighting.cell.column << ", clicking pixel (400, " << y << ")";
        if (kept < 0) continue;
        const Rgb lying = PixelAt(400, y);
        const int icon = g_boxIcon[box];
        for (const auto& [pickedBox, owned] : {std::pair{-1, 1}, {box, 0}}) {
            g_pickedBox = pickedBox, g_iconOwned[icon] = static_cast<std::uint8_t>(owned);
            DrawFrame();
            EXPECT_GT(Difference(lying, PixelAt(400, y)), 60)
                << (owned ? "icon owned" : "box just picked") << ": the item is still drawn";
        }
        g_pickedBox = -1, g_iconOwned[icon] = 0;
        DrawFrame();
        EXPECT_EQ(Difference(lying, PixelAt(400, y)), 0) << "not back after a restart";
    }
}

}  // namespace

namespace {

// The house compiled without culling, once.
const obj3dmodel& UnculledHouse() {
    static obj3dmodel* house = [] {
        auto* model = new obj3dmodel;
        model->cullTurnedAway = false;
        model->LoadObj("Data/Model/house_main");
        model->CompileLists();
        return model;
    }();
    return *house;
}

// The house in pieces, nearest first, less what the largest walls hide, the sky behind it and the
// items' pieces in view are the sky and the whole lists pixel for pixel: from standing cells all
// over both floors, looking four ways, from the cell's centre and from 0.08 towards what is ahead
// (walls come nearer, and the near plane cuts the rectangles that hide); in the 800 by 600 window
// and full screen at 1920 by 1080, where the cells that judge what is hidden are larger.
TEST(HouseFrame, TheSkyHouseAndItemsAreThePlainListsPixelForPixel) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    OpenGameWindow();
    for (const auto& [width, height] : {std::pair{800, 600}, std::pair{1920, 1080}}) {
        SCOPED_TRACE(std::to_string(width) + " by " + std::to_string(height));
        ASSERT_TRUE(ResizeTestWindow(width, height));
        const auto drawn = [](const std::function<void()>& draw) {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glPushMatrix();
            ApplyCameraTransform();
            draw();
            glPopMatrix();
            Toolkit().swapBuffers();  // keeps the frame for ReadWindowPixels
            int shownWidth = 0, shownHeight = 0;
            return ReadWindowPixels(&shownWidth, &shownHeight);
        };
        const std::vector<StandingCell> cells = StandingCells(false);
        int poses = 0;
        long culledAway = 0;
        for (std::size_t i = 0; i < cells.size(); i += 23) {
            for (const float yaw : {20.0f, 110.0f, 200.0f, 290.0f}) {
                for (const double ahead : {0.0, 0.08}) {
                    // The camera looks down -z turned by the yaw about y.
                    const Point eye = cells[i].Eye() + Point{-std::sin(yaw * kRadian) * ahead, 0.0,
                                                             -std::cos(yaw * kRadian) * ahead};
                    g_yaw = yaw;
                    g_posX = 3.0f - static_cast<float>(eye.x);
                    g_posY = 3.0f - static_cast<float>(cells[i].FloorY());
                    g_posZ = -1.0f - static_cast<float>(eye.z);
                    const std::vector<Rgb> plain = drawn([] {
                        g_skybox.Draw();
                        g_houseModel.Draw();
                        // The items as their two lists draw them; nothing is taken yet.
                        if (g_hammerVisible) g_hammerModel.Draw();
                        if (g_breadVisible) g_breadModel.Draw();
                        for (obj3dmodel* item :
                             {&g_note1Model, &g_key1Model, &g_key2Model, &g_note3Model}) {
                            item->Draw();
                        }
                        glPushMatrix();
                        glTranslatef(0.0f, 0.0f, g_bookcaseOffset);
                        g_bookcaseModel.Draw();
                        glPopMatrix();
                    });
                    const std::vector<Rgb> framed = drawn([] {
                        DrawSkyAndHouse();
                        DrawItems();
                    });
                    ASSERT_EQ(framed.size(), plain.size());
                    ASSERT_EQ(framed.size(), static_cast<std::size_t>(width) * height);
                    long differing = 0;
                    for (std::size_t p = 0; p < plain.size(); ++p) {
                        differing += framed[p].r != plain[p].r || framed[p].g != plain[p].g ||
                                     framed[p].b != plain[p].b;
                    }
                    ASSERT_EQ(differing, 0)
                        << "pixels, at" << Named(cells[i].upper, cells[i].row, cells[i].column)
                        << " facing " << yaw << ", " << ahead << " ahead";
                    // Culled, the faces turned away change only pixels they took along an edge
                    // seen at a slant or edge on: lines a pixel or two wide. A solid left open
                    // would lose whole patches of faces.
                    // (In the smaller window: the same edges, a quarter of the pixels.)
                    if (width != 800) {
                        ++poses;
                        continue;
                    }
                    const std::vector<Rgb> uncut = drawn([] { UnculledHouse().Draw(); });
                    const std::vector<Rgb> cut = drawn([] { g_houseModel.Draw(); });
                    const auto changedAt = [&](int x, int y) {
                        const std::size_t p = static_cast<std::size_t>(y) * width + x;
                        return Difference(cut[p], uncut[p]) > 0;
                    };
                    long changed = 0, inPatches = 0;
                    for (int y = 0; y < height; ++y) {
                        for (int x = 0; x < width; ++x) {
                            if (!changedAt(x, y)) continue;
                            ++changed;
                            inPatches += x > 0 && x + 1 < width && y > 0 && y + 1 < height &&
                                         changedAt(x - 1, y) && changedAt(x + 1, y) &&
                                         changedAt(x, y - 1) && changedAt(x, y + 1);
                        }
                    }
                    EXPECT_EQ(inPatches, 0) << "pixels culled in patches, at"
                                            << Named(cells[i].upper, cells[i].row, cells[i].column)
                                            << " facing " << yaw << ", " << ahead << " ahead";
                    culledAway += changed;
                    ++poses;
                }
            }
        }
        EXPECT_GT(poses, 400);
        EXPECT_LT(culledAway, poses * 8L) << "pixels culled in " << poses << " views";
    }
    ResizeTestWindow(800, 600);
}

}  // namespace
