// Writes the six sprite sheets sprt_0 .. sprt_5: 64 cells of 40 × 40 tier-1 pixels each,
// 8 to a row, in the three resolution tiers. Every picture is painted by its own callback
// at tiers 2 and 4; tier 1 is the tier-4 painting fitted to whole pixels, so it stays crisp
// when magnified.
#pragma once

#include <cairo.h>

#include <functional>
#include <vector>

namespace sprites {

inline constexpr int kCellSize = 40;
inline constexpr int kColumns = 8;
inline constexpr int kFramesPerSheet = 64;
inline constexpr int kSheets = 6;
inline constexpr int kTiers[] = {1, 2, 4};

struct SpritePicture {
  int sprite;  // the number the games draw: sheet · 64 + frame
  // Paints in tier-1 units with the origin at the cell centre, +y downward.
  std::function<void(cairo_t*)> draw;
};

using Catalog = std::vector<SpritePicture>;

// For a picture drawn in the cell's own coordinates: (0, 0) at its top-left corner, the
// handle at (20, 20).
std::function<void(cairo_t*)> fromCellCorner(void (*draw)(cairo_t*));

// Runs `draw` scaled by `factor` about the handle (20, 20) of a picture drawn in cell
// coordinates, to fit a tall figure into its area without redrawing its proportions.
void scaledAboutCellCentre(cairo_t* cr, double factor, const std::function<void()>& draw);

// Appends every picture of `part` to `whole`.
void append(Catalog& whole, const Catalog& part);

// Entry point of the generator: argv[1] is the data folder. Checks that every sprite lies
// on one of the sheets and none is painted twice, writes sprt_<sheet>.png, -hd.png and
// -hd2.png there for every sheet and returns the process exit status.
int runSheetGenerator(int argc, char** argv, const Catalog& pictures);

}  // namespace sprites
