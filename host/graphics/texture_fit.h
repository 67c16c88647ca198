// How a picture that is not written into again fits its texture in the least memory, with
// nothing drawing could tell apart from the whole RGBA picture: a fully transparent right or
// bottom part left out, white or grey pictures in fewer bytes a pixel.
#pragma once

#include <cstddef>

// The texture's side for a picture side (columns: `columns` true; rows: false): the side
// halved while the half still ends in a fully transparent line. Sampling past a texture's
// edge reads its last line, which then adds nothing to the screen; halving keeps texture
// coordinates (pixel positions times 1 / side) exact multiples of the whole side's, so every
// pixel samples the texel it did. Pixels are rows top first, `depth` bytes each; depths 1
// and 3 have no alpha and keep their sides.
int zu_graphics_TextureSide(const unsigned char* pixels, int width, int height, int depth,
                            bool columns);

// The bytes a pixel `count` premultiplied RGBA pixels can be held in: 1 when every pixel is
// white at its own alpha (r = g = b = a, which an intensity texture samples alike), 2 when
// every pixel is grey (r = g = b: grey + alpha), else 4. With 1 or 2 the pixels are rewritten
// in place as such values; `oneByte` false allows 2 at the least.
int zu_graphics_PackPixels(unsigned char* pixels, size_t count, bool oneByte);
