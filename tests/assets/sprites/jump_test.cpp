// Jump's wheel.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(JumpSprites, JumpWheelRollsOnTheGroundStrip) {
  // Tiles at jscrh - 32 (scale 2), the wheel at jscrh - 72 (scale 1).
  const double groundTop = -32 + 2 * topOpaqueInColumn(160, -16);
  const double wheelBottom = -72 + lowestOpaque(168);
  EXPECT_GE(wheelBottom - groundTop, -0.5);
  EXPECT_LE(wheelBottom - groundTop, 4.0);
}

TEST(JumpSprites, TheWheelIsAlsoALifeIconWithAHeartAtItsHub) {
  // Octopus shows sprite 168 at scale 0.75 as its lives: a red heart inside the tyre.
  const SheetImage& im = fine(168);
  const int centre = im.cellSide() / 2;
  EXPECT_GT(im.channel(168, centre, centre, 0), 200);
  EXPECT_LT(im.channel(168, centre, centre, 1), 120);
  auto reddish = [](int r, int g, int b) { return r > g + 80 && r > b + 80; };
  EXPECT_EQ(countRegions(168, 5.0, reddish), 1) << "one heart, not split by the hub's details";
}

}  // namespace
}  // namespace sprite_sheets
