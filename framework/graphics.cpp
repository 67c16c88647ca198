// The module's globals and their start-up values.
#include "framework/graphics.h"

ZuGraphics* zu_graphics_device = nullptr;
ZuGraphics* zu_graphics_renderDevice = nullptr;
ZuGraphics* zu_graphics_plainRenderDevice = nullptr;
c_GraphicsContext* zu_graphics_context = nullptr;

namespace {

const gc_roots graphics_roots([] {
  gc_mark_q(zu_graphics_device);
  gc_mark_q(zu_graphics_renderDevice);
  gc_mark_q(zu_graphics_context);
});

}  // namespace

void zu_graphics_Init() {
  gc_assign(zu_graphics_device, static_cast<ZuGraphics*>(nullptr));
  gc_assign(zu_graphics_renderDevice, static_cast<ZuGraphics*>(nullptr));
  zu_graphics_plainRenderDevice = nullptr;
  gc_assign(zu_graphics_context, gc_new<c_GraphicsContext>()->m_new());
  c_Image::m_DefaultFlags = 0;
}

void zu_graphics_SetGraphicsDevice(ZuGraphics* device) { gc_assign(zu_graphics_device, device); }
