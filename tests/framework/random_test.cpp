#include "framework/random.h"

#include <gtest/gtest.h>

#include "framework/math.h"

namespace {

TEST(RandomGenerator, FirstStepsFromTheStartingSeed) {
  zu_random_Seed = 1234;
  EXPECT_EQ(zu_random_Rnd(), 11984094 * 0x1p-24f);
  EXPECT_EQ(zu_random_Seed, -1227039223);  // 3067928073 as a signed 32-bit value
  EXPECT_FLOAT_EQ(11984094 * 0x1p-24f, 0.71430767f);
  EXPECT_EQ(zu_random_Rnd(), 3473103 * 0x1p-24f);
  EXPECT_EQ(zu_random_Rnd(), 12575225 * 0x1p-24f);
  EXPECT_EQ(zu_random_Rnd(), 5805964 * 0x1p-24f);
  EXPECT_EQ(zu_random_Rnd(), 13479477 * 0x1p-24f);
}

TEST(RandomGenerator, ReseedingRepeatsTheSequence) {
  zu_random_Seed = 1234;
  float first[10];
  for (float& f : first) f = zu_random_Rnd();
  zu_random_Seed = 1234;
  for (float f : first) EXPECT_EQ(zu_random_Rnd(), f);
}

TEST(RandomGenerator, NeverReachesOne) {
  // The largest top-24-bit value still maps below 1.
  zu_random_Seed = 0;
  for (int i = 0; i < 100000; ++i) {
    float r = zu_random_Rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
  EXPECT_LT(16777215 * 0x1p-24f, 1.0f);
}

TEST(RandomGenerator, WrapsWithoutOverflowFromExtremeSeeds) {
  zu_random_Seed = 2147483647;
  zu_random_Rnd();
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 2147483647u * 1664525u + 1013904223u);
  zu_random_Seed = -2147483647 - 1;
  zu_random_Rnd();
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 2147483648u * 1664525u + 1013904223u);
}

TEST(RandomRanges, EqualBoundsAlwaysGiveThatBound) {
  zu_random_Seed = 99;
  for (int i = 0; i < 100; ++i) EXPECT_EQ(zu_random_Rnd2(5, 5), 5.0f);
}

TEST(RandomRanges, ReversedBoundsGiveTheHalfOpenRangeFromTheOtherSide) {
  zu_random_Seed = 7;
  for (int i = 0; i < 10000; ++i) {
    float r = zu_random_Rnd2(10, 0);
    ASSERT_GT(r, 0.0f);
    ASSERT_LE(r, 10.0f);
  }
}

TEST(RandomRanges, ZeroRangeStillAdvancesTheSeed) {
  zu_random_Seed = 1234;
  EXPECT_EQ(zu_random_Rnd3(0), 0.0f);
  EXPECT_EQ(zu_random_Seed, -1227039223);
}

TEST(FrameworkMath, AbsAndMax) {
  EXPECT_EQ(zu_math_Abs(-5), 5);
  EXPECT_EQ(zu_math_Abs(-2147483647 - 1), -2147483647 - 1);
  EXPECT_EQ(zu_math_Abs2(-2.5f), 2.5f);
  EXPECT_EQ(zu_math_Max(3, -4), 3);
  EXPECT_EQ(zu_math_Max2(-1.5f, -2.5f), -1.5f);
}

}  // namespace
