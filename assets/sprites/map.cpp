// Map's maze, seen from above on a 32-unit grid at scale 1: untrodden grass, the wall
// and the cleared path are full 32 × 32 tiles that join on every side; the closed coin
// (a locked chest drawn over the grass) and the open coin (also the coins-left icon at
// scale 2) sit in the middle of a cell.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

void fullTile(cairo_t* cr, Rgb colour) {
  fillFlat(cr, rect(-16, -16, 32, 32), colour);
}

void grassBlade(cairo_t* cr, double x, double y, Rgb colour) {
  strokeFlat(cr, merged({
    polyline({{x - 1.6, y + 1.0}, {x - 1.0, y - 1.6}}),
    polyline({{x, y + 1.0}, {x + 0.2, y - 2.4}}),
    polyline({{x + 1.6, y + 1.0}, {x + 1.4, y - 1.4}}),
  }), colour, 0.8);
}

void untroddenGrass(cairo_t* cr) {
  fullTile(cr, colour::green);
  const Rgb dark = darker(colour::green, 0.3);
  const Rgb light = lighter(colour::green, 0.3);
  const Point tufts[] = {{-9, -8}, {6, -10}, {-3, 2}, {10, 5}, {-11, 10}, {3, 11}};
  for (int i = 0; i < 6; ++i) grassBlade(cr, tufts[i].x, tufts[i].y, i % 2 == 0 ? dark : light);
  const Point dots[] = {{0, -4}, {-12, -1}, {12, -3}, {-6, 7}};
  for (const Point& d : dots) {
    fillFlat(cr, circle(d.x, d.y, 0.9), colour::yellow, 0.85);
  }
}

void clearedPath(cairo_t* cr) {
  constexpr Rgb kSand = mix(colour::yellow, colour::brown, 0.3);
  fullTile(cr, kSand);
  const Rgb pebble = mix(kSand, colour::brown, 0.45);
  const double pebbles[][3] = {{-8, -9, 1.4}, {7, -5, 1.0}, {-3, 6, 1.2}, {10, 10, 0.9}, {-12, 4, 0.8}};
  for (const auto& p : pebbles) {
    fillFlat(cr, ellipse(p[0], p[1], p[2] * 1.3, p[2]), pebble);
    fillFlat(cr, ellipse(p[0] - 0.3, p[1] - 0.3, p[2] * 0.6, p[2] * 0.4),
             lighter(kSand, 0.4));
  }
  // A faint footprint pair: this cell has been walked.
  for (double side : {-1.0, 1.0}) {
    fillFlat(cr, ellipse(side * 2.2, side * -1.5, 1.1, 1.8),
             mix(kSand, colour::brown, 0.25));
  }
}

void wall(cairo_t* cr) {
  constexpr Rgb kStone = colour::midGrey;
  fillFlat(cr, rect(-16, -16, 32, 32), colour::ink);
  // Four raised stones with mortar between them.
  const double stones[][4] = {{-15, -15, 17, 14}, {3.5, -15, 11.5, 14}, {-15, 0.5, 10, 14.5},
                              {-3.5, 0.5, 18.5, 14.5}};
  for (const auto& s : stones) {
    paintBevelled(cr, roundedRect(s[0], s[1], s[2], s[3], 2.5), kStone, 2.0);
  }
  fillFlat(cr, ellipse(-6, -4, 2.5, 1.5), colour::green, 0.7);
  fillFlat(cr, ellipse(9, 9, 1.8, 1.1), colour::green, 0.7);
}

void lockedChest(cairo_t* cr) {
  constexpr Rgb kWood = colour::brown;
  paintStyled(cr, roundedRect(-11, -4, 22, 13, 2), kWood);
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -11, -3);
    cairo_curve_to(c, -11, -11, 11, -11, 11, -3);
    cairo_close_path(c);
  }, lighter(kWood, 0.15));
  // Golden bands and a padlock.
  for (double x : {-7.0, 7.0}) {
    fillFlat(cr, [x](cairo_t* c) {
      cairo_rectangle(c, x - 1.3, -8.5, 2.6, 17.2);
    }, colour::yellow);
  }
  strokeFlat(cr, polyline({{-11, -3}, {11, -3}}), colour::ink, 1.0);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 0, -2.5, 2.0, M_PI, 2 * M_PI); }, colour::lightGrey, 1.2);
  paintStyled(cr, roundedRect(-2.8, -2.5, 5.6, 5.0, 1.0), colour::yellow,
              {.bevel = 0.6, .outline = 0.9});
  fillFlat(cr, circle(0, -0.6, 0.8), colour::ink);
}

void goldCoin(cairo_t* cr) {
  paintStyled(cr, circle(0, 0, 10.5), colour::yellow, {.bevel = 2.2});
  strokeFlat(cr, circle(0, 0, 7.5), darker(colour::yellow, 0.2), 1.0);
  paintStyled(cr, star(0, 0.4, 5, 5.2, 2.3), colour::orange,
              {.bevel = 0.6, .outline = 0.0});
  glint(cr, -4.5, -5.0, 2.6, 1.2, 0.85);
  fillFlat(cr, star(9.5, -9.5, 4, 3.2, 0.8), colour::white, 0.95);
}

}  // namespace

Catalog mapPictures() {
  return {{sprite::kMapGrass, untroddenGrass},
          {sprite::kMapWall, wall},
          {sprite::kMapClearedPath, clearedPath},
          {sprite::kMapChest, lockedChest},
          {sprite::kMapCoin, goldCoin}};
}

}  // namespace sprites
