// Penguin's platforms and penguins.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(PenguinSprites, PenguinPlatformPiecesShareOneEdge) {
  // A platform is 332 with 333 31 units to its right and 333 mirrored 31 units to its
  // left: the middle's edges and the end piece's inner edge all meet.
  for (int tier : kTiers) {
    const SheetImage& im = sheetImage(5, tier);
    const TileColumns c = tileColumns(im);
    const std::vector<int> middleLeft = column(im, 332, c.left);
    expectSameEdge(middleLeft, column(im, 332, c.right), "middle's two edges");
    expectSameEdge(middleLeft, column(im, 333, c.left), "middle and end");
    const int solidRows = static_cast<int>(std::count(middleLeft.begin(), middleLeft.end(), 255));
    EXPECT_GE(solidRows, 8 * tier) << "an ice band at least 8 px thick";
    for (int dy = 0; dy < im.cellSide(); ++dy) {
      EXPECT_EQ(im.alpha(332, c.outsideLeft, dy), 0);
      EXPECT_EQ(im.alpha(332, c.outsideRight, dy), 0);
      EXPECT_EQ(im.alpha(333, c.outsideLeft, dy), 0);
      EXPECT_EQ(im.alpha(333, c.right, dy), 0) << "the end piece stops before its edge";
    }
  }
}

TEST(PenguinSprites, PenguinsStandOnThePlatforms) {
  // A landed penguin is 17 units above the platform's centre, both at scale 1.
  const double iceTop = topOpaqueInColumn(332, 0);
  for (int sprite : {336, 337, 338, 342, 343, 344}) {
    EXPECT_GE(-17 + lowestOpaque(sprite) - iceTop, -1.0) << sprite;
    EXPECT_LE(-17 + lowestOpaque(sprite) - iceTop, 3.0) << sprite;
  }
}

TEST(PenguinSprites, PenguinVariantsAreTellApart) {
  // Even and odd penguins walk side by side in one column.
  for (int i = 0; i < 3; ++i) EXPECT_GT(changedPixels(336 + i, 342 + i), 150) << i;
}

// Levels space platforms 80 units apart or more, so neighbours overlap by up to 6 units:
// each end piece stops square and solid, with no ink down its end, so a row of platforms
// reads as one shelf of ice instead of a string of pills.
TEST(PenguinSprites, PlatformEndsStopSquareWithoutAnOutline) {
  for (int tier : kTiers) {
    const SheetImage im = sheetImage(5, tier);
    for (int dy = 17 * tier; dy < 25 * tier; ++dy) {
      for (int dx = 26 * tier; dx < 32 * tier; ++dx) {
        const int darkest = std::max({im.channel(333, dx, dy, 0), im.channel(333, dx, dy, 1), im.channel(333, dx, dy, 2)});
        EXPECT_EQ(im.alpha(333, dx, dy), 255) << dx << "," << dy << " tier " << tier;
        EXPECT_GT(darkest, 60) << dx << "," << dy << " tier " << tier;
      }
    }
  }
}

}  // namespace
}  // namespace sprite_sheets
