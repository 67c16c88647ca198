// A picture's texture holds only what drawing needs (no fully transparent right or bottom
// part, white and grey pictures in fewer bytes), and draws exactly as the whole RGBA picture
// does.
#include <cstdlib>
#include <cstring>

#include "tests/host/graphics/gl_window.h"

namespace {

using Bytes = std::vector<unsigned char>;

// w x h RGBA pixels; inside the covered corner each has its own colour and alpha (some
// fully transparent, some opaque), outside it every pixel is fully transparent.
Bytes Picture(int w, int h, int coveredW, int coveredH, bool grey) {
  Bytes rgba(static_cast<size_t>(w) * h * 4, 0);
  uint32_t seed = 12345;
  for (int y = 0; y < coveredH; ++y) {
    for (int x = 0; x < coveredW; ++x) {
      seed = seed * 1664525u + 1013904223u;
      unsigned char* p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
      p[0] = static_cast<unsigned char>(seed >> 24);
      p[1] = grey ? p[0] : static_cast<unsigned char>(seed >> 16);
      p[2] = grey ? p[0] : static_cast<unsigned char>(seed >> 8);
      const int kind = (x + y) % 4;
      p[3] = kind == 0 ? 255 : kind == 1 ? 0 : static_cast<unsigned char>(seed);
    }
  }
  // The covered corner reaches its last column and row.
  rgba[(static_cast<size_t>(coveredH - 1) * w + coveredW - 1) * 4 + 3] = 255;
  return rgba;
}

class SurfaceTextureSize : public RendererTest {
 protected:
  // A surface that lets its pixels go once the texture holds them, as loaded pictures do.
  static ZuSurface* Loaded(const Bytes& rgba, int w, int h) {
    auto* data = static_cast<unsigned char*>(std::malloc(rgba.size()));
    std::memcpy(data, rgba.data(), rgba.size());
    ZuSurface* s = gc_new<ZuSurface>();
    s->SetData(data, w, h, 4);
    s->Bind();
    return s;
  }

  // The same picture in a surface written piecewise, whose texture is the whole RGBA picture.
  ZuSurface* Whole(const Bytes& rgba, int w, int h) {
    ZuSurface* s = g_->CreateSurface(w, h);
    Array<int> argb(w * h);
    for (int i = 0; i < w * h; ++i) {
      const unsigned char* p = &rgba[static_cast<size_t>(i) * 4];
      argb[i] = static_cast<int>(uint32_t{p[3]} << 24 | uint32_t{p[0]} << 16 | uint32_t{p[1]} << 8 | p[2]);
    }
    g_->WritePixels2(s, argb, 0, 0, w, h, 0, w);
    return s;
  }

