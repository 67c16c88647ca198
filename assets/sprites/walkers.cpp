// The walkers that Map and Tower share.
//
// The player: three frames walking toward the viewer, three walking right (mirrored for
// left), three walking away. Map cycles the three frames of a direction; Tower shows the
// first front frame standing (and tumbling when knocked off) and the first side frame
// walking, so the one is a plain standing pose and the other a mid-stride one. Soles end
// at about +14: in Tower the player stands just behind the wall top's front lip.
//
// The three monsters, two frames each. Map alternates the two
// frames every 250 ms; Tower shows the first while a blob climbs and the second, spinning,
// once a log has knocked it off. So the second frame is the same creature with its mouth
// wide open and its arms flung up: a chomp in the maze, a yelp in the fall.
#include <cmath>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

// --- The player -------------------------------------------------------------------------

constexpr Rgb kShirt = colour::blue;
constexpr Rgb kTrousers = mix(colour::blue, colour::ink, 0.45);
constexpr Rgb kCap = colour::red;
constexpr Rgb kHair = colour::brown;
constexpr Rgb kShoe = colour::darkGrey;
constexpr Rgb kPack = colour::yellow;
constexpr double kSole = 13.0;

enum class View { Front, Back, Side };

struct Gait {
  double leftLift, rightLift;  // front and back views: how far each foot is raised
  double frontX, backX;        // side view: foot positions
  double armSwing;             // -1..1
};

void shoe(cairo_t* cr, double x, double lift, double length) {
  paintStyled(cr, ellipse(x, kSole - 1.6 - lift, length, 1.6), kShoe,
              {.bevel = 0.5, .outline = 1.0});
}

void straightLeg(cairo_t* cr, double x, double lift) {
  strokeStyled(cr, polyline({{x, 6.5}, {x, kSole - 2.0 - lift}}), kTrousers, 3.4);
  shoe(cr, x, lift, 2.4);
}

void frontOrBackView(cairo_t* cr, View view, Gait g) {
  const double bob = std::max(g.leftLift, g.rightLift) * 0.3;
  straightLeg(cr, -2.6, g.leftLift);
  straightLeg(cr, 2.6, g.rightLift);
  cairo_save(cr);
  cairo_translate(cr, 0, -bob);
  // Arms swing in the opposite rhythm to the legs.
  for (double side : {-1.0, 1.0}) {
    const double swing = side * g.armSwing;
    strokeStyled(cr, polyline({{side * 5.0, -1.0}, {side * 7.0, 5.0 - swing * 1.5}}),
                 kShirt, 2.8);
    paintStyled(cr, circle(side * 7.2, 6.0 - swing * 1.5, 1.6), colour::skin,
                {.bevel = 0.4, .outline = 1.0});
  }
  paintStyled(cr, roundedRect(-5.5, -2.5, 11, 10, 3), kShirt, {.bevel = 1.4});
  if (view == View::Back) {
    paintStyled(cr, roundedRect(-4.2, -1.5, 8.4, 8.0, 2.2), kPack, {.bevel = 1.0});
    strokeFlat(cr, polyline({{-3, 2.5}, {3, 2.5}}), darker(kPack, 0.3), 0.8);
  } else {
    fillFlat(cr, circle(0, 1.5, 1.6), colour::yellow);
  }
  // Head.
  paintStyled(cr, circle(0, -8.5, 6.2), view == View::Back ? kHair : colour::skin,
              {.bevel = 1.4});
  if (view == View::Front) {
    fillFlat(cr, [](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_arc(c, 0, -8.5, 6.2, M_PI * 1.0, M_PI * 2.0);
      cairo_close_path(c);
    }, kHair);
    fillFlat(cr, ellipse(-2.3, -7.0, 0.8, 1.1), colour::ink);
    fillFlat(cr, ellipse(2.3, -7.0, 0.8, 1.1), colour::ink);
    strokeFlat(cr, [](cairo_t* c) { cairo_arc(c, 0, -5.2, 1.8, M_PI * 0.2, M_PI * 0.8); }, colour::ink, 0.7);
    fillFlat(cr, ellipse(-3.8, -5.0, 1.1, 0.6), colour::pink, 0.6);
    fillFlat(cr, ellipse(3.8, -5.0, 1.1, 0.6), colour::pink, 0.6);
  }
  // Cap: the crown, then the brim toward the viewer or its strap from behind.
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 0, -10.0, 6.0, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(c);
  }, kCap, {.bevel = 1.0});
  if (view == View::Front) {
    paintStyled(cr, ellipse(0, -10.2, 5.4, 1.4), darker(kCap, 0.15),
                {.bevel = 0.4, .outline = 1.0});
  } else {
    strokeFlat(cr, polyline({{-2, -10.5}, {2, -10.5}}), colour::white, 1.0);
  }
  fillFlat(cr, circle(0, -15.8, 1.0), darker(kCap, 0.2));
  cairo_restore(cr);
}

