// Where the game's files are read from. Paths are written as in the data set, "Data/..." with
// '/' separators. Three folders may hold the Data folder, tried in this order: the current
// folder (so a Data folder beside the player always wins), the data set installed beside the
// binary (share/games/escape-house, found from the binary's own location, so an install tree
// that is moved still works), and, for a binary that runs from the build folder it was built
// in, that build folder. The first Data folder found is the one read, whole.
#pragma once

#include <filesystem>   // Required for: std::filesystem::path
#include <string>       // Required for: std::string
#include <string_view>  // Required for: std::string_view
#include <vector>       // Required for: std::vector

// The path to open for a data-set path such as "Data/Picture/start.tga".
std::string DataPath(std::string_view dataSetPath);

// The folder that holds the Data folder in use ("." or an absolute folder); decided once. When
// no Data folder is found anywhere it is "." and every read names the file it misses.
const std::string& DataRoot();

// True when one of the places holds a Data folder (decided with DataRoot).
bool DataFound();

// Every Data folder looked for, in order, for messages and the usage text.
std::vector<std::string> DataFoldersLookedAt();

// Forgets the decision, so the next DataPath looks at the current folder again (tests).
void ResetDataRoot();

// The folders that may hold Data for a binary in `programFolder`, in the order they are tried:
// ".", the installed data set found from `programFolder` through `installedRelative`, then
// `buildFolder` when `programFolder` is that folder. `programFolder` empty (unknown) leaves
// out the installed data set.
std::vector<std::string> DataRootsFor(const std::filesystem::path& programFolder,
                                      std::string_view installedRelative,
                                      const std::filesystem::path& buildFolder);

// The folder of the running binary, from the link the system keeps to it; empty if unknown.
std::filesystem::path ProgramFolder();
