// The four ground tiles. Jump lays them side by side every 64 units at scale 2 (tile i
// shows the first + i mod 4) and Jetpac picks one at random per floor column, so each tile is
// exactly 32 px wide and all four share the same edge profile: they join in any order.
//
// The turf's top is at y -13: Jump rests its wheel (radius 13.5, centre 40 units above the
// tile's centre at scale 2) on it, and Jetpac's spaceman, whose feet are at +16, stands
// on it. Grass tufts rise above it only away from the edges.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

constexpr double kLeft = -16, kRight = 16, kTop = -13, kBottom = 16;
// A whole pixel, so tiles meet exactly at every tier.
constexpr double kEdgeLine = 1.0;
constexpr Rgb kSoil = colour::brown;
constexpr Rgb kDeepSoil = mix(colour::brown, colour::ink, 0.35);

// Lower edge of the turf band: periodic over the tile so every tile meets every other.
double turfEdge(double x) { return -7.5 + 1.3 * std::sin((x - kLeft) * M_PI / 8); }

void paintSoilAndTurf(cairo_t* cr) {
  // Nothing may stray past the tile's sides, or neighbours would overlap.
  cairo_rectangle(cr, kLeft, -20, kRight - kLeft, 40);
  cairo_clip(cr);
  fillFlat(cr, rect(kLeft, kTop, kRight - kLeft, kBottom - kTop),
           kSoil);
  // A darker stratum toward the bottom, the same across every tile.
  fillFlat(cr, [](cairo_t* c) {
    cairo_move_to(c, kLeft, 7);
    for (double x = kLeft; x <= kRight; x += 1) cairo_line_to(c, x, 7 + std::sin(x * M_PI / 16) * 1.0);
    cairo_line_to(c, kRight, kBottom);
    cairo_line_to(c, kLeft, kBottom);
    cairo_close_path(c);
  }, kDeepSoil);
  fillFlat(cr, [](cairo_t* c) {
    cairo_move_to(c, kLeft, kTop);
    cairo_line_to(c, kRight, kTop);
    for (double x = kRight; x >= kLeft; x -= 0.5) cairo_line_to(c, x, turfEdge(x));
    cairo_close_path(c);
  }, colour::green);
  // Lit top rim of the turf under an ink outline.
  fillFlat(cr, rect(kLeft, kTop, kRight - kLeft, 1.6),
           colour::lime);
  fillFlat(cr, rect(kLeft, kTop - kEdgeLine, kRight - kLeft, kEdgeLine),
           colour::ink);
  // Shadow under the turf.
  strokeFlat(cr, [](cairo_t* c) {
    for (double x = kLeft; x <= kRight; x += 0.5) {
      if (x == kLeft) cairo_move_to(c, x, turfEdge(x) + 0.5);
      else cairo_line_to(c, x, turfEdge(x) + 0.5);
    }
  }, darker(kSoil, 0.45), 1.0);
}

void pebble(cairo_t* cr, double x, double y, double rx, double ry, Rgb colour) {
  paintStyled(cr, ellipse(x, y, rx, ry), colour,
              {.bevel = 0.8, .outline = 0.8});
}

void tuft(cairo_t* cr, double x, double height) {
  const double base = kTop + 0.8;
  paintStyled(cr, polygon({{x - 2.6, base}, {x - 1.8, base - height * 0.7}, {x - 0.8, base - 0.6},
                    {x, base - height}, {x + 0.8, base - 0.6}, {x + 1.9, base - height * 0.75},
                    {x + 2.6, base}}), colour::green, {.bevel = 0.6, .outline = 0.9});
}

void flower(cairo_t* cr, double x, Rgb petals) {
  const double base = kTop + 0.5;
  strokeFlat(cr, polyline({{x, base}, {x, base - 2.6}}),
             darker(colour::green, 0.3), 0.9);
  paintStyled(cr, star(x, base - 3.2, 5, 1.9, 1.0), petals,
              {.bevel = 0.4, .outline = 0.7});
  fillFlat(cr, circle(x, base - 3.2, 0.6), colour::yellow);
}

void tileWithStones(cairo_t* cr) {
  paintSoilAndTurf(cr);
  pebble(cr, -8, 1.5, 3.0, 2.0, colour::midGrey);
  pebble(cr, 6, 10.5, 2.2, 1.5, colour::lightGrey);
  pebble(cr, 9.5, -1, 1.4, 1.0, colour::midGrey);
  tuft(cr, -4, 3.0);
}

void tileWithFlower(cairo_t* cr) {
  paintSoilAndTurf(cr);
  pebble(cr, 3, 3, 1.8, 1.3, colour::midGrey);
  pebble(cr, -9, 11, 2.6, 1.7, colour::midGrey);
  flower(cr, -6, colour::pink);
  tuft(cr, 7, 2.6);
}

void tileWithRoots(cairo_t* cr) {
  paintSoilAndTurf(cr);
  strokeFlat(cr, [](cairo_t* c) {
    cairo_move_to(c, -3, -7);
    cairo_curve_to(c, -2, -3, -6, -1, -5, 3);
    cairo_move_to(c, -4, -2);
    cairo_curve_to(c, -1, 0, 0, 1, 1, 0);
  }, mix(colour::brown, colour::orange, 0.35), 0.9);
  pebble(cr, 8, 4, 2.6, 1.8, colour::lightGrey);
  tuft(cr, 9, 3.2);
  tuft(cr, -9, 2.2);
}

void tileWithBone(cairo_t* cr) {
  paintSoilAndTurf(cr);
  // A little fossil shell in the soil.
  paintStyled(cr, circle(-2, 2.5, 3.0), colour::lightGrey,
              {.bevel = 0.8, .outline = 0.8});
  strokeFlat(cr, [](cairo_t* c) {
    cairo_arc(c, -2, 2.5, 1.8, 0, M_PI * 1.5);
    cairo_arc(c, -2.4, 2.2, 0.8, M_PI * 1.5, M_PI * 2.8);
  }, colour::midGrey, 0.6);
  pebble(cr, 9, 12, 2.0, 1.3, colour::midGrey);
  flower(cr, 6, colour::yellow);
}

}  // namespace

Catalog groundStripPictures() {
  return {{sprite::kGroundStrip, tileWithStones},
          {sprite::kGroundStrip + 1, tileWithFlower},
          {sprite::kGroundStrip + 2, tileWithRoots},
          {sprite::kGroundStrip + 3, tileWithBone}};
}

}  // namespace sprites
