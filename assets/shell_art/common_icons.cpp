// common/icons: the pause-menu buttons. Frame 0 is the in-game pause button; frames 1
// (quit), 3 (resume) and 6 (highlight ring) are tinted by the pause menu, so they are
// neutral greys with no outline; frame 7 is the tilt-calibration button.
#include <cmath>
#include <numbers>

#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kCentre = 16;
constexpr double kButtonRadius = 13;

PathFn disc(double radius) {
  return circle(kCentre, kCentre, radius);
}

void drawPauseButton(cairo_t* cr) {
  paintStyled(cr, disc(kButtonRadius), colour::sky);
  for (double x : {10.5, 17.5})
    paintStyled(cr, roundedRect(x, 9, 4, 14, 1.2), colour::white,
                Style{.bevel = 0.8, .outline = 0.8});
}

void drawQuitButton(cairo_t* cr) {
  paintTintable(cr, disc(kButtonRadius));
  strokeFlat(cr, merged({line(11, 11, 21, 21), line(21, 11, 11, 21)}), colour::tintDim, 3.5);
}

void drawResumeButton(cairo_t* cr) {
  paintTintable(cr, disc(kButtonRadius));
  fillFlat(cr, polygon({{12.5, 9.5}, {22.5, 16}, {12.5, 22.5}}),
           colour::tintDim);
}

void drawHighlightRing(cairo_t* cr) {
  const PathFn ring = [](cairo_t* c) {
    circle(kCentre, kCentre, 15)(c);
    cairo_new_sub_path(c);
    cairo_arc_negative(c, kCentre, kCentre, 12.5, 2 * std::numbers::pi, 0);
    cairo_close_path(c);
  };
  paintTintable(cr, ring, 0.8);
}

void drawTiltButton(cairo_t* cr) {
  paintStyled(cr, disc(kButtonRadius), colour::teal);
  // A handheld tipped to one side, with arrows showing the tilt.
  cairo_save(cr);
  cairo_translate(cr, kCentre, kCentre);
  cairo_rotate(cr, -20 * std::numbers::pi / 180);
  paintStyled(cr, roundedRect(-9, -5, 18, 10, 2.5), colour::darkGrey,
              Style{.bevel = 1, .outline = 1});
  fillFlat(cr, roundedRect(-5, -3, 10, 6, 1), colour::yellow);
  cairo_restore(cr);
  strokeStyled(cr, [](cairo_t* c) {
    cairo_arc(c, kCentre, kCentre, 10.5, 200 * std::numbers::pi / 180, 250 * std::numbers::pi / 180);
  }, colour::white, 1.5, 0.6);
  strokeStyled(cr, [](cairo_t* c) {
    cairo_arc(c, kCentre, kCentre, 10.5, 20 * std::numbers::pi / 180, 70 * std::numbers::pi / 180);
  }, colour::white, 1.5, 0.6);
}

void drawIconFrame(const FrameContext& context) {
  switch (context.frame) {
    case 0: drawPauseButton(context.cr); break;
    case 1: drawQuitButton(context.cr); break;
    case 3: drawResumeButton(context.cr); break;
    case 6: drawHighlightRing(context.cr); break;
    case 7: drawTiltButton(context.cr); break;
    default: break;
  }
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"common/icons", 32, 32, 16, 8, drawIconFrame}});
}
