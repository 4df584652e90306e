// The input callbacks the window registers, over the walking and the picking ones: P pauses
// and resumes, M switches the tune off and on, Enter and Esc are remembered between runs; while
// the game is paused only P, Enter and Esc act, and presses do nothing. The game also pauses
// itself when its window is iconified or hidden.
#pragma once

#include "platform/settings.h"

void OnGameKeyboard(unsigned char key, int x, int y);
void OnGameKeyboardUp(unsigned char key, int x, int y);
void OnGameSpecialKey(int key, int x, int y);
void OnGameSpecialKeyUp(int key, int x, int y);
void OnGameMouse(int button, int state, int x, int y);
// GLUT's window status: hidden (iconified, or on another desktop) pauses a game in the house.
void OnWindowStatus(int state);

// Pauses the game in the house (not on the start or end pictures, where no countdown runs):
// the countdown stands, held keys stop, the tune pauses. Nothing when already paused.
void PauseGame();
// Lets the countdown run on from the time it showed, and the tune from where it was.
void ResumeGame();
// Switches the tune off or on, says which under the view, and remembers it.
void ToggleMute();

// The settings read at start: the tune muted, and the window asked for full screen, as the
// player left them. Called once the window and the tune's module are up.
void ApplySettingsAtStart();
// The settings as the player has them now.
const Settings& CurrentSettings();

// The lines the frame writes while paused, and after M.
inline constexpr const char* kPausedLine = "暂停 PAUSED, press P";
inline constexpr const char* kMutedLine = "音乐关 Music off (M)";
inline constexpr const char* kUnmutedLine = "音乐开 Music on (M)";
