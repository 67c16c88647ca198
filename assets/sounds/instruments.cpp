#include "assets/sounds/instruments.h"

#include <algorithm>
#include <cmath>

namespace synth {

Samples bell(double hertz, double seconds, double decay) {
  struct Partial {
    double ratio;
    double gain;
  };
  // Ratios of a small tuned bell: hum, octave, a sharp minor tenth, and two high
  // partials that give the strike its shimmer.
  static constexpr Partial kPartials[] = {{1.0, 1.0}, {2.0, 0.45}, {2.76, 0.3}, {5.4, 0.12}, {8.93, 0.05}};
  Samples out(frameCount(seconds), 0.0f);
  for (const Partial& partial : kPartials) {
    const double partialHz = hertz * partial.ratio;
    if (partialHz > 0.45 * kSampleRate) continue;
    Oscillator oscillator(Wave::Sine);
    const double partialDecay = decay / std::pow(partial.ratio, 0.8);
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
      out[i] += static_cast<float>(partial.gain * strike(timeOf(i), 0.0015, partialDecay) *
                                   oscillator.next(partialHz));
    }
  }
  return out;
}

Samples pluck(double hertz, double seconds) {
  Oscillator body(Wave::Triangle), fundamental(Wave::Sine), octave(Wave::Sine);
  return render(seconds, [&](double t) {
    const double sustain = strike(t, 0.003, 0.22);
    const double attack = strike(t, 0.003, 0.05);
    return sustain * (0.6 * body.next(hertz) + 0.3 * fundamental.next(hertz)) +
           attack * 0.3 * octave.next(hertz * 2.0);
  });
}

Samples brass(const BrassNote& note) {
  Oscillator saw(Wave::Saw);
  Filter tone(Filter::Mode::LowPass, 1.3);
  const double endHertz = note.endHertz > 0.0 ? note.endHertz : note.hertz;
  const double release = std::min(0.05, note.seconds / 3.0);
  return render(note.seconds, [&](double t) {
    const double vibrato = 1.0 + note.vibratoDepth * std::sin(2.0 * kPi * 5.5 * t) * std::min(1.0, t / 0.12);
    const double hertz = sweep(t, note.seconds, note.hertz, endHertz) * vibrato;
    // The "blat" of a brass attack: the tone brightens over the first 40 ms.
    const double cutoff = hertz * (1.5 + 4.5 * std::min(1.0, t / 0.04));
    const double envelope = gate(t, 0.012, note.seconds - 0.012 - release, release);
    return envelope * tone.process(saw.next(hertz), cutoff);
  });
}

}  // namespace synth
