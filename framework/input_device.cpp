#include "framework/input_device.h"

#include "host/game.h"

namespace {
constexpr int kKeyDown = 1, kKeyUp = 2, kKeyChar = 3;
constexpr int kMouseDown = 4, kMouseUp = 5, kMouseMove = 6;
constexpr int kTouchDown = 7, kTouchUp = 8, kTouchMove = 9;
constexpr int kMotionAccel = 10;
constexpr int kJoysticks = 4;
constexpr int kJoyButtons = 32;

bool valid_code(int code) { return code > 0 && code < c_InputDevice::kCodes; }
}  // namespace

c_JoyState* c_JoyState::m_new() {
  gc_assign(m_JoyX, Array<float>(2));
  gc_assign(m_JoyY, Array<float>(2));
  gc_assign(m_JoyZ, Array<float>(2));
  gc_assign(m_Buttons, Array<bool>(kJoyButtons));
  return this;
}

void c_JoyState::mark() {
  gc_mark_q(m_JoyX);
  gc_mark_q(m_JoyY);
  gc_mark_q(m_JoyZ);
  gc_mark_q(m_Buttons);
}

c_InputDevice* c_InputDevice::m_new() {
  gc_assign(m_JoyStates, Array<c_JoyState*>(kJoysticks));
  for (int i = 0; i < kJoysticks; ++i) gc_assign(m_JoyStates[i], gc_new<c_JoyState>()->m_new());
  gc_assign(m_KeyDown, Array<bool>(kCodes));
  gc_assign(m_KeyHitQueue, Array<int>(kHitQueueLength));
  gc_assign(m_KeyHit, Array<int>(kCodes));
  gc_assign(m_CharQueue, Array<int>(kCharQueueLength));
  gc_assign(m_FingerX, Array<float>(kFingers));
  gc_assign(m_FingerY, Array<float>(kFingers));
  return this;
}

void c_InputDevice::mark() {
  gc_mark_q(m_JoyStates);
  gc_mark_q(m_KeyDown);
  gc_mark_q(m_KeyHitQueue);
  gc_mark_q(m_KeyHit);
  gc_mark_q(m_CharQueue);
  gc_mark_q(m_FingerX);
  gc_mark_q(m_FingerY);
}

void c_InputDevice::p_PutKeyHit(int code) {
  if (m_KeyHitPut == m_KeyHitQueue.Length()) return;
  m_KeyHit[code] += 1;
  m_KeyHitQueue[m_KeyHitPut++] = code;
}

// The left mouse button and the first touch are one control: each moves the other.
void c_InputDevice::KeyDown(int code) {
  if (!valid_code(code) || m_KeyDown[code]) return;
  m_KeyDown[code] = true;
  p_PutKeyHit(code);
  if (code == KEY_LMB) {
    m_KeyDown[KEY_TOUCH0] = true;
    p_PutKeyHit(KEY_TOUCH0);
  } else if (code == KEY_TOUCH0) {
    m_KeyDown[KEY_LMB] = true;
    p_PutKeyHit(KEY_LMB);
  }
}

void c_InputDevice::KeyUp(int code) {
  if (!valid_code(code) || !m_KeyDown[code]) return;
  m_KeyDown[code] = false;
  if (code == KEY_LMB) {
    m_KeyDown[KEY_TOUCH0] = false;
  } else if (code == KEY_TOUCH0) {
    m_KeyDown[KEY_LMB] = false;
  }
}

void c_InputDevice::SetPointer(float x, float y) {
  m_PointerX = x;
  m_PointerY = y;
  m_FingerX[0] = x;
  m_FingerY[0] = y;
}

void c_InputDevice::SetFinger(int finger, float x, float y) {
  if (finger < 0 || finger >= kFingers) return;
  m_FingerX[finger] = x;
  m_FingerY[finger] = y;
  if (finger == 0) {
    m_PointerX = x;
    m_PointerY = y;
  }
}

