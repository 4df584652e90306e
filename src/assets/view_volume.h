// What the camera can see: the six planes of the clip volume of a projection matrix, a test of
// whether a box of the world can put any pixel on screen, and where boxes and rectangles land in
// the window. No GL here; the frame reads the matrix from GL and hands it over.
#pragma once

// An axis-aligned box of the world: minimum x, y, z, then maximum x, y, z.
struct WorldBox {
    float min[3];
    float max[3];
};

// An axis-aligned rectangle of the world: it lies at `at` on `axis` and spans min to max on the
// other two axes, the lower-numbered first (x then z for a floor).
struct WorldRect {
    int axis;
    float at;
    float min[2];
    float max[2];
};

// A point of the window in pixels, from its lower-left corner as GL counts them (the centre of
// the first pixel is 0.5, 0.5).
struct ScreenPoint {
    double x, y;
};
// A convex polygon of the window, held without the heap: a box's outline has at most six
// corners (a dozen once cut at the near plane), a rectangle's five, and cutting one polygon to
// another adds at most one a side.
struct ScreenPolygon {
    static constexpr int kMost = 32;
    ScreenPoint points[kMost];
    int count = 0;

    ScreenPolygon() = default;
    // Only the points in use are copied: polygons are copied often while cut, and are small.
    ScreenPolygon(const ScreenPolygon& other) : count(other.count) {
        for (int i = 0; i < count; ++i) points[i] = other.points[i];
    }
    ScreenPolygon& operator=(const ScreenPolygon& other) {
        count = other.count;
        for (int i = 0; i < count; ++i) points[i] = other.points[i];
        return *this;
    }

    bool empty() const { return count == 0; }
    void push_back(const ScreenPoint& point) {
        if (count < kMost) points[count++] = point;
    }
    const ScreenPoint* begin() const { return points; }
    const ScreenPoint* end() const { return points + count; }
};

// What the window shows of a rectangle of the world: its outline (the rectangle cut at the near
// plane, where GL cuts it), that outline's edges moved inwards by a margin (a x + b y + c >= 0
// inside each), and 1 / w of its points (clip w, the depth in front of the eye) as a function of
// the window position: a x + b y + c.
struct ScreenRegion {
    ScreenPolygon outline;
    double edges[ScreenPolygon::kMost][3];
    double inverseDepth[3];
    // Whether every point of `polygon` lies inside, by the margin.
    bool Holds(const ScreenPolygon& polygon) const;
    // The greatest and least clip w of the rectangle's points seen at the polygon's corners
    // (which must lie inside).
    void DepthRange(const ScreenPolygon& polygon, double* least, double* greatest) const;
};

// The part of convex `polygon` where a x + b y + c >= 0 (empty if none): one point more at most.
ScreenPolygon ClipToHalfPlane(const ScreenPolygon& polygon, double a, double b, double c);
// The part of convex `polygon` inside the rectangle from x0, y0 to x1, y1 (empty if none).
ScreenPolygon ClipToRect(const ScreenPolygon& polygon, double x0, double y0, double x1, double y1);
// The area a polygon encloses, whichever way it is wound.
double Area(const ScreenPolygon& polygon);

class ViewVolume {
public:
    // Everything is in view (nothing is left out).
    ViewVolume() = default;
    // The volume of clip matrix `m` (column-major, as GL gives it): the points p whose clip
    // coordinates m * p satisfy -w <= x, y, z <= w; `eye` is where the camera stands.
    static ViewVolume FromClipMatrix(const float m[16], const float eye[3]);
    // The same with the window's viewport (x, y, width, height), for the outlines below.
    static ViewVolume FromClipMatrix(const float m[16], const float eye[3], const int viewport[4]);

    // False only when the box lies wholly outside one of the planes, so that nothing of it can
    // be drawn; boxes that touch a plane count as in view.
    bool MayShow(const WorldBox& box) const;
    // The square of the distance from the eye to the nearest point of the box (0 inside it).
    float SquaredDistance(const WorldBox& box) const;

    // The viewport this volume was made with (all zero when none was given).
    const int* Viewport() const { return viewport_; }
    // The box's outline in the window: the convex hull of its corners, or of its part before
    // the near plane when it reaches behind it (all GL can draw of it). False (nothing written)
    // when none of it lies before the near plane.
    bool Outline(const WorldBox& box, ScreenPolygon* hull) const;
    // The rectangle in the window as GL draws it, cut at the near plane, every edge moved
    // `margin` pixels inwards. False when nothing of it lies beyond the near plane, some of it
    // lies beyond the far one, it is seen edge on, or no viewport was given.
    bool Outline(const WorldRect& rect, double margin, ScreenRegion* region) const;
    // Where the camera stands.
    const float* Eye() const { return eye_; }
    // How window depth follows clip w: depth = constant - DepthScale() / w, for a perspective
    // projection (0 for any other, or without a viewport).
    double DepthScale() const { return depthScale_; }

private:
    // Clip coordinates (x, y, z, w) of a point of the world, and the window position of clip
    // coordinates in front of the eye.
    void ToClip(const double point[3], double clip[4]) const;
    ScreenPoint ToWindow(const double clip[4]) const;

    // a x + b y + c z + d >= 0 inside; all zero means no plane.
    float planes_[6][4] = {};
    float eye_[3] = {};
    double clip_[16] = {};
    int viewport_[4] = {};
    double depthScale_ = 0.0;
};
