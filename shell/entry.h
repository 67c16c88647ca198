// The program's two start-up steps: module globals, then the one application object.
#pragma once

#include <string>
#include <vector>

#include "host/vantor_game.h"

// Gives every framework and game module global its start value.
void zuInit();
// Creates the collection's application, which registers its delegate with the host.
int zuMain();
// Both steps, as the host's Main runs them.
ZuApplicationEntry zu_Quor_ApplicationEntry();
// The text font at each art tier, as the loader names them: without it nothing readable
// can be shown, so the program does not start when one is missing.
std::vector<std::string> zu_Quor_FontImages();
