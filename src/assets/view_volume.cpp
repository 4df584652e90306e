// The clip volume's planes, each a sum or difference of the matrix's last row and another row.
#include "assets/view_volume.h"

#include <cmath>  // Required for: std::fabs()

ViewVolume ViewVolume::FromClipMatrix(const float m[16], const float eye[3]) {
    // Row r of a column-major matrix: m[r], m[r + 4], m[r + 8], m[r + 12].
    auto row = [m](int r, int column) { return static_cast<double>(m[r + 4 * column]); };
    ViewVolume volume;
    for (int axis = 0; axis < 3; ++axis) volume.eye_[axis] = eye[axis];
    for (int plane = 0; plane < 6; ++plane) {
        const int axis = plane / 2;                  // x, y, z
        const double sign = plane % 2 == 0 ? 1 : -1;  // w + x >= 0, then w - x >= 0
        for (int column = 0; column < 4; ++column) {
            volume.planes_[plane][column] =
                static_cast<float>(row(3, column) + sign * row(axis, column));
        }
    }
    return volume;
}

bool ViewVolume::MayShow(const WorldBox& box) const {
    for (const auto& plane : planes_) {
        // The box's corner farthest along the plane's normal; if even that one is outside,
        // the whole box is. A little slack keeps rounding from dropping a box that touches.
        double farthest = plane[3];
        double scale = std::fabs(plane[3]);
        for (int axis = 0; axis < 3; ++axis) {
            const double coefficient = plane[axis];
            farthest += coefficient * (coefficient >= 0 ? box.max[axis] : box.min[axis]);
            scale += std::fabs(coefficient) *
                     (std::fabs(box.max[axis]) > std::fabs(box.min[axis]) ? std::fabs(box.max[axis])
                                                                          : std::fabs(box.min[axis]));
        }
        if (farthest < -1e-5 * scale) return false;
    }
    return true;
}

float ViewVolume::SquaredDistance(const WorldBox& box) const {
    float sum = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
        const float below = box.min[axis] - eye_[axis];
        const float above = eye_[axis] - box.max[axis];
        const float outside = below > 0.0f ? below : (above > 0.0f ? above : 0.0f);
        sum += outside * outside;
    }
    return sum;
}
