// Icons of games N to Z.
#include <cmath>
#include <numbers>

#include "game_icons.h"
#include "kit/lettering.h"
#include "kit/paint.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kDegrees = std::numbers::pi / 180;

// One face of an isometric cube, corners relative to the cube's top corner.
void cube(cairo_t* cr, double x, double y, double size, Rgb top) {
  const double half = size / 2;
  const double quarter = size / 4;
  paintStyled(cr, polygon({{x, y}, {x + half, y + quarter}, {x, y + half}, {x - half, y + quarter}}),
              top, Style{.bevel = 0.8, .outline = 1});
  paintStyled(cr, polygon({{x - half, y + quarter}, {x, y + half}, {x, y + half + half * 0.9}, {x - half, y + quarter + half * 0.9}}), colour::blue, Style{.bevel = 0.6, .outline = 1});
  paintStyled(cr, polygon({{x + half, y + quarter}, {x, y + half}, {x, y + half + half * 0.9}, {x + half, y + quarter + half * 0.9}}), colour::violet, Style{.bevel = 0.6, .outline = 1});
}

}  // namespace

void drawDie(cairo_t* cr, double x, double y, double size, double degrees, int pips, bool red) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, degrees * kDegrees);
  const double half = size / 2;
  paintStyled(cr, roundedRect(-half, -half, size, size, size * 0.2),
              red ? colour::red : colour::white, Style{.bevel = 1.2});
  const double step = size * 0.27;
  const double r = size * 0.09;
  const int layouts[7][9] = {{}, {0, 0, 0, 0, 1}, {1, 0, 0, 0, 0, 0, 0, 0, 1}, {1, 0, 0, 0, 1, 0, 0, 0, 1},
                             {1, 0, 1, 0, 0, 0, 1, 0, 1}, {1, 0, 1, 0, 1, 0, 1, 0, 1}, {1, 0, 1, 1, 0, 1, 1, 0, 1}};
  fillFlat(cr, [=, &layouts](cairo_t* c) {
    for (int i = 0; i < 9; ++i)
      if (layouts[pips][i]) circle((i % 3 - 1) * step, (i / 3 - 1) * step, r)(c);
  }, red ? colour::white : colour::ink);
  cairo_restore(cr);
}

// N: numbered tiles to shoot away.
void drawNumbersIcon(cairo_t* cr) {
  paintStyled(cr, roundedRect(2, 3, 15, 17, 3), colour::orange, Style{.bevel = 1.2});
  const Rgb white[] = {colour::white};
  paintLettering(cr, "7", 3.5, 4.5, white, LetteringStyle{.unit = 2, .bevel = 0, .outline = 1});
  paintStyled(cr, roundedRect(15, 12, 15, 17, 3), colour::sky, Style{.bevel = 1.2});
  paintLettering(cr, "3", 16.5, 13.5, white, LetteringStyle{.unit = 2, .bevel = 0, .outline = 1});
}

// O: the purple octopus.
void drawOctopusIcon(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {
    const double x = 8 + i * 5.3;
    strokeStyled(cr, [x, i](cairo_t* c) {
      cairo_move_to(c, x, 17);
      cairo_curve_to(c, x + (i % 2 ? 3 : -3), 22, x + (i % 2 ? -3 : 3), 24, x + (i % 2 ? 1 : -1), 28);
    }, colour::violet, 2.6, 1);
  }
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 16, 13, 10, std::numbers::pi, 2 * std::numbers::pi);
    cairo_curve_to(c, 26, 17, 24, 20, 16, 20);
    cairo_curve_to(c, 8, 20, 6, 17, 6, 13);
    cairo_close_path(c);
  }, colour::violet, Style{.bevel = 2});
  drawEye(cr, 12.5, 13, 2.4);
  drawEye(cr, 19.5, 13, 2.4);
  fillFlat(cr, merged({
    circle(10, 7, 1),
    circle(20, 6, 1.3),
  }), colour::pink);
}

// P: a penguin walking right.
void drawPenguinIcon(cairo_t* cr) {
  paintStyled(cr, merged({
    ellipse(13, 28, 4, 1.8),
    ellipse(20, 28, 4, 1.8),
  }), colour::orange, Style{.bevel = 0.5, .outline = 1});
  paintStyled(cr, ellipse(16, 17, 9, 11), colour::darkGrey, Style{.bevel = 2});
  paintStyled(cr, ellipse(18, 19, 6, 8), colour::white, Style{.bevel = 1, .outline = 0});
  paintStyled(cr, polygon({{23, 10}, {29, 12}, {23, 14}}), colour::orange, Style{.bevel = 0.5, .outline = 1});
  drawEye(cr, 20, 10, 1.8);
  paintStyled(cr, ellipse(9, 19, 2.5, 5.5), darker(colour::darkGrey, 0.3), Style{.bevel = 0.6, .outline = 1});
}

// Q: a pyramid of cubes, the top one lit.
void drawQubicIcon(cairo_t* cr) {
  cube(cr, 16, 2, 13, colour::yellow);
  cube(cr, 9.5, 13, 13, colour::sky);
  cube(cr, 22.5, 13, 13, colour::yellow);
}

