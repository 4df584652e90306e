// The clickable places of the house: each pick box holds the thing it stands for and the player
// can see it from somewhere they can stand, as the pick sees it (the nearest surface along the
// line of sight lies in the box); what the player must find is in sight from where they come to
// it; and the bookcase slides into free space.
#include <gtest/gtest.h>

#include <cmath>   // Required for: std::isnan(), NAN
#include <string>  // Required for: std::string

#include "data/house_scene.h"
#include "gameplay/keypad.h"

namespace {

using housecheck::Box;
using housecheck::PickBox;
using housecheck::Scene;

class PickBoxPlace : public testing::TestWithParam<int> {};

TEST_P(PickBoxPlace, HoldsTheThingItStandsForAndIsSeenFromWhereThePlayerCanStand) {
    const int box = GetParam();
    EXPECT_TRUE(Scene().closed->AnyInBox(PickBox(box).Grown(0.01))) << "nothing in the box";
    // The safe and the photograph lie behind the bookcase: seen only once the passage is open.
    const bool hidden = box == 10 || box == 11;
    EXPECT_TRUE(housecheck::FindSighting(box, hidden).found) << "no standing cell sees it";
    EXPECT_TRUE(!hidden || !housecheck::FindSighting(box, false).found) << "seen through";
    // The hammer and the bread lie whole in their boxes; the keypad slides with the bookcase.
    for (const auto& [model, itsBox] : {std::pair{&Scene().hammer, 5}, {&Scene().bread, 8}}) {
        const Box bounds = housecheck::BoundsOf(model->triangles);
        if (box == itsBox) {
            EXPECT_TRUE(PickBox(box).Grown(0.01).Contains(bounds.min));
            EXPECT_TRUE(PickBox(box).Grown(0.01).Contains(bounds.max));
        }
    }
    if (box == kKeypadPickBox) {
        EXPECT_TRUE(housecheck::RayCaster(Scene().bookcase.triangles).AnyInBox(PickBox(box)));
    }
}

INSTANTIATE_TEST_SUITE_P(AllBoxes, PickBoxPlace, testing::Range(0, kPickBoxTotal));

// What must be in sight, and from where the player comes to it: the items upstairs from the cell
// where the player wakes by the bed; key 2 and note 3 from the way into the living room from the
// hall; the bread from the kitchen's doorway; the front door from the hall west of the kitchen's
// walls; the safe from the passage as soon as the bookcase has slid; and the keypad from where
// the stairs land the player, facing the bookcase (the eye 0.6 from the keypad, which sits at its
// height), in the middle of the landing where it is ahead, and from beside the landing.
struct InSight {
    const char* what;
    bool keptItem;  // the index is that of a kept item, or else of a pick box
    int index;
    bool upper;
    int firstRow, lastRow, firstColumn, lastColumn;  // the cells the player comes from
    bool passageOpen;
    bool fromEveryCell;  // from every standing cell of the area, or from at least one
    double share;        // of the target's points in sight
    double facingYaw;    // the yaw the player faces, or NAN when free to turn
};

// clang-format off
const InSight kInSight[] = {
    {"Note1FromTheBed", true, 0, true, 16, 16, 46, 46, false, true, 0.3, NAN},
    {"Key1FromTheBed", true, 1, true, 16, 16, 46, 46, false, true, 0.3, NAN},
    {"HammerFromTheBed", false, 5, true, 16, 16, 46, 46, false, true, 0.3, NAN},
    {"Key2FromTheHall", true, 2, false, 27, 36, 25, 25, false, false, 0.5, NAN},
    {"Note3FromTheHall", true, 3, false, 27, 36, 25, 25, false, false, 0.3, NAN},
    {"BreadFromItsDoorway", false, 8, false, 37, 37, 11, 17, false, false, 0.5, NAN},
    {"FrontDoorFromTheHall", false, 12, false, 27, 36, 27, 49, false, true, 0.5, NAN},
    {"SafeFromThePassage", false, 10, false, 54, 55, 48, 50, true, true, 0.1, NAN},
    {"KeypadFromTheLanding", false, 15, false, 51, 51, 47, 49, false, true, 0.4, -90.0},
    {"KeypadFromBesideTheLanding", false, 15, false, 50, 51, 40, 44, false, false, 0.3, NAN},
};
// clang-format on

class InSightFrom : public testing::TestWithParam<InSight> {};

TEST_P(InSightFrom, TheAreasStandingCells) {
    const InSight& sight = GetParam();
    const housecheck::SightTarget target = sight.keptItem ? housecheck::KeptItemTarget(sight.index)
                                                          : housecheck::BoxTarget(sight.index);
    const double* facing = std::isnan(sight.facingYaw) ? nullptr : &sight.facingYaw;
    int cells = 0, seeing = 0;
    std::string shares;
    for (const housecheck::StandingCell& cell : housecheck::StandingCells(sight.passageOpen)) {
        if (cell.upper != sight.upper || cell.row < sight.firstRow || cell.row > sight.lastRow ||
            cell.column < sight.firstColumn || cell.column > sight.lastColumn) {
            continue;
        }
        ++cells;
        const double share =
            housecheck::SeenShare(cell.Eye(), target, sight.passageOpen, 6, facing);
        seeing += share >= sight.share;
        shares += " (" + std::to_string(cell.row) + "," + std::to_string(cell.column) + ") " +
                  std::to_string(static_cast<int>(share * 100)) + "%";
    }
    ASSERT_GT(cells, 0);
    EXPECT_TRUE(sight.fromEveryCell ? seeing == cells : seeing > 0) << shares;
}

INSTANTIATE_TEST_SUITE_P(WhereThePlayerComesIn, InSightFrom, testing::ValuesIn(kInSight),
                         [](const testing::TestParamInfo<InSight>& info) {
                             return std::string(info.param.what);
                         });

// The bookcase is three blocks: full depth; at its north end only as deep as the hall side of
// the wall at X 10.9, whose end stands behind it while it is closed; and behind that, the end
// board that fills the wall's gap while it is closed. No triangle of the fixed house reaches into
// it where it stands or where it slides.
TEST(HousePlaces, TheBookcaseCutsIntoNothingClosedOrOpen) {
    const housecheck::RayCaster house(Scene().house.triangles);
    for (double offset : {0.0, double{kBookcaseOpenOffset}}) {
        for (Box block : {Box{{10.65, 0.0, -1.03}, {11.0, 1.78, 0.1}},
                          Box{{10.65, 0.0, -1.22}, {10.827, 1.78, -1.03}},
                          Box{{10.827, 0.0, -1.4}, {11.02, 1.805, -1.22}}}) {
            block.min.z += offset;
            block.max.z += offset;
            EXPECT_FALSE(house.AnyInBox(block.Grown(-0.003))) << "offset " << offset;
        }
    }
}

}  // namespace
