#include <cmath>
#include <cstdint>

#include "assets/sounds/recipes.h"

namespace synth {

// A bat on a ball or a glass on a counter: a short low knock, a crack of noise and
// a few metallic partials ringing briefly.
Samples clinkingThwack() {
  Oscillator knock(Wave::Sine), ring1(Wave::Sine), ring2(Wave::Sine), ring3(Wave::Sine);
  Noise noise(4);
  Filter crack(Filter::Mode::BandPass, 1.5);
  return render(0.26, [&](double t) {
    const double low = strike(t, 0.001, 0.035) * knock.next(sweep(t, 0.05, 170.0, 90.0));
    const double snap = strike(t, 0.0005, 0.01) * crack.process(noise.next(), 2600.0);
    const double ring = 0.5 * strike(t, 0.001, 0.09) * ring1.next(2350.0) +
                        0.35 * strike(t, 0.001, 0.06) * ring2.next(3710.0) +
                        0.25 * strike(t, 0.001, 0.035) * ring3.next(5230.0);
    return 0.8 * low + 1.2 * snap + 0.6 * ring;
  });
}

namespace {

// The three explosions share one design: noise behind a low-pass filter that closes
// as the blast dies, over a falling low thump, driven into gentle saturation.
struct Blast {
  std::uint32_t seed;
  double seconds;
  double brightHz;      // filter cutoff at the flash
  double dullHz;        // ... and at the end of the sweep
  double sweepSeconds;  // how long the cutoff takes to close
  double noiseDecay;
  double thumpFromHz;
  double thumpToHz;
  double thumpDecay;
  int crushFrames;  // noise held this many frames: more gives a grainier crunch
};

Samples blast(const Blast& shape) {
  Noise noise(shape.seed);
  Filter body(Filter::Mode::LowPass, 0.9);
  Oscillator thump(Wave::Sine);
  double heldNoise = 0.0;
  int framesToHold = 0;
  return render(shape.seconds, [&](double t) {
    if (framesToHold-- <= 0) {
      heldNoise = noise.next();
      framesToHold = shape.crushFrames - 1;
    }
    const double cutoff = sweep(t, shape.sweepSeconds, shape.brightHz, shape.dullHz);
    const double rumble = body.process(heldNoise, cutoff) * strike(t, 0.002, shape.noiseDecay);
    const double low = thump.next(sweep(t, 0.15, shape.thumpFromHz, shape.thumpToHz)) *
                       strike(t, 0.003, shape.thumpDecay);
    return std::tanh(1.5 * (1.6 * rumble + 0.8 * low));
  });
}

}  // namespace

Samples bangExplosion() { return blast({7, 0.6, 5000.0, 300.0, 0.45, 0.15, 110.0, 40.0, 0.12, 1}); }

Samples crunchExplosion() { return blast({8, 0.5, 3500.0, 450.0, 0.35, 0.12, 90.0, 45.0, 0.10, 6}); }

Samples deepBoomExplosion() { return blast({9, 0.85, 1400.0, 150.0, 0.6, 0.25, 70.0, 30.0, 0.2, 1}); }

// A cannon shot into water: a heavy falling thump, a short burst, and a long spray
// of high noise.
Samples cannonSplashBoom() {
  Noise noise(11);
  Filter spray(Filter::Mode::HighPass), burst(Filter::Mode::LowPass);
  Oscillator thump(Wave::Sine);
  return render(0.9, [&](double t) {
    const double white = noise.next();
    const double low = thump.next(sweep(t, 0.2, 85.0, 35.0)) * strike(t, 0.002, 0.2);
    const double bang = burst.process(white, sweep(t, 0.3, 2500.0, 400.0)) * strike(t, 0.001, 0.09);
    const double hiss = spray.process(white, 1200.0) * strike(t, 0.02, 0.16);
    return low + 0.9 * bang + 0.25 * hiss;
  });
}

}  // namespace synth
