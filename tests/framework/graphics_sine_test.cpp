#include "framework/graphics_sine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace {

uint32_t Bits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Bit for bit the library's double-precision values narrowed: a turned sprite must land
// on the same pixels whichever way its turn was worked out.
void ExpectLibraryValues(float radians) {
  const zu_graphics_SineCosine turn = zu_graphics_SinCos(radians);
  ASSERT_EQ(Bits(turn.sin), Bits(static_cast<float>(std::sin(static_cast<double>(radians)))))
      << "sine of " << radians;
  ASSERT_EQ(Bits(turn.cos), Bits(static_cast<float>(std::cos(static_cast<double>(radians)))))
      << "cosine of " << radians;
}

TEST(TurnSineCosine, EveryAngleInSixtyFourthsOfADegreeOverThreeTurnsEachWay) {
  for (int step = -1080 * 64; step <= 1080 * 64; ++step) {
    ExpectLibraryValues(static_cast<float>(step) / 64.0f * 0.0174532924f);
  }
}

TEST(TurnSineCosine, RandomAnglesNearAndFarAndAnyBitPattern) {
  std::mt19937 random(20261207);
  std::uniform_real_distribution<float> near(-400.0f, 400.0f);
  std::uniform_real_distribution<float> far(-70000.0f, 70000.0f);
  for (int i = 0; i < 300000; ++i) {
    ExpectLibraryValues(near(random));
    ExpectLibraryValues(far(random));
    const uint32_t bits = static_cast<uint32_t>(random());
    float any;
    std::memcpy(&any, &bits, sizeof any);
    if (!std::isnan(any)) ExpectLibraryValues(any);
  }
}

TEST(TurnSineCosine, EdgesOfTheQuarterTurnsAndSpecialValues) {
  const float specials[] = {0.0f, -0.0f, 1e-30f, -1e-30f, 1e-45f, 0.785398185f, 1.57079637f,
                            -1.57079637f, 3.14159274f, 4.71238899f, 6.28318548f,
                            65535.99f, 65536.0f, 65536.01f, 1e30f,
                            std::numeric_limits<float>::infinity(),
                            std::numeric_limits<float>::denorm_min()};
  for (float radians : specials) {
    ExpectLibraryValues(radians);
    // Around each, the neighbouring floats, where quarter turns hide their rounding.
    float below = radians, above = radians;
    for (int i = 0; i < 200; ++i) {
      below = std::nextafter(below, -std::numeric_limits<float>::infinity());
      above = std::nextafter(above, std::numeric_limits<float>::infinity());
      ExpectLibraryValues(below);
      ExpectLibraryValues(above);
    }
  }
  const zu_graphics_SineCosine nan = zu_graphics_SinCos(std::nanf(""));
  EXPECT_TRUE(std::isnan(nan.sin) && std::isnan(nan.cos));
}

}  // namespace