// R: the die that sets the steps, and a gummy to collect.
void drawRollerIcon(cairo_t* cr) {
  drawDie(cr, 13, 15, 17, -12, 5, false);
  paintStyled(cr, merged({
    circle(25, 22, 3.2),
    circle(25, 27, 3.5),
    circle(22.5, 19.5, 1.5),
    circle(27.5, 19.5, 1.5),
  }), colour::lime, Style{.bevel = 0.8, .outline = 1});
}

// S: a fizzy soda with a straw.
void drawSodaIcon(cairo_t* cr) {
  strokeStyled(cr, polyline({{17, 14}, {23, 3}, {27, 3}}), colour::red, 2, 1);
  const PathFn glass = polygon({{7, 8}, {25, 8}, {22.5, 29}, {9.5, 29}});
  paintStyled(cr, glass, colour::lightGrey, Style{.bevel = 0.8});
  cairo_save(cr);
  glass(cr);
  cairo_clip(cr);
  fillFlat(cr, rect(0, 13, 32, 20), colour::orange);
  fillFlat(cr, roundedRect(5, 10, 22, 4.5, 2), colour::white);
  fillFlat(cr, merged({
    circle(13, 19, 1.2),
    circle(18, 23, 1),
    circle(14, 26, 0.8),
    circle(19, 17, 0.8),
  }), lighter(colour::yellow, 0.5));
  cairo_restore(cr);
  strokeFlat(cr, glass, colour::ink, 1.5);
}

// T: the tower top with a log, a blob climbing up the wall.
void drawTowerIcon(cairo_t* cr) {
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 3, 29);
    cairo_line_to(c, 3, 14);
    for (double x = 3; x < 29; x += 6.5) {
      cairo_line_to(c, x, 10);
      cairo_line_to(c, x + 3.5, 10);
      cairo_line_to(c, x + 3.5, 14);
      cairo_line_to(c, x + 6.5, 14);
    }
    cairo_line_to(c, 29, 14);
    cairo_line_to(c, 29, 29);
    cairo_close_path(c);
  }, colour::midGrey, Style{.bevel = 1.5});
  strokeFlat(cr, merged({
    line(3, 20.5, 29, 20.5),
    line(12.5, 14, 12.5, 20.5),
    line(20.5, 20.5, 20.5, 29),
  }), colour::darkGrey, 1);
  paintStyled(cr, roundedRect(6, 3.5, 20, 5, 2.5), colour::brown, Style{.bevel = 1, .outline = 1});
  paintStyled(cr, ellipse(24.5, 6, 1.5, 2.5), lighter(colour::brown, 0.4), Style{.bevel = 0, .outline = 0.8});
  paintStyled(cr, circle(10, 25, 4), colour::green, Style{.bevel = 1, .outline = 1});
  drawEye(cr, 9, 24, 1.3);
  drawEye(cr, 12, 24, 1.3);
}

// U: an umbrella catching the rain.
void drawUmbrellaIcon(cairo_t* cr) {
  for (auto [x, y] : {std::pair{7.0, 4.0}, {16.0, 2.0}, {25.0, 5.0}})
    paintStyled(cr, [x, y](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, x, y);
      cairo_curve_to(c, x + 2.5, y + 3.5, x + 2, y + 5.5, x, y + 5.5);
      cairo_curve_to(c, x - 2, y + 5.5, x - 2.5, y + 3.5, x, y);
      cairo_close_path(c);
    }, colour::sky, Style{.bevel = 0.5, .outline = 1});
  strokeStyled(cr, [](cairo_t* c) {
    cairo_move_to(c, 16, 15);
    cairo_line_to(c, 16, 26);
    cairo_arc_negative(c, 18.5, 26, 2.5, std::numbers::pi, 0);
  }, colour::brown, 1.8, 1);
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 16, 17, 12.5, std::numbers::pi, 2 * std::numbers::pi);
    for (int i = 4; i >= 0; --i) {
      const double x = 28.5 - (4 - i) * 5;
      cairo_curve_to(c, x - 1, 15, x - 4, 15, x - 5, 17);
    }
    cairo_close_path(c);
  }, colour::red, Style{.bevel = 1.5});
  fillFlat(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 16, 4.5);
    cairo_curve_to(c, 12, 8, 12, 12, 13.5, 16.5);
    cairo_line_to(c, 18.5, 16.5);
    cairo_curve_to(c, 20, 12, 20, 8, 16, 4.5);
    cairo_close_path(c);
  }, colour::white);
}

