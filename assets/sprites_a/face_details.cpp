#include "face_details.h"

#include <algorithm>
#include <utility>

namespace sprites_a {

using namespace palette;

void eye(cairo_t* cr, double cx, double cy, double radius, double lookX, double lookY) {
  // Small eyes get a finer rim so they stay open at tier 1.
  const double rim = std::min(kOutlineWidth, radius * 0.28);
  paint(cr, circle(cx, cy, radius), kWhite, {.shade = false, .highlight = false, .outlineWidth = rim});
  const double pupil = radius * 0.55;
  const double px = cx + lookX * (radius - pupil) * 0.9;
  const double py = cy + lookY * (radius - pupil) * 0.9;
  fill(cr, circle(px, py, pupil), kInk);
  fill(cr, circle(px - pupil * 0.35, py - pupil * 0.35, pupil * 0.38), kWhite);
}

void happyEye(cairo_t* cr, double cx, double cy, double radius) {
  stroke(cr, arc(cx, cy + radius * 0.4, radius, 200, 340), kInk, radius * 0.55);
}

void crossEye(cairo_t* cr, double cx, double cy, double radius) {
  const double r = radius * 0.75;
  stroke(cr, line(cx - r, cy - r, cx + r, cy + r), kInk, radius * 0.45);
  stroke(cr, line(cx - r, cy + r, cx + r, cy - r), kInk, radius * 0.45);
}

void mouth(cairo_t* cr, double x0, double y0, double x1, double y1, double bend) {
  const double mx = (x0 + x1) / 2;
  const double my = (y0 + y1) / 2 + bend;
  stroke(cr, curve({x0, y0}, {mx - (x1 - x0) * 0.2, my}, {mx + (x1 - x0) * 0.2, my}, {x1, y1}), kInk,
         0.9);
}

void cheek(cairo_t* cr, double cx, double cy, double radius) {
  fill(cr, ellipse(cx, cy, radius, radius * 0.65), withAlpha(kPink, 0.55));
}

void sparkle(cairo_t* cr, double cx, double cy, double size) {
  fill(cr, star(cx, cy, 4, size, size * 0.3), kWhite);
}

void limb(cairo_t* cr, std::vector<Point> joints, Colour colour, double width) {
  const Path path = polyline(std::move(joints));
  stroke(cr, path, kInk, width + 2 * kOutlineWidth);
  stroke(cr, path, colour, width);
}

}  // namespace sprites_a
