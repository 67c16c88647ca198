// Yahtzee's tiles and dice.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// Relative luminance of a colour given in 0..255 per channel.
double luminanceOf(double r, double g, double b) {
  const auto linear = [](double c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// Yahtzee's score digits, green (100, 255, 100), run across the drop zone's top row: the
// tile must give them the contrast of readable text, 4.5 to 1.
TEST(YahtzeeSprites, ScoreLineReadsOverTheDropZoneTile) {
  const SheetImage& im = sheetImage(3, 1);
  double luminance = 0;
  for (int dy = 4; dy < 36; ++dy)
    for (int dx = 4; dx < 36; ++dx)
      luminance += luminanceOf(im.channel(214, dx, dy, 0), im.channel(214, dx, dy, 1), im.channel(214, dx, dy, 2)) /
                   (32.0 * 32.0);
  EXPECT_GE((luminanceOf(100, 255, 100) + 0.05) / (luminance + 0.05), 4.5);
}

TEST(YahtzeeSprites, EachDieShowsItsNumberOfPips) {
  // Yahtzee draws the die showing v as 207 + v; pips are dark (or the red ace) on ivory.
  auto pip = [](int r, int g, int b) { return (r + g + b) / 3 < 120 || (r > 200 && g < 120 && b < 120); };
  for (int value = 1; value <= 6; ++value) {
    EXPECT_EQ(countRegions(207 + value, 11.0, pip), value) << "die " << value;
  }
}

}  // namespace
}  // namespace sprite_sheets