void sideView(cairo_t* cr, Gait g) {
  const double bob = std::abs(g.frontX - g.backX) < 2 ? -0.5 : 0.0;
  auto leg = [&](double footX, Rgb colour) {
    strokeStyled(cr, polyline({{0, 6.5}, {footX * 0.5, 10}, {footX, kSole - 2.0}}),
                 colour, 3.4);
    shoe(cr, footX + 1.0, 0, 2.8);
  };
  // Far arm, far leg, backpack, body, near leg, head, near arm.
  strokeStyled(cr, polyline({{0, -1.0}, {-g.armSwing * 4.0, 5.0}}),
               darker(kShirt, 0.2), 2.8);
  leg(g.backX, darker(kTrousers, 0.2));
  cairo_save(cr);
  cairo_translate(cr, 0, bob);
  paintStyled(cr, roundedRect(-8.0, -2.0, 4.8, 8.5, 2.0), kPack, {.bevel = 1.0});
  paintStyled(cr, roundedRect(-4.0, -2.5, 8.5, 10, 3), kShirt, {.bevel = 1.4});
  cairo_restore(cr);
  leg(g.frontX, kTrousers);
  cairo_save(cr);
  cairo_translate(cr, 0, bob);
  paintStyled(cr, circle(0.5, -8.5, 6.2), colour::skin, {.bevel = 1.4});
  fillFlat(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 0.5, -8.5, 6.2, M_PI * 0.55, M_PI * 1.6);
    cairo_line_to(c, 0.5, -8.0);
    cairo_close_path(c);
  }, kHair);
  fillFlat(cr, ellipse(3.8, -7.2, 0.8, 1.1), colour::ink);
  fillFlat(cr, ellipse(3.2, -4.8, 1.1, 0.6), colour::pink, 0.6);
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, 0.5, -10.0, 6.0, M_PI * 1.05, M_PI * 1.95);
    cairo_close_path(c);
  }, kCap, {.bevel = 1.0});
  paintStyled(cr, ellipse(7.0, -10.4, 3.2, 1.1), darker(kCap, 0.15),
              {.bevel = 0.4, .outline = 1.0});
  strokeStyled(cr, polyline({{0.5, -1.0}, {0.5 + g.armSwing * 4.0, 5.0}}), kShirt, 2.8);
  paintStyled(cr, circle(0.5 + g.armSwing * 4.2, 5.6, 1.6), colour::skin,
              {.bevel = 0.4, .outline = 1.0});
  cairo_restore(cr);
}

// --- The monsters -----------------------------------------------------------------------

enum class Mood { Prowl, Yelp };

void monsterFace(cairo_t* cr, Mood mood, double eyeY, double eyeGap, double eyeSize) {
  const double grow = mood == Mood::Yelp ? 1.2 : 1.0;
  eyes(cr, {-eyeGap, eyeY}, {eyeGap, eyeY}, eyeSize * grow, 0, mood == Mood::Yelp ? -0.4 : 0.3);
  if (mood == Mood::Prowl) {
    // A toothy grin.
    paintStyled(cr, [=](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, -4.5, eyeY + 5.0);
      cairo_curve_to(c, -2.5, eyeY + 8.5, 2.5, eyeY + 8.5, 4.5, eyeY + 5.0);
      cairo_close_path(c);
    }, colour::ink, {.bevel = 0, .outline = 0.4});
    fillFlat(cr, merged({
      polygon({{-3.0, eyeY + 5.4}, {-1.6, eyeY + 7.2}, {-0.6, eyeY + 5.6}}),
      polygon({{3.0, eyeY + 5.4}, {1.6, eyeY + 7.2}, {0.6, eyeY + 5.6}}),
    }), colour::white);
  } else {
    paintStyled(cr, ellipse(0, eyeY + 7.0, 2.8, 3.2), colour::ink,
                {.bevel = 0, .outline = 0.4});
    fillFlat(cr, ellipse(0, eyeY + 8.4, 1.7, 1.2), colour::pink);
  }
}

void stubbyArms(cairo_t* cr, Mood mood, Rgb colour, double shoulderY, double span) {
  for (double side : {-1.0, 1.0}) {
    const Point hand = mood == Mood::Yelp ? Point{side * (span + 3.5), shoulderY - 8.0}
                                          : Point{side * (span + 3.0), shoulderY + 3.5};
    strokeStyled(cr, polyline({{side * span, shoulderY}, hand}), colour, 2.6);
  }
}

void stubbyFeet(cairo_t* cr, Rgb colour) {
  for (double side : {-1.0, 1.0}) {
    paintStyled(cr, ellipse(side * 4.5, 14.8, 3.2, 1.9), colour,
                {.bevel = 0.6});
  }
}

