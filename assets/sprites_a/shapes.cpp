#include "shapes.h"

#include <cmath>
#include <utility>

namespace sprites_a {

namespace {
constexpr double kPi = 3.14159265358979323846;
double radians(double degrees) { return degrees * kPi / 180.0; }
}  // namespace

Path circle(double cx, double cy, double radius) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_close_path(cr);
  };
}

Path ellipse(double cx, double cy, double rx, double ry) {
  return [=](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_close_path(cr);
    cairo_restore(cr);
  };
}

Path rect(double x, double y, double width, double height) {
  return [=](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); };
}

Path roundedRect(double x, double y, double width, double height, double radius) {
  return [=](cairo_t* cr) {
    const double r = std::fmin(radius, std::fmin(width, height) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + height - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
  };
}

Path polygon(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) {
    if (points.empty()) return;
    cairo_new_sub_path(cr);
    for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
  };
}

Path star(double cx, double cy, int points, double outer, double inner, double turnDegrees) {
  std::vector<Point> corners;
  for (int i = 0; i < points * 2; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = radians(turnDegrees + i * 180.0 / points);
    corners.push_back({cx + std::sin(angle) * radius, cy - std::cos(angle) * radius});
  }
  return polygon(std::move(corners));
}

Path blob(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) {
    const size_t n = points.size();
    if (n < 3) return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (size_t i = 0; i < n; ++i) {
      const Point& p0 = points[(i + n - 1) % n];
      const Point& p1 = points[i];
      const Point& p2 = points[(i + 1) % n];
      const Point& p3 = points[(i + 2) % n];
      cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6,
                     p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
    }
    cairo_close_path(cr);
  };
}

Path line(double x0, double y0, double x1, double y1) {
  return [=](cairo_t* cr) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
  };
}

Path polyline(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) {
    if (points.empty()) return;
    cairo_move_to(cr, points[0].x, points[0].y);
    for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
  };
}

Path arc(double cx, double cy, double radius, double fromDegrees, double toDegrees) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius, radians(fromDegrees), radians(toDegrees));
  };
}

Path curve(Point from, Point control1, Point control2, Point to) {
  return [=](cairo_t* cr) {
    cairo_move_to(cr, from.x, from.y);
    cairo_curve_to(cr, control1.x, control1.y, control2.x, control2.y, to.x, to.y);
  };
}

Path merged(std::initializer_list<Path> parts) {
  std::vector<Path> all(parts);
  return [all = std::move(all)](cairo_t* cr) {
    for (const Path& part : all) part(cr);
  };
}

Path moved(const Path& path, double dx, double dy) {
  return [=](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, dx, dy);
    path(cr);
    cairo_restore(cr);
  };
}

}  // namespace sprites_a
