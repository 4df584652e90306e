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
// The head of the passage behind the bookcase, just above the heights the player's walk is kept
// clear in, and the bookcase's end board, which fills the gap of the wall at X 10.9 north of the
// closed bookcase (where the player walks once it has slid) up to that height.
inline constexpr double kPassageTop = 1.805;
inline constexpr double kEndBoardNorth = -1.4;

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

// Where the four small items the player keeps lie, shared by the furniture under them and the
// items' own models: the top of the crate under key 1, of the nightstand under note 3, and the
// front of the wardrobe's doors, with key 2 in their lock.
inline constexpr double kCrateTop = g_pickBoxes[kKeyBox].max[1] - 0.035;
inline constexpr double kNightstandTop = 0.58;
inline constexpr double kWardrobeDoorX = 1.39;

// A box in space, for things placed in several builders.
struct Block {
    Vec3 min, max;
};
// The safe is set into the hidden room's east wall (its room face at X 12.83) at chest height,
// facing a player who steps in past the bookcase: its frame covers the pick box across and up,
// its door stands a little proud of the wall, and neither reaches the free cells in front of the
// wall (from X 12.8 on the wall's cells begin).
inline constexpr double kEastWallFace = 12.83;
inline Block SafeFrameBlock() {
    const Vec3 box0 = PlaceMin(kSafeBox), box1 = PlaceMax(kSafeBox);
    return Block{{12.812, box0.y, box0.z}, {kEastWallFace, box1.y, box1.z}};
}
inline Block SafeDoorBlock() {
    const Block frame = SafeFrameBlock();
    return Block{{12.801, frame.min.y + 0.05, frame.min.z + 0.05},
                 {12.815, frame.max.y - 0.05, frame.max.z - 0.05}};
}
// The brightness of the hidden room's walls and ceiling, lit by its lamps: more than any wall of
// the hall in front of it, so that from the hall it reads as a lit room, not as a dark door.
inline constexpr double kHiddenRoomLight = 1.0;
// The brightness of the white frame of the doorway behind the bookcase, lit from both sides.
inline constexpr double kFrameLight = 0.95;
// The hidden room's lamp hangs over the middle of the room.
inline constexpr double kHiddenLampX = 11.9, kHiddenLampZ = -0.7;
// The slender white post that the end of the wall at X 10.9 becomes inside the doorway behind
// the bookcase, in the middle of that wall's last cell: narrow enough that the safe shows past it
// from the hall, as the frame of a wide doorway and not a pillar.
inline constexpr double kDoorPostX = 10.9, kDoorPostZ = -1.1, kDoorPostHalf = 0.02;
// The wall between the passage side of the hidden room and its alcove is only a parapet, so that
// the alcove does not close the room in as a dark slot beside the passage.
inline constexpr double kParapetTop = 0.6;

// The boiler room's doorway, through the double wall between it and the hall (the room's face
// at X 4.83, the hall's at 5.17), from the wall at Z -1.2 to the house's outer wall, up to its
// lintel.
inline constexpr double kBoilerDoorWestX = 4.83, kBoilerDoorEastX = 5.17;
inline constexpr double kBoilerDoorNorthZ = -1.03, kBoilerDoorSouthZ = -0.17;
inline constexpr double kBoilerDoorTop = 2.3;
// The boiler room's lamp hangs just inside the doorway, where it is seen through the door from
// the foot of the stairs across the hall.
inline constexpr double kBoilerLampX = 3.8, kBoilerLampZ = -0.55;

// The fresh bread lies on a plate in a niche under the kitchen's east window, lit from inside:
// straight ahead of a player coming in through the kitchen's doorway, and a little below the
// height of the eye, so that it stays in view up to the niche itself. The niche is cut into the
// wall (its room face at X 10.23) round the bread's pick box.
inline Block BreadNicheBlock() {
    const Vec3 box0 = PlaceMin(kBreadBox), box1 = PlaceMax(kBreadBox);
    return Block{{10.23, box0.y - 0.03, box0.z - 0.14}, {box1.x + 0.015, 1.08, box1.z + 0.14}};
}

// The photograph at the back of a small recess in the hidden room's east wall: the wall's room
// face is at X 12.83, the photograph at the front of its pick box, beyond the wall's outer face;
// across, from the room's north wall (Z -1.2). Small and dim: it is nothing the player needs,
// and it must not draw the eye away from the safe.
inline Block KeepsakeBlock() {
    const Vec3 box0 = PlaceMin(kKeepsakeBox);
    return Block{{box0.x + 0.005, 0.93, -1.2}, {13.0, 1.17, -1.04}};
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

// How a window is closed: plain glass (the two that can be broken), glass behind iron bars, or
// glass behind planks nailed across the opening. Only plain glass looks as if a hammer could
// get the player out through it.
enum class WindowKind { kGlass, kBarred, kBoarded };

// A window: the opening cut through the wall (a box spanning the wall's thickness), the axis the
// wall faces along (0 for X, 2 for Z), where the glass stands on that axis, on which side of the
// wall the room lies (+1 or -1 along the axis), and what closes it.
struct WindowOpening {
    Vec3 min, max;
    int axis;
    double glass;
    int roomSide;
    WindowKind kind;
};
// The house's windows: the ground-floor window of the boiler room and the upstairs window (both
// clickable, plain glass), then the kitchen, living-room and hall windows (barred or boarded).
const WindowOpening* Windows(int* count);

// The front door's opening in the north wall (as wide and high as its pick box), with the door
// leaves standing in it: their front just behind the cells of the recess in front of the door,
// inside the box (with the pick's tolerance), and their fittings flat on them, so that a click
// on a knob opens the door as a click on the wood does.
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
const Surface& NicheLight();       // the warm, lit lining of the bread's niche
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
// The movable models: the hammer, the bread and the bookcase, and the four items that vanish
// once taken (note 1, key 1, key 2, note 3).
void BuildHammer(Model& model);
void BuildBread(Model& model);
void BuildBookcase(Model& model);
void BuildNoteOnTable(Model& model);
void BuildKeyOnCrate(Model& model);
void BuildKeyInWardrobe(Model& model);
void BuildNoteOnNightstand(Model& model);

// Helpers shared by the builders.
inline Vec3 V(double x, double y, double z) {
    return Vec3{x, y, z};
}

}  // namespace house
