// The renderer's pixel traffic: surfaces from files or blank, reading the window back and
// writing ints into surfaces.
#include <cstdint>
#include <vector>

#include "host/graphics/batch_drawing.h"
#include "host/graphics/image_data.h"
#include "host/graphics/renderer.h"
#include "host/report.h"

namespace {

// True when rows 0..h-1 of w ints, row i starting at offset + i·pitch, all lie inside an
// array of `length` ints. The row starts are linear in i, so the first and last rows bound
// them all.
bool RowsFit(int length, int w, int h, int offset, int pitch) {
  if (w <= 0 || h <= 0) return false;
  const int64_t first = offset;
  const int64_t last = offset + static_cast<int64_t>(h - 1) * pitch;
  const int64_t lowest = first < last ? first : last;
  const int64_t highest = first < last ? last : first;
  return lowest >= 0 && highest + w <= length;
}

}  // namespace

ZuSurface* ZuGraphics::LoadSurface(const String& path) {
  ZuSurface* surface = gc_new<ZuSurface>();
  if (!LoadSurface__UNSAFE__(surface, path)) return nullptr;
  surface->Bind();
  return surface;
}

ZuSurface* ZuGraphics::CreateSurface(int w, int h) {
  ZuSurface* surface = gc_new<ZuSurface>();
  surface->SetData(nullptr, w > 0 ? w : 0, h > 0 ? h : 0, 4);
  surface->Bind();
  return surface;
}

bool ZuGraphics::LoadSurface__UNSAFE__(ZuSurface* surface, const String& path) {
  int w = 0, h = 0, depth = 0;
  // The desktop host's LoadImageData is this same decoder; calling it directly keeps
  // loading independent of which host object (or none) is running.
  unsigned char* data = zu_graphics_LoadImageData(path, &w, &h, &depth);
  if (!data) return false;
  surface->SetData(data, w, h, depth);
  return true;
}

void ZuGraphics::ReadPixels(const Array<int>& pixels, int x, int y, int w, int h, int offset,
                            int pitch) {
  Flush();
  if (w <= 0 || h <= 0) return;
  if (!RowsFit(pixels.Length(), w, h, offset, pitch)) dbg_error("Array index out of range");
  std::vector<uint32_t> rows(static_cast<size_t>(w) * h);
  zu_graphics_ReadArgb(x, height - y - h, w, h, rows.data());
  // GL hands the rows over bottom first.
  int* out = pixels.begin();
  for (int i = 0; i < h; ++i) {
    const uint32_t* row = rows.data() + static_cast<size_t>(h - 1 - i) * w;
    int* dest = out + offset + static_cast<int64_t>(i) * pitch;
    for (int col = 0; col < w; ++col) dest[col] = static_cast<int>(row[col]);
  }
}

void ZuGraphics::WritePixels2(ZuSurface* surface, const Array<int>& pixels, int x, int y, int w,
                              int h, int offset, int pitch) {
  Flush();
  if (!surface || w <= 0 || h <= 0) return;
  if (!RowsFit(pixels.Length(), w, h, offset, pitch)) dbg_error("Array index out of range");
  surface->SetSubData(x, y, w, h, pixels.begin() + offset, pitch);
}
