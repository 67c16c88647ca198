// Shapes drawn into a real window and read back.
#include <GL/gl.h>

#include "tests/host/graphics/gl_window.h"

namespace {

class Drawing : public GlWindowTest {
 protected:
  void SetUp() override {
    GlWindowTest::SetUp();
    g_ = gc_new<ZuGraphics>();
    ASSERT_EQ(g_->Width(), kWidth);
    ASSERT_EQ(g_->BeginRender(), 1);
    g_->SetColor(255, 255, 255);
    g_->SetAlpha(1);
    g_->SetScissor(0, 0, kWidth, kHeight);
    g_->Cls(0, 0, 0);
  }
  ZuGraphics* g_ = nullptr;
};

TEST_F(Drawing, RedRectangleIsRedWhereItShouldBeAndNowhereElse) {
  g_->SetColor(255, 0, 0);
  g_->DrawRect(100, 50, 40, 30);
  g_->EndRender();
  const auto screen = Screen(g_);
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool inside = x >= 100 && x < 140 && y >= 50 && y < 80;
      if (At(screen, x, y) != (inside ? Rgb(255, 0, 0) : Rgb(0, 0, 0))) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(Drawing, AlphaBlendingMixesPremultipliedColourWithTheBackground) {
  g_->Cls(0, 0, 255);
  g_->SetBlend(1);
  g_->SetBlend(3);  // any mode but 1 is alpha blending
  g_->SetColor(255, 0, 0);
  g_->SetAlpha(0.5f);
  g_->DrawRect(0, 0, 10, 10);
  g_->EndRender();
  // Source (127, 0, 0) at alpha 127/255 over blue: blue keeps 128/255 of itself.
  EXPECT_TRUE(NearRgb(At(Screen(g_), 5, 5), 127, 0, 128));
}

TEST_F(Drawing, AdditiveBlendAddsAndSaturates) {
  g_->Cls(100, 50, 0);
  g_->SetBlend(1);
  g_->SetColor(100, 100, 100);
  g_->DrawRect(0, 0, 20, 10);
  g_->DrawRect(10, 0, 10, 10);
  g_->EndRender();
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 5, 5), Rgb(200, 150, 100));
  EXPECT_EQ(At(screen, 15, 5), Rgb(255, 250, 200));
}

TEST_F(Drawing, ScissorClipsDrawingAndClearingUntilTheWholeWindowSwitchesItOff) {
  g_->SetScissor(10, 20, 30, 40);
  g_->SetColor(0, 255, 0);
  g_->DrawRect(0, 0, kWidth, kHeight);
  g_->SetScissor(100, 100, 10, 10);
  g_->Cls(0, 0, 255);
  EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
  g_->SetScissor(0, 0, kWidth, kHeight);
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
  g_->EndRender();
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 10, 20), Rgb(0, 255, 0));
  EXPECT_EQ(At(screen, 39, 59), Rgb(0, 255, 0));
  EXPECT_EQ(At(screen, 40, 20), Rgb(0, 0, 0));
  EXPECT_EQ(At(screen, 10, 60), Rgb(0, 0, 0));
  EXPECT_EQ(At(screen, 109, 109), Rgb(0, 0, 255));
  EXPECT_EQ(At(screen, 110, 109), Rgb(0, 0, 0));
}

TEST_F(Drawing, ClsLosesDrawsStillWaitingInTheBatch) {
  g_->DrawRect(0, 0, 50, 50);
  g_->SetScissor(200, 200, 10, 10);  // draws the first rectangle
  g_->DrawRect(300, 300, 50, 50);     // still waiting when Cls comes
  g_->Cls(0, 0, 255);
  g_->EndRender();
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 25, 25), Rgb(255, 255, 255));
  EXPECT_EQ(At(screen, 325, 325), Rgb(0, 0, 0));
  EXPECT_EQ(At(screen, 205, 205), Rgb(0, 0, 255));
}

TEST_F(Drawing, OvalFillsItsBoxButNotTheCorners) {
  g_->DrawOval(100, 100, 100, 50);
  g_->EndRender();
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 102, 125), Rgb(255, 255, 255));
  EXPECT_EQ(At(screen, 150, 102), Rgb(255, 255, 255));
  EXPECT_EQ(At(screen, 103, 103), Rgb(0, 0, 0));
  EXPECT_EQ(At(screen, 196, 146), Rgb(0, 0, 0));
}

TEST_F(Drawing, ReadPixelsFillsRowsAtTheOffsetAndPitchAsked) {
  g_->SetColor(10, 20, 30);
  g_->DrawRect(1, 0, 1, 1);
  g_->SetColor(40, 50, 60);
  g_->DrawRect(0, 1, 1, 1);
  g_->EndRender();
  Array<int> pixels(10);
  for (int& p : pixels) p = 7;
  g_->ReadPixels(pixels, 0, 0, 2, 2, 3, 5);
  const auto px = [](uint32_t v) { return static_cast<int>(v); };
  EXPECT_EQ(std::vector<int>(pixels.begin(), pixels.end()),
            (std::vector<int>{7, 7, 7, px(Rgb(0, 0, 0)), px(Rgb(10, 20, 30)), 7, 7, 7,
                              px(Rgb(40, 50, 60)), px(Rgb(0, 0, 0))}));
}

}  // namespace
