// What the game keeps between runs: the player's choice of full screen and of silence. One
// small file of key=value lines under the desktop's configuration folder
// ($XDG_CONFIG_HOME/escape-house/settings, ~/.config/escape-house/settings when unset), written
// whole or not at all. Nothing about it ever stops the game: a file that cannot be read or
// written gives one warning on stderr naming it, and the game plays on with what it has.
#pragma once

#include <string>  // Required for: std::string

struct Settings {
    bool fullScreen = false;  // the window goes to full screen at start
    bool muted = false;       // the tune is silent
};

// The settings file's path, from the environment as it is now; empty when neither
// XDG_CONFIG_HOME nor HOME names a folder.
std::string SettingsPath();

// Reads the settings. A missing file gives the defaults without a word; a file that cannot be
// read, or holds anything but the game's own lines, gives the defaults and one warning line.
Settings LoadSettings();

// Writes the settings to a temporary file beside the settings file and renames it over the old
// one, so that a crash or a kill leaves the old file or the new one, never half of one; makes
// the folders first. False when it cannot; the first failure of a run says why on stderr.
bool SaveSettings(const Settings& settings);

// The text SaveSettings writes for `settings`, and what reading `text` gives: false when the
// text is not the game's own (an unknown key, a bad value, a line without '=').
std::string SettingsText(const Settings& settings);
bool ParseSettings(const std::string& text, Settings* settings);
