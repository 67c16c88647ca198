// Soda (game S), behind the bar: the tap (46), the bartender standing, pouring and just
// after a throw (48..50), and the glass at five fill levels (51..55). Glasses stand on
// the counter's top band, which the game places at the glass's centre, so the glass
// sits in the upper half of its picture with its foot on the centre line. The tap's
// nozzle hangs over the spot where the game draws the glass being poured.
#include <vector>

#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

void tap(cairo_t* cr) {
  paint(cr, roundedRect(19.5, 30, 15, 4.5, 1.8), kDarkGrey);
  paint(cr, roundedRect(7.5, 8.5, 18, 4.2, 1.8), kLightGrey);
  paint(cr, roundedRect(6.5, 9.5, 5.2, 5, 1.4), kMidGrey);
  paint(cr, roundedRect(22.5, 9, 9, 22, 2.5), kLightGrey);
  paint(cr, roundedRect(24.5, 5.5, 5, 6.5, 2.2), kRed);
  paint(cr, circle(27, 20, 3.3), kYellow, {.highlight = false});
  fill(cr, star(27, 20, 5, 2.2, 1.0), kOrange);
}

struct BartenderPose {
  std::vector<Point> leftArm, rightArm;
  double look;
};

void drawBartender(cairo_t* cr, const BartenderPose& pose) {
  for (double x : {17.5, 22.5}) {
    limb(cr, {{x, 26}, {x, 32.5}}, kDarkGrey, 3.6);
    paint(cr, ellipse(x + (x < 20 ? -0.8 : 0.8), 34, 2.6, 1.4), kInk, {.highlight = false});
  }
  limb(cr, pose.leftArm, kWhite, 2.6);
  paint(cr, circle(pose.leftArm.back().x, pose.leftArm.back().y, 1.5), kSkin, {.highlight = false});
  limb(cr, pose.rightArm, kWhite, 2.6);
  paint(cr, circle(pose.rightArm.back().x, pose.rightArm.back().y, 1.5), kSkin, {.highlight = false});
  paint(cr, roundedRect(14, 15.5, 12, 12.5, 3.5), kWhite);
  // Waistcoat panels and a bow tie.
  paint(cr, polygon({{14.5, 17}, {18.5, 16.5}, {19.3, 27.5}, {14.5, 27.5}}), kGreen, {.highlight = false});
  paint(cr, polygon({{21.5, 16.5}, {25.5, 17}, {25.5, 27.5}, {20.7, 27.5}}), kGreen, {.highlight = false});
  fill(cr, circle(20, 20.5, 0.7), kYellow);
  fill(cr, circle(20, 23.5, 0.7), kYellow);
  paint(cr, polygon({{17.2, 15}, {20, 16.4}, {22.8, 15}, {22.8, 18}, {20, 16.8}, {17.2, 18}}), kRed,
        {.highlight = false});
  paint(cr, circle(20, 10.2, 5.6), kSkin);
  paint(cr, blob({{14.6, 9.5}, {15.5, 5.6}, {20, 4.3}, {24.5, 5.6}, {25.4, 9.5}, {22.5, 7.4}, {17.5, 7.4}}), kBrown,
        {.highlight = false});
  eye(cr, 17.9, 10, 1.7, pose.look, 0);
  eye(cr, 22.1, 10, 1.7, pose.look, 0);
  paint(cr, blob({{17, 13.6}, {20, 12.6}, {23, 13.6}, {21.5, 14.6}, {20, 13.9}, {18.5, 14.6}}), kBrown,
        {.shade = false, .highlight = false, .outlineWidth = 0.6});
}

// He stands a little taller than the 32-unit picture area, so he is drawn at 94%.
void bartender(cairo_t* cr, const BartenderPose& pose) {
  scaledAboutCentre(cr, 0.94, [&] { drawBartender(cr, pose); });
}

