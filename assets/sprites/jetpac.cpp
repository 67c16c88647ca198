// Jetpac (game J). The spaceman, drawn at the grid scale U/32 (about 1.18) and mirrored
// when he faces left, so he faces RIGHT here. Four frames walk (the first is also
// standing still), the fifth is in the air with the jetpack off, the sixth with the
// jetpack firing; the game flickers between those two while thrusting. His feet are at
// +16, on the floor tiles' turf; the laser leaves 8 units above his centre, where he
// holds the blaster.
//
// Jetpac's six aliens. They tumble about the screen turned in steps of 90
// degrees at the grid scale (about 1.18), and touch the spaceman within 20 units, so each
// is a compact round creature about 26 px across that reads the same way up or sideways.
//
// Jetpac's floating landing pad, drawn at twice the grid scale (about 2.35). The
// spaceman lands on it within 36 units either side, with his feet about 14 px above the
// pad's centre in its own pixels, so the deck's top is at y -14 and it spans ±15.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

constexpr Rgb kSuit = mix(colour::white, colour::lightGrey, 0.4);
constexpr Rgb kBoot = colour::darkGrey;

struct Stride {
  double backFootX, backFootY;   // foot positions, feet rest at y 15.5
  double frontFootX, frontFootY;
  double bob;                    // body lift
};

void leg(cairo_t* cr, Point hip, Point foot) {
  const Point knee{(hip.x + foot.x) / 2 + 1.0, (hip.y + foot.y) / 2};
  strokeStyled(cr, polyline({hip, knee, {foot.x, foot.y - 3.0}}), kSuit,
               3.8);
  paintStyled(cr, roundedRect(foot.x - 2.2, foot.y - 3.4, 5.0, 3.0, 1.2),
              kBoot, {.bevel = 0.6});
}

void flame(cairo_t* cr, Point nozzle) {
  paintStyled(cr, [=](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, nozzle.x - 3.0, nozzle.y);
    cairo_curve_to(c, nozzle.x - 4.0, nozzle.y + 5, nozzle.x - 1.2, nozzle.y + 8, nozzle.x,
                   nozzle.y + 11.0);
    cairo_curve_to(c, nozzle.x + 1.2, nozzle.y + 8, nozzle.x + 4.0, nozzle.y + 5, nozzle.x + 3.0,
                   nozzle.y);
    cairo_close_path(c);
  }, colour::orange, {.bevel = 0.6, .outline = 0.9});
  fillFlat(cr, ellipse(nozzle.x, nozzle.y + 3.5, 1.6, 3.4),
           colour::yellow);
}

void spaceman(cairo_t* cr, Stride stride, bool thrusting) {
  const double lift = -stride.bob;
  cairo_save(cr);
  cairo_translate(cr, 0, lift);
  // Jetpack on his back.
  paintStyled(cr, roundedRect(-11, -6, 6, 12, 2.2), colour::red,
              {.bevel = 1.2});
  paintStyled(cr, polygon({{-9.5, 5}, {-5.5, 5}, {-6.2, 7.2}, {-8.8, 7.2}}),
              colour::midGrey, {.bevel = 0.5, .outline = 0.9});
  fillFlat(cr, rect(-10, -3, 4, 1.2), colour::yellow);
  cairo_restore(cr);

  // Back leg, body, front leg.
  leg(cr, {-1.5, 6.5 + lift}, {stride.backFootX, stride.backFootY});
  cairo_save(cr);
  cairo_translate(cr, 0, lift);
  paintStyled(cr, roundedRect(-6, -4, 11, 12, 3.5), kSuit, {.bevel = 1.4});
  fillFlat(cr, rect(-6, 5, 11, 1.4), colour::darkGrey);
  // Chest badge.
  fillFlat(cr, roundedRect(0.5, -1.5, 3, 2.6, 0.6), colour::sky);
  cairo_restore(cr);
  leg(cr, {1.5, 6.5 + lift}, {stride.frontFootX, stride.frontFootY});

  cairo_save(cr);
  cairo_translate(cr, 0, lift);
  // Helmet with its visor looking right.
  paintStyled(cr, circle(0.5, -9, 6.5), kSuit, {.bevel = 1.6});
  paintStyled(cr, roundedRect(0.5, -12.5, 6.8, 6.0, 2.8), colour::sky,
              {.bevel = 1.2, .outline = 1.0});
  glint(cr, 2.8, -11.0, 1.5, 0.7, 0.9);
  // Antenna.
  strokeFlat(cr, polyline({{-3, -14}, {-4.2, -16}}), colour::ink, 0.9);
  fillFlat(cr, circle(-4.3, -16.2, 1.1), colour::lime);
  // Arm holding the blaster forward at shoulder height.
  strokeStyled(cr, polyline({{-1.5, -1.5}, {3.0, 0.5}, {6.5, -2.5}}), kSuit,
               3.2);
  paintStyled(cr, roundedRect(5.0, -6.2, 8.0, 3.0, 1.0), colour::darkGrey,
              {.bevel = 0.6, .outline = 1.0});
  fillFlat(cr, rect(11.8, -5.6, 1.6, 1.8), colour::lime);
  paintStyled(cr, circle(6.5, -2.6, 1.7), kBoot, {.bevel = 0.5, .outline = 1.0});
  // The flame blazes in front of everything so it reads even behind a trailing leg.
  if (thrusting) flame(cr, {-7.5, 6.5});
  cairo_restore(cr);
}

