// The framework's graphics module: images, a matrix stack, colour, alpha, blend and
// scissor, and drawing calls forwarded to the renderer. State goes to the renderer at once,
// except the matrix, which is sent just before the next drawing call.
//
// Drawing and state calls reach the renderer only between zu_graphics_BeginRender and
// zu_graphics_EndRender; outside a frame, state is only stored and drawing does nothing.
#pragma once

#include "framework/graphics_context.h"
#include "framework/graphics_image.h"
#include "host/array.h"
#include "host/graphics/renderer.h"
#include "host/string.h"

extern ZuGraphics* zu_graphics_device;        // the renderer, set once at start
extern ZuGraphics* zu_graphics_renderDevice;  // the renderer while a frame is drawn, else null
// The same renderer while it is the host's own ZuGraphics and no subclass of it (such as a
// test's recording one), else null. The calls made for every sprite go to it by name, so
// the compiler inlines them instead of calling through the table.
extern ZuGraphics* zu_graphics_plainRenderDevice;
extern c_GraphicsContext* zu_graphics_context;

// The module's start-up values: a fresh context, default image flags 0.
void zu_graphics_Init();

void zu_graphics_SetGraphicsDevice(ZuGraphics* device);
// Frame bracket: every frame starts white, opaque, alpha-blended, untransformed and
// unclipped, whatever the last one left.
void zu_graphics_BeginRender();
void zu_graphics_EndRender();

// Images from files (plain names are looked up in the data folder); null when the file is
// missing or cannot be decoded.
c_Image* zu_graphics_LoadImage(const String& path, int frameCount, int flags);
c_Image* zu_graphics_LoadImage2(const String& path, int frameWidth, int frameHeight,
                                int frameCount, int flags);
// A null font selects the default font ("pavo_font.png", loaded on first use) with first
// character 32.
void zu_graphics_SetFont(c_Image* font, int firstChar);

// Set for every command of every frame, so inline.
inline void zu_graphics_SetColor(float r, float g, float b) {
  c_GraphicsContext* c = zu_graphics_context;
  c->m_ColorR = r;
  c->m_ColorG = g;
  c->m_ColorB = b;
  if (ZuGraphics* plain = zu_graphics_plainRenderDevice) {
    plain->ZuGraphics::SetColor(r, g, b);
  } else if (zu_graphics_renderDevice) {
    zu_graphics_renderDevice->SetColor(r, g, b);
  }
}

inline void zu_graphics_SetAlpha(float alpha) {
  zu_graphics_context->m_AlphaValue = alpha;
  if (ZuGraphics* plain = zu_graphics_plainRenderDevice) {
    plain->ZuGraphics::SetAlpha(alpha);
  } else if (zu_graphics_renderDevice) {
    zu_graphics_renderDevice->SetAlpha(alpha);
  }
}

inline void zu_graphics_SetBlend(int mode) {
  zu_graphics_context->m_BlendMode = mode;
  if (ZuGraphics* plain = zu_graphics_plainRenderDevice) {
    plain->ZuGraphics::SetBlend(mode);
  } else if (zu_graphics_renderDevice) {
    zu_graphics_renderDevice->SetBlend(mode);
  }
}

void zu_graphics_SetScissor(float x, float y, float w, float h);

// Matrix operations; none of them talks to the renderer.
void zu_graphics_SetMatrix(float ix, float iy, float jx, float jy, float tx, float ty);
void zu_graphics_SetMatrix2(const Array<float>& m);
// Multiplies on the right: the given matrix acts on coordinates first.
void zu_graphics_Transform(float ix, float iy, float jx, float jy, float tx, float ty);
void zu_graphics_Transform2(const Array<float>& m);
void zu_graphics_Translate(float x, float y);
// Degrees; on the y-down screen a positive angle turns counter-clockwise.
void zu_graphics_Rotate(float degrees);
void zu_graphics_Scale(float x, float y);
void zu_graphics_PushMatrix();
void zu_graphics_PopMatrix();

void zu_graphics_DrawRect(float x, float y, float w, float h);
void zu_graphics_DrawLine(float x1, float y1, float x2, float y2);
// (x, y) is the centre.
void zu_graphics_DrawEllipse(float x, float y, float xRadius, float yRadius);
// The frame's handle lands at (x, y).
void zu_graphics_DrawImage(c_Image* image, float x, float y, int frame);
// Turned by `rotation` degrees and scaled about the handle, which lands at (x, y).
void zu_graphics_DrawImage2(c_Image* image, float x, float y, float rotation, float scaleX,
                            float scaleY, int frame);
