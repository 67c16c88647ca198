// What is settled before the window system starts: the command line, where the data and
// the saved state are, and whether the data holds what the program cannot run without.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/file_locations.h"

// Reads the command line and prepares the host for it: the data folder, the state file
// (its folder made if it is the user's), the first window's mode. Returns the status the
// program must end with at once (0 after --help or --version, 2 for a wrong command line,
// 1 when the data folder or one of `fontImages` (paths inside it) is missing or
// unreadable), after saying why; nothing when the program may start. The first of
// `fontImages` is what a data folder found by searching must hold.
std::optional<int> zu_PrepareStart(int argc, const char* const* argv,
                                   const std::vector<std::string>& fontImages,
                                   const ZuEnvironment& env);
