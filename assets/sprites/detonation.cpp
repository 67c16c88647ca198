// Detonation (game D): the aiming cursor that places the level's one detonation.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

void crosshair(cairo_t* cr) {
  // A ring drawn as a shape (outer circle with the inner one cut out) so it gets the
  // same outline and shading as everything else.
  const PathFn ring = [](cairo_t* c) {
    circle(20, 20, 12)(c);
    cairo_new_sub_path(c);
    cairo_arc_negative(c, 20, 20, 8.5, 0, -2 * 3.14159265358979);
    cairo_close_path(c);
  };
  paintGlossy(cr, ring, colour::red);
  for (const PathFn& tick : {roundedRect(18.2, 5.6, 3.6, 7.6, 1.2), roundedRect(18.2, 26.8, 3.6, 7.6, 1.2),
                             roundedRect(5.6, 18.2, 7.6, 3.6, 1.2), roundedRect(26.8, 18.2, 7.6, 3.6, 1.2)}) {
    paintGlossy(cr, tick, colour::white, {.shade = false, .highlight = false});
  }
  paintGlossy(cr, circle(20, 20, 2.2), colour::yellow, {.highlight = false});
}

}  // namespace

Catalog detonationPictures() {
  return {
      {sprite::kDetonationCursor, fromCellCorner(crosshair)},  // aiming cursor
  };
}

}  // namespace sprites