void cyclops(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    strokeStyled(cr, [side](cairo_t* c) {
      cairo_move_to(c, side * 4, -7);
      cairo_curve_to(c, side * 5, -11, side * 8, -12, side * 8.5, -13.5);
    }, colour::green, 1.4, 0.9);
    paintStyled(cr, circle(side * 8.5, -13.5, 1.8), colour::yellow,
                {.bevel = 0.5, .outline = 0.9});
  }
  paintStyled(cr, blob({{0, -10}, {8.5, -6}, {10, 3}, {6, 9.5}, {0, 8}, {-6, 9.5}, {-10, 3}, {-8.5, -6}}), colour::green);
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
  paintStyled(cr, roundedRect(-13, 0, 26, 3.5, 1.6), colour::violet,
              {.bevel = 0.6, .outline = 1.0});
  for (double x : {-8.0, 0.0, 8.0}) {
    fillFlat(cr, circle(x, 1.75, 0.9), colour::yellow);
  }
  eyes(cr, {-3.5, -4}, {3.5, -4}, 2.4, 0, 0.3);
  glint(cr, -5.5, -6.5, 2.2, 1.0, 0.7);
}

void urchin(cairo_t* cr) {
  paintStyled(cr, star(0, 0, 10, 13.0, 8.5, 9), colour::violet,
              {.bevel = 1.6});
  paintStyled(cr, circle(0, 0, 7.5), mix(colour::violet, colour::pink, 0.35),
              {.bevel = 1.2, .outline = 0});
  eyes(cr, {-2.8, -1.2}, {2.8, -1.2}, 2.3, 0, 0.2);
  // Grumpy brows.
  strokeFlat(cr, merged({
    polyline({{-5, -4.5}, {-1.2, -3.3}}),
    polyline({{5, -4.5}, {1.2, -3.3}}),
  }), colour::ink, 0.9);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 0, 4.8, 1.6, M_PI * 1.15, M_PI * 1.85); }, colour::ink,
             0.8);
}

