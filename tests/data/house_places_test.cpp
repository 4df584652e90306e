// The clickable places of the house: each pick box holds the thing it stands for, and the player
// can see it from somewhere they can stand, as the pick sees it: the nearest surface along the
// line of sight lies in the box; what the player must find is in sight from where they come to
// it. The hammer, the bread and the kept items lie in their boxes, and the bookcase covers the
// passage and slides into free space.
#include <gtest/gtest.h>

#include <cctype>  // Required for: std::isalnum()
#include <cmath>   // Required for: std::sqrt(), std::isnan(), NAN
#include <memory>  // Required for: std::unique_ptr
#include <string>  // Required for: std::string
#include <vector>  // Required for: std::vector

#include "data/house_scene.h"

namespace {

using housecheck::Box;
using housecheck::FindSighting;
using housecheck::kNearPlane;
using housecheck::PickBox;
using housecheck::Point;
using housecheck::Scene;
using housecheck::Sighting;
using housecheck::StandingCell;
using housecheck::StandingCells;

class PickBoxPlace : public testing::TestWithParam<int> {};

TEST_P(PickBoxPlace, HoldsTheThingItStandsFor) {
    const int box = GetParam();
    EXPECT_TRUE(Scene().closed->AnyInBox(PickBox(box).Grown(0.01)))
        << "nothing of the house in pick box " << box;
}

TEST_P(PickBoxPlace, IsSeenFromWhereThePlayerCanStand) {
    const int box = GetParam();
    // The safe and the photograph lie behind the bookcase: seen once the passage is open.
    const bool passageOpen = box == 10 || box == 11;
    const Sighting sighting = FindSighting(box, passageOpen);
    EXPECT_TRUE(sighting.found) << "no standing cell sees pick box " << box;
    if (sighting.found) {
        const Point eye = sighting.cell.Eye();
        RecordProperty("eye", std::to_string(eye.x) + " " + std::to_string(eye.y) + " " +
                                  std::to_string(eye.z));
    }
}

INSTANTIATE_TEST_SUITE_P(AllBoxes, PickBoxPlace, testing::Range(0, kPickBoxTotal));

// What must be in sight, and from where the player comes to it: the items upstairs from the cell
// where the player wakes by the bed; key 2 and note 3 from the way into the living room from the
// hall; the bread from the kitchen's doorway; the front door from the hall west of the kitchen's
// walls; the safe from the passage as soon as the bookcase has slid; and the keypad from where
// the stairs land the player, facing the bookcase (the eye 0.6 from the keypad, which sits at its
// height), in the middle of the landing where it is ahead, and from beside the landing.
struct CellArea {
    bool upper;
    int firstRow, lastRow, firstColumn, lastColumn;
};
enum class Target { kBox, kKeptItem };
struct InSight {
    const char* what;
    Target target;
    int index;  // the pick box, or the kept item
    CellArea from;
    bool passageOpen;
    bool fromEveryCell;  // every standing cell of the area, or at least one
    double share;        // of the target's points in sight
    double facingYaw;    // the yaw the player faces, or NAN when free to turn
};

const InSight kInSight[] = {
    // clang-format off
    {"note 1 from the bed", Target::kKeptItem, 0, {true, 16, 16, 46, 46}, false, true, 0.3, NAN},
    {"key 1 from the bed", Target::kKeptItem, 1, {true, 16, 16, 46, 46}, false, true, 0.3, NAN},
    {"the hammer from the bed", Target::kBox, 5, {true, 16, 16, 46, 46}, false, true, 0.3, NAN},
    {"key 2 from the hall", Target::kKeptItem, 2, {false, 27, 36, 25, 25}, false, false, 0.5, NAN},
    {"note 3 from the hall", Target::kKeptItem, 3, {false, 27, 36, 25, 25}, false, false, 0.3, NAN},
    {"the bread from its doorway", Target::kBox, 8, {false, 37, 37, 11, 17}, false, false, 0.5, NAN},
    {"the front door from the hall", Target::kBox, 12, {false, 27, 36, 27, 49}, false, true, 0.5, NAN},
    {"the safe from the passage", Target::kBox, 10, {false, 54, 55, 48, 50}, true, true, 0.1, NAN},
    {"the keypad from the landing", Target::kBox, 15, {false, 51, 51, 47, 49}, false, true, 0.4,
     -90.0},
    {"the keypad from beside the landing", Target::kBox, 15, {false, 50, 51, 40, 44}, false, false,
     0.3, NAN},
    // clang-format on
};

class InSightFrom : public testing::TestWithParam<InSight> {};

TEST_P(InSightFrom, TheAreasStandingCells) {
    const InSight& sight = GetParam();
    housecheck::SightTarget target;
    std::unique_ptr<housecheck::RayCaster> own;
    switch (sight.target) {
        case Target::kBox:
            target.sampleIn = PickBox(sight.index);
            target.box = sight.index;
            break;
        case Target::kKeptItem: {
            const std::vector<housecheck::Triangle>& item =
                Scene().keptItems[sight.index].triangles;
            ASSERT_FALSE(item.empty());
            own = std::make_unique<housecheck::RayCaster>(item);
            target.sampleIn = housecheck::BoundsOf(item);
            target.model = own.get();
            break;
        }
    }
    const double* facing = std::isnan(sight.facingYaw) ? nullptr : &sight.facingYaw;
    int cells = 0, seeing = 0;
    std::string shares;
    for (const StandingCell& cell : StandingCells(sight.passageOpen)) {
        const CellArea& area = sight.from;
        if (cell.upper != area.upper || cell.row < area.firstRow || cell.row > area.lastRow ||
            cell.column < area.firstColumn || cell.column > area.lastColumn) {
            continue;
        }
        ++cells;
        const double share =
            housecheck::SeenShare(cell.Eye(), target, sight.passageOpen, 6, facing);
        if (share >= sight.share) ++seeing;
        shares += " (" + std::to_string(cell.row) + "," + std::to_string(cell.column) + ") " +
                  std::to_string(static_cast<int>(share * 100)) + "%";
    }
    ASSERT_GT(cells, 0) << sight.what;
    if (sight.fromEveryCell) {
        EXPECT_EQ(seeing, cells) << sight.what << ":" << shares;
    } else {
        EXPECT_GT(seeing, 0) << sight.what << ":" << shares;
    }
    RecordProperty("shares", shares);
}

INSTANTIATE_TEST_SUITE_P(WhereThePlayerComesIn, InSightFrom, testing::ValuesIn(kInSight),
                         [](const testing::TestParamInfo<InSight>& info) {
                             std::string name;
                             for (const char* c = info.param.what; *c != '\0'; ++c) {
                                 if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                             }
                             return name;
                         });

// Pick boxes are only reached through the passage while it is open: before the keypad code,
// nobody in the house sees the safe.
TEST(HousePlaces, TheSafeIsHiddenWhileTheBookcaseStandsClosed) {
    EXPECT_FALSE(FindSighting(10, false).found);
    EXPECT_FALSE(FindSighting(11, false).found);
}

void ExpectInside(const std::vector<housecheck::Triangle>& triangles, const Box& box,
                  const char* what) {
    ASSERT_FALSE(triangles.empty()) << what;
    const Box bounds = housecheck::BoundsOf(triangles);
    const Box allowed = box.Grown(0.01);
    EXPECT_TRUE(allowed.Contains(bounds.min) && allowed.Contains(bounds.max))
        << what << " spans " << bounds.min.x << " " << bounds.min.y << " " << bounds.min.z << " to "
        << bounds.max.x << " " << bounds.max.y << " " << bounds.max.z;
}

TEST(HousePlaces, TheHammerLiesInItsBoxOnTheCabinetAndTheBreadInItsBox) {
    ExpectInside(Scene().hammer.triangles, PickBox(5), "the hammer");
    ExpectInside(Scene().bread.triangles, PickBox(8), "the bread");
    // Both rest on what is under them: the cabinet's top, the kitchen worktop.
    EXPECT_NEAR(housecheck::BoundsOf(Scene().hammer.triangles).min.y, 3.72, 0.005);
    EXPECT_NEAR(housecheck::BoundsOf(Scene().bread.triangles).min.y, 0.96, 0.006);
}

TEST(HousePlaces, TheBookcaseStandsOnItsClosedFootprintWithTheKeypadOnIt) {
    const Box bounds = housecheck::BoundsOf(Scene().bookcase.triangles);
    EXPECT_NEAR(bounds.min.x, 10.65, 0.005);
    EXPECT_NEAR(bounds.max.x, 11.02, 0.005);
    // Its end board reaches on over the gap in the wall at X 10.9 that the passage opens.
    EXPECT_NEAR(bounds.min.z, -1.4, 0.005);
    EXPECT_NEAR(bounds.max.z, 0.1, 0.005);
    EXPECT_NEAR(bounds.min.y, 0.0, 0.005);
    // Tall enough to carry the keypad, low enough to leave the wall above it.
    EXPECT_GT(bounds.max.y, 1.4);
    EXPECT_LT(bounds.max.y, 1.81);
    // The keypad is part of the bookcase model.
    housecheck::RayCaster bookcase(Scene().bookcase.triangles);
    EXPECT_TRUE(bookcase.AnyInBox(PickBox(15).Grown(0.005)));
}

// The bookcase is three blocks: full depth; at its north end only as deep as the hall side of
// the wall at X 10.9, whose end stands behind it while it is closed; and behind that, the end
// board that fills the wall's gap (where the passage is walked) while the bookcase is closed.
std::vector<Box> BookcaseBlocks(double offset) {
    std::vector<Box> blocks = {Box{{10.65, 0.0, -1.03}, {11.0, 1.78, 0.1}},
                               Box{{10.65, 0.0, -1.22}, {10.827, 1.78, -1.03}},
                               Box{{10.827, 0.0, -1.4}, {11.02, 1.805, -1.22}}};
    for (Box& block : blocks) {
        block.min.z += offset;
        block.max.z += offset;
    }
    return blocks;
}

TEST(HousePlaces, TheBookcaseFillsItsThreeBlocks) {
    const std::vector<Box> blocks = BookcaseBlocks(0.0);
    for (const housecheck::Triangle& t : Scene().bookcase.triangles) {
        for (const Point& p : {t.a, t.b, t.c}) {
            bool inside = false;
            for (const Box& block : blocks) inside = inside || block.Grown(0.001).Contains(p);
            EXPECT_TRUE(inside) << p.x << " " << p.y << " " << p.z;
        }
    }
}

// No triangle of the fixed house reaches into the bookcase, where it stands or where it slides.
TEST(HousePlaces, TheBookcaseCutsIntoNothingClosedOrOpen) {
    housecheck::RayCaster house(Scene().house.triangles);
    for (double offset : {0.0, housecheck::kBookcaseOpenOffset}) {
        for (const Box& block : BookcaseBlocks(offset)) {
            EXPECT_FALSE(house.AnyInBox(block.Grown(-0.003)))
                << "the house cuts into the bookcase at offset " << offset;
        }
    }
}

// With the bookcase closed nothing of the hidden room shows through it: every line of sight
// from the hall that meets the bookcase's front ends on the bookcase.
TEST(HousePlaces, TheClosedBookcaseCoversThePassage) {
    const housecheck::RayCaster& closed = *Scene().closed;
    int checked = 0;
    for (const StandingCell& cell : StandingCells(false)) {
        if (cell.upper || cell.row < 40) continue;
        const Point eye = cell.Eye();
        for (double z = -1.0; z <= -0.2; z += 0.1) {
            for (double y = 0.1; y <= 1.7; y += 0.2) {
                const Point target{11.5, y, z};
                const Point line = target - eye;
                // Only lines that enter through the bookcase's front.
                const double along = (10.65 - eye.x) / line.x;
                const double frontZ = eye.z + line.z * along;
                if (frontZ < -1.22 || frontZ > 0.1) continue;
                const double length =
                    std::sqrt(line.x * line.x + line.y * line.y + line.z * line.z);
                const Point direction = line * (1.0 / length);
                double t = 0.0;
                ASSERT_TRUE(closed.Nearest(eye, direction, kNearPlane, 100.0, &t));
                const Point hit = eye + direction * t;
                EXPECT_LT(hit.x, 11.0 + 1e-6)
                    << "seen through the passage from row " << cell.row << " column " << cell.column
                    << " towards y " << y << " z " << z;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 100);
}

}  // namespace
