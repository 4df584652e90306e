// Monotonic millisecond clock with a manual replacement for tests and scripted runs.
#include "platform/clock.h"

#include <chrono>  // Required for: std::chrono::steady_clock

namespace {

const std::chrono::steady_clock::time_point g_processStart = std::chrono::steady_clock::now();
bool g_manual = false;
ClockTicks g_manualNow = 0;

}  // namespace

ClockTicks GameClock() {
    if (g_manual) return g_manualNow;
    const auto elapsed = std::chrono::steady_clock::now() - g_processStart;
    // Wraps after 24 days like the 32-bit clock it stands in for; the countdown only looks at
    // differences of a few minutes.
    return static_cast<ClockTicks>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void UseManualClock(ClockTicks start) {
    g_manual = true;
    g_manualNow = start;
}

void AdvanceManualClock(ClockTicks milliseconds) {
    g_manualNow += milliseconds;
}

void UseMonotonicClock() {
    g_manual = false;
}

bool ManualClockInUse() {
    return g_manual;
}
