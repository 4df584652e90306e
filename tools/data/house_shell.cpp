// The shell of the house: walls, floors, ceilings and roofs built from the floor plan's cells.
//
// The shell is a solid cut into boxes on a rectilinear grid: its planes are the cell edges of the
// floor plan (each also 0.03 to either side, so that walls can stand back from the free cells),
// the storey heights and the edges of every opening. A box is solid where the floor plan has a
// wall, then openings are carved out and a few pieces added. Faces are drawn wherever solid meets
// empty, merged into the largest rectangles of one finish, and textured by the room they face.
#include <algorithm>  // Required for: std::sort(), std::unique(), std::reverse()
#include <array>      // Required for: std::array
#include <cmath>      // Required for: std::floor(), std::fabs()
#include <cstdint>    // Required for: std::uint8_t
#include <map>        // Required for: std::map
#include <utility>    // Required for: std::swap()
#include <vector>     // Required for: std::vector

#include "house_parts.h"
#include "house_plan.h"

namespace house {

namespace {

struct Box {
    Vec3 min, max;
    bool Contains(Vec3 p) const {
        return p.x > min.x && p.x < max.x && p.y > min.y && p.y < max.y && p.z > min.z &&
               p.z < max.z;
    }
};

// A change to the solid the floor plan gives: material added, or an opening carved (whose own
// faces may take a finish of their own).
struct Edit {
    bool add;
    Box box;
    const Surface* reveal = nullptr;
    // A carve inside a room's walls whose faces take that room's finish.
    bool ofRoom = false;
    Room room = Room::kOutside;
    // Below 0 the reveal is shaded by the direction each face turns to; otherwise every face of
    // it shows this brightness, as if a lamp inside lit it.
    double revealShade = -1.0;
    // Whether the floor inside the opening takes the reveal too (a threshold) or stays the
    // room's floor.
    bool revealOnFloor = true;
};

// The bookcase pocket's ceiling, just above the bookcase.
constexpr double kPocketTop = 1.79;

int RowOf(double x) {
    return static_cast<int>(std::floor(x / kCell)) + 1;
}
int ColumnOf(double z) {
    return static_cast<int>(std::floor((z + 10.0) / kCell)) + 1;
}

bool InsideHouse(int row, int column) {
    return !Plan().Outside(row, column);
}
bool GroundWall(int row, int column) {
    return row >= 0 && row < kPlanRows && column >= 0 && column < kPlanColumns &&
           Plan().groundWall[row][column];
}
// The upper floor's room and the stairwell that leads down from its east side.
bool UpperRoomCell(int row, int column) {
    return row >= 1 && row <= 25 && column >= 26 && column <= 50;
}
bool StairwellCell(int row, int column) {
    return row >= 25 && row <= 50 && column >= 44 && column <= 50;
}
bool UpperFootprint(int row, int column) {
    return UpperRoomCell(row, column) || StairwellCell(row, column);
}
// The upper walls: the upper floor's outline from the plan, and the stairwell's walls round the
// flight that comes up from the hall (north side, east end, and the outer wall on the south).
bool UpperWall(int row, int column) {
    if (row >= 0 && row < kPlanRows && column >= 0 && column < kPlanColumns &&
        Plan().upperWall[row][column]) {
        return true;
    }
    if (!StairwellCell(row, column)) return false;
    return column == 44 || column == 50 || row == 50;
}

// Solid where the cell holds the thing and, within 0.03 of an edge, where the cell across that
// edge holds it too: faces stand 0.03 inside the cells, never in a free one.
template <typename Holds>
bool SolidByCells(double x, double z, Holds holds) {
    const int row = RowOf(x), column = ColumnOf(z);
    if (!holds(row, column)) return false;
    const double inRow = x - RowMinX(row), inColumn = z - ColumnMinZ(column);
    const int dRow = inRow < kInset ? -1 : (inRow > kCell - kInset ? 1 : 0);
    const int dColumn = inColumn < kInset ? -1 : (inColumn > kCell - kInset ? 1 : 0);
    if (dRow != 0 && !holds(row + dRow, column)) return false;
    if (dColumn != 0 && !holds(row, column + dColumn)) return false;
    if (dRow != 0 && dColumn != 0 && !holds(row + dRow, column + dColumn)) return false;
    return true;
}

bool BaseSolid(Vec3 p) {
    if (p.y < kGroundFloor) return SolidByCells(p.x, p.z, InsideHouse);
    if (p.y < kGroundCeiling) return SolidByCells(p.x, p.z, GroundWall);
    if (p.y < kUpperFloor) return SolidByCells(p.x, p.z, InsideHouse);
    if (p.y < kUpperCeiling) return SolidByCells(p.x, p.z, UpperWall);
    if (p.y < kRoofTop) return SolidByCells(p.x, p.z, UpperFootprint);
    return false;
}

// A window in a south wall that fills a pick box across and up; the glass stands inside the
// wall's thickness (room face 0.17, outer face 0.03 north of Z 0) and inside the box.
WindowOpening SouthWindow(PlaceBox box, double glass) {
    const Vec3 min = PlaceMin(box), max = PlaceMax(box);
    return WindowOpening{{min.x, min.y, -0.17}, {max.x, max.y, 0.1}, 2, glass, -1,
                         WindowKind::kGlass};
}

// Only the two clickable windows are plain glass; every other window of the house is plainly no
// way out, so that a player with the hammer spends it on the right one.
const WindowOpening kWindows[] = {
    // Boiler room, ground floor, south wall: breaking it is the way out.
    SouthWindow(kGroundWindowBox, -0.04),
    // Upstairs, south wall: breaking it ends in a fall.
    SouthWindow(kUpperWindowBox, -0.065),
    // Kitchen, east wall, high enough to leave room for the bread's niche under it.
    {{10.23, 1.2, -7.6}, {10.5, 2.1, -6.6}, 0, 10.3, -1, WindowKind::kBoarded},
    // Living room, north wall above the bed.
    {{2.45, 1.25, -9.9}, {3.55, 2.15, -9.63}, 2, -9.7, 1, WindowKind::kBarred},
    // Hall, south wall under the gallery of the stairs.
    {{5.7, 0.9, -0.17}, {6.7, 1.75, 0.1}, 2, -0.1, -1, WindowKind::kBoarded},
};

std::vector<Edit> Edits() {
    std::vector<Edit> edits;
    auto add = [&](Vec3 min, Vec3 max) { edits.push_back(Edit{true, Box{min, max}, nullptr}); };
    auto carve = [&](Vec3 min, Vec3 max, const Surface* reveal) {
        edits.push_back(Edit{false, Box{min, max}, reveal});
    };
    auto carveLit = [&](Vec3 min, Vec3 max, const Surface* reveal, double shade) {
        edits.push_back(Edit{false, Box{min, max}, reveal, false, Room::kOutside, shade});
    };
    auto carveIn = [&](Room room, Vec3 min, Vec3 max) {
        edits.push_back(Edit{false, Box{min, max}, nullptr, true, room});
    };
    auto carveFramed = [&](Vec3 min, Vec3 max) {
        edits.push_back(
            Edit{false, Box{min, max}, &TrimSurface(), false, Room::kOutside, kFrameLight, false});
    };

    // Backing behind openings that cut right through a wall.
    add(V(8.0, -0.1, -9.85), V(10.4, kGroundCeiling, -9.17));  // kitchen counter recess
    add(V(10.5, -0.1, -0.03), V(11.1, 1.9, 0.2));              // bookcase slot in the outer wall
    // Behind the bookcase's open place, reaching into the outer face of the wall at X 10.9, so that
    // no crack opens to the garden at the far end of the pocket.
    add(V(10.97, -0.1, -2.95), V(11.25, kGroundCeiling, -1.4));
    // The floor behind the bookcase's north end reaches right up to that block.
    add(V(10.97, -0.1, -1.45), V(11.25, kGroundFloor, -1.2));
    add(V(10.97, kPocketTop, -2.8), V(11.0, kGroundCeiling, -1.2));
    add(V(12.95, 0.6, -1.5), V(13.2, 1.5, -0.75));  // the recess in the hidden room's east wall

    // Lintels over doorways and the header between the living room and the hall.
    add(V(kBoilerDoorWestX, kBoilerDoorTop, kBoilerDoorNorthZ),
        V(kBoilerDoorEastX, kGroundCeiling, kBoilerDoorSouthZ));        // boiler room to hall
    add(V(4.83, 5.1, -1.03), V(4.97, kUpperCeiling, -0.17));            // upstairs to the stairwell
    add(V(7.23, 2.3, -8.03), V(7.37, kGroundCeiling, -6.57));           // living room to kitchen
    add(V(5.2, 2.5, -5.2), V(7.23, kGroundCeiling, -4.8));              // living room to hall
    add(V(10.83, kPassageTop, -1.4), V(10.97, kGroundCeiling, -0.17));  // over the passage

    // Windows.
    for (const WindowOpening& window : kWindows) carve(window.min, window.max, &TrimSurface());
    // The boiler room's doorway is lined in white, its threshold too, so that from the hall it
    // reads as a doorway and not as a step in the wall.
    carve(V(kBoilerDoorWestX, kGroundFloor, kBoilerDoorNorthZ),
          V(kBoilerDoorEastX, kBoilerDoorTop, kBoilerDoorSouthZ), &TrimSurface());
    // The bread's niche under the kitchen window, lined in a warm light colour so that the loaf
    // stands out from the tiles, with backing where it reaches through the outer wall.
    const Block breadNiche = BreadNicheBlock();
    add(V(breadNiche.max.x - 0.05, breadNiche.min.y - 0.05, breadNiche.min.z - 0.05),
        V(breadNiche.max.x + 0.06, breadNiche.max.y + 0.05, breadNiche.max.z + 0.05));
    carveLit(breadNiche.min, breadNiche.max, &NicheLight(), 1.0);
    // The front door and its frame.
    carve(V(kDoorMinX, 0.0, -9.9), V(kDoorMaxX, kDoorTop, -9.43), &TrimSurface());
    // The kitchen counter stands in a recess behind the wall's line, tiled at the back.
    carve(V(8.17, 0.0, -9.65), V(10.23, 2.35, -9.03), &TileSurface());
    // The built-in wardrobe's recess in the living room's west wall.
    carve(V(1.23, 0.0, PlaceMin(kWardrobeBox).z),
          V(1.37, PlaceMax(kWardrobeBox).y, PlaceMax(kWardrobeBox).z), &OakSurface());
    // Between the alcove and the passage side of the hidden room only a parapet.
    carveIn(Room::kHiddenRoom, V(11.2, kParapetTop, -1.83), V(11.4, kGroundCeiling, -1.0));
    // The little recess in the corner of the hidden room's east wall.
    const Block photo = KeepsakeBlock();
    carve(V(12.83, photo.min.y - 0.04, -1.23), V(13.0, photo.max.y + 0.04, photo.max.z + 0.04),
          &DarkWoodSurface());
    // Where the bookcase slides to: a pocket in the wall at X 10.9, under a ceiling low enough
    // that the wall still shows above it (these cells stop the player while the bookcase is
    // closed).
    carveIn(Room::kLivingRoom, V(10.595, kGroundFloor, -2.75), V(11.0, kPocketTop, -1.4));
    // Where it stands closed, from the pocket past the end of the wall at X 10.9 and into the
    // outer wall, one doorway above head height, walked once it is open: lined in white like the
    // boiler room's, so that from the hall it reads as a way into a room. The floor runs on
    // through it; the end of the wall becomes a slender white post (the fittings).
    carveFramed(V(10.595, kGroundFloor, -1.4), V(11.0, kPassageTop, 0.1));
    // The slot at the far end of the pocket that takes the bookcase's end board once it slides.
    carveIn(Room::kLivingRoom, V(10.82, kGroundFloor, -2.92), V(11.03, kPassageTop, -2.7));
    // The upstairs east wall stands further back, so that the picture hangs at X 4.9.
    carveIn(Room::kBedroom, V(4.83, kUpperFloor, -4.83), V(4.9, kUpperCeiling, -1.03));
    // The stairwell's opening in the hall ceiling, east of the gallery.
    carve(V(6.6, kGroundCeiling, -1.23), V(9.83, kUpperFloor, -0.17), nullptr);
    return edits;
}

// Breakpoints along one axis, sorted, with near-duplicates merged.
std::vector<double> Sorted(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::vector<double> result;
    for (double value : values) {
        if (result.empty() || value - result.back() > 1e-6) result.push_back(value);
    }
    return result;
}

// How one face is finished: its surface and how the texture lies on it.
struct FaceStyle {
    enum class Uv { kWall, kAtlas, kWorld };
    const Surface* surface = nullptr;
    Uv uv = Uv::kWorld;
    double base = 0.0, height = 1.0, repeat = 1.0;  // kWall: storey bottom and height
    AtlasArea atlas{0, 0, 1, 1};
    double shade = -1.0;  // below 0: by the face's direction

