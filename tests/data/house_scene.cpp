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

LoadedModel LoadModel(const std::string& name, Point offset) {
    LoadedModel loaded;
    const std::string base = ModelBase(name);
    obj3dmodel model;
    if (!model.TryLoadMtl(base.c_str(), &loaded.error)) return loaded;
    const std::string path = base + ".obj";
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        loaded.error = path + ": cannot open";
        return loaded;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!model.ParseObj(text.str(), path.c_str(), &loaded.error, &loaded.warning)) return loaded;
    loaded.faceCount = static_cast<int>(model.faces.size());
    loaded.positionCount = static_cast<int>(model.positions.size());
    loaded.normalCount = static_cast<int>(model.normals.size());
    loaded.texCoordCount = static_cast<int>(model.texCoords.size());
    loaded.materialCount = static_cast<int>(model.names.size());
    loaded.bitmapCount = static_cast<int>(model.bitmaps.size());
    for (const obj3dmodel::Face& face : model.faces) {
        Point corners[3];
        for (int k = 0; k < 3; ++k) {
            const obj3dmodel::Vec3D& p = model.positions.at(face.position[k] - 1);
            corners[k] = Point{p.x, p.y, p.z} + offset;
        }
        loaded.triangles.push_back(Triangle{corners[0], corners[1], corners[2]});
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

Box TriangleBounds(const Triangle& t) {
    return Box{{std::min({t.a.x, t.b.x, t.c.x}), std::min({t.a.y, t.b.y, t.c.y}),
                std::min({t.a.z, t.b.z, t.c.z})},
               {std::max({t.a.x, t.b.x, t.c.x}), std::max({t.a.y, t.b.y, t.c.y}),
                std::max({t.a.z, t.b.z, t.c.z})}};
}

Box Union(const Box& a, const Box& b) {
    return Box{
        {std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y), std::min(a.min.z, b.min.z)},
        {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y), std::max(a.max.z, b.max.z)}};
}

bool BoxesOverlap(const Box& a, const Box& b) {
    return a.min.x <= b.max.x && a.max.x >= b.min.x && a.min.y <= b.max.y && a.max.y >= b.min.y &&
           a.min.z <= b.max.z && a.max.z >= b.min.z;
}

// Slab test: does the ray enter the box before maxT?
bool RayHitsBox(const Box& box, Point origin, Point inverse, double maxT) {
    double near = 0.0, far = maxT;
    for (int axis = 0; axis < 3; ++axis) {
        const double o = Coordinate(origin, axis), inv = Coordinate(inverse, axis);
        double t0 = (Coordinate(box.min, axis) - o) * inv;
        double t1 = (Coordinate(box.max, axis) - o) * inv;
        if (t0 > t1) std::swap(t0, t1);
        near = std::max(near, t0);
        far = std::min(far, t1);
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
    const double inv = 1.0 / det;
    const Point s = origin - t.a;
    const double u = Dot(s, p) * inv;
    if (u < 0.0 || u > 1.0) return false;
    const Point q = Cross(s, e1);
    const double v = Dot(direction, q) * inv;
    if (v < 0.0 || u + v > 1.0) return false;
    *distance = Dot(e2, q) * inv;
    return true;
}

}  // namespace

// Separating-axis test of a triangle against a box (Akenine-Möller): the box's three axes, the
// triangle's normal and the nine cross products of edges.
bool TriangleTouchesBox(const Triangle& triangle, const Box& box) {
    const Point centre = (box.min + box.max) * 0.5;
    const Point half = (box.max - box.min) * 0.5;
    const Point v[3] = {triangle.a - centre, triangle.b - centre, triangle.c - centre};
    const Point edges[3] = {v[1] - v[0], v[2] - v[1], v[0] - v[2]};
    const Point axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    auto separated = [&](Point axis) {
        const double p0 = Dot(v[0], axis), p1 = Dot(v[1], axis), p2 = Dot(v[2], axis);
        const double r =
            half.x * std::fabs(axis.x) + half.y * std::fabs(axis.y) + half.z * std::fabs(axis.z);
        return std::min({p0, p1, p2}) > r || std::max({p0, p1, p2}) < -r;
    };
    for (const Point& axis : axes) {
        if (separated(axis)) return false;
    }
    const Point normal = Cross(edges[0], edges[1]);
    if (Dot(normal, normal) > 0.0 && separated(normal)) return false;
    for (const Point& a : axes) {
        for (const Point& e : edges) {
            const Point axis = Cross(a, e);
            if (Dot(axis, axis) > 1e-18 && separated(axis)) return false;
        }
    }
    return true;
}

