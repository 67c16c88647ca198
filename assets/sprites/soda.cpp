// Soda (game S), behind the bar: the tap, the bartender standing, pouring and just
// after a throw, and the glass at five fill levels. Glasses stand on
// the counter's top band, which the game places at the glass's centre, so the glass
// sits in the upper half of its picture with its foot on the centre line. The tap's
// nozzle hangs over the spot where the game draws the glass being poured.
//
// The four kinds of patron. They walk right towards the taps and
// stand behind the counter, which the game paints over everything below the upper
// three fifths of the picture, so only head and shoulders need to carry the character.
// The drink in a patron's hand is drawn in front of the chest, so the face sits high
// and to the right, where the glass leaves it visible.
#include <vector>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {

namespace {

void tap(cairo_t* cr) {
  paintGlossy(cr, roundedRect(19.5, 30, 15, 4.5, 1.8), colour::darkGrey);
  paintGlossy(cr, roundedRect(7.5, 8.5, 18, 4.2, 1.8), colour::lightGrey);
  paintGlossy(cr, roundedRect(6.5, 9.5, 5.2, 5, 1.4), colour::midGrey);
  paintGlossy(cr, roundedRect(22.5, 9, 9, 22, 2.5), colour::lightGrey);
  paintGlossy(cr, roundedRect(24.5, 5.5, 5, 6.5, 2.2), colour::red);
  paintGlossy(cr, circle(27, 20, 3.3), colour::yellow, {.highlight = false});
  fillFlat(cr, star(27, 20, 5, 2.2, 1.0), colour::orange);
}

struct BartenderPose {
  std::vector<Point> leftArm, rightArm;
  double look;
};

void drawBartender(cairo_t* cr, const BartenderPose& pose) {
  for (double x : {17.5, 22.5}) {
    limb(cr, {{x, 26}, {x, 32.5}}, colour::darkGrey, 3.6);
    paintGlossy(cr, ellipse(x + (x < 20 ? -0.8 : 0.8), 34, 2.6, 1.4), colour::ink, {.highlight = false});
  }
  limb(cr, pose.leftArm, colour::white, 2.6);
  paintGlossy(cr, circle(pose.leftArm.back().x, pose.leftArm.back().y, 1.5), colour::skin, {.highlight = false});
  limb(cr, pose.rightArm, colour::white, 2.6);
  paintGlossy(cr, circle(pose.rightArm.back().x, pose.rightArm.back().y, 1.5), colour::skin, {.highlight = false});
  paintGlossy(cr, roundedRect(14, 15.5, 12, 12.5, 3.5), colour::white);
  // Waistcoat panels and a bow tie.
  paintGlossy(cr, polygon({{14.5, 17}, {18.5, 16.5}, {19.3, 27.5}, {14.5, 27.5}}), colour::green, {.highlight = false});
  paintGlossy(cr, polygon({{21.5, 16.5}, {25.5, 17}, {25.5, 27.5}, {20.7, 27.5}}), colour::green, {.highlight = false});
  fillFlat(cr, circle(20, 20.5, 0.7), colour::yellow);
  fillFlat(cr, circle(20, 23.5, 0.7), colour::yellow);
  paintGlossy(cr, polygon({{17.2, 15}, {20, 16.4}, {22.8, 15}, {22.8, 18}, {20, 16.8}, {17.2, 18}}), colour::red,
              {.highlight = false});
  paintGlossy(cr, circle(20, 10.2, 5.6), colour::skin);
  paintGlossy(cr, blob({{14.6, 9.5}, {15.5, 5.6}, {20, 4.3}, {24.5, 5.6}, {25.4, 9.5}, {22.5, 7.4}, {17.5, 7.4}}),
              colour::brown, {.highlight = false});
  roundEye(cr, 17.9, 10, 1.7, pose.look, 0);
  roundEye(cr, 22.1, 10, 1.7, pose.look, 0);
  paintGlossy(cr, blob({{17, 13.6}, {20, 12.6}, {23, 13.6}, {21.5, 14.6}, {20, 13.9}, {18.5, 14.6}}), colour::brown,
              {.shade = false, .highlight = false, .outlineWidth = 0.6});
}

// He stands a little taller than the 32-unit picture area, so he is drawn at 94%.
void bartender(cairo_t* cr, const BartenderPose& pose) {
  scaledAboutCellCentre(cr, 0.94, [&] { drawBartender(cr, pose); });
}

void bartenderStanding(cairo_t* cr) {
  bartender(cr, {.leftArm = {{15, 17.5}, {13.2, 22}, {13.8, 25.5}},
                 .rightArm = {{25, 17.5}, {26.8, 22}, {26.2, 25.5}},
                 .look = 0});
}

void bartenderPouring(cairo_t* cr) {
  // The glass being poured is drawn just right of him, under the tap.
  bartender(
      cr,
      {.leftArm = {{15, 17.5}, {12.8, 21.5}, {15, 24}}, .rightArm = {{25, 17.5}, {29.5, 20}, {33, 22}}, .look = 0.8});
}

void bartenderAfterThrow(cairo_t* cr) {
  bartender(cr, {.leftArm = {{15, 17.5}, {10.5, 19.5}, {6.3, 20.5}},
                 .rightArm = {{25, 17.5}, {27.2, 21.5}, {25, 24}},
                 .look = -0.8});
}

// The glass: top rim at y 8.5, foot on the centre line.
constexpr double kRimY = 8.5, kFootY = 20;
PathFn glassShape() { return polygon({{15.6, kRimY}, {24.4, kRimY}, {23.4, kFootY}, {16.6, kFootY}}); }
PathFn glassInside() { return polygon({{16.7, kRimY}, {23.3, kRimY}, {22.5, kFootY - 1.6}, {17.5, kFootY - 1.6}}); }

void glass(cairo_t* cr, double level) {
  paintGlossy(cr, glassShape(), colour::white, {.outline = false, .shade = false, .highlight = false}, 0.5);
  if (level > 0) {
    const double bottom = kFootY - 1.6;
    const double surface = bottom - (bottom - (kRimY + 1.2)) * level;
    clipped(cr, glassInside(), [&] {
      paintGlossy(cr, rect(10, surface, 20, bottom - surface + 1), colour::orange, {.outline = false});
      fillFlat(cr, rect(10, surface, 20, 1.1), colour::yellow);
      for (const Point& bubble : {Point{18.6, 17}, Point{21.4, 15}, Point{19.6, 12.5}}) {
        if (bubble.y > surface + 1.2) fillFlat(cr, circle(bubble.x, bubble.y, 0.6), colour::white, 0.8);
      }
    });
  }
  if (level >= 1) {
    paintGlossy(cr, blob({{16.1, 9.5}, {16.4, 7}, {18.4, 5.9}, {21, 6.6}, {23.2, 5.9}, {23.7, 7.3}, {23.9, 9.5}}),
                colour::white, {.highlight = false});
  }
  // Glass shine and rim.
  fillFlat(cr, polygon({{17, 10}, {18.1, 10}, {17.8, 18}, {17.1, 18}}), colour::white, 0.85);
  strokeFlat(cr, glassShape(), colour::ink, kOutline);
  fillFlat(cr, rect(16.5, kFootY - 1.6, 7, 1.6), colour::lightGrey, 0.9);
}

void glassEmpty(cairo_t* cr) { glass(cr, 0.06); }
void glassQuarter(cairo_t* cr) { glass(cr, 0.25); }
void glassHalf(cairo_t* cr) { glass(cr, 0.5); }
void glassThreeQuarters(cairo_t* cr) { glass(cr, 0.75); }
void glassFull(cairo_t* cr) { glass(cr, 1.0); }

constexpr double kHx = 24.5, kHy = 12.6, kHeadRadius = 7.3;

Point at(double dx, double dy) { return {kHx + dx, kHy + dy}; }

void torso(cairo_t* cr, Rgb shirt, Rgb skin) {
  paintGlossy(cr, roundedRect(kHx - 2.5, kHy + 4, 5, 4, 1.5), shadeOf(skin), {.highlight = false});
  paintGlossy(cr, roundedRect(11, 18.5, 21, 16, 6.5), shirt);
}

void face(cairo_t* cr, Rgb skin) {
  paintGlossy(cr, circle(kHx, kHy, kHeadRadius), skin);
  roundEye(cr, kHx + 3.7, kHy - 0.8, 2.2, 0.6, 0);
  cheek(cr, kHx + 2, kHy + 2.9, 1.5);
}

void smile(cairo_t* cr) { mouth(cr, kHx + 3.2, kHy + 3.6, kHx + 6.2, kHy + 3.1, 0.8); }

void cowboy(cairo_t* cr) {
  torso(cr, colour::orange, colour::skin);
  fillFlat(cr, polygon({{16, 18.6}, {21.5, 23.5}, {27, 18.6}}), colour::white);
  face(cr, colour::skin);
  smile(cr);
  paintGlossy(cr, roundedRect(kHx - 10, kHy - 4.9, 19.5, 2.8, 1.4), colour::brown);
  paintGlossy(cr, blob({at(-6.2, -4.2), at(-5.2, -7), at(0, -6.3), at(5.2, -7), at(6.2, -4.2)}), colour::brown);
  fillFlat(cr, rect(kHx - 5.8, kHy - 5.4, 11.6, 1.2), colour::red);
}

void lady(cairo_t* cr) {
  const Rgb skin = mix(colour::skin, colour::brown, 0.25);
  torso(cr, colour::violet, skin);
  paintGlossy(cr, circle(kHx - 6.8, kHy - 4, 3), colour::pink);
  paintGlossy(cr,
              blob({at(-7.2, 4.4), at(-7.5, -2.8), at(-2.8, -6.9), at(3.9, -6.6), at(7.3, -2.2), at(1.7, -4),
                    at(-2.8, -1.7), at(-3.5, 6)}),
              colour::pink);
  face(cr, skin);
  smile(cr);
  // Fringe over the forehead, in front of the face.
  paintGlossy(cr, blob({at(-3.9, -2.4), at(-1.7, -6.6), at(3.9, -6.6), at(7.3, -2.5), at(2.2, -4.1)}), colour::pink,
              {.highlight = false});
  fillFlat(cr, circle(kHx - 1, kHy + 6.9, 1.1), colour::yellow);
}

void bearded(cairo_t* cr) {
  const Rgb skin = mix(colour::skin, colour::brown, 0.55);
  torso(cr, colour::blue, skin);
  face(cr, skin);
  paintGlossy(cr, blob({at(-5, 0.6), at(0.6, 2.4), at(6.8, 1.8), at(6, 6.6), at(1.1, 9.2), at(-3.9, 6)}),
              colour::orange);
  paintGlossy(cr, ellipse(kHx + 4.2, kHy + 3, 2.2, 1.1), shadeOf(colour::orange),
              {.outline = false, .shade = false, .highlight = false});
  sparkle(cr, kHx - 2.8, kHy - 4.4, 1.5);
}

void kid(cairo_t* cr) {
  torso(cr, colour::teal, colour::skin);
  fillFlat(cr, rect(11.5, 25, 20, 2.2), colour::yellow);
  face(cr, colour::skin);
  smile(cr);
  paintGlossy(cr, blob({at(-7, -2), at(-6, -6), at(0, -7), at(6, -6), at(7.2, -3.1)}), colour::green);
  paintGlossy(cr, roundedRect(kHx + 1.5, kHy - 4.6, 8.5, 2.6, 1.2), colour::green, {.highlight = false});
  fillFlat(cr, polygon({at(-5.3, 0.2), at(-4, -3.3), at(-2.6, 0.2)}), colour::brown);
}

}  // namespace

