// Starting a frame's drawing: the fill colour the render clears with, the play area, a
// fresh draw state and an empty draw list.
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

void ResetPlayArea(c_MyApp& app) {
  app.m_ViewX = 0.0f;
  app.m_ViewY = 0.0f;
  app.m_ViewW = zu_Quor_jscrw;
  app.m_ViewH = zu_Quor_jscrh;
}

// Moves `current` 1/32 of the way to `target`, so background changes fade in over about a
// second.
float EaseTowards(float current, float target) { return current - (current - target) / 32.0f; }

}  // namespace

// With r omitted the fill colour of the last frame stays.
int c_MyApp::p_CLS2D(float r, float g, float b, float a) {
  ResetPlayArea(*this);
  if (!zu_IsOmitted(r)) {
    m_ClsR = r;
    m_ClsG = g;
    m_ClsB = b;
    m_ClsA = zu_IsOmitted(a) ? 1.0f : a;
  }
  p_ResetDraw();
  m_DrawCount = 0;
  return 0;
}

int c_MyApp::p_DoBG() {
  m_BgR = EaseTowards(m_BgR, m_BgTR);
  m_BgG = EaseTowards(m_BgG, m_BgTG);
  m_BgB = EaseTowards(m_BgB, m_BgTB);
  ResetPlayArea(*this);
  m_ClsR = m_BgR;
  m_ClsG = m_BgG;
  m_ClsB = m_BgB;
  m_ClsA = 1.0f;
  p_ResetDraw();
  m_DrawCount = 0;
  return 0;
}
