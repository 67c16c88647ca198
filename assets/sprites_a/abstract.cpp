// Abstract (game A): the walker's four-frame walk (40..43, frame 40 doubling as the
// standing pose), the hopper that bobs out of the floor (44) and the swinger that turns
// in eighth-turn jumps (45). Everything is drawn at scale 2 with the floor line at the
// bottom of the picture, so the walker's soles and the hopper's base sit at y 36.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

struct WalkPose {
  std::vector<Point> backLeg, frontLeg, backArm, frontArm;
};

void shoe(cairo_t* cr, Point foot, Colour colour) {
  paint(cr, ellipse(foot.x + 1.3, 33.2, 2.8, 1.4), colour, {.highlight = false});
}

void walker(cairo_t* cr, const WalkPose& pose) {
  const Colour trousers = kDarkGrey;
  limb(cr, pose.backArm, shadeOf(kTeal), 2.4);
  limb(cr, pose.backLeg, shadeOf(trousers), 3.0);
  shoe(cr, pose.backLeg.back(), shadeOf(kRed));
  limb(cr, pose.frontLeg, trousers, 3.0);
  shoe(cr, pose.frontLeg.back(), kRed);
  paint(cr, roundedRect(15, 16.5, 10, 10.5, 4), kTeal);
  fill(cr, rect(15.5, 23.5, 9, 1.5), shadeOf(kTeal));
  paint(cr, circle(20.5, 11, 5.4), kSkin);
  paint(cr, blob({{15.6, 10.8}, {16.1, 6.9}, {20.5, 5.4}, {25.3, 7.2}, {25.3, 9.3}, {21, 9.1}, {18.5, 11}}), kViolet,
        {.highlight = false});
  eye(cr, 23.2, 11.6, 1.8, 0.6, 0);
  mouth(cr, 22, 14.4, 24.8, 14, 0.7);
  limb(cr, pose.frontArm, kTeal, 2.4);
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
  const Path body = blob({{9, 33}, {8.5, 20}, {12, 10}, {20, 6.5}, {28.5, 9.5}, {32, 19}, {32, 33}, {28, 33.9},
                          {20, 34}, {13, 33.9}});
  for (double y : {12.0, 18.5, 25.0}) {
    paint(cr, polygon({{10.5, y - 2.6}, {5.5, y + 0.6}, {10.5, y + 3.2}}), kYellow, {.highlight = false});
  }
  paint(cr, body, kRed);
  clipped(cr, body, [&] { fill(cr, ellipse(25, 31, 9, 7), withAlpha(highlightOf(kRed), 0.7)); });
  eye(cr, 23.5, 15.5, 4.6, 0.75, 0.1);
  stroke(cr, line(18.5, 9.5, 27, 11.5), kInk, 1.6);
  const Path jaw = roundedRect(21, 22, 10, 5, 2.2);
  paint(cr, jaw, kInk, {.outline = false, .shade = false, .highlight = false});
  for (double x : {22.5, 25.5, 28.5}) fill(cr, polygon({{x, 22}, {x + 2.2, 22}, {x + 1.1, 24.2}}), kWhite);
}

void swinger(cairo_t* cr) {
  paint(cr, star(20, 20, 4, 14.5, 6.5), kViolet);
  paint(cr, circle(20, 20, 7.5), kYellow);
  eye(cr, 17.4, 18.8, 1.9, 0.2, 0.2);
  eye(cr, 22.6, 18.8, 1.9, -0.2, 0.2);
  mouth(cr, 17.5, 23, 22.5, 23, -1.2);
}

}  // namespace

void addAbstractArt(SheetArt& sheet) {
  sheet.add(40, "walker standing / walk 0", walkStanding);
  sheet.add(41, "walker walk 1", walkStrideA);
  sheet.add(42, "walker walk 2", walkPassing);
  sheet.add(43, "walker walk 3", walkStrideB);
  sheet.add(44, "hopper rising out of the floor", bobber);
  sheet.add(45, "swinger", swinger);
}

}  // namespace sprites_a
