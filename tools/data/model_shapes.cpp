// Rectangles, boxes, cylinders and rounded solids for the generated models.
#include "model_shapes.h"

#include <algorithm>  // Required for: std::max()
#include <cmath>      // Required for: std::cos(), std::sin(), std::pow(), std::fabs()

namespace {

constexpr double kPi = 3.14159265358979323846;

MeshVertex Corner(Vec3 position, double u, double v, Vec3 normal) {
    return MeshVertex{position, u, v, normal};
}

// Signed power keeps the sign of the base: the superellipsoid's quadrants mirror each other.
double SignedPower(double base, double exponent) {
    const double magnitude = std::pow(std::fabs(base), exponent);
    return base < 0.0 ? -magnitude : magnitude;
}

// A triangle whose material follows its own facing.
void AddFacetTriangle(Model& model, const Surface& surface, MeshVertex a, MeshVertex b,
                      MeshVertex c) {
    const Vec3 normal = Cross(b.position - a.position, c.position - a.position);
    if (Length(normal) < 1e-12) return;
    const Vec3 n = Normalized(normal);
    a.normal = b.normal = c.normal = n;
    model.AddTriangle(model.MaterialFacing(surface, n), a, b, c);
}

}  // namespace

void AddRect(Model& model, const Surface& surface, Vec3 origin, Vec3 alongU, Vec3 alongV,
             const UvMapping& mapping, double shade) {
    const Vec3 normal = Normalized(Cross(alongU, alongV));
    const int material =
        shade >= 0.0 ? model.ShadedMaterial(surface, shade) : model.MaterialFacing(surface, normal);
    double u0 = 0.0, u1 = mapping.uTimes, v0 = 0.0, v1 = mapping.vTimes;
    if (mapping.kind == UvMapping::Kind::kWorld) {
        const Vec3 uAxis = Normalized(alongU);
        const Vec3 vAxis = Normalized(alongV);
        u0 = Dot(origin, uAxis) / mapping.repeat;
        u1 = u0 + Length(alongU) / mapping.repeat;
        v0 = Dot(origin, vAxis) / mapping.repeat;
        v1 = v0 + Length(alongV) / mapping.repeat;
    }
    model.AddQuad(material, Corner(origin, u0, v0, normal), Corner(origin + alongU, u1, v0, normal),
                  Corner(origin + alongU + alongV, u1, v1, normal),
                  Corner(origin + alongV, u0, v1, normal));
}

void AddLitRect(Model& model, int material, Vec3 origin, Vec3 alongU, Vec3 alongV) {
    const Vec3 normal = Normalized(Cross(alongU, alongV));
    model.AddQuad(material, Corner(origin, 0, 0, normal), Corner(origin + alongU, 1, 0, normal),
                  Corner(origin + alongU + alongV, 1, 1, normal),
                  Corner(origin + alongV, 0, 1, normal));
}

void AddBoxFace(Model& model, const Surface& surface, Vec3 min, Vec3 max, BoxFace face,
                const UvMapping& mapping, double shade) {
    const double dx = max.x - min.x, dy = max.y - min.y, dz = max.z - min.z;
    switch (face) {
        case kFacePlusX:
            AddRect(model, surface, {max.x, min.y, max.z}, {0, 0, -dz}, {0, dy, 0}, mapping, shade);
            break;
        case kFaceMinusX:
            AddRect(model, surface, {min.x, min.y, min.z}, {0, 0, dz}, {0, dy, 0}, mapping, shade);
            break;
        case kFacePlusY:
            AddRect(model, surface, {min.x, max.y, max.z}, {dx, 0, 0}, {0, 0, -dz}, mapping, shade);
            break;
        case kFaceMinusY:
            AddRect(model, surface, {min.x, min.y, min.z}, {dx, 0, 0}, {0, 0, dz}, mapping, shade);
            break;
        case kFacePlusZ:
            AddRect(model, surface, {min.x, min.y, max.z}, {dx, 0, 0}, {0, dy, 0}, mapping, shade);
            break;
        case kFaceMinusZ:
            AddRect(model, surface, {max.x, min.y, min.z}, {-dx, 0, 0}, {0, dy, 0}, mapping, shade);
            break;
        default:
            break;
    }
}

void AddBoxFaces(Model& model, const Surface* const (&surfaces)[6], Vec3 min, Vec3 max,
                 const UvMapping& mapping, unsigned faces) {
    const BoxFace order[6] = {kFacePlusX,  kFaceMinusX, kFacePlusY,
                              kFaceMinusY, kFacePlusZ,  kFaceMinusZ};
    for (int i = 0; i < 6; ++i) {
        if (faces & order[i]) AddBoxFace(model, *surfaces[i], min, max, order[i], mapping);
    }
}

void AddFrontedBox(Model& model, const Surface& body, const Surface& front, BoxFace frontFace,
                   Vec3 min, Vec3 max, double bodyRepeat, unsigned faces, double uTimes) {
    AddBox(model, body, min, max, WorldUv(bodyRepeat), faces & ~static_cast<unsigned>(frontFace));
    if (faces & frontFace) AddBoxFace(model, front, min, max, frontFace, FitUv(uTimes, 1.0));
}

void AddBox(Model& model, const Surface& surface, Vec3 min, Vec3 max, const UvMapping& mapping,
            unsigned faces) {
    const Surface* const all[6] = {&surface, &surface, &surface, &surface, &surface, &surface};
    AddBoxFaces(model, all, min, max, mapping, faces);
}

