#include "sheet_art.h"

#include <algorithm>
#include <cstdio>

#include "../common/pixel_fit.h"

namespace sprites_a {

void SheetArt::add(int spriteNumber, std::string name, DrawFn draw) {
  const int first = sheetIndex_ * kFramesPerSheet;
  if (spriteNumber < first || spriteNumber >= first + kFramesPerSheet) {
    problems_.push_back("sprite " + std::to_string(spriteNumber) + " (" + name +
                        ") does not belong to sheet " + std::to_string(sheetIndex_));
    return;
  }
  const bool taken = std::any_of(drawings_.begin(), drawings_.end(), [&](const SpriteDrawing& d) {
    return d.spriteNumber == spriteNumber;
  });
  if (taken) {
    problems_.push_back("sprite " + std::to_string(spriteNumber) + " (" + name +
                        ") is drawn twice");
    return;
  }
  if (draw == nullptr) {
    problems_.push_back("sprite " + std::to_string(spriteNumber) + " has no drawing");
    return;
  }
  drawings_.push_back({spriteNumber, std::move(name), draw});
}

cairo_surface_t* SheetArt::render(int tier) const {
  // Tier 1 is painted at tier 4 and fitted to whole pixels, so what the games magnify
  // keeps hard edges instead of the blur of a sub-pixel painting.
  if (tier == 1) {
    cairo_surface_t* fine = paintAt(4);
    cairo_surface_t* fitted = zandrel_art::fitToPixels(fine, 4);
    cairo_surface_destroy(fine);
    return fitted;
  }
  return paintAt(tier);
}

cairo_surface_t* SheetArt::paintAt(int tier) const {
  const int side = kColumns * kCellSize * tier;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  // Every tier draws the same paths at its own resolution; no bitmap is ever enlarged.
  cairo_scale(cr, tier, tier);
  for (const SpriteDrawing& drawing : drawings_) {
    const int frame = drawing.spriteNumber - sheetIndex_ * kFramesPerSheet;
    cairo_save(cr);
    cairo_translate(cr, (frame % kColumns) * kCellSize, (frame / kColumns) * kCellSize);
    // A drawing can never spill into a neighbouring cell.
    cairo_rectangle(cr, 0, 0, kCellSize, kCellSize);
    cairo_clip(cr);
    cairo_new_path(cr);
    drawing.draw(cr);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

int writeSheetFiles(const SheetArt& sheet, const std::string& directory) {
  for (const std::string& problem : sheet.problems()) std::fprintf(stderr, "sprt_%d: %s\n",
                                                                    sheet.sheetIndex(), problem.c_str());
  if (!sheet.problems().empty()) return 1;
  struct Tier {
    int scale;
    const char* suffix;
  };
  for (const Tier tier : {Tier{1, ""}, Tier{2, "-hd"}, Tier{4, "-hd2"}}) {
    const std::string path =
        directory + "/sprt_" + std::to_string(sheet.sheetIndex()) + tier.suffix + ".png";
    cairo_surface_t* surface = sheet.render(tier.scale);
    cairo_status_t status = cairo_surface_status(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), cairo_status_to_string(status));
      return 1;
    }
  }
  return 0;
}

int runSheetGenerator(const SheetArt& sheet, int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argc > 0 ? argv[0] : "sheet generator");
    return 2;
  }
  return writeSheetFiles(sheet, argv[1]);
}

}  // namespace sprites_a
