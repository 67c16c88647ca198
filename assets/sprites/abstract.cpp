// Abstract (game A): the walker's four-frame walk (its first frame doubling as the
// standing pose), the hopper that bobs out of the floor and the swinger that turns
// in eighth-turn jumps. Everything is drawn at scale 2 with the floor line at the
// bottom of the picture, so the walker's soles and the hopper's base sit at y 36.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

struct WalkPose {
  std::vector<Point> backLeg, frontLeg, backArm, frontArm;
};

void shoe(cairo_t* cr, Point foot, Rgb colour) {
  paintGlossy(cr, ellipse(foot.x + 1.3, 33.2, 2.8, 1.4), colour, {.highlight = false});
}

void walker(cairo_t* cr, const WalkPose& pose) {
  const Rgb trousers = colour::darkGrey;
  limb(cr, pose.backArm, shadeOf(colour::teal), 2.4);
  limb(cr, pose.backLeg, shadeOf(trousers), 3.0);
  shoe(cr, pose.backLeg.back(), shadeOf(colour::red));
  limb(cr, pose.frontLeg, trousers, 3.0);
  shoe(cr, pose.frontLeg.back(), colour::red);
  paintGlossy(cr, roundedRect(15, 16.5, 10, 10.5, 4), colour::teal);
  fillFlat(cr, rect(15.5, 23.5, 9, 1.5), shadeOf(colour::teal));
  paintGlossy(cr, circle(20.5, 11, 5.4), colour::skin);
  paintGlossy(cr, blob({{15.6, 10.8}, {16.1, 6.9}, {20.5, 5.4}, {25.3, 7.2}, {25.3, 9.3}, {21, 9.1}, {18.5, 11}}),
              colour::violet, {.highlight = false});
  roundEye(cr, 23.2, 11.6, 1.8, 0.6, 0);
  mouth(cr, 22, 14.4, 24.8, 14, 0.7);
  limb(cr, pose.frontArm, colour::teal, 2.4);
}

void walkStanding(cairo_t* cr) {
  walker(cr, {.backLeg = {{19, 26}, {18.5, 30.5}, {18, 33}},
              .frontLeg = {{21.5, 26}, {22, 30.5}, {22.5, 33}},
              .backArm = {{18.5, 19}, {17, 22.5}, {17, 25}},
              .frontArm = {{21.5, 19}, {23, 22.5}, {23.2, 25}}});
}

void walkStrideA(cairo_t* cr) {
  walker(cr, {.backLeg = {{19, 26}, {17, 30}, {14.5, 32.8}},
              .frontLeg = {{21.5, 26}, {24.5, 29.5}, {26, 33}},
              .backArm = {{19, 19}, {22, 21.5}, {24.5, 22.8}},
              .frontArm = {{21, 19}, {18.5, 22.3}, {16.2, 24}}});
}

void walkPassing(cairo_t* cr) {
  walker(cr, {.backLeg = {{19.5, 26}, {22.5, 29}, {20, 31.8}},
              .frontLeg = {{21, 26}, {20.8, 30.5}, {20.5, 33}},
              .backArm = {{19.5, 19}, {19, 22.5}, {18.6, 25}},
              .frontArm = {{20.5, 19}, {21.2, 22.5}, {21.6, 25}}});
}

void walkStrideB(cairo_t* cr) {
  walker(cr, {.backLeg = {{19, 26}, {22, 29.5}, {24.5, 33}},
              .frontLeg = {{21.5, 26}, {18.5, 30}, {15.5, 32.8}},
              .backArm = {{19, 19}, {17, 22.3}, {15, 24}},
              .frontArm = {{21, 19}, {23.5, 21.5}, {26, 22.6}}});
}

void bobber(cairo_t* cr) {
  // Rises out of the floor, so its body runs straight down to the bottom edge.
  const PathFn body = blob(
      {{9, 33}, {8.5, 20}, {12, 10}, {20, 6.5}, {28.5, 9.5}, {32, 19}, {32, 33}, {28, 33.9}, {20, 34}, {13, 33.9}});
  for (double y : {12.0, 18.5, 25.0}) {
    paintGlossy(cr, polygon({{10.5, y - 2.6}, {5.5, y + 0.6}, {10.5, y + 3.2}}), colour::yellow, {.highlight = false});
  }
  paintGlossy(cr, body, colour::red);
  clipped(cr, body, [&] { fillFlat(cr, ellipse(25, 31, 9, 7), highlightOf(colour::red), 0.7); });
  roundEye(cr, 23.5, 15.5, 4.6, 0.75, 0.1);
  strokeFlat(cr, line(18.5, 9.5, 27, 11.5), colour::ink, 1.6);
  const PathFn jaw = roundedRect(21, 22, 10, 5, 2.2);
  paintGlossy(cr, jaw, colour::ink, {.outline = false, .shade = false, .highlight = false});
  for (double x : {22.5, 25.5, 28.5}) fillFlat(cr, polygon({{x, 22}, {x + 2.2, 22}, {x + 1.1, 24.2}}), colour::white);
}

void swinger(cairo_t* cr) {
  paintGlossy(cr, star(20, 20, 4, 14.5, 6.5), colour::violet);
  paintGlossy(cr, circle(20, 20, 7.5), colour::yellow);
  roundEye(cr, 17.4, 18.8, 1.9, 0.2, 0.2);
  roundEye(cr, 22.6, 18.8, 1.9, -0.2, 0.2);
  mouth(cr, 17.5, 23, 22.5, 23, -1.2);
}

}  // namespace

Catalog abstractPictures() {
  return {
      {sprite::kAbstractWalker, fromCellCorner(walkStanding)},     // walker standing / walk 0
      {sprite::kAbstractWalker + 1, fromCellCorner(walkStrideA)},  // walker walk 1
      {sprite::kAbstractWalker + 2, fromCellCorner(walkPassing)},  // walker walk 2
      {sprite::kAbstractWalker + 3, fromCellCorner(walkStrideB)},  // walker walk 3
      {sprite::kAbstractHopper, fromCellCorner(bobber)},           // hopper rising out of the floor
      {sprite::kAbstractSwinger, fromCellCorner(swinger)},         // swinger
  };
}

}  // namespace sprites
