// Games whose own rules have not been written yet. Each starts cleanly and plays the
// stand-in game until its own file takes over: the pair then moves to games/<name>.cpp
// (for example games/flappy.cpp) and is deleted from here in the same change.
#include "shell/my_app.h"

























