#include "lettering.h"

#include "paint.h"
#include "pixel_text.h"

namespace zandrel_art {

void paintLettering(cairo_t* cr, std::string_view text, double x, double y,
                    std::span<const Rgb> colours, LetteringStyle style) {
  // Outlines first for the whole line, so a letter's outline never cuts into its neighbour.
  cairo_save(cr);
  cairo_new_path(cr);
  addTextPath(cr, text, x, y, style.unit);
  setColour(cr, colour::ink);
  cairo_set_line_width(cr, style.outline * 2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);

  double cursor = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (const Glyph* glyph = findGlyph(text[i])) {
      const PathFn letter = [glyph, cursor, y, &style](cairo_t* c) {
        addGlyphPath(c, *glyph, cursor, y, style.unit);
      };
      paintStyled(cr, letter, colours[i % colours.size()], Style{.bevel = style.bevel, .outline = 0});
    }
    cursor += advanceOf(text[i]) * style.unit;
  }
}

void paintLetteringCentred(cairo_t* cr, std::string_view text, double centreX, double y,
                           std::span<const Rgb> colours, LetteringStyle style) {
  paintLettering(cr, text, centreX - textWidth(text, style.unit) / 2, y, colours, style);
}

}  // namespace zandrel_art