void AddTiltedBox(Model& model, const Surface& surface, Vec3 centre, Vec3 halfU, Vec3 halfV,
                  Vec3 halfW, const UvMapping& mapping) {
    // Each face: its centre offset and its two edge directions, wound to face outwards.
    struct FaceFrame {
        Vec3 out, edgeA, edgeB;
    };
    const FaceFrame frames[6] = {
        {halfU, halfW, halfV},        {halfU * -1.0, halfV, halfW}, {halfV, halfU, halfW},
        {halfV * -1.0, halfW, halfU}, {halfW, halfV, halfU},        {halfW * -1.0, halfU, halfV},
    };
    for (const FaceFrame& frame : frames) {
        Vec3 a = frame.edgeA, b = frame.edgeB;
        // Wind the face so that it looks outwards whatever the handedness of the axes.
        if (Dot(Cross(a, b), frame.out) < 0.0) std::swap(a, b);
        const Vec3 origin = centre + frame.out - a - b;
        AddRect(model, surface, origin, a * 2.0, b * 2.0, mapping);
    }
}

void AddTube(Model& model, const Surface& surface, Vec3 base, Vec3 axis, double baseRadius,
             double topRadius, int sides, bool capBase, bool capTop) {
    const Vec3 along = Normalized(axis);
    // Two directions across the axis.
    const Vec3 helper = std::fabs(along.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0};
    const Vec3 across1 = Normalized(Cross(helper, along));
    const Vec3 across2 = Cross(along, across1);
    auto ring = [&](double radius, int i) {
        const double angle = 2.0 * kPi * i / sides;
        return across1 * (radius * std::cos(angle)) + across2 * (radius * std::sin(angle));
    };
    const Vec3 top = base + axis;
    for (int i = 0; i < sides; ++i) {
        const Vec3 b0 = base + ring(baseRadius, i), b1 = base + ring(baseRadius, i + 1);
        const Vec3 t0 = top + ring(topRadius, i), t1 = top + ring(topRadius, i + 1);
        const double u0 = static_cast<double>(i) / sides, u1 = static_cast<double>(i + 1) / sides;
        AddFacetTriangle(model, surface, Corner(b0, u0, 0, {}), Corner(b1, u1, 0, {}),
                         Corner(t1, u1, 1, {}));
        AddFacetTriangle(model, surface, Corner(b0, u0, 0, {}), Corner(t1, u1, 1, {}),
                         Corner(t0, u0, 1, {}));
        if (capBase && baseRadius > 0.0) {
            const double a0 = 2.0 * kPi * i / sides, a1 = 2.0 * kPi * (i + 1) / sides;
            AddFacetTriangle(model, surface, Corner(base, 0.5, 0.5, {}),
                             Corner(b1, 0.5 + 0.5 * std::cos(a1), 0.5 + 0.5 * std::sin(a1), {}),
                             Corner(b0, 0.5 + 0.5 * std::cos(a0), 0.5 + 0.5 * std::sin(a0), {}));
        }
        if (capTop && topRadius > 0.0) {
            const double a0 = 2.0 * kPi * i / sides, a1 = 2.0 * kPi * (i + 1) / sides;
            AddFacetTriangle(model, surface, Corner(top, 0.5, 0.5, {}),
                             Corner(t0, 0.5 + 0.5 * std::cos(a0), 0.5 + 0.5 * std::sin(a0), {}),
                             Corner(t1, 0.5 + 0.5 * std::cos(a1), 0.5 + 0.5 * std::sin(a1), {}));
        }
    }
}

void AddCylinder(Model& model, const Surface& surface, Vec3 base, Vec3 axis, double radius,
                 int sides, bool capBase, bool capTop) {
    AddTube(model, surface, base, axis, radius, radius, sides, capBase, capTop);
}

void AddRoundedSolid(Model& model, const Surface& surface, Vec3 min, Vec3 max, double roundness,
                     int around, int along, bool flatBottom) {
    const Vec3 centre = (min + max) * 0.5;
    Vec3 radius = (max - min) * 0.5;
    double centreY = centre.y;
    if (flatBottom) {
        centreY = min.y;
        radius.y = max.y - min.y;
    }
    // The long axis of the box is the one the solid is wrapped along.
    const bool longAlongX = radius.x >= radius.z;
    const double exponent = 2.0 / roundness;
    auto point = [&](int i, int j) {
        const double phi = -kPi / 2 + kPi * j / along;  // along the long axis
        const double theta = 2.0 * kPi * i / around;    // round it
        const double lengthwise = SignedPower(std::sin(phi), exponent);
        const double girth = std::pow(std::fabs(std::cos(phi)), exponent);
        const double upward = SignedPower(std::sin(theta), exponent) * girth;
        const double sideways = SignedPower(std::cos(theta), exponent) * girth;
        Vec3 p;
        if (longAlongX) {
            p = {centre.x + radius.x * lengthwise, centreY + radius.y * upward,
                 centre.z + radius.z * sideways};
        } else {
            p = {centre.x + radius.x * sideways, centreY + radius.y * upward,
                 centre.z + radius.z * lengthwise};
        }
        if (flatBottom) p.y = std::max(p.y, min.y);
        return Corner(p, static_cast<double>(i) / around, static_cast<double>(j) / along, {});
    };
    for (int j = 0; j < along; ++j) {
        for (int i = 0; i < around; ++i) {
            const MeshVertex a = point(i, j), b = point(i + 1, j), c = point(i + 1, j + 1),
                             d = point(i, j + 1);
            // Wound so that the faces look outwards for either long axis.
            if (longAlongX) {
                AddFacetTriangle(model, surface, a, c, b);
                AddFacetTriangle(model, surface, a, d, c);
            } else {
                AddFacetTriangle(model, surface, a, b, c);
                AddFacetTriangle(model, surface, a, c, d);
            }
        }
    }
}
