// The host's 2D drawing device on OpenGL. The calls that set up and draw the batch are
// batch_drawing.h's: fixed-function client arrays on the desktop, a shader pair in WebGL.
//
// Coordinates are window pixels (origin top left, y down) under a 2D affine matrix. Every
// primitive is appended to one client-side vertex batch, drawn with a single GL call when
// the kind of primitive or the texture changes, the batch is full, or state that GL itself
// holds (blend, scissor) changes. Colour and matrix travel with each vertex, so changing
// them never breaks a batch.
#pragma once

#include <cstdint>
#include <cstring>

#include "host/array.h"
#include "host/gc.h"
#include "host/graphics/batch_drawing.h"
#include "host/graphics/colour.h"
#include "host/graphics/surface.h"
#include "host/string.h"

// One batch vertex, 20 bytes: position, texture coordinates, premultiplied colour whose
// bytes read R, G, B, A in memory.
struct ZuVertex {
  float x, y;
  float u, v;
  uint32_t color;
};
static_assert(sizeof(ZuVertex) == 20, "the GL array strides assume 20-byte vertices");

// Batch kinds: 1 points, 2 lines, 3 triangles, 4 quads, n >= 5 polygons of n vertices.
constexpr int ZU_BATCH_POINTS = 1;
constexpr int ZU_BATCH_LINES = 2;
constexpr int ZU_BATCH_TRIANGLES = 3;
constexpr int ZU_BATCH_QUADS = 4;

class ZuGraphics : public Object {
 public:
  static constexpr int kBatchVertices = 1024;
  static constexpr int kQuadIndices = kBatchVertices / 4 * 6;

  // Reads the current window's size and fills the quad index table.
  ZuGraphics();
  void mark() override;

  virtual int Width() { return width; }
  virtual int Height() { return height; }
  // Sets up viewport, projection and client arrays for a frame; returns 1.
  virtual int BeginRender();
  // Draws what is left in the batch.
  virtual void EndRender();
  virtual void DiscardGraphics() {}
  // A surface from an image file, its texture made at once; null when the file is missing
  // or cannot be decoded.
  virtual ZuSurface* LoadSurface(const String& path);
  // A blank RGBA surface with an empty texture.
  virtual ZuSurface* CreateSurface(int w, int h);
  // Fills `surface` from an image file without touching GL.
  virtual bool LoadSurface__UNSAFE__(ZuSurface* surface, const String& path);
  // Drops the pending batch and clears the colour buffer (inside the scissor) to r, g, b.
  virtual void Cls(float r, float g, float b);
  // The calls made for nearly every command are defined here, so that the graphics module
  // can have them inlined (see zu_graphics_plainRenderDevice).
  virtual void SetAlpha(float a) {
    alpha = a;
    colourDue_ = true;
  }
  virtual void SetColor(float r, float g, float b) {
    colorR = r;
    colorG = g;
    colorB = b;
    colourDue_ = true;
  }
  // 1: additive; anything else: alpha blending of premultiplied colour.
  virtual void SetBlend(int mode) {
    if ((mode == 1) != additiveBlend_) ChangeBlend(mode == 1);
  }
  // Top-left window coordinates; the whole window switches the scissor test off.
  virtual void SetScissor(int x, int y, int w, int h);
  // x' = ix·x + jx·y + tx, y' = iy·x + jy·y + ty.
  virtual void SetMatrix(float new_ix, float new_iy, float new_jx, float new_jy, float new_tx,
                         float new_ty) {
    ix = new_ix, iy = new_iy, jx = new_jx, jy = new_jy, tx = new_tx, ty = new_ty;
    // Told from the bits (1.0 has one pattern, and a zero of either sign shifts to 0):
    // every sprite sets a matrix, and this is cheaper than six float comparisons.
    const uint32_t turnOrShear = (Bits(new_iy) | Bits(new_jx)) << 1;
    transformed = (turnOrShear | (Bits(new_ix) ^ kOneBits) | (Bits(new_jy) ^ kOneBits) |
                   (Bits(new_tx) | Bits(new_ty)) << 1) != 0;
    axisAligned_ = turnOrShear == 0;
  }
  virtual void DrawPoint(float x, float y);
  virtual void DrawRect(float x, float y, float w, float h);
  virtual void DrawLine(float x1, float y1, float x2, float y2);
  virtual void DrawOval(float x, float y, float w, float h);
  // Consecutive (x, y) pairs; ignored with no vertex or more than 1024.
  virtual void DrawPoly(const Array<float>& xy);
  // Consecutive (x, y, u, v) quadruples, u and v in surface pixels offset by (srcx, srcy).
  virtual void DrawPoly2(const Array<float>& xyuv, ZuSurface* surface, int srcx, int srcy);
  virtual void DrawSurface(ZuSurface* surface, float x, float y);
  virtual void DrawSurface2(ZuSurface* surface, float x, float y, int srcx, int srcy, int srcw,
                            int srch);
  // Copies a window rectangle into `pixels` as 0xAARRGGBB ints, top row first, row i at
  // offset + i·pitch.
  virtual void ReadPixels(const Array<int>& pixels, int x, int y, int w, int h, int offset,
                          int pitch);
  // Writes 0xAARRGGBB ints from `pixels` into a rectangle of an RGBA surface.
  virtual void WritePixels2(ZuSurface* surface, const Array<int>& pixels, int x, int y, int w,
                            int h, int offset, int pitch);

