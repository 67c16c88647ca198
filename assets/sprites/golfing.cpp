// Golfing (game G): the hole with its flag, the ball, the water and the sand, all
// centred on the fairway's top edge, so the ground line runs through
// the middle of each picture; and the golfer before and after the swing,
// facing RIGHT, whose feet stand on that same middle line with the club reaching the
// ball 9 units ahead.
#include <utility>
#include <vector>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

constexpr double kGround = 20;

void holeAndFlag(cairo_t* cr) {
  fillFlat(cr, ellipse(20, kGround + 1, 6, 2.2), colour::ink);
  fillFlat(cr, ellipse(20, kGround + 1.6, 4.6, 1.3), mix(colour::ink, colour::green, 0.25));
  // Pole and pennant reach from the ground line up to the cell's top margin.
  limb(cr, {{20, kGround + 1}, {20, 6.8}}, colour::white, 1.8);
  paintGlossy(cr, blob({{21.0, 6.0}, {27.6, 7.0}, {34.0, 10.6}, {27.6, 13.8}, {21.0, 15.4}}), colour::red);
  fillFlat(cr, polygon({{22.8, 8.8}, {26.8, 9.8}, {22.8, 11.8}}), highlightOf(colour::red));
}

void ball(cairo_t* cr) {
  paintGlossy(cr, circle(20, 20, 3.3), colour::white,
              {.outline = true, .shade = true, .highlight = false, .outlineWidth = 1.0});
  for (const Point& dimple : {Point{19, 19}, Point{21.2, 19.6}, Point{19.8, 21.3}}) {
    fillFlat(cr, circle(dimple.x, dimple.y, 0.45), colour::lightGrey);
  }
}

// A hollow in the ground: flat along the ground line, rounded below it.
PathFn hollow(double halfWidth, double depth) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 20 - halfWidth, kGround);
    cairo_line_to(cr, 20 + halfWidth, kGround);
    cairo_curve_to(cr, 20 + halfWidth, kGround + depth * 0.9, 20 + halfWidth * 0.45, kGround + depth, 20,
                   kGround + depth);
    cairo_curve_to(cr, 20 - halfWidth * 0.45, kGround + depth, 20 - halfWidth, kGround + depth * 0.9, 20 - halfWidth,
                   kGround);
    cairo_close_path(cr);
  };
}

void water(cairo_t* cr) {
  for (double x : {31.0, 33.6}) {
    limb(cr, {{x, kGround}, {x - 0.8, kGround - 8 + (x - 31) * 1.2}}, colour::green, 1.4);
  }
  paintGlossy(cr, ellipse(30.2, kGround - 9, 1.4, 2.8), colour::brown, {.highlight = false, .outlineWidth = 0.9});
  const PathFn pool = hollow(14.5, 13);
  paintGlossy(cr, pool, colour::blue);
  clipped(cr, pool, [&] {
    fillFlat(cr, rect(5, kGround, 30, 2.4), colour::sky);
    strokeFlat(cr, curve({10, kGround + 5.5}, {12.5, kGround + 4.2}, {15, kGround + 6.8}, {17.5, kGround + 5.5}),
               colour::white, 1.1, 0.75);
    strokeFlat(cr, curve({21, kGround + 8.5}, {23.5, kGround + 7.2}, {26, kGround + 9.8}, {28.5, kGround + 8.5}),
               colour::white, 1.1, 0.75);
  });
}

void sand(cairo_t* cr) {
  const Rgb sandColour = mix(colour::yellow, colour::skin, 0.55);
  const PathFn trap = hollow(14.5, 11);
  paintGlossy(cr, trap, sandColour);
  clipped(cr, trap, [&] {
    fillFlat(cr, rect(5, kGround, 30, 1.6), highlightOf(sandColour));
    for (const Point& p :
         {Point{10, 23}, Point{15, 26.5}, Point{21, 23.5}, Point{25, 27.5}, Point{29.5, 23.2}, Point{18, 29}}) {
      fillFlat(cr, circle(p.x, p.y, 0.9), shadeOf(sandColour));
    }
  });
}

// One moment of the swing.
struct Pose {
  Point hands, clubHead;
  Point backFoot;
  double lookY;  // the eye follows the ball: down at the tee, up after the swing
};

// The golfer's parts are painted twice: first every part's ink rim, then every part's
// colour. So one outline runs round the whole figure and no ink clutters its inside,
// which keeps a figure under 20 pixels tall readable.
struct GolferPainter {
  cairo_t* cr;
  bool rim;

  static constexpr double kRim = 1.2;

