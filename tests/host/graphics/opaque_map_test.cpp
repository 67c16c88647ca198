// Which rectangles of a picture are wholly opaque, remembered answers included.
#include "host/graphics/opaque_map.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 70 x 3 RGBA picture, opaque but for one pixel at (66, 1) (past the first 64-pixel word
// of its row) whose alpha is 254.
std::vector<unsigned char> Picture() {
  std::vector<unsigned char> rgba(70 * 3 * 4, 255);
  rgba[(1 * 70 + 66) * 4 + 3] = 254;
  return rgba;
}

TEST(OpaqueMap, ARectangleIsOpaqueOnlyIfEveryPixelInsideThePictureIs) {
  const std::vector<unsigned char> rgba = Picture();
  ZuOpaqueMap map;
  map.Build(rgba.data(), 70, 3, 4);
  EXPECT_TRUE(map.RectOpaque(0, 0, 66, 3)) << "up to the pixel";
  EXPECT_TRUE(map.RectOpaque(60, 0, 10, 1)) << "across the word boundary, another row";
  EXPECT_FALSE(map.RectOpaque(60, 0, 10, 3));
  EXPECT_FALSE(map.RectOpaque(66, 1, 1, 1));
  EXPECT_FALSE(map.RectOpaque(67, 0, 4, 1)) << "one column outside";
  EXPECT_FALSE(map.RectOpaque(-1, 0, 2, 1));
  EXPECT_FALSE(map.RectOpaque(0, 0, 0, 1)) << "empty";
}

TEST(OpaqueMap, AChangedPixelChangesTheRememberedAnswerOnceForgotten) {
  const std::vector<unsigned char> rgba = Picture();
  ZuOpaqueMap map;
  map.Build(rgba.data(), 70, 3, 4);
  ASSERT_FALSE(map.RectOpaque(64, 0, 6, 3));
  map.Set(66, 1, true);
  map.ForgetAnswers();
  EXPECT_TRUE(map.RectOpaque(64, 0, 6, 3));
  map.Set(0, 2, false);
  map.ForgetAnswers();
  EXPECT_FALSE(map.RectOpaque(0, 0, 70, 3));
}

TEST(OpaqueMap, AlphaIsTheLastByteAndPicturesWithoutAlphaAreOpaque) {
  const unsigned char greyAlpha[] = {0, 255, 255, 254};
  const unsigned char rgb[] = {0, 0, 0, 10, 20, 30};
  ZuOpaqueMap map;
  map.Build(greyAlpha, 2, 1, 2);
  EXPECT_TRUE(map.RectOpaque(0, 0, 1, 1));
  EXPECT_FALSE(map.RectOpaque(1, 0, 1, 1));
  map.Build(rgb, 2, 1, 3);
  EXPECT_TRUE(map.RectOpaque(0, 0, 2, 1));
  map.Build(nullptr, 2, 1, 4);
  EXPECT_FALSE(map.RectOpaque(0, 0, 1, 1)) << "no pixels yet: nothing is known opaque";
}

}  // namespace
