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

// Every box in the four states a place can be in: -1 where no card comes up. A card speaks of
// the place as the press finds it: "you found" only while the item is still there to take, the
// lock only while locked; the three places that never held anything always say so, never that
// they were emptied.
TEST_F(HudInfoPictureTest, EachBoxShowsTheCardTrueForItsState) {
    struct State {
        const char* name;
        bool unlocked;    // boxes 2, 4, 10, 12, 13 and 14 enabled
        bool itemsTaken;  // icons 1 to 9 owned
    };
    const State states[4] = {{"as a game starts", false, false},
                             {"items taken", false, true},
                             {"unlocked", true, false},
                             {"unlocked, items taken", true, true}};
    // By box, the card in each state in the order above.
    const int expected[kPickBoxCount][4] = {
        {3, -1, 3, -1},    //  0 note 1 on the table
        {1, -1, 1, -1},    //  1 key 1 on the crate
        {4, 4, 3, -1},     //  2 the cabinet: locked, then note 2 and a bread
        {0, 0, 0, 0},      //  3 the picture upstairs
        {2, 2, 2, 2},      //  4 the upstairs window
        {5, 5, 5, 5},      //  5 the hammer
        {0, 0, 0, 0},      //  6 the radio
        {1, -1, 1, -1},    //  7 key 2 in the wardrobe
        {6, 6, 6, 6},      //  8 the bread
        {3, -1, 3, -1},    //  9 note 3 on the nightstand
        {4, 4, 1, -1},     // 10 the safe: locked, then key 3
        {0, 0, 0, 0},      // 11 the portrait by the safe
        {4, 4, 4, 4},      // 12 the front door
        {2, 2, 2, 2},      // 13 the ground-floor window
        {7, 7, 7, 7},      // 14 the boiler
        {-1, -1, -1, -1},  // 15 the keypad: its panel opens instead
        {8, 8, 8, 8},      // 16 the calendar
    };
    for (int s = 0; s < 4; ++s) {
        for (int box = 0; box < kPickBoxCount; ++box) {
            SCOPED_TRACE(testing::Message() << states[s].name << ", box " << box);
            ResetGameStateToStart();
            for (int locked : {2, 4, 10, 12, 13, 14}) g_boxEnabled[locked] = states[s].unlocked;
            for (int icon = 1; icon < kIconCount; ++icon) g_iconOwned[icon] = states[s].itemsTaken;
            // Whatever was up before, the press on the box decides alone.
            picture.Select(14);
            picture.Select(box);
            ExpectShown(expected[box][s] >= 0, expected[box][s]);
        }
    }
}

// A place answers "you found" until its own item is in the bar, whatever else is.
TEST_F(HudInfoPictureTest, APlaceIsEmptiedOnlyByTakingItsOwnItem) {
    struct Case {
        int box, item, picture;
    };
    for (const Case& c : {Case{0, 7, 3}, Case{1, 4, 1}, Case{7, 5, 1}, Case{9, 9, 3}, Case{2, 8, 3},
                          Case{10, 6, 1}}) {
        SCOPED_TRACE(c.box);
        ResetGameStateToStart();
        g_boxEnabled[c.box] = 1;
        for (int icon = 1; icon < kIconCount; ++icon) g_iconOwned[icon] = icon != c.item;
        picture.Select(c.box);
        ExpectShown(1, c.picture);
        g_iconOwned[c.item] = 1;
        picture.Select(c.box);
        ExpectShown(0, -1);
        // A new game lays the item out again: the card comes back.
        g_iconOwned[c.item] = 0;
        picture.Select(c.box);
        ExpectShown(1, c.picture);
    }
}

// No box, or a box out of range, puts any card away.
TEST_F(HudInfoPictureTest, APressOnNoPlacePutsTheCardAway) {
    for (int box : {-1, 17, 100, -2}) {
        picture.Select(5);
        ExpectShown(1, 5);
        picture.Select(box);
        ExpectShown(0, -1);
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
