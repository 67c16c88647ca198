// The root of the host: the one object through which the application reaches the
// platform, and which forwards every lifecycle and input event to the registered delegate.
// The bodies here are the platform-neutral ones; the desktop host overrides the rest.
#pragma once

#include <cstdio>

#include "host/array.h"
#include "host/delegate.h"
#include "host/display_mode.h"
#include "host/gc.h"
#include "host/string.h"

class ZuGame {
 public:
  ZuGame();
  ZuGame(const ZuGame&) = delete;
  ZuGame& operator=(const ZuGame&) = delete;
  virtual ~ZuGame();

  virtual void SetDelegate(ZuGameDelegate* delegate);
  virtual ZuGameDelegate* Delegate();
  virtual void SetKeyboardEnabled(bool enabled);
  virtual bool KeyboardEnabled();
  virtual void SetUpdateRate(int hertz);
  virtual int UpdateRate();
  virtual bool Started();
  virtual bool Suspended();
  virtual int Millisecs();
  virtual void GetDate(Array<int> date);
  // 0 on success, -1 when the state file cannot be opened, -2 on a short write.
  virtual int SaveState(const String& state);
  virtual String LoadState();
  virtual String LoadString(const String& path);
  virtual bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                            Array<bool> buttons);
  virtual void OpenUrl(const String& url);
  virtual void SetMouseVisible(bool visible);
  virtual int GetDeviceWidth();
  virtual int GetDeviceHeight();
  virtual void SetDeviceWindow(int width, int height, int flags);
  virtual Array<ZuDisplayMode*> GetDisplayModes();
  virtual ZuDisplayMode* GetDesktopMode();
  virtual void SetSwapInterval(int interval);
  virtual String PathToFilePath(const String& path);
  // The caller closes the stream; null when the file cannot be opened.
  virtual std::FILE* OpenFile(const String& path, const String& mode);
  // The whole file from the system allocator (the caller frees it), or null.
  virtual unsigned char* LoadData(const String& path, int* length);
  // Decoded pixels; the renderer supplies them.
  virtual unsigned char* LoadImageData(const String& path, int* width, int* height, int* depth);
  // Decoded samples; the audio engine supplies them.
  virtual unsigned char* LoadAudioData(const String& path, int* length, int* channels,
                                       int* format, int* hertz);
  // "Vantor Runtime Error : Uncaught Vantor Exception" and status -1.
  [[noreturn]] virtual void Die(ThrowableObject* exception);
  // One collector step, keeping the delegate alive.
  virtual void gc_collect();

  // Event wrappers: each runs only in the state named, calls the delegate (an escaping
  // exception is fatal) and then takes one collector step. A wrapper that does not run
  // changes nothing.
  virtual void StartGame();      // not started yet
  virtual void SuspendGame();    // started and running
  virtual void ResumeGame();     // started and suspended
  virtual void UpdateGame();     // started and running
  virtual void RenderGame();     // started
  virtual void KeyEvent(int event, int data);                                // started
  virtual void MouseEvent(int event, int data, float x, float y);            // started
  virtual void TouchEvent(int event, int data, float x, float y);            // started
  virtual void MotionEvent(int event, int data, float x, float y, float z);  // started
  virtual void DiscardGraphics();                                            // started

  // The one host object.
  static ZuGame* _game;

  ZuGameDelegate* _delegate = nullptr;
  bool _keyboardEnabled = false;
  int _updateRate = 0;  // updates per second; 0: one update per loop pass
  bool _started = false;
  bool _suspended = false;

 private:
  template <class Call>
  void CallDelegate(Call call);
};
