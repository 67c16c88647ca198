// The analogue direction for player 0, merged from a touch stick that follows the finger,
// joystick 0 and the arrow keys, which ease in and out so a tap steers gently.
#include <algorithm>
#include <cmath>

#include "framework/input.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr float kTouchStickReach = 72.0f;
constexpr float kTouchDeadZone = 0.1f;
constexpr int kAnchorSlack = 64;
constexpr int kAnchorFollow = 4;
constexpr float kJoystickDeadZone = 0.2f;
constexpr float kKeyStickStep = 0.15f;
constexpr float kKeyStickReturn = 0.2f;
constexpr float kDebugDeadZone = 0.05f;
constexpr float kDebugInset = 64.0f;
constexpr float kDebugReach = 52.0f;

float Clamp1(float value) { return std::clamp(value, -1.0f, 1.0f); }

// One update of a key-driven axis: held keys push it, released ones let it settle at 0.
// The stick axis takes the key value only while the keys are in play, so a resting key
// stick leaves the touch or joystick value alone.
void EaseKeyAxis(bool negativeHeld, bool positiveHeld, float& keyStick, float& stick) {
  if (negativeHeld) {
    keyStick -= kKeyStickStep;
    stick = keyStick;
  }
  if (positiveHeld) {
    keyStick += kKeyStickStep;
    stick = keyStick;
  }
  if (!negativeHeld && !positiveHeld && keyStick != 0.0f) {
    if (keyStick > 0.0f) {
      keyStick = std::max(0.0f, keyStick - kKeyStickReturn);
    } else {
      keyStick = std::min(0.0f, keyStick + kKeyStickReturn);
    }
    stick = keyStick;
  }
}

// Moves the anchor toward a pointer that has run more than the slack away from it.
int FollowPointer(int anchor, int pointer) {
  if (pointer - anchor > kAnchorSlack) return anchor + kAnchorFollow;
  if (pointer - anchor < -kAnchorSlack) return anchor - kAnchorFollow;
  return anchor;
}

}  // namespace

int c_MyApp::p_AnalogueControl() {
  m_StickX = 0.0f;
  m_StickY = 0.0f;

  if (m_TouchDown == 0) {
    m_AnchorX = -1;
  } else {
    if (m_AnchorX < 0) {
      m_AnchorX = m_MouseX;
      m_AnchorY = m_MouseY;
    } else {
      const float x = static_cast<float>(m_MouseX - m_AnchorX) / kTouchStickReach;
      const float y = static_cast<float>(m_MouseY - m_AnchorY) / kTouchStickReach;
      const bool resting = std::fabs(x) < kTouchDeadZone && std::fabs(y) < kTouchDeadZone;
      m_StickX = resting ? 0.0f : x;
      m_StickY = resting ? 0.0f : y;
      m_AnchorX = FollowPointer(m_AnchorX, m_MouseX);
      m_AnchorY = FollowPointer(m_AnchorY, m_MouseY);
      if (m_AnchorX < 0) {
        m_AnchorX = m_MouseX;
        m_AnchorY = m_MouseY;
      }
    }
    // The stick is shown under the finger; the caller's colour and alpha are kept.
    const float r = m_ColR, g = m_ColG, b = m_ColB, alpha = m_Alpha;
    p_SetCol(0, 100, 250, 0.25f);
    p_Oval(static_cast<float>(m_AnchorX), static_cast<float>(m_AnchorY), 12, 12);
    p_Oval(static_cast<float>(m_MouseX), static_cast<float>(m_MouseY), 8, 8);
    p_SetCol(r, g, b, alpha);
  }

  const float joyX = zu_input_JoyX(0, 0);
  const float joyY = zu_input_JoyY(0, 0);
  if (std::fabs(joyX) > kJoystickDeadZone || std::fabs(joyY) > kJoystickDeadZone) {
    m_StickX = joyX;
    m_StickY = -joyY;
  }

  EaseKeyAxis(p_PlayKey(0, 0, 0) != 0, p_PlayKey(8, 0, 0) != 0, m_KeyStickY, m_StickY);
  EaseKeyAxis(p_PlayKey(3, 0, 0) != 0, p_PlayKey(5, 0, 0) != 0, m_KeyStickX, m_StickX);

  m_StickX = Clamp1(m_StickX);
  m_StickY = Clamp1(m_StickY);
  m_KeyStickX = Clamp1(m_KeyStickX);
  m_KeyStickY = Clamp1(m_KeyStickY);

  const bool centred =
      std::fabs(m_StickX) <= kDebugDeadZone && std::fabs(m_StickY) <= kDebugDeadZone;
  if (zu_Quor_DebugMode == 1 && !centred) {
    const float r = m_ColR, g = m_ColG, b = m_ColB, alpha = m_Alpha;
    const float cx = zu_Quor_jscrw - kDebugInset;
    const float cy = zu_Quor_jscrh - kDebugInset;
    p_SetCol(0, 180, 250, 0.5f);
    p_Oval(cx, cy, 12, 12);
    p_Oval(cx + kDebugReach * m_StickX, cy + kDebugReach * m_StickY, 8, 8);
    p_SetCol(r, g, b, alpha);
  }
  return 0;
}
