// NotSame (game L): the lizard seen from above, facing RIGHT (109), its shadow (110),
// the pond tiles of the four colours (115..118) and the bank (119). Tiles and bank
// cells lie on a grid of 32-unit cells, so each fills its whole 32 × 32 square. Besides
// its colour every tile carries its own symbol, so the four are easy to tell apart.
// The lizard is violet, a colour no tile uses.
#include "face_details.h"
#include "game_art.h"

namespace sprites_a {
namespace {

using namespace palette;

Path lizardBody() {
  return merged({blob({{13.5, 22.5}, {9.5, 22}, {6.2, 22.4}, {8.5, 18.5}, {13.5, 18}}), ellipse(19.5, 20, 7.6, 4.3),
                 ellipse(28.3, 20, 4.9, 3.7)});
}

const Point kFeet[] = {{27.5, 12.5}, {27.5, 27.5}, {12, 13}, {12, 27}};
const Point kHips[] = {{24, 17.5}, {24, 22.5}, {15.5, 17.8}, {15.5, 22.2}};

void lizard(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {
    limb(cr, {kHips[i], {(kHips[i].x + kFeet[i].x) / 2 + (i < 2 ? 1 : -1), (kHips[i].y + kFeet[i].y) / 2}, kFeet[i]},
         kViolet, 1.8);
    paint(cr, circle(kFeet[i].x, kFeet[i].y, 1.4), kViolet, {.highlight = false, .outlineWidth = 0.8});
  }
  paint(cr, lizardBody(), kViolet);
  for (const Point& spot : {Point{15, 19.2}, Point{19, 21}, Point{22.5, 19.2}, Point{10.5, 20.5}}) {
    fill(cr, circle(spot.x, spot.y, 1.1), kYellow);
  }
  eye(cr, 29.3, 17.2, 1.6, 0.6, -0.2);
  eye(cr, 29.3, 22.8, 1.6, 0.6, 0.2);
}

void lizardShadow(cairo_t* cr) {
  const Colour shade = withAlpha(kInk, 0.5);
  fill(cr, lizardBody(), shade);
  for (int i = 0; i < 4; ++i) {
    stroke(cr, line(kHips[i].x, kHips[i].y, kFeet[i].x, kFeet[i].y), shade, 2.2);
    fill(cr, circle(kFeet[i].x, kFeet[i].y, 1.6), shade);
  }
}

// A full-cell tile: an ink border, a bevelled face and a white symbol.
void tile(cairo_t* cr, Colour colour, const Path& symbol) {
  fill(cr, rect(4, 4, 32, 32), kInk);
  paint(cr, roundedRect(5, 5, 30, 30, 3), colour, {.outline = false, .highlight = false});
  stroke(cr, polyline({{6.5, 31.5}, {6.5, 6.5}, {31.5, 6.5}}), withAlpha(kWhite, 0.5), 1.4);
  paint(cr, symbol, withAlpha(kWhite, 0.92), {.shade = false, .highlight = false, .outlineWidth = 0.8});
}

void redTile(cairo_t* cr) { tile(cr, kRed, circle(20, 20, 6)); }
void yellowTile(cairo_t* cr) { tile(cr, kYellow, polygon({{20, 13}, {27, 25.5}, {13, 25.5}})); }
void greenTile(cairo_t* cr) { tile(cr, kGreen, polygon({{20, 12.5}, {27.5, 20}, {20, 27.5}, {12.5, 20}})); }
void blueTile(cairo_t* cr) { tile(cr, kBlue, star(20, 20.6, 5, 7.5, 3.2)); }

void bank(cairo_t* cr) {
  fill(cr, rect(4, 4, 32, 32), kGreen);
  // Tufts and a flower kept inside the cell, so stacked bank cells meet in plain grass.
  const Colour blade = mix(kGreen, kLime, 0.6);
  for (const Point& p : {Point{10, 11}, Point{24, 9}, Point{16, 20}, Point{29, 23}, Point{9, 30}, Point{22, 31}}) {
    fill(cr, polygon({{p.x - 2.2, p.y + 1.5}, {p.x - 1.4, p.y - 2}, {p.x - 0.4, p.y + 1.5}}), blade);
    fill(cr, polygon({{p.x - 0.5, p.y + 1.5}, {p.x + 0.8, p.y - 2.6}, {p.x + 1.6, p.y + 1.5}}), blade);
  }
  for (double a : {0.0, 72.0, 144.0, 216.0, 288.0}) {
    cairo_save(cr);
    cairo_translate(cr, 26, 15);
    cairo_rotate(cr, a * 3.14159265358979 / 180);
    fill(cr, circle(0, -1.6, 1.2), kWhite);
    cairo_restore(cr);
  }
  fill(cr, circle(26, 15, 1.1), kYellow);
}

}  // namespace

void addLizardPondArt(SheetArt& sheet) {
  sheet.add(109, "lizard, facing right", lizard);
  sheet.add(110, "lizard's shadow", lizardShadow);
  sheet.add(115, "pond tile, red circle", redTile);
  sheet.add(116, "pond tile, yellow triangle", yellowTile);
  sheet.add(117, "pond tile, green diamond", greenTile);
  sheet.add(118, "pond tile, blue star", blueTile);
  sheet.add(119, "bank", bank);
}

}  // namespace sprites_a
