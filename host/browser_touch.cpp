#ifdef __EMSCRIPTEN__

#include "host/browser_touch.h"

#include <emscripten.h>

#include "host/delegate.h"
#include "host/game.h"

namespace {

constexpr int kFingers = 10;

struct Finger {
  bool pressedSinceUpdate = false;
  bool releaseHeld = false;
  float releaseX = 0, releaseY = 0;
};
Finger fingers[kFingers];

void Deliver(int event, int finger, float x, float y) {
  if (ZuGame::_game) ZuGame::_game->TouchEvent(event, finger, x, y);
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void zu_browser_Touch(int event, int finger, float x, float y) {
  if (finger < 0 || finger >= kFingers) return;
  Finger& f = fingers[finger];
  switch (event) {
    case ZuGameEvent::TouchDown:
      // A finger back down before its held release went out: that release goes first.
      if (f.releaseHeld) Deliver(ZuGameEvent::TouchUp, finger, f.releaseX, f.releaseY);
      f = Finger{.pressedSinceUpdate = true};
      Deliver(event, finger, x, y);
      break;
    case ZuGameEvent::TouchUp:
      if (f.pressedSinceUpdate) {
        f.releaseHeld = true;
        f.releaseX = x;
        f.releaseY = y;
      } else {
        Deliver(event, finger, x, y);
      }
      break;
    case ZuGameEvent::TouchMove:
      if (!f.releaseHeld) Deliver(event, finger, x, y);
      break;
    default:
      break;
  }
}

void zu_browser_TouchesSeen() {
  for (int i = 0; i < kFingers; ++i) {
    Finger& f = fingers[i];
    if (f.releaseHeld) Deliver(ZuGameEvent::TouchUp, i, f.releaseX, f.releaseY);
    f = Finger{};
  }
}

#endif
