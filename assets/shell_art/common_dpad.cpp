// common/dpad: the on-screen pad. Frame 0 is the fire button, 5 the pad's centre and
// 1, 4, 6, 9 its up, left, right and down arms; the arms sit 32 units from the centre, so
// each fills its cell to join its neighbours.
#include <cmath>
#include <numbers>

#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kCentre = 16;

void drawFireButton(cairo_t* cr) {
  paintStyled(cr, circle(kCentre, kCentre, 13), colour::red,
              Style{.bevel = 2.5});
  fillFlat(cr, ellipse(11.5, 10.5, 4, 2.6), colour::white, 0.7);
}

void padBlockPath(cairo_t* cr) { roundedRect(2.5, 2.5, 27, 27, 5)(cr); }

// An arm of the pad with an arrow pointing `degrees` clockwise from up.
void drawArm(cairo_t* cr, double degrees) {
  paintStyled(cr, padBlockPath, colour::darkGrey);
  cairo_save(cr);
  cairo_translate(cr, kCentre, kCentre);
  cairo_rotate(cr, degrees * std::numbers::pi / 180);
  paintStyled(cr, polygon({{0, -8}, {8, 3}, {-8, 3}}), colour::white,
              Style{.bevel = 1, .outline = 1});
  cairo_restore(cr);
}

void drawCentre(cairo_t* cr) {
  paintStyled(cr, padBlockPath, colour::darkGrey);
  fillFlat(cr, circle(kCentre + 0.5, kCentre + 0.5, 7), darker(colour::darkGrey, 0.5));
  fillFlat(cr, circle(kCentre, kCentre, 6), colour::midGrey);
}

void drawDpadFrame(const FrameContext& context) {
  switch (context.frame) {
    case 0: drawFireButton(context.cr); break;
    case 1: drawArm(context.cr, 0); break;
    case 4: drawArm(context.cr, 270); break;
    case 5: drawCentre(context.cr); break;
    case 6: drawArm(context.cr, 90); break;
    case 9: drawArm(context.cr, 180); break;
    default: break;
  }
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"common/dpad", 32, 32, 16, 8, drawDpadFrame}});
}
