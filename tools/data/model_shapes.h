// Shapes the models are built from: rectangles, boxes, tilted boxes, cylinders and rounded
// solids, each face shaded by the direction it faces.
#pragma once

#include "model_mesh.h"

// How a face's texture coordinates follow from its position.
struct UvMapping {
    enum class Kind {
        kWorld,  // the texture repeats every `repeat` world units along the face, so neighbouring
                 // faces in one plane continue each other's pattern
        kFit,    // the whole texture (times uTimes, vTimes) covers the face once
    };
    Kind kind = Kind::kWorld;
    double repeat = 1.0;
    double uTimes = 1.0;
    double vTimes = 1.0;
};

inline UvMapping WorldUv(double repeat) {
    return UvMapping{UvMapping::Kind::kWorld, repeat, 1, 1};
}
inline UvMapping FitUv(double uTimes = 1.0, double vTimes = 1.0) {
    return UvMapping{UvMapping::Kind::kFit, 1.0, uTimes, vTimes};
}

// The six faces of a box, for masks: a box drawn against a wall or on the floor leaves out the
// faces nobody sees.
enum BoxFace : unsigned {
    kFacePlusX = 1u,
    kFaceMinusX = 2u,
    kFacePlusY = 4u,
    kFaceMinusY = 8u,
    kFacePlusZ = 16u,
    kFaceMinusZ = 32u,
    kAllFaces = 63u,
};

// A rectangle from `origin` along `alongU` (the texture's u) and `alongV` (its v); it faces
// Cross(alongU, alongV). It is shaded by that direction, or shows `shade` (0 to 1) if given, as
// something lit by a lamp beside it does.
void AddRect(Model& model, const Surface& surface, Vec3 origin, Vec3 alongU, Vec3 alongV,
             const UvMapping& mapping, double shade = -1.0);
// A rectangle drawn with an untextured material.
void AddLitRect(Model& model, int material, Vec3 origin, Vec3 alongU, Vec3 alongV);

// An axis-aligned box. Side faces keep the texture upright (v runs up).
void AddBox(Model& model, const Surface& surface, Vec3 min, Vec3 max, const UvMapping& mapping,
            unsigned faces = kAllFaces);
// A box with its own surface per face, in the order +X, -X, +Y, -Y, +Z, -Z.
void AddBoxFaces(Model& model, const Surface* const (&surfaces)[6], Vec3 min, Vec3 max,
                 const UvMapping& mapping, unsigned faces = kAllFaces);
// One face of an axis-aligned box, laid out as AddBox lays it out (a picture on the front of a
// cabinet, with FitUv).
void AddBoxFace(Model& model, const Surface& surface, Vec3 min, Vec3 max, BoxFace face,
                const UvMapping& mapping, double shade = -1.0);
// A box in one surface with one face showing its own picture once (a drawer front, a dial).
void AddFrontedBox(Model& model, const Surface& body, const Surface& front, BoxFace frontFace,
                   Vec3 min, Vec3 max, double bodyRepeat, unsigned faces = kAllFaces,
                   double uTimes = 1.0);
// A box turned in space: centre, then half its extent along three perpendicular axes.
void AddTiltedBox(Model& model, const Surface& surface, Vec3 centre, Vec3 halfU, Vec3 halfV,
                  Vec3 halfW, const UvMapping& mapping);

// A cylinder from `base` along `axis` (its length is the height), `sides` facets round; the
// texture wraps once round it (u) and runs along it (v). Caps are optional.
void AddCylinder(Model& model, const Surface& surface, Vec3 base, Vec3 axis, double radius,
                 int sides, bool capBase, bool capTop);
// A cone-like tube between two radii (a lamp shade, a vase).
void AddTube(Model& model, const Surface& surface, Vec3 base, Vec3 axis, double baseRadius,
             double topRadius, int sides, bool capBase, bool capTop);
// A rounded solid filling the box [min, max]: a superellipsoid whose roundness grows from 2
// (an ellipsoid) upwards (flatter sides). The texture wraps round it; `flatBottom` cuts the
// lower half flat at its widest, as a loaf lies on a board.
void AddRoundedSolid(Model& model, const Surface& surface, Vec3 min, Vec3 max, double roundness,
                     int around, int along, bool flatBottom);
