#include "host/joystick.h"

#include <algorithm>

#include <GLFW/glfw3.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

constexpr int kMaxAxes = 6;
constexpr int kMaxButtons = 32;
constexpr int kMaxPorts = 4;

// The framework's arrays are fixed in size; a shorter one simply receives less.
template <class T>
void Store(const Array<T>& array, int index, T value) {
  if (index < array.Length()) array[index] = value;
}

void StoreSticks(const float (&a)[kMaxAxes], const ZuJoystickArrays& out) {
  Store(out.joyx, 0, a[0]);
  Store(out.joyy, 0, a[1]);
  Store(out.joyz, 0, a[2]);
  Store(out.joyx, 1, a[3]);
  Store(out.joyy, 1, a[4]);
  Store(out.joyz, 1, a[5]);
}

}  // namespace

void zu_StoreRawJoystick(const float* axes, int axisCount, const unsigned char* buttons,
                         int buttonCount, const ZuJoystickArrays& out) {
  float a[kMaxAxes] = {};
  const int nAxes = axes ? std::clamp(axisCount, 0, kMaxAxes) : 0;
  std::copy_n(axes, nAxes, a);
  StoreSticks(a, out);

  bool b[kMaxButtons] = {};
  const int n = buttons ? std::clamp(buttonCount, 0, kMaxButtons) : 0;
  for (int i = 0; i < n; ++i) b[i] = buttons[i] == GLFW_PRESS;
  if (n > 12) {
    // Pads with many buttons keep their direction pad in the last four.
    for (int i = 0; i < 8; ++i) Store(out.buttons, i, b[i]);
    for (int i = 0; i < 4; ++i) Store(out.buttons, 8 + i, b[n - 4 + i]);
    for (int i = 12; i < n; ++i) Store(out.buttons, i, b[i - 4]);
  } else {
    for (int i = 0; i < n; ++i) Store(out.buttons, i, b[i]);
  }

  if (n == 14 && nAxes == 5) {
    Store(out.joyx, 1, a[4]);
    Store(out.joyy, 1, -a[3]);
  } else if (n == 18 && nAxes == 4) {
    Store(out.joyy, 1, -a[2]);
  }
}

#ifndef __EMSCRIPTEN__
// A trigger rests at -1 and is fully pulled at 1.
static float TriggerPull(float axis) { return (axis + 1.0f) * 0.5f; }

void zu_StoreGamepad(const GLFWgamepadstate& state, const ZuJoystickArrays& out) {
  const float* axis = state.axes;
  const float a[kMaxAxes] = {axis[GLFW_GAMEPAD_AXIS_LEFT_X],
                             -axis[GLFW_GAMEPAD_AXIS_LEFT_Y],
                             TriggerPull(axis[GLFW_GAMEPAD_AXIS_LEFT_TRIGGER]),
                             axis[GLFW_GAMEPAD_AXIS_RIGHT_X],
                             -axis[GLFW_GAMEPAD_AXIS_RIGHT_Y],
                             TriggerPull(axis[GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER])};
  StoreSticks(a, out);

  static constexpr int kSourceOfSlot[ZU_PAD_BUTTON_COUNT] = {
      GLFW_GAMEPAD_BUTTON_A,           GLFW_GAMEPAD_BUTTON_B,
      GLFW_GAMEPAD_BUTTON_X,           GLFW_GAMEPAD_BUTTON_Y,
      GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER,
      GLFW_GAMEPAD_BUTTON_BACK,        GLFW_GAMEPAD_BUTTON_START,
      GLFW_GAMEPAD_BUTTON_DPAD_LEFT,   GLFW_GAMEPAD_BUTTON_DPAD_UP,
      GLFW_GAMEPAD_BUTTON_DPAD_RIGHT,  GLFW_GAMEPAD_BUTTON_DPAD_DOWN,
      GLFW_GAMEPAD_BUTTON_LEFT_THUMB,  GLFW_GAMEPAD_BUTTON_RIGHT_THUMB,
      GLFW_GAMEPAD_BUTTON_GUIDE};
  for (int slot = 0; slot < ZU_PAD_BUTTON_COUNT; ++slot) {
    Store(out.buttons, slot, state.buttons[kSourceOfSlot[slot]] == GLFW_PRESS);
  }
}
#endif

#ifdef __EMSCRIPTEN__
// Emscripten's GLFW numbers the joysticks by their place in navigator.getGamepads().
EM_JS(int, zu_browser_IsStandardPad, (int slot), {
  const pads = navigator.getGamepads ? navigator.getGamepads() : [];
  return pads[slot] && pads[slot].mapping === 'standard' ? 1 : 0;
});
#endif

