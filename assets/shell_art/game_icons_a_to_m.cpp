// Icons of games A to M.
#include <cmath>
#include <numbers>

#include "game_icons.h"
#include "kit/paint.h"

namespace shell_art {

using namespace zandrel_art;

namespace {
constexpr double kDegrees = std::numbers::pi / 180;
}

void drawEye(cairo_t* cr, double x, double y, double radius) {
  paintStyled(cr, circle(x, y, radius), colour::white, Style{.bevel = 0, .outline = 0.8});
  fillFlat(cr, circle(x + radius * 0.3, y, radius * 0.55), colour::ink);
}

// A: a walker on a pale corridor floor, an obstacle bobbing in front.
void drawAbstractIcon(cairo_t* cr) {
  paintStyled(cr, roundedRect(3, 25, 26, 4, 2), colour::lightGrey, Style{.bevel = 1});
  const PathFn legs = polyline({{6, 24}, {10, 18}, {13, 24}});
  strokeStyled(cr, legs, colour::blue, 2.5, 1);
  paintStyled(cr, roundedRect(7, 11, 6, 8.5, 2.5), colour::blue, Style{.bevel = 1, .outline = 1});
  paintStyled(cr, circle(10, 7.5, 3.5), colour::skin, Style{.bevel = 1, .outline = 1});
  paintStyled(cr, roundedRect(18, 10, 10, 10, 3), colour::violet, Style{.bevel = 1.5});
  drawEye(cr, 21.5, 14, 1.6);
  drawEye(cr, 25, 14, 1.6);
  strokeFlat(cr, merged({
    line(23, 3.5, 23, 7),
    polyline({{21.5, 5}, {23, 3.5}, {24.5, 5}}),
  }), colour::white, 1.2);
}

// B: Vever bouncing above a platform.
void drawVeverIcon(cairo_t* cr) {
  paintStyled(cr, roundedRect(5, 24, 22, 5, 2.5), colour::green, Style{.bevel = 1.2});
  paintStyled(cr, circle(16, 12, 8), colour::orange, Style{.bevel = 2});
  drawEye(cr, 13.5, 11, 2);
  drawEye(cr, 18.5, 11, 2);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 16, 14, 3, 20 * kDegrees, 160 * kDegrees); }, colour::ink, 1);
  strokeFlat(cr, merged({line(6, 17, 4, 19), line(26, 17, 28, 19)}), colour::white, 1.4);
}

// C: a caterpillar crawling past a mushroom.
void drawChaosIcon(cairo_t* cr) {
  paintStyled(cr, roundedRect(7, 10, 4, 6, 1), colour::lightGrey, Style{.bevel = 0.8, .outline = 1});
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 9, 10, 6.5, std::numbers::pi, 2 * std::numbers::pi);
    cairo_close_path(c);
  }, colour::red, Style{.bevel = 1.2});
  fillFlat(cr, merged({
    circle(7, 7.5, 1.2),
    circle(11.5, 6.5, 1),
  }), colour::white);
  const double xs[] = {7, 13, 19};
  const double ys[] = {24, 23, 22};
  for (int i = 0; i < 3; ++i)
    paintStyled(cr, circle(xs[i], ys[i], 4), i % 2 ? colour::lime : colour::green,
                Style{.bevel = 1});
  strokeStyled(cr, merged({line(24, 15, 23, 11), line(27, 15, 29, 11.5)}), colour::ink, 0.8, 0);
  paintStyled(cr, circle(25.5, 19.5, 5), colour::green, Style{.bevel = 1.2});
  drawEye(cr, 24.5, 18.5, 1.5);
  drawEye(cr, 27.5, 18.5, 1.5);
}

// D: a chain-reaction blast catching drifting balls.
void drawDetonationIcon(cairo_t* cr) {
  paintStyled(cr, star(14, 16, 10, 12, 6.5, 8), colour::orange, Style{.bevel = 2});
  paintStyled(cr, star(14, 16, 8, 7, 4), colour::yellow, Style{.bevel = 1, .outline = 0});
  fillFlat(cr, circle(14, 16, 2.5), colour::white);
  const struct { double x, y, r; Rgb c; } balls[] = {
      {26, 7, 3, colour::pink}, {27, 19, 2.6, colour::sky}, {22, 27, 2.4, colour::lime}};
  for (const auto& ball : balls)
    paintStyled(cr, circle(ball.x, ball.y, ball.r), ball.c, Style{.bevel = 0.8, .outline = 1});
}

