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
  fillFlat(cr, ellipse(0, 0, rx, ry), colour::white, alpha);
  cairo_restore(cr);
}

void eye(cairo_t* cr, Point centre, double radius, double lookX, double lookY) {
  paintStyled(cr, circle(centre.x, centre.y, radius), colour::white,
              {.bevel = 0, .outline = 0.8});
  const double pupil = radius * 0.55;
  const double reach = radius - pupil - 0.2;
  const double px = centre.x + lookX * reach;
  const double py = centre.y + lookY * reach;
  fillFlat(cr, circle(px, py, pupil), colour::ink);
  fillFlat(cr, circle(px - pupil * 0.35, py - pupil * 0.35, pupil * 0.35),
           colour::white);
}

void eyes(cairo_t* cr, Point left, Point right, double radius, double lookX, double lookY) {
  eye(cr, left, radius, lookX, lookY);
  eye(cr, right, radius, lookX, lookY);
}

}  // namespace zandrel_art
