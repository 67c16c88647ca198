// The quit confirmation the console build shows when back is pressed in the menu: a
// pleading text over the test card; fire 1 goes back to the menu, fire 2 or 3 or back
// ends the program.
#include "host/numeric.h"
#include "host/report.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kPlayers = 4;
constexpr int kMenuMode = 1;
constexpr int kTestCardImage = 91;

struct Line {
  float scale;
  int gapBefore;  // added to y before the line is drawn
  const char* text;
};

// "\xac" followed by a letter is a button icon (the code 172 pair of the text layout).
constexpr Line kLines[] = {
    {3.0f, 0, "It looks like you're"},
    {3.0f, 32, "trying to QUIT!"},
    {2.0f, 36, "Are you absolutely sure"},
    {2.0f, 20, "you want to quit the game?"},
    {2.0f, 28, "Isn't this fun?"},
    {2.0f, 38, "It'll be a shame to see you go."},
    {2.0f, 38, "Press \xac" "K to Quit"},
    {2.0f, 20, "or \xac" "J to return to the fun!"},
};

bool AnyPlayerPresses(c_MyApp& app, int control) {
  for (int player = 0; player < kPlayers; ++player) {
    if (app.p_PlayKey(control, 1, player) != 0) return true;
  }
  return false;
}

}  // namespace

int c_MyApp::p_ConsoleQuit() {
  // A negative fill alpha leaves the screen unfilled; the test card is the whole picture.
  p_CLS2D(180.0f, 180.0f, 180.0f, -1.0f);
  p_SetSize(3.0f);
  p_DrawImg(kTestCardImage, zu_Quor_jscrw / 2.0f, zu_Quor_jscrh / 2.0f, 0);

  const float x = static_cast<float>(zu_f2i(0.65f * zu_Quor_jscrw));
  int y = zu_f2i(0.3f * zu_Quor_jscrh);
  p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  for (const Line& line : kLines) {
    y += line.gapBefore;
    p_SetSize(line.scale);
    p_Text(x, static_cast<float>(y), String(line.text), 1.0f);
  }
  p_SetSize(1.0f);

  if (m_KeyLatch != 0 || m_TouchLatch != 0) return 0;
  if (AnyPlayerPresses(*this, 10)) {
    m_Mode = kMenuMode;
    m_KeyLatch = 1;
    m_TouchLatch = 1;
  } else if (AnyPlayerPresses(*this, 11) || AnyPlayerPresses(*this, 12) ||
             AnyPlayerPresses(*this, 99)) {
    // An empty message is the runtime's quiet exit with status 0.
    zuError(String());
  }
  return 0;
}
