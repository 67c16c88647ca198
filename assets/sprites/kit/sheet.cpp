#include "sheet.h"

#include <cstdio>
#include <set>
#include <string>

#include "../../common/pixel_fit.h"

namespace sprites {

std::function<void(cairo_t*)> fromCellCorner(void (*draw)(cairo_t*)) {
  return [draw](cairo_t* cr) {
    cairo_translate(cr, -kCellSize / 2.0, -kCellSize / 2.0);
    draw(cr);
  };
}

void scaledAboutCellCentre(cairo_t* cr, double factor, const std::function<void()>& draw) {
  cairo_save(cr);
  cairo_translate(cr, kCellSize / 2.0, kCellSize / 2.0);
  cairo_scale(cr, factor, factor);
  cairo_translate(cr, -kCellSize / 2.0, -kCellSize / 2.0);
  draw();
  cairo_restore(cr);
}

void append(Catalog& whole, const Catalog& part) {
  whole.insert(whole.end(), part.begin(), part.end());
}

namespace {

// Returns a message describing the first sprite that lies on no sheet or is painted
// twice, or an empty string.
std::string checkCatalog(const Catalog& pictures) {
  std::set<int> seen;
  for (const SpritePicture& picture : pictures) {
    if (picture.sprite < 0 || picture.sprite >= kSheets * kFramesPerSheet) {
      return "sprite " + std::to_string(picture.sprite) + " is on no sheet";
    }
    if (!seen.insert(picture.sprite).second) {
      return "sprite " + std::to_string(picture.sprite) + " is painted twice";
    }
  }
  return {};
}

cairo_surface_t* paintSheet(int sheet, const Catalog& pictures, int tier) {
  const int side = kCellSize * kColumns * tier;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side);
  cairo_t* cr = cairo_create(surface);
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_GOOD);
  for (const SpritePicture& picture : pictures) {
    if (picture.sprite / kFramesPerSheet != sheet) continue;
    const int frame = picture.sprite % kFramesPerSheet;
    const int column = frame % kColumns;
    const int row = frame / kColumns;
    cairo_save(cr);
    cairo_scale(cr, tier, tier);
    cairo_translate(cr, column * kCellSize, row * kCellSize);
    // Nothing may bleed into a neighbour: the program samples cells edge to edge.
    cairo_rectangle(cr, 0, 0, kCellSize, kCellSize);
    cairo_clip(cr);
    cairo_translate(cr, kCellSize / 2.0, kCellSize / 2.0);
    cairo_new_path(cr);
    picture.draw(cr);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

// Paints the pictures of one sheet at one tier into a new ARGB surface; the caller
// destroys it.
cairo_surface_t* renderSheet(int sheet, const Catalog& pictures, int tier) {
  if (tier != 1) return paintSheet(sheet, pictures, tier);
  // Tier 1 is painted at tier 4 and fitted to whole pixels, so what the games magnify
  // keeps hard edges instead of the blur of a sub-pixel painting.
  cairo_surface_t* fine = paintSheet(sheet, pictures, 4);
  cairo_surface_t* fitted = zandrel_art::fitToPixels(fine, 4);
  cairo_surface_destroy(fine);
  return fitted;
}

}  // namespace

int runSheetGenerator(int argc, char** argv, const Catalog& pictures) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <data folder>\n", argc > 0 ? argv[0] : "sprite_sheets");
    return 2;
  }
  const std::string problem = checkCatalog(pictures);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    const std::string base = std::string(argv[1]) + "/sprt_" + std::to_string(sheet);
    for (int tier : kTiers) {
      const std::string suffix = tier == 1 ? "" : tier == 2 ? "-hd" : "-hd2";
      const std::string path = base + suffix + ".png";
      cairo_surface_t* surface = renderSheet(sheet, pictures, tier);
      const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
      cairo_surface_destroy(surface);
      if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "cannot write %s: %s\n", path.c_str(), cairo_status_to_string(status));
        return 1;
      }
    }
  }
  return 0;
}

}  // namespace sprites
