#include "host/command_line.h"

#include <string_view>

#ifndef ZANDREL_VERSION
#error "the build sets ZANDREL_VERSION"
#endif

const char* const ZU_USAGE =
    "Usage: zandrel [OPTION]...\n"
    "Twenty-six small arcade games, one for each letter.\n"
    "\n"
    "  --fullscreen   start in the desktop's fullscreen mode\n"
    "  --windowed     start in a 640x480 window (the default)\n"
    "  --couch        play from the sofa: fullscreen, made for a gamepad and a TV;\n"
    "                 back asks before quitting, the pad's buttons are shown, and\n"
    "                 the options and pause menu set a border for TVs that crop\n"
    "  --data DIR     read the game's pictures and sounds from DIR\n"
    "  --state FILE   keep scores and options in FILE\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

const char* const ZU_VERSION_TEXT = "zandrel " ZANDREL_VERSION "\n";

namespace {

ZuCommandLine UsageError(std::string error) {
  ZuCommandLine wrong;
  wrong.action = ZuCommandLine::Action::kUsageError;
  wrong.error = std::move(error);
  return wrong;
}

}  // namespace

ZuCommandLine zu_ParseCommandLine(int argc, const char* const* argv) {
  ZuCommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const std::string_view name = argument.substr(0, argument.find('='));
    const bool hasEquals = name.size() < argument.size();

    if (name == "--data" || name == "--state") {
      std::string value;
      if (hasEquals) {
        value = argument.substr(name.size() + 1);
      } else if (i + 1 < argc) {
        value = argv[++i];
      }
      if (value.empty()) return UsageError("option '" + std::string(name) + "' needs a value");
      (name == "--data" ? line.dataFolder : line.stateFile) = value;
      continue;
    }

    const bool known = name == "--help" || name == "--version" || name == "--fullscreen" ||
                       name == "--windowed" || name == "--couch";
    if (!known) return UsageError("unknown option '" + std::string(argument) + "'");
    if (hasEquals) return UsageError("option '" + std::string(name) + "' takes no value");

    if (name == "--help") {
      line.action = ZuCommandLine::Action::kHelp;
    } else if (name == "--couch") {
      line.couch = true;
    } else if (name == "--version") {
      if (line.action != ZuCommandLine::Action::kHelp) line.action = ZuCommandLine::Action::kVersion;
    } else {
      line.window = name == "--fullscreen" ? ZuCommandLine::Window::kFullscreen
                                           : ZuCommandLine::Window::kWindowed;
    }
  }
  return line;
}
