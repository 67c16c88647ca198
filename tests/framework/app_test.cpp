#include "framework/app.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "framework/async_event.h"
#include "framework/framework_init.h"
#include "framework/input.h"

namespace {

// A host whose device size, modes and clock the tests set.
class ScriptedHost : public ZuGame {
 public:
  int width = 640, height = 480;
  std::vector<std::pair<int, int>> modes;
  bool hasDesktop = true;
  int lastRate = -1;
  int GetDeviceWidth() override { return width; }
  int GetDeviceHeight() override { return height; }
  Array<ZuDisplayMode*> GetDisplayModes() override {
    Array<ZuDisplayMode*> out(static_cast<int>(modes.size()));
    for (int i = 0; i < out.Length(); ++i) out[i] = gc_new<ZuDisplayMode>(modes[i].first, modes[i].second);
    return out;
  }
  ZuDisplayMode* GetDesktopMode() override {
    return hasDesktop ? gc_new<ZuDisplayMode>(1920, 1080) : nullptr;
  }
  void SetUpdateRate(int hertz) override { lastRate = hertz; }
};

class CountingApp : public c_App {
 public:
  int creates = 0, updates = 0, renders = 0;
  int devWidthSeenByUpdate = 0;
  int p_OnCreate() override { return ++creates; }
  int p_OnUpdate() override {
    devWidthSeenByUpdate = zu_app_DeviceWidth();
    return ++updates;
  }
  int p_OnRender() override { return ++renders; }
};

class Application : public ::testing::Test {
 protected:
  void SetUp() override { zu_framework_Init(); }
  ScriptedHost host;
};

TEST_F(Application, CreatingTheAppRegistersItsDelegateWithTheHost) {
  zu_app__game = &host;
  CountingApp* app = gc_new<CountingApp>();
  app->m_new();
  EXPECT_EQ(zu_app__app, app);
  ASSERT_NE(zu_app__delegate, nullptr);
  EXPECT_EQ(host.Delegate(), zu_app__delegate);
  EXPECT_EQ(app->creates, 0) << "creation comes later, from the host";
}

TEST_F(Application, ASecondAppIsARuntimeError) {
  zu_app__game = &host;
  gc_new<CountingApp>()->m_new();
  EXPECT_EXIT(
      {
        std::freopen("/dev/null", "r", stdin);
        gc_new<CountingApp>()->m_new();
      },
      ::testing::ExitedWithCode(255), "");
}

TEST_F(Application, UpdateSeesTheNewDeviceSizeBeforeTheHook) {
  zu_app__game = &host;
  CountingApp* app = gc_new<CountingApp>();
  app->m_new();
  c_GameDelegate* delegate = zu_app__delegate;
  gc_assign(delegate->m_input, gc_new<c_InputDevice>()->m_new());
  host.width = 800;
  delegate->UpdateGame();
  EXPECT_EQ(app->devWidthSeenByUpdate, 800);
  EXPECT_EQ(zu_app_DeviceHeight(), 480);
}

TEST_F(Application, UpdateClearsHitsAfterTheHook) {
  zu_app__game = &host;
  gc_new<CountingApp>()->m_new();
  c_GameDelegate* delegate = zu_app__delegate;
  gc_assign(delegate->m_input, gc_new<c_InputDevice>()->m_new());
  zu_input_SetInputDevice(delegate->m_input);
  delegate->KeyEvent(1, 65);
  EXPECT_EQ(zu_input_KeyHit(65), 1);
  delegate->UpdateGame();
  EXPECT_EQ(zu_input_KeyHit(65), 0);
  EXPECT_TRUE(zu_input_KeyDown(65));
}

TEST_F(Application, CloseKeyReachesTheInputThenEndsWithStatusZero) {
  zu_app__game = &host;
  gc_new<CountingApp>()->m_new();
  c_GameDelegate* delegate = zu_app__delegate;
  gc_assign(delegate->m_input, gc_new<c_InputDevice>()->m_new());
  EXPECT_EXIT(delegate->KeyEvent(1, 432), ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(delegate->KeyEvent(1, 416), ::testing::ExitedWithCode(0), "");
  delegate->KeyEvent(2, 432);  // a key-up never ends the program
  SUCCEED();
}

TEST_F(Application, DisplayModesAreDistinctInFirstSeenOrder) {
  zu_app__game = &host;
  host.modes = {{1024, 768}, {640, 480}, {1024, 768}, {1920, 1080}, {640, 480}};
  zu_app_EnumDisplayModes();
  ASSERT_EQ(zu_app__displayModes.Length(), 3);
  EXPECT_EQ(zu_app__displayModes[0]->m_width, 1024);
  EXPECT_EQ(zu_app__displayModes[1]->m_height, 480);
  EXPECT_EQ(zu_app__displayModes[2]->m_width, 1920);
  EXPECT_EQ(zu_app__desktopMode->m_width, 1920);
}

TEST_F(Application, MissingDesktopModeFallsBackToTheDeviceSize) {
  zu_app__game = &host;
  host.hasDesktop = false;
  zu_app_ValidateDeviceWindow(false);
  zu_app_EnumDisplayModes();
  EXPECT_EQ(zu_app__displayModes.Length(), 0);
  EXPECT_EQ(zu_app__desktopMode->m_width, 640);
  EXPECT_EQ(zu_app__desktopMode->m_height, 480);
}

TEST_F(Application, UpdateRateIsRememberedAndPassedOn) {
  zu_app__game = &host;
  zu_app_SetUpdateRate(60);
  EXPECT_EQ(zu_app__updateRate, 60);
  EXPECT_EQ(host.lastRate, 60);
}

TEST_F(Application, DateAlwaysHasSevenElementsEndingInZero) {
  zu_app__game = &host;
  Array<int> date = zu_app_GetDate2();
  ASSERT_EQ(date.Length(), 7);
  EXPECT_EQ(date[6], 0);
  EXPECT_GE(date[0], 2024);
  EXPECT_GE(date[1], 1);
  EXPECT_LE(date[1], 12);
}

class SelfRemovingSource : public Object, public c_IAsyncEventSource {
 public:
  int updates = 0;
  void p_UpdateAsyncEvents() override {
    ++updates;
    // Remove itself (index 0) and clear the current source, as a finished loader would.
    c_Stack3* sources = zu_asyncevent__sources;
    for (int i = 1; i < sources->p_Length2(); ++i) sources->m_Data[i - 1] = sources->m_Data[i];
    sources->p_Length(sources->p_Length2() - 1);
    zu_asyncevent__current = nullptr;
  }
};

TEST_F(Application, AsyncSourcesThatRemoveThemselvesDoNotSkipTheNext) {
  EXPECT_EQ(zu_asyncevent_UpdateAsyncEvents(), 0);
  auto* first = gc_new<SelfRemovingSource>();
  auto* second = gc_new<SelfRemovingSource>();
  zu_asyncevent__sources->p_Push(first);
  zu_asyncevent__sources->p_Push(second);
  zu_asyncevent_UpdateAsyncEvents();
  EXPECT_EQ(first->updates, 1);
  EXPECT_EQ(second->updates, 1);
  EXPECT_EQ(zu_asyncevent__sources->p_Length2(), 0);
  EXPECT_EQ(zu_asyncevent__current, nullptr);
}

}  // namespace
