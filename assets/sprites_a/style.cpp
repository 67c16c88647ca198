#include "style.h"

#include <algorithm>

namespace sprites_a {

Colour mix(Colour from, Colour to, double amount) {
  return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
          from.b + (to.b - from.b) * amount, from.a + (to.a - from.a) * amount};
}

Colour withAlpha(Colour colour, double alpha) {
  colour.a = alpha;
  return colour;
}

// Shading toward the ink rather than toward black keeps the shadows in the family of
// the outline colour, which is what ties the sheets together.
Colour shadeOf(Colour base) { return withAlpha(mix(base, palette::kInk, 0.32), base.a); }

Colour highlightOf(Colour base) { return withAlpha(mix(base, palette::kWhite, 0.55), base.a); }

void setColour(cairo_t* cr, Colour colour) {
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
}

namespace {

void addHighlight(cairo_t* cr, Colour base, double x0, double y0, double width, double height) {
  // An elliptical soft patch: a radial gradient stretched to the shape's proportions.
  const double cx = x0 + width * 0.34;
  const double cy = y0 + height * 0.3;
  const double rx = std::max(width * 0.34, 0.5);
  const double ry = std::max(height * 0.3, 0.5);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* glow = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  const Colour light = highlightOf(base);
  cairo_pattern_add_color_stop_rgba(glow, 0.0, light.r, light.g, light.b, 0.95 * base.a);
  cairo_pattern_add_color_stop_rgba(glow, 0.55, light.r, light.g, light.b, 0.6 * base.a);
  cairo_pattern_add_color_stop_rgba(glow, 1.0, light.r, light.g, light.b, 0.0);
  cairo_set_source(cr, glow);
  cairo_arc(cr, 0, 0, 1, 0, 6.283185307179586);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_restore(cr);
}

}  // namespace

void paint(cairo_t* cr, const Path& path, Colour base, Finish finish) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_new_path(cr);
  path(cr);
  if (finish.outline) {
    // Stroked at twice the width before the fill: the fill then covers the inner half,
    // so the outline sits outside the shape and inner seams of merged parts vanish.
    setColour(cr, withAlpha(palette::kInk, base.a));
    cairo_set_line_width(cr, 2 * finish.outlineWidth);
    cairo_stroke_preserve(cr);
  }
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  const double width = x1 - x0;
  const double height = y1 - y0;
  setColour(cr, finish.shade ? shadeOf(base) : base);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  if (finish.shade) {
    // The base colour shifted up-left leaves a darker crescent at the bottom-right.
    const double offset = std::clamp(std::min(width, height) * 0.14, 0.7, 2.6);
    cairo_save(cr);
    cairo_translate(cr, -offset, -offset);
    cairo_new_path(cr);
    path(cr);
    setColour(cr, base);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  if (finish.highlight) addHighlight(cr, base, x0, y0, width, height);
  cairo_restore(cr);
  cairo_new_path(cr);
}

void fill(cairo_t* cr, const Path& path, Colour colour) {
  cairo_new_path(cr);
  path(cr);
  setColour(cr, colour);
  cairo_fill(cr);
}

void stroke(cairo_t* cr, const Path& path, Colour colour, double width) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_new_path(cr);
  path(cr);
  setColour(cr, colour);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void clipped(cairo_t* cr, const Path& clip, const std::function<void()>& draw) {
  cairo_save(cr);
  cairo_new_path(cr);
  clip(cr);
  cairo_clip(cr);
  draw();
  cairo_restore(cr);
  cairo_new_path(cr);
}

void scaledAboutCentre(cairo_t* cr, double factor, const std::function<void()>& draw) {
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_scale(cr, factor, factor);
  cairo_translate(cr, -20, -20);
  draw();
  cairo_restore(cr);
}

}  // namespace sprites_a
