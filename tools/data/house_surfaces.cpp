// The textures of the house: wall finishes per room (each covering one storey, from the skirting
// board to the cornice, with the darkening near floor and ceiling baked in), the floor and
// ceiling pictures of both storeys (one picture over the whole plan, with the darkening along
// walls and under furniture taken from the floor plan's cells), and the materials of the fittings.
#include <algorithm>  // Required for: std::min(), std::max(), std::clamp()
#include <cmath>      // Required for: std::exp(), std::sqrt(), std::fabs(), std::floor()
#include <vector>     // Required for: std::vector

#include "house_parts.h"
#include "house_plan.h"
#include "model_paint.h"

namespace house {

namespace {

using modelpaint::Fbm;
using modelpaint::Hash01;
using modelpaint::Mix;
using modelpaint::Noise;
using modelpaint::Scale;

// Texture sizes of the wall finishes: one storey high, half a unit (or more) wide.
constexpr int kWallWidth = 128;
constexpr int kWallHeight = 512;
constexpr double kStoreyHeight = 2.9;

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// Darkening of a wall near the floor and the ceiling, by height above the floor in units.
double WallShadow(double height) {
    const double nearFloor = 0.72 + 0.28 * SmoothStep(0.0, 0.45, height);
    const double nearCeiling = 0.82 + 0.18 * SmoothStep(0.0, 0.3, kStoreyHeight - height);
    return nearFloor * nearCeiling;
}

// Paints a wall finish: `finish` gives the colour at (u across in units, height in units).
Surface WallFinish(const char* name, double repeat,
                   const std::function<Color(double u, double height)>& finish) {
    return MakeSurface(name, kWallWidth, kWallHeight, [&](Canvas& canvas) {
        modelpaint::FillPattern(
            canvas,
            [&](double x, double y) {
                const double u = x / kWallWidth * repeat;
                const double height = (1.0 - y / kWallHeight) * kStoreyHeight;
                return Scale(finish(u, height), WallShadow(height));
            },
            1);
    });
}

// A white skirting board with a rounded top edge, `top` units high.
bool Skirting(double height, double top, Color* color) {
    if (height > top) return false;
    const Color white{232, 228, 218};
    *color = height > top - 0.02 ? Scale(white, 0.8 + 4.0 * (top - height)) : white;
    if (height < 0.01) *color = Scale(white, 0.7);
    return true;
}

Color LivingWall(double u, double height) {
    Color color;
    if (Skirting(height, 0.12, &color)) return color;
    if (height > 2.84) return Color{236, 232, 222};  // cornice
    if (height > 2.8) return Color{200, 196, 186};
    // Cream paper: pairs of fine gold lines, a small four-petalled flower between them.
    Color paper{228, 212, 172};
    const double across = std::fmod(u, 0.125);
    if (across < 0.004 || (across > 0.009 && across < 0.012)) paper = Color{200, 172, 118};
    const double stagger = std::fmod(u, 0.25) < 0.125 ? 0.0 : 0.1;
    const double fu = std::fmod(u, 0.125) - 0.0625;
    const double fv = std::fmod(height + stagger, 0.2) - 0.1;
    const double radius = std::sqrt(fu * fu + fv * fv);
    const double petals = 0.011 + 0.007 * std::fabs(std::cos(2.0 * std::atan2(fv, fu)));
    if (radius < petals) paper = Mix(paper, Color{188, 132, 104}, 0.45);
    if (radius < 0.004) paper = Color{200, 172, 118};
    const double wear = Fbm(u * 8, height * 2, 3, 4, 0, 21U);
    return Scale(paper, 0.95 + 0.08 * wear);
}

Color BoilerWall(double u, double height) {
    const double grime = Fbm(u * 8, height * 3, 4, 8, 0, 33U);
    if (height < 1.1) {
        Color paint{88, 112, 96};
        if (height > 1.08) paint = Color{48, 60, 52};
        return Scale(paint, 0.85 + 0.25 * grime);
    }
    return Scale(Color{206, 204, 192}, 0.84 + 0.22 * grime);
}

Color KitchenWall(double u, double height) {
    if (height < 1.5) {
        return modelpaint::Tiles(u, height, 0.15, Color{236, 238, 232}, Color{236, 238, 232},
                                 Color{170, 168, 160}, false, 41U);
    }
    if (height < 1.53) return Color{70, 120, 150};  // a row of blue border tiles
    const double wear = Fbm(u * 8, height * 2, 3, 4, 0, 43U);
    return Scale(Color{238, 222, 168}, 0.92 + 0.1 * wear);
}

Color HiddenWall(double u, double height) {
    // A small lit study: primrose paper with fine white stripes above a white dado rail, white
    // boarded wainscot below it. Pale and plainly wallpaper, unlike any door of the house.
    Color color;
    if (Skirting(height, 0.12, &color)) return color;
    if (height > 2.82) return Color{240, 238, 230};  // cornice
    const Color white{240, 238, 230};
    if (height < 0.86) {
        const double board = std::fmod(u, 0.125) / 0.125;
        Color paint = white;
        if (board < 0.05) paint = Scale(paint, 0.8);
        return paint;
    }
    if (height < 0.92) return height < 0.88 ? Scale(white, 0.82) : white;  // the dado rail
    Color paper{250, 234, 170};
    const double across = std::fmod(u, 0.1);
    if (across < 0.006) paper = Color{255, 250, 236};
    // A small leaf between the stripes, staggered from one stripe to the next.
    const double stagger = std::fmod(u, 0.2) < 0.1 ? 0.0 : 0.09;
    const double fu = across - 0.05, fv = std::fmod(height + stagger, 0.18) - 0.09;
    if (std::fabs(fu) * 1.6 + std::fabs(fv) < 0.016) paper = Color{214, 176, 96};
    return Scale(paper, 0.96 + 0.05 * Fbm(u * 8, height * 2, 3, 4, 0, 51U));
}

Color BedroomWall(double u, double height) {
    // White boards up to the wainscot rail, blue-grey paper with tiny pale flowers above.
    if (height < 0.6) {
        const double board = std::fmod(u, 0.125) / 0.125;
        Color paint{226, 224, 214};
        if (board < 0.05) paint = Scale(paint, 0.75);
        if (height < 0.1) paint = Scale(paint, 0.85);
        return paint;
    }
    if (height < 0.66) return height < 0.63 ? Color{214, 210, 198} : Color{238, 236, 228};
    if (height > 2.74) return Color{230, 228, 220};
    Color paper{156, 174, 186};
    const double stagger = std::fmod(u, 0.25) < 0.125 ? 0.0 : 0.075;
    const double fu = std::fmod(u, 0.125) - 0.0625;
    const double fv = std::fmod(height + stagger, 0.15) - 0.075;
    const double flower = std::sqrt(fu * fu + fv * fv);
    if (flower < 0.011)
        paper = Mix(paper, Color{222, 216, 200}, SmoothStep(0.011, 0.006, flower) * 0.7);
    return Scale(paper, 0.95 + 0.08 * Fbm(u * 8, height * 2, 3, 4, 0, 61U));
}

Color StairwellWall(double u, double height) {
    const double wear = Fbm(u * 4, height * 2, 3, 4, 0, 71U);
    return Scale(Color{222, 206, 170}, 0.92 + 0.1 * wear);
}

// The darkening of a floor or ceiling near what stands on it: `blocking(row, column)` says which
// cells hold walls or furniture.
template <typename Blocking>
double ContactShadow(double x, double z, double reach, double strength, Blocking blocking) {
    const int row = static_cast<int>(std::floor(x / kCell)) + 1;
    const int column = static_cast<int>(std::floor((z + 10.0) / kCell)) + 1;
    double nearest = 1e9;
    for (int r = row - 3; r <= row + 3; ++r) {
        for (int c = column - 3; c <= column + 3; ++c) {
            if (!blocking(r, c)) continue;
            const double minX = RowMinX(r) + kInset, maxX = RowMaxX(r) - kInset;
            const double minZ = ColumnMinZ(c) + kInset, maxZ = ColumnMaxZ(c) - kInset;
            const double dx = std::max({minX - x, 0.0, x - maxX});
            const double dz = std::max({minZ - z, 0.0, z - maxZ});
            nearest = std::min(nearest, std::sqrt(dx * dx + dz * dz));
        }
    }
    return 1.0 - strength * std::exp(-nearest / reach);
}

bool InPlan(int row, int column) {
    return row >= 0 && row < kPlanRows && column >= 0 && column < kPlanColumns;
}

bool GroundBlocking(int row, int column) {
    if (!InPlan(row, column)) return false;
    const CellKind kind = Plan().ground[row][column];
    return Plan().groundWall[row][column] || kind == CellKind::kFurniture ||
           kind == CellKind::kStairs;
}

bool UpperBlocking(int row, int column) {
    if (!InPlan(row, column)) return false;
    return Plan().upperWall[row][column] || Plan().upper[row][column] == CellKind::kFurniture;
}

// A rug with a border, painted onto a floor: rectangle in world units.
struct Rug {
    double minX, minZ, maxX, maxZ;
    Color field, border, pattern;
};

bool RugColor(const Rug& rug, double x, double z, Color* color) {
    if (x < rug.minX || x > rug.maxX || z < rug.minZ || z > rug.maxZ) return false;
    const double edge = std::min({x - rug.minX, rug.maxX - x, z - rug.minZ, rug.maxZ - z});
    Color c = rug.field;
    if (edge < 0.12) c = rug.border;
    if (edge > 0.16 && edge < 0.19) c = rug.pattern;
    // A diamond in the middle of the field.
    const double cx = (rug.minX + rug.maxX) / 2, cz = (rug.minZ + rug.maxZ) / 2;
    const double diamond =
        std::fabs(x - cx) / (rug.maxX - rug.minX) + std::fabs(z - cz) / (rug.maxZ - rug.minZ);
    if (diamond < 0.22 && diamond > 0.17) c = rug.pattern;
    if (edge < 0.02) c = Scale(c, 0.7);
    *color = Scale(modelpaint::Fabric(x, z, c, 0.012, 81U), 1.0);
    return true;
}

constexpr Rug kGroundRugs[] = {
    {7.95, -3.35, 10.3, -1.75, {150, 46, 40}, {60, 40, 70}, {214, 170, 90}},   // hall, sofa
    {2.0, -8.35, 4.3, -6.7, {56, 84, 120}, {170, 150, 110}, {210, 200, 170}},  // living room
    {11.3, -0.95, 12.5, -0.35, {176, 70, 48}, {70, 50, 84}, {226, 186, 104}},  // hidden room
};
constexpr Rug kUpperRugs[] = {
    {1.75, -3.7, 3.3, -1.4, {110, 130, 80}, {70, 60, 40}, {220, 200, 150}},
};

// The hall's boards, which run on through the doorway behind the bookcase into the hidden room.
Color HallBoards(double x, double z) {
    return modelpaint::Floorboards(x, z, 0.14, 1.1, Color{176, 124, 76}, Color{112, 70, 38}, 99U);
}

// The warm pool of light a lamp throws on the floor round the point below it.
Color LampPool(Color floor, double x, double z, double lampX, double lampZ, double spread,
               double strength) {
    const double dx = x - lampX, dz = z - lampZ;
    return Mix(floor, Color{255, 236, 190}, strength * std::exp(-(dx * dx + dz * dz) / spread));
}

Color GroundFloorAt(double x, double z) {
    // The threshold of the doorway behind the bookcase, under the wall's line: pale oak with a
    // dark edge on both sides, seen from across the hall where the floor runs on into the room.
    if (x > 10.83 && x < 10.97 && z > -1.4 && z < -0.17) {
        const double edge = std::min(x - 10.83, 10.97 - x);
        const Color oak =
            modelpaint::WoodGrain(z * 2.0, x * 6.0, Color{222, 190, 136}, Color{186, 146, 96}, 98U);
        return edge < 0.012 ? Color{90, 60, 36} : oak;
    }
    for (const Rug& rug : kGroundRugs) {
        Color color;
        if (RugColor(rug, x, z, &color)) {
            if (RoomAt(x, 0.01, z) == Room::kHiddenRoom) {
                return LampPool(color, x, z, kHiddenLampX, kHiddenLampZ, 1.2, 0.35);
            }
            return color;
        }
    }
    switch (RoomAt(x, 0.01, z)) {
        case Room::kBoilerRoom: {
            Color c = modelpaint::Concrete(x, z, Color{150, 148, 140}, 91U);
            // Old oil stains round the boiler.
            const double stain = Fbm(x * 1.5, z * 1.5, 3, 0, 0, 93U);
            if (stain > 0.62) c = Scale(c, 0.8);
            // The pool of warm light under the lamp inside the doorway: seen from the hall
            // through the open door, it tells a room from a recess in the wall.
            const double dx = x - kBoilerLampX, dz = z - kBoilerLampZ;
            const double light = std::exp(-(dx * dx + dz * dz) / 1.1);
            return Mix(c, Color{255, 236, 190}, 0.75 * light);
        }
        case Room::kKitchen:
            return modelpaint::Tiles(x, z, 0.3, Color{226, 220, 204}, Color{150, 60, 48},
                                     Color{120, 116, 108}, true, 95U);
        case Room::kHiddenRoom:
            return LampPool(HallBoards(x, z), x, z, kHiddenLampX, kHiddenLampZ, 1.2, 0.5);
        default:
            return HallBoards(x, z);
    }
}

Color UpperFloorAt(double x, double z) {
    for (const Rug& rug : kUpperRugs) {
        Color color;
        if (RugColor(rug, x, z, &color)) return color;
    }
    // Wide old pine boards running east to west.
    return modelpaint::Floorboards(x, z, 0.2, 1.6, Color{196, 156, 104}, Color{132, 94, 56}, 101U);
}

// Paints a floor or ceiling picture over an area of the plan, then darkens it near blockers.
template <typename Blocking>
Surface PlanPicture(const char* name, int width, int height, const AtlasArea& area,
                    const std::function<Color(double, double)>& colorAt, double reach,
                    double strength, Blocking blocking) {
    return MakeSurface(name, width, height, [&](Canvas& canvas) {
        auto worldX = [&](double px) { return area.minX + px / width * area.sizeX; };
        auto worldZ = [&](double py) { return area.minZ + (1.0 - py / height) * area.sizeZ; };
        modelpaint::FillPattern(
            canvas, [&](double px, double py) { return colorAt(worldX(px), worldZ(py)); }, 1);
        // The shadow varies slowly: worked out on a grid four pixels apart and blended between.
        constexpr int kStep = 4;
        const int gridW = width / kStep + 2, gridH = height / kStep + 2;
        std::vector<double> grid(static_cast<size_t>(gridW) * gridH);
        for (int gy = 0; gy < gridH; ++gy) {
            for (int gx = 0; gx < gridW; ++gx) {
                grid[static_cast<size_t>(gy) * gridW + gx] = ContactShadow(
                    worldX(gx * kStep), worldZ(gy * kStep), reach, strength, blocking);
            }
        }
        auto at = [&](int x, int y) { return grid[static_cast<size_t>(y) * gridW + x]; };
        for (int py = 0; py < height; ++py) {
            for (int px = 0; px < width; ++px) {
                const double fx = (px + 0.5) / kStep, fy = (py + 0.5) / kStep;
                const int gx = static_cast<int>(fx), gy = static_cast<int>(fy);
                const double tx = fx - gx, ty = fy - gy;
                const double shadow = (at(gx, gy) * (1 - tx) + at(gx + 1, gy) * tx) * (1 - ty) +
                                      (at(gx, gy + 1) * (1 - tx) + at(gx + 1, gy + 1) * tx) * ty;
                canvas.Set(px, py, Scale(canvas.Get(px, py), shadow));
            }
        }
    });
}

bool GroundWallCell(int row, int column) {
    return InPlan(row, column) && Plan().groundWall[row][column];
}

bool UpperWallCell(int row, int column) {
    return InPlan(row, column) && Plan().upperWall[row][column];
}

Color Plaster(double x, double z, std::uint32_t seed) {
    return Scale(Color{238, 236, 228}, 0.95 + 0.06 * Fbm(x * 2, z * 2, 3, 0, 0, seed));
}

}  // namespace

double WallRepeat(Room room) {
    switch (room) {
        case Room::kKitchen:
            return 0.6;
        default:
            return 0.5;
    }
}

const Surface& WallSurface(Room room) {
    static const Surface living = WallFinish("wall_living", 0.5, LivingWall);
    static const Surface boiler = WallFinish("wall_boiler", 0.5, BoilerWall);
    static const Surface kitchen = WallFinish("wall_kitchen", 0.6, KitchenWall);
    static const Surface hidden = WallFinish("wall_hidden", 0.5, HiddenWall);
    static const Surface bedroom = WallFinish("wall_bedroom", 0.5, BedroomWall);
    static const Surface stairwell = WallFinish("wall_stairs", 0.5, StairwellWall);
    switch (room) {
        case Room::kBoilerRoom:
            return boiler;
        case Room::kKitchen:
            return kitchen;
        case Room::kHiddenRoom:
            return hidden;
        case Room::kBedroom:
            return bedroom;
        case Room::kStairwell:
            return stairwell;
        default:
            return living;
    }
}

const Surface& GroundFloorSurface() {
    static const Surface surface = PlanPicture("floor_ground", 1024, 1024, kGroundAtlas,
                                               GroundFloorAt, 0.12, 0.45, GroundBlocking);
    return surface;
}

const Surface& UpperFloorSurface() {
    static const Surface surface =
        PlanPicture("floor_upper", 1024, 512, kUpperAtlas, UpperFloorAt, 0.12, 0.45, UpperBlocking);
    return surface;
}

const Surface& GroundCeilingSurface() {
    static const Surface surface = PlanPicture(
        "ceiling_ground", 256, 256, kGroundAtlas,
        [](double x, double z) { return Plaster(x, z, 111U); }, 0.2, 0.3, GroundWallCell);
    return surface;
}

const Surface& UpperCeilingSurface() {
    // Dark beams across the bedroom's ceiling every unit.
    static const Surface surface = PlanPicture(
        "ceiling_upper", 256, 128, kUpperAtlas,
        [](double x, double z) {
            const double beam = std::fmod(x + 0.5, 1.0);
            if (beam < 0.1) {
                return modelpaint::WoodGrain(z * 0.7, x * 3, Color{120, 84, 52}, Color{80, 54, 32},
                                             113U);
            }
            return Plaster(x, z, 115U);
        },
        0.2, 0.3, UpperWallCell);
    return surface;
}

const Surface& OutsideWallSurface() {
    static const Surface surface = MakeSurface("render", 128, 128, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            const double grain = Fbm(x / 16, y / 16, 4, 8, 8, 121U);
            return Scale(Color{222, 214, 196}, 0.86 + 0.2 * grain);
        });
    });
    return surface;
}

