// Whole-file reads: every asset reader parses a file already in memory, so the same code
// serves the game, the tests and the fuzzers; the tune is read whole as well.
#pragma once

#include <string>  // Required for: std::string

// Reads the file at `path` into *bytes. On failure returns false and puts the reason, such as
// "cannot open the file (No such file or directory)", in *reason.
bool ReadFileBytes(const char* path, std::string* bytes, std::string* reason);