void crab(cairo_t* cr) {
  for (double side : {-1.0, 1.0}) {
    // Legs and a claw on each side.
    for (double y : {3.0, 6.0}) {
      strokeStyled(cr, polyline({{side * 6, y}, {side * 10, y + 1.5}, {side * 11, y + 4.5}}), colour::orange, 1.3, 0.8);
    }
    strokeStyled(cr, polyline({{side * 7, -2}, {side * 10, -6}}),
                 colour::orange, 1.8, 0.9);
    paintStyled(cr, [=](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_arc(c, side * 10.5, -8.5, 3.0, side > 0 ? M_PI * 0.75 : -M_PI * 0.25,
                side > 0 ? M_PI * 2.25 : M_PI * 1.25);
      cairo_line_to(c, side * 10.5, -8.5);
      cairo_close_path(c);
    }, colour::red, {.bevel = 0.6, .outline = 1.0});
  }
  paintStyled(cr, ellipse(0, 2, 8.5, 6.5), colour::red);
  // Eyes on stalks.
  for (double side : {-1.0, 1.0}) {
    strokeStyled(cr, polyline({{side * 2.5, -3}, {side * 3.2, -6.5}}),
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
  paintStyled(cr, blob({{0, -13}, {6, -6}, {8.5, 2}, {4, 6}, {-4, 6}, {-8.5, 2}, {-6, -6}}), colour::teal);
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
  paintStyled(cr, circle(0, 0, 5.5), colour::orange,
              {.bevel = 1.0, .outline = 0.9});
  eyes(cr, {-2.2, -0.8}, {2.2, -0.8}, 1.8, 0, 0);
  fillFlat(cr, ellipse(0, 2.8, 1.2, 0.8), colour::ink);
}

void landingPad(cairo_t* cr) {
  // The thruster's glow under the pad.
  fillFlat(cr, ellipse(0, -2.5, 3.5, 2.6), colour::sky, 0.45);
  paintStyled(cr, circle(0, -4.5, 2.0), colour::sky,
              {.bevel = 0.6, .outline = 0.8});
  // Hull under the deck.
  paintStyled(cr, polygon({{-13, -11}, {13, -11}, {8, -6}, {-8, -6}}), colour::midGrey, {.bevel = 1.0, .outline = 0.9});
  // Deck.
  paintStyled(cr, roundedRect(-15, -14, 30, 4, 1.5), colour::lightGrey,
              {.bevel = 0.8, .outline = 0.9});
  // Hazard stripes along the deck's edge.
  cairo_save(cr);
  cairo_rectangle(cr, -13, -12, 26, 1.6);
  cairo_clip(cr);
  for (double x = -15; x < 15; x += 3) {
    fillFlat(cr, polygon({{x, -10.4}, {x + 1.5, -12}, {x + 3, -12}, {x + 1.5, -10.4}}),
             colour::ink);
    fillFlat(cr, polygon({{x + 1.5, -10.4}, {x + 3, -12}, {x + 4.5, -12}, {x + 3, -10.4}}),
             colour::yellow);
  }
  cairo_restore(cr);
  // Landing lights at both ends.
  for (double x : {-11.0, 11.0}) {
    fillFlat(cr, circle(x, -8.5, 0.9), colour::lime);
  }
}

}  // namespace

Catalog jetpacPictures() {
  // The first stands; the next three complete the stride.
  const Stride walk[] = {{-3.0, 15.5, 2.5, 15.5, 0.0},
                         {-5.5, 15.0, 5.0, 15.5, 0.5},
                         {-1.0, 15.5, 0.5, 14.0, 0.0},
                         {4.0, 15.5, -4.5, 15.0, 0.5}};
  Catalog out = {{sprite::kJetpacPad, landingPad},        {sprite::kJetpacAlien, cyclops},
                 {sprite::kJetpacAlien + 1, saucerJelly}, {sprite::kJetpacAlien + 2, urchin},
                 {sprite::kJetpacAlien + 3, crab},        {sprite::kJetpacAlien + 4, squid},
                 {sprite::kJetpacAlien + 5, starBug}};
  for (int i = 0; i < 4; ++i) {
    const Stride s = walk[i];
    out.push_back({sprite::kJetpacSpaceman + i, [s](cairo_t* cr) { spaceman(cr, s, false); }});
  }
  // In the air the legs dangle forward, clear of the jet.
  const Stride air{-0.5, 13.5, 4.0, 14.5, 1.0};
  out.push_back({sprite::kJetpacSpaceman + 4, [air](cairo_t* cr) { spaceman(cr, air, false); }});
  out.push_back({sprite::kJetpacSpaceman + 5, [air](cairo_t* cr) { spaceman(cr, air, true); }});
  return out;
}

}  // namespace sprites
