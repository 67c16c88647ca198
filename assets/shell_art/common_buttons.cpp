// common/Buttons: frames 8, 9 and 10 are the layers of the options gear, drawn over one
// another and turned at different speeds: 8 the toothed rim, 9 the spoked wheel that
// fills the rim's hole, 10 the hub cap. Frame 12 is the disc of the credits box's
// bottom-left badge.
#include <cmath>
#include <numbers>

#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kCentre = 32;
constexpr double kDegrees = std::numbers::pi / 180;

// A ring with square-ish teeth, the hole cut out by drawing it the other way round.
void gearRimPath(cairo_t* cr) {
  constexpr int kTeeth = 10;
  constexpr double kTip = 28;
  constexpr double kRoot = 23;
  constexpr double kHole = 15;
  const double step = 2 * std::numbers::pi / kTeeth;
  cairo_new_sub_path(cr);
  for (int i = 0; i < kTeeth; ++i) {
    const double a = i * step;
    cairo_arc(cr, kCentre, kCentre, kRoot, a, a + step * 0.40);
    cairo_arc(cr, kCentre, kCentre, kTip, a + step * 0.50, a + step * 0.90);
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, kCentre, kCentre, kHole, 2 * std::numbers::pi, 0);
  cairo_close_path(cr);
}

void spokedWheelPath(cairo_t* cr) {
  circle(kCentre, kCentre, 16.5)(cr);
  for (int i = 0; i < 5; ++i) {
    const double a = (i * 72 - 90) * kDegrees;
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, kCentre + 10.5 * std::cos(a), kCentre + 10.5 * std::sin(a), 3.2,
                       2 * std::numbers::pi, 0);
    cairo_close_path(cr);
  }
}

void drawGearRim(cairo_t* cr) { paintStyled(cr, gearRimPath, colour::orange, Style{.bevel = 2.5}); }

void drawSpokedWheel(cairo_t* cr) { paintStyled(cr, spokedWheelPath, colour::yellow); }

void drawHubCap(cairo_t* cr) {
  paintStyled(cr, circle(kCentre, kCentre, 6.5), colour::red,
              Style{.bevel = 1.2});
  paintStyled(cr, star(kCentre, kCentre, 6, 3, 2.6), colour::lightGrey,
              Style{.bevel = 0.6, .outline = 0.7});
}

// A film reel: the credits roll.
void drawCreditsDisc(cairo_t* cr) {
  paintStyled(cr, circle(kCentre, kCentre, 27), colour::violet,
              Style{.bevel = 3});
  const Rgb holes[] = {colour::red, colour::yellow, colour::green, colour::sky, colour::pink, colour::orange};
  for (int i = 0; i < 6; ++i) {
    const double a = (i * 60 - 90) * kDegrees;
    const double x = kCentre + 15.5 * std::cos(a);
    const double y = kCentre + 15.5 * std::sin(a);
    paintStyled(cr, circle(x, y, 6.5), holes[i],
                Style{.bevel = 1.5, .outline = 1});
  }
  paintStyled(cr, circle(kCentre, kCentre, 6), colour::white,
              Style{.bevel = 1.2, .outline = 1});
  fillFlat(cr, circle(kCentre, kCentre, 2), colour::ink);
}

void drawButtonFrame(const FrameContext& context) {
  switch (context.frame) {
    case 8: drawGearRim(context.cr); break;
    case 9: drawSpokedWheel(context.cr); break;
    case 10: drawHubCap(context.cr); break;
    case 12: drawCreditsDisc(context.cr); break;
    default: break;
  }
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"common/Buttons", 64, 64, 16, 8, drawButtonFrame}});
}
