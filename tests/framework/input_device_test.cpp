#include "framework/input_device.h"

#include <gtest/gtest.h>

#include "framework/input.h"
#include "host/game.h"

namespace {

constexpr int kKeyDown = 1, kKeyUp = 2, kKeyChar = 3;
constexpr int kMouseDown = 4, kMouseUp = 5, kMouseMove = 6;
constexpr int kTouchDown = 7;

class InputDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    device = gc_new<c_InputDevice>()->m_new();
    zu_input_SetInputDevice(device);
  }
  c_InputDevice* device = nullptr;
};

TEST_F(InputDevice, DownUpDownInOneUpdateCountsTwoHits) {
  device->p_KeyEvent(kKeyDown, 65);
  device->p_KeyEvent(kKeyUp, 65);
  device->p_KeyEvent(kKeyDown, 65);
  EXPECT_EQ(zu_input_KeyHit(65), 2);
  EXPECT_TRUE(zu_input_KeyDown(65));
}

TEST_F(InputDevice, AutoRepeatCountsOnlyTheFirstPress) {
  device->p_KeyEvent(kKeyDown, 32);
  device->p_KeyEvent(kKeyDown, 32);
  EXPECT_EQ(zu_input_KeyHit(32), 1);
  device->p_EndUpdate();
  device->p_KeyEvent(kKeyDown, 32);
  EXPECT_EQ(zu_input_KeyHit(32), 0);
  EXPECT_TRUE(zu_input_KeyDown(32));
}

TEST_F(InputDevice, LeftMouseButtonAndFirstTouchAreOneControl) {
  device->p_MouseEvent(kMouseDown, 0, 120, 80);
  EXPECT_TRUE(zu_input_TouchDown(0));
  EXPECT_EQ(zu_input_KeyHit(KEY_TOUCH0), 1);
  EXPECT_EQ(zu_input_TouchX(0), 120);
  device->p_MouseEvent(kMouseUp, 0, 300, 300);
  EXPECT_FALSE(zu_input_TouchDown(0));
  EXPECT_EQ(zu_input_MouseX(), 120) << "releasing does not move the pointer";
  device->p_EndUpdate();

  device->p_TouchEvent(kTouchDown, 0, 50, 60);
  EXPECT_TRUE(zu_input_MouseDown(0));
  EXPECT_EQ(zu_input_MouseHit(0), 1);
  EXPECT_EQ(zu_input_MouseX(), 50);
  EXPECT_EQ(zu_input_MouseY(), 60);
}

TEST_F(InputDevice, MouseMoveAlsoMovesTouchZero) {
  device->p_MouseEvent(kMouseMove, -1, 7, 9);
  EXPECT_EQ(zu_input_TouchX(0), 7);
  EXPECT_EQ(zu_input_TouchY(0), 9);
  EXPECT_EQ(zu_input_KeyHit(KEY_LMB), 0);
}

TEST_F(InputDevice, TheThirtyFourthPressOfAnUpdateIsLost) {
  for (int code = 65; code < 65 + 33; ++code) device->p_KeyEvent(kKeyDown, code);
  EXPECT_EQ(zu_input_KeyHit(65 + 32), 1) << "the 33rd press counts";
  device->p_KeyEvent(kKeyDown, 200);
  EXPECT_EQ(zu_input_KeyHit(200), 0);
  EXPECT_TRUE(zu_input_KeyDown(200)) << "its down state is still recorded";
  device->p_EndUpdate();
  for (int code = 65; code < 65 + 33; ++code) ASSERT_EQ(zu_input_KeyHit(code), 0);
}

TEST_F(InputDevice, CharacterQueueHoldsThirtyTwoPerUpdate) {
  for (int i = 0; i < 40; ++i) device->p_KeyEvent(kKeyChar, 'a' + (i % 26));
  int read = 0;
  while (zu_input_GetChar() != 0) ++read;
  EXPECT_EQ(read, 32);
  device->p_EndUpdate();
  EXPECT_EQ(zu_input_GetChar(), 0) << "nothing survives into the next update";
}

