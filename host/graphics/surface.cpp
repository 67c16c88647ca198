#include "host/graphics/surface.h"

#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/glfw_game.h"
#include "host/graphics/colour.h"
#include "host/graphics/texture_fit.h"

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

bool TryTextureSize(int internalFormat, int format, int w, int h) {
  ClearGlErrors();
  glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, w, h, 0, format, GL_UNSIGNED_BYTE, nullptr);
  return glGetError() == GL_NO_ERROR;
}

// WebGL has no intensity textures, though Emscripten's desktop GL header names the format:
// there a texture of that format is refused and the picture never shows.
#if defined(GL_INTENSITY) && !defined(__EMSCRIPTEN__)
constexpr bool kIntensityTextures = true;
constexpr int kIntensityFormat = GL_INTENSITY;
#else
constexpr bool kIntensityTextures = false;
constexpr int kIntensityFormat = 0;
#endif

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
  textureFormat_ = 0;
  packed_ = false;
  if (pixels) zu_graphics_PremultiplyPixels(pixels, static_cast<int64_t>(w) * h, d);
  opaque_.Build(pixels, w, h, d);
  if (TextureIsCurrent()) textureOutdated_ = true;
}

void ZuSurface::SetSubData(int x, int y, int w, int h, const int* src, int pitch) {
  if ((glFormat != GL_RGBA && !packed_) || w <= 0 || h <= 0) return;
  if (x < 0 || y < 0 || x > width - w || y > height - h) return;
  if (!pixels) {
    pixels = static_cast<unsigned char*>(std::calloc(static_cast<size_t>(width) * height, 4));
    if (!pixels) return;
    if (packed_ || trimmed_) RecoverFittedPicture();
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
    glBindTexture(GL_TEXTURE_2D, textureName);
    UploadRows(x, y, w, h);
  }
}

// A picture about to be written into takes its whole RGBA form back: the new copy gets what
// the fitted texture holds (where the GL can read a texture back), and the texture is made
// again from the copy at the next bind.
void ZuSurface::RecoverFittedPicture() {
#ifndef __EMSCRIPTEN__
  if (TextureIsCurrent()) {
    std::vector<unsigned char> texels(static_cast<size_t>(textureWidth_) * textureHeight_ * 4);
    glBindTexture(GL_TEXTURE_2D, textureName);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    const size_t rowBytes = static_cast<size_t>(textureWidth_ < width ? textureWidth_ : width) * 4;
    for (int y = 0; y < height && y < textureHeight_; ++y) {
      std::memcpy(pixels + static_cast<size_t>(y) * width * 4,
                  texels.data() + static_cast<size_t>(y) * textureWidth_ * 4, rowBytes);
    }
    // Read back as RGBA, grey comes as red alone (and intensity's alpha is the grey too).
    if (packed_) {
      for (size_t i = 0; i < static_cast<size_t>(width) * height * 4; i += 4) {
        pixels[i + 1] = pixels[i + 2] = pixels[i];
        if (depth == 1) pixels[i + 3] = pixels[i];
      }
    }
  }
#endif
  depth = 4;
  glFormat = GL_RGBA;
  textureFormat_ = GL_RGBA;
  packed_ = false;
  trimmed_ = false;
  textureOutdated_ = true;
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
    texture_w = zu_graphics_TextureSide(pixels, width, height, depth, true);
    texture_h = zu_graphics_TextureSide(pixels, width, height, depth, false);
    if (depth == 4) PackPixels();
  }
  if (textureFormat_ == 0) textureFormat_ = glFormat;
  if (!TryTextureSize(textureFormat_, glFormat, texture_w, texture_h)) {
    // Past the picture such a texture holds undefined texels, so it takes the whole picture.
    texture_w = zu_graphics_PowerOfTwoSide(width);
    texture_h = zu_graphics_PowerOfTwoSide(height);
    glTexImage2D(GL_TEXTURE_2D, 0, textureFormat_, texture_w, texture_h, 0, glFormat,
                 GL_UNSIGNED_BYTE, nullptr);
  }
  const int upload_w = texture_w < width ? texture_w : width;
  const int upload_h = texture_h < height ? texture_h : height;
  textureWidth_ = texture_w;
  textureHeight_ = texture_h;
  trimmed_ = texture_w < width || texture_h < height;
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

// Rewrites white or grey RGBA pixels in place in fewer bytes a pixel, as the texture is to
// hold them: white as intensity (one byte, sampled as four equal values), grey as grey +
// alpha.
void ZuSurface::PackPixels() {
  depth = zu_graphics_PackPixels(pixels, static_cast<size_t>(width) * height, kIntensityTextures);
  glFormat = FormatForDepth(depth);
  packed_ = depth < 4;
  if (kIntensityTextures && depth == 1) textureFormat_ = kIntensityFormat;
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
