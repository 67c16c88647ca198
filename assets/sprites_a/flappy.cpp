// Flappy (game F): the bird flying right (257, also the fallback game's picture) and its
// coin-grab picture (258), the ground tile (260), the coin (265), the spinning hazard
// (273), the tall obstacle (276) and two pieces of ground scenery (280, 282).
//
// The ground tile repeats every 64 units at scale 4, so it is exactly 16 wide and plain
// at its sides. Its grass line sits 6 units above the tile's centre, which is where the
// scenery pictures (drawn 58 units above the tile centre at scale 2) put their feet:
// scenery stands on the bottom edge of its picture. The obstacle is drawn at scale 4
// and hits within 16 × 64 units, so it is 8 wide and 32 tall.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

void birdBody(cairo_t* cr) {
  paint(cr, polygon({{9.5, 17.5}, {9.5, 24}, {5.8, 24.5}, {5.4, 15.8}}), kOrange);
  paint(cr, ellipse(19, 21, 11, 9.3), kYellow);
  fill(cr, ellipse(20.5, 26, 6.5, 3.6), withAlpha(kWhite, 0.55));
}

void bird(cairo_t* cr) {
  birdBody(cr);
  paint(cr, ellipse(15.5, 22.5, 6, 3.6), kOrange);
  paint(cr, polygon({{28, 18.5}, {34.3, 21.5}, {28, 24.5}}), kRed);
  eye(cr, 24.5, 16.5, 3.5, 0.6, 0);
  cheek(cr, 25.5, 22.5, 1.6);
}

void birdGrab(cairo_t* cr) {
  birdBody(cr);
  paint(cr, blob({{11, 19.5}, {9.5, 11.5}, {14, 8.5}, {19, 15}, {17.5, 20}}), kOrange);
  paint(cr, polygon({{28, 18}, {34.3, 17.6}, {29.5, 21}}), kRed);
  paint(cr, polygon({{28, 22}, {33.5, 24.5}, {28, 25}}), kRed);
  happyEye(cr, 24.5, 16.5, 2.8);
  cheek(cr, 25, 22.5, 1.8);
  sparkle(cr, 31, 10, 2.6);
  sparkle(cr, 34, 14.5, 1.5);
}

constexpr double kTileLeft = 12, kTileWidth = 16, kGrassTop = 14;

void groundTile(cairo_t* cr) {
  const Colour soil = kBrown;
  fill(cr, rect(kTileLeft, kGrassTop, kTileWidth, 36 - kGrassTop), soil);
  fill(cr, rect(kTileLeft, kGrassTop, kTileWidth, 1.25), kInk);
  fill(cr, rect(kTileLeft, kGrassTop + 1.25, kTileWidth, 4.5), kLime);
  fill(cr, rect(kTileLeft, kGrassTop + 1.6, kTileWidth, 0.8), withAlpha(kWhite, 0.5));
  // Grass fringe and pebbles stay clear of the sides, so neighbouring tiles join cleanly.
  for (double x : {14.0, 18.0, 22.0, 26.0}) {
    fill(cr, polygon({{x - 1.4, kGrassTop + 5.75}, {x, kGrassTop + 8}, {x + 1.4, kGrassTop + 5.75}}), kLime);
  }
  fill(cr, rect(kTileLeft, kGrassTop + 5.75, kTileWidth, 0.6), shadeOf(kLime));
  const Colour pebble = mix(soil, kSkin, 0.35);
  fill(cr, ellipse(16, 27, 1.4, 0.9), pebble);
  fill(cr, ellipse(23.5, 31.5, 1.6, 1.0), pebble);
  fill(cr, ellipse(21, 24.5, 0.9, 0.6), shadeOf(soil));
  fill(cr, ellipse(15, 33, 0.9, 0.6), shadeOf(soil));
}

void coin(cairo_t* cr) {
  paint(cr, circle(20, 20, 8.2), kYellow);
  stroke(cr, circle(20, 20, 5.8), shadeOf(kYellow), 0.9);
  fill(cr, star(20, 20.3, 5, 4.2, 1.9), kOrange);
  sparkle(cr, 16.5, 16, 2);
}

