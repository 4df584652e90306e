// The fixed fittings of the house: window frames and glass, the front door, the stairs between
// the floors, the ceiling lamps and the garden seen through the windows.
#include <algorithm>  // Required for: std::min(), std::max()
#include <cmath>      // Required for: std::cos(), std::sin(), std::sqrt()

#include "house_parts.h"
#include "house_plan.h"
#include "model_paint.h"

namespace house {

namespace {

using modelpaint::Fbm;
using modelpaint::Mix;
using modelpaint::Scale;

// Windows ---------------------------------------------------------------------------------------

// A box given across the wall (along), up, and through the wall (depth), placed for a window in
// a wall facing X (axis 0) or Z (axis 2).
void WindowBox(Model& model, const Surface& surface, const WindowOpening& window, double along0,
               double along1, double up0, double up1, double depth0, double depth1) {
    Vec3 min, max;
    if (window.axis == 2) {
        min = V(along0, up0, depth0);
        max = V(along1, up1, depth1);
    } else {
        min = V(depth0, up0, along0);
        max = V(depth1, up1, along1);
    }
    AddBox(model, surface, min, max, WorldUv(0.5));
}

const Surface& IronSurface() {
    static const Surface surface = MakePlainSurface("iron", Color{44, 44, 48});
    return surface;
}

// Weathered planks with a nail at each end, as nailed across a window that nobody may open.
const Surface& PlankSurface() {
    static const Surface surface = MakeSurface("plank", 128, 32, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            Color wood = modelpaint::WoodGrain(x / 128.0 * 2, y / 32.0 * 0.5, Color{150, 122, 88},
                                               Color{98, 76, 52}, 241U, 2, 1);
            if (y < 1.5 || y > 30.5) wood = Scale(wood, 0.6);
            return wood;
        });
        for (double x : {8.0, 120.0}) {
            for (double y : {10.0, 22.0}) {
                modelpaint::FillDisc(canvas, x, y, 2.2, Color{60, 58, 56});
                modelpaint::FillDisc(canvas, x - 0.6, y - 0.6, 0.9, Color{150, 150, 150});
            }
        }
    });
    return surface;
}

// Iron bars across the opening, between the glass and the room, held by two flat bands.
void BuildBars(Model& model, const WindowOpening& window, double wallFace) {
    const double along0 = window.axis == 2 ? window.min.x : window.min.z;
    const double along1 = window.axis == 2 ? window.max.x : window.max.z;
    const double bottom = window.min.y, top = window.max.y;
    const double depth = (window.glass + wallFace) / 2;
    const int bars = static_cast<int>((along1 - along0) / 0.11);
    for (int i = 1; i < bars; ++i) {
        const double along = along0 + (along1 - along0) * i / bars;
        const Vec3 base = window.axis == 2 ? V(along, bottom, depth) : V(depth, bottom, along);
        AddCylinder(model, IronSurface(), base, V(0, top - bottom, 0), 0.013, 8, false, false);
    }
    for (double height : {bottom + 0.15, top - 0.15}) {
        WindowBox(model, IronSurface(), window, along0, along1, height - 0.02, height + 0.02,
                  depth - 0.006, depth + 0.006);
    }
}

// Planks nailed over the opening on the room side, a little askew, with gaps that show the glass.
void BuildBoards(Model& model, const WindowOpening& window, double wallFace) {
    const double along0 = window.axis == 2 ? window.min.x : window.min.z;
    const double along1 = window.axis == 2 ? window.max.x : window.max.z;
    const double bottom = window.min.y, top = window.max.y;
    const double thickness = 0.022;
    const double depth = wallFace + window.roomSide * (thickness / 2 + 0.002);
    const double length = along1 - along0 + 0.24, width = 0.15;
    const double tilts[4] = {0.06, -0.045, 0.03, -0.07};
    for (int i = 0; i < 4; ++i) {
        const double middle = (along0 + along1) / 2;
        const double height = bottom + (top - bottom) * (i + 0.5) / 4;
        const Vec3 alongAxis = window.axis == 2 ? V(1, 0, 0) : V(0, 0, 1);
        const Vec3 depthAxis = window.axis == 2 ? V(0, 0, 1) : V(1, 0, 0);
        const Vec3 centre = alongAxis * middle + V(0, height, 0) + depthAxis * depth;
        // The plank's grain runs along it on the face turned to the room.
        const double grain = window.roomSide * Dot(Cross(alongAxis, V(0, 1, 0)), depthAxis);
        const Vec3 halfU =
            (alongAxis * std::cos(tilts[i]) + V(0, std::sin(tilts[i]), 0)) * (grain * length / 2);
        const Vec3 halfV =
            (alongAxis * -std::sin(tilts[i]) + V(0, std::cos(tilts[i]), 0)) * (width / 2);
        AddTiltedBox(model, PlankSurface(), centre, halfU, halfV, depthAxis * (thickness / 2),
                     FitUv());
    }
}

