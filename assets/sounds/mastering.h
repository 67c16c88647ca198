// Finishing every effect the same way: no offset, soft edges, one common loudness.
#pragma once

#include "assets/sounds/synth.h"

namespace synth {

// Every effect is levelled to the same average loudness so that none drowns out the
// others in play, with peaks well clear of full scale: the games start several effects
// at once, and their sum must still fit.
struct Loudness {
  double rmsDb = -20.0;         // dB relative to full scale
  double peakCeilingDb = -5.5;  // two effects peaking at once come to about full scale
};

double rmsOf(const Samples& samples);
double peakOf(const Samples& samples);
double toDb(double amplitude);
double fromDb(double decibels);

// Raised-cosine fades at both ends, so the sound starts and stops at zero without a click.
void fadeEdges(Samples& samples, double fadeInSeconds, double fadeOutSeconds);

// Removes any constant offset and rumble below hearing (a gentle 20 Hz high-pass).
void removeOffset(Samples& samples);

// Passes everything below 0.6 of `ceiling` unchanged and bends larger values smoothly
// towards `ceiling`, which they approach but never reach.
void softLimit(Samples& samples, double ceiling);

// Scales to the target RMS. Peaks the gain would push past the ceiling are rounded
// off by a soft limiter, and the gain is sought again, until both hold.
void levelTo(Samples& samples, const Loudness& target);

// removeOffset, fadeEdges (4 ms in, 20 ms out) and levelTo, in that order.
void master(Samples& samples, const Loudness& target = {});

}  // namespace synth
