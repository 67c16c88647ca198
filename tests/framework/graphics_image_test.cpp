// Images of the graphics module: frame cutting, flags and handles, how they are drawn,
// and loading from the data folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "framework/app.h"
#include "framework/graphics.h"
#include "framework/graphics_affine.h"
#include "tests/framework/recording_graphics.h"
#include "tests/host/graphics/png_files.h"

namespace {

using Corners = std::vector<std::pair<int, int>>;

ZuSurface* BlankSurface(int w, int h) {
  ZuSurface* s = gc_new<ZuSurface>();
  s->SetData(nullptr, w, h, 4);
  return s;
}

Corners FrameCorners(const c_Image* image) {
  Corners out;
  for (c_Frame* f : image->m_Frames) out.emplace_back(f->m_X, f->m_Y);
  return out;
}

c_Image* Cut(ZuSurface* s, int fw, int fh, int count, int flags) {
  return gc_new<c_Image>()->m_new()->p_Init2(s, 0, 0, fw, fh, count, flags, nullptr, 0, 0,
                                             s->Width(), s->Height());
}

TEST(ImageFrames, FramesAreCutRowByRowFromTheSourceRectangle) {
  EXPECT_EQ(FrameCorners(gc_new<c_Image>()->m_new()->p_Init(BlankSurface(64, 20), 4, 0)),
            (Corners{{0, 0}, {16, 0}, {32, 0}, {48, 0}}));
  EXPECT_EQ(FrameCorners(Cut(BlankSurface(64, 32), 16, 16, 8, 0)),
            (Corners{{0, 0}, {16, 0}, {32, 0}, {48, 0}, {0, 16}, {16, 16}, {32, 16}, {48, 16}}));
  c_Image* part = gc_new<c_Image>()->m_new()->p_Init2(BlankSurface(64, 64), 0, 0, 10, 10, 3, 0,
                                                      nullptr, 30, 40, 20, 20);
  EXPECT_EQ(FrameCorners(part), (Corners{{30, 40}, {40, 40}, {30, 50}}));
}

TEST(ImageFramesDeathTest, AFrameBeyondTheSheetIsARuntimeError) {
  ZuSurface* s = BlankSurface(64, 32);
  // No debugger on the input; the error line moved to the stream the death test reads.
  auto cut_in_child = [s](int fw, int count) {
    std::freopen("/dev/null", "r", stdin);
    dup2(2, 1);
    Cut(s, fw, 16, count, 0);
    std::exit(0);
  };
  const char* message = "Vantor Runtime Error : Image frame outside surface";
  EXPECT_EXIT(cut_in_child(16, 9), ::testing::ExitedWithCode(255), message);
  EXPECT_EXIT(cut_in_child(65, 1), ::testing::ExitedWithCode(255), message);
}

TEST(ImageFlags, BordersAreSkippedBeforeTheHandleIsCentred) {
  c_Image* font = Cut(BlankSurface(68, 20), 34, 20, 2, c_Image::SkipBorderX | c_Image::CentreHandle);
  EXPECT_EQ(FrameCorners(font), (Corners{{1, 0}, {35, 0}}));
  EXPECT_EQ(font->m_Width, 32);
  EXPECT_EQ(font->m_HandleX, 16.0f);
  EXPECT_EQ(font->m_Flags, c_Image::SkipBorderX);
  c_Image* odd = Cut(BlankSurface(31, 31), 31, 31, 1, c_Image::CentreHandle | c_Image::SkipBorderY);
  EXPECT_EQ(odd->m_Height, 29);
  EXPECT_EQ(odd->m_HandleX, 15.5f);
}

TEST(ImageFlags, OnlyOneUnbrokenFrameOfTheSurfacesSizeIsWhole) {
  EXPECT_EQ(Cut(BlankSurface(20, 10), 20, 10, 1, c_Image::CentreHandle)->m_Flags, c_Image::WholeSurface);
  EXPECT_EQ(Cut(BlankSurface(20, 10), 20, 10, 1, c_Image::SkipBorderX)->m_Flags, c_Image::SkipBorderX);
  EXPECT_EQ(Cut(BlankSurface(20, 10), 10, 10, 2, 0)->m_Flags, 0);
}

class ImageDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    zu_graphics_Init();
    device_ = gc_new<RecordingGraphics>();
    zu_graphics_SetGraphicsDevice(device_);
    zu_graphics_BeginRender();
    device_->calls.clear();
  }
  void TearDown() override {
    zu_graphics_EndRender();
    zu_graphics_SetGraphicsDevice(nullptr);
  }
  RecordingGraphics* device_ = nullptr;
};

TEST_F(ImageDrawing, WholeImagesAreDrawnAsTheSurfaceOthersAsTheirFrame) {
  c_Image* whole = Cut(BlankSurface(20, 10), 20, 10, 1, c_Image::CentreHandle);
  c_Image* bordered = Cut(BlankSurface(20, 10), 20, 10, 1, c_Image::SkipBorderX);
  zu_graphics_Scale(2, 2);
  zu_graphics_DrawImage(whole, 100, 50, 0);
  zu_graphics_DrawImage(bordered, 100, 50, 0);
  // The handle comes off before the matrix applies.
  EXPECT_EQ(device_->calls,
            (std::vector<RendererCall>{{"SetMatrix", {2, 0, 0, 2, 0, 0}},
                                       {"DrawSurface", {90, 45}, whole->m_Surface},
                                       {"DrawSurface2", {100, 50, 1, 0, 18, 10}, bordered->m_Surface}}));
}

