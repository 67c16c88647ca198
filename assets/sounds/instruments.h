// Pitched voices shared by the musical effects (jingle, fanfare, chimes).
#pragma once

#include "assets/sounds/synth.h"

namespace synth {

// A struck bell: inharmonic partials, the higher ones dying sooner. `decay` is the
// fundamental's time constant in seconds.
Samples bell(double hertz, double seconds, double decay);

// A plucked tone: a soft triangle body with a brief bright octave on the attack.
Samples pluck(double hertz, double seconds);

// A brass-like note: a sawtooth behind a filter that opens on the attack, with
// vibrato. The pitch bends from `hertz` to `endHertz` over the note.
struct BrassNote {
  double hertz = 440.0;
  double seconds = 0.2;
  double endHertz = 0.0;  // 0: no bend
  double vibratoDepth = 0.006;
};
Samples brass(const BrassNote& note);

}  // namespace synth
