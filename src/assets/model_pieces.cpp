// Cutting a model's faces into pieces: runs of consecutive faces of one material that stay
// within a small box, so that a frame can skip whole runs without changing the face order.
#include <algorithm>  // Required for: std::min(), std::max()

#include "assets/obj_model.h"

namespace {

WorldBox FaceBox(const obj3dmodel& model, const obj3dmodel::Face& face) {
    WorldBox box{};
    for (int k = 0; k < 3; ++k) {
        const obj3dmodel::Vec3D& p = model.positions[face.position[k] - 1];
        // The corners as the lists give them to GL, narrowed to floats.
        const float corner[3] = {static_cast<float>(p.x), static_cast<float>(p.y),
                                 static_cast<float>(p.z)};
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
