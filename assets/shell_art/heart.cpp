// heart: the life icon of the score line and of the games that count lives.
#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

void heartPath(cairo_t* cr) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 16, 27);
  cairo_curve_to(cr, 8, 21, 3, 16, 3, 11);
  cairo_curve_to(cr, 3, 6.5, 6.5, 4, 10, 4);
  cairo_curve_to(cr, 13, 4, 15, 6, 16, 8.5);
  cairo_curve_to(cr, 17, 6, 19, 4, 22, 4);
  cairo_curve_to(cr, 25.5, 4, 29, 6.5, 29, 11);
  cairo_curve_to(cr, 29, 16, 24, 21, 16, 27);
  cairo_close_path(cr);
}

void drawHeart(const FrameContext& context) {
  paintStyled(context.cr, heartPath, colour::red, Style{.bevel = 2.5});
  fillFlat(context.cr, ellipse(9.5, 9.5, 3, 2), colour::white, 0.85);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"heart", 32, 32, 1, 1, drawHeart}});
}
