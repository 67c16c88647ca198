// The shell's generated art: every sheet in all three tiers, large enough for the frames
// the loader cuts, and every frame the shell draws present, inside its cell and (for the
// tinted pictures) free of colour of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "stb_image.h"

namespace {

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;

  const std::uint8_t* at(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
  std::uint8_t alpha(int x, int y) const { return at(x, y)[3]; }
};

std::string dataPath(const std::string& name, int tier) {
  const char* suffix = tier == 1 ? "" : tier == 2 ? "-hd" : "-hd2";
  return std::string(ZANDREL_DATA_DIR) + "/" + name + suffix + ".png";
}

// Each file is decoded once for the whole run.
const Pixels* load(const std::string& path) {
  static std::map<std::string, std::unique_ptr<Pixels>> cache;
  auto found = cache.find(path);
  if (found != cache.end()) return found->second.get();
  std::unique_ptr<Pixels> pixels;
  int width = 0, height = 0, channels = 0;
  if (std::uint8_t* data = stbi_load(path.c_str(), &width, &height, &channels, 4)) {
    pixels = std::make_unique<Pixels>(Pixels{width, height, {data, data + static_cast<std::size_t>(width) * height * 4}});
    stbi_image_free(data);
  }
  return cache.emplace(path, std::move(pixels)).first->second.get();
}

struct Cell {
  const Pixels* sheet;
  int left, top, width, height;

  std::uint8_t alpha(int x, int y) const { return sheet->alpha(left + x, top + y); }
  int visiblePixels() const {
    int count = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) count += alpha(x, y) >= 128;
    return count;
  }
  bool borderClear() const {
    for (int i = 0; i < width; ++i)
      if (alpha(i, 0) || alpha(i, height - 1)) return false;
    for (int i = 0; i < height; ++i)
      if (alpha(0, i) || alpha(width - 1, i)) return false;
    return true;
  }
};

// Frames are cut left to right, then top to bottom, as the image loader does.
Cell cellOf(const Pixels& sheet, int cellW, int cellH, int frame) {
  const int columns = sheet.width / cellW;
  return {&sheet, frame % columns * cellW, frame / columns * cellH, cellW, cellH};
}

struct SheetCase {
  std::string name;
  int cellW, cellH, frames;
  std::vector<int> drawn;  // the frames the shell draws
  bool tinted;             // drawn in many colours, so must be neutral
};

std::vector<int> range(int first, int last) {
  std::vector<int> frames;
  for (int i = first; i <= last; ++i) frames.push_back(i);
  return frames;
}

std::vector<int> fontFrames() {
  std::vector<int> frames = range(1, 94);
  for (int base : {96, 112})
    for (int i = 0; i < 13; ++i) frames.push_back(base + i);
  return frames;
}

std::vector<int> gameFrames() {
  std::vector<int> frames = range(0, 25);
  frames.push_back(62);
  frames.push_back(63);
  return frames;
}

const std::vector<SheetCase>& sheets() {
  static const std::vector<SheetCase> all = {
      {"common/icons", 32, 32, 16, {0, 1, 3, 6, 7}, false},
      {"common/Buttons", 64, 64, 16, {8, 9, 10, 12}, false},
      {"common/dpad", 32, 32, 16, {0, 1, 4, 5, 6, 9}, false},
      {"common/ToviLogo", 256, 256, 1, {0}, false},
      {"common/Testcard_Circle", 256, 256, 1, {0}, false},
      {"fonts/quillet", 16, 16, 128, fontFrames(), true},
      {"menu", 256, 256, 4, {0, 1, 2, 3}, false},
      {"logo", 256, 128, 1, {0}, false},
      {"parts", 8, 8, 256, range(0, 255), true},
      {"BadgesA", 64, 64, 64, {0}, false},
      {"heart", 32, 32, 1, {0}, false},
      {"games", 32, 32, 64, gameFrames(), false},
      {"bars", 128, 32, 16, range(0, 15), false},
  };
  return all;
}

constexpr int kTiers[] = {1, 2, 4};

