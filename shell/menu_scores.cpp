// The menu's side panel: a dark strip on the right holding the selected game's best scores
// above and its latest results below, as many lines of each as the screen height allows.
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kTableLength = 10;
constexpr int kLastTenBase = 260;
constexpr float kListScale = 1.5f;
constexpr int kScoreWidth = 11;

// Each list gets the room left in its half of the screen after the headers and margins.
// Without a usable font height (never loaded) the lists are shown in full.
int ListLines(int lineHeight) {
  if (lineHeight <= 0) return kTableLength;
  const int lines = zu_f2i(zu_Quor_jscrh * 0.5f - 90) / lineHeight;
  if (lines < 1) return 1;
  return lines > kTableLength ? kTableLength : lines;
}

}  // namespace

int c_MyApp::p_MenuScores() {
  const float panelX = zu_Quor_jscrw - m_MenuW - 4.0f * static_cast<float>(m_MenuSlide);
  p_SetCol(0, 0, 0, 0.4f);
  p_Rect(panelX, 0, m_MenuW, zu_Quor_jscrh);
  if (p_AnyBoxOpen() != 0) return 0;

  p_SetSize(kListScale);
  const int lines = ListLines(zu_f2i(kListScale * static_cast<float>(m_ImgInfo[3 * m_Font + 1])));
  const int base = (m_Game - 1) * kTableLength;
  String best = lines == 1 ? String("Highscore") : String("Top ") + String(lines);
  String last = lines == 1 ? String("Last") : String("Last ") + String(lines);
  for (int i = 0; i < lines; ++i) {
    best += String("\\n") + p_rstr(m_Highscores[base + i], kScoreWidth, String(" "));
    last += String("\\n") + p_rstr(m_Highscores[kLastTenBase + base + i], kScoreWidth, String(" "));
  }
  // Full alpha: the panel's own translucency would leave the figures faint.
  p_SetCol(255, 200, 100, 1);
  p_Text(panelX + 20, 60, best, 0, 0);
  p_SetCol(200, 255, 100, 1);
  p_Text(panelX + 20, zu_Quor_jscrh * 0.5f + 20, last, 0, 0);
  return 0;
}