TEST_F(ImageDrawing, TurnedAndScaledImagesTurnAboutTheirHandle) {
  c_Image* image = Cut(BlankSurface(64, 32), 16, 16, 8, c_Image::CentreHandle);
  zu_graphics_Translate(1, 1);
  zu_graphics_DrawImage2(image, 100, 50, 90, 2, 3, 1);
  ASSERT_EQ(device_->calls.size(), 2u);
  const std::vector<float>& m = device_->calls[0].args;
  auto x = [&](float px, float py) { return m[0] * px + m[2] * py + m[4]; };
  auto y = [&](float px, float py) { return m[1] * px + m[3] * py + m[5]; };
  EXPECT_NEAR(x(8, 8), 101, 1e-4);  // the handle lands on (100, 50), moved by (1, 1)
  EXPECT_NEAR(y(8, 8), 51, 1e-4);
  EXPECT_NEAR(y(16, 8), 51 - 16, 1e-4);  // +8 in x, scaled by 2, turned up the screen
  EXPECT_NEAR(x(8, 16), 101 + 24, 1e-4);  // +8 in y, scaled by 3, turned to the right
  EXPECT_EQ(device_->calls[1], (RendererCall{"DrawSurface2", {0, 0, 16, 0, 16, 16}, image->m_Surface}));
  EXPECT_EQ(zu_graphics_context->m_MatrixSp, 0);
  EXPECT_EQ(zu_graphics_context->m_Tx, 1);
}

TEST_F(ImageDrawing, UprightImagesUnderNoMatrixGetExactlyWhatTheMatrixCallsWouldGive) {
  c_Image* image = Cut(BlankSurface(64, 32), 16, 16, 8, 0);
  std::mt19937 random(7);
  std::uniform_real_distribution<float> position(-700, 700), scale(-3, 3), handle(-20, 20);
  for (int i = 0; i < 1000; ++i) {
    image->m_HandleX = handle(random), image->m_HandleY = handle(random);
    const float x = position(random), y = position(random);
    const float scaleX = scale(random), scaleY = i % 2 ? scaleX : scale(random);
    device_->calls.clear();
    zu_graphics_DrawImage2(image, x, y, 0, scaleX, scaleY, 0);
    const zu_graphics_Affine m = zu_graphics_Affine{1, 0, 0, 1, 0, 0}
                                     .Moved(x, y)
                                     .Scaled(scaleX, scaleY)
                                     .Moved(-image->m_HandleX, -image->m_HandleY);
    ASSERT_EQ(device_->calls[0], (RendererCall{"SetMatrix", {m.ix, m.iy, m.jx, m.jy, m.tx, m.ty}}))
        << "drawn at " << x << ", " << y;
  }
}

class ImageLoading : public ImageDrawing {
 protected:
  void SetUp() override {
    ImageDrawing::SetUp();
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Root());
    std::filesystem::create_directory("data");
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    ImageDrawing::TearDown();
  }
  void MakeDataPng(const std::string& name, int width, int height) {
    ASSERT_FALSE(folder_.Make("data/" + name, width, height, kRgbaPng,
                              std::vector<unsigned char>(width * height * 4, 255)).empty());
  }
  PngFolder folder_;
  std::filesystem::path previous_;
};

TEST_F(ImageLoading, PlainNamesComeFromTheDataFolderAndMissingOnesGiveNull) {
  MakeDataPng("sheet.png", 64, 32);
  c_Image* image = zu_graphics_LoadImage2(String("sheet.png"), 16, 16, 8, 0);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->m_Frames.Length(), 8);
  c_Image* strip = zu_graphics_LoadImage(String("vantor://data/sheet.png"), 2, 0);
  ASSERT_NE(strip, nullptr);
  EXPECT_EQ(strip->m_Width, 32);
  testing::internal::CaptureStdout();
  EXPECT_EQ(zu_graphics_LoadImage(String("absent.png"), 1, 0), nullptr);
  EXPECT_EQ(zu_graphics_LoadImage2(String("absent.png"), 8, 8, 1, 0), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "no message";
}

TEST_F(ImageLoading, DefaultFontIsLoadedOnceAndAMissingOneStaysNull) {
  zu_graphics_SetFont(nullptr, 40);
  EXPECT_EQ(zu_graphics_context->m_ActiveFont, nullptr);
  EXPECT_EQ(zu_graphics_context->m_FirstChar, 32);

  MakeDataPng("pavo_font.png", 96 * 10, 12);
  zu_graphics_SetFont(nullptr, 40);
  c_Image* font = zu_graphics_context->m_DefaultFont;
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(zu_graphics_context->m_ActiveFont, font);
  EXPECT_EQ(font->m_Frames.Length(), 96);
  EXPECT_EQ(font->m_Width, 8);  // 10-pixel cells without their side borders
  c_Image* other = Cut(BlankSurface(16, 16), 8, 8, 4, 0);
  zu_graphics_SetFont(other, 65);
  EXPECT_EQ(zu_graphics_context->m_FirstChar, 65);
  zu_graphics_SetFont(nullptr, 0);
  EXPECT_EQ(zu_graphics_context->m_ActiveFont, font);
}

}  // namespace
