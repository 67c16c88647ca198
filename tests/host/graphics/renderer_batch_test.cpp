// How primitives land in the batch. Each test draws one kind of primitive on a fresh
// renderer, so the batch is never drawn and no GL context is needed.
#include <gtest/gtest.h>

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

}  // namespace