void BuildWindow(Model& model, const WindowOpening& window, int glass) {
    const double along0 = window.axis == 2 ? window.min.x : window.min.z;
    const double along1 = window.axis == 2 ? window.max.x : window.max.z;
    const double bottom = window.min.y, top = window.max.y;
    const double frame = 0.055;
    const double d0 = window.glass - 0.022, d1 = window.glass + 0.022;
    const Surface& white = TrimSurface();
    // Frame round the opening, a mullion in wide windows, a transom across the top.
    WindowBox(model, white, window, along0, along1, bottom, bottom + frame, d0, d1);
    WindowBox(model, white, window, along0, along1, top - frame, top, d0, d1);
    WindowBox(model, white, window, along0, along0 + frame, bottom, top, d0, d1);
    WindowBox(model, white, window, along1 - frame, along1, bottom, top, d0, d1);
    const double middle = (along0 + along1) / 2;
    WindowBox(model, white, window, middle - frame / 2, middle + frame / 2, bottom, top, d0, d1);
    const double transom = top - (top - bottom) * 0.3;
    WindowBox(model, white, window, along0, along1, transom - frame / 2, transom + frame / 2, d0,
              d1);
    // The sill inside, a little proud of the wall.
    const double wallFace = window.roomSide < 0 ? (window.axis == 2 ? window.min.z : window.min.x)
                                                : (window.axis == 2 ? window.max.z : window.max.x);
    // No further out than the cell the wall stands in: a tenth of a unit from any free cell's
    // centre.
    const double sillOut = wallFace + 0.025 * window.roomSide;
    WindowBox(model, white, window, along0 - 0.05, along1 + 0.05, bottom - 0.035, bottom + 0.005,
              std::min(sillOut, window.glass), std::max(sillOut, window.glass));
    // One pane of glass across the whole opening, facing the light.
    if (window.axis == 2) {
        AddLitRect(model, glass, V(along0, bottom, window.glass), V(along1 - along0, 0, 0),
                   V(0, top - bottom, 0));
    } else {
        AddLitRect(model, glass, V(window.glass, bottom, along1), V(0, 0, along0 - along1),
                   V(0, top - bottom, 0));
    }
    if (window.kind == WindowKind::kBarred) BuildBars(model, window, wallFace);
    if (window.kind == WindowKind::kBoarded) BuildBoards(model, window, wallFace);
}

// The front door ----------------------------------------------------------------------------------

const Surface& DoorSurface() {
    static const Surface surface = MakeSurface("door", 128, 256, [](Canvas& canvas) {
        const Color paint{156, 38, 32};
        modelpaint::FillPattern(canvas, [&](double x, double y) {
            const double grain = Fbm(x / 16, y / 64, 3, 8, 4, 201U);
            return Scale(paint, 0.9 + 0.15 * grain);
        });
        // Four raised panels: lit on their upper and left bevels, shaded on the others.
        const double panels[4][4] = {
            {16, 20, 60, 110}, {68, 20, 112, 110}, {16, 130, 60, 236}, {68, 130, 112, 236}};
        for (const auto& p : panels) {
            modelpaint::FillBox(canvas, p[0], p[1], p[2], p[3], Scale(paint, 0.78));
            modelpaint::FillBox(canvas, p[0] + 4, p[1] + 4, p[2] - 4, p[3] - 4, Scale(paint, 1.08));
            modelpaint::FillBox(canvas, p[0], p[1], p[2], p[1] + 3, Scale(paint, 1.3));
            modelpaint::FillBox(canvas, p[0], p[1], p[0] + 3, p[3], Scale(paint, 1.2));
        }
        modelpaint::DarkenEdges(canvas, 5, 0.7);
    });
    return surface;
}

const Surface& BrassSurface() {
    static const Surface surface = MakePlainSurface("brass", Color{200, 160, 70});
    return surface;
}

// A green sign on the door at the height of the eye, so that the way out reads as one.
const Surface& ExitSign() {
    static const Surface s = MakeSurface("exit_sign", 128, 64, [](Canvas& c) {
        const Color green{24, 130, 60};
        c.FillRect(0, 0, 128, 64, Color{240, 240, 230});
        modelpaint::FillBox(c, 4, 4, 124, 60, green);
        const double width = modelpaint::DotTextWidth(4, "EXIT");
        modelpaint::DrawDotText(c, 64 - width / 2, 14, 4, "EXIT", Color{250, 250, 240});
    });
    return s;
}

