// Held movement keys at a steady rate. The game ignores the desktop's own key repeat, whose
// delay and rate differ from one desktop to the next, and repeats a held W, A, S or D itself:
// a press acts at once, and from 200 ms after it the step or turn comes again 25 times a second
// until the key is released.
#pragma once

#include "platform/clock.h"

// The four things a held key does; the arrow keys do the same as W, S, A and D.
enum class MoveKey { kForward, kBack, kTurnLeft, kTurnRight };
inline constexpr int kMoveKeyCount = 4;

// A tap shorter than this is one step or one turn.
inline constexpr ClockTicks kKeyRepeatDelay = 200;
// Then one more every 40 ms: 25 a second.
inline constexpr ClockTicks kKeyRepeatInterval = 40;

// A press of `key` at `now`: its step or turn at once, and its repeats from `now` + 200 ms.
// `toolkitKey` is the key as the toolkit names it (a character, or kSpecialKeyBase plus a
// special key's code), so that a repeat can ask whether the key is really still down.
void PressMoveKey(MoveKey key, int toolkitKey, ClockTicks now);
// The release of `key` at `now`: the repeats that fell due up to `now` and were not made yet
// are made first (a release that arrives after a slow frame still walks as far as the hold did),
// then the key repeats no more.
void ReleaseMoveKey(MoveKey key, ClockTicks now);
// Makes every repeat due up to `now`, in the order they fell due, whether the clock moved a
// little or a whole second at once. True when any repeat acted.
bool RunKeyRepeats(ClockTicks now);
// Milliseconds from `now` until the next repeat falls due (0 when one is due already); -1 when
// no key repeats.
ClockTicks TicksUntilNextKeyRepeat(ClockTicks now);
// Forgets every held key (tests, and a window that lost its keyboard).
void ReleaseAllMoveKeys();
// Whether `key` is held and still repeating.
bool MoveKeyRepeating(MoveKey key);
