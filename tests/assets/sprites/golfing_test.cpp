// Golfing's pictures: the hole, the water, the sand and the golfer.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

// Golfing centres the hole, water and sand on the fairway's top edge and stands the
// golfer with his feet on it, so these pictures rest on the centre line.
TEST(GolfingSprites, PicturesRestingOnTheFairwayMeetItAtTheCentre) {
  for (int n : {112, 113}) EXPECT_NEAR(boxOf(frameOf(n, 4)).bottom, 22.0, 1.5) << "sprite " << n;
  // The water and sand are hollows whose brim lies on the line: their widest row is
  // just below the centre, and the sand has nothing above it (the water has a few reeds).
  for (int n : {107, 108}) EXPECT_GT(rowWidth(frameOf(n, 4), 20.5), 26) << "sprite " << n;
  EXPECT_LT(boxOf(frameOf(108, 4)).top, 20.0);
  EXPECT_GT(boxOf(frameOf(108, 4)).top, 18.5);
  const Box flag = boxOf(frameOf(105, 4));
  EXPECT_NEAR(flag.bottom, 23.0, 1.0);
  EXPECT_LT(flag.top, 8.0);
}

}  // namespace
}  // namespace sprite_sheets
