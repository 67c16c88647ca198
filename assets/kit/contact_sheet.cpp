// contact_sheet <png> <tier> <cell w> <cell h> <frame count> <out.png>
//
// Cuts the frames of a sprite sheet (left to right, top to bottom, cells of
// cell × tier pixels) and lays them out in a grid on a grey checkerboard, each with its
// frame number underneath, magnified with nearest-neighbour sampling so small tier-1
// cells can be read pixel by pixel. Frames the sheet is too small to hold are crossed
// out in red, so a short sheet shows at a glance.
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kMinShownCell = 48;     // smallest on-screen cell edge, in pixels
constexpr int kMaxSheetWidth = 2400;  // keeps wide sheets viewable
constexpr int kGap = 6;
constexpr int kDigitScale = 3;        // 3×5 digits drawn at 9×15
constexpr int kLabelHeight = 5 * kDigitScale + 6;
constexpr int kChecker = 8;

// 3×5 digits, one row per string, so labels never depend on installed fonts.
constexpr std::array<std::array<const char*, 5>, 10> kDigits = {{
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"},
    {"###", "..#", "###", "#..", "###"}, {"###", "..#", "###", "..#", "###"},
    {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", ".#.", ".#.", ".#."},
    {"###", "#.#", "###", "#.#", "###"}, {"###", "#.#", "###", "..#", "###"},
}};

struct Options {
  std::string input;
  int tier = 1;
  int cellW = 0;
  int cellH = 0;
  int frames = 0;
  std::string output;
};

bool parsePositive(const char* text, int& out) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value <= 0 || value > 100000) return false;
  out = static_cast<int>(value);
  return true;
}

bool parseOptions(int argc, char** argv, Options& options) {
  if (argc != 7) return false;
  options.input = argv[1];
  options.output = argv[6];
  return parsePositive(argv[2], options.tier) && parsePositive(argv[3], options.cellW) &&
         parsePositive(argv[4], options.cellH) && parsePositive(argv[5], options.frames);
}

int labelWidth(int number) {
  return static_cast<int>(std::to_string(number).size()) * 4 * kDigitScale - kDigitScale;
}

void drawNumber(cairo_t* cr, int number, double left, double top) {
  const std::string text = std::to_string(number);
  cairo_set_source_rgb(cr, 0.1, 0.08, 0.2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto& glyph = kDigits[static_cast<std::size_t>(text[i] - '0')];
    const double glyphLeft = left + static_cast<double>(i) * 4 * kDigitScale;
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 3; ++col)
        if (glyph[static_cast<std::size_t>(row)][col] == '#')
          cairo_rectangle(cr, glyphLeft + col * kDigitScale, top + row * kDigitScale,
                          kDigitScale, kDigitScale);
  }
  cairo_fill(cr);
}

void drawChecker(cairo_t* cr, double left, double top, int width, int height) {
  cairo_save(cr);
  cairo_rectangle(cr, left, top, width, height);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.40, 0.40, 0.42);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.50, 0.50, 0.52);
  for (int y = 0; y < height; y += kChecker)
    for (int x = (y / kChecker) % 2 == 0 ? 0 : kChecker; x < width; x += 2 * kChecker)
      cairo_rectangle(cr, left + x, top + y, kChecker, kChecker);
  cairo_fill(cr);
  cairo_restore(cr);
}

void drawMissingMark(cairo_t* cr, double left, double top, int width, int height) {
  cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, left, top);
  cairo_line_to(cr, left + width, top + height);
  cairo_move_to(cr, left + width, top);
  cairo_line_to(cr, left, top + height);
  cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: contact_sheet <png> <tier> <cell w> <cell h> <frame count> <out.png>\n");
    return 2;
  }
  cairo_surface_t* sheet = cairo_image_surface_create_from_png(options.input.c_str());
  if (cairo_surface_status(sheet) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "contact_sheet: cannot read %s: %s\n", options.input.c_str(),
                 cairo_status_to_string(cairo_surface_status(sheet)));
    cairo_surface_destroy(sheet);
    return 1;
  }
  const int sheetW = cairo_image_surface_get_width(sheet);
  const int sheetH = cairo_image_surface_get_height(sheet);
  const int cellW = options.cellW * options.tier;
  const int cellH = options.cellH * options.tier;
  const int columnsInSheet = std::max(1, sheetW / cellW);
  const int rowsInSheet = sheetH / cellH;

  const int magnify = std::max(1, (kMinShownCell + std::min(cellW, cellH) - 1) / std::min(cellW, cellH));
  const int shownW = cellW * magnify;
  const int shownH = cellH * magnify;
  const int slotW = std::max(shownW, labelWidth(options.frames - 1)) + kGap;
  const int slotH = shownH + kLabelHeight + kGap;
  // Keep the sheet's own column count where it fits, so rows read as they do in the file.
  const int columns = std::clamp(std::min(kMaxSheetWidth / slotW, columnsInSheet), 1, options.frames);
  const int rows = (options.frames + columns - 1) / columns;

  cairo_surface_t* out =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, columns * slotW + kGap, rows * slotH + kGap);
  cairo_t* cr = cairo_create(out);
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.95);
  cairo_paint(cr);

  for (int frame = 0; frame < options.frames; ++frame) {
    const double left = kGap + (frame % columns) * slotW;
    const double top = kGap + (frame / columns) * slotH;
    drawChecker(cr, left, top, shownW, shownH);
    const int sourceColumn = frame % columnsInSheet;
    const int sourceRow = frame / columnsInSheet;
    if (sourceRow >= rowsInSheet || (sourceColumn + 1) * cellW > sheetW) {
      drawMissingMark(cr, left, top, shownW, shownH);
    } else {
      cairo_save(cr);
      cairo_rectangle(cr, left, top, shownW, shownH);
      cairo_clip(cr);
      cairo_translate(cr, left, top);
      cairo_scale(cr, magnify, magnify);
      cairo_set_source_surface(cr, sheet, -sourceColumn * cellW, -sourceRow * cellH);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    drawNumber(cr, frame, left, top + shownH + 3);
  }

  cairo_destroy(cr);
  const cairo_status_t written = cairo_surface_write_to_png(out, options.output.c_str());
  cairo_surface_destroy(out);
  cairo_surface_destroy(sheet);
  if (written != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "contact_sheet: cannot write %s: %s\n", options.output.c_str(),
                 cairo_status_to_string(written));
    return 1;
  }
  return 0;
}
