// Writes a sprite sheet of 64 cells of 40 × 40 tier-1 pixels, 8 to a row, in the three
// resolution tiers. Every picture is painted by its own callback at tiers 2 and 4; tier 1
// is the tier-4 painting fitted to whole pixels, so it stays crisp when magnified.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace sprites_b {

inline constexpr int kCellSize = 40;
inline constexpr int kColumns = 8;
inline constexpr int kFramesPerSheet = 64;
inline constexpr int kTiers[] = {1, 2, 4};

struct SpritePicture {
  int sprite;  // the number the games draw: sheet · 64 + frame
  // Paints in tier-1 units with the origin at the cell centre, +y downward.
  std::function<void(cairo_t*)> draw;
};

using Catalog = std::vector<SpritePicture>;

// Appends every picture of `part` to `whole`.
void append(Catalog& whole, const Catalog& part);

// Checks that every sprite lies on the sheet and none is painted twice; returns a
// message describing the first problem, or an empty string.
std::string checkCatalog(int sheet, const Catalog& pictures);

// Paints the sheet at one tier into a new ARGB surface; the caller destroys it.
cairo_surface_t* renderSheet(int sheet, const Catalog& pictures, int tier);

// Entry point of a sheet generator: argv[1] is the data folder. Writes sprt_<sheet>.png,
// -hd.png and -hd2.png there and returns the process exit status.
int runSheetGenerator(int argc, char** argv, int sheet, const Catalog& pictures);

}  // namespace sprites_b
