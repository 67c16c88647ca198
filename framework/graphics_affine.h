// The arithmetic of the module's 2D matrices, shared by the matrix calls and by drawing a
// turned and scaled image, so both give the same values to the last bit.
#pragma once

#include "framework/graphics.h"
#include "framework/graphics_sine.h"

struct zu_graphics_Affine {
  float ix, iy, jx, jy, tx, ty;  // x' = ix·x + jx·y + tx, y' = iy·x + jy·y + ty

  // This matrix times (ix, iy, jx, jy, tx, ty): the given one acts on coordinates first.
  zu_graphics_Affine Times(float ix2, float iy2, float jx2, float jy2, float tx2,
                           float ty2) const {
    return {ix * ix2 + jx * iy2, iy * ix2 + jy * iy2, ix * jx2 + jx * jy2,
            iy * jx2 + jy * jy2, ix * tx2 + jx * ty2 + tx, iy * tx2 + jy * ty2 + ty};
  }

  // This matrix times a translation, Times(1, 0, 0, 1, x, y), with the multiplications by
  // 1 and 0 left out: the values are the same (up to the sign of a zero).
  zu_graphics_Affine Moved(float x, float y) const {
    return {ix, iy, jx, jy, ix * x + jx * y + tx, iy * x + jy * y + ty};
  }

  // This matrix times a scaling, Times(x, 0, 0, y, 0, 0), likewise.
  zu_graphics_Affine Scaled(float x, float y) const {
    return {ix * x, iy * x, jx * y, jy * y, tx, ty};
  }

  // This matrix turned by `degrees` (counter-clockwise on the y-down screen), the sine
  // and cosine rounded to single precision.
  zu_graphics_Affine Turned(float degrees) const {
    const zu_graphics_SineCosine turn = zu_graphics_SinCos(degrees * 0.0174532924f);
    return Times(turn.cos, -turn.sin, turn.sin, turn.cos, 0, 0);
  }
};

inline zu_graphics_Affine zu_graphics_CurrentMatrix() {
  const c_GraphicsContext* c = zu_graphics_context;
  return {c->m_Ix, c->m_Iy, c->m_Jx, c->m_Jy, c->m_Tx, c->m_Ty};
}
