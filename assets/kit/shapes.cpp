#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zandrel_art {

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

void addCircle(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * std::numbers::pi);
  cairo_close_path(cr);
}

}  // namespace

PathFn circle(double cx, double cy, double radius) {
  return [=](cairo_t* cr) { addCircle(cr, cx, cy, radius); };
}

PathFn ellipse(double cx, double cy, double rx, double ry) {
  return [=](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    addCircle(cr, 0, 0, 1);
    cairo_restore(cr);
  };
}

PathFn rect(double x, double y, double width, double height) {
  return [=](cairo_t* cr) { cairo_rectangle(cr, x, y, width, height); };
}

PathFn roundedRect(double x, double y, double width, double height, double radius) {
  return [=](cairo_t* cr) {
    const double r = std::min(radius, std::min(width, height) / 2);
    const double quarter = std::numbers::pi / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - r, y + r, r, -quarter, 0);
    cairo_arc(cr, x + width - r, y + height - r, r, 0, quarter);
    cairo_arc(cr, x + r, y + height - r, r, quarter, 2 * quarter);
    cairo_arc(cr, x + r, y + r, r, 2 * quarter, 3 * quarter);
    cairo_close_path(cr);
  };
}

PathFn polygon(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) {
    cairo_new_sub_path(cr);
    for (const Point& p : points) cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
  };
}

PathFn star(double cx, double cy, int points, double outer, double inner, double turnDegrees) {
  return [=](cairo_t* cr) {
    const double start = radians(turnDegrees - 90);
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
      const double radius = i % 2 == 0 ? outer : inner;
      const double angle = start + i * std::numbers::pi / points;
      cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    cairo_close_path(cr);
  };
}

PathFn heart(double cx, double cy, double size) {
  return [=](cairo_t* cr) {
    const double s = size / 2;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, cx, cy + s * 0.95);
    cairo_curve_to(cr, cx - s * 0.55, cy + s * 0.55, cx - s * 1.05, cy + s * 0.1, cx - s * 0.98,
                   cy - s * 0.35);
    cairo_curve_to(cr, cx - s * 0.9, cy - s * 0.9, cx - s * 0.2, cy - s * 1.0, cx, cy - s * 0.5);
    cairo_curve_to(cr, cx + s * 0.2, cy - s * 1.0, cx + s * 0.9, cy - s * 0.9, cx + s * 0.98,
                   cy - s * 0.35);
    cairo_curve_to(cr, cx + s * 1.05, cy + s * 0.1, cx + s * 0.55, cy + s * 0.55, cx, cy + s * 0.95);
    cairo_close_path(cr);
  };
}

PathFn blob(std::vector<Point> points) {
  return [points = std::move(points)](cairo_t* cr) {
    const std::size_t n = points.size();
    if (n < 3) return;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, points[0].x, points[0].y);
    for (std::size_t i = 0; i < n; ++i) {
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
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x, points[i].y);
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

}  // namespace zandrel_art