void BuildFrontDoor(Model& model) {
    // Two leaves meeting in the middle inside a frame, brass knobs and a keyhole plate on the
    // room side.
    const double left = kDoorMinX + kDoorFrame, right = kDoorMaxX - kDoorFrame;
    const double top = kDoorTop - kDoorFrame;
    const double middle = (left + right) / 2;
    const Surface& door = DoorSurface();
    const double leaves[2][2] = {{left, middle}, {middle, right}};
    for (const auto& leaf : leaves) {
        AddRect(model, door, V(leaf[0], 0.0, kDoorFrontZ), V(leaf[1] - leaf[0], 0, 0), V(0, top, 0),
                FitUv());
        AddRect(model, door, V(leaf[1], 0.0, kDoorBackZ), V(leaf[0] - leaf[1], 0, 0), V(0, top, 0),
                FitUv());
    }
    // The gap between the leaves.
    AddBox(model, MakePlainSurface("door_gap", Color{20, 24, 20}), V(middle - 0.006, 0, kDoorBackZ),
           V(middle + 0.006, top, kDoorFrontZ + 0.002), WorldUv(1.0));
    // The fittings lie flat on the leaves, at most 0.004 proud of them: anything standing out
    // further would leave the door's pick box, and a click on it would open nothing.
    for (double side : {-1.0, 1.0}) {
        const double x = middle + side * 0.1;
        AddBox(model, BrassSurface(), V(x - 0.025, 0.97, kDoorFrontZ),
               V(x + 0.025, 1.13, kDoorFrontZ + 0.002), WorldUv(1.0));
        AddRoundedSolid(model, BrassSurface(), V(x - 0.03, 1.02, kDoorFrontZ + 0.002),
                        V(x + 0.03, 1.08, kDoorFrontZ + 0.004), 2.0, 10, 6, false);
    }
    AddBox(model, BrassSurface(), V(middle + 0.06, 0.84, kDoorFrontZ),
           V(middle + 0.12, 0.94, kDoorFrontZ + 0.002), WorldUv(1.0));
    AddBox(model, MakePlainSurface("keyhole", Color{10, 10, 10}),
           V(middle + 0.085, 0.87, kDoorFrontZ + 0.002),
           V(middle + 0.095, 0.91, kDoorFrontZ + 0.003), WorldUv(1.0));
    AddRect(model, ExitSign(), V(middle - 0.46, 1.3, kDoorFrontZ + 0.002), V(0.4, 0, 0),
            V(0, 0.2, 0), FitUv());
    // The frame inside the opening, flush with the wall's face: the recess round the door is as
    // wide as the door, so the frame cannot stand on the wall beside it.
    const double face = -9.43;
    const Surface& trim = TrimSurface();
    // It reaches a hair into the opening's sides, so that no sliver of the garden shows between
    // them along the frame's edge.
    const double into = 0.01;
    AddBox(model, trim, V(kDoorMinX - into, 0, kDoorFrontZ),
           V(kDoorMinX + kDoorFrame, kDoorTop + into, face), WorldUv(0.5));
    AddBox(model, trim, V(kDoorMaxX - kDoorFrame, 0, kDoorFrontZ),
           V(kDoorMaxX + into, kDoorTop + into, face), WorldUv(0.5));
    AddBox(model, trim, V(kDoorMinX, kDoorTop - kDoorFrame, kDoorFrontZ),
           V(kDoorMaxX, kDoorTop + into, face), WorldUv(0.5));
}

// The stairs ------------------------------------------------------------------------------------
// A straight flight along the outer wall of the hall: ten steps up from the hall (X 9.8, where the
// trigger carries the player upstairs) over the block the plan walls off, a landing, five steps
// more and the gallery at the upper floor's height, which reaches the upstairs door at X 5.0.
// Every step rises 0.2 and is 0.2 deep. Under the landing and the upper steps the hall stays
// walkable, with at least 1.85 of headroom.

constexpr double kStairNorth = -1.17, kStairSouth = -0.17;
constexpr double kStairStart = 9.8, kLandingEast = 7.83, kLandingWest = 7.6;
constexpr double kLandingHeight = 2.0, kLandingUnderside = 1.85;
constexpr double kRise = 0.2, kRun = 0.2;

void StairQuadX(Model& model, const Surface& surface, double x, double y0, double y1, int sign) {
    // A riser (or end) facing +X or -X across the flight's width.
    if (sign > 0) {
        AddRect(model, surface, V(x, y0, kStairSouth), V(0, 0, kStairNorth - kStairSouth),
                V(0, y1 - y0, 0), WorldUv(0.5));
    } else {
        AddRect(model, surface, V(x, y0, kStairNorth), V(0, 0, kStairSouth - kStairNorth),
                V(0, y1 - y0, 0), WorldUv(0.5));
    }
}

void StairTread(Model& model, const Surface& surface, double x0, double x1, double y) {
    AddRect(model, surface, V(x0, y, kStairSouth), V(x1 - x0, 0, 0),
            V(0, 0, kStairNorth - kStairSouth), WorldUv(0.5));
}

