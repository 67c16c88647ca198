#include "host/graphics/oval_segments.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int Plain(float w, float h) { return zu_graphics_OvalSegments(w * 0.5f, h * 0.5f, false, 1, 0, 0, 1); }

TEST(OvalSegments, WithoutAMatrixTheTruncatedRadiiSetTheCount) {
  EXPECT_EQ(Plain(10, 10), 12);       // too few: at least 12
  EXPECT_EQ(Plain(100, 100), 100);
  EXPECT_EQ(Plain(102, 102), 100);    // rounded down to a multiple of 4
  EXPECT_EQ(Plain(5000, 5000), 1024);
  EXPECT_EQ(Plain(41.8f, 41.8f), 40);  // 20.9 -> 20 each
  EXPECT_EQ(Plain(-100, 100), 100);
  EXPECT_EQ(Plain(std::nanf(""), 100), 12);
}

TEST(OvalSegments, WithAMatrixTheRadiiAreMeasuredOnScreen) {
  EXPECT_EQ(zu_graphics_OvalSegments(50, 50, true, 2, 0, 0, 3), 248);  // 100 + 150
  EXPECT_EQ(zu_graphics_OvalSegments(50, 50, true, 0, -1, 1, 0), 100);  // a quarter turn
}

}  // namespace
