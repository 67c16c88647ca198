// Karate (game K): the fighter, drawn at scale 5 in the middle of the screen. Each stance
// (standing, ducking, jumping) is a run of pictures by strike: 0 none, 1..3 towards the
// right and 5..7 towards the left against opponent kinds 1..3; then the beaten fighter.
// The fighter is never mirrored by the game, so left strikes are painted as mirrored poses.
//
// The opponents walk in at three heights; in the fighter's own pixels their centres sit
// at y -9 (jump), +1 (stand) and +11 (duck), and a strike connects within 12.8 px of the
// centre, so each strike reaches 15..18 px out at its lane's height. The soles rest at
// +16, where the game draws the ground line.
//
// Kind 1 is beaten with a kick, kind 2 with a punch and kind 3 with a ki palm blast.
//
// The three kinds of opponent: red kind 1, teal kind 2, green kind 3.
// They walk in from either side but are never mirrored, so they face the viewer and are
// symmetric. Each kind has its own colour and headgear so it is told apart at a glance.
#include <algorithm>
#include <cmath>
#include <functional>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

enum class Hand { Fist, Palm };
enum class Face { Fierce, Dazed };

struct Limb {
  Point root, joint, end;
};

struct Pose {
  int dir = 0;  // 0 towards the viewer, 1 right, -1 left
  Point head;
  Point chest;  // top centre of the jacket
  Point waist;  // belt line centre
  Limb farArm, nearArm, farLeg, nearLeg;
  Hand hands = Hand::Fist;
  Face face = Face::Fierce;
  bool kiOrb = false;
  Point orb{};
};

constexpr Rgb kGi = mix(colour::white, colour::lightGrey, 0.25);
constexpr Rgb kHair = mix(colour::ink, colour::darkGrey, 0.5);
constexpr Rgb kBelt = mix(colour::ink, colour::darkGrey, 0.35);

Point mirror(Point p) { return {-p.x, p.y}; }
Limb mirror(const Limb& l) { return {mirror(l.root), mirror(l.joint), mirror(l.end)}; }

// The same pose turned to face left; light still comes from the top-left.
Pose mirrored(const Pose& pose) {
  Pose m = pose;
  m.head = mirror(pose.head);
  m.chest = mirror(pose.chest);
  m.waist = mirror(pose.waist);
  m.farArm = mirror(pose.farArm);
  m.nearArm = mirror(pose.nearArm);
  m.farLeg = mirror(pose.farLeg);
  m.nearLeg = mirror(pose.nearLeg);
  m.orb = mirror(pose.orb);
  m.dir = -pose.dir;
  return m;
}

PathFn bend(const Limb& l) {
  return polyline({l.root, l.joint, l.end});
}

void paintLeg(cairo_t* cr, const Limb& leg, double toes) {
  // The trouser leg stops at the ankle so its round end stays above the sole.
  const double sx = leg.end.x - leg.joint.x, sy = leg.end.y - leg.joint.y;
  const double len = std::hypot(sx, sy);
  const double cut = std::min(2.4, len * 0.4);
  const Limb shin{leg.root, leg.joint, {leg.end.x - sx / len * cut, leg.end.y - sy / len * cut}};
  strokeStyled(cr, bend(shin), kGi, 5.0);
  // Bare foot, pointing the way the body faces (outward when facing the viewer).
  const double dx = toes == 0 ? (leg.end.x < leg.root.x ? -1 : 1) : toes;
  paintStyled(cr, ellipse(leg.end.x + dx * 1.2, leg.end.y, 2.6, 1.4),
              colour::skin, {.bevel = 0.6, .outline = kOutline});
}

