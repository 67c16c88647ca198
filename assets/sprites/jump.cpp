// Jump's four bushes and the wheel.
//
// Bushes are drawn at scale 2 with their centre 64 units above the ground tiles' centre,
// so their base sits at +16..+18 among the grass tufts. The wheel crashes into a bush
// within 26 units across, so the bushes stay narrow (about 11 px either side).
//
// The wheel rolls with its centre 40 units above the tiles' centre: a tyre of radius
// 13.5 sits in the turf.
//
// The wheel is both Jump's rolling wheel (scale 1, turning) and Octopus's life icon
// (scale 0.75, three in a row). It is a tyre around a red heart: rolling, its tread and
// bolts show the turn; small and still, it reads as a heart in a ring, a life.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

constexpr double kBushBase = 17.5;

struct Lobe {
  double x, y, r;
};

PathFn lobes(std::initializer_list<Lobe> parts) {
  std::vector<Lobe> list(parts);
  return [list](cairo_t* c) {
    for (const Lobe& l : list) circle(l.x, l.y, l.r)(c);
    // A flat foot so the bush sits on the ground.
    cairo_rectangle(c, -9, kBushBase - 4, 18, 4);
  };
}

void leafyBush(cairo_t* cr) {
  paintStyled(cr, lobes({{-6, 11, 5.5}, {0, 7.5, 7}, {6, 11, 5.5}}), colour::green);
  glint(cr, -2.5, 4.0, 2.2, 1.1, 0.5);
}

void floweringBush(cairo_t* cr) {
  paintStyled(cr, lobes({{-5.5, 12, 5}, {-1.5, 8, 5.5}, {4, 8.5, 5.5}, {7, 12.5, 4.5}}),
              colour::lime);
  const Point blossoms[] = {{-5, 10}, {0, 5.5}, {5, 7.5}, {2, 12.5}, {-1.5, 10}};
  for (const Point& p : blossoms) {
    paintStyled(cr, star(p.x, p.y, 5, 1.9, 1.0), colour::pink,
                {.bevel = 0.4, .outline = 0.7});
    fillFlat(cr, circle(p.x, p.y, 0.55), colour::yellow);
  }
}

void thornBush(cairo_t* cr) {
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    const int spikes = 9;
    for (int i = 0; i <= spikes * 2; ++i) {
      const double a = M_PI + i * M_PI / (spikes * 2);
      const double r = i % 2 == 0 ? 8.0 : 10.5;
      cairo_line_to(c, std::cos(a) * r * 1.05, kBushBase - 3 + std::sin(a) * r * 1.2);
    }
    cairo_line_to(c, 9, kBushBase);
    cairo_line_to(c, -9, kBushBase);
    cairo_close_path(c);
  }, colour::teal);
  strokeFlat(cr, merged({
    polyline({{-4, kBushBase - 1}, {-2, 9}, {-4, 6}}),
    polyline({{3, kBushBase - 1}, {2, 10}, {5, 6.5}}),
  }), darker(colour::teal, 0.45), 0.9);
}

void autumnBush(cairo_t* cr) {
  paintStyled(cr, lobes({{-5, 12, 5}, {1, 7, 6}, {5.5, 12, 5}}), colour::orange);
  const Point berries[] = {{-4, 10}, {3, 6}, {5, 11.5}, {-0.5, 12.5}};
  for (const Point& p : berries) {
    paintStyled(cr, circle(p.x, p.y, 1.3), colour::red,
                {.bevel = 0.4, .outline = 0.7});
  }
  glint(cr, -1.5, 3.5, 2.0, 1.0, 0.5);
}

void heartWheel(cairo_t* cr) {
  constexpr double kTyre = 13.5;
  constexpr double kRim = 9.2;
  paintStyled(cr, circle(0, 0, kTyre), colour::darkGrey, {.bevel = 2.0});
  // Tread blocks across the tyre: they make the turning visible.
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    strokeFlat(cr, polyline({{std::cos(a) * (kRim + 1.2), std::sin(a) * (kRim + 1.2)},
                       {std::cos(a) * (kTyre - 0.8), std::sin(a) * (kTyre - 0.8)}}), mix(colour::darkGrey, colour::ink, 0.55), 1.3);
  }
  paintStyled(cr, circle(0, 0, kRim), colour::yellow,
              {.bevel = 1.4, .outline = 1.0});
  // Four bolts.
  for (int i = 0; i < 4; ++i) {
    const double a = i * M_PI / 2 + M_PI / 4;
    fillFlat(cr, circle(std::cos(a) * 6.8, std::sin(a) * 6.8, 0.9),
             darker(colour::yellow, 0.5));
  }
  paintStyled(cr, heart(0, 0.3, 9.0), colour::red,
              {.bevel = 1.0, .outline = 1.0});
  glint(cr, -2.0, -1.8, 1.3, 0.7, 0.8);
}

}  // namespace

Catalog jumpPictures() {
  return {{sprite::kJumpBush, leafyBush},
          {sprite::kJumpBush + 1, floweringBush},
          {sprite::kJumpBush + 2, thornBush},
          {sprite::kJumpBush + 3, autumnBush},
          {sprite::kJumpWheel, heartWheel}};
}

}  // namespace sprites
