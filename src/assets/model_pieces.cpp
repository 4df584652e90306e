// Cutting a model's faces into pieces: runs of consecutive faces of one material that stay
// within a small box, so that a frame can skip whole runs without changing the face order.
#include <algorithm>  // Required for: std::min(), std::max(), std::sort(), std::merge(), std::lower_bound()
#include <array>     // Required for: std::array
#include <cmath>     // Required for: std::fabs()
#include <iterator>  // Required for: std::back_inserter()
#include <map>       // Required for: std::map
#include <utility>   // Required for: std::move()
#include <vector>    // Required for: std::vector

#include "assets/obj_model.h"

namespace {

bool IsTransparent(const MtlLib::Diffuse& diffuse) {
    return static_cast<double>(diffuse.a) < 1.0;
}

// The corner of a face as the lists give it to GL, narrowed to floats.
void Corner(const obj3dmodel& model, const obj3dmodel::Face& face, int k, float corner[3]) {
    const obj3dmodel::Vec3D& p = model.positions[face.position[k] - 1];
    corner[0] = static_cast<float>(p.x);
    corner[1] = static_cast<float>(p.y);
    corner[2] = static_cast<float>(p.z);
}

WorldBox FaceBox(const obj3dmodel& model, const obj3dmodel::Face& face) {
    WorldBox box{};
    for (int k = 0; k < 3; ++k) {
        float corner[3];
        Corner(model, face, k, corner);
        for (int axis = 0; axis < 3; ++axis) {
            box.min[axis] = k == 0 ? corner[axis] : std::min(box.min[axis], corner[axis]);
            box.max[axis] = k == 0 ? corner[axis] : std::max(box.max[axis], corner[axis]);
        }
    }
    return box;
}

WorldBox Joined(const WorldBox& a, const WorldBox& b) {
    WorldBox box{};
    for (int axis = 0; axis < 3; ++axis) {
        box.min[axis] = std::min(a.min[axis], b.min[axis]);
        box.max[axis] = std::max(a.max[axis], b.max[axis]);
    }
    return box;
}

bool Fits(const WorldBox& box) {
    for (int axis = 0; axis < 3; ++axis) {
        if (box.max[axis] - box.min[axis] > obj3dmodel::kPieceExtent) return false;
    }
    return true;
}

// Whether corners all lie in one plane across an axis, and the rectangle of that plane that
// bounds them.
bool FlatBounds(const std::array<float, 3>* corners, std::size_t count, WorldRect* rect) {
    int axis = -1;
    for (int a = 0; a < 3 && axis < 0; ++a) {
        bool flat = true;
        for (std::size_t k = 1; k < count; ++k) flat = flat && corners[k][a] == corners[0][a];
        if (flat) axis = a;
    }
    if (axis < 0) return false;
    const int u = axis == 0 ? 1 : 0;
    const int v = axis == 2 ? 1 : 2;
    rect->axis = axis;
    rect->at = corners[0][axis];
    rect->min[0] = rect->max[0] = corners[0][u];
    rect->min[1] = rect->max[1] = corners[0][v];
    for (std::size_t k = 0; k < count; ++k) {
        rect->min[0] = std::min(rect->min[0], corners[k][u]);
        rect->max[0] = std::max(rect->max[0], corners[k][u]);
        rect->min[1] = std::min(rect->min[1], corners[k][v]);
        rect->max[1] = std::max(rect->max[1], corners[k][v]);
    }
    return true;
}

// Whether two triangles cover exactly one axis-aligned rectangle, and which: their six corners
// are the rectangle's four, each triangle leaves out one, and those two lie across a diagonal
// (the triangles then meet along the other diagonal and overlap nowhere).
bool RectangleOf(const obj3dmodel& model, const obj3dmodel::Face& first,
                 const obj3dmodel::Face& second, WorldRect* rect) {
    std::array<float, 3> corners[6];
    for (int k = 0; k < 3; ++k) {
        Corner(model, first, k, corners[k].data());
        Corner(model, second, k, corners[3 + k].data());
    }
    if (!FlatBounds(corners, 6, rect)) return false;
    const int u = rect->axis == 0 ? 1 : 0;
    const int v = rect->axis == 2 ? 1 : 2;
    if (!(rect->min[0] < rect->max[0] && rect->min[1] < rect->max[1])) return false;
    // Each triangle's corners as a bit set of the rectangle's: bit 0 high on u, bit 1 high on v.
    int sets[2] = {0, 0};
    for (int k = 0; k < 6; ++k) {
        const float cu = corners[k][u];
        const float cv = corners[k][v];
        if ((cu != rect->min[0] && cu != rect->max[0]) ||
            (cv != rect->min[1] && cv != rect->max[1])) {
            return false;
        }
        sets[k / 3] |= 1 << ((cu == rect->max[0] ? 1 : 0) + (cv == rect->max[1] ? 2 : 0));
    }
    // Three distinct corners each; the one each leaves out, and those must be opposite.
    if (sets[0] == sets[1]) return false;
    for (const int set : sets) {
        if (set != 0x7 && set != 0xb && set != 0xd && set != 0xe) return false;
    }
    const int missing = (0xf & ~sets[0]) | (0xf & ~sets[1]);
    return missing == 0x9 || missing == 0x6;  // corners 0 and 3, or 1 and 2
}

// The axis a face lies flat across, and where (-1: none).
int FlatAxis(const obj3dmodel& model, const obj3dmodel::Face& face, float* at) {
    float c[3][3];
    for (int k = 0; k < 3; ++k) Corner(model, face, k, c[k]);
    for (int axis = 0; axis < 3; ++axis) {
        if (c[0][axis] == c[1][axis] && c[0][axis] == c[2][axis]) {
            *at = c[0][axis];
            return axis;
        }
    }
    return -1;
}

// Whether `count` faces listed in `order` from `first` on cover exactly one axis-aligned
// rectangle, and which: flat across one axis, every corner on the rectangle's outline, all
// turned the same way, their areas adding up to the rectangle's, and every edge walked as often
// one way as back except along the outline. The number of triangles over each point is then the
// same everywhere inside (nothing bounds them there), and the areas make it one.
bool RectangleOfFaces(const obj3dmodel& model, const std::vector<std::int32_t>& order,
                      std::size_t first, std::size_t count, WorldRect* rect) {
    std::vector<std::array<float, 3>> corners(count * 3);
    for (std::size_t f = 0; f < count; ++f) {
        for (int k = 0; k < 3; ++k) {
            Corner(model, model.faces[order[first + f]], k,
                   corners[f * 3 + static_cast<std::size_t>(k)].data());
        }
    }
    if (!FlatBounds(corners.data(), corners.size(), rect)) return false;
    const int u = rect->axis == 0 ? 1 : 0;
    const int v = rect->axis == 2 ? 1 : 2;
    const auto onOutline = [rect, u, v](const std::array<float, 3>& c) {
        return c[u] == rect->min[0] || c[u] == rect->max[0] || c[v] == rect->min[1] ||
               c[v] == rect->max[1];
    };
    double area = 0.0;
    int turning = 0;
    std::map<std::pair<std::array<float, 3>, std::array<float, 3>>, int> walks;
    for (std::size_t f = 0; f < count; ++f) {
        const auto& a = corners[f * 3];
        const auto& b = corners[f * 3 + 1];
        const auto& c = corners[f * 3 + 2];
        if (!onOutline(a) || !onOutline(b) || !onOutline(c)) return false;
        const double twice =
            (static_cast<double>(b[u]) - a[u]) * (static_cast<double>(c[v]) - a[v]) -
            (static_cast<double>(b[v]) - a[v]) * (static_cast<double>(c[u]) - a[u]);
        const int turn = twice > 0.0 ? 1 : (twice < 0.0 ? -1 : 0);
        if (turn == 0 || (turning != 0 && turn != turning)) return false;
        turning = turn;
        area += std::fabs(twice) / 2.0;
        for (int k = 0; k < 3; ++k) {
            const auto& from = corners[f * 3 + static_cast<std::size_t>(k)];
            const auto& to = corners[f * 3 + static_cast<std::size_t>((k + 1) % 3)];
            if (from < to) {
                ++walks[{from, to}];
            } else {
                --walks[{to, from}];
            }
        }
    }
    for (const auto& [edge, walked] : walks) {
        if (walked == 0) continue;
        // What is left must run along one side of the outline.
        const auto& [a, b] = edge;
        const bool alongSide = (a[u] == b[u] && (a[u] == rect->min[0] || a[u] == rect->max[0])) ||
                               (a[v] == b[v] && (a[v] == rect->min[1] || a[v] == rect->max[1]));
        if (!alongSide || walked * walked != 1) return false;
    }
    const double whole = (static_cast<double>(rect->max[0]) - rect->min[0]) *
                         (static_cast<double>(rect->max[1]) - rect->min[1]);
    return whole > 0.0 && std::fabs(area - whole) <= whole * 1e-6;
}

// Which way a face in a plane across `axis` turns: +1 towards greater coordinates, -1 towards
// lesser (its corners counter-clockwise seen from that side).
int Facing(const obj3dmodel& model, const obj3dmodel::Face& face, int axis) {
    float c[3][3];
    for (int k = 0; k < 3; ++k) Corner(model, face, k, c[k]);
    const int u = (axis + 1) % 3, v = (axis + 2) % 3;
    const float turn =
        (c[1][u] - c[0][u]) * (c[2][v] - c[0][v]) - (c[1][v] - c[0][v]) * (c[2][u] - c[0][u]);
    return turn > 0.0f ? 1 : -1;
}

// A rectangle of the model being grown from face pairs, with the points its faces have along
// each side: low u, high u (their v), low v, high v (their u), in order.
struct Growing {
    WorldRect rect{};
    int facing = 1;
    std::vector<float> sides[4];
    std::vector<std::int32_t> pieces;
};

// Whether `low` (below on axis `k` of the rectangle) and `high` make one rectangle: in one
// plane, meeting along a whole side with the same corners on it, so that GL's rules leave no
// pixel between them.
bool Joins(const Growing& low, const Growing& high, int k) {
    const WorldRect& a = low.rect;
    const WorldRect& b = high.rect;
    const int other = 1 - k;
    return a.axis == b.axis && a.at == b.at && low.facing == high.facing && a.max[k] == b.min[k] &&
           a.min[other] == b.min[other] && a.max[other] == b.max[other] &&
           low.sides[k == 0 ? 1 : 3] == high.sides[k == 0 ? 0 : 2];
}

std::vector<float> Union(const std::vector<float>& a, const std::vector<float>& b) {
    std::vector<float> both;
    std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    both.erase(std::unique(both.begin(), both.end()), both.end());
    return both;
}

// Joins rectangles of one plane that meet along whole sides, until none do.
void MergeAlongEdges(std::vector<Growing>* rectangles) {
    std::vector<Growing>& all = *rectangles;
    // Plane by plane: rectangles sorted by axis and position.
    std::sort(all.begin(), all.end(), [](const Growing& a, const Growing& b) {
        return a.rect.axis != b.rect.axis ? a.rect.axis < b.rect.axis : a.rect.at < b.rect.at;
    });
    std::vector<Growing> merged;
    for (std::size_t first = 0; first < all.size();) {
        std::size_t end = first + 1;
        while (end < all.size() && all[end].rect.axis == all[first].rect.axis &&
               all[end].rect.at == all[first].rect.at) {
            ++end;
        }
        std::vector<Growing> plane(all.begin() + static_cast<std::ptrdiff_t>(first),
                                   all.begin() + static_cast<std::ptrdiff_t>(end));
        for (bool joined = true; joined;) {
            joined = false;
            for (std::size_t a = 0; a < plane.size() && !joined; ++a) {
                for (std::size_t b = 0; b < plane.size() && !joined; ++b) {
                    for (int k = 0; k < 2 && !joined && a != b; ++k) {
                        if (!Joins(plane[a], plane[b], k)) continue;
                        Growing& low = plane[a];
                        const Growing& high = plane[b];
                        low.rect.max[k] = high.rect.max[k];
                        // The far side is the high one's; the two sides along k gain its points.
                        const int farSide = k == 0 ? 1 : 3;
                        const int sideA = k == 0 ? 2 : 0;
                        low.sides[farSide] = high.sides[farSide];
                        low.sides[sideA] = Union(low.sides[sideA], high.sides[sideA]);
                        low.sides[sideA + 1] = Union(low.sides[sideA + 1], high.sides[sideA + 1]);
                        low.pieces.insert(low.pieces.end(), high.pieces.begin(), high.pieces.end());
                        plane.erase(plane.begin() + static_cast<std::ptrdiff_t>(b));
                        joined = true;
                    }
                }
            }
        }
        for (Growing& rectangle : plane) merged.push_back(std::move(rectangle));
        first = end;
    }
    all = std::move(merged);
}

}  // namespace

