// The game's command line: --help and --version answer without a window, the window toolkit's
// own options (-display, -geometry, ...) are left for it, anything else is a mistake.
#pragma once

#include <string>  // Required for: std::string
#include <vector>  // Required for: std::vector

enum class CommandAction { kPlay, kHelp, kVersion, kMistake };

struct CommandLine {
    CommandAction action = CommandAction::kPlay;
    std::string mistake;  // for kMistake: one line saying what was wrong
};

// Reads the arguments after the program's name, left to right; the first --help, --version or
// mistake decides.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// What the game is, its options and keys, and the Data folders it looks for, in order.
std::string UsageText(const std::vector<std::string>& dataFolders);
