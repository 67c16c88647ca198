// Golfing (game G): the hole with its flag (105), the ball (106), the water (107) and
// the sand (108), all centred on the fairway's top edge, so the ground line runs through
// the middle of each picture; and the golfer before and after the swing (112, 113),
// facing RIGHT, whose feet stand on that same middle line with the club reaching the
// ball 9 units ahead.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

constexpr double kGround = 20;

void holeAndFlag(cairo_t* cr) {
  fill(cr, ellipse(20, kGround + 1, 6, 2.2), kInk);
  fill(cr, ellipse(20, kGround + 1.6, 4.6, 1.3), mix(kInk, kGreen, 0.25));
  limb(cr, {{20, kGround + 1}, {20, 7.4}}, kWhite, 1.4);
  paint(cr, blob({{20.8, 6.4}, {27, 7.4}, {33.5, 10.4}, {27, 12.8}, {20.8, 14.2}}), kRed);
  fill(cr, polygon({{22.5, 9}, {26, 9.7}, {22.5, 11.2}}), highlightOf(kRed));
}

void ball(cairo_t* cr) {
  paint(cr, circle(20, 20, 3.3), kWhite, {.outline = true, .shade = true, .highlight = false, .outlineWidth = 1.0});
  for (const Point& dimple : {Point{19, 19}, Point{21.2, 19.6}, Point{19.8, 21.3}}) {
    fill(cr, circle(dimple.x, dimple.y, 0.45), kLightGrey);
  }
}

// A hollow in the ground: flat along the ground line, rounded below it.
Path hollow(double halfWidth, double depth) {
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
    limb(cr, {{x, kGround}, {x - 0.8, kGround - 8 + (x - 31) * 1.2}}, kGreen, 1.4);
  }
  paint(cr, ellipse(30.2, kGround - 9, 1.4, 2.8), kBrown, {.highlight = false, .outlineWidth = 0.9});
  const Path pool = hollow(14.5, 13);
  paint(cr, pool, kBlue);
  clipped(cr, pool, [&] {
    fill(cr, rect(5, kGround, 30, 2.4), kSky);
    stroke(cr, curve({10, kGround + 5.5}, {12.5, kGround + 4.2}, {15, kGround + 6.8}, {17.5, kGround + 5.5}),
           withAlpha(kWhite, 0.75), 1.1);
    stroke(cr, curve({21, kGround + 8.5}, {23.5, kGround + 7.2}, {26, kGround + 9.8}, {28.5, kGround + 8.5}),
           withAlpha(kWhite, 0.75), 1.1);
  });
}

void sand(cairo_t* cr) {
  const Colour sandColour = mix(kYellow, kSkin, 0.55);
  const Path trap = hollow(14.5, 11);
  paint(cr, trap, sandColour);
  clipped(cr, trap, [&] {
    fill(cr, rect(5, kGround, 30, 1.6), highlightOf(sandColour));
    for (const Point& p : {Point{10, 23}, Point{15, 26.5}, Point{21, 23.5}, Point{25, 27.5}, Point{29.5, 23.2},
                           Point{18, 29}}) {
      fill(cr, circle(p.x, p.y, 0.9), shadeOf(sandColour));
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
  const Colour trousers = kYellow;
  limb(cr, {{15.2, 16.6}, swing.backFoot}, shadeOf(trousers), 3.0);
  paint(cr, ellipse(swing.backFoot.x + 0.9, swing.backFoot.y + 0.4, 2.4, 1.1), kBrown,
        {.highlight = false, .outlineWidth = 0.9});
  limb(cr, {{18.8, 16.6}, {20.4, 20.6}}, trousers, 3.0);
  paint(cr, ellipse(21.2, 21, 2.4, 1.1), kBrown, {.highlight = false, .outlineWidth = 0.9});
  limb(cr, {swing.hands, swing.clubHead}, kLightGrey, 1.2);
  paint(cr, roundedRect(swing.clubHead.x - 2.2, swing.clubHead.y - 1.2, 4.4, 2.4, 0.8), kMidGrey,
        {.highlight = false, .outlineWidth = 0.9});
  paint(cr, roundedRect(12.6, 12.2, 9, 4.8, 2.2), kSky);
  limb(cr, {{15, 13.6}, swing.hands}, kSky, 2.3);
  limb(cr, {{19.4, 13.6}, swing.hands}, kSky, 2.3);
  paint(cr, circle(swing.hands.x, swing.hands.y, 1.3), kSkin, {.highlight = false, .outlineWidth = 0.8});
  paint(cr, circle(17.4, 9.2, 3.8), kSkin);
  paint(cr, merged({blob({{13.6, 8.8}, {14.2, 6.2}, {17.4, 5.5}, {20.6, 6.2}, {21.1, 7.9}}),
                    roundedRect(17.6, 7.1, 6.2, 1.8, 0.9)}),
        kRed, {.highlight = false});
  fill(cr, circle(19.4, 9.8, 0.85), kInk);
  stroke(cr, curve({18.2, 11.6}, {18.9, 12.1}, {19.7, 12.1}, {20.4, 11.5}), kInk, 0.6);
}

void golferReady(cairo_t* cr) {
  golfer(cr, {.hands = {20.4, 17.2}, .clubHead = {25.4, 20.8}, .backFoot = {14.2, 20.4}});
}

void golferFollowThrough(cairo_t* cr) {
  golfer(cr, {.hands = {21.6, 10.6}, .clubHead = {10.6, 6.4}, .backFoot = {15.6, 20.4}});
}

}  // namespace

void addGolfArt(SheetArt& sheet) {
  sheet.add(105, "hole with flag", holeAndFlag);
  sheet.add(106, "golf ball", ball);
  sheet.add(107, "water hazard", water);
  sheet.add(108, "sand trap", sand);
  sheet.add(112, "golfer ready to swing", golferReady);
  sheet.add(113, "golfer after the swing", golferFollowThrough);
}

}  // namespace sprites_a
