// Cutting a model's faces into pieces: runs of consecutive faces of one material that stay
// within a small box, so that a frame can skip whole runs without changing the face order.
#include <algorithm>  // Required for: std::min(), std::max()

#include "assets/obj_model.h"

namespace {

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
        if ((cu != rect->min[0] && cu != rect->max[0]) || (cv != rect->min[1] && cv != rect->max[1])) {
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
    std::vector<Occluder> occluders;
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        Occluder occluder;
        if (faces[order[i]].material != faces[order[i + 1]].material ||
            !RectangleOf(*this, faces[order[i]], faces[order[i + 1]], &occluder.rect)) {
            continue;
        }
        const float area = (occluder.rect.max[0] - occluder.rect.min[0]) *
                           (occluder.rect.max[1] - occluder.rect.min[1]);
        if (area < kOccluderArea) continue;
        occluder.pieces[0] = pieceOf[i];
        occluder.pieces[1] = pieceOf[i + 1];
        occluders.push_back(occluder);
        ++i;  // the pair is used; the next pair starts after it
    }
    return occluders;
}