void c_InputDevice::p_KeyEvent(int event, int data) {
  switch (event) {
    case kKeyDown:
      KeyDown(data);
      break;
    case kKeyUp:
      KeyUp(data);
      break;
    case kKeyChar:
      if (m_CharPut < m_CharQueue.Length()) m_CharQueue[m_CharPut++] = data;
      break;
  }
}

void c_InputDevice::p_MouseEvent(int event, int button, float x, float y) {
  switch (event) {
    case kMouseDown:
      KeyDown(button + 1);
      SetPointer(x, y);
      break;
    case kMouseUp:
      KeyUp(button + 1);
      break;
    case kMouseMove:
      SetPointer(x, y);
      break;
  }
}

void c_InputDevice::p_TouchEvent(int event, int finger, float x, float y) {
  if (finger < 0 || finger >= kFingers) return;
  switch (event) {
    case kTouchDown:
      KeyDown(KEY_TOUCH0 + finger);
      SetFinger(finger, x, y);
      break;
    case kTouchUp:
      KeyUp(KEY_TOUCH0 + finger);
      break;
    case kTouchMove:
      SetFinger(finger, x, y);
      break;
  }
}

void c_InputDevice::p_MotionEvent(int event, int, float x, float y, float z) {
  if (event != kMotionAccel) return;
  m_AccelX = x;
  m_AccelY = y;
  m_AccelZ = z;
}

void c_InputDevice::p_BeginUpdate() {
  int polled = 0;
  for (; polled < kJoysticks; ++polled) {
    c_JoyState* joy = m_JoyStates[polled];
    if (!ZuGame::_game->PollJoystick(polled, joy->m_JoyX, joy->m_JoyY, joy->m_JoyZ, joy->m_Buttons)) break;
    for (int button = 0; button < kJoyButtons; ++button) {
      const int code = KEY_JOY0 + polled * kJoyButtons + button;
      if (joy->m_Buttons[button]) {
        if (!m_KeyDown[code]) {
          m_KeyDown[code] = true;
          p_PutKeyHit(code);
        }
      } else {
        m_KeyDown[code] = false;
      }
    }
  }
  // A joystick that went away lets go of everything it held: its buttons would otherwise
  // stay down (and every menu's key latch set) until it came back.
  m_JoystickLost = polled < m_JoysticksPolled;
  for (int unit = polled; unit < m_JoysticksPolled; ++unit) ReleaseJoystick(unit);
  m_JoysticksPolled = polled;
}

void c_InputDevice::ReleaseJoystick(int unit) {
  c_JoyState* joy = m_JoyStates[unit];
  for (int button = 0; button < kJoyButtons; ++button) {
    joy->m_Buttons[button] = false;
    m_KeyDown[KEY_JOY0 + unit * kJoyButtons + button] = false;
  }
  for (Array<float> axis : {joy->m_JoyX, joy->m_JoyY, joy->m_JoyZ}) {
    for (float& value : axis) value = 0;
  }
}

void c_InputDevice::p_EndUpdate() {
  for (int i = 0; i < m_KeyHitPut; ++i) m_KeyHit[m_KeyHitQueue[i]] = 0;
  m_KeyHitPut = 0;
  m_CharGet = 0;
  m_CharPut = 0;
}

bool c_InputDevice::p_SetKeyboardEnabled(bool enabled) {
  ZuGame::_game->SetKeyboardEnabled(enabled);
  return true;
}

bool c_InputDevice::p_KeyDown(int code) { return valid_code(code) && m_KeyDown[code]; }

int c_InputDevice::p_KeyHit(int code) { return valid_code(code) ? m_KeyHit[code] : 0; }

int c_InputDevice::p_GetChar() {
  if (m_CharGet == m_CharPut) return 0;
  return m_CharQueue[m_CharGet++];
}

float c_InputDevice::p_TouchX(int finger) {
  return finger >= 0 && finger < kFingers ? m_FingerX[finger] : 0.0f;
}

float c_InputDevice::p_TouchY(int finger) {
  return finger >= 0 && finger < kFingers ? m_FingerY[finger] : 0.0f;
}
