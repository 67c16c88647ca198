// Flappy (game F): the bird flying right (also the fallback game's picture) and its
// coin-grab picture, the ground tile, the coin, the spinning hazard, the tall obstacle
// and two pieces of ground scenery.
//
// The ground tile repeats every 64 units at scale 4, so it is exactly 16 wide and plain
// at its sides. Its grass line sits 6 units above the tile's centre, which is where the
// scenery pictures (drawn 58 units above the tile centre at scale 2) put their feet:
// scenery stands on the bottom edge of its picture. The obstacle is drawn at scale 4
// and hits within 16 × 64 units, so it is 8 wide and 32 tall.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

void birdBody(cairo_t* cr) {
  paintGlossy(cr, polygon({{9.5, 17.5}, {9.5, 24}, {5.8, 24.5}, {5.4, 15.8}}), colour::orange);
  paintGlossy(cr, ellipse(19, 21, 11, 9.3), colour::yellow);
  fillFlat(cr, ellipse(20.5, 26, 6.5, 3.6), colour::white, 0.55);
}

void bird(cairo_t* cr) {
  birdBody(cr);
  paintGlossy(cr, ellipse(15.5, 22.5, 6, 3.6), colour::orange);
  paintGlossy(cr, polygon({{28, 18.5}, {34.3, 21.5}, {28, 24.5}}), colour::red);
  roundEye(cr, 24.5, 16.5, 3.5, 0.6, 0);
  cheek(cr, 25.5, 22.5, 1.6);
}

void birdGrab(cairo_t* cr) {
  birdBody(cr);
  paintGlossy(cr, blob({{11, 19.5}, {9.5, 11.5}, {14, 8.5}, {19, 15}, {17.5, 20}}), colour::orange);
  paintGlossy(cr, polygon({{28, 18}, {34.3, 17.6}, {29.5, 21}}), colour::red);
  paintGlossy(cr, polygon({{28, 22}, {33.5, 24.5}, {28, 25}}), colour::red);
  happyEye(cr, 24.5, 16.5, 2.8);
  cheek(cr, 25, 22.5, 1.8);
  sparkle(cr, 31, 10, 2.6);
  sparkle(cr, 34, 14.5, 1.5);
}

constexpr double kTileLeft = 12, kTileWidth = 16, kGrassTop = 14;

void groundTile(cairo_t* cr) {
  const Rgb soil = colour::brown;
  fillFlat(cr, rect(kTileLeft, kGrassTop, kTileWidth, 36 - kGrassTop), soil);
  fillFlat(cr, rect(kTileLeft, kGrassTop, kTileWidth, 1.25), colour::ink);
  fillFlat(cr, rect(kTileLeft, kGrassTop + 1.25, kTileWidth, 4.5), colour::lime);
  fillFlat(cr, rect(kTileLeft, kGrassTop + 1.6, kTileWidth, 0.8), colour::white, 0.5);
  // Grass fringe and pebbles stay clear of the sides, so neighbouring tiles join cleanly.
  for (double x : {14.0, 18.0, 22.0, 26.0}) {
    fillFlat(cr, polygon({{x - 1.4, kGrassTop + 5.75}, {x, kGrassTop + 8}, {x + 1.4, kGrassTop + 5.75}}), colour::lime);
  }
  fillFlat(cr, rect(kTileLeft, kGrassTop + 5.75, kTileWidth, 0.6), shadeOf(colour::lime));
  const Rgb pebble = mix(soil, colour::skin, 0.35);
  fillFlat(cr, ellipse(16, 27, 1.4, 0.9), pebble);
  fillFlat(cr, ellipse(23.5, 31.5, 1.6, 1.0), pebble);
  fillFlat(cr, ellipse(21, 24.5, 0.9, 0.6), shadeOf(soil));
  fillFlat(cr, ellipse(15, 33, 0.9, 0.6), shadeOf(soil));
}

void coin(cairo_t* cr) {
  paintGlossy(cr, circle(20, 20, 8.2), colour::yellow);
  strokeFlat(cr, circle(20, 20, 5.8), shadeOf(colour::yellow), 0.9);
  fillFlat(cr, star(20, 20.3, 5, 4.2, 1.9), colour::orange);
  sparkle(cr, 16.5, 16, 2);
}

