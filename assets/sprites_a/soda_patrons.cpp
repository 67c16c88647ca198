// Soda (game S), the four kinds of patron (56..59). They walk right towards the taps and
// stand behind the counter, which the game paints over everything below the upper
// three fifths of the picture, so only head and shoulders need to carry the character.
// The drink in a patron's hand is drawn in front of the chest, so the face sits high
// and to the right, where the glass leaves it visible.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

constexpr double kHx = 24.5, kHy = 12.6, kHeadRadius = 7.3;

Point at(double dx, double dy) { return {kHx + dx, kHy + dy}; }

void torso(cairo_t* cr, Colour shirt, Colour skin) {
  paint(cr, roundedRect(kHx - 2.5, kHy + 4, 5, 4, 1.5), shadeOf(skin), {.highlight = false});
  paint(cr, roundedRect(11, 18.5, 21, 16, 6.5), shirt);
}

void face(cairo_t* cr, Colour skin) {
  paint(cr, circle(kHx, kHy, kHeadRadius), skin);
  eye(cr, kHx + 3.7, kHy - 0.8, 2.2, 0.6, 0);
  cheek(cr, kHx + 2, kHy + 2.9, 1.5);
}

void smile(cairo_t* cr) { mouth(cr, kHx + 3.2, kHy + 3.6, kHx + 6.2, kHy + 3.1, 0.8); }

void cowboy(cairo_t* cr) {
  torso(cr, kOrange, kSkin);
  fill(cr, polygon({{16, 18.6}, {21.5, 23.5}, {27, 18.6}}), kWhite);
  face(cr, kSkin);
  smile(cr);
  paint(cr, roundedRect(kHx - 10, kHy - 4.9, 19.5, 2.8, 1.4), kBrown);
  paint(cr, blob({at(-6.2, -4.2), at(-5.2, -7), at(0, -6.3), at(5.2, -7), at(6.2, -4.2)}), kBrown);
  fill(cr, rect(kHx - 5.8, kHy - 5.4, 11.6, 1.2), kRed);
}

void lady(cairo_t* cr) {
  const Colour skin = mix(kSkin, kBrown, 0.25);
  torso(cr, kViolet, skin);
  paint(cr, circle(kHx - 6.8, kHy - 4, 3), kPink);
  paint(cr, blob({at(-7.2, 4.4), at(-7.5, -2.8), at(-2.8, -6.9), at(3.9, -6.6), at(7.3, -2.2), at(1.7, -4),
                  at(-2.8, -1.7), at(-3.5, 6)}),
        kPink);
  face(cr, skin);
  smile(cr);
  // Fringe over the forehead, in front of the face.
  paint(cr, blob({at(-3.9, -2.4), at(-1.7, -6.6), at(3.9, -6.6), at(7.3, -2.5), at(2.2, -4.1)}), kPink,
        {.highlight = false});
  fill(cr, circle(kHx - 1, kHy + 6.9, 1.1), kYellow);
}

void bearded(cairo_t* cr) {
  const Colour skin = mix(kSkin, kBrown, 0.55);
  torso(cr, kBlue, skin);
  face(cr, skin);
  paint(cr, blob({at(-5, 0.6), at(0.6, 2.4), at(6.8, 1.8), at(6, 6.6), at(1.1, 9.2), at(-3.9, 6)}), kOrange);
  paint(cr, ellipse(kHx + 4.2, kHy + 3, 2.2, 1.1), shadeOf(kOrange), {.outline = false, .shade = false, .highlight = false});
  sparkle(cr, kHx - 2.8, kHy - 4.4, 1.5);
}

void kid(cairo_t* cr) {
  torso(cr, kTeal, kSkin);
  fill(cr, rect(11.5, 25, 20, 2.2), kYellow);
  face(cr, kSkin);
  smile(cr);
  paint(cr, blob({at(-7, -2), at(-6, -6), at(0, -7), at(6, -6), at(7.2, -3.1)}), kGreen);
  paint(cr, roundedRect(kHx + 1.5, kHy - 4.6, 8.5, 2.6, 1.2), kGreen, {.highlight = false});
  fill(cr, polygon({at(-5.3, 0.2), at(-4, -3.3), at(-2.6, 0.2)}), kBrown);
}

}  // namespace

void addSodaPatronArt(SheetArt& sheet) {
  sheet.add(56, "patron in a cowboy hat", cowboy);
  sheet.add(57, "patron with pink hair", lady);
  sheet.add(58, "bearded patron", bearded);
  sheet.add(59, "patron in a green cap", kid);
}

}  // namespace sprites_a
