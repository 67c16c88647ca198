// Writes sprite sheets: every frame is painted by a callback in tier-1 units, once per
// resolution tier, so no tier is ever a scaled copy of another.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace zandrel_art {

struct FrameContext {
  cairo_t* cr;  // origin at the cell's top-left, scaled so one unit is one tier-1 pixel
  int frame;
  int tier;     // 1, 2 or 4 device pixels per unit
};

// Pictures the program magnifies with nearest sampling must keep hard edges and flat
// fills instead of the blur of a sub-pixel painting: such a tier is painted four times
// finer and fitted to whole pixels.
enum class PixelFit {
  none,
  // Tier 1 alone, from the tier-4 painting; its see-through pixels stay see-through.
  tierOne,
  // Every tier, its see-through pixels hardened to full opacity: no soft pixel at all.
  everyTier,
};

struct SheetDefinition {
  std::string name;  // path below the data folder, without tier suffix or ".png"
  int cellW = 0;
  int cellH = 0;
  int frames = 0;
  int columns = 0;
  std::function<void(const FrameContext&)> drawFrame;
  bool tiered = true;  // false: one file at tier 1 with no suffix
  PixelFit pixelFit = PixelFit::none;
};

// Renders one sheet at one tier into a new ARGB surface (the caller destroys it).
cairo_surface_t* renderSheet(const SheetDefinition& sheet, int tier);

// Entry point shared by the generators: argv[1] is the data folder. Writes every sheet
// in each of its tiers and returns the process exit status.
int runSheetGenerator(int argc, char** argv, const std::vector<SheetDefinition>& sheets);

}  // namespace zandrel_art
