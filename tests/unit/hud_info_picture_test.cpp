// Which info picture a left press on a box shows, and what puts it away.
#include <gtest/gtest.h>

#include "core/game_state.h"
#include "hud/info_picture.h"

namespace {

class HudInfoPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        picture.Init();
    }
    void ExpectShown(int shown, int current) {
        EXPECT_EQ(picture.shown, shown);
        EXPECT_EQ(picture.current, current);
    }
    InfoPicture picture;
};

TEST_F(HudInfoPictureTest, FirstPressOnEachBoxShowsItsPicture) {
    // With the locks as a game starts; -1 for a box that leaves the picture as it was.
    const int expected[kPickBoxCount] = {3, 1, 4, 0, 2, 5, 0, 1, 6, 3, 4, 0, 4, 2, 7, -1, 8};
    for (int box = 0; box < kPickBoxCount; ++box) {
        SCOPED_TRACE(box);
        picture.Init();
        picture.Select(box);
        ExpectShown(expected[box] >= 0, expected[box] < 0 ? 0 : expected[box]);
    }
    // The keypad's box and boxes on no row leave a picture shown.
    picture.Select(14);
    for (int box : {15, 17, 100, -2}) {
        picture.Select(box);
        ExpectShown(1, 7);
    }
}

TEST_F(HudInfoPictureTest, OneShotBoxesShowTheirPictureOnlyOnce) {
    struct Case {
        int box, picture, flag;
    };
    for (const Case& c : {Case{1, 1, 0}, Case{7, 1, 1}, Case{0, 3, 2}}) {
        SCOPED_TRACE(c.box);
        picture.shown = 1, picture.firstTime[0] = picture.firstTime[1] = picture.firstTime[2] = 0;
        picture.Init();
        ExpectShown(0, 0);
        picture.Select(c.box);
        ExpectShown(1, c.picture);
        // Only its own permission is spent.
        for (int flag = 0; flag < 3; ++flag)
            EXPECT_EQ(picture.firstTime[flag], flag == c.flag ? 0 : 1);
        picture.Select(-1);  // a press on the sky hides it
        ExpectShown(0, -1);
        picture.Select(c.box);  // the second time nothing comes back
        ExpectShown(0, -1);
        picture.Select(5);
        picture.Select(c.box);  // nor does it change what another box shows
        ExpectShown(1, 5);
    }
}

// The safe and the cabinet say "locked" only while they are; the door always (opening it ends).
TEST_F(HudInfoPictureTest, LockedPlacesChooseTheirPictureByTheLock) {
    struct Case {
        int box, lockedPicture, openPicture;
    };
    for (const Case& c : {Case{10, 4, 1}, Case{2, 4, 3}, Case{12, 4, 4}}) {
        SCOPED_TRACE(c.box);
        g_boxEnabled[c.box] = 0;
        picture.Select(c.box);
        ExpectShown(1, c.lockedPicture);
        g_boxEnabled[c.box] = 1;
        picture.Select(c.box);
        ExpectShown(1, c.openPicture);
        g_boxEnabled[c.box] = 0;
    }
}

// A step or a turn puts the picture away; a check without a change of pose does not.
TEST_F(HudInfoPictureTest, StepsAndTurnsPutThePictureAway) {
    for (float* value : {&g_playerX, &g_playerY, &g_playerZ, &g_yaw}) {
        picture.Select(5);
        picture.HideIfPlayerMoved();
        ExpectShown(1, 5);
        *value += 0.1f;
        picture.HideIfPlayerMoved();
        ExpectShown(0, -1);
        *value -= 0.1f;
    }
}

}  // namespace
