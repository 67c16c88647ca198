#include "assets/sounds/synth.h"

#include <algorithm>
#include <cmath>

namespace synth {

int frameCount(double seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }

double timeOf(int frame) { return static_cast<double>(frame) / kSampleRate; }

double durationOf(const Samples& samples) { return static_cast<double>(samples.size()) / kSampleRate; }

double noteHz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void mixAt(Samples& into, const Samples& sound, double atSeconds, double gain) {
  const auto start = static_cast<std::size_t>(std::max(0, frameCount(atSeconds)));
  if (into.size() < start + sound.size()) into.resize(start + sound.size(), 0.0f);
  for (std::size_t i = 0; i < sound.size(); ++i) into[start + i] += static_cast<float>(sound[i] * gain);
}

namespace {

// Correction that rounds off a step in a waveform at phase 0, `increment` being the
// phase advance per sample.
double polyBlep(double phase, double increment) {
  if (phase < increment) {
    const double x = phase / increment;
    return x + x - x * x - 1.0;
  }
  if (phase > 1.0 - increment) {
    const double x = (phase - 1.0) / increment;
    return x * x + x + x + 1.0;
  }
  return 0.0;
}

}  // namespace

double Oscillator::next(double hertz) {
  const double increment = std::clamp(hertz / kSampleRate, 0.0, 0.5);
  double value = 0.0;
  switch (wave_) {
    case Wave::Sine:
      value = std::sin(2.0 * kPi * phase_);
      break;
    case Wave::Triangle:
      value = 1.0 - 4.0 * std::abs(phase_ - 0.5);
      break;
    case Wave::Square: {
      value = phase_ < 0.5 ? 1.0 : -1.0;
      if (increment > 0.0) {
        value += polyBlep(phase_, increment);
        value -= polyBlep(std::fmod(phase_ + 0.5, 1.0), increment);
      }
      break;
    }
    case Wave::Saw:
      value = 2.0 * phase_ - 1.0;
      if (increment > 0.0) value -= polyBlep(phase_, increment);
      break;
  }
  phase_ += increment;
  if (phase_ >= 1.0) phase_ -= 1.0;
  return value;
}

double Noise::next() { return chance() * 2.0 - 1.0; }

double Noise::chance() {
  // xorshift32
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_ / 4294967296.0;
}

double Filter::process(double input, double cutoffHz) {
  const double cutoff = std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate);
  const double g = std::tan(kPi * cutoff / kSampleRate);
  const double a1 = 1.0 / (1.0 + g * (g + damping_));
  const double a2 = g * a1;
  const double a3 = g * a2;
  const double v3 = input - state2_;
  const double band = a1 * state1_ + a2 * v3;
  const double low = state2_ + a2 * state1_ + a3 * v3;
  state1_ = 2.0 * band - state1_;
  state2_ = 2.0 * low - state2_;
  switch (mode_) {
    case Mode::LowPass:
      return low;
    case Mode::BandPass:
      return band;
    case Mode::HighPass:
      return input - damping_ * band - low;
  }
  return low;
}

double strike(double t, double attack, double decay) {
  if (t < 0.0) return 0.0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / decay);
}

double gate(double t, double attack, double hold, double release) {
  if (t < 0.0) return 0.0;
  if (t < attack) return t / attack;
  if (t < attack + hold) return 1.0;
  if (t < attack + hold + release) return 1.0 - (t - attack - hold) / release;
  return 0.0;
}

double sweep(double t, double duration, double from, double to) {
  const double progress = std::clamp(t / duration, 0.0, 1.0);
  return from * std::pow(to / from, progress);
}

}  // namespace synth
