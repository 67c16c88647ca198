// Images of the graphics module: frames cut from one surface, with a handle (the point of
// a frame placed at the drawing position) and flags.
#pragma once

#include "host/array.h"
#include "host/gc.h"
#include "host/graphics/surface.h"

// A frame's top-left corner in surface pixels.
class c_Frame : public Object {
 public:
  c_Frame* m_new(int x, int y) {
    m_X = x;
    m_Y = y;
    return this;
  }

  int m_X = 0;
  int m_Y = 0;
};

class c_Image : public Object {
 public:
  // Handle at the frame's centre (taken after border skipping; not kept in m_Flags).
  static constexpr int CentreHandle = 1;
  // Skip a one-pixel border left and right of every cell.
  static constexpr int SkipBorderX = 2;
  // Skip a one-pixel border above and below every cell.
  static constexpr int SkipBorderY = 4;
  // Set by the module only: one frame covering the whole surface, drawn without a
  // source rectangle.
  static constexpr int WholeSurface = 65536;

  static int m_DefaultFlags;

  c_Image* m_new() { return this; }
  // `frameCount` frames of equal width side by side in one row across the surface.
  c_Image* p_Init(ZuSurface* surface, int frameCount, int flags);
  // `frameCount` frames of fw x fh cut row by row out of the rectangle (srcX, srcY, srcW,
  // srcH), starting at (x, y) inside it; a frame that does not fit is the runtime error
  // "Image frame outside surface".
  c_Image* p_Init2(ZuSurface* surface, int x, int y, int fw, int fh, int frameCount, int flags,
                   c_Image* source, int srcX, int srcY, int srcW, int srcH);
  void p_ApplyFlags(int flags);
  void p_SetHandle(float x, float y);
  void mark() override;

  ZuSurface* m_Surface = nullptr;
  int m_Width = 0;
  int m_Height = 0;
  Array<c_Frame*> m_Frames;
  int m_Flags = 0;
  float m_HandleX = 0.0f;
  float m_HandleY = 0.0f;
  c_Image* m_Source = nullptr;
};