// The side and the underside of the flight are panelled: sage-green painted tongue-and-groove
// boards with a white skirting board, the boards a tenth of a unit wide. The picture covers one
// storey, from the floor (v = 0) to the hall's ceiling (v = 1), and half a unit across; close up
// it fills the view and still reads as the panelled side of a staircase.
const Surface& StairPanelling() {
    static const Surface surface = MakeSurface("stair_panel", 128, 512, [](Canvas& canvas) {
        modelpaint::FillPattern(
            canvas,
            [](double x, double y) {
                const double u = x / 128.0 * 0.5, height = (1.0 - y / 512.0) * kGroundCeiling;
                const Color white{236, 232, 220};
                if (height < 0.14) {
                    if (height > 0.12) return Scale(white, 0.78);  // the skirting's rounded top
                    if (height < 0.01) return Scale(white, 0.7);
                    return white;
                }
                if (height < 0.15) return Color{70, 74, 62};  // the shadow line above it
                // The grain of the boards shows faintly through the paint.
                const double grain = Fbm(u * 40, height * 1.5, 3, 20, 0, 273U);
                Color paint =
                    Scale(Color{164, 184, 146},
                          0.93 + 0.08 * Fbm(u * 8, height * 2, 3, 4, 0, 271U) + 0.06 * grain);
                const double board = std::fmod(u, 0.1) / 0.1;
                if (board < 0.06)
                    paint = Scale(paint, 0.62);  // the groove
                else if (board < 0.12)
                    paint = Scale(paint, 1.12);  // the bead beside it
                else if (board > 0.96)
                    paint = Scale(paint, 0.85);
                return paint;
            },
            1);
    });
    return surface;
}

// Brightness of the panelling: the hall's lamp hangs in front of it.
constexpr double kPanelShade = 0.86, kPanelUndersideShade = 0.62;

// The flight's side facing the hall (-Z): the quadrilateral under one step.
void StairSide(Model& model, double x0, double x1, double bottom0, double bottom1, double top) {
    const Vec3 n{0, 0, -1};
    const int material = model.ShadedMaterial(StairPanelling(), kPanelShade);
    auto corner = [&](double x, double y) {
        return MeshVertex{V(x, y, kStairNorth), -x / 0.5, y / kGroundCeiling, n};
    };
    model.AddQuad(material, corner(x1, bottom1), corner(x0, bottom0), corner(x0, top),
                  corner(x1, top));
}

// The end of the block under the landing, facing the hall's west part (-X), panelled like the side.
void StairBlockEnd(Model& model, double x, double top) {
    const Vec3 n{-1, 0, 0};
    const int material = model.ShadedMaterial(StairPanelling(), kPanelShade);
    auto corner = [&](double y, double z) {
        return MeshVertex{V(x, y, z), z / 0.5, y / kGroundCeiling, n};
    };
    model.AddQuad(material, corner(0.0, kStairNorth), corner(0.0, kStairSouth),
                  corner(top, kStairSouth), corner(top, kStairNorth));
}

// An underside of the landing or of the upper flight: the boards run across it.
MeshVertex UndersideCorner(Vec3 position, Vec3 normal) {
    return MeshVertex{position, position.x / 0.5, (1.2 + position.z - kStairNorth) / kGroundCeiling,
                      normal};
}

void Rail(Model& model, const Surface& surface, Vec3 from, Vec3 to, double width, double height) {
    const Vec3 along = (to - from) * 0.5;
    const Vec3 across = Normalized(Cross(along, V(0, 1, 0))) * (width / 2);
    const Vec3 up = Normalized(Cross(across, along)) * (height / 2);
    AddTiltedBox(model, surface, (from + to) * 0.5, along, up, across, WorldUv(0.5));
}

