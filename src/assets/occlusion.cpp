// Hiding by the largest rectangles in view, cell by cell: a box is hidden in a cell when its
// outline there lies inside the rectangles that hold it and the box lies wholly behind each of
// their planes, deep enough that the depth buffer keeps them apart.
#include "assets/occlusion.h"

#include <algorithm>  // Required for: std::partial_sort(), std::min(), std::max(), std::clamp()
#include <cmath>      // Required for: std::fabs()
#include <utility>    // Required for: std::pair
#include <vector>     // Required for: std::vector

namespace {

// The bounding rectangle of a polygon: least x, y, then greatest x, y.
void Bounds(const ScreenPolygon& polygon, double bounds[4]) {
    bounds[0] = bounds[2] = polygon.points[0].x;
    bounds[1] = bounds[3] = polygon.points[0].y;
    for (const ScreenPoint& p : polygon) {
        bounds[0] = std::min(bounds[0], p.x);
        bounds[1] = std::min(bounds[1], p.y);
        bounds[2] = std::max(bounds[2], p.x);
        bounds[3] = std::max(bounds[3], p.y);
    }
}

bool Overlap(const double a[4], const double b[4]) {
    return a[0] <= b[2] && b[0] <= a[2] && a[1] <= b[3] && b[1] <= a[3];
}

// The part of `polygon` inside every edge of the region, margin included.
ScreenPolygon Inside(const ScreenRegion& region, const ScreenPolygon& polygon) {
    ScreenPolygon inside = polygon;
    for (int k = 0; k < region.outline.count && !inside.empty(); ++k) {
        inside =
            ClipToHalfPlane(inside, region.edges[k][0], region.edges[k][1], region.edges[k][2]);
    }
    return inside;
}

bool HoldsPoint(const ScreenRegion& region, const ScreenPoint& point) {
    for (int k = 0; k < region.outline.count; ++k) {
        const double* edge = region.edges[k];
        if (edge[0] * point.x + edge[1] * point.y + edge[2] < 0) return false;
    }
    return true;
}

}  // namespace