Catalog sodaPictures() {
  return {
      {sprite::kSodaTap, fromCellCorner(tap)},                                // drink tap
      {sprite::kSodaBartenderStanding, fromCellCorner(bartenderStanding)},    // bartender standing
      {sprite::kSodaBartenderPouring, fromCellCorner(bartenderPouring)},      // bartender pouring
      {sprite::kSodaBartenderThrowing, fromCellCorner(bartenderAfterThrow)},  // bartender after a throw
      {sprite::kSodaGlassEmpty, fromCellCorner(glassEmpty)},                  // glass, empty (also the lost-life icon)
      {sprite::kSodaGlassEmpty + 1, fromCellCorner(glassQuarter)},            // glass, a quarter full
      {sprite::kSodaGlassEmpty + 2, fromCellCorner(glassHalf)},               // glass, half full
      {sprite::kSodaGlassEmpty + 3, fromCellCorner(glassThreeQuarters)},      // glass, three quarters full
      {sprite::kSodaGlassFull, fromCellCorner(glassFull)},                    // glass, full (also the life icon)
      {sprite::kSodaPatron, fromCellCorner(cowboy)},                          // patron in a cowboy hat
      {sprite::kSodaPatron + 1, fromCellCorner(lady)},                        // patron with pink hair
      {sprite::kSodaPatron + 2, fromCellCorner(bearded)},                     // bearded patron
      {sprite::kSodaPatron + 3, fromCellCorner(kid)},                         // patron in a green cap
  };
}

}  // namespace sprites
