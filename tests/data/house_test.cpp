// The house as the player meets it: what stops the player is what the player sees (a wall beside
// every place one can stand, nothing within a tenth of a unit of its centre, a floor below and a
// ceiling above, no line of sight out through a crack), what the player must find is in sight,
// and in the game's window each place is picked where it is seen and a taken item vanishes.
#include <gtest/gtest.h>

#include <cmath>    // Required for: std::abs(), std::sin(), std::cos(), std::isnan(), NAN
#include <cstdlib>  // Required for: std::getenv()
#include <set>      // Required for: std::set
#include <string>   // Required for: std::string
#include <tuple>    // Required for: std::tuple

#include "app/game_state.h"
#include "data/house_scene.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "support/game_window.h"

namespace {

using housecheck::Box;
using housecheck::PickBox;
using housecheck::Point;
using housecheck::Scene;

std::string Named(bool upper, int row, int column) {
    return (upper ? " upper(" : " ground(") + std::to_string(row) + "," + std::to_string(column) +
           ")";
}

class PassageState : public testing::TestWithParam<bool> {};

TEST_P(PassageState, EveryStandingCellIsClearAndEveryWallBesideItIsSeen) {
    const bool open = GetParam();
    const housecheck::RayCaster& scene = housecheck::Scene().For(open);
    std::string crowded, floorless, invisible;
    std::set<std::tuple<bool, int, int>> walls;
    const std::vector<housecheck::StandingCell> cells = housecheck::StandingCells(open);
    for (const housecheck::StandingCell& cell : cells) {
        const Point eye = cell.Eye();
        // Between knee and head height; a square of half-side 0.1 round the centre is a little
        // stricter than a circle.
        const double low = cell.FloorY() + 0.2, high = cell.FloorY() + 1.8;
        if (scene.AnyInBox(
                {{eye.x - 0.0999, low, eye.z - 0.0999}, {eye.x + 0.0999, high, eye.z + 0.0999}})) {
            crowded += Named(cell.upper, cell.row, cell.column);
        }
        double down = 0.0, up = 0.0;
        if (!scene.Nearest(eye, Point{0, -1, 0}, 0.0, 10.0, &down) ||
            std::abs(down - 1.0) > 0.002 || !scene.Nearest(eye, Point{0, 1, 0}, 0.0, 10.0, &up) ||
            up > 5.0) {
            floorless += Named(cell.upper, cell.row, cell.column);
        }
        for (int row = cell.row - 1; row <= cell.row + 1; ++row) {
            for (int column = cell.column - 1; column <= cell.column + 1; ++column) {
                // Geometry may stand up to 0.02 outside the cell (the front door's leaf stands
                // just behind the cells of its recess).
                if (housecheck::IsWallCell(row, column, cell.upper, open) &&
                    walls.insert({cell.upper, row, column}).second &&
                    !scene.AnyInBox({{row * 0.2 - 0.22, low, column * 0.2 - 10.22},
                                     {row * 0.2 + 0.02, high, column * 0.2 - 9.98}})) {
                    invisible += Named(cell.upper, row, column);
                }
            }
        }
    }
    EXPECT_GT(cells.size(), 1000u);
    EXPECT_GT(walls.size(), 300u);
    EXPECT_EQ(crowded, "") << "walls the player walks through";
    EXPECT_EQ(floorless, "") << "cells without floor at their level or a ceiling";
    EXPECT_EQ(invisible, "") << "invisible walls";
}

// From every standing cell, all round and over the whole height of the view, each line of sight
// ends on the house (glass counts): no crack in a wall, floor or ceiling shows the garden or the
// sky, and while the bookcase is closed none shows the room behind it.
TEST_P(PassageState, EveryLineOfSightEndsOnTheHouse) {
    constexpr double kRadian = 3.14159265358979323846 / 180.0;
    const bool open = GetParam();
    const housecheck::RayCaster& scene = housecheck::Scene().For(open);
    std::string leaks;
    int bad = 0, rays = 0;
    for (const housecheck::StandingCell& cell : housecheck::StandingCells(open)) {
        const Point eye = cell.Eye();
        for (int yaw = 0; yaw < 360; ++yaw) {
            for (int elevation = -15; elevation <= 15; elevation += 3, ++rays) {
                const double a = yaw * kRadian, e = elevation * kRadian;
                const Point direction{-std::sin(a) * std::cos(e), std::sin(e),
                                      -std::cos(a) * std::cos(e)};
                double t = 0.0;
                const bool hit = scene.Nearest(eye, direction, housecheck::kNearPlane, 100.0, &t);
                const Point end = eye + direction * t;
                if ((!hit || !housecheck::kHouseBounds.Contains(end) ||
                     (!open && housecheck::kHiddenRoom.Contains(end))) &&
                    ++bad <= 10) {
                    leaks += Named(cell.upper, cell.row, cell.column) + " yaw " +
                             std::to_string(yaw) + " elevation " + std::to_string(elevation);
                }
            }
        }
    }
    EXPECT_GT(rays, 1000000);
    EXPECT_EQ(bad, 0) << "lines of sight that leave the house:" << leaks;
}

INSTANTIATE_TEST_SUITE_P(BookcaseClosedAndOpen, PassageState, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "PassageOpen" : "PassageClosed");
                         });

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
    bool upper;  // the floor and the cells the player comes from
    int firstRow, lastRow, firstColumn, lastColumn;
    bool passageOpen, fromEveryCell;  // seen from every standing cell of the area, or from one
    double share, facingYaw;          // of the target's points in sight; NAN when free to turn
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