TEST(ShellArtSheets, EveryTierExistsAtExactlyItsScale) {
  for (const SheetCase& sheet : sheets()) {
    const Pixels* base = load(dataPath(sheet.name, 1));
    ASSERT_NE(base, nullptr) << sheet.name;
    for (int tier : {2, 4}) {
      const Pixels* scaled = load(dataPath(sheet.name, tier));
      ASSERT_NE(scaled, nullptr) << sheet.name << " tier " << tier;
      EXPECT_EQ(scaled->width, base->width * tier) << sheet.name;
      EXPECT_EQ(scaled->height, base->height * tier) << sheet.name;
    }
  }
}

TEST(ShellArtSheets, HoldEveryDeclaredFrame) {
  for (const SheetCase& sheet : sheets())
    for (int tier : kTiers) {
      const Pixels* pixels = load(dataPath(sheet.name, tier));
      ASSERT_NE(pixels, nullptr) << sheet.name;
      const int columns = pixels->width / (sheet.cellW * tier);
      ASSERT_GE(columns, 1) << sheet.name;
      const int rowsNeeded = (sheet.frames + columns - 1) / columns;
      EXPECT_LE(rowsNeeded * sheet.cellH * tier, pixels->height) << sheet.name << " tier " << tier;
    }
}

TEST(ShellArtFrames, DrawnFramesAreVisibleAndInsideTheirCells) {
  for (const SheetCase& sheet : sheets())
    for (int tier : kTiers) {
      const Pixels* pixels = load(dataPath(sheet.name, tier));
      ASSERT_NE(pixels, nullptr) << sheet.name;
      for (int frame : sheet.drawn) {
        const Cell cell = cellOf(*pixels, sheet.cellW * tier, sheet.cellH * tier, frame);
        EXPECT_GT(cell.visiblePixels(), 0) << sheet.name << " frame " << frame << " tier " << tier;
        EXPECT_TRUE(cell.borderClear()) << sheet.name << " frame " << frame << " tier " << tier;
      }
    }
}

// Tinting multiplies the colour in: a picture with its own hue would shift every tint.
void expectNeutral(const Cell& cell, const std::string& what) {
  int coloured = 0;
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) {
      const std::uint8_t* p = cell.sheet->at(cell.left + x, cell.top + y);
      if (p[3] == 0) continue;
      coloured += std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]}) > 16;
    }
  EXPECT_EQ(coloured, 0) << what;
}

TEST(ShellArtFrames, TintedPicturesHaveNoColourOfTheirOwn) {
  for (const SheetCase& sheet : sheets()) {
    if (!sheet.tinted) continue;
    const Pixels* pixels = load(dataPath(sheet.name, 4));
    ASSERT_NE(pixels, nullptr);
    for (int frame = 0; frame < sheet.frames; ++frame)
      expectNeutral(cellOf(*pixels, sheet.cellW * 4, sheet.cellH * 4, frame), sheet.name + " " + std::to_string(frame));
  }
  const Pixels* icons = load(dataPath("common/icons", 4));
  ASSERT_NE(icons, nullptr);
  for (int frame : {1, 3, 6}) expectNeutral(cellOf(*icons, 128, 128, frame), "icons " + std::to_string(frame));
}

std::vector<std::uint8_t> cellBytes(const Cell& cell) {
  std::vector<std::uint8_t> bytes;
  for (int y = 0; y < cell.height; ++y) {
    const std::uint8_t* row = cell.sheet->at(cell.left, cell.top + y);
    bytes.insert(bytes.end(), row, row + static_cast<std::size_t>(cell.width) * 4);
  }
  return bytes;
}

// A repeated picture means a table entry was copied instead of drawn.
void expectAllDifferent(const std::string& name, int cellW, int cellH, const std::vector<int>& frames) {
  const Pixels* pixels = load(dataPath(name, 4));
  ASSERT_NE(pixels, nullptr) << name;
  std::map<std::vector<std::uint8_t>, int> seen;
  for (int frame : frames) {
    const auto [where, fresh] = seen.emplace(cellBytes(cellOf(*pixels, cellW * 4, cellH * 4, frame)), frame);
    EXPECT_TRUE(fresh) << name << " frame " << frame << " repeats frame " << where->second;
  }
}

