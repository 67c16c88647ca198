// The native build links Debian's libstb; the browser build compiles the two decoders the
// host uses from the same headers.
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"
#include "stb_vorbis.h"
