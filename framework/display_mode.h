// One display mode as the framework lists it.
#pragma once

#include "host/gc.h"

class c_DisplayMode : public Object {
 public:
  int m_width = 0;
  int m_height = 0;

  c_DisplayMode* m_new(int width, int height) {
    m_width = width;
    m_height = height;
    return this;
  }
  c_DisplayMode* m_new2() { return this; }
};
