// Jetpac's spaceman (192..197), drawn at the grid scale U/32 (about 1.18) and mirrored
// when he faces left, so he faces RIGHT here. 192..195 walk (192 is also standing still),
// 196 is in the air with the jetpack off, 197 with the jetpack firing; the game flickers
// between 196 and 197 while thrusting. His feet are at +16, on the floor tiles' turf; the
// laser leaves 8 units above his centre, where he holds the blaster.
#include <cmath>

#include "catalogs.h"
#include "kit/paint.h"

namespace sprites_b {

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
  strokeStyled(cr, [=](cairo_t* c) { polylinePath(c, {hip, knee, {foot.x, foot.y - 3.0}}); }, kSuit,
               3.8);
  paintStyled(cr, [=](cairo_t* c) { roundedRectPath(c, foot.x - 2.2, foot.y - 3.4, 5.0, 3.0, 1.2); },
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
  fillFlat(cr, [=](cairo_t* c) { ellipsePath(c, nozzle.x, nozzle.y + 3.5, 1.6, 3.4); },
           colour::yellow);
}

void spaceman(cairo_t* cr, Stride stride, bool thrusting) {
  const double lift = -stride.bob;
  cairo_save(cr);
  cairo_translate(cr, 0, lift);
  // Jetpack on his back.
  paintStyled(cr, [](cairo_t* c) { roundedRectPath(c, -11, -6, 6, 12, 2.2); }, colour::red,
              {.bevel = 1.2});
  paintStyled(cr, [=](cairo_t* c) { polygonPath(c, {{-9.5, 5}, {-5.5, 5}, {-6.2, 7.2}, {-8.8, 7.2}}); },
              colour::midGrey, {.bevel = 0.5, .outline = 0.9});
  fillFlat(cr, [](cairo_t* c) { cairo_rectangle(c, -10, -3, 4, 1.2); }, colour::yellow);
  cairo_restore(cr);

  // Back leg, body, front leg.
  leg(cr, {-1.5, 6.5 + lift}, {stride.backFootX, stride.backFootY});
  cairo_save(cr);
  cairo_translate(cr, 0, lift);
  paintStyled(cr, [](cairo_t* c) { roundedRectPath(c, -6, -4, 11, 12, 3.5); }, kSuit, {.bevel = 1.4});
  fillFlat(cr, [](cairo_t* c) { cairo_rectangle(c, -6, 5, 11, 1.4); }, colour::darkGrey);
  // Chest badge.
  fillFlat(cr, [](cairo_t* c) { roundedRectPath(c, 0.5, -1.5, 3, 2.6, 0.6); }, colour::sky);
  cairo_restore(cr);
  leg(cr, {1.5, 6.5 + lift}, {stride.frontFootX, stride.frontFootY});

  cairo_save(cr);
  cairo_translate(cr, 0, lift);
  // Helmet with its visor looking right.
  paintStyled(cr, [](cairo_t* c) { circlePath(c, 0.5, -9, 6.5); }, kSuit, {.bevel = 1.6});
  paintStyled(cr, [](cairo_t* c) { roundedRectPath(c, 0.5, -12.5, 6.8, 6.0, 2.8); }, colour::sky,
              {.bevel = 1.2, .outline = 1.0});
  glint(cr, 2.8, -11.0, 1.5, 0.7, 0.9);
  // Antenna.
  strokeFlat(cr, [](cairo_t* c) { polylinePath(c, {{-3, -14}, {-4.2, -16}}); }, colour::ink, 0.9);
  fillFlat(cr, [](cairo_t* c) { circlePath(c, -4.3, -16.2, 1.1); }, colour::lime);
  // Arm holding the blaster forward at shoulder height.
  strokeStyled(cr, [](cairo_t* c) { polylinePath(c, {{-1.5, -1.5}, {3.0, 0.5}, {6.5, -2.5}}); }, kSuit,
               3.2);
  paintStyled(cr, [](cairo_t* c) { roundedRectPath(c, 5.0, -6.2, 8.0, 3.0, 1.0); }, colour::darkGrey,
              {.bevel = 0.6, .outline = 1.0});
  fillFlat(cr, [](cairo_t* c) { cairo_rectangle(c, 11.8, -5.6, 1.6, 1.8); }, colour::lime);
  paintStyled(cr, [](cairo_t* c) { circlePath(c, 6.5, -2.6, 1.7); }, kBoot, {.bevel = 0.5, .outline = 1.0});
  // The flame blazes in front of everything so it reads even behind a trailing leg.
  if (thrusting) flame(cr, {-7.5, 6.5});
  cairo_restore(cr);
}

}  // namespace

Catalog jetpacSpacemanPictures() {
  // 192 stands; 193..195 complete the stride.
  const Stride walk[] = {{-3.0, 15.5, 2.5, 15.5, 0.0},
                         {-5.5, 15.0, 5.0, 15.5, 0.5},
                         {-1.0, 15.5, 0.5, 14.0, 0.0},
                         {4.0, 15.5, -4.5, 15.0, 0.5}};
  Catalog out;
  for (int i = 0; i < 4; ++i) {
    const Stride s = walk[i];
    out.push_back({192 + i, [s](cairo_t* cr) { spaceman(cr, s, false); }});
  }
  // In the air the legs dangle forward, clear of the jet.
  const Stride air{-0.5, 13.5, 4.0, 14.5, 1.0};
  out.push_back({196, [air](cairo_t* cr) { spaceman(cr, air, false); }});
  out.push_back({197, [air](cairo_t* cr) { spaceman(cr, air, true); }});
  return out;
}

}  // namespace sprites_b