TEST_F(InputDevice, JoystickCodesCombineButtonAndUnit) {
  device->p_KeyEvent(kKeyDown, 288);
  device->p_KeyEvent(kKeyDown, 323);
  EXPECT_EQ(zu_input_JoyHit(0, 1), 1);
  EXPECT_TRUE(zu_input_JoyDown(3, 2));
  EXPECT_FALSE(zu_input_JoyDown(0, 8)) << "codes past 511 read as up";
  EXPECT_EQ(zu_input_JoyHit(0, 8), 0);
}

TEST_F(InputDevice, OutOfRangeQueriesReadAsUp) {
  EXPECT_FALSE(zu_input_KeyDown(0));
  EXPECT_FALSE(zu_input_KeyDown(512));
  EXPECT_EQ(zu_input_KeyHit(-3), 0);
  EXPECT_FALSE(zu_input_TouchDown(128));
  EXPECT_EQ(zu_input_TouchX(32), 0);
  EXPECT_FALSE(zu_input_MouseDown(511));
}

TEST_F(InputDevice, CloseAndBackKeysAreOrdinaryCodesHere) {
  device->p_KeyEvent(kKeyDown, KEY_CLOSE);
  EXPECT_EQ(zu_input_KeyHit(432), 1);
  device->p_KeyEvent(kKeyDown, KEY_BACK);
  EXPECT_EQ(zu_input_KeyHit(416), 1);
}

// A host with `present` joysticks whose buttons read from `pressed`.
class JoystickHost : public ZuGame {
 public:
  int present = 0;
  int polls = 0;
  bool pressed[4][32] = {};
  bool PollJoystick(int port, Array<float> joyx, Array<float>, Array<float>, Array<bool> buttons) override {
    ++polls;
    if (port >= present) return false;
    joyx[0] = 0.5f * port;
    for (int b = 0; b < 32; ++b) buttons[b] = pressed[port][b];
    return true;
  }
};

TEST_F(InputDevice, WithNoJoystickNoJoystickCodeGoesDown) {
  JoystickHost host;
  device->p_BeginUpdate();
  EXPECT_EQ(host.polls, 1) << "polling stops at the first absent unit";
  for (int code = 256; code < 384; ++code) ASSERT_FALSE(zu_input_KeyDown(code));
}

TEST_F(InputDevice, PolledButtonsBecomeJoystickCodes) {
  JoystickHost host;
  host.present = 2;
  host.pressed[1][3] = true;
  device->p_BeginUpdate();
  EXPECT_EQ(host.polls, 3);
  EXPECT_TRUE(zu_input_JoyDown(3, 1));
  EXPECT_EQ(zu_input_KeyHit(256 + 32 + 3), 1);
  EXPECT_EQ(zu_input_JoyX(0, 1), 0.5f);
  device->p_EndUpdate();

  device->p_BeginUpdate();
  EXPECT_EQ(zu_input_JoyHit(3, 1), 0) << "a held button is pressed once";
  device->p_EndUpdate();

  host.pressed[1][3] = false;
  device->p_BeginUpdate();
  EXPECT_FALSE(zu_input_JoyDown(3, 1));
}

// A pad pulled out while a button and the stick were held lets go of both, and the update
// in which it went (that one alone) says a joystick was lost.
TEST_F(InputDevice, AJoystickThatGoesAwayReleasesWhatItHeldAndIsReportedOnce) {
  JoystickHost host;
  host.present = 2;
  host.pressed[1][10] = true;
  device->p_BeginUpdate();
  EXPECT_FALSE(zu_input_JoystickLost());
  device->p_EndUpdate();

  host.present = 1;
  device->p_BeginUpdate();
  EXPECT_TRUE(zu_input_JoystickLost());
  EXPECT_FALSE(zu_input_JoyDown(10, 1));
  EXPECT_EQ(zu_input_JoyX(0, 1), 0.0f);
  device->p_EndUpdate();

  device->p_BeginUpdate();
  EXPECT_FALSE(zu_input_JoystickLost());
  host.present = 2;
  device->p_EndUpdate();
  device->p_BeginUpdate();
  EXPECT_FALSE(zu_input_JoystickLost()) << "plugging in is no loss";
  EXPECT_TRUE(zu_input_JoyDown(10, 1));
}

}  // namespace

