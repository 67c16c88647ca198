// Soda's glasses.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// Soda stands its glasses on the counter's top edge, which it places at the glass's
// centre, so the glasses rest on the centre line.
TEST(SodaSprites, GlassesStandOnTheCentreLine) {
  for (int n = 51; n <= 55; ++n) EXPECT_NEAR(boxOf(frameOf(n, 4)).bottom, 21.0, 0.8) << "sprite " << n;
}

}  // namespace
}  // namespace sprite_sheets
