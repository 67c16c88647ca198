// The ground tiles Jetpac and Jump share.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(GroundStripSprites, GroundTilesAreExactly32WideAndJoinInAnyOrder) {
  // Jump lays 160 + i mod 4 every 64 units at scale 2; Jetpac picks one at random per
  // column, so any tile's right edge meets any tile's left edge.
  for (int tier : kTiers) {
    const SheetImage& im = sheetImage(2, tier);
    const TileColumns c = tileColumns(im);
    for (int a = 160; a <= 163; ++a) {
      for (int dy = 0; dy < im.cellSide(); ++dy) {
        EXPECT_EQ(im.alpha(a, c.outsideLeft, dy), 0) << a;
        EXPECT_EQ(im.alpha(a, c.outsideRight, dy), 0) << a;
      }
      for (int b = 160; b <= 163; ++b) {
        expectSameEdge(column(im, a, c.right), column(im, b, c.left),
                       std::to_string(a) + " then " + std::to_string(b));
      }
      // Solid from the turf down to the bottom edge, which meets the screen's bottom.
      for (double y = -12; y < 16; y += 1.0 / tier) {
        EXPECT_EQ(im.alphaAt(a, -16, y), 255) << a << " y " << y;
        EXPECT_EQ(im.alphaAt(a, 16 - 1.0 / tier, y), 255) << a << " y " << y;
      }
      for (double x = -16; x < 16; x += 1.0 / tier) {
        EXPECT_EQ(im.alphaAt(a, x, 16 - 1.0 / tier), 255) << a << " x " << x;
      }
    }
  }
}

}  // namespace
}  // namespace sprite_sheets
