// menu: the backdrop that turns slowly behind the menu, drawn three times its size at
// low alpha. Frame 0 is the one shown (a twelve-armed swirl); frames 1..3 are variants.
// Every pattern is white, round and fades out before the cell's inscribed circle, so the
// square's corners never show while it turns.
#include <cmath>
#include <numbers>

#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kCentre = 128;
constexpr double kFadeStart = 70;
constexpr double kFadeEnd = 124;
constexpr double kDegrees = std::numbers::pi / 180;

// A swirl arm from the centre outwards, its angle twisting by `twist` degrees.
void swirlArmPath(cairo_t* cr, double startDegrees, double twist, double widthDegrees) {
  constexpr int kSteps = 40;
  cairo_new_sub_path(cr);
  for (int i = 0; i <= kSteps; ++i) {
    const double t = static_cast<double>(i) / kSteps;
    const double r = 6 + 120 * t;
    const double a = (startDegrees + twist * t - widthDegrees * (0.3 + t) / 2) * kDegrees;
    cairo_line_to(cr, kCentre + r * std::cos(a), kCentre + r * std::sin(a));
  }
  for (int i = kSteps; i >= 0; --i) {
    const double t = static_cast<double>(i) / kSteps;
    const double r = 6 + 120 * t;
    const double a = (startDegrees + twist * t + widthDegrees * (0.3 + t) / 2) * kDegrees;
    cairo_line_to(cr, kCentre + r * std::cos(a), kCentre + r * std::sin(a));
  }
  cairo_close_path(cr);
}

// Paints the pattern in white through a radial fade.
void paintFaded(cairo_t* cr, const PathFn& pattern) {
  cairo_push_group(cr);
  fillFlat(cr, pattern, colour::white);
  cairo_pop_group_to_source(cr);
  cairo_pattern_t* fade = cairo_pattern_create_radial(kCentre, kCentre, kFadeStart, kCentre, kCentre, kFadeEnd);
  cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
  cairo_mask(cr, fade);
  cairo_pattern_destroy(fade);
}

void drawSwirl(cairo_t* cr, int arms, double twist, double width) {
  paintFaded(cr, [=](cairo_t* c) {
    for (int i = 0; i < arms; ++i) swirlArmPath(c, i * 360.0 / arms, twist, width);
    circle(kCentre, kCentre, 10)(c);
  });
}

void drawRingsAndRays(cairo_t* cr) {
  paintFaded(cr, [](cairo_t* c) {
    for (double r = 20; r < 124; r += 24) {
      circle(kCentre, kCentre, r + 5)(c);
      cairo_new_sub_path(c);
      cairo_arc_negative(c, kCentre, kCentre, r, 2 * std::numbers::pi, 0);
      cairo_close_path(c);
    }
  });
  paintFaded(cr, [](cairo_t* c) {
    for (int i = 0; i < 24; i += 2) swirlArmPath(c, i * 15, 0, 6);
  });
}

void drawSunburst(cairo_t* cr) {
  paintFaded(cr, [](cairo_t* c) {
    for (int i = 0; i < 16; ++i) swirlArmPath(c, i * 22.5, 0, 11);
    circle(kCentre, kCentre, 14)(c);
  });
}

void drawBackdropFrame(const FrameContext& context) {
  switch (context.frame) {
    case 0: drawSwirl(context.cr, 12, 110, 16); break;
    case 1: drawRingsAndRays(context.cr); break;
    case 2: drawSwirl(context.cr, 8, -150, 22); break;
    case 3: drawSunburst(context.cr); break;
    default: break;
  }
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"menu", 256, 256, 4, 2, drawBackdropFrame}});
}
