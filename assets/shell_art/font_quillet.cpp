// fonts/quillet: the shell's text font. Frame k is the glyph of character 32 + k in a
// 16 × 16 cell; frames 96..124 hold the button icons. All white, since text is tinted.
//
// The text layout centres each frame on its pen position and steps the pen by the
// character's advance, so every glyph starts at the same column (5) whatever its width:
// that keeps a one-unit gap between neighbours of any width.
#include <string_view>
#include <vector>

#include "button_icons.h"
#include "kit/paint.h"
#include "kit/pixel_text.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr int kGlyphLeft = 5;
constexpr int kCapTop = 4;
constexpr int kIconTop = 3;

void fillGrid(cairo_t* cr, const std::vector<std::string>& grid, char mark, Rgb colour) {
  const std::vector<std::string_view> rows(grid.begin(), grid.end());
  cairo_new_path(cr);
  addGridPath(cr, rows, kGlyphLeft, kIconTop, 1, mark);
  setColour(cr, colour);
  cairo_fill(cr);
}

void drawFontFrame(const FrameContext& context) {
  cairo_t* cr = context.cr;
  const int code = 32 + context.frame;
  if (code <= 126) {
    if (const Glyph* glyph = findGlyph(static_cast<char>(code))) {
      // A one-unit ink rim: the tint darkens it too, so text of any colour keeps an edge
      // against pale skies and bright tiles.
      cairo_new_path(cr);
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) addGlyphPath(cr, *glyph, kGlyphLeft + dx, kCapTop + dy, 1);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
      setColour(cr, colour::tintRim);
      cairo_fill(cr);
      cairo_new_path(cr);
      addGlyphPath(cr, *glyph, kGlyphLeft, kCapTop, 1);
      setColour(cr, colour::tintWhite);
      cairo_fill(cr);
    }
    return;
  }
  const std::vector<std::string> icon = buttonIconGrid(context.frame);
  fillGrid(cr, icon, '#', colour::tintWhite);
  fillGrid(cr, icon, '+', colour::tintShade);
  fillGrid(cr, icon, '-', colour::tintDim);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"fonts/quillet", 16, 16, 128, 16, drawFontFrame}});
}
