#include "host/joystick.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <vector>

#include "tests/host/scripted_joysticks.h"

namespace {

// The framework's arrays, with every button marked as set so untouched entries show.
ZuJoystickArrays FreshArrays() {
  ZuJoystickArrays arrays{Array<float>(2), Array<float>(2), Array<float>(2), Array<bool>(32)};
  for (bool& button : arrays.buttons) button = true;
  return arrays;
}

std::vector<bool> Buttons(const ZuJoystickArrays& arrays) {
  return std::vector<bool>(arrays.buttons.begin(), arrays.buttons.end());
}

// Physical button i pressed exactly when i is in `pressed`.
std::vector<unsigned char> Physical(int count, std::initializer_list<int> pressed) {
  std::vector<unsigned char> buttons(count, GLFW_RELEASE);
  for (int i : pressed) buttons[i] = GLFW_PRESS;
  return buttons;
}

const float kSixAxes[] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f};

TEST(RawJoystick, AxesFillTwoSticks) {
  ZuJoystickArrays out = FreshArrays();
  auto buttons = Physical(12, {});
  zu_StoreRawJoystick(kSixAxes, 6, buttons.data(), 12, out);
  EXPECT_EQ(out.joyx[0], 0.1f);
  EXPECT_EQ(out.joyy[0], 0.2f);
  EXPECT_EQ(out.joyz[0], 0.3f);
  EXPECT_EQ(out.joyx[1], 0.4f);
  EXPECT_EQ(out.joyy[1], 0.5f);
  EXPECT_EQ(out.joyz[1], 0.6f);
}

TEST(RawJoystick, MissingAxesReadAsZero) {
  ZuJoystickArrays out = FreshArrays();
  zu_StoreRawJoystick(kSixAxes, 2, nullptr, 0, out);
  EXPECT_EQ(out.joyy[0], 0.2f);
  EXPECT_EQ(out.joyz[0], 0.0f);
  EXPECT_EQ(out.joyx[1], 0.0f);
  EXPECT_EQ(out.joyz[1], 0.0f);
}

TEST(RawJoystick, TwelveButtonsPassStraightThroughAndTheRestStayAsTheyWere) {
  ZuJoystickArrays out = FreshArrays();
  auto buttons = Physical(12, {0, 5, 11});
  zu_StoreRawJoystick(kSixAxes, 6, buttons.data(), 12, out);
  std::vector<bool> expected(32, true);
  for (int i = 0; i < 12; ++i) expected[i] = i == 0 || i == 5 || i == 11;
  EXPECT_EQ(Buttons(out), expected);
}

TEST(RawJoystick, ThirteenButtonsPutTheLastFourOnThePadSlots) {
  ZuJoystickArrays out = FreshArrays();
  // Physical 9..12 become slots 8..11; physical 8 moves to slot 12.
  auto buttons = Physical(13, {7, 8, 10, 12});
  zu_StoreRawJoystick(kSixAxes, 6, buttons.data(), 13, out);
  std::vector<bool> expected(32, true);
  const bool slots[13] = {false, false, false, false, false, false, false, true,
                          false, true,  false, true,  true};
  for (int i = 0; i < 13; ++i) expected[i] = slots[i];
  EXPECT_EQ(Buttons(out), expected);
}

TEST(RawJoystick, FourteenButtonsAndFiveAxesTakeTheSecondStickFromAxesFourAndThree) {
  ZuJoystickArrays out = FreshArrays();
  auto buttons = Physical(14, {8, 13});
  zu_StoreRawJoystick(kSixAxes, 5, buttons.data(), 14, out);
  EXPECT_EQ(out.joyx[1], 0.5f);
  EXPECT_EQ(out.joyy[1], -0.4f);
  EXPECT_EQ(out.joyz[1], 0.0f);  // the sixth axis is not there
  // Physical 10..13 on slots 8..11, physical 8 and 9 on slots 12 and 13.
  EXPECT_FALSE(out.buttons[8]);
  EXPECT_TRUE(out.buttons[11]);
  EXPECT_TRUE(out.buttons[12]);
  EXPECT_FALSE(out.buttons[13]);
  EXPECT_TRUE(out.buttons[14]);  // untouched
}

