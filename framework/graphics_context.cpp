#include "framework/graphics_context.h"

#include "framework/graphics.h"
#include "framework/graphics_image.h"

namespace {

constexpr int kInitialStackFloats = 192;  // 32 matrices of 6 floats

}  // namespace

c_GraphicsContext* c_GraphicsContext::m_new() {
  gc_assign(m_MatrixStack, Array<float>(kInitialStackFloats));
  return this;
}

void c_GraphicsContext::p_Validate() {
  if (!m_MatrixPending) return;
  zu_graphics_renderDevice->SetMatrix(m_Ix, m_Iy, m_Jx, m_Jy, m_Tx, m_Ty);
  m_MatrixPending = 0;
}

void c_GraphicsContext::mark() {
  gc_mark_q(m_DefaultFont);
  gc_mark_q(m_ActiveFont);
  gc_mark_q(m_MatrixStack);
}