void hazard(cairo_t* cr) {
  // Seven spikes: the game turns it in 45-degree steps, which shows on an odd count.
  paint(cr, star(20, 20, 7, 13.5, 7), kRed);
  paint(cr, circle(20, 20, 7.6), kDarkGrey);
  fill(cr, polygon({{16, 17.8}, {19.2, 19.4}, {16, 20.2}}), kYellow);
  fill(cr, polygon({{24, 17.8}, {20.8, 19.4}, {24, 20.2}}), kYellow);
  stroke(cr, line(17.5, 23.3, 22.5, 23.3), kYellow, 1);
}

void obstacle(cairo_t* cr) {
  const Path column = rect(17.6, 7.5, 4.8, 25.5);
  paint(cr, column, kRed, {.highlight = false});
  clipped(cr, column, [&] {
    for (int course = 0; course < 9; ++course) {
      const double y = 7.5 + course * 3;
      fill(cr, rect(17, y + 2.5, 6, 0.5), shadeOf(kRed));
      fill(cr, rect(course % 2 == 0 ? 19.4 : 21, y, 0.5, 3), shadeOf(kRed));
    }
    fill(cr, rect(17.9, 7.5, 1, 26), withAlpha(kWhite, 0.35));
  });
  paint(cr, roundedRect(17.25, 5.25, 5.5, 3.5, 1), kLightGrey, {.highlight = false});
  paint(cr, roundedRect(17.25, 31.25, 5.5, 3.5, 1), kLightGrey, {.highlight = false});
}

void tree(cairo_t* cr) {
  paint(cr, roundedRect(17.8, 22, 4.4, 12.6, 1.5), kBrown);
  paint(cr, merged({circle(20, 14, 8.5), circle(13, 19.5, 6), circle(27, 19.5, 6), ellipse(20, 22, 8, 4.5)}), kGreen);
  for (const Point& apple : {Point{15, 17}, Point{23.5, 12.5}, Point{25.5, 21}, Point{18.5, 21.5}}) {
    paint(cr, circle(apple.x, apple.y, 1.5), kRed, {.highlight = false, .outlineWidth = 0.7});
  }
}

void flower(cairo_t* cr, Point centre, Colour petals) {
  for (double a = 0; a < 360; a += 72) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, a * 3.14159265358979 / 180);
    paint(cr, ellipse(0, -2.3, 1.6, 2.2), petals, {.shade = false, .highlight = false, .outlineWidth = 0.7});
    cairo_restore(cr);
  }
  fill(cr, circle(centre.x, centre.y, 1.4), kYellow);
}

void flowers(cairo_t* cr) {
  limb(cr, {{20, 33.8}, {16.5, 27}, {13.5, 22}}, kGreen, 1.2);
  limb(cr, {{20, 33.8}, {20, 24}, {20.5, 15}}, kGreen, 1.2);
  limb(cr, {{20, 33.8}, {24, 28}, {26.5, 23.5}}, kGreen, 1.2);
  paint(cr, ellipse(16, 31.5, 3.6, 1.8), kLime);
  paint(cr, ellipse(24.5, 31.5, 3.6, 1.8), kLime);
  flower(cr, {13.5, 21.5}, kPink);
  flower(cr, {20.5, 14.5}, kWhite);
  flower(cr, {26.5, 23}, kViolet);
}

}  // namespace

void addFlappyArt(SheetArt& sheet) {
  sheet.add(257, "bird flying right (also the fallback game's picture)", bird);
  sheet.add(258, "bird grabbing a coin", birdGrab);
  sheet.add(260, "ground tile, 16 wide", groundTile);
  sheet.add(265, "coin", coin);
  sheet.add(273, "spinning hazard", hazard);
  sheet.add(276, "tall obstacle", obstacle);
  sheet.add(280, "ground scenery: apple tree", tree);
  sheet.add(282, "ground scenery: flowers", flowers);
}

}  // namespace sprites_a
