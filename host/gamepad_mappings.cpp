#include "host/gamepad_mappings.h"

#include <cctype>
#include <string>
#include <string_view>

#include <GLFW/glfw3.h>

namespace {

// The window system skips, without a word, a line that does not start with the hex digits
// of a device identifier; anything it does read and refuses it reports as an error.
bool Take(const std::string& line, std::string* problem) {
  if (!std::isxdigit(static_cast<unsigned char>(line[0]))) {
    *problem = "a line does not start with a device identifier";
    return false;
  }
#ifdef __EMSCRIPTEN__
  *problem = "the browser's window system has no gamepad database";
  return false;
#else
  glfwGetError(nullptr);
  glfwUpdateGamepadMappings(line.c_str());
  const char* description = nullptr;
  if (glfwGetError(&description) == GLFW_NO_ERROR) return true;
  *problem = description ? description : "not a gamepad mapping";
  return false;
#endif
}

}  // namespace

int zu_ApplyGamepadMappings(const char* value, std::FILE* errors) {
  if (!value) return 0;
  int taken = 0, malformed = 0;
  std::string firstProblem;
  std::string_view rest = value;
  while (!rest.empty()) {
    const size_t end = rest.find_first_of("\r\n");
    std::string line(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    std::string problem;
    if (Take(line.substr(start), &problem)) {
      ++taken;
    } else if (++malformed == 1) {
      firstProblem = problem;
    }
  }
  if (malformed > 0) {
    std::fprintf(errors, "zandrel: ignoring %d malformed gamepad mapping%s in "
                 "SDL_GAMECONTROLLERCONFIG (%s)\n", malformed, malformed == 1 ? "" : "s",
                 firstProblem.c_str());
  }
  return taken;
}
