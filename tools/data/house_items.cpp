// The movable models. The hammer lies on the locked cabinet upstairs (pick box 5), the loaf on
// the kitchen worktop (pick box 8); note 1 stands on the table upstairs (box 0), key 1 lies on
// the crate (box 1), key 2 is in the wardrobe's lock (box 7), note 3 stands on the nightstand
// (box 9): all of them vanish when taken, and each stands out from what it lies on. The bookcase
// stands in its closed place in front of the passage to the hidden room, shelves open to the hall
// and the keypad on a shelf (pick box 15); the game slides it 1.5 towards -Z when the code is keyed
// in.
#include <algorithm>  // Required for: std::min()
#include <cmath>      // Required for: std::fmod()

#include "house_decor.h"
#include "house_parts.h"
#include "model_paint.h"

namespace house {

namespace {

using modelpaint::DrawDotText;
using modelpaint::FillBox;
using modelpaint::Scale;
using modelpaint::StrokeLine;

// The hammer: a handle of pale ash, and a forged head of dark steel, three times as long as the
// handle is wide, with a bright striking face: a hammer at a glance, not a torch.
const Surface& HandleWood() {
    static const Surface s = MakeSurface("handle", 64, 64, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return modelpaint::WoodGrain(y / 64, x / 64 * 2, Color{236, 204, 146},
                                         Color{190, 146, 90}, 501U, 1, 2);
        });
    });
    return s;
}

const Surface& HammerHead() {
    static const Surface s = MakePlainSurface("hammer_head", Color{104, 110, 122});
    return s;
}

const Surface& HammerFace() {
    static const Surface s = MakePlainSurface("hammer_face", Color{214, 220, 228});
    return s;
}

const Surface& Crust() {
    static const Surface s = MakeSurface("crust", 128, 64, [](Canvas& c) {
        // Golden crust, paler where the top is scored across: fresh from the oven, bright
        // against the niche it lies in.
        modelpaint::FillPattern(c, [](double x, double y) {
            const double bake = modelpaint::Fbm(x / 16, y / 16, 4, 8, 4, 511U);
            return Scale(modelpaint::Mix(Color{232, 164, 70}, Color{186, 112, 44}, bake), 1.0);
        });
        for (int i = 0; i < 4; ++i) {
            const double y = 10 + i * 13;
            StrokeLine(c, 20, y, 44, y + 9, 3.5, Color{232, 196, 130});
        }
    });
    return s;
}

const Surface& ShelfWood() {
    static const Surface s = MakeSurface("shelf", 128, 128, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return modelpaint::WoodGrain(x / 128 * 2, y / 128 * 2, Color{150, 100, 60},
                                         Color{96, 60, 32}, 521U, 2, 2);
        });
    });
    return s;
}

Surface BookSpine(int index) {
    static const Color colors[6] = {{140, 40, 36}, {40, 90, 60},   {36, 60, 110},
                                    {110, 76, 44}, {170, 130, 50}, {90, 40, 80}};
    const Color color = colors[index % 6];
    const std::string name = "spine" + std::to_string(index % 6);
    return MakeSurface(name, 16, 64, [color, index](Canvas& c) {
        modelpaint::FillPattern(c, [color](double x, double y) {
            return Scale(color, 0.9 + 0.12 * modelpaint::Noise(x / 4, y / 8, 4, 8, 531U));
        });
        // Gold bands and a title block.
        const Color gold{214, 180, 90};
        FillBox(c, 0, 6, 16, 8, gold);
        FillBox(c, 0, 56, 16, 58, gold);
        FillBox(c, 4, 18 + (index % 3) * 4, 12, 34 + (index % 3) * 4, Scale(color, 0.6));
        FillBox(c, 5, 20 + (index % 3) * 4, 11, 32 + (index % 3) * 4, gold, 0.5);
        modelpaint::DarkenEdges(c, 1.5, 0.7);
    });
}

const Surface& KeypadFace() {
    static const Surface s = MakeSurface("keypad", 64, 64, [](Canvas& c) {
        c.FillRect(0, 0, 64, 64, Color{40, 42, 46});
        FillBox(c, 2, 2, 62, 62, Color{70, 74, 80});
        FillBox(c, 8, 5, 56, 15, Color{30, 80, 50});
        FillBox(c, 10, 7, 24, 13, Color{120, 230, 140});
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                const double x = 9 + column * 16, y = 19 + row * 14;
                FillBox(c, x, y, x + 13, y + 11, Color{210, 212, 216});
                FillBox(c, x, y + 10, x + 13, y + 11, Color{120, 120, 124});
                const char digit[2] = {static_cast<char>('1' + row * 3 + column), '\0'};
                DrawDotText(c, x + 4.5, y + 2.5, 1.0, digit, Color{20, 20, 24});
            }
        }
    });
    return s;
}

