// The furniture of the house and its clickable places. Each piece stands on the cells that the
// floor plan walls off for it (0.03 inside their free edges), and each clickable thing lies in
// its pick box: the note on the upstairs table (box 0), the key on the crate (1), the locked
// cabinet (2), the picture (3), the radio (6), the wardrobe (7), the nightstand (9), the wall
// safe (10), the photograph in the hidden room (11), the boiler (14) and the calendar (16); the
// plate under the bread (8).
#include <algorithm>  // Required for: std::min()
#include <cmath>      // Required for: std::cos(), std::sin()

#include "house_decor.h"
#include "house_parts.h"
#include "house_plan.h"

namespace house {

namespace {

// The floor-plan rectangle of a piece, 0.03 inside the edges of its cells.
struct Footprint {
    double minX, maxX, minZ, maxZ;
};

Footprint FootprintOf(int firstRow, int lastRow, int firstColumn, int lastColumn) {
    return Footprint{RowMinX(firstRow) + kInset, RowMaxX(lastRow) - kInset,
                     ColumnMinZ(firstColumn) + kInset, ColumnMaxZ(lastColumn) - kInset};
}

// Four legs under a rectangle.
void Legs(Model& model, const Surface& surface, Footprint f, double inset, double size,
          double bottom, double top) {
    for (double x : {f.minX + inset, f.maxX - inset - size}) {
        for (double z : {f.minZ + inset, f.maxZ - inset - size}) {
            AddBox(model, surface, V(x, bottom, z), V(x + size, top, z + size), WorldUv(0.5),
                   kAllFaces & ~kFaceMinusY);
        }
    }
}

// Upstairs ---------------------------------------------------------------------------------------

void BuildUpstairsBed(Model& model) {
    // A low bed against the west wall, its head to the south: from where the player wakes the
    // line of sight to key 1 on the crate beyond it passes just over its foot.
    const CellRange cells = SegmentCells(9, 11);
    const Footprint f =
        FootprintOf(cells.firstRow + 1, cells.lastRow, cells.firstColumn, cells.lastColumn);
    const double y = kUpperFloor;
    const Surface& oak = OakSurface();
    Legs(model, oak, f, 0.0, 0.07, y, y + 0.06);
    AddBox(model, oak, V(f.minX, y + 0.06, f.minZ), V(f.maxX, y + 0.2, f.maxZ), WorldUv(0.5));
    AddBox(model, Linen(), V(f.minX + 0.03, y + 0.2, f.minZ + 0.07),
           V(f.maxX - 0.03, y + 0.3, f.maxZ - 0.07), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, Quilt(), V(f.minX + 0.015, y + 0.14, f.minZ + 0.065),
           V(f.maxX - 0.015, y + 0.33, f.maxZ - 0.62), WorldUv(0.6), kAllFaces & ~kFaceMinusY);
    AddRoundedSolid(model, Linen(), V(f.minX + 0.12, y + 0.28, f.maxZ - 0.42),
                    V(f.maxX - 0.12, y + 0.4, f.maxZ - 0.1), 3.0, 12, 8, false);
    AddBox(model, oak, V(f.minX, y, f.maxZ - 0.06), V(f.maxX, y + 0.95, f.maxZ), WorldUv(0.5));
    AddBox(model, oak, V(f.minX, y, f.minZ), V(f.maxX, y + 0.36, f.minZ + 0.06), WorldUv(0.5));
}

void BuildCrate(Model& model) {
    // A dark crate in the north-west corner; key 1 (its own model) lies on a red cloth on its lid,
    // in the part of the lid inside its pick box.
    const CellRange cells = SegmentCells(12, 13);
    const Footprint f =
        FootprintOf(cells.firstRow + 1, cells.lastRow, cells.firstColumn + 1, cells.lastColumn);
    AddBox(model, CrateWood(), V(f.minX, kUpperFloor, f.minZ), V(f.maxX, kCrateTop, f.maxZ),
           FitUv(), kAllFaces & ~kFaceMinusY);
}

void BuildUpstairsTable(Model& model) {
    const CellRange cells = SegmentCells(14, 17);
    const Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow, cells.firstColumn, cells.lastColumn);
    // The note stands on the table top, at the bottom of its pick box; the dark top sets it off.
    const double y = kUpperFloor, top = PlaceMin(kNoteBox).y;
    const Surface& pine = PineSurface();
    AddBox(model, DarkWoodSurface(), V(f.minX, top - 0.04, f.minZ), V(f.maxX, top, f.maxZ),
           WorldUv(0.5));
    AddBox(model, pine, V(f.minX + 0.05, top - 0.11, f.minZ + 0.05),
           V(f.maxX - 0.05, top - 0.04, f.maxZ - 0.05), WorldUv(0.5), kAllFaces & ~kFacePlusY);
    Legs(model, pine, f, 0.02, 0.06, y, top - 0.04);
    // A clock on the north wall, above the table.
    AddCylinder(model, ClockFace(), V(2.5, 4.5, -4.83), V(0, 0, 0.025), 0.17, 24, false, true);
    // Note 1 (its own model) stands on the table top.
    // A candle and a book beside it.
    AddCylinder(model, MakePlainSurface("brass_dish", Color{190, 160, 90}), V(2.78, top, -1.92),
                V(0, 0.012, 0), 0.05, 12, false, true);
    AddCylinder(model, MakePlainSurface("wax", Color{240, 232, 210}), V(2.78, top + 0.012, -1.92),
                V(0, 0.12, 0), 0.022, 10, false, true);
    AddBox(model, MakePlainSurface("book_red", Color{140, 40, 36}), V(2.3, top, -2.25),
           V(2.58, top + 0.045, -1.9), WorldUv(1.0), kAllFaces & ~kFaceMinusY);
    AddBox(model, MakePlainSurface("pages", Color{236, 228, 206}), V(2.31, top + 0.006, -2.245),
           V(2.581, top + 0.039, -1.905), WorldUv(1.0), kFacePlusX | kFacePlusZ);
}

void BuildCabinetAndPicture(Model& model) {
    // The locked cabinet against the east wall (pick box 2), its top at 3.72 where the hammer
    // lies; above it the picture (pick box 3).
    const CellRange cells = SegmentCells(18, 20);
    const Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow - 1, cells.firstColumn, cells.lastColumn);
    const Vec3 box0 = PlaceMin(kCabinetBox), box1 = PlaceMax(kCabinetBox);
    const double front = box0.x + 0.005, back = 4.9, y = kUpperFloor, top = box1.y;
    const double minZ = std::max(f.minZ, box0.z), maxZ = std::min(f.maxZ, box1.z - 0.01);
    AddBox(model, DarkWoodSurface(), V(front + 0.02, y, minZ + 0.02),
           V(back, y + 0.06, maxZ - 0.02), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddFrontedBox(model, OakSurface(), CabinetFront(), kFaceMinusX, V(front, y + 0.06, minZ),
                  V(back, top, maxZ), 0.5, kAllFaces & ~kFaceMinusY & ~kFacePlusX);
    // The picture hangs on the wall (X 4.9), its front at the front of its pick box.
    const Vec3 picture0 = PlaceMin(kPictureBox), picture1 = PlaceMax(kPictureBox);
    const Vec3 frameMin = V(picture0.x, picture0.y, picture0.z);
    const Vec3 frameMax = V(back, picture1.y, picture1.z);
    AddBoxFace(model, Landscape(), frameMin, frameMax, kFaceMinusX, FitUv());
    AddBox(model, MakePlainSurface("gilt", Color{190, 150, 70}), frameMin, frameMax, WorldUv(1.0),
           kFacePlusY | kFaceMinusY | kFacePlusZ | kFaceMinusZ);
}

// The ground floor
// ---------------------------------------------------------------------------------

void BuildBoiler(Model& model) {
    // A big horizontal gas boiler (pick box 14): the drum on two saddles, the burner at its east
    // end, pipes up into the ceiling and warning signs on both sides.
    // The drum fills the walled-off cells across and reaches the top and west end of the pick
    // box; the burner ends at the box's east side.
    const Surface& paint = BoilerPaint();
    const Surface& steel = SteelSurface();
    const CellRange cells = SegmentCells(52, 55);
    const Vec3 box0 = PlaceMin(kBoilerBox), box1 = PlaceMax(kBoilerBox);
    const double radius = 0.68, axisY = box1.y - radius;
    const double axisZ = (cells.MinZ() + cells.MaxZ()) / 2;
    const double burnerEast = box1.x - 0.05, burnerWest = burnerEast - 0.27;
    AddCylinder(model, paint, V(box0.x, axisY, axisZ), V(burnerWest - box0.x, 0, 0), radius, 24,
                true, true);
    AddFrontedBox(model, MakePlainSurface("burner_case", Color{120, 40, 30}), BurnerPanel(),
                  kFacePlusX, V(burnerWest, 0.08, axisZ - 0.65), V(burnerEast, 1.25, axisZ + 0.65),
                  0.5, kAllFaces & ~kFaceMinusY);
    for (double x : {1.45, 3.05}) {
        AddBox(model, MakePlainSurface("saddle", Color{50, 50, 54}), V(x, 0.0, -3.62),
               V(x + 0.15, 0.42, -2.78), WorldUv(1.0), kAllFaces & ~kFaceMinusY);
    }
    AddCylinder(model, steel, V(1.7, axisY + radius - 0.05, axisZ), V(0, 2.9 - 1.45, 0), 0.05, 10,
                false, false);
    AddCylinder(model, steel, V(2.9, axisY + radius - 0.05, -3.0), V(0, 2.9 - 1.45, 0), 0.04, 10,
                false, false);
    AddCylinder(model, MakePlainSurface("valve", Color{200, 40, 30}), V(2.9, 1.8, -3.0),
                V(0, 0.03, 0), 0.1, 12, true, true);
    // Warning plates on the drum's south and north sides.
    AddRect(model, DangerSign(), V(1.95, 0.62, axisZ + radius + 0.012), V(0.9, 0, 0), V(0, 0.42, 0),
            FitUv());
    AddRect(model, DangerSign(), V(2.85, 0.62, axisZ - radius - 0.012), V(-0.9, 0, 0),
            V(0, 0.42, 0), FitUv());
}

void BuildCalendar(Model& model) {
    // The calendar hangs flat on the boiler room's west wall at the height of the eye (pick box
    // 16), where it is seen whole from the doorway and from anywhere south of the boiler: a stiff
    // card backing with the month's sheet on it. Both stay within the wall's cells (the room's
    // free cells begin at X 0.2), so nothing stands out into the way along the wall.
    const Vec3 box0 = PlaceMin(kCalendarBox), box1 = PlaceMax(kCalendarBox);
    const double front = box1.x - 0.006;
    AddBox(model, MakePlainSurface("calendar_card", Color{120, 36, 32}), V(box0.x, box0.y, box0.z),
           V(front - 0.002, box1.y, box1.z), WorldUv(0.5), kAllFaces & ~kFaceMinusX);
    AddBoxFace(model, Calendar(), V(front - 0.002, box0.y + 0.012, box0.z + 0.012),
               V(front, box1.y - 0.012, box1.z - 0.012), kFacePlusX, FitUv());
}

void BuildSideboardAndRadio(Model& model) {
    const CellRange cells = SegmentCells(68, 70);
    const Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow, cells.firstColumn, cells.lastColumn - 1);
    // The radio stands on the sideboard's top at the bottom of its pick box.
    const Vec3 radio0 = PlaceMin(kRadioBox), radio1 = PlaceMax(kRadioBox);
    const double top = radio0.y;
    const Surface& oak = OakSurface();
    Legs(model, DarkWoodSurface(), f, 0.03, 0.05, 0.0, 0.08);
    AddFrontedBox(model, oak, SideboardFront(), kFaceMinusZ, V(f.minX, 0.08, f.minZ),
                  V(f.maxX, top - 0.025, f.maxZ), 0.5, kAllFaces & ~kFacePlusZ);
    AddBox(model, oak, V(f.minX, top - 0.025, f.minZ), V(f.maxX, top, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFacePlusZ);
    // The radio (pick box 6), facing the room.
    const Surface& walnut = DarkWoodSurface();
    // A cabinet radio: a box with a rounded top, the front facing the room, two knobs.
    const double front = radio0.z + 0.02, back = radio1.z - 0.02;
    const double left = radio0.x + 0.02, right = radio1.x - 0.02;
    const double arch = (right - left) / 2 - 0.01, archY = radio1.y - 0.01 - arch;
    AddFrontedBox(model, walnut, RadioFront(), kFaceMinusZ, V(left, top, front),
                  V(right, archY + 0.08, back), 0.5, kAllFaces & ~kFaceMinusY);
    AddCylinder(model, walnut, V((left + right) / 2, archY, front + 0.005),
                V(0, 0, back - front - 0.01), arch, 16, true, true);
    for (double x : {right - 0.09, right - 0.04}) {
        AddCylinder(model, MakePlainSurface("knob", Color{40, 30, 20}), V(x, top + 0.04, front),
                    V(0, 0, -0.015), 0.014, 8, false, true);
    }
    // A vase of flowers at the other end.
    AddTube(model, MakePlainSurface("vase", Color{60, 90, 140}), V(2.55, top, -5.6), V(0, 0.2, 0),
            0.05, 0.035, 10, false, false);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 1.3;
        const Vec3 head =
            V(2.55 + std::cos(a) * 0.06, top + 0.3 + 0.03 * (i % 2), -5.6 + std::sin(a) * 0.06);
        AddRoundedSolid(model,
                        MakePlainSurface(i % 2 ? "petal_red" : "petal_yellow",
                                         i % 2 ? Color{210, 60, 60} : Color{240, 200, 70}),
                        head - V(0.03, 0.025, 0.03), head + V(0.03, 0.025, 0.03), 2.0, 8, 5, false);
    }
    AddBoxFace(model, Flowers(), V(2.6, 1.1, -5.19), V(3.6, 1.6, -5.17), kFaceMinusZ, FitUv());
}

