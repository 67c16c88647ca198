// Path builders in tier-1 cell units. Every closed shape runs clockwise on screen, so
// shapes combined with `merged` join into one silhouette under the non-zero fill rule.
#pragma once

#include <initializer_list>
#include <vector>

#include "style.h"

namespace sprites_a {

struct Point {
  double x = 0, y = 0;
};

Path circle(double cx, double cy, double radius);
Path ellipse(double cx, double cy, double rx, double ry);
Path rect(double x, double y, double width, double height);
Path roundedRect(double x, double y, double width, double height, double radius);
Path polygon(std::vector<Point> points);
// A star of `points` tips, the first tip at `turnDegrees` clockwise from straight up.
Path star(double cx, double cy, int points, double outer, double inner, double turnDegrees = 0);
// A closed shape through the points, smoothed with Catmull-Rom curves.
Path blob(std::vector<Point> points);
// Open paths for `stroke`.
Path line(double x0, double y0, double x1, double y1);
Path polyline(std::vector<Point> points);
Path arc(double cx, double cy, double radius, double fromDegrees, double toDegrees);
Path curve(Point from, Point control1, Point control2, Point to);

Path merged(std::initializer_list<Path> parts);
Path moved(const Path& path, double dx, double dy);

}  // namespace sprites_a
