// Qubic (game Q): the hopper (facing LEFT: the game mirrors it to face right) and the
// six cube faces. The cubes are hexagons 32 wide: rows of the pyramid
// sit 24 units apart and half a cube across, so each cube's lower edges meet the top
// faces of the two cubes below it. The hopper stands three quarters of a cell above a
// cube's centre, so its feet touch the bottom of its own picture.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

// Hexagon corners, inset by the outline so a painted cube is exactly 32 wide.
constexpr double kL = 4 + kOutline, kR = 36 - kOutline;
constexpr double kTopY = 4 + kOutline, kBottomY = 36 - kOutline;
constexpr double kUpperY = 12.6, kLowerY = 27.4, kMid = 20;

const Point kTopFaceCentre{20, (kTopY + kMid) / 2};

PathFn topFace() { return polygon({{20, kTopY}, {kR, kUpperY}, {20, kMid}, {kL, kUpperY}}); }
PathFn leftFace() { return polygon({{kL, kUpperY}, {20, kMid}, {20, kBottomY}, {kL, kLowerY}}); }
PathFn rightFace() { return polygon({{20, kMid}, {kR, kUpperY}, {kR, kLowerY}, {20, kBottomY}}); }
PathFn hexagon() {
  return polygon({{20, kTopY}, {kR, kUpperY}, {kR, kLowerY}, {20, kBottomY}, {kL, kLowerY}, {kL, kUpperY}});
}

void cube(cairo_t* cr, Rgb top, Rgb side) {
  paintGlossy(cr, hexagon(), side, {.shade = false, .highlight = false});
  paintGlossy(cr, leftFace(), side, {.outline = false, .highlight = false});
  paintGlossy(cr, rightFace(), shadeOf(side), {.outline = false, .shade = false, .highlight = false});
  paintGlossy(cr, topFace(), top, {.outline = false, .shade = false});
  strokeFlat(cr, polyline({{kL, kUpperY}, {20, kMid}, {kR, kUpperY}}), colour::ink, 0.9);
  strokeFlat(cr, line(20, kMid, 20, kBottomY), colour::ink, 0.9);
  // A light bevel along the top face's upper edges.
  strokeFlat(cr, polyline({{kL + 2, kUpperY}, {20, kTopY + 1}, {kR - 2, kUpperY}}), colour::white, 0.9, 0.35);
}

// The toggling cubes carry an inlaid diamond so they read apart from plain ones.
void inlay(cairo_t* cr) {
  const double cx = kTopFaceCentre.x, cy = kTopFaceCentre.y;
  strokeFlat(cr, polygon({{cx, cy - 3.6}, {cx + 7.2, cy}, {cx, cy + 3.6}, {cx - 7.2, cy}}), colour::white, 1.1, 0.75);
}

void darkCube(cairo_t* cr) { cube(cr, colour::darkGrey, colour::blue); }

void litCube(cairo_t* cr) {
  cube(cr, colour::yellow, colour::blue);
  sparkle(cr, 14, 11, 2.2);
}

void togglingDarkCube(cairo_t* cr) {
  cube(cr, colour::darkGrey, colour::violet);
  inlay(cr);
}

void togglingLitCube(cairo_t* cr) {
  cube(cr, colour::pink, colour::violet);
  inlay(cr);
  sparkle(cr, 14, 11, 2.2);
}

void bomb(cairo_t* cr, bool flash) {
  strokeFlat(cr, curve({22.5, 8.8}, {23.5, 7.2}, {24.5, 7.8}, {25.5, 7.4}), colour::brown, 1.2);
  paintGlossy(cr, circle(20, 12, 4.6), colour::darkGrey);
  fillFlat(cr, roundedRect(18.3, 6.6, 3.4, 2.2, 0.8), colour::midGrey);
  if (flash) {
    fillFlat(cr, star(25.8, 7.2, 6, 2.4, 1.0), colour::yellow);
    fillFlat(cr, circle(25.8, 7.2, 0.9), colour::white);
  } else {
    fillFlat(cr, star(25.8, 7.2, 5, 1.6, 0.8, 20), colour::orange);
  }
}

void bombCubeBright(cairo_t* cr) {
  cube(cr, colour::darkGrey, colour::red);
  bomb(cr, true);
}

void bombCubeWarning(cairo_t* cr) {
  cube(cr, mix(colour::red, colour::darkGrey, 0.35), colour::red);
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
    strokeFlat(cr, line(x + 0.5, 29, x, pose.footY - 1), colour::ink, 1.3);
    paintGlossy(cr, ellipse(x - 1, pose.footY, 3.4, 1.6), colour::orange);
  }
  paintGlossy(cr, ellipse(26.5, 24 - pose.wingLift, 3, 4.2), shadeOf(colour::pink));
  paintGlossy(cr, merged({circle(21.5, 22.5, 9.5), circle(21, 13.2, 1.8), circle(23.5, 13.8, 1.5)}), colour::pink);
  paintGlossy(cr, polygon({{13.5, 20.5}, {13.8, 26.5}, {6.5, 24}}), colour::yellow);
  if (pose.dazed) {
    crossEye(cr, 16.8, 19.5, 2.6);
    fillFlat(cr, blob({{31, 9}, {32.3, 12}, {31, 13.3}, {29.7, 12}}), colour::sky);
    fillFlat(cr, blob({{33.5, 14}, {34.5, 16.3}, {33.5, 17.3}, {32.5, 16.3}}), colour::sky);
  } else {
    roundEye(cr, 16.8, 19.2, 2.9, -0.7, 0);
  }
  cheek(cr, 19.5, 25.5, 1.7);
  paintGlossy(cr, ellipse(27, 23.5 - pose.wingLift * 1.6, 2.6, 3.8), colour::pink, {.shade = false});
}

void hopperStanding(cairo_t* cr) { hopper(cr, {33.1, 0, false}); }
void hopperHopping(cairo_t* cr) { hopper(cr, {31.5, 3, false}); }
void hopperFalling(cairo_t* cr) { hopper(cr, {33.1, 4.5, true}); }

}  // namespace

Catalog qubicPictures() {
  return {
      {sprite::kQubicHopperStanding, fromCellCorner(hopperStanding)},      // hopper standing (faces left)
      {sprite::kQubicHopperHopping, fromCellCorner(hopperHopping)},        // hopper in the air
      {sprite::kQubicHopperFalling, fromCellCorner(hopperFalling)},        // hopper falling
      {sprite::kQubicCubeDark, fromCellCorner(darkCube)},                  // cube, dark
      {sprite::kQubicCubeLit, fromCellCorner(litCube)},                    // cube, lit
      {sprite::kQubicCubeTogglingDark, fromCellCorner(togglingDarkCube)},  // toggling cube, dark
      {sprite::kQubicCubeTogglingLit, fromCellCorner(togglingLitCube)},    // toggling cube, lit
      {sprite::kQubicBomb, fromCellCorner(bombCubeBright)},                // bomb cube, spark bright
      {sprite::kQubicBomb + 1, fromCellCorner(bombCubeWarning)},           // bomb cube, warning glow
  };
}

}  // namespace sprites
