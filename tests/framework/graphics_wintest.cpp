// The graphics module drawing through the real renderer into a real window.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "framework/app.h"
#include "framework/graphics.h"
#include "stb_image_write.h"
#include "tests/host/graphics/gl_window.h"
#include "tests/host/graphics/png_files.h"

namespace {

using Bytes = std::vector<unsigned char>;

// Appends one w x h cell, filled pixel by pixel by `paint`, to an RGBA sheet of
// `sheet_w` pixels a row.
template <class Paint>
void PaintCell(Bytes& sheet, int sheet_w, int left, int top, int w, int h, Paint paint) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const auto rgba = paint(x, y);
      std::copy(rgba.begin(), rgba.end(), sheet.begin() + ((top + y) * sheet_w + left + x) * 4);
    }
  }
}

class ModuleDrawing : public GlWindowTest {
 protected:
  void SetUp() override {
    GlWindowTest::SetUp();
    zu_graphics_Init();
    g_ = gc_new<ZuGraphics>();
    zu_graphics_SetGraphicsDevice(g_);
    // What the delegate caches from the host's window before every render.
    zu_app__devWidth = kWidth;
    zu_app__devHeight = kHeight;
  }
  void TearDown() override {
    zu_graphics_SetGraphicsDevice(nullptr);
    zu_app__devWidth = 0;
    zu_app__devHeight = 0;
    GlWindowTest::TearDown();
  }
  // The delegate's render step around `draw`.
  template <class Draw>
  void Frame(Draw draw) {
    g_->BeginRender();
    zu_graphics_BeginRender();
    g_->Cls(0, 0, 0);
    draw();
    zu_graphics_EndRender();
    g_->EndRender();
  }
  // Two 16 x 16 frames: the first plain grey, the second in four coloured quarters.
  c_Image* QuarterSheet(int flags) {
    Bytes sheet(32 * 16 * 4);
    PaintCell(sheet, 32, 0, 0, 16, 16, [](int, int) { return Bytes{90, 90, 90, 255}; });
    PaintCell(sheet, 32, 16, 0, 16, 16, [](int x, int y) {
      if (y < 8) return x < 8 ? Bytes{255, 0, 0, 255} : Bytes{0, 255, 0, 255};
      return x < 8 ? Bytes{0, 0, 255, 255} : Bytes{255, 255, 255, 255};
    });
    const std::string path = folder_.Make("quarters.png", 32, 16, kRgbaPng, sheet);
    return zu_graphics_LoadImage2(String(path.c_str()), 16, 16, 2, flags);
  }

  PngFolder folder_;
  ZuGraphics* g_ = nullptr;
};

TEST_F(ModuleDrawing, TurnedImageTurnsCounterClockwiseAboutItsHandle) {
  c_Image* image = QuarterSheet(c_Image::CentreHandle);
  ASSERT_NE(image, nullptr);
  Frame([&] { zu_graphics_DrawImage2(image, 100, 100, 90, 2, 2, 1); });
  const auto screen = Screen(g_);
  // A quarter turn to the left: top-right comes to top-left, top-left to bottom-left.
  EXPECT_EQ(At(screen, 92, 92), Rgb(0, 255, 0));
  EXPECT_EQ(At(screen, 108, 92), Rgb(255, 255, 255));
  EXPECT_EQ(At(screen, 92, 108), Rgb(255, 0, 0));
  EXPECT_EQ(At(screen, 108, 108), Rgb(0, 0, 255));
  EXPECT_EQ(At(screen, 84, 84), Rgb(0, 255, 0));
  EXPECT_EQ(At(screen, 83, 100), Rgb(0, 0, 0));
  EXPECT_EQ(At(screen, 116, 100), Rgb(0, 0, 0));
  EXPECT_EQ(At(screen, 100, 116), Rgb(0, 0, 0));
}

TEST_F(ModuleDrawing, ColourTintsImagesAndAlphaFadesThem) {
  c_Image* image = QuarterSheet(0);
  ASSERT_NE(image, nullptr);
  Frame([&] {
    zu_graphics_SetColor(255, 128, 0);
    zu_graphics_DrawImage(image, 10, 10, 1);  // the white quarter turns orange
    zu_graphics_SetColor(255, 255, 255);
    zu_graphics_SetAlpha(0.5f);
    zu_graphics_DrawImage(image, 40, 10, 0);  // grey 90 at half strength
  });
  const auto screen = Screen(g_);
  EXPECT_TRUE(NearRgb(At(screen, 22, 22), 255, 128, 0));
  EXPECT_TRUE(NearRgb(At(screen, 45, 15), 45, 45, 45));
}

TEST_F(ModuleDrawing, NothingOfTheLastFrameCarriesOver) {
  Frame([] {
    zu_graphics_SetColor(255, 0, 0);
    zu_graphics_SetAlpha(0.5f);
    zu_graphics_SetBlend(1);
    zu_graphics_SetScissor(0, 0, 10, 10);
    zu_graphics_Translate(300, 300);
    zu_graphics_PushMatrix();
  });
  Frame([] { zu_graphics_DrawRect(100, 100, 20, 20); });
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 110, 110), Rgb(255, 255, 255));
  EXPECT_EQ(At(screen, 410, 410), Rgb(0, 0, 0));
}