TEST(RawJoystick, EighteenButtonsAndFourAxesTakeTheSecondStickYFromTheNegatedThirdAxis) {
  ZuJoystickArrays out = FreshArrays();
  auto buttons = Physical(18, {14, 17});
  zu_StoreRawJoystick(kSixAxes, 4, buttons.data(), 18, out);
  EXPECT_EQ(out.joyx[1], 0.4f);
  EXPECT_EQ(out.joyy[1], -0.3f);
  EXPECT_EQ(out.joyz[0], 0.3f);
  // Physical 14..17 on slots 8..11; physical 8..13 on slots 12..17.
  std::vector<bool> expected(32, true);
  for (int i = 0; i < 18; ++i) expected[i] = i == 8 || i == 11;
  EXPECT_EQ(Buttons(out), expected);
}

TEST(RawJoystick, MoreThanThirtyTwoButtonsAndSixAxesAreCut) {
  ZuJoystickArrays out = FreshArrays();
  auto buttons = Physical(40, {31, 39});
  const float axes[8] = {0, 0, 0, 0, 0, 0, 0.7f, 0.8f};
  zu_StoreRawJoystick(axes, 8, buttons.data(), 40, out);
  EXPECT_TRUE(out.buttons[11]);  // physical 31, the last of the 32 read
  EXPECT_EQ(out.joyz[1], 0.0f);
}

GLFWgamepadstate PadState() {
  GLFWgamepadstate state{};
  state.axes[GLFW_GAMEPAD_AXIS_LEFT_X] = -0.5f;
  state.axes[GLFW_GAMEPAD_AXIS_LEFT_Y] = -0.75f;  // pushed up
  state.axes[GLFW_GAMEPAD_AXIS_RIGHT_X] = 0.25f;
  state.axes[GLFW_GAMEPAD_AXIS_RIGHT_Y] = 1.0f;  // pulled down
  state.axes[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER] = -1.0f;  // at rest
  state.axes[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER] = 0.0f;  // half pulled
  return state;
}

TEST(Gamepad, SticksReportUpAsPositiveAndTriggersFromZeroToOne) {
  ZuJoystickArrays out = FreshArrays();
  zu_StoreGamepad(PadState(), out);
  EXPECT_EQ(out.joyx[0], -0.5f);
  EXPECT_EQ(out.joyy[0], 0.75f);
  EXPECT_EQ(out.joyz[0], 0.0f);
  EXPECT_EQ(out.joyx[1], 0.25f);
  EXPECT_EQ(out.joyy[1], -1.0f);
  EXPECT_EQ(out.joyz[1], 0.5f);
}

TEST(Gamepad, EachButtonLandsInItsSlot) {
  const std::pair<int, int> layout[] = {
      {GLFW_GAMEPAD_BUTTON_A, 0},          {GLFW_GAMEPAD_BUTTON_B, 1},
      {GLFW_GAMEPAD_BUTTON_X, 2},          {GLFW_GAMEPAD_BUTTON_Y, 3},
      {GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, 4}, {GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER, 5},
      {GLFW_GAMEPAD_BUTTON_BACK, 6},       {GLFW_GAMEPAD_BUTTON_START, 7},
      {GLFW_GAMEPAD_BUTTON_DPAD_LEFT, 8},  {GLFW_GAMEPAD_BUTTON_DPAD_UP, 9},
      {GLFW_GAMEPAD_BUTTON_DPAD_RIGHT, 10}, {GLFW_GAMEPAD_BUTTON_DPAD_DOWN, 11},
      {GLFW_GAMEPAD_BUTTON_LEFT_THUMB, 12}, {GLFW_GAMEPAD_BUTTON_RIGHT_THUMB, 13},
      {GLFW_GAMEPAD_BUTTON_GUIDE, 14}};
  for (const auto& [button, slot] : layout) {
    ZuJoystickArrays out = FreshArrays();
    GLFWgamepadstate state = PadState();
    state.buttons[button] = GLFW_PRESS;
    zu_StoreGamepad(state, out);
    std::vector<bool> expected(32, true);
    for (int i = 0; i < 15; ++i) expected[i] = i == slot;
    EXPECT_EQ(Buttons(out), expected) << "gamepad button " << button;
  }
}

