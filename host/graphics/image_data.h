// Decoding image files into the pixel buffers that surfaces adopt.
#pragma once

#include "host/string.h"

// Decodes the PNG file at `path` (virtual data paths allowed) in its own channel count:
// 1 grey, 2 grey + alpha, 3 RGB, 4 RGBA, rows top first. Returns a buffer from the system
// allocator (release with std::free) and fills width, height and depth; null, with the
// outputs untouched, when the file is missing, is not a PNG, cannot be decoded, or is so
// large that width x height x depth does not fit an int.
unsigned char* zu_graphics_LoadImageData(const String& path, int* width, int* height, int* depth);
// The same decoding of a file's bytes already in memory.
unsigned char* zu_graphics_DecodeImage(const unsigned char* data, int length, int* width,
                                      int* height, int* depth);
