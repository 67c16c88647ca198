// The two presents shared by Hover, Jump and Waves, drawn bold enough to read
// at Waves' half scale.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

void present(cairo_t* cr, Rgb box, Rgb ribbon) {
  // Bow loops behind the lid.
  paintGlossy(cr, blob({{20, 12}, {15, 6}, {10.5, 7.5}, {12, 11.5}}), ribbon);
  paintGlossy(cr, blob({{20, 12}, {28, 11.5}, {29.5, 7.5}, {25, 6}}), ribbon);
  const PathFn body = roundedRect(8, 15.5, 24, 18.5, 2);
  paintGlossy(cr, body, box);
  clipped(cr, body, [&] { fillFlat(cr, rect(17.5, 15, 5, 20), ribbon); });
  strokeFlat(cr, line(17.5, 17, 17.5, 34), colour::ink, 0.6, 0.5);
  strokeFlat(cr, line(22.5, 17, 22.5, 34), colour::ink, 0.6, 0.5);
  const PathFn lid = roundedRect(6.5, 11.5, 27, 6, 2);
  paintGlossy(cr, lid, mix(box, colour::white, 0.12));
  clipped(cr, lid, [&] { fillFlat(cr, rect(17.5, 11, 5, 7), ribbon); });
  paintGlossy(cr, circle(20, 11.5, 2.6), ribbon, {.highlight = false});
}

void redPresent(cairo_t* cr) { present(cr, colour::red, colour::yellow); }
void bluePresent(cairo_t* cr) { present(cr, colour::blue, colour::pink); }

}  // namespace

Catalog presentPictures() {
  return {
      {sprite::kPresent, fromCellCorner(redPresent)},       // present, red with yellow ribbon
      {sprite::kPresent + 1, fromCellCorner(bluePresent)},  // present, blue with pink ribbon
  };
}

}  // namespace sprites
