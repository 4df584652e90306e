// The game's own pick in a real window: standing where the house checks find each clickable
// place in sight, the player turns to it and the pick through the depth buffer finds its box.
#include <gtest/gtest.h>

#include <cmath>    // Required for: std::atan2(), std::sqrt(), std::tan()
#include <cstdlib>  // Required for: std::getenv()
#include <string>   // Required for: std::string

#include "app/game_state.h"
#include "data/house_scene.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "support/game_window.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(HousePick, ClickingEachPlaceFromWhereItIsSeenPicksIt) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    OpenGameWindow();
    for (int box = 0; box < kPickBoxTotal; ++box) {
        SCOPED_TRACE("pick box " + std::to_string(box));
        const bool passageOpen = box == 10 || box == 11;
        const housecheck::Sighting sighting = housecheck::FindSighting(box, passageOpen);
        ASSERT_TRUE(sighting.found);
        ResetGameForTest();
        g_screens.startScreenShown = 0;
        if (passageOpen) g_bookcaseOffset = static_cast<float>(housecheck::kBookcaseOpenOffset);
        const housecheck::Point eye = sighting.cell.Eye();
        const housecheck::Point line = sighting.hit - eye;
        const double across = std::sqrt(line.x * line.x + line.z * line.z);
        // Face the place: the view looks along (-sin yaw, -cos yaw).
        g_yaw = static_cast<float>(std::atan2(-line.x, -line.z) * 180.0 / kPi);
        g_playerX = static_cast<float>(eye.x);
        g_playerY = static_cast<float>(sighting.cell.FloorY());
        g_playerZ = static_cast<float>(eye.z);
        g_posX = 3.0f - g_playerX;
        g_posY = 3.0f - g_playerY;
        g_posZ = -1.0f - g_playerZ;
        DrawFrame();
        // Straight ahead, as high on the screen as the place is above the eye (the view spans
        // 30 degrees over the window's 600 rows).
        const double elevation = std::atan2(line.y, across);
        const int y = static_cast<int>(
            std::lround(300.0 - std::tan(elevation) / std::tan(15.0 * kPi / 180.0) * 300.0));
        const int picked = PickWorld(400, y);
        EXPECT_EQ(picked, box) << "standing at row " << sighting.cell.row << " column "
                               << sighting.cell.column << ", clicking pixel (400, " << y << ")";
        // A failure keeps its frame; ESCAPE_HOUSE_PICK_SHOTS=<folder> keeps every one, to look at.
        const char* shots = std::getenv("ESCAPE_HOUSE_PICK_SHOTS");
        if (picked != box || shots != nullptr) {
            const std::string folder = shots != nullptr ? shots : "/tmp";
            SaveWindowPng(folder + "/escape-house-pick-" + std::to_string(box) + ".png");
        }
    }
}

}  // namespace
