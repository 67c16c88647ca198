// Ice's couch and runner.
//
// The couch is drawn at scale 2 and, fully risen, stands with its centre 48 units above
// the floor line at the screen's bottom edge minus 16, so its feet reach +16 in its own
// pixels; the runner is squashed against it within 48 units across, so it spans ±15.
// The runner (faces RIGHT, mirrored when running left) is drawn at scale 1 with his
// centre on the feet line 16 units above the floor strip, so his soles are at +16.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

void couch(cairo_t* cr) {
  constexpr Rgb kCloth = colour::red;
  // Stubby legs.
  for (double x : {-11.0, 11.0}) {
    paintStyled(cr, roundedRect(x - 1.8, 10.0, 3.6, 4.75, 1.0),
                colour::brown, {.bevel = 0.6, .outline = 1.0});
  }
  // Backrest, base, seat cushions, armrests.
  paintStyled(cr, roundedRect(-12.5, -8, 25, 13, 4), kCloth);
  paintStyled(cr, roundedRect(-13, 5, 26, 6.5, 2), darker(kCloth, 0.15),
              {.bevel = 1.2});
  for (double x : {-6.0, 6.0}) {
    paintStyled(cr, roundedRect(x - 6, 0.5, 12, 6, 2.5), kCloth,
                {.bevel = 1.4});
  }
  for (double side : {-1.0, 1.0}) {
    paintStyled(cr, roundedRect(side * 12.5 - 3.2, -2.5, 6.4, 13.5, 3),
                kCloth, {.bevel = 1.4});
  }
  // Buttons on the backrest.
  for (double x : {-6.0, 0.0, 6.0}) {
    fillFlat(cr, circle(x, -3.5, 0.9), darker(kCloth, 0.45));
  }
  glint(cr, -7.5, -5.5, 2.6, 1.0, 0.45);
}

void runner(cairo_t* cr) {
  constexpr Rgb kHoodie = colour::orange;
  constexpr Rgb kJeans = colour::blue;
  // Scarf streaming behind.
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -2, -5);
    cairo_curve_to(c, -6, -6.5, -9, -3.5, -13.5, -5.5);
    cairo_line_to(c, -12.5, -2.5);
    cairo_curve_to(c, -9, -1.0, -6, -3.5, -1.5, -2.5);
    cairo_close_path(c);
  }, colour::sky, {.bevel = 0.6, .outline = 1.0});
  // Back leg pushing off, back arm swinging.
  strokeStyled(cr, polyline({{-1, 5}, {-5, 9.5}, {-9, 12}}), darker(kJeans, 0.2),
               3.4);
  paintStyled(cr, roundedRect(-12.5, 10.5, 5, 3, 1.2), colour::darkGrey,
              {.bevel = 0.5});
  strokeStyled(cr, polyline({{0, -3}, {-4, 0}, {-6.5, -2.5}}),
               darker(kHoodie, 0.2), 2.8);
  // Body.
  paintStyled(cr, polygon({{-3.5, -5}, {3.5, -5.5}, {4.5, 5}, {-3, 5.5}}), kHoodie, {.bevel = 1.4});
  // Front leg reaching forward, landing on its sole at +16.
  strokeStyled(cr, polyline({{1.5, 5}, {6.5, 8}, {6, 12.5}}), kJeans, 3.4);
  paintStyled(cr, roundedRect(4.5, 11.6, 6, 3.2, 1.3), colour::darkGrey,
              {.bevel = 0.5});
  // Head with a woolly hat.
  paintStyled(cr, circle(1.5, -10, 5.0), colour::skin, {.bevel = 1.2});
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 1.5, -10.5, 5.2, M_PI, 2 * M_PI);
    cairo_close_path(c);
  }, colour::teal, {.bevel = 1.0});
  paintStyled(cr, circle(-1.5, -15.5, 1.8), colour::white,
              {.bevel = 0.5, .outline = 1.0});
  fillFlat(cr, ellipse(4.3, -8.6, 0.65, 0.95), colour::ink);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 3.6, -7.4, 1.6, M_PI * 0.2, M_PI * 0.7); }, colour::ink,
             0.7);
  fillFlat(cr, ellipse(2.0, -7.2, 1.1, 0.7), colour::pink, 0.7);
  // Front arm pumping forward.
  strokeStyled(cr, polyline({{1.5, -3}, {5, -0.5}, {8, -3.5}}), kHoodie, 2.8);
  paintStyled(cr, circle(8.3, -3.8, 1.6), colour::skin,
              {.bevel = 0.4, .outline = 1.0});
}

}  // namespace

Catalog icePictures() { return {{sprite::kIceCouch, couch}, {sprite::kIceRunner, runner}}; }

}  // namespace sprites
