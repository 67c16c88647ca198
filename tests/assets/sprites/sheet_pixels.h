// Reading the generated sprite sheets sprt_0 .. sprt_5 back for the art tests: 64 cells of
// 40 × 40 tier-1 pixels, 8 to a row, in three tiers, and the measurements the tests make
// on them. Each file is decoded once for the whole run.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "stb_image.h"

namespace sprite_sheets {

inline constexpr int kCell = 40;
inline constexpr int kColumns = 8;
inline constexpr int kMargin = 4;  // the transparent border round the small pictures
inline constexpr int kTiers[] = {1, 2, 4};
inline constexpr int kSheets = 6;

inline std::vector<int> numbers(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<int> all;
  for (auto [first, last] : ranges)
    for (int n = first; n <= last; ++n) all.push_back(n);
  return all;
}

// Every sprite number some game draws from a sheet.
inline const std::vector<int>& drawnSprites(int sheet) {
  static const std::vector<int> drawn[kSheets] = {
      // Vever 0..4, the shot 6, Chaos 8..15, Qubic 19..27, Detonation 32, Tower 33,
      // Waves/Xplode 34..39 (Hover and Jump share the presents), Abstract 40..45, Soda 46, 48..59.
      numbers({{0, 4}, {6, 6}, {8, 15}, {19, 27}, {32, 46}, {48, 59}}),
      // Dudazevuva2 73..74, Roller 75..84, Xplode 88..91, Hover 96..104, Golfing 105..108 and
      // 112..113, NotSame 109..110 and 115..119, Karate 120..122.
      numbers({{73, 84}, {88, 91}, {96, 110}, {112, 113}, {115, 122}}),
      // Karate's fighter, Jetpac's floor and pad, Jump, Octopus.
      numbers({{128, 131}, {133, 139}, {141, 147}, {149, 152}, {160, 183}}),
      // Jetpac's spaceman and aliens, Zone, Yahtzee, Ice.
      numbers({{192, 219}, {228, 229}}),
      // Flappy (257 is also the fallback game's picture) and Umbrella.
      {257, 258, 260, 265, 273, 276, 280, 282, 291, 292, 294, 302, 303},
      // Penguin, Map, Tower.
      numbers({{332, 333}, {336, 339}, {342, 345}, {352, 353}, {355, 360}, {363, 364}, {368, 379}}),
  };
  return drawn[sheet];
}

inline bool isDrawn(int spriteNumber) {
  const std::vector<int>& drawn = drawnSprites(spriteNumber / 64);
  return std::find(drawn.begin(), drawn.end(), spriteNumber) != drawn.end();
}

struct Pixels {
  int width = 0;
  int height = 0;
  int channelsInFile = 0;
  std::vector<std::uint8_t> rgba;  // straight RGBA
};

inline std::string sheetPath(int sheet, int tier) {
  const char* suffix = tier == 1 ? "" : tier == 2 ? "-hd" : "-hd2";
  return std::string(ZANDREL_DATA_DIR) + "/sprt_" + std::to_string(sheet) + suffix + ".png";
}

// A missing file gives null.
inline const Pixels* sheetPixels(int sheet, int tier) {
  static std::map<std::pair<int, int>, std::unique_ptr<Pixels>> cache;
  const auto key = std::make_pair(sheet, tier);
  auto found = cache.find(key);
  if (found != cache.end()) return found->second.get();
  std::unique_ptr<Pixels> pixels;
  int width = 0, height = 0, channels = 0;
  const std::string path = sheetPath(sheet, tier);
  if (std::uint8_t* data = stbi_load(path.c_str(), &width, &height, &channels, 4)) {
    pixels = std::make_unique<Pixels>(
        Pixels{width, height, channels, {data, data + static_cast<std::size_t>(width) * height * 4}});
    stbi_image_free(data);
  }
  return cache.emplace(key, std::move(pixels)).first->second.get();
}

// --- One frame, addressed in its tier's pixels from the cell's top-left ------------------

struct Frame {
  const Pixels* sheet = nullptr;
  int tier = 1;
  int left = 0, top = 0;