void paintArm(cairo_t* cr, const Limb& arm, Hand hand) {
  strokeStyled(cr, polyline({arm.root, arm.joint}), kGi, 4.4);
  strokeStyled(cr, polyline({arm.joint, arm.end}), colour::skin, 2.8);
  // Sleeve cuff over the forearm join.
  strokeFlat(cr, polyline({arm.root, arm.joint}), kGi, 4.4);
  if (hand == Hand::Fist) {
    paintStyled(cr, circle(arm.end.x, arm.end.y, 2.2), colour::skin,
                {.bevel = 0.7, .outline = kOutline});
  } else {
    const double angle = std::atan2(arm.end.y - arm.joint.y, arm.end.x - arm.joint.x);
    cairo_save(cr);
    cairo_translate(cr, arm.end.x, arm.end.y);
    cairo_rotate(cr, angle);
    paintStyled(cr, ellipse(0.6, 0, 1.6, 2.4), colour::skin,
                {.bevel = 0.6, .outline = kOutline});
    cairo_restore(cr);
  }
}

void paintTorso(cairo_t* cr, const Pose& pose) {
  const bool front = pose.dir == 0;
  const double shoulder = front ? 5.0 : 3.6;
  const double hip = front ? 3.8 : 3.2;
  const Point c = pose.chest;
  const Point w = pose.waist;
  // Across the body: perpendicular to the spine.
  const double sx = w.x - c.x, sy = w.y - c.y;
  const double len = std::hypot(sx, sy);
  const double ax = -sy / len, ay = sx / len;  // points to the body's left on screen
  const Point neckL{c.x + ax * shoulder, c.y + ay * shoulder};
  const Point neckR{c.x - ax * shoulder, c.y - ay * shoulder};
  const Point hipL{w.x + ax * hip, w.y + ay * hip + 1.2};
  const Point hipR{w.x - ax * hip, w.y - ay * hip + 1.2};
  paintStyled(cr, blob({neckR, {c.x, c.y - 0.8}, neckL, hipL, hipR}),
              kGi, {.bevel = 1.2});
  // Lapels: the jacket's crossing V.
  const double lean = pose.dir;
  strokeFlat(cr, polyline({{c.x - 2.2 + lean, c.y + 0.2},
                     {c.x + lean * 1.5 + 0.6, c.y + (w.y - c.y) * 0.55},
                     {c.x + 2.2 + lean, c.y + 0.2}}), mix(colour::lightGrey, colour::midGrey, 0.5), 0.8);
  // Black belt with its knot.
  strokeStyled(cr, polyline({{hipL.x, w.y}, {hipR.x, w.y}}), kBelt,
               1.6, 0.6);
  const double knot = w.x + (front ? 0.8 : -lean * 1.0);
  strokeFlat(cr, merged({
    polyline({{knot, w.y}, {knot - 1.2, w.y + 3.2}}),
    polyline({{knot, w.y}, {knot + 1.3, w.y + 3.0}}),
  }), kBelt, 1.1);
}

