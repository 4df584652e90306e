// The game's own pick and drawing in a real window: standing where the house checks find each
// clickable place in sight, the player turns to it and the pick through the depth buffer finds
// its box; the notes and keys the player takes vanish from where they lay.
#include <gtest/gtest.h>

#include <cmath>    // Required for: std::atan2(), std::sqrt(), std::tan(), std::lround()
#include <cstdlib>  // Required for: std::getenv(), std::abs()
#include <string>   // Required for: std::string

#include "app/game_state.h"
#include "data/house_scene.h"
#include "gameplay/keypad.h"
#include "gameplay/picking.h"
#include "support/game_window.h"

namespace {

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

TEST(HousePick, ClickingEachPlaceFromWhereItIsSeenPicksIt) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display (run ./test)";
    OpenGameWindow();
    for (int box = 0; box < kPickBoxTotal; ++box) {
        SCOPED_TRACE("pick box " + std::to_string(box));
        const bool passageOpen = box == 10 || box == 11;
        const housecheck::Sighting sighting = housecheck::FindSighting(box, passageOpen);
        ASSERT_TRUE(sighting.found);
        const int y = FaceSighting(sighting, passageOpen);
        const int picked = PickWorld(400, y);
        EXPECT_EQ(picked, box) << "standing at row " << sighting.cell.row << " column "
                               << sighting.cell.column << ", clicking pixel (400, " << y << ")";
        if (picked != box) SaveWindowPng("/tmp/escape-house-pick-" + std::to_string(box) + ".png");
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
        const housecheck::SightTarget target = housecheck::KeptItemTarget(i);
        const housecheck::Sighting sighting =
            housecheck::FindSightingOf(target, target.sampleIn.min.y >= 2.5, false);
        ASSERT_TRUE(sighting.found);
        const int y = FaceSighting(sighting, false);
        const Rgb lying = PixelAt(400, y);
        const int icon = g_boxIcon[item.box];
        for (const auto& [pickedBox, owned] : {std::pair{-1, 1}, {item.box, 0}}) {
            g_pickedBox = pickedBox;
            g_iconOwned[icon] = static_cast<std::uint8_t>(owned);
            DrawFrame();
            EXPECT_GT(Difference(lying, PixelAt(400, y)), 60)
                << (owned ? "icon owned" : "box just picked") << ": pixel (400, " << y
                << ") still shows the item";
        }
        g_pickedBox = -1;
        g_iconOwned[icon] = 0;
        DrawFrame();
        EXPECT_EQ(Difference(lying, PixelAt(400, y)), 0) << "not back after a restart";
    }
}

}  // namespace
