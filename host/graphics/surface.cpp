#include "host/graphics/surface.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include <cstdlib>

#include "host/glfw_game.h"
#include "host/graphics/colour.h"

namespace {

int FormatForDepth(int depth) {
  switch (depth) {
    case 1: return GL_LUMINANCE;
    case 2: return GL_LUMINANCE_ALPHA;
    case 3: return GL_RGB;
    default: return GL_RGBA;
  }
}

// An error left over from an earlier call must not be taken for a refusal of ours.
void ClearGlErrors() {
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
  }
}

bool TryTextureSize(int format, int w, int h) {
  ClearGlErrors();
  glTexImage2D(GL_TEXTURE_2D, 0, format, w, h, 0, format, GL_UNSIGNED_BYTE, nullptr);
  return glGetError() == GL_NO_ERROR;
}

// The number of columns (or rows) from the start up to and including the last one holding a
// pixel that is not fully transparent. Pictures without alpha are opaque throughout.
int CoveredColumns(const unsigned char* pixels, int width, int height, int depth) {
  if (depth != 2 && depth != 4) return width;
  int covered = 0;
  for (int y = 0; y < height && covered < width; ++y) {
    const unsigned char* alpha = pixels + static_cast<size_t>(y) * width * depth + depth - 1;
    for (int x = width - 1; x >= covered; --x) {
      if (alpha[static_cast<size_t>(x) * depth] != 0) {
        covered = x + 1;
        break;
      }
    }
  }
  return covered;
}

int CoveredRows(const unsigned char* pixels, int width, int height, int depth) {
  if (depth != 2 && depth != 4) return height;
  for (int y = height - 1; y >= 0; --y) {
    const unsigned char* alpha = pixels + static_cast<size_t>(y) * width * depth + depth - 1;
    for (int x = 0; x < width; ++x) {
      if (alpha[static_cast<size_t>(x) * depth] != 0) return y + 1;
    }
  }
  return 0;
}

// A picture whose right or bottom part is fully transparent needs no texels there: a texture
// of half the side (or a quarter, ...) that still ends in a transparent line draws the same,
// since what is sampled past its edge is that line, and it adds nothing to the screen. Halving
// only keeps texture coordinates (pixel positions times 1 / side) exact multiples of the
// full-size ones, so every pixel samples the texel it did.
int TextureSide(int side, int covered) {
  while (side % 2 == 0 && covered < side / 2) side /= 2;
  return side;
}

// A texture holds grey pictures (white shapes the drawing colour tints, the font) in half
// the memory as grey + alpha, which samples as the same four values. The RGBA pixels are
// rewritten in place as such pairs when every pixel is grey; false leaves them as they were.
bool PackGreyPixels(unsigned char* pixels, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* p = pixels + 4 * i;
    if (p[0] != p[1] || p[0] != p[2]) return false;
  }
  for (size_t i = 0; i < count; ++i) {
    pixels[2 * i] = pixels[4 * i];
    pixels[2 * i + 1] = pixels[4 * i + 3];
  }
  return true;
}

}  // namespace

ZuSurface::~ZuSurface() { Discard(); }

bool ZuSurface::TextureIsCurrent() const {
  if (glfwGraphicsSeq == 0 || textureSeq <= 0) return false;
  if (textureSeq == glfwGraphicsSeq) return true;
  return glfwSharedSeqTo == glfwGraphicsSeq && textureSeq >= glfwSharedSeqFrom &&
         textureSeq < glfwGraphicsSeq;
}

void ZuSurface::Discard() {
  // The collector may destroy a surface when no context is current (or after the window
  // closed); deleting then would reach a context that is gone.
  if (TextureIsCurrent() && glfwGetCurrentContext()) glDeleteTextures(1, &textureName);
  if (TextureIsCurrent()) textureSeq = -1;
  std::free(pixels);
  pixels = nullptr;
}

void ZuSurface::SetData(unsigned char* data, int w, int h, int d) {
  if (data != pixels) std::free(pixels);
  pixels = data;
  width = w;
  height = h;
  depth = d;
  glFormat = FormatForDepth(d);
  if (pixels) zu_graphics_PremultiplyPixels(pixels, static_cast<int64_t>(w) * h, d);
  opaque_.Build(pixels, w, h, d);
  if (TextureIsCurrent()) textureOutdated_ = true;
}

