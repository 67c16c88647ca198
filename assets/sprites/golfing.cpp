// Golfing (game G): the hole with its flag (105), the ball (106), the water (107) and
// the sand (108), all centred on the fairway's top edge, so the ground line runs through
// the middle of each picture; and the golfer before and after the swing (112, 113),
// facing RIGHT, whose feet stand on that same middle line with the club reaching the
// ball 9 units ahead.
#include "faces.h"
#include "catalogs.h"

namespace sprites {
namespace {

constexpr double kGround = 20;

void holeAndFlag(cairo_t* cr) {
  fillFlat(cr, ellipse(20, kGround + 1, 6, 2.2), colour::ink);
  fillFlat(cr, ellipse(20, kGround + 1.6, 4.6, 1.3), mix(colour::ink, colour::green, 0.25));
  limb(cr, {{20, kGround + 1}, {20, 7.4}}, colour::white, 1.4);
  paintGlossy(cr, blob({{20.8, 6.4}, {27, 7.4}, {33.5, 10.4}, {27, 12.8}, {20.8, 14.2}}), colour::red);
  fillFlat(cr, polygon({{22.5, 9}, {26, 9.7}, {22.5, 11.2}}), highlightOf(colour::red));
}

void ball(cairo_t* cr) {
  paintGlossy(cr, circle(20, 20, 3.3), colour::white, {.outline = true, .shade = true, .highlight = false, .outlineWidth = 1.0});
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
    for (const Point& p : {Point{10, 23}, Point{15, 26.5}, Point{21, 23.5}, Point{25, 27.5}, Point{29.5, 23.2},
                           Point{18, 29}}) {
      fillFlat(cr, circle(p.x, p.y, 0.9), shadeOf(sandColour));
    }
  });
}

struct Swing {
  Point hands;
  Point clubHead;
  Point backFoot;
};

// A big-headed golfer who fills the 18 units between the cell's top margin and the
// ground line; the ball lies 9 units ahead of his centre.
void golfer(cairo_t* cr, const Swing& swing) {
  const Rgb trousers = colour::yellow;
  limb(cr, {{15.2, 16.6}, swing.backFoot}, shadeOf(trousers), 3.0);
  paintGlossy(cr, ellipse(swing.backFoot.x + 0.9, swing.backFoot.y + 0.4, 2.4, 1.1), colour::brown,
        {.highlight = false, .outlineWidth = 0.9});
  limb(cr, {{18.8, 16.6}, {20.4, 20.6}}, trousers, 3.0);
  paintGlossy(cr, ellipse(21.2, 21, 2.4, 1.1), colour::brown, {.highlight = false, .outlineWidth = 0.9});
  limb(cr, {swing.hands, swing.clubHead}, colour::lightGrey, 1.2);
  paintGlossy(cr, roundedRect(swing.clubHead.x - 2.2, swing.clubHead.y - 1.2, 4.4, 2.4, 0.8), colour::midGrey,
        {.highlight = false, .outlineWidth = 0.9});
  paintGlossy(cr, roundedRect(12.6, 12.2, 9, 4.8, 2.2), colour::sky);
  limb(cr, {{15, 13.6}, swing.hands}, colour::sky, 2.3);
  limb(cr, {{19.4, 13.6}, swing.hands}, colour::sky, 2.3);
  paintGlossy(cr, circle(swing.hands.x, swing.hands.y, 1.3), colour::skin, {.highlight = false, .outlineWidth = 0.8});
  paintGlossy(cr, circle(17.4, 9.2, 3.8), colour::skin);
  paintGlossy(cr, merged({blob({{13.6, 8.8}, {14.2, 6.2}, {17.4, 5.5}, {20.6, 6.2}, {21.1, 7.9}}),
                    roundedRect(17.6, 7.1, 6.2, 1.8, 0.9)}),
        colour::red, {.highlight = false});
  fillFlat(cr, circle(19.4, 9.8, 0.85), colour::ink);
  strokeFlat(cr, curve({18.2, 11.6}, {18.9, 12.1}, {19.7, 12.1}, {20.4, 11.5}), colour::ink, 0.6);
}

void golferReady(cairo_t* cr) {
  golfer(cr, {.hands = {20.4, 17.2}, .clubHead = {25.4, 20.8}, .backFoot = {14.2, 20.4}});
}

void golferFollowThrough(cairo_t* cr) {
  golfer(cr, {.hands = {21.6, 10.6}, .clubHead = {10.6, 6.4}, .backFoot = {15.6, 20.4}});
}

}  // namespace

Catalog golfingPictures() {
  return {
      {105, fromCellCorner(holeAndFlag)},  // hole with flag
      {106, fromCellCorner(ball)},  // golf ball
      {107, fromCellCorner(water)},  // water hazard
      {108, fromCellCorner(sand)},  // sand trap
      {112, fromCellCorner(golferReady)},  // golfer ready to swing
      {113, fromCellCorner(golferFollowThrough)},  // golfer after the swing
  };
}

}  // namespace sprites