  // Room for `count` fresh vertices of `kind` textured by `surface` (null: untextured),
  // drawing the batch first when it cannot take them. Positions are stored through Place,
  // which applies the matrix. Null for a count outside 1..1024. The vertices are blended.
  ZuVertex* Begin(int kind, int count, ZuSurface* surface) {
    return Begin(kind, count, surface, true);
  }
  // Draws the pending batch if it holds any vertex.
  void Flush();
  // Stores a vertex position, through the matrix when there is one.
  void Place(ZuVertex& vertex, float x, float y) const {
    if (transformed) {
      vertex.x = ix * x + jx * y + tx;
      vertex.y = iy * x + jy * y + ty;
    } else {
      vertex.x = x;
      vertex.y = y;
    }
  }

  // Stores the corners of the rectangle (x, y, w, h), top-left, top-right, bottom-right,
  // bottom-left, each as Place would: the products the corners share are worked out once.
  void PlaceQuad(ZuVertex* v, float x, float y, float w, float h) const {
    const float right = x + w;
    const float bottom = y + h;
    if (!transformed) {
      v[0].x = x, v[0].y = y;
      v[1].x = right, v[1].y = y;
      v[2].x = right, v[2].y = bottom;
      v[3].x = x, v[3].y = bottom;
      return;
    }
    if (axisAligned_) {
      // Scaled and moved only (an upright sprite): the products by a zero, left out, would
      // change no value (up to the sign of a zero).
      const float left = ix * x + tx, top = jy * y + ty;
      const float rightEdge = ix * right + tx, bottomEdge = jy * bottom + ty;
      v[0].x = left, v[0].y = top;
      v[1].x = rightEdge, v[1].y = top;
      v[2].x = rightEdge, v[2].y = bottomEdge;
      v[3].x = left, v[3].y = bottomEdge;
      return;
    }
    const float leftX = ix * x, rightX = ix * right, topX = jx * y, bottomX = jx * bottom;
    const float leftY = iy * x, rightY = iy * right, topY = jy * y, bottomY = jy * bottom;
    v[0].x = leftX + topX + tx, v[0].y = leftY + topY + ty;
    v[1].x = rightX + topX + tx, v[1].y = rightY + topY + ty;
    v[2].x = rightX + bottomX + tx, v[2].y = rightY + bottomY + ty;
    v[3].x = leftX + bottomX + tx, v[3].y = leftY + bottomY + ty;
  }

  // GL draw calls issued since the last BeginRender.
  int DrawCallsThisFrame() const { return drawCalls; }

  int width = 0;
  int height = 0;
  uint32_t vertexColor = 0;  // see VertexColour
  float colorR = 0.0f, colorG = 0.0f, colorB = 0.0f;
  float alpha = 0.0f;
  float ix = 1.0f, iy = 0.0f, jx = 0.0f, jy = 1.0f, tx = 0.0f, ty = 0.0f;
  bool transformed = false;
  ZuVertex vertexBuffer[kBatchVertices] = {};
  uint16_t quadIndexBuffer[kQuadIndices];
  int batchKind = 0;
  int batchCount = 0;
  ZuSurface* batchSurface = nullptr;
  // False while every vertex of the batch is opaque and alpha-blended: blending would give
  // the source colour itself, so such a batch is drawn with blending off, which costs a
  // software rasteriser far less and lets it skip what opaque drawing covers.
  bool batchBlended = true;
  int drawCalls = 0;

