// Cutting a model's faces into pieces: runs of consecutive faces of one material that stay
// within a small box, so that a frame can skip whole runs without changing the face order.
#include <algorithm>  // Required for: std::min(), std::max(), std::sort(), std::merge()
#include <iterator>   // Required for: std::back_inserter()
#include <utility>    // Required for: std::move()
#include <vector>     // Required for: std::vector

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

// Whether two triangles cover exactly one axis-aligned rectangle, and which: their six corners
// are the rectangle's four, each triangle leaves out one, and those two lie across a diagonal
// (the triangles then meet along the other diagonal and overlap nowhere).
bool RectangleOf(const obj3dmodel& model, const obj3dmodel::Face& first,
                 const obj3dmodel::Face& second, WorldRect* rect) {
    float corners[6][3];
    for (int k = 0; k < 3; ++k) {
        Corner(model, first, k, corners[k]);
        Corner(model, second, k, corners[3 + k]);
    }
    int axis = -1;
    for (int a = 0; a < 3 && axis < 0; ++a) {
        bool flat = true;
        for (int k = 1; k < 6; ++k) flat = flat && corners[k][a] == corners[0][a];
        if (flat) axis = a;
    }
    if (axis < 0) return false;
    const int u = axis == 0 ? 1 : 0;
    const int v = axis == 2 ? 1 : 2;
    rect->axis = axis;
    rect->at = corners[0][axis];
    rect->min[0] = rect->max[0] = corners[0][u];
    rect->min[1] = rect->max[1] = corners[0][v];
    for (const auto& c : corners) {
        rect->min[0] = std::min(rect->min[0], c[u]);
        rect->max[0] = std::max(rect->max[0], c[u]);
        rect->min[1] = std::min(rect->min[1], c[v]);
        rect->max[1] = std::max(rect->max[1], c[v]);
    }
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

// A rectangle of the model being grown from face pairs, with the points its faces have along
// each side: low u, high u (their v), low v, high v (their u), in order.
struct Growing {
    WorldRect rect{};
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
    return a.axis == b.axis && a.at == b.at && a.max[k] == b.min[k] &&
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

std::vector<obj3dmodel::Piece> obj3dmodel::CutIntoPieces(
    const std::vector<std::int32_t>& order) const {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Face& face = faces[order[i]];
        const WorldBox box = FaceBox(*this, face);
        if (!pieces.empty()) {
            Piece& last = pieces.back();
            const WorldBox joined = Joined(last.box, box);
            if (faces[order[last.first]].material == face.material && Fits(joined)) {
                last.box = joined;
                ++last.count;
                continue;
            }
        }
        Piece piece;
        piece.first = static_cast<std::int32_t>(i);
        piece.count = 1;
        piece.box = box;
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
        if (faces[order[i]].material != faces[order[i + 1]].material ||
            !RectangleOf(*this, faces[order[i]], faces[order[i + 1]], &rectangle.rect)) {
            continue;
        }
        rectangle.pieces = {pieceOf[i], pieceOf[i + 1]};
        for (int side = 0; side < 4; ++side) {
            // Along a side of u, its corners' v; along a side of v, their u.
            const int along = side < 2 ? 1 : 0;
            rectangle.sides[side] = {rectangle.rect.min[along], rectangle.rect.max[along]};
        }
        found.push_back(rectangle);
        ++i;  // the pair is used; the next pair starts after it
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
    opaquePieces = CutIntoPieces(opaqueFaces);
    transparentPieces = CutIntoPieces(transparentFaces);
    opaqueTies = FindTies(opaquePieces);
    opaqueOccluders = FindOccluders(opaqueFaces, opaquePieces);
    piecesPlanned = true;
}
