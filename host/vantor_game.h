// The program's host class and its entry: starting the window system and the runtime,
// creating the application and running it.
#pragma once

#include "host/glfw_game.h"

// The application's two start-up steps. The unit that provides the application installs
// them (main.cpp does, before Main runs); a missing step is skipped.
struct ZuApplicationEntry {
  // Gives every module global its initial value.
  void (*init)() = nullptr;
  // Creates the application object, which registers its delegate with the host.
  void (*create)() = nullptr;
};

class ZuVantorGame : public ZuGlfwGame {
 public:
  static void SetApplicationEntry(const ZuApplicationEntry& entry);

  // Starts everything and runs the application until its window closes. Returns 0;
  // "glfwInit failed" and an uncaught exception end the process with status -1 instead.
  static int Main(int argc, char** argv);

  // The process arguments, kept as given.
  static int argc;
  static char** argv;
};
