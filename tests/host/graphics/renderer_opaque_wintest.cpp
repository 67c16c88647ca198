// Opaque drawing without blending: it must paint exactly what blending would, and only
// where it may.
#include <GL/gl.h>

#include "tests/host/graphics/gl_window.h"

namespace {

class OpaqueDrawing : public RendererTest {
 protected:
  // A 4 x 4 sheet: opaque 3 x 3 at its top left, the last column and row transparent.
  ZuSurface* Sheet() {
    ZuSurface* s = g_->CreateSurface(4, 4);
    Array<int> argb(16);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        const uint32_t opaque = 0xff000000u | (60u + 60u * x) << 16 | (50u + 60u * y) << 8 | 200u;
        argb[y * 4 + x] = x < 3 && y < 3 ? static_cast<int>(opaque) : 0;
      }
    }
    g_->WritePixels2(s, argb, 0, 0, 4, 4, 0, 4);
    return s;
  }
};

TEST_F(OpaqueDrawing, AWindowCoveringOpaqueRectangleIsAClearOfItsColour) {
  g_->SetColor(255, 0, 0);
  g_->DrawRect(10, 10, 5, 5);  // pending, then painted over
  g_->SetColor(10, 20, 30);
  g_->DrawRect(-1, -1, kWidth + 2, kHeight + 2);
  EXPECT_EQ(g_->batchCount, 0);
  g_->EndRender();
  EXPECT_EQ(g_->DrawCallsThisFrame(), 0);
  const auto screen = Screen(g_);
  EXPECT_EQ(At(screen, 0, 0), Rgb(10, 20, 30));
  EXPECT_EQ(At(screen, 12, 12), Rgb(10, 20, 30));
  EXPECT_EQ(At(screen, kWidth - 1, kHeight - 1), Rgb(10, 20, 30));
}

TEST_F(OpaqueDrawing, ACoveringRectangleThatBlendsOrIsClippedIsDrawn) {
  g_->Cls(0, 0, 200);
  g_->SetColor(200, 0, 0);
  g_->SetAlpha(0.5f);
  g_->DrawRect(0, 0, kWidth, kHeight);
  g_->SetAlpha(1);
  g_->SetScissor(0, 0, 4, 4);
  g_->DrawRect(0, 0, kWidth, kHeight);
  g_->EndRender();
  EXPECT_EQ(g_->DrawCallsThisFrame(), 2);
  const auto screen = Screen(g_);
  EXPECT_TRUE(NearRgb(At(screen, 100, 100), 100, 0, 100));
  EXPECT_EQ(At(screen, 1, 1), Rgb(200, 0, 0));
}

// The frame turned and enlarged, drawn once by DrawSurface2 (opaque: blending off) and once
// as the same vertices through Begin (always blended), over the same background: every
// pixel must agree, edges included.
TEST_F(OpaqueDrawing, AnOpaqueFramePaintsWhatBlendingPaints) {
  ZuSurface* sheet = Sheet();
  std::vector<uint32_t> pictures[2];
  ZuVertex quad[4];
  for (int pass = 0; pass < 2; ++pass) {
    StartFrame();
    g_->Cls(30, 90, 10);
    g_->SetMatrix(40.0f * 0.8191520f, -40.0f * 0.5735764f, 40.0f * 0.5735764f, 40.0f * 0.8191520f, 300, 200);
    if (pass == 0) {
      g_->DrawSurface2(sheet, -1, -1, 0, 0, 2, 2);
      EXPECT_FALSE(g_->batchBlended);
      for (int i = 0; i < 4; ++i) quad[i] = g_->vertexBuffer[i];
    } else {
      ZuVertex* v = g_->Begin(ZU_BATCH_QUADS, 4, sheet);
      for (int i = 0; i < 4; ++i) v[i] = quad[i];
      EXPECT_TRUE(g_->batchBlended);
    }
    g_->EndRender();
    pictures[pass] = Screen(g_);
  }
  ASSERT_NE(At(pictures[0], 300, 200), Rgb(30, 90, 10)) << "the frame is on screen";
  int differing = 0;
  for (size_t i = 0; i < pictures[0].size(); ++i) differing += pictures[0][i] != pictures[1][i];
  EXPECT_EQ(differing, 0);
}

TEST_F(OpaqueDrawing, AFrameBesideTransparentTexelsOrInATranslucentColourIsBlended) {
  ZuSurface* sheet = Sheet();
  g_->DrawSurface2(sheet, 0, 0, 0, 0, 2, 2);
  EXPECT_FALSE(g_->batchBlended) << "opaque, and so is every texel next to it";
  g_->Flush();
  g_->DrawSurface2(sheet, 0, 0, 1, 0, 2, 1);
  EXPECT_TRUE(g_->batchBlended) << "the texel next to its right edge is transparent";
  g_->Flush();
  g_->SetAlpha(0.99f);
  g_->DrawSurface2(sheet, 0, 0, 0, 0, 1, 1);
  EXPECT_TRUE(g_->batchBlended);
  g_->Flush();
  g_->SetAlpha(1);
  g_->SetBlend(1);
  g_->DrawSurface2(sheet, 0, 0, 0, 0, 1, 1);
  EXPECT_TRUE(g_->batchBlended) << "additive";
}

}  // namespace
