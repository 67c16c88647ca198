#include <algorithm>
#include <cmath>

#include "assets/sounds/recipes.h"

namespace synth {

// A lit fuse: a bright hiss that flickers, with random sparks crackling through it.
Samples cracklingFuseHiss() {
  Noise noise(6), sparks(60);
  Filter hiss(Filter::Mode::BandPass, 0.8), sparkTone(Filter::Mode::BandPass, 3.0);
  double spark = 0.0;
  return render(0.72, [&](double t) {
    const double flicker = 0.8 + 0.2 * std::sin(2.0 * kPi * 9.0 * t);
    const double sizzle = hiss.process(noise.next(), 5500.0) * flicker;
    if (sparks.chance() < 0.0012) spark = sparks.chance() < 0.5 ? -1.0 : 1.0;
    spark *= 0.93;  // each crackle dies within a millisecond or so
    return gate(t, 0.03, 0.52, 0.17) * (0.7 * sizzle + 1.5 * sparkTone.process(spark, 3000.0));
  });
}

// Liquid pouring: a band of noise whose centre wanders like a stream of water, with
// small bubbles rising through it.
Samples pouringSplash() {
  Noise noise(15), drift(150), bubbles(151);
  Filter stream(Filter::Mode::BandPass, 2.5);
  Oscillator blub(Wave::Sine);
  double centreHz = 1000.0;
  double bubbleStart = -1.0;
  double bubbleHz = 400.0;
  return render(0.75, [&](double t) {
    centreHz = std::clamp(centreHz + 25.0 * drift.next(), 500.0, 1800.0);
    const double water = stream.process(noise.next(), centreHz);
    if (bubbles.chance() < 1.0 / 1500.0) {
      bubbleStart = t;
      bubbleHz = 300.0 + 500.0 * bubbles.chance();
    }
    double bubble = 0.0;
    if (bubbleStart >= 0.0) {
      const double age = t - bubbleStart;
      bubble = strike(age, 0.002, 0.015) * blub.next(bubbleHz * (1.0 + 25.0 * age));
    }
    return gate(t, 0.05, 0.5, 0.2) * (water + 0.35 * bubble);
  });
}

// Half a second of rocket roar, so back-to-back plays (every 31 updates) join up: a
// fluttering filtered noise over a low rumble.
Samples jetpackThrust() {
  Noise noise(17);
  Filter roar(Filter::Mode::LowPass, 1.2), rumble(Filter::Mode::LowPass);
  return render(0.5, [&](double t) {
    const double white = noise.next();
    const double flutter = 0.75 + 0.25 * std::sin(2.0 * kPi * 22.0 * t);
    return gate(t, 0.03, 0.37, 0.10) * (roar.process(white, 900.0) * flutter + 3.0 * rumble.process(white, 160.0));
  });
}

}  // namespace synth
