// The native build links Debian's libstb; the browser build compiles the image decoder and
// the screenshot writer the host uses from the same headers.
#define STB_IMAGE_IMPLEMENTATION
#include "stb_image.h"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include "stb_image_write.h"
