// Chaos (game C): three mushroom looks, four caterpillar segment colours and the gun,
// which points UP at rotation 0 so that Numbers and Qubic
// can turn the same picture to point sideways.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

// A cap from (left, base) over `top` to (right, base), with a slightly rounded rim.
PathFn cap(double left, double right, double base, double top, double rim) {
  return [=](cairo_t* cr) {
    const double mid = (left + right) / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, left, base);
    cairo_curve_to(cr, left, top + (base - top) * 0.2, mid - (right - left) * 0.32, top, mid, top);
    cairo_curve_to(cr, mid + (right - left) * 0.32, top, right, top + (base - top) * 0.2, right, base);
    cairo_curve_to(cr, right - 3, base + rim, left + 3, base + rim, left, base);
    cairo_close_path(cr);
  };
}

void mushroom(cairo_t* cr, const PathFn& capShape, Rgb capColour, Rgb spotColour, std::initializer_list<Point> spots,
              double spotRadius) {
  paintGlossy(cr, roundedRect(15.5, 17, 9, 16, 4), colour::skin);
  fillFlat(cr, rect(17, 27, 6, 1.2), shadeOf(colour::skin), 0.7);
  paintGlossy(cr, capShape, capColour);
  clipped(cr, capShape, [&] {
    for (const Point& spot : spots) fillFlat(cr, circle(spot.x, spot.y, spotRadius), spotColour);
  });
}

void redMushroom(cairo_t* cr) {
  mushroom(cr, cap(6, 34, 20, 6.4, 3), colour::red, colour::white,
           {{14, 12}, {22, 9.5}, {27.5, 15}, {18.5, 17}, {9.5, 18}}, 2.3);
}

void violetMushroom(cairo_t* cr) {
  mushroom(cr, cap(9, 31, 21, 5.6, 2.5), colour::violet, colour::pink,
           {{16, 11}, {23.5, 12.5}, {19.5, 18}, {12.5, 18.5}, {27, 18.5}}, 2.0);
}

void orangeMushroom(cairo_t* cr) {
  mushroom(cr, cap(6, 34, 19, 8.5, 3), colour::orange, colour::yellow,
           {{11, 15}, {17.5, 12}, {24, 12.5}, {29.5, 16}, {20.5, 17}}, 1.9);
}

void segment(cairo_t* cr, Rgb body) {
  paintGlossy(cr, ellipse(13.5, 30.5, 3.2, 2.2), shadeOf(body));
  paintGlossy(cr, ellipse(26.5, 30.5, 3.2, 2.2), shadeOf(body));
  const PathFn ball = circle(20, 19, 11);
  paintGlossy(cr, ball, body);
  clipped(cr, ball, [&] { fillFlat(cr, ellipse(20, 30, 14, 6), highlightOf(body), 0.8); });
  for (double x : {14.5, 20.0, 25.5}) fillFlat(cr, circle(x, x == 20.0 ? 11.5 : 13, 1.6), shadeOf(body));
}

void limeSegment(cairo_t* cr) { segment(cr, colour::lime); }
void pinkSegment(cairo_t* cr) { segment(cr, colour::pink); }
void skySegment(cairo_t* cr) { segment(cr, colour::sky); }
void yellowSegment(cairo_t* cr) { segment(cr, colour::yellow); }

// A turret gun: tracked base, angular turret and a long barrel with a dark muzzle.
void gun(cairo_t* cr) {
  paintGlossy(cr, roundedRect(5.5, 27, 29, 7.5, 3.5), colour::darkGrey);
  for (double x : {10.0, 16.7, 23.3, 30.0})
    paintGlossy(cr, circle(x, 30.8, 2), colour::midGrey, {.highlight = false, .outlineWidth = 0.7});
  paintGlossy(cr, roundedRect(17.2, 6, 5.6, 17, 1), colour::lightGrey);
  fillFlat(cr, rect(18.2, 7, 1.1, 15), colour::white, 0.8);
  fillFlat(cr, rect(17.2, 15, 5.6, 1.6), colour::midGrey);
  paintGlossy(cr, roundedRect(15.6, 5.4, 8.8, 3.6, 0.8), colour::darkGrey, {.highlight = false});
  paintGlossy(cr, polygon({{9, 28.5}, {13, 20}, {27, 20}, {31, 28.5}}), colour::red);
  fillFlat(cr, rect(12, 24.2, 16, 1.3), colour::yellow);
  fillFlat(cr, circle(20, 22.4, 1.1), colour::yellow);
}

}  // namespace

Catalog chaosPictures() {
  return {
      {sprite::kChaosMushroom, fromCellCorner(redMushroom)},         // mushroom, red
      {sprite::kChaosMushroom + 1, fromCellCorner(violetMushroom)},  // mushroom, violet
      {sprite::kChaosMushroom + 2, fromCellCorner(orangeMushroom)},  // mushroom, orange
      {sprite::kChaosSegment, fromCellCorner(limeSegment)},          // caterpillar segment, lime
      {sprite::kChaosSegment + 1, fromCellCorner(pinkSegment)},      // caterpillar segment, pink
      {sprite::kChaosSegment + 2, fromCellCorner(skySegment)},       // caterpillar segment, sky
      {sprite::kChaosSegment + 3, fromCellCorner(yellowSegment)},    // caterpillar segment, yellow
      {sprite::kGun, fromCellCorner(gun)},  // gun pointing up (also the Numbers and Qubic cannons)
  };
}

}  // namespace sprites
