// Gamepad mappings from the environment: launchers (big-picture modes, handheld PCs' game
// stores) hand their games the player's pad layouts in SDL_GAMECONTROLLERCONFIG, one
// mapping a line in the format of the window system's gamepad database.
#pragma once

#include <cstdio>

// Adds the mappings of `value` to the window system's database (after it started), over
// its built-in ones. Empty lines and lines starting with '#' are skipped; malformed lines
// are ignored and reported together in one line on `errors`. Returns the number of lines
// the window system took.
int zu_ApplyGamepadMappings(const char* value, std::FILE* errors);