    bool operator==(const FaceStyle& other) const {
        return surface == other.surface && uv == other.uv && base == other.base &&
               height == other.height && repeat == other.repeat && atlas.minX == other.atlas.minX &&
               atlas.minZ == other.atlas.minZ && shade == other.shade;
    }
};

class Shell {
public:
    Shell() : edits_(Edits()) {
        std::vector<double> xs, ys, zs;
        for (int row = 0; row <= kPlanRows; ++row) {
            const double edge = RowMinX(row);
            xs.insert(xs.end(), {edge - kInset, edge, edge + kInset});
        }
        for (int column = 0; column <= kPlanColumns; ++column) {
            const double edge = ColumnMinZ(column);
            zs.insert(zs.end(), {edge - kInset, edge, edge + kInset});
        }
        ys = {-0.1, kGroundFloor, kGroundCeiling, kUpperFloor, kUpperCeiling, kRoofTop};
        for (const Edit& edit : edits_) {
            xs.insert(xs.end(), {edit.box.min.x, edit.box.max.x});
            ys.insert(ys.end(), {edit.box.min.y, edit.box.max.y});
            zs.insert(zs.end(), {edit.box.min.z, edit.box.max.z});
        }
        axes_[0] = Sorted(xs);
        axes_[1] = Sorted(ys);
        axes_[2] = Sorted(zs);
        for (int a = 0; a < 3; ++a) count_[a] = static_cast<int>(axes_[a].size()) - 1;
        solid_.assign(static_cast<size_t>(count_[0]) * count_[1] * count_[2], 0);
        for (int i = 0; i < count_[0]; ++i) {
            for (int j = 0; j < count_[1]; ++j) {
                for (int k = 0; k < count_[2]; ++k) {
                    const Vec3 p = Centre(i, j, k);
                    bool solid = BaseSolid(p);
                    for (const Edit& edit : edits_) {
                        if (edit.box.Contains(p)) solid = edit.add;
                    }
                    solid_[Index(i, j, k)] = solid ? 1 : 0;
                }
            }
        }
    }