void bartenderStanding(cairo_t* cr) {
  bartender(cr, {.leftArm = {{15, 17.5}, {13.2, 22}, {13.8, 25.5}},
                 .rightArm = {{25, 17.5}, {26.8, 22}, {26.2, 25.5}},
                 .look = 0});
}

void bartenderPouring(cairo_t* cr) {
  // The glass being poured is drawn just right of him, under the tap.
  bartender(cr, {.leftArm = {{15, 17.5}, {12.8, 21.5}, {15, 24}},
                 .rightArm = {{25, 17.5}, {29.5, 20}, {33, 22}},
                 .look = 0.8});
}

void bartenderAfterThrow(cairo_t* cr) {
  bartender(cr, {.leftArm = {{15, 17.5}, {10.5, 19.5}, {6.3, 20.5}},
                 .rightArm = {{25, 17.5}, {27.2, 21.5}, {25, 24}},
                 .look = -0.8});
}

// The glass: top rim at y 8.5, foot on the centre line.
constexpr double kRimY = 8.5, kFootY = 20;
Path glassShape() { return polygon({{15.6, kRimY}, {24.4, kRimY}, {23.4, kFootY}, {16.6, kFootY}}); }
Path glassInside() { return polygon({{16.7, kRimY}, {23.3, kRimY}, {22.5, kFootY - 1.6}, {17.5, kFootY - 1.6}}); }

void glass(cairo_t* cr, double level) {
  paint(cr, glassShape(), withAlpha(kWhite, 0.5), {.outline = false, .shade = false, .highlight = false});
  if (level > 0) {
    const double bottom = kFootY - 1.6;
    const double surface = bottom - (bottom - (kRimY + 1.2)) * level;
    clipped(cr, glassInside(), [&] {
      paint(cr, rect(10, surface, 20, bottom - surface + 1), kOrange, {.outline = false});
      fill(cr, rect(10, surface, 20, 1.1), kYellow);
      for (const Point& bubble : {Point{18.6, 17}, Point{21.4, 15}, Point{19.6, 12.5}}) {
        if (bubble.y > surface + 1.2) fill(cr, circle(bubble.x, bubble.y, 0.6), withAlpha(kWhite, 0.8));
      }
    });
  }
  if (level >= 1) {
    paint(cr, blob({{16.1, 9.5}, {16.4, 7}, {18.4, 5.9}, {21, 6.6}, {23.2, 5.9}, {23.7, 7.3}, {23.9, 9.5}}), kWhite,
          {.highlight = false});
  }
  // Glass shine and rim.
  fill(cr, polygon({{17, 10}, {18.1, 10}, {17.8, 18}, {17.1, 18}}), withAlpha(kWhite, 0.85));
  stroke(cr, glassShape(), kInk, kOutlineWidth);
  fill(cr, rect(16.5, kFootY - 1.6, 7, 1.6), withAlpha(kLightGrey, 0.9));
}

void glassEmpty(cairo_t* cr) { glass(cr, 0.06); }
void glassQuarter(cairo_t* cr) { glass(cr, 0.25); }
void glassHalf(cairo_t* cr) { glass(cr, 0.5); }
void glassThreeQuarters(cairo_t* cr) { glass(cr, 0.75); }
void glassFull(cairo_t* cr) { glass(cr, 1.0); }

}  // namespace

void addSodaBarArt(SheetArt& sheet) {
  sheet.add(46, "drink tap", tap);
  sheet.add(48, "bartender standing", bartenderStanding);
  sheet.add(49, "bartender pouring", bartenderPouring);
  sheet.add(50, "bartender after a throw", bartenderAfterThrow);
  sheet.add(51, "glass, empty (also the lost-life icon)", glassEmpty);
  sheet.add(52, "glass, a quarter full", glassQuarter);
  sheet.add(53, "glass, half full", glassHalf);
  sheet.add(54, "glass, three quarters full", glassThreeQuarters);
  sheet.add(55, "glass, full (also the life icon)", glassFull);
}

}  // namespace sprites_a
