#include "shell/quor.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include "framework/random.h"
#include "host/glfw_game.h"

float zu_Quor_rawscrw = 640;
float zu_Quor_rawscrh = 480;
float zu_Quor_jscrw = 640;
float zu_Quor_jscrh = 480;
float zu_Quor_overscan = 0;
int zu_Quor_DebugMode = 0;
int zu_Quor_iCadeControls = 0;
int zu_Quor_HasMusicStream = 1;
int zu_Quor_OnScreenControls = 0;
int zu_Quor_AccelerometerControls = 0;
int zu_Quor_isConsole = 0;
Array<String> zu_Quor_CreditText;

namespace {

const gc_roots quor_roots([] { gc_mark_q(zu_Quor_CreditText); });

// The credits box never shows the last entry (it cycles modulo one less than the count),
// so the list ends with an empty closing line. Lines stay short enough to fit the test
// card's dark band.
Array<String> MakeCreditText() {
  return Array<String>{
      String("Zandrel"),
      String("26 games, A to Z"),
      String("by Quillwork Arcade"),
      String("Code: Quillwork"),
      String("Art: Quillwork"),
      String("Sound: Quillwork"),
      String("Font: Quillet"),
      String("Thanks for playing!"),
      String(""),
      String(""),
  };
}

}  // namespace

void zu_Quor_Init() {
  zu_Quor_rawscrw = 640;
  zu_Quor_rawscrh = 480;
  zu_Quor_jscrw = 640;
  zu_Quor_jscrh = 480;
  zu_Quor_overscan = 0;
  zu_Quor_DebugMode = 0;
  zu_Quor_iCadeControls = 0;
  zu_Quor_HasMusicStream = 1;
  zu_Quor_OnScreenControls = 0;
  zu_Quor_AccelerometerControls = 0;
  // Play from the sofa is the console build's game on the desktop.
  zu_Quor_isConsole = ZuGlfwGame::_couchMode ? 1 : 0;
  gc_assign(zu_Quor_CreditText, MakeCreditText());
  zu_random_Seed = 1234;
}

#ifdef __EMSCRIPTEN__
// The page switches the on-screen controls: on from the first touch (or from the start on
// a device whose main pointer is a finger), off again on a key press or a click. Only the
// page tells a finger from the mouse: the input module reports both as touch point 0.
extern "C" EMSCRIPTEN_KEEPALIVE void zu_browser_SetOnScreenControls(int on) {
  zu_Quor_OnScreenControls = on != 0 ? 1 : 0;
}
#endif
