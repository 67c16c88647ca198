// Jetpac's six aliens (200..205). They tumble about the screen turned in steps of 90
// degrees at the grid scale (about 1.18), and touch the spaceman within 20 units, so each
// is a compact round creature about 26 px across that reads the same way up or sideways.
#include <cmath>

#include "catalogs.h"
#include "kit/paint.h"

namespace sprites_b {

namespace {

void cyclops(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    strokeStyled(cr, [side](cairo_t* c) {
      cairo_move_to(c, side * 4, -7);
      cairo_curve_to(c, side * 5, -11, side * 8, -12, side * 8.5, -13.5);
    }, colour::green, 1.4, 0.9);
    paintStyled(cr, [side](cairo_t* c) { circlePath(c, side * 8.5, -13.5, 1.8); }, colour::yellow,
                {.bevel = 0.5, .outline = 0.9});
  }
  paintStyled(cr, [](cairo_t* c) {
    smoothPath(c, {{0, -10}, {8.5, -6}, {10, 3}, {6, 9.5}, {0, 8}, {-6, 9.5}, {-10, 3}, {-8.5, -6}});
  }, colour::green);
  eye(cr, {0, -1.5}, 4.6, 0.2, 0.2);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 0, 3.5, 3.0, M_PI * 0.2, M_PI * 0.8); }, colour::ink,
             0.9);
  glint(cr, -5, -5, 1.8, 0.9, 0.6);
}

void saucerJelly(cairo_t* cr) {
  // Dangling tendrils under a glassy dome.
  for (double x : {-6.0, -2.0, 2.0, 6.0}) {
    strokeStyled(cr, [x](cairo_t* c) {
      cairo_move_to(c, x, 3);
      cairo_curve_to(c, x - 2, 6, x + 2, 8, x - 0.5, 11.5);
    }, colour::pink, 1.5, 0.9);
  }
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -12, 2);
    cairo_curve_to(c, -12, -12, 12, -12, 12, 2);
    cairo_curve_to(c, 6, 5, -6, 5, -12, 2);
    cairo_close_path(c);
  }, colour::pink);
  paintStyled(cr, [](cairo_t* c) { roundedRectPath(c, -13, 0, 26, 3.5, 1.6); }, colour::violet,
              {.bevel = 0.6, .outline = 1.0});
  for (double x : {-8.0, 0.0, 8.0}) {
    fillFlat(cr, [x](cairo_t* c) { circlePath(c, x, 1.75, 0.9); }, colour::yellow);
  }
  eyes(cr, {-3.5, -4}, {3.5, -4}, 2.4, 0, 0.3);
  glint(cr, -5.5, -6.5, 2.2, 1.0, 0.7);
}

void urchin(cairo_t* cr) {
  paintStyled(cr, [](cairo_t* c) { starPath(c, 0, 0, 10, 13.0, 8.5, 9); }, colour::violet,
              {.bevel = 1.6});
  paintStyled(cr, [](cairo_t* c) { circlePath(c, 0, 0, 7.5); }, mix(colour::violet, colour::pink, 0.35),
              {.bevel = 1.2, .outline = 0});
  eyes(cr, {-2.8, -1.2}, {2.8, -1.2}, 2.3, 0, 0.2);
  // Grumpy brows.
  strokeFlat(cr, [](cairo_t* c) {
    polylinePath(c, {{-5, -4.5}, {-1.2, -3.3}});
    polylinePath(c, {{5, -4.5}, {1.2, -3.3}});
  }, colour::ink, 0.9);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 0, 4.8, 1.6, M_PI * 1.15, M_PI * 1.85); }, colour::ink,
             0.8);
}

void crab(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    // Legs and a claw on each side.
    for (double y : {3.0, 6.0}) {
      strokeStyled(cr, [=](cairo_t* c) {
        polylinePath(c, {{side * 6, y}, {side * 10, y + 1.5}, {side * 11, y + 4.5}});
      }, colour::orange, 1.3, 0.8);
    }
    strokeStyled(cr, [=](cairo_t* c) { polylinePath(c, {{side * 7, -2}, {side * 10, -6}}); },
                 colour::orange, 1.8, 0.9);
    paintStyled(cr, [=](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_arc(c, side * 10.5, -8.5, 3.0, side > 0 ? M_PI * 0.75 : -M_PI * 0.25,
                side > 0 ? M_PI * 2.25 : M_PI * 1.25);
      cairo_line_to(c, side * 10.5, -8.5);
      cairo_close_path(c);
    }, colour::red, {.bevel = 0.6, .outline = 1.0});
  }
  paintStyled(cr, [](cairo_t* c) { ellipsePath(c, 0, 2, 8.5, 6.5); }, colour::red);
  // Eyes on stalks.
  for (double side : {-1.0, 1.0}) {
    strokeStyled(cr, [side](cairo_t* c) { polylinePath(c, {{side * 2.5, -3}, {side * 3.2, -6.5}}); },
                 colour::red, 1.3, 0.8);
    eye(cr, {side * 3.2, -7.5}, 2.0, 0, -0.2);
  }
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 0, 3.0, 2.4, M_PI * 0.2, M_PI * 0.8); }, colour::ink,
             0.9);
  glint(cr, -4, -1.5, 1.8, 0.8, 0.6);
}

void squid(cairo_t* cr) {
  for (double x : {-5.0, 0.0, 5.0}) {
    strokeStyled(cr, [x](cairo_t* c) {
      cairo_move_to(c, x, 4);
      cairo_curve_to(c, x + 2.5, 7, x - 2.5, 9, x + 1, 13);
    }, colour::teal, 2.2, 0.9);
  }
  paintStyled(cr, [](cairo_t* c) {
    smoothPath(c, {{0, -13}, {6, -6}, {8.5, 2}, {4, 6}, {-4, 6}, {-8.5, 2}, {-6, -6}});
  }, colour::teal);
  eye(cr, {-3.8, 0}, 2.1, 0.2, 0);
  eye(cr, {3.8, 0}, 2.1, -0.2, 0);
  eye(cr, {0, -5}, 2.3, 0, 0);
  glint(cr, -3, -7, 1.4, 0.8, 0.6);
}

void starBug(cairo_t* cr) {
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4 - M_PI / 2;
      const double r = i % 2 == 0 ? 13.0 : 6.5;
      const double b = a + M_PI / 8;
      cairo_line_to(c, std::cos(a) * r, std::sin(a) * r);
      if (i % 2 == 1) cairo_line_to(c, std::cos(b) * 6.8, std::sin(b) * 6.8);
    }
    cairo_close_path(c);
  }, colour::yellow, {.bevel = 1.6});
  paintStyled(cr, [](cairo_t* c) { circlePath(c, 0, 0, 5.5); }, colour::orange,
              {.bevel = 1.0, .outline = 0.9});
  eyes(cr, {-2.2, -0.8}, {2.2, -0.8}, 1.8, 0, 0);
  fillFlat(cr, [](cairo_t* c) { ellipsePath(c, 0, 2.8, 1.2, 0.8); }, colour::ink);
}

}  // namespace

Catalog jetpacAlienPictures() {
  return {{200, cyclops}, {201, saucerJelly}, {202, urchin},
          {203, crab},    {204, squid},       {205, starBug}};
}

}  // namespace sprites_b
