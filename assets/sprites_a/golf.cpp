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
  fill(cr, ellipse(20, kGround + 1, 4.8, 1.9), kInk);
  fill(cr, ellipse(20, kGround + 1.5, 3.6, 1.1), mix(kInk, kGreen, 0.25));
  limb(cr, {{20, kGround + 1}, {20, 6.6}}, kWhite, 1.0);
  paint(cr, blob({{20.6, 6.2}, {26, 7}, {31.5, 9.4}, {26, 11}, {20.6, 12.2}}), kRed);
}

void ball(cairo_t* cr) {
  paint(cr, circle(20, 20, 2.3), kWhite, {.outline = true, .shade = true, .highlight = false, .outlineWidth = 0.9});
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
  for (double x : {30.5, 33.0}) {
    limb(cr, {{x, kGround}, {x - 0.8, kGround - 7 + (x - 30.5) * 1.2}}, kGreen, 1.2);
  }
  paint(cr, ellipse(29.6, kGround - 7.5, 1.2, 2.4), kBrown, {.highlight = false, .outlineWidth = 0.8});
  const Path pool = hollow(14, 9.5);
  paint(cr, pool, kBlue);
  clipped(cr, pool, [&] {
    fill(cr, rect(5, kGround, 30, 2), kSky);
    stroke(cr, curve({12, kGround + 4.5}, {14, kGround + 3.5}, {16, kGround + 5.5}, {18, kGround + 4.5}),
           withAlpha(kWhite, 0.7), 0.9);
    stroke(cr, curve({22, kGround + 6.5}, {24, kGround + 5.5}, {26, kGround + 7.5}, {28, kGround + 6.5}),
           withAlpha(kWhite, 0.7), 0.9);
  });
}

void sand(cairo_t* cr) {
  const Colour sandColour = mix(kYellow, kSkin, 0.55);
  const Path trap = hollow(14, 7);
  paint(cr, trap, sandColour);
  clipped(cr, trap, [&] {
    for (const Point& p : {Point{10, 22}, Point{15, 24.5}, Point{21, 22.5}, Point{25, 25}, Point{29.5, 22.3}}) {
      fill(cr, circle(p.x, p.y, 0.7), shadeOf(sandColour));
    }
  });
}

struct Swing {
  Point hands;
  Point clubHead;
  Point backFoot;
};

void golfer(cairo_t* cr, const Swing& swing) {
  const Colour trousers = kYellow;
  limb(cr, {{16, 16.6}, swing.backFoot}, shadeOf(trousers), 2.3);
  paint(cr, ellipse(swing.backFoot.x + 0.8, swing.backFoot.y + 0.5, 1.9, 0.9), kBrown,
        {.highlight = false, .outlineWidth = 0.8});
  limb(cr, {{18.6, 16.6}, {19.4, 20.8}}, trousers, 2.3);
  paint(cr, ellipse(20.2, 21.3, 1.9, 0.9), kBrown, {.highlight = false, .outlineWidth = 0.8});
  limb(cr, {swing.hands, swing.clubHead}, kLightGrey, 1.0);
  paint(cr, roundedRect(swing.clubHead.x - 1.8, swing.clubHead.y - 1, 3.6, 2, 0.7), kMidGrey,
        {.highlight = false, .outlineWidth = 0.8});
  paint(cr, roundedRect(14.3, 10.9, 6.4, 6.3, 2.1), kSky);
  limb(cr, {{16.5, 12.2}, swing.hands}, kSky, 1.8);
  limb(cr, {{18.6, 12.2}, swing.hands}, kSky, 1.8);
  paint(cr, circle(swing.hands.x, swing.hands.y, 1.1), kWhite, {.highlight = false, .outlineWidth = 0.7});
  paint(cr, circle(17.5, 8.6, 2.9), kSkin);
  paint(cr, merged({blob({{14.7, 8.3}, {15.2, 6.7}, {17.6, 6.3}, {20, 6.8}, {20.2, 7.7}}),
                    roundedRect(17.2, 6.8, 5.2, 1.4, 0.7)}),
        kRed, {.highlight = false});
  fill(cr, circle(19.1, 9.1, 0.7), kInk);
}

void golferReady(cairo_t* cr) {
  golfer(cr, {.hands = {19.6, 15.6}, .clubHead = {26, 20}, .backFoot = {15.2, 20.8}});
}

void golferFollowThrough(cairo_t* cr) {
  golfer(cr, {.hands = {21, 10.2}, .clubHead = {12, 6.8}, .backFoot = {16.2, 20.2}});
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
