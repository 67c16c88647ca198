// The options box over the menu or the paused game: a back button with a turning gear,
// one row each for sound, iCade input, the screen mode and (outside a game) the credits,
// and on the console the overscan bar. It acts only while fully shown, once per press, and
// saves the progress whenever it closes.
#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kShown = 30;
constexpr int kSoundOption = 5;
constexpr int kOverscanOption = 14;
constexpr int kButtonsImage = 95;
constexpr int kGearFirstFrame = 8;
constexpr int kTickSound = 99;
constexpr int kBack = 99;
constexpr int kControlSlots = 20;

enum class Row { Sound, ICade, Screen, Credits };

bool AnyPressed(c_MyApp& app, std::initializer_list<int> controls) {
  for (const int control : controls) {
    if (app.p_PlayKeyAll(control, 1) > 0) return true;
  }
  return false;
}

// Without a music stream the sound is simply on or off; with one, effects and music are
// switched separately. A mode outside the set has no label.
String SoundLabel(int mode) {
  static const char* const kTwoState[] = {"Sound : Off", "Sound : On"};
  static const char* const kFourState[] = {"Sound : Off", "Sound : SFX + Music", "Sound : SFX",
                                           "Sound : Music"};
  if (zu_Quor_HasMusicStream == 1) return mode >= 0 && mode <= 3 ? kFourState[mode] : "";
  return mode >= 0 && mode <= 1 ? kTwoState[mode] : "";
}

}  // namespace

int c_MyApp::p_OptionBox() {
  const int slide = kShown - m_OptionsSlide;
  p_ResetDraw();
  if (zu_Quor_isConsole == 1) {
    // Corner marks show where the overscan border lies on the television.
    const float w = zu_Quor_jscrw;
    const float h = zu_Quor_jscrh;
    p_Rect(0, 0, 16, 8);
    p_Rect(0, 0, 8, 16);
    p_Rect(0, h - 8, 16, 8);
    p_Rect(0, h - 16, 8, 16);
    p_Rect(w - 16, 0, 16, 8);
    p_Rect(w - 8, 0, 8, 16);
    p_Rect(w - 16, h - 8, 16, 8);
    p_Rect(w - 8, h - 16, 8, 16);
  }
  // The screens below see every input as consumed; the box itself ignores input while it
  // slides.
  m_KeyLatch = 1;
  m_TouchLatch = 1;
  if (m_OptionsSlide != kShown) {
    m_OptKeyLatch = 1;
    m_OptTouchLatch = 1;
  }

  p_SetCol(150, 75, 0, 0.85f);
  p_Rect(50, static_cast<float>(24 * slide), zu_Quor_jscrw - 100, zu_Quor_jscrh);
  p_OptionBackButton(slide);
  if (zu_Quor_isConsole == 1) p_OptionOverscanBar(slide);
  p_OptionRows(slide);
  p_OptionKeys();

  if (m_TouchDown == 0) m_OptTouchLatch = 0;
  if (!AnyPressed(*this, {0, 3, 5, 8, 10, 11, 12, 13, 14, 15, kBack})) m_OptKeyLatch = 0;
  p_SetSize(1);
  return 0;
}

int c_MyApp::p_OptionBackButton(int slide) {
  const float x = static_cast<float>(100 - 12 * slide);
  const float y = 60;
  p_SetCol(255, 255, 255, 1);
  p_SetSize(m_OptSel == 0 ? 2.0f : 1.5f);
  m_PauseOpt += 0.2f;
  p_SetRot(-0.66f * m_PauseOpt);
  p_DrawImg(kButtonsImage, x, y, kGearFirstFrame);
  p_SetRot(0.33f * m_PauseOpt);
  p_DrawImg(kButtonsImage, x, y, kGearFirstFrame + 1);
  p_SetRot(m_PauseOpt);
  p_Button(kButtonsImage, x, y, kGearFirstFrame + 2);
  const bool pressed = m_ButtonHit != 0 || AnyPressed(*this, {kBack});
  if (pressed && m_OptTouchLatch == 0 && m_OptKeyLatch == 0) {
    m_OptionsOpen = 0;
    // Held for the rest of this update too, so one press cannot close and save twice.
    m_OptKeyLatch = 1;
    m_OptTouchLatch = 1;
    p_PlaySFX(kTickSound, 1);
    p_Save();
  }

  p_SetRot(0);
  p_SetCol(255, 255, 255, 1);
  m_Blend = 1;
  p_SetSize(2);
  p_Text(x + 76, 60, String("<[BACK]"), 0);
  return 0;
}

