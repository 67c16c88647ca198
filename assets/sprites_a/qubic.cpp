// Qubic (game Q): the hopper (19..21, facing LEFT: the game mirrors it to face right)
// and the six cube faces (22..27). The cubes are hexagons 32 wide: rows of the pyramid
// sit 24 units apart and half a cube across, so each cube's lower edges meet the top
// faces of the two cubes below it. The hopper stands three quarters of a cell above a
// cube's centre, so its feet touch the bottom of its own picture.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

// Hexagon corners, inset by the outline so a painted cube is exactly 32 wide.
constexpr double kL = 4 + kOutlineWidth, kR = 36 - kOutlineWidth;
constexpr double kTopY = 4 + kOutlineWidth, kBottomY = 36 - kOutlineWidth;
constexpr double kUpperY = 12.6, kLowerY = 27.4, kMid = 20;

const Point kTopFaceCentre{20, (kTopY + kMid) / 2};

Path topFace() { return polygon({{20, kTopY}, {kR, kUpperY}, {20, kMid}, {kL, kUpperY}}); }
Path leftFace() { return polygon({{kL, kUpperY}, {20, kMid}, {20, kBottomY}, {kL, kLowerY}}); }
Path rightFace() { return polygon({{20, kMid}, {kR, kUpperY}, {kR, kLowerY}, {20, kBottomY}}); }
Path hexagon() {
  return polygon({{20, kTopY}, {kR, kUpperY}, {kR, kLowerY}, {20, kBottomY}, {kL, kLowerY}, {kL, kUpperY}});
}

void cube(cairo_t* cr, Colour top, Colour side) {
  paint(cr, hexagon(), side, {.shade = false, .highlight = false});
  paint(cr, leftFace(), side, {.outline = false, .highlight = false});
  paint(cr, rightFace(), shadeOf(side), {.outline = false, .shade = false, .highlight = false});
  paint(cr, topFace(), top, {.outline = false, .shade = false});
  stroke(cr, polyline({{kL, kUpperY}, {20, kMid}, {kR, kUpperY}}), kInk, 0.9);
  stroke(cr, line(20, kMid, 20, kBottomY), kInk, 0.9);
  // A light bevel along the top face's upper edges.
  stroke(cr, polyline({{kL + 2, kUpperY}, {20, kTopY + 1}, {kR - 2, kUpperY}}), withAlpha(kWhite, 0.35), 0.9);
}

// The toggling cubes carry an inlaid diamond so they read apart from plain ones.
void inlay(cairo_t* cr) {
  const double cx = kTopFaceCentre.x, cy = kTopFaceCentre.y;
  stroke(cr, polygon({{cx, cy - 3.6}, {cx + 7.2, cy}, {cx, cy + 3.6}, {cx - 7.2, cy}}), withAlpha(kWhite, 0.75), 1.1);
}

void darkCube(cairo_t* cr) { cube(cr, kDarkGrey, kBlue); }

void litCube(cairo_t* cr) {
  cube(cr, kYellow, kBlue);
  sparkle(cr, 14, 11, 2.2);
}

void togglingDarkCube(cairo_t* cr) {
  cube(cr, kDarkGrey, kViolet);
  inlay(cr);
}

void togglingLitCube(cairo_t* cr) {
  cube(cr, kPink, kViolet);
  inlay(cr);
  sparkle(cr, 14, 11, 2.2);
}

void bomb(cairo_t* cr, bool flash) {
  stroke(cr, curve({22.5, 8.8}, {23.5, 7.2}, {24.5, 7.8}, {25.5, 7.4}), kBrown, 1.2);
  paint(cr, circle(20, 12, 4.6), kDarkGrey);
  fill(cr, roundedRect(18.3, 6.6, 3.4, 2.2, 0.8), kMidGrey);
  if (flash) {
    fill(cr, star(25.8, 7.2, 6, 2.4, 1.0), kYellow);
    fill(cr, circle(25.8, 7.2, 0.9), kWhite);
  } else {
    fill(cr, star(25.8, 7.2, 5, 1.6, 0.8, 20), kOrange);
  }
}

void bombCubeBright(cairo_t* cr) {
  cube(cr, kDarkGrey, kRed);
  bomb(cr, true);
}

void bombCubeWarning(cairo_t* cr) {
  cube(cr, mix(kRed, kDarkGrey, 0.35), kRed);
  bomb(cr, false);
}

// The hopper, facing left. `hop` lifts the feet and raises the wings; `dazed` is the fall.
struct Pose {
  double footY;
  double wingLift;
  bool dazed;
};

void hopper(cairo_t* cr, Pose pose) {
  for (double x : {18.0, 25.0}) {
    stroke(cr, line(x + 0.5, 29, x, pose.footY - 1), kInk, 1.3);
    paint(cr, ellipse(x - 1, pose.footY, 3.4, 1.6), kOrange);
  }
  paint(cr, ellipse(26.5, 24 - pose.wingLift, 3, 4.2), shadeOf(kPink));
  paint(cr, merged({circle(21.5, 22.5, 9.5), circle(21, 13.2, 1.8), circle(23.5, 13.8, 1.5)}), kPink);
  paint(cr, polygon({{13.5, 20.5}, {13.8, 26.5}, {6.5, 24}}), kYellow);
  if (pose.dazed) {
    crossEye(cr, 16.8, 19.5, 2.6);
    fill(cr, blob({{31, 9}, {32.3, 12}, {31, 13.3}, {29.7, 12}}), kSky);
    fill(cr, blob({{33.5, 14}, {34.5, 16.3}, {33.5, 17.3}, {32.5, 16.3}}), kSky);
  } else {
    eye(cr, 16.8, 19.2, 2.9, -0.7, 0);
  }
  cheek(cr, 19.5, 25.5, 1.7);
  paint(cr, ellipse(27, 23.5 - pose.wingLift * 1.6, 2.6, 3.8), kPink, {.shade = false});
}

void hopperStanding(cairo_t* cr) { hopper(cr, {33.1, 0, false}); }
void hopperHopping(cairo_t* cr) { hopper(cr, {31.5, 3, false}); }
void hopperFalling(cairo_t* cr) { hopper(cr, {33.1, 4.5, true}); }

}  // namespace

void addQubicArt(SheetArt& sheet) {
  sheet.add(19, "hopper standing (faces left)", hopperStanding);
  sheet.add(20, "hopper in the air", hopperHopping);
  sheet.add(21, "hopper falling", hopperFalling);
  sheet.add(22, "cube, dark", darkCube);
  sheet.add(23, "cube, lit", litCube);
  sheet.add(24, "toggling cube, dark", togglingDarkCube);
  sheet.add(25, "toggling cube, lit", togglingLitCube);
  sheet.add(26, "bomb cube, spark bright", bombCubeBright);
  sheet.add(27, "bomb cube, warning glow", bombCubeWarning);
}

}  // namespace sprites_a
