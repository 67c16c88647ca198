// The graphics module's state: the frame bracket, what reaches the renderer and when, and
// the matrix with its stack.
#include <gtest/gtest.h>

#include "framework/app.h"
#include "framework/graphics.h"
#include "tests/framework/recording_graphics.h"

namespace {

class GraphicsState : public ::testing::Test {
 protected:
  void SetUp() override {
    zu_graphics_Init();
    device_ = gc_new<RecordingGraphics>();  // a 640 x 480 renderer
    zu_graphics_SetGraphicsDevice(device_);
    zu_app__devWidth = 640;
    zu_app__devHeight = 480;
  }
  void TearDown() override {
    zu_graphics_EndRender();
    zu_graphics_SetGraphicsDevice(nullptr);
    zu_app__devWidth = zu_app__devHeight = 0;
  }
  static std::vector<float> Matrix() {
    const c_GraphicsContext* c = zu_graphics_context;
    return {c->m_Ix, c->m_Iy, c->m_Jx, c->m_Jy, c->m_Tx, c->m_Ty};
  }
  RecordingGraphics* device_ = nullptr;
};

TEST_F(GraphicsState, EveryFrameStartsFromTheSameState) {
  zu_graphics_BeginRender();
  zu_graphics_SetColor(1, 2, 3);
  zu_graphics_SetAlpha(0.25f);
  zu_graphics_SetBlend(1);
  zu_graphics_SetScissor(5, 6, 7, 8);
  zu_graphics_Translate(10, 10);
  zu_graphics_PushMatrix();
  zu_graphics_EndRender();
  EXPECT_EQ(zu_graphics_renderDevice, nullptr);
  device_->calls.clear();

  // The scissor follows the application's cached device size.
  zu_app__devWidth = 1024;
  zu_app__devHeight = 768;
  zu_graphics_BeginRender();
  zu_graphics_DrawRect(1, 2, 3, 4);
  EXPECT_EQ(device_->calls, (std::vector<RendererCall>{{"SetColor", {255, 255, 255}},
                                                       {"SetAlpha", {1}},
                                                       {"SetBlend", {0}},
                                                       {"SetScissor", {0, 0, 1024, 768}},
                                                       {"SetMatrix", {1, 0, 0, 1, 0, 0}},
                                                       {"DrawRect", {1, 2, 3, 4}}}));
  EXPECT_EQ(zu_graphics_context->m_MatrixSp, 0);
  EXPECT_EQ(zu_graphics_context->m_Transformed, 0);
}

TEST_F(GraphicsState, StateGoesAtOnceButTheMatrixOnlyBeforeTheNextDraw) {
  zu_graphics_BeginRender();
  zu_graphics_DrawLine(0, 0, 5, 5);
  device_->calls.clear();
  zu_graphics_SetColor(10, 20, 30);
  zu_graphics_SetColor(40, 50, 60);
  zu_graphics_SetScissor(1.9f, -2.9f, 100.5f, 50.99f);
  for (int i = 0; i < 10; ++i) zu_graphics_Translate(1, 2);
  zu_graphics_DrawEllipse(100, 100, 10, 5);
  zu_graphics_DrawLine(0, 0, 5, 5);
  EXPECT_EQ(device_->calls, (std::vector<RendererCall>{{"SetColor", {10, 20, 30}},
                                                       {"SetColor", {40, 50, 60}},
                                                       {"SetScissor", {1, -2, 100, 50}},
                                                       {"SetMatrix", {1, 0, 0, 1, 10, 20}},
                                                       {"DrawOval", {90, 95, 20, 10}},
                                                       {"DrawLine", {0, 0, 5, 5}}}));
}

TEST_F(GraphicsState, OutsideAFrameStateIsOnlyStoredAndDrawingDoesNothing) {
  zu_graphics_SetColor(10, 20, 30);
  zu_graphics_DrawRect(0, 0, 1, 1);
  EXPECT_TRUE(device_->calls.empty());
  EXPECT_EQ(zu_graphics_context->m_ColorG, 20);
}

TEST_F(GraphicsState, TransformActsOnCoordinatesBeforeTheCurrentMatrix) {
  zu_graphics_SetMatrix(1, 2, 3, 4, 5, 6);
  zu_graphics_Transform(7, 8, 9, 10, 11, 12);
  EXPECT_EQ(Matrix(), (std::vector<float>{31, 46, 39, 58, 52, 76}));
  zu_graphics_SetMatrix2(Array<float>({1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(zu_graphics_context->m_Transformed, 0);
  zu_graphics_Translate(10, 0);
  zu_graphics_Scale(2, 3);  // scales first: (1, 0) lands at (12, 0)
  EXPECT_EQ(Matrix(), (std::vector<float>{2, 0, 0, 3, 10, 0}));
  EXPECT_EQ(zu_graphics_context->m_Transformed, 1);
}

TEST_F(GraphicsState, PositiveRotationTurnsCounterClockwiseOnScreen) {
  zu_graphics_Rotate(90);
  const std::vector<float> m = Matrix();
  // (1, 0) goes to (Ix, Iy) = (~0, -1): up on a y-down screen. The angle passes through
  // single precision, so the cosine is not exactly 0.
  EXPECT_NE(m[0], 0.0f);
  EXPECT_NEAR(m[0], 0.0f, 1e-7f);
  EXPECT_EQ(m[1], -1.0f);
  EXPECT_EQ(m[2], 1.0f);
}

TEST_F(GraphicsState, StackGrowsWithoutLimitAndPopsInReverse) {
  ASSERT_EQ(zu_graphics_context->m_MatrixStack.Length(), 192);
  for (int i = 0; i < 33; ++i) {
    zu_graphics_SetMatrix(1, 0, 0, 1, static_cast<float>(i), 0);
    zu_graphics_PushMatrix();
  }
  EXPECT_EQ(zu_graphics_context->m_MatrixStack.Length(), 384);
  for (int i = 32; i >= 0; --i) {
    zu_graphics_context->m_MatrixPending = 0;
    zu_graphics_PopMatrix();
    ASSERT_EQ(Matrix(), (std::vector<float>{1, 0, 0, 1, static_cast<float>(i), 0}));
    ASSERT_EQ(zu_graphics_context->m_MatrixPending, 1);
  }
  EXPECT_EQ(zu_graphics_context->m_MatrixSp, 0);
}

TEST_F(GraphicsState, ModuleObjectsSurviveCollections) {
  for (int i = 0; i < 40; ++i) zu_graphics_PushMatrix();  // a grown stack
  for (int cycle = 0; cycle < 2; ++cycle) {
    gc_ext_malloced(8388609);
    gc_collect_step(nullptr);
  }
  EXPECT_TRUE(gc_is_live(zu_graphics_context));
  EXPECT_TRUE(gc_is_live(zu_graphics_device));
  EXPECT_TRUE(gc_is_live(zu_graphics_context->m_MatrixStack.Rep()));
}

}  // namespace
