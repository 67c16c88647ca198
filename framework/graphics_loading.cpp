// Loading images and choosing the font.
#include "framework/graphics.h"
#include "host/files.h"

namespace {

// Steps 1-2 of both loaders: the data-path rule, then the renderer's surface.
ZuSurface* LoadSurface(const String& path) {
  if (!zu_graphics_device) return nullptr;
  return zu_graphics_device->LoadSurface(zu_data_FixDataPath(path));
}

}  // namespace

c_Image* zu_graphics_LoadImage(const String& path, int frameCount, int flags) {
  ZuSurface* surface = LoadSurface(path);
  if (!surface) return nullptr;
  return gc_new<c_Image>()->m_new()->p_Init(surface, frameCount, flags);
}

c_Image* zu_graphics_LoadImage2(const String& path, int frameWidth, int frameHeight,
                                int frameCount, int flags) {
  ZuSurface* surface = LoadSurface(path);
  if (!surface) return nullptr;
  return gc_new<c_Image>()->m_new()->p_Init2(surface, 0, 0, frameWidth, frameHeight, frameCount,
                                             flags, nullptr, 0, 0, surface->Width(),
                                             surface->Height());
}

void zu_graphics_SetFont(c_Image* font, int firstChar) {
  c_GraphicsContext* c = zu_graphics_context;
  if (!font) {
    if (!c->m_DefaultFont) {
      gc_assign(c->m_DefaultFont,
                zu_graphics_LoadImage(String("pavo_font.png"), 96, c_Image::SkipBorderX));
    }
    font = c->m_DefaultFont;
    firstChar = 32;
  }
  gc_assign(c->m_ActiveFont, font);
  c->m_FirstChar = firstChar;
}
