// Things that fly through space: the shot shared by five games, the small ship of
// Waves and Xplode (nose up) and the three asteroids.
#include <cmath>
#include <vector>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

// A round glowing pellet. Every game squashes it with an uneven scale (0.1 × 1 up to
// 1 × 0.2) and turns it along its flight, so only a round picture turns into a clean
// streak in every direction; no outline, or the thin streaks would read as dark lines.
void shot(cairo_t* cr) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(20, 20, 0, 20, 20, 15);
  cairo_pattern_add_color_stop_rgba(glow, 0.0, 1, 1, 1, 1);
  cairo_pattern_add_color_stop_rgba(glow, 0.3, 1, 1, 0.85, 1);
  cairo_pattern_add_color_stop_rgba(glow, 0.55, colour::yellow.r, colour::yellow.g, colour::yellow.b, 1);
  cairo_pattern_add_color_stop_rgba(glow, 0.8, colour::orange.r, colour::orange.g, colour::orange.b, 0.85);
  cairo_pattern_add_color_stop_rgba(glow, 1.0, colour::orange.r, colour::orange.g, colour::orange.b, 0);
  cairo_set_source(cr, glow);
  circle(20, 20, 15)(cr);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
}

void ship(cairo_t* cr) {
  // Pointing up at rotation 0; the games turn it to its heading.
  paintGlossy(cr, polygon({{23, 16}, {33.5, 28}, {33, 33}, {24.5, 29}}), colour::red);
  paintGlossy(cr, polygon({{17, 16}, {15.5, 29}, {7, 33}, {6.5, 28}}), colour::red);
  paintGlossy(cr, blob({{20, 5.6}, {25.5, 15.5}, {26.5, 27}, {20, 31}, {13.5, 27}, {14.5, 15.5}}), colour::lightGrey);
  paintGlossy(cr, polygon({{17.5, 31}, {22.5, 31}, {21.5, 34}, {18.5, 34}}), colour::darkGrey);
  paintGlossy(cr, ellipse(20, 16, 3.2, 4.8), colour::sky);
  sparkle(cr, 19, 14.2, 1.6);
  fillFlat(cr, rect(19.2, 22, 1.6, 5), colour::red);
}

// An irregular round rock: `bumps` radii around the centre, clockwise from the top.
PathFn rock(double cx, double cy, const std::vector<double>& radii) {
  std::vector<Point> points;
  const double step = 2 * 3.14159265358979 / static_cast<double>(radii.size());
  for (size_t i = 0; i < radii.size(); ++i) {
    points.push_back({cx + std::sin(step * i) * radii[i], cy - std::cos(step * i) * radii[i]});
  }
  return blob(points);
}

void crater(cairo_t* cr, double cx, double cy, double radius, Rgb rockColour) {
  fillFlat(cr, circle(cx, cy, radius), shadeOf(rockColour));
  fillFlat(cr, circle(cx + radius * 0.25, cy + radius * 0.25, radius * 0.7), mix(shadeOf(rockColour), rockColour, 0.4));
}

void asteroid(cairo_t* cr, const std::vector<double>& radii, Rgb colour) {
  const PathFn body = rock(20, 20, radii);
  paintGlossy(cr, body, colour);
  clipped(cr, body, [&] {
    crater(cr, 15, 15, 3.2, colour);
    crater(cr, 24.5, 23, 4.2, colour);
    crater(cr, 13.5, 25, 2.2, colour);
    crater(cr, 25, 12.5, 1.8, colour);
  });
}

void asteroidBrown(cairo_t* cr) { asteroid(cr, {13, 14.5, 12, 14, 13.5, 11.5, 14, 12.5, 14.5, 12}, colour::brown); }

void asteroidViolet(cairo_t* cr) {
  asteroid(cr, {14.5, 12, 13.5, 14.5, 11.5, 13.5, 14.5, 12, 13}, mix(colour::midGrey, colour::violet, 0.6));
}

void asteroidIce(cairo_t* cr) { asteroid(cr, {12.5, 14, 13.5, 12, 14.5, 13, 12, 14.5, 13.5, 12.5, 14}, colour::teal); }

}  // namespace

Catalog spacePictures() {
  return {
      {sprite::kShot, fromCellCorner(shot)},               // shot (round glow, squashed into streaks by every game)
      {sprite::kShip, fromCellCorner(ship)},               // small ship, nose up
      {sprite::kAsteroid, fromCellCorner(asteroidBrown)},  // asteroid, brown
      {sprite::kAsteroid + 1, fromCellCorner(asteroidViolet)},  // asteroid, violet
      {sprite::kAsteroid + 2, fromCellCorner(asteroidIce)},     // asteroid, icy
  };
}

}  // namespace sprites
