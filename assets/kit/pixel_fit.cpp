#include "pixel_fit.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zandrel_art {

namespace {

using Block = std::vector<std::uint32_t>;  // premultiplied ARGB pixels of one target pixel

constexpr std::uint32_t kSeeThroughKey = 0x80000000u;

std::uint32_t alphaOf(std::uint32_t pixel) { return pixel >> 24; }
bool seeThroughPixel(std::uint32_t pixel) { return alphaOf(pixel) != 0 && alphaOf(pixel) < 0xf0; }

// Opaque colours closer than this share a bucket, so the soft highlights of the fine
// painting vote with the flat colour they belong to. Every see-through pixel (glows,
// glass, blurs, shadows, but also the thin rims of shapes) votes in one bucket of its own.
std::uint32_t bucketOf(std::uint32_t pixel) {
  if (seeThroughPixel(pixel)) return kSeeThroughKey;
  std::uint32_t key = 0;
  for (int shift = 0; shift < 32; shift += 8) key |= ((pixel >> shift) & 0xf0u) << shift;
  return key;
}

// Ink outlines and pupils are a sub-pixel thin on the fine painting: dark opaque pixels
// count half again as much, so a line that covers two fifths of a block still claims it
// and outlines stay closed.
int weightOf(std::uint32_t pixel) {
  const std::uint32_t brightest = std::max({(pixel >> 16) & 0xffu, (pixel >> 8) & 0xffu, pixel & 0xffu});
  return alphaOf(pixel) >= 0xf0 && brightest < 0x50 ? 3 : 2;
}

// The heaviest bucket; on a tie the more opaque one, so thin lines survive.
std::uint32_t winningBucket(const Block& block) {
  std::uint32_t bestKey = 0;
  int bestVotes = -1;
  for (std::uint32_t candidate : block) {
    const std::uint32_t key = bucketOf(candidate);
    int votes = 0;
    for (std::uint32_t other : block) votes += bucketOf(other) == key ? weightOf(other) : 0;
    if (votes > bestVotes || (votes == bestVotes && alphaOf(key) > alphaOf(bestKey))) {
      bestKey = key;
      bestVotes = votes;
    }
  }
  return bestKey;
}

// The bucket's commonest exact pixel, a colour the painting really has; a fully opaque
// one before any the smoothing left a trace of transparency in.
std::uint32_t commonestIn(const Block& block, std::uint32_t key) {
  std::uint32_t out = 0;
  int outCount = 0;
  for (std::uint32_t pixel : block) {
    if (bucketOf(pixel) != key) continue;
    const int count = static_cast<int>(std::count(block.begin(), block.end(), pixel)) +
                      (alphaOf(pixel) == 0xff ? 1000 : 0);
    if (count > outCount) {
      out = pixel;
      outCount = count;
    }
  }
  return out;
}

// The average of the see-through pixels; hardened, their colour at full opacity.
std::uint32_t seeThroughMean(const Block& block, SeeThrough seeThrough) {
  std::uint32_t sum[4] = {0, 0, 0, 0};
  std::uint32_t members = 0;
  for (std::uint32_t pixel : block) {
    if (!seeThroughPixel(pixel)) continue;
    ++members;
    for (int c = 0; c < 4; ++c) sum[c] += (pixel >> (8 * c)) & 0xffu;
  }
  const std::uint32_t divisor = seeThrough == SeeThrough::keep ? members : sum[3];
  const std::uint32_t scale = seeThrough == SeeThrough::keep ? 1 : 0xffu;
  std::uint32_t out = seeThrough == SeeThrough::keep ? 0 : 0xff000000u;
  for (int c = 0; c < (seeThrough == SeeThrough::keep ? 4 : 3); ++c)
    out |= std::min(0xffu, (sum[c] * scale + divisor / 2) / divisor) << (8 * c);
  return out;
}

}  // namespace

cairo_surface_t* fitToPixels(cairo_surface_t* fine, int factor, SeeThrough seeThrough) {
  cairo_surface_flush(fine);
  const int width = cairo_image_surface_get_width(fine) / factor;
  const int height = cairo_image_surface_get_height(fine) / factor;
  cairo_surface_t* coarse = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  const unsigned char* fineData = cairo_image_surface_get_data(fine);
  const int fineStride = cairo_image_surface_get_stride(fine);
  unsigned char* coarseData = cairo_image_surface_get_data(coarse);
  const int coarseStride = cairo_image_surface_get_stride(coarse);

  Block block(static_cast<std::size_t>(factor) * factor);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int by = 0; by < factor; ++by) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(fineData + (y * factor + by) * fineStride);
        for (int bx = 0; bx < factor; ++bx) block[by * factor + bx] = row[x * factor + bx];
      }
      const std::uint32_t key = winningBucket(block);
      reinterpret_cast<std::uint32_t*>(coarseData + y * coarseStride)[x] =
          key == kSeeThroughKey ? seeThroughMean(block, seeThrough) : commonestIn(block, key);
    }
  }
  cairo_surface_mark_dirty(coarse);
  return coarse;
}

}  // namespace zandrel_art