// A browser's standard pad: 4 axes (y down positive), 17 buttons, the triggers 6 and 7.
TEST(StandardPad, SticksReportUpAsPositiveAndAPulledTriggerAsOne) {
  ZuJoystickArrays out = FreshArrays();
  const float axes[] = {-0.5f, -0.75f, 0.25f, 1.0f};
  auto buttons = Physical(17, {7});
  zu_StoreStandardPad(axes, 4, buttons.data(), 17, out);
  EXPECT_EQ(out.joyx[0], -0.5f);
  EXPECT_EQ(out.joyy[0], 0.75f);
  EXPECT_EQ(out.joyz[0], 0.0f);
  EXPECT_EQ(out.joyx[1], 0.25f);
  EXPECT_EQ(out.joyy[1], -1.0f);
  EXPECT_EQ(out.joyz[1], 1.0f);
}

TEST(StandardPad, EachButtonLandsInItsSlotAndTheTriggersInNone) {
  // Standard button -> slot: back, start and the d-pad sit elsewhere than in a raw reading.
  const std::pair<int, int> layout[] = {{0, 0},  {1, 1},   {2, 2},   {3, 3},   {4, 4},  {5, 5},
                                        {6, -1}, {7, -1},  {8, 6},   {9, 7},   {10, 12}, {11, 13},
                                        {12, 9}, {13, 11}, {14, 8},  {15, 10}, {16, 14}};
  const float axes[] = {0, 0, 0, 0};
  for (const auto& [button, slot] : layout) {
    ZuJoystickArrays out = FreshArrays();
    auto buttons = Physical(17, {button});
    zu_StoreStandardPad(axes, 4, buttons.data(), 17, out);
    std::vector<bool> expected(32, true);
    for (int i = 0; i < 15; ++i) expected[i] = i == slot;
    EXPECT_EQ(Buttons(out), expected) << "standard button " << button;
  }
}

TEST(Joystick, PortsOutsideZeroToThreeHaveNoJoystick) {
  ZuJoystickArrays out = FreshArrays();
  EXPECT_FALSE(zu_PollJoystick(-1, out));
  EXPECT_FALSE(zu_PollJoystick(4, out));
  EXPECT_EQ(Buttons(out), std::vector<bool>(32, true));
}

// Which device each port reads: pad A of the pressed buttons below is the one in `slot`.
int SlotOnPort(ScriptedJoysticks& devices, int port) {
  for (int slot = 0; slot < ZuJoystickSource::kSlots; ++slot) {
    if (devices.slots[slot].present) devices.Press(slot, GLFW_GAMEPAD_BUTTON_A, false);
  }
  int found = -1;
  for (int slot = 0; slot < ZuJoystickSource::kSlots; ++slot) {
    if (!devices.slots[slot].present) continue;
    devices.Press(slot, 0);
    ZuJoystickArrays out = FreshArrays();
    for (int p = 0; p <= port; ++p) {
      if (!zu_PollJoystick(p, out)) return -2;
    }
    if (out.buttons[0]) found = slot;
    devices.Press(slot, 0, false);
  }
  return found;
}

TEST(JoystickPorts, APadInALaterSlotStillTakesTheFirstPort) {
  ScriptedJoysticks devices;
  devices.PlugPad(5);
  EXPECT_EQ(SlotOnPort(devices, 0), 5);
  ZuJoystickArrays out = FreshArrays();
  EXPECT_TRUE(zu_PollJoystick(0, out));
  EXPECT_FALSE(zu_PollJoystick(1, out));
}

// Laptops and handheld PCs list their motion sensor as a joystick, often in the first
// slot; the pads come before it.
TEST(JoystickPorts, GamepadsComeBeforeOtherJoysticks) {
  ScriptedJoysticks devices;
  devices.PlugRawJoystick(0);
  devices.PlugPad(1);
  devices.PlugPad(3);
  EXPECT_EQ(SlotOnPort(devices, 0), 1);
  EXPECT_EQ(SlotOnPort(devices, 1), 3);
  EXPECT_EQ(SlotOnPort(devices, 2), 0);
}

TEST(JoystickPorts, WhenAPadGoesTheOnesAfterItMoveUp) {
  ScriptedJoysticks devices;
  devices.PlugPad(0);
  devices.PlugPad(1);
  devices.Unplug(0);
  EXPECT_EQ(SlotOnPort(devices, 0), 1);
  ZuJoystickArrays out = FreshArrays();
  ASSERT_TRUE(zu_PollJoystick(0, out));
  EXPECT_FALSE(zu_PollJoystick(1, out));
}

}  // namespace

