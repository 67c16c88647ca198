// A tune's score as written in its .score file: tempo, instruments, default patterns and
// the sections in the order they play. The text format is described in README.md beside
// this file.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace music {

inline constexpr int kStepsPerBar = 16;  // sixteenth notes in 4/4

struct Note {
  int midi = -1;  // -1: a rest
  int steps = 1;
};

// The per-bar patterns a section plays under its melody; 16 characters each.
struct Patterns {
  std::string bass;     // R root, T third, F fifth, O octave, - hold, . rest
  std::string harmony;  // x chord struck, - hold, . rest
  std::string kick, snare, hat;  // x hit, o soft hit, . none
};

struct Section {
  std::string name;
  std::vector<std::string> chords;  // one per bar
  std::vector<Note> melody;         // exactly 16 steps per bar
  Patterns patterns;
};

struct Score {
  double tempo = 120.0;  // quarter notes per minute
  std::string key;       // for people; the notes carry the pitches
  std::string lead = "pluck";
  std::string harmonyVoice = "pad";
  double swing = 0.0;  // 0..0.5 of a sixteenth: how late the off-beat sixteenths fall
  std::vector<Section> sections;  // in playing order, repeats included

  int bars() const;
};

// The score in `text`, or an empty score with `error` set ("line N: what is wrong").
Score parseScore(const std::string& text, std::string& error);

// The notes of a chord symbol (C, F#m, Bb7, Dm7, Gmaj7, Asus4, Bdim) from its root at
// `rootOctave` (4: the root lies in C4..B4). Empty for a symbol it does not know.
std::vector<int> chordNotes(const std::string& symbol, int rootOctave);

// MIDI number of a note name such as C4, F#5 or Bb3; -1 for anything else.
int noteNumber(const std::string& name);

}  // namespace music
