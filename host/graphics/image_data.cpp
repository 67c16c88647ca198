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

uint32_t BigEndian32(const unsigned char* at) {
  return static_cast<uint32_t>(at[0]) << 24 | at[1] << 16 | at[2] << 8 | at[3];
}

// The decoder sizes its buffers from what the file claims before reading what it holds: the
// picture data from each data chunk's length, the picture from the header. So a file of a
// few bytes could cost gigabytes of allocation before turning out short. Refused here: a
// chunk reaching past the file, and a header announcing more pixels than the data chunks
// could inflate to (deflate expands at most 1032 times).
bool ClaimsFitTheFile(const unsigned char* data, int length) {
  constexpr int64_t kHeaderEnd = 8 + 8 + 13;  // signature, header chunk's length and type, fields
  if (length < kHeaderEnd || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
  int64_t pictureData = 0;
  int64_t at = 8;
  while (length - at >= 8) {
    const uint32_t size = BigEndian32(data + at);
    if (12 + static_cast<int64_t>(size) > length - at) return false;  // length, type, CRC
    if (std::memcmp(data + at + 4, "IDAT", 4) == 0) pictureData += size;
    if (std::memcmp(data + at + 4, "IEND", 4) == 0) break;
    at += 12 + static_cast<int64_t>(size);
  }
  // Channels by colour type (grey, -, RGB, palette, grey + alpha, -, RGBA); others fail later.
  static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  const int colourType = data[25];
  const int bitsPerPixel = data[24] * (colourType < 7 ? kChannels[colourType] : 0);
  if (bitsPerPixel == 0) return true;
  const uint64_t pixels = static_cast<uint64_t>(BigEndian32(data + 16)) * BigEndian32(data + 20);
  const auto inflatable = static_cast<uint64_t>(1032 * pictureData + 4096);
  return pixels / 8 <= inflatable / static_cast<uint64_t>(bitsPerPixel);
}

}  // namespace

unsigned char* zu_graphics_DecodeImage(const unsigned char* data, int length, int* width,
                                      int* height, int* depth) {
  if (data == nullptr || !IsPng(data, length) || !ClaimsFitTheFile(data, length)) return nullptr;
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
