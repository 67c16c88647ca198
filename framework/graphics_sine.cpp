#include "framework/graphics_sine.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// π/2 in two parts, the first with 33 significant bits: k times it is exact for the k of
// every angle below kLargestQuick, so the remainder keeps its accuracy.
constexpr double kHalfPiHigh = 1.57079632673412561417e+00;
constexpr double kHalfPiLow = 6.07710050650619224932e-11;
constexpr double kTwoOverPi = 6.36619772367581382433e-01;
// Adding and taking away this rounds a double to a whole number.
constexpr double kRoundingShift = 6755399441055744.0;  // 1.5 · 2^52
// Larger angles, infinities and NaN go to the library.
constexpr double kLargestQuick = 65536.0;

// Sine and cosine for |r| <= π/4: the classic polynomial kernels' coefficients, accurate
// to about one unit in the last place of a double, summed in pairs (Estrin's scheme) so
// that the sprite that waits for them waits half as long as for a nested sum.
double SinNear(double r) {
  const double z = r * r;
  const double z2 = z * z;
  const double z4 = z2 * z2;
  const double sum = (-1.66666666666666324348e-01 + z * 8.33333333332248946124e-03) +
                     z2 * (-1.98412698298579493134e-04 + z * 2.75573137070700676789e-06) +
                     z4 * (-2.50507602534068634195e-08 + z * 1.58969099521155010221e-10);
  return r + r * z * sum;
}

double CosNear(double r) {
  const double z = r * r;
  const double z2 = z * z;
  const double z4 = z2 * z2;
  const double sum = (4.16666666666666019037e-02 + z * -1.38888888888741095749e-03) +
                     z2 * (2.48015872894767294178e-05 + z * -2.75573143513906633035e-07) +
                     z4 * (2.08757232129817482790e-09 + z * -1.13596475577881948265e-11);
  return 1.0 - (0.5 * z - z2 * sum);
}

// `value` rounded to single precision, when the library's value, which lies within a
// sliver of ours, is sure to round to the same float: ours is further than that sliver
// from the midpoints between the float and its neighbours. Otherwise false (about one
// value in ten million, and zero or subnormal results).
bool NarrowedAlike(double value, float* out) {
  const float narrow = static_cast<float>(value);
  uint32_t bits;
  std::memcpy(&bits, &narrow, sizeof bits);
  const int exponent = static_cast<int>(bits >> 23 & 0xff);
  if (exponent == 0 || exponent == 0xff) return false;
  // Half the gap to the nearer neighbour: half a unit in the last place, or a quarter at
  // a power of two, where the float below lies closer.
  const int halfGapExponent = exponent - 127 - 24 - ((bits & 0x7fffff) == 0 ? 1 : 0);
  const uint64_t halfGapBits = static_cast<uint64_t>(halfGapExponent + 1023) << 52;
  double halfGap;
  std::memcpy(&halfGap, &halfGapBits, sizeof halfGap);
  // Ours and the library's each stray a few units in the last place of a double; the
  // reduction adds far less than 1e-20.
  const double sliver = 1e-14 * std::fabs(value) + 1e-20;
  if (std::fabs(value - static_cast<double>(narrow)) + sliver >= halfGap) return false;
  *out = narrow;
  return true;
}

// The library's values, worked out quickly where that is sure to give the same floats.
zu_graphics_SineCosine Compute(float radians) {
  const double x = radians;
  if (std::fabs(x) <= kLargestQuick) {
    const double k = (x * kTwoOverPi + kRoundingShift) - kRoundingShift;
    const double r = (x - k * kHalfPiHigh) - k * kHalfPiLow;
    const double s = SinNear(r);
    const double c = CosNear(r);
    // Quarter turns 1 and 3 swap sine and cosine; 2 and 3 negate the sine, 1 and 2 the
    // cosine. Chosen without branches: the quarter of one sprite says nothing of the next.
    const auto quarter = static_cast<uint64_t>(static_cast<int64_t>(k)) & 3;
    const uint64_t swap = 0 - (quarter & 1);
    uint64_t sBits, cBits;
    std::memcpy(&sBits, &s, sizeof sBits);
    std::memcpy(&cBits, &c, sizeof cBits);
    const uint64_t sineBits = ((sBits & ~swap) | (cBits & swap)) ^ (quarter & 2) << 62;
    const uint64_t cosineBits = ((cBits & ~swap) | (sBits & swap)) ^ ((quarter + 1) & 2) << 62;
    double sine, cosine;
    std::memcpy(&sine, &sineBits, sizeof sine);
    std::memcpy(&cosine, &cosineBits, sizeof cosine);
    zu_graphics_SineCosine result{};
    if (NarrowedAlike(sine, &result.sin) && NarrowedAlike(cosine, &result.cos)) return result;
  }
  return {static_cast<float>(std::sin(x)), static_cast<float>(std::cos(x))};
}

}  // namespace

zu_graphics_SineCosine zu_graphics_SinCos(float radians) {
  // The glyphs of turned text, and often a run of sprites, share one angle.
  static uint32_t lastBits = 0;  // +0: sine +0, cosine 1
  static zu_graphics_SineCosine last{0.0f, 1.0f};
  uint32_t bits;
  std::memcpy(&bits, &radians, sizeof bits);
  if (bits == lastBits) return last;
  lastBits = bits;
  last = Compute(radians);
  return last;
}
