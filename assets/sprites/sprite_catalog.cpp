#include "sprite_catalog.h"

#include <cstdio>
#include <set>
#include <string>

#include "kit/sheet.h"

namespace sprites {

PictureFn fromCellCorner(void (*draw)(cairo_t*)) {
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

// The sheet of sprites sheet · 64 .. sheet · 64 + 63, each picture drawn about its cell's
// centre.
SheetDefinition sheetOf(int sheet, const Catalog& pictures) {
  std::vector<PictureFn> frames(kFramesPerSheet);
  for (const SpritePicture& picture : pictures)
    if (picture.sprite / kFramesPerSheet == sheet) frames[picture.sprite % kFramesPerSheet] = picture.draw;
  return {.name = "sprt_" + std::to_string(sheet),
          .cellW = kCellSize,
          .cellH = kCellSize,
          .frames = kFramesPerSheet,
          .columns = kColumns,
          .drawFrame = [frames](const FrameContext& cell) {
            if (!frames[cell.frame]) return;
            cairo_translate(cell.cr, kCellSize / 2.0, kCellSize / 2.0);
            frames[cell.frame](cell.cr);
          },
          .pixelFit = PixelFit::tierOne};
}

}  // namespace

int runSpriteSheetGenerator(int argc, char** argv, const Catalog& pictures) {
  const std::string problem = checkCatalog(pictures);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    return 1;
  }
  std::vector<SheetDefinition> sheets;
  for (int sheet = 0; sheet < kSheets; ++sheet) sheets.push_back(sheetOf(sheet, pictures));
  return runSheetGenerator(argc, argv, sheets);
}

}  // namespace sprites
