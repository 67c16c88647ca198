// Roller (game R): the ant (seen from above and facing UP; the game turns it to its
// direction), the player, three wall blocks, four gummies and the floor. The maze is a
// grid of 32-unit cells, so the floor and the walls fill their whole 32 × 32 square; the
// floor is plain at its edges so neighbouring cells join without a seam.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

const Rgb kSand = mix(colour::skin, colour::yellow, 0.25);
// Violet-grey stone, clearly apart from the sand and from the red ants.
const Rgb kStone = mix(colour::midGrey, colour::violet, 0.55);

void ant(cairo_t* cr) {
  const Rgb body = mix(colour::red, colour::brown, 0.35);
  for (double side : {-1.0, 1.0}) {
    const double x = 20 + side * 2.5;
    strokeFlat(cr, polyline({{x, 16.5}, {20 + side * 8, 13}, {20 + side * 10, 9}}), colour::ink, 1.3);
    strokeFlat(cr, polyline({{x, 18}, {20 + side * 9, 18.5}, {20 + side * 12, 16}}), colour::ink, 1.3);
    strokeFlat(cr, polyline({{x, 19.5}, {20 + side * 8, 23.5}, {20 + side * 10, 28}}), colour::ink, 1.3);
    strokeFlat(cr, curve({20 + side * 1.5, 8}, {20 + side * 2.5, 5.5}, {20 + side * 4.5, 4.8}, {20 + side * 6, 5.2}),
               colour::ink, 1.1);
  }
  paintGlossy(cr, ellipse(20, 27, 5.8, 7), body);
  paintGlossy(cr, ellipse(20, 18, 3.2, 3.8), body);
  paintGlossy(cr, circle(20, 10.5, 4.2), body);
  fillFlat(cr, circle(18.2, 9.6, 1.0), colour::white);
  fillFlat(cr, circle(21.8, 9.6, 1.0), colour::white);
  fillFlat(cr, ellipse(20, 24.5, 3, 1), highlightOf(body), 0.7);
}

void player(cairo_t* cr) {
  paintGlossy(cr, ellipse(15, 31.5, 3.6, 2.2), colour::blue);
  paintGlossy(cr, ellipse(25, 31.5, 3.6, 2.2), colour::blue);
  paintGlossy(cr, circle(8.8, 21, 2.6), colour::sky);
  paintGlossy(cr, circle(31.2, 21, 2.6), colour::sky);
  paintGlossy(cr,
              merged({circle(20, 19.5, 11), polygon({{11, 13}, {11.5, 5.5}, {17, 9.5}}),
                      polygon({{23, 9.5}, {28.5, 5.5}, {29, 13}})}),
              colour::sky);
  roundEye(cr, 16.3, 18, 3, 0, 0.2);
  roundEye(cr, 23.7, 18, 3, 0, 0.2);
  cheek(cr, 13.6, 23, 1.8);
  cheek(cr, 26.4, 23, 1.8);
  mouth(cr, 17.5, 23.5, 22.5, 23.5, 2);
}

// A wall block filling its cell: ink seams all round, a bevelled stone in the middle.
void wallBlock(cairo_t* cr, Rgb stone) {
  fillFlat(cr, rect(4, 4, 32, 32), colour::ink);
  paintGlossy(cr, roundedRect(5, 5, 30, 30, 3.5), stone, {.outline = false, .highlight = false});
  strokeFlat(cr, polyline({{6.5, 31}, {6.5, 6.5}, {31, 6.5}}), colour::white, 1.2, 0.45);
}

void plainWall(cairo_t* cr) {
  wallBlock(cr, kStone);
  fillFlat(cr, ellipse(26, 26, 2.2, 1.4), shadeOf(kStone));
  fillFlat(cr, ellipse(13, 24, 1.4, 0.9), shadeOf(kStone));
}