    void Emit(Model& model) {
        for (int axis = 0; axis < 3; ++axis) {
            const int axisU = (axis + 1) % 3, axisV = (axis + 2) % 3;
            const int countU = count_[axisU], countV = count_[axisV];
            std::vector<int> mask(static_cast<size_t>(countU) * countV);
            for (int plane = 0; plane <= count_[axis]; ++plane) {
                for (int sign : {1, -1}) {
                    for (int iu = 0; iu < countU; ++iu) {
                        for (int iv = 0; iv < countV; ++iv) {
                            mask[static_cast<size_t>(iu) * countV + iv] =
                                FaceAt(axis, plane, sign, axisU, iu, axisV, iv);
                        }
                    }
                    MergeAndEmit(model, axis, plane, sign, axisU, axisV, mask);
                }
            }
        }
        EmitConforming(model);
    }

private:
    size_t Index(int i, int j, int k) const {
        return (static_cast<size_t>(i) * count_[1] + j) * count_[2] + k;
    }
    Vec3 Centre(int i, int j, int k) const {
        return {(axes_[0][i] + axes_[0][i + 1]) / 2, (axes_[1][j] + axes_[1][j + 1]) / 2,
                (axes_[2][k] + axes_[2][k + 1]) / 2};
    }
    bool Solid(const int (&index)[3]) const {
        for (int a = 0; a < 3; ++a) {
            if (index[a] < 0 || index[a] >= count_[a]) return false;
        }
        return solid_[Index(index[0], index[1], index[2])] != 0;
    }
    // The centre of a cell that may lie one step outside the grid.
    double CentreOn(int axis, int index) const {
        if (index < 0) return axes_[axis][0] - 0.05;
        if (index >= count_[axis]) return axes_[axis][count_[axis]] + 0.05;
        return (axes_[axis][index] + axes_[axis][index + 1]) / 2;
    }

