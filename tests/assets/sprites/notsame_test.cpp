// NotSame's lizard shadow and pond tiles.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(NotSameSprites, LizardShadowIsADarkTranslucentPatch) {
  const Frame frame = frameOf(110, 1);
  int covered = 0;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const std::uint8_t* p = frame.at(x, y);
      if (p[3] == 0) continue;
      ++covered;
      EXPECT_LT(p[3], 200) << x << "," << y;
      EXPECT_LT(std::max({p[0], p[1], p[2]}), 80) << x << "," << y;
    }
  EXPECT_GT(covered, 100);
}

// NotSame's four tile colours must be easy to tell apart.
TEST(NotSameSprites, PondTileColoursAreFarApart) {
  std::vector<std::array<double, 3>> means;
  for (int n = 115; n <= 118; ++n) {
    const Frame frame = frameOf(n, 1);
    std::array<double, 3> sum{};
    for (int y = 8; y < 32; ++y)
      for (int x = 8; x < 32; ++x)
        for (int c = 0; c < 3; ++c) sum[c] += frame.at(x, y)[c] / (24.0 * 24.0);
    means.push_back(sum);
  }
  for (size_t i = 0; i < means.size(); ++i)
    for (size_t j = i + 1; j < means.size(); ++j) {
      const double distance = std::hypot(means[i][0] - means[j][0], means[i][1] - means[j][1],
                                         means[i][2] - means[j][2]);
      EXPECT_GT(distance, 90) << "tiles " << 115 + i << " and " << 115 + j;
    }
}

}  // namespace
}  // namespace sprite_sheets
