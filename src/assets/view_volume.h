// What the camera can see: the six planes of the clip volume of a projection matrix, and a test
// of whether a box of the world can put any pixel on screen. No GL here; the frame reads the
// matrix from GL and hands it over.
#pragma once

// An axis-aligned box of the world: minimum x, y, z, then maximum x, y, z.
struct WorldBox {
    float min[3];
    float max[3];
};

class ViewVolume {
public:
    // Everything is in view (nothing is left out).
    ViewVolume() = default;
    // The volume of clip matrix `m` (column-major, as GL gives it): the points p whose clip
    // coordinates m * p satisfy -w <= x, y, z <= w; `eye` is where the camera stands.
    static ViewVolume FromClipMatrix(const float m[16], const float eye[3]);

    // False only when the box lies wholly outside one of the planes, so that nothing of it can
    // be drawn; boxes that touch a plane count as in view.
    bool MayShow(const WorldBox& box) const;
    // The square of the distance from the eye to the nearest point of the box (0 inside it).
    float SquaredDistance(const WorldBox& box) const;

private:
    // a x + b y + c z + d >= 0 inside; all zero means no plane.
    float planes_[6][4] = {};
    float eye_[3] = {};
};
