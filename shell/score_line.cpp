// The in-game score line (rolling score, the next place to beat, hearts) and the graphics
// credit badge that slides into the bottom-right corner when a game starts.
#include <algorithm>
#include <cmath>

#include "framework/app.h"
#include "framework/math.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr float kDegreesToRadians = 0.0174532924f;
constexpr int kHeartImage = 50;
constexpr int kBarsImage = 71;

float SinDegrees(int degrees) { return std::sin(static_cast<float>(degrees) * kDegreesToRadians); }
float CosDegrees(int degrees) { return std::cos(static_cast<float>(degrees) * kDegreesToRadians); }

// Entry `place` (0 = best) of the current game's top-ten table; a game number without a
// table (outside 1..26) reads as an empty one.
int TableScore(const c_MyApp& app, int place) {
  if (app.m_Game < 1 || app.m_Game > 26) return 0;
  return app.m_Highscores[(app.m_Game - 1) * 10 + place];
}

// The shown score closes a sixth of the gap each update and snaps on when within 6.
void RollShownScore(c_MyApp& app) {
  int shown = zu_wrap_sub(app.m_ShownScore, zu_wrap_sub(app.m_ShownScore, app.m_Score) / 6);
  if (zu_math_Abs(zu_wrap_sub(shown, app.m_Score)) < 6) shown = app.m_Score;
  app.m_ShownScore = shown;
}

}  // namespace

int c_MyApp::p_ScoreDisplay(int hearts) {
  RollShownScore(*this);
  if (m_HideHud) return 0;

  const float centre = zu_Quor_jscrw / 2.0f;
  p_SetCol(100.0f, 255.0f, 100.0f, 0.8f);
  p_SetSize(2.0f);
  p_SetRot(0.0f);
  m_Blend = 1;
  p_Text(centre, 28.0f, p_rstr(m_ShownScore, 8, String("0")), 1.0f);

  // The lowest place whose score the player has not yet beaten.
  m_TmpG = 10;
  m_TmpD = TableScore(*this, 9);
  for (m_Loop2 = 9; m_Loop2 >= 1; --m_Loop2) {
    const int entry = TableScore(*this, m_Loop2);
    if (entry < m_Score || entry == 0) {
      m_TmpG = m_Loop2 - 1;
      m_TmpD = TableScore(*this, m_Loop2 - 1);
    }
  }
  p_SetCol(255.0f, 255.0f, 100.0f, 0.8f);
  p_SetSize(1.0f);
  p_Text(centre, 10.0f, p_Nth(m_TmpG + 1) + String(" ") + p_rstr(m_TmpD, 8, String("0")), 1.0f);

  if (hearts > 0) {
    p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
    p_SetSize(1.0f);
    // More hearts than the draw list can hold would only be dropped.
    const int shown = std::min(m_Lives, m_DrawList.Length() / 15);
    const int right = zu_f2i(zu_Quor_jscrw - 48.0f);
    for (int i = 0; i < shown; ++i) {
      p_DrawImg(kHeartImage, static_cast<float>(right - 24 * i), 24.0f, 0);
    }
  }
  return 0;
}

// m_GfxW counts down from 640: the badge rises for the first 80 updates, stays, moves on
// at double speed in the middle, and sinks away below 120; at 0 it is gone.
int c_MyApp::p_GfxShow(int frame, int bright) {
  if (m_GfxW > -10.0f) {
    m_GfxW -= 1.0f;
    if (m_GfxW > 120.0f && m_GfxW < 560.0f) m_GfxW -= 1.0f;
  }
  const float t = m_GfxW;
  float barY = static_cast<float>(zu_f2i(zu_Quor_jscrh - 18.0f));
  if (t > 560.0f) barY += (t - 560.0f) * 4.0f;
  if (t < 120.0f) barY += (120.0f - t) * 4.0f;
  float ovalY = static_cast<float>(zu_f2i(zu_Quor_jscrh));
  if (t > 600.0f) ovalY += (t - 600.0f) * 8.0f;
  if (t < 60.0f) ovalY += (60.0f - t) * 8.0f;
  if (t <= 0.0f) return 0;

  const int ms = zu_app_Millisecs();
  const float right = zu_Quor_jscrw;
  p_SetCol(255.0f, 255.0f, 255.0f, 0.4f);
  p_Oval(right, ovalY, 164.0f + 4.0f * SinDegrees(ms / 11), 56.0f - 4.0f * CosDegrees(ms / 9));
  p_SetCol(0.0f, 0.0f, 0.0f, 0.2f);
  p_Oval(right, ovalY, 164.0f + 4.0f * SinDegrees(ms / 13), 56.0f - 4.0f * CosDegrees(ms / 7));
  m_TmpK = m_Game % 7 + 1;
  p_Ink(m_TmpK, bright == 1 ? 2.0f : 0.3f);
  p_Alpha(0.8f);
  p_Oval(right, ovalY, 160.0f, 52.0f);
  p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  p_DrawImg(kBarsImage, right - 66.0f, barY, frame);
  p_Text(right - 6.0f, barY - 18.0f, String("Gfx By"), 2.0f);
  return 0;
}
