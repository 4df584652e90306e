// Which info picture a left press shows. No OpenGL here: the choice is a table walked in
// order, so the mouse rules can be tested without a window.
#include "hud/info_picture.h"

#include "core/game_state.h"

namespace {

enum class Condition {
    kAlways,
    kItemThere,  // only while the press takes the row's item: the place is open, the item not
                 // yet in the bar
    kBoxLocked,  // only while the row's box is still locked
};

struct InfoPictureRow {
    int boxes[4];  // the boxes the row answers, -1 for unused places
    Condition condition;
    int item;  // the icon a kItemThere row waits for
    int picture;
};

// In the order they are tried; the first whose condition holds chooses. A place that gave its
// item, like the keypad's box 15, finds no row and puts the picture away: a card about the place
// clicked before would stand over it, and "you found" again would send the player back to an
// empty place. Like the safe, the cabinet says "locked" only while it is, so the press that opens
// it does not seem to fail; the front door is always locked when it answers (the press it opens
// for ends the game).
constexpr InfoPictureRow kInfoPictureRows[] = {
    {{1, -1, -1, -1}, Condition::kItemThere, 4, 1},   // key 1 on the crate
    {{7, -1, -1, -1}, Condition::kItemThere, 5, 1},   // key 2 in the wardrobe's lock
    {{0, -1, -1, -1}, Condition::kItemThere, 7, 3},   // note 1 on the table
    {{9, -1, -1, -1}, Condition::kItemThere, 9, 3},   // note 3 on the nightstand
    {{4, 13, -1, -1}, Condition::kAlways, 0, 2},      // the windows the hammer opens
    {{12, -1, -1, -1}, Condition::kAlways, 0, 4},     // the front door, which key 3 opens
    {{2, -1, -1, -1}, Condition::kBoxLocked, 0, 4},   // the cabinet key 1 opens, still locked
    {{2, -1, -1, -1}, Condition::kItemThere, 8, 3},   // the same once open: note 2 and a bread
    {{10, -1, -1, -1}, Condition::kBoxLocked, 0, 4},  // the safe key 2 opens, still locked
    {{10, -1, -1, -1}, Condition::kItemThere, 6, 1},  // the same once open: key 3
    {{5, -1, -1, -1}, Condition::kAlways, 0, 5},      // the hammer
    {{8, -1, -1, -1}, Condition::kAlways, 0, 6},      // the bread
    {{14, -1, -1, -1}, Condition::kAlways, 0, 7},     // the boiler
    {{3, 6, 11, -1}, Condition::kAlways, 0, 0},       // three places that never held anything
    {{16, -1, -1, -1}, Condition::kAlways, 0, 8},     // the calendar
};

bool ConditionHolds(const InfoPictureRow& row, int box) {
    switch (row.condition) {
        case Condition::kAlways:
            return true;
        case Condition::kItemThere:
            return g_boxEnabled[box] != 0 && g_iconOwned[row.item] == 0;
        case Condition::kBoxLocked:
            return g_boxEnabled[box] == 0;
    }
    return false;
}

bool RowAnswers(const InfoPictureRow& row, int box) {
    for (int rowBox : row.boxes) {
        if (rowBox >= 0 && rowBox == box) return true;
    }
    return false;
}

}  // namespace

const char g_infoPicturePaths[kInfoPictureCount][32] = {
    "Data/Picture/info0.tga", "Data/Picture/info1.tga", "Data/Picture/info2.tga",
    "Data/Picture/info3.tga", "Data/Picture/info4.tga", "Data/Picture/info5.tga",
    "Data/Picture/info6.tga", "Data/Picture/info7.tga", "Data/Picture/info8.tga",
};

void InfoPicture::Init() {
    shown = 0;
    current = 0;
}

void InfoPicture::Select(int box) {
    shown = 0;
    current = -1;
    for (const InfoPictureRow& row : kInfoPictureRows) {
        if (!RowAnswers(row, box) || !ConditionHolds(row, box)) continue;
        shown = 1;
        current = row.picture;
        shownAt[0] = g_playerX;
        shownAt[1] = g_playerY;
        shownAt[2] = g_playerZ;
        shownAt[3] = g_yaw;
        return;
    }
}

void InfoPicture::HideIfPlayerMoved() {
    if (shown == 0) return;
    if (shownAt[0] != g_playerX || shownAt[1] != g_playerY || shownAt[2] != g_playerZ ||
        shownAt[3] != g_yaw) {
        shown = 0;
        current = -1;
    }
}
