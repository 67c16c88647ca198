// common/Testcard_Circle: a round television test card. The credits box scrolls its
// white credit lines over the middle, so the card keeps a dark band there.
#include "kit/lettering.h"
#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr double kCentre = 128;
constexpr double kOuterRadius = 122;
constexpr double kInnerRadius = 92;
constexpr double kBandTop = 78;     // the dark band spans the credit lines
constexpr double kBandBottom = 180;
constexpr double kInnerTop = kCentre - kInnerRadius;

void outerDisc(cairo_t* cr) { circle(kCentre, kCentre, kOuterRadius)(cr); }
void innerDisc(cairo_t* cr) { circle(kCentre, kCentre, kInnerRadius)(cr); }

void drawGridBackground(cairo_t* cr) {
  paintStyled(cr, outerDisc, colour::darkGrey, Style{.bevel = 0, .outline = 2});
  cairo_save(cr);
  outerDisc(cr);
  cairo_clip(cr);
  strokeFlat(cr, [](cairo_t* c) {
    // Half-unit positions keep one-unit lines sharp at every tier.
    for (double p = 8.5; p < 256; p += 16) {
      cairo_move_to(c, p, 0);
      cairo_line_to(c, p, 256);
      cairo_move_to(c, 0, p);
      cairo_line_to(c, 256, p);
    }
  }, colour::lightGrey, 1);
  // Black and white blocks at the left and right edges.
  for (int i = 0; i < 4; ++i) {
    const Rgb shade = i % 2 == 0 ? colour::white : colour::ink;
    const double y = 96 + i * 16;
    fillFlat(cr, rect(0, y, 40, 16), shade);
    fillFlat(cr, rect(216, y, 40, 16), i % 2 == 0 ? colour::ink : colour::white);
  }
  cairo_restore(cr);
}

void drawInnerCircle(cairo_t* cr) {
  paintStyled(cr, innerDisc, colour::ink, Style{.bevel = 0, .outline = 2});
  cairo_save(cr);
  innerDisc(cr);
  cairo_clip(cr);
  const Rgb bars[] = {colour::white, colour::yellow, colour::teal, colour::green,
                      colour::pink,  colour::red,    colour::blue, colour::violet};
  for (int i = 0; i < 8; ++i) {
    const double x = kCentre - kInnerRadius + i * 22;
    fillFlat(cr, rect(x, kInnerTop, 23, kBandTop - kInnerTop), bars[i]);
  }
  // The dark band the credit lines scroll over, with a faint cross.
  fillFlat(cr, rect(0, kBandTop, 256, kBandBottom - kBandTop),
           mix(colour::ink, colour::blue, 0.25));
  strokeFlat(cr, merged({
    line(kCentre + 0.5, kBandTop, kCentre + 0.5, kBandBottom),
    line(0, kCentre + 0.5, 256, kCentre + 0.5),
  }), colour::midGrey, 1, 0.6);
  strokeFlat(cr, circle(kCentre, kCentre + 1, 40), colour::midGrey, 1, 0.6);
  // Grey steps, then stripes getting finer, at the bottom.
  for (int i = 0; i < 6; ++i) {
    const double x = kCentre - kInnerRadius + i * 29.4;
    fillFlat(cr, rect(x, kBandBottom, 30, 14),
             mix(colour::white, colour::ink, i / 5.0));
  }
  double x = kCentre - kInnerRadius;
  for (double width : {10.0, 8.0, 6.0, 4.0, 3.0, 2.0}) {
    for (int stripe = 0; stripe < 8 && x < kCentre + kInnerRadius; ++stripe, x += width)
      if (stripe % 2 == 0)
        fillFlat(cr, rect(x, kBandBottom + 14, width, 30), colour::white);
  }
  cairo_restore(cr);
  strokeFlat(cr, innerDisc, colour::ink, 2.5);
}

void drawNameBox(cairo_t* cr) {
  paintStyled(cr, roundedRect(kCentre - 48, 16, 96, 22, 4), colour::ink,
              Style{.bevel = 0, .outline = 1.5});
  const Rgb white[] = {colour::white};
  paintLetteringCentred(cr, "ZANDREL", kCentre, 20, white, LetteringStyle{.unit = 2, .bevel = 0, .outline = 0});
}

void drawTestCard(const FrameContext& context) {
  drawGridBackground(context.cr);
  drawInnerCircle(context.cr);
  drawNameBox(context.cr);
  strokeFlat(context.cr, outerDisc, colour::ink, 3);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"common/Testcard_Circle", 256, 256, 1, 1, drawTestCard}});
}
