// Pause, mute and the remembered settings, over the walking and picking callbacks.
// Depends on: the shared game state (pause, pictures, countdown), the walking and picking
// callbacks, the tune, the settings file, the toolkit hooks and the clock.
#include "app/game_input.h"

#include <GL/freeglut.h>  // Required for: GLUT_HIDDEN

#include "core/game_state.h"
#include "gameplay/item_use.h"
#include "gameplay/picking.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/toolkit.h"
#include "world/held_keys.h"
#include "world/movement.h"

namespace {

constexpr unsigned char kKeyEnter = 13;
constexpr unsigned char kKeyEscape = 27;
// How long the word after M stays under the view.
constexpr ClockTicks kMuteLineTicks = 2000;

Settings g_settings;

bool InTheHouse() {
    return !g_startScreenShown && !g_endScreenShown;
}

void Remember() {
    SaveSettings(g_settings);
}

}  // namespace

void PauseGame() {
    if (g_paused || !InTheHouse()) return;
    g_paused = true;
    g_pausedAt = GameClock();
    ReleaseAllMoveKeys();
    PauseTune(true);
    Toolkit().postRedisplay();
}

void ResumeGame() {
    if (!g_paused) return;
    // The countdown's start moves on by the time the pause took: the same time is left as when
    // it began, to the millisecond.
    g_startClock += GameClock() - g_pausedAt;
    g_paused = false;
    PauseTune(false);
    Toolkit().postRedisplay();
}

void ToggleMute() {
    g_settings.muted = !g_settings.muted;
    MuteTune(g_settings.muted);
    ShowHouseLine(g_settings.muted ? kMutedLine : kUnmutedLine, kMuteLineTicks);
    Remember();
    Toolkit().postRedisplay();
}

void OnGameKeyboard(unsigned char key, int x, int y) {
    switch (key) {
        case 'P':
        case 'p':
            if (g_paused) {
                ResumeGame();
            } else {
                PauseGame();
            }
            return;
        case 'M':
        case 'm':
            if (!g_paused) ToggleMute();
            return;
        case kKeyEnter:
            g_settings.fullScreen = true;
            Remember();
            break;
        case kKeyEscape:
            g_settings.fullScreen = false;
            Remember();
            break;
        default:
            // A paused game takes no other key: no step, no turn, no return to the start.
            if (g_paused) return;
            break;
    }
    OnKeyboard(key, x, y);
}

void OnGameKeyboardUp(unsigned char key, int x, int y) {
    OnKeyboardUp(key, x, y);
}

void OnGameSpecialKey(int key, int x, int y) {
    if (!g_paused) OnSpecialKey(key, x, y);
}

void OnGameSpecialKeyUp(int key, int x, int y) {
    OnSpecialKeyUp(key, x, y);
}

void OnGameMouse(int button, int state, int x, int y) {
    // Nothing in the house or the bar answers while the game stands still.
    if (g_paused) return;
    OnMouse(button, state, x, y);
}

void OnWindowStatus(int state) {
    if (state == GLUT_HIDDEN) PauseGame();
}

void ApplySettingsAtStart() {
    g_settings = LoadSettings();
    MuteTune(g_settings.muted);
    if (g_settings.fullScreen) Toolkit().fullScreen();
}

const Settings& CurrentSettings() {
    return g_settings;
}
