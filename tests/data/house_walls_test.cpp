// What stops the player is what the player sees: every wall cell next to a place the player can
// stand shows something between knee and head height, no standing place has a surface within a
// tenth of a unit of its centre, every standing place has its floor at 0 or 3 below and a ceiling
// above, and no line of sight from where the player stands leaves the house through a crack.
#include <gtest/gtest.h>

#include <cmath>    // Required for: std::abs(), std::sin(), std::cos()
#include <sstream>  // Required for: std::ostringstream
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

#include "data/house_scene.h"

namespace {

using housecheck::Box;
using housecheck::IsWallCell;
using housecheck::Point;
using housecheck::Scene;
using housecheck::StandingCell;
using housecheck::StandingCells;

// Heights above a floor that the player's walk must not pass through.
constexpr double kLowest = 0.2;
constexpr double kHighest = 1.8;

Box CellColumnBox(int row, int column, double floorY, double grow) {
    return Box{{(row - 1) * 0.2 - grow, floorY + kLowest, -10.0 + (column - 1) * 0.2 - grow},
               {row * 0.2 + grow, floorY + kHighest, -10.0 + column * 0.2 + grow}};
}

class PassageState : public testing::TestWithParam<bool> {};

TEST_P(PassageState, EveryWallNextToAStandingCellShowsWhatStopsThePlayer) {
    const bool open = GetParam();
    const housecheck::RayCaster& scene = Scene().For(open);
    std::ostringstream missing;
    int walls = 0, empty = 0;
    std::vector<std::vector<bool>> checked(2 * 71, std::vector<bool>(51, false));
    for (const StandingCell& cell : StandingCells(open)) {
        for (int dRow = -1; dRow <= 1; ++dRow) {
            for (int dColumn = -1; dColumn <= 1; ++dColumn) {
                const int row = cell.row + dRow, column = cell.column + dColumn;
                if (row < 0 || row >= 71 || column < 0 || column >= 51) continue;
                if (!IsWallCell(row, column, cell.upper, open)) continue;
                if (checked[(cell.upper ? 71 : 0) + row][column]) continue;
                checked[(cell.upper ? 71 : 0) + row][column] = true;
                ++walls;
                // Geometry may stand up to 0.02 outside the cell (the front door's leaf stands
                // just behind the cells of its recess).
                if (!scene.AnyInBox(CellColumnBox(row, column, cell.FloorY(), 0.02))) {
                    ++empty;
                    missing << (cell.upper ? " upper" : " ground") << "(" << row << "," << column
                            << ")";
                }
            }
        }
    }
    EXPECT_GT(walls, 300);
    EXPECT_EQ(empty, 0) << "invisible walls:" << missing.str();
}

TEST_P(PassageState, NoStandingCellHasASurfaceWithinATenthOfItsCentre) {
    const bool open = GetParam();
    const housecheck::RayCaster& scene = Scene().For(open);
    std::ostringstream crowded;
    int bad = 0;
    const std::vector<StandingCell> cells = StandingCells(open);
    for (const StandingCell& cell : cells) {
        const Point eye = cell.Eye();
        // A square of half-side 0.1 round the centre: a little stricter than a circle.
        const Box around{{eye.x - 0.0999, cell.FloorY() + kLowest, eye.z - 0.0999},
                         {eye.x + 0.0999, cell.FloorY() + kHighest, eye.z + 0.0999}};
        if (scene.AnyInBox(around)) {
            ++bad;
            crowded << (cell.upper ? " upper" : " ground") << "(" << cell.row << "," << cell.column
                    << ")";
        }
    }
    EXPECT_GT(cells.size(), 1000u);
    EXPECT_EQ(bad, 0) << "walls the player walks through:" << crowded.str();
}

TEST_P(PassageState, EveryStandingCellHasItsFloorBelowAndACeilingAbove) {
    const bool open = GetParam();
    const housecheck::RayCaster& scene = Scene().For(open);
    std::ostringstream wrong;
    int bad = 0;
    for (const StandingCell& cell : StandingCells(open)) {
        const Point eye = cell.Eye();
        double down = 0.0, up = 0.0;
        const bool floor = scene.Nearest(eye, Point{0, -1, 0}, 0.0, 10.0, &down);
        const bool ceiling = scene.Nearest(eye, Point{0, 1, 0}, 0.0, 10.0, &up);
        if (!floor || std::abs(down - 1.0) > 0.002 || !ceiling || up > 5.0) {
            ++bad;
            wrong << (cell.upper ? " upper" : " ground") << "(" << cell.row << "," << cell.column
                  << ")";
        }
    }
    EXPECT_EQ(bad, 0) << "cells without floor at their level or a ceiling:" << wrong.str();
}

// From every standing cell, all round and over the whole height of the view, each line of sight
// ends on the house (glass counts): no crack in a wall, floor or ceiling shows the garden or the
// sky, and while the bookcase is closed none shows the room behind it.
TEST_P(PassageState, EveryLineOfSightEndsOnTheHouse) {
    constexpr double kPi = 3.14159265358979323846;
    const bool open = GetParam();
    const housecheck::RayCaster& scene = Scene().For(open);
    std::ostringstream leaks;
    int bad = 0, rays = 0;
    for (const StandingCell& cell : StandingCells(open)) {
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
                    leaks << "\n  " << (cell.upper ? "upper" : "ground") << " (" << cell.row << ","
                          << cell.column << ") yaw " << yaw << " elevation " << elevation;
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
        for (const StandingCell& cell : StandingCells(open)) {
            if (!cell.upper && cell.row == row && cell.column == column) return true;
        }
        return false;
    };
    EXPECT_FALSE(reaches(false, 60, 47));
    EXPECT_TRUE(reaches(true, 60, 47));
    EXPECT_TRUE(reaches(false, 30, 30));  // the hall
}

}  // namespace
