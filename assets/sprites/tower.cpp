// Tower (game T): the wall block, light grey stone bricks on dark mortar, the same stone
// as the wall's top row (on another sheet). Blocks tile edge to edge on the
// wall grid, so the brickwork is periodic: bricks that cross the tile's edge are drawn
// again one tile over, and the tile is opaque across its whole 32 × 32 square.
//
// Tower's wall top and log, drawn at the tower scale U/32 (about 1.67).
//
// The wall top is one row of the wall: it tiles with its neighbours on a U grid and sits
// on the plain wall blocks below it, so it is 32 px wide, opaque down to its
// bottom edge, and continues their brickwork: 16 × 8 bricks in running bond on dark
// mortar. It is drawn after the player, so its upper part stays transparent: the coping's
// top edge is at y -7, where the player (feet at +14 in his own cell, 16 px higher) stands
// just behind it, the lying logs rest on it and the blobs on top reach it.
#include <cmath>

#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

constexpr double kTile = 32, kOrigin = 4;
constexpr double kCourse = 8, kBrick = 16, kMortar = 0.8;

void wallBlock(cairo_t* cr) {
  const PathFn square = rect(kOrigin, kOrigin, kTile, kTile);
  clipped(cr, square, [&] {
    fillFlat(cr, square, colour::darkGrey);
    for (int course = 0; course < 4; ++course) {
      const double y = kOrigin + course * kCourse;
      const double offset = course % 2 == 0 ? 0 : kBrick / 2;
      for (int brick = -1; brick < 3; ++brick) {
        const double x = kOrigin + offset + brick * kBrick;
        // A slight, fixed variation keeps the wall from looking stamped.
        const double tint = ((course * 3 + brick + 4) % 3) * 0.06;
        const Rgb stone = mix(colour::lightGrey, colour::midGrey, 0.1 + tint);
        paintGlossy(cr, roundedRect(x + kMortar, y + kMortar, kBrick - 2 * kMortar, kCourse - 2 * kMortar, 1.4), stone,
              {.outline = false});
      }
    }
  });
}

constexpr double kCopingTop = -7.0;
constexpr double kCopingFront = -5.0;
constexpr Rgb kCoping = mix(colour::white, colour::lightGrey, 0.5);

void wallTop(cairo_t* cr) {
  cairo_save(cr);
  cairo_rectangle(cr, -16, kCopingTop, 32, 16 - kCopingTop);
  cairo_clip(cr);
  fillFlat(cr, rect(-16, kCopingTop, 32, 16 - kCopingTop), colour::darkGrey);
  // The two lowest courses of a wall block, so the bond runs on into the blocks below.
  for (int course = 2; course < 4; ++course) {
    const double y = -16 + course * kCourse;
    const double offset = course % 2 == 0 ? 0 : kBrick / 2;
    for (int brick = -1; brick < 3; ++brick) {
      const double x = -16 + offset + brick * kBrick;
      const double tint = ((course * 3 + brick + 4) % 3) * 0.06;
      const Rgb stone = mix(colour::lightGrey, colour::midGrey, 0.15 + tint);
      paintBevelled(cr, roundedRect(x + kMortar, y + kMortar, kBrick - 2 * kMortar, kCourse - 2 * kMortar, 1.4), stone, 1.2);
    }
  }
  // Coping stones: a lit top face, then the front face down to the bricks.
  for (double x : {-24.0, -8.0, 8.0}) {
    paintBevelled(cr, roundedRect(x + kMortar / 2, kCopingFront, kBrick - kMortar, -kCopingFront - kMortar / 2, 1.2), kCoping, 1.2);
    fillFlat(cr, roundedRect(x + kMortar / 2, kCopingTop, kBrick - kMortar, kCopingFront - kCopingTop, 0.8), colour::white);
  }
  cairo_restore(cr);
  fillFlat(cr, rect(-16, kCopingTop - 1, 32, 1), colour::ink);
  // A tuft of moss in a joint.
  fillFlat(cr, ellipse(-4.0, 8.2, 2.2, 0.9), colour::green, 0.85);
}

// The log lies along the lower half of its cell: the game draws it 0.1 U above the
// player's centre while carried, so there it covers his arms and not his face, and the
// same picture lying at the wall's ends rests on the coping.
void log(cairo_t* cr) {
  constexpr Rgb kBark = colour::brown;
  constexpr double kMid = 4.0;
  // A twig with a leaf at the far end, so the spin shows.
  strokeStyled(cr, polyline({{-7, kMid - 4}, {-9, kMid - 9}}), kBark, 1.6, 0.9);
  paintStyled(cr, [](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, -9, kMid - 9);
    cairo_curve_to(c, -6, kMid - 13, -2, kMid - 11, -1.5, kMid - 10);
    cairo_curve_to(c, -4, kMid - 7.5, -7, kMid - 7.5, -9, kMid - 9);
    cairo_close_path(c);
  }, colour::lime, {.bevel = 0.5, .outline = 0.9});
  paintStyled(cr, roundedRect(-13, kMid - 5.5, 24, 11, 5.5), kBark);
  // Bark lines.
  strokeFlat(cr, merged({
    polyline({{-10, kMid - 2}, {-4, kMid - 2}}),
    polyline({{-7, kMid + 2}, {2, kMid + 2}}),
    polyline({{0, kMid - 1.5}, {5, kMid - 1.5}}),
  }), darker(kBark, 0.35), 0.9);
  // The cut end with its rings.
  paintStyled(cr, ellipse(10.0, kMid, 3.4, 5.5),
              mix(colour::orange, colour::yellow, 0.4), {.bevel = 0.8});
  strokeFlat(cr, ellipse(10.0, kMid, 1.9, 3.2), colour::brown, 0.7);
  fillFlat(cr, circle(10.0, kMid, 0.7), colour::brown);
}

}  // namespace

Catalog towerPictures() {
  return {{sprite::kTowerWall, fromCellCorner(wallBlock)}, {sprite::kTowerWallTop, wallTop}, {sprite::kTowerLog, log}};
}

}  // namespace sprites
