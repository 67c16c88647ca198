// Penguin's floating platforms (middle and end) and the two penguin variants:
// A (even-numbered, the leader among them) and B (odd-numbered), each in three walk
// frames and one flying home. Penguins face RIGHT and are
// mirrored when walking left.
//
// A platform is the middle piece with an end piece 31 units to either side (the left one
// mirrored), so all pieces share one edge profile where they join. A penguin stands
// with its centre 17 units above the platform's centre: the ice's top is at y -4 and the
// penguins' feet at +13.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

constexpr double kIceTop = -4.0;
constexpr double kIceBottom = 6.0;
constexpr Rgb kIce = mix(colour::sky, colour::white, 0.45);
constexpr Rgb kSnow = colour::white;
// Ink edges a whole pixel thick, so the pieces' joins match exactly at every tier.
constexpr double kEdgeLine = 1.0;
constexpr double kEndReach = 12.0;

// Lower edge of the snow cap; periodic over 32 px so both ends of every piece match.
double snowEdge(double x) { return -0.8 + 0.9 * std::sin((x + 16) * M_PI / 8); }

void iceBand(cairo_t* cr, double left, double right) {
  fillFlat(cr, rect(left, kIceTop, right - left, kIceBottom - kIceTop),
           kIce);
  fillFlat(cr, rect(left, 2.5, right - left, kIceBottom - 2.5),
           mix(kIce, colour::sky, 0.6));
  fillFlat(cr, [=](cairo_t* c) {
    cairo_move_to(c, left, kIceTop);
    cairo_line_to(c, right, kIceTop);
    for (double x = right; x >= left; x -= 0.5) cairo_line_to(c, x, snowEdge(x));
    cairo_close_path(c);
  }, kSnow);
  // Ink lines along the top and the bottom.
  fillFlat(cr, [=](cairo_t* c) {
    cairo_rectangle(c, left, kIceTop - kEdgeLine, right - left, kEdgeLine);
    cairo_rectangle(c, left, kIceBottom, right - left, kEdgeLine);
  }, colour::ink);
}

void icicle(cairo_t* cr, double x, double length) {
  paintStyled(cr, polygon({{x - 1.6, kIceBottom + 0.6}, {x, kIceBottom + length}, {x + 1.6, kIceBottom + 0.6}}), kIce, {.bevel = 0.5, .outline = 0.9});
}

void platformMiddle(cairo_t* cr) {
  icicle(cr, -9, 4.0);
  icicle(cr, 2, 3.0);
  icicle(cr, 10, 4.5);
  iceBand(cr, -16, 16);
  fillFlat(cr, ellipse(-5, 3.5, 2.5, 0.8), colour::white, 0.6);
}

// Joins the middle on its left edge and stops square, without an outline, 4 units short
// of its cell's edge. Levels space platforms 80 units apart or more, so where two overlap
// their ends continue each other and the row reads as one shelf of ice, and a lone
// platform reaches about as far as a penguin can land on it (42 units from its centre).
void platformEnd(cairo_t* cr) {
  icicle(cr, -6, 4.0);
  icicle(cr, 3, 3.0);
  iceBand(cr, -16, kEndReach);
}

// --- Penguins ---------------------------------------------------------------------------

enum class Variant { A, B };
constexpr Rgb kFeather = mix(colour::blue, colour::ink, 0.55);
// The penguin is modelled with its soles at +14.55; the ice's outlined top lies 17 px
// above the platform's centre plus kIceTop, so the whole bird is raised to stand on it.
constexpr double kStandLift = (17 + kIceTop - kEdgeLine + 0.5) - 14.55;

struct Waddle {
  double tiltDegrees;
  double backLift, frontLift;  // feet raised off the ice
  bool flying;
};