void ZuSurface::SetSubData(int x, int y, int w, int h, const int* src, int pitch) {
  if (glFormat != GL_RGBA || w <= 0 || h <= 0) return;
  if (x < 0 || y < 0 || x > width - w || y > height - h) return;
  if (!pixels) {
    pixels = static_cast<unsigned char*>(std::calloc(static_cast<size_t>(width) * height, 4));
    if (!pixels) return;
  }
  keepPixels_ = true;
  for (int row = 0; row < h; ++row) {
    const int* in = src + static_cast<ptrdiff_t>(row) * pitch;
    unsigned char* out = pixels + (static_cast<size_t>(y + row) * width + x) * 4;
    for (int col = 0; col < w; ++col, out += 4) {
      zu_graphics_StoreArgb(in[col], out);
      opaque_.Set(x + col, y + row, out[3] == 255);
    }
  }
  opaque_.ForgetAnswers();
  if (TextureIsCurrent() && !textureOutdated_) {
    if (textureWidth_ < width || textureHeight_ < height) {
      // The texture left out a transparent part, which may be what is written now.
      textureOutdated_ = true;
      return;
    }
    glBindTexture(GL_TEXTURE_2D, textureName);
    UploadRows(x, y, w, h);
  }
}

void ZuSurface::Bind() {
  if (glfwGraphicsSeq == 0) return;
  if (TextureIsCurrent()) {
    textureSeq = glfwGraphicsSeq;  // carried into the window that shares it
    glBindTexture(GL_TEXTURE_2D, textureName);
    if (textureOutdated_) DefineTexture();
    return;
  }
  textureSeq = glfwGraphicsSeq;
  glGenTextures(1, &textureName);
  glBindTexture(GL_TEXTURE_2D, textureName);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  DefineTexture();
}

// Defines the bound texture at the image's size (less a fully transparent right or bottom
// part), or at power-of-two sides when the GL refuses that size, and fills it from the
// pixels, top-left corner first.
void ZuSurface::DefineTexture() {
  textureOutdated_ = false;
  int texture_w = width;
  int texture_h = height;
  // A copy that stays is written into anywhere later, so its texture keeps the whole picture.
  if (pixels && !keepPixels_) {
    texture_w = TextureSide(width, CoveredColumns(pixels, width, height, depth));
    texture_h = TextureSide(height, CoveredRows(pixels, width, height, depth));
    if (depth == 4 && PackGreyPixels(pixels, static_cast<size_t>(width) * height)) {
      depth = 2;
      glFormat = GL_LUMINANCE_ALPHA;
    }
  }
  if (!TryTextureSize(glFormat, texture_w, texture_h)) {
    // Past the picture such a texture holds undefined texels, so it takes the whole picture.
    texture_w = zu_graphics_PowerOfTwoSide(width);
    texture_h = zu_graphics_PowerOfTwoSide(height);
    glTexImage2D(GL_TEXTURE_2D, 0, glFormat, texture_w, texture_h, 0, glFormat,
                 GL_UNSIGNED_BYTE, nullptr);
  }
  const int upload_w = texture_w < width ? texture_w : width;
  const int upload_h = texture_h < height ? texture_h : height;
  textureWidth_ = texture_w;
  textureHeight_ = texture_h;
  // An empty surface still gets finite scales, so drawing it cannot produce NaN corners.
  uScale = 1.0f / static_cast<float>(texture_w > 0 ? texture_w : 1);
  vScale = 1.0f / static_cast<float>(texture_h > 0 ? texture_h : 1);
  if (pixels && upload_w > 0 && upload_h > 0) UploadRows(0, 0, upload_w, upload_h);
  // Nothing reads the pixels of a picture back once the texture holds them; only a surface
  // written piecewise keeps its copy, to write into.
  if (!keepPixels_) {
    std::free(pixels);
    pixels = nullptr;
  }
}

// Uploads a rectangle of the kept pixels, whose rows are one surface width apart, into the
// bound texture.
void ZuSurface::UploadRows(int x, int y, int w, int h) {
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  const unsigned char* first = pixels + (static_cast<size_t>(y) * width + x) * depth;
#ifdef __EMSCRIPTEN__
  // WebGL 1 knows no row length: a rectangle narrower than the surface goes row by row.
  const int rows = w == width ? 1 : h;
  const int rowHeight = w == width ? h : 1;
  for (int row = 0; row < rows; ++row) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y + row, w, rowHeight, glFormat, GL_UNSIGNED_BYTE,
                    first + static_cast<size_t>(row) * width * depth);
  }
#else
  glPixelStorei(GL_UNPACK_ROW_LENGTH, width);
  glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, glFormat, GL_UNSIGNED_BYTE, first);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
#endif
}

bool ZuSurface::SampledRectOpaque(int x, int y, int w, int h) const {
  int left = x - 1, top = y - 1, right = x + w + 1, bottom = y + h + 1;
  // A texture no larger than the picture clamps to the picture's texels (one left out at
  // the right or bottom is transparent, and so is what the map says for that part).
  if (textureWidth_ <= width && textureHeight_ <= height) {
    left = left < 0 ? 0 : left;
    top = top < 0 ? 0 : top;
    right = right > width ? width : right;
    bottom = bottom > height ? height : bottom;
  }
  return opaque_.RectOpaque(left, top, right - left, bottom - top);
}
