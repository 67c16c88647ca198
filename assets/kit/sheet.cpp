#include "sheet.h"

#include <cstdio>
#include <filesystem>

#include "pixel_fit.h"
#include "tiers.h"

namespace zandrel_art {

namespace {

// How much finer a pixel-fitted tier is painted before it is fitted.
constexpr int kFitFactor = 4;

int rowsOf(const SheetDefinition& sheet) { return (sheet.frames + sheet.columns - 1) / sheet.columns; }

cairo_surface_t* paintSheet(const SheetDefinition& sheet, int tier) {
  cairo_surface_t* surface = cairo_image_surface_create(
      CAIRO_FORMAT_ARGB32, sheet.columns * sheet.cellW * tier, rowsOf(sheet) * sheet.cellH * tier);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  for (int frame = 0; frame < sheet.frames; ++frame) {
    cairo_save(cr);
    cairo_scale(cr, tier, tier);
    cairo_translate(cr, (frame % sheet.columns) * sheet.cellW, (frame / sheet.columns) * sheet.cellH);
    // Nothing may bleed into a neighbour: the program samples cells edge to edge.
    cairo_rectangle(cr, 0, 0, sheet.cellW, sheet.cellH);
    cairo_clip(cr);
    cairo_new_path(cr);
    sheet.drawFrame(FrameContext{cr, frame, tier});
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

bool writeSheet(const SheetDefinition& sheet, const std::filesystem::path& file, int tier) {
  std::error_code ignored;
  std::filesystem::create_directories(file.parent_path(), ignored);
  cairo_surface_t* surface = renderSheet(sheet, tier);
  const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot write %s: %s\n", file.c_str(), cairo_status_to_string(status));
    return false;
  }
  return true;
}

}  // namespace

cairo_surface_t* renderSheet(const SheetDefinition& sheet, int tier) {
  const bool fit = sheet.pixelFit == PixelFit::everyTier || (sheet.pixelFit == PixelFit::tierOne && tier == 1);
  if (!fit) return paintSheet(sheet, tier);
  cairo_surface_t* fine = paintSheet(sheet, tier * kFitFactor);
  cairo_surface_t* fitted =
      fitToPixels(fine, kFitFactor, sheet.pixelFit == PixelFit::everyTier ? SeeThrough::harden : SeeThrough::keep);
  cairo_surface_destroy(fine);
  return fitted;
}

int runSheetGenerator(int argc, char** argv, const std::vector<SheetDefinition>& sheets) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data folder>\n", argc > 0 ? argv[0] : "generator");
    return 2;
  }
  const std::filesystem::path dataDir = argv[1];
  for (const SheetDefinition& sheet : sheets) {
    for (const ArtTier& tier : kArtTiers) {
      if (!sheet.tiered && tier.scale != 1) continue;
      if (!writeSheet(sheet, dataDir / (sheet.name + tier.suffix + ".png"), tier.scale)) return 1;
    }
  }
  return 0;
}

}  // namespace zandrel_art
