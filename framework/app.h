// The application model: the application base class with its hooks, the delegate that
// turns every host event into calls on the application and the devices, and the app
// module's functions (device size, update rate, clock, date, saved state, ending).
#pragma once

#include "framework/display_mode.h"
#include "framework/input_device.h"
#include "host/array.h"
#include "host/audio/audio.h"
#include "host/delegate.h"
#include "host/game.h"
#include "host/graphics/renderer.h"

class c_App : public Object {
 public:
  // Registers this as the one application and hands a new delegate to the host.
  c_App* m_new();

  virtual int p_OnCreate() { return 0; }
  virtual int p_OnSuspend() { return 0; }
  virtual int p_OnResume() { return 0; }
  virtual int p_OnUpdate() { return 0; }
  virtual int p_OnRender() { return 0; }
  int p_OnResize() { return 0; }
  int p_OnLoading() { return 0; }
  int p_OnClose();
  int p_OnBack();
};

class c_GameDelegate : public ZuGameDelegate {
 public:
  ZuGraphics* m_graphics = nullptr;
  ZuAudio* m_audio = nullptr;
  c_InputDevice* m_input = nullptr;

  c_GameDelegate* m_new() { return this; }
  void mark() override;

  void StartGame() override;
  void SuspendGame() override;
  void ResumeGame() override;
  void UpdateGame() override;
  void RenderGame() override;
  void KeyEvent(int event, int data) override;
  void MouseEvent(int event, int data, float x, float y) override;
  void TouchEvent(int event, int data, float x, float y) override;
  void MotionEvent(int event, int data, float x, float y, float z) override;
  void DiscardGraphics() override;
};

// The owner of the host's event codes.
class c_ZuGameEvent : public Object, public ZuGameEvent {};

extern c_App* zu_app__app;
extern c_GameDelegate* zu_app__delegate;
extern ZuGame* zu_app__game;
extern int zu_app__updateRate;
extern int zu_app__devWidth;
extern int zu_app__devHeight;
extern Array<c_DisplayMode*> zu_app__displayModes;
extern c_DisplayMode* zu_app__desktopMode;

// The app module's start-up values.
void zu_app_Init();

int zu_app_DeviceWidth();
int zu_app_DeviceHeight();
void zu_app_SetUpdateRate(int hertz);
int zu_app_Millisecs();
void zu_app_GetDate(Array<int> date);
// Year, month, day, hour, minute, second, 0.
Array<int> zu_app_GetDate2();
String zu_app_LoadState();
// The host's result: 0 when the state is saved, negative when it is not.
int zu_app_SaveState(const String& state);
// Ends the program with status 0 at once; nothing is saved on the way.
[[noreturn]] void zu_app_EndApp();
// Refreshes the cached device size; with notifyApp, a change calls the application's
// p_OnResize.
void zu_app_ValidateDeviceWindow(bool notifyApp);
// Lists the distinct display modes (first-seen order) and the desktop mode.
void zu_app_EnumDisplayModes();
