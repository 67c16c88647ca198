// Touch-screen and motion controls: an on-screen direction pad with two fire buttons that
// fill the virtual control slots, and tilt input with a calibration button. Both have
// their own build switch; on the desktop the switches are off and neither runs.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/input.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kPadImage = 94;
constexpr int kIconsImage = 97;
constexpr int kOptionPadX = 10;
constexpr int kOptionPadFromBottom = 11;
constexpr int kOptionPadSize = 12;
constexpr int kPadMargin = 32;
constexpr int kPadSizeMin = 8;
constexpr int kPadSizeMax = 25;
constexpr float kPadSpacing = 32.0f;
constexpr float kFireSpacing = 24.0f;
// Pressed through an on-screen button: seen by the game in the next update only.
constexpr int kMomentary = 1;
// Moving apart two fingers by this many units grows the pad by one size step.
constexpr int kPinchUnit = 16;

constexpr float kTiltEase = 0.25f;
constexpr float kTiltSnap = 0.005f;
constexpr float kCalibrateInset = 24.0f;
constexpr float kTiltIndicatorReach = 20.0f;

// Clamps an option to low..high (high given in virtual units) and writes it back.
int ClampOption(Array<int>& options, int index, int low, float high) {
  int value = std::max(options[index], low);
  if (static_cast<float>(value) > high) value = zu_f2i(high);
  options[index] = value;
  return value;
}

// Eases a smoothed value a quarter of the way toward its target, landing on it when close.
float EaseToward(float smoothed, float target) {
  smoothed += (target - smoothed) * kTiltEase;
  return std::fabs(target - smoothed) < kTiltSnap ? target : smoothed;
}

}  // namespace

int c_MyApp::p_OnScreenPad() {
  if (zu_Quor_OnScreenControls != 1 || m_Mode <= 5 || zu_Quor_iCadeControls == 1) return 0;

  const int padX = ClampOption(m_Options, kOptionPadX, kPadMargin, zu_Quor_jscrw - kPadMargin);
  const int fromBottom =
      ClampOption(m_Options, kOptionPadFromBottom, kPadMargin, zu_Quor_jscrh - kPadMargin);
  const int size = ClampOption(m_Options, kOptionPadSize, kPadSizeMin, kPadSizeMax);
  m_PadX = padX;
  m_PadY = zu_f2i(zu_Quor_jscrh - static_cast<float>(fromBottom));
  m_PadScale = static_cast<float>(size) / 10.0f;
  const float s = m_PadScale;
  const float x = static_cast<float>(m_PadX);
  const float y = static_cast<float>(m_PadY);

  p_SetCol(255, 255, 255, 0.6f);
  p_SetRot(0);
  m_Blend = 1;
  p_SetSize(s);
  struct Direction {
    float dx, dy;
    int frame, slot;
  };
  const Direction directions[] = {{-1, 0, 4, 3}, {0, -1, 1, 0}, {0, 1, 9, 8}, {1, 0, 6, 5}};
  for (const Direction& direction : directions) {
    const int hit = p_Button(kPadImage, x + direction.dx * kPadSpacing * s,
                             y + direction.dy * kPadSpacing * s, direction.frame);
    if (hit != 0 && m_Paused == 0) m_Keys[direction.slot] = kMomentary;
  }
  p_DrawImg(kPadImage, x, y, 5);

  // While paused the pad can be moved with one finger and resized with two.
  if (m_Paused != 0) {
    p_SetSize(3);
    if (p_Button0(kPadImage, x, y, 0) != 0 && m_TouchOn[1] == 0) {
      m_Options[kOptionPadX] = m_TouchX[0];
      m_Options[kOptionPadFromBottom] = zu_f2i(zu_Quor_jscrh - static_cast<float>(m_TouchY[0]));
    }
    if (m_TouchOn[0] != 0 && m_TouchOn[1] != 0) {
      const int spread = std::abs(m_TouchX[0] - m_TouchX[1]) / kPinchUnit;
      if (m_TmpO == 1) m_Options[kOptionPadSize] += spread - m_TmpN;
      m_TmpN = spread;
      m_TmpO = 1;
    } else if (m_TouchOn[1] == 0) {
      m_TmpN = 0;
      m_TmpO = 0;
    }
  }

  // The fire buttons mirror the pad on the other side of the screen.
  p_SetSize(1.5f * s);
  if (p_Button(kPadImage, zu_Quor_jscrw - (x - kFireSpacing * s), y - kFireSpacing * s, 0) != 0) {
    m_Keys[10] = kMomentary;
  }
  if (p_Button(kPadImage, zu_Quor_jscrw - (x + kFireSpacing * s), y + kFireSpacing * s, 0) != 0) {
    m_Keys[11] = kMomentary;
  }
  return 0;
}

int c_MyApp::p_TiltInput() {
  if (zu_Quor_AccelerometerControls != 1) return 0;
  if (zu_Quor_iCadeControls == 1) {
    m_TiltX = m_TiltY = m_TiltSmoothX = m_TiltSmoothY = 0.0f;
    return 0;
  }
  m_TiltX = zu_input_AccelX() - m_AccelBaseX;
  m_TiltY = zu_input_AccelY() - m_AccelBaseY;
  m_TiltSmoothX = EaseToward(m_TiltSmoothX, m_TiltX);
  m_TiltSmoothY = EaseToward(m_TiltSmoothY, m_TiltY);

  const float buttonY = zu_Quor_jscrh - kCalibrateInset;
  p_SetCol(255, 255, 255, 0.8f);
  p_SetSize(1.5f);
  if (p_Button(kIconsImage, kCalibrateInset, buttonY, 7) != 0) {
    // The way the device is held now becomes level.
    m_AccelBaseX = zu_input_AccelX();
    m_AccelBaseY = zu_input_AccelY();
  }
  p_SetCol(100, 255, 100, 0.6f);
  p_Oval(kCalibrateInset + kTiltIndicatorReach * m_TiltSmoothX,
         buttonY + kTiltIndicatorReach * m_TiltSmoothY, 4, 4);
  return 0;
}
