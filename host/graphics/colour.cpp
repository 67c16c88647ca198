#include "host/graphics/colour.h"


void zu_graphics_PremultiplyPixels(unsigned char* pixels, int64_t count, int depth) {
  if (depth == 4) {
    for (int64_t i = 0; i < count; ++i, pixels += 4) {
      const unsigned a = pixels[3];
      pixels[0] = static_cast<unsigned char>(pixels[0] * a / 255);
      pixels[1] = static_cast<unsigned char>(pixels[1] * a / 255);
      pixels[2] = static_cast<unsigned char>(pixels[2] * a / 255);
    }
  } else if (depth == 2) {
    for (int64_t i = 0; i < count; ++i, pixels += 2) {
      pixels[0] = static_cast<unsigned char>(pixels[0] * pixels[1] / 255);
    }
  }
}

int zu_graphics_PowerOfTwoSide(int side) {
  int result = 1;
  while (result < side && result < (1 << 30)) result <<= 1;
  return result;
}
