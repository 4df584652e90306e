// The three-minute countdown and the restart that turns a requested ending into the end screen.
#pragma once

inline constexpr int kSecondsPerGame = 180;

// The idle callback: recomputes the seconds left, updates the text and draws a frame once per
// second, and asks for the time-out ending when the time is spent.
void OnIdle();
// Writes the minutes and seconds of `seconds` into g_timeText.
void UpdateTimeText(int seconds);
// Raises the end screen and puts pose, timer text, items, inventory, keypad, bookcase walls and
// the tune back to their start.
void RestartGame();