const Surface& RoofSurface() {
    static const Surface surface = MakePlainSurface("roof", Color{96, 70, 62});
    return surface;
}

const Surface& TrimSurface() {
    static const Surface surface = MakeSurface("trim", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return Scale(Color{236, 234, 226}, 0.95 + 0.06 * Noise(x / 8, y / 2, 8, 32, 131U));
        });
    });
    return surface;
}

const Surface& TileSurface() {
    static const Surface surface = MakeSurface("tiles", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return modelpaint::Tiles(x / 64.0 * 0.5, y / 64.0 * 0.5, 0.1, Color{232, 240, 240},
                                     Color{232, 240, 240}, Color{160, 166, 166}, false, 141U);
        });
    });
    return surface;
}

const Surface& NicheLight() {
    static const Surface surface = MakeSurface("niche_light", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return Scale(Color{255, 240, 196}, 0.96 + 0.04 * Noise(x / 8, y / 8, 8, 8, 145U));
        });
    });
    return surface;
}

const Surface& SteelSurface() {
    static const Surface surface = MakeSurface("steel", 64, 64, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            const double brush = Noise(x / 16, y * 2, 4, 128, 151U);
            return Scale(Color{150, 154, 160}, 0.88 + 0.16 * brush);
        });
    });
    return surface;
}