    // The style id of the face between cells plane-1 and plane on `axis` that faces `sign`, or
    // -1 where there is none.
    int FaceAt(int axis, int plane, int sign, int axisU, int iu, int axisV, int iv) {
        int below[3], above[3];
        below[axis] = plane - 1;
        above[axis] = plane;
        below[axisU] = above[axisU] = iu;
        below[axisV] = above[axisV] = iv;
        const bool solidBelow = Solid(below), solidAbove = Solid(above);
        const int* empty = nullptr;
        if (sign > 0 && solidBelow && !solidAbove) empty = above;
        if (sign < 0 && solidAbove && !solidBelow) empty = below;
        if (empty == nullptr) return -1;
        Vec3 centre;
        double* coordinate[3] = {&centre.x, &centre.y, &centre.z};
        for (int a = 0; a < 3; ++a) *coordinate[a] = CentreOn(a, empty[a]);
        Vec3 normal;
        double* component[3] = {&normal.x, &normal.y, &normal.z};
        *component[axis] = sign;
        return StyleId(StyleFor(normal, axes_[axis][plane], centre));
    }

    FaceStyle StyleFor(Vec3 normal, double planeCoordinate, Vec3 emptyCentre) const {
        FaceStyle style;
        const bool floorFace = normal.y > 0.5 && std::fabs(planeCoordinate - kGroundFloor) < 1e-6;
        for (const Edit& edit : edits_) {
            if (!edit.add && edit.reveal != nullptr && edit.box.Contains(emptyCentre) &&
                (edit.revealOnFloor || !floorFace)) {
                style.surface = edit.reveal;
                style.shade = edit.revealShade;
            }
        }
        if (style.surface != nullptr) {
            style.repeat = 0.5;
            return style;
        }
        Room room = RoomAt(emptyCentre.x, emptyCentre.y, emptyCentre.z);
        for (const Edit& edit : edits_) {
            if (edit.ofRoom && edit.box.Contains(emptyCentre)) room = edit.room;
        }
        if (normal.y > 0.5) {
            if (std::fabs(planeCoordinate - kGroundFloor) < 1e-6 && room != Room::kOutside) {
                style.surface = &GroundFloorSurface();
                style.uv = FaceStyle::Uv::kAtlas;
                style.atlas = kGroundAtlas;
            } else if (std::fabs(planeCoordinate - kUpperFloor) < 1e-6 &&
                       (room == Room::kBedroom || room == Room::kStairwell)) {
                style.surface = &UpperFloorSurface();
                style.uv = FaceStyle::Uv::kAtlas;
                style.atlas = kUpperAtlas;
            } else if (room == Room::kOutside) {
                style.surface = &RoofSurface();
            } else {
                style.surface = &TrimSurface();
                style.repeat = 0.5;
            }
            return style;
        }
        if (normal.y < -0.5) {
            if (room == Room::kOutside) {
                style.surface = &OutsideWallSurface();
            } else if (std::fabs(planeCoordinate - kGroundCeiling) < 1e-6) {
                style.surface = &GroundCeilingSurface();
                style.uv = FaceStyle::Uv::kAtlas;
                style.atlas = kGroundAtlas;
                style.shade = room == Room::kHiddenRoom ? kHiddenRoomLight : 0.76;
            } else if (std::fabs(planeCoordinate - kUpperCeiling) < 1e-6) {
                style.surface = &UpperCeilingSurface();
                style.uv = FaceStyle::Uv::kAtlas;
                style.atlas = kUpperAtlas;
                style.shade = 0.76;
            } else {
                style.surface = &TrimSurface();
                style.repeat = 0.5;
                style.shade = 0.7;
            }
            return style;
        }
        if (room == Room::kOutside) {
            style.surface = &OutsideWallSurface();
            style.repeat = 2.0;
            return style;
        }
        if (emptyCentre.y > kGroundCeiling && emptyCentre.y < kUpperFloor) {
            style.surface = &TrimSurface();
            style.repeat = 0.5;
            return style;
        }
        style.surface = &WallSurface(room);
        style.uv = FaceStyle::Uv::kWall;
        style.repeat = WallRepeat(room);
        // The hidden room is lit by its own lamps, every wall alike: brighter than the hall it
        // is seen from.
        if (room == Room::kHiddenRoom) style.shade = kHiddenRoomLight;
        const bool upper = emptyCentre.y > kUpperFloor;
        style.base = upper ? kUpperFloor : kGroundFloor;
        style.height = upper ? kUpperCeiling - kUpperFloor : kGroundCeiling - kGroundFloor;
        return style;
    }