Box BoundsOf(const std::vector<Triangle>& triangles) {
    Box bounds{{1e9, 1e9, 1e9}, {-1e9, -1e9, -1e9}};
    for (const Triangle& t : triangles) bounds = Union(bounds, TriangleBounds(t));
    return bounds;
}

struct RayCaster::Node {
    Box bounds;
    int left = -1, right = -1;  // children, or -1 for a leaf
    int first = 0, count = 0;   // the leaf's triangles in order_
};

RayCaster::RayCaster(std::vector<Triangle> triangles) : triangles_(std::move(triangles)) {
    order_.resize(triangles_.size());
    for (size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<int>(i);
    nodes_.reserve(triangles_.size() * 2 + 1);
    if (!triangles_.empty()) Build(0, static_cast<int>(triangles_.size()));
}

RayCaster::~RayCaster() = default;

int RayCaster::Build(int first, int count) {
    Node node;
    node.bounds = TriangleBounds(triangles_[order_[first]]);
    for (int i = first + 1; i < first + count; ++i) {
        node.bounds = Union(node.bounds, TriangleBounds(triangles_[order_[i]]));
    }
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back(node);
    if (count <= 4) {
        nodes_[index].first = first;
        nodes_[index].count = count;
        return index;
    }
    const Point extent = node.bounds.max - node.bounds.min;
    const int axis =
        extent.x >= extent.y && extent.x >= extent.z ? 0 : (extent.y >= extent.z ? 1 : 2);
    auto centre = [&](int t) {
        const Box b = TriangleBounds(triangles_[t]);
        return Coordinate(b.min, axis) + Coordinate(b.max, axis);
    };
    std::sort(order_.begin() + first, order_.begin() + first + count,
              [&](int a, int b) { return centre(a) < centre(b); });
    const int half = count / 2;
    const int left = Build(first, half);
    const int right = Build(first + half, count - half);
    nodes_[index].left = left;
    nodes_[index].right = right;
    return index;
}

bool RayCaster::Nearest(Point origin, Point direction, double minT, double maxT, double* t) const {
    if (nodes_.empty()) return false;
    const Point inverse{1.0 / direction.x, 1.0 / direction.y, 1.0 / direction.z};
    double best = maxT;
    bool hit = false;
    // The tree halves its triangles at every level: its depth stays far below the stack's size.
    int stack[128];
    int depth = 0;
    stack[depth++] = 0;
    while (depth > 0) {
        const Node& node = nodes_[stack[--depth]];
        if (!RayHitsBox(node.bounds, origin, inverse, best)) continue;
        if (node.left < 0) {
            for (int i = node.first; i < node.first + node.count; ++i) {
                double distance;
                if (RayHitsTriangle(triangles_[order_[i]], origin, direction, &distance) &&
                    distance > minT && distance < best) {
                    best = distance;
                    hit = true;
                }
            }
        } else {
            stack[depth++] = node.left;
            stack[depth++] = node.right;
        }
    }
    if (hit) *t = best;
    return hit;
}

bool RayCaster::AnyInBox(const Box& box) const {
    if (nodes_.empty()) return false;
    std::vector<int> stack{0};
    while (!stack.empty()) {
        const Node& node = nodes_[stack.back()];
        stack.pop_back();
        if (!BoxesOverlap(node.bounds, box)) continue;
        if (node.left < 0) {
            for (int i = node.first; i < node.first + node.count; ++i) {
                if (TriangleTouchesBox(triangles_[order_[i]], box)) return true;
            }
        } else {
            stack.push_back(node.left);
            stack.push_back(node.right);
        }
    }
    return false;
}

const HouseScene& Scene() {
    static const HouseScene scene = [] {
        HouseScene s;
        s.house = LoadModel("house_main");
        s.hammer = LoadModel("house_hammer");
        s.bread = LoadModel("bread1");
        s.bookcase = LoadModel("bookcase1");
        std::vector<Triangle> fixed = s.house.triangles;
        fixed.insert(fixed.end(), s.hammer.triangles.begin(), s.hammer.triangles.end());
        fixed.insert(fixed.end(), s.bread.triangles.begin(), s.bread.triangles.end());
        for (int i = 0; i < 4; ++i) {
            s.keptItems[i] = LoadModel(kKeptItems[i].model);
            fixed.insert(fixed.end(), s.keptItems[i].triangles.begin(),
                         s.keptItems[i].triangles.end());
        }
        std::vector<Triangle> closed = fixed, open = fixed;
        for (const Triangle& t : s.bookcase.triangles) {
            closed.push_back(t);
            const Point shift{0.0, 0.0, kBookcaseOpenOffset};
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

void LayOutGrid(bool passageOpen) {
    InitWalkGrid();
    BuildWallLayout();
    if (passageOpen) OpenBookcasePassage();
}

}  // namespace

bool IsWallCell(int row, int column, bool upper, bool passageOpen) {
    LayOutGrid(passageOpen);
    if (!CellInGrid(row, column)) return false;
    const WalkCell& cell = g_walkGrid[row][column];
    return upper ? cell.upper == kUpperWall : cell.ground == kGroundWall;
}

std::vector<StandingCell> StandingCells(bool passageOpen) {
    LayOutGrid(passageOpen);
    using State = std::tuple<bool, int, int>;  // upper, row, column
    std::set<State> seen;
    std::deque<State> queue;
    const State start{true, CellRow(3.0f), CellColumn(-1.0f)};
    seen.insert(start);
    queue.push_back(start);
    std::vector<StandingCell> cells;
    while (!queue.empty()) {
        const auto [upper, row, column] = queue.front();
        queue.pop_front();
        const WalkCell& here = g_walkGrid[row][column];
        const bool inWall = upper ? here.upper == kUpperWall : here.ground == kGroundWall;
        if (!inWall) cells.push_back(StandingCell{row, column, upper});
        for (int dRow = -1; dRow <= 1; ++dRow) {
            for (int dColumn = -1; dColumn <= 1; ++dColumn) {
                if (dRow == 0 && dColumn == 0) continue;
                const int r = row + dRow, c = column + dColumn;
                if (!CellInGrid(r, c)) continue;
                const WalkCell& cell = g_walkGrid[r][c];
                State next{upper, r, c};
                if (upper) {
                    if (cell.upper == kUpperWall) continue;
                    if (cell.upper == kUpperStairsDown) next = State{false, r + 25, c};
                } else {
                    if (cell.ground == kGroundWall) continue;
                    if (cell.ground == kGroundStairsUp) next = State{true, r - 25, c};
                }
                if (seen.insert(next).second) queue.push_back(next);
            }
        }
    }
    return cells;
}

double SeenShare(Point eye, const SightTarget& target, bool passageOpen, int steps,
                 const double* facingYaw) {
    constexpr double kPi = 3.14159265358979323846;
    const RayCaster& scene = Scene().For(passageOpen);
    const Box& box = target.sampleIn;
    int seen = 0;
    for (int i = 0; i < steps; ++i) {
        for (int j = 0; j < steps; ++j) {
            for (int k = 0; k < steps; ++k) {
                const Point point{box.min.x + (box.max.x - box.min.x) * (i + 0.5) / steps,
                                  box.min.y + (box.max.y - box.min.y) * (j + 0.5) / steps,
                                  box.min.z + (box.max.z - box.min.z) * (k + 0.5) / steps};
                const Point line = point - eye;
                const double across = std::sqrt(line.x * line.x + line.z * line.z);
                // Turned to face the point, or facing the given yaw (the view looks along
                // (-sin yaw, -cos yaw) and never tilts): the point's depth in the view.
                double ahead = across;
                if (facingYaw != nullptr) {
                    const double yaw = std::atan2(-line.x, -line.z) * 180.0 / kPi;
                    const double off = std::remainder(yaw - *facingYaw, 360.0);
                    if (std::fabs(off) > kHalfViewWidthDegrees) continue;
                    ahead = across * std::cos(off * kPi / 180.0);
                }
                if (std::fabs(line.y) > ahead * std::tan(kHalfViewHeightDegrees * kPi / 180.0)) {
                    continue;
                }
                const double length = std::sqrt(across * across + line.y * line.y);
                const Point direction = line * (1.0 / length);
                double t = 0.0;
                if (!scene.Nearest(eye, direction, kNearPlane, length + 1.0, &t)) continue;
                if (target.model != nullptr) {
                    double own = 0.0;
                    if (target.model->Nearest(eye, direction, kNearPlane, length + 1.0, &own) &&
                        own <= t + 1e-9) {
                        ++seen;
                    }
                } else {
                    const Point hit = eye + direction * t;
                    if (FindPickBox(hit.x, hit.y, hit.z) == target.box) ++seen;
                }
            }
        }
    }
    return static_cast<double>(seen) / (steps * steps * steps);
}

namespace {

// Whether the line of sight from the eye to the point ends on the target, a little inside the
// view's height (so that the point is drawn on a pixel row well inside the window); where it ends.
bool EndsOnTarget(Point eye, Point point, const SightTarget& target, bool passageOpen, Point* hit) {
    constexpr double kPi = 3.14159265358979323846;
    constexpr double kLargestElevation = (kHalfViewHeightDegrees - 0.5) * kPi / 180.0;
    const Point line = point - eye;
    const double across = std::sqrt(line.x * line.x + line.z * line.z);
    if (std::fabs(line.y) > across * std::tan(kLargestElevation)) return false;
    const double length = std::sqrt(across * across + line.y * line.y);
    const Point direction = line * (1.0 / length);
    double t = 0.0;
    if (!Scene().For(passageOpen).Nearest(eye, direction, kNearPlane, length + 1.0, &t)) {
        return false;
    }
    *hit = eye + direction * t;
    if (target.model != nullptr) {
        double own = 0.0;
        return target.model->Nearest(eye, direction, kNearPlane, length + 1.0, &own) &&
               own <= t + 1e-9;
    }
    return FindPickBox(hit->x, hit->y, hit->z) == target.box;
}

}  // namespace

Sighting FindSightingOf(const SightTarget& target, bool upstairs, bool passageOpen) {
    const Box& box = target.sampleIn;
    std::vector<StandingCell> cells;
    for (const StandingCell& cell : StandingCells(passageOpen)) {
        if (cell.upper == upstairs) cells.push_back(cell);
    }
    const Point middle = (box.min + box.max) * 0.5;
    auto horizontal = [&](const StandingCell& cell) {
        const Point eye = cell.Eye();
        return std::sqrt((eye.x - middle.x) * (eye.x - middle.x) +
                         (eye.z - middle.z) * (eye.z - middle.z));
    };
    std::stable_sort(cells.begin(), cells.end(), [&](const StandingCell& a, const StandingCell& b) {
        return horizontal(a) < horizontal(b);
    });
    constexpr int kSteps = 5;
    for (const StandingCell& cell : cells) {
        if (horizontal(cell) < 0.5) continue;
        for (int i = 0; i < kSteps; ++i) {
            for (int j = 0; j < kSteps; ++j) {
                for (int k = 0; k < kSteps; ++k) {
                    const Point point{box.min.x + (box.max.x - box.min.x) * (i + 0.5) / kSteps,
                                      box.min.y + (box.max.y - box.min.y) * (j + 0.5) / kSteps,
                                      box.min.z + (box.max.z - box.min.z) * (k + 0.5) / kSteps};
                    Point hit;
                    if (EndsOnTarget(cell.Eye(), point, target, passageOpen, &hit)) {
                        return Sighting{true, cell, point, hit};
                    }
                }
            }
        }
    }
    return Sighting{};
}

Sighting FindSighting(int boxIndex, bool passageOpen) {
    SightTarget target;
    target.sampleIn = PickBox(boxIndex);
    target.box = boxIndex;
    return FindSightingOf(target, target.sampleIn.min.y >= 2.5, passageOpen);
}

}  // namespace housecheck
