// Pick box lookup: which clickable place of the house holds a world point.
#include "gameplay/pick_boxes.h"

namespace {

// The tolerance lets a point un-projected onto a box's own face count as inside, whichever way
// the depth buffer rounded it.
bool BoxHolds(const PickBox& box, const double point[3]) {
    for (int axis = 0; axis < 3; ++axis) {
        if (point[axis] < box.min[axis] - kPickTolerance) return false;
        if (point[axis] > box.max[axis] + kPickTolerance) return false;
    }
    return true;
}

}  // namespace

// Boxes that touch (the hammer lying on the cabinet) share a face: the lower index wins.
int FindPickBox(double x, double y, double z) {
    const double point[3] = {x, y, z};
    for (int box = 0; box < kPickBoxTotal; ++box) {
        if (BoxHolds(g_pickBoxes[box], point)) return box;
    }
    return -1;
}
