// Reading the generated models with the game's reader, ray casting over their triangles, and the
// player's reach over the game's walkability grid.
#include "data/house_scene.h"

#include <algorithm>  // Required for: std::sort(), std::min(), std::max()
#include <cmath>      // Required for: std::fabs(), std::sqrt(), std::atan2(), std::remainder()
#include <deque>      // Required for: std::deque
#include <fstream>    // Required for: std::ifstream
#include <set>        // Required for: std::set
#include <sstream>    // Required for: std::ostringstream
#include <tuple>      // Required for: std::tuple

#include "assets/obj_model.h"
#include "gameplay/keypad.h"
#include "world/walk_grid.h"
#include "world/wall_layout.h"

namespace housecheck {

Box PickBox(int index) {
    const ::PickBox& box = g_pickBoxes[index];
    return Box{{box.min[0], box.min[1], box.min[2]}, {box.max[0], box.max[1], box.max[2]}};
}

std::string ModelBase(const std::string& name) {
    return std::string(ESCAPE_HOUSE_BUILD_DIR) + "/Data/Model/" + name;
}

LoadedModel LoadModel(const std::string& name) {
    LoadedModel loaded;
    const std::string base = ModelBase(name);
    std::ifstream file(base + ".obj", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    obj3dmodel model;
    if (!model.TryLoadMtl(base.c_str(), &loaded.error) ||
        !model.ParseObj(text.str(), (base + ".obj").c_str(), &loaded.error, &loaded.warning)) {
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

namespace {

double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Point Cross(Point a, Point b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double Coordinate(Point p, int axis) {
    return axis == 0 ? p.x : (axis == 1 ? p.y : p.z);
}

Box Union(const Box& a, const Box& b) {
    return Box{
        {std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y), std::min(a.min.z, b.min.z)},
        {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y), std::max(a.max.z, b.max.z)}};
}
Box TriangleBounds(const Triangle& t) {
    return Union(Union(Box{t.a, t.a}, Box{t.b, t.b}), Box{t.c, t.c});
}

// Slab test: does the ray enter the box before maxT?
bool RayHitsBox(const Box& box, Point origin, Point inverse, double maxT) {
    double near = 0.0, far = maxT;
    for (int axis = 0; axis < 3; ++axis) {
        const double o = Coordinate(origin, axis), inv = Coordinate(inverse, axis);
        const double t0 = (Coordinate(box.min, axis) - o) * inv;
        const double t1 = (Coordinate(box.max, axis) - o) * inv;
        near = std::max(near, std::min(t0, t1));
        far = std::min(far, std::max(t0, t1));
        if (near > far) return false;
    }
    return true;
}

// Möller and Trumbore's ray-triangle test, both sides.
bool RayHitsTriangle(const Triangle& t, Point origin, Point direction, double* distance) {
    const Point e1 = t.b - t.a, e2 = t.c - t.a;
    const Point p = Cross(direction, e2);
    const double det = Dot(e1, p);
    if (std::fabs(det) < 1e-14) return false;
    const Point s = origin - t.a;
    const double u = Dot(s, p) / det;
    const Point q = Cross(s, e1);
    const double v = Dot(direction, q) / det;
    if (u < 0.0 || u > 1.0 || v < 0.0 || u + v > 1.0) return false;
    *distance = Dot(e2, q) / det;
    return true;
}

// Separating-axis test of a triangle against a box (Akenine-Möller): the box's three axes, the
// triangle's normal and the nine cross products of edges.
bool TriangleTouchesBox(const Triangle& triangle, const Box& box) {
    const Point centre = (box.min + box.max) * 0.5;
    const Point half = (box.max - box.min) * 0.5;
    const Point v[3] = {triangle.a - centre, triangle.b - centre, triangle.c - centre};
    const Point edges[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
    const Point units[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    std::vector<Point> axes(units, units + 3);
    axes.push_back(Cross(edges[0], edges[1]));
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

}  // namespace

Box BoundsOf(const std::vector<Triangle>& triangles) {
    Box bounds{{1e9, 1e9, 1e9}, {-1e9, -1e9, -1e9}};
    for (const Triangle& t : triangles) bounds = Union(bounds, TriangleBounds(t));
    return bounds;
}

struct RayCaster::Node {
    Box bounds;
    int left, right;   // children, or -1 for a leaf
    int first, count;  // the leaf's triangles in order_
};

RayCaster::RayCaster(std::vector<Triangle> triangles) : triangles_(std::move(triangles)) {
    for (size_t i = 0; i < triangles_.size(); ++i) order_.push_back(static_cast<int>(i));
    if (!triangles_.empty()) Build(0, static_cast<int>(triangles_.size()));
}

RayCaster::~RayCaster() = default;

// Halves the triangles along the longest side of their bounds, down to leaves of four.
int RayCaster::Build(int first, int count) {
    const int index = static_cast<int>(nodes_.size());
    Box bounds = TriangleBounds(triangles_[order_[first]]);
    for (int i = first + 1; i < first + count; ++i) {
        bounds = Union(bounds, TriangleBounds(triangles_[order_[i]]));
    }
    nodes_.push_back(Node{bounds, -1, -1, first, count});
    if (count <= 4) return index;
    const Point extent = bounds.max - bounds.min;
    const int axis =
        extent.x >= extent.y && extent.x >= extent.z ? 0 : (extent.y >= extent.z ? 1 : 2);
    auto centre = [&](int t) {
        return Coordinate(triangles_[t].a + triangles_[t].b + triangles_[t].c, axis);
    };
    const auto begin = order_.begin() + first;
    std::nth_element(begin, begin + count / 2, begin + count,
                     [&](int a, int b) { return centre(a) < centre(b); });
    const int left = Build(first, count / 2);
    const int right = Build(first + count / 2, count - count / 2);
    nodes_[index].left = left;
    nodes_[index].right = right;
    return index;
}

template <typename Enter, typename Leaf>
bool RayCaster::Visit(Enter enter, Leaf leaf) const {
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

bool RayCaster::Nearest(Point origin, Point direction, double minT, double maxT, double* t) const {
    const Point inverse{1.0 / direction.x, 1.0 / direction.y, 1.0 / direction.z};
    double best = maxT;
    Visit([&](const Box& bounds) { return RayHitsBox(bounds, origin, inverse, best); },
          [&](const Triangle& triangle) {
              double distance;
              if (RayHitsTriangle(triangle, origin, direction, &distance) && distance > minT &&
                  distance < best) {
                  best = distance;
              }
              return false;
          });
    if (best < maxT) *t = best;
    return best < maxT;
}

bool RayCaster::AnyInBox(const Box& box) const {
    return Visit(
        [&](const Box& b) {
            return b.min.x <= box.max.x && b.max.x >= box.min.x && b.min.y <= box.max.y &&
                   b.max.y >= box.min.y && b.min.z <= box.max.z && b.max.z >= box.min.z;
        },
        [&](const Triangle& triangle) { return TriangleTouchesBox(triangle, box); });
}

const HouseScene& Scene() {
    static const HouseScene scene = [] {
        HouseScene s{.house = LoadModel("house_main"),
                     .hammer = LoadModel("house_hammer"),
                     .bread = LoadModel("bread1"),
                     .bookcase = LoadModel("bookcase1")};
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

Point StandingCell::Eye() const {
    return Point{(row - 0.5) * 0.2, FloorY() + 1.0, -10.0 + (column - 0.5) * 0.2};
}

namespace {

// The game's grid laid out afresh; the state of one cell: wall, stairs or free.
void LayOutGrid(bool passageOpen) {
    InitWalkGrid();
    BuildWallLayout();
    if (passageOpen) OpenBookcasePassage();
}
bool InWall(bool upper, int row, int column) {
    const WalkCell& cell = g_walkGrid[row][column];
    return upper ? cell.upper == kUpperWall : cell.ground == kGroundWall;
}

}  // namespace

bool IsWallCell(int row, int column, bool upper, bool passageOpen) {
    LayOutGrid(passageOpen);
    return CellInGrid(row, column) && InWall(upper, row, column);
}

std::vector<StandingCell> StandingCells(bool passageOpen) {
    LayOutGrid(passageOpen);
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
                // The stairs carry the player to the other floor, 25 rows on.
                State next{upper, r, c};
                if (upper && g_walkGrid[r][c].upper == kUpperStairsDown) next = {false, r + 25, c};
                if (!upper && g_walkGrid[r][c].ground == kGroundStairsUp) next = {true, r - 25, c};
                if (seen.insert(next).second) queue.push_back(next);
            }
        }
    }
    return cells;
}

double SeenShare(Point eye, const SightTarget& target, bool passageOpen, int steps,
                 const double* facingYaw, double halfHeight, Point* firstHit) {
    constexpr double kRadian = 3.14159265358979323846 / 180.0;
    const Box& box = target.sampleIn;
    int seen = 0;
    for (int i = 0; i < steps * steps * steps; ++i) {
        const Point point{box.min.x + (box.max.x - box.min.x) * (i / (steps * steps) + 0.5) / steps,
                          box.min.y + (box.max.y - box.min.y) * (i / steps % steps + 0.5) / steps,
                          box.min.z + (box.max.z - box.min.z) * (i % steps + 0.5) / steps};
        const Point line = point - eye;
        const double across = std::sqrt(line.x * line.x + line.z * line.z);
        // The point's depth in the view: turned to face it, or facing the given yaw (the view
        // looks along (-sin yaw, -cos yaw) and never tilts).
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
        if (!Scene().For(passageOpen).Nearest(eye, direction, kNearPlane, length + 1.0, &t)) {
            continue;
        }
        const Point hit = eye + direction * t;
        if (target.model != nullptr
                ? target.model->Nearest(eye, direction, kNearPlane, length + 1.0, &own) &&
                      own <= t + 1e-9
                : FindPickBox(hit.x, hit.y, hit.z) == target.box) {
            if (seen++ == 0 && firstHit != nullptr) *firstHit = hit;
        }
    }
    return static_cast<double>(seen) / (steps * steps * steps);
}

Sighting FindSightingOf(const SightTarget& target, bool upstairs, bool passageOpen) {
    const Point middle = (target.sampleIn.min + target.sampleIn.max) * 0.5;
    auto horizontal = [&](const StandingCell& cell) {
        const Point line = cell.Eye() - middle;
        return std::sqrt(line.x * line.x + line.z * line.z);
    };
    std::vector<StandingCell> cells;
    for (const StandingCell& cell : StandingCells(passageOpen)) {
        if (cell.upper == upstairs && horizontal(cell) >= 0.5) cells.push_back(cell);
    }
    std::stable_sort(cells.begin(), cells.end(), [&](const StandingCell& a, const StandingCell& b) {
        return horizontal(a) < horizontal(b);
    });
    Point hit;
    for (const StandingCell& cell : cells) {
        // A little inside the view's height, so that the point is drawn well inside the window.
        if (SeenShare(cell.Eye(), target, passageOpen, 5, nullptr, kHalfViewHeightDegrees - 0.5,
                      &hit) > 0) {
            return Sighting{true, cell, hit};
        }
    }
    return Sighting{};
}

SightTarget BoxTarget(int box) {
    return SightTarget{PickBox(box), box, nullptr};
}

SightTarget KeptItemTarget(int item) {
    return SightTarget{BoundsOf(Scene().keptItems[item].triangles), -1,
                       Scene().keptItemRays[item].get()};
}

}  // namespace housecheck
