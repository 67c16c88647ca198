// Fitting the design screen into the window: scale, fit axis and virtual size, overscan,
// resize detection and the frame-rate measure of the render hook.
#include "shell/quor.h"
#include "tests/shell/shell_fixture.h"

namespace {

class ScreenFitTest : public ShellTest {
 protected:
  // A frame as the delegate draws it, after the window took this size.
  void RenderAt(int width, int height) {
    host.width = width;
    host.height = height;
    zu_app_ValidateDeviceWindow(true);
    app->p_OnRender();
  }
};

struct FitCase {
  int width;
  int height;
  int fitMode;
  float scale;
  float virtualW;
  float virtualH;
  int landscape;
};

class ScreenFitCaseTest : public ScreenFitTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(ScreenFitCaseTest, TheLargerScaleWinsAndTheOtherAxisShrinks) {
  const FitCase c = GetParam();
  RenderAt(c.width, c.height);
  EXPECT_EQ(app->m_FitMode, c.fitMode);
  EXPECT_FLOAT_EQ(app->m_ScaleX, c.scale);
  EXPECT_FLOAT_EQ(app->m_ScaleY, c.scale);
  EXPECT_FLOAT_EQ(zu_Quor_jscrw, c.virtualW);
  EXPECT_FLOAT_EQ(zu_Quor_jscrh, c.virtualH);
  EXPECT_EQ(app->m_Landscape, c.landscape);
}

INSTANTIATE_TEST_SUITE_P(Windows, ScreenFitCaseTest,
                         ::testing::Values(FitCase{640, 480, 1, 1.0f, 640, 480, 1},
                                           FitCase{1280, 720, 1, 2.0f, 640, 360, 1},
                                           FitCase{1024, 768, 1, 1.6f, 640, 480, 1},
                                           FitCase{480, 640, 2, 4.0f / 3.0f, 360, 480, 0},
                                           FitCase{800, 1200, 2, 2.5f, 320, 480, 0}));

TEST_F(ScreenFitTest, OverscanShrinksTheScaleButNotTheVirtualScreen) {
  zu_Quor_overscan = 64;
  // (1408 - 128) / 640 = 2 across, (1056 - 128) / 480 = 1.93 down.
  RenderAt(1408, 1056);
  EXPECT_EQ(app->m_FitMode, 1);
  EXPECT_FLOAT_EQ(app->m_ScaleX, 2.0f);
  EXPECT_FLOAT_EQ(zu_Quor_jscrw, 640);
  EXPECT_FLOAT_EQ(zu_Quor_jscrh, 480);

  // (640 - 128) / 640 = 0.8 against (720 - 128) / 480 = 1.23: height fit.
  RenderAt(640, 720);
  EXPECT_EQ(app->m_FitMode, 2);
  EXPECT_NEAR(app->m_ScaleY, 592.0f / 480.0f, 1e-6);
  EXPECT_NEAR(zu_Quor_jscrw, 426.66666f, 1e-3);
  EXPECT_FLOAT_EQ(zu_Quor_jscrh, 480);
}

TEST_F(ScreenFitTest, AWindowWithoutAreaKeepsTheLastFit) {
  RenderAt(1280, 720);
  RenderAt(0, 0);
  EXPECT_FLOAT_EQ(app->m_ScaleX, 2.0f);
  EXPECT_FLOAT_EQ(zu_Quor_jscrw, 640);
  EXPECT_FLOAT_EQ(zu_Quor_jscrh, 360);
  RenderAt(1280, 0);
  EXPECT_FLOAT_EQ(zu_Quor_jscrh, 360);
}

TEST_F(ScreenFitTest, ANewDeviceSizeRestartsTheLoader) {
  app->m_DevW = 640;
  app->m_DevH = 480;
  RenderAt(640, 480);
  EXPECT_EQ(app->m_ReloadPending, 0);

  RenderAt(1024, 768);
  EXPECT_EQ(app->m_ReloadPending, 1);
  EXPECT_EQ(app->m_DevW, 1024);
  EXPECT_EQ(app->m_DevH, 768);

  // The same size again is no new resize, even while loading is under way.
  app->m_ReloadPending = 7;
  RenderAt(1024, 768);
  EXPECT_EQ(app->m_ReloadPending, 7);
  RenderAt(1024, 767);
  EXPECT_EQ(app->m_ReloadPending, 1);
}

TEST_F(ScreenFitTest, RenderRateIsMeasuredFromTheClock) {
  host.millisecs = 1000;
  RenderAt(640, 480);
  host.millisecs = 1016;
  RenderAt(640, 480);
  EXPECT_EQ(app->m_RenderFps, 62);
  // Averages over roughly ten frames, in whole numbers: (0 x 9 + 1) / 10 then (0 x 9 + 62) / 10.
  EXPECT_EQ(app->m_RenderFpsAvg, 6);
  EXPECT_EQ(app->m_LastRenderMs, 1016);
  // A frame in the same millisecond keeps the last rate.
  RenderAt(640, 480);
  EXPECT_EQ(app->m_RenderFps, 62);
  EXPECT_EQ(app->m_RenderFpsAvg, (6 * 9 + 62) / 10);
}

}  // namespace
