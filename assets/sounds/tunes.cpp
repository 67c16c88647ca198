#include "assets/sounds/instruments.h"
#include "assets/sounds/recipes.h"

namespace synth {

// Three drooping brass notes, D4, C#4, then a wobbling C4 that sags below itself.
Samples sadTromboneFailure() {
  Samples out;
  mixAt(out, brass({.hertz = noteHz(62), .seconds = 0.2}), 0.0);
  mixAt(out, brass({.hertz = noteHz(61), .seconds = 0.2}), 0.2);
  mixAt(out, brass({.hertz = noteHz(60), .seconds = 0.5, .endHertz = noteHz(58), .vibratoDepth = 0.025}), 0.4);
  return out;
}

// One bright bell stroke on G6.
Samples happyBellDing() { return bell(noteHz(91), 0.7, 0.3); }

// A quick brass arpeggio, C5 E5 G5, landing on a held C6 over an E5-G5 harmony.
Samples successFanfare() {
  Samples out;
  const double step = 0.09;
  const int climb[] = {72, 76, 79};
  for (int i = 0; i < 3; ++i) mixAt(out, brass({.hertz = noteHz(climb[i]), .seconds = step}), i * step);
  const double landing = 3 * step;
  mixAt(out, brass({.hertz = noteHz(84), .seconds = 0.56, .vibratoDepth = 0.01}), landing);
  mixAt(out, brass({.hertz = noteHz(76), .seconds = 0.56}), landing, 0.45);
  mixAt(out, brass({.hertz = noteHz(79), .seconds = 0.56}), landing, 0.45);
  return out;
}

// The collection's signature: plucked notes rising through a C major arpeggio,
// stepping down F E D, and resolving on a long C with a bell chord over a plucked bass.
Samples startupJingle() {
  const double eighth = 0.12;
  struct Note {
    int midi;
    double start;
  };
  const Note melody[] = {{79, 0}, {84, 1}, {88, 2}, {91, 3}, {89, 4}, {88, 5}, {86, 6}};
  const double resolution = 7 * eighth;
  const double total = 1.7;
  Samples out(frameCount(total), 0.0f);
  for (const Note& note : melody) mixAt(out, pluck(noteHz(note.midi), 0.4), note.start * eighth);
  mixAt(out, pluck(noteHz(84), total - resolution), resolution);
  mixAt(out, bell(noteHz(84), total - resolution, 0.35), resolution, 0.35);
  mixAt(out, bell(noteHz(76), total - resolution, 0.35), resolution, 0.25);
  mixAt(out, bell(noteHz(79), total - resolution, 0.35), resolution, 0.25);
  mixAt(out, pluck(noteHz(48), 4 * eighth), 0.0, 0.8);
  mixAt(out, pluck(noteHz(43), 3 * eighth), 4 * eighth, 0.8);
  mixAt(out, pluck(noteHz(48), total - resolution), resolution, 0.8);
  out.resize(frameCount(total));
  return out;
}

// Four bells struck in a fast upward strum, C6 E6 G6 C7: "here we go".
Samples startChime() {
  Samples out;
  const int strum[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) mixAt(out, bell(noteHz(strum[i]), 0.55, 0.22), i * 0.035);
  return out;
}

}  // namespace synth
