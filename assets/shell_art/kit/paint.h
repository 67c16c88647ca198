// Painting helpers for the house style: flat fills with a lighter crescent toward the
// top-left, a darker one toward the bottom-right, and a deep-ink outline.
#pragma once

#include <cairo.h>

#include <functional>
#include <initializer_list>
#include <utility>

#include "palette.h"

namespace shell_art {

// Adds a closed shape to the current path; called as often as a style needs it.
using PathFn = std::function<void(cairo_t*)>;

struct Style {
  double bevel = 2.0;     // width of the highlight and shade crescents, in units
  double outline = 1.25;  // ink outline width outside the shape; 0 for none
};

void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
Rgb lighter(Rgb colour, double amount = 0.45);
Rgb darker(Rgb colour, double amount = 0.3);

// Fills the shape in the house style.
void paintStyled(cairo_t* cr, const PathFn& path, Rgb base, Style style = {});
// The same bevel in neutral greys with no outline, for pictures the program tints.
void paintTintable(cairo_t* cr, const PathFn& path, double bevel = 1.5);
// Fills a plain flat shape with no bevel and no outline.
void fillFlat(cairo_t* cr, const PathFn& path, Rgb colour, double alpha = 1.0);
// A stroked line of the given width with an ink outline around it.
void strokeStyled(cairo_t* cr, const PathFn& path, Rgb colour, double width, double outline = 1.25);
// A plain stroked line.
void strokeFlat(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha = 1.0);

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void circlePath(cairo_t* cr, double cx, double cy, double radius);
void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
// A star with the first point straight up when rotation is 0 (degrees, clockwise).
void starPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner,
              double rotationDegrees = 0);
void polygonPath(cairo_t* cr, std::initializer_list<std::pair<double, double>> points);

}  // namespace shell_art
