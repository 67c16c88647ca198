#include "host/graphics/opaque_map.h"

#include <cstddef>

void ZuOpaqueMap::Build(const unsigned char* pixels, int width, int height, int depth) {
  width_ = width > 0 ? width : 0;
  height_ = height > 0 ? height : 0;
  words_ = (width_ + 63) / 64;
  bits_.assign(static_cast<size_t>(words_) * height_, 0);
  ForgetAnswers();
  if (!pixels) return;
  const bool hasAlpha = depth == 2 || depth == 4;
  for (int y = 0; y < height_; ++y) {
    const unsigned char* row = pixels + static_cast<size_t>(y) * width_ * depth;
    uint64_t* out = bits_.data() + static_cast<size_t>(y) * words_;
    for (int x = 0; x < width_; ++x) {
      if (!hasAlpha || row[x * depth + depth - 1] == 255) out[x / 64] |= uint64_t{1} << (x % 64);
    }
  }
}

void ZuOpaqueMap::Set(int x, int y, bool opaque) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint64_t& word = bits_[static_cast<size_t>(y) * words_ + x / 64];
  const uint64_t bit = uint64_t{1} << (x % 64);
  word = opaque ? word | bit : word & ~bit;
}

void ZuOpaqueMap::ForgetAnswers() { answers_.fill(Answer{}); }

bool ZuOpaqueMap::RectOpaque(int x, int y, int w, int h) const {
  if (w <= 0 || h <= 0 || x < 0 || y < 0 || x > width_ - w || y > height_ - h) return false;
  // Every value fits in 16 bits for pictures up to 65535 pixels a side; larger ones are
  // scanned each time.
  if (width_ > 0xffff || height_ > 0xffff) return Scan(x, y, w, h);
  const uint64_t key = static_cast<uint64_t>(x) | static_cast<uint64_t>(y) << 16 |
                       static_cast<uint64_t>(w) << 32 | static_cast<uint64_t>(h) << 48;
  Answer& answer = answers_[(key * 0x9E3779B97F4A7C15u) >> 56];
  if (answer.key != key) answer = {key, Scan(x, y, w, h)};
  return answer.opaque;
}

bool ZuOpaqueMap::Scan(int x, int y, int w, int h) const {
  for (int row = y; row < y + h; ++row) {
    const uint64_t* words = bits_.data() + static_cast<size_t>(row) * words_;
    for (int col = x; col < x + w;) {
      const int bit = col % 64;
      const int span = (64 - bit) < (x + w - col) ? 64 - bit : x + w - col;
      const uint64_t mask = (span == 64 ? ~uint64_t{0} : ((uint64_t{1} << span) - 1)) << bit;
      if ((words[col / 64] & mask) != mask) return false;
      col += span;
    }
  }
  return true;
}
