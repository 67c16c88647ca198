// Which pixels of a picture are fully opaque, one bit each, and whether a rectangle of them
// is. A rectangle drawn from opaque pixels in an opaque colour needs no blending, which is
// most of what a software rasteriser spends on a pixel. A sheet's frames are asked about
// over and over, so answers are remembered until the pixels change.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class ZuOpaqueMap {
 public:
  // Rows top first, `depth` bytes a pixel; with 2 or 4 bytes the last is alpha, with 1 or 3
  // every pixel is opaque. Null pixels: nothing is opaque.
  void Build(const unsigned char* pixels, int width, int height, int depth);
  // Changes one pixel; answers given before stay until ForgetAnswers.
  void Set(int x, int y, bool opaque);
  void ForgetAnswers();
  // False when any pixel of the rectangle is not opaque or lies outside the picture.
  bool RectOpaque(int x, int y, int w, int h) const;

 private:
  bool Scan(int x, int y, int w, int h) const;

  int width_ = 0;
  int height_ = 0;
  int words_ = 0;  // 64-bit words a row
  std::vector<uint64_t> bits_;

  struct Answer {
    uint64_t key = ~uint64_t{0};
    bool opaque = false;
  };
  mutable std::array<Answer, 256> answers_{};
};
