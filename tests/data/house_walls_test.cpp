// What stops the player is what the player sees: every wall cell next to a place the player can
// stand shows something between knee and head height, no standing place has a surface within a
// tenth of a unit of its centre, every standing place has its floor at 0 or 3 below and a ceiling
// above, and no line of sight from where the player stands leaves the house through a crack.
#include <gtest/gtest.h>

#include <cmath>    // Required for: std::abs(), std::sin(), std::cos()
#include <set>      // Required for: std::set
#include <sstream>  // Required for: std::ostringstream
#include <string>   // Required for: std::string
#include <tuple>    // Required for: std::tuple

#include "data/house_scene.h"

namespace {

using housecheck::Box;
using housecheck::Point;
using housecheck::StandingCell;

// Heights above a floor that the player's walk must not pass through.
constexpr double kLowest = 0.2;
constexpr double kHighest = 1.8;

std::string Named(bool upper, int row, int column) {
    return std::string(upper ? " upper(" : " ground(") + std::to_string(row) + "," +
           std::to_string(column) + ")";
}

class PassageState : public testing::TestWithParam<bool> {};

TEST_P(PassageState, EveryStandingCellIsClearAndEveryWallBesideItIsSeen) {
    const bool open = GetParam();
    const housecheck::RayCaster& scene = housecheck::Scene().For(open);
    std::string crowded, floorless, invisible;
    std::set<std::tuple<bool, int, int>> walls;
    const std::vector<StandingCell> cells = housecheck::StandingCells(open);
    for (const StandingCell& cell : cells) {
        const Point eye = cell.Eye();
        const double floorY = cell.FloorY();
        // A square of half-side 0.1 round the centre: a little stricter than a circle.
        if (scene.AnyInBox({{eye.x - 0.0999, floorY + kLowest, eye.z - 0.0999},
                            {eye.x + 0.0999, floorY + kHighest, eye.z + 0.0999}})) {
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
                if (!housecheck::IsWallCell(row, column, cell.upper, open) ||
                    !walls.insert({cell.upper, row, column}).second) {
                    continue;
                }
                // Geometry may stand up to 0.02 outside the cell (the front door's leaf stands
                // just behind the cells of its recess).
                const Box wall{
                    {(row - 1) * 0.2 - 0.02, floorY + kLowest, (column - 1) * 0.2 - 10.02},
                    {row * 0.2 + 0.02, floorY + kHighest, column * 0.2 - 9.98}};
                if (!scene.AnyInBox(wall)) invisible += Named(cell.upper, row, column);
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
    constexpr double kPi = 3.14159265358979323846;
    const bool open = GetParam();
    const housecheck::RayCaster& scene = housecheck::Scene().For(open);
    std::ostringstream leaks;
    int bad = 0, rays = 0;
    for (const StandingCell& cell : housecheck::StandingCells(open)) {
        const Point eye = cell.Eye();
        for (int yaw = 0; yaw < 360; ++yaw) {
            for (int elevation = -15; elevation <= 15; elevation += 3) {
                const double a = yaw * kPi / 180.0, e = elevation * kPi / 180.0;
                const Point direction{-std::sin(a) * std::cos(e), std::sin(e),
                                      -std::cos(a) * std::cos(e)};
                double t = 0.0;
                ++rays;
                const bool hit = scene.Nearest(eye, direction, housecheck::kNearPlane, 100.0, &t);
                const Point end = eye + direction * t;
                if (hit && housecheck::kHouseBounds.Contains(end) &&
                    (open || !housecheck::kHiddenRoom.Contains(end))) {
                    continue;
                }
                if (++bad <= 10) {
                    leaks << "\n " << Named(cell.upper, cell.row, cell.column) << " yaw " << yaw
                          << " elevation " << elevation;
                    if (hit) leaks << " ends at " << end.x << " " << end.y << " " << end.z;
                }
            }
        }
    }
    EXPECT_GT(rays, 1000000);
    EXPECT_EQ(bad, 0) << "lines of sight that leave the house:" << leaks.str();
}

INSTANTIATE_TEST_SUITE_P(BookcaseClosedAndOpen, PassageState, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "PassageOpen" : "PassageClosed");
                         });

// The player's reach itself, as the layout gives it: both floors, the hidden room only through
// the opened passage.
TEST(HouseReach, TheHiddenRoomIsReachedOnlyThroughTheOpenedPassage) {
    auto reaches = [](bool open, int row, int column) {
        for (const StandingCell& cell : housecheck::StandingCells(open)) {
            if (!cell.upper && cell.row == row && cell.column == column) return true;
        }
        return false;
    };
    EXPECT_FALSE(reaches(false, 60, 47));
    EXPECT_TRUE(reaches(true, 60, 47));
    EXPECT_TRUE(reaches(false, 30, 30));  // the hall
}

}  // namespace
