#include "host/graphics/colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

TEST(VertexColour, TruncatedProductsWithAlphaReadRgbaInMemory) {
  EXPECT_EQ(zu_graphics_EncodeColor(255, 128, 0, 0.5f), 0x7f00407fu);  // 127, 64, 0, 127
  EXPECT_EQ(zu_graphics_EncodeColor(99.9f, 0, 0, 1.0f), 0xff000063u);  // 99, not 100
  // Out of the byte range (and NaN) is held at its ends rather than wrapping.
  EXPECT_EQ(zu_graphics_EncodeColor(300, -20, std::nanf(""), 2.0f), 0xff0000ffu);
}

TEST(Premultiply, ColourBytesAreScaledByAlphaRoundingDown) {
  Bytes rgba = {200, 100, 50, 128, 255, 255, 255, 0};
  zu_graphics_PremultiplyPixels(rgba.data(), 2, 4);
  EXPECT_EQ(rgba, (Bytes{100, 50, 25, 128, 0, 0, 0, 0}));
  Bytes grey_alpha = {200, 128};
  zu_graphics_PremultiplyPixels(grey_alpha.data(), 1, 2);
  EXPECT_EQ(grey_alpha, (Bytes{100, 128}));
  Bytes rgb = {200, 100, 50};  // no alpha to apply
  zu_graphics_PremultiplyPixels(rgb.data(), 1, 3);
  EXPECT_EQ(rgb, (Bytes{200, 100, 50}));
  unsigned char out[4];
  zu_graphics_StoreArgb(static_cast<int>(0x80c86432u), out);
  EXPECT_EQ(Bytes(out, out + 4), (Bytes{100, 50, 25, 128}));
}

TEST(TextureSides, RefusedSidesGrowToTheNextPowerOfTwo) {
  EXPECT_EQ(zu_graphics_PowerOfTwoSide(100), 128);
  EXPECT_EQ(zu_graphics_PowerOfTwoSide(64), 64);
  EXPECT_EQ(zu_graphics_PowerOfTwoSide(65), 128);
  EXPECT_EQ(zu_graphics_PowerOfTwoSide(1), 1);
  EXPECT_EQ(zu_graphics_PowerOfTwoSide(0), 1);
}

}  // namespace
