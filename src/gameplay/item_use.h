// The word a press gives when the item in hand does nothing where it lands, or when it finds
// nothing to take: without it a player cannot tell a wrong place from a missed one, and tries the
// same place again. No OpenGL here; item_use_draw.cpp writes the line over the house.
#pragma once

#include "platform/clock.h"

// What the player holds ready for the next press on the house.
enum class HeldItem {
    kNothing,
    kKey1,    // clicked in the bar just before: it opens the cabinet upstairs
    kKey2,    // the wall safe behind the bookcase
    kKey3,    // the front door
    kHammer,  // raised, until it strikes a window or the boiler
};

// How long the line stays: long enough to read, and the countdown's frames take it away.
inline constexpr ClockTicks kItemUseLineTicks = 2000;

// The item in hand as the latched press left it: a key the last press used in the bar, or the
// raised hammer. Read before a new press replaces the latched slot.
HeldItem ItemInHand();
// The line a left press on the house with `held` in hand shows when it lands on pick box `box`
// (-1 where no place lies): nullptr where the item works (its own lock, the hammer's windows and
// the boiler) and where the press answers by itself (it takes something, or opens the keypad).
// With nothing in hand, a press on no place at all, or on a place whose things are all in the bar
// already, gets a line.
const char* ItemUseLine(HeldItem held, int box);

// Keeps the line of a left press on the house, for kItemUseLineTicks from now; a press with
// nothing to say takes the last line away.
void NoteItemUse(HeldItem held, int box);
// Shows `line` over the house for `ticks` from now: the same word under the view for what a
// rule does out of sight (the bookcase sliding aside while the keypad panel covers it).
void ShowHouseLine(const char* line, ClockTicks ticks);
// Takes the line away (a press on a start or end picture: a new game starts without it).
void ClearItemUseLine();
// The line to write over the house now, nullptr when none is due.
const char* ItemUseLineShown();
// Writes the line shown now, centred near the bottom of a window w by h on a dark band.
void DrawItemUseLine(int w, int h);
