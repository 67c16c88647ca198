// Ice's runner and couch.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

TEST(IceSprites, IceRunnerAndCouchMeetTheFloorStrip) {
  // The floor strip starts 16 units above the bottom; the runner's centre is 32 above it
  // (scale 1), a risen couch's centre 48 above it (scale 2).
  const double floorTop = -16;
  EXPECT_GE(-32 + lowestOpaque(229) - floorTop, -1.0);
  EXPECT_LE(-32 + lowestOpaque(229) - floorTop, 3.0);
  EXPECT_GE(-48 + 2 * lowestOpaque(228) - floorTop, -1.0);
  EXPECT_LE(-48 + 2 * lowestOpaque(228) - floorTop, 3.0);
}

}  // namespace
}  // namespace sprite_sheets
