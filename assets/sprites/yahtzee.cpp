// Yahtzee's dice (showing 1..6) and the two background tiles: one for the drop zone
// (rows 0..3) and one for the well (rows 4..8). The game lays everything on a grid of
// cells drawn at cell/32, so the tiles are full 32 × 32 squares that join on every side,
// and a die fills most of a cell. The sprite before the dice (the die "0") is Zone's gem.
#include <array>

#include "catalogs.h"
#include "games/sprite_numbers.h"
#include "kit/paint.h"

namespace sprites {

namespace {

// Pip positions on a 3 × 3 grid, per face.
constexpr std::array<std::array<bool, 9>, 6> kFaces = {{
    {false, false, false, false, true, false, false, false, false},
    {true, false, false, false, false, false, false, false, true},
    {true, false, false, false, true, false, false, false, true},
    {true, false, true, false, false, false, true, false, true},
    {true, false, true, false, true, false, true, false, true},
    {true, false, true, true, false, true, true, false, true},
}};

void die(cairo_t* cr, int value) {
  constexpr Rgb kIvory = mix(colour::white, colour::yellow, 0.12);
  paintStyled(cr, roundedRect(-13.5, -13.5, 27, 27, 6), kIvory,
              {.bevel = 2.4});
  const bool single = value == 1;
  const Rgb pip = single ? colour::red : colour::ink;
  const double radius = single ? 3.6 : 2.5;
  for (int i = 0; i < 9; ++i) {
    if (!kFaces[value - 1][i]) continue;
    const double x = (i % 3 - 1) * 7.0;
    const double y = (i / 3 - 1) * 7.0;
    fillFlat(cr, circle(x, y, radius), pip);
    fillFlat(cr, circle(x - radius * 0.3, y - radius * 0.3, radius * 0.35),
             colour::white, 0.35);
  }
}

// Deep night blue: the score line's green and yellow digits cross the zone's top row.
void dropZoneTile(cairo_t* cr) {
  constexpr Rgb kAir = mix(colour::blue, colour::ink, 0.55);
  fillFlat(cr, rect(-16, -16, 32, 32), kAir);
  // Faint grid lines just inside the tile's edges, so neighbours meet on a double line.
  strokeFlat(cr, rect(-15.5, -15.5, 31, 31), mix(kAir, colour::sky, 0.3),
             1.0);
  // A soft diamond marks the middle of each cell.
  fillFlat(cr, polygon({{0, -3}, {3, 0}, {0, 3}, {-3, 0}}),
           colour::sky, 0.45);
}

void wellTile(cairo_t* cr) {
  constexpr Rgb kFelt = mix(colour::violet, colour::ink, 0.45);
  fillFlat(cr, rect(-16, -16, 32, 32), kFelt);
  // A sunken slot for one die.
  paintSunken(cr, roundedRect(-14, -14, 28, 28, 5),
              mix(kFelt, colour::ink, 0.3), 1.6);
  strokeFlat(cr, roundedRect(-14, -14, 28, 28, 5), mix(kFelt, colour::ink, 0.55),
             0.8);
}

}  // namespace

Catalog yahtzeePictures() {
  Catalog out;
  for (int value = 1; value <= 6; ++value) {
    out.push_back({sprite::kYahtzeeDie - 1 + value, [value](cairo_t* cr) { die(cr, value); }});
  }
  out.push_back({sprite::kYahtzeeDropZone, dropZoneTile});
  out.push_back({sprite::kYahtzeeWell, wellTile});
  return out;
}

}  // namespace sprites
