// The per-frame rules in their one order.
#include "app/frame_rules.h"

#include "app/countdown.h"
#include "core/game_state.h"
#include "gameplay/keypad.h"
#include "gameplay/progress.h"

FrameRulesOutcome RunFrameRules() {
    // Runs while a picture is shown too; the restart on the same frame raises the end picture.
    RunEndingTrigger(g_pickedBox);
    if (g_gameMode == 0 || g_gameMode == 2) RestartGame();
    if (g_startScreenShown || g_endScreenShown) return {false, 0};
    HideTakenItems(g_pickedBox);
    GrantIcon(g_pickedBox);
    const int noteSlot = g_describeMode == 0 ? UseIcon(g_messageIndex) : 0;
    if (g_keypadShown) g_keypad.CheckEntry();
    return {true, noteSlot};
}
