// The application icon: a bold yellow Z on the dark violet plate of the title logo, with
// the arcade colours as four lamps along the bottom. Each size is drawn for itself: the
// outline never gets thinner than one pixel, and the small sizes drop the lamps and the
// bevel so that the Z stays clear at 16 px. A maskable icon (for a web app's manifest) fills
// its whole square with the plate and keeps the drawing inside the middle 70 %, which any
// mask the system cuts leaves whole.
// Usage: app_icon [--maskable] <hicolor-dir> <application-id> <size>...
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "kit/paint.h"

namespace {

using namespace zandrel_art;

// Design units: the icon is drawn on a 256 x 256 grid and scaled to each size.
constexpr double kGrid = 256;

// The Z as one outline: top bar, diagonal, bottom bar.
void letterZ(cairo_t* cr, double bar) {
  const double left = 62, right = 194, top = 54, bottom = 202;
  // The diagonal as thick as the bars, measured across it.
  const double slope = (bottom - top - 2 * bar) / (right - left);
  const double across = bar * std::sqrt(1 + 1 / (slope * slope)) * 0.92;
  polygon({{left, top},
           {right, top},
           {right, top + bar},
           {left + across, bottom - bar},
           {right, bottom - bar},
           {right, bottom},
           {left, bottom},
           {left, bottom - bar},
           {right - across, top + bar},
           {left, top + bar}})(cr);
}

// Below 32 px a drawn Z blurs into a block: the small sizes get it as pixels, with bars
// two or three pixels thick and an ink shadow one pixel down and right.
void pixelZ(cairo_t* cr, int size) {
  const int inset = size <= 16 ? 3 : 5;
  const int left = inset, right = size - inset, top = inset, bottom = size - inset;
  const int bar = size <= 16 ? 2 : 3;
  struct Cell {
    int x, y, w;
  };
  std::vector<Cell> cells;
  for (int y = 0; y < bar; ++y) {
    cells.push_back({left, top + y, right - left});
    cells.push_back({left, bottom - bar + y, right - left});
  }
  const int rows = bottom - top - 2 * bar;
  for (int r = 0; r < rows; ++r) {
    const double t = rows > 1 ? static_cast<double>(r) / (rows - 1) : 0;
    const int x = static_cast<int>(std::lround(right - bar - t * (right - left - bar)));
    const int w = std::min(bar + 1, right - x);
    cells.push_back({x, top + bar + r, w});
  }
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  for (const auto& [offset, ink] : {std::pair{1, colour::ink}, std::pair{0, colour::yellow}}) {
    setColour(cr, ink);
    for (const Cell& cell : cells) cairo_rectangle(cr, cell.x + offset, cell.y + offset, cell.w, 1);
    cairo_fill(cr);
  }
}

Rgb plateColour() { return mix(colour::violet, colour::ink, 0.55); }

void drawIcon(cairo_t* cr, int size) {
  const double scale = size / kGrid;
  const double pixel = 1 / scale;
  const bool small = size < 32;
  const bool lamps = size >= 48;

  // The outline is at least one icon pixel, and the plate leaves room for it at the edge.
  const double outline = std::max(pixel, 5.0);
  const double margin = small ? outline : 10;
  const Rgb plate = plateColour();
  cairo_save(cr);
  cairo_scale(cr, scale, scale);
  paintStyled(cr, roundedRect(margin, margin, kGrid - 2 * margin, kGrid - 2 * margin, 46),
              plate, Style{.bevel = small ? 0.0 : 10.0, .outline = outline});
  if (small) {
    cairo_restore(cr);
    pixelZ(cr, size);
    return;
  }

  cairo_save(cr);
  cairo_translate(cr, 0, lamps ? -10 : 0);  // room for the lamps below
  paintStyled(cr, [](cairo_t* c) { letterZ(c, 40); }, colour::yellow,
              Style{.bevel = 6, .outline = outline});
  cairo_restore(cr);

  if (lamps) {
    const Rgb colours[] = {colour::red, colour::lime, colour::sky, colour::pink};
    for (int i = 0; i < 4; ++i) {
      const double x = 83 + i * 30;
      paintStyled(cr, circle(x, 218, 10), colours[i],
                  Style{.bevel = 3, .outline = std::max(pixel, 3.0)});
    }
  }
  cairo_restore(cr);
}

// The part of a maskable icon every mask keeps.
constexpr double kMaskableSafe = 0.7;

void drawMaskableIcon(cairo_t* cr, int size) {
  setColour(cr, plateColour());
  cairo_paint(cr);
  const double inset = size * (1 - kMaskableSafe) / 2;
  cairo_translate(cr, inset, inset);
  cairo_scale(cr, kMaskableSafe, kMaskableSafe);
  drawIcon(cr, size);
}

}  // namespace

int main(int argc, char** argv) {
  const bool maskable = argc > 1 && std::string(argv[1]) == "--maskable";
  const int first = maskable ? 2 : 1;
  if (argc < first + 3) {
    std::fprintf(stderr, "usage: %s [--maskable] <hicolor-dir> <application-id> <size>...\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[first];
  const std::string id = argv[first + 1];
  for (int i = first + 2; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    const std::string sizeName = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path folder = root / sizeName / "apps";
    std::filesystem::create_directories(folder);

    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    if (maskable) {
      drawMaskableIcon(cr, size);
    } else {
      drawIcon(cr, size);
    }
    cairo_destroy(cr);
    const std::string file = (folder / (id + ".png")).string();
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "app_icon: cannot write %s\n", file.c_str());
      return 1;
    }
  }
  return 0;
}