void paintHead(cairo_t* cr, const Pose& pose) {
  const Point h = pose.head;
  const double r = 4.8;
  const double d = pose.dir;
  // Headband tails flutter behind the head.
  const double back = d == 0 ? -1 : -d;
  strokeStyled(cr, [&](cairo_t* c) {
    cairo_move_to(c, h.x + back * 3.5, h.y - 1.6);
    cairo_curve_to(c, h.x + back * 6.5, h.y - 3.5, h.x + back * 7.0, h.y + 0.5, h.x + back * 9.5,
                   h.y - 1.0);
    cairo_move_to(c, h.x + back * 3.5, h.y - 1.0);
    cairo_curve_to(c, h.x + back * 6.0, h.y + 0.5, h.x + back * 7.0, h.y + 2.5, h.x + back * 9.0,
                   h.y + 2.2);
  }, colour::red, 1.2, 0.7);
  paintStyled(cr, circle(h.x, h.y, r), colour::skin, {.bevel = 1.2});
  // Hair: a dark cap over the top of the head, swept back.
  fillFlat(cr, [&](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_arc(c, h.x, h.y, r, M_PI * 1.02, M_PI * 1.98);
    cairo_curve_to(c, h.x + r * 0.5, h.y - r * 0.55, h.x - r * 0.5, h.y - r * 0.55,
                   h.x - r * 1.0, h.y - r * 0.1);
    cairo_close_path(c);
  }, kHair);
  strokeFlat(cr, circle(h.x, h.y, r + 0.0), colour::ink, 1.25);
  // Red headband across the forehead.
  strokeFlat(cr, [&](cairo_t* c) {
    cairo_arc(c, h.x, h.y + 1.6, r * 0.98, M_PI * 1.15, M_PI * 1.85);
  }, colour::red, 1.5);
  const double ex = h.x + d * 1.6;
  const double ey = h.y + 0.6;
  if (pose.face == Face::Dazed) {
    // Swirly cross eyes and a wobbly mouth.
    for (double side : {-1.0, 1.0}) {
      const double x = h.x + side * 1.8;
      strokeFlat(cr, merged({
        polyline({{x - 0.9, ey - 0.9}, {x + 0.9, ey + 0.9}}),
        polyline({{x + 0.9, ey - 0.9}, {x - 0.9, ey + 0.9}}),
      }), colour::ink, 0.7);
    }
    strokeFlat(cr, [&](cairo_t* c) {
      cairo_move_to(c, h.x - 1.6, h.y + 3.0);
      cairo_curve_to(c, h.x - 0.8, h.y + 2.2, h.x - 0.2, h.y + 3.6, h.x + 0.4, h.y + 2.8);
      cairo_curve_to(c, h.x + 0.9, h.y + 2.2, h.x + 1.3, h.y + 3.4, h.x + 1.8, h.y + 2.9);
    }, colour::ink, 0.6);
    return;
  }
  // Determined eyes: short slanted brows over dark dots.
  const double gap = d == 0 ? 1.9 : 1.5;
  for (double side : {-1.0, 1.0}) {
    if (d != 0 && side == -d) {
      // The far eye is half hidden when the head is turned.
      fillFlat(cr, ellipse(ex + side * gap * 0.8, ey, 0.45, 0.75),
               colour::ink);
      continue;
    }
    fillFlat(cr, ellipse(ex + side * gap, ey, 0.6, 0.85), colour::ink);
    strokeFlat(cr, polyline({{ex + side * (gap + 1.0), ey - 1.9}, {ex + side * (gap - 0.9), ey - 1.2}}), colour::ink, 0.6);
  }
  strokeFlat(cr, polyline({{ex - 0.9, h.y + 3.0}, {ex + 0.9, h.y + 3.0}}),
             colour::ink, 0.6);
}

void paintKiOrb(cairo_t* cr, Point at) {
  fillFlat(cr, circle(at.x, at.y, 4.6), colour::sky, 0.35);
  for (int i = 0; i < 8; ++i) {
    const double a = i * M_PI / 4 + M_PI / 8;
    strokeFlat(cr, polyline({{at.x + std::cos(a) * 3.9, at.y + std::sin(a) * 3.9},
                       {at.x + std::cos(a) * 4.9, at.y + std::sin(a) * 4.9}}), colour::yellow, 0.8);
  }
  paintStyled(cr, circle(at.x, at.y, 3.2), colour::sky, {.bevel = 1.0});
  fillFlat(cr, circle(at.x - 0.4, at.y - 0.4, 1.5), colour::white, 0.9);
}

