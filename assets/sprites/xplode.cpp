// Xplode (game X): the four spinning fireballs. Swirling tongues make the spin
// visible, and each kind burns in its own colours.
#include <cmath>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

Point polar(double radius, double degrees) {
  const double a = degrees * 3.14159265358979 / 180.0;
  return {20 + std::sin(a) * radius, 20 - std::cos(a) * radius};
}

PathFn tongue(double degrees) {
  return blob({polar(5, degrees - 28), polar(10.3, degrees - 14), polar(14, degrees + 10), polar(9.8, degrees + 20),
               polar(5.6, degrees + 28)});
}

void fireball(cairo_t* cr, Rgb outer, Rgb middle, Rgb core, double turn) {
  for (int i = 0; i < 5; ++i) paintGlossy(cr, tongue(turn + i * 72), outer, {.highlight = false});
  paintGlossy(cr, circle(20, 20, 9), middle);
  paintGlossy(cr, circle(20, 20, 5.2), core, {.outline = false});
  sparkle(cr, 18, 18, 2.4);
}

void orangeFireball(cairo_t* cr) { fireball(cr, colour::red, colour::orange, colour::yellow, 0); }
void pinkFireball(cairo_t* cr) { fireball(cr, colour::violet, colour::pink, highlightOf(colour::pink), 20); }
void blueFireball(cairo_t* cr) { fireball(cr, colour::blue, colour::sky, colour::white, 40); }
void greenFireball(cairo_t* cr) { fireball(cr, colour::green, colour::lime, colour::yellow, 60); }

}  // namespace

Catalog xplodePictures() {
  return {
      {sprite::kXplodeFireball, fromCellCorner(orangeFireball)},     // fireball, orange
      {sprite::kXplodeFireball + 1, fromCellCorner(pinkFireball)},   // fireball, pink
      {sprite::kXplodeFireball + 2, fromCellCorner(blueFireball)},   // fireball, blue
      {sprite::kXplodeFireball + 3, fromCellCorner(greenFireball)},  // fireball, green
  };
}

}  // namespace sprites
