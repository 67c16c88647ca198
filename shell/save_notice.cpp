// A small band at the bottom of the screen saying that progress could not be saved. It
// lies over the play for a few seconds and fades out; the standard error line says why.
#include <algorithm>

#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kFadeUpdates = 30;
constexpr float kBandWidth = 200;
constexpr float kBandHeight = 20;
constexpr float kBottomMargin = 14;

}  // namespace

int c_MyApp::p_SaveNotice() {
  if (m_SaveNoticeUpdates <= 0) return 0;
  const float fade = std::min(1.0f, static_cast<float>(m_SaveNoticeUpdates) / kFadeUpdates);
  --m_SaveNoticeUpdates;
  const float centreX = zu_Quor_jscrw / 2;
  const float top = zu_Quor_jscrh - kBottomMargin - kBandHeight;
  p_ResetDraw();
  p_SetCol(140, 20, 20, 0.85f * fade);
  p_Rect(centreX - kBandWidth / 2, top, kBandWidth, kBandHeight);
  p_SetCol(255, 255, 255, fade);
  p_Text(centreX, top + kBandHeight / 2, String("Progress could not be saved"), 1);
  p_ResetDraw();
  return 0;
}