// E: a propeller plane flying right.
void drawEncounterIcon(cairo_t* cr) {
  paintStyled(cr, polygon({{5, 9}, {9, 9}, {12, 15}, {6, 15}}), darker(colour::red, 0.15),
              Style{.bevel = 0.8});
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 4, 14);
    cairo_curve_to(c, 10, 12, 20, 11, 26, 14);
    cairo_curve_to(c, 29, 16, 28, 20, 24, 20);
    cairo_curve_to(c, 16, 21, 9, 20, 4, 17);
    cairo_close_path(c);
  }, colour::red, Style{.bevel = 1.5});
  paintStyled(cr, polygon({{11, 17}, {19, 17}, {16, 25}, {10, 25}}), darker(colour::red, 0.15),
              Style{.bevel = 1});
  paintStyled(cr, ellipse(19.5, 13.5, 3.5, 2.2), colour::sky, Style{.bevel = 0.6, .outline = 1});
  strokeStyled(cr, line(29, 11, 29, 23), colour::lightGrey, 1.5, 0.9);
}

// F: Duve, the yellow bird, flapping towards a coin.
void drawDuveIcon(cairo_t* cr) {
  paintStyled(cr, circle(26.5, 5.5, 3.3), colour::yellow, Style{.bevel = 1, .outline = 1});
  fillFlat(cr, star(26.5, 5.5, 5, 1.9, 0.8), colour::orange);
  paintStyled(cr, polygon({{6, 16}, {1.5, 12}, {2.5, 17.5}, {1.5, 22}}), colour::orange,
              Style{.bevel = 0.6, .outline = 1});
  paintStyled(cr, ellipse(15, 17.5, 10.5, 8.5), colour::yellow, Style{.bevel = 2});
  paintStyled(cr, polygon({{24, 14.5}, {30.5, 17.5}, {24, 20.5}}), colour::red,
              Style{.bevel = 0.6, .outline = 1});
  paintStyled(cr, circle(20.5, 13.5, 3.6), colour::white, Style{.bevel = 0, .outline = 0.9});
  fillFlat(cr, circle(21.6, 13.5, 1.7), colour::ink);
  // The raised wing.
  paintStyled(cr, ellipse(11.5, 18, 6, 3.8), colour::orange, Style{.bevel = 1});
}

// G: the ball on the fairway, the flag in the hole.
void drawGolfIcon(cairo_t* cr) {
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 2, 29);
    cairo_curve_to(c, 6, 21, 26, 19, 30, 24);
    cairo_line_to(c, 30, 29);
    cairo_close_path(c);
  }, colour::green, Style{.bevel = 1.5});
  fillFlat(cr, ellipse(21, 22.5, 3, 1.2), colour::ink);
  strokeStyled(cr, line(21, 22, 21, 4), colour::lightGrey, 1.5, 0.8);
  paintStyled(cr, polygon({{21.5, 4}, {29, 7}, {21.5, 10}}), colour::red, Style{.bevel = 0.8, .outline = 1});
  paintStyled(cr, circle(8, 20, 3.5), colour::white, Style{.bevel = 1});
}

// H: the little yellow helicopter with a present.
void drawHoverIcon(cairo_t* cr) {
  strokeStyled(cr, line(3, 16, 12, 17), colour::yellow, 2.5, 1);
  paintStyled(cr, roundedRect(1.5, 11.5, 4, 7, 1.5), colour::orange, Style{.bevel = 0.6, .outline = 1});
  strokeStyled(cr, merged({
    line(12, 25, 24, 25),
    line(15, 22, 14, 25),
    line(21, 22, 22, 25),
  }), colour::darkGrey, 1.2, 0.8);
  const PathFn body = ellipse(18, 17, 8, 6);
  paintStyled(cr, body, colour::yellow, Style{.bevel = 1.5});
  fillFlat(cr, rect(10, 18.5, 16, 1.6), colour::red);
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 20, 16, 4.5, -90 * kDegrees, 0);
    cairo_line_to(c, 20, 16);
    cairo_close_path(c);
  }, colour::sky, Style{.bevel = 0.5, .outline = 0.8});
  strokeStyled(cr, merged({
    line(18, 11, 18, 8),
    line(8, 7.5, 28, 7.5),
  }), colour::lightGrey, 1.5, 0.8);
  paintStyled(cr, circle(18, 7.5, 1.6), colour::red, Style{.bevel = 0.4, .outline = 0.8});
  paintStyled(cr, rect(24, 1.5, 6, 5), colour::red, Style{.bevel = 0.6, .outline = 0.9});
  fillFlat(cr, rect(26.3, 1.5, 1.4, 5), colour::yellow);
}

// I: the red couch to bounce on.
void drawIceIcon(cairo_t* cr) {
  strokeStyled(cr, merged({line(8, 24, 8, 27), line(24, 24, 24, 27)}), colour::brown, 2, 1);
  paintStyled(cr, roundedRect(6, 10, 20, 10, 3), colour::red, Style{.bevel = 1.5});
  paintStyled(cr, roundedRect(5, 17, 22, 7, 2.5), lighter(colour::red, 0.15), Style{.bevel = 1.2});
  paintStyled(cr, roundedRect(2, 14, 5, 11, 2.5), colour::red, Style{.bevel = 1});
  paintStyled(cr, roundedRect(25, 14, 5, 11, 2.5), colour::red, Style{.bevel = 1});
  strokeFlat(cr, [](cairo_t* c) {
    cairo_move_to(c, 11, 7);
    cairo_curve_to(c, 13, 3, 19, 3, 21, 7);
  }, colour::white, 1.5);
  strokeFlat(cr, polyline({{19.5, 5}, {21, 7}, {22.5, 5}}), colour::white, 1.2);
}

