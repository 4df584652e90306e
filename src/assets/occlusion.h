// What a frame's largest opaque rectangles keep from sight, judged on a grid of window cells: a
// box wholly behind one of them in every cell it covers would only be drawn over, and nothing
// behind them all (the sky) can show when each cell is filled by one. No GL here.
#pragma once

#include <vector>  // Required for: std::vector

#include "assets/view_volume.h"

class Occlusion {
public:
    // The window is cut into this many cells across and up, on whole pixels.
    static constexpr int kCellsAcross = 8;
    static constexpr int kCellsUp = 6;
    // How far inside a rectangle's outline (in pixels) whatever it hides must stay: far above
    // what GL's rounding moves an edge (a 256th of a pixel).
    static constexpr double kMargin = 0.1;
    // How much deeper in window depth whatever a rectangle hides must stay: 16 steps of a 24-bit
    // depth buffer, far above GL's rounding.
    static constexpr double kDepthMargin = 1.0 / (1 << 20);
    // Never nearer behind a rectangle than this, whatever the depth buffer would allow.
    static constexpr double kMinimumGap = 1e-4;
    // No more rectangles than this are used, whatever is asked.
    static constexpr int kMostCovers = 32;

    // Hides nothing.
    Occlusion() = default;
    // `rects` are opaque rectangles this frame draws, each wholly or left out only where
    // something nearer is drawn; the `most` of them that take most of the window are used.
    Occlusion(const ViewVolume& view, const std::vector<WorldRect>& rects, int most);

    // Whether every pixel the box could put on screen would fail the depth test: in each cell
    // of the window its outline reaches, it lies inside one rectangle's outline and wholly
    // behind that rectangle. A box with a corner at or behind the eye is judged in every cell.
    bool Hides(const WorldBox& box) const;
    // Whether one rectangle or another fills each cell: nothing behind them can show.
    bool FillsWindow() const { return filled_; }
    // The pixels (x, y, width, height) of the smallest rectangle of cells that holds every cell
    // no rectangle fills; false when that is the whole window, or there is none.
    bool OpenBounds(int rect[4]) const;

    // The rectangles in use and their outlines, largest first.
    struct Cover {
        WorldRect rect;
        ScreenRegion region;
    };
    const std::vector<Cover>& Covers() const { return covers_; }

private:
    // How far the box lies beyond the cover's plane, away from the eye (negative when not
    // wholly beyond it).
    double Beyond(const Cover& cover, const WorldBox& box) const;
    // Whether every point of a box `beyond` past the cover's plane, seen within `part` (a piece
    // of the window inside the cover's outline), lies deeper than the cover there by the margin.
    bool Deeper(const Cover& cover, double beyond, const ScreenPolygon& part) const;
    ScreenPolygon Cell(int row, int column) const;

    ViewVolume view_;
    std::vector<Cover> covers_;
    int x_[kCellsAcross + 1] = {};
    int y_[kCellsUp + 1] = {};
    bool usable_ = false;
    bool filled_ = false;
    int open_[4] = {};
};
