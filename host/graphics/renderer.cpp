// The renderer's frame, state and batch.
#include "host/graphics/renderer.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include "host/graphics/batch_drawing.h"
#include "host/window_system.h"

ZuGraphics::ZuGraphics() {
  ReadWindowSize();
  for (int quad = 0; quad < kBatchVertices / 4; ++quad) {
    const auto first = static_cast<uint16_t>(quad * 4);
    uint16_t* out = quadIndexBuffer + quad * 6;
    out[0] = first;
    out[1] = static_cast<uint16_t>(first + 1);
    out[2] = static_cast<uint16_t>(first + 2);
    out[3] = first;
    out[4] = static_cast<uint16_t>(first + 2);
    out[5] = static_cast<uint16_t>(first + 3);
  }
}

void ZuGraphics::mark() { gc_mark_q(batchSurface); }

void ZuGraphics::ReadWindowSize() {
  // The host makes its window's context current; without one there is nothing to measure.
  if (GLFWwindow* window = glfwGetCurrentContext()) zu_WindowSize(window, &width, &height);
}

int ZuGraphics::BeginRender() {
  ReadWindowSize();
  glViewport(0, 0, width, height);
  zu_graphics_BeginBatches(width, height, vertexBuffer, quadIndexBuffer, kQuadIndices);

  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  blendEnabled_ = true;
  additiveBlend_ = false;
  scissorKnown_ = false;
  zu_graphics_UseTexture(false);
  textureEnabled_ = false;

  batchCount = 0;
  drawCalls = 0;
  return 1;
}

void ZuGraphics::EndRender() { Flush(); }

void ZuGraphics::Cls(float r, float g, float b) {
  batchCount = 0;
  glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
}

void ZuGraphics::ChangeBlend(bool additive) {
  Flush();
  additiveBlend_ = additive;
  glBlendFunc(GL_ONE, additive ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
}

void ZuGraphics::SetScissor(int x, int y, int w, int h) {
  const bool enable = !(x == 0 && y == 0 && w == width && h == height);
  const int gl_rect[4] = {x, height - y - h, w, h};
  if (scissorKnown_ && enable == scissorEnabled_ &&
      (!enable || (gl_rect[0] == scissor_[0] && gl_rect[1] == scissor_[1] &&
                   gl_rect[2] == scissor_[2] && gl_rect[3] == scissor_[3]))) {
    return;
  }
  Flush();
  scissorKnown_ = true;
  scissorEnabled_ = enable;
  if (!enable) {
    glDisable(GL_SCISSOR_TEST);
    return;
  }
  for (int i = 0; i < 4; ++i) scissor_[i] = gl_rect[i];
  glEnable(GL_SCISSOR_TEST);
  glScissor(gl_rect[0], gl_rect[1], gl_rect[2], gl_rect[3]);
}

void ZuGraphics::StartBatch(int kind, ZuSurface* surface) {
  Flush();
  batchKind = kind;
  batchSurface = surface;
  batchBlended = false;
  batchCount = 0;
}

ZuVertex* ZuGraphics::BeginTexturedQuad(ZuSurface* surface) {
  PrepareTexture(surface);
  return Begin(ZU_BATCH_QUADS, 4, surface, false);  // the caller decides the blending
}

void ZuGraphics::Flush() {
  if (batchCount > 0) DrawBatch();
}

bool ZuGraphics::ClearedByRect(float x, float y, float w, float h) {
  if (transformed || !OpaqueColour() || !scissorKnown_ || scissorEnabled_) return false;
  if (x > 0 || y > 0 || x + w < static_cast<float>(width) || y + h < static_cast<float>(height)) {
    return false;
  }
  // Whatever the batch holds would be painted over.
  batchCount = 0;
  const float byte = 1.0f / 255.0f;
  glClearColor(static_cast<float>(vertexColor & 255) * byte,
               static_cast<float>(vertexColor >> 8 & 255) * byte,
               static_cast<float>(vertexColor >> 16 & 255) * byte, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  return true;
}

void ZuGraphics::DrawBatch() {
  if (batchBlended != blendEnabled_) {
    blendEnabled_ = batchBlended;
    if (blendEnabled_) {
      glEnable(GL_BLEND);
    } else {
      glDisable(GL_BLEND);
    }
  }
  // Texturing is switched only when it must be: each switch costs the GL a new look at its
  // whole fixed-function state.
  if (batchSurface) {
    if (!textureEnabled_) zu_graphics_UseTexture(true);
    textureEnabled_ = true;
    batchSurface->Bind();
  } else if (textureEnabled_) {
    zu_graphics_UseTexture(false);
    textureEnabled_ = false;
  }
  zu_graphics_SendVertices(vertexBuffer, batchCount);
  switch (batchKind) {
    case ZU_BATCH_POINTS:
      glDrawArrays(GL_POINTS, 0, batchCount);
      ++drawCalls;
      break;
    case ZU_BATCH_LINES:
      glDrawArrays(GL_LINES, 0, batchCount);
      ++drawCalls;
      break;
    case ZU_BATCH_TRIANGLES:
      glDrawArrays(GL_TRIANGLES, 0, batchCount);
      ++drawCalls;
      break;
    case ZU_BATCH_QUADS:
      zu_graphics_DrawQuads(quadIndexBuffer, batchCount / 4 * 6);
      ++drawCalls;
      break;
    default:
      // Only whole polygons: a short tail would make GL read past the batch.
      for (int first = 0; first + batchKind <= batchCount; first += batchKind) {
        glDrawArrays(GL_TRIANGLE_FAN, first, batchKind);
        ++drawCalls;
      }
      break;
  }
  batchCount = 0;
}
