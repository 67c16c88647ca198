#include "assets/music/score.h"

#include <cctype>
#include <sstream>

namespace music {

namespace {

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

int pitchClass(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
  }
}

// The root's pitch class and how many characters it took ("F#" is two), or -1.
int rootOf(const std::string& symbol, std::size_t& length) {
  if (symbol.empty()) return -1;
  int pitch = pitchClass(symbol[0]);
  length = 1;
  if (pitch < 0) return -1;
  if (symbol.size() > 1 && symbol[1] == '#') ++pitch, ++length;
  if (symbol.size() > 1 && symbol[1] == 'b') --pitch, ++length;
  return (pitch + 12) % 12;
}

bool isPattern(const std::string& pattern, const std::string& allowed) {
  if (pattern.size() != kStepsPerBar) return false;
  for (char c : pattern) {
    if (allowed.find(c) == std::string::npos) return false;
  }
  return true;
}

// "E5-4" (E5 for four sixteenths) or "r-2" (a rest); false for anything else.
bool parseNote(const std::string& token, Note& note) {
  const std::size_t dash = token.find('-');
  if (dash == std::string::npos || dash + 1 >= token.size()) return false;
  const std::string name = token.substr(0, dash);
  try {
    std::size_t used = 0;
    note.steps = std::stoi(token.substr(dash + 1), &used);
    if (used != token.size() - dash - 1 || note.steps < 1) return false;
  } catch (...) {
    return false;
  }
  if (name == "r") {
    note.midi = -1;
    return true;
  }
  note.midi = noteNumber(name);
  return note.midi >= 0;
}

// Applies a pattern line (bass, harmony, kick, snare, hat) to `patterns`; false with
// `error` set when the line is not one or is malformed.
bool setPattern(const std::vector<std::string>& w, Patterns& patterns, std::string& error) {
  struct Kind {
    const char* name;
    std::string Patterns::*field;
    const char* allowed;
  };
  static const Kind kKinds[] = {{"bass", &Patterns::bass, "RTFO-."},
                                {"harmony", &Patterns::harmony, "x-."},
                                {"kick", &Patterns::kick, "xo."},
                                {"snare", &Patterns::snare, "xo."},
                                {"hat", &Patterns::hat, "xo."}};
  for (const Kind& kind : kKinds) {
    if (w[0] != kind.name) continue;
    if (w.size() != 2 || !isPattern(w[1], kind.allowed)) {
      error = std::string("a ") + kind.name + " pattern is 16 of \"" + kind.allowed + "\"";
    } else {
      patterns.*kind.field = w[1];
    }
    return true;
  }
  return false;
}

}  // namespace

int Score::bars() const {
  int total = 0;
  for (const Section& section : sections) total += static_cast<int>(section.chords.size());
  return total;
}

int noteNumber(const std::string& name) {
  std::size_t length = 0;
  const int pitch = rootOf(name, length);
  if (pitch < 0 || length + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[length]))) return -1;
  // Bb's root is A#; Cb and B# cross the octave line.
  int octave = name[length] - '0';
  if (name[0] == 'C' && length == 2 && name[1] == 'b') --octave;
  if (name[0] == 'B' && length == 2 && name[1] == '#') ++octave;
  return 12 * (octave + 1) + pitch;
}

std::vector<int> chordNotes(const std::string& symbol, int rootOctave) {
  std::size_t length = 0;
  const int pitch = rootOf(symbol, length);
  if (pitch < 0) return {};
  static const std::map<std::string, std::vector<int>> kQualities = {
      {"", {0, 4, 7}},       {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}}, {"m7", {0, 3, 7, 10}},
      {"maj7", {0, 4, 7, 11}}, {"sus4", {0, 5, 7}}, {"dim", {0, 3, 6}},     {"add9", {0, 4, 7, 14}}};
  const auto quality = kQualities.find(symbol.substr(length));
  if (quality == kQualities.end()) return {};
  std::vector<int> notes;
  for (int interval : quality->second) notes.push_back(12 * (rootOctave + 1) + pitch + interval);
  return notes;
}

Score parseScore(const std::string& text, std::string& error) {
  Score score;
  Patterns defaults;
  std::map<std::string, Section> defined;
  std::vector<std::string> definedOrder, form;
  Section* current = nullptr;
  std::istringstream lines(text);
  int lineNumber = 0;
  auto fail = [&](const std::string& what) {
    error = "line " + std::to_string(lineNumber) + ": " + what;
    return Score{};
  };
  for (std::string line; std::getline(lines, line);) {
    ++lineNumber;
    const std::vector<std::string> w = words(line);
    // A comment line starts with '#'; elsewhere '#' is a sharp.
    if (w.empty() || w[0][0] == '#') continue;
    std::string patternError;
    if (setPattern(w, current ? current->patterns : defaults, patternError)) {
      if (!patternError.empty()) return fail(patternError);
    } else if (w[0] == "section" && w.size() == 2) {
      if (defined.count(w[1])) return fail("section " + w[1] + " is defined twice");
      current = &defined[w[1]];
      current->name = w[1];
      current->patterns = defaults;
      definedOrder.push_back(w[1]);
    } else if (w[0] == "chords" && current) {
      for (std::size_t i = 1; i < w.size(); ++i) {
        if (chordNotes(w[i], 4).empty()) return fail("unknown chord " + w[i]);
        current->chords.push_back(w[i]);
      }
    } else if (w[0] == "melody" && current) {
      for (std::size_t i = 1; i < w.size(); ++i) {
        if (w[i] == "|") continue;
        Note note;
        if (!parseNote(w[i], note)) return fail("not a note: " + w[i]);
        current->melody.push_back(note);
      }
    } else if (!current && w.size() == 2 && (w[0] == "tempo" || w[0] == "swing")) {
      double& value = w[0] == "tempo" ? score.tempo : score.swing;
      try {
        value = std::stod(w[1]);
      } catch (...) {
        return fail("not a number: " + w[1]);
      }
    } else if (!current && w.size() >= 2 && w[0] == "key") {
      score.key = line.substr(line.find("key") + 4);
    } else if (!current && w.size() == 2 && w[0] == "lead") {
      score.lead = w[1];
    } else if (!current && w.size() == 2 && w[0] == "voice") {
      score.harmonyVoice = w[1];
    } else if (w[0] == "form") {
      form.assign(w.begin() + 1, w.end());
    } else {
      return fail("cannot read \"" + line + "\"");
    }
  }
  if (score.tempo < 40 || score.tempo > 240) return fail("tempo out of 40..240");
  if (score.swing < 0 || score.swing > 0.5) return fail("swing out of 0..0.5");
  if (form.empty()) form = definedOrder;
  for (const std::string& name : form) {
    const auto found = defined.find(name);
    if (found == defined.end()) return fail("the form names an undefined section " + name);
    const Section& section = found->second;
    int steps = 0;
    for (const Note& note : section.melody) steps += note.steps;
    if (section.chords.empty() || steps != kStepsPerBar * static_cast<int>(section.chords.size())) {
      return fail("section " + name + ": the melody lasts " + std::to_string(steps) + " sixteenths for " +
                  std::to_string(section.chords.size()) + " bars");
    }
    const Patterns& p = section.patterns;
    if (p.bass.empty() || p.harmony.empty() || p.kick.empty() || p.snare.empty() || p.hat.empty()) {
      return fail("section " + name + " lacks a bass, harmony or drum pattern");
    }
    score.sections.push_back(section);
  }
  error.clear();
  return score;
}

}  // namespace music
