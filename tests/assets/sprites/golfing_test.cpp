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

// The golfer is drawn at scale 1 with his handle on the fairway's edge, so only the 16
// units between the cell's top margin and that edge are his: he fills them, head near
// the margin, stands wide, and his club head rests just behind the ball (centred 9 units
// ahead of him, its left edge at 25.7), without hiding it.
TEST(GolfingSprites, GolferFillsHisSpaceAndHisClubMeetsTheBall) {
  for (int n : {112, 113}) {
    const Box box = boxOf(frameOf(n, 4));
    EXPECT_LT(box.top, 5.0) << "sprite " << n;
    EXPECT_GT(box.width(), 19.0) << "sprite " << n;
  }
  const Frame ready = frameOf(112, 4);
  int reach = 0;
  for (int y = 18 * 4; y < 21 * 4; ++y)
    for (int x = 0; x < ready.size(); ++x)
      if (ready.alpha(x, y) >= 128) reach = std::max(reach, x + 1);
  EXPECT_GE(reach / 4.0, 25.5);
  EXPECT_LE(reach / 4.0, 27.5);
}

}  // namespace
}  // namespace sprite_sheets
