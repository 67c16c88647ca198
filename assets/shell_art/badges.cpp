// BadgesA: badge icons, frame = badge id. Only badge 0, the test badge, exists: a
// rosette with a tick. The other cells stay clear.
#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

void drawTestBadge(cairo_t* cr) {
  // Two ribbon tails behind the rosette.
  paintStyled(cr, polygon({{22, 34}, {30, 38}, {24, 58}, {19, 52}, {13, 55}}),
              colour::blue);
  paintStyled(cr, polygon({{42, 34}, {34, 38}, {40, 58}, {45, 52}, {51, 55}}),
              colour::blue);
  paintStyled(cr, star(32, 27, 16, 22, 18.5), colour::yellow, Style{.bevel = 3});
  paintStyled(cr, circle(32, 27, 13), colour::orange, Style{.bevel = 2});
  strokeStyled(cr, polyline({{25, 27}, {30, 32}, {39, 21}}), colour::white, 3.5);
}

void drawBadgeFrame(const FrameContext& context) {
  if (context.frame == 0) drawTestBadge(context.cr);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"BadgesA", 64, 64, 64, 8, drawBadgeFrame}});
}