    int StyleId(const FaceStyle& style) {
        for (size_t i = 0; i < styles_.size(); ++i) {
            if (styles_[i] == style) return static_cast<int>(i);
        }
        styles_.push_back(style);
        return static_cast<int>(styles_.size()) - 1;
    }

    // Greedy merging: each run of one style grows along u, then along v while whole rows match.
    void MergeAndEmit(Model& model, int axis, int plane, int sign, int axisU, int axisV,
                      std::vector<int>& mask) {
        const int countU = count_[axisU], countV = count_[axisV];
        for (int iu = 0; iu < countU; ++iu) {
            for (int iv = 0; iv < countV; ++iv) {
                const int style = mask[static_cast<size_t>(iu) * countV + iv];
                if (style < 0) continue;
                int endV = iv + 1;
                while (endV < countV && mask[static_cast<size_t>(iu) * countV + endV] == style) {
                    ++endV;
                }
                int endU = iu + 1;
                for (;;) {
                    if (endU >= countU) break;
                    bool same = true;
                    for (int v = iv; v < endV && same; ++v) {
                        same = mask[static_cast<size_t>(endU) * countV + v] == style;
                    }
                    if (!same) break;
                    ++endU;
                }
                for (int u = iu; u < endU; ++u) {
                    for (int v = iv; v < endV; ++v) mask[static_cast<size_t>(u) * countV + v] = -1;
                }
                EmitRect(model, axis, axes_[axis][plane], sign, axisU, axes_[axisU][iu],
                         axes_[axisU][endU], axisV, axes_[axisV][iv], axes_[axisV][endV],
                         styles_[static_cast<size_t>(style)]);
            }
        }
    }