// V: a speeding wheel about to jump a bush.
void drawVelocityIcon(cairo_t* cr) {
  paintStyled(cr, merged({
    circle(24.5, 25, 4),
    circle(27.5, 26.5, 2.5),
    circle(21.5, 26.5, 2.5),
  }), colour::green, Style{.bevel = 0.8, .outline = 1});
  strokeFlat(cr, merged({
    line(2, 10, 6, 10),
    line(1.5, 15, 5, 15),
    line(2, 20, 6, 20),
  }), colour::white, 1.5);
  paintStyled(cr, circle(16, 15, 10), colour::darkGrey, Style{.bevel = 1.5});
  paintStyled(cr, circle(16, 15, 6), colour::lightGrey, Style{.bevel = 1, .outline = 1});
  strokeFlat(cr, [](cairo_t* c) {
    for (int i = 0; i < 3; ++i) {
      const double a = (i * 60 + 15) * kDegrees;
      cairo_move_to(c, 16 - 5 * std::cos(a), 15 - 5 * std::sin(a));
      cairo_line_to(c, 16 + 5 * std::cos(a), 15 + 5 * std::sin(a));
    }
  }, colour::midGrey, 1.2);
  paintStyled(cr, circle(16, 15, 2), colour::yellow, Style{.bevel = 0.5, .outline = 0.8});
}

// W: the rocket dodging an asteroid.
void drawWavesIcon(cairo_t* cr) {
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 20, 3);
    cairo_line_to(c, 27, 5);
    cairo_line_to(c, 30, 11);
    cairo_line_to(c, 27, 16);
    cairo_line_to(c, 20, 16);
    cairo_line_to(c, 16, 10);
    cairo_close_path(c);
  }, colour::brown, Style{.bevel = 1.5});
  fillFlat(cr, merged({
    circle(21.5, 8, 1.6),
    circle(25.5, 12, 1.2),
  }), darker(colour::brown, 0.4));
  cairo_save(cr);
  cairo_translate(cr, 11.5, 18);
  cairo_rotate(cr, 35 * kDegrees);
  cairo_scale(cr, 0.9, 0.9);
  paintStyled(cr, polygon({{-2.2, 8}, {0, 13}, {2.2, 8}}), colour::yellow, Style{.bevel = 0.4, .outline = 1});
  paintStyled(cr, merged({
    polygon({{-3, 2}, {-7, 7}, {-7, 9.5}, {-2.5, 7.5}}),
    polygon({{3, 2}, {7, 7}, {7, 9.5}, {2.5, 7.5}}),
  }), colour::red, Style{.bevel = 0.6, .outline = 1});
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 0, -10);
    cairo_curve_to(c, 4, -6, 4.2, 2, 3, 8);
    cairo_line_to(c, -3, 8);
    cairo_curve_to(c, -4.2, 2, -4, -6, 0, -10);
    cairo_close_path(c);
  }, colour::lightGrey, Style{.bevel = 1});
  paintStyled(cr, ellipse(0, -2, 1.8, 2.4), colour::sky, Style{.bevel = 0.4, .outline = 0.8});
  fillFlat(cr, rect(-0.6, 3, 1.2, 4), colour::red);
  cairo_restore(cr);
}

// X: shots from the ship in the circle bursting an explosion.
void drawXplodeIcon(cairo_t* cr) {
  strokeStyled(cr, circle(14, 18, 10.5), colour::teal, 1.8, 1);
  paintStyled(cr, star(24, 8, 8, 6, 3, 10), colour::orange, Style{.bevel = 1, .outline = 1});
  fillFlat(cr, circle(24, 8, 2), colour::yellow);
  fillFlat(cr, merged({
    circle(18, 14, 1),
    circle(20.5, 11.5, 1),
  }), colour::white);
  cairo_save(cr);
  cairo_translate(cr, 14, 18);
  cairo_rotate(cr, 45 * kDegrees);
  paintStyled(cr, polygon({{0, -5.5}, {4, 4.5}, {0, 2.5}, {-4, 4.5}}), colour::sky,
              Style{.bevel = 0.6, .outline = 1});
  cairo_restore(cr);
}

// Y: a pair of falling dice.
void drawYahtzeeIcon(cairo_t* cr) {
  drawDie(cr, 11, 12, 14, -10, 3, true);
  drawDie(cr, 21, 20, 14, 12, 6, false);
}

// Z: Vumbo on the blue blocks with the pink gem above.
void drawZoneIcon(cairo_t* cr) {
  for (double x : {2.5, 16.0}) {
    paintStyled(cr, roundedRect(x, 19.5, 13.5, 10, 1.5), colour::blue, Style{.bevel = 1.2});
    strokeFlat(cr, roundedRect(x + 2.5, 22, 8.5, 5, 1), lighter(colour::blue, 0.35), 0.9);
  }
  paintStyled(cr, polygon({{21, 4}, {27, 4}, {29.5, 7}, {24, 13.5}, {18.5, 7}}), colour::pink,
              Style{.bevel = 0.8, .outline = 1});
  strokeFlat(cr, merged({
    line(18.5, 7, 29.5, 7),
    polyline({{22.5, 7}, {24, 13}, {25.5, 7}}),
  }), lighter(colour::pink, 0.5), 0.7);
  paintStyled(cr, ellipse(12, 13, 7, 6.5), colour::lime, Style{.bevel = 1.5});
  drawEye(cr, 14.5, 11, 2.8);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 14, 15, 2, 20 * kDegrees, 160 * kDegrees); }, colour::ink, 0.9);
}

}  // namespace shell_art
