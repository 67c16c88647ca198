// The input module's functions: the game reads the one input device through these.
#pragma once

#include "framework/input_device.h"

extern c_InputDevice* zu_input_device;

void zu_input_SetInputDevice(c_InputDevice* device);
bool zu_input_KeyDown(int code);
int zu_input_KeyHit(int code);
int zu_input_GetChar();
float zu_input_MouseX();
float zu_input_MouseY();
bool zu_input_MouseDown(int button);
int zu_input_MouseHit(int button);
bool zu_input_TouchDown(int finger);
float zu_input_TouchX(int finger);
float zu_input_TouchY(int finger);
bool zu_input_JoyDown(int button, int unit);
int zu_input_JoyHit(int button, int unit);
float zu_input_JoyX(int index, int unit);
float zu_input_JoyY(int index, int unit);
// A joystick that was there in the update before went away in this one.
bool zu_input_JoystickLost();
float zu_input_AccelX();
float zu_input_AccelY();
bool zu_input_EnableKeyboard();
bool zu_input_DisableKeyboard();
