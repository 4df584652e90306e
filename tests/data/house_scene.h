// The generated models as the game reads them, for the checks of the house: triangles in world
// coordinates, a ray caster over them, and the cells a player can stand in, found by walking the
// game's own walkability grid from the start.
#pragma once

#include <memory>  // Required for: std::unique_ptr
#include <string>  // Required for: std::string
#include <vector>  // Required for: std::vector

#include "gameplay/pick_boxes.h"

namespace housecheck {

// clang-format off
struct Point { double x = 0, y = 0, z = 0; };
inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Point operator*(Point a, double s) { return {a.x * s, a.y * s, a.z * s}; }
struct Triangle { Point a, b, c; };
// clang-format on

struct Box {
    Point min, max;
    Box Grown(double by) const { return {min - Point{by, by, by}, max + Point{by, by, by}}; }
    bool Contains(Point p) const {
        return p.x >= min.x && p.x <= max.x && p.y >= min.y && p.y <= max.y && p.z >= min.z &&
               p.z <= max.z;
    }
};

// The game's pick box; the folder of a model's files in the build's Data; a triangles' bounds.
Box PickBox(int index);
std::string ModelBase(const std::string& name);
Box BoundsOf(const std::vector<Triangle>& triangles);

// One model read with the game's reader (materials, textures, then the OBJ text): its faces as
// triangles, what stopped the read or what it warned of, and how many of each part it found.
struct LoadedModel {
    std::vector<Triangle> triangles;
    std::string error, warning;
    std::vector<int> parts;  // faces, positions, texture coordinates, normals, materials, textures
};
LoadedModel LoadModel(const std::string& name);

// Nearest hits of rays against a set of triangles.
class RayCaster {
public:
    explicit RayCaster(std::vector<Triangle> triangles);
    ~RayCaster();
    // The distance along `direction` (unit length) to the nearest triangle beyond `minT`; false
    // when nothing is hit before maxT.
    bool Nearest(Point origin, Point direction, double minT, double maxT, double* t) const;
    // True when some triangle reaches into the box.
    bool AnyInBox(const Box& box) const;

private:
    struct Node;
    std::vector<Triangle> triangles_;
    std::vector<Node> nodes_;
    std::vector<int> order_;
    int Build(int first, int count);
    // Walks into every node whose bounds `enter` accepts; true once `leaf` is for a triangle.
    template <typename Enter, typename Leaf>
    bool Visit(Enter enter, Leaf leaf) const;
};

// The notes and keys that stay in the inventory once taken: each is its own model, drawn where it
// lies until its pick box gives it.
struct KeptItem {
    const char* model;
    int box;
};
inline constexpr KeptItem kKeptItems[4] = {
    {"house_note1", 0}, {"house_key1", 1}, {"house_key2", 7}, {"house_note3", 9}};

// The models read once, with every triangle gathered for rays with the bookcase closed and open
// (moved as the game draws it once the keypad code is keyed in).
struct HouseScene {
    LoadedModel house, hammer, bread, bookcase;
    LoadedModel keptItems[4] = {};  // in the order of kKeptItems
    std::unique_ptr<RayCaster> keptItemRays[4] = {}, closed = {}, open = {};
    const RayCaster& For(bool passageOpen) const { return passageOpen ? *open : *closed; }
};
const HouseScene& Scene();

// The house's own outline with its outer walls and roofs, where every line of sight from inside
// must end (the lawn lies just below the floors), and the room behind the bookcase.
inline constexpr Box kHouseBounds{{0.0, -0.01, -9.95}, {13.25, 6.1, 0.25}};
inline constexpr Box kHiddenRoom{{11.03, -0.01, -2.45}, {13.25, 2.9, 0.0}};
// The view: 30 degrees from top to bottom (the player cannot look up or down) and, in the 800 by
// 600 window, atan(4/3 tan 15) = 19.65 degrees to either side; nothing nearer than 0.1 is drawn.
inline constexpr double kHalfViewHeightDegrees = 15.0;
inline constexpr double kHalfViewWidthDegrees = 19.65;
inline constexpr double kNearPlane = 0.1;

// A grid cell the player can stand in after a step (stairs carry the player on).
struct StandingCell {
    int row = 0, column = 0;
    bool upper = false;
    double FloorY() const { return upper ? 3.0 : 0.0; }
    Point Eye() const;
};
// Walks the game's grid from the start cell, upstairs, in all eight directions and through the
// stairs, with the bookcase passage closed or open.
std::vector<StandingCell> StandingCells(bool passageOpen);
// The game's grid after the layout (and the passage opened if asked): wall cells per floor.
bool IsWallCell(int row, int column, bool upper, bool passageOpen);

// What a line of sight must end on: a pick box (the first surface on the way lies in it, so a
// click there picks it), or a kept item's own triangles where it lies.
struct SightTarget {
    Box sampleIn;
    int box = -1;
    const RayCaster* model = nullptr;
};
SightTarget BoxTarget(int box);
SightTarget KeptItemTarget(int item);

// The share of a grid of steps^3 points in the target that the eye sees within `halfHeight`
// degrees of the horizon (and, when facingYaw is given, within the view's width), with the target
// the first thing on the way; *firstHit is where the first such line of sight ends.
double SeenShare(Point eye, const SightTarget& target, bool passageOpen, int steps = 6,
                 const double* facingYaw = nullptr, double halfHeight = kHalfViewHeightDegrees,
                 Point* firstHit = nullptr);

// The first standing cell on the target's floor, nearest first from 0.5 units away, that sees it
// well inside the view's height, and where the line of sight meets the target.
struct Sighting {
    bool found = false;
    StandingCell cell;
    Point hit;
};
Sighting FindSightingOf(const SightTarget& target, bool upstairs, bool passageOpen);

}  // namespace housecheck
