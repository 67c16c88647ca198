// The renderer's image: a GL texture made from pixels in system memory. The pixels are let
// go once the texture holds them, unless the surface is written piecewise (SetSubData),
// which keeps its copy to write into. A texture made from pixels that are let go holds only
// what drawing needs: no fully transparent right or bottom part it can do without, white or
// grey pictures in fewer bytes a pixel. The texture belongs to the GL objects of the window
// it was made in, which the host's next window shares; a window that does not share them
// makes the texture again on next use, from the pixels if they were kept (blank if not).
#pragma once

#include <cstdint>

#include "host/gc.h"
#include "host/graphics/opaque_map.h"

class ZuSurface : public Object {
 public:
  ~ZuSurface() override;

  // Deletes the texture (if it belongs to the current context) and frees the pixels.
  virtual void Discard();
  virtual int Width() { return width; }
  virtual int Height() { return height; }
  // Loading is synchronous: always 1.
  virtual int Loaded() { return 1; }
  // Does what Bind does: makes the texture once the pixels are in place.
  virtual void OnUnsafeLoadComplete() { Bind(); }

  // Adopts a buffer from the system allocator (freed with std::free) of `width` x `height`
  // pixels of `depth` bytes (1 grey, 2 grey + alpha, 3 RGB, 4 RGBA), premultiplying it in
  // place. Any previous buffer is freed; a live texture is refilled at the next bind.
  void SetData(unsigned char* data, int width, int height, int depth);
  // Writes a w x h rectangle of 0xAARRGGBB ints at (x, y), premultiplied, into an RGBA
  // surface; source row r starts at src + r·pitch. A live texture gets the rectangle too.
  // Ignored for other formats and for rectangles not inside the surface. A picture
  // whose texture holds it fitted (trimmed or packed) is first read back from it whole.
  void SetSubData(int x, int y, int w, int h, const int* src, int pitch);
  // Makes the texture current, creating it (from the pixels) when this context has none.
  void Bind();
  // True when the texture exists in the current GL context.
  bool TextureIsCurrent() const;
  // True when the next Bind will (re)make the texture, and with it the texture scales.
  bool NeedsTexture() const { return !TextureIsCurrent() || textureOutdated_; }
  // True when every texel that drawing the rectangle (x, y, w, h) can sample is opaque: the
  // rectangle and, against rounding at its edges, one texel around it (which the texture
  // clamps to the picture's edge when it is the picture's own size).
  bool SampledRectOpaque(int x, int y, int w, int h) const;

  unsigned char* pixels = nullptr;  // rows top first, `depth` bytes a pixel; null once let go
  int width = 0;
  int height = 0;
  int depth = 0;             // lower once the texture holds a white or grey RGBA picture
  int glFormat = 0;
  int textureSeq = -1;      // glfwGraphicsSeq when the texture was made; -1: none
  uint32_t textureName = 0;
  float uScale = 0.0f;      // 1 / texture width: texture coordinates are pixels times these
  float vScale = 0.0f;      // 1 / texture height

 private:
  void DefineTexture();
  void PackPixels();
  void RecoverFittedPicture();
  void UploadRows(int x, int y, int w, int h);

  bool textureOutdated_ = false;  // the pixels were replaced after the texture was made
  bool keepPixels_ = false;       // written piecewise: the copy stays
  int textureFormat_ = 0;         // the texture's internal format; 0 until it is first made
  bool packed_ = false;           // an RGBA picture held in fewer bytes a pixel
  bool trimmed_ = false;          // the texture leaves out a transparent right or bottom part
  int textureWidth_ = 0;
  int textureHeight_ = 0;
  ZuOpaqueMap opaque_;
};
