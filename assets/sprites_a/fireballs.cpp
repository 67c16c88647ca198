// Xplode (game X): the four spinning fireballs (88..91). Swirling tongues make the spin
// visible, and each kind burns in its own colours.
#include <cmath>

#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

Point polar(double radius, double degrees) {
  const double a = degrees * 3.14159265358979 / 180.0;
  return {20 + std::sin(a) * radius, 20 - std::cos(a) * radius};
}

Path tongue(double degrees) {
  return blob({polar(5, degrees - 28), polar(10.3, degrees - 14), polar(14, degrees + 10), polar(9.8, degrees + 20),
               polar(5.6, degrees + 28)});
}

void fireball(cairo_t* cr, Colour outer, Colour middle, Colour core, double turn) {
  for (int i = 0; i < 5; ++i) paint(cr, tongue(turn + i * 72), outer, {.highlight = false});
  paint(cr, circle(20, 20, 9), middle);
  paint(cr, circle(20, 20, 5.2), core, {.outline = false});
  sparkle(cr, 18, 18, 2.4);
}

void orangeFireball(cairo_t* cr) { fireball(cr, kRed, kOrange, kYellow, 0); }
void pinkFireball(cairo_t* cr) { fireball(cr, kViolet, kPink, highlightOf(kPink), 20); }
void blueFireball(cairo_t* cr) { fireball(cr, kBlue, kSky, kWhite, 40); }
void greenFireball(cairo_t* cr) { fireball(cr, kGreen, kLime, kYellow, 60); }

}  // namespace

void addFireballArt(SheetArt& sheet) {
  sheet.add(88, "fireball, orange", orangeFireball);
  sheet.add(89, "fireball, pink", pinkFireball);
  sheet.add(90, "fireball, blue", blueFireball);
  sheet.add(91, "fireball, green", greenFireball);
}

}  // namespace sprites_a
