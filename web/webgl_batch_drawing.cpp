// The batch on WebGL 1: one vertex buffer the batch is streamed into, one index buffer of
// the quad table, and one vertex shader with two fragment shaders that do what the desktop's
// fixed-function pipeline does with the same vertices (colour times texel, or colour alone).
// The textured one also draws the untextured quads a batch mixes in (see
// zu_graphics_kMixedQuadBatches). Emscripten's emulation of the fixed-function GL costs a
// phone's CPU most of a frame; this path costs little.
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
varying float v_untextured;
void main() {
  gl_Position = projection * vec4(position, 0.0, 1.0);
  gl_PointSize = 1.0;
  v_texCoord = texCoord;
  v_colour = colour;
  v_untextured = step(texCoord.x, -32768.0);  // 1 for zu_graphics_kUntexturedU
}
)";

// Two fragment shaders rather than one with a switch: a software rasteriser may run both
// sides of a branch for every pixel.
const char* const kTexturedFragmentShader = R"(
precision mediump float;
uniform sampler2D picture;
varying vec2 v_texCoord;
varying vec4 v_colour;
varying float v_untextured;
void main() {
  // An untextured vertex's texel counts as white.
  gl_FragColor = v_colour * max(texture2D(picture, v_texCoord), vec4(v_untextured));
}
)";

const char* const kPlainFragmentShader = R"(
precision mediump float;
varying vec4 v_colour;
void main() {
  gl_FragColor = v_colour;
}
)";

struct Program {
  GLuint name = 0;
  GLint projection = -1;
};

// The GL objects of the current context; made again for a window opened later.
struct Pipeline {
  int graphicsSeq = 0;
  Program textured;
  Program plain;
  GLuint vertexBuffer = 0;
  GLuint indexBuffer = 0;
  int width = 0, height = 0;  // the projection's
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

Program LinkedProgram(const char* fragmentSource) {
  Program program;
  program.name = glCreateProgram();
  const GLuint vertex = CompiledShader(GL_VERTEX_SHADER, kVertexShader);
  const GLuint fragment = CompiledShader(GL_FRAGMENT_SHADER, fragmentSource);
  glAttachShader(program.name, vertex);
  glAttachShader(program.name, fragment);
  glBindAttribLocation(program.name, kPosition, "position");
  glBindAttribLocation(program.name, kTexCoord, "texCoord");
  glBindAttribLocation(program.name, kColour, "colour");
  glLinkProgram(program.name);
  glDeleteShader(vertex);
  glDeleteShader(fragment);
  program.projection = glGetUniformLocation(program.name, "projection");
  return program;
}

void MakePipeline(const uint16_t* quadIndices, int quadIndexCount) {
  pipeline = Pipeline{};
  pipeline.graphicsSeq = glfwGraphicsSeq;
  pipeline.textured = LinkedProgram(kTexturedFragmentShader);
  pipeline.plain = LinkedProgram(kPlainFragmentShader);
  glUseProgram(pipeline.textured.name);
  glUniform1i(glGetUniformLocation(pipeline.textured.name, "picture"), 0);
  glGenBuffers(1, &pipeline.vertexBuffer);
  glGenBuffers(1, &pipeline.indexBuffer);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, pipeline.indexBuffer);
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, sizeof(uint16_t) * quadIndexCount, quadIndices,
               GL_STATIC_DRAW);
  glBindBuffer(GL_ARRAY_BUFFER, pipeline.vertexBuffer);
  glBufferData(GL_ARRAY_BUFFER, sizeof(ZuVertex) * ZuGraphics::kBatchVertices, nullptr,
               GL_STREAM_DRAW);
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
}

}  // namespace

// Nothing else in the program binds buffers or sets vertex attributes, so they stay as the
// pipeline left them; only a new window size changes the projection.
void zu_graphics_BeginBatches(int width, int height, const ZuVertex*,
                              const uint16_t* quadIndices, int quadIndexCount) {
  if (pipeline.graphicsSeq != glfwGraphicsSeq) MakePipeline(quadIndices, quadIndexCount);
  if (width == pipeline.width && height == pipeline.height) return;
  pipeline.width = width;
  pipeline.height = height;
  // The orthographic projection of left 0, right width, bottom height, top 0, near -1,
  // far 1, column by column.
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const GLfloat projection[16] = {2.0f / w, 0, 0, 0, 0, -2.0f / h, 0, 0,
                                  0,        0, -1, 0, -1, 1,       0, 1};
  for (const Program& program : {pipeline.textured, pipeline.plain}) {
    glUseProgram(program.name);
    glUniformMatrix4fv(program.projection, 1, GL_FALSE, projection);
  }
}

void zu_graphics_UseTexture(bool textured) {
  glUseProgram(textured ? pipeline.textured.name : pipeline.plain.name);
}

// Every batch rewrites the start of one buffer a full batch long: in Chromium this costs the
// page's main thread a third of what fresh storage a batch (bufferData) does, and a buffer an
// earlier draw still reads is the GPU process's concern, not the page's.
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
