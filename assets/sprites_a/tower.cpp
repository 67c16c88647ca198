// Tower (game T): the wall block, light grey stone bricks on dark mortar, the same stone
// as the wall's top row (sprite 360, on another sheet). Blocks tile edge to edge on the
// wall grid, so the brickwork is periodic: bricks that cross the tile's edge are drawn
// again one tile over, and the tile is opaque across its whole 32 × 32 square.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

constexpr double kTile = 32, kOrigin = 4;
constexpr double kCourse = 8, kBrick = 16, kMortar = 0.8;

void wallBlock(cairo_t* cr) {
  const Path square = rect(kOrigin, kOrigin, kTile, kTile);
  clipped(cr, square, [&] {
    fill(cr, square, kDarkGrey);
    for (int course = 0; course < 4; ++course) {
      const double y = kOrigin + course * kCourse;
      const double offset = course % 2 == 0 ? 0 : kBrick / 2;
      for (int brick = -1; brick < 3; ++brick) {
        const double x = kOrigin + offset + brick * kBrick;
        // A slight, fixed variation keeps the wall from looking stamped.
        const double tint = ((course * 3 + brick + 4) % 3) * 0.06;
        const Colour stone = mix(kLightGrey, kMidGrey, 0.1 + tint);
        paint(cr, roundedRect(x + kMortar, y + kMortar, kBrick - 2 * kMortar, kCourse - 2 * kMortar, 1.4), stone,
              {.outline = false});
      }
    }
  });
}

}  // namespace

void addTowerArt(SheetArt& sheet) { sheet.add(33, "tower wall block", wallBlock); }

}  // namespace sprites_a