  void limb(std::vector<Point> joints, Rgb colour, double width) const {
    if (rim)
      strokeFlat(cr, polyline(joints), colour::ink, width + 2 * kRim);
    else
      strokeFlat(cr, polyline(std::move(joints)), colour, width);
  }
  // A limb in front of the body keeps a thin rim of its own, so it stands out.
  void frontLimb(std::vector<Point> joints, Rgb colour, double width) const {
    if (rim) return limb(std::move(joints), colour, width);
    strokeFlat(cr, polyline(joints), colour::ink, width + 1.2);
    strokeFlat(cr, polyline(std::move(joints)), colour, width);
  }
  void shape(const PathFn& path, Rgb colour, bool highlight = true) const {
    if (rim) {
      fillFlat(cr, path, colour::ink);
      strokeFlat(cr, path, colour::ink, 2 * kRim);
    } else {
      paintGlossy(cr, path, colour, {.outline = false, .highlight = highlight});
    }
  }
};

// A sturdy, big-headed golfer facing right, who fills the height between the cell's top
// margin and the ground line (y 20) and stands wide: the ball lies 9 units ahead of his
// centre, centred 2 units above that line, and the club head rests just behind it.
void golferParts(const GolferPainter& paint, const Pose& pose) {
  const Rgb trousers = colour::yellow;
  paint.limb({{16.0, 16.0}, pose.backFoot}, shadeOf(trousers), 4.0);
  paint.shape(ellipse(pose.backFoot.x + 0.9, 20.3, 2.9, 1.1), colour::brown, false);
  paint.limb({{20.8, 16.0}, {21.4, 19.2}}, trousers, 4.0);
  paint.shape(ellipse(22.3, 20.3, 2.9, 1.1), colour::brown, false);
  // A barrel-chested polo shirt.
  paint.shape(roundedRect(13.0, 12.4, 11.2, 5.0, 2.4), colour::sky);
  // The club: a light shaft and a steel head, bold enough to read on the grass.
  paint.limb({pose.hands, pose.clubHead}, colour::lightGrey, 1.5);
  paint.shape(roundedRect(pose.clubHead.x - 2.0, pose.clubHead.y - 1.1, 4.0, 2.2, 0.9), colour::midGrey);
  paint.frontLimb({{20.0, 13.4}, pose.hands}, shadeOf(colour::sky), 2.7);
  paint.shape(circle(pose.hands.x, pose.hands.y, 1.3), colour::skin, false);
  // Head and ear under a red cap whose peak points ahead.
  paint.shape(circle(19.4, 9.7, 4.1), colour::skin);
  paint.shape(circle(16.4, 10.4, 1.0), colour::skin, false);
  paint.shape(merged({blob({{15.0, 8.9}, {15.9, 6.4}, {19.4, 5.5}, {22.9, 6.4}, {23.8, 8.4}}),
                      roundedRect(20.6, 7.4, 6.4, 1.8, 0.9)}),
              colour::red, false);
}

void golfer(cairo_t* cr, const Pose& pose) {
  golferParts({cr, true}, pose);
  golferParts({cr, false}, pose);
  fillFlat(cr, circle(19.4, 6.3, 0.6), darker(colour::red, 0.25));
  fillFlat(cr, ellipse(21.6, 10.6 + pose.lookY, 0.75, 0.95), colour::ink);
  fillFlat(cr, circle(21.4, 10.25 + pose.lookY, 0.28), colour::white);
  cheek(cr, 22.4, 12.0, 0.8);
  strokeFlat(cr, curve({20.2, 12.4}, {20.9, 13.0}, {21.8, 13.0}, {22.5, 12.3}), colour::ink, 0.6);
}

void golferReady(cairo_t* cr) {
  golfer(cr, {.hands = {21.0, 15.6}, .clubHead = {24.0, 19.8}, .backFoot = {12.2, 19.2}, .lookY = 0.3});
}

// After the swing: the club wrapped over the back shoulder, the back heel up.
void golferFollowThrough(cairo_t* cr) {
  golfer(cr, {.hands = {14.4, 10.6}, .clubHead = {7.6, 7.0}, .backFoot = {14.8, 18.6}, .lookY = -0.45});
}

}  // namespace

Catalog golfingPictures() {
  return {
      {sprite::kGolfingFlag, fromCellCorner(holeAndFlag)},                 // hole with flag
      {sprite::kGolfingBall, fromCellCorner(ball)},                        // golf ball
      {sprite::kGolfingWater, fromCellCorner(water)},                      // water hazard
      {sprite::kGolfingSand, fromCellCorner(sand)},                        // sand trap
      {sprite::kGolfingGolferReady, fromCellCorner(golferReady)},          // golfer ready to swing
      {sprite::kGolfingGolferSwung, fromCellCorner(golferFollowThrough)},  // golfer after the swing
  };
}

}  // namespace sprites
