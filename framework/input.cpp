#include "framework/input.h"

c_InputDevice* zu_input_device = nullptr;

namespace {
const gc_roots input_roots([] { gc_mark_q(zu_input_device); });

// The code of joystick `unit`'s `button`, or -1 when it falls outside the code range.
int joy_code(int button, int unit) {
  const int code = button | KEY_JOY0 | (unit * 32);
  return code > 0 && code < c_InputDevice::kCodes ? code : -1;
}
}  // namespace

void zu_input_SetInputDevice(c_InputDevice* device) { gc_assign(zu_input_device, device); }
bool zu_input_KeyDown(int code) { return zu_input_device->p_KeyDown(code); }
int zu_input_KeyHit(int code) { return zu_input_device->p_KeyHit(code); }
int zu_input_GetChar() { return zu_input_device->p_GetChar(); }
float zu_input_MouseX() { return zu_input_device->p_MouseX(); }
float zu_input_MouseY() { return zu_input_device->p_MouseY(); }
bool zu_input_MouseDown(int button) { return zu_input_device->p_KeyDown(button + 1); }
int zu_input_MouseHit(int button) { return zu_input_device->p_KeyHit(button + 1); }
bool zu_input_TouchDown(int finger) { return zu_input_device->p_KeyDown(KEY_TOUCH0 + finger); }
float zu_input_TouchX(int finger) { return zu_input_device->p_TouchX(finger); }
float zu_input_TouchY(int finger) { return zu_input_device->p_TouchY(finger); }

bool zu_input_JoyDown(int button, int unit) {
  const int code = joy_code(button, unit);
  return code >= 0 && zu_input_device->p_KeyDown(code);
}

int zu_input_JoyHit(int button, int unit) {
  const int code = joy_code(button, unit);
  return code >= 0 ? zu_input_device->p_KeyHit(code) : 0;
}

float zu_input_JoyX(int index, int unit) { return zu_input_device->p_JoyX(index, unit); }
float zu_input_JoyY(int index, int unit) { return zu_input_device->p_JoyY(index, unit); }
bool zu_input_JoystickLost() { return zu_input_device->m_JoystickLost; }
float zu_input_AccelX() { return zu_input_device->p_AccelX(); }
float zu_input_AccelY() { return zu_input_device->p_AccelY(); }
bool zu_input_EnableKeyboard() { return zu_input_device->p_SetKeyboardEnabled(true); }
bool zu_input_DisableKeyboard() { return zu_input_device->p_SetKeyboardEnabled(false); }
