#include "host/display_mode.h"

#include <algorithm>

#include <GLFW/glfw3.h>

ZuGlfwVideoMode::ZuGlfwVideoMode(const GLFWvidmode& mode)
    : width(mode.width),
      height(mode.height),
      redBits(mode.redBits),
      greenBits(mode.greenBits),
      blueBits(mode.blueBits) {}

namespace {

template <class Record, class Make>
Array<Record*> RecordsFrom(const GLFWvidmode* modes, int count, Make make) {
  int taken = modes ? std::clamp(count, 0, ZU_MAX_DISPLAY_MODES) : 0;
  Array<Record*> records(taken);
  for (int i = 0; i < taken; ++i) gc_assign(records[i], make(modes[i]));
  return records;
}

}  // namespace

Array<ZuDisplayMode*> zu_DisplayModesFrom(const GLFWvidmode* modes, int count) {
  return RecordsFrom<ZuDisplayMode>(modes, count, [](const GLFWvidmode& mode) {
    return gc_new<ZuDisplayMode>(mode.width, mode.height);
  });
}

Array<ZuGlfwVideoMode*> zu_VideoModesFrom(const GLFWvidmode* modes, int count) {
  return RecordsFrom<ZuGlfwVideoMode>(
      modes, count, [](const GLFWvidmode& mode) { return gc_new<ZuGlfwVideoMode>(mode); });
}
