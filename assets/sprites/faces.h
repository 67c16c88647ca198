// Small recurring details: eyes, mouths, limbs and sparkles, drawn the same way on
// every character so the cast looks like one family.
#pragma once

#include <vector>

#include "kit/glossy.h"

namespace sprites {

using namespace zandrel_art;

// A white eye with an ink pupil looking by (lookX, lookY) (each −1..1) and a glint; its
// rim thins on small eyes so they stay open at tier 1.
void roundEye(cairo_t* cr, double cx, double cy, double radius, double lookX = 0, double lookY = 0);
// A closed, happy eye: an upward arc.
void happyEye(cairo_t* cr, double cx, double cy, double radius);
// A dazed eye: a small ink cross.
void crossEye(cairo_t* cr, double cx, double cy, double radius);
// A smile (or a frown for negative `bend`) between two points.
void mouth(cairo_t* cr, double x0, double y0, double x1, double y1, double bend);
// Rosy cheek spot.
void cheek(cairo_t* cr, double cx, double cy, double radius);
// A four-pointed white twinkle.
void sparkle(cairo_t* cr, double cx, double cy, double size);
// An arm or leg through the given joints: an outlined rounded stroke.
void limb(cairo_t* cr, std::vector<Point> joints, Rgb colour, double width);

}  // namespace sprites
