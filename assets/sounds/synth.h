// Building blocks of the sound-effect synthesiser: oscillators, noise, a filter,
// envelopes and mixing, all on mono float samples at one fixed rate.
#pragma once

#include <cstdint>
#include <vector>

namespace synth {

inline constexpr int kSampleRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<float>;

int frameCount(double seconds);
double timeOf(int frame);
double durationOf(const Samples& samples);

// Equal-tempered pitch of a MIDI note number (69 = A4 = 440 Hz).
double noteHz(int midiNote);

// Calls voice(t) for every frame of a sound `seconds` long, t in seconds.
template <class Voice>
Samples render(double seconds, Voice&& voice) {
  Samples out(frameCount(seconds));
  for (int i = 0; i < static_cast<int>(out.size()); ++i) out[i] = static_cast<float>(voice(timeOf(i)));
  return out;
}

// Adds `sound`, scaled by `gain`, into `into` starting at `atSeconds`, growing `into`
// when the sound runs past its end.
void mixAt(Samples& into, const Samples& sound, double atSeconds, double gain = 1.0);

enum class Wave { Sine, Triangle, Square, Saw };

// Accumulates phase, so its frequency may change every sample (sweeps, vibrato)
// without jumps. Square and saw edges are smoothed (PolyBLEP) so that high notes do
// not fold back into harsh low tones.
class Oscillator {
 public:
  explicit Oscillator(Wave wave, double startPhase = 0.0) : wave_(wave), phase_(startPhase) {}
  double next(double hertz);

 private:
  Wave wave_;
  double phase_;  // in cycles, 0..1
};

// White noise in -1..1 from a fixed seed, so every build writes the same files.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  double next();
  // A uniform value in 0..1, for random events such as crackles.
  double chance();

 private:
  std::uint32_t state_;
};

// State-variable filter whose cutoff may move every sample (sweeps) and stays stable
// doing so. `q` sets the resonance: 0.707 is flat, higher values ring.
class Filter {
 public:
  enum class Mode { LowPass, BandPass, HighPass };
  explicit Filter(Mode mode, double q = 0.707) : mode_(mode), damping_(1.0 / q) {}
  double process(double input, double cutoffHz);

 private:
  Mode mode_;
  double damping_;
  double state1_ = 0.0;
  double state2_ = 0.0;
};

// Envelopes: gain over time t (seconds from the start of the note), 0..1.
// Linear rise over `attack`, then exponential fall with time constant `decay`: the
// shape of struck and plucked things.
double strike(double t, double attack, double decay);
// Linear rise, flat hold, linear release, then silence.
double gate(double t, double attack, double hold, double release);

// Exponential (musically even) sweep from `from` to `to` over `duration`, then held.
double sweep(double t, double duration, double from, double to);

}  // namespace synth
