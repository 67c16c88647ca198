// Roller (game R): the ant (75, seen from above and facing UP; the game turns it to its
// direction), the player (76), three wall blocks (77..79), four gummies (80..83) and the
// floor (84). The maze is a grid of 32-unit cells, so the floor and the walls fill their
// whole 32 × 32 square; the floor is plain at its edges so neighbouring cells join
// without a seam.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

const Colour kSand = mix(kSkin, kYellow, 0.25);
// Violet-grey stone, clearly apart from the sand and from the red ants.
const Colour kStone = mix(kMidGrey, kViolet, 0.55);

void ant(cairo_t* cr) {
  const Colour body = mix(kRed, kBrown, 0.35);
  for (double side : {-1.0, 1.0}) {
    const double x = 20 + side * 2.5;
    stroke(cr, polyline({{x, 16.5}, {20 + side * 8, 13}, {20 + side * 10, 9}}), kInk, 1.3);
    stroke(cr, polyline({{x, 18}, {20 + side * 9, 18.5}, {20 + side * 12, 16}}), kInk, 1.3);
    stroke(cr, polyline({{x, 19.5}, {20 + side * 8, 23.5}, {20 + side * 10, 28}}), kInk, 1.3);
    stroke(cr, curve({20 + side * 1.5, 8}, {20 + side * 2.5, 5.5}, {20 + side * 4.5, 4.8}, {20 + side * 6, 5.2}), kInk,
           1.1);
  }
  paint(cr, ellipse(20, 27, 5.8, 7), body);
  paint(cr, ellipse(20, 18, 3.2, 3.8), body);
  paint(cr, circle(20, 10.5, 4.2), body);
  fill(cr, circle(18.2, 9.6, 1.0), kWhite);
  fill(cr, circle(21.8, 9.6, 1.0), kWhite);
  fill(cr, ellipse(20, 24.5, 3, 1), withAlpha(highlightOf(body), 0.7));
}

void player(cairo_t* cr) {
  paint(cr, ellipse(15, 31.5, 3.6, 2.2), kBlue);
  paint(cr, ellipse(25, 31.5, 3.6, 2.2), kBlue);
  paint(cr, circle(8.8, 21, 2.6), kSky);
  paint(cr, circle(31.2, 21, 2.6), kSky);
  paint(cr, merged({circle(20, 19.5, 11), polygon({{11, 13}, {11.5, 5.5}, {17, 9.5}}),
                    polygon({{23, 9.5}, {28.5, 5.5}, {29, 13}})}),
        kSky);
  eye(cr, 16.3, 18, 3, 0, 0.2);
  eye(cr, 23.7, 18, 3, 0, 0.2);
  cheek(cr, 13.6, 23, 1.8);
  cheek(cr, 26.4, 23, 1.8);
  mouth(cr, 17.5, 23.5, 22.5, 23.5, 2);
}

// A wall block filling its cell: ink seams all round, a bevelled stone in the middle.
void wallBlock(cairo_t* cr, Colour stone) {
  fill(cr, rect(4, 4, 32, 32), kInk);
  paint(cr, roundedRect(5, 5, 30, 30, 3.5), stone, {.outline = false, .highlight = false});
  stroke(cr, polyline({{6.5, 31}, {6.5, 6.5}, {31, 6.5}}), withAlpha(kWhite, 0.45), 1.2);
}

void plainWall(cairo_t* cr) {
  wallBlock(cr, kStone);
  fill(cr, ellipse(26, 26, 2.2, 1.4), shadeOf(kStone));
  fill(cr, ellipse(13, 24, 1.4, 0.9), shadeOf(kStone));
}

void mossyWall(cairo_t* cr) {
  wallBlock(cr, mix(kStone, kDarkGrey, 0.12));
  paint(cr, blob({{5.5, 6}, {20, 5.5}, {31, 6}, {30, 10}, {25, 9.5}, {21, 13}, {16, 10}, {10, 14}, {6, 11}}), kGreen,
        {.outline = false});
  fill(cr, circle(10, 10, 1), kLime);
  fill(cr, circle(22, 9, 1), kLime);
}

void crackedWall(cairo_t* cr) {
  wallBlock(cr, mix(kStone, kViolet, 0.25));
  stroke(cr, polyline({{12, 5.5}, {15, 12}, {12.5, 17}, {17, 22}}), shadeOf(kStone), 1.2);
  stroke(cr, polyline({{34.5, 20}, {29, 23}, {27, 29}}), shadeOf(kStone), 1.2);
}

void gummy(cairo_t* cr, Colour colour) {
  const Path bear = merged({circle(15.5, 8.6, 2.4), circle(24.5, 8.6, 2.4), circle(20, 13, 5.6),
                            ellipse(20, 24, 6.5, 7.5), ellipse(13.2, 21, 2.4, 3.2), ellipse(26.8, 21, 2.4, 3.2),
                            ellipse(15.8, 31, 3, 2.6), ellipse(24.2, 31, 3, 2.6)});
  paint(cr, bear, colour);
  fill(cr, ellipse(20, 25.5, 3.5, 4), withAlpha(highlightOf(colour), 0.6));
  fill(cr, circle(17.8, 12.2, 0.95), kInk);
  fill(cr, circle(22.2, 12.2, 0.95), kInk);
  fill(cr, ellipse(20, 15, 1.8, 1.3), withAlpha(highlightOf(colour), 0.9));
  fill(cr, circle(20, 14.6, 0.7), kInk);
}

void pinkGummy(cairo_t* cr) { gummy(cr, kPink); }
void limeGummy(cairo_t* cr) { gummy(cr, kLime); }
void orangeGummy(cairo_t* cr) { gummy(cr, kOrange); }
void skyGummy(cairo_t* cr) { gummy(cr, kSky); }

void floor(cairo_t* cr) {
  fill(cr, rect(4, 4, 32, 32), kSand);
  // Specks kept clear of the edges, so any two floor cells meet in plain sand.
  const Colour speck = mix(kSand, kBrown, 0.3);
  for (const Point& p : {Point{10, 9}, Point{25, 12}, Point{17, 21}, Point{29, 27}, Point{9, 30}, Point{21, 31}}) {
    fill(cr, ellipse(p.x, p.y, 1.2, 0.8), speck);
  }
  fill(cr, ellipse(14, 14, 0.8, 0.6), withAlpha(kWhite, 0.6));
  fill(cr, ellipse(27, 21, 0.8, 0.6), withAlpha(kWhite, 0.6));
}

}  // namespace

void addRollerArt(SheetArt& sheet) {
  sheet.add(75, "ant, facing up", ant);
  sheet.add(76, "player", player);
  sheet.add(77, "wall block, plain", plainWall);
  sheet.add(78, "wall block, mossy", mossyWall);
  sheet.add(79, "wall block, cracked", crackedWall);
  sheet.add(80, "gummy, pink", pinkGummy);
  sheet.add(81, "gummy, lime", limeGummy);
  sheet.add(82, "gummy, orange", orangeGummy);
  sheet.add(83, "gummy, sky blue", skyGummy);
  sheet.add(84, "maze floor", floor);
}

}  // namespace sprites_a
