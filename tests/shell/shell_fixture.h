// A c_MyApp on a scripted host, without a window or sound device: updates run for real
// and draw into the draw list; the date, clock, device size and saved state are the test's.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/framework_init.h"
#include "framework/input.h"
#include "host/game.h"
#include "host/joystick.h"
#include "host/gc.h"
#include "shell/my_app.h"
#include "shell/quor.h"

class ScriptedShellHost : public ZuGame {
 public:
  int width = 640;
  int height = 480;
  int millisecs = 0;
  int date[7] = {2026, 6, 15, 12, 0, 0, 0};
  String savedState;
  int saves = 0;
  int saveResult = 0;  // what SaveState answers: 0 saved, -1 or -2 failed
  int rate = 0;

  int GetDeviceWidth() override { return width; }
  int GetDeviceHeight() override { return height; }
  int Millisecs() override { return millisecs; }
  void GetDate(Array<int> out) override {
    for (int i = 0; i < out.Length() && i < 7; ++i) out[i] = date[i];
  }
  String LoadState() override { return savedState; }
  int SaveState(const String& state) override {
    savedState = state;
    ++saves;
    return saveResult;
  }
  void SetUpdateRate(int hertz) override { rate = hertz; }
  // Joysticks through the host's own joystick layer (a test installs a scripted source).
  bool padsThroughHostLayer = false;
  bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                    Array<bool> buttons) override {
    return padsThroughHostLayer && zu_PollJoystick(port, {joyx, joyy, joyz, buttons});
  }
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zu_framework_Init();
    zu_Quor_Init();
    ReclaimEarlierApplications();
    zu_app__game = &host;
    app = gc_new<c_MyApp>();
    app->m_new();
    input = gc_new<c_InputDevice>()->m_new();
    zu_input_SetInputDevice(input);
    zu_app_ValidateDeviceWindow(false);
  }

  // One update as the delegate runs it: device size, input bracket, the hook.
  void Update() {
    zu_app_ValidateDeviceWindow(true);
    input->p_BeginUpdate();
    app->p_OnUpdate();
    input->p_EndUpdate();
  }
  void KeyDown(int code) { input->p_KeyEvent(1, code); }
  void KeyUp(int code) { input->p_KeyEvent(2, code); }

  // Earlier tests' applications (over 20 MB of arrays each) are garbage by now. The running
  // program's collection steps would reclaim them between updates; a test binary takes no
  // such steps, so full cycles and one allocation that pays for the destruction do it. The
  // payment is garbage in turn, destroyed when the next application allocates its arrays.
  static void ReclaimEarlierApplications() {
    TwoFullCycles();
    if (gc_free_bytes > 0) Array<int> payment(gc_free_bytes / 4 + 1);
    TwoFullCycles();
  }
  static void TwoFullCycles() {
    for (int cycle = 0; cycle < 2; ++cycle) {
      gc_ext_malloced(8388609);
      gc_collect_step(nullptr);
    }
  }

  ScriptedShellHost host;
  c_MyApp* app = nullptr;
  c_InputDevice* input = nullptr;
};
