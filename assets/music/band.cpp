#include "assets/music/band.h"

#include <algorithm>
#include <cmath>

#include "assets/sounds/instruments.h"

namespace music {

using namespace synth;

namespace {

// Rise, hold until the note's end, then fall over `release` after it: a note's sound
// outlasts its written length by the release.
double held(double t, double seconds, double attack, double release) {
  if (t < 0.0) return 0.0;
  if (t < attack) return t / attack;
  if (t < seconds) return 1.0;
  return std::max(0.0, 1.0 - (t - seconds) / release);
}

Samples pluckLead(double hertz, double seconds) { return pluck(hertz, seconds + 0.25); }

Samples bellLead(double hertz, double seconds) { return bell(hertz, seconds + 0.6, 0.25 + 0.5 * seconds); }

Samples brassLead(double hertz, double seconds) {
  return brass({.hertz = hertz, .seconds = seconds + 0.04, .vibratoDepth = 0.005});
}

// A pulse of a quarter's width, mellowed by a low-pass, with delayed vibrato.
Samples squareLead(double hertz, double seconds) {
  Oscillator a(Wave::Saw), b(Wave::Saw, 0.25);
  Filter tone(Filter::Mode::LowPass, 0.9);
  return render(seconds + 0.08, [&](double t) {
    const double vibrato = 1.0 + 0.005 * std::sin(2.0 * kPi * 5.0 * t) * std::clamp((t - 0.15) / 0.2, 0.0, 1.0);
    const double f = hertz * vibrato;
    const double pulse = 0.5 * (a.next(f) - b.next(f));
    return held(t, seconds, 0.006, 0.08) * tone.process(pulse, f * 5.0);
  });
}

// A breathy round tone: sine with a little triangle and noise, gentle vibrato.
Samples fluteLead(double hertz, double seconds) {
  Oscillator sine(Wave::Sine), tri(Wave::Triangle);
  Noise breath(static_cast<std::uint32_t>(hertz * 100.0));
  Filter air(Filter::Mode::BandPass, 2.0);
  return render(seconds + 0.12, [&](double t) {
    const double vibrato = 1.0 + 0.004 * std::sin(2.0 * kPi * 5.2 * t) * std::min(1.0, t / 0.3);
    const double f = hertz * vibrato;
    const double body = 0.8 * sine.next(f) + 0.2 * tri.next(f);
    return held(t, seconds, 0.03, 0.12) * (body + 0.06 * air.process(breath.next(), f * 2.0));
  });
}

}  // namespace

Voice leadVoice(const std::string& name) {
  if (name == "pluck") return pluckLead;
  if (name == "bell") return bellLead;
  if (name == "brass") return brassLead;
  if (name == "square") return squareLead;
  if (name == "flute") return fluteLead;
  return nullptr;
}

Samples bass(double hertz, double seconds) {
  Oscillator saw(Wave::Saw), square(Wave::Square), sub(Wave::Sine);
  Filter tone(Filter::Mode::LowPass, 1.1);
  return render(seconds + 0.06, [&](double t) {
    const double cutoff = hertz * (2.0 + 6.0 * std::exp(-t / 0.06));
    const double raw = 0.5 * saw.next(hertz) + 0.3 * square.next(hertz);
    return held(t, seconds, 0.004, 0.06) * (tone.process(raw, cutoff) + 0.5 * sub.next(hertz));
  });
}

Samples pad(double hertz, double seconds) {
  Oscillator a(Wave::Saw), b(Wave::Saw, 0.37);
  Filter tone(Filter::Mode::LowPass, 0.8);
  return render(seconds + 0.3, [&](double t) {
    const double raw = 0.5 * (a.next(hertz * 1.003) + b.next(hertz * 0.997));
    return held(t, seconds, 0.08, 0.3) * tone.process(raw, std::min(2400.0, hertz * 3.0));
  });
}

Samples stab(double hertz, double seconds) {
  Oscillator square(Wave::Square), sine(Wave::Sine);
  Filter tone(Filter::Mode::LowPass, 1.0);
  return render(seconds + 0.05, [&](double t) {
    const double raw = 0.6 * square.next(hertz) + 0.4 * sine.next(hertz * 2.0);
    return held(t, seconds, 0.003, 0.05) * strike(t, 0.003, 0.25) * tone.process(raw, hertz * 4.0);
  });
}

Samples kick() {
  Oscillator body(Wave::Sine);
  return render(0.35, [&](double t) {
    const double hertz = sweep(t, 0.08, 160.0, 48.0);
    return strike(t, 0.002, 0.12) * body.next(hertz) + strike(t, 0.0005, 0.004) * 0.4;
  });
}

Samples snare(std::uint32_t seed) {
  Noise noise(seed);
  Oscillator tone(Wave::Triangle);
  Filter band(Filter::Mode::BandPass, 0.8);
  return render(0.25, [&](double t) {
    return 0.8 * strike(t, 0.001, 0.07) * band.process(noise.next(), 2500.0) +
           0.5 * strike(t, 0.001, 0.04) * tone.next(sweep(t, 0.03, 240.0, 180.0));
  });
}

Samples hat(std::uint32_t seed) {
  Noise noise(seed);
  Filter high(Filter::Mode::HighPass, 1.2);
  return render(0.08, [&](double t) { return strike(t, 0.0005, 0.018) * high.process(noise.next(), 7500.0); });
}

}  // namespace music
