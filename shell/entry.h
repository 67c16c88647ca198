// The program's two start-up steps: module globals, then the one application object.
#pragma once

#include "host/vantor_game.h"

// Gives every framework and game module global its start value.
void zuInit();
// Creates the collection's application, which registers its delegate with the host.
int zuMain();
// Both steps, as the host's Main runs them.
ZuApplicationEntry zu_Quor_ApplicationEntry();
