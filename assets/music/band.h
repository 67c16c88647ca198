// The voices of the tunes: the effects' pitched instruments (pluck, bell, brass) and
// those only the music needs: a bass, a pad, an organ stab, two leads and a drum kit.
// Each returns one note, `seconds` long (drums choose their own length), at unit level.
#pragma once

#include <cstdint>
#include <string>

#include "assets/sounds/synth.h"

namespace music {

using synth::Samples;

// A melody voice by name: pluck, bell, brass, square, flute. Null for an unknown name.
using Voice = Samples (*)(double hertz, double seconds);
Voice leadVoice(const std::string& name);

// A round synth bass: saw and square under a low-pass that closes after the attack.
Samples bass(double hertz, double seconds);
// A soft held chord tone: two slightly detuned saws, slow attack and release.
Samples pad(double hertz, double seconds);
// A short bright chord tone for off-beat stabs.
Samples stab(double hertz, double seconds);

// Drums; `seed` varies the noise from hit to hit, the same for every build.
Samples kick();
Samples snare(std::uint32_t seed);
Samples hat(std::uint32_t seed);

}  // namespace music
