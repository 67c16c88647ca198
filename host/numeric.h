// Integer and float helpers with defined results where plain C++ would be undefined:
// 32-bit arithmetic that the design expects to wrap (checksums, the random generator,
// identity differences), and float-to-int conversion of values out of range.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

inline int zu_wrap_add(int a, int b) {
  return static_cast<int>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline int zu_wrap_sub(int a, int b) {
  return static_cast<int>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline int zu_wrap_mul(int a, int b) {
  return static_cast<int>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

// Truncates toward zero. NaN gives 0; values beyond the int range saturate to its ends.
inline int zu_f2i(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int>::min();
  return static_cast<int>(value);
}