const Surface& RedCloth() {
    static const Surface s = MakeSurface("red_cloth", 32, 32, [](Canvas& c) {
        modelpaint::FillPattern(c, [](double x, double y) {
            return modelpaint::Fabric(x / 32, y / 32, Color{186, 28, 32}, 0.04, 551U);
        });
    });
    return s;
}

const Surface& KeyBrass() {
    static const Surface s = MakePlainSurface("key_brass", Color{236, 194, 74});
    return s;
}

// A note folded once and stood up like a tent on what it lies on: the written side faces
// `facing` (level, unit length), its foot `centre` on the surface.
void AddStandingNote(Model& model, const Surface& written, Vec3 centre, Vec3 facing, double width,
                     double height, double foot) {
    const Vec3 across = Cross(facing * -1.0, V(0, 1, 0)) * width;
    const Vec3 ridge = centre + V(0, height, 0) - across * 0.5;
    const Vec3 frontFoot = centre + facing * (foot / 2) - across * 0.5;
    const Vec3 backFoot = centre - facing * (foot / 2) + across * 0.5;
    AddRect(model, written, frontFoot, across, ridge - frontFoot, FitUv());
    AddRect(model, MakePlainSurface("paper", Color{240, 236, 222}), backFoot, across * -1.0,
            ridge + across - backFoot, FitUv());
}

// An old key lying flat, its bow at the start of `along` (level, unit length).
void AddLyingKey(Model& model, Vec3 centre, Vec3 along, double length) {
    const Vec3 side = V(-along.z, 0, along.x);
    const double thick = 0.016, shaft = 0.011;
    const Vec3 bow = centre - along * (length * 0.36);
    AddCylinder(model, KeyBrass(), bow, V(0, thick, 0), length * 0.16, 16, false, true);
    AddCylinder(model, MakePlainSurface("key_eye", Color{70, 18, 20}), bow + V(0, thick, 0),
                V(0, 0.001, 0), length * 0.07, 12, false, true);
    const Vec3 shaftMiddle = centre + along * (length * 0.12) + V(0, thick / 2, 0);
    AddTiltedBox(model, KeyBrass(), shaftMiddle, along * (length * 0.38), V(0, thick / 2, 0),
                 side * shaft, WorldUv(1.0));
    const Vec3 bit = centre + along * (length * 0.4) + side * (length * 0.07) + V(0, thick / 2, 0);
    AddTiltedBox(model, KeyBrass(), bit, along * (length * 0.08), V(0, thick / 2, 0),
                 side * (length * 0.07), WorldUv(1.0));
}

}  // namespace

void BuildNoteOnTable(Model& model) {
    // Standing on the table in its pick box, turned to the bed where the player wakes.
    const Vec3 box0 = PlaceMin(kNoteBox), box1 = PlaceMax(kNoteBox);
    const Vec3 centre = V((box0.x + box1.x) / 2, box0.y + 0.001, (box0.z + box1.z) / 2);
    AddStandingNote(model, NoteUpstairs(), centre, Normalized(V(0.3, 0, 1)), 0.36, 0.21, 0.12);
}

void BuildKeyOnCrate(Model& model) {
    // A big brass key on a red cloth on the dark crate, within the part of the lid in its box,
    // lying across the view from the middle of the room.
    const Vec3 box1 = PlaceMax(kKeyBox);
    const double x0 = 0.25, x1 = box1.x - 0.01, z0 = -4.76, z1 = box1.z - 0.01;
    AddBox(model, RedCloth(), V(x0, kCrateTop, z0), V(x1, kCrateTop + 0.004, z1), WorldUv(0.3),
           kAllFaces & ~kFaceMinusY);
    const Vec3 centre = V((x0 + x1) / 2, kCrateTop + 0.004, (z0 + z1) / 2);
    AddLyingKey(model, centre, Normalized(V(0.81, 0, -0.58)), 0.3);
}