void paintDizzyStars(cairo_t* cr, Point head) {
  const Point stars[] = {{head.x - 6.0, head.y - 6.0}, {head.x + 1.0, head.y - 8.5},
                         {head.x + 7.0, head.y - 5.0}};
  strokeFlat(cr, [&](cairo_t* c) {
    cairo_save(c);
    cairo_translate(c, head.x + 0.5, head.y - 6.5);
    cairo_scale(c, 8.0, 2.2);
    cairo_arc(c, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(c);
  }, colour::lightGrey, 0.6, 0.8);
  for (const Point& s : stars) {
    paintStyled(cr, star(s.x, s.y, 5, 2.6, 1.1), colour::yellow,
                {.bevel = 0.6, .outline = 0.8});
  }
}

void paintFighter(cairo_t* cr, const Pose& pose) {
  const double d = pose.dir;
  if (pose.dir == 0) {
    paintLeg(cr, pose.farLeg, 0);
    paintLeg(cr, pose.nearLeg, 0);
    paintTorso(cr, pose);
    paintHead(cr, pose);
    paintArm(cr, pose.farArm, pose.hands);
    paintArm(cr, pose.nearArm, pose.hands);
  } else {
    paintArm(cr, pose.farArm, pose.hands);
    paintLeg(cr, pose.farLeg, d);
    paintTorso(cr, pose);
    paintLeg(cr, pose.nearLeg, d);
    paintHead(cr, pose);
    paintArm(cr, pose.nearArm, pose.hands);
  }
  if (pose.kiOrb) paintKiOrb(cr, pose.orb);
  if (pose.face == Face::Dazed) paintDizzyStars(cr, pose.head);
}

Pose symmetricPose(Point head, Point chest, Point waist, Limb leftArm, Limb leftLeg) {
  Pose p;
  p.head = head;
  p.chest = chest;
  p.waist = waist;
  p.farArm = leftArm;
  p.nearArm = mirror(leftArm);
  p.farLeg = leftLeg;
  p.nearLeg = mirror(leftLeg);
  return p;
}

// --- Standing (lane 2, opponent centre at +1) -------------------------------------------

Pose standReady() {
  return symmetricPose({0, -11.5}, {0, -6}, {0, 4}, {{-4.5, -5}, {-7.8, 0}, {-3.8, -2.6}},
                       {{-2.5, 4}, {-5.5, 10}, {-7, 14}});
}

Pose standKick() {
  Pose p;
  p.dir = 1;
  p.head = {-4, -11};
  p.chest = {-2.5, -5.5};
  p.waist = {-1, 4};
  p.farLeg = {{-1.5, 4}, {-3, 10}, {-4.5, 14}};
  p.nearLeg = {{0, 3.5}, {7, 1}, {13.5, -0.5}};
  p.farArm = {{-3.5, -4.5}, {-8, -2}, {-11.5, -5}};
  p.nearArm = {{-1.5, -4.5}, {2, -1}, {3.5, -5}};
  return p;
}

Pose standPunch() {
  Pose p;
  p.dir = 1;
  p.head = {1.5, -11.5};
  p.chest = {1, -6};
  p.waist = {0, 4};
  p.farLeg = {{-1, 4}, {-4.5, 10}, {-8, 14}};
  p.nearLeg = {{1, 4}, {6, 9.5}, {8.5, 14}};
  p.farArm = {{-1, -5}, {-3.5, 0}, {0.5, -2}};
  p.nearArm = {{2.5, -5}, {9, -3.5}, {14.5, -3}};
  return p;
}

Pose standPalm() {
  Pose p;
  p.dir = 1;
  p.hands = Hand::Palm;
  p.kiOrb = true;
  p.orb = {14.0, -1.5};
  p.head = {0.5, -11.5};
  p.chest = {0, -6};
  p.waist = {-0.5, 4};
  p.farLeg = {{-2, 4}, {-6, 9}, {-7.5, 14}};
  p.nearLeg = {{1, 4}, {6, 9}, {7.5, 14}};
  p.farArm = {{-1, -5}, {4.5, -3.5}, {9.5, -4}};
  p.nearArm = {{2, -5}, {6, -0.5}, {10, 0.5}};
  return p;
}

// --- Ducking (lane 3, opponent centre at +11) -------------------------------------------

Pose duckReady() {
  return symmetricPose({0, -3}, {0, 1.5}, {0, 9.5}, {{-4.5, 2.5}, {-7.5, 5}, {-3.2, 0.8}},
                       {{-2.5, 9.5}, {-8.5, 9}, {-7, 14}});
}

Pose duckKick() {
  Pose p;
  p.dir = 1;
  p.head = {-3.5, -2};
  p.chest = {-2.5, 2.5};
  p.waist = {-1, 10};
  p.farLeg = {{-2, 10}, {-7, 8.5}, {-6, 14}};
  p.nearLeg = {{0, 10.5}, {7, 12}, {13.5, 13}};
  p.farArm = {{-4.5, 3.5}, {-8.5, 8}, {-10.5, 12.5}};
  p.nearArm = {{-1, 3.5}, {2, 7}, {3, 2}};
  return p;
}

Pose duckPunch() {
  Pose p;
  p.dir = 1;
  p.head = {1, -2.5};
  p.chest = {1, 2};
  p.waist = {0, 10};
  p.farLeg = {{-2, 10}, {-7.5, 9.5}, {-7, 14}};
  p.nearLeg = {{1.5, 10}, {6.5, 8.5}, {7, 14}};
  p.farArm = {{-1, 3}, {-4, 7}, {-0.5, 5.5}};
  p.nearArm = {{2.5, 3}, {9, 6.5}, {14.5, 8.5}};
  return p;
}

Pose duckPalm() {
  Pose p = duckReady();
  p.dir = 1;
  p.hands = Hand::Palm;
  p.kiOrb = true;
  p.orb = {14.0, 8.5};
  p.head = {0.5, -2.5};
  p.chest = {0, 2};
  p.waist = {-0.5, 10};
  p.farArm = {{-1, 3}, {4.5, 5}, {9.5, 6}};
  p.nearArm = {{2, 3}, {6, 8}, {10, 9.5}};
  return p;
}

// --- Jumping (lane 1, opponent centre at -9) --------------------------------------------

Pose jumpReady() {
  Pose p = symmetricPose({0, -12}, {0, -6.5}, {0, 2.5}, {{-4.5, -5.5}, {-8.5, -2}, {-4.5, -4}},
                         {{-2.5, 2.5}, {-6.5, 7}, {-4, 12}});
  return p;
}

Pose jumpKick() {
  Pose p;
  p.dir = 1;
  p.head = {-3.5, -11.5};
  p.chest = {-2, -6.5};
  p.waist = {0, 2};
  p.farLeg = {{-1, 2}, {-2, 8}, {-7, 7}};
  p.nearLeg = {{1, 1.5}, {8, -1.5}, {13.5, -4.5}};
  p.farArm = {{-3.5, -5.5}, {-8, -3.5}, {-11.5, -6.5}};
  p.nearArm = {{-1, -5.5}, {2, -2.5}, {3, -6.5}};
  return p;
}

Pose jumpPunch() {
  Pose p;
  p.dir = 1;
  p.head = {1, -12};
  p.chest = {1, -6.5};
  p.waist = {0, 2.5};
  p.farLeg = {{-1, 2.5}, {-5.5, 6.5}, {-3.5, 11.5}};
  p.nearLeg = {{1, 2.5}, {6.5, 5.5}, {3.5, 11.5}};
  p.farArm = {{-1, -5.5}, {-4, -1.5}, {-0.5, -3}};
  p.nearArm = {{2.5, -5.5}, {9, -5.5}, {14.5, -5.5}};
  return p;
}

Pose jumpPalm() {
  Pose p = jumpReady();
  p.dir = 1;
  p.hands = Hand::Palm;
  p.kiOrb = true;
  p.orb = {14.0, -5};
  p.head = {0.5, -12};
  p.chest = {0, -6.5};
  p.waist = {-0.5, 2.5};
  p.farArm = {{-1, -5.5}, {4.5, -4}, {9.5, -6}};
  p.nearArm = {{2, -5.5}, {6, -1.5}, {10, -3}};
  return p;
}

Pose beaten() {
  Pose p = symmetricPose({1.2, -2.5}, {0.4, 3.5}, {0, 12.5}, {{-4.5, 4.5}, {-7.5, 9}, {-9, 13.5}},
                         {{-2.5, 12.5}, {-8, 11}, {-12, 14}});
  p.face = Face::Dazed;
  p.hands = Hand::Palm;
  return p;
}

using PoseFn = Pose (*)();

void addStance(Catalog& out, int base, PoseFn ready, PoseFn kick, PoseFn punch, PoseFn palm) {
  const PoseFn strikes[] = {kick, punch, palm};
  out.push_back({base, [ready](cairo_t* cr) { paintFighter(cr, ready()); }});
  for (int kind = 1; kind <= 3; ++kind) {
    const PoseFn strike = strikes[kind - 1];
    out.push_back({base + kind, [strike](cairo_t* cr) { paintFighter(cr, strike()); }});
    out.push_back({base + 4 + kind, [strike](cairo_t* cr) { paintFighter(cr, mirrored(strike())); }});
  }
}

// Draws a left half (side −1) and its mirror image (side +1).
void bothSides(const std::function<void(double side)>& half) {
  half(-1);
  half(1);
}

void drawNinja(cairo_t* cr, Rgb suit) {
  bothSides([&](double side) {
    limb(cr, {{20 + side * 3, 27}, {20 + side * 6, 31}, {20 + side * 7, 33.6}}, shadeOf(suit), 3.2);
    paintGlossy(cr, ellipse(20 + side * 7.8, 34.2, 2.6, 1.3), colour::ink, {.highlight = false});
  });
  paintGlossy(cr, roundedRect(13.5, 16, 13, 12.5, 4), suit);
  paintGlossy(cr, polygon({{16, 16.5}, {20, 21}, {24, 16.5}}), shadeOf(suit), {.outline = false, .highlight = false});
  fillFlat(cr, rect(13.6, 24, 12.8, 2.2), colour::ink);
  bothSides([&](double side) {
    limb(cr, {{20 + side * 5.5, 18}, {20 + side * 9.5, 21.5}, {20 + side * 9, 16}}, suit, 2.8);
    paintGlossy(cr, circle(20 + side * 9, 15.5, 2.3), colour::skin);
  });
  paintGlossy(cr, circle(20, 10.5, 6.3), suit);
  paintGlossy(cr, roundedRect(14.5, 8.4, 11, 4.4, 2), colour::skin, {.outline = false, .highlight = false});
  bothSides([&](double side) {
    fillFlat(cr, circle(20 + side * 2.6, 10.7, 1.05), colour::ink);
    strokeFlat(cr, line(20 + side * 1.2, 8.9, 20 + side * 4, 9.7), colour::ink, 0.9);
  });
}

// Drawn at 92% so the figure, headgear included, keeps inside its picture area.
void ninja(cairo_t* cr, Rgb suit, const std::function<void()>& headgear) {
  scaledAboutCellCentre(cr, 0.92, [&] {
    drawNinja(cr, suit);
    headgear();
  });
}

void redNinja(cairo_t* cr) {
  ninja(cr, colour::red, [&] { fillFlat(cr, circle(20, 4.9, 1.5), shadeOf(colour::red)); });
}

void tealNinja(cairo_t* cr) {
  ninja(cr, colour::teal, [&] {
    paintGlossy(cr, roundedRect(13.6, 5.8, 12.8, 2.4, 1.1), colour::white, {.highlight = false, .outlineWidth = 0.9});
    fillFlat(cr, circle(20, 7, 1), colour::red);
  });
}

void greenNinja(cairo_t* cr) {
  ninja(cr, colour::green, [&] {
    paintGlossy(cr, polygon({{20, 4.2}, {30, 8.6}, {10, 8.6}}), colour::yellow);
    strokeFlat(cr, line(15, 7.2, 25, 7.2), shadeOf(colour::yellow), 0.8);
  });
}

}  // namespace

Catalog karatePictures() {
  Catalog out = {
      {sprite::kKarateTealNinja, fromCellCorner(tealNinja)},    // opponent kind 2, teal with a headband
      {sprite::kKarateGreenNinja, fromCellCorner(greenNinja)},  // opponent kind 3, green with a straw hat
      {sprite::kKarateRedNinja, fromCellCorner(redNinja)},      // opponent kind 1, red
  };
  addStance(out, sprite::kKarateStanding, standReady, standKick, standPunch, standPalm);
  addStance(out, sprite::kKarateDucking, duckReady, duckKick, duckPunch, duckPalm);
  addStance(out, sprite::kKarateJumping, jumpReady, jumpKick, jumpPunch, jumpPalm);
  out.push_back({sprite::kKarateBeaten, [](cairo_t* cr) { paintFighter(cr, beaten()); }});
  return out;
}

}  // namespace sprites
