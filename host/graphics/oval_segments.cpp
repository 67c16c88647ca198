#include "host/graphics/oval_segments.h"

#include <cmath>

namespace {

constexpr double kFewest = 12;
constexpr double kMost = 1024;

}  // namespace

int zu_graphics_OvalSegments(float xr, float yr, bool transformed, float ix, float iy, float jx,
                             float jy) {
  // Kept in double until clamped, so huge or NaN radii cannot overflow an int.
  double s;
  if (transformed) {
    const float x_len = std::sqrt((xr * ix) * (xr * ix) + (xr * iy) * (xr * iy));
    const float y_len = std::sqrt((yr * jx) * (yr * jx) + (yr * jy) * (yr * jy));
    s = std::trunc(static_cast<double>(x_len + y_len));
  } else {
    s = std::fabs(std::trunc(static_cast<double>(xr))) + std::fabs(std::trunc(static_cast<double>(yr)));
  }
  if (std::isnan(s) || s <= 11) return static_cast<int>(kFewest);
  if (s > kMost) return static_cast<int>(kMost);
  return static_cast<int>(s) & ~3;
}
