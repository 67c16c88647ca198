#include "assets/sounds/mastering.h"

#include <algorithm>
#include <cmath>

namespace synth {

double rmsOf(const Samples& samples) {
  if (samples.empty()) return 0.0;
  double sum = 0.0;
  for (float s : samples) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(samples.size()));
}

double peakOf(const Samples& samples) {
  double peak = 0.0;
  for (float s : samples) peak = std::max(peak, std::abs(static_cast<double>(s)));
  return peak;
}

double toDb(double amplitude) { return 20.0 * std::log10(amplitude); }

double fromDb(double decibels) { return std::pow(10.0, decibels / 20.0); }

void fadeEdges(Samples& samples, double fadeInSeconds, double fadeOutSeconds) {
  const int count = static_cast<int>(samples.size());
  const int fadeIn = std::min(frameCount(fadeInSeconds), count);
  const int fadeOut = std::min(frameCount(fadeOutSeconds), count);
  for (int i = 0; i < fadeIn; ++i) {
    samples[i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fadeIn));
  }
  // The last sample gets weight 0: the sound ends exactly at silence.
  for (int i = 0; i < fadeOut; ++i) {
    samples[count - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(kPi * i / fadeOut));
  }
}

void removeOffset(Samples& samples) {
  // One-pole DC blocker: y[n] = x[n] - x[n-1] + r * y[n-1], corner near 20 Hz.
  const double r = 1.0 - 2.0 * kPi * 20.0 / kSampleRate;
  double previousIn = 0.0, previousOut = 0.0;
  for (float& s : samples) {
    const double out = s - previousIn + r * previousOut;
    previousIn = s;
    previousOut = out;
    s = static_cast<float>(out);
  }
}

void softLimit(Samples& samples, double ceiling) {
  const double knee = 0.6 * ceiling;
  const double room = ceiling - knee;
  for (float& s : samples) {
    const double magnitude = std::abs(static_cast<double>(s));
    if (magnitude <= knee) continue;
    const double limited = knee + room * std::tanh((magnitude - knee) / room);
    s = static_cast<float>(std::copysign(limited, static_cast<double>(s)));
  }
}

namespace {

void scale(Samples& samples, double gain) {
  for (float& s : samples) s = static_cast<float>(s * gain);
}

}  // namespace

void levelTo(Samples& samples, const Loudness& target) {
  const double targetRms = fromDb(target.rmsDb);
  const double ceiling = fromDb(target.peakCeilingDb);
  for (int attempt = 0; attempt < 20; ++attempt) {
    const double rms = rmsOf(samples);
    if (rms <= 0.0) return;
    scale(samples, targetRms / rms);
    if (peakOf(samples) <= ceiling) return;
    softLimit(samples, ceiling);
  }
}

void master(Samples& samples, const Loudness& target) {
  removeOffset(samples);
  fadeEdges(samples, 0.004, 0.020);
  levelTo(samples, target);
}

}  // namespace synth
