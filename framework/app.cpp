#include "framework/app.h"

#include "framework/async_event.h"
#include "framework/audio.h"
#include "framework/graphics.h"
#include "framework/input.h"
#include "framework/int_map.h"
#include "framework/stack.h"
#include "host/report.h"

c_App* zu_app__app = nullptr;
c_GameDelegate* zu_app__delegate = nullptr;
ZuGame* zu_app__game = nullptr;
int zu_app__updateRate = 0;
int zu_app__devWidth = 0;
int zu_app__devHeight = 0;
Array<c_DisplayMode*> zu_app__displayModes;
c_DisplayMode* zu_app__desktopMode = nullptr;

namespace {
constexpr int KEY_CLOSE_CODE = 432;
constexpr int KEY_BACK_CODE = 416;

const gc_roots app_roots([] {
  gc_mark_q(zu_app__app);
  gc_mark_q(zu_app__delegate);
  gc_mark_q(zu_app__displayModes);
  gc_mark_q(zu_app__desktopMode);
});
}  // namespace

void zu_app_Init() {
  zu_app__app = nullptr;
  zu_app__delegate = nullptr;
  zu_app__game = ZuGame::_game;
  zu_app__updateRate = 0;
  zu_app__devWidth = 0;
  zu_app__devHeight = 0;
  zu_app__displayModes = Array<c_DisplayMode*>();
  zu_app__desktopMode = nullptr;
}

c_App* c_App::m_new() {
  if (zu_app__app) zuError(String("App has already been created"));
  gc_assign(zu_app__app, this);
  gc_assign(zu_app__delegate, gc_new<c_GameDelegate>()->m_new());
  zu_app__game->SetDelegate(zu_app__delegate);
  return this;
}

int c_App::p_OnClose() {
  zu_app_EndApp();
}

int c_App::p_OnBack() {
  zu_app_EndApp();
}

void c_GameDelegate::mark() {
  gc_mark_q(m_graphics);
  gc_mark_q(m_audio);
  gc_mark_q(m_input);
}

void c_GameDelegate::StartGame() {
  gc_assign(m_graphics, gc_new<ZuGraphics>());
  zu_graphics_SetGraphicsDevice(m_graphics);
  zu_graphics_SetFont(nullptr, 32);
  gc_assign(m_audio, gc_new<ZuAudio>());
  zu_audio_SetAudioDevice(m_audio);
  gc_assign(m_input, gc_new<c_InputDevice>()->m_new());
  zu_input_SetInputDevice(m_input);
  zu_app_ValidateDeviceWindow(false);
  zu_app_EnumDisplayModes();
  zu_app__app->p_OnCreate();
}

void c_GameDelegate::SuspendGame() {
  zu_app__app->p_OnSuspend();
  m_audio->Suspend();
}

void c_GameDelegate::ResumeGame() {
  m_audio->Resume();
  zu_app__app->p_OnResume();
}

void c_GameDelegate::UpdateGame() {
  zu_app_ValidateDeviceWindow(true);
  m_input->p_BeginUpdate();
  zu_app__app->p_OnUpdate();
  m_input->p_EndUpdate();
}

void c_GameDelegate::RenderGame() {
  zu_app_ValidateDeviceWindow(true);
  const int mode = m_graphics->BeginRender();
  if (mode != 0) zu_graphics_BeginRender();
  if (mode == 2) {
    zu_app__app->p_OnLoading();
  } else {
    zu_app__app->p_OnRender();
  }
  if (mode != 0) zu_graphics_EndRender();
  m_graphics->EndRender();
}

void c_GameDelegate::KeyEvent(int event, int data) {
  m_input->p_KeyEvent(event, data);
  if (event != ZuGameEvent::KeyDown) return;
  if (data == KEY_CLOSE_CODE) {
    zu_app__app->p_OnClose();
  } else if (data == KEY_BACK_CODE) {
    zu_app__app->p_OnBack();
  }
}

void c_GameDelegate::MouseEvent(int event, int data, float x, float y) {
  m_input->p_MouseEvent(event, data, x, y);
}

void c_GameDelegate::TouchEvent(int event, int data, float x, float y) {
  m_input->p_TouchEvent(event, data, x, y);
}

void c_GameDelegate::MotionEvent(int event, int data, float x, float y, float z) {
  m_input->p_MotionEvent(event, data, x, y, z);
}

void c_GameDelegate::DiscardGraphics() { m_graphics->DiscardGraphics(); }

int zu_app_DeviceWidth() { return zu_app__devWidth; }
int zu_app_DeviceHeight() { return zu_app__devHeight; }

void zu_app_SetUpdateRate(int hertz) {
  zu_app__updateRate = hertz;
  zu_app__game->SetUpdateRate(hertz);
}

int zu_app_Millisecs() { return zu_app__game->Millisecs(); }

void zu_app_GetDate(Array<int> date) { zu_app__game->GetDate(date); }

Array<int> zu_app_GetDate2() {
  Array<int> date(7);
  zu_app__game->GetDate(date);
  return date;
}

String zu_app_LoadState() { return zu_app__game->LoadState(); }

int zu_app_SaveState(const String& state) { return zu_app__game->SaveState(state); }

void zu_app_EndApp() {
  zuError(String());
  __builtin_unreachable();
}

void zu_app_ValidateDeviceWindow(bool notifyApp) {
  const int width = zu_app__game->GetDeviceWidth();
  const int height = zu_app__game->GetDeviceHeight();
  if (width == zu_app__devWidth && height == zu_app__devHeight) return;
  zu_app__devWidth = width;
  zu_app__devHeight = height;
  if (notifyApp) zu_app__app->p_OnResize();
}

void zu_app_EnumDisplayModes() {
  Array<ZuDisplayMode*> modes = zu_app__game->GetDisplayModes();
  c_IntMap* seen = gc_new<c_IntMap>()->m_new();
  c_Stack* distinct = gc_new<c_Stack>();
  for (ZuDisplayMode* mode : modes) {
    const int key = static_cast<int>(static_cast<unsigned>(mode->width) << 16) | mode->height;
    if (seen->p_Contains(key)) continue;
    c_DisplayMode* record = gc_new<c_DisplayMode>()->m_new(mode->width, mode->height);
    seen->p_Insert(key, record);
    distinct->p_Push(record);
  }
  gc_assign(zu_app__displayModes, distinct->p_ToArray());
  ZuDisplayMode* desktop = zu_app__game->GetDesktopMode();
  c_DisplayMode* desktopMode = desktop
      ? gc_new<c_DisplayMode>()->m_new(desktop->width, desktop->height)
      : gc_new<c_DisplayMode>()->m_new(zu_app__devWidth, zu_app__devHeight);
  gc_assign(zu_app__desktopMode, desktopMode);
}
