// Turns the host's input events and polled joysticks into one queryable state per update:
// which codes are down, how often each went down since the last update, typed characters,
// pointer, touch, joystick axes and the accelerometer. Keys, mouse buttons, touches and
// joystick buttons share one range of 512 codes.
#pragma once

#include "host/array.h"
#include "host/gc.h"

constexpr int KEY_LMB = 1;
constexpr int KEY_RMB = 2;
constexpr int KEY_MMB = 3;
constexpr int KEY_JOY0 = 256;
constexpr int KEY_TOUCH0 = 384;
constexpr int KEY_BACK = 416;
constexpr int KEY_CLOSE = 432;

class c_JoyState : public Object {
 public:
  Array<float> m_JoyX;
  Array<float> m_JoyY;
  Array<float> m_JoyZ;
  Array<bool> m_Buttons;

  c_JoyState* m_new();
  void mark() override;
};

class c_InputDevice : public Object {
 public:
  static constexpr int kCodes = 512;
  static constexpr int kHitQueueLength = 33;
  static constexpr int kCharQueueLength = 32;
  static constexpr int kFingers = 32;

  Array<c_JoyState*> m_JoyStates;
  Array<bool> m_KeyDown;
  int m_KeyHitPut = 0;
  Array<int> m_KeyHitQueue;
  Array<int> m_KeyHit;
  int m_CharGet = 0;
  int m_CharPut = 0;
  Array<int> m_CharQueue;
  float m_PointerX = 0;
  float m_PointerY = 0;
  Array<float> m_FingerX;
  Array<float> m_FingerY;
  float m_AccelX = 0;
  float m_AccelY = 0;
  float m_AccelZ = 0;
  // Joysticks polled in the last update, and whether that was fewer than the time before.
  int m_JoysticksPolled = 0;
  bool m_JoystickLost = false;

  c_InputDevice* m_new();
  void mark() override;

  // Host events (event codes 1..10).
  void p_KeyEvent(int event, int data);
  void p_MouseEvent(int event, int button, float x, float y);
  void p_TouchEvent(int event, int finger, float x, float y);
  void p_MotionEvent(int event, int data, float x, float y, float z);

  // The update bracket: joysticks are polled before, hits and characters cleared after.
  // Joysticks are polled from unit 0 until one is missing; units that were polled the
  // update before and are no longer are released.
  void p_BeginUpdate();
  void p_EndUpdate();

  void p_PutKeyHit(int code);
  bool p_SetKeyboardEnabled(bool enabled);

  bool p_KeyDown(int code);
  int p_KeyHit(int code);
  int p_GetChar();
  float p_MouseX() { return m_PointerX; }
  float p_MouseY() { return m_PointerY; }
  float p_TouchX(int finger);
  float p_TouchY(int finger);
  float p_JoyX(int index, int unit) { return m_JoyStates[unit]->m_JoyX[index]; }
  float p_JoyY(int index, int unit) { return m_JoyStates[unit]->m_JoyY[index]; }
  float p_JoyZ(int index, int unit) { return m_JoyStates[unit]->m_JoyZ[index]; }
  float p_AccelX() { return m_AccelX; }
  float p_AccelY() { return m_AccelY; }
  float p_AccelZ() { return m_AccelZ; }

 private:
  void ReleaseJoystick(int unit);
  void KeyDown(int code);
  void KeyUp(int code);
  void SetPointer(float x, float y);
  void SetFinger(int finger, float x, float y);
};
