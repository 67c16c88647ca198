// The graphics module's one drawing state: font, matrix and its stack, colour, alpha,
// blend and scissor. The matrix reaches the renderer lazily, just before the next drawing
// call, so any number of matrix operations between two draws costs one renderer call.
#pragma once

#include "host/array.h"
#include "host/gc.h"

class c_Image;

class c_GraphicsContext : public Object {
 public:
  // Identity matrix, everything else zero, and a stack with room for 32 matrices.
  c_GraphicsContext* m_new();
  // Hands a pending matrix to the render device.
  void p_Validate();
  void mark() override;

  c_Image* m_DefaultFont = nullptr;
  c_Image* m_ActiveFont = nullptr;
  int m_FirstChar = 0;
  int m_MatrixSp = 0;  // next free float in m_MatrixStack, a multiple of 6
  float m_Ix = 1.0f, m_Iy = 0.0f, m_Jx = 0.0f, m_Jy = 1.0f, m_Tx = 0.0f, m_Ty = 0.0f;
  int m_Transformed = 0;
  int m_MatrixPending = 0;
  float m_ColorR = 0.0f, m_ColorG = 0.0f, m_ColorB = 0.0f;
  float m_AlphaValue = 0.0f;
  int m_BlendMode = 0;
  float m_ScissorX = 0.0f, m_ScissorY = 0.0f, m_ScissorW = 0.0f, m_ScissorH = 0.0f;
  Array<float> m_MatrixStack;
};