    void EmitRect(Model& model, int axis, double at, int sign, int axisU, double u0, double u1,
                  int axisV, double v0, double v1, const FaceStyle& style) {
        auto point = [&](double u, double v) {
            double c[3];
            c[axis] = at;
            c[axisU] = u;
            c[axisV] = v;
            return Vec3{c[0], c[1], c[2]};
        };
        Vec3 normal;
        double* component[3] = {&normal.x, &normal.y, &normal.z};
        *component[axis] = sign;
        Vec3 corners[4] = {point(u0, v0), point(u1, v0), point(u1, v1), point(u0, v1)};
        if (sign < 0) std::swap(corners[1], corners[3]);
        const int material = style.shade >= 0.0 ? model.ShadedMaterial(*style.surface, style.shade)
                                                : model.MaterialFacing(*style.surface, normal);
        // The foundation's underside lies below the lawn and is never seen, but it closes the
        // shell: a closed solid's faces turned away from the eye lie behind its others, and the
        // game culls them.
        MeshVertex vertices[4];
        const Vec3 right{normal.z, 0.0, -normal.x};
        for (int i = 0; i < 4; ++i) {
            const Vec3 p = corners[i];
            MeshVertex& vertex = vertices[i];
            vertex.position = p;
            vertex.normal = normal;
            switch (style.uv) {
                case FaceStyle::Uv::kWall:
                    vertex.u = Dot(p, right) / style.repeat;
                    vertex.v = (p.y - style.base) / style.height;
                    break;
                case FaceStyle::Uv::kAtlas:
                    vertex.u = (p.x - style.atlas.minX) / style.atlas.sizeX;
                    vertex.v = (p.z - style.atlas.minZ) / style.atlas.sizeZ;
                    break;
                case FaceStyle::Uv::kWorld:
                    if (std::fabs(normal.y) > 0.5) {
                        vertex.u = p.x / style.repeat;
                        vertex.v = p.z / style.repeat;
                    } else {
                        vertex.u = Dot(p, right) / style.repeat;
                        vertex.v = p.y / style.repeat;
                    }
                    break;
            }
        }
        pending_.push_back({material, axis, {vertices[0], vertices[1], vertices[2], vertices[3]}});
    }

