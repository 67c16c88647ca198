// Plays a score into one seamless loop of mono samples at the tune's output rate: the
// sound that rings past the loop's end (releases, reverb) is folded back onto its start,
// so the last sample leads into the first as if the tune went on.
#pragma once

#include "assets/music/score.h"
#include "assets/sounds/synth.h"

namespace music {

inline constexpr int kOutputRate = synth::kSampleRate / 2;  // 22050 Hz keeps the download small
// Music sits under the effects (levelled to -20 dB RMS) and leaves them room to peak: the
// busiest game's effects reach -1.5 dBFS on their own.
inline constexpr double kMusicRmsDb = -25.5;
inline constexpr double kMusicPeakCeilingDb = -14.0;

// The levelled loop at kOutputRate; empty if the score names an unknown voice.
synth::Samples renderLoop(const Score& score);

}  // namespace music
