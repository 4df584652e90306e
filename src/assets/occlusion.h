// What a frame's largest opaque rectangles keep from sight, judged on a grid of window cells: a
// box wholly behind the rectangles that hold the part of it in each cell it covers would only be
// drawn over, and nothing behind them all (the sky) can show when every cell is held. No GL here.
#pragma once

#include <array>   // Required for: std::array
#include <bitset>  // Required for: std::bitset
#include <vector>  // Required for: std::vector

#include "assets/view_volume.h"

class Occlusion {
public:
    // The window is cut into cells of about this many pixels on a side, on whole pixels, from 8
    // by 6 to 16 by 12 of them.
    static constexpr int kCellPixels = 100;
    static constexpr int kFewestAcross = 8;
    static constexpr int kFewestUp = 6;
    static constexpr int kMostAcross = 16;
    static constexpr int kMostUp = 12;
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
    // A cell may be held by this many rectangles together when none holds it alone (where a
    // wall's panelling meets the paper above it, and the floor below).
    static constexpr int kMostTogether = 3;
    // A box not hidden whole is judged in halves, and those in halves, this many times at most,
    // and in no more parts than this all told: the lawn reaches from under the floor to beyond
    // the walls, a wall from under the floor to above the ceiling.
    static constexpr int kDeepestSplit = 8;
    // Boxes no longer than this on any side are judged whole only.
    static constexpr float kSplitFrom = 2.0f;
    static constexpr int kMostParts = 48;
    // Boxes whose outline's bounds take fewer cells than this are not cut to the cells they show
    // in.
    static constexpr double kLeastCutCells = 4.0;
    // Nor in a window of fewer cells than this (8 by 6 at 800 by 600, 16 by 10 at 1920 by 1080).
    static constexpr int kLeastCellsToCut = 100;

    // Hides nothing.
    Occlusion() = default;
    // `rects` are opaque rectangles this frame draws, each wholly or left out only where
    // something nearer is drawn; the `most` of them that take most of the window are used.
    Occlusion(const ViewVolume& view, const std::vector<WorldRect>& rects, int most);

    // Whether every pixel the box could put on screen would fail the depth test: in each cell
    // of the window its outline reaches (cut at the near plane), it lies inside one rectangle's
    // outline, or inside the outlines of the rectangles that hold that whole cell together, and
    // wholly behind each of them; or else each half of it is hidden so, or lies outside the view.
    bool Hides(const WorldBox& box) const;
    // Where a box may put pixels: nowhere (0: hidden), only inside the pixel rectangles (x, y,
    // width, height) written to `rects`, at most `most` of them (their count), or anywhere its
    // outline reaches (-1: the cells are not in use, or the rectangles would leave out nothing).
    // Outside the rectangles every pixel of it would fail the depth test, so a frame may cut it
    // to them (a scissor) and show the same picture.
    int Showing(const WorldBox& box, std::array<int, 4>* rects, int most) const;
    // Whether the rectangles hold every cell: nothing behind them can show.
    bool FillsWindow() const { return filled_; }
    // The pixels (x, y, width, height) of the smallest rectangle of cells that holds every cell
    // the rectangles do not hold; false when that is the whole window, or there is none.
    bool OpenBounds(int rect[4]) const;
    // The pixels (x, y, width, height) of rectangles of cells that together hold every cell the
    // rectangles do not hold, and no other: runs of such cells along a row, joined with the same
    // run in the rows next to it. None when every cell is held; false when the cells are not
    // in use (the whole window may show).
    bool OpenParts(std::vector<std::array<int, 4>>* parts) const;

    // The rectangles in use and their outlines, largest first.
    struct Cover {
        WorldRect rect;
        ScreenRegion region;
        double bounds[4];  // the outline's least x, y and greatest x, y
        double greatest;   // the greatest clip w of its points in the outline
    };
    const std::vector<Cover>& Covers() const { return covers_; }

private:
    // The rectangles that hold a whole cell between them (none when they do not), each with the
    // greatest clip w it shows within the cell.
    static constexpr int kMostHolders = 8;
    struct Holders {
        int count = 0;
        int cover[kMostHolders];
        double greatest[kMostHolders];
    };

    // How far the box lies beyond the cover's plane, away from the eye (negative when not
    // wholly beyond it).
    double Beyond(const Cover& cover, const WorldBox& box) const;
    // How far the box lies before the cover's plane, on the eye's side (negative when not
    // wholly before it).
    double Before(const Cover& cover, const WorldBox& box) const;
    // Whether points `beyond` past the cover's plane, seen where the cover shows clip w up to
    // `greatest`, lie deeper than the cover there by the margin.
    bool Deeper(const Cover& cover, double beyond, double greatest) const;
    // The same for whatever lies beyond it within `part` (a piece of the window inside the
    // cover's outline).
    bool Deeper(const Cover& cover, double beyond, const ScreenPolygon& part) const;
    ScreenPolygon Cell(int row, int column) const;
    // One bit a cell, row by row: the cells a box may show in.
    using Cells = std::bitset<kMostAcross * kMostUp>;
    // Hides for `box` whole, or for each of its halves in turn (down to `splits` halvings, while
    // `budget` parts remain to be judged).
    bool HidesPart(const WorldBox& box, int splits, int* budget) const;
    // Whether both halves of `box` are hidden, each judged as HidesPart judges it.
    bool HalvesHidden(const WorldBox& box, int splits, int* budget) const;
    // How many times a box may be halved: boxes no longer than kSplitFrom are judged whole.
    static int SplitsFor(const WorldBox& box);
    // The cells where the box judged whole may show (only the first found, if `firstOnly`);
    // whether its parts may yet be hidden where it may.
    Cells OpenWhole(const WorldBox& box, bool firstOnly, bool* partsMayBe) const;
    // A box's outline, its bounds, and how far it lies beyond each rectangle.
    struct Judged {
        ScreenPolygon outline;
        double bounds[4];
        double beyond[kMostCovers];
        bool anyBeyond;
    };
    // False when nothing of the box lies before the near plane.
    bool Judge(const WorldBox& box, Judged* judged) const;
    // Whether every pixel of the box in cell (r, c) would fail the depth test; the bounds of its
    // part of the cell go to `partBounds`. Where not, and `mayCut`, the box may be cut in two at
    // the plane of a rectangle holding the cell, and each part judged so (without cutting it).
    bool HiddenInCell(const WorldBox& box, const Judged& judged, int r, int c, bool mayCut,
                      double partBounds[4]) const;
    // Whether `most` of the covers listed in `candidates` or fewer hold every point of `part`
    // between them by the margin; the covers they took are added to `used`.
    bool HeldTogether(const int* candidates, int count, const ScreenPolygon& part, int most,
                      Holders* used) const;

    ViewVolume view_;
    std::vector<Cover> covers_;
    int across_ = kFewestAcross;
    int up_ = kFewestUp;
    int x_[kMostAcross + 1] = {};
    int y_[kMostUp + 1] = {};
    Holders held_[kMostUp][kMostAcross];
    bool usable_ = false;
    bool filled_ = false;
    int open_[4] = {};
};