void hazard(cairo_t* cr) {
  // Seven spikes: the game turns it in 45-degree steps, which shows on an odd count.
  paintGlossy(cr, star(20, 20, 7, 13.5, 7), colour::red);
  paintGlossy(cr, circle(20, 20, 7.6), colour::darkGrey);
  fillFlat(cr, polygon({{16, 17.8}, {19.2, 19.4}, {16, 20.2}}), colour::yellow);
  fillFlat(cr, polygon({{24, 17.8}, {20.8, 19.4}, {24, 20.2}}), colour::yellow);
  strokeFlat(cr, line(17.5, 23.3, 22.5, 23.3), colour::yellow, 1);
}

void obstacle(cairo_t* cr) {
  const PathFn column = rect(17.6, 7.5, 4.8, 25.5);
  paintGlossy(cr, column, colour::red, {.highlight = false});
  clipped(cr, column, [&] {
    for (int course = 0; course < 9; ++course) {
      const double y = 7.5 + course * 3;
      fillFlat(cr, rect(17, y + 2.5, 6, 0.5), shadeOf(colour::red));
      fillFlat(cr, rect(course % 2 == 0 ? 19.4 : 21, y, 0.5, 3), shadeOf(colour::red));
    }
    fillFlat(cr, rect(17.9, 7.5, 1, 26), colour::white, 0.35);
  });
  paintGlossy(cr, roundedRect(17.25, 5.25, 5.5, 3.5, 1), colour::lightGrey, {.highlight = false});
  paintGlossy(cr, roundedRect(17.25, 31.25, 5.5, 3.5, 1), colour::lightGrey, {.highlight = false});
}

void tree(cairo_t* cr) {
  paintGlossy(cr, roundedRect(17.8, 22, 4.4, 12.6, 1.5), colour::brown);
  paintGlossy(cr, merged({circle(20, 14, 8.5), circle(13, 19.5, 6), circle(27, 19.5, 6), ellipse(20, 22, 8, 4.5)}),
              colour::green);
  for (const Point& apple : {Point{15, 17}, Point{23.5, 12.5}, Point{25.5, 21}, Point{18.5, 21.5}}) {
    paintGlossy(cr, circle(apple.x, apple.y, 1.5), colour::red, {.highlight = false, .outlineWidth = 0.7});
  }
}

void flower(cairo_t* cr, Point centre, Rgb petals) {
  for (double a = 0; a < 360; a += 72) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_rotate(cr, a * 3.14159265358979 / 180);
    paintGlossy(cr, ellipse(0, -2.3, 1.6, 2.2), petals, {.shade = false, .highlight = false, .outlineWidth = 0.7});
    cairo_restore(cr);
  }
  fillFlat(cr, circle(centre.x, centre.y, 1.4), colour::yellow);
}

void flowers(cairo_t* cr) {
  limb(cr, {{20, 33.8}, {16.5, 27}, {13.5, 22}}, colour::green, 1.2);
  limb(cr, {{20, 33.8}, {20, 24}, {20.5, 15}}, colour::green, 1.2);
  limb(cr, {{20, 33.8}, {24, 28}, {26.5, 23.5}}, colour::green, 1.2);
  paintGlossy(cr, ellipse(16, 31.5, 3.6, 1.8), colour::lime);
  paintGlossy(cr, ellipse(24.5, 31.5, 3.6, 1.8), colour::lime);
  flower(cr, {13.5, 21.5}, colour::pink);
  flower(cr, {20.5, 14.5}, colour::white);
  flower(cr, {26.5, 23}, colour::violet);
}

}  // namespace

Catalog flappyPictures() {
  return {
      {sprite::kFlappyBird, fromCellCorner(bird)},              // bird flying right (also the fallback game's picture)
      {sprite::kFlappyBirdGrabbing, fromCellCorner(birdGrab)},  // bird grabbing a coin
      {sprite::kFlappyGround, fromCellCorner(groundTile)},      // ground tile, 16 wide
      {sprite::kFlappyCoin, fromCellCorner(coin)},              // coin
      {sprite::kFlappyHazard, fromCellCorner(hazard)},          // spinning hazard
      {sprite::kFlappyObstacle, fromCellCorner(obstacle)},      // tall obstacle
      {sprite::kFlappyTree, fromCellCorner(tree)},              // ground scenery: apple tree
      {sprite::kFlappyFlowers, fromCellCorner(flowers)},        // ground scenery: flowers
  };
}

}  // namespace sprites
