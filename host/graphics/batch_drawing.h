// The GL calls that set up and draw the renderer's vertex batch, the part of the renderer
// that differs between GLs: the desktop draws from client arrays through fixed-function
// OpenGL, the browser streams the batch into one WebGL buffer drawn by one shader pair.
#pragma once

#include <cstdint>

struct ZuVertex;

// Where the GL tells an untextured quad from a textured one by its texture coordinates,
// untextured quads join the batch of the textured quads around them instead of breaking it
// (a menu that puts rectangles between sprites costs one draw, not dozens). The browser's
// shader shows a vertex whose u is zu_graphics_kUntexturedU in its colour alone; the
// desktop's fixed-function GL textures a whole batch or none of it.
#ifdef __EMSCRIPTEN__
constexpr bool zu_graphics_kMixedQuadBatches = true;
#else
constexpr bool zu_graphics_kMixedQuadBatches = false;
#endif
constexpr float zu_graphics_kUntexturedU = -65536.0f;

// Window pixels as coordinates (origin top left, y down) over a width × height viewport,
// and the arrays of `vertices` as the source of the frame's draws. `quadIndices` is the
// renderer's table of two triangles a quad; it does not change.
void zu_graphics_BeginBatches(int width, int height, const ZuVertex* vertices,
                              const uint16_t* quadIndices, int quadIndexCount);
// Texturing by the bound texture on or off for the batches that follow.
void zu_graphics_UseTexture(bool textured);
// Hands the GL the first `count` vertices before they are drawn.
void zu_graphics_SendVertices(const ZuVertex* vertices, int count);
// Draws the sent vertices as quads, `indexCount` entries of the quad index table.
void zu_graphics_DrawQuads(const uint16_t* quadIndices, int indexCount);
// Reads a window rectangle (GL's bottom-up rows) as 0xAARRGGBB ints.
void zu_graphics_ReadArgb(int x, int y, int w, int h, uint32_t* out);
