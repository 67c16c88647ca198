// Chaos (game C): three mushroom looks (8..10), four caterpillar segment colours
// (11..14) and the gun (15), which points UP at rotation 0 so that Numbers and Qubic
// can turn the same picture to point sideways.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

// A cap from (left, base) over `top` to (right, base), with a slightly rounded rim.
Path cap(double left, double right, double base, double top, double rim) {
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

void mushroom(cairo_t* cr, const Path& capShape, Colour capColour, Colour spotColour,
              std::initializer_list<Point> spots, double spotRadius) {
  paint(cr, roundedRect(15.5, 17, 9, 16, 4), kSkin);
  fill(cr, rect(17, 27, 6, 1.2), withAlpha(shadeOf(kSkin), 0.7));
  paint(cr, capShape, capColour);
  clipped(cr, capShape, [&] {
    for (const Point& spot : spots) fill(cr, circle(spot.x, spot.y, spotRadius), spotColour);
  });
}

void redMushroom(cairo_t* cr) {
  mushroom(cr, cap(6, 34, 20, 6.4, 3), kRed, kWhite, {{14, 12}, {22, 9.5}, {27.5, 15}, {18.5, 17}, {9.5, 18}},
           2.3);
}

void violetMushroom(cairo_t* cr) {
  mushroom(cr, cap(9, 31, 21, 5.6, 2.5), kViolet, kPink, {{16, 11}, {23.5, 12.5}, {19.5, 18}, {12.5, 18.5}, {27, 18.5}},
           2.0);
}

void orangeMushroom(cairo_t* cr) {
  mushroom(cr, cap(6, 34, 19, 8.5, 3), kOrange, kYellow, {{11, 15}, {17.5, 12}, {24, 12.5}, {29.5, 16}, {20.5, 17}},
           1.9);
}

void segment(cairo_t* cr, Colour body) {
  paint(cr, ellipse(13.5, 30.5, 3.2, 2.2), shadeOf(body));
  paint(cr, ellipse(26.5, 30.5, 3.2, 2.2), shadeOf(body));
  const Path ball = circle(20, 19, 11);
  paint(cr, ball, body);
  clipped(cr, ball, [&] {
    fill(cr, ellipse(20, 30, 14, 6), withAlpha(highlightOf(body), 0.8));
  });
  for (double x : {14.5, 20.0, 25.5}) fill(cr, circle(x, x == 20.0 ? 11.5 : 13, 1.6), shadeOf(body));
}

void limeSegment(cairo_t* cr) { segment(cr, kLime); }
void pinkSegment(cairo_t* cr) { segment(cr, kPink); }
void skySegment(cairo_t* cr) { segment(cr, kSky); }
void yellowSegment(cairo_t* cr) { segment(cr, kYellow); }

// A turret gun: tracked base, angular turret and a long barrel with a dark muzzle.
void gun(cairo_t* cr) {
  paint(cr, roundedRect(5.5, 27, 29, 7.5, 3.5), kDarkGrey);
  for (double x : {10.0, 16.7, 23.3, 30.0}) paint(cr, circle(x, 30.8, 2), kMidGrey, {.highlight = false, .outlineWidth = 0.7});
  paint(cr, roundedRect(17.2, 6, 5.6, 17, 1), kLightGrey);
  fill(cr, rect(18.2, 7, 1.1, 15), withAlpha(kWhite, 0.8));
  fill(cr, rect(17.2, 15, 5.6, 1.6), kMidGrey);
  paint(cr, roundedRect(15.6, 5.4, 8.8, 3.6, 0.8), kDarkGrey, {.highlight = false});
  paint(cr, polygon({{9, 28.5}, {13, 20}, {27, 20}, {31, 28.5}}), kRed);
  fill(cr, rect(12, 24.2, 16, 1.3), kYellow);
  fill(cr, circle(20, 22.4, 1.1), kYellow);
}

}  // namespace

void addChaosArt(SheetArt& sheet) {
  sheet.add(8, "mushroom, red", redMushroom);
  sheet.add(9, "mushroom, violet", violetMushroom);
  sheet.add(10, "mushroom, orange", orangeMushroom);
  sheet.add(11, "caterpillar segment, lime", limeSegment);
  sheet.add(12, "caterpillar segment, pink", pinkSegment);
  sheet.add(13, "caterpillar segment, sky", skySegment);
  sheet.add(14, "caterpillar segment, yellow", yellowSegment);
  sheet.add(15, "gun pointing up (also the Numbers and Qubic cannons)", gun);
}

}  // namespace sprites_a
