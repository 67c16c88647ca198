// The shot several games share, the ship and the gun.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// The shot is squashed into streaks of every proportion and turned every way, which
// only works for a round, centred picture.
TEST(SpaceSprites, SharedShotIsARoundCentredGlow) {
  const Frame frame = frameOf(6, 4);
  const Box box = boxOf(frame);
  EXPECT_NEAR(box.width(), box.height(), 0.5);
  EXPECT_NEAR((box.left + box.right) / 2, 20, 0.3);
  EXPECT_NEAR((box.top + box.bottom) / 2, 20, 0.3);
  EXPECT_LT(asymmetry(frame), 0.02);
}

// The gun (Chaos, and turned sideways by Numbers and Qubic) and the Waves/Xplode ship
// point UP at rotation 0: narrow at the top, broad at the bottom.
TEST(SpaceSprites, GunAndShipPointUp) {
  for (int n : {15, 34}) {
    const Frame frame = frameOf(n, 4);
    const Box box = boxOf(frame);
    const double nearTop = rowWidth(frame, box.top + box.height() * 0.15);
    const double nearBottom = rowWidth(frame, box.top + box.height() * 0.85);
    EXPECT_LT(nearTop * 2, nearBottom) << "sprite " << n;
    EXPECT_LT(asymmetry(frame), 0.05) << "sprite " << n;
  }
}

}  // namespace
}  // namespace sprite_sheets