TEST(ShellArtFrames, NoPictureRepeatsAnother) {
  expectAllDifferent("parts", 8, 8, range(0, 255));
  expectAllDifferent("games", 32, 32, gameFrames());
  expectAllDifferent("bars", 128, 32, range(0, 15));
  std::vector<int> icons = range(96, 108);
  for (int frame = 112; frame <= 124; ++frame) icons.push_back(frame);
  expectAllDifferent("fonts/quillet", 16, 16, icons);
}

// Each tier is drawn on its own; all three must still show the same picture, so the
// share of each cell that is covered agrees between tier 1 and tier 4.
TEST(ShellArtSheets, EveryTierShowsTheSamePicture) {
  for (const SheetCase& sheet : sheets()) {
    const Pixels* small = load(dataPath(sheet.name, 1));
    const Pixels* large = load(dataPath(sheet.name, 4));
    ASSERT_TRUE(small && large) << sheet.name;
    for (int frame : sheet.drawn) {
      auto coverage = [&](const Pixels& pixels, int tier) {
        const Cell cell = cellOf(pixels, sheet.cellW * tier, sheet.cellH * tier, frame);
        double sum = 0;
        for (int y = 0; y < cell.height; ++y)
          for (int x = 0; x < cell.width; ++x) sum += cell.alpha(x, y);
        return sum / (255.0 * cell.width * cell.height);
      };
      const double smallShare = coverage(*small, 1);
      const double largeShare = coverage(*large, 4);
      EXPECT_NEAR(smallShare, largeShare, 0.02 + 0.1 * largeShare) << sheet.name << " frame " << frame;
    }
  }
}

// The three gear layers are drawn over each other and turn at different speeds: the
// wheel must close the rim's hole all round and the hub must cover the middle, or the
// gear falls apart into rings as it turns.
TEST(ShellArtFrames, GearLayersJoinIntoOneGear) {
  const Pixels* buttons = load(dataPath("common/Buttons", 4));
  ASSERT_NE(buttons, nullptr);
  const Cell rim = cellOf(*buttons, 256, 256, 8);
  const Cell wheel = cellOf(*buttons, 256, 256, 9);
  const Cell hub = cellOf(*buttons, 256, 256, 10);
  int seamGaps = 0;
  int middleGaps = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const double dx = (x + 0.5 - 128) / 4, dy = (y + 0.5 - 128) / 4;  // in tier-1 units
      const double radius = std::sqrt(dx * dx + dy * dy);
      if (radius >= 14 && radius <= 17) seamGaps += std::max(rim.alpha(x, y), wheel.alpha(x, y)) < 250;
      if (radius <= 5) middleGaps += hub.alpha(x, y) < 250;
    }
  EXPECT_EQ(seamGaps, 0);
  EXPECT_EQ(middleGaps, 0);
}

// The backdrop turns, so nothing may lie outside the circle its square can turn within.
TEST(ShellArtFrames, MenuBackdropStaysInsideItsTurningCircle) {
  const Pixels* menu = load(dataPath("menu", 1));
  ASSERT_NE(menu, nullptr);
  for (int frame = 0; frame < 4; ++frame) {
    const Cell cell = cellOf(*menu, 256, 256, frame);
    int outside = 0;
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) {
        const double dx = x + 0.5 - 128, dy = y + 0.5 - 128;
        outside += dx * dx + dy * dy > 127.0 * 127.0 && cell.alpha(x, y) > 0;
      }
    EXPECT_EQ(outside, 0) << "frame " << frame;
  }
}

struct InkBox {
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
  bool empty() const { return right < 0; }
};

// A glyph's body: its light pixels, without the dark rim round them.
bool isBody(const Cell& cell, int x, int y) {
  const std::uint8_t* p = cell.sheet->at(cell.left + x, cell.top + y);
  return p[3] > 0 && std::max({p[0], p[1], p[2]}) >= 128;
}

