#include "host/graphics/image_data.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "host/files.h"
#include "host/gc.h"
#include "stb_image.h"

namespace {

struct FreeDeleter {
  void operator()(unsigned char* block) const { std::free(block); }
};
using Block = std::unique_ptr<unsigned char, FreeDeleter>;

// Every later size computation (texture upload, pixel copies, the collector's count) is done
// in int, so a picture must fit in one.
bool FitsInt(int width, int height, int depth) {
  if (width <= 0 || height <= 0 || depth < 1 || depth > 4) return false;
  return static_cast<int64_t>(width) * height * depth <= INT_MAX;
}

// The art is PNG. The library's other decoders (JPEG, TGA, ...) write out of bounds on
// crafted files of a few dozen bytes, so no other kind of file reaches it.
bool IsPng(const unsigned char* data, int length) {
  static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return length >= 8 && std::memcmp(data, kSignature, 8) == 0;
}

}  // namespace

unsigned char* zu_graphics_DecodeImage(const unsigned char* data, int length, int* width,
                                      int* height, int* depth) {
  if (data == nullptr || !IsPng(data, length)) return nullptr;
  // The header alone says how large the picture is; refuse before decoding anything. The
  // header's channel count may be lower than the decoded one (a palette gains its alpha
  // later), so the check assumes the widest pixel.
  int w = 0, h = 0, header_channels = 0;
  if (!stbi_info_from_memory(data, length, &w, &h, &header_channels)) return nullptr;
  if (!FitsInt(w, h, 4)) return nullptr;

  int channels = 0;
  Block pixels(stbi_load_from_memory(data, length, &w, &h, &channels, 0));
  if (!pixels || !FitsInt(w, h, channels)) return nullptr;

  *width = w;
  *height = h;
  *depth = channels;
  gc_ext_malloced(w * h * channels);
  return pixels.release();
}

unsigned char* zu_graphics_LoadImageData(const String& path, int* width, int* height, int* depth) {
  int length = 0;
  Block file(zu_files_LoadData(path, &length));
  if (!file) return nullptr;
  return zu_graphics_DecodeImage(file.get(), length, width, height, depth);
}