void BuildStairs(Model& model) {
    const Surface& tread = OakSurface();
    const Surface& riserFace = DarkWoodSurface();
    // The lower flight, on its solid block.
    for (int step = 1; step <= 10; ++step) {
        const double x1 = kStairStart - kRun * (step - 1);
        const double x0 = step == 10 ? kLandingWest : kStairStart - kRun * step;
        const double top = kRise * step;
        StairQuadX(model, riserFace, x1, top - kRise, top, 1);
        StairTread(model, tread, x0, x1, top);
        const double sideStart = std::max(x0, kLandingEast);
        StairSide(model, sideStart, x1, 0.0, 0.0, top);
    }
    // The string along the lower flight's side, an oak board whose top runs just above the
    // nosings and whose foot meets the inner corners of the steps: from the hall the side reads
    // as a staircase's, a panelled wall under a sloping string. It stays within the cells of the
    // flight (the hall's free cells end at Z -1.2).
    {
        const Vec3 foot = V(kStairStart, 0.0, kStairNorth - 0.025);
        const Vec3 along = V(-kRun * 9.0, kRise * 9.0, 0.0);
        const Vec3 depth = V(0, 0, 0.025);
        const Vec3 up = V(0, kRise + 0.03, 0);
        AddRect(model, OakSurface(), foot, along, up, WorldUv(0.5), kPanelShade);
        AddRect(model, OakSurface(), foot + up, along, depth, WorldUv(0.5), kPanelShade);
    }
    // The landing's edge over the hall, the end of the block below it and the landing's underside.
    StairSide(model, kLandingWest, kLandingEast, kLandingUnderside, kLandingUnderside,
              kLandingHeight);
    StairBlockEnd(model, kLandingEast, kLandingUnderside);
    {
        const Vec3 n{0, -1, 0};
        const int material = model.ShadedMaterial(StairPanelling(), kPanelUndersideShade);
        auto corner = [&](double x, double z) {
            return UndersideCorner(V(x, kLandingUnderside, z), n);
        };
        model.AddQuad(material, corner(kLandingWest, kStairNorth),
                      corner(kLandingEast, kStairNorth), corner(kLandingEast, kStairSouth),
                      corner(kLandingWest, kStairSouth));
    }
    // The upper flight, with a sloping underside up to the hall ceiling.
    auto underside = [](double x) {
        return kLandingUnderside +
               (kLandingWest - x) * (kGroundCeiling - kLandingUnderside) / (kLandingWest - 6.6);
    };
    for (int step = 1; step <= 5; ++step) {
        const double x1 = kLandingWest - kRun * (step - 1);
        const double x0 = kLandingWest - kRun * step;
        const double top = kLandingHeight + kRise * step;
        StairQuadX(model, riserFace, x1, top - kRise, top, 1);
        StairTread(model, tread, x0, x1, top);
        StairSide(model, x0, x1, underside(x0), underside(x1), top);
    }
    {
        const Vec3 n =
            Normalized(V(-(kGroundCeiling - kLandingUnderside), -(kLandingWest - 6.6), 0));
        const int material = model.ShadedMaterial(StairPanelling(), kPanelUndersideShade);
        auto corner = [&](double x, double z) { return UndersideCorner(V(x, underside(x), z), n); };
        model.AddQuad(material, corner(kLandingWest, kStairNorth),
                      corner(kLandingWest, kStairSouth), corner(6.6, kStairSouth),
                      corner(6.6, kStairNorth));
    }
    // Balustrade on the hall side: newel posts, a baluster on every step, and the handrail,
    // which runs on along the stairwell wall up to the gallery.
    const Surface& wood = DarkWoodSurface();
    const double railZ = -1.15;
    AddBox(model, wood, V(9.66, 0.0, railZ - 0.04), V(9.74, 1.35, railZ + 0.04), WorldUv(0.5));
    AddBox(model, wood, V(7.64, kLandingHeight, railZ - 0.04), V(7.72, 3.4, railZ + 0.04),
           WorldUv(0.5));
    // The handrail follows the nosings 0.95 above them on the lower flight, climbs a little
    // less steeply over the upper one and runs level along the gallery.
    auto lowerRail = [](double x) { return kRise + (kStairStart - x) + 0.95; };
    const Vec3 landingPost = V(7.68, lowerRail(7.68), railZ);
    const Vec3 galleryEnd = V(6.7, kUpperFloor + 0.95, railZ);
    auto upperRail = [&](double x) {
        return landingPost.y + (landingPost.x - x) * (galleryEnd.y - landingPost.y) /
                                   (landingPost.x - galleryEnd.x);
    };
    for (int step = 1; step <= 9; ++step) {
        const double x = kStairStart - kRun * (step - 0.5);
        AddBox(model, wood, V(x - 0.012, kRise * step, railZ - 0.012),
               V(x + 0.012, lowerRail(x), railZ + 0.012), WorldUv(0.5));
    }
    for (int step = 1; step <= 5; ++step) {
        const double x = kLandingWest - kRun * (step - 0.5);
        AddBox(model, wood, V(x - 0.012, kLandingHeight + kRise * step, railZ - 0.012),
               V(x + 0.012, upperRail(x), railZ + 0.012), WorldUv(0.5));
    }
    Rail(model, wood, V(9.7, lowerRail(9.7), railZ), landingPost, 0.05, 0.05);
    Rail(model, wood, landingPost, galleryEnd, 0.05, 0.05);
    Rail(model, wood, galleryEnd, V(5.05, galleryEnd.y, railZ), 0.05, 0.05);
    // A plain wall rail on the other side.
    Rail(model, wood, V(9.7, 0.95, kStairSouth - 0.03), V(6.7, 3.95, kStairSouth - 0.03), 0.04,
         0.04);
}

// Lamps -----------------------------------------------------------------------------------------

const Surface& ShadeSurface() {
    static const Surface surface = MakeSurface("lampshade", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return modelpaint::Fabric(x / 64.0, y / 64.0, Color{246, 226, 180}, 0.03, 211U);
        });
    });
    return surface;
}

void PendantLamp(Model& model, double x, double z, double ceiling, double drop) {
    const double bottom = ceiling - drop;
    AddBox(model, MakePlainSurface("cord", Color{30, 30, 30}),
           V(x - 0.006, bottom + 0.2, z - 0.006), V(x + 0.006, ceiling, z + 0.006), WorldUv(1.0));
    AddTube(model, ShadeSurface(), V(x, bottom, z), V(0, 0.2, 0), 0.22, 0.08, 16, false, true);
    AddRoundedSolid(model, MakePlainSurface("bulb", Color{255, 250, 220}),
                    V(x - 0.05, bottom - 0.02, z - 0.05), V(x + 0.05, bottom + 0.08, z + 0.05), 2.0,
                    8, 6, false);
}

// The garden ------------------------------------------------------------------------------------

