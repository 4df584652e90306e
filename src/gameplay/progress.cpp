// The progress rules. They run on every frame with the values latched by the last press, so
// each one is written to do nothing more when repeated: an ending locks its own box, a used-up
// icon is removed, a key only enables again what it already enabled.
#include "gameplay/progress.h"

#include "core/game_state.h"
#include "platform/clock.h"

namespace {

// A bread moves the start of the countdown by ten seconds of clock ticks.
constexpr ClockTicks kBreadTicks = 10000;

// The boxes that end the game; any ending locks all four so the latched pick, which outlives
// the restart, cannot end the next game too.
constexpr int kEndingBoxes[] = {4, 12, 13, 14};
// The boxes that start each game locked.
constexpr int kLockedAtStart[] = {2, 4, 10, 12, 13, 14};

// The cabinet, box 2, gives two icons: the second bread and the second note.
constexpr int kCabinetBox = 2;
constexpr int kHammerBox = 5;
constexpr int kBreadBox = 8;

bool IsEnabledBox(int box) {
    return box >= 0 && box < kPickBoxCount && g_boxEnabled[box] == 1;
}

}  // namespace

void RunEndingTrigger(int pickedBox) {
    if (!IsEnabledBox(pickedBox)) return;
    switch (pickedBox) {
        case 4:  // the upstairs window: a fall
            g_gameMode = 0;
            g_endingCode = 1;
            break;
        case 12:  // the front door
        case 13:  // the ground-floor window
            g_gameMode = 2;
            g_endingCode = 3;
            break;
        case 14:  // the gas boiler
            g_gameMode = 0;
            g_endingCode = 2;
            break;
        default:
            return;
    }
    for (int box : kEndingBoxes) g_boxEnabled[box] = 0;
}

// The hammer and the bread stay enabled for ever: picking them again only hides them again.
void HideTakenItems(int pickedBox) {
    if (pickedBox == kHammerBox) g_hammerVisible = 0;
    if (pickedBox == kBreadBox) g_breadVisible = 0;
}

void GrantIcon(int pickedBox) {
    if (!IsEnabledBox(pickedBox)) return;
    if (pickedBox == kCabinetBox) {
        g_iconOwned[2] = 1;
        g_iconOwned[8] = 1;
        return;
    }
    // The calendar, the last box, has no icon entry; icon 0 is the bar itself, owned already.
    if (pickedBox >= kPickBoxCount - 1) return;
    g_iconOwned[g_boxIcon[pickedBox]] = 1;
}

bool GrantWouldGiveIcon(int pickedBox) {
    if (!IsEnabledBox(pickedBox)) return false;
    if (pickedBox == kCabinetBox) return g_iconOwned[2] == 0 || g_iconOwned[8] == 0;
    if (pickedBox >= kPickBoxCount - 1) return false;
    const int icon = g_boxIcon[pickedBox];
    return icon != 0 && g_iconOwned[icon] == 0;
}

bool PlaceEmptied(int pickedBox) {
    if (!IsEnabledBox(pickedBox) || GrantWouldGiveIcon(pickedBox)) return false;
    return pickedBox == kCabinetBox || (pickedBox < kPickBoxCount - 1 && g_boxIcon[pickedBox] != 0);
}

int UseIcon(int icon) {
    if (icon < 1 || icon >= kIconCount || g_iconOwned[icon] != 1) return 0;
    switch (icon) {
        case 1:  // bread 1: ten more seconds, eaten
            g_startClock += kBreadTicks;
            g_iconOwned[1] = 0;
            break;
        case 2:  // bread 2: ten seconds fewer, eaten
            g_startClock -= kBreadTicks;
            g_iconOwned[2] = 0;
            break;
        case 3:  // the hammer breaks the way to both windows and the boiler, and is used up
            g_boxEnabled[4] = 1;
            g_boxEnabled[13] = 1;
            g_boxEnabled[14] = 1;
            g_iconOwned[3] = 0;
            break;
        case 4:  // key 1 opens the cabinet
            g_boxEnabled[2] = 1;
            break;
        case 5:  // key 2 opens the wall safe
            g_boxEnabled[10] = 1;
            break;
        case 6:  // key 3 opens the front door
            g_boxEnabled[12] = 1;
            break;
        default:  // a note: its large picture shows while it stays selected
            return icon;
    }
    return 0;
}

void ResetInventory() {
    for (int icon = 1; icon < kIconCount; ++icon) g_iconOwned[icon] = 0;
    for (int box : kLockedAtStart) g_boxEnabled[box] = 0;
}