TEST_F(ModuleDrawing, AFullDrawListCostsOneCallPerFullBatchOrSheetChange) {
  c_Image* first = QuarterSheet(c_Image::CentreHandle);
  c_Image* second = QuarterSheet(c_Image::CentreHandle);
  ASSERT_NE(second, nullptr);
  // What the shell's replay does for each of its 2,499 commands: alpha, colour, blend, then
  // the sprite; here the sheet changes every `run` sprites.
  auto replay = [&](int run) {
    Frame([&] {
      for (int i = 0; i < 2499; ++i) {
        zu_graphics_SetAlpha(1);
        zu_graphics_SetColor(255, 255, 255);
        zu_graphics_SetBlend(0);
        zu_graphics_DrawImage2(i / run % 2 ? second : first, static_cast<float>(i % 640),
                               static_cast<float>(i / 640 * 20), static_cast<float>(i), 1, 1, i % 2);
      }
    });
    return g_->DrawCallsThisFrame();
  };
  EXPECT_EQ(replay(2499), 10);  // 2,499 quads at 256 a batch
  EXPECT_EQ(replay(100), 25);   // 25 runs of 100
}

// A little of everything, saved as graphics_scene.png in the build folder to be looked at.
TEST_F(ModuleDrawing, SceneOfEveryPrimitive) {
  Bytes sheet(64 * 32 * 4);
  // A ship and a ring, each 32 x 32, with soft edges.
  PaintCell(sheet, 64, 0, 0, 32, 32, [](int x, int y) {
    const bool body = y > 4 && y < 28 && std::abs(x - 16) < (y - 4) / 2 + 1;
    const bool window = std::abs(x - 16) < 3 && y > 14 && y < 20;
    if (window) return Bytes{120, 220, 255, 255};
    return body ? Bytes{230, 230, 240, 255} : Bytes{0, 0, 0, 0};
  });
  PaintCell(sheet, 64, 32, 0, 32, 32, [](int x, int y) {
    const float d = std::hypot(x - 15.5f, y - 15.5f);
    const float a = std::fmax(0.0f, 1.0f - std::fabs(d - 11.0f) / 4.0f);
    return Bytes{255, 200, 60, static_cast<unsigned char>(a * 255)};
  });
  const std::string path = folder_.Make("scene_sheet.png", 64, 32, kRgbaPng, sheet);
  c_Image* sprites = zu_graphics_LoadImage2(String(path.c_str()), 32, 32, 2, c_Image::CentreHandle);
  ASSERT_NE(sprites, nullptr);

  Frame([&] {
    g_->Cls(20, 24, 48);
    zu_graphics_SetColor(40, 60, 110);
    zu_graphics_DrawRect(0, 400, 640, 80);
    zu_graphics_SetColor(255, 255, 255);
    for (int i = 0; i < 60; ++i) {
      g_->DrawPoint(static_cast<float>((i * 97) % 640), static_cast<float>((i * 53) % 380));
    }
    zu_graphics_SetColor(255, 80, 80);
    zu_graphics_DrawEllipse(120, 120, 60, 40);
    zu_graphics_SetColor(80, 255, 120);
    zu_graphics_DrawEllipse(260, 120, 30, 30);
    zu_graphics_SetColor(255, 255, 0);
    zu_graphics_DrawLine(20, 220, 620, 260);
    zu_graphics_SetColor(160, 100, 255);
    g_->DrawPoly(Array<float>({400, 60, 470, 80, 490, 150, 430, 190, 380, 130}));
    for (int i = 0; i < 8; ++i) {
      zu_graphics_SetColor(255, 255, 255);
      zu_graphics_DrawImage2(sprites, 80.0f + i * 70, 320, i * 45.0f, 1 + i * 0.25f, 1 + i * 0.25f, 0);
    }
    zu_graphics_SetBlend(1);
    for (int i = 0; i < 5; ++i) zu_graphics_DrawImage2(sprites, 500.0f + i * 12, 420, 0, 2, 2, 1);
    zu_graphics_SetBlend(0);
    zu_graphics_SetScissor(20, 20, 60, 30);
    zu_graphics_SetColor(0, 200, 200);
    zu_graphics_SetAlpha(0.5f);
    zu_graphics_DrawEllipse(50, 35, 60, 60);
  });
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 120, 120), Rgb(255, 80, 80));
  EXPECT_EQ(At(screen, 5, 470), Rgb(40, 60, 110));
  EXPECT_TRUE(NearRgb(At(screen, 50, 35), 10, 112, 124)) << "half cyan over the background";
  EXPECT_EQ(At(screen, 50, 51), Rgb(20, 24, 48)) << "the scissor cut the ellipse";

  std::vector<unsigned char> rgb;
  for (uint32_t p : screen) {
    rgb.insert(rgb.end(), {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                           static_cast<unsigned char>(p)});
  }
  const std::string out = std::string(ZANDREL_BINARY_DIR) + "/graphics_scene.png";
  EXPECT_NE(stbi_write_png(out.c_str(), kWidth, kHeight, 3, rgb.data(), kWidth * 3), 0);
}

}  // namespace