Occlusion::Occlusion(const ViewVolume& view, const std::vector<WorldRect>& rects, int most)
    : view_(view) {
    const int* viewport = view.Viewport();
    // Cells of about kCellPixels on a side, no fewer than 8 by 6 and no more than 16 by 12: a
    // large window gains as many pixels from the finer cells as the judging costs.
    across_ = std::clamp(viewport[2] / kCellPixels, kFewestAcross, kMostAcross);
    up_ = std::clamp(viewport[3] / kCellPixels, kFewestUp, kMostUp);
    usable_ = viewport[2] >= across_ && viewport[3] >= up_ && view.DepthScale() > 0.0;
    if (!usable_) return;
    for (int c = 0; c <= across_; ++c) x_[c] = viewport[0] + viewport[2] * c / across_;
    for (int r = 0; r <= up_; ++r) y_[r] = viewport[1] + viewport[3] * r / up_;

    std::vector<std::pair<double, Cover>> rated;
    for (const WorldRect& rect : rects) {
        Cover cover{rect, {}, {}, 0.0};
        if (!view.Outline(rect, kMargin, &cover.region)) continue;
        const double* inverse = cover.region.inverseDepth;
        for (const ScreenPoint& p : cover.region.outline) {
            cover.greatest =
                std::max(cover.greatest, 1.0 / (inverse[0] * p.x + inverse[1] * p.y + inverse[2]));
        }
        const double area =
            Area(ClipToRect(cover.region.outline, x_[0], y_[0], x_[across_], y_[up_]));
        if (area <= 0.0) continue;
        Bounds(cover.region.outline, cover.bounds);
        rated.emplace_back(area, cover);
    }
    const std::size_t used = std::min<std::size_t>(
        rated.size(), static_cast<std::size_t>(std::max(0, std::min(most, kMostCovers))));
    std::partial_sort(rated.begin(), rated.begin() + static_cast<std::ptrdiff_t>(used), rated.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t k = 0; k < used; ++k) covers_.push_back(rated[k].second);

    // What holds each cell, and the bounds of the cells nothing holds.
    int first[2] = {across_, up_}, last[2] = {-1, -1};
    for (int r = 0; r < up_; ++r) {
        for (int c = 0; c < across_; ++c) {
            const ScreenPolygon cell = Cell(r, c);
            double cellBounds[4];
            Bounds(cell, cellBounds);
            int candidates[kMostCovers];
            int count = 0;
            for (std::size_t k = 0; k < covers_.size(); ++k) {
                if (Overlap(covers_[k].bounds, cellBounds)) {
                    candidates[count++] = static_cast<int>(k);
                }
            }
            // Nearest first at the cell's middle: the rectangle seen there is the one that hides
            // what lies behind it, not the lawn far behind it that holds the cell as well.
            const double middle[2] = {(cellBounds[0] + cellBounds[2]) / 2,
                                      (cellBounds[1] + cellBounds[3]) / 2};
            const auto nearness = [&](int k) {
                const double* inverse = covers_[static_cast<std::size_t>(k)].region.inverseDepth;
                return inverse[0] * middle[0] + inverse[1] * middle[1] + inverse[2];
            };
            std::stable_sort(candidates, candidates + count,
                             [&](int a, int b) { return nearness(a) > nearness(b); });
            Holders& holders = held_[r][c];
            if (HeldTogether(candidates, count, cell, kMostTogether, &holders)) {
                for (int h = 0; h < holders.count; ++h) {
                    const Cover& cover = covers_[static_cast<std::size_t>(holders.cover[h])];
                    double least = 0.0;
                    cover.region.DepthRange(Inside(cover.region, cell), &least,
                                            &holders.greatest[h]);
                }
                continue;
            }
            holders.count = 0;
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

bool Occlusion::HeldTogether(const int* candidates, int count, const ScreenPolygon& part, int most,
                             Holders* used) const {
    const auto take = [used](int cover) {
        for (int h = 0; h < used->count; ++h) {
            if (used->cover[h] == cover) return true;
        }
        if (used->count == kMostHolders) return false;
        used->cover[used->count++] = cover;
        return true;
    };
    // Which of them hold each corner: one that holds them all holds the part.
    bool holdsCorner[kMostCovers] = {};
    bool everyCornerHeld = true;
    for (int k = 0; k < count; ++k) {
        const ScreenRegion& region = covers_[static_cast<std::size_t>(candidates[k])].region;
        bool all = true;
        for (const ScreenPoint& corner : part) {
            const bool held = HoldsPoint(region, corner);
            holdsCorner[k] = holdsCorner[k] || held;
            all = all && held;
        }
        if (all) return take(candidates[k]);
    }
    if (most <= 1) return false;
    for (const ScreenPoint& corner : part) {
        bool inOne = false;
        for (int k = 0; k < count && !inOne; ++k) {
            inOne = HoldsPoint(covers_[static_cast<std::size_t>(candidates[k])].region, corner);
        }
        everyCornerHeld = everyCornerHeld && inOne;
    }
    if (!everyCornerHeld) return false;
    // One of them that holds a corner takes what it holds (by its margin), and the others
    // together what lies outside each of its edges: every point is then inside one of them by
    // the margin, and the seams between them are never counted on.
    for (int k = 0; k < count; ++k) {
        if (!holdsCorner[k]) continue;
        const ScreenRegion& region = covers_[static_cast<std::size_t>(candidates[k])].region;
        int others[kMostCovers];
        int left = 0;
        for (int o = 0; o < count; ++o) {
            if (o != k) others[left++] = candidates[o];
        }
        Holders trial = *used;
        bool held = take(candidates[k]);
        for (int edge = 0; edge < region.outline.count && held; ++edge) {
            const ScreenPolygon outside = ClipToHalfPlane(
                part, -region.edges[edge][0], -region.edges[edge][1], -region.edges[edge][2]);
            if (outside.empty()) continue;
            held = HeldTogether(others, left, outside, most - 1, used);
        }
        if (held) return true;
        *used = trial;
    }
    return false;
}

double Occlusion::Beyond(const Cover& cover, const WorldBox& box) const {
    const int axis = cover.rect.axis;
    const double at = cover.rect.at;
    const double toPlane = at - view_.Eye()[axis];
    if (toPlane == 0.0) return -1.0;
    return toPlane > 0 ? box.min[axis] - at : at - box.max[axis];
}

double Occlusion::Before(const Cover& cover, const WorldBox& box) const {
    const int axis = cover.rect.axis;
    const double at = cover.rect.at;
    const double toPlane = at - view_.Eye()[axis];
    return toPlane > 0 ? at - box.max[axis] : box.min[axis] - at;
}

bool Occlusion::Deeper(const Cover& cover, double beyond, double greatest) const {
    // A point `beyond` past the plane, seen through a point of the rectangle at clip depth w,
    // lies at w (h + beyond) / h (h the eye's distance from the plane); window depth there is
    // DepthScale (1 / w - 1 / that) = DepthScale beyond / (w (h + beyond)) deeper, least where w
    // is greatest. Points farther beyond lie deeper still.
    const double h = std::fabs(cover.rect.at - view_.Eye()[cover.rect.axis]);
    return view_.DepthScale() * beyond / (greatest * (h + beyond)) >= kDepthMargin;
}

bool Occlusion::Deeper(const Cover& cover, double beyond, const ScreenPolygon& part) const {
    double least = 0.0, greatest = 0.0;
    cover.region.DepthRange(part, &least, &greatest);
    return Deeper(cover, beyond, greatest);
}

bool Occlusion::Hides(const WorldBox& box) const {
    if (!usable_ || covers_.empty()) return false;
    int budget = kMostParts;
    return HidesPart(box, SplitsFor(box), &budget);
}

int Occlusion::SplitsFor(const WorldBox& box) {
    // Only the largest faces are worth judging in parts: the lawn reaching from under the floor
    // to beyond the walls, a wall from under the floor to above the ceiling.
    float longest = 0.0f;
    for (int axis = 0; axis < 3; ++axis) longest = std::max(longest, box.max[axis] - box.min[axis]);
    return longest > kSplitFrom ? kDeepestSplit : 0;
}

bool Occlusion::HidesPart(const WorldBox& box, int splits, int* budget) const {
    bool partsMayBe = false;
    if (OpenWhole(box, true, &partsMayBe).none()) return true;
    return partsMayBe && HalvesHidden(box, splits, budget);
}

bool Occlusion::HalvesHidden(const WorldBox& box, int splits, int* budget) const {
    if (splits == 0 || *budget < 2) return false;
    // Halves along the longest side.
    int axis = 0;
    for (int a = 1; a < 3; ++a) {
        if (box.max[a] - box.min[a] > box.max[axis] - box.min[axis]) axis = a;
    }
    WorldBox low = box, high = box;
    low.max[axis] = high.min[axis] = box.min[axis] + (box.max[axis] - box.min[axis]) / 2.0f;
    *budget -= 2;
    // A part outside the view puts nothing on screen.
    return (!view_.MayShow(low) || HidesPart(low, splits - 1, budget)) &&
           (!view_.MayShow(high) || HidesPart(high, splits - 1, budget));
}

int Occlusion::Showing(const WorldBox& box, std::array<int, 4>* rects, int most) const {
    if (!usable_ || covers_.empty() || most < 1) return -1;
    // In a small window the pixels saved cost less than the judging.
    if (across_ * up_ < kLeastCellsToCut) return Hides(box) ? 0 : -1;
    // A box within a few cells is drawn whole: judging each of its cells would cost more than
    // the pixels it could save.
    ScreenPolygon outline;
    if (!view_.Outline(box, &outline)) return 0;
    double bounds[4];
    Bounds(outline, bounds);
    const double cellWidth = static_cast<double>(x_[across_] - x_[0]) / across_;
    const double cellHeight = static_cast<double>(y_[up_] - y_[0]) / up_;
    if ((bounds[2] - bounds[0]) * (bounds[3] - bounds[1]) <
        kLeastCutCells * cellWidth * cellHeight) {
        return Hides(box) ? 0 : -1;
    }
    // Each cell judged for the box whole; where some are open, its halves may yet hide it all.
    bool partsMayBe = false;
    const Cells open = OpenWhole(box, false, &partsMayBe);
    int budget = kMostParts;
    if (open.none() || (partsMayBe && HalvesHidden(box, SplitsFor(box), &budget))) return 0;
    // The cells the box's outline reaches, and the runs of open ones along each row, each run
    // joined with the same run in the row below (in cells: first column, first row, last
    // column, last row).
    std::vector<std::array<int, 4>> blocks;
    bool leftOut = false;
    for (int r = 0; r < up_; ++r) {
        if (y_[r + 1] < bounds[1] || y_[r] > bounds[3]) continue;
        int runStart = -1;
        for (int c = 0; c <= across_; ++c) {
            const bool reached = c < across_ && x_[c + 1] >= bounds[0] && x_[c] <= bounds[2];
            const bool isOpen = reached && open[static_cast<std::size_t>(r * kMostAcross + c)];
            leftOut = leftOut || (reached && !isOpen);
            if (isOpen && runStart < 0) runStart = c;
            if (isOpen || runStart < 0) continue;
            const std::array<int, 4> run = {runStart, r, c - 1, r};
            runStart = -1;
            bool joined = false;
            for (std::array<int, 4>& block : blocks) {
                if (block[0] == run[0] && block[2] == run[2] && block[3] == r - 1) {
                    block[3] = r;
                    joined = true;
                    break;
                }
            }
            if (!joined) blocks.push_back(run);
        }
    }
    if (!leftOut || blocks.empty()) return -1;
    // Too many: the two whose joined bounds take in the fewest cells they do not hold are joined,
    // until few enough are left.
    const auto cells = [](const std::array<int, 4>& b) {
        return (b[2] - b[0] + 1) * (b[3] - b[1] + 1);
    };
    while (static_cast<int>(blocks.size()) > most) {
        std::size_t bestA = 0, bestB = 1;
        int bestWaste = -1;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            for (std::size_t j = i + 1; j < blocks.size(); ++j) {
                const std::array<int, 4> joined = {
                    std::min(blocks[i][0], blocks[j][0]), std::min(blocks[i][1], blocks[j][1]),
                    std::max(blocks[i][2], blocks[j][2]), std::max(blocks[i][3], blocks[j][3])};
                const int waste = cells(joined) - cells(blocks[i]) - cells(blocks[j]);
                if (bestWaste < 0 || waste < bestWaste) {
                    bestWaste = waste;
                    bestA = i;
                    bestB = j;
                }
            }
        }
        std::array<int, 4>& a = blocks[bestA];
        const std::array<int, 4>& b = blocks[bestB];
        a = {std::min(a[0], b[0]), std::min(a[1], b[1]), std::max(a[2], b[2]),
             std::max(a[3], b[3])};
        blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(bestB));
    }
    // Joined bounds may overlap another block: each pixel must be drawn once at most, so
    // overlapping ones are joined too.
    for (bool overlapping = true; overlapping;) {
        overlapping = false;
        for (std::size_t i = 0; i < blocks.size() && !overlapping; ++i) {
            for (std::size_t j = i + 1; j < blocks.size() && !overlapping; ++j) {
                std::array<int, 4>& a = blocks[i];
                const std::array<int, 4>& b = blocks[j];
                if (a[0] <= b[2] && b[0] <= a[2] && a[1] <= b[3] && b[1] <= a[3]) {
                    a = {std::min(a[0], b[0]), std::min(a[1], b[1]), std::max(a[2], b[2]),
                         std::max(a[3], b[3])};
                    blocks.erase(blocks.begin() + static_cast<std::ptrdiff_t>(j));
                    overlapping = true;
                }
            }
        }
    }
    int count = 0;
    for (const std::array<int, 4>& block : blocks) {
        rects[count++] = {x_[block[0]], y_[block[1]], x_[block[2] + 1] - x_[block[0]],
                          y_[block[3] + 1] - y_[block[1]]};
    }
    return count;
}

Occlusion::Cells Occlusion::OpenWhole(const WorldBox& box, bool firstOnly, bool* partsMayBe) const {
    *partsMayBe = false;
    Cells open;
    Judged judged;
    const bool before = Judge(box, &judged);
    // Beyond none of the rectangles, nothing hides it (a box behind the eye is not hidden, it
    // is out of view).
    if (!judged.anyBeyond) return open.set();
    if (!before) return open;  // nothing of it before the near plane
    for (int r = 0; r < up_; ++r) {
        if (y_[r + 1] < judged.bounds[1] || y_[r] > judged.bounds[3]) continue;
        for (int c = 0; c < across_; ++c) {
            if (x_[c + 1] < judged.bounds[0] || x_[c] > judged.bounds[2]) continue;
            double partBounds[4];
            if (HiddenInCell(box, judged, r, c, true, partBounds)) continue;
            open.set(static_cast<std::size_t>(r * kMostAcross + c));
            // Its parts may yet be hidden here when rectangles hold the cell and it reaches
            // beyond one that comes into it; not where nothing holds the cell (the sky may show
            // there), nor when it lies before them all (a wall that is itself one of them, a
            // table before it).
            for (std::size_t k = 0; k < covers_.size() && held_[r][c].count > 0 && !*partsMayBe;
                 ++k) {
                *partsMayBe =
                    Overlap(covers_[k].bounds, partBounds) && Before(covers_[k], box) < 0.0;
            }
            if (firstOnly) return open;
        }
    }
    return open;
}

bool Occlusion::Judge(const WorldBox& box, Judged* judged) const {
    judged->anyBeyond = false;
    for (std::size_t k = 0; k < covers_.size(); ++k) {
        judged->beyond[k] = Beyond(covers_[k], box);
        judged->anyBeyond = judged->anyBeyond || judged->beyond[k] >= kMinimumGap;
    }
    if (!view_.Outline(box, &judged->outline)) return false;
    Bounds(judged->outline, judged->bounds);
    return true;
}

bool Occlusion::HiddenInCell(const WorldBox& box, const Judged& judged, int r, int c, bool mayCut,
                             double partBounds[4]) const {
    const Holders& holders = held_[r][c];
    // The rectangles that hold the whole cell, when the box lies beyond each of them: whatever
    // part of it the cell has is hidden, and need not be cut out.
    bool hiddenWhole = judged.anyBeyond && holders.count > 0;
    for (int h = 0; h < holders.count && hiddenWhole; ++h) {
        const std::size_t k = static_cast<std::size_t>(holders.cover[h]);
        hiddenWhole = judged.beyond[k] >= kMinimumGap &&
                      Deeper(covers_[k], judged.beyond[k], holders.greatest[h]);
    }
    if (hiddenWhole) return true;
    // The part of the outline in the cell; none, nothing to hide.
    const ScreenPolygon part = ClipToRect(judged.outline, x_[c], y_[r], x_[c + 1], y_[r + 1]);
    if (part.empty()) return true;
    Bounds(part, partBounds);
    if (judged.anyBeyond) {
        // Else the rectangles the box lies beyond that hold its part of the cell.
        int candidates[kMostCovers];
        int count = 0;
        for (std::size_t k = 0; k < covers_.size(); ++k) {
            if (judged.beyond[k] >= kMinimumGap && Overlap(covers_[k].bounds, partBounds)) {
                candidates[count++] = static_cast<int>(k);
            }
        }
        Holders partHolders;
        bool hidden = HeldTogether(candidates, count, part, kMostTogether, &partHolders);
        for (int h = 0; h < partHolders.count && hidden; ++h) {
            const std::size_t k = static_cast<std::size_t>(partHolders.cover[h]);
            const ScreenPolygon taken =
                partHolders.count == 1 ? part : Inside(covers_[k].region, part);
            hidden = taken.empty() || Deeper(covers_[k], judged.beyond[k], taken);
        }
        if (hidden) return true;
    }
    // A box reaching through the plane of a rectangle that holds the cell (a wall's outer face
    // reaching below the floor, the lawn under the house and beyond its walls) may be hidden in
    // two parts: the one beyond that plane behind it, the one before it behind the others.
    if (!mayCut) return false;
    for (int h = 0; h < holders.count; ++h) {
        const Cover& cover = covers_[static_cast<std::size_t>(holders.cover[h])];
        const int axis = cover.rect.axis;
        const float at = cover.rect.at;
        // The part beyond keeps a gap from the plane, twice what the depth buffer needs to keep
        // it behind the rectangle where the rectangle is seen deepest.
        const double distance = std::fabs(at - view_.Eye()[axis]);
        const float gap =
            static_cast<float>(std::max(2.0 * kMinimumGap, 2.0 * kDepthMargin * cover.greatest *
                                                               distance / view_.DepthScale()));
        if (!(box.min[axis] < at - gap && box.max[axis] > at + gap)) continue;
        WorldBox beyond = box, before = box;
        if (view_.Eye()[axis] < at) {
            beyond.min[axis] = at + gap;
            before.max[axis] = at + gap;
        } else {
            beyond.max[axis] = at - gap;
            before.min[axis] = at - gap;
        }
        bool hidden = true;
        for (const WorldBox& side : {beyond, before}) {
            Judged sideJudged;
            double sideBounds[4];
            if (!hidden || !view_.MayShow(side) || !Judge(side, &sideJudged)) continue;
            hidden = HiddenInCell(side, sideJudged, r, c, false, sideBounds);
        }
        if (hidden) return true;
    }
    return false;
}

bool Occlusion::OpenParts(std::vector<std::array<int, 4>>* parts) const {
    parts->clear();
    if (!usable_) return false;
    if (filled_) return true;
    // Runs of open cells along each row, each joined with the same run in the row below.
    std::vector<std::array<int, 4>> below;
    for (int r = 0; r < up_; ++r) {
        std::vector<std::array<int, 4>> row;
        for (int c = 0; c < across_;) {
            if (held_[r][c].count > 0) {
                ++c;
                continue;
            }
            int end = c + 1;
            while (end < across_ && held_[r][end].count == 0) ++end;
            row.push_back({x_[c], y_[r], x_[end] - x_[c], y_[r + 1] - y_[r]});
            c = end;
        }
        for (std::array<int, 4>& run : row) {
            for (std::array<int, 4>& under : below) {
                if (under[0] == run[0] && under[2] == run[2] && under[1] + under[3] == run[1]) {
                    run[1] = under[1];
                    run[3] += under[3];
                    under[2] = 0;  // taken into the run above
                }
            }
        }
        for (const std::array<int, 4>& under : below) {
            if (under[2] > 0) parts->push_back(under);
        }
        below = std::move(row);
    }
    for (const std::array<int, 4>& under : below) parts->push_back(under);
    return true;
}

bool Occlusion::OpenBounds(int rect[4]) const {
    if (!usable_ || filled_) return false;
    if (open_[2] == x_[across_] - x_[0] && open_[3] == y_[up_] - y_[0]) return false;
    for (int i = 0; i < 4; ++i) rect[i] = open_[i];
    return true;
}
