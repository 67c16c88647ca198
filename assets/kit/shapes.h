// Shapes held as values: each returns a path builder to hand to a painting function, so
// a shape can be painted, clipped to or merged with others. Every closed shape runs
// clockwise on screen, so shapes combined with `merged` join into one silhouette under the
// non-zero fill rule.
#pragma once

#include <cairo.h>

#include <functional>
#include <initializer_list>
#include <vector>

namespace zandrel_art {

struct Point {
  double x, y;
};

// Adds one or more closed shapes to the current path. A style calls it several times. A
// path of the kit's shapes is one of the values below; a path of its own is a lambda.
using PathFn = std::function<void(cairo_t*)>;

PathFn circle(double cx, double cy, double radius);
PathFn ellipse(double cx, double cy, double rx, double ry);
PathFn rect(double x, double y, double width, double height);
PathFn roundedRect(double x, double y, double width, double height, double radius);
PathFn polygon(std::vector<Point> points);
// A star of `points` tips, the first tip at `turnDegrees` clockwise from straight up.
PathFn star(double cx, double cy, int points, double outer, double inner, double turnDegrees = 0);
// A heart whose point is at the bottom; size is its full width.
PathFn heart(double cx, double cy, double size);
// A closed shape through the points, smoothed with Catmull-Rom curves.
PathFn blob(std::vector<Point> points);
// Open paths, for strokes.
PathFn line(double x0, double y0, double x1, double y1);
PathFn polyline(std::vector<Point> points);
PathFn arc(double cx, double cy, double radius, double fromDegrees, double toDegrees);
PathFn curve(Point from, Point control1, Point control2, Point to);

PathFn merged(std::initializer_list<PathFn> parts);

}  // namespace zandrel_art