void BuildWardrobe(Model& model) {
    // Built into the living room's west wall, its doors at the front of its pick box (key 2 is
    // inside); the recess it stands in is cut in the shell to the same size.
    const Vec3 box0 = PlaceMin(kWardrobeBox), box1 = PlaceMax(kWardrobeBox);
    // A closed body: its sides and back close the recess, which goes right through the wall.
    // Its doors stand a little back in the box, so that key 2 (its own model), in the lock, stays
    // inside it.
    AddFrontedBox(model, OakSurface(), WardrobeFront(), kFacePlusX, V(1.23, box0.y, box0.z + 0.002),
                  V(kWardrobeDoorX, box1.y, box1.z - 0.002), 0.5, kAllFaces & ~kFaceMinusY);
    const Surface& trim = TrimSurface();
    AddBox(model, trim, V(1.37, 0.0, box0.z - 0.1), V(1.4, box1.y + 0.1, box0.z), WorldUv(0.5));
    AddBox(model, trim, V(1.37, 0.0, box1.z), V(1.4, box1.y + 0.1, box1.z + 0.1), WorldUv(0.5));
    AddBox(model, trim, V(1.37, box1.y, box0.z), V(1.4, box1.y + 0.1, box1.z), WorldUv(0.5));
}

void BuildLivingRoomBed(Model& model) {
    const CellRange cells = SegmentCells(74, 75);  // along the north wall
    Footprint f =
        FootprintOf(cells.firstRow, cells.lastRow, cells.firstColumn + 1, cells.lastColumn);
    f.maxX = 4.13;  // the nightstand stands at its head
    const Surface& oak = OakSurface();
    Legs(model, oak, f, 0.0, 0.07, 0.0, 0.12);
    AddBox(model, oak, V(f.minX, 0.12, f.minZ), V(f.maxX, 0.3, f.maxZ), WorldUv(0.5));
    AddBox(model, Linen(), V(f.minX + 0.07, 0.3, f.minZ + 0.03),
           V(f.maxX - 0.07, 0.46, f.maxZ - 0.03), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, RedBlanket(), V(f.minX + 0.065, 0.22, f.minZ + 0.015),
           V(3.45, 0.49, f.maxZ - 0.015), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddRoundedSolid(model, Linen(), V(3.62, 0.44, f.minZ + 0.12), V(4.0, 0.58, f.maxZ - 0.1), 3.0,
                    12, 8, false);
    AddBox(model, oak, V(f.maxX - 0.06, 0.0, f.minZ), V(f.maxX, 1.0, f.maxZ), WorldUv(0.5));
    AddBox(model, oak, V(f.minX, 0.0, f.minZ), V(f.minX + 0.06, 0.62, f.maxZ), WorldUv(0.5));
}

void BuildNightstand(Model& model) {
    // At the bed's head, filling its pick box across and to the front; it reaches back to the wall
    // behind the box. Low, so that note 3 (its own model) stands up on it inside the box.
    const Vec3 box0 = PlaceMin(kNightstandBox), box1 = PlaceMax(kNightstandBox);
    const double minX = box0.x, maxX = box1.x, minZ = -9.57, maxZ = box1.z;
    const double top = kNightstandTop;
    const Surface& oak = OakSurface();
    Legs(model, DarkWoodSurface(), Footprint{minX, maxX, minZ, maxZ}, 0.02, 0.05, 0.0, 0.06);
    AddFrontedBox(model, oak, NightstandFront(), kFacePlusZ, V(minX, 0.06, minZ),
                  V(maxX, top - 0.02, maxZ), 0.5, kAllFaces & ~kFaceMinusZ & ~kFaceMinusY);
    AddBox(model, DarkWoodSurface(), V(minX, top - 0.02, minZ), V(maxX, top, maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusZ);
}

void BuildHallBench(Model& model) {
    // A low bench by the wall between boiler room and hall: nothing on it stands up into the
    // view across the hall to the front door.
    const CellRange cells = SegmentCells(65, 67);
    const Footprint f =
        FootprintOf(cells.firstRow + 1, cells.lastRow, cells.firstColumn, cells.lastColumn);
    const Surface& walnut = DarkWoodSurface();
    Legs(model, walnut, f, 0.0, 0.05, 0.0, 0.08);
    AddBox(model, OakSurface(), V(f.minX, 0.08, f.minZ), V(f.maxX, 0.36, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    AddBox(model, Velvet(), V(f.minX + 0.01, 0.36, f.minZ + 0.01),
           V(f.maxX - 0.01, 0.44, f.maxZ - 0.01), WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBoxFace(model, Mountains(), V(5.17, 1.3, -4.4), V(5.19, 1.9, -3.4), kFacePlusX, FitUv());
}

void BuildSofa(Model& model) {
    const CellRange sofaCells = SegmentCells(56, 57);
    const CellRange endCells = SegmentCells(61, 62);
    const Footprint f = FootprintOf(sofaCells.firstRow, endCells.lastRow, sofaCells.firstColumn + 1,
                                    sofaCells.lastColumn);
    const Surface& velvet = Velvet();
    Legs(model, DarkWoodSurface(), f, 0.03, 0.05, 0.0, 0.06);
    AddBox(model, velvet, V(f.minX, 0.06, f.minZ), V(f.maxX, 0.3, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    const double arm = 0.15, back = 0.17;
    const double middle = (f.minX + f.maxX) / 2;
    AddBox(model, velvet, V(f.minX + arm, 0.3, f.minZ + back), V(middle - 0.005, 0.42, f.maxZ),
           WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(middle + 0.005, 0.3, f.minZ + back), V(f.maxX - arm, 0.42, f.maxZ),
           WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(f.minX, 0.3, f.minZ), V(f.maxX, 0.86, f.minZ + back), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(f.minX, 0.3, f.minZ), V(f.minX + arm, 0.6, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    AddBox(model, velvet, V(f.maxX - arm, 0.3, f.minZ), V(f.maxX, 0.6, f.maxZ), WorldUv(0.5),
           kAllFaces & ~kFaceMinusY);
    // The footstool in front of it.
    const CellRange stool = SegmentCells(58, 60);
    const Footprint s =
        FootprintOf(stool.firstRow, stool.lastRow, stool.firstColumn, stool.lastColumn);
    const Footprint stoolFootprint{s.minX, s.maxX, f.maxZ + 0.005, s.maxZ};
    Legs(model, DarkWoodSurface(), stoolFootprint, 0.03, 0.05, 0.0, 0.06);
    AddBox(model, velvet, V(s.minX, 0.06, stoolFootprint.minZ), V(s.maxX, 0.38, s.maxZ),
           WorldUv(0.5), kAllFaces & ~kFaceMinusY);
    // A painting above the sofa.
    AddBoxFace(model, Seascape(), V(8.55, 1.25, -4.83), V(9.65, 1.85, -4.81), kFacePlusZ, FitUv());
}

void BuildKitchenCounter(Model& model) {
    // In the recess behind the kitchen's north wall line: cupboards, worktop, sink and hob, wall
    // cupboards above.
    const double minX = 8.17, maxX = 10.23, back = -9.62, front = -9.03;
    const double worktop = 0.955;
    AddBox(model, MakePlainSurface("plinth", Color{60, 60, 60}), V(minX, 0.0, back),
           V(maxX, 0.08, front - 0.04), WorldUv(1.0), kFacePlusZ);
    AddFrontedBox(model, KitchenDoors(), KitchenDoors(), kFacePlusZ, V(minX, 0.08, back),
                  V(maxX, 0.9, front), 0.5, kFacePlusZ, 4.0);
    AddBox(model, Worktop(), V(minX, 0.9, -9.65), V(maxX, worktop, front + 0.02), WorldUv(0.5),
           kFacePlusY | kFacePlusZ | kFaceMinusY);
    AddBoxFace(model, Sink(), V(8.55, worktop, -9.5), V(9.05, worktop + 0.003, -9.12), kFacePlusY,
               FitUv());
    AddBox(model, SteelSurface(), V(8.78, worktop, -9.6), V(8.82, 1.18, -9.56), WorldUv(0.5));
    AddBox(model, SteelSurface(), V(8.78, 1.14, -9.56), V(8.82, 1.18, -9.4), WorldUv(0.5));
    AddBoxFace(model, Hob(), V(9.3, worktop, -9.52), V(9.8, worktop + 0.005, -9.1), kFacePlusY,
               FitUv());
    for (int i = 0; i < 3; ++i) {
        AddCylinder(model,
                    MakePlainSurface(i == 1 ? "jar_blue" : "jar_white",
                                     i == 1 ? Color{90, 120, 170} : Color{230, 226, 214}),
                    V(8.34 + i * 0.09, worktop, -9.55), V(0, 0.14 + 0.02 * i, 0), 0.035, 10, false,
                    true);
    }
    AddFrontedBox(model, KitchenDoors(), KitchenDoors(), kFacePlusZ, V(minX, 1.65, back),
                  V(maxX, 2.35, front), 0.5, kFacePlusZ | kFaceMinusY, 4.0);
    // A clock on the kitchen's east wall, high up.
    AddCylinder(model, ClockFace(), V(10.23, 2.25, -8.3), V(-0.03, 0, 0), 0.16, 24, false, true);
}

void BuildBreadPlate(Model& model) {
    // An oval plate on the floor of the bread's niche; the loaf (its own model) lies on it.
    const Block niche = BreadNicheBlock();
    const Vec3 box0 = PlaceMin(kBreadBox), box1 = PlaceMax(kBreadBox);
    const double plateTop = box0.y - 0.002, thickness = plateTop - niche.min.y;
    AddRoundedSolid(model, PlateGlaze(),
                    V(niche.min.x + 0.008, niche.min.y - thickness, box0.z - 0.08),
                    V(niche.max.x - 0.006, plateTop, box1.z + 0.08), 4.0, 24, 4, true);
    // An oak frame round the niche's mouth, a little proud of the tiles, with a sill under it:
    // a bare lit hole in the tiles read as a glitch, a framed one as a bread hatch.
    const double face = niche.min.x, proud = 0.025, width = 0.045;
    const unsigned front = kAllFaces & ~kFacePlusX;
    AddBox(model, OakSurface(), V(face - proud, niche.max.y, niche.min.z - width),
           V(face, niche.max.y + width, niche.max.z + width), WorldUv(0.5), front);
    for (const double z : {niche.min.z - width, niche.max.z}) {
        AddBox(model, OakSurface(), V(face - proud, niche.min.y, z),
               V(face, niche.max.y, z + width), WorldUv(0.5), front);
    }
    AddBox(model, OakSurface(), V(face - proud, niche.min.y - width, niche.min.z - width),
           V(face, niche.min.y, niche.max.z + width), WorldUv(0.5), front);
}

void BuildSafe(Model& model) {
    // A green wall safe set into the hidden room's east wall, in the light of the room's lamp:
    // a brass-edged frame flush with the wall, the door with its dial, handle and name plate a
    // little proud of it.
    const Block frame = SafeFrameBlock(), door = SafeDoorBlock();
    const double lit = 0.95;
    AddBoxFace(model, SafeFrame(), frame.min, frame.max, kFaceMinusX, FitUv(), lit);
    AddBoxFace(model, SafeDoor(), door.min, door.max, kFaceMinusX, FitUv(), lit);
    AddBox(model, SafeEnamel(), door.min, door.max, WorldUv(0.5),
           kFacePlusY | kFaceMinusY | kFacePlusZ | kFaceMinusZ);
}

void BuildPortrait(Model& model) {
    const Block photo = KeepsakeBlock();
    AddBoxFace(model, Portrait(), photo.min, photo.max, kFaceMinusX, FitUv());
    AddBox(model, MakePlainSurface("frame_black", Color{24, 22, 20}), photo.min, photo.max,
           WorldUv(1.0), kFacePlusY | kFaceMinusY | kFacePlusZ | kFaceMinusZ);
}

}  // namespace

void BuildFurniture(Model& model) {
    BuildUpstairsBed(model);
    BuildCrate(model);
    BuildUpstairsTable(model);
    BuildCabinetAndPicture(model);
    BuildBoiler(model);
    BuildCalendar(model);
    BuildSideboardAndRadio(model);
    BuildWardrobe(model);
    BuildLivingRoomBed(model);
    BuildNightstand(model);
    BuildHallBench(model);
    BuildSofa(model);
    BuildKitchenCounter(model);
    BuildBreadPlate(model);
    BuildSafe(model);
    BuildPortrait(model);
}

}  // namespace house
