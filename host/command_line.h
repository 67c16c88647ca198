// The program's command line: what a player can ask for when starting it.
#pragma once

#include <string>

struct ZuCommandLine {
  enum class Action { kRun, kHelp, kVersion, kUsageError };
  enum class Window { kAsAlways, kFullscreen, kWindowed };

  Action action = Action::kRun;
  // The last of --fullscreen and --windowed wins.
  Window window = Window::kAsAlways;
  // --couch: the console's ways (back asks before quitting, pad glyphs, the overscan
  // border); fullscreen unless --windowed is given too.
  bool couch = false;
  std::string dataFolder;  // --data; empty when not given
  std::string stateFile;   // --state; empty when not given
  std::string error;       // what was wrong, for kUsageError
};

// Reads argv[1..argc-1]. Options take their value as the next argument or after "=".
ZuCommandLine zu_ParseCommandLine(int argc, const char* const* argv);

// The help text, ending in a newline.
extern const char* const ZU_USAGE;
// "zandrel <version>", ending in a newline.
extern const char* const ZU_VERSION_TEXT;
