// Zone's pictures: the block, the flyer, the spike, the gem and Vumbo's walk.
//
// Blocks are drawn at scale 2 on a 64-unit grid, so a block is a full 32 × 32 square that
// joins its neighbours on every side. The rest are drawn at scale 1 relative to a block's
// centre: Vumbo lands with his centre 40 units above it (feet at +8 in his cell), the
// spike stands 42 units above it (base at +10), the gem floats 58 units above it.
//
// The flyer is never mirrored and always flies left, so it is painted facing the viewer.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

void block(cairo_t* cr) {
  constexpr Rgb kStone = colour::blue;
  fillFlat(cr, rect(-16, -16, 32, 32), colour::ink);
  paintBevelled(cr, roundedRect(-15, -15, 30, 30, 3), kStone, 2.4);
  // A carved panel with corner studs.
  strokeFlat(cr, roundedRect(-9.5, -9.5, 19, 19, 2.5),
             darker(kStone, 0.35), 1.2);
  strokeFlat(cr, roundedRect(-8.5, -8.5, 19, 19, 2.5),
             lighter(kStone, 0.35), 0.8);
  for (double x : {-11.5, 11.5}) {
    for (double y : {-11.5, 11.5}) {
      fillFlat(cr, circle(x, y, 1.1), lighter(kStone, 0.5));
    }
  }
}

void flyer(cairo_t* cr) {
  // Bat-like wings spread both ways, body in front.
  for (double side : {-1.0, 1.0}) {
    paintStyled(cr, [side](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, side * 4, -4);
      cairo_curve_to(c, side * 9, -11, side * 14, -9, side * 15.5, -6);
      cairo_line_to(c, side * 13, -4);
      cairo_line_to(c, side * 14, 0);
      cairo_line_to(c, side * 10, -1);
      cairo_line_to(c, side * 9.5, 3);
      cairo_line_to(c, side * 6, 1);
      cairo_close_path(c);
    }, colour::violet, {.bevel = 1.0});
  }
  paintStyled(cr, circle(0, -1, 6.5), colour::red, {.bevel = 1.6});
  // Ears and fangs.
  for (double side : {-1.0, 1.0}) {
    paintStyled(cr, polygon({{side * 2.0, -6.5}, {side * 4.5, -10.5}, {side * 5.5, -4.5}}), colour::red, {.bevel = 0.5, .outline = 1.0});
    fillFlat(cr, polygon({{side * 0.6, 2.6}, {side * 2.2, 2.6}, {side * 1.4, 4.6}}), colour::white);
  }
  eyes(cr, {-2.4, -2.2}, {2.4, -2.2}, 1.9, 0, 0.3);
  strokeFlat(cr, merged({
    polyline({{-4.6, -5.0}, {-1.0, -3.8}}),
    polyline({{4.6, -5.0}, {1.0, -3.8}}),
  }), colour::ink, 0.9);
  strokeFlat(cr, polyline({{-2.4, 2.6}, {2.4, 2.6}}), colour::ink, 0.8);
}

void spike(cairo_t* cr) {
  constexpr Rgb kMetal = colour::lightGrey;
  const double tips[][3] = {{-7.0, -3.0, 4.0}, {7.0, -3.0, 4.0}, {0.0, -10.0, 5.0}};
  for (const auto& t : tips) {
    const double x = t[0], top = t[1], half = t[2];
    paintStyled(cr, polygon({{x - half, 6.5}, {x, top}, {x + half, 6.5}}),
                kMetal, {.bevel = 1.2});
  }
  paintStyled(cr, roundedRect(-12, 5.25, 24, 3.5, 1.2), colour::darkGrey,
              {.bevel = 0.8});
}

void gem(cairo_t* cr) {
  constexpr Rgb kGem = colour::pink;
  paintStyled(cr, polygon({{-5, -8}, {5, -8}, {9, -3}, {0, 9}, {-9, -3}}), kGem, {.bevel = 1.6});
  // Facets.
  strokeFlat(cr, merged({
    polyline({{-9, -3}, {9, -3}}),
    polyline({{-5, -8}, {-2.5, -3}, {0, 9}}),
    polyline({{5, -8}, {2.5, -3}, {0, 9}}),
    polyline({{-2.5, -3}, {0, -8}, {2.5, -3}}),
  }), darker(kGem, 0.3), 0.7);
  fillFlat(cr, polygon({{-4.2, -7}, {-1.2, -7}, {-2.8, -3.8}, {-6.8, -3.8}}),
           colour::white, 0.75);
  // A sparkle beside it.
  fillFlat(cr, star(9, -9, 4, 2.8, 0.7), colour::white, 0.9);
}

struct Step {
  double backFootX, frontFootX;
  double backLift, frontLift;  // how far each foot is off the ground
  double bob;                  // body dip
};

void vumbo(cairo_t* cr, Step step) {
  constexpr Rgb kBody = colour::lime;
  constexpr Rgb kFeet = colour::green;
  // Soles, outline included, end at +8 where the block's top edge is.
  const double footY = 8.0 - 1.9 - kOutline;
  auto foot = [&](double x, double lift) {
    paintStyled(cr, ellipse(x + 1.0, footY - lift, 3.4, 1.9),
                kFeet, {.bevel = 0.7});
  };
  foot(step.backFootX, step.backLift);
  cairo_save(cr);
  cairo_translate(cr, 0, step.bob);
  // A leafy sprout on top.
  for (double side : {-1.0, 1.0}) {
    paintStyled(cr, [side](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, 0, -15.5);
      cairo_curve_to(c, side * 1.0, -17.5, side * 4.0, -18.0, side * 4.8, -16.8);
      cairo_curve_to(c, side * 3.5, -15.4, side * 1.5, -15.2, 0, -15.5);
      cairo_close_path(c);
    }, colour::green, {.bevel = 0.4, .outline = 0.9});
  }
  paintStyled(cr, ellipse(0, -6.0, 10.5, 10.5), kBody, {.bevel = 2.2});
  // Big eye looking right, a little smile, a rosy cheek.
  eye(cr, {4.0, -8.0}, 4.3, 0.6, 0.0);
  strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 5.5, -2.0, 2.8, M_PI * 0.1, M_PI * 0.75); }, colour::ink,
             0.9);
  fillFlat(cr, ellipse(-0.5, -1.5, 1.7, 1.0), colour::pink, 0.7);
  // Stubby arm.
  strokeStyled(cr, polyline({{-7.5, -0.5}, {-10.5, 2.0}}), kBody, 2.4, 0.9);
  glint(cr, -5.0, -11.5, 2.4, 1.2, 0.6);
  cairo_restore(cr);
  foot(step.frontFootX, step.frontLift);
}

}  // namespace

Catalog zonePictures() {
  Catalog out{
      {sprite::kZoneBlock, block}, {sprite::kZoneFlyer, flyer}, {sprite::kZoneSpike, spike}, {sprite::kZoneGem, gem}};
  // The first is also the idle picture: both feet down.
  const Step steps[] = {{-4.5, 3.5, 0.0, 0.0, 0.0},
                        {-6.5, 5.5, 0.0, 1.5, 0.6},
                        {-3.0, 2.0, 1.2, 0.0, 0.0},
                        {-1.0, 6.5, 1.5, 0.0, 0.6}};
  for (int i = 0; i < 4; ++i) {
    const Step s = steps[i];
    out.push_back({sprite::kZonePlayer + i, [s](cairo_t* cr) { vumbo(cr, s); }});
  }
  return out;
}

}  // namespace sprites
