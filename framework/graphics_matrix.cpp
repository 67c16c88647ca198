// The module's matrix and matrix stack. Only the context changes here; the renderer gets
// the result at the next drawing call.
#include "framework/graphics.h"
#include "framework/graphics_affine.h"

namespace {

void MatrixChanged(c_GraphicsContext* c) {
  c->m_Transformed = !(c->m_Ix == 1.0f && c->m_Iy == 0.0f && c->m_Jx == 0.0f &&
                       c->m_Jy == 1.0f && c->m_Tx == 0.0f && c->m_Ty == 0.0f);
  c->m_MatrixPending = 1;
}

}  // namespace

void zu_graphics_SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty) {
  c_GraphicsContext* c = zu_graphics_context;
  c->m_Ix = ix;
  c->m_Iy = iy;
  c->m_Jx = jx;
  c->m_Jy = jy;
  c->m_Tx = tx;
  c->m_Ty = ty;
  MatrixChanged(c);
}

void zu_graphics_SetMatrix2(const Array<float>& m) {
  zu_graphics_SetMatrix(m[0], m[1], m[2], m[3], m[4], m[5]);
}

void zu_graphics_Transform(float ix, float iy, float jx, float jy, float tx, float ty) {
  const zu_graphics_Affine m = zu_graphics_CurrentMatrix().Times(ix, iy, jx, jy, tx, ty);
  zu_graphics_SetMatrix(m.ix, m.iy, m.jx, m.jy, m.tx, m.ty);
}

void zu_graphics_Transform2(const Array<float>& m) {
  zu_graphics_Transform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

void zu_graphics_Translate(float x, float y) { zu_graphics_Transform(1, 0, 0, 1, x, y); }

void zu_graphics_Rotate(float degrees) {
  const zu_graphics_Affine m = zu_graphics_CurrentMatrix().Turned(degrees);
  zu_graphics_SetMatrix(m.ix, m.iy, m.jx, m.jy, m.tx, m.ty);
}

void zu_graphics_Scale(float x, float y) { zu_graphics_Transform(x, 0, 0, y, 0, 0); }

void zu_graphics_PushMatrix() {
  c_GraphicsContext* c = zu_graphics_context;
  // No depth limit: a full stack is replaced by one twice as long.
  if (c->m_MatrixSp == c->m_MatrixStack.Length()) {
    gc_assign(c->m_MatrixStack, c->m_MatrixStack.Resize(c->m_MatrixStack.Length() * 2));
  }
  float* top = &c->m_MatrixStack[c->m_MatrixSp];
  top[0] = c->m_Ix;
  top[1] = c->m_Iy;
  top[2] = c->m_Jx;
  top[3] = c->m_Jy;
  top[4] = c->m_Tx;
  top[5] = c->m_Ty;
  c->m_MatrixSp += 6;
}

void zu_graphics_PopMatrix() {
  c_GraphicsContext* c = zu_graphics_context;
  // A pop without a push reads index -6, which the array refuses as a runtime error.
  const float* top = &c->m_MatrixStack[c->m_MatrixSp - 6];
  c->m_MatrixSp -= 6;
  zu_graphics_SetMatrix(top[0], top[1], top[2], top[3], top[4], top[5]);
}
