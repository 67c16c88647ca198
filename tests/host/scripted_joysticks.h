// Joysticks a test plugs in, presses and pulls out, fed to the host's joystick layer in
// place of the window system's. Installed for the object's lifetime.
#pragma once

#include <GLFW/glfw3.h>

#include <array>

#include "host/joystick.h"

class ScriptedJoysticks final : public ZuJoystickSource {
 public:
  struct Device {
    bool present = false;
    bool gamepad = false;
    GLFWgamepadstate pad{};
    float axes[6] = {};
    // As many as a gamepad has, so a button number fits either kind.
    unsigned char buttons[GLFW_GAMEPAD_BUTTON_LAST + 1] = {};
  };

  ScriptedJoysticks() { zu_SetJoystickSource(this); }
  ~ScriptedJoysticks() override { zu_SetJoystickSource(nullptr); }

  void PlugPad(int slot) { slots[slot] = Device{true, true}; }
  void PlugRawJoystick(int slot) { slots[slot] = Device{true, false}; }
  void Unplug(int slot) { slots[slot] = Device{}; }
  // A gamepad's button (GLFW_GAMEPAD_BUTTON_...), or a raw joystick's.
  void Press(int slot, int button, bool down = true) {
    const unsigned char state = down ? GLFW_PRESS : GLFW_RELEASE;
    if (slots[slot].gamepad) {
      slots[slot].pad.buttons[button] = state;
    } else {
      slots[slot].buttons[button] = state;
    }
  }
  void Release(int slot, int button) { Press(slot, button, false); }

  bool Present(int slot) override { return slots[slot].present; }
  bool IsGamepad(int slot) override { return slots[slot].present && slots[slot].gamepad; }
  bool GamepadState(int slot, GLFWgamepadstate* state) override {
    if (!IsGamepad(slot)) return false;
    *state = slots[slot].pad;
    return true;
  }
  const float* Axes(int slot, int* count) override {
    *count = 6;
    return slots[slot].axes;
  }
  const unsigned char* Buttons(int slot, int* count) override {
    *count = GLFW_GAMEPAD_BUTTON_LAST + 1;
    return slots[slot].buttons;
  }

  std::array<Device, kSlots> slots{};
};
