#include "host/graphics/texture_fit.h"

namespace {

const unsigned char* AlphaOf(const unsigned char* pixels, int width, int depth, int x, int y) {
  return pixels + (static_cast<size_t>(y) * width + x) * depth + depth - 1;
}

// The number of columns from the left up to and including the last one that holds a pixel
// not fully transparent. Row by row, each row read only right of what earlier rows covered.
int CoveredColumns(const unsigned char* pixels, int width, int height, int depth) {
  int covered = 0;
  for (int y = 0; y < height && covered < width; ++y) {
    for (int x = width - 1; x >= covered; --x) {
      if (*AlphaOf(pixels, width, depth, x, y) != 0) {
        covered = x + 1;
        break;
      }
    }
  }
  return covered;
}

// The number of rows from the top up to and including the last one that holds such a pixel.
int CoveredRows(const unsigned char* pixels, int width, int height, int depth) {
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      if (*AlphaOf(pixels, width, depth, x, y) != 0) return y + 1;
    }
  }
  return 0;
}

}  // namespace

int zu_graphics_TextureSide(const unsigned char* pixels, int width, int height, int depth,
                            bool columns) {
  int side = columns ? width : height;
  if (depth != 2 && depth != 4) return side;
  const int covered = columns ? CoveredColumns(pixels, width, height, depth)
                              : CoveredRows(pixels, width, height, depth);
  while (side % 2 == 0 && covered < side / 2) side /= 2;
  return side;
}

int zu_graphics_PackPixels(unsigned char* pixels, size_t count, bool oneByte) {
  bool white = oneByte;
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* p = pixels + 4 * i;
    if (p[0] != p[1] || p[0] != p[2]) return 4;
    white = white && p[0] == p[3];
  }
  if (white) {
    for (size_t i = 0; i < count; ++i) pixels[i] = pixels[4 * i + 3];
    return 1;
  }
  for (size_t i = 0; i < count; ++i) {
    pixels[2 * i] = pixels[4 * i];
    pixels[2 * i + 1] = pixels[4 * i + 3];
  }
  return 2;
}
