#include "host/game.h"

#include <cstdlib>

#include "host/date.h"
#include "host/files.h"
#include "host/report.h"

ZuGame* ZuGame::_game = nullptr;

ZuGame::ZuGame() { _game = this; }

ZuGame::~ZuGame() {
  if (_game == this) _game = nullptr;
}

void ZuGame::SetDelegate(ZuGameDelegate* delegate) { _delegate = delegate; }
ZuGameDelegate* ZuGame::Delegate() { return _delegate; }
void ZuGame::SetKeyboardEnabled(bool enabled) { _keyboardEnabled = enabled; }
bool ZuGame::KeyboardEnabled() { return _keyboardEnabled; }
void ZuGame::SetUpdateRate(int hertz) { _updateRate = hertz; }
int ZuGame::UpdateRate() { return _updateRate; }
bool ZuGame::Started() { return _started; }
bool ZuGame::Suspended() { return _suspended; }
int ZuGame::Millisecs() { return 0; }
void ZuGame::GetDate(Array<int> date) { zu_GetDate(date); }
int ZuGame::SaveState(const String& state) { return zu_files_SaveState(state); }
String ZuGame::LoadState() { return zu_files_LoadState(); }
String ZuGame::LoadString(const String& path) { return zu_files_LoadString(path); }

bool ZuGame::PollJoystick(int, Array<float>, Array<float>, Array<float>, Array<bool>) {
  return false;
}

void ZuGame::OpenUrl(const String&) {}
void ZuGame::SetMouseVisible(bool) {}
int ZuGame::GetDeviceWidth() { return 0; }
int ZuGame::GetDeviceHeight() { return 0; }
void ZuGame::SetDeviceWindow(int, int, int) {}
Array<ZuDisplayMode*> ZuGame::GetDisplayModes() { return Array<ZuDisplayMode*>(); }
ZuDisplayMode* ZuGame::GetDesktopMode() { return nullptr; }
void ZuGame::SetSwapInterval(int) {}
String ZuGame::PathToFilePath(const String& path) { return path; }

std::FILE* ZuGame::OpenFile(const String& path, const String& mode) {
  return zu_files_OpenFile(path, mode);
}

unsigned char* ZuGame::LoadData(const String& path, int* length) {
  return zu_files_LoadData(path, length);
}

unsigned char* ZuGame::LoadImageData(const String&, int*, int*, int*) { return nullptr; }

unsigned char* ZuGame::LoadAudioData(const String&, int*, int*, int*, int*) { return nullptr; }

void ZuGame::Die(ThrowableObject*) {
  zuPrint(String("Vantor Runtime Error : Uncaught Vantor Exception"));
  std::exit(-1);
}

void ZuGame::gc_collect() { gc_collect_step(_delegate); }

template <class Call>
void ZuGame::CallDelegate(Call call) {
  // Without a delegate there is no one to tell, and nothing was allocated to collect.
  if (!_delegate) return;
  try {
    call(*_delegate);
  } catch (ThrowableObject* exception) {
    Die(exception);
  }
  gc_collect();
}

void ZuGame::StartGame() {
  if (_started) return;
  _started = true;
  CallDelegate([](ZuGameDelegate& d) { d.StartGame(); });
}

void ZuGame::SuspendGame() {
  if (!_started || _suspended) return;
  _suspended = true;
  CallDelegate([](ZuGameDelegate& d) { d.SuspendGame(); });
}

void ZuGame::ResumeGame() {
  if (!_started || !_suspended) return;
  _suspended = false;
  CallDelegate([](ZuGameDelegate& d) { d.ResumeGame(); });
}

void ZuGame::UpdateGame() {
  if (!_started || _suspended) return;
  CallDelegate([](ZuGameDelegate& d) { d.UpdateGame(); });
}

void ZuGame::RenderGame() {
  if (!_started) return;
  CallDelegate([](ZuGameDelegate& d) { d.RenderGame(); });
}

void ZuGame::KeyEvent(int event, int data) {
  if (!_started) return;
  CallDelegate([=](ZuGameDelegate& d) { d.KeyEvent(event, data); });
}

void ZuGame::MouseEvent(int event, int data, float x, float y) {
  if (!_started) return;
  CallDelegate([=](ZuGameDelegate& d) { d.MouseEvent(event, data, x, y); });
}

void ZuGame::TouchEvent(int event, int data, float x, float y) {
  if (!_started) return;
  CallDelegate([=](ZuGameDelegate& d) { d.TouchEvent(event, data, x, y); });
}

void ZuGame::MotionEvent(int event, int data, float x, float y, float z) {
  if (!_started) return;
  CallDelegate([=](ZuGameDelegate& d) { d.MotionEvent(event, data, x, y, z); });
}

void ZuGame::DiscardGraphics() {
  if (!_started) return;
  CallDelegate([](ZuGameDelegate& d) { d.DiscardGraphics(); });
}
