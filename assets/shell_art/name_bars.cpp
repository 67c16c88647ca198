// bars: the name bars of the "Gfx By" badge that opens a game, one per (made-up) artist
// handle, each on a ribbon of its own colour.
#include <string_view>

#include "kit/lettering.h"
#include "kit/paint.h"
#include "kit/sheet.h"

namespace shell_art {

using namespace zandrel_art;

namespace {

struct NameBar {
  std::string_view name;
  Rgb ribbon;
};

constexpr NameBar kBars[16] = {
    {"Tinbird", colour::red},     {"Mossbyte", colour::green},  {"Pebblo", colour::orange},
    {"Kettlefox", colour::blue},  {"Junibee", colour::yellow},  {"Sprocket", colour::teal},
    {"Dotmoth", colour::violet},  {"Lumafin", colour::sky},     {"Ziplark", colour::pink},
    {"Bramblo", colour::brown},   {"Nibsy", colour::lime},      {"Quibble", colour::red},
    {"Fizzwick", colour::violet}, {"Glimmer", colour::teal},    {"Cobalto", colour::blue},
    {"Kiteling", colour::orange}};

constexpr double kLetterUnit = 2;

void drawNameBar(const FrameContext& context) {
  const NameBar& bar = kBars[context.frame];
  paintStyled(context.cr, roundedRect(3, 4, 122, 24, 12), bar.ribbon, Style{.bevel = 2});
  const Rgb white[] = {colour::white};
  paintLetteringCentred(context.cr, bar.name, 64, 16 - 7 * kLetterUnit / 2 - 1, white,
                        LetteringStyle{.unit = kLetterUnit, .bevel = 0.5, .outline = 1.25});
}

}  // namespace
}  // namespace shell_art

int main(int argc, char** argv) {
  using namespace shell_art;
  return runSheetGenerator(argc, argv, {SheetDefinition{"bars", 128, 32, 16, 4, drawNameBar}});
}
