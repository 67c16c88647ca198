// Chunky title lettering: the pixel alphabet blown up to big blocks and painted in the
// house style (outline, highlight, shade), one colour per letter.
#pragma once

#include <cairo.h>

#include <span>
#include <string_view>

#include "palette.h"

namespace zandrel_art {

struct LetteringStyle {
  double unit = 3;       // size of one glyph cell in units
  double bevel = 1;
  double outline = 1.25;
};

// Paints the text with its cap top-left at (x, y); letter i takes colours[i % size].
void paintLettering(cairo_t* cr, std::string_view text, double x, double y,
                    std::span<const Rgb> colours, LetteringStyle style);

// Paints the text centred horizontally on centreX.
void paintLetteringCentred(cairo_t* cr, std::string_view text, double centreX, double y,
                           std::span<const Rgb> colours, LetteringStyle style);

}  // namespace zandrel_art
