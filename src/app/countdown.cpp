// Countdown and restart.
#include "app/countdown.h"

#include <cstring>  // Required for: std::memcpy()

#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/progress.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "world/held_keys.h"
#include "world/movement.h"
#include "world/wall_layout.h"

void UpdateTimeText(int seconds) {
    // Breads can lift the count above three minutes; one minutes digit shows up to 9:59.
    const int minutes = seconds / 60 > 9 ? 9 : seconds / 60;
    g_timeText[1] = static_cast<char>('0' + minutes);
    g_timeText[3] = static_cast<char>('0' + (seconds % 60) / 10);
    g_timeText[4] = static_cast<char>('0' + (seconds % 60) % 10);
}

namespace {

// Gives the core back for up to `milliseconds`, or until the next repeat of a held key, or until
// a key or a click comes. Under the manual clock no real time passes, so nothing waits.
void WaitForInputOrRepeat(ClockTicks milliseconds) {
    if (ManualClockInUse()) return;
    const ClockTicks untilRepeat = TicksUntilNextKeyRepeat(GameClock());
    if (untilRepeat >= 0 && untilRepeat < milliseconds) milliseconds = untilRepeat;
    Toolkit().waitForInput(static_cast<int>(milliseconds));
}

}  // namespace

void OnIdle() {
    // Held keys walk and turn on whatever the window shows, as pressed keys do.
    if (RunKeyRepeats(GameClock())) Toolkit().postRedisplay();
    // The start and end pictures stop the clock: nobody runs out of time before pressing START
    // (which starts the three minutes afresh), and an end picture stays the ending it was.
    // A paused game's countdown stands still too, and there is nothing to draw until P.
    if (g_startScreenShown || g_endScreenShown || g_paused) {
        WaitForInputOrRepeat(kClockTicksPerSecond);
        return;
    }
    const int previous = g_secondsLeft;
    const ClockTicks elapsed = GameClock() - g_startClock;
    g_secondsLeft = kSecondsPerGame - elapsed / kClockTicksPerSecond;
    // A count that rose (START, a fresh bread) shows at once, as does one that fell.
    if (previous == g_secondsLeft) {
        // Nothing to show until the next second.
        const ClockTicks intoSecond = elapsed % kClockTicksPerSecond;
        WaitForInputOrRepeat(intoSecond >= 0 ? kClockTicksPerSecond - intoSecond : -intoSecond);
        return;
    }
    if (g_secondsLeft >= 0) {
        UpdateTimeText(g_secondsLeft);
        Toolkit().drawFrameNow();
        return;
    }
    // Time is up. The text keeps the last value shown; the next frame runs the restart.
    g_startClock = GameClock();
    g_gameMode = 0;
    g_endingCode = 0;
    Toolkit().postRedisplay();
}

void RestartGame() {
    std::memcpy(g_timeText, "03:00", sizeof g_timeText);
    ResetPose();
    g_endScreenShown = 1;
    g_gameMode = 1;
    ResetInventory();
    g_hammerVisible = 1;
    g_breadVisible = 1;
    g_keypad.Reset();
    PlayTune();
    CloseBookcasePassage();
    // This frame still shows the house; the end picture comes with the next one. The countdown,
    // which stands still under the picture, will not ask for it.
    Toolkit().postRedisplay();
}
