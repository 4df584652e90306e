// Held movement keys: the game's own steady repeat of W, A, S and D.
// Depends on: the walking rules (a repeat is a step or a turn like a press), the shared pose
// (a repeat that changes floors ends the hold), the toolkit hooks (is the key still down).
#include "world/held_keys.h"

#include "core/game_state.h"
#include "platform/toolkit.h"
#include "world/movement.h"

namespace {

struct HeldKey {
    bool repeating = false;  // held, and its repeats go on
    int toolkitKey = 0;      // the key that pressed it, for asking whether it is still down
    ClockTicks nextDue = 0;  // when its next repeat falls due
};

HeldKey g_heldKeys[kMoveKeyCount];

HeldKey& Held(MoveKey key) {
    return g_heldKeys[static_cast<int>(key)];
}

// One step or turn. A step that carries the player to the other floor ends the hold: a W held
// into the stairs must not walk on at the landing.
void Act(MoveKey key) {
    const float floorBefore = g_playerY;
    switch (key) {
        case MoveKey::kForward:
            TakeStep(1);
            break;
        case MoveKey::kBack:
            TakeStep(-1);
            break;
        case MoveKey::kTurnLeft:
            TurnLeft();
            break;
        case MoveKey::kTurnRight:
            TurnRight();
            break;
    }
    if (g_playerY != floorBefore) Held(key).repeating = false;
}

// The held key whose next repeat falls due first, no later than `limit`; ties go to the key
// listed first. -1 when none is due.
int EarliestDue(ClockTicks limit) {
    int earliest = -1;
    for (int key = 0; key < kMoveKeyCount; ++key) {
        const HeldKey& held = g_heldKeys[key];
        if (!held.repeating || held.nextDue > limit) continue;
        if (earliest < 0 || held.nextDue < g_heldKeys[earliest].nextDue) earliest = key;
    }
    return earliest;
}

// Makes the repeats due up to `limit`, earliest first, so that two held keys (W and A, a walk
// round a corner) interleave as they would in real time.
bool RepeatUntil(ClockTicks limit) {
    bool acted = false;
    for (int key = EarliestDue(limit); key >= 0; key = EarliestDue(limit)) {
        HeldKey& held = g_heldKeys[key];
        held.nextDue += kKeyRepeatInterval;
        Act(static_cast<MoveKey>(key));
        acted = true;
    }
    return acted;
}

}  // namespace

void PressMoveKey(MoveKey key, int toolkitKey, ClockTicks now) {
    HeldKey& held = Held(key);
    held.repeating = true;
    held.toolkitKey = toolkitKey;
    held.nextDue = now + kKeyRepeatDelay;
    Act(key);
}

void ReleaseMoveKey(MoveKey key, ClockTicks now) {
    HeldKey& held = Held(key);
    if (!held.repeating) return;
    RepeatUntil(now);
    held.repeating = false;
}

bool RunKeyRepeats(ClockTicks now) {
    // A key released while another window had the keyboard never sends its release here: a
    // key the keyboard no longer holds stops, instead of walking the player on for ever.
    for (HeldKey& held : g_heldKeys) {
        if (held.repeating && held.nextDue <= now && !Toolkit().keyIsDown(held.toolkitKey)) {
            held.repeating = false;
        }
    }
    return RepeatUntil(now);
}

ClockTicks TicksUntilNextKeyRepeat(ClockTicks now) {
    ClockTicks until = -1;
    for (const HeldKey& held : g_heldKeys) {
        if (!held.repeating) continue;
        const ClockTicks wait = held.nextDue > now ? held.nextDue - now : 0;
        if (until < 0 || wait < until) until = wait;
    }
    return until;
}

void ReleaseAllMoveKeys() {
    for (HeldKey& held : g_heldKeys) held.repeating = false;
}

bool MoveKeyRepeating(MoveKey key) {
    return Held(key).repeating;
}
