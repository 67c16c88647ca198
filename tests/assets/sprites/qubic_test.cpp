// Qubic's cubes and hopper.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// Qubic's pyramid rows sit half a cube across from each other, so every cube is a
// hexagon exactly 32 wide whose corners leave the cell's corners empty.
TEST(QubicSprites, QubicCubesAreThirtyTwoWideHexagons) {
  for (int n = 22; n <= 27; ++n) {
    for (int tier : kTiers) {
      const Frame frame = frameOf(n, tier);
      const int y = 20 * tier;
      EXPECT_EQ(frame.alpha(kMargin * tier, y), 255) << "sprite " << n << " tier " << tier;
      EXPECT_EQ(frame.alpha((kCell - kMargin) * tier - 1, y), 255) << "sprite " << n << " tier " << tier;
      EXPECT_EQ(frame.alpha(6 * tier, 6 * tier), 0) << "sprite " << n << " tier " << tier;
      EXPECT_EQ(frame.alpha(33 * tier, 34 * tier), 0) << "sprite " << n << " tier " << tier;
    }
  }
}

// Qubic's hopper must face LEFT natively (the game mirrors it to face right): standing
// and hopping, its beak reaches further from the centre on the left than anything does
// on the right.
TEST(QubicSprites, QubicHopperFacesLeft) {
  for (int n = 19; n <= 20; ++n) {
    const Box box = boxOf(frameOf(n, 4));
    EXPECT_GT(20 - box.left, box.right - 20 + 2) << "sprite " << n;
  }
}

}  // namespace
}  // namespace sprite_sheets
