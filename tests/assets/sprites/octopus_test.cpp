// Octopus's eater.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(OctopusSprites, OctopusEaterOpensItsMouthToTheRight) {
  // Angle 0 is a heading to the right, so the mouth must be on the right.
  for (int sprite : {170, 171, 172}) {
    for (int tier : kTiers) {
      const SheetImage& im = sheetImage(2, tier);
      EXPECT_EQ(im.alphaAt(sprite, 9.5, 0), 0) << sprite;
      EXPECT_EQ(im.alphaAt(sprite, -7, 0), 255) << sprite;
    }
  }
}

}  // namespace
}  // namespace sprite_sheets
