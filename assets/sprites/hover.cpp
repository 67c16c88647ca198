// Hover (game H): the little helicopter in eight rotor frames and the spike. The
// two-bladed rotor is seen from the side, so half a turn spans the eight frames: the
// blades shorten to nubs as they swing towards and away from the viewer.
#include <cmath>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kHubX = 20.5, kRotorY = 12.5, kBladeReach = 12.5;

void helicopter(cairo_t* cr, int frame) {
  const double turn = frame * kPi / 8;  // 22.5 degrees of rotor turn per frame
  // Skids and struts.
  limb(cr, {{14.5, 29}, {13.5, 33}}, colour::darkGrey, 1.2);
  limb(cr, {{26.5, 29}, {27.5, 33}}, colour::darkGrey, 1.2);
  limb(cr, {{9.5, 32.5}, {11, 33.5}, {31, 33.5}, {32.5, 32}}, colour::darkGrey, 1.6);
  // Tail boom, fin and tail rotor (a small fan turning in the picture's plane).
  paintGlossy(cr, roundedRect(7, 19.5, 11.5, 4, 1.8), colour::orange);
  paintGlossy(cr, polygon({{7.5, 20}, {8.3, 14.5}, {11, 14.8}, {12, 20}}), colour::orange);
  const double tail = turn * 2;
  const double dx = std::sin(tail) * 3.3, dy = std::cos(tail) * 3.3;
  strokeFlat(cr, line(9.5 - dx, 17 + dy, 9.5 + dx, 17 - dy), colour::ink, 2.4);
  strokeFlat(cr, line(9.5 - dx * 0.9, 17 + dy * 0.9, 9.5 + dx * 0.9, 17 - dy * 0.9), colour::lightGrey, 1.1);
  fillFlat(cr, circle(9.5, 17, 1.1), colour::ink);
  // Cabin.
  paintGlossy(cr, rect(19.5, 12.5, 2, 4), colour::darkGrey, {.highlight = false});
  paintGlossy(cr, merged({circle(21.5, 23, 8.5), roundedRect(13, 17.5, 10, 11, 4)}), colour::yellow);
  paintGlossy(cr, blob({{23, 17}, {27.5, 18.5}, {29.5, 23}, {24.5, 23.5}}), colour::sky, {.highlight = false});
  sparkle(cr, 25.5, 19.5, 1.4);
  fillFlat(cr, rect(14, 25, 14, 1.4), colour::red);
  // Main rotor: a faint disc for the blur, then the two blades.
  fillFlat(cr, ellipse(kHubX, kRotorY, kBladeReach + 1, 1.6), colour::white, 0.3);
  const double reach = std::cos(turn) * kBladeReach;
  const double nearness = std::sin(turn);  // which blade is in front
  const double near = kHubX + reach, far = kHubX - reach;
  limb(cr, {{kHubX, kRotorY - 0.4 * nearness}, {far, kRotorY - 0.8 * nearness}}, colour::midGrey, 1.8);
  limb(cr, {{kHubX, kRotorY + 0.4 * nearness}, {near, kRotorY + 0.8 * nearness}}, colour::lightGrey, 1.8);
  paintGlossy(cr, circle(kHubX, kRotorY, 1.7), colour::red, {.highlight = false});
}

void rotor0(cairo_t* cr) { helicopter(cr, 0); }
void rotor1(cairo_t* cr) { helicopter(cr, 1); }
void rotor2(cairo_t* cr) { helicopter(cr, 2); }
void rotor3(cairo_t* cr) { helicopter(cr, 3); }
void rotor4(cairo_t* cr) { helicopter(cr, 4); }
void rotor5(cairo_t* cr) { helicopter(cr, 5); }
void rotor6(cairo_t* cr) { helicopter(cr, 6); }
void rotor7(cairo_t* cr) { helicopter(cr, 7); }

void spike(cairo_t* cr) {
  paintGlossy(cr, star(20, 20, 8, 11, 6, 0), colour::lightGrey);
  paintGlossy(cr, circle(20, 20, 6.2), colour::red);
  sparkle(cr, 18.3, 18.3, 1.8);
}

}  // namespace

Catalog hoverPictures() {
  return {
      {sprite::kHoverRotor, fromCellCorner(rotor0)},      // helicopter, rotor frame 0
      {sprite::kHoverRotor + 1, fromCellCorner(rotor1)},  // helicopter, rotor frame 1
      {sprite::kHoverRotor + 2, fromCellCorner(rotor2)},  // helicopter, rotor frame 2
      {sprite::kHoverRotor + 3, fromCellCorner(rotor3)},  // helicopter, rotor frame 3
      {sprite::kHoverRotor + 4, fromCellCorner(rotor4)},  // helicopter, rotor frame 4
      {sprite::kHoverRotor + 5, fromCellCorner(rotor5)},  // helicopter, rotor frame 5
      {sprite::kHoverRotor + 6, fromCellCorner(rotor6)},  // helicopter, rotor frame 6
      {sprite::kHoverRotor + 7, fromCellCorner(rotor7)},  // helicopter, rotor frame 7
      {sprite::kHoverSpike, fromCellCorner(spike)},       // spike
  };
}

}  // namespace sprites