void mossyWall(cairo_t* cr) {
  wallBlock(cr, mix(kStone, colour::darkGrey, 0.12));
  paintGlossy(cr, blob({{5.5, 6}, {20, 5.5}, {31, 6}, {30, 10}, {25, 9.5}, {21, 13}, {16, 10}, {10, 14}, {6, 11}}),
              colour::green, {.outline = false});
  fillFlat(cr, circle(10, 10, 1), colour::lime);
  fillFlat(cr, circle(22, 9, 1), colour::lime);
}

void crackedWall(cairo_t* cr) {
  wallBlock(cr, mix(kStone, colour::violet, 0.25));
  strokeFlat(cr, polyline({{12, 5.5}, {15, 12}, {12.5, 17}, {17, 22}}), shadeOf(kStone), 1.2);
  strokeFlat(cr, polyline({{34.5, 20}, {29, 23}, {27, 29}}), shadeOf(kStone), 1.2);
}

void gummy(cairo_t* cr, Rgb colour) {
  const PathFn bear = merged({circle(15.5, 8.6, 2.4), circle(24.5, 8.6, 2.4), circle(20, 13, 5.6),
                              ellipse(20, 24, 6.5, 7.5), ellipse(13.2, 21, 2.4, 3.2), ellipse(26.8, 21, 2.4, 3.2),
                              ellipse(15.8, 31, 3, 2.6), ellipse(24.2, 31, 3, 2.6)});
  paintGlossy(cr, bear, colour);
  fillFlat(cr, ellipse(20, 25.5, 3.5, 4), highlightOf(colour), 0.6);
  fillFlat(cr, circle(17.8, 12.2, 0.95), colour::ink);
  fillFlat(cr, circle(22.2, 12.2, 0.95), colour::ink);
  fillFlat(cr, ellipse(20, 15, 1.8, 1.3), highlightOf(colour), 0.9);
  fillFlat(cr, circle(20, 14.6, 0.7), colour::ink);
}

void pinkGummy(cairo_t* cr) { gummy(cr, colour::pink); }
void limeGummy(cairo_t* cr) { gummy(cr, colour::lime); }
void orangeGummy(cairo_t* cr) { gummy(cr, colour::orange); }
void skyGummy(cairo_t* cr) { gummy(cr, colour::sky); }

void floor(cairo_t* cr) {
  fillFlat(cr, rect(4, 4, 32, 32), kSand);
  // Specks kept clear of the edges, so any two floor cells meet in plain sand.
  const Rgb speck = mix(kSand, colour::brown, 0.3);
  for (const Point& p : {Point{10, 9}, Point{25, 12}, Point{17, 21}, Point{29, 27}, Point{9, 30}, Point{21, 31}}) {
    fillFlat(cr, ellipse(p.x, p.y, 1.2, 0.8), speck);
  }
  fillFlat(cr, ellipse(14, 14, 0.8, 0.6), colour::white, 0.6);
  fillFlat(cr, ellipse(27, 21, 0.8, 0.6), colour::white, 0.6);
}

}  // namespace

Catalog rollerPictures() {
  return {
      {sprite::kRollerAnt, fromCellCorner(ant)},                // ant, facing up
      {sprite::kRollerPlayer, fromCellCorner(player)},          // player
      {sprite::kRollerWall, fromCellCorner(plainWall)},         // wall block, plain
      {sprite::kRollerWall + 1, fromCellCorner(mossyWall)},     // wall block, mossy
      {sprite::kRollerWall + 2, fromCellCorner(crackedWall)},   // wall block, cracked
      {sprite::kRollerGummy, fromCellCorner(pinkGummy)},        // gummy, pink
      {sprite::kRollerGummy + 1, fromCellCorner(limeGummy)},    // gummy, lime
      {sprite::kRollerGummy + 2, fromCellCorner(orangeGummy)},  // gummy, orange
      {sprite::kRollerGummy + 3, fromCellCorner(skyGummy)},     // gummy, sky blue
      {sprite::kRollerFloor, fromCellCorner(floor)},            // maze floor
  };
}

}  // namespace sprites
