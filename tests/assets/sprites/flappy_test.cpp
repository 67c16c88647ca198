// Flappy's ground tile and tall obstacle.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// Flappy's ground tiles repeat every 64 units at scale 4: exactly 16 pixels of solid
// ground, so neighbours abut without a gap or an overlap (the back layer is translucent).
TEST(FlappySprites, FlappyGroundTileIsSixteenWideAndSolid) {
  for (int tier : kTiers) {
    const Frame frame = frameOf(260, tier);
    const int left = 12 * tier, right = 28 * tier;
    for (int x = 0; x < frame.size(); ++x) {
      int opaque = 0;
      for (int y = 0; y < frame.size(); ++y) opaque += frame.alpha(x, y) == 255;
      if (x < left || x >= right) {
        EXPECT_EQ(opaque, 0) << "column " << x << " tier " << tier;
      } else {
        // Solid from the grass line (6 units above the centre, at scale 4 the same line
        // on which the scenery pictures stand) down to the margin.
        EXPECT_EQ(opaque, (kCell - kMargin - 14) * tier) << "column " << x << " tier " << tier;
      }
    }
  }
}

// Flappy's tall obstacle hits within ±16 × ±64 units at scale 4: 8 × 32 pixels of art.
TEST(FlappySprites, FlappyObstacleMatchesItsHitBox) {
  const Box box = boxOf(frameOf(276, 4));
  EXPECT_NEAR(box.width(), 8.0, 0.5);
  EXPECT_NEAR(box.height(), 32.0, 0.5);
}

}  // namespace
}  // namespace sprite_sheets
