// Logical controls: the games ask whether "up" or "fire 1" is pressed and never read keys.
// Each control merges the keyboard (two key sets), the player's joystick buttons and
// first axis, and the virtual slots filled by iCade characters and on-screen buttons.
#include <initializer_list>

#include "framework/input.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

constexpr int kKeyBackspace = 8;
constexpr int kKeyEnter = 13;
constexpr int kKeyShift = 16;
constexpr int kKeyControl = 17;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyDelete = 46;
constexpr int kKeyTilde = 192;

constexpr int kPlayers = 4;
constexpr int kJoystickAxes = 2;
constexpr float kAxisThreshold = 0.4f;
// The console's back key lands in this slot.
constexpr int kConsoleBackSlot = 19;

enum class Axis { None, UpPositiveY, DownNegativeY, LeftNegativeX, RightPositiveX };

struct Binding {
  int control;
  std::initializer_list<int> slots;
  std::initializer_list<int> keys;        // while iCade is off
  std::initializer_list<int> iCadeKeys;   // while iCade is on: the letters belong to it
  std::initializer_list<int> joyButtons;  // k of joystick code 256 + 32 p + k
  Axis axis;
};

const Binding kBindings[] = {
    {0, {0}, {kKeyUp, 'W'}, {kKeyUp}, {9}, Axis::UpPositiveY},
    {3, {3}, {kKeyLeft, 'A'}, {kKeyLeft}, {8}, Axis::LeftNegativeX},
    {5, {5}, {kKeyRight, 'D'}, {kKeyRight}, {10}, Axis::RightPositiveX},
    {8, {8}, {kKeyDown, 'S'}, {kKeyDown}, {11}, Axis::DownNegativeY},
    {10, {10}, {'Z', 'J', kKeySpace, kKeyEnter}, {kKeySpace, kKeyEnter}, {0}, Axis::None},
    {11, {11}, {'X', 'K', kKeyControl}, {kKeyControl}, {1}, Axis::None},
    {12, {12}, {'C', 'L', kKeyShift}, {kKeyShift}, {2}, Axis::None},
    {13, {13}, {'V', 'I'}, {}, {3}, Axis::None},
    {14, {14}, {'B', 'U'}, {}, {4}, Axis::None},
    {15, {15}, {'N', 'O'}, {}, {5}, Axis::None},
    {99, {16, 17, kConsoleBackSlot}, {kKeyEscape, kKeyTilde, kKeyDelete, kKeyBackspace},
     {kKeyEscape, kKeyDelete, kKeyBackspace}, {6, 7, 14}, Axis::None},
};

const Binding* FindBinding(int control) {
  for (const Binding& binding : kBindings) {
    if (binding.control == control) return &binding;
  }
  return nullptr;
}

bool AnyKeyDown(std::initializer_list<int> keys) {
  for (int key : keys) {
    if (zu_input_KeyDown(key)) return true;
  }
  return false;
}

bool AnyJoyButtonDown(std::initializer_list<int> buttons, int player) {
  for (int button : buttons) {
    if (zu_input_JoyDown(button, player)) return true;
  }
  return false;
}

bool AxisPushed(Axis axis, int player) {
  switch (axis) {
    case Axis::UpPositiveY: return zu_input_JoyY(0, player) > kAxisThreshold;
    case Axis::DownNegativeY: return zu_input_JoyY(0, player) < -kAxisThreshold;
    case Axis::LeftNegativeX: return zu_input_JoyX(0, player) < -kAxisThreshold;
    case Axis::RightPositiveX: return zu_input_JoyX(0, player) > kAxisThreshold;
    case Axis::None: return false;
  }
  return false;
}

// Joysticks beyond the four the input device keeps, and axes beyond its two, read as 0.
bool HasJoystickAxis(int axis, int player) {
  return player >= 0 && player < kPlayers && axis >= 0 && axis < kJoystickAxes;
}

}  // namespace

int c_MyApp::p_PlayKey(int control, int analog, int player) {
  if (player < -1 || player >= kPlayers) return 0;
  const Binding* binding = FindBinding(control);
  if (!binding) return 0;
  const bool iCade = zu_Quor_iCadeControls == 1;

  if (control == 99 && !iCade && zu_Quor_isConsole != 0) {
    return m_Keys[kConsoleBackSlot] != 0 ? 1 : 0;
  }
  for (int slot : binding->slots) {
    if (m_Keys[slot] != 0) return 1;
  }
  if (AnyKeyDown(iCade ? binding->iCadeKeys : binding->keys)) return 1;
  if (player >= 0) {
    if (AnyJoyButtonDown(binding->joyButtons, player)) return 1;
    if (analog == 1 && !iCade && AxisPushed(binding->axis, player)) return 1;
  }
  return 0;
}

int c_MyApp::p_PlayKeyAll(int control, int analog) {
  int players = 0;
  for (int player = 0; player < kPlayers; ++player) players += p_PlayKey(control, analog, player);
  return players;
}

float c_MyApp::p_StickX(int axis, int player) {
  return HasJoystickAxis(axis, player) ? zu_input_JoyX(axis, player) : 0.0f;
}

// Axis 0 is negated so that up is negative, like screen y and the analogue stick.
float c_MyApp::p_StickY(int axis, int player) {
  if (!HasJoystickAxis(axis, player)) return 0.0f;
  const float value = zu_input_JoyY(axis, player);
  return axis == 0 ? -value : value;
}
