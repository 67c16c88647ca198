// The browser's version of the loop: a page must give the browser back control to get a
// frame drawn, so the browser calls one pass per displayed frame instead of the loop
// sleeping until the next update is due. Only compiled by Emscripten.
#ifdef __EMSCRIPTEN__

#include <emscripten.h>

#include "host/browser_touch.h"
#include "host/glfw_game.h"
#include "host/main_loop.h"
#include "host/window_system.h"

namespace {

void FramePass(void* loop) { static_cast<ZuMainLoop*>(loop)->RunFramePass(); }

}  // namespace

void ZuMainLoop::RunInBrowser() {
  // Does not return: the browser owns the loop from here on, so the loop must outlive
  // this call's stack.
  emscripten_set_main_loop_arg(FramePass, new ZuMainLoop(*this), 0, 1);
}

void ZuMainLoop::RunFramePass() {
  if (!windows_.WindowOpen()) {
    emscripten_cancel_main_loop();
    return;
  }
  game_.RenderGame();  // shown when the pass hands control back to the browser
  UpdateEvents();
  if (game_._suspended) return;
  if (game_._updateRate == 0) {
    game_.UpdateGame();
  } else {
    // Not due yet: the next frame comes back to it.
    if (game_._nextUpdate != 0.0 && game_._nextUpdate > windows_.Time()) return;
    RunScheduledUpdates();  // runs at least one update
  }
  zu_browser_TouchesSeen();
}

#endif
