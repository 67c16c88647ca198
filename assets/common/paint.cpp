#include "paint.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zandrel_art {

namespace {

// Paints the part of the shape that the shape moved by (dx, dy) does not cover: a
// crescent on the side away from the move.
void paintCrescent(cairo_t* cr, const PathFn& path, Rgb colour, double dx, double dy) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_clip(cr);
  cairo_push_group(cr);
  setColour(cr, colour);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_translate(cr, dx, dy);
  cairo_new_path(cr);
  path(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  cairo_restore(cr);
}

void fillWithBevel(cairo_t* cr, const PathFn& path, Rgb base, Rgb light, Rgb shade,
                   double bevel) {
  fillFlat(cr, path, base);
  if (bevel <= 0) return;
  paintCrescent(cr, path, shade, -bevel, -bevel);
  paintCrescent(cr, path, light, bevel * 0.8, bevel * 0.8);
}

}  // namespace

void setColour(cairo_t* cr, Rgb colour, double alpha) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, alpha);
}

Rgb lighter(Rgb colour, double amount) { return mix(colour, colour::white, amount); }
Rgb darker(Rgb colour, double amount) { return mix(colour, colour::ink, amount); }

void paintBevelled(cairo_t* cr, const PathFn& path, Rgb base, double bevel) {
  fillWithBevel(cr, path, base, lighter(base), darker(base), bevel);
}

void paintTintable(cairo_t* cr, const PathFn& path, double bevel) {
  fillWithBevel(cr, path, colour::tintLight, colour::tintWhite, colour::tintShade, bevel);
}

void paintSunken(cairo_t* cr, const PathFn& path, Rgb base, double bevel) {
  fillFlat(cr, path, base);
  if (bevel <= 0) return;
  paintCrescent(cr, path, darker(base), bevel, bevel);
  paintCrescent(cr, path, lighter(base, 0.2), -bevel * 0.6, -bevel * 0.6);
}

void paintStyled(cairo_t* cr, const PathFn& path, Rgb base, Style style) {
  if (style.outline > 0) {
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    setColour(cr, colour::ink);
    cairo_set_line_width(cr, style.outline * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  paintBevelled(cr, path, base, style.bevel);
}

void fillFlat(cairo_t* cr, const PathFn& path, Rgb colour, double alpha) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  setColour(cr, colour, alpha);
  cairo_fill(cr);
  cairo_restore(cr);
}

void strokeStyled(cairo_t* cr, const PathFn& path, Rgb colour, double width, double outline) {
  if (outline > 0) strokeFlat(cr, path, colour::ink, width + 2 * outline);
  strokeFlat(cr, path, colour, width);
}

void strokeFlat(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha) {
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  setColour(cr, colour, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void glint(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, -std::numbers::pi / 5);
  fillFlat(cr, [&](cairo_t* c) { ellipsePath(c, 0, 0, rx, ry); }, colour::white, alpha);
  cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min(radius, std::min(w, h) / 2);
  const double quarter = std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -quarter, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, quarter);
  cairo_arc(cr, x + r, y + h - r, r, quarter, 2 * quarter);
  cairo_arc(cr, x + r, y + r, r, 2 * quarter, 3 * quarter);
  cairo_close_path(cr);
}

void circlePath(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
  cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  circlePath(cr, 0, 0, 1);
  cairo_restore(cr);
}

void starPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner,
              double rotationDegrees) {
  const double start = (rotationDegrees - 90) * std::numbers::pi / 180;
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = start + i * std::numbers::pi / points;
    cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
  }
  cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, std::initializer_list<Point> points) {
  cairo_new_sub_path(cr);
  for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

void polygonPath(cairo_t* cr, const std::vector<Point>& points) {
  cairo_new_sub_path(cr);
  for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
  cairo_close_path(cr);
}

void smoothPath(cairo_t* cr, const std::vector<Point>& points) {
  const std::size_t n = points.size();
  if (n < 3) return;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, points[0].x, points[0].y);
  for (std::size_t i = 0; i < n; ++i) {
    const Point& p0 = points[(i + n - 1) % n];
    const Point& p1 = points[i];
    const Point& p2 = points[(i + 1) % n];
    const Point& p3 = points[(i + 2) % n];
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6,
                   p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
  }
  cairo_close_path(cr);
}

void polylinePath(cairo_t* cr, std::initializer_list<Point> points) {
  bool first = true;
  for (const Point& p : points) {
    if (first) cairo_move_to(cr, p.x, p.y);
    else cairo_line_to(cr, p.x, p.y);
    first = false;
  }
}

void heartPath(cairo_t* cr, double cx, double cy, double size) {
  const double s = size / 2;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, cx, cy + s * 0.95);
  cairo_curve_to(cr, cx - s * 0.55, cy + s * 0.55, cx - s * 1.05, cy + s * 0.1, cx - s * 0.98,
                 cy - s * 0.35);
  cairo_curve_to(cr, cx - s * 0.9, cy - s * 0.9, cx - s * 0.2, cy - s * 1.0, cx, cy - s * 0.5);
  cairo_curve_to(cr, cx + s * 0.2, cy - s * 1.0, cx + s * 0.9, cy - s * 0.9, cx + s * 0.98,
                 cy - s * 0.35);
  cairo_curve_to(cr, cx + s * 1.05, cy + s * 0.1, cx + s * 0.55, cy + s * 0.55, cx, cy + s * 0.95);
  cairo_close_path(cr);
}

void eye(cairo_t* cr, Point centre, double radius, double lookX, double lookY) {
  paintStyled(cr, [&](cairo_t* c) { circlePath(c, centre.x, centre.y, radius); }, colour::white,
              {.bevel = 0, .outline = 0.8});
  const double pupil = radius * 0.55;
  const double reach = radius - pupil - 0.2;
  const double px = centre.x + lookX * reach;
  const double py = centre.y + lookY * reach;
  fillFlat(cr, [&](cairo_t* c) { circlePath(c, px, py, pupil); }, colour::ink);
  fillFlat(cr, [&](cairo_t* c) { circlePath(c, px - pupil * 0.35, py - pupil * 0.35, pupil * 0.35); },
           colour::white);
}

void eyes(cairo_t* cr, Point left, Point right, double radius, double lookX, double lookY) {
  eye(cr, left, radius, lookX, lookY);
  eye(cr, right, radius, lookX, lookY);
}

}  // namespace zandrel_art