// J: the spaceman riding his jetpack's flame.
void drawJumpjetIcon(cairo_t* cr) {
  paintStyled(cr, polygon({{7, 21}, {12, 21}, {9.5, 30}}), colour::yellow, Style{.bevel = 0.6, .outline = 1});
  paintStyled(cr, roundedRect(6, 11, 7, 11, 2), colour::orange, Style{.bevel = 1});
  paintStyled(cr, roundedRect(11, 13, 10, 11, 3), colour::lightGrey, Style{.bevel = 1.2});
  strokeStyled(cr, merged({line(14, 24, 13, 28), line(19, 24, 21, 28)}), colour::lightGrey, 2.5, 1);
  paintStyled(cr, circle(17, 9, 6), colour::white, Style{.bevel = 1.2});
  paintStyled(cr, roundedRect(17, 6, 5.5, 5, 2), colour::sky, Style{.bevel = 0.6, .outline = 0.8});
  strokeStyled(cr, line(21, 17, 27, 17), colour::darkGrey, 2, 0.9);
}

// K: a fighter's determined face under a flying headband.
void drawKarateIcon(cairo_t* cr) {
  paintStyled(cr, circle(17, 17, 11), colour::skin, Style{.bevel = 2});
  paintStyled(cr, merged({
    polygon({{8, 13}, {3, 8}, {2, 13}}),
    polygon({{8, 14}, {2, 17}, {5, 20}}),
  }), colour::red, Style{.bevel = 0.5, .outline = 1});
  cairo_save(cr);
  circle(17, 17, 11)(cr);
  cairo_clip(cr);
  fillFlat(cr, rect(4, 9.5, 26, 4.5), colour::red);
  cairo_restore(cr);
  strokeFlat(cr, merged({
    line(12, 16.5, 16, 18),
    line(26, 16.5, 21, 18),
    line(15, 24, 21, 24),
  }), colour::ink, 1.5);
  fillFlat(cr, merged({
    circle(14.5, 19.5, 1.1),
    circle(22.5, 19.5, 1.1),
  }), colour::ink);
}

// L: the purple lizard hopping over the pond's coloured tiles.
void drawLizardIcon(cairo_t* cr) {
  const Rgb tiles[] = {lighter(colour::red, 0.3), lighter(colour::yellow, 0.3), lighter(colour::green, 0.3),
                       lighter(colour::blue, 0.45)};
  for (int i = 0; i < 4; ++i) {
    const double x = 3 + (i % 2) * 13.5;
    const double y = 3 + (i / 2) * 13.5;
    paintStyled(cr, roundedRect(x, y, 12.5, 12.5, 2.5), tiles[i], Style{.bevel = 1, .outline = 1});
  }
  const Rgb skin = colour::violet;
  strokeStyled(cr, [](cairo_t* c) {
    cairo_move_to(c, 16, 20);
    cairo_curve_to(c, 15, 25, 10, 27, 7, 24);
  }, skin, 2.4, 1);
  strokeStyled(cr, merged({line(11, 10, 21, 16), line(21, 10, 11, 16)}), skin, 2, 1);
  paintStyled(cr, ellipse(16, 14, 3.8, 6.5), skin, Style{.bevel = 1});
  paintStyled(cr, circle(16, 7, 3.4), skin, Style{.bevel = 0.8});
  fillFlat(cr, merged({
    circle(15, 12.5, 0.9),
    circle(17.2, 15.5, 0.8),
    circle(15.4, 18, 0.7),
  }), colour::yellow);
  fillFlat(cr, merged({
    circle(14.6, 6, 0.9),
    circle(17.4, 6, 0.9),
  }), colour::white);
  fillFlat(cr, merged({
    circle(14.6, 5.8, 0.5),
    circle(17.4, 5.8, 0.5),
  }), colour::ink);
}

// M: a maze with a coin to grab.
void drawMazeIcon(cairo_t* cr) {
  strokeStyled(cr, merged({
    polyline({{4, 12}, {4, 4}, {28, 4}, {28, 20}}),
    polyline({{28, 28}, {4, 28}, {4, 20}}),
    polyline({{11, 11}, {11, 21}, {21, 21}}),
    polyline({{17, 4}, {17, 11}, {21, 11}}),
  }), colour::blue, 2.5, 1);
  paintStyled(cr, circle(17.5, 16, 3.6), colour::yellow, Style{.bevel = 1, .outline = 1});
  fillFlat(cr, rect(17, 14, 1, 4), darker(colour::yellow, 0.4));
}

}  // namespace shell_art