constexpr double kPi = 3.14159265358979323846;

// A new game with the player where the sighting's eye is, facing the point hit; the pixel row
// that shows that point straight ahead in column 400 (the view spans 30 degrees over 600 rows).
int FaceSighting(const housecheck::Sighting& sighting, bool passageOpen) {
    ResetGameForTest();
    if (passageOpen) g_bookcaseOffset = kBookcaseOpenOffset;
    const housecheck::Point eye = sighting.cell.Eye();
    const housecheck::Point line = sighting.hit - eye;
    g_yaw = static_cast<float>(std::atan2(-line.x, -line.z) * 180.0 / kPi);
    g_playerX = static_cast<float>(eye.x);
    g_playerY = static_cast<float>(sighting.cell.FloorY());
    g_playerZ = static_cast<float>(eye.z);
    g_posX = 3.0f - g_playerX;
    g_posY = 3.0f - g_playerY;
    g_posZ = -1.0f - g_playerZ;
    DrawFrame();
    const double tangent = line.y / std::sqrt(line.x * line.x + line.z * line.z);
    return static_cast<int>(std::lround(300.0 - tangent / std::tan(15.0 * kPi / 180.0) * 300.0));
}

int Difference(Rgb a, Rgb b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Each pick box holds the thing it stands for (the hammer and the bread whole, the keypad on the
// bookcase that slides), is seen from somewhere the player can stand (the safe and the photograph
// only once the passage behind the bookcase is open), and clicking it from there picks it. A note
// or key the player takes is no longer drawn where it lay: the pixel that showed it shows what it
// lay on once its icon is owned, and already on the frame whose press took it (the icon is
// granted after the items are drawn); after a restart it lies there again.
TEST(HousePick, EachPlaceHoldsItsThingAndClickingItFromWhereItIsSeenPicksIt) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    OpenGameWindow();
    for (int box = 0; box < kPickBoxTotal; ++box) {
        SCOPED_TRACE("pick box " + std::to_string(box));
        const Box grown = PickBox(box).Grown(0.01);
        EXPECT_TRUE(Scene().closed->AnyInBox(grown)) << "nothing in the box";
        const Box item =
            housecheck::BoundsOf((box == 5 ? Scene().hammer : Scene().bread).triangles);
        EXPECT_TRUE((box != 5 && box != 8) ||
                    (grown.Contains(item.min) && grown.Contains(item.max)));
        EXPECT_TRUE(box != kKeypadPickBox ||
                    housecheck::RayCaster(Scene().bookcase.triangles).AnyInBox(PickBox(box)));
        const bool passageOpen = box == 10 || box == 11;
        EXPECT_FALSE(passageOpen &&
                     housecheck::FindSightingOf(housecheck::BoxTarget(box), false, false).found)
            << "seen through the closed bookcase";
        // A kept item is aimed at where its own model shows.
        int kept = -1;
        for (int i = 0; i < 4; ++i) kept = housecheck::kKeptItems[i].box == box ? i : kept;
        const housecheck::SightTarget target =
            kept >= 0 ? housecheck::KeptItemTarget(kept) : housecheck::BoxTarget(box);
        const housecheck::Sighting sighting =
            housecheck::FindSightingOf(target, PickBox(box).min.y >= 2.5, passageOpen);
        ASSERT_TRUE(sighting.found) << "no standing cell sees it";
        const int y = FaceSighting(sighting, passageOpen);
        const int picked = PickWorld(400, y);
        EXPECT_EQ(picked, box) << "standing at row " << sighting.cell.row << " column "
                               << sighting.cell.column << ", clicking pixel (400, " << y << ")";
        if (kept < 0) continue;
        const Rgb lying = PixelAt(400, y);
        const int icon = g_boxIcon[box];
        for (const auto& [pickedBox, owned] : {std::pair{-1, 1}, {box, 0}}) {
            g_pickedBox = pickedBox;
            g_iconOwned[icon] = static_cast<std::uint8_t>(owned);
            DrawFrame();
            EXPECT_GT(Difference(lying, PixelAt(400, y)), 60)
                << (owned ? "icon owned" : "box just picked") << ": the item is still drawn";
        }
        g_pickedBox = -1;
        g_iconOwned[icon] = 0;
        DrawFrame();
        EXPECT_EQ(Difference(lying, PixelAt(400, y)), 0) << "not back after a restart";
    }
}

}  // namespace
