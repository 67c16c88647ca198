// How primitives land in the batch. Each test draws one kind of primitive on a fresh
// renderer, so the batch is never drawn and no GL context is needed.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "host/graphics/renderer.h"

namespace {

TEST(Batch, OvalIsOnePolygonWhoseKindIsItsSegmentCount) {
  ZuGraphics* g = gc_new<ZuGraphics>();
  g->DrawOval(10, 10, 10, 10);
  g->DrawOval(30, 10, 10, 10);
  EXPECT_EQ(g->batchKind, 12);
  EXPECT_EQ(g->batchCount, 24);
  // Starts at the right-hand point and goes up the screen (counter-clockwise).
  EXPECT_FLOAT_EQ(g->vertexBuffer[0].x, 20);
  EXPECT_FLOAT_EQ(g->vertexBuffer[0].y, 15);
  EXPECT_NEAR(g->vertexBuffer[3].y, 10, 1e-5);
}

TEST(Batch, PolygonsOfNoVertexOrMoreThanABatchAreIgnored) {
  ZuGraphics* g = gc_new<ZuGraphics>();
  g->DrawPoly(Array<float>());
  g->DrawPoly(Array<float>(2 * 1025));
  EXPECT_EQ(g->batchCount, 0);
  g->DrawPoly(Array<float>(2 * 1024));
  EXPECT_EQ(g->batchKind, 1024);
  ZuGraphics* quad = gc_new<ZuGraphics>();
  quad->DrawPoly(Array<float>({0, 0, 10, 0, 10, 10, 0, 10}));
  EXPECT_EQ(quad->batchKind, ZU_BATCH_QUADS);
}

TEST(Batch, TextureCoordinatesArePixelPositionsTimesTheScales) {
  ZuGraphics* g = gc_new<ZuGraphics>();
  ZuSurface* s = gc_new<ZuSurface>();
  s->SetData(nullptr, 100, 60, 4);
  s->uScale = 1.0f / 128;  // as if the GL had made a 128 x 64 texture
  s->vScale = 1.0f / 64;
  g->DrawSurface2(s, 5, 6, 10, 20, 30, 40);
  g->DrawSurface(s, 0, 0);
  g->DrawPoly2(Array<float>({0, 0, 1, 2, 8, 0, 3, 4, 8, 8, 5, 6, 0, 8, 7, 8}), s, 10, 20);
  g->DrawSurface(nullptr, 0, 0);  // nothing to draw from: ignored
  const ZuVertex* v = g->vertexBuffer;
  EXPECT_FLOAT_EQ(v[1].x, 35);
  EXPECT_FLOAT_EQ(v[2].y, 46);
  EXPECT_FLOAT_EQ(v[0].u, 10.0f / 128);
  EXPECT_FLOAT_EQ(v[0].v, 20.0f / 64);
  EXPECT_FLOAT_EQ(v[2].u, 40.0f / 128);
  EXPECT_FLOAT_EQ(v[2].v, 60.0f / 64);
  EXPECT_FLOAT_EQ(v[6].u, 100.0f / 128);  // whole surface: its own size, not the texture's
  EXPECT_FLOAT_EQ(v[6].v, 60.0f / 64);
  EXPECT_FLOAT_EQ(v[8].u, 11.0f / 128);  // polygon: (u + srcx) · uScale
  EXPECT_FLOAT_EQ(v[8].v, 22.0f / 64);
  EXPECT_EQ(g->batchCount, 12);
}

TEST(Batch, OnlyTheIdentityIsUntransformedZerosOfEitherSignIncluded) {
  ZuGraphics* g = gc_new<ZuGraphics>();
  g->SetMatrix(1, -0.0f, -0.0f, 1, -0.0f, 0);
  EXPECT_FALSE(g->transformed);
  const float tiny = 1e-45f, nan = std::nanf("");
  for (const float odd : {tiny, -tiny, nan, 1.0f}) {
    for (int slot = 0; slot < 6; ++slot) {
      float m[6] = {1, 0, 0, 1, 0, 0};
      m[slot] = slot == 0 || slot == 3 ? (odd == 1.0f ? 1.0000001f : odd) : odd;
      g->SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]);
      EXPECT_TRUE(g->transformed) << "slot " << slot << " holding " << m[slot];
    }
  }
}

// An upright matrix leaves out the products by its zeros; the corners must not change.
TEST(Batch, CornersUnderAnyMatrixAreTheMatrixTimesThePoint) {
  std::mt19937 random(11);
  std::uniform_real_distribution<float> value(-500, 500), scale(-4, 4);
  for (int i = 0; i < 2000; ++i) {
    ZuGraphics* g = gc_new<ZuGraphics>();
    const bool turned = i % 3 == 0;
    const float ix = scale(random), jy = scale(random), iy = turned ? scale(random) : 0.0f;
    const float jx = turned ? scale(random) : 0.0f, tx = value(random), ty = value(random);
    g->SetMatrix(ix, iy, jx, jy, tx, ty);
    const float x = value(random), y = value(random), w = scale(random) * 20, h = scale(random) * 20;
    g->DrawRect(x, y, w, h);
    const float xs[4] = {x, x + w, x + w, x}, ys[4] = {y, y, y + h, y + h};
    for (int c = 0; c < 4; ++c) {
      ASSERT_EQ(g->vertexBuffer[c].x, ix * xs[c] + jx * ys[c] + tx) << "corner " << c;
      ASSERT_EQ(g->vertexBuffer[c].y, iy * xs[c] + jy * ys[c] + ty) << "corner " << c;
    }
  }
}

}  // namespace
