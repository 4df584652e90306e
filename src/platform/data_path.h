// Where the game's files are read from. Paths are written as in the data set, "Data/..." with
// '/' separators. A Data folder in the current folder is always the one read, whole; only when
// there is none does the game fall back to the Data folder of the build it came from, so it
// starts from anywhere.
#pragma once

#include <string>       // Required for: std::string
#include <string_view>  // Required for: std::string_view

// The path to open for a data-set path such as "Data/Picture/start.tga".
std::string DataPath(std::string_view dataSetPath);

// The folder that holds the Data folder in use ("." or the build folder); decided once.
const std::string& DataRoot();

// Forgets the decision, so the next DataPath looks at the current folder again (tests).
void ResetDataRoot();
