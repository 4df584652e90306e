// The game's own pick and drawing in a real window: standing where the house checks find each
// clickable place in sight, the player turns to it and the pick through the depth buffer finds
// its box; the notes and keys the player takes vanish from where they lay.
#include <gtest/gtest.h>

#include <cmath>    // Required for: std::atan2(), std::sqrt(), std::tan(), std::lround()
#include <cstdlib>  // Required for: std::getenv(), std::abs()
#include <string>   // Required for: std::string
#include <vector>   // Required for: std::vector

#include "app/game_state.h"
#include "data/house_scene.h"
#include "gameplay/picking.h"
#include "gameplay/screens.h"
#include "support/game_window.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

// Stands the player where the sighting's eye is, facing the point hit, and returns the pixel row
// that shows it straight ahead in column 400.
int FaceSighting(const housecheck::Sighting& sighting) {
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
    // As high on the screen as the place is above the eye (the view spans 30 degrees over the
    // window's 600 rows).
    const double elevation = std::atan2(line.y, across);
    return static_cast<int>(
        std::lround(300.0 - std::tan(elevation) / std::tan(15.0 * kPi / 180.0) * 300.0));
}

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
        const int y = FaceSighting(sighting);
        DrawFrame();
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

// A note or key the player has taken is no longer drawn where it lay: the pixel that showed it
// shows what it lay on once its icon is owned, and already on the frame whose press took it (the
// icon is granted after the items are drawn); after a restart it lies there again.
TEST(HousePick, ATakenNoteOrKeyIsNoLongerDrawnWhereItLay) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    OpenGameWindow();
    for (int i = 0; i < 4; ++i) {
        const housecheck::KeptItem& item = housecheck::kKeptItems[i];
        SCOPED_TRACE(item.model);
        const std::vector<housecheck::Triangle>& triangles =
            housecheck::Scene().keptItems[i].triangles;
        ASSERT_FALSE(triangles.empty());
        const housecheck::RayCaster own(triangles);
        housecheck::SightTarget target;
        target.sampleIn = housecheck::BoundsOf(triangles);
        target.model = &own;
        const housecheck::Sighting sighting =
            housecheck::FindSightingOf(target, target.sampleIn.min.y >= 2.5, false);
        ASSERT_TRUE(sighting.found);
        ResetGameForTest();
        g_screens.startScreenShown = 0;
        const int y = FaceSighting(sighting);
        DrawFrame();
        const Rgb lying = PixelAt(400, y);
        const int icon = g_boxIcon[item.box];
        struct Taken {
            const char* how;
            int pickedBox;
            std::uint8_t owned;
        };
        for (const Taken& taken :
             {Taken{"icon owned", -1, 1}, Taken{"box just picked", item.box, 0}}) {
            SCOPED_TRACE(taken.how);
            g_pickedBox = taken.pickedBox;
            g_iconOwned[icon] = taken.owned;
            DrawFrame();
            const Rgb gone = PixelAt(400, y);
            const int difference = std::abs(lying.r - gone.r) + std::abs(lying.g - gone.g) +
                                   std::abs(lying.b - gone.b);
            EXPECT_GT(difference, 60) << "pixel (400, " << y << ") still shows the item";
            if (difference <= 60)
                SaveWindowPng(std::string("/tmp/escape-house-taken-") + item.model + ".png");
        }
        g_pickedBox = -1;
        g_iconOwned[icon] = 0;
        DrawFrame();
        const Rgb again = PixelAt(400, y);
        EXPECT_EQ(again.r, lying.r);
        EXPECT_EQ(again.g, lying.g);
        EXPECT_EQ(again.b, lying.b);
    }
}

}  // namespace
