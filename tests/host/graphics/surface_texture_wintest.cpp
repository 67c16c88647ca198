// Surfaces from real PNG files (written by ImageMagick), drawn into a real window.
#include "tests/host/graphics/gl_window.h"
#include "tests/host/graphics/png_files.h"

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kRgba = {200, 100, 50, 128, 0, 255, 0, 255, 10, 20, 30, 0, 255, 255, 255, 255};
const Bytes kRgb = {200, 100, 50, 0, 255, 0, 10, 20, 30, 255, 255, 255};

class Surfaces : public RendererTest {
 protected:
  void StartFrame() override {
    StartRendererFrame(g_);
    g_->Cls(0, 0, 0);
  }
  ZuSurface* Load(const std::string& name, int w, int h, const PngForm& form, const Bytes& raw) {
    return g_->LoadSurface(String(folder_.Make(name, w, h, form, raw).c_str()));
  }
  PngFolder folder_;
};

TEST_F(Surfaces, ImagePixelIsPremultipliedAndBlendsAsSuch) {
  ZuSurface* s = Load("rgba.png", 2, 2, kRgbaPng, kRgba);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->textureSeq, glfwGraphicsSeq) << "a loaded surface gets its texture at once";
  EXPECT_EQ(s->pixels, nullptr) << "the texture holds the pixels; no copy is kept";
  g_->DrawSurface(s, 10, 10);
  g_->DrawRect(20, 10, 2, 2);
  g_->DrawSurface(s, 20, 10);
  g_->EndRender();
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 10, 10), Rgb(100, 50, 25));
  EXPECT_EQ(At(screen, 10, 11), Rgb(0, 0, 0)) << "fully transparent";
  // Over white, the half-transparent pixel lets 127/255 of the white through.
  EXPECT_TRUE(NearRgb(At(screen, 20, 10), 227, 177, 152));
}

TEST_F(Surfaces, EveryPngFormDrawsItsOwnColours) {
  const uint32_t kSkip = 0;  // on/off transparency decides this pixel by its own rule
  struct Case {
    const char* name;
    const PngForm* form;
    Bytes raw;
    uint32_t expected[4];
  };
  const Case cases[] = {
      {"grey.png", &kGreyPng, {0, 64, 128, 255},
       {Rgb(0, 0, 0), Rgb(64, 64, 64), Rgb(128, 128, 128), Rgb(255, 255, 255)}},
      {"grey_alpha.png", &kGreyAlphaPng,
       {200, 200, 200, 128, 50, 50, 50, 255, 0, 0, 0, 0, 255, 255, 255, 64},
       {Rgb(100, 100, 100), Rgb(50, 50, 50), Rgb(0, 0, 0), Rgb(64, 64, 64)}},
      {"rgb.png", &kRgbPng, kRgb, {Rgb(200, 100, 50), Rgb(0, 255, 0), Rgb(10, 20, 30), Rgb(255, 255, 255)}},
      {"palette.png", &kPalettePng, kRgb,
       {Rgb(200, 100, 50), Rgb(0, 255, 0), Rgb(10, 20, 30), Rgb(255, 255, 255)}},
      {"palette_alpha.png", &kPaletteAlphaPng, kRgba, {kSkip, Rgb(0, 255, 0), Rgb(0, 0, 0), Rgb(255, 255, 255)}},
  };
  for (int i = 0; i < 5; ++i) {
    ZuSurface* s = Load(cases[i].name, 2, 2, *cases[i].form, cases[i].raw);
    ASSERT_NE(s, nullptr) << cases[i].name;
    g_->DrawSurface(s, i * 4.0f, 0);
  }
  g_->EndRender();
  const auto screen = Screen(g_);
  for (int i = 0; i < 5; ++i) {
    for (int p = 0; p < 4; ++p) {
      if (cases[i].expected[p] == kSkip) continue;
      EXPECT_EQ(At(screen, i * 4 + p % 2, p / 2), cases[i].expected[p]) << cases[i].name << " pixel " << p;
    }
  }
}

TEST_F(Surfaces, AFrameIsSampledNearestWithoutItsNeighbours) {
  Bytes raw;  // 4 x 4 pixels, each its own colour
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) raw.insert(raw.end(), {static_cast<unsigned char>(x * 60), static_cast<unsigned char>(y * 60), 7});
  }
  ZuSurface* s = Load("grid.png", 4, 4, kRgbPng, raw);
  ASSERT_NE(s, nullptr);
  g_->SetMatrix(8, 0, 0, 8, 100, 100);  // the 2 x 2 block at (1, 1), 8 times larger
  g_->DrawSurface2(s, 0, 0, 1, 1, 2, 2);
  g_->EndRender();
  const auto screen = Screen(g_);
  for (int y = -1; y <= 16; ++y) {
    for (int x = -1; x <= 16; ++x) {
      const bool inside = x >= 0 && x < 16 && y >= 0 && y < 16;
      const uint32_t want = inside ? Rgb((1 + x / 8) * 60, (1 + y / 8) * 60, 7) : Rgb(0, 0, 0);
      ASSERT_EQ(At(screen, 100 + x, 100 + y), want) << "at " << x << ", " << y;
    }
  }
}

TEST_F(Surfaces, WrittenPixelsReachTheLiveTexture) {
  ZuSurface* s = g_->CreateSurface(4, 4);
  Array<int> fill(16);
  for (int& p : fill) p = static_cast<int>(0xff112233u);
  g_->WritePixels2(s, fill, 0, 0, 4, 4, 0, 4);
  g_->DrawSurface(s, 0, 0);
  g_->Flush();
  // A second write changes one pixel of the texture already in use.
  g_->WritePixels2(s, Array<int>({0, static_cast<int>(0x80c86432u)}), 2, 1, 1, 1, 1, 1);
  EXPECT_EQ(Bytes(s->pixels + 24, s->pixels + 28), (Bytes{100, 50, 25, 128}));
  g_->DrawSurface(s, 10, 0);
  g_->EndRender();
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 2, 1), Rgb(0x11, 0x22, 0x33));
  EXPECT_EQ(At(screen, 12, 1), Rgb(100, 50, 25));
  EXPECT_EQ(At(screen, 13, 1), Rgb(0x11, 0x22, 0x33));
}

TEST_F(Surfaces, TexturesLiveOnInANewWindowThatSharesThem) {
  ZuSurface* s = Load("rgb.png", 2, 2, kRgbPng, kRgb);
  ASSERT_NE(s, nullptr);
  g_->EndRender();
  // As the host does for a fullscreen switch: a new window sharing the old one's GL
  // objects, then the old one goes.
  ASSERT_TRUE(ReplaceWindowSharingItsObjects());
  StartFrame();
  g_->DrawSurface(s, 5, 5);
  g_->EndRender();
  EXPECT_EQ(s->textureSeq, glfwGraphicsSeq);
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 5, 5), Rgb(200, 100, 50));
  EXPECT_EQ(At(screen, 6, 6), Rgb(255, 255, 255));
}

}  // namespace