void penguinBody(cairo_t* cr, Variant variant, Waddle w) {
  cairo_save(cr);
  cairo_translate(cr, 0, kStandLift);
  // Feet (orange paddles), the back one first.
  auto foot = [&](double x, double lift) {
    paintStyled(cr, ellipse(x + 1.2, 11.8 - lift, 3.0, 1.5), colour::orange,
                {.bevel = 0.5, .outline = 1.0});
  };
  foot(-3.5, w.backLift);
  cairo_save(cr);
  cairo_translate(cr, 0, 10);
  cairo_rotate(cr, w.tiltDegrees * M_PI / 180);
  cairo_translate(cr, 0, -10);
  if (w.flying) {
    // Both flippers raised high, flapping.
    for (double side : {-1.0, 1.0}) {
      paintStyled(cr, [side](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_move_to(c, side * 5.5, -2);
        cairo_curve_to(c, side * 10, -6, side * 13, -11, side * 13.5, -14);
        cairo_curve_to(c, side * 10, -11, side * 7, -8, side * 5, -5);
        cairo_close_path(c);
      }, kFeather, {.bevel = 0.8});
    }
  }
  paintStyled(cr, blob({{0.5, -11.5}, {6, -8}, {8, 1}, {6.5, 9}, {0, 11.5}, {-6.5, 9}, {-8.5, 1}, {-6, -8}}), kFeather, {.bevel = 2.0});
  // White belly and face, toward the front (right).
  paintBevelled(cr, blob({{2.5, -8.5}, {5.8, -4}, {6.6, 2.5}, {4.5, 9.2}, {-1.5, 10.2}, {-2.5, 3}, {-1.0, -4}}), colour::white, 1.2);
  // Beak and eye.
  paintStyled(cr, polygon({{4.8, -6.6}, {10.5, -4.6}, {4.8, -3.0}}),
              colour::orange, {.bevel = 0.5, .outline = 1.0});
  if (w.flying) {
    strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 2.6, -6.6, 1.3, M_PI * 1.1, M_PI * 1.9); }, colour::ink,
               0.9);
  } else {
    fillFlat(cr, ellipse(2.8, -6.8, 0.9, 1.2), colour::ink);
    fillFlat(cr, circle(2.5, -7.2, 0.35), colour::white);
  }
  fillFlat(cr, ellipse(3.6, -3.4, 1.2, 0.7), colour::pink, 0.6);
  if (!w.flying) {
    // Side flipper.
    paintStyled(cr, [](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, -3.5, -2);
      cairo_curve_to(c, -1.5, 2, -1.5, 6, -4.0, 8);
      cairo_curve_to(c, -6.0, 5, -5.5, 1, -3.5, -2);
      cairo_close_path(c);
    }, mix(kFeather, colour::white, 0.15), {.bevel = 0.6, .outline = 0.9});
  }
  if (variant == Variant::A) {
    // Red scarf with a tail blowing back.
    paintStyled(cr, [](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, -6.8, -3.5);
      cairo_curve_to(c, -2, -1.2, 3, -1.2, 6.6, -3.5);
      cairo_line_to(c, 6.9, -1.3);
      cairo_curve_to(c, 3, 0.8, -2, 0.8, -7.2, -1.3);
      cairo_close_path(c);
    }, colour::red, {.bevel = 0.6, .outline = 1.0});
    paintStyled(cr, polygon({{-5.5, -2.5}, {-11.5, -0.5}, {-10.5, 2.5}, {-5, 0}}),
                colour::red, {.bevel = 0.5, .outline = 1.0});
  } else {
    // Green bobble hat.
    paintStyled(cr, [](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_arc(c, 0.3, -8.5, 5.2, M_PI * 1.05, M_PI * 1.95);
      cairo_close_path(c);
    }, colour::green, {.bevel = 0.8, .outline = 1.0});
    paintStyled(cr, roundedRect(-5.4, -10.0, 11.4, 2.4, 1.2), colour::lime,
                {.bevel = 0.4, .outline = 0.9});
    paintStyled(cr, circle(-0.5, -13.8, 1.7), colour::white,
                {.bevel = 0.5, .outline = 0.9});
  }
  cairo_restore(cr);
  foot(2.5, w.frontLift);
  cairo_restore(cr);
}

}  // namespace

Catalog penguinPictures() {
  Catalog out{{sprite::kPenguinPlatformMiddle, platformMiddle}, {sprite::kPenguinPlatformEnd, platformEnd}};
  const Waddle walk[] = {{-7, 0, 1.5, false}, {7, 1.5, 0, false}, {0, 0, 0, false}};
  const Waddle saved{0, 1.5, 2.5, true};
  for (Variant v : {Variant::B, Variant::A}) {
    const int base = v == Variant::B ? sprite::kPenguinB : sprite::kPenguinA;
    for (int i = 0; i < 3; ++i) {
      const Waddle w = walk[i];
      out.push_back({base + i, [v, w](cairo_t* cr) { penguinBody(cr, v, w); }});
    }
    out.push_back({base + 3, [v, saved](cairo_t* cr) { penguinBody(cr, v, saved); }});
  }
  return out;
}

}  // namespace sprites
