#include "assets/music/arrangement.h"

#include <cmath>
#include <functional>

#include "assets/music/band.h"
#include "assets/sounds/instruments.h"
#include "assets/sounds/mastering.h"

namespace music {

using synth::Samples;

namespace {

// Relative levels of the parts before the whole is levelled.
constexpr double kLeadGain = 0.55;
constexpr double kBassGain = 0.42;
constexpr double kPadGain = 0.13;
constexpr double kStabGain = 0.11;
constexpr double kArpGain = 0.2;
constexpr double kKickGain = 0.55;
constexpr double kSnareGain = 0.3;
constexpr double kHatGain = 0.14;
constexpr double kSoftHit = 0.5;
constexpr double kReverbWet = 0.16;

// How many steps a note struck at `step` lasts: itself and the holds ('-') after it.
int heldSteps(const std::string& pattern, int step) {
  int length = 1;
  while (step + length < kStepsPerBar && pattern[step + length] == '-') ++length;
  return length;
}

struct Timing {
  double stepSeconds;
  double swing;
  double at(int step) const { return (step + (step % 2 == 1 ? swing : 0.0)) * stepSeconds; }
};

// Applies a filter with memory to the loop as if it had always been playing: the filter
// runs over two copies and the second one is kept.
void periodic(Samples& loop, const std::function<void(Samples&)>& filter) {
  Samples twice(loop);
  twice.insert(twice.end(), loop.begin(), loop.end());
  filter(twice);
  loop.assign(twice.begin() + static_cast<std::ptrdiff_t>(loop.size()), twice.end());
}

// A small room: four damped feedback combs in parallel, then two all-passes.
void reverb(Samples& samples) {
  struct Comb {
    Samples line;
    std::size_t at = 0;
    double damped = 0.0;
  };
  Comb combs[4] = {{Samples(1557, 0.0f)}, {Samples(1617, 0.0f)}, {Samples(1491, 0.0f)}, {Samples(1422, 0.0f)}};
  Samples allpass[2] = {Samples(556, 0.0f), Samples(441, 0.0f)};
  std::size_t allpassAt[2] = {0, 0};
  for (float& s : samples) {
    double wet = 0.0;
    for (Comb& comb : combs) {
      const double out = comb.line[comb.at];
      comb.damped = 0.7 * out + 0.3 * comb.damped;
      comb.line[comb.at] = static_cast<float>(s + 0.78 * comb.damped);
      comb.at = (comb.at + 1) % comb.line.size();
      wet += out;
    }
    wet *= 0.25;
    for (int i = 0; i < 2; ++i) {
      const double delayed = allpass[i][allpassAt[i]];
      const double in = wet + 0.5 * delayed;
      allpass[i][allpassAt[i]] = static_cast<float>(in);
      allpassAt[i] = (allpassAt[i] + 1) % allpass[i].size();
      wet = delayed - 0.5 * in;
    }
    s = static_cast<float>(s + kReverbWet * wet);
  }
}

// Every other sample of the loop after a circular windowed-sinc low-pass below the new
// Nyquist frequency, so nothing folds back and the seam stays smooth.
Samples halveRate(const Samples& loop) {
  constexpr int kHalfTaps = 24;
  double taps[2 * kHalfTaps + 1];
  double sum = 0.0;
  const double cutoff = 0.45 * 0.5;  // of the input rate: 9.9 kHz
  for (int k = -kHalfTaps; k <= kHalfTaps; ++k) {
    const double x = 2.0 * cutoff * k;
    const double sinc = k == 0 ? 1.0 : std::sin(synth::kPi * x) / (synth::kPi * x);
    const double window = 0.42 + 0.5 * std::cos(synth::kPi * k / kHalfTaps) + 0.08 * std::cos(2.0 * synth::kPi * k / kHalfTaps);
    taps[k + kHalfTaps] = sinc * window;
    sum += taps[k + kHalfTaps];
  }
  const auto n = static_cast<long>(loop.size());
  Samples out(loop.size() / 2);
  for (long i = 0; i < static_cast<long>(out.size()); ++i) {
    double acc = 0.0;
    for (int k = -kHalfTaps; k <= kHalfTaps; ++k) acc += taps[k + kHalfTaps] * loop[((2 * i + k) % n + n) % n];
    out[i] = static_cast<float>(acc / sum);
  }
  return out;
}

}  // namespace

Samples renderLoop(const Score& score) {
  const Voice lead = leadVoice(score.lead);
  if (!lead) return {};
  const std::string& harmony = score.harmonyVoice;
  if (harmony != "pad" && harmony != "stab" && harmony != "arp") return {};
  const Timing timing{60.0 / score.tempo / 4.0, score.swing};
  const double barSeconds = timing.stepSeconds * kStepsPerBar;
  // Whole bars of an even number of frames: halving the rate keeps the loop whole, and a
  // score played twice over lasts exactly two loops.
  const int barFrames = 2 * synth::frameCount(barSeconds / 2.0);
  const int loopFrames = score.bars() * barFrames;
  // Where step `step` of bar `bar` (which may run past the bar) starts, in seconds on the
  // frame grid: a bar's notes fall on the same frames in whichever bar it is played.
  const auto startOf = [&](int bar, int step) {
    const int wholeBars = step / kStepsPerBar;
    const int frame = (bar + wholeBars) * barFrames + synth::frameCount(timing.at(step - wholeBars * kStepsPerBar));
    return synth::timeOf(frame);
  };

  Samples mix(loopFrames, 0.0f);
  int bar = 0;
  for (const Section& section : score.sections) {
    int melodyStep = 0;
    for (const Note& note : section.melody) {
      if (note.midi >= 0) {
        const double start = startOf(bar, melodyStep);
        const double end = startOf(bar, melodyStep + note.steps);
        synth::mixAt(mix, lead(synth::noteHz(note.midi), end - start), start, kLeadGain);
      }
      melodyStep += note.steps;
    }
    for (const std::string& chord : section.chords) {
      const std::vector<int> tones = chordNotes(chord, 4);
      const int root = chordNotes(chord, 2).front();
      const Patterns& p = section.patterns;
      int arpIndex = 0;
      for (int step = 0; step < kStepsPerBar; ++step) {
        const double at = startOf(bar, step);
        const char b = p.bass[step];
        if (b != '-' && b != '.') {
          const int interval = b == 'T' ? tones[1] - tones[0] : b == 'F' ? 7 : b == 'O' ? 12 : 0;
          const double seconds = timing.stepSeconds * heldSteps(p.bass, step);
          synth::mixAt(mix, bass(synth::noteHz(root + interval), seconds), at, kBassGain);
        }
        if (p.harmony[step] == 'x') {
          const double seconds = timing.stepSeconds * heldSteps(p.harmony, step);
          if (harmony == "arp") {
            // Up through the chord and an octave above it, then round again.
            const int count = static_cast<int>(tones.size());
            const int tone = tones[arpIndex % count] + 12 * ((arpIndex / count) % 2);
            synth::mixAt(mix, synth::pluck(synth::noteHz(tone), seconds + 0.1), at, kArpGain);
            ++arpIndex;
          } else {
            for (int tone : tones) {
              const Samples note = harmony == "pad" ? pad(synth::noteHz(tone), seconds)
                                                    : stab(synth::noteHz(tone), seconds);
              synth::mixAt(mix, note, at, harmony == "pad" ? kPadGain : kStabGain);
            }
          }
        }
        const auto hitGain = [](char c, double gain) { return c == 'x' ? gain : c == 'o' ? gain * kSoftHit : 0.0; };
        if (p.kick[step] != '.') synth::mixAt(mix, kick(), at, hitGain(p.kick[step], kKickGain));
        // The noise differs from beat to beat of a bar, and is the same in every bar, as a
        // drum machine's would be.
        if (p.snare[step] != '.') synth::mixAt(mix, snare(100 + step), at, hitGain(p.snare[step], kSnareGain));
        if (p.hat[step] != '.') synth::mixAt(mix, hat(200 + step), at, hitGain(p.hat[step], kHatGain));
      }
      ++bar;
    }
  }
  // What rang past the end belongs to the loop's start.
  for (std::size_t i = loopFrames; i < mix.size(); ++i) mix[i - loopFrames] += mix[i];
  mix.resize(loopFrames);

  periodic(mix, reverb);
  periodic(mix, synth::removeOffset);
  Samples out = halveRate(mix);
  // One gain and one pass of the limiter, rather than levelTo's search: the same passage
  // then comes out the same in a longer render, so the loop joins as the tune plays on.
  const double gain = synth::fromDb(kMusicRmsDb) / synth::rmsOf(out);
  for (float& s : out) s = static_cast<float>(s * gain);
  synth::softLimit(out, synth::fromDb(kMusicPeakCeilingDb));
  return out;
}

}  // namespace music
