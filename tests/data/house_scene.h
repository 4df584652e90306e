// The generated models as the game reads them, for the checks of the house: triangles in world
// coordinates, a ray caster over them, and the cells a player can stand in, found by walking the
// game's own walkability grid from the start.
#pragma once

#include <memory>  // Required for: std::unique_ptr
#include <string>  // Required for: std::string
#include <vector>  // Required for: std::vector

#include "gameplay/pick_boxes.h"

namespace housecheck {

struct Point {
    double x = 0, y = 0, z = 0;
};
inline Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Point operator*(Point a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}

struct Triangle {
    Point a, b, c;
};

struct Box {
    Point min, max;
    Box Grown(double by) const {
        return {{min.x - by, min.y - by, min.z - by}, {max.x + by, max.y + by, max.z + by}};
    }
    bool Contains(Point p) const {
        return p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y && p.z >= min.z &&
               p.z <= max.z;
    }
};

Box PickBox(int index);

// One model read with the game's reader (materials, textures, then the OBJ text), each face as
// a triangle moved by `offset`. A failed or stopped read is recorded in *error.
struct LoadedModel {
    std::vector<Triangle> triangles;
    std::string error;
    std::string warning;
    int faceCount = 0;
    int positionCount = 0;
    int normalCount = 0;
    int texCoordCount = 0;
    int materialCount = 0;
    int bitmapCount = 0;
};
LoadedModel LoadModel(const std::string& name, Point offset = {});
std::string ModelBase(const std::string& name);

bool TriangleTouchesBox(const Triangle& triangle, const Box& box);
Box BoundsOf(const std::vector<Triangle>& triangles);

// Nearest hits of rays against a set of triangles.
class RayCaster {
public:
    explicit RayCaster(std::vector<Triangle> triangles);
    ~RayCaster();
    // The distance along `direction` (unit length) to the nearest triangle beyond `minT`, and
    // where it is; false when nothing is hit before maxT.
    bool Nearest(Point origin, Point direction, double minT, double maxT, double* t) const;
    // True when some triangle reaches into the box.
    bool AnyInBox(const Box& box) const;
    const std::vector<Triangle>& Triangles() const { return triangles_; }

private:
    struct Node;
    std::vector<Triangle> triangles_;
    std::vector<Node> nodes_;
    std::vector<int> order_;
    int Build(int first, int count);
};

// The notes and keys that stay in the inventory once taken: each is its own model, drawn where it
// lies until its pick box gives it.
struct KeptItem {
    const char* model;
    int box;
};
inline constexpr KeptItem kKeptItems[4] = {
    {"house_note1", 0}, {"house_key1", 1}, {"house_key2", 7}, {"house_note3", 9}};
// Every model the game reads.
inline constexpr const char* kModelNames[8] = {"house_main", "house_hammer", "bookcase1",
                                               "bread1",     "house_note1",  "house_key1",
                                               "house_key2", "house_note3"};

// The models read once: the house, the hammer, the bread and the kept items where they lie, and
// the bookcase, with every triangle gathered for rays with the bookcase closed (offset 0) and
// open (moved 1.5 towards -Z, as the game draws it once the keypad code is keyed in).
struct HouseScene {
    LoadedModel house, hammer, bread, bookcase;
    LoadedModel keptItems[4];  // in the order of kKeptItems
    std::unique_ptr<RayCaster> closed;
    std::unique_ptr<RayCaster> open;
    const RayCaster& For(bool passageOpen) const { return passageOpen ? *open : *closed; }
};
const HouseScene& Scene();
inline constexpr double kBookcaseOpenOffset = -1.5;

// The house's own outline with its outer walls and roofs, where every line of sight from inside
// must end; the garden, the hedges and the fields lie outside it (the lawn just below the floors).
inline constexpr Box kHouseBounds{{0.0, -0.01, -9.95}, {13.25, 6.1, 0.25}};
// The room behind the bookcase with its alcove and the safe's niche.
inline constexpr Box kHiddenRoom{{11.03, -0.01, -2.45}, {13.25, 2.9, 0.0}};

// The view: 30 degrees from top to bottom (the player cannot look up or down) and, in the 800 by
// 600 window, atan(4/3 tan 15) = 19.65 degrees to either side.
inline constexpr double kHalfViewHeightDegrees = 15.0;
inline constexpr double kHalfViewWidthDegrees = 19.65;

// A grid cell the player can stand in after a step (stairs triggers carry the player on and are
// never stood in; the two stair landings that fall inside a wall cell are left out as well).
struct StandingCell {
    int row = 0, column = 0;
    bool upper = false;
    double FloorY() const { return upper ? 3.0 : 0.0; }
    Point Eye() const;
};
// Nothing nearer to the eye than the near clipping plane is drawn.
inline constexpr double kNearPlane = 0.1;

// Where the player stands to see a pick box: the eye's cell, the point aimed at, and where the
// line of sight first meets the house (inside the box, and the game's box lookup gives that box
// for it, so that a click there picks it).
struct Sighting {
    bool found = false;
    StandingCell cell;
    Point target;
    Point hit;
};
// What a line of sight must end on to see something: a pick box (the first surface on the way
// lies in it, so a click there picks it), or the triangles of one model (then `model` is set).
struct SightTarget {
    Box sampleIn;
    int box = -1;
    const RayCaster* model = nullptr;
};
// The share of points of a grid of steps^3 in the target that the eye sees: within the height of
// the view (and, when facing is given, within its width for a player facing that yaw in degrees),
// with the target the first thing on the way.
double SeenShare(Point eye, const SightTarget& target, bool passageOpen, int steps = 6,
                 const double* facingYaw = nullptr);

// The first standing cell, nearest first from 0.5 units away, from whose eye such a line of
// sight lies within the view's height (the view spans 30 degrees from top to bottom and the
// player cannot look up or down).
Sighting FindSighting(int box, bool passageOpen);
// The same for a sight target (a model's own triangles, say), on the given floor.
Sighting FindSightingOf(const SightTarget& target, bool upstairs, bool passageOpen);

// Walks the game's grid from the start cell, upstairs, in all eight directions and through the
// stairs, with the bookcase passage closed or open.
std::vector<StandingCell> StandingCells(bool passageOpen);
// The game's grid after the layout (and the passage opened if asked): wall cells per floor.
bool IsWallCell(int row, int column, bool upper, bool passageOpen);

}  // namespace housecheck