std::vector<bool> obj3dmodel::ClosedFaces(const std::vector<std::int32_t>& order) const {
    // Every edge by its two corners (as GL is given them), the lesser first, walked from the
    // lesser corner (+1) or back (-1); sorted, the walks of one edge lie together.
    using Point = std::array<float, 3>;
    struct Walk {
        Point from, to;
        int walk;
        std::int32_t face;
        bool operator<(const Walk& other) const {
            return from != other.from ? from < other.from : to < other.to;
        }
    };
    std::vector<Walk> walks;
    walks.reserve(order.size() * 3);
    std::vector<bool> closed(order.size(), true);
    for (std::size_t i = 0; i < order.size(); ++i) {
        Point corners[3];
        for (int k = 0; k < 3; ++k) Corner(*this, faces[order[i]], k, corners[k].data());
        for (int k = 0; k < 3; ++k) {
            const Point& a = corners[k];
            const Point& b = corners[(k + 1) % 3];
            if (a == b) closed[i] = false;
            const auto face = static_cast<std::int32_t>(i);
            walks.push_back(a < b ? Walk{a, b, 1, face} : Walk{b, a, -1, face});
        }
    }
    std::sort(walks.begin(), walks.end());
    for (std::size_t first = 0; first < walks.size();) {
        std::size_t end = first;
        int walked = 0;
        while (end < walks.size() && walks[end].from == walks[first].from &&
               walks[end].to == walks[first].to) {
            walked += walks[end++].walk;
        }
        for (std::size_t k = first; k < end && walked != 0; ++k) {
            closed[static_cast<std::size_t>(walks[k].face)] = false;
        }
        first = end;
    }
    // Along a line of the axes, an edge met end to end may still have part of another lying
    // over it (a corner of a third face on it): every stretch of the line must cancel too.
    struct Span {
        std::array<float, 4> line;  // the axis along it, then the other coordinates (its own 0)
        float from, to;
        int walk;
        std::int32_t face;
        bool operator<(const Span& other) const {
            return line != other.line ? line < other.line : from < other.from;
        }
    };
    std::vector<Span> spans;
    for (const Walk& w : walks) {
        for (int axis = 0; axis < 3; ++axis) {
            const int u = (axis + 1) % 3, v = (axis + 2) % 3;
            if (w.from[u] != w.to[u] || w.from[v] != w.to[v] || w.from[axis] == w.to[axis])
                continue;
            std::array<float, 4> line{static_cast<float>(axis), w.from[0], w.from[1], w.from[2]};
            line[static_cast<std::size_t>(axis) + 1] = 0.0f;
            spans.push_back({line, w.from[axis], w.to[axis], w.walk, w.face});
        }
    }
    std::sort(spans.begin(), spans.end());
    for (std::size_t first = 0; first < spans.size();) {
        std::size_t end = first;
        while (end < spans.size() && spans[end].line == spans[first].line) ++end;
        // The sum of the walks between every two neighbouring ends on the line.
        std::vector<std::pair<float, int>> steps;
        for (std::size_t k = first; k < end; ++k) {
            steps.emplace_back(spans[k].from, spans[k].walk);
            steps.emplace_back(spans[k].to, -spans[k].walk);
        }
        std::sort(steps.begin(), steps.end());
        std::vector<std::pair<float, float>> uncancelled;
        int walked = 0;
        for (std::size_t k = 0; k + 1 < steps.size(); ++k) {
            walked += steps[k].second;
            if (walked != 0 && steps[k + 1].first > steps[k].first) {
                uncancelled.emplace_back(steps[k].first, steps[k + 1].first);
            }
        }
        for (std::size_t k = first; k < end && !uncancelled.empty(); ++k) {
            for (const auto& [from, to] : uncancelled) {
                if (from < spans[k].to && to > spans[k].from) {
                    closed[static_cast<std::size_t>(spans[k].face)] = false;
                }
            }
        }
        first = end;
    }
    return closed;
}

