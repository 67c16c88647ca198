// The module's frame bracket, render state and drawing calls.
#include <typeinfo>

#include "framework/app.h"
#include "framework/graphics.h"
#include "framework/graphics_affine.h"
#include "host/numeric.h"

void zu_graphics_BeginRender() {
  gc_assign(zu_graphics_renderDevice, zu_graphics_device);
  ZuGraphics* device = zu_graphics_device;
  zu_graphics_plainRenderDevice = device && typeid(*device) == typeid(ZuGraphics) ? device : nullptr;
  c_GraphicsContext* c = zu_graphics_context;
  c->m_MatrixSp = 0;
  c->m_Ix = 1.0f, c->m_Iy = 0.0f, c->m_Jx = 0.0f, c->m_Jy = 1.0f, c->m_Tx = 0.0f, c->m_Ty = 0.0f;
  c->m_Transformed = 0;
  c->m_MatrixPending = 1;
  zu_graphics_SetColor(255.0f, 255.0f, 255.0f);
  zu_graphics_SetAlpha(1.0f);
  zu_graphics_SetBlend(0);
  zu_graphics_SetScissor(0.0f, 0.0f, static_cast<float>(zu_app_DeviceWidth()),
                         static_cast<float>(zu_app_DeviceHeight()));
}

void zu_graphics_EndRender() {
  gc_assign(zu_graphics_renderDevice, static_cast<ZuGraphics*>(nullptr));
  zu_graphics_plainRenderDevice = nullptr;
}

void zu_graphics_SetScissor(float x, float y, float w, float h) {
  c_GraphicsContext* c = zu_graphics_context;
  c->m_ScissorX = x;
  c->m_ScissorY = y;
  c->m_ScissorW = w;
  c->m_ScissorH = h;
  if (zu_graphics_renderDevice) {
    zu_graphics_renderDevice->SetScissor(zu_f2i(x), zu_f2i(y), zu_f2i(w), zu_f2i(h));
  }
}

void zu_graphics_DrawRect(float x, float y, float w, float h) {
  if (!zu_graphics_renderDevice) return;
  zu_graphics_context->p_Validate();
  zu_graphics_renderDevice->DrawRect(x, y, w, h);
}

void zu_graphics_DrawLine(float x1, float y1, float x2, float y2) {
  if (!zu_graphics_renderDevice) return;
  zu_graphics_context->p_Validate();
  zu_graphics_renderDevice->DrawLine(x1, y1, x2, y2);
}

void zu_graphics_DrawEllipse(float x, float y, float xRadius, float yRadius) {
  if (!zu_graphics_renderDevice) return;
  zu_graphics_context->p_Validate();
  zu_graphics_renderDevice->DrawOval(x - xRadius, y - yRadius, xRadius * 2.0f, yRadius * 2.0f);
}

namespace {

// Draws frame `frame` of the image with its top-left corner at (x, y).
void DrawFrame(c_Image* image, float x, float y, int frame) {
  c_Frame* f = image->m_Frames[frame];
  if (image->m_Flags & c_Image::WholeSurface) {
    zu_graphics_renderDevice->DrawSurface(image->m_Surface, x, y);
  } else if (ZuGraphics* plain = zu_graphics_plainRenderDevice) {
    plain->ZuGraphics::DrawSurface2(image->m_Surface, x, y, f->m_X, f->m_Y, image->m_Width,
                                    image->m_Height);
  } else {
    zu_graphics_renderDevice->DrawSurface2(image->m_Surface, x, y, f->m_X, f->m_Y, image->m_Width,
                                           image->m_Height);
  }
}

// The matrix for drawing an image turned and scaled about its handle at (x, y), under the
// module's matrix. Kept out of line: its call for the sine would cost the upright path
// registers.
[[gnu::noinline]] zu_graphics_Affine ImageMatrix(c_Image* image, float x, float y,
                                                 float rotation, float scaleX, float scaleY) {
  zu_graphics_Affine m = zu_graphics_CurrentMatrix().Moved(x, y);
  if (rotation != 0.0f) m = m.Turned(rotation);
  return m.Scaled(scaleX, scaleY).Moved(-image->m_HandleX, -image->m_HandleY);
}

}  // namespace

void zu_graphics_DrawImage(c_Image* image, float x, float y, int frame) {
  if (!zu_graphics_renderDevice || !image) return;
  zu_graphics_context->p_Validate();
  // The handle is taken off before the matrix applies to the position.
  DrawFrame(image, x - image->m_HandleX, y - image->m_HandleY, frame);
}

// Push, translate, rotate, scale, move by the handle, draw, pop: the same values as the
// matrix calls give, worked out in place, handed to the renderer, and the module's own matrix
// left as it was and due again at the next drawing call, as the pop leaves it. An upright
// image skips the turn, which would multiply by cos 0 = 1 and sin 0 = 0 and change no value.
void zu_graphics_DrawImage2(c_Image* image, float x, float y, float rotation, float scaleX,
                            float scaleY, int frame) {
  if (!zu_graphics_renderDevice || !image) return;
  zu_graphics_Affine m;
  if (rotation == 0.0f && !zu_graphics_context->m_Transformed) {
    // From the identity the products by 1 and 0 change no value (up to the sign of a zero).
    const float handleX = scaleX * -image->m_HandleX, handleY = scaleY * -image->m_HandleY;
    m = {scaleX, 0.0f, 0.0f, scaleY, handleX + x, handleY + y};
  } else {
    m = ImageMatrix(image, x, y, rotation, scaleX, scaleY);
  }
  if (ZuGraphics* plain = zu_graphics_plainRenderDevice) {
    plain->ZuGraphics::SetMatrix(m.ix, m.iy, m.jx, m.jy, m.tx, m.ty);
  } else {
    zu_graphics_renderDevice->SetMatrix(m.ix, m.iy, m.jx, m.jy, m.tx, m.ty);
  }
  DrawFrame(image, 0.0f, 0.0f, frame);
  zu_graphics_context->m_MatrixPending = 1;
}
