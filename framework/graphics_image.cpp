#include "framework/graphics_image.h"

#include "host/report.h"

int c_Image::m_DefaultFlags = 0;

c_Image* c_Image::p_Init(ZuSurface* surface, int frameCount, int flags) {
  // A count below one would divide by zero; such an image is one frame.
  const int count = frameCount > 0 ? frameCount : 1;
  gc_assign(m_Surface, surface);
  m_Width = surface->Width() / count;
  m_Height = surface->Height();
  gc_assign(m_Frames, Array<c_Frame*>(count));
  for (int i = 0; i < count; ++i) gc_assign(m_Frames[i], gc_new<c_Frame>()->m_new(i * m_Width, 0));
  p_ApplyFlags(flags);
  return this;
}

c_Image* c_Image::p_Init2(ZuSurface* surface, int x, int y, int fw, int fh, int frameCount,
                          int flags, c_Image* source, int srcX, int srcY, int srcW, int srcH) {
  gc_assign(m_Surface, surface);
  gc_assign(m_Source, source);
  m_Width = fw;
  m_Height = fh;
  gc_assign(m_Frames, Array<c_Frame*>(frameCount));
  for (int i = 0; i < frameCount; ++i) {
    if (x + fw > srcW) {
      y += fh;
      if (fw > srcW) zuError(String("Image frame outside surface"));
      x = 0;
    }
    if (y + fh > srcH) zuError(String("Image frame outside surface"));
    gc_assign(m_Frames[i], gc_new<c_Frame>()->m_new(x + srcX, y + srcY));
    x += fw;
  }
  p_ApplyFlags(flags);
  return this;
}

void c_Image::p_ApplyFlags(int flags) {
  m_Flags = flags;
  if (m_Flags & SkipBorderX) {
    for (c_Frame* frame : m_Frames) frame->m_X += 1;
    m_Width -= 2;
  }
  if (m_Flags & SkipBorderY) {
    for (c_Frame* frame : m_Frames) frame->m_Y += 1;
    m_Height -= 2;
  }
  if (m_Flags & CentreHandle) {
    m_HandleX = static_cast<float>(m_Width) * 0.5f;
    m_HandleY = static_cast<float>(m_Height) * 0.5f;
    m_Flags &= ~CentreHandle;
  }
  if (m_Frames.Length() == 1 && m_Frames[0]->m_X == 0 && m_Frames[0]->m_Y == 0 &&
      m_Width == m_Surface->Width() && m_Height == m_Surface->Height()) {
    m_Flags |= WholeSurface;
  }
}

void c_Image::p_SetHandle(float x, float y) {
  m_HandleX = x;
  m_HandleY = y;
  m_Flags &= ~CentreHandle;
}

void c_Image::mark() {
  gc_mark_q(m_Surface);
  gc_mark_q(m_Frames);
  gc_mark_q(m_Source);
}
