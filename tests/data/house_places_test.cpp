// The clickable places of the house: each pick box holds the thing it stands for, and the player
// can see it from somewhere they can stand, as the pick sees it: the nearest surface along the
// line of sight lies in the box. The hammer and the bread lie in their boxes, and the bookcase
// covers the passage and slides into free space.
#include <gtest/gtest.h>

#include <cmath>   // Required for: std::sqrt()
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
