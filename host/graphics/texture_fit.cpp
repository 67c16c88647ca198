#include "host/graphics/texture_fit.h"

namespace {

bool Covered(const unsigned char* pixels, int width, int depth, int x, int y) {
  return pixels[(static_cast<size_t>(y) * width + x) * depth + depth - 1] != 0;
}

// The number of lines from the start up to and including the last one that holds a pixel
// not fully transparent.
int CoveredLines(const unsigned char* pixels, int width, int height, int depth, bool columns) {
  const int lines = columns ? width : height;
  const int along = columns ? height : width;
  for (int line = lines - 1; line >= 0; --line) {
    for (int i = 0; i < along; ++i) {
      if (columns ? Covered(pixels, width, depth, line, i) : Covered(pixels, width, depth, i, line)) {
        return line + 1;
      }
    }
  }
  return 0;
}

}  // namespace

int zu_graphics_TextureSide(const unsigned char* pixels, int width, int height, int depth,
                            bool columns) {
  int side = columns ? width : height;
  if (depth != 2 && depth != 4) return side;
  const int covered = CoveredLines(pixels, width, height, depth, columns);
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
