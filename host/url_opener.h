// Opening a URL in the system browser without blocking the game or sharing its streams.
#pragma once

#include <string>
#include <vector>

#include "host/string.h"

// The URL as the desktop opener receives it: each code unit narrowed to its low byte.
std::string zu_NarrowUrl(const String& url);

// Starts `command` (searched on PATH) with `arguments`, each passed as one argument, fully
// detached: it reads nothing from the game's standard input, writes nothing to its standard
// output, and leaves no child behind to be reaped. False when no process could be started;
// a command that does not exist fails only in the detached process.
bool zu_SpawnDetached(const std::string& command, const std::vector<std::string>& arguments);

// Hands the narrowed URL to xdg-open. Nothing is reported back.
void zu_OpenUrl(const String& url);
