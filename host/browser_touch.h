// Touches from the page (web/touch.js) to the program: each finger's press, move and
// release at its point in canvas pixels, under a finger code 0..9 the page keeps for the
// finger's life. A tap shorter than an update still reaches one update held down: its
// release waits until an update has run. Only compiled by Emscripten.
#pragma once

#ifdef __EMSCRIPTEN__

// Called by the loop after one or more updates ran: delivers the releases held back.
void zu_browser_TouchesSeen();

#endif