void BuildKeyInWardrobe(Model& model) {
    // In the lock between the wardrobe's doors: a brass bow with a red tag hanging from it, on
    // the dark oak where the player sees it from the room.
    const Vec3 box0 = PlaceMin(kWardrobeBox), box1 = PlaceMax(kWardrobeBox);
    const double z = (box0.z + box1.z) / 2, y = 0.95, front = box1.x;
    AddBox(model, KeyBrass(), V(kWardrobeDoorX, y - 0.007, z - 0.007),
           V(front - 0.012, y + 0.007, z + 0.007), WorldUv(1.0), kAllFaces & ~kFaceMinusX);
    AddCylinder(model, KeyBrass(), V(front - 0.014, y + 0.02, z), V(0.012, 0, 0), 0.034, 16, true,
                true);
    AddCylinder(model, OakSurface(), V(front - 0.0015, y + 0.02, z), V(0.001, 0, 0), 0.015, 12,
                false, true);
    AddBox(model, MakePlainSurface("key_tag", Color{210, 30, 28}),
           V(front - 0.012, y - 0.16, z - 0.028), V(front - 0.004, y - 0.02, z + 0.028),
           WorldUv(1.0), kAllFaces & ~kFaceMinusX);
}

void BuildNoteOnNightstand(Model& model) {
    // Standing on the low nightstand in its pick box, turned to the way in from the hall.
    const Vec3 box0 = PlaceMin(kNightstandBox), box1 = PlaceMax(kNightstandBox);
    const Vec3 centre = V((box0.x + box1.x) / 2, kNightstandTop + 0.001, -9.17);
    AddStandingNote(model, NoteNightstand(), centre, Normalized(V(0.42, 0, 1)), 0.34, 0.2, 0.12);
}

void BuildHammer(Model& model) {
    // Lying on the cabinet's top at the bottom of its pick box, the handle pointing back into the
    // room across the middle of the box and turned a little from X, the head across it near the
    // wall: from the bed and from the middle of the room both the long handle and the wide head
    // show, as a T.
    const Vec3 box0 = PlaceMin(kHammerBox);
    const double base = box0.y;
    const Vec3 along = Normalized(V(0.985, 0, 0.174));  // from the handle's end to the head
    const Vec3 across = V(-along.z, 0, along.x);        // the head's length
    const Vec3 up = V(0, 1, 0);
    const Vec3 head = V(4.7565, base + 0.026, -1.986);  // the middle of the head
    // The handle rests on its end and rises into the head's eye.
    const double handleLength = 0.31;
    const Vec3 handleEnd = head - along * handleLength + V(0, -0.014, 0);
    const Vec3 handleMiddle = (handleEnd + head) * 0.5;
    const Vec3 handleAxis = (head - handleEnd) * 0.5;
    AddTiltedBox(model, HandleWood(), handleMiddle, handleAxis,
                 Normalized(Cross(across, handleAxis)) * 0.012, across * 0.013, WorldUv(0.3));
    // The head: its body across the handle, the round poll with its bright face on one side,
    // the claw split in two on the other.
    const Surface& steel = HammerHead();
    AddTiltedBox(model, steel, head, across * 0.05, up * 0.025, along * 0.02, WorldUv(0.5));
    AddCylinder(model, steel, head + across * 0.05, across * 0.02, 0.021, 12, false, false);
    AddCylinder(model, HammerFace(), head + across * 0.07, across * 0.004, 0.021, 12, false, true);
    for (double side : {-1.0, 1.0}) {
        AddTiltedBox(model, steel, head - across * 0.07 + along * (side * 0.011) + V(0, -0.006, 0),
                     across * 0.02, up * 0.016, along * 0.006, WorldUv(0.5));
    }
}

void BuildBread(Model& model) {
    // A long loaf filling its pick box, lying along Z on the worktop just under the box.
    const Vec3 box0 = PlaceMin(kBreadBox), box1 = PlaceMax(kBreadBox);
    AddRoundedSolid(model, Crust(), V(box0.x + 0.006, box0.y - 0.002, box0.z + 0.008),
                    V(box1.x - 0.006, box1.y - 0.004, box1.z - 0.008), 2.6, 16, 12, true);
}

