#include <cmath>

#include "assets/sounds/recipes.h"

namespace synth {

// Two quick square-wave notes a fourth apart (B5 then E6), the second left ringing.
Samples coinPickupChime() {
  Oscillator square(Wave::Square), sparkle(Wave::Sine);
  Filter soften(Filter::Mode::LowPass);
  const double secondNoteAt = 0.07;
  return render(0.42, [&](double t) {
    const bool second = t >= secondNoteAt;
    const double hertz = noteHz(second ? 88 : 83);
    // The second note takes over at full level, so the change of pitch makes no gap.
    const double envelope = second ? std::exp(-(t - secondNoteAt) / 0.11) : gate(t, 0.002, secondNoteAt, 0.0);
    const double tone = 0.6 * soften.process(square.next(hertz), 6000.0) + 0.4 * sparkle.next(hertz * 2.0);
    return envelope * tone;
  });
}

// A "boing": a tone pulled up from 150 to 430 Hz, wobbling as it settles. Its overtones
// ring out faster than the fundamental and a short tick of noise marks the bounce, so it
// stays bright enough to carry on small speakers while it ends round.
Samples springyBounce() {
  constexpr int kOvertones = 8;
  Oscillator partials[kOvertones] = {Oscillator(Wave::Sine), Oscillator(Wave::Sine), Oscillator(Wave::Sine),
                                     Oscillator(Wave::Sine), Oscillator(Wave::Sine), Oscillator(Wave::Sine),
                                     Oscillator(Wave::Sine), Oscillator(Wave::Sine)};
  Noise noise(2);
  Filter tick(Filter::Mode::BandPass, 1.5);
  return render(0.3, [&](double t) {
    const double wobble = 1.0 + 0.07 * std::sin(2.0 * kPi * 16.0 * t) * std::exp(-t / 0.12);
    const double hertz = sweep(t, 0.09, 150.0, 430.0) * wobble;
    double tone = 0.0;
    for (int k = 1; k <= kOvertones; ++k) {
      const double gain = k == 1 ? 1.0 : 0.8 / std::pow(k, 0.8);
      tone += gain * strike(t, 0.003, 0.085 / std::pow(k, 0.4)) * partials[k - 1].next(hertz * k);
    }
    return tone + 0.5 * strike(t, 0.0005, 0.006) * tick.process(noise.next(), 3200.0);
  });
}

// The classic platform jump: a square wave sweeping up from 260 to 820 Hz.
Samples risingJumpBlip() {
  Oscillator square(Wave::Square);
  Filter soften(Filter::Mode::LowPass);
  return render(0.17, [&](double t) {
    const double hertz = sweep(t, 0.14, 260.0, 820.0);
    return gate(t, 0.003, 0.1, 0.065) * soften.process(square.next(hertz), 4500.0);
  });
}

// A buzzing sawtooth diving from 1400 to 120 Hz through a ringing filter that closes
// with it: the sound of something going wrong.
Samples electricZap() {
  Oscillator saw(Wave::Saw);
  Filter resonant(Filter::Mode::LowPass, 4.0);
  return render(0.24, [&](double t) {
    const double hertz = sweep(t, 0.22, 1400.0, 120.0) * (1.0 + 0.12 * std::sin(2.0 * kPi * 55.0 * t));
    const double cutoff = sweep(t, 0.22, 5000.0, 500.0);
    return gate(t, 0.002, 0.16, 0.075) * resonant.process(saw.next(hertz), cutoff);
  });
}

// A clean, fast fall from 1700 to 330 Hz: a shot, or something sliding away.
Samples laserPew() {
  Oscillator sine(Wave::Sine), square(Wave::Square);
  return render(0.17, [&](double t) {
    const double hertz = sweep(t, 0.15, 1700.0, 330.0);
    return gate(t, 0.002, 0.09, 0.075) * (0.75 * sine.next(hertz) + 0.25 * square.next(hertz));
  });
}

// A steady C6 with a little square edge, like an electronic timer.
Samples plainBeep() {
  Oscillator sine(Wave::Sine), square(Wave::Square);
  Filter soften(Filter::Mode::LowPass);
  const double hertz = noteHz(84);
  return render(0.14, [&](double t) {
    return gate(t, 0.004, 0.11, 0.02) * (0.8 * sine.next(hertz) + 0.2 * soften.process(square.next(hertz), 3000.0));
  });
}

// A bubble bursting: a pure tone whose pitch shoots up as it vanishes.
Samples bubblePop() {
  Oscillator sine(Wave::Sine);
  return render(0.1, [&](double t) { return strike(t, 0.004, 0.03) * sine.next(sweep(t, 0.05, 350.0, 1400.0)); });
}

// A tiny wooden tick: a short high tone and a band of noise, both gone in 50 ms, so
// it stays crisp when played up to half again as fast.
Samples menuTick() {
  Oscillator sine(Wave::Sine);
  Noise noise(99);
  Filter click(Filter::Mode::BandPass, 2.0);
  return render(0.05, [&](double t) {
    return strike(t, 0.0008, 0.011) * (0.8 * sine.next(1900.0) + 0.5 * click.process(noise.next(), 4000.0));
  });
}

}  // namespace synth