 protected:
  // Makes sure the surface's texture (and with it its scales) belongs to this context
  // before texture coordinates are computed from it. A batch of this surface that holds
  // vertices was prepared when it began, and a batch lives only within a frame, in which
  // no window is opened and no picture replaced.
  void PrepareTexture(ZuSurface* surface) const {
    if (surface == batchSurface && batchCount > 0) return;
    if (surface->NeedsTexture()) surface->Bind();
  }
  ZuVertex* Begin(int kind, int count, ZuSurface* surface, bool blended) {
    if (kind < 1 || count < 1 || count > kBatchVertices) return nullptr;
    if (!Joins(kind, surface) || batchCount + count > kBatchVertices) {
      StartBatch(kind, surface);
    } else if (surface) {
      batchSurface = surface;  // a texture for untextured quads, which stay untextured
    }
    // Colour never breaks a batch: one vertex that needs blending makes the whole batch
    // blended.
    batchBlended = batchBlended || blended;
    ZuVertex* first = vertexBuffer + batchCount;
    batchCount += count;
    if constexpr (zu_graphics_kMixedQuadBatches) {
      if (!surface) {
        for (int i = 0; i < count; ++i) first[i].u = zu_graphics_kUntexturedU;
      }
    }
    return first;
  }
  // Whether vertices of `kind` textured by `surface` can go into the pending batch: the
  // same kind and surface, or quads where untextured ones may mix with one texture's.
  bool Joins(int kind, ZuSurface* surface) const {
    if (kind != batchKind) return false;
    if (surface == batchSurface) return true;
    if (!zu_graphics_kMixedQuadBatches || kind != ZU_BATCH_QUADS || batchCount == 0) return false;
    return !surface || !batchSurface;
  }
  // Room for one quad textured by `surface`. A quad of the surface the batch is drawing,
  // the common case, takes no call: the texture was prepared when the batch began. The
  // caller marks the batch blended unless the quad is opaque.
  ZuVertex* TexturedQuad(ZuSurface* surface) {
    if (surface != batchSurface || batchKind != ZU_BATCH_QUADS || batchCount == 0 ||
        batchCount > kBatchVertices - 4) [[unlikely]] {
      return BeginTexturedQuad(surface);
    }
    ZuVertex* first = vertexBuffer + batchCount;
    batchCount += 4;
    return first;
  }
  // The current colour encoded, worked out once for each change of colour or alpha
  // that is drawn with (a command usually sets both).
  uint32_t VertexColour() {
    if (colourDue_) {
      vertexColor = zu_graphics_EncodeColor(colorR, colorG, colorB, alpha);
      colourDue_ = false;
    }
    return vertexColor;
  }
  // Alpha blending of a fully opaque colour: what is drawn replaces what was there.
  bool OpaqueColour() { return !additiveBlend_ && VertexColour() >> 24 == 255; }
  // True when an opaque rectangle covers the whole window unclipped, so that a clear to
  // its colour paints the same pixels; it is then drawn as that clear.
  bool ClearedByRect(float x, float y, float w, float h);

 private:
  static constexpr uint32_t kOneBits = 0x3f800000u;  // 1.0f
  static uint32_t Bits(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
  }
  // Draws the batch and switches between additive and alpha blending.
  void ChangeBlend(bool additive);
  // Draws what the batch holds and starts an empty one of `kind` and `surface`.
  void StartBatch(int kind, ZuSurface* surface);
  // PrepareTexture and Begin for one quad of `surface`, out of TexturedQuad's way.
  ZuVertex* BeginTexturedQuad(ZuSurface* surface);
  void DrawBatch();
  void ReadWindowSize();

  // What GL currently holds, so that repeating a setting costs neither a GL call nor a
  // break in the batch. Unknown after BeginRender for the scissor (a new window starts
  // with its own defaults).
  bool additiveBlend_ = false;
  bool colourDue_ = false;  // colour or alpha changed since vertexColor was encoded
  bool blendEnabled_ = true;
  bool textureEnabled_ = false;
  bool axisAligned_ = true;  // the matrix neither turns nor shears: iy and jx are zero
  bool scissorKnown_ = false;
  bool scissorEnabled_ = false;
  int scissor_[4] = {0, 0, 0, 0};
};
