#include "shapes.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace sprites {

namespace {
double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }
}  // namespace

PathFn circle(double cx, double cy, double radius) {
  return [=](cairo_t* cr) { circlePath(cr, cx, cy, radius); };
}

PathFn ellipse(double cx, double cy, double rx, double ry) {
  return [=](cairo_t* cr) { ellipsePath(cr, cx, cy, rx, ry); };
}

PathFn rect(double x, double y, double width, double height) {
  return [=](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); };
}

PathFn roundedRect(double x, double y, double width, double height, double radius) {
  return [=](cairo_t* cr) { roundedRectPath(cr, x, y, width, height, radius); };
}

PathFn polygon(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) { polygonPath(cr, points); };
}

PathFn star(double cx, double cy, int points, double outer, double inner, double turnDegrees) {
  std::vector<Point> corners;
  for (int i = 0; i < points * 2; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = radians(turnDegrees + i * 180.0 / points);
    corners.push_back({cx + std::sin(angle) * radius, cy - std::cos(angle) * radius});
  }
  return polygon(std::move(corners));
}

PathFn blob(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) { smoothPath(cr, points); };
}

PathFn line(double x0, double y0, double x1, double y1) {
  return [=](cairo_t* cr) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
  };
}

PathFn polyline(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) {
    if (points.empty()) return;
    cairo_move_to(cr, points[0].x, points[0].y);
    for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
  };
}

PathFn arc(double cx, double cy, double radius, double fromDegrees, double toDegrees) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, radians(fromDegrees), radians(toDegrees));
  };
}

PathFn curve(Point from, Point control1, Point control2, Point to) {
  return [=](cairo_t* cr) {
    cairo_move_to(cr, from.x, from.y);
    cairo_curve_to(cr, control1.x, control1.y, control2.x, control2.y, to.x, to.y);
  };
}

PathFn merged(std::initializer_list<PathFn> parts) {
  std::vector<PathFn> all(parts);
  return [all = std::move(all)](cairo_t* cr) {
    for (const PathFn& part : all) part(cr);
  };
}

}  // namespace sprites