    // A rectangle whose faces wait until every rectangle of the shell is known.
    struct PendingRect {
        int material;
        int axis;               // the axis the rectangle lies across
        MeshVertex corners[4];  // counter-clockwise seen from the side it faces
    };

    // Where merged rectangles meet, a corner of one often lies on a side of another (a
    // T-junction): drawn, the two leave pixels between them uncovered now and then, and what
    // lies behind the wall shows through. So each rectangle takes every corner lying on its
    // sides as a corner of its own and is cut into triangles that meet only corner to corner;
    // a rectangle with none is the two triangles it always was.
    void EmitConforming(Model& model) {
        // Every corner, by the line along an axis it lies on: the axis and its other two
        // coordinates.
        std::map<std::array<double, 4>, std::vector<double>> onLine;
        const auto lineKey = [](const Vec3& p, int along) {
            const double c[3] = {p.x, p.y, p.z};
            return std::array<double, 4>{static_cast<double>(along), along == 0 ? 0.0 : c[0],
                                         along == 1 ? 0.0 : c[1], along == 2 ? 0.0 : c[2]};
        };
        for (const PendingRect& rect : pending_) {
            for (const MeshVertex& corner : rect.corners) {
                const double c[3] = {corner.position.x, corner.position.y, corner.position.z};
                for (int along = 0; along < 3; ++along) {
                    if (along != rect.axis)
                        onLine[lineKey(corner.position, along)].push_back(c[along]);
                }
            }
        }
        for (auto& [key, points] : onLine) {
            std::sort(points.begin(), points.end());
            points.erase(std::unique(points.begin(), points.end()), points.end());
        }
        for (const PendingRect& rect : pending_) {
            // The corners with the points on the sides between them.
            std::vector<MeshVertex> outline;
            for (int k = 0; k < 4; ++k) {
                const MeshVertex& from = rect.corners[k];
                const MeshVertex& to = rect.corners[(k + 1) % 4];
                outline.push_back(from);
                const double a[3] = {from.position.x, from.position.y, from.position.z};
                const double b[3] = {to.position.x, to.position.y, to.position.z};
                int along = 0;
                while (along < 3 && a[along] == b[along]) ++along;
                const std::vector<double>& points = onLine[lineKey(from.position, along)];
                std::vector<double> between;
                for (const double t : points) {
                    if (t > std::min(a[along], b[along]) && t < std::max(a[along], b[along])) {
                        between.push_back(t);
                    }
                }
                if (a[along] > b[along]) std::reverse(between.begin(), between.end());
                // Texture coordinates as the two triangles would have given them: along the side
                // between the corners' written ones, and written in full.
                const double fromU = WrittenNumber(from.u), fromV = WrittenNumber(from.v);
                const double toU = WrittenNumber(to.u), toV = WrittenNumber(to.v);
                for (const double t : between) {
                    MeshVertex point = from;
                    double c[3] = {a[0], a[1], a[2]};
                    c[along] = t;
                    point.position = Vec3{c[0], c[1], c[2]};
                    const double f = (t - a[along]) / (b[along] - a[along]);
                    point.u = fromU + f * (toU - fromU);
                    point.v = fromV + f * (toV - fromV);
                    point.fullUv = true;
                    outline.push_back(point);
                }
            }
            if (outline.size() == 4) {
                model.AddQuad(rect.material, rect.corners[0], rect.corners[1], rect.corners[2],
                              rect.corners[3]);
                continue;
            }
            CutConvexOutline(model, rect.material, rect.axis, outline);
        }
        pending_.clear();
    }

