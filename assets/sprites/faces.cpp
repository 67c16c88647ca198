#include "faces.h"

#include <algorithm>
#include <utility>

namespace sprites {

void roundEye(cairo_t* cr, double cx, double cy, double radius, double lookX, double lookY) {
  // Small eyes get a finer rim so they stay open at tier 1.
  const double rim = std::min(kOutline, radius * 0.28);
  paintGlossy(cr, circle(cx, cy, radius), colour::white, {.shade = false, .highlight = false, .outlineWidth = rim});
  const double pupil = radius * 0.55;
  const double px = cx + lookX * (radius - pupil) * 0.9;
  const double py = cy + lookY * (radius - pupil) * 0.9;
  fillFlat(cr, circle(px, py, pupil), colour::ink);
  fillFlat(cr, circle(px - pupil * 0.35, py - pupil * 0.35, pupil * 0.38), colour::white);
}

void happyEye(cairo_t* cr, double cx, double cy, double radius) {
  strokeFlat(cr, arc(cx, cy + radius * 0.4, radius, 200, 340), colour::ink, radius * 0.55);
}

void crossEye(cairo_t* cr, double cx, double cy, double radius) {
  const double r = radius * 0.75;
  strokeFlat(cr, line(cx - r, cy - r, cx + r, cy + r), colour::ink, radius * 0.45);
  strokeFlat(cr, line(cx - r, cy + r, cx + r, cy - r), colour::ink, radius * 0.45);
}

void mouth(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
  const double mx = (x0 + x1) / 2;
  const double my = (y0 + y1) / 2 + bend;
  strokeFlat(cr, curve({x0, y0}, {mx - (x1 - x0) * 0.2, my}, {mx + (x1 - x0) * 0.2, my}, {x1, y1}), colour::ink, 0.9);
}

void cheek(cairo_t* cr, double cx, double cy, double radius) {
  fillFlat(cr, ellipse(cx, cy, radius, radius * 0.65), colour::pink, 0.55);
}

void sparkle(cairo_t* cr, double cx, double cy, double size) {
  fillFlat(cr, star(cx, cy, 4, size, size * 0.3), colour::white);
}

void limb(cairo_t* cr, std::vector<Point> joints, Rgb colour, double width) {
  const PathFn path = polyline(std::move(joints));
  strokeFlat(cr, path, colour::ink, width + 2 * kOutline);
  strokeFlat(cr, path, colour, width);
}

}  // namespace sprites
