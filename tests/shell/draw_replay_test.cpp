// The replay of the draw list through the graphics module, checked on a renderer that
// records its calls: device mapping, overscan, state per command, images and their scale,
// and commands that must draw nothing.
#include <string>
#include <vector>

#include "tests/framework/recording_graphics.h"
#include "tests/shell/shell_fixture.h"

namespace {

class DrawReplay : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    host.width = 800;
    host.height = 600;
    zu_app_ValidateDeviceWindow(false);
    zu_Quor_overscan = 0;
    app->m_ScaleX = app->m_ScaleY = 1.25f;
    app->m_ImgScale = 1;
    app->p_CLS2D();
    device_ = gc_new<RecordingGraphics>();
    zu_graphics_SetGraphicsDevice(device_);
  }
  void TearDown() override {
    zu_graphics_SetGraphicsDevice(nullptr);
    zu_Quor_overscan = 0;
    ShellTest::TearDown();
  }
  // One frame as the render hook brackets it; returns the renderer calls of the replay.
  std::vector<RendererCall> Replay() {
    zu_graphics_BeginRender();
    device_->calls.clear();
    app->p_ReplayDrawList();
    zu_graphics_EndRender();
    return device_->calls;
  }
  // Only the drawing calls, without state.
  static std::vector<RendererCall> Draws(const std::vector<RendererCall>& calls) {
    std::vector<RendererCall> out;
    for (const RendererCall& call : calls) {
      if (call.name.rfind("Draw", 0) == 0) out.push_back(call);
    }
    return out;
  }
  // A 64 x 32 sheet of eight 16 x 16 frames, handle at the centre, as image `index`.
  c_Image* LoadSheet(int index) {
    ZuSurface* surface = gc_new<ZuSurface>();
    surface->SetData(nullptr, 64, 32, 4);
    c_Image* image = gc_new<c_Image>()->m_new()->p_Init2(
        surface, 0, 0, 16, 16, 8, c_Image::CentreHandle, nullptr, 0, 0, 64, 32);
    app->m_Images[index] = image;
    return image;
  }

  RecordingGraphics* device_ = nullptr;
};

TEST_F(DrawReplay, ShapesGoFromVirtualUnitsToDevicePixels) {
  app->p_Rect(10, 20, 30, 40);
  app->p_Oval(100, 50, 10, 5);
  EXPECT_EQ(Draws(Replay()),
            (std::vector<RendererCall>{{"DrawRect", {12.5f, 25, 37.5f, 50}},
                                       {"DrawOval", {112.5f, 56.25f, 25, 12.5f}}}));
}

TEST_F(DrawReplay, OverscanShiftsByTheBorderAndItsHeightShare) {
  // 800 x 600 with a 16-pixel border: scale (800 - 32) / 640 = 1.2, offsets 16 and 12.
  zu_Quor_overscan = 16;
  app->m_ScaleX = app->m_ScaleY = 1.2f;
  app->p_Rect(10, 20, 30, 40);
  app->p_Oval(100, 50, 10, 5);
  const std::vector<RendererCall> draws = Draws(Replay());
  ASSERT_EQ(draws.size(), 2u);
  EXPECT_EQ(draws[0].name, "DrawRect");
  const float rect[4] = {28, 36, 36, 48};
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(draws[0].args[i], rect[i]) << i;
  // Centre (136, 72), radii (12, 6).
  const float oval[4] = {124, 66, 24, 12};
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(draws[1].args[i], oval[i]) << i;
}

TEST_F(DrawReplay, EveryCommandSetsAlphaColourAndBlendFirst) {
  app->p_SetCol(1, 2, 3, 0.5f);
  app->m_Blend = 3;
  app->p_Rect(0, 0, 8, 8);
  app->p_SetCol(4, 5, 6, 1);
  app->m_Blend = 1;
  app->p_Oval(0, 0, 8, 8);
  std::vector<RendererCall> calls;
  for (const RendererCall& call : Replay()) {
    if (call.name != "SetMatrix") calls.push_back(call);
  }
  EXPECT_EQ(calls, (std::vector<RendererCall>{{"SetAlpha", {0.5f}},
                                              {"SetColor", {1, 2, 3}},
                                              {"SetBlend", {0}},
                                              {"SetBlend", {1}},  // additive
                                              {"DrawRect", {0, 0, 10, 10}},
                                              {"SetAlpha", {1}},
                                              {"SetColor", {4, 5, 6}},
                                              {"SetBlend", {0}},
                                              {"DrawOval", {-10, -10, 20, 20}}}));
}

TEST_F(DrawReplay, ImagesTurnAndScaleAboutTheirHandleAtTheArtTier) {
  c_Image* sheet = LoadSheet(5);
  app->m_ImgScale = 0.5f;  // tier-2 art: twice the pixels for the same size
  app->p_SetSize(2, 3);
  app->p_DrawImg(5, 100, 40, 6);
  const std::vector<RendererCall> calls = Replay();
  ASSERT_GE(calls.size(), 2u);
  // Scale 2 x 1.25 x 0.5 = 1.25 and 3 x 1.25 x 0.5 = 1.875; the 8-pixel handle lands on
  // (125, 50).
  EXPECT_EQ(calls[calls.size() - 2],
            (RendererCall{"SetMatrix", {1.25f, 0, 0, 1.875f, 115, 35}}));
  EXPECT_EQ(calls.back(), (RendererCall{"DrawSurface2", {0, 0, 32, 16, 16, 16}, sheet->m_Surface}));
}

TEST_F(DrawReplay, RotationIsPassedAsStored) {
  LoadSheet(0);
  app->p_SetRot(90);  // a quarter turn clockwise on screen
  app->p_DrawGfx(0, 0, 1);
  const std::vector<RendererCall> calls = Replay();
  ASSERT_GE(calls.size(), 2u);
  const RendererCall& matrix = calls[calls.size() - 2];
  ASSERT_EQ(matrix.name, "SetMatrix");
  // The picture's x axis points down the screen, its y axis to the left.
  EXPECT_NEAR(matrix.args[0], 0, 1e-6);
  EXPECT_NEAR(matrix.args[1], 1.25f, 1e-6);
  EXPECT_NEAR(matrix.args[2], -1.25f, 1e-6);
  EXPECT_NEAR(matrix.args[3], 0, 1e-6);
}

TEST_F(DrawReplay, CommandsWithoutAPictureDrawNothing) {
  LoadSheet(4);
  app->p_DrawImg(6, 0, 0);     // never loaded
  app->p_DrawImg(150, 0, 0);   // past the image table
  app->p_DrawImg(4, 0, 0, 8);  // past the sheet's eight frames
  app->p_DrawGfx(0, 0, 255);   // image 3 not loaded
  app->p_DrawGfx(0, 0, -1);    // image 0, frame -1
  app->p_DrawGfx(0, 0, -64);   // image -1
  app->p_DrawImg(4, 0, 0, 7);  // the one that draws
  const std::vector<RendererCall> draws = Draws(Replay());
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].args[2], 48.0f);  // frame 7's corner
}

TEST_F(DrawReplay, AZeroWidthDeviceGetsNoVerticalBorderRatherThanNonsense) {
  host.width = host.height = 0;
  zu_app_ValidateDeviceWindow(false);
  zu_Quor_overscan = 8;
  app->p_Rect(10, 20, 1, 1);
  const std::vector<RendererCall> draws = Draws(Replay());
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].args[0], 20.5f);
  EXPECT_EQ(draws[0].args[1], 25.0f);
}

}  // namespace