const Surface& DarkWoodSurface() {
    static const Surface surface = MakeSurface("walnut", 128, 128, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return modelpaint::WoodGrain(x / 128.0 * 2, y / 128.0 * 2, Color{104, 66, 40},
                                         Color{58, 34, 20}, 161U, 2, 2);
        });
    });
    return surface;
}

const Surface& OakSurface() {
    static const Surface surface = MakeSurface("oak", 128, 128, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return modelpaint::WoodGrain(x / 128.0 * 2, y / 128.0 * 2, Color{176, 126, 76},
                                         Color{116, 74, 40}, 171U, 2, 2);
        });
    });
    return surface;
}

const Surface& PineSurface() {
    static const Surface surface = MakeSurface("pine", 128, 128, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            return modelpaint::WoodGrain(x / 128.0 * 2, y / 128.0 * 2, Color{214, 176, 122},
                                         Color{164, 120, 72}, 181U, 2, 2);
        });
    });
    return surface;
}

const Surface& GrassSurface() {
    static const Surface surface = MakeSurface("grass", 128, 128, [](Canvas& canvas) {
        modelpaint::FillPattern(canvas, [](double x, double y) {
            const double patch = Fbm(x / 32, y / 32, 4, 4, 4, 191U);
            const double blade = Hash01(static_cast<int>(x), static_cast<int>(y), 193U);
            return Scale(Mix(Color{70, 118, 48}, Color{104, 140, 58}, patch), 0.85 + 0.25 * blade);
        });
    });
    return surface;
}

}  // namespace house