InkBox inkBox(const Cell& cell) {
  InkBox box;
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x)
      if (isBody(cell, x, y)) {
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

// The text layout's advance for a character code (7 plus its width adjustment).
int advanceOf(int code) {
  switch (code) {
    case 'w': case 'm': return 9;
    case 'W': case 'M': return 8;
    case 'i': case 'f': case 'l': return 4;
    case 'j': case 's': case 'k': case 'r': case 'z': case 't': case 'n': return 6;
    default: return 7;
  }
}

TEST(ShellArtFont, EveryPrintableCharacterHasAGlyphWithinTheLineAndItsAdvance) {
  for (int tier : kTiers) {
    const Pixels* font = load(dataPath("fonts/quillet", tier));
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(inkBox(cellOf(*font, 16 * tier, 16 * tier, 0)).empty()) << "space";
    for (int code = 33; code <= 126; ++code) {
      const InkBox box = inkBox(cellOf(*font, 16 * tier, 16 * tier, code - 32));
      ASSERT_FALSE(box.empty()) << "character " << code;
      EXPECT_LE(box.bottom - box.top + 1, 10 * tier) << "character " << code;
      EXPECT_LE(box.right - box.left + 1, (advanceOf(code) - 1) * tier) << "character " << code;
    }
  }
}

TEST(ShellArtFont, NarrowAndWideLettersFollowTheWidthTable) {
  const Pixels* font = load(dataPath("fonts/quillet", 1));
  ASSERT_NE(font, nullptr);
  auto widthOf = [&](char c) {
    const InkBox box = inkBox(cellOf(*font, 16, 16, c - 32));
    return box.right - box.left + 1;
  };
  for (char narrow : {'i', 'f', 'l'}) EXPECT_LE(widthOf(narrow), 3) << narrow;
  for (char wide : {'m', 'w'}) EXPECT_EQ(widthOf(wide), 8) << wide;
  for (char wide : {'M', 'W'}) EXPECT_EQ(widthOf(wide), 7) << wide;
  EXPECT_EQ(widthOf('o'), 6);
}

// Each glyph is centred on its pen position and the pen moves by the advance, so any
// character followed by any other must leave a gap, whatever their widths.
TEST(ShellArtFont, NeighbouringGlyphsNeverTouch) {
  for (int tier : kTiers) {
    const Pixels* font = load(dataPath("fonts/quillet", tier));
    ASSERT_NE(font, nullptr);
    const int centre = 8 * tier;
    int widestReach = -1000;  // right edge past the next pen position, over all characters
    int leftmostStart = 1000;
    for (int code = 33; code <= 126; ++code) {
      const InkBox box = inkBox(cellOf(*font, 16 * tier, 16 * tier, code - 32));
      widestReach = std::max(widestReach, box.right - centre - advanceOf(code) * tier);
      leftmostStart = std::min(leftmostStart, box.left - centre);
    }
    EXPECT_LT(widestReach, leftmostStart) << "tier " << tier;
  }
}

// The menu shows each game's icon eight times enlarged behind the title: at every tier
// its pixels must be fully on or off, or the enlargement shows blurred blocks.
TEST(ShellArtFrames, GameIconsHaveHardEdgesAtEveryTier) {
  for (int tier : kTiers) {
    const Pixels* games = load(dataPath("games", tier));
    ASSERT_NE(games, nullptr);
    for (int frame : gameFrames()) {
      const Cell cell = cellOf(*games, 32 * tier, 32 * tier, frame);
      int soft = 0;
      for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) soft += cell.alpha(x, y) != 0 && cell.alpha(x, y) != 255;
      EXPECT_EQ(soft, 0) << "frame " << frame << " tier " << tier;
    }
  }
}

// Text is tinted pale yellow and green over pale skies too: every glyph is ringed by a
// dark rim one unit wide, so no body pixel touches a transparent one.
TEST(ShellArtFont, GlyphsAreRingedByADarkRim) {
  for (int tier : kTiers) {
    const Pixels* font = load(dataPath("fonts/quillet", tier));
    ASSERT_NE(font, nullptr);
    for (int code = 33; code <= 126; ++code) {
      const Cell cell = cellOf(*font, 16 * tier, 16 * tier, code - 32);
      int bare = 0;
      for (int y = 1; y < cell.height - 1; ++y)
        for (int x = 1; x < cell.width - 1; ++x) {
          if (!isBody(cell, x, y)) continue;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) bare += cell.alpha(x + dx, y + dy) == 0;
        }
      EXPECT_EQ(bare, 0) << "character " << code << " tier " << tier;
    }
  }
}

