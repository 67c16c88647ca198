// Umbrella (game U): the idle and the active cloud, the lightning flash drawn under a
// cloud (its top hidden behind the cloud), the umbrella and the rain drop, which is also
// the life icon, 12 units apart, so it stays narrow.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

PathFn cloudShape() {
  return merged(
      {circle(13, 21.5, 6.5), circle(20.5, 16.5, 8.2), circle(27.5, 20.5, 6.8), roundedRect(7, 19, 26, 10, 5)});
}

void idleCloud(cairo_t* cr) {
  paintGlossy(cr, cloudShape(), colour::white);
  happyEye(cr, 17, 21, 1.6);
  happyEye(cr, 24, 21, 1.6);
  cheek(cr, 14.5, 24, 1.5);
  cheek(cr, 26.5, 24, 1.5);
}

void activeCloud(cairo_t* cr) {
  paintGlossy(cr, cloudShape(), colour::midGrey);
  fillFlat(cr, circle(17, 21.5, 1.4), colour::ink);
  fillFlat(cr, circle(24, 21.5, 1.4), colour::ink);
  strokeFlat(cr, line(15, 18.2, 18.8, 19.6), colour::ink, 1.1);
  strokeFlat(cr, line(26, 18.2, 22.2, 19.6), colour::ink, 1.1);
  mouth(cr, 18.5, 25.8, 22.5, 25.8, -1.2);
}

void lightning(cairo_t* cr) {
  paintGlossy(cr, polygon({{22.5, 5.5}, {26, 5.5}, {21.5, 16.5}, {27, 16.5}, {15.2, 34.4}, {18.5, 21}, {13.5, 21}}),
              colour::yellow);
  fillFlat(cr, polygon({{22.5, 7}, {24, 7}, {20, 17.5}, {18.6, 17.5}}), colour::white, 0.7);
}

void umbrella(cairo_t* cr) {
  limb(cr, {{20, 18}, {20, 31.2}, {19, 33.1}, {17, 33.4}, {15.8, 32}}, colour::brown, 1.6);
  const PathFn canopy = [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 5.6, 19);
    cairo_curve_to(c, 5.9, 10.5, 12, 7.2, 20, 7.2);
    cairo_curve_to(c, 28, 7.2, 34.1, 10.5, 34.4, 19);
    // Scalloped rim, right to left.
    for (int i = 3; i >= 0; --i) {
      const double x0 = 5.6 + (i + 1) * 7.2, x1 = 5.6 + i * 7.2;
      cairo_curve_to(c, x0 - 1.5, 16.8, x1 + 1.5, 16.8, x1, 19);
    }
    cairo_close_path(c);
  };
  paintGlossy(cr, canopy, colour::red);
  clipped(cr, canopy, [&] {
    fillFlat(cr, polygon({{20, 6}, {12.8, 20}, {16.6, 20}}), colour::white, 0.9);
    fillFlat(cr, polygon({{20, 6}, {27.2, 20}, {31, 20}}), colour::white, 0.9);
  });
  paintGlossy(cr, circle(20, 6.8, 1.2), colour::yellow, {.highlight = false, .outlineWidth = 0.8});
}

void raindrop(cairo_t* cr) {
  const PathFn drop = [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, 20, 12.5);
    cairo_curve_to(c, 21.6, 15.5, 23.8, 18, 23.8, 21.5);
    cairo_curve_to(c, 23.8, 24.5, 21.8, 26.5, 20, 26.5);
    cairo_curve_to(c, 18.2, 26.5, 16.2, 24.5, 16.2, 21.5);
    cairo_curve_to(c, 16.2, 18, 18.4, 15.5, 20, 12.5);
    cairo_close_path(c);
  };
  paintGlossy(cr, drop, colour::sky);
  fillFlat(cr, ellipse(18.4, 21.5, 0.8, 1.7), colour::white, 0.85);
}

}  // namespace

Catalog umbrellaPictures() {
  return {
      {sprite::kUmbrellaCloud, fromCellCorner(idleCloud)},        // cloud, idle
      {sprite::kUmbrellaRainCloud, fromCellCorner(activeCloud)},  // cloud, about to rain
      {sprite::kUmbrellaLightning, fromCellCorner(lightning)},    // lightning
      {sprite::kUmbrellaUmbrella, fromCellCorner(umbrella)},      // umbrella
      {sprite::kUmbrellaDrop, fromCellCorner(raindrop)},          // rain drop (also the life icon)
  };
}

}  // namespace sprites
