/* stb_image compiled into the image fuzz target itself, from the same Debian header the
   program's shared libstb is built from, so that the fuzzer sees its branches and the
   sanitizers check its memory accesses. */
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"
