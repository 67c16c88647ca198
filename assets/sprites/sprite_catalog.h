// The pictures of the six sprite sheets sprt_0 .. sprt_5, each named by its sprite number:
// 64 cells of 40 × 40 tier-1 pixels a sheet, 8 to a row, written by the kit's sheet writer
// with tier 1 fitted to whole pixels, so it stays crisp when magnified.
#pragma once

#include <cairo.h>

#include <functional>
#include <vector>

#include "kit/glossy.h"

namespace sprites {

using namespace zandrel_art;

inline constexpr int kCellSize = 40;
inline constexpr int kColumns = 8;
inline constexpr int kFramesPerSheet = 64;
inline constexpr int kSheets = 6;

using PictureFn = std::function<void(cairo_t*)>;

struct SpritePicture {
  int sprite;  // the number the games draw: sheet · 64 + frame
  // Paints in tier-1 units with the origin at the cell centre, +y downward.
  PictureFn draw;
};

using Catalog = std::vector<SpritePicture>;

// For a picture drawn in the cell's own coordinates: (0, 0) at its top-left corner, the
// handle at (20, 20).
PictureFn fromCellCorner(void (*draw)(cairo_t*));

// Runs `draw` scaled by `factor` about the handle (20, 20) of a picture drawn in cell
// coordinates, to fit a tall figure into its area without redrawing its proportions.
void scaledAboutCellCentre(cairo_t* cr, double factor, const std::function<void()>& draw);

// Appends every picture of `part` to `whole`.
void append(Catalog& whole, const Catalog& part);

// Entry point of the generator: argv[1] is the data folder. Checks that every sprite lies
// on one of the sheets and none is painted twice, writes every sheet in its tiers there
// and returns the process exit status.
int runSpriteSheetGenerator(int argc, char** argv, const Catalog& pictures);

}  // namespace sprites
