// Lettering from the pixel alphabet: each ink cell of a glyph becomes a square of `unit`
// units, so text stays crisp whenever unit × tier is a whole number of pixels.
#pragma once

#include <cairo.h>

#include <span>
#include <string_view>

#include "pixel_font.h"

namespace zandrel_art {

// Adds one square per cell of `rows` that holds `mark`, with the grid's top-left at (x, y).
void addGridPath(cairo_t* cr, std::span<const std::string_view> rows, double x, double y,
                 double unit, char mark = '#');
void addGlyphPath(cairo_t* cr, const Glyph& glyph, double x, double y, double unit);

// Width of a line of text in units: the advances of all characters but the last, plus
// the last one's glyph width.
double textWidth(std::string_view text, double unit);
// Adds a line of text whose top-left (cap top) is at (x, y).
void addTextPath(cairo_t* cr, std::string_view text, double x, double y, double unit);

}  // namespace zandrel_art
