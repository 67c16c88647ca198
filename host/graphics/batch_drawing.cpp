// The batch on fixed-function OpenGL: client vertex arrays under an orthographic projection.
#include "host/graphics/batch_drawing.h"

#include <GL/gl.h>

#include "host/graphics/renderer.h"

void zu_graphics_BeginBatches(int width, int height, const ZuVertex* vertices, const uint16_t*,
                              int) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();

  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_COLOR_ARRAY);
  glVertexPointer(2, GL_FLOAT, sizeof(ZuVertex), &vertices[0].x);
  glTexCoordPointer(2, GL_FLOAT, sizeof(ZuVertex), &vertices[0].u);
  glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(ZuVertex), &vertices[0].color);
}

void zu_graphics_UseTexture(bool textured) {
  if (textured) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
}

// The arrays point into the batch itself.
void zu_graphics_SendVertices(const ZuVertex*, int) {}

void zu_graphics_DrawQuads(const uint16_t* quadIndices, int indexCount) {
  glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_SHORT, quadIndices);
}

void zu_graphics_ReadArgb(int x, int y, int w, int h, uint32_t* out) {
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, w, h, GL_BGRA, GL_UNSIGNED_BYTE, out);
}
