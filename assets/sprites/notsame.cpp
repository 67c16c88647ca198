// NotSame (game L): the lizard seen from above, facing RIGHT, its shadow, the pond
// tiles of the four colours and the bank. Tiles and bank
// cells lie on a grid of 32-unit cells, so each fills its whole 32 × 32 square. Besides
// its colour every tile carries its own symbol, so the four are easy to tell apart.
// The lizard is violet, a colour no tile uses.
#include "catalogs.h"
#include "faces.h"
#include "games/sprite_numbers.h"

namespace sprites {
namespace {

PathFn lizardBody() {
  return merged({blob({{13.5, 22.5}, {9.5, 22}, {6.2, 22.4}, {8.5, 18.5}, {13.5, 18}}), ellipse(19.5, 20, 7.6, 4.3),
                 ellipse(28.3, 20, 4.9, 3.7)});
}

const Point kFeet[] = {{27.5, 12.5}, {27.5, 27.5}, {12, 13}, {12, 27}};
const Point kHips[] = {{24, 17.5}, {24, 22.5}, {15.5, 17.8}, {15.5, 22.2}};

void lizard(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {
    limb(cr, {kHips[i], {(kHips[i].x + kFeet[i].x) / 2 + (i < 2 ? 1 : -1), (kHips[i].y + kFeet[i].y) / 2}, kFeet[i]},
         colour::violet, 1.8);
    paintGlossy(cr, circle(kFeet[i].x, kFeet[i].y, 1.4), colour::violet, {.highlight = false, .outlineWidth = 0.8});
  }
  paintGlossy(cr, lizardBody(), colour::violet);
  for (const Point& spot : {Point{15, 19.2}, Point{19, 21}, Point{22.5, 19.2}, Point{10.5, 20.5}}) {
    fillFlat(cr, circle(spot.x, spot.y, 1.1), colour::yellow);
  }
  roundEye(cr, 29.3, 17.2, 1.6, 0.6, -0.2);
  roundEye(cr, 29.3, 22.8, 1.6, 0.6, 0.2);
}

void lizardShadow(cairo_t* cr) {
  constexpr double kShade = 0.5;
  fillFlat(cr, lizardBody(), colour::ink, kShade);
  for (int i = 0; i < 4; ++i) {
    strokeFlat(cr, line(kHips[i].x, kHips[i].y, kFeet[i].x, kFeet[i].y), colour::ink, 2.2, kShade);
    fillFlat(cr, circle(kFeet[i].x, kFeet[i].y, 1.6), colour::ink, kShade);
  }
}

// A full-cell tile: an ink border, a bevelled face and a white symbol.
void tile(cairo_t* cr, Rgb face, const PathFn& symbol) {
  fillFlat(cr, rect(4, 4, 32, 32), colour::ink);
  paintGlossy(cr, roundedRect(5, 5, 30, 30, 3), face, {.outline = false, .highlight = false});
  strokeFlat(cr, polyline({{6.5, 31.5}, {6.5, 6.5}, {31.5, 6.5}}), colour::white, 1.4, 0.5);
  paintGlossy(cr, symbol, colour::white, {.shade = false, .highlight = false, .outlineWidth = 0.8}, 0.92);
}

void redTile(cairo_t* cr) { tile(cr, colour::red, circle(20, 20, 6)); }
void yellowTile(cairo_t* cr) { tile(cr, colour::yellow, polygon({{20, 13}, {27, 25.5}, {13, 25.5}})); }
void greenTile(cairo_t* cr) { tile(cr, colour::green, polygon({{20, 12.5}, {27.5, 20}, {20, 27.5}, {12.5, 20}})); }
void blueTile(cairo_t* cr) { tile(cr, colour::blue, star(20, 20.6, 5, 7.5, 3.2)); }

void bank(cairo_t* cr) {
  fillFlat(cr, rect(4, 4, 32, 32), colour::green);
  // Tufts and a flower kept inside the cell, so stacked bank cells meet in plain grass.
  const Rgb blade = mix(colour::green, colour::lime, 0.6);
  for (const Point& p : {Point{10, 11}, Point{24, 9}, Point{16, 20}, Point{29, 23}, Point{9, 30}, Point{22, 31}}) {
    fillFlat(cr, polygon({{p.x - 2.2, p.y + 1.5}, {p.x - 1.4, p.y - 2}, {p.x - 0.4, p.y + 1.5}}), blade);
    fillFlat(cr, polygon({{p.x - 0.5, p.y + 1.5}, {p.x + 0.8, p.y - 2.6}, {p.x + 1.6, p.y + 1.5}}), blade);
  }
  for (double a : {0.0, 72.0, 144.0, 216.0, 288.0}) {
    cairo_save(cr);
    cairo_translate(cr, 26, 15);
    cairo_rotate(cr, a * 3.14159265358979 / 180);
    fillFlat(cr, circle(0, -1.6, 1.2), colour::white);
    cairo_restore(cr);
  }
  fillFlat(cr, circle(26, 15, 1.1), colour::yellow);
}

}  // namespace

Catalog notSamePictures() {
  return {
      {sprite::kNotSameLizard, fromCellCorner(lizard)},        // lizard, facing right
      {sprite::kNotSameShadow, fromCellCorner(lizardShadow)},  // lizard's shadow
      {sprite::kNotSameTile, fromCellCorner(redTile)},         // pond tile, red circle
      {sprite::kNotSameTile + 1, fromCellCorner(yellowTile)},  // pond tile, yellow triangle
      {sprite::kNotSameTile + 2, fromCellCorner(greenTile)},   // pond tile, green diamond
      {sprite::kNotSameTile + 3, fromCellCorner(blueTile)},    // pond tile, blue star
      {sprite::kNotSameBank, fromCellCorner(bank)},            // bank
  };
}

}  // namespace sprites