  // Draws the surface whole, halved, turned and enlarged, and a frame that lies wholly in
  // its transparent part, over a coloured background, and reads the window back.
  std::vector<uint32_t> DrawnScreen(ZuSurface* s) {
    StartRendererFrame(g_);
    g_->Cls(0, 0, 90);
    g_->DrawSurface(s, 10, 10);
    g_->SetMatrix(0.5f, 0, 0, 0.5f, 200.25f, 40);
    g_->DrawSurface(s, 0, 0);
    g_->SetMatrix(1.4722f, 0.85f, -0.85f, 1.4722f, 400, 200);
    g_->DrawSurface(s, 0, 0);
    g_->SetMatrix(3, 0, 0, 3, 100, 300);
    g_->DrawSurface2(s, 0, 0, 40, 16, 16, 16);
    g_->SetMatrix(1, 0, 0, 1, 0, 0);
    g_->EndRender();
    return Screen(g_);
  }
};

TEST_F(SurfaceTextureSize, TransparentRightAndBottomPartsAreLeftOutYetDrawTheSame) {
  // 15 of 64 columns and 7 of 32 rows hold something: a quarter of each side still ends in
  // a transparent line, an eighth would not.
  const Bytes picture = Picture(64, 32, 15, 7, false);
  ZuSurface* trimmed = Loaded(picture, 64, 32);
  EXPECT_FLOAT_EQ(trimmed->uScale, 1.0f / 16);
  EXPECT_FLOAT_EQ(trimmed->vScale, 1.0f / 8);
  EXPECT_EQ(trimmed->Width(), 64) << "the picture keeps its size";
  const std::vector<uint32_t> drawn = DrawnScreen(trimmed);
  EXPECT_EQ(drawn, DrawnScreen(Whole(picture, 64, 32)));
  EXPECT_EQ(At(drawn, 10 + 40, 10 + 20), Rgb(0, 0, 90)) << "the left-out part draws nothing";
}

TEST_F(SurfaceTextureSize, ASideWhoseHalfWouldNotEndInATransparentLineStaysWhole) {
  // Something in column 31 of 64: a texture 32 wide would repeat that column past its edge.
  ZuSurface* s = Loaded(Picture(64, 32, 32, 31, false), 64, 32);
  EXPECT_FLOAT_EQ(s->uScale, 1.0f / 64);
  EXPECT_FLOAT_EQ(s->vScale, 1.0f / 32);
}

TEST_F(SurfaceTextureSize, GreyPicturesAreHeldAsGreyAndAlphaYetDrawTheSame) {
  const Bytes grey = Picture(64, 32, 64, 32, true);
  ZuSurface* s = Loaded(grey, 64, 32);
  EXPECT_EQ(s->depth, 2);
  EXPECT_EQ(DrawnScreen(s), DrawnScreen(Whole(grey, 64, 32)));

  Bytes almostGrey = grey;
  almostGrey[4 * 99 + 2] ^= 1;  // one opaque pixel a shade off grey
  EXPECT_EQ(Loaded(almostGrey, 64, 32)->depth, 4);
}

TEST_F(SurfaceTextureSize, WhitePicturesAreHeldInOneByteAPixelYetDrawTheSame) {
  Bytes white = Picture(64, 32, 64, 32, true);
  for (size_t i = 0; i < white.size(); i += 4) white[i] = white[i + 1] = white[i + 2] = 255;
  ZuSurface* s = Loaded(white, 64, 32);
  EXPECT_EQ(s->depth, 1);
  EXPECT_EQ(DrawnScreen(s), DrawnScreen(Whole(white, 64, 32)));

  white[4 * 99] = white[4 * 99 + 1] = white[4 * 99 + 2] = 254;  // one opaque pixel off white
  EXPECT_EQ(Loaded(white, 64, 32)->depth, 2);
}

TEST_F(SurfaceTextureSize, WritingIntoAFittedPictureKeepsThePictureAndShowsTheWrite) {
  Bytes white = Picture(64, 32, 15, 7, true);
  for (size_t i = 0; i < white.size(); i += 4) white[i] = white[i + 1] = white[i + 2] = 255;
  for (const Bytes& picture : {Picture(64, 32, 15, 7, false), white}) {
    ZuSurface* s = Loaded(picture, 64, 32);
    std::vector<uint32_t> expected = DrawnScreen(s);
    // One pixel in the left-out part: it shows where the surface is drawn at its own size.
    g_->WritePixels2(s, Array<int>({static_cast<int>(0xff336699u)}), 50, 20, 1, 1, 0, 1);
    expected[static_cast<size_t>(10 + 20) * kWidth + 10 + 50] = Rgb(0x33, 0x66, 0x99);
    const std::vector<uint32_t> drawn = DrawnScreen(s);
    EXPECT_EQ(At(drawn, 60, 30), Rgb(0x33, 0x66, 0x99));
    // Elsewhere (the halved and turned copies may show the new pixel too) the picture stays.
    for (int y = 0; y < 150; ++y) {
      for (int x = 0; x < 190; ++x) ASSERT_EQ(At(drawn, x, y), At(expected, x, y)) << x << ", " << y;
    }
  }
}

}  // namespace
