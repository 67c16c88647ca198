// The house style every generated picture is painted in: flat saturated fills, a lighter
// crescent toward the top-left, a darker one toward the bottom-right, and a deep-ink
// outline outside the shape. All sizes are in tier-1 pixels; each sheet writer scales them
// per tier.
#pragma once

#include <cairo.h>

#include "palette.h"
#include "shapes.h"

namespace zandrel_art {

inline constexpr double kOutline = 1.25;

struct Style {
  double bevel = 2.0;         // width of the highlight and shade crescents
  double outline = kOutline;  // ink outline width outside the shape; 0 for none
};

void setColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
Rgb lighter(Rgb colour, double amount = 0.45);
Rgb darker(Rgb colour, double amount = 0.3);

// A shape in the house style: outline, base fill, shade and highlight crescents.
void paintStyled(cairo_t* cr, const PathFn& path, Rgb base, Style style = {});
// The bevel alone (no outline): for surfaces that must join their neighbours.
void paintBevelled(cairo_t* cr, const PathFn& path, Rgb base, double bevel = 2.0);
// The bevel turned over: shade top-left, light bottom-right, for hollows and slots.
void paintSunken(cairo_t* cr, const PathFn& path, Rgb base, double bevel = 2.0);
// The bevel in neutral greys with no outline, for pictures the program tints.
void paintTintable(cairo_t* cr, const PathFn& path, double bevel = 1.5);
void fillFlat(cairo_t* cr, const PathFn& path, Rgb colour, double alpha = 1.0);
// A thick round-capped line with an ink outline: limbs, handles, stalks.
void strokeStyled(cairo_t* cr, const PathFn& path, Rgb colour, double width,
                  double outline = kOutline);
void strokeFlat(cairo_t* cr, const PathFn& path, Rgb colour, double width, double alpha = 1.0);
// A small soft white oval that makes round things look glossy.
void glint(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.75);

// Two round eyes with ink pupils looking toward (lookX, lookY) (each in -1..1).
void eyes(cairo_t* cr, Point left, Point right, double radius, double lookX = 0,
          double lookY = 0);
void eye(cairo_t* cr, Point centre, double radius, double lookX = 0, double lookY = 0);

}  // namespace zandrel_art