const Surface& LeavesSurface() {
    static const Surface surface = MakeSurface("leaves", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            const double clump = Fbm(x / 8, y / 8, 4, 8, 8, 221U);
            return Scale(Mix(Color{40, 80, 34}, Color{86, 130, 52}, clump), 0.9);
        });
    });
    return surface;
}

const Surface& BarkSurface() {
    static const Surface surface = MakeSurface("bark", 32, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return Scale(Color{96, 72, 52},
                         0.75 + 0.4 * modelpaint::Noise(x / 4, y / 16, 8, 4, 223U));
        });
    });
    return surface;
}

const Surface& PavingSurface() {
    static const Surface surface = MakeSurface("paving", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return modelpaint::Tiles(x / 64.0, y / 64.0, 0.5, Color{176, 170, 160},
                                     Color{160, 152, 140}, Color{110, 120, 90}, true, 225U);
        });
    });
    return surface;
}

void Tree(Model& model, double x, double z, double height) {
    AddCylinder(model, BarkSurface(), V(x, -0.02, z), V(0, height * 0.45, 0), height * 0.05, 8,
                false, false);
    const double r = height * 0.3;
    AddRoundedSolid(model, LeavesSurface(), V(x - r, height * 0.35, z - r), V(x + r, height, z + r),
                    2.2, 12, 8, false);
}

// The countryside beyond the garden hedge on the south side: fields in patches of green and
// straw divided by darker hedgerows, and a lane winding across. Only the upper floor sees it,
// over the hedge and far below the window.
const Surface& CountrysideSurface() {
    static const Surface surface = MakeSurface("fields", 256, 256, [](Canvas& canvas) {
        const Color crops[5] = {
            {92, 138, 58}, {150, 160, 70}, {196, 176, 96}, {70, 112, 48}, {120, 150, 64}};
        modelpaint::FillPattern(canvas, [&](double x, double y) {
            const int fieldX = static_cast<int>(x / 40), fieldY = static_cast<int>(y / 28);
            const Color crop = crops[(fieldX * 7 + fieldY * 3 + fieldX * fieldY) % 5];
            const double furrow = 0.92 + 0.08 * std::sin((fieldX % 2 ? x : y) * 1.6);
            Color color = Scale(crop, furrow * (0.9 + 0.15 * Fbm(x / 16, y / 16, 3, 16, 16, 231U)));
            const double edgeX = std::fmod(x, 40.0), edgeY = std::fmod(y, 28.0);
            if (edgeX < 2.5 || edgeY < 2.5) color = Color{48, 84, 36};
            const double lane = 128 + 38 * std::sin(y * 0.031) + 14 * std::sin(y * 0.09);
            if (std::fabs(x - lane) < 3.0) color = Color{178, 164, 136};
            return color;
        });
    });
    return surface;
}

void BuildGarden(Model& model) {
    // The lawn: a square round the house, just below the floors.
    AddRect(model, GrassSurface(), V(-16.0, -0.02, 9.0), V(46.0, 0, 0), V(0, 0, -39.0),
            WorldUv(1.5));
    // Beyond the south hedge the fields stretch away: from the bedroom window they lie far below,
    // from the ground floor the hedge hides them.
    AddRect(model, CountrysideSurface(), V(-40.0, -0.02, 70.0), V(90.0, 0, 0), V(0, 0, -61.0),
            FitUv());
    const double fieldTrees[5][3] = {{-6.0, 24.0, 3.0},
                                     {9.0, 31.0, 3.6},
                                     {20.0, 22.0, 2.8},
                                     {-14.0, 36.0, 3.4},
                                     {3.0, 44.0, 3.2}};
    for (const auto& tree : fieldTrees) Tree(model, tree[0], tree[1], tree[2]);
    // A path from the front door to the gate.
    AddRect(model, PavingSurface(), V(5.2, -0.01, -9.8), V(1.7, 0, 0), V(0, 0, -8.0), WorldUv(1.0));
    // A hedge round the garden, and trees.
    const Surface& hedge = LeavesSurface();
    AddBox(model, hedge, V(-9.0, -0.02, 8.0), V(22.0, 1.4, 9.0), WorldUv(1.0));
    AddBox(model, hedge, V(-9.0, -0.02, -19.0), V(4.9, 1.4, -18.0), WorldUv(1.0));
    AddBox(model, hedge, V(7.0, -0.02, -19.0), V(22.0, 1.4, -18.0), WorldUv(1.0));
    AddBox(model, hedge, V(-9.0, -0.02, -18.0), V(-8.0, 1.4, 8.0), WorldUv(1.0));
    AddBox(model, hedge, V(21.0, -0.02, -18.0), V(22.0, 1.4, 8.0), WorldUv(1.0));
    // Trees stand aside of the two south windows, so that both look out over the garden.
    Tree(model, -2.2, 5.5, 4.5);
    Tree(model, 6.5, 6.0, 5.5);
    Tree(model, -3.0, 3.0, 4.0);
    Tree(model, 15.5, -7.0, 5.0);
    Tree(model, 16.0, -2.0, 4.2);
    Tree(model, 1.0, -14.0, 4.8);
    Tree(model, 10.0, -14.5, 5.2);
}

