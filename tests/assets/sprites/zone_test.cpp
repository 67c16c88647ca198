// Zone's figures.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(ZoneSprites, ZoneFiguresStandOnTheBlocks) {
  // A block (scale 2) at sy; Vumbo lands at sy - 40, spikes stand at sy - 42 (scale 1).
  const double blockTop = 2 * topOpaqueInColumn(198, 0);
  EXPECT_DOUBLE_EQ(blockTop, -32);
  for (int sprite = 216; sprite <= 219; ++sprite) {
    EXPECT_GE(-40 + lowestOpaque(sprite) - blockTop, -1.0) << sprite;
    EXPECT_LE(-40 + lowestOpaque(sprite) - blockTop, 3.0) << sprite;
  }
  EXPECT_GE(-42 + lowestOpaque(206) - blockTop, -1.0);
  EXPECT_LE(-42 + lowestOpaque(206) - blockTop, 3.0);
}

}  // namespace
}  // namespace sprite_sheets
