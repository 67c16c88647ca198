// Small math helpers of the framework.
#pragma once

#include <cstdint>

// The absolute value; the most negative int stays as it is (wraps) instead of overflowing.
inline int zu_math_Abs(int x) {
  return x >= 0 ? x : static_cast<int>(0u - static_cast<uint32_t>(x));
}
// One degree in radians, in the float the games turn things with.
inline constexpr float zu_math_DegreesToRadians = 0.0174532925f;

inline float zu_math_Abs2(float x) { return x >= 0.0f ? x : -x; }
inline int zu_math_Max(int a, int b) { return a > b ? a : b; }
inline float zu_math_Max2(float a, float b) { return a > b ? a : b; }
