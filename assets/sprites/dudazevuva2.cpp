// Dudazevuva2 (game E): the aeroplane, facing RIGHT, which is both the player's
// ship and, mirrored, every enemy; and the fuel pod, drawn mirrored by the game
// and therefore symmetric.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

void aeroplane(cairo_t* cr) {
  paintGlossy(cr, ellipse(20.5, 19.8, 6, 1.5), shadeOf(colour::yellow));  // far wing
  paintGlossy(cr, polygon({{6.5, 20}, {7.8, 10.5}, {12.5, 11}, {15.5, 19.5}}), colour::red);
  paintGlossy(cr, blob({{32.6, 21}, {28, 15.4}, {19, 15.8}, {11, 17.8}, {6, 20.8}, {11, 24.5}, {20, 26.5}, {28, 26}}),
              colour::red);
  paintGlossy(cr, blob({{21, 16.3}, {23.5, 12.4}, {27, 12.6}, {28.8, 16.2}}), colour::sky, {.highlight = false});
  paintGlossy(cr, circle(13.8, 20.8, 2.3), colour::white, {.outline = false, .shade = false, .highlight = false});
  fillFlat(cr, circle(13.8, 20.8, 1.2), colour::blue);
  paintGlossy(cr, ellipse(9, 22.6, 3.4, 1.1), colour::yellow, {.highlight = false});
  paintGlossy(cr, ellipse(22, 23.6, 7.5, 1.9), colour::yellow);
  fillFlat(cr, ellipse(33.8, 21, 1.1, 6.6), colour::lightGrey, 0.7);
  paintGlossy(cr, circle(32.8, 21, 1.6), colour::darkGrey, {.highlight = false});
}

void fuelPod(cairo_t* cr) {
  limb(cr, {{16.5, 12}, {16.5, 8.5}, {23.5, 8.5}, {23.5, 12}}, colour::darkGrey, 2.2);
  paintGlossy(cr, roundedRect(11, 11, 18, 23, 3.5), colour::green);
  paintGlossy(cr, blob({{20, 16}, {23.8, 23}, {22.5, 27.5}, {20, 28.5}, {17.5, 27.5}, {16.2, 23}}), colour::yellow,
              {.highlight = false});
  fillFlat(cr, ellipse(18.8, 24.2, 0.8, 1.5), colour::white, 0.8);
}

}  // namespace

Catalog dudazevuva2Pictures() {
  return {
      {sprite::kDudazevuva2Plane, fromCellCorner(aeroplane)},  // aeroplane facing right (player and enemies)
      {sprite::kDudazevuva2Pod, fromCellCorner(fuelPod)},      // fuel pod
  };
}

}  // namespace sprites
