// Which info picture a left press shows: the table in its order, the one-shot boxes, box 10
// locked and unlocked, and presses that must leave the picture alone.
#include <gtest/gtest.h>

#include <GL/freeglut.h>  // Required for: GLUT_DOWN, GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON

#include "app/countdown.h"
#include "app/game_state.h"
#include "gameplay/picking.h"
#include "hud/info_picture.h"
#include "platform/toolkit.h"

namespace {

class HudInfoPictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        picture.Init();
    }
    InfoPicture picture;
};

TEST_F(HudInfoPictureTest, InitGivesEveryOneShotAndShowsNothing) {
    picture.shown = 1;
    picture.current = 6;
    picture.firstTime[1] = 0;
    picture.Init();
    EXPECT_EQ(picture.shown, 0);
    EXPECT_EQ(picture.current, 0);
    EXPECT_EQ(picture.firstTime[0], 1);
    EXPECT_EQ(picture.firstTime[1], 1);
    EXPECT_EQ(picture.firstTime[2], 1);
}

TEST_F(HudInfoPictureTest, FirstPressOnEachBoxShowsItsPicture) {
    // With the locks as a game starts; -1 for a box that leaves the picture as it was.
    const int expected[kPickBoxCount] = {3, 1, 4, 0, 2, 5, 0, 1, 6, 3, 4, 0, 4, 2, 7, -1, 8};
    for (int box = 0; box < kPickBoxCount; ++box) {
        SCOPED_TRACE(box);
        picture.Init();
        picture.Select(box);
        if (expected[box] < 0) {
            EXPECT_EQ(picture.shown, 0);
            EXPECT_EQ(picture.current, 0);
        } else {
            EXPECT_EQ(picture.shown, 1);
            EXPECT_EQ(picture.current, expected[box]);
        }
    }
}

TEST_F(HudInfoPictureTest, OneShotBoxesShowTheirPictureOnlyOnce) {
    struct Case {
        int box, picture, flag;
    };
    for (const Case& c : {Case{1, 1, 0}, Case{7, 1, 1}, Case{0, 3, 2}}) {
        SCOPED_TRACE(c.box);
        picture.Init();
        picture.Select(c.box);
        EXPECT_EQ(picture.shown, 1);
        EXPECT_EQ(picture.current, c.picture);
        EXPECT_EQ(picture.firstTime[c.flag], 0);
        // Only its own permission is spent.
        for (int other = 0; other < 3; ++other) {
            if (other != c.flag) {
                EXPECT_EQ(picture.firstTime[other], 1);
            }
        }
        picture.Select(-1);  // a press on the sky hides it
        EXPECT_EQ(picture.shown, 0);
        EXPECT_EQ(picture.current, -1);
        picture.Select(c.box);  // the second time nothing comes back
        EXPECT_EQ(picture.shown, 0);
        EXPECT_EQ(picture.current, -1);
        picture.Select(5);
        picture.Select(c.box);  // nor does it change what another box shows
        EXPECT_EQ(picture.shown, 1);
        EXPECT_EQ(picture.current, 5);
    }
}

TEST_F(HudInfoPictureTest, SpentOneShotsStaySpentThroughARestart) {
    picture.Select(1);
    picture.Select(0);
    RestartGame();
    picture.Select(-1);
    EXPECT_EQ(picture.firstTime[0], 0);
    EXPECT_EQ(picture.firstTime[1], 1);
    EXPECT_EQ(picture.firstTime[2], 0);
    picture.Select(1);
    EXPECT_EQ(picture.shown, 0);
    picture.Select(7);
    EXPECT_EQ(picture.shown, 1);
    EXPECT_EQ(picture.current, 1);
}

// The safe and the cabinet say "locked" only while they are; once open, what they gave. The
// front door says "a lock" locked or not (its open press ends the game).
TEST_F(HudInfoPictureTest, LockedPlacesChooseTheirPictureByTheLock) {
    struct Case {
        int box;
        int lockedPicture, openPicture;
    };
    for (const Case& c : {Case{10, 4, 1}, Case{2, 4, 3}, Case{12, 4, 4}}) {
        g_boxEnabled[c.box] = 0;
        picture.Select(c.box);
        EXPECT_EQ(picture.current, c.lockedPicture) << "box " << c.box;
        g_boxEnabled[c.box] = 1;
        picture.Select(c.box);
        EXPECT_EQ(picture.current, c.openPicture) << "box " << c.box;
        EXPECT_EQ(picture.shown, 1);
        g_boxEnabled[c.box] = 0;
    }
}

// A step or a turn puts the picture away; a press that changes nothing of the pose does not.
TEST_F(HudInfoPictureTest, StepsAndTurnsPutThePictureAway) {
    float* const pose[] = {&g_playerX, &g_playerY, &g_playerZ, &g_yaw};
    for (float* value : pose) {
        picture.Select(5);
        picture.HideIfPlayerMoved();
        EXPECT_EQ(picture.shown, 1);
        const float before = *value;
        *value += 0.1f;
        picture.HideIfPlayerMoved();
        EXPECT_EQ(picture.shown, 0);
        EXPECT_EQ(picture.current, -1);
        *value = before;
    }
}

TEST_F(HudInfoPictureTest, TheKeypadBoxAndUnknownBoxesLeaveThePictureAlone) {
    picture.Select(14);
    for (int box : {15, 17, 100, -2}) {
        SCOPED_TRACE(box);
        picture.Select(box);
        EXPECT_EQ(picture.shown, 1);
        EXPECT_EQ(picture.current, 7);
    }
}

// Through the real mouse callback, with a stand-in for the depth-buffer pick.
int g_boxUnderCursor = -1;
int BoxUnderCursor(int, int) {
    return g_boxUnderCursor;
}

class HudInfoPictureMouseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameStateToStart();
        InstallCountingToolkit();
        SetWorldPick(BoxUnderCursor);
        g_windowWidth = 800;
        g_windowHeight = 600;
        g_infoPicture.Init();
    }
    void TearDown() override { SetWorldPick(nullptr); }
    static void Press(int button, int box) {
        g_boxUnderCursor = box;
        OnMouse(button, GLUT_DOWN, 400, 300);
        OnMouse(button, GLUT_UP, 400, 300);
    }
};

TEST_F(HudInfoPictureMouseTest, OnlyLeftPressesChangeThePicture) {
    Press(GLUT_LEFT_BUTTON, 5);
    EXPECT_EQ(g_infoPicture.shown, 1);
    EXPECT_EQ(g_infoPicture.current, 5);
    // Right and middle presses over another box, or over the sky, leave it.
    for (int button : {GLUT_RIGHT_BUTTON, GLUT_MIDDLE_BUTTON}) {
        for (int box : {8, -1}) {
            Press(button, box);
            EXPECT_EQ(g_infoPicture.shown, 1);
            EXPECT_EQ(g_infoPicture.current, 5);
        }
    }
    Press(GLUT_LEFT_BUTTON, -1);
    EXPECT_EQ(g_infoPicture.shown, 0);
    EXPECT_EQ(g_infoPicture.current, -1);
}

TEST_F(HudInfoPictureMouseTest, SecondPressOnTheFirstKeysPlaceAfterTheSkyShowsNothing) {
    Press(GLUT_LEFT_BUTTON, 1);
    EXPECT_EQ(g_infoPicture.current, 1);
    Press(GLUT_LEFT_BUTTON, -1);
    Press(GLUT_LEFT_BUTTON, 1);
    EXPECT_EQ(g_infoPicture.shown, 0);
}

}  // namespace