// The boiler room's doorway -------------------------------------------------------------------
// Note 1 sends the player to the calendar in the boiler room, whose doorway is tucked into the
// corner of the hall beside the stairs. Seen from the foot of the stairs it must read as a
// doorway at once: a white frame round it, the door standing open against the room's wall inside,
// a lamp and its pool of light behind it, and a sign beside it whose arrow points at it.

const Surface& BoilerRoomSign() {
    static const Surface s = MakeSurface("boiler_room_sign", 256, 128, [](Canvas& c) {
        const Color red{176, 30, 26};
        c.FillRect(0, 0, 256, 128, red);
        modelpaint::FillBox(c, 6, 6, 250, 122, Color{250, 244, 226});
        // A big arrow to the left, where the doorway is for someone facing the sign.
        for (int i = 0; i < 30; ++i) {
            modelpaint::FillBox(c, 12 + i, 44 - i * 0.9, 13 + i, 45 + i * 0.9, red);
        }
        modelpaint::FillBox(c, 42, 34, 84, 55, red);
        const double width = modelpaint::DotTextWidth(3, "BOILER");
        modelpaint::DrawDotText(c, 170 - width / 2, 18, 3, "BOILER", Color{30, 30, 36});
        modelpaint::DrawDotText(c, 170 - modelpaint::DotTextWidth(3, "ROOM") / 2, 50, 3, "ROOM",
                                Color{30, 30, 36});
        modelpaint::DrawDotText(c, 128 - modelpaint::DotTextWidth(2, "CALENDAR INSIDE") / 2, 92, 2,
                                "CALENDAR INSIDE", red);
    });
    return s;
}

// A panelled door in pale oak, its knob and lock plate painted on (anything standing out from
// it would reach into the cells the player walks in beside the wall it rests on).
const Surface& BoilerRoomDoor() {
    static const Surface s = MakeSurface("boiler_door", 128, 256, [](Canvas& c) {
        const Color wood{196, 146, 92}, dark{132, 88, 50};
        modelpaint::FillPattern(c, [&](double x, double y) {
            return modelpaint::WoodGrain(x / 128, y / 256 * 3, wood, dark, 261U);
        });
        const double panels[2][4] = {{18, 18, 110, 112}, {18, 132, 110, 238}};
        for (const auto& p : panels) {
            modelpaint::FillBox(c, p[0], p[1], p[2], p[3], Scale(dark, 0.85), 0.7);
            modelpaint::FillBox(c, p[0] + 5, p[1] + 5, p[2] - 5, p[3] - 5, Scale(wood, 1.08));
            modelpaint::FillBox(c, p[0], p[1], p[2], p[1] + 3, Scale(wood, 1.3), 0.8);
            modelpaint::FillBox(c, p[0], p[1], p[0] + 3, p[3], Scale(wood, 1.2), 0.8);
        }
        // The knob on the free edge, at the height of the hand.
        modelpaint::FillBox(c, 112, 112, 122, 140, Color{200, 160, 70});
        modelpaint::FillDisc(c, 117, 122, 6, Color{232, 196, 96});
        modelpaint::FillDisc(c, 116, 120, 2.5, Color{255, 236, 170});
        modelpaint::DarkenEdges(c, 3, 0.7);
    });
    return s;
}

void BuildBoilerRoomDoorway(Model& model) {
    const Surface& trim = TrimSurface();
    const double west = kBoilerDoorWestX, east = kBoilerDoorEastX;
    const double north = kBoilerDoorNorthZ, south = kBoilerDoorSouthZ, top = kBoilerDoorTop;
    // The frame on both faces of the wall: a jamb on the side away from the outer wall, a head
    // across, and on the outer wall's side a strip along that wall's face, all within the wall's
    // cells (the hall's free cells begin at X 5.2, the boiler room's end at 4.8, the cells by the
    // outer wall at Z -0.2).
    const double band = 0.1, proud = 0.025;
    for (const double face : {east, west}) {
        const double out = face == east ? face + proud : face - proud;
        const double x0 = std::min(face, out), x1 = std::max(face, out);
        AddBox(model, trim, V(x0, 0.0, north - band), V(x1, top + band, north), WorldUv(0.5),
               kAllFaces & ~kFaceMinusY);
        AddBox(model, trim, V(x0, top, north), V(x1, top + band, south), WorldUv(0.5),
               kAllFaces & ~kFaceMinusY & ~kFacePlusZ);
        const double along0 = face == east ? east : west - band;
        const double along1 = face == east ? east + band : west;
        AddBox(model, trim, V(along0, 0.0, south - proud), V(along1, top + band, south),
               WorldUv(0.5), kAllFaces & ~kFaceMinusY & ~kFacePlusZ);
    }
    // The door, opened right back into the boiler room against the outer wall, hinged at the
    // doorway's corner: from the hall its face and free edge show through the doorway.
    // It keeps to the wall's cells too (those by the outer wall end at Z -0.2).
    const double gap = 0.006;
    const double hinge = west - band - 0.01;
    const Vec3 leafMin = V(hinge - (south - north) + 0.02, 0.0, -0.199);
    const Vec3 leafMax = V(hinge, top - gap, south - 0.005);
    AddBoxFace(model, BoilerRoomDoor(), leafMin, leafMax, kFaceMinusZ, FitUv());
    AddBox(model, DarkWoodSurface(), leafMin, leafMax, WorldUv(0.5),
           kFaceMinusX | kFacePlusX | kFacePlusY);
    // The sign on the hall's face of the wall just past the frame, at the height of the eye: a
    // viewer facing it has the doorway on the left.
    const double signFace = east + 0.004;
    AddRect(model, BoilerRoomSign(), V(signFace, 0.85, north - band - 0.04), V(0, 0, -0.56),
            V(0, 0.28, 0), FitUv());
}

