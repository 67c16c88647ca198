// The GL calls that set up and draw the renderer's vertex batch, the part of the renderer
// that differs between GLs: the desktop draws from client arrays through fixed-function
// OpenGL, the browser streams the batch into one WebGL buffer drawn by one shader pair.
#pragma once

#include <cstdint>

struct ZuVertex;

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
