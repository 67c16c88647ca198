#include "pixel_text.h"

namespace zandrel_art {

void addGridPath(cairo_t* cr, std::span<const std::string_view> rows, double x, double y,
                 double unit, char mark) {
  for (std::size_t row = 0; row < rows.size(); ++row)
    for (std::size_t column = 0; column < rows[row].size(); ++column)
      if (rows[row][column] == mark)
        cairo_rectangle(cr, x + static_cast<double>(column) * unit, y + static_cast<double>(row) * unit,
                        unit, unit);
}

void addGlyphPath(cairo_t* cr, const Glyph& glyph, double x, double y, double unit) {
  addGridPath(cr, glyph.rows, x, y, unit);
}

double textWidth(std::string_view text, double unit) {
  if (text.empty()) return 0;
  double width = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) width += advanceOf(text[i]);
  const Glyph* last = findGlyph(text.back());
  return (width + (last ? last->width : 0)) * unit;
}

void addTextPath(cairo_t* cr, std::string_view text, double x, double y, double unit) {
  double cursor = x;
  for (char character : text) {
    if (const Glyph* glyph = findGlyph(character)) addGlyphPath(cr, *glyph, cursor, y, unit);
    cursor += advanceOf(character) * unit;
  }
}

}  // namespace zandrel_art