// Rows are numbered from 1 in drawing order; m_ButtonHit ends on the number of the last.
int c_MyApp::p_OptionRows(int slide) {
  Row rows[4];
  int count = 0;
  rows[count++] = Row::Sound;
  if (zu_Quor_isConsole == 0) rows[count++] = Row::ICade;
  rows[count++] = Row::Screen;
  if (m_Paused == 0) rows[count++] = Row::Credits;

  m_ButtonHit = 0;
  float y = static_cast<float>(24 * slide + 130);
  for (int r = 0; r < count; ++r) {
    const Row row = rows[r];
    if (r > 0) y += row == Row::Credits ? 50.0f : 40.0f;
    const int number = ++m_ButtonHit;

    if (number == m_OptSel) {
      p_SetCol(0, 180, 255, 0.5f);
    } else {
      p_SetCol(0, 0, 160, 0.5f);
    }
    float labelX = 100;
    int touched;
    if (row == Row::Credits) {
      labelX = static_cast<float>(zu_f2i(zu_Quor_jscrw - 264));
      touched = p_Touch(labelX - 16, y - 2, 180, 24);
    } else {
      touched = p_Touch(84, y - 2, zu_Quor_jscrw - 168, 24);
    }
    if (touched != 0) m_OptSel = number;
    const bool activated =
        touched != 0 || (m_OptSel == number && AnyPressed(*this, {10, 11, 12, 13, 14, 15}));

    p_SetCol(255, 255, 255, 1);
    p_SetSize(2);
    int& sound = m_Options[kSoundOption];
    switch (row) {
      case Row::Sound:
        p_Text(labelX, y, SoundLabel(sound), 0, 0);
        if (SoundLabel(sound).IsEmpty()) sound = 0;
        break;
      case Row::ICade:
        p_Text(labelX, y, String(zu_Quor_iCadeControls == 1 ? "iCade : On" : "iCade : Off"), 0, 0);
        break;
      case Row::Screen:
        p_Text(labelX, y, String(m_Fullscreen == 0 ? "Fullscreen" : "Windowed"), 0, 0);
        break;
      case Row::Credits: p_Text(labelX, y, String("Credits"), 0, 0); break;
    }

    if (!activated || m_OptKeyLatch != 0 || m_OptTouchLatch != 0) continue;
    switch (row) {
      case Row::Sound:
        if (zu_Quor_HasMusicStream == 1) {
          sound = (sound + 1) % 4;
          if (sound == 0 || sound == 2) p_StopTune();
        } else {
          sound = 1 - sound;
        }
        break;
      case Row::ICade:
        zu_Quor_iCadeControls = 1 - zu_Quor_iCadeControls;
        p_iCade(zu_Quor_iCadeControls);
        for (int i = 0; i < kControlSlots; ++i) m_Keys[i] = 0;
        break;
      case Row::Screen: p_FullscreenFlip(); break;
      case Row::Credits:
        // The credits box takes over at once, without a sound or a save.
        m_CreditsOpen = 1;
        m_OptKeyLatch = 0;
        m_OptTouchLatch = 0;
        m_OptionsOpen = 0;
        continue;
    }
    m_OptKeyLatch = 1;
    m_OptTouchLatch = 1;
    p_PlaySFX(kTickSound, 1);
  }
  return 0;
}

int c_MyApp::p_OptionKeys() {
  if (m_OptKeyLatch == 0 && m_OptSel == 0 && AnyPressed(*this, {15, 10, 11})) {
    m_OptKeyLatch = 1;
    m_OptionsOpen = 0;
    p_PlaySFX(kTickSound, 1);
    p_Save();
  }
  if (m_OptKeyLatch == 0 && m_OptSel > 0 && AnyPressed(*this, {0, 3})) {
    --m_OptSel;
    m_OptKeyLatch = 1;
    p_PlaySFX(kTickSound, 1);
  }
  if (m_OptKeyLatch == 0 && m_OptSel < m_ButtonHit && AnyPressed(*this, {8, 5})) {
    ++m_OptSel;
    m_OptKeyLatch = 1;
    p_PlaySFX(kTickSound, 1);
  }
  return 0;
}

// The console's border adjustment: the shoulder buttons move it 16 pixels at a time
// within 1..96, and the screen fit takes it up from the next frame.
int c_MyApp::p_OptionOverscanBar(int slide) {
  const float y = static_cast<float>(92 - 12 * slide);
  const float bx = 0.6f * zu_Quor_jscrw;
  int& overscan = m_Options[kOverscanOption];
  p_SetCol(255, 255, 255, 1);
  p_SetSize(2);
  p_Text(bx, y, String("L1 <      Overscan      > R1"), 1);
  p_SetSize(1);
  p_SetCol(0, 128, 255, 0.5f);
  p_Rect(bx - 128, y - 5, 256, 9);
  p_SetCol(255, 255, 0, 0.75f);
  p_Rect(bx - 132 + 2.67f * static_cast<float>(overscan), y - 8, 8, 16);
  // Widened, so that a stored value at the ends of the int range cannot overflow.
  int64_t value = overscan;
  if (m_OptKeyLatch == 0 && AnyPressed(*this, {14})) {
    value -= 16;
    m_OptKeyLatch = 1;
  }
  if (m_OptKeyLatch == 0 && AnyPressed(*this, {15})) {
    value += 16;
    m_OptKeyLatch = 1;
  }
  overscan = static_cast<int>(std::clamp<int64_t>(value, 1, 96));
  zu_Quor_overscan = static_cast<float>(overscan);
  return 0;
}
