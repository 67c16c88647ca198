// The menu's controls: stepping through the cards with key repeat, starting the selected
// game, the credits and options buttons, and the drag that keeps a swipe from pressing.
#include <algorithm>
#include <initializer_list>

#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kGames = 26;
constexpr int kUp = 0;
constexpr int kLeft = 3;
constexpr int kRight = 5;
constexpr int kDown = 8;
constexpr int kFire1 = 10;
constexpr int kFire2 = 11;
constexpr int kFire3 = 12;
constexpr int kFire4 = 13;
constexpr int kFire5 = 14;
constexpr int kFire6 = 15;
constexpr int kKeyboardOnly = -1;
constexpr int kStartSound = 98;
constexpr int kTickSound = 99;
constexpr int kLogoImage = 93;
constexpr int kButtonsImage = 95;
constexpr int kGearFirstFrame = 8;
// The repeat countdown and delay live in the game block, which the menu has to itself.
constexpr int kRepeatCountdown = 21;
constexpr int kRepeatDelay = 22;
constexpr float kFirstRepeatDelay = 20;
constexpr float kRepeatSpeedUp = 6;
constexpr float kFastestRepeat = 2;
constexpr int kLoadGameMode = 11;
constexpr float kDragThreshold = 2;
constexpr float kPanelWidth = 140;
// The cards' touch band reaches this far up from the bottom; the options gear sits above
// this line.
constexpr float kCardBand = 160;
constexpr int kGearBand = 64;

}  // namespace

int c_MyApp::p_MenuKeyRepeat() {
  const bool up = p_PlayKeyAll(kUp, 1) > 0;
  const bool left = p_PlayKeyAll(kLeft, 1) > 0;
  const bool right = p_PlayKeyAll(kRight, 1) > 0;
  const bool down = p_PlayKeyAll(kDown, 1) > 0;
  if (!up && !left && !right && !down) {
    m_Player[kRepeatCountdown] = 0;
    m_Player[kRepeatDelay] = kFirstRepeatDelay;
  }
  // A held direction frees its own latch when the countdown runs out: that is the repeat.
  if (left || right) {
    m_Player[kRepeatCountdown] -= 1;
    if (m_Player[kRepeatCountdown] < 0) m_KeyLatch = 0;
  }

  for (const int step : {-1, 1}) {
    const bool held = step < 0 ? left : right;
    const int next = m_MenuSel + step;
    if (!held || next < 1 || next > kGames || m_KeyLatch != 0 || p_AnyBoxOpen() != 0) continue;
    m_KeyLatch = 1;
    m_Player[kRepeatCountdown] = m_Player[kRepeatDelay];
    m_Player[kRepeatDelay] = std::max(m_Player[kRepeatDelay] - kRepeatSpeedUp, kFastestRepeat);
    m_MenuSel = next;
    // The tick rises in pitch towards the end of the alphabet.
    p_PlaySFX(kTickSound, static_cast<float>(m_MenuSel) / kGames + 0.5f, 0.8f);
  }
  m_Game = m_MenuSel;
  return 0;
}

int c_MyApp::p_MenuStart(int openGames) {
  const auto fireHeld = [this](int player) {
    for (const int control : {kFire1, kFire2, kFire3, kFire4}) {
      // The console's fourth button belongs to the pause menu.
      if (control == kFire4 && zu_Quor_isConsole != 0) continue;
      if (p_PlayKey(control, 1, player) != 0) return true;
    }
    return false;
  };
  bool fire = false;
  for (int player = 0; player < 4; ++player) fire = fire || fireHeld(player);
  // With on-screen controls a tap on the title area starts the selected game: the cards
  // of a portrait screen are too narrow to tap twice.
  const float panelX = zu_Quor_jscrw - kPanelWidth - 4 * static_cast<float>(m_MenuSlide);
  const bool tapped = zu_Quor_OnScreenControls == 1 && m_MouseHit > 0 && m_TouchLatch == 0 &&
                      m_MouseY > kGearBand && m_MouseY < zu_Quor_jscrh - kCardBand &&
                      static_cast<float>(m_MouseX) < panelX;
  if (tapped) fire = true;
  if (!fire || m_KeyLatch != 0 || p_AnyBoxOpen() != 0 || m_MenuSel > openGames) return 0;

  m_Mode = kLoadGameMode;
  m_TouchLatch = 1;
  m_KeyLatch = 1;
  p_PlaySFX(kStartSound, 1);
  // The game shows the glyphs of the controller that started it.
  m_StartPad = 0;
  m_Platform = zu_Quor_isConsole != 0 ? 1 : 0;
  for (int pad = 3; pad >= 0; --pad) {
    if (fireHeld(pad)) {
      m_StartPad = pad;
      m_Platform = 1;
    }
  }
  if (fireHeld(kKeyboardOnly)) {
    m_StartPad = 0;
    m_Platform = 0;
  }
  return 0;
}

// Fire 6 or the logo opens the credits; fire 5 or the gear in the top-left corner opens
// the options. Both buttons slide in from the top with the side panel.
int c_MyApp::p_MenuBoxButtons() {
  p_ResetDraw();
  p_SetSize(0.5f);
  if (m_KeyLatch == 0 && p_PlayKeyAll(kFire6, 1) > 0 && p_AnyBoxOpen() == 0) {
    m_KeyLatch = 1;
    p_PlaySFX(kTickSound, 1);
    m_CreditsOpen = 1;
  }
  if (m_KeyLatch == 0 && p_PlayKeyAll(kFire5, 1) > 0 && p_AnyBoxOpen() == 0) {
    m_KeyLatch = 1;
    p_PlaySFX(kTickSound, 1);
    m_OptionsOpen = 1;
    m_OptSel = 0;
  }

  const float buttonY = 4.0f * static_cast<float>(m_MenuSlide) + 32;
  p_SetSize(0.35f);
  if (p_Button(kLogoImage, zu_Quor_jscrw - 70, buttonY, 0) != 0 && m_TouchLatch == 0 &&
      p_AnyBoxOpen() == 0) {
    m_TouchLatch = 1;
    p_PlaySFX(kTickSound, 1);
    m_CreditsOpen = 1;
  }

  // The gear turns like the pause menu's options button, and rests while a box is open.
  if (p_AnyBoxOpen() == 0) m_PauseOpt += 0.2f;
  p_SetSize(0.5f);
  p_SetRot(-0.66f * m_PauseOpt);
  p_DrawImg(kButtonsImage, 32, buttonY, kGearFirstFrame);
  p_SetRot(0.33f * m_PauseOpt);
  p_DrawImg(kButtonsImage, 32, buttonY, kGearFirstFrame + 1);
  p_SetRot(m_PauseOpt);
  const int gearHit = p_Button(kButtonsImage, 32, buttonY, kGearFirstFrame + 2);
  p_ResetDraw();
  if (gearHit != 0 && m_TouchLatch == 0 && p_AnyBoxOpen() == 0) {
    m_TouchLatch = 1;
    p_PlaySFX(kTickSound, 1);
    m_OptionsOpen = 1;
    m_OptSel = 0;
  }
  return 0;
}

// A pointer moving sideways is a drag, not a press: latch 2 keeps the back and the logo
// from acting until it is released.
int c_MyApp::p_MenuDrag() {
  if (m_TouchLatch == 1 || p_AnyBoxOpen() != 0 || m_TouchDown <= 0) return 0;
  const float speed = static_cast<float>(m_MouseX - m_OldMouseX) * 1.5f;
  if (speed > kDragThreshold || speed < -kDragThreshold) m_TouchLatch = 2;
  return 0;
}
