// Karate's fighter.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(KarateSprites, KarateFighterStandsOnTheRedLineAndLeavesItWhenJumping) {
  // Drawn at scale 5 with its centre 80 units above the ground line.
  for (int sprite : {128, 129, 130, 131, 133, 134, 135, 136, 137, 138, 139, 141, 142, 143, 152}) {
    const double feet = -80 + 5 * lowestOpaque(sprite);
    EXPECT_GE(feet, -2.0) << sprite;
    EXPECT_LE(feet, 6.0) << sprite;
  }
  for (int sprite : {144, 145, 146, 147, 149, 150, 151}) {
    EXPECT_LT(-80 + 5 * lowestOpaque(sprite), -2.0) << sprite;
  }
}

TEST(KarateSprites, KarateStrikesReachTheirOpponentsLane) {
  // An opponent is struck within 64 units of the fighter (12.8 of his 5× pixels), and is
  // drawn 64 units tall (±6.4) centred at -9 (jump), +1 (stand) or +11 (duck).
  struct Stance {
    int base;
    double lane;
  };
  for (Stance stance : {Stance{128, 1.0}, Stance{136, 11.0}, Stance{144, -9.0}}) {
    for (int kind = 1; kind <= 3; ++kind) {
      const Reach right = reachToward(stance.base + kind, 1);
      EXPECT_GE(right.x, 12.8) << stance.base + kind;
      EXPECT_NEAR(right.y, stance.lane, 6.4) << stance.base + kind;
      const Reach left = reachToward(stance.base + 4 + kind, -1);
      EXPECT_LE(left.x, -12.8) << stance.base + 4 + kind;
      EXPECT_NEAR(left.y, stance.lane, 6.4) << stance.base + 4 + kind;
    }
  }
}

TEST(KarateSprites, KarateLeftStrikesMirrorTheRightOnes) {
  // Strike 5..7 is strike 1..3 turned to the left: the same silhouette, flipped.
  for (int base : {128, 136, 144}) {
    for (int kind = 1; kind <= 3; ++kind) {
      const SheetImage& im = fine(base);
      const int right = base + kind, left = base + 4 + kind;
      int both = 0, either = 0;
      for (int dy = 0; dy < im.cellSide(); ++dy) {
        for (int dx = 0; dx < im.cellSide(); ++dx) {
          const bool r = im.alpha(right, dx, dy) >= 128;
          const bool l = im.alpha(left, im.cellSide() - 1 - dx, dy) >= 128;
          both += r && l;
          either += r || l;
        }
      }
      EXPECT_GT(static_cast<double>(both) / either, 0.97) << right << " and " << left;
    }
  }
}

}  // namespace
}  // namespace sprite_sheets
