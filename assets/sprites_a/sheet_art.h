// One sprite sheet of 64 cells of 40 × 40 tier-1 units, 8 to a row, and the drawings
// that fill it. Sprite numbers are the games' numbering: sheet × 64 + frame.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace sprites_a {

inline constexpr int kCellSize = 40;
inline constexpr int kColumns = 8;
inline constexpr int kFramesPerSheet = 64;

// Draws one picture in its own cell, in tier-1 units with (0, 0) at the cell's top-left
// and the picture centred on (20, 20).
using DrawFn = void (*)(cairo_t*);

struct SpriteDrawing {
  int spriteNumber = 0;
  std::string name;
  DrawFn draw = nullptr;
};

class SheetArt {
 public:
  explicit SheetArt(int sheetIndex) : sheetIndex_(sheetIndex) {}

  // Registers the drawing of one sprite number; the number must belong to this sheet and
  // may be registered once only (a shared sprite is one picture serving every game).
  void add(int spriteNumber, std::string name, DrawFn draw);

  int sheetIndex() const { return sheetIndex_; }
  const std::vector<SpriteDrawing>& drawings() const { return drawings_; }
  // Errors found while registering (empty when the catalogue is sound).
  const std::vector<std::string>& problems() const { return problems_; }

  // Renders the sheet at `tier` pixels per unit; tier 1 is the tier-4 painting fitted to
  // whole pixels. The caller owns the surface.
  cairo_surface_t* render(int tier) const;

 private:
  // Paints every drawing at `tier` pixels per unit.
  cairo_surface_t* paintAt(int tier) const;

  int sheetIndex_;
  std::vector<SpriteDrawing> drawings_;
  std::vector<std::string> problems_;
};

// Writes "<dir>/sprt_<n>.png", "-hd.png" and "-hd2.png" (tiers 1, 2 and 4).
// Returns an exit status for the generator's main: 0 on success.
int writeSheetFiles(const SheetArt& sheet, const std::string& directory);

// The generators' shared entry: checks the arguments ("<output dir>") and writes.
int runSheetGenerator(const SheetArt& sheet, int argc, char** argv);

}  // namespace sprites_a
