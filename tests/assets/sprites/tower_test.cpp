// Tower's wall top and the figures on it.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(TowerSprites, TowerWallTopJoinsItsRowAndTheWallBelow) {
  for (int tier : kTiers) {
    const SheetImage& im = sheetImage(5, tier);
    const TileColumns c = tileColumns(im);
    expectSameEdge(column(im, 360, c.left), column(im, 360, c.right), "wall top's two edges");
    for (double x = -16; x < 16; x += 1.0 / tier) {
      EXPECT_EQ(im.alphaAt(360, x, 16 - 1.0 / tier), 255) << "bottom edge at x " << x;
      // The player, drawn before the wall, shows above the coping.
      for (double y = -16; y < -9; y += 1.0 / tier) {
        EXPECT_EQ(im.alphaAt(360, x, y), 0) << "x " << x << " y " << y;
      }
    }
  }
}

TEST(TowerSprites, TowerFiguresMeetTheWallTopsCoping) {
  // With the tower unit U at scale U/32: the wall top's centre is 1 U below the wall line,
  // the player's 0.5 U (16 px higher), a blob on top 0.2 U (25.6 px), a lying log 0.4 U.
  const double coping = topOpaqueInColumn(360, 0);
  for (int sprite : {368, 371}) {
    const double soles = -16 + lowestOpaque(sprite);
    EXPECT_GE(soles, coping) << "the player's feet must not float above the wall";
    EXPECT_LE(soles - coping, 8.0) << "nor vanish far behind its lip";
  }
  for (int sprite : {356, 358, 374}) {
    EXPECT_GE(-25.6 + lowestOpaque(sprite) - coping, -2.0) << sprite;
    EXPECT_LE(-25.6 + lowestOpaque(sprite) - coping, 3.0) << sprite;
  }
  EXPECT_GE(-19.2 + lowestOpaque(379) - coping, -2.0);
  EXPECT_LE(-19.2 + lowestOpaque(379) - coping, 3.0);
}

}  // namespace
}  // namespace sprite_sheets
