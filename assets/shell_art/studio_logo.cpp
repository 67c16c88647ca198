// common/ToviLogo: the badge of the studio, Quillwork Arcade: a quill whose feather is
// striped in the arcade colours, on a round badge, with the name on a ribbon below.
#include <cmath>
#include <numbers>

#include "kit/lettering.h"
#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kDegrees = std::numbers::pi / 180;

void drawBadge(cairo_t* cr) {
  paintStyled(cr, circle(128, 104, 92), colour::violet, Style{.bevel = 6, .outline = 2});
  paintStyled(cr, circle(128, 104, 76), colour::sky, Style{.bevel = 5, .outline = 1.5});
  // Sparkles around the rim.
  for (int i = 0; i < 8; ++i) {
    const double a = (i * 45 + 22.5) * kDegrees;
    const double x = 128 + 84 * std::cos(a);
    const double y = 104 + 84 * std::sin(a);
    fillFlat(cr, star(x, y, 4, 4.5, 1.6), colour::white, 0.9);
  }
}

// The feather: a leaf shape with a nick in each vane, tipped 35 degrees to the right.
void featherPath(cairo_t* cr) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 0, 52);
  cairo_curve_to(cr, -22, 36, -30, 14, -27, -6);
  cairo_line_to(cr, -17, -4);
  cairo_curve_to(cr, -24, -26, -16, -48, 2, -64);
  cairo_curve_to(cr, 22, -40, 28, -14, 24, 8);
  cairo_line_to(cr, 14, 12);
  cairo_curve_to(cr, 22, 24, 14, 40, 0, 52);
  cairo_close_path(cr);
}

void drawQuill(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 130, 100);
  cairo_rotate(cr, 35 * kDegrees);
  paintStyled(cr, featherPath, colour::white, Style{.bevel = 4, .outline = 2});
  const Rgb stripes[] = {colour::red, colour::orange, colour::yellow, colour::green, colour::blue};
  cairo_save(cr);
  featherPath(cr);
  cairo_clip(cr);
  for (int i = 0; i < 5; ++i) {
    const double y = -44 + i * 18;
    fillFlat(cr, rect(-40, y, 80, 9), stripes[i]);
  }
  cairo_restore(cr);
  // The shaft and the nib.
  strokeStyled(cr, line(0, -56, 0, 62), colour::lightGrey, 3, 1.5);
  paintStyled(cr, polygon({{-6, 58}, {6, 58}, {0, 80}}), colour::darkGrey,
              Style{.bevel = 1.5, .outline = 1.5});
  cairo_restore(cr);
}

void ribbonPath(cairo_t* cr) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 24, 172);
  cairo_curve_to(cr, 90, 160, 166, 160, 232, 172);
  cairo_line_to(cr, 232, 206);
  cairo_curve_to(cr, 166, 194, 90, 194, 24, 206);
  cairo_close_path(cr);
}

void drawRibbon(cairo_t* cr) {
  // Folded tails behind each end.
  paintStyled(cr, polygon({{34, 182}, {6, 184}, {18, 198}, {6, 214}, {34, 214}}),
              darker(colour::red, 0.2));
  paintStyled(cr, polygon({{222, 182}, {250, 184}, {238, 198}, {250, 214}, {222, 214}}),
              darker(colour::red, 0.2));
  paintStyled(cr, ribbonPath, colour::red, Style{.bevel = 3, .outline = 2});
  const Rgb white[] = {colour::white};
  paintLetteringCentred(cr, "QUILLWORK", 128, 174, white, LetteringStyle{.unit = 3, .bevel = 0.8});
  const Rgb yellow[] = {colour::yellow};
  paintLetteringCentred(cr, "ARCADE", 128, 222, yellow, LetteringStyle{.unit = 3, .bevel = 0.8});
}

// The whole badge is drawn a little smaller and high in its cell: the menu hangs it from
// the top of the screen at a fixed small scale, where its lower edge must clear the score
// list's header.
void drawStudioLogo(const FrameContext& context) {
  cairo_t* cr = context.cr;
  cairo_save(cr);
  cairo_translate(cr, 128, 6);
  cairo_scale(cr, 0.78, 0.78);
  cairo_translate(cr, -128, -6);
  drawBadge(cr);
  drawQuill(cr);
  drawRibbon(cr);
  cairo_restore(cr);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"common/ToviLogo", 256, 256, 1, 1, drawStudioLogo}});
}
