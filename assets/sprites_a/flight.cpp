// Dudazevuva2 (game E): the aeroplane (73), facing RIGHT, which is both the player's
// ship and, mirrored, every enemy; and the fuel pod (74), drawn mirrored by the game
// and therefore symmetric.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

void aeroplane(cairo_t* cr) {
  paint(cr, ellipse(20.5, 19.8, 6, 1.5), shadeOf(kYellow));  // far wing
  paint(cr, polygon({{6.5, 20}, {7.8, 10.5}, {12.5, 11}, {15.5, 19.5}}), kRed);
  paint(cr, blob({{32.6, 21}, {28, 15.4}, {19, 15.8}, {11, 17.8}, {6, 20.8}, {11, 24.5}, {20, 26.5}, {28, 26}}),
        kRed);
  paint(cr, blob({{21, 16.3}, {23.5, 12.4}, {27, 12.6}, {28.8, 16.2}}), kSky, {.highlight = false});
  paint(cr, circle(13.8, 20.8, 2.3), kWhite, {.outline = false, .shade = false, .highlight = false});
  fill(cr, circle(13.8, 20.8, 1.2), kBlue);
  paint(cr, ellipse(9, 22.6, 3.4, 1.1), kYellow, {.highlight = false});
  paint(cr, ellipse(22, 23.6, 7.5, 1.9), kYellow);
  fill(cr, ellipse(33.8, 21, 1.1, 6.6), withAlpha(kLightGrey, 0.7));
  paint(cr, circle(32.8, 21, 1.6), kDarkGrey, {.highlight = false});
}

void fuelPod(cairo_t* cr) {
  limb(cr, {{16.5, 12}, {16.5, 8.5}, {23.5, 8.5}, {23.5, 12}}, kDarkGrey, 2.2);
  paint(cr, roundedRect(11, 11, 18, 23, 3.5), kGreen);
  paint(cr, blob({{20, 16}, {23.8, 23}, {22.5, 27.5}, {20, 28.5}, {17.5, 27.5}, {16.2, 23}}), kYellow,
        {.highlight = false});
  fill(cr, ellipse(18.8, 24.2, 0.8, 1.5), withAlpha(kWhite, 0.8));
}

}  // namespace

void addFlightArt(SheetArt& sheet) {
  sheet.add(73, "aeroplane facing right (player and enemies)", aeroplane);
  sheet.add(74, "fuel pod", fuelPod);
}

}  // namespace sprites_a