// The doorway behind the bookcase -----------------------------------------------------------
// Once the bookcase has slid, the way into the hidden room must read as a doorway into a lit room,
// never as a closed door: the opening is lined in white (the shell), the end of the wall at X 10.9
// in the middle of it is a slender white post, a white head runs over it on both faces, and a
// lamp over the safe lights the room's far wall.

// A box in white trim whose faces all show the same brightness, lit from both rooms.
void FrameBox(Model& model, Vec3 min, Vec3 max, unsigned faces) {
    const BoxFace order[6] = {kFacePlusX,  kFaceMinusX, kFacePlusY,
                              kFaceMinusY, kFacePlusZ,  kFaceMinusZ};
    for (BoxFace face : order) {
        if (faces & face)
            AddBoxFace(model, TrimSurface(), min, max, face, WorldUv(0.5), kFrameLight);
    }
}

void BuildHiddenRoomDoorway(Model& model) {
    FrameBox(model, V(kDoorPostX - kDoorPostHalf, kGroundFloor, kDoorPostZ - kDoorPostHalf),
             V(kDoorPostX + kDoorPostHalf, kPassageTop, kDoorPostZ + kDoorPostHalf),
             kAllFaces & ~kFaceMinusY & ~kFacePlusY);
    // The heads stand on the lintel's faces above head height (the hall's free cells end at
    // X 10.8, the room's begin at 11.0), over the closed bookcase too.
    const double head = 0.1;
    FrameBox(model, V(10.805, kPassageTop, -1.4), V(10.83, kPassageTop + head, -0.17),
             kAllFaces & ~kFacePlusX);
    FrameBox(model, V(10.97, kPassageTop, -1.4), V(11.025, kPassageTop + head, -0.17),
             kAllFaces & ~kFaceMinusX);
    // A brass picture light over the safe, its glowing glass bar lit all round, within the
    // wall's cells (the room's free cells end at X 12.8).
    const double lampY = SafeFrameBlock().max.y + 0.1;
    const double lampNorth = -0.76, lampSouth = -0.44, front = 12.804;
    const Surface& glow = MakePlainSurface("lamp_glow", Color{255, 244, 206});
    for (BoxFace face : {kFaceMinusX, kFacePlusY, kFaceMinusY, kFacePlusZ, kFaceMinusZ}) {
        AddBoxFace(model, glow, V(front + 0.004, lampY - 0.022, lampNorth),
                   V(kEastWallFace, lampY + 0.022, lampSouth), face, WorldUv(0.5), 1.0);
    }
    for (double z : {lampNorth - 0.014, lampSouth}) {
        AddBox(model, BrassSurface(), V(front, lampY - 0.03, z),
               V(kEastWallFace, lampY + 0.03, z + 0.014), WorldUv(0.5), kAllFaces & ~kFacePlusX);
    }
    AddBox(model, BrassSurface(), V(front + 0.006, lampY + 0.022, -0.61),
           V(kEastWallFace, lampY + 0.12, -0.59), WorldUv(0.5), kAllFaces & ~kFacePlusX);
}

}  // namespace

void BuildFixtures(Model& model) {
    const int glass = model.LitMaterial("glass", Color{150, 190, 215}, 0.3);
    int count = 0;
    const WindowOpening* windows = Windows(&count);
    for (int i = 0; i < count; ++i) BuildWindow(model, windows[i], glass);
    BuildFrontDoor(model);
    BuildBoilerRoomDoorway(model);
    BuildHiddenRoomDoorway(model);
    BuildStairs(model);
    PendantLamp(model, 7.6, -2.8, kGroundCeiling, 0.55);                   // hall
    PendantLamp(model, 3.2, -7.3, kGroundCeiling, 0.55);                   // living room
    PendantLamp(model, 8.9, -7.3, kGroundCeiling, 0.5);                    // kitchen
    PendantLamp(model, kBoilerLampX, kBoilerLampZ, kGroundCeiling, 0.45);  // boiler room
    PendantLamp(model, kHiddenLampX, kHiddenLampZ, kGroundCeiling, 0.5);   // hidden room
    PendantLamp(model, 2.45, -2.5, kUpperCeiling, 0.8);  // upstairs, over the table
    BuildGarden(model);
}

}  // namespace house