void BuildBookcase(Model& model) {
    // The bookcase's back is cut away at its north end, where the end of the wall at X 10.9
    // stands behind it while it is closed.
    const double front = 10.65, back = 11.0, north = -1.22, south = 0.1, top = 1.78;
    const double notchBack = 10.827, notchEnd = -1.03;
    // The keypad stands on the third shelf, at the bottom of its pick box, at the height of the
    // eye of a player who has just come down the stairs.
    const Vec3 keypad0 = PlaceMin(kKeypadBox), keypad1 = PlaceMax(kKeypadBox);
    const double keypadShelf = keypad0.y, upperShelf = 1.32;
    const Surface& wood = ShelfWood();
    const double board = 0.025;
    // Carcass: the two sides, the backs, the top and the plinth.
    AddBox(model, wood, V(front, 0.0, north), V(notchBack, top, north + 0.04), WorldUv(0.5));
    AddBox(model, wood, V(front, 0.0, south - 0.04), V(back, top, south), WorldUv(0.5));
    AddBox(model, wood, V(back - 0.03, 0.0, notchEnd), V(back, top, south - 0.04), WorldUv(0.5));
    AddBox(model, wood, V(notchBack - 0.03, 0.0, north + 0.04), V(notchBack, top, notchEnd),
           WorldUv(0.5));
    AddBox(model, wood, V(notchBack, 0.0, notchEnd), V(back - 0.03, top, notchEnd + 0.02),
           WorldUv(0.5));
    // Top, plinth and shelves, each in the notched part and the full-depth part.
    const double levels[5][2] = {{top - 0.04, top},
                                 {0.0, 0.08},
                                 {0.46 - board, 0.46},
                                 {keypadShelf - board, keypadShelf},
                                 {upperShelf - board, upperShelf}};
    for (const auto& level : levels) {
        AddBox(model, wood, V(front, level[0], north + 0.04),
               V(notchBack - 0.03, level[1], notchEnd), WorldUv(0.5));
        AddBox(model, wood, V(front, level[0], notchEnd), V(back - 0.03, level[1], south - 0.04),
               WorldUv(0.5));
    }
    // Books on every shelf; on the keypad's they leave room round it.
    const double bottoms[4] = {0.08, 0.46, keypadShelf, upperShelf};
    for (int shelf = 0; shelf < 4; ++shelf) {
        double z = north + 0.05;
        int book = 0;
        while (true) {
            const double h1 = modelpaint::Hash01(shelf, book, 541U);
            const double h2 = modelpaint::Hash01(book, shelf, 543U);
            const double width = 0.03 + 0.035 * h1;
            if (z + width > south - 0.05) break;
            if (shelf == 2 && z + width > -0.82 && z < -0.28) {
                z = -0.28;
                continue;
            }
            const double height = 0.22 + 0.12 * h2;
            // Books in the notched part are shallower.
            const double room = z < notchEnd + 0.01 ? notchBack - 0.03 - front - 0.02 : 0.3;
            const double depth = std::min(0.19 + 0.05 * h1, room);
            const int colour = static_cast<int>(h2 * 60) % 6;
            const Surface spine = BookSpine(colour);
            const double x0 = front + 0.02;
            AddFrontedBox(model, spine, spine, kFaceMinusX, V(x0, bottoms[shelf], z),
                          V(x0 + depth, bottoms[shelf] + height, z + width), 0.5,
                          kAllFaces & ~kFaceMinusY);
            z += width + (h2 > 0.85 ? 0.04 : 0.002);
            if (z < notchEnd + 0.02 && z + 0.065 > notchEnd) z = notchEnd + 0.022;
            ++book;
        }
    }
    // The end board: behind the notch, from the bookcase's north end to the pocket, as high as
    // the passage. While the bookcase is closed it fills the gap of the wall at X 10.9 and shows
    // the hall's wallpaper; once it slides it goes into the slot at the far end of the pocket.
    // It reaches a little past the wall's outer face, so that no crack opens where it meets the
    // block behind the pocket.
    AddBox(model, wood, V(notchBack, 0.0, kEndBoardNorth), V(back + 0.02, kPassageTop, north),
           WorldUv(0.5), kAllFaces & ~kFaceMinusX & ~kFaceMinusY);
    {
        const Vec3 normal{-1, 0, 0};
        const int material = model.MaterialFacing(WallSurface(Room::kLivingRoom), normal);
        const double repeat = WallRepeat(Room::kLivingRoom);
        auto corner = [&](double y, double z) {
            return MeshVertex{V(notchBack, y, z), z / repeat, y / kGroundCeiling, normal};
        };
        model.AddQuad(material, corner(0.0, kEndBoardNorth), corner(0.0, north),
                      corner(kPassageTop, north), corner(kPassageTop, kEndBoardNorth));
    }
    // A pale panel on the back of the gap in the books round the keypad, so that the dark keypad
    // stands out from across the hall.
    AddBoxFace(model, MakePlainSurface("keypad_backing", Color{236, 226, 196}),
               V(back - 0.035, keypadShelf, -0.8), V(back - 0.03, upperShelf - board, -0.3),
               kFaceMinusX, FitUv());
    // The keypad (pick box 15), standing on its shelf facing the hall.
    AddFrontedBox(model, MakePlainSurface("keypad_case", Color{50, 52, 56}), KeypadFace(),
                  kFaceMinusX, V(keypad0.x + 0.005, keypad0.y, keypad0.z + 0.005),
                  V(keypad1.x, keypad1.y - 0.005, keypad1.z - 0.005), 0.5,
                  kAllFaces & ~kFaceMinusY);
}

}  // namespace house
