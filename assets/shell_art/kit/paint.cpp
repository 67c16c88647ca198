#include "paint.h"

#include <cmath>
#include <numbers>

namespace shell_art {

namespace {

// Paints the part of the shape that the shape moved by (dx, dy) does not cover: a crescent
// on the side facing away from the move.
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

void fillWithBevel(cairo_t* cr, const PathFn& path, Rgb base, Rgb light, Rgb shade, double bevel) {
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

void paintStyled(cairo_t* cr, const PathFn& path, Rgb base, Style style) {
  cairo_save(cr);
  if (style.outline > 0) {
    cairo_new_path(cr);
    path(cr);
    setColour(cr, colour::ink);
    cairo_set_line_width(cr, style.outline * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  fillWithBevel(cr, path, base, lighter(base), darker(base), style.bevel);
  cairo_restore(cr);
}

void paintTintable(cairo_t* cr, const PathFn& path, double bevel) {
  fillWithBevel(cr, path, colour::tintLight, colour::tintWhite, colour::tintShade, bevel);
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

void polygonPath(cairo_t* cr, std::initializer_list<std::pair<double, double>> points) {
  cairo_new_sub_path(cr);
  for (const auto& [x, y] : points) cairo_line_to(cr, x, y);
  cairo_close_path(cr);
}

}  // namespace shell_art
