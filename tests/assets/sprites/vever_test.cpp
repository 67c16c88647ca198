// Vever's platform pieces.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// A wide Vever platform is three pieces 28 units apart: each piece is wider than that,
// so the pieces join into one platform.
TEST(VeverSprites, VeverPlatformPiecesOverlapTheirNeighbours) {
  for (int n = 0; n <= 3; ++n) {
    const Frame frame = frameOf(n, 1);
    int longestRun = 0;
    for (int y = 0; y < kCell; ++y) {
      int run = 0;
      for (int x = 0; x < kCell; ++x) {
        run = frame.alpha(x, y) == 255 ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
      }
    }
    EXPECT_GT(longestRun, 28) << "sprite " << n;
  }
}

// The pieces of a wide platform overlap by four units; only their top and bottom are
// outlined, so no ink edge runs down through the body where two pieces meet.
TEST(VeverSprites, VeverPlatformEndsCarryNoOutline) {
  for (int n = 0; n <= 3; ++n) {
    for (int tier : kTiers) {
      const Frame frame = frameOf(n, tier);
      int inkInEnds = 0;
      for (int y = 21 * tier; y < 30 * tier; ++y)
        for (int x = 0; x < frame.size(); ++x) {
          const bool inEnd = x < 8 * tier || x >= 32 * tier;
          const std::uint8_t* p = frame.at(x, y);
          inkInEnds += inEnd && p[3] > 0 && std::max({p[0], p[1], p[2]}) < 60;
        }
      EXPECT_EQ(inkInEnds, 0) << "sprite " << n << " tier " << tier;
    }
  }
}

}  // namespace
}  // namespace sprite_sheets