  int size() const { return kCell * tier; }
  const std::uint8_t* at(int x, int y) const {
    return &sheet->rgba[(static_cast<std::size_t>(top + y) * sheet->width + left + x) * 4];
  }
  int alpha(int x, int y) const { return at(x, y)[3]; }
};

inline Frame frameOf(int spriteNumber, int tier) {
  const Pixels* sheet = sheetPixels(spriteNumber / 64, tier);
  if (sheet == nullptr) throw std::runtime_error("missing " + sheetPath(spriteNumber / 64, tier));
  const int frame = spriteNumber % 64;
  return {sheet, tier, frame % 8 * kCell * tier, frame / 8 * kCell * tier};
}

// Opaque coverage in tier-1 pixels and its centre, in tier-1 units.
struct Coverage {
  double area = 0, centreX = 0, centreY = 0;
};

inline Coverage coverageOf(const Frame& frame) {
  double sum = 0, sx = 0, sy = 0;
  for (int y = 0; y < frame.size(); ++y)
    for (int x = 0; x < frame.size(); ++x) {
      const double a = frame.alpha(x, y) / 255.0;
      sum += a;
      sx += a * (x + 0.5);
      sy += a * (y + 0.5);
    }
  const double tier = frame.tier;
  if (sum == 0) return {};
  return {sum / (tier * tier), sx / sum / tier, sy / sum / tier};
}

// The box of clearly visible pixels (alpha at least half), in tier-1 units.
struct Box {
  double left = 0, top = 0, right = 0, bottom = 0;
  double width() const { return right - left; }
  double height() const { return bottom - top; }
};

inline Box boxOf(const Frame& frame) {
  int minX = frame.size(), minY = frame.size(), maxX = -1, maxY = -1;
  for (int y = 0; y < frame.size(); ++y)
    for (int x = 0; x < frame.size(); ++x)
      if (frame.alpha(x, y) >= 128) {
        minX = std::min(minX, x), maxX = std::max(maxX, x);
        minY = std::min(minY, y), maxY = std::max(maxY, y);
      }
  const double t = frame.tier;
  if (maxX < 0) return {};
  return {minX / t, minY / t, (maxX + 1) / t, (maxY + 1) / t};
}

// Width of the visible span on one row, given in tier-1 units.
inline double rowWidth(const Frame& frame, double y) {
  const int row = static_cast<int>(y * frame.tier);
  int first = -1, last = -1;
  for (int x = 0; x < frame.size(); ++x)
    if (frame.alpha(x, row) >= 128) {
      if (first < 0) first = x;
      last = x;
    }
  return first < 0 ? 0 : (last - first + 1) / static_cast<double>(frame.tier);
}

// Share of visible pixels whose mirror image across the vertical centre line is not.
inline double asymmetry(const Frame& frame) {
  int visible = 0, unmatched = 0;
  for (int y = 0; y < frame.size(); ++y)
    for (int x = 0; x < frame.size(); ++x) {
      const bool here = frame.alpha(x, y) >= 128;
      visible += here;
      unmatched += here && frame.alpha(frame.size() - 1 - x, y) < 128;
    }
  return visible == 0 ? 1.0 : static_cast<double>(unmatched) / visible;
}

inline bool samePixels(const Frame& a, const Frame& b) {
  for (int y = 0; y < a.size(); ++y)
    for (int x = 0; x < a.size(); ++x)
      for (int c = 0; c < 4; ++c)
        if (a.at(x, y)[c] != b.at(x, y)[c]) return false;
  return true;
}

// --- One tier of one sheet, addressed by sprite number ------------------------------------

class SheetImage {
 public:
  SheetImage(const Pixels& pixels, int sheet, int tier) : pixels_(&pixels), sheet_(sheet), tier_(tier) {}

  int tier() const { return tier_; }

  // Channel c (0 red .. 3 alpha) of the device pixel (dx, dy) of a sprite's cell,
  // counted from the cell's top-left.
  int channel(int sprite, int dx, int dy, int c) const {
    const int frame = sprite - sheet_ * 64;
    const int x = (frame % kColumns) * kCell * tier_ + dx;
    const int y = (frame / kColumns) * kCell * tier_ + dy;
    return pixels_->rgba[(static_cast<size_t>(y) * pixels_->width + x) * 4 + c];
  }
  int alpha(int sprite, int dx, int dy) const { return channel(sprite, dx, dy, 3); }
  // Alpha of the device pixel whose top-left corner is (x, y) tier-1 units from the
  // cell's centre.
  int alphaAt(int sprite, double x, double y) const {
    return alpha(sprite, static_cast<int>((x + kCell / 2.0) * tier_),
                 static_cast<int>((y + kCell / 2.0) * tier_));
  }
  int cellSide() const { return kCell * tier_; }
  // Device pixel index back to tier-1 units from the centre (its top or left edge).
  double unitsFrom(int device) const { return static_cast<double>(device) / tier_ - kCell / 2.0; }

