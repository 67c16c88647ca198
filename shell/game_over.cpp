// The game-over sequence: after a play ends, a banner grows over the still-running game
// for 89 updates, then the shell records the score and returns to the menu, where the
// banner shrinks away again.
#include <algorithm>

#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kPlayingMode = 10;
constexpr int kRecordingMode = 2;
constexpr int kBannerEnd = 90;
// Where the shrinking starts over the menu: the banner is already fully open there.
constexpr int kBannerRestart = 73;

// "GAME" falls from the top while "OVER" rises from the bottom; two bands sweep in from
// the sides. The place line shows only for a score that reaches the top ten.
void DrawBanner(c_MyApp& app, int t) {
  const float w = zu_Quor_jscrw;
  const float h = zu_Quor_jscrh;
  app.p_ResetDraw();
  app.p_SetCol(0.0f, 0.0f, 0.0f, std::min(static_cast<float>(t) / 40.0f, 0.7f));
  app.p_Rect(-1.0f, -1.0f, w + 2.0f, h + 2.0f);

  app.m_TmpJ = std::min(zu_wrap_mul(t, 12), zu_f2i(0.45f * h));
  const float b = static_cast<float>(app.m_TmpJ);
  app.p_SetCol(255.0f, 255.0f, 0.0f, 0.5f);
  app.p_Rect(-1.0f, 0.45f * h - 8.0f, 2.0f * b, 16.0f);
  app.p_SetCol(255.0f, 128.0f, 0.0f, 0.5f);
  app.p_Rect(w - 2.0f * b, 0.55f * h - 8.0f, 2.0f * b + 1.0f, 16.0f);

  app.p_SetSize(4.0f);
  app.p_SetCol(255.0f, 180.0f, 180.0f, 1.0f);
  app.p_Text(0.35f * w, b, String("GAME"), 1.0f);
  app.p_Text(0.65f * w, h - b, String("OVER"), 1.0f);

  const String place = app.p_MyNth();
  if (app.m_Loop < 1 || app.m_Loop > 10) return;
  app.p_SetCol(0.0f, 125.0f, 255.0f, 0.5f);
  app.p_Rect(0.35f * w, h - b / 1.5f - 16.0f, 0.3f * w, 32.0f);
  app.p_SetSize(2.0f);
  app.p_SetCol(100.0f, 255.0f, 100.0f, 1.0f);
  // Two lines: the backslash-n pair breaks the line, the spaces centre the place under it.
  app.p_Text(w / 2.0f, h - b / 1.5f, String("New Highscore\\n           ") + place, 0.5f, 2.0f);
}

}  // namespace

int c_MyApp::p_GameOver() {
  if (m_GameOverTime >= 1) {
    // The banner swallows all input, so a key still held from the play does nothing.
    m_KeyLatch = 1;
    m_TouchLatch = 1;
    DrawBanner(*this, m_GameOverTime);
  }
  if (m_Mode == kPlayingMode) {
    ++m_GameOverTime;
    if (m_GameOverTime >= kBannerEnd) {
      m_Mode = kRecordingMode;
      m_GameOverTime = kBannerRestart;
      if (zu_Quor_HasMusicStream == 1) p_StopTune();
      // The play is over: a pause menu opened meanwhile (by losing the focus) must not
      // stay open over the menu.
      m_Paused = 0;
      m_PauseState = -1;
      m_PauseY = -64;
    }
  } else if (m_Mode < kPlayingMode) {
    m_GameOverTime = std::max(m_GameOverTime - 2, 0);
  }
  return 0;
}
