// Joystick reading into the framework's arrays (two floats per axis array, one bool per
// button). Pads the window system recognises as gamepads are reported in the layout the
// controls expect; any other joystick by its raw axes and buttons.
#pragma once

#include "host/array.h"

struct GLFWgamepadstate;

struct ZuJoystickArrays {
  Array<float> joyx;
  Array<float> joyy;
  Array<float> joyz;
  Array<bool> buttons;
};

// Button slots of the gamepad layout.
enum ZuPadButton {
  ZU_PAD_A = 0,
  ZU_PAD_B = 1,
  ZU_PAD_X = 2,
  ZU_PAD_Y = 3,
  ZU_PAD_LEFT_SHOULDER = 4,
  ZU_PAD_RIGHT_SHOULDER = 5,
  ZU_PAD_BACK = 6,
  ZU_PAD_START = 7,
  ZU_PAD_LEFT = 8,
  ZU_PAD_UP = 9,
  ZU_PAD_RIGHT = 10,
  ZU_PAD_DOWN = 11,
  ZU_PAD_LEFT_THUMB = 12,
  ZU_PAD_RIGHT_THUMB = 13,
  ZU_PAD_GUIDE = 14,
  ZU_PAD_BUTTON_COUNT = 15
};

// Stores a raw reading: up to 6 axes as joyx/joyy/joyz of two sticks, up to 32 buttons,
// with the last four buttons of a pad with more than 12 moved to the direction slots 8..11,
// and the axis corrections of the 14-button/5-axis and 18-button/4-axis pads. Entries at
// and beyond the number of buttons are left as they were.
void zu_StoreRawJoystick(const float* axes, int axisCount, const unsigned char* buttons,
                         int buttonCount, const ZuJoystickArrays& out);

// Stores a gamepad reading: sticks with up positive on y, triggers 0..1 in joyz, buttons
// in the ZuPadButton layout. Entries from ZU_PAD_BUTTON_COUNT on are left as they were.
void zu_StoreGamepad(const GLFWgamepadstate& state, const ZuJoystickArrays& out);

// Stores a reading of a pad a browser lays out in the Gamepad API's standard order (17
// buttons, 4 axes, the triggers as buttons 6 and 7) in the same layout: sticks with up
// positive on y, a pulled trigger 1 in joyz, buttons in the ZuPadButton layout.
void zu_StoreStandardPad(const float* axes, int axisCount, const unsigned char* buttons,
                         int buttonCount, const ZuJoystickArrays& out);

// Where the readings come from: the window system's joysticks, or a device a test scripts.
// Slots are the window system's joystick numbers.
class ZuJoystickSource {
 public:
  static constexpr int kSlots = 16;
  virtual ~ZuJoystickSource() = default;
  virtual bool Present(int slot) = 0;
  // A pad the window system's gamepad database knows; in a browser, a pad the browser
  // lays out in the standard order.
  virtual bool IsGamepad(int slot) = 0;
  // Its reading in the gamepad layout; false when there is none.
  virtual bool GamepadState(int slot, GLFWgamepadstate* state) = 0;
  virtual const float* Axes(int slot, int* count) = 0;
  virtual const unsigned char* Buttons(int slot, int* count) = 0;
};

// Replaces the window system's joysticks with `source`; null goes back to them.
void zu_SetJoystickSource(ZuJoystickSource* source);

// Reads joystick `port` (0..3). False, with the arrays untouched, when there is none.
// Ports are the connected devices in the window system's order, gamepads first: a pad
// plugged in later, in whatever slot it lands, takes the first free port, and when one
// goes away the ones after it move up. The list is taken afresh at every read of port 0,
// which the input device reads first in each update.
bool zu_PollJoystick(int port, const ZuJoystickArrays& out);