 private:
  const Pixels* pixels_;
  int sheet_, tier_;
};

inline SheetImage sheetImage(int sheet, int tier) {
  const Pixels* pixels = sheetPixels(sheet, tier);
  if (pixels == nullptr) {
    throw std::runtime_error("missing sheet sprt_" + std::to_string(sheet) + " tier " + std::to_string(tier));
  }
  return {*pixels, sheet, tier};
}

// Measurements on the tier-4 picture, in tier-1 units from the cell's centre, of pixels
// at least half opaque.
inline SheetImage fine(int sprite) { return sheetImage(sprite / 64, 4); }

inline double lowestOpaque(int sprite) {
  const SheetImage im = fine(sprite);
  for (int dy = im.cellSide() - 1; dy >= 0; --dy) {
    for (int dx = 0; dx < im.cellSide(); ++dx) {
      if (im.alpha(sprite, dx, dy) >= 128) return im.unitsFrom(dy + 1);
    }
  }
  return -kCell;
}

inline double topOpaqueInColumn(int sprite, double x) {
  const SheetImage im = fine(sprite);
  const int dx = static_cast<int>((x + kCell / 2.0) * 4);
  for (int dy = 0; dy < im.cellSide(); ++dy) {
    if (im.alpha(sprite, dx, dy) >= 128) return im.unitsFrom(dy);
  }
  return kCell;
}

// The outermost opaque column toward one side, and the middle of its opaque rows.
struct Reach {
  double x;
  double y;
};

inline Reach reachToward(int sprite, int side) {
  const SheetImage im = fine(sprite);
  const int n = im.cellSide();
  for (int i = 0; i < n; ++i) {
    const int dx = side > 0 ? n - 1 - i : i;
    int first = -1, last = -1;
    for (int dy = 0; dy < n; ++dy) {
      if (im.alpha(sprite, dx, dy) >= 128) {
        if (first < 0) first = dy;
        last = dy;
      }
    }
    if (first >= 0) {
      const double middle = (first + last + 1) / 2.0 / im.tier() - kCell / 2.0;
      return {im.unitsFrom(side > 0 ? dx + 1 : dx), middle};
    }
  }
  return {0, 0};
}

// Alpha of one column of a cell, at device resolution.
inline std::vector<int> column(const SheetImage& im, int sprite, int dx) {
  std::vector<int> alphas;
  for (int dy = 0; dy < im.cellSide(); ++dy) alphas.push_back(im.alpha(sprite, dx, dy));
  return alphas;
}

// A 32-px-wide tile body: its first and last device columns and the ones outside.
struct TileColumns {
  int left, right, outsideLeft, outsideRight;
};

inline TileColumns tileColumns(const SheetImage& im) {
  const int t = im.tier();
  return {4 * t, 36 * t - 1, 4 * t - 1, 36 * t};
}

inline void expectSameEdge(const std::vector<int>& a, const std::vector<int>& b, const std::string& what) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    ASSERT_NEAR(a[i], b[i], 8) << what << " row " << i;
  }
}

// Number of 4-connected regions of pixels matching `is` within ±half of the centre, on the
// tier-4 picture.
inline int countRegions(int sprite, double half, const std::function<bool(int, int, int)>& is) {
  const SheetImage im = fine(sprite);
  const int from = static_cast<int>((kCell / 2.0 - half) * 4);
  const int to = static_cast<int>((kCell / 2.0 + half) * 4);
  const int side = to - from;
  std::vector<int> seen(static_cast<size_t>(side) * side, 0);
  auto matches = [&](int x, int y) {
    return is(im.channel(sprite, from + x, from + y, 0), im.channel(sprite, from + x, from + y, 1),
              im.channel(sprite, from + x, from + y, 2));
  };
  int regions = 0;
  for (int y0 = 0; y0 < side; ++y0) {
    for (int x0 = 0; x0 < side; ++x0) {
      if (seen[y0 * side + x0] || !matches(x0, y0)) continue;
      ++regions;
      std::vector<std::pair<int, int>> todo{{x0, y0}};
      seen[y0 * side + x0] = 1;
      while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        const int next[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
        for (const auto& n : next) {
          if (n[0] < 0 || n[1] < 0 || n[0] >= side || n[1] >= side) continue;
          if (seen[n[1] * side + n[0]] || !matches(n[0], n[1])) continue;
          seen[n[1] * side + n[0]] = 1;
          todo.push_back({n[0], n[1]});
        }
      }
    }
  }
  return regions;
}

// Opaque pixels of a cell at tier 4, and how many differ clearly between two cells.
inline int opaqueArea(int sprite) {
  const SheetImage im = fine(sprite);
  int area = 0;
  for (int dy = 0; dy < im.cellSide(); ++dy) {
    for (int dx = 0; dx < im.cellSide(); ++dx) area += im.alpha(sprite, dx, dy) >= 128;
  }
  return area;
}

inline int changedPixels(int a, int b) {
  const SheetImage im = fine(a);
  int changed = 0;
  for (int dy = 0; dy < im.cellSide(); ++dy) {
    for (int dx = 0; dx < im.cellSide(); ++dx) {
      int difference = 0;
      for (int c = 0; c < 4; ++c) difference += std::abs(im.channel(a, dx, dy, c) - im.channel(b, dx, dy, c));
      changed += difference > 96;
    }
  }
  return changed;
}

}  // namespace sprite_sheets
