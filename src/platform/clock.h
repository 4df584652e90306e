// The game's one clock: milliseconds since start-up as a 32-bit signed value, 1000 ticks a
// second, read from a monotonic source. Tests and the replay driver replace the source with a
// clock they move themselves, so a run is the same every time.
#pragma once

#include <cstdint>  // Required for: std::int32_t

using ClockTicks = std::int32_t;

// Ticks per second of GameClock(); the countdown and the breads count in these.
inline constexpr ClockTicks kClockTicksPerSecond = 1000;

// The current reading of the game clock.
ClockTicks GameClock();

// Replaces the monotonic source by a manual clock that only moves through AdvanceManualClock.
void UseManualClock(ClockTicks start);

// Moves the manual clock forward (or back, for negative values).
void AdvanceManualClock(ClockTicks milliseconds);

// Puts the monotonic source back.
void UseMonotonicClock();

// True while the manual clock is in force: nothing may wait for real time then.
bool ManualClockInUse();
