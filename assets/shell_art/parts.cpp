// parts: 256 small white and light-grey sparks, flakes, stars and shards for the star
// field, the snow and the particles, which tint them. Each frame draws its own shape
// from a generator seeded with the frame number, so the sheet is the same on every build
// and no two frames are alike. Shapes keep within 2.9 units of the cell centre.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kCentre = 4;
constexpr double kMaxRadius = 2.9;
constexpr double kDegrees = std::numbers::pi / 180;

// A small deterministic generator (xorshift32) so the sheet never depends on the library.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {
    for (int i = 0; i < 4; ++i) next();
  }
  double between(double low, double high) { return low + (high - low) * (next() / 4294967296.0); }
  int pick(int low, int high) { return low + static_cast<int>(next() % static_cast<std::uint32_t>(high - low + 1)); }

 private:
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  std::uint32_t state_;
};

Rgb pickShade(Dice& dice) {
  const double grey = dice.between(0.86, 1.0);
  return {grey, grey, grey};
}

void drawStar(cairo_t* cr, Dice& dice) {
  const int points = dice.pick(4, 7);
  const double outer = dice.between(2.2, kMaxRadius);
  const double inner = outer * dice.between(0.3, 0.55);
  const double turn = dice.between(0, 90);
  fillFlat(cr, star(kCentre, kCentre, points, outer, inner, turn), pickShade(dice));
}

void drawFlake(cairo_t* cr, Dice& dice) {
  const double arm = dice.between(2.2, kMaxRadius - 0.4);
  const double turn = dice.between(0, 60);
  const double branch = dice.between(0.5, 1.1);
  const bool branched = dice.pick(0, 1) == 1;
  const double width = dice.between(0.8, 1.1);
  strokeFlat(cr, [=](cairo_t* c) {
    for (int i = 0; i < 6; ++i) {
      const double a = (turn + i * 60) * kDegrees;
      const double dx = std::cos(a);
      const double dy = std::sin(a);
      cairo_move_to(c, kCentre, kCentre);
      cairo_line_to(c, kCentre + arm * dx, kCentre + arm * dy);
      if (!branched) continue;
      const double bx = kCentre + arm * 0.6 * dx;
      const double by = kCentre + arm * 0.6 * dy;
      for (double side : {-1.0, 1.0}) {
        const double b = a + side * 45 * kDegrees;
        cairo_move_to(c, bx, by);
        cairo_line_to(c, bx + branch * std::cos(b), by + branch * std::sin(b));
      }
    }
  }, pickShade(dice), width);
}

void drawShard(cairo_t* cr, Dice& dice) {
  const int corners = dice.pick(3, 5);
  const double turn = dice.between(0, 360);
  double radii[5];
  for (int i = 0; i < corners; ++i) radii[i] = dice.between(1.2, kMaxRadius);
  fillFlat(cr, [=](cairo_t* c) {
    cairo_new_sub_path(c);
    for (int i = 0; i < corners; ++i) {
      const double a = (turn + i * 360.0 / corners) * kDegrees;
      cairo_line_to(c, kCentre + radii[i] * std::cos(a), kCentre + radii[i] * std::sin(a));
    }
    cairo_close_path(c);
  }, pickShade(dice));
}

void drawSpark(cairo_t* cr, Dice& dice) {
  const double length = dice.between(2.3, kMaxRadius);
  const double cross = length * dice.between(0.4, 1.0);
  const double turn = dice.between(0, 45);
  fillFlat(cr, [=](cairo_t* c) {
    cairo_save(c);
    cairo_translate(c, kCentre, kCentre);
    cairo_rotate(c, turn * kDegrees);
    polygon({{0, -length}, {0.5, -0.5}, {cross, 0}, {0.5, 0.5}, {0, length}, {-0.5, 0.5}, {-cross, 0}, {-0.5, -0.5}})(c);
    cairo_restore(c);
  }, pickShade(dice));
  fillFlat(cr, circle(kCentre, kCentre, 0.9), colour::white);
}

void drawBlob(cairo_t* cr, Dice& dice) {
  const double rx = dice.between(1.3, kMaxRadius - 0.2);
  const double ry = rx * dice.between(0.7, 1.0);
  const double x = kCentre + dice.between(-0.2, 0.2);
  fillFlat(cr, ellipse(x, kCentre, rx, ry), colour::tintShade);
  fillFlat(cr, ellipse(x - rx * 0.2, kCentre - ry * 0.2, rx * 0.7, ry * 0.7),
           pickShade(dice));
}

void drawDiamond(cairo_t* cr, Dice& dice) {
  const double tall = dice.between(2.0, kMaxRadius);
  const double wide = dice.between(0.9, 2.2);
  const double turn = dice.between(-40, 40);
  fillFlat(cr, [=](cairo_t* c) {
    cairo_save(c);
    cairo_translate(c, kCentre, kCentre);
    cairo_rotate(c, turn * kDegrees);
    polygon({{0, -tall}, {wide, 0}, {0, tall}, {-wide, 0}})(c);
    cairo_restore(c);
  }, pickShade(dice));
}

void drawRing(cairo_t* cr, Dice& dice) {
  const double radius = dice.between(1.5, kMaxRadius - 0.6);
  const double sweep = dice.between(200, 360);
  const double start = dice.between(0, 360);
  const double width = dice.between(0.8, 1.2);
  strokeFlat(cr, [=](cairo_t* c) {
    cairo_arc(c, kCentre, kCentre, radius, start * kDegrees, (start + sweep) * kDegrees);
  }, pickShade(dice), width);
}

// A comet: a round head with a tail tapering to a point.
void drawComet(cairo_t* cr, Dice& dice) {
  const double a = dice.between(0, 360) * kDegrees;
  const double head = dice.between(0.8, 1.3);
  const double length = dice.between(2.0, kMaxRadius - head * 0.5);
  const double dx = std::cos(a);
  const double dy = std::sin(a);
  const double hx = kCentre + dx * (kMaxRadius - head);
  const double hy = kCentre + dy * (kMaxRadius - head);
  const double tx = kCentre - dx * length;
  const double ty = kCentre - dy * length;
  fillFlat(cr, merged({
    polygon({{hx - dy * head, hy + dx * head}, {tx, ty}, {hx + dy * head, hy - dx * head}}),
    circle(hx, hy, head),
  }), pickShade(dice));
}

void drawPartFrame(const FrameContext& context) {
  Dice dice(static_cast<std::uint32_t>(context.frame));
  switch (context.frame % 8) {
    case 0: drawStar(context.cr, dice); break;
    case 1: drawFlake(context.cr, dice); break;
    case 2: drawShard(context.cr, dice); break;
    case 3: drawSpark(context.cr, dice); break;
    case 4: drawBlob(context.cr, dice); break;
    case 5: drawDiamond(context.cr, dice); break;
    case 6: drawRing(context.cr, dice); break;
    default: drawComet(context.cr, dice); break;
  }
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"parts", 8, 8, 256, 16, drawPartFrame}});
}