// A bitmap font must stay sharp when magnified: every pixel fully on or fully off.
TEST(ShellArtFont, GlyphsAreCrispAtEveryTier) {
  for (int tier : kTiers) {
    const Pixels* font = load(dataPath("fonts/quillet", tier));
    ASSERT_NE(font, nullptr);
    int soft = 0;
    for (int frame = 0; frame < 128; ++frame) {
      const Cell cell = cellOf(*font, 16 * tier, 16 * tier, frame);
      for (int y = 0; y < cell.height; ++y)
        for (int x = 0; x < cell.width; ++x) soft += cell.alpha(x, y) != 0 && cell.alpha(x, y) != 255;
    }
    EXPECT_EQ(soft, 0) << "tier " << tier;
  }
}

TEST(ShellArtFont, LettersShareOneBaselineAndDescendersDropBelowIt) {
  const Pixels* font = load(dataPath("fonts/quillet", 1));
  ASSERT_NE(font, nullptr);
  auto boxOf = [&](char c) { return inkBox(cellOf(*font, 16, 16, c - 32)); };
  const int baseline = boxOf('H').bottom;
  const int capTop = boxOf('H').top;
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (c != 'Q') {
      EXPECT_EQ(boxOf(c).bottom, baseline) << c;
    }
    EXPECT_EQ(boxOf(c).top, capTop) << c;
  }
  for (char c : std::string("acehmnorsuvwxz0123456789")) EXPECT_EQ(boxOf(c).bottom, baseline) << c;
  for (char c : std::string("gjpqy")) EXPECT_GT(boxOf(c).bottom, baseline) << c;
  for (char c : std::string("acemnorsuvwxz")) EXPECT_GT(boxOf(c).top, capTop) << c;
  // Text is centred on its line: the capitals' middle sits within a unit of the cell's.
  EXPECT_LE(std::abs((capTop + baseline + 1) / 2.0 - 8), 1.0);
}

TEST(ShellArtFont, ButtonIconsFitTheirAdvance) {
  const Pixels* font = load(dataPath("fonts/quillet", 1));
  ASSERT_NE(font, nullptr);
  const std::string letters = "JKLIUOQEFWSAD";
  for (int base : {96, 112})
    for (int i = 0; i < 13; ++i) {
      const InkBox box = inkBox(cellOf(*font, 16, 16, base + i));
      ASSERT_FALSE(box.empty()) << base + i;
      const int advance = 7 + (letters[i] == 'U' || letters[i] == 'O' ? 6 : 4);
      EXPECT_LE(box.right - box.left + 1, advance - 1) << base + i;
      EXPECT_LE(box.bottom - box.top + 1, 10) << base + i;
    }
}

TEST(ShellArtFont, DefaultFontIsOneRowOfNinetySixBorderedCells) {
  const Pixels* pavo = load(std::string(ZANDREL_DATA_DIR) + "/pavo_font.png");
  ASSERT_NE(pavo, nullptr);
  ASSERT_EQ(pavo->width % 96, 0);
  const int cellW = pavo->width / 96;
  ASSERT_GE(cellW, 3);
  for (int frame = 0; frame < 96; ++frame) {
    const Cell cell{pavo, frame * cellW, 0, cellW, pavo->height};
    for (int y = 0; y < pavo->height; ++y) {
      EXPECT_EQ(cell.alpha(0, y), 0) << "left border of cell " << frame;
      EXPECT_EQ(cell.alpha(cellW - 1, y), 0) << "right border of cell " << frame;
    }
    if (frame >= 1 && frame <= 94) {
      EXPECT_GT(cell.visiblePixels(), 0) << "character " << 32 + frame;
    }
  }
}

}  // namespace
