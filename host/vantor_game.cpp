#include "host/vantor_game.h"

#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <GLFW/glfw3.h>

#include "host/gamepad_mappings.h"
#include "host/report.h"

int ZuVantorGame::argc = 0;
char** ZuVantorGame::argv = nullptr;

namespace {

ZuApplicationEntry g_applicationEntry;

void InstallRuntime() {
  std::signal(SIGSEGV, sighandler);
  std::signal(SIGILL, sighandler);
  std::signal(SIGFPE, sighandler);
  if (!std::setlocale(LC_CTYPE, "en_US.UTF-8")) std::setlocale(LC_CTYPE, "");
  gc_reset_lists();
}

}  // namespace

void ZuVantorGame::SetApplicationEntry(const ZuApplicationEntry& entry) {
  g_applicationEntry = entry;
}

int ZuVantorGame::Main(int argc, char** argv) {
#ifndef __EMSCRIPTEN__
  // Joystick button counts are the physical buttons alone; the pad corrections depend on them.
  glfwInitHint(GLFW_JOYSTICK_HAT_BUTTONS, GLFW_FALSE);
#endif
  if (!glfwInit()) {
    const char* reason = nullptr;
#ifndef __EMSCRIPTEN__
    glfwGetError(&reason);
#endif
    std::fprintf(stderr, "zandrel: a graphical display is needed to play (%s)\n",
                 reason ? reason : "the window system cannot start");
    zuPrint(String("glfwInit failed"));
    std::exit(-1);
  }
#ifndef __EMSCRIPTEN__
  zu_ApplyGamepadMappings(std::getenv("SDL_GAMECONTROLLERCONFIG"), stderr);
#endif
  // The host object lives until the process ends.
  ZuVantorGame* game = new ZuVantorGame();
  ZuVantorGame::argc = argc;
  ZuVantorGame::argv = argv;
  InstallRuntime();

  try {
    if (g_applicationEntry.init) g_applicationEntry.init();
    gc_mark();
    if (g_applicationEntry.create) g_applicationEntry.create();
    if (game->Delegate()) game->Run();
  } catch (ThrowableObject* exception) {
    glfwTerminate();
    game->Die(exception);
  }
  glfwTerminate();
  return 0;
}
