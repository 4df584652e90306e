// The pictures agree with each other and with what they show: the sky is above and the ground
// below, and the calendar on the wall rings the same day as its close-up.
#include <gtest/gtest.h>

#include <string>  // Required for: std::string

#include "pictures_support.h"

namespace {

TEST(SkyPictures, SkyAboveAndGroundBelow) {
    const Picture top = LoadPicture("Data/Picture/otop.tga");
    const Picture bottom = LoadPicture("Data/Picture/dn.tga");
    const MeanColour sky = Mean(top, 0, 0, top.width, top.height);
    const MeanColour ground = Mean(bottom, 0, 0, bottom.width, bottom.height);
    EXPECT_GT(sky.b, sky.g) << "the sky is blue";
    EXPECT_GT(ground.g, ground.b) << "the ground is green";
    for (const char* side : {"ofront", "oback", "oleft", "oright"}) {
        SCOPED_TRACE(side);
        const Picture face = LoadPicture(std::string("Data/Picture/") + side + ".tga");
        const MeanColour upper = Mean(face, 0, 0, face.width, face.height * 0.4);
        const MeanColour lower = Mean(face, 0, face.height * 0.6, face.width, face.height);
        EXPECT_GT(upper.b, lower.b);
        EXPECT_GT(lower.g - lower.b, upper.g - upper.b);
    }
}

// Where the red ring round the gas check's day lies: the centre of the strongly red pixels in
// the rows of the grid (the ring is drawn in a purer red than the Sundays).
struct RingCentre {
    double x = 0, y = 0;
    int pixels = 0;
};
RingCentre FindRing(const Picture& picture, int top, int bottom) {
    RingCentre ring;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.At(x, y);
            if (p.r > 150 && p.r > 3.3 * (p.g + p.b)) {
                ring.x += x;
                ring.y += y;
                ++ring.pixels;
            }
        }
    }
    if (ring.pixels > 0) ring = {ring.x / ring.pixels, ring.y / ring.pixels, ring.pixels};
    return ring;
}

// The calendar on the boiler room's wall and its close-up (info picture 8) ring the same day in
// the same week and weekday column: both grids run from Monday to Sunday.
TEST(PicturesLayout, TheCalendarOnTheWallAndItsCloseUpRingTheSameDayInTheSameColumn) {
    const Picture closeUp = LoadPicture("Data/Picture/info8.tga");
    const Picture wall = LoadPicture("Data/Model/house_main/calendar_90.bmp");
    ASSERT_EQ(wall.width, 128);
    // The close-up's grid: seven columns 30 wide from x 15, weeks 33 high from y 128; the wall
    // calendar's: columns 17 wide from x 6, weeks 17 high from y 40.
    const RingCentre onCloseUp = FindRing(closeUp, 128, 128 + 5 * 33);
    const RingCentre onWall = FindRing(wall, 36, 128);
    ASSERT_GT(onCloseUp.pixels, 50);
    ASSERT_GT(onWall.pixels, 30);
    EXPECT_EQ(static_cast<int>((onWall.x - 6) / 17), static_cast<int>((onCloseUp.x - 15) / 30));
    EXPECT_EQ(static_cast<int>((onWall.y - 40) / 17), static_cast<int>((onCloseUp.y - 128) / 33));
}

}  // namespace
