// logo: the "Zandrel" title, shown small in the credits box: bouncing block letters in
// the arcade colours on a dark plate, with the count of games beneath between two stars.
#include <string>

#include "kit/lettering.h"
#include "kit/paint.h"
#include "kit/pixel_text.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

constexpr std::string_view kTitle = "Zandrel";
constexpr double kLetterUnit = 5;

void drawPlate(cairo_t* cr) {
  paintStyled(cr, roundedRect(8, 12, 240, 104, 22), mix(colour::violet, colour::ink, 0.55),
              Style{.bevel = 4, .outline = 2});
  for (auto [x, y] : {std::pair{58.0, 89.0}, {198.0, 89.0}})
    fillFlat(cr, star(x, y, 4, 6, 2), colour::yellow);
}

void drawTitle(cairo_t* cr) {
  const Rgb colours[] = {colour::red, colour::orange, colour::yellow, colour::lime,
                         colour::sky, colour::blue,   colour::pink};
  double x = 128 - textWidth(kTitle, kLetterUnit) / 2;
  for (std::size_t i = 0; i < kTitle.size(); ++i) {
    // Alternate letters sit a little higher, as if bouncing.
    const double y = 26 + (i % 2 == 0 ? 0 : -4);
    const std::string letter(1, kTitle[i]);
    const Rgb own[] = {colours[i % std::size(colours)]};
    paintLettering(cr, letter, x, y, own, LetteringStyle{.unit = kLetterUnit, .bevel = 1.5, .outline = 1.5});
    x += advanceOf(kTitle[i]) * kLetterUnit;
  }
}

void drawSubtitle(cairo_t* cr) {
  const Rgb white[] = {colour::white};
  paintLetteringCentred(cr, "26 GAMES", 128, 82, white, LetteringStyle{.unit = 2, .bevel = 0, .outline = 1});
}

void drawTitleLogo(const FrameContext& context) {
  drawPlate(context.cr);
  drawTitle(context.cr);
  drawSubtitle(context.cr);
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"logo", 256, 128, 1, 1, drawTitleLogo}});
}
