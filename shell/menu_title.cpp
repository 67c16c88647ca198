// The menu's title area: the selected game's icon as a large faint picture, its two title
// words and its two-line description, each in a colour that changes with the selection.
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kIconImage = 70;
constexpr int kColours = 7;
constexpr float kInkBrightness = 5;

// The palette colour of the selection, shifted so the three texts differ from each other.
int TitleColour(int selection, int shift) { return (selection + shift) % kColours + 1; }

}  // namespace

// `picture` is the selected game's icon frame, or the locked picture; the texts follow it,
// so a locked selection shows the locked entry.
int c_MyApp::p_MenuTitle(int picture) {
  const float y0 = static_cast<float>(zu_f2i(zu_Quor_jscrh * 0.2f));
  p_SetCol(255, 255, 255, 0.25f);
  p_SetSize(8);
  p_DrawImg(kIconImage, (zu_Quor_jscrw - m_MenuW) / 2, zu_Quor_jscrh / 2 - 64, picture);
  p_GameID(picture + 1);

  p_Alpha(1);
  p_SetSize(4);
  p_Ink(TitleColour(m_MenuSel, 0), kInkBrightness);
  p_Text(64, y0 - 40, m_Title1, 0, 1);
  p_Ink(TitleColour(m_MenuSel, 1), kInkBrightness);
  p_Text(128, y0, m_Title2, 0, 1);
  p_SetSize(2);
  p_Ink(TitleColour(m_MenuSel, 4), kInkBrightness);
  p_Text(64, y0 + 32, m_Blurb, 0, 0);
  return 0;
}
