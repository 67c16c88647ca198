#include "glossy.h"

#include <algorithm>

namespace zandrel_art {

namespace {

void addHighlight(cairo_t* cr, Rgb base, double alpha, double x0, double y0, double width, double height) {
  // An elliptical soft patch: a radial gradient stretched to the shape's proportions.
  const double cx = x0 + width * 0.34;
  const double cy = y0 + height * 0.3;
  const double rx = std::max(width * 0.34, 0.5);
  const double ry = std::max(height * 0.3, 0.5);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  const Rgb light = highlightOf(base);
  cairo_pattern_add_color_stop_rgba(glow, 0.0, light.r, light.g, light.b, 0.95 * alpha);
  cairo_pattern_add_color_stop_rgba(glow, 0.55, light.r, light.g, light.b, 0.6 * alpha);
  cairo_pattern_add_color_stop_rgba(glow, 1.0, light.r, light.g, light.b, 0.0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_restore(cr);
}

}  // namespace

void paintGlossy(cairo_t* cr, const PathFn& path, Rgb base, Gloss finish, double alpha) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_new_path(cr);
  path(cr);
  if (finish.outline) {
    // Stroked at twice the width before the fill: the fill then covers the inner half,
    // so the outline sits outside the shape and inner seams of merged parts vanish.
    setColour(cr, colour::ink, alpha);
    cairo_set_line_width(cr, 2 * finish.outlineWidth);
    cairo_stroke_preserve(cr);
  }
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  const double width = x1 - x0;
  const double height = y1 - y0;
  setColour(cr, finish.shade ? shadeOf(base) : base, alpha);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  if (finish.shade) {
    // The base colour shifted up-left leaves a darker crescent at the bottom-right.
    const double offset = std::clamp(std::min(width, height) * 0.14, 0.7, 2.6);
    cairo_save(cr);
    cairo_translate(cr, -offset, -offset);
    cairo_new_path(cr);
    path(cr);
    setColour(cr, base, alpha);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  if (finish.highlight) addHighlight(cr, base, alpha, x0, y0, width, height);
  cairo_restore(cr);
  cairo_new_path(cr);
}

void clipped(cairo_t* cr, const PathFn& clip, const std::function<void()>& draw) {
  cairo_save(cr);
  cairo_new_path(cr);
  clip(cr);
  cairo_clip(cr);
  draw();
  cairo_restore(cr);
  cairo_new_path(cr);
}

}  // namespace zandrel_art
