// The collection's pixel alphabet: printable ASCII as grids of '#' (ink) and '.' (clear).
// Capitals stand 7 rows tall on a 9-row grid, descenders use rows 7 and 8. Widths follow
// the text layout's advances (advance = width + 1): 6 for most characters, 3 for "i f l",
// 5 for "j s k r z t n", 7 for "W M" and 8 for "w m".
#pragma once

#include <array>
#include <string_view>

namespace zandrel_art {

constexpr int kGlyphRows = 9;
constexpr int kCapRows = 7;

struct Glyph {
  char character;
  int width;
  std::array<std::string_view, kGlyphRows> rows;  // rows shorter than width are clear on the right

  bool inkAt(int column, int row) const {
    const std::string_view line = rows[static_cast<std::size_t>(row)];
    return column < static_cast<int>(line.size()) && line[static_cast<std::size_t>(column)] == '#';
  }
};

// The glyph of a printable ASCII character (32..126), or nullptr for any other code.
const Glyph* findGlyph(char character);

// The text layout's advance for a character: 7 plus its width adjustment.
int advanceOf(char character);

}  // namespace zandrel_art
