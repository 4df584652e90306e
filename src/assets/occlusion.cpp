// Hiding by the largest rectangles in view, cell by cell: a box is hidden in a cell when its
// outline there lies inside one rectangle's outline and the box lies wholly behind that
// rectangle's plane, deep enough that the depth buffer keeps them apart.
#include "assets/occlusion.h"

#include <algorithm>  // Required for: std::partial_sort(), std::min(), std::max()
#include <cmath>      // Required for: std::fabs()
#include <utility>    // Required for: std::pair

Occlusion::Occlusion(const ViewVolume& view, const std::vector<WorldRect>& rects, int most)
    : view_(view) {
    const int* viewport = view.Viewport();
    usable_ = viewport[2] >= kCellsAcross && viewport[3] >= kCellsUp && view.DepthScale() > 0.0;
    if (!usable_) return;
    for (int c = 0; c <= kCellsAcross; ++c) x_[c] = viewport[0] + viewport[2] * c / kCellsAcross;
    for (int r = 0; r <= kCellsUp; ++r) y_[r] = viewport[1] + viewport[3] * r / kCellsUp;

    std::vector<std::pair<double, Cover>> rated;
    for (const WorldRect& rect : rects) {
        Cover cover{rect, {}};
        if (!view.Outline(rect, kMargin, &cover.region)) continue;
        const double area =
            Area(ClipToRect(cover.region.outline, x_[0], y_[0], x_[kCellsAcross], y_[kCellsUp]));
        if (area > 0.0) rated.emplace_back(area, cover);
    }
    const std::size_t used = std::min<std::size_t>(
        rated.size(), static_cast<std::size_t>(std::max(0, std::min(most, kMostCovers))));
    std::partial_sort(rated.begin(), rated.begin() + static_cast<std::ptrdiff_t>(used), rated.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; k < used; ++k) covers_.push_back(rated[k].second);

    // The cells no rectangle fills, and their bounds.
    int first[2] = {kCellsAcross, kCellsUp}, last[2] = {-1, -1};
    for (int r = 0; r < kCellsUp; ++r) {
        for (int c = 0; c < kCellsAcross; ++c) {
            const ScreenPolygon cell = Cell(r, c);
            bool held = false;
            for (const Cover& cover : covers_) held = held || cover.region.Holds(cell);
            if (held) continue;
            first[0] = std::min(first[0], c);
            first[1] = std::min(first[1], r);
            last[0] = std::max(last[0], c);
            last[1] = std::max(last[1], r);
        }
    }
    filled_ = last[0] < 0;
    if (!filled_) {
        open_[0] = x_[first[0]];
        open_[1] = y_[first[1]];
        open_[2] = x_[last[0] + 1] - x_[first[0]];
        open_[3] = y_[last[1] + 1] - y_[first[1]];
    }
}

ScreenPolygon Occlusion::Cell(int row, int column) const {
    ScreenPolygon cell;
    cell.push_back({static_cast<double>(x_[column]), static_cast<double>(y_[row])});
    cell.push_back({static_cast<double>(x_[column + 1]), static_cast<double>(y_[row])});
    cell.push_back({static_cast<double>(x_[column + 1]), static_cast<double>(y_[row + 1])});
    cell.push_back({static_cast<double>(x_[column]), static_cast<double>(y_[row + 1])});
    return cell;
}

double Occlusion::Beyond(const Cover& cover, const WorldBox& box) const {
    const int axis = cover.rect.axis;
    const double at = cover.rect.at;
    const double toPlane = at - view_.Eye()[axis];
    if (toPlane == 0.0) return -1.0;
    return toPlane > 0 ? box.min[axis] - at : at - box.max[axis];
}

bool Occlusion::Deeper(const Cover& cover, double beyond, const ScreenPolygon& part) const {
    // A point `beyond` past the plane, seen through a point of the rectangle at clip depth w,
    // lies at w (h + beyond) / h (h the eye's distance from the plane); window depth there is
    // DepthScale (1 / w - 1 / that) = DepthScale beyond / (w (h + beyond)) deeper, least where w
    // is greatest. Points farther beyond lie deeper still.
    double least = 0.0, greatest = 0.0;
    cover.region.DepthRange(part, &least, &greatest);
    const double h = std::fabs(cover.rect.at - view_.Eye()[cover.rect.axis]);
    return view_.DepthScale() * beyond / (greatest * (h + beyond)) >= kDepthMargin;
}

bool Occlusion::Hides(const WorldBox& box) const {
    if (!usable_ || covers_.empty()) return false;
    // Only rectangles the whole box lies beyond, by how far.
    std::pair<const Cover*, double> before[kMostCovers];
    int count = 0;
    for (const Cover& cover : covers_) {
        const double beyond = Beyond(cover, box);
        if (beyond >= kMinimumGap && count < kMostCovers) before[count++] = {&cover, beyond};
    }
    if (count == 0) return false;
    ScreenPolygon outline;
    const bool known = view_.Outline(box, &outline);
    // The outline's bounding rectangle: cells wholly outside it have no part of it.
    double minX = x_[0], maxX = x_[kCellsAcross], minY = y_[0], maxY = y_[kCellsUp];
    if (known) {
        minX = maxX = outline.points[0].x;
        minY = maxY = outline.points[0].y;
        for (const ScreenPoint& p : outline) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    for (int r = 0; r < kCellsUp; ++r) {
        if (y_[r + 1] < minY || y_[r] > maxY) continue;
        for (int c = 0; c < kCellsAcross; ++c) {
            if (x_[c + 1] < minX || x_[c] > maxX) continue;
            const ScreenPolygon part =
                known ? ClipToRect(outline, x_[c], y_[r], x_[c + 1], y_[r + 1]) : Cell(r, c);
            if (part.empty()) continue;
            bool hidden = false;
            for (int k = 0; k < count && !hidden; ++k) {
                hidden = before[k].first->region.Holds(part) &&
                         Deeper(*before[k].first, before[k].second, part);
            }
            if (!hidden) return false;
        }
    }
    return true;
}

bool Occlusion::OpenBounds(int rect[4]) const {
    if (!usable_ || filled_) return false;
    if (open_[2] == x_[kCellsAcross] - x_[0] && open_[3] == y_[kCellsUp] - y_[0]) return false;
    for (int i = 0; i < 4; ++i) rect[i] = open_[i];
    return true;
}
