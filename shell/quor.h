// Module globals of the game module: the design and virtual screen sizes, the overscan
// border, the build switches and the credit lines. zu_Quor_Init gives them their start
// values; the render hook recomputes the virtual size every frame.
#pragma once

#include "host/array.h"
#include "host/string.h"

// Design resolution every game is written for.
extern float zu_Quor_rawscrw;
extern float zu_Quor_rawscrh;
// Current virtual screen in game units: the design size on one axis, less on the other.
extern float zu_Quor_jscrw;
extern float zu_Quor_jscrh;
// Border kept free on each side, in device pixels.
extern float zu_Quor_overscan;
extern int zu_Quor_DebugMode;
extern int zu_Quor_iCadeControls;
// Build switches: all off on the desktop.
extern int zu_Quor_HasMusicStream;
extern int zu_Quor_OnScreenControls;
extern int zu_Quor_AccelerometerControls;
extern int zu_Quor_isConsole;
// Lines scrolled by the credits box; it cycles through all but the last entry.
extern Array<String> zu_Quor_CreditText;

// Start values of the module globals; also seeds the random generator with 1234.
void zu_Quor_Init();