void hornedImp(cairo_t* cr, Mood mood) {
  constexpr Rgb kSkin = colour::red;
  stubbyArms(cr, mood, kSkin, 2.0, 8.0);
  stubbyFeet(cr, darker(kSkin, 0.2));
  for (double side : {-1.0, 1.0}) {
    paintStyled(cr, [side](cairo_t* c) {
      cairo_new_sub_path(c);
      cairo_move_to(c, side * 3.5, -7.5);
      cairo_curve_to(c, side * 5.5, -11.5, side * 8.5, -12.5, side * 9.5, -15.0);
      cairo_curve_to(c, side * 9.0, -11.0, side * 8.5, -8.0, side * 7.5, -6.0);
      cairo_close_path(c);
    }, colour::lightGrey, {.bevel = 0.6, .outline = 1.0});
  }
  paintStyled(cr, blob({{0, -10}, {7.5, -7}, {9.5, 3}, {7, 12}, {0, 14}, {-7, 12}, {-9.5, 3}, {-7.5, -7}}), kSkin);
  monsterFace(cr, mood, -2.5, 3.5, 2.6);
  glint(cr, -4.5, -6.0, 2.0, 1.0, 0.5);
}

void furBall(cairo_t* cr, Mood mood) {
  constexpr Rgb kFur = colour::orange;
  stubbyArms(cr, mood, darker(kFur, 0.1), 3.0, 9.0);
  stubbyFeet(cr, darker(kFur, 0.25));
  paintStyled(cr, star(0, 2.0, 16, 12.5, 10.0, 6), kFur);
  monsterFace(cr, mood, -1.0, 4.0, 3.2);
  fillFlat(cr, merged({
    polygon({{-2.5, -9.5}, {0, -13.5}, {0.5, -9.0}}),
    polygon({{1.0, -9.5}, {4.5, -12.5}, {3.5, -8.5}}),
  }), kFur);
}

void slimeDrip(cairo_t* cr, Mood mood) {
  constexpr Rgb kSlime = colour::teal;
  stubbyArms(cr, mood, kSlime, 3.0, 8.5);
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -9.5, 12.0);
    cairo_curve_to(c, -12.0, 0.0, -8.0, -11.5, 0, -11.5);
    cairo_curve_to(c, 8.0, -11.5, 12.0, 0.0, 9.5, 12.0);
    // A dripping hem.
    cairo_curve_to(c, 9.0, 16.5, 6.5, 16.5, 6.0, 13.0);
    cairo_curve_to(c, 5.0, 16.0, 2.0, 17.0, 1.0, 13.5);
    cairo_curve_to(c, 0.0, 16.5, -3.5, 16.5, -4.0, 13.0);
    cairo_curve_to(c, -5.0, 16.5, -9.0, 16.5, -9.5, 12.0);
    cairo_close_path(c);
  }, kSlime);
  monsterFace(cr, mood, -3.0, 3.6, 2.8);
  glint(cr, -5.0, -6.5, 2.2, 1.0, 0.6);
  fillFlat(cr, circle(6.0, 6.5, 1.2), lighter(kSlime, 0.5), 0.8);
}

}  // namespace

Catalog walkerPictures() {
  Catalog out;
  const Gait still{0, 0, 0, 0, 0};
  const Gait leftStep{1.8, 0, 0, 0, 1};
  const Gait rightStep{0, 1.8, 0, 0, -1};
  const Gait strideA{0, 0, 4.5, -4.5, 1};
  const Gait passing{0, 0, 0.5, -0.5, 0};
  const Gait strideB{0, 0, -4.5, 4.5, -1};
  const Gait fronts[] = {still, leftStep, rightStep};
  const Gait sides[] = {strideA, passing, strideB};
  for (int i = 0; i < 3; ++i) {
    const Gait f = fronts[i];
    const Gait s = sides[i];
    out.push_back({sprite::kWalkerFront + i, [f](cairo_t* cr) { frontOrBackView(cr, View::Front, f); }});
    out.push_back({sprite::kWalkerSide + i, [s](cairo_t* cr) { sideView(cr, s); }});
    out.push_back({sprite::kWalkerBack + i, [f](cairo_t* cr) { frontOrBackView(cr, View::Back, f); }});
  }
  using MonsterFn = void (*)(cairo_t*, Mood);
  const std::pair<int, MonsterFn> monsters[] = {
      {sprite::kWalkerHornedImp, hornedImp}, {sprite::kWalkerFurBall, furBall}, {sprite::kWalkerSlimeDrip, slimeDrip}};
  for (const auto& [sprite, paint] : monsters) {
    out.push_back({sprite, [paint](cairo_t* cr) { paint(cr, Mood::Prowl); }});
    out.push_back({sprite + 1, [paint](cairo_t* cr) { paint(cr, Mood::Yelp); }});
  }
  return out;
}

}  // namespace sprites
