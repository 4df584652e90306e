// The clip volume's planes, each a sum or difference of the matrix's last row and another row,
// and the window positions the matrix and the viewport give points of the world.
#include "assets/view_volume.h"

#include <algorithm>  // Required for: std::sort()
#include <cmath>      // Required for: std::fabs(), std::hypot()
#include <iterator>   // Required for: std::begin(), std::end()

namespace {

double Cross(const ScreenPoint& o, const ScreenPoint& a, const ScreenPoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

}  // namespace

ScreenPolygon ClipToHalfPlane(const ScreenPolygon& polygon, double a, double b, double c) {
    // Most polygons lie wholly on one side: each corner's side is worked out once.
    double side[ScreenPolygon::kMost];
    int inside = 0;
    for (int i = 0; i < polygon.count; ++i) {
        side[i] = a * polygon.points[i].x + b * polygon.points[i].y + c;
        inside += side[i] >= 0 ? 1 : 0;
    }
    if (inside == polygon.count) return polygon;
    ScreenPolygon kept;
    if (inside == 0) return kept;
    for (int i = 0; i < polygon.count; ++i) {
        const int next = i + 1 == polygon.count ? 0 : i + 1;
        const ScreenPoint& p = polygon.points[i];
        const ScreenPoint& q = polygon.points[next];
        const double sideP = side[i];
        const double sideQ = side[next];
        if (sideP >= 0) kept.push_back(p);
        if ((sideP >= 0) != (sideQ >= 0)) {
            const double t = sideP / (sideP - sideQ);
            kept.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
        }
    }
    return kept;
}

double Area(const ScreenPolygon& polygon) {
    double twice = 0.0;
    for (int i = 0; i < polygon.count; ++i) {
        const ScreenPoint& p = polygon.points[i];
        const ScreenPoint& q = polygon.points[(i + 1) % polygon.count];
        twice += p.x * q.y - q.x * p.y;
    }
    return std::fabs(twice) / 2.0;
}

bool ScreenRegion::Holds(const ScreenPolygon& polygon) const {
    for (const ScreenPoint& p : polygon) {
        for (int k = 0; k < outline.count; ++k) {
            const double* edge = edges[k];
            if (edge[0] * p.x + edge[1] * p.y + edge[2] < 0) return false;
        }
    }
    return true;
}

void ScreenRegion::DepthRange(const ScreenPolygon& polygon, double* least, double* greatest) const {
    double most = 0.0, fewest = 0.0;
    for (int i = 0; i < polygon.count; ++i) {
        const ScreenPoint& p = polygon.points[i];
        const double inverse = inverseDepth[0] * p.x + inverseDepth[1] * p.y + inverseDepth[2];
        if (i == 0 || inverse > most) most = inverse;
        if (i == 0 || inverse < fewest) fewest = inverse;
    }
    *least = 1.0 / most;
    *greatest = 1.0 / fewest;
}

ScreenPolygon ClipToRect(const ScreenPolygon& polygon, double x0, double y0, double x1, double y1) {
    ScreenPolygon clipped = ClipToHalfPlane(polygon, 1, 0, -x0);
    clipped = ClipToHalfPlane(clipped, -1, 0, x1);
    clipped = ClipToHalfPlane(clipped, 0, 1, -y0);
    return ClipToHalfPlane(clipped, 0, -1, y1);
}

ViewVolume ViewVolume::FromClipMatrix(const float m[16], const float eye[3]) {
    // Row r of a column-major matrix: m[r], m[r + 4], m[r + 8], m[r + 12].
    auto row = [m](int r, int column) { return static_cast<double>(m[r + 4 * column]); };
    ViewVolume volume;
    for (int axis = 0; axis < 3; ++axis) volume.eye_[axis] = eye[axis];
    for (int plane = 0; plane < 6; ++plane) {
        const int axis = plane / 2;                   // x, y, z
        const double sign = plane % 2 == 0 ? 1 : -1;  // w + x >= 0, then w - x >= 0
        for (int column = 0; column < 4; ++column) {
            volume.planes_[plane][column] =
                static_cast<float>(row(3, column) + sign * row(axis, column));
        }
    }
    return volume;
}

ViewVolume ViewVolume::FromClipMatrix(const float m[16], const float eye[3],
                                      const int viewport[4]) {
    ViewVolume volume = FromClipMatrix(m, eye);
    for (int i = 0; i < 16; ++i) volume.clip_[i] = m[i];
    for (int i = 0; i < 4; ++i) volume.viewport_[i] = viewport[i];
    // A perspective projection makes clip z = a w + b for every point: the z row is a times
    // the w row, plus b in the constant column. Window depth is then (a + b / w + 1) / 2.
    const double* c = volume.clip_;
    double along = 0.0, squared = 0.0;
    for (int axis = 0; axis < 3; ++axis) {
        along += c[2 + 4 * axis] * c[3 + 4 * axis];
        squared += c[3 + 4 * axis] * c[3 + 4 * axis];
    }
    if (squared > 0.0) {
        const double a = along / squared;
        const double b = c[14] - a * c[15];
        double off = 0.0;
        for (int axis = 0; axis < 3; ++axis)
            off += std::fabs(c[2 + 4 * axis] - a * c[3 + 4 * axis]);
        if (off < 1e-6 * (1.0 + std::fabs(a)) && b < 0.0) volume.depthScale_ = -b / 2.0;
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
            scale += std::fabs(coefficient) * (std::fabs(box.max[axis]) > std::fabs(box.min[axis])
                                                   ? std::fabs(box.max[axis])
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

void ViewVolume::ToClip(const double point[3], double clip[4]) const {
    for (int row = 0; row < 4; ++row) {
        clip[row] = clip_[row] * point[0] + clip_[row + 4] * point[1] + clip_[row + 8] * point[2] +
                    clip_[row + 12];
    }
}

ScreenPoint ViewVolume::ToWindow(const double clip[4]) const {
    return {viewport_[0] + (clip[0] / clip[3] + 1.0) / 2.0 * viewport_[2],
            viewport_[1] + (clip[1] / clip[3] + 1.0) / 2.0 * viewport_[3]};
}

bool ViewVolume::Outline(const WorldBox& box, ScreenPolygon* hull) const {
    if (viewport_[2] <= 0 || viewport_[3] <= 0) return false;
    // The corners in clip coordinates, and how far each lies before the near plane (z + w).
    double corners[8][4];
    double before[8];
    bool cut = false;
    for (int corner = 0; corner < 8; ++corner) {
        const double point[3] = {corner & 1 ? box.max[0] : box.min[0],
                                 corner & 2 ? box.max[1] : box.min[1],
                                 corner & 4 ? box.max[2] : box.min[2]};
        ToClip(point, corners[corner]);
        before[corner] = corners[corner][2] + corners[corner][3];
        cut = cut || before[corner] < 0;
    }
    // What GL can draw of the box is its part before the near plane: its corners there, and
    // where its edges cross the plane.
    ScreenPoint points[8 + 12];
    int count = 0;
    for (int corner = 0; corner < 8; ++corner) {
        if (before[corner] < 0) continue;
        if (!(corners[corner][3] > 1e-6)) return false;
        points[count++] = ToWindow(corners[corner]);
    }
    if (cut) {
        for (int from = 0; from < 8; ++from) {
            for (int axis = 0; axis < 3; ++axis) {
                const int to = from | (1 << axis);
                if (to == from || (before[from] < 0) == (before[to] < 0)) continue;
                const double t = before[from] / (before[from] - before[to]);
                double crossing[4];
                for (int i = 0; i < 4; ++i) {
                    crossing[i] = corners[from][i] + t * (corners[to][i] - corners[from][i]);
                }
                if (!(crossing[3] > 1e-6)) return false;
                points[count++] = ToWindow(crossing);
            }
        }
    }
    if (count == 0) return false;
    // The convex hull, lower then upper chain (Andrew's monotone chain).
    std::sort(points, points + count, [](const ScreenPoint& a, const ScreenPoint& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    ScreenPoint chain[2 * (8 + 12)];
    int k = 0;
    for (int i = 0; i < count; ++i) {
        while (k >= 2 && Cross(chain[k - 2], chain[k - 1], points[i]) <= 0) --k;
        chain[k++] = points[i];
    }
    for (int i = count - 2, lower = k + 1; i >= 0; --i) {
        while (k >= lower && Cross(chain[k - 2], chain[k - 1], points[i]) <= 0) --k;
        chain[k++] = points[i];
    }
    hull->count = 0;
    for (int i = 0; i < k - 1; ++i) hull->push_back(chain[i]);
    if (k == 1) hull->push_back(chain[0]);
    return true;
}

bool ViewVolume::Outline(const WorldRect& rect, double margin, ScreenRegion* region) const {
    if (viewport_[2] <= 0 || viewport_[3] <= 0) return false;
    const int u = rect.axis == 0 ? 1 : 0;
    const int v = rect.axis == 2 ? 1 : 2;
    const float cornerU[4] = {rect.min[0], rect.max[0], rect.max[0], rect.min[0]};
    const float cornerV[4] = {rect.min[1], rect.min[1], rect.max[1], rect.max[1]};
    // The corners in clip coordinates (x, y, z, w).
    double corners[4][4];
    for (int k = 0; k < 4; ++k) {
        double point[3];
        point[rect.axis] = rect.at;
        point[u] = cornerU[k];
        point[v] = cornerV[k];
        ToClip(point, corners[k]);
    }
    // Cut at the near plane (z + w >= 0), a little beyond it: the part GL draws, and less.
    constexpr double kBeyondNear = 1e-6;
    double kept[8][4];
    int count = 0;
    for (int k = 0; k < 4; ++k) {
        const double* p = corners[k];
        const double* q = corners[(k + 1) % 4];
        const double sideP = p[2] + p[3] - kBeyondNear;
        const double sideQ = q[2] + q[3] - kBeyondNear;
        if (sideP >= 0) {
            for (int i = 0; i < 4; ++i) kept[count][i] = p[i];
            ++count;
        }
        if ((sideP >= 0) != (sideQ >= 0)) {
            const double t = sideP / (sideP - sideQ);
            for (int i = 0; i < 4; ++i) kept[count][i] = p[i] + t * (q[i] - p[i]);
            ++count;
        }
    }
    if (count < 3) return false;
    ScreenPolygon& outline = region->outline;
    outline.count = 0;
    double inverse[8];
    for (int k = 0; k < count; ++k) {
        // Wholly before the far plane (clip z < w), with room to spare.
        const double w = kept[k][3];
        if (!(w > 0.0) || !(w - kept[k][2] > 1e-6 * w)) return false;
        outline.push_back(ToWindow(kept[k]));
        inverse[k] = 1.0 / w;
    }
    // Wound either way on screen; inside is the side the outline turns to.
    const double twiceArea = [&] {
        double sum = 0.0;
        for (int k = 1; k + 1 < count; ++k)
            sum += Cross(outline.points[0], outline.points[k], outline.points[k + 1]);
        return sum;
    }();
    if (!(std::fabs(twiceArea) > 1e-3)) return false;
    const double turn = twiceArea > 0 ? 1.0 : -1.0;
    for (int k = 0; k < count; ++k) {
        const ScreenPoint& p = outline.points[k];
        const ScreenPoint& q = outline.points[(k + 1) % count];
        const double length = std::hypot(q.x - p.x, q.y - p.y);
        if (!(length > 1e-9)) {
            // A corner met twice (the cut passed through it): no edge.
            region->edges[k][0] = region->edges[k][1] = 0.0;
            region->edges[k][2] = 0.0;
            continue;
        }
        const double a = -(q.y - p.y) * turn / length;
        const double b = (q.x - p.x) * turn / length;
        region->edges[k][0] = a;
        region->edges[k][1] = b;
        region->edges[k][2] = -(a * p.x + b * p.y) - margin;
    }
    // 1 / w is affine in the window over a plane: the plane through the three corners that
    // span the most.
    int best = 1;
    for (int k = 1; k + 1 < count; ++k) {
        if (std::fabs(Cross(outline.points[0], outline.points[k], outline.points[k + 1])) >
            std::fabs(Cross(outline.points[0], outline.points[best], outline.points[best + 1]))) {
            best = k;
        }
    }
    const ScreenPoint& p0 = outline.points[0];
    const ScreenPoint& p1 = outline.points[best];
    const ScreenPoint& p2 = outline.points[best + 1];
    const double d1 = inverse[best] - inverse[0];
    const double d2 = inverse[best + 1] - inverse[0];
    const double determinant = (p1.x - p0.x) * (p2.y - p0.y) - (p2.x - p0.x) * (p1.y - p0.y);
    region->inverseDepth[0] = (d1 * (p2.y - p0.y) - d2 * (p1.y - p0.y)) / determinant;
    region->inverseDepth[1] = (d2 * (p1.x - p0.x) - d1 * (p2.x - p0.x)) / determinant;
    region->inverseDepth[2] =
        inverse[0] - region->inverseDepth[0] * p0.x - region->inverseDepth[1] * p0.y;
    return true;
}
