// Which info picture a left press shows. No OpenGL here: the choice is a table walked in
// order, so the mouse rules can be tested without a window.
#include "hud/info_picture.h"

#include "core/game_state.h"

namespace {

enum class Condition {
    kAlways,
    kFirstTime,    // only while the row's one-shot permission lasts; using it spends it
    kBoxLocked,    // only while the row's box is still locked
    kBoxUnlocked,  // only once the row's box has been unlocked
};

struct InfoPictureRow {
    int boxes[4];  // the boxes the row answers, -1 for unused places
    Condition condition;
    int firstTimeFlag;  // which one-shot permission a kFirstTime row spends
    int picture;
};

// In the order they are tried. Rows share no box except boxes 2 and 10, whose two rows each
// exclude each other: like the safe, the cabinet says "locked" only while it is, so the press
// that opens it does not seem to fail. A box on no row (the keypad's box 15, a spent one-shot
// box) leaves the picture alone.
constexpr InfoPictureRow kInfoPictureRows[] = {
    {{1, -1, -1, -1}, Condition::kFirstTime, 0, 1},     // where key 1 lies
    {{7, -1, -1, -1}, Condition::kFirstTime, 1, 1},     // where key 2 lies
    {{0, -1, -1, -1}, Condition::kFirstTime, 2, 3},     // where note 1 lies
    {{4, 13, -1, -1}, Condition::kAlways, 0, 2},        // the windows the hammer opens
    {{12, -1, -1, -1}, Condition::kAlways, 0, 4},       // the front door, which key 3 opens
    {{2, -1, -1, -1}, Condition::kBoxLocked, 0, 4},     // the cabinet key 1 opens, still locked
    {{2, -1, -1, -1}, Condition::kBoxUnlocked, 0, 3},   // the same once open: it gives note 2
    {{10, -1, -1, -1}, Condition::kBoxLocked, 0, 4},    // the place key 2 opens, still locked
    {{10, -1, -1, -1}, Condition::kBoxUnlocked, 0, 1},  // the same place once open
    {{5, -1, -1, -1}, Condition::kAlways, 0, 5},        // the hammer
    {{8, -1, -1, -1}, Condition::kAlways, 0, 6},        // the bread
    {{14, -1, -1, -1}, Condition::kAlways, 0, 7},       // the boiler
    {{9, -1, -1, -1}, Condition::kAlways, 0, 3},        // the nightstand, which gives note 3
    {{3, 6, 11, -1}, Condition::kAlways, 0, 0},         // three places with nothing to take
    {{16, -1, -1, -1}, Condition::kAlways, 0, 8},       // the one comment without an item
};

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
    firstTime[0] = firstTime[1] = firstTime[2] = 1;
    shown = 0;
    current = 0;
}

void InfoPicture::Select(int box) {
    if (box == -1) {
        current = -1;
        shown = 0;
        return;
    }
    for (const InfoPictureRow& row : kInfoPictureRows) {
        if (!RowAnswers(row, box)) continue;
        switch (row.condition) {
            case Condition::kAlways:
                break;
            case Condition::kFirstTime:
                if (firstTime[row.firstTimeFlag] == 0) continue;
                firstTime[row.firstTimeFlag] = 0;
                break;
            case Condition::kBoxLocked:
                if (g_boxEnabled[box] != 0) continue;
                break;
            case Condition::kBoxUnlocked:
                if (g_boxEnabled[box] == 0) continue;
                break;
        }
        shown = 1;
        current = row.picture;
        shownAt[0] = g_playerX;
        shownAt[1] = g_playerY;
        shownAt[2] = g_playerZ;
        shownAt[3] = g_yaw;
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
