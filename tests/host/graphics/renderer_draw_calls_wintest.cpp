// Which changes break the batch: GL draw calls counted per frame.
#include "tests/host/graphics/gl_window.h"

namespace {

class DrawCalls : public RendererTest {
 protected:
  int EndFrame() {
    g_->EndRender();
    return g_->DrawCallsThisFrame();
  }
  void Rects(int n) {
    for (int i = 0; i < n; ++i) g_->DrawRect(static_cast<float>(i), 0, 1, 1);
  }
};

TEST_F(DrawCalls, ThreeHundredRectanglesAreAFullBatchAndARest) {
  Rects(300);
  EXPECT_EQ(g_->DrawCallsThisFrame(), 1) << "the first 256 went when the batch was full";
  EXPECT_EQ(g_->batchCount, 44 * 4);
  EXPECT_EQ(EndFrame(), 2);
  StartFrame();
  EXPECT_EQ(g_->DrawCallsThisFrame(), 0) << "each frame counts afresh";
  Rects(256);
  EXPECT_EQ(EndFrame(), 1);
}

TEST_F(DrawCalls, ColourAlphaMatrixAndRepeatedStateDoNotBreakTheBatch) {
  g_->DrawRect(0, 0, 1, 1);
  g_->SetColor(255, 0, 0);
  g_->SetAlpha(0.5f);
  g_->SetMatrix(2, 0, 0, 2, 5, 5);
  g_->SetBlend(0);
  g_->SetScissor(0, 0, kWidth, kHeight);
  g_->DrawRect(0, 0, 1, 1);
  EXPECT_EQ(EndFrame(), 1);
}

TEST_F(DrawCalls, KindTextureBlendAndScissorChangesDrawTheBatch) {
  ZuSurface* a = g_->CreateSurface(8, 8);
  ZuSurface* b = g_->CreateSurface(8, 8);
  g_->DrawRect(0, 0, 1, 1);
  g_->DrawPoint(5, 5);       // 1: kind
  g_->DrawSurface(a, 0, 0);  // 2: kind and texture
  g_->DrawSurface(a, 9, 0);
  g_->DrawSurface(b, 0, 0);  // 3: texture
  g_->SetBlend(1);           // 4: blend
  g_->DrawRect(0, 0, 1, 1);
  g_->SetScissor(1, 1, 5, 5);  // 5: scissor
  g_->DrawRect(0, 0, 1, 1);
  EXPECT_EQ(g_->DrawCallsThisFrame(), 5);
  EXPECT_EQ(EndFrame(), 6);
}

TEST_F(DrawCalls, EveryPolygonOfFiveOrMoreVerticesIsItsOwnFan) {
  for (int i = 0; i < 3; ++i) g_->DrawOval(i * 20.0f, 0, 10, 10);
  EXPECT_EQ(g_->batchKind, 12);
  EXPECT_EQ(EndFrame(), 3);
}

}  // namespace
