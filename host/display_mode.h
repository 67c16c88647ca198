// Display and video mode records handed to the application, and their construction from
// the window system's mode list.
#pragma once

#include "host/array.h"
#include "host/gc.h"

struct GLFWvidmode;

// One display mode as the application sees it.
class ZuDisplayMode : public Object {
 public:
  ZuDisplayMode(int width, int height) : width(width), height(height) {}

  int width;
  int height;
  // Colour depth, format and refresh rate: this host never fills them in.
  int depth = 0;
  int format = 0;
  int hertz = 0;
};

// One window-system video mode with its colour bits.
class ZuGlfwVideoMode : public Object {
 public:
  explicit ZuGlfwVideoMode(const GLFWvidmode& mode);

  int width;
  int height;
  int redBits;
  int greenBits;
  int blueBits;
};

// No more modes than this are taken from the window system.
constexpr int ZU_MAX_DISPLAY_MODES = 1024;

// One record per mode, in the window system's order, duplicates kept; at most
// ZU_MAX_DISPLAY_MODES. No modes give the shared empty array.
Array<ZuDisplayMode*> zu_DisplayModesFrom(const GLFWvidmode* modes, int count);
Array<ZuGlfwVideoMode*> zu_VideoModesFrom(const GLFWvidmode* modes, int count);