std::vector<obj3dmodel::Piece> obj3dmodel::CutIntoPieces(const std::vector<std::int32_t>& order,
                                                         const std::vector<bool>& closed) const {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Face& face = faces[order[i]];
        const WorldBox box = FaceBox(*this, face);
        const bool faceClosed = i < closed.size() && closed[i];
        if (!pieces.empty()) {
            Piece& last = pieces.back();
            const WorldBox joined = Joined(last.box, box);
            if (faces[order[last.first]].material == face.material && last.closed == faceClosed &&
                Fits(joined)) {
                last.box = joined;
                ++last.count;
                continue;
            }
        }
        Piece piece;
        piece.first = static_cast<std::int32_t>(i);
        piece.count = 1;
        piece.box = box;
        piece.closed = faceClosed;
        pieces.push_back(piece);
    }
    return pieces;
}

std::vector<std::vector<std::int32_t>> obj3dmodel::FindTies(const std::vector<Piece>& pieces) {
    std::vector<std::vector<std::int32_t>> ties(pieces.size());
    for (std::size_t a = 0; a < pieces.size(); ++a) {
        for (std::size_t b = a + 1; b < pieces.size(); ++b) {
            bool apart = false;
            for (int axis = 0; axis < 3 && !apart; ++axis) {
                apart = pieces[b].box.min[axis] - pieces[a].box.max[axis] >= kTieGap ||
                        pieces[a].box.min[axis] - pieces[b].box.max[axis] >= kTieGap;
            }
            if (!apart) ties[a].push_back(static_cast<std::int32_t>(b));
        }
    }
    return ties;
}