void zu_StoreStandardPad(const float* axes, int axisCount, const unsigned char* buttons,
                         int buttonCount, const ZuJoystickArrays& out) {
  constexpr int kLeftTrigger = 6, kRightTrigger = 7;
  auto axis = [&](int i) { return axes && i < axisCount ? axes[i] : 0.0f; };
  auto pressed = [&](int i) { return buttons && i < buttonCount && buttons[i] == GLFW_PRESS; };
  const float a[kMaxAxes] = {axis(0), -axis(1), pressed(kLeftTrigger) ? 1.0f : 0.0f,
                             axis(2), -axis(3), pressed(kRightTrigger) ? 1.0f : 0.0f};
  StoreSticks(a, out);
  // Slot by slot of ZuPadButton, the standard order's button.
  static constexpr int kSourceOfSlot[ZU_PAD_BUTTON_COUNT] = {0,  1,  2,  3,  4,  5,  8, 9,
                                                             14, 12, 15, 13, 10, 11, 16};
  for (int slot = 0; slot < ZU_PAD_BUTTON_COUNT; ++slot) {
    Store(out.buttons, slot, pressed(kSourceOfSlot[slot]));
  }
}

namespace {

class GlfwJoysticks final : public ZuJoystickSource {
 public:
  bool Present(int slot) override { return glfwJoystickPresent(GLFW_JOYSTICK_1 + slot); }
#ifdef __EMSCRIPTEN__
  // Emscripten's GLFW knows no gamepad mappings and hands on the browser's buttons as they
  // come: the browser says which pads it lays out in the standard order.
  bool IsGamepad(int slot) override { return zu_browser_IsStandardPad(slot) != 0; }
  bool GamepadState(int, GLFWgamepadstate*) override { return false; }
#else
  bool IsGamepad(int slot) override { return glfwJoystickIsGamepad(GLFW_JOYSTICK_1 + slot); }
  bool GamepadState(int slot, GLFWgamepadstate* state) override {
    return glfwGetGamepadState(GLFW_JOYSTICK_1 + slot, state);
  }
#endif
  const float* Axes(int slot, int* count) override {
    return glfwGetJoystickAxes(GLFW_JOYSTICK_1 + slot, count);
  }
  const unsigned char* Buttons(int slot, int* count) override {
    return glfwGetJoystickButtons(GLFW_JOYSTICK_1 + slot, count);
  }
};

GlfwJoysticks g_glfwJoysticks;
ZuJoystickSource* g_source = &g_glfwJoysticks;
// The slot behind each port; -1 for a port with no device.
int g_slotOfPort[kMaxPorts] = {-1, -1, -1, -1};

void AssignPorts() {
  int port = 0;
  for (const bool gamepads : {true, false}) {
    for (int slot = 0; slot < ZuJoystickSource::kSlots && port < kMaxPorts; ++slot) {
      if (g_source->Present(slot) && g_source->IsGamepad(slot) == gamepads) {
        g_slotOfPort[port++] = slot;
      }
    }
  }
  while (port < kMaxPorts) g_slotOfPort[port++] = -1;
}

}  // namespace

void zu_SetJoystickSource(ZuJoystickSource* source) {
  g_source = source ? source : &g_glfwJoysticks;
  for (int& slot : g_slotOfPort) slot = -1;
}

bool zu_PollJoystick(int port, const ZuJoystickArrays& out) {
  if (port < 0 || port >= kMaxPorts) return false;
  if (port == 0) AssignPorts();
  const int slot = g_slotOfPort[port];
  if (slot < 0 || !g_source->Present(slot)) return false;

#ifndef __EMSCRIPTEN__
  GLFWgamepadstate state;
  if (g_source->IsGamepad(slot) && g_source->GamepadState(slot, &state)) {
    zu_StoreGamepad(state, out);
    return true;
  }
#endif
  int axisCount = 0;
  int buttonCount = 0;
  const float* axes = g_source->Axes(slot, &axisCount);
  const unsigned char* buttons = g_source->Buttons(slot, &buttonCount);
#ifdef __EMSCRIPTEN__
  if (g_source->IsGamepad(slot)) {
    zu_StoreStandardPad(axes, axisCount, buttons, buttonCount, out);
    return true;
  }
#endif
  zu_StoreRawJoystick(axes, axisCount, buttons, buttonCount, out);
  return true;
}