    // Cuts a convex outline (corners in turn, some on the straight sides between others) into
    // triangles that use its corners only: each time a corner where the outline turns is cut off,
    // while what remains still has an area, so that no cut runs along a side.
    static void CutConvexOutline(Model& model, int material, int axis,
                                 std::vector<MeshVertex> outline) {
        const int u = (axis + 1) % 3, v = (axis + 2) % 3;
        const auto at = [](const MeshVertex& m, int i) {
            return i == 0 ? m.position.x : (i == 1 ? m.position.y : m.position.z);
        };
        // Twice the signed area of a triangle in the plane (positive counter-clockwise seen from
        // the side the normal points to).
        const auto turn = [&](const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
            const double sign = axis == 0 ? a.normal.x : (axis == 1 ? a.normal.y : a.normal.z);
            const double cross = (at(b, u) - at(a, u)) * (at(c, v) - at(a, v)) -
                                 (at(b, v) - at(a, v)) * (at(c, u) - at(a, u));
            return sign > 0 ? cross : -cross;
        };
        const auto area = [&](const std::vector<MeshVertex>& polygon) {
            double twice = 0.0;
            for (size_t i = 1; i + 1 < polygon.size(); ++i) {
                twice += turn(polygon[0], polygon[i], polygon[i + 1]);
            }
            return twice;
        };
        while (outline.size() > 3) {
            const size_t n = outline.size();
            size_t cut = n;
            for (size_t i = 0; i < n && cut == n; ++i) {
                const MeshVertex& before = outline[(i + n - 1) % n];
                const MeshVertex& after = outline[(i + 1) % n];
                if (turn(before, outline[i], after) <= 0.0) continue;
                std::vector<MeshVertex> rest = outline;
                rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
                if (area(rest) > 0.0) {
                    cut = i;
                }
            }
            if (cut == n) return;  // what is left has no area
            model.AddTriangle(material, outline[(cut + n - 1) % n], outline[cut],
                              outline[(cut + 1) % n]);
            outline.erase(outline.begin() + static_cast<std::ptrdiff_t>(cut));
        }
        if (turn(outline[0], outline[1], outline[2]) > 0.0) {
            model.AddTriangle(material, outline[0], outline[1], outline[2]);
        }
    }

    std::vector<Edit> edits_;
    std::vector<double> axes_[3];
    int count_[3] = {0, 0, 0};
    std::vector<std::uint8_t> solid_;
    std::vector<FaceStyle> styles_;
    std::vector<PendingRect> pending_;
};

}  // namespace

const WindowOpening* Windows(int* count) {
    *count = static_cast<int>(sizeof kWindows / sizeof kWindows[0]);
    return kWindows;
}

Room RoomAt(double x, double y, double z) {
    int row = RowOf(x), column = ColumnOf(z);
    const bool upperStorey = y >= kUpperFloor;
    auto isWall = [&](int r, int c) { return upperStorey ? UpperWall(r, c) : GroundWall(r, c); };
    // A point just off a wall face lies in the wall's cell; the room is across the nearest edge.
    if (isWall(row, column)) {
        const double inRow = x - RowMinX(row), inColumn = z - ColumnMinZ(column);
        const int dRow = inRow < 0.05 ? -1 : (inRow > kCell - 0.05 ? 1 : 0);
        const int dColumn = inColumn < 0.05 ? -1 : (inColumn > kCell - 0.05 ? 1 : 0);
        if (dRow != 0 && !isWall(row + dRow, column)) {
            row += dRow;
        } else if (dColumn != 0 && !isWall(row, column + dColumn)) {
            column += dColumn;
        } else if (dRow != 0 && dColumn != 0) {
            row += dRow;
            column += dColumn;
        }
    }
    // Rooms are told apart by the centre of the cell the point belongs to. The hidden room
    // begins right behind the wall at X 10.9, at the frame of its doorway.
    const double cellX = (row - 0.5) * kCell, cellZ = -10.0 + (column - 0.5) * kCell;
    if (y < kGroundCeiling) {
        if (Plan().Outside(row, column)) return Room::kOutside;
        if (cellX < 4.85 && cellZ > -5.0) return Room::kBoilerRoom;
        if (cellX > 11.0 && cellZ > -2.1) return Room::kHiddenRoom;
        if (cellX > 7.4 && cellZ < -5.0) return Room::kKitchen;
        return Room::kLivingRoom;
    }
    if (y < kUpperCeiling) {
        if (UpperRoomCell(row, column)) return Room::kBedroom;
        if (StairwellCell(row, column)) return Room::kStairwell;
    }
    return Room::kOutside;
}

void BuildShell(Model& model) {
    Shell shell;
    shell.Emit(model);
}

}  // namespace house
