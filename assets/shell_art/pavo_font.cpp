// pavo_font.png: the framework's default font. 96 cells in one row for characters
// 32..127; the loader skips a one-pixel border on the left and right of every cell, so
// the glyph sits inside the 8 pixels between. Single resolution, white.
#include "kit/paint.h"
#include "kit/pixel_text.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr int kCellWidth = 10;  // 1 border + 8 glyph columns + 1 border
constexpr int kCellHeight = 11;

void drawPavoFrame(const FrameContext& context) {
  const int code = 32 + context.frame;
  if (code > 126) return;
  const Glyph* glyph = findGlyph(static_cast<char>(code));
  if (!glyph) return;
  const int left = 1 + (8 - glyph->width) / 2;
  cairo_new_path(context.cr);
  addGlyphPath(context.cr, *glyph, left, 1, 1);
  setColour(context.cr, colour::white);
  cairo_fill(context.cr);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  SheetDefinition sheet{"pavo_font", kCellWidth, kCellHeight, 96, 96, drawPavoFrame};
  sheet.tiered = false;
  return runSheetGenerator(argc, argv, {sheet});
}
