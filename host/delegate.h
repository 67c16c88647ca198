// The receiver of every lifecycle and input event the host delivers. The application
// framework derives its delegate from this class; every operation does nothing here so
// a delegate overrides only what it needs.
#pragma once

#include "host/gc.h"

// The `event` argument of the delegate's input operations.
struct ZuGameEvent {
  static constexpr int KeyDown = 1;
  static constexpr int KeyUp = 2;
  static constexpr int KeyChar = 3;
  static constexpr int MouseDown = 4;
  static constexpr int MouseUp = 5;
  static constexpr int MouseMove = 6;
  static constexpr int TouchDown = 7;
  static constexpr int TouchUp = 8;
  static constexpr int TouchMove = 9;
  static constexpr int MotionAccel = 10;
};

class ZuGameDelegate : public Object {
 public:
  virtual void StartGame() {}
  virtual void SuspendGame() {}
  virtual void ResumeGame() {}
  virtual void UpdateGame() {}
  virtual void RenderGame() {}
  virtual void KeyEvent(int /*event*/, int /*data*/) {}
  virtual void MouseEvent(int /*event*/, int /*data*/, float /*x*/, float /*y*/) {}
  virtual void TouchEvent(int /*event*/, int /*data*/, float /*x*/, float /*y*/) {}
  virtual void MotionEvent(int /*event*/, int /*data*/, float /*x*/, float /*y*/, float /*z*/) {}
  virtual void DiscardGraphics() {}
};
