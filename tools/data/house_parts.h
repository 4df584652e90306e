// The parts the four models are made of, shared by the house_*.cpp files: heights of the floors,
// the textures (surfaces) of the house, and the builders of each part.
#pragma once

#include "gameplay/pick_boxes.h"
#include "model_mesh.h"
#include "model_shapes.h"

namespace house {

// Heights: the ground floor at 0 with its ceiling at 2.9, the upper floor at 3.0 (the eye stands
// one unit above each) with its ceiling at 5.8.
inline constexpr double kGroundFloor = 0.0;
inline constexpr double kGroundCeiling = 2.9;
inline constexpr double kUpperFloor = 3.0;
inline constexpr double kUpperCeiling = 5.8;
inline constexpr double kRoofTop = 6.0;
// Walls, furniture and stairs keep their faces this far inside the cells that stop the player, so
// that a player in a free cell is never closer than a tenth of a unit to one of them, and each
// stopping cell still shows what stops the player.
inline constexpr double kInset = 0.03;

// The clickable places by their pick box, as the game numbers them.
enum PlaceBox : int {
    kNoteBox = 0,
    kKeyBox = 1,
    kCabinetBox = 2,
    kPictureBox = 3,
    kUpperWindowBox = 4,
    kHammerBox = 5,
    kRadioBox = 6,
    kWardrobeBox = 7,
    kBreadBox = 8,
    kNightstandBox = 9,
    kSafeBox = 10,
    kKeepsakeBox = 11,
    kFrontDoorBox = 12,
    kGroundWindowBox = 13,
    kBoilerBox = 14,
    kKeypadBox = 15,
    kCalendarBox = 16,
};
// Corners of a pick box from the game's own table: each clickable thing is built inside its box.
inline Vec3 PlaceMin(PlaceBox box) {
    return {g_pickBoxes[box].min[0], g_pickBoxes[box].min[1], g_pickBoxes[box].min[2]};
}
inline Vec3 PlaceMax(PlaceBox box) {
    return {g_pickBoxes[box].max[0], g_pickBoxes[box].max[1], g_pickBoxes[box].max[2]};
}

// A box in space, for things placed in several builders.
struct Block {
    Vec3 min, max;
};
// The safe's door, set into the back wall of the hidden room's alcove (at Z -1.83) as far as its
// pick box lets it: its front at the box's front, from a little inside the alcove's west wall
// (X 11.37) to the box's east side.
inline Block SafeDoorBlock() {
    const Vec3 box0 = PlaceMin(kSafeBox), box1 = PlaceMax(kSafeBox);
    return Block{{11.45, box0.y + 0.01, box1.z - 0.01},
                 {box1.x - 0.01, box1.y - 0.01, box1.z + 0.005}};
}
// The photograph at the back of a recess in the hidden room's east wall: the wall's room face is
// at X 12.83, the photograph at the front of its pick box, beyond the wall's outer face; across,
// from the room's north wall (Z -1.2) to the box's south side.
inline Block KeepsakeBlock() {
    const Vec3 box0 = PlaceMin(kKeepsakeBox), box1 = PlaceMax(kKeepsakeBox);
    return Block{{box0.x + 0.005, box0.y + 0.04, -1.2}, {13.0, box1.y - 0.04, box1.z - 0.01}};
}

// The rooms, for their wall and floor finishes.
enum class Room { kOutside, kBoilerRoom, kLivingRoom, kKitchen, kHiddenRoom, kBedroom, kStairwell };

// Where the floor textures lie on the floor plan (world X and Z of their edges).
struct AtlasArea {
    double minX, minZ, sizeX, sizeZ;
};
inline constexpr AtlasArea kGroundAtlas{0.0, -10.0, 13.2, 10.2};
inline constexpr AtlasArea kUpperAtlas{0.0, -5.0, 10.0, 5.0};

// The room a point of the house belongs to (outside the house: kOutside).
Room RoomAt(double x, double y, double z);

// A window: the opening cut through the wall (a box spanning the wall's thickness), the axis the
// wall faces along (0 for X, 2 for Z), where the glass stands on that axis, and on which side of
// the wall the room lies (+1 or -1 along the axis).
struct WindowOpening {
    Vec3 min, max;
    int axis;
    double glass;
    int roomSide;
};
// The house's windows: the ground-floor window of the boiler room and the upstairs window (both
// clickable), then the kitchen, living-room and hall windows.
const WindowOpening* Windows(int* count);

// The front door's opening in the north wall (as wide and high as its pick box), with the door
// leaves standing in it: their front just behind the cells of the recess in front of the door,
// inside the box.
inline constexpr double kDoorMinX = g_pickBoxes[kFrontDoorBox].min[0];
inline constexpr double kDoorMaxX = g_pickBoxes[kFrontDoorBox].max[0];
inline constexpr double kDoorTop = g_pickBoxes[kFrontDoorBox].max[1];
inline constexpr double kDoorFrontZ = -9.605, kDoorBackZ = -9.655;
inline constexpr double kDoorFrame = 0.07;

// Textures ------------------------------------------------------------------------------------
// Walls of a room: the picture covers one storey from floor (v = 0) to ceiling (v = 1) and
// repeats every WallRepeat(room) units along the wall.
const Surface& WallSurface(Room room);
double WallRepeat(Room room);
const Surface& GroundFloorSurface();
const Surface& UpperFloorSurface();
const Surface& GroundCeilingSurface();
const Surface& UpperCeilingSurface();
const Surface& OutsideWallSurface();
const Surface& RoofSurface();
const Surface& TrimSurface();      // white painted wood: sills, door frames, lintel edges
const Surface& TileSurface();      // the kitchen's wall tiles
const Surface& SteelSurface();     // brushed steel
const Surface& DarkWoodSurface();  // stained wood of the hidden room
const Surface& OakSurface();       // furniture wood
const Surface& PineSurface();      // light wood: stairs, crate, table
const Surface& GrassSurface();

// Builders ------------------------------------------------------------------------------------
// Walls, floors, ceilings and roofs, with their openings.
void BuildShell(Model& model);
// Windows, doors, the stairs, lamps and the garden outside.
void BuildFixtures(Model& model);
// The furniture and every clickable place of the house.
void BuildFurniture(Model& model);
// The three movable models.
void BuildHammer(Model& model);
void BuildBread(Model& model);
void BuildBookcase(Model& model);

// Helpers shared by the builders.
inline Vec3 V(double x, double y, double z) {
    return Vec3{x, y, z};
}

}  // namespace house
