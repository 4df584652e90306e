// What stops the player is what the player sees: every wall cell next to a place the player can
// stand shows something between knee and head height, no standing place has a surface within a
// tenth of a unit of its centre, every standing place has its floor at 0 or 3 below and a ceiling
// above, and no line of sight from where the player stands leaves the house through a crack.
#include <gtest/gtest.h>

#include <cmath>   // Required for: std::abs(), std::sin(), std::cos()
#include <set>     // Required for: std::set
#include <string>  // Required for: std::string
#include <tuple>   // Required for: std::tuple

#include "data/house_scene.h"

namespace {

using housecheck::Box;
using housecheck::Point;

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
                    leaks +=
                        Named(cell.upper, cell.row, cell.column) + " yaw " + std::to_string(yaw) +
                        " elevation " + std::to_string(elevation) +
                        (hit ? " ends at x " + std::to_string(end.x) + " z " + std::to_string(end.z)
                             : " ends nowhere");
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

}  // namespace
