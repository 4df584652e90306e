// Which press with an item in hand deserves a word, and for how long.
#include "gameplay/item_use.h"

#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/progress.h"
#include "hud/icon_bar.h"

namespace {

// Each key's slot in the bar and the one lock it opens.
struct KeyUse {
    int slot;
    HeldItem item;
    int lock;
};
constexpr KeyUse kKeys[] = {
    {4, HeldItem::kKey1, 2},   // the cabinet upstairs
    {5, HeldItem::kKey2, 10},  // the wall safe
    {6, HeldItem::kKey3, 12},  // the front door
};
// The places the raised hammer strikes: two windows and the boiler.
constexpr int kHammerTargets[] = {4, 13, 14};

// Each line says only what is true wherever it can be shown, and tells a wrong place from a
// miss: another key's lock does not take this key; anywhere else (a wall, the block beside the
// safe, a place that is no lock) there is nothing to unlock, so the player looks for the lock
// rather than doubting the key; and no place but the two windows and the boiler gives way to the
// hammer (walls, barred and boarded windows, furniture, the locks).
constexpr const char* kWrongLockLine = "钥匙不对　This key does not fit this lock";
constexpr const char* kNoLockLine = "这里没有要开的锁　Nothing to unlock here";
constexpr const char* kHammerLine = "锤子砸不开这里　The hammer cannot break this";
// With nothing in hand, a second press on a place already emptied: without a word it looks like
// a missed press, and the player tries it again.
constexpr const char* kTakenLine = "已经拿走了　You already took what was here";
// With nothing in hand, a press that lands on no place at all (a wall, a bed, a missed lock):
// players took silence for a press the game had not noticed.
constexpr const char* kNothingHereLine = "这里没有可拿的东西　Nothing to take here";

const char* g_lineShown = nullptr;
ClockTicks g_lineUntil = 0;

bool IsLock(int box) {
    for (const KeyUse& key : kKeys) {
        if (box == key.lock) return true;
    }
    return false;
}

bool WorksOn(HeldItem held, int box) {
    if (held == HeldItem::kHammer) {
        for (int target : kHammerTargets) {
            if (box == target) return true;
        }
        return false;
    }
    for (const KeyUse& key : kKeys) {
        if (key.item == held) return box == key.lock;
    }
    return false;
}

}  // namespace

HeldItem ItemInHand() {
    const int slot = SlotInHand();
    for (const KeyUse& key : kKeys) {
        if (slot == key.slot) return key.item;
    }
    return HammerRaised() ? HeldItem::kHammer : HeldItem::kNothing;
}

const char* ItemUseLine(HeldItem held, int box) {
    if (held == HeldItem::kNothing) {
        if (box < 0) return kNothingHereLine;
        return PlaceEmptied(box) ? kTakenLine : nullptr;
    }
    if (WorksOn(held, box)) return nullptr;
    // The panel that opens, or the item taken, shows the press was not lost.
    if (box == kKeypadPickBox || GrantWouldGiveIcon(box)) return nullptr;
    if (held == HeldItem::kHammer) return kHammerLine;
    return IsLock(box) ? kWrongLockLine : kNoLockLine;
}

void NoteItemUse(HeldItem held, int box) {
    g_lineShown = ItemUseLine(held, box);
    g_lineUntil = GameClock() + kItemUseLineTicks;
}

void ShowHouseLine(const char* line, ClockTicks ticks) {
    g_lineShown = line;
    g_lineUntil = GameClock() + ticks;
}

void ClearItemUseLine() {
    g_lineShown = nullptr;
}

const char* ItemUseLineShown() {
    if (g_lineShown == nullptr || GameClock() >= g_lineUntil) return nullptr;
    return g_lineShown;
}