std::vector<obj3dmodel::Occluder> obj3dmodel::FindOccluders(
    const std::vector<std::int32_t>& order, const std::vector<Piece>& pieces) const {
    // The piece each face in `order` went into: a large rectangle's two triangles are often
    // pieces of their own.
    std::vector<std::int32_t> pieceOf(order.size(), 0);
    for (std::size_t p = 0; p < pieces.size(); ++p) {
        for (std::int32_t i = pieces[p].first; i < pieces[p].first + pieces[p].count; ++i) {
            pieceOf[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(p);
        }
    }
    std::vector<Growing> found;
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        Growing rectangle;
        std::size_t count = 2;
        if (faces[order[i]].material != faces[order[i + 1]].material ||
            !RectangleOf(*this, faces[order[i]], faces[order[i + 1]], &rectangle.rect)) {
            // More triangles than two: a rectangle with corners of its neighbours on its sides,
            // among the following faces of the material that lie in the same plane.
            std::size_t run = 1;
            float at = 0.0f;
            const int axis = FlatAxis(*this, faces[order[i]], &at);
            while (axis >= 0 && run < kMostRectangleFaces && i + run < order.size() &&
                   faces[order[i + run]].material == faces[order[i]].material) {
                float next = 0.0f;
                if (FlatAxis(*this, faces[order[i + run]], &next) != axis || next != at) break;
                ++run;
            }
            count = 3;
            while (count <= run && !RectangleOfFaces(*this, order, i, count, &rectangle.rect)) {
                ++count;
            }
            if (count > run) continue;
        }
        rectangle.facing = Facing(*this, faces[order[i]], rectangle.rect.axis);
        for (int side = 0; side < 4; ++side) {
            // Along a side of u, its corners' v; along a side of v, their u.
            const int along = side < 2 ? 1 : 0;
            rectangle.sides[side] = {rectangle.rect.min[along], rectangle.rect.max[along]};
        }
        for (std::size_t f = i; f < i + count; ++f) {
            rectangle.pieces.push_back(pieceOf[f]);
            float corners[3][3];
            for (int k = 0; k < 3; ++k) Corner(*this, faces[order[f]], k, corners[k]);
            const int u = rectangle.rect.axis == 0 ? 1 : 0;
            const int v = rectangle.rect.axis == 2 ? 1 : 2;
            for (const auto& c : corners) {
                const float along[4] = {c[v], c[v], c[u], c[u]};
                const bool onSide[4] = {
                    c[u] == rectangle.rect.min[0], c[u] == rectangle.rect.max[0],
                    c[v] == rectangle.rect.min[1], c[v] == rectangle.rect.max[1]};
                for (int side = 0; side < 4; ++side) {
                    if (onSide[side]) rectangle.sides[side].push_back(along[side]);
                }
            }
        }
        for (std::vector<float>& side : rectangle.sides) {
            std::sort(side.begin(), side.end());
            side.erase(std::unique(side.begin(), side.end()), side.end());
        }
        found.push_back(rectangle);
        i += count - 1;  // the faces are used; the next rectangle starts after them
    }
    MergeAlongEdges(&found);
    std::vector<Occluder> occluders;
    for (Growing& rectangle : found) {
        const WorldRect& rect = rectangle.rect;
        if ((rect.max[0] - rect.min[0]) * (rect.max[1] - rect.min[1]) < kOccluderArea) continue;
        Occluder occluder;
        occluder.rect = rect;
        std::sort(rectangle.pieces.begin(), rectangle.pieces.end());
        rectangle.pieces.erase(std::unique(rectangle.pieces.begin(), rectangle.pieces.end()),
                               rectangle.pieces.end());
        occluder.pieces = std::move(rectangle.pieces);
        occluders.push_back(std::move(occluder));
    }
    return occluders;
}

void obj3dmodel::PlanPieces() {
    transparentFaces.clear();
    opaqueFaces.clear();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const bool transparent = IsTransparent(diffuse[faces[i].material]);
        (transparent ? transparentFaces : opaqueFaces).push_back(static_cast<std::int32_t>(i));
    }
    opaquePieces = CutIntoPieces(opaqueFaces, ClosedFaces(opaqueFaces));
    transparentPieces = CutIntoPieces(transparentFaces);
    opaqueTies = FindTies(opaquePieces);
    opaqueOccluders = FindOccluders(opaqueFaces, opaquePieces);
    for (const Occluder& occluder : opaqueOccluders) {
        for (const std::int32_t piece : occluder.pieces) {
            Piece& held = opaquePieces[static_cast<std::size_t>(piece)];
            held.cullsBack = held.closed;
        }
    }
    piecesPlanned = true;
}
