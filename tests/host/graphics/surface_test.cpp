// Writing ints into a surface without a GL context: only the kept pixels change.
#include "host/graphics/surface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

ZuSurface* Surface(const Bytes& bytes, int w, int h, int depth) {
  auto* block = static_cast<unsigned char*>(std::malloc(bytes.size()));
  std::memcpy(block, bytes.data(), bytes.size());
  ZuSurface* s = gc_new<ZuSurface>();
  s->SetData(block, w, h, depth);
  return s;
}

Bytes Pixels(const ZuSurface* s) { return Bytes(s->pixels, s->pixels + s->width * s->height * s->depth); }

TEST(SurfaceSubData, ABlankSurfaceGetsZeroedPixelsAroundTheRectangle) {
  ZuSurface* s = gc_new<ZuSurface>();
  s->SetData(nullptr, 3, 2, 4);
  const int src[] = {static_cast<int>(0x80c86432u), 0, 0, static_cast<int>(0xff0a141eu)};
  s->SetSubData(1, 0, 1, 2, src, 3);  // rows three ints apart in the source
  EXPECT_EQ(Pixels(s), (Bytes{0, 0, 0, 0, 100, 50, 25, 128, 0, 0, 0, 0,  //
                              0, 0, 0, 0, 10, 20, 30, 255, 0, 0, 0, 0}));
}

TEST(SurfaceSubData, OtherFormatsAndRectanglesNotInsideAreLeftAlone) {
  const int src[] = {-1, -1, -1, -1};
  ZuSurface* rgb = Surface({1, 2, 3}, 1, 1, 3);
  rgb->SetSubData(0, 0, 1, 1, src, 1);
  EXPECT_EQ(Pixels(rgb), (Bytes{1, 2, 3}));

  ZuSurface* rgba = Surface(Bytes(2 * 2 * 4, 255), 2, 2, 4);
  rgba->SetSubData(1, 1, 2, 1, src, 2);   // one column past the right edge
  rgba->SetSubData(0, -1, 1, 1, src, 1);  // above the top
  rgba->SetSubData(0, 2, 1, 1, src, 1);   // below the bottom
  EXPECT_EQ(Pixels(rgba), Bytes(2 * 2 * 4, 255));
}

}  // namespace
