// Jetpac's floating landing pad (183), drawn at twice the grid scale (about 2.35). The
// spaceman lands on it within 36 units either side, with his feet about 14 px above the
// pad's centre in its own pixels, so the deck's top is at y -14 and it spans ±15.
#include "catalogs.h"
#include "kit/paint.h"

namespace sprites_b {

namespace {

void landingPad(cairo_t* cr) {
  // The thruster's glow under the pad.
  fillFlat(cr, [](cairo_t* c) { ellipsePath(c, 0, -2.5, 3.5, 2.6); }, colour::sky, 0.45);
  paintStyled(cr, [](cairo_t* c) { circlePath(c, 0, -4.5, 2.0); }, colour::sky,
              {.bevel = 0.6, .outline = 0.8});
  // Hull under the deck.
  paintStyled(cr, [](cairo_t* c) {
    polygonPath(c, {{-13, -11}, {13, -11}, {8, -6}, {-8, -6}});
  }, colour::midGrey, {.bevel = 1.0, .outline = 0.9});
  // Deck.
  paintStyled(cr, [](cairo_t* c) { roundedRectPath(c, -15, -14, 30, 4, 1.5); }, colour::lightGrey,
              {.bevel = 0.8, .outline = 0.9});
  // Hazard stripes along the deck's edge.
  cairo_save(cr);
  cairo_rectangle(cr, -13, -12, 26, 1.6);
  cairo_clip(cr);
  for (double x = -15; x < 15; x += 3) {
    fillFlat(cr, [x](cairo_t* c) { polygonPath(c, {{x, -10.4}, {x + 1.5, -12}, {x + 3, -12}, {x + 1.5, -10.4}}); },
             colour::ink);
    fillFlat(cr, [x](cairo_t* c) { polygonPath(c, {{x + 1.5, -10.4}, {x + 3, -12}, {x + 4.5, -12}, {x + 3, -10.4}}); },
             colour::yellow);
  }
  cairo_restore(cr);
  // Landing lights at both ends.
  for (double x : {-11.0, 11.0}) {
    fillFlat(cr, [x](cairo_t* c) { circlePath(c, x, -8.5, 0.9); }, colour::lime);
  }
}

}  // namespace

Catalog jetpacPadPictures() { return {{183, landingPad}}; }

}  // namespace sprites_b
