// Jetpac's spaceman.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

constexpr double kJetpacUnit = 640.0 / 17;  // U: grid cell and scale U/32 at 640 wide

TEST(JetpacSprites, JetpacSpacemanStandsOnTheFloorAndOnThePads) {
  const double s = kJetpacUnit / 32;
  // Floor row 8 is centred half a cell above the bottom; he stands at jscrh - 54.
  const double floorTop = -kJetpacUnit / 2 + s * topOpaqueInColumn(160, -16);
  // A pad (scale 2·U/32) puts him 52 units above its centre.
  const double padTop = 2 * s * topOpaqueInColumn(183, 0);
  for (int sprite = 192; sprite <= 195; ++sprite) {
    const double soles = lowestOpaque(sprite) * s;
    EXPECT_GE(-54 + soles - floorTop, -1.0) << sprite;
    EXPECT_LE(-54 + soles - floorTop, 4.0) << sprite;
    EXPECT_GE(-52 + soles - padTop, -1.0) << sprite;
    EXPECT_LE(-52 + soles - padTop, 4.0) << sprite;
  }
}

TEST(JetpacSprites, JetpackFlameShowsBelowTheFlyingSpaceman) {
  // 197 alternates with 196 while the jetpack fires: the flame is what flickers.
  EXPECT_GT(lowestOpaque(197), lowestOpaque(196) + 1.5);
  EXPECT_GT(changedPixels(196, 197), 200);
}

}  // namespace
}  // namespace sprite_sheets
