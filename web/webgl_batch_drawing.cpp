// The batch on WebGL 1: one vertex buffer the batch is streamed into, one index buffer of
// the quad table, and one shader pair that does what the desktop's fixed-function pipeline
// does with the same vertices (colour times texel, or colour alone). Emscripten's emulation
// of the fixed-function GL costs a phone's CPU most of a frame; this path costs little.
#include <GLES2/gl2.h>

#include <cstddef>
#include <cstdio>

#include "host/glfw_game.h"
#include "host/graphics/batch_drawing.h"
#include "host/graphics/renderer.h"

namespace {

constexpr GLuint kPosition = 0, kTexCoord = 1, kColour = 2;

const char* const kVertexShader = R"(
uniform mat4 projection;
attribute vec2 position;
attribute vec2 texCoord;
attribute vec4 colour;
varying vec2 v_texCoord;
varying vec4 v_colour;
void main() {
  gl_Position = projection * vec4(position, 0.0, 1.0);
  gl_PointSize = 1.0;
  v_texCoord = texCoord;
  v_colour = colour;
}
)";

const char* const kFragmentShader = R"(
precision mediump float;
uniform bool textured;
uniform sampler2D picture;
varying vec2 v_texCoord;
varying vec4 v_colour;
void main() {
  gl_FragColor = textured ? v_colour * texture2D(picture, v_texCoord) : v_colour;
}
)";

// The GL objects of the current context; made again for a window opened later.
struct Pipeline {
  int graphicsSeq = 0;
  GLuint program = 0;
  GLuint vertexBuffer = 0;
  GLuint indexBuffer = 0;
  GLint projection = -1;
  GLint textured = -1;
};
Pipeline pipeline;

GLuint CompiledShader(GLenum kind, const char* source) {
  const GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint compiled = GL_FALSE;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
  if (!compiled) {
    char log[512] = "";
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    std::fprintf(stderr, "zandrel: the WebGL shader does not compile: %s\n", log);
  }
  return shader;
}

void MakePipeline(const uint16_t* quadIndices, int quadIndexCount) {
  pipeline.graphicsSeq = glfwGraphicsSeq;
  pipeline.program = glCreateProgram();
  const GLuint vertex = CompiledShader(GL_VERTEX_SHADER, kVertexShader);
  const GLuint fragment = CompiledShader(GL_FRAGMENT_SHADER, kFragmentShader);
  glAttachShader(pipeline.program, vertex);
  glAttachShader(pipeline.program, fragment);
  glBindAttribLocation(pipeline.program, kPosition, "position");
  glBindAttribLocation(pipeline.program, kTexCoord, "texCoord");
  glBindAttribLocation(pipeline.program, kColour, "colour");
  glLinkProgram(pipeline.program);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  pipeline.projection = glGetUniformLocation(pipeline.program, "projection");
  pipeline.textured = glGetUniformLocation(pipeline.program, "textured");
  glUseProgram(pipeline.program);
  glUniform1i(glGetUniformLocation(pipeline.program, "picture"), 0);

  glGenBuffers(1, &pipeline.vertexBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, pipeline.vertexBuffer);
  glBufferData(GL_ARRAY_BUFFER, sizeof(ZuVertex) * ZuGraphics::kBatchVertices, nullptr,
               GL_STREAM_DRAW);
  glGenBuffers(1, &pipeline.indexBuffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, pipeline.indexBuffer);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(uint16_t) * quadIndexCount, quadIndices,
               GL_STATIC_DRAW);
}

}  // namespace

void zu_graphics_BeginBatches(int width, int height, const ZuVertex*,
                              const uint16_t* quadIndices, int quadIndexCount) {
  if (pipeline.graphicsSeq != glfwGraphicsSeq) MakePipeline(quadIndices, quadIndexCount);
  glUseProgram(pipeline.program);
  glBindBuffer(GL_ARRAY_BUFFER, pipeline.vertexBuffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, pipeline.indexBuffer);
  glEnableVertexAttribArray(kPosition);
  glEnableVertexAttribArray(kTexCoord);
  glEnableVertexAttribArray(kColour);
  const auto stride = static_cast<GLsizei>(sizeof(ZuVertex));
  glVertexAttribPointer(kPosition, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(ZuVertex, x)));
  glVertexAttribPointer(kTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                        reinterpret_cast<const void*>(offsetof(ZuVertex, u)));
  glVertexAttribPointer(kColour, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                        reinterpret_cast<const void*>(offsetof(ZuVertex, color)));
  // The orthographic projection of left 0, right width, bottom height, top 0, near -1,
  // far 1, column by column.
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const GLfloat projection[16] = {2.0f / w, 0, 0, 0, 0, -2.0f / h, 0, 0,
                                  0,        0, -1, 0, -1, 1,       0, 1};
  glUniformMatrix4fv(pipeline.projection, 1, GL_FALSE, projection);
}

void zu_graphics_UseTexture(bool textured) { glUniform1i(pipeline.textured, textured ? 1 : 0); }

void zu_graphics_SendVertices(const ZuVertex* vertices, int count) {
  glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(sizeof(ZuVertex)) * count,
                  vertices);
}

void zu_graphics_DrawQuads(const uint16_t*, int indexCount) {
  glDrawElements(GL_TRIANGLES, indexCount, GL_UNSIGNED_SHORT, nullptr);
}

// WebGL reads only RGBA bytes; the ints want B, G, R, A in memory.
void zu_graphics_ReadArgb(int x, int y, int w, int h, uint32_t* out) {
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, out);
  auto* bytes = reinterpret_cast<unsigned char*>(out);
  for (long i = 0, n = static_cast<long>(w) * h * 4; i < n; i += 4) {
    const unsigned char red = bytes[i];
    bytes[i] = bytes[i + 2];
    bytes[i + 2] = red;
  }
}
