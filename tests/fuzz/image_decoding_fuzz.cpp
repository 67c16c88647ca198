// Image files as the renderer decodes them (on the CPU; no texture is made).
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/graphics/image_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > INT_MAX) return 0;
  int width = -1, height = -1, depth = -1;
  unsigned char* pixels = zu_graphics_DecodeImage(data, static_cast<int>(size), &width, &height, &depth);
  if (pixels == nullptr) {
    if (width != -1 || height != -1 || depth != -1) std::abort();
    return 0;
  }
  if (width <= 0 || height <= 0 || depth < 1 || depth > 4) std::abort();
  // Touch the last pixel byte: the buffer must be as large as the sizes say.
  volatile unsigned char last = pixels[static_cast<std::size_t>(width) * height * depth - 1];
  (void)last;
  std::free(pixels);
  return 0;
}
