// The renderer's primitives: each appends its vertices to the batch.
#include <cmath>

#include "host/graphics/oval_segments.h"
#include "host/graphics/renderer.h"

namespace {

constexpr float kFullTurn = 6.2831855f;

// Texture coordinates of a quad's corners, in PlaceQuad's order, and its one colour.
void FinishQuad(ZuVertex* v, float left, float top, float right, float bottom, uint32_t colour) {
  v[0].u = left, v[0].v = top, v[0].color = colour;
  v[1].u = right, v[1].v = top, v[1].color = colour;
  v[2].u = right, v[2].v = bottom, v[2].color = colour;
  v[3].u = left, v[3].v = bottom, v[3].color = colour;
}

}  // namespace

void ZuGraphics::DrawPoint(float x, float y) {
  ZuVertex* v = Begin(ZU_BATCH_POINTS, 1, nullptr, !OpaqueColour());
  Place(v[0], x, y);
  v[0].color = VertexColour();
}

void ZuGraphics::DrawLine(float x1, float y1, float x2, float y2) {
  ZuVertex* v = Begin(ZU_BATCH_LINES, 2, nullptr, !OpaqueColour());
  Place(v[0], x1, y1);
  Place(v[1], x2, y2);
  v[0].color = v[1].color = VertexColour();
}

void ZuGraphics::DrawRect(float x, float y, float w, float h) {
  if (ClearedByRect(x, y, w, h)) return;
  ZuVertex* v = Begin(ZU_BATCH_QUADS, 4, nullptr, !OpaqueColour());
  PlaceQuad(v, x, y, w, h);
  v[0].color = v[1].color = v[2].color = v[3].color = VertexColour();
}

void ZuGraphics::DrawOval(float x, float y, float w, float h) {
  const float xr = w * 0.5f;
  const float yr = h * 0.5f;
  const float cx = x + xr;
  const float cy = y + yr;
  const int segments = zu_graphics_OvalSegments(xr, yr, transformed, ix, iy, jx, jy);
  const uint32_t colour = VertexColour();
  ZuVertex* v = Begin(segments, segments, nullptr, !OpaqueColour());
  for (int i = 0; i < segments; ++i) {
    const float theta = static_cast<float>(i) * kFullTurn / static_cast<float>(segments);
    Place(v[i], cx + std::cos(theta) * xr, cy - std::sin(theta) * yr);
    v[i].color = colour;
  }
}

void ZuGraphics::DrawPoly(const Array<float>& xy) {
  const int n = xy.Length() / 2;
  if (n == 0 || n > kBatchVertices) return;
  const uint32_t colour = VertexColour();
  ZuVertex* v = Begin(n, n, nullptr, !OpaqueColour());
  const float* in = xy.begin();
  for (int i = 0; i < n; ++i, in += 2) {
    Place(v[i], in[0], in[1]);
    v[i].color = colour;
  }
}

void ZuGraphics::DrawPoly2(const Array<float>& xyuv, ZuSurface* surface, int srcx, int srcy) {
  const int n = xyuv.Length() / 4;
  if (!surface || n == 0 || n > kBatchVertices) return;
  PrepareTexture(surface);
  const uint32_t colour = VertexColour();
  ZuVertex* v = Begin(n, n, surface);
  const float* in = xyuv.begin();
  for (int i = 0; i < n; ++i, in += 4) {
    Place(v[i], in[0], in[1]);
    v[i].u = (in[2] + static_cast<float>(srcx)) * surface->uScale;
    v[i].v = (in[3] + static_cast<float>(srcy)) * surface->vScale;
    v[i].color = colour;
  }
}

void ZuGraphics::DrawSurface(ZuSurface* surface, float x, float y) {
  if (!surface) return;
  ZuVertex* v = TexturedQuad(surface);
  const int w = surface->Width();
  const int h = surface->Height();
  const uint32_t colour = VertexColour();
  // A batch already blended stays so, whatever this quad is.
  if (!batchBlended && !(OpaqueColour() && surface->SampledRectOpaque(0, 0, w, h))) {
    batchBlended = true;
  }
  PlaceQuad(v, x, y, static_cast<float>(w), static_cast<float>(h));
  FinishQuad(v, 0.0f, 0.0f, static_cast<float>(w) * surface->uScale,
             static_cast<float>(h) * surface->vScale, colour);
}

void ZuGraphics::DrawSurface2(ZuSurface* surface, float x, float y, int srcx, int srcy, int srcw,
                              int srch) {
  if (!surface) return;
  ZuVertex* v = TexturedQuad(surface);
  const uint32_t colour = VertexColour();
  if (!batchBlended && !(OpaqueColour() && surface->SampledRectOpaque(srcx, srcy, srcw, srch))) {
    batchBlended = true;
  }
  const float w = static_cast<float>(srcw);
  const float h = static_cast<float>(srch);
  PlaceQuad(v, x, y, w, h);
  const float left = static_cast<float>(srcx);
  const float top = static_cast<float>(srcy);
  FinishQuad(v, left * surface->uScale, top * surface->vScale, (left + w) * surface->uScale,
             (top + h) * surface->vScale, colour);
}
