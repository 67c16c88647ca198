// The generated sprite sheets sprt_0, sprt_1 and sprt_4: 64 cells of 40 × 40 tier-1
// pixels, 8 to a row, in three tiers. Every sprite number a game draws must be there,
// inside its cell, the same picture in every tier; tiles that lie on a grid must fill
// their square; and the game sprites, never tinted, carry their own colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "stb_image.h"

namespace {

constexpr int kCell = 40;
constexpr int kMargin = 4;  // the transparent border round every picture
constexpr int kTiers[] = {1, 2, 4};

std::vector<int> numbers(std::initializer_list<std::pair<int, int>> ranges) {
  std::vector<int> all;
  for (auto [first, last] : ranges)
    for (int n = first; n <= last; ++n) all.push_back(n);
  return all;
}

struct SheetCase {
  int index;
  std::vector<int> drawn;  // sprite numbers that some game draws from this sheet
};

const std::vector<SheetCase>& sheetCases() {
  static const std::vector<SheetCase> cases = {
      // Vever 0..4, the shot 6, Chaos 8..15, Qubic 19..27, Detonation 32, Tower 33,
      // Waves/Xplode 34..39 (Hover and Jump share the presents), Abstract 40..45, Soda 46, 48..59.
      {0, numbers({{0, 4}, {6, 6}, {8, 15}, {19, 27}, {32, 46}, {48, 59}})},
      // Dudazevuva2 73..74, Roller 75..84, Xplode 88..91, Hover 96..104, Golfing 105..108 and
      // 112..113, NotSame 109..110 and 115..119, Karate 120..122.
      {1, numbers({{73, 84}, {88, 91}, {96, 110}, {112, 113}, {115, 122}})},
      // Flappy (257 is also the fallback game's picture) and Umbrella.
      {4, {257, 258, 260, 265, 273, 276, 280, 282, 291, 292, 294, 302, 303}},
  };
  return cases;
}

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;
};

std::string sheetPath(int sheet, int tier) {
  const char* suffix = tier == 1 ? "" : tier == 2 ? "-hd" : "-hd2";
  return std::string(ZANDREL_DATA_DIR) + "/sprt_" + std::to_string(sheet) + suffix + ".png";
}

// Each file is decoded once for the whole run; a missing file gives null.
const Pixels* sheetPixels(int sheet, int tier) {
  static std::map<std::pair<int, int>, std::unique_ptr<Pixels>> cache;
  const auto key = std::make_pair(sheet, tier);
  auto found = cache.find(key);
  if (found != cache.end()) return found->second.get();
  std::unique_ptr<Pixels> pixels;
  int width = 0, height = 0, channels = 0;
  const std::string path = sheetPath(sheet, tier);
  if (std::uint8_t* data = stbi_load(path.c_str(), &width, &height, &channels, 4)) {
    pixels = std::make_unique<Pixels>(
        Pixels{width, height, {data, data + static_cast<std::size_t>(width) * height * 4}});
    stbi_image_free(data);
  }
  return cache.emplace(key, std::move(pixels)).first->second.get();
}

// One frame of a sheet at one tier, addressed in that tier's pixels.
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

Frame frameOf(int spriteNumber, int tier) {
  const Pixels* sheet = sheetPixels(spriteNumber / 64, tier);
  const int frame = spriteNumber % 64;
  return {sheet, tier, frame % 8 * kCell * tier, frame / 8 * kCell * tier};
}

bool isDrawn(int spriteNumber) {
  for (const SheetCase& sheet : sheetCases())
    if (std::find(sheet.drawn.begin(), sheet.drawn.end(), spriteNumber) != sheet.drawn.end()) return true;
  return false;
}

// Opaque coverage in tier-1 pixels and its centre, in tier-1 units.
struct Coverage {
  double area = 0, centreX = 0, centreY = 0;
};

Coverage coverageOf(const Frame& frame) {
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

Box boxOf(const Frame& frame) {
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
double rowWidth(const Frame& frame, double y) {
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
double asymmetry(const Frame& frame) {
  int visible = 0, unmatched = 0;
  for (int y = 0; y < frame.size(); ++y)
    for (int x = 0; x < frame.size(); ++x) {
      const bool here = frame.alpha(x, y) >= 128;
      visible += here;
      unmatched += here && frame.alpha(frame.size() - 1 - x, y) < 128;
    }
  return visible == 0 ? 1.0 : static_cast<double>(unmatched) / visible;
}

bool samePixels(const Frame& a, const Frame& b) {
  for (int y = 0; y < a.size(); ++y)
    for (int x = 0; x < a.size(); ++x)
      for (int c = 0; c < 4; ++c)
        if (a.at(x, y)[c] != b.at(x, y)[c]) return false;
  return true;
}

class SpriteSheetsA : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const SheetCase& sheet : sheetCases())
      for (int tier : kTiers) ASSERT_NE(sheetPixels(sheet.index, tier), nullptr) << sheetPath(sheet.index, tier);
  }
};

TEST(SpriteSheetsAFiles, EachSheetComesInThreeTiersOfEightByEightCells) {
  for (const SheetCase& sheet : sheetCases()) {
    for (int tier : kTiers) {
      const Pixels* pixels = sheetPixels(sheet.index, tier);
      ASSERT_NE(pixels, nullptr) << sheetPath(sheet.index, tier);
      EXPECT_EQ(pixels->width, 320 * tier) << sheetPath(sheet.index, tier);
      EXPECT_EQ(pixels->height, 320 * tier) << sheetPath(sheet.index, tier);
    }
  }
}

TEST_F(SpriteSheetsA, EverySpriteAGameDrawsIsVisibleInEveryTier) {
  for (const SheetCase& sheet : sheetCases()) {
    for (int n : sheet.drawn) {
      for (int tier : kTiers) {
        // Even the golf ball, the smallest picture, covers more than 12 tier-1 pixels.
        EXPECT_GT(coverageOf(frameOf(n, tier)).area, 12.0) << "sprite " << n << " tier " << tier;
      }
    }
  }
}

TEST_F(SpriteSheetsA, PicturesKeepTheirCellsMarginClear) {
  for (const SheetCase& sheet : sheetCases()) {
    for (int frameIndex = 0; frameIndex < 64; ++frameIndex) {
      const int n = sheet.index * 64 + frameIndex;
      for (int tier : kTiers) {
        const Frame frame = frameOf(n, tier);
        const int inner = kMargin * tier, outer = frame.size() - kMargin * tier;
        int strays = 0;
        for (int y = 0; y < frame.size(); ++y)
          for (int x = 0; x < frame.size(); ++x) {
            const bool inMargin = x < inner || y < inner || x >= outer || y >= outer;
            strays += inMargin && frame.alpha(x, y) > 0;
          }
        EXPECT_EQ(strays, 0) << "sprite " << n << " tier " << tier;
      }
    }
  }
}

TEST_F(SpriteSheetsA, CellsNoGameDrawsStayTransparent) {
  for (const SheetCase& sheet : sheetCases()) {
    for (int frameIndex = 0; frameIndex < 64; ++frameIndex) {
      const int n = sheet.index * 64 + frameIndex;
      if (isDrawn(n)) continue;
      EXPECT_EQ(coverageOf(frameOf(n, 4)).area, 0.0) << "sprite " << n;
    }
  }
}

// Tier 1 is fitted to whole pixels, so its centre may sit up to a few tenths of a pixel
// off the finer tiers'.
TEST_F(SpriteSheetsA, EveryTierShowsTheSamePicture) {
  for (const SheetCase& sheet : sheetCases()) {
    for (int n : sheet.drawn) {
      const Coverage base = coverageOf(frameOf(n, 1));
      for (int tier : {2, 4}) {
        const Coverage finer = coverageOf(frameOf(n, tier));
        EXPECT_NEAR(finer.area, base.area, base.area * 0.06 + 2) << "sprite " << n << " tier " << tier;
        EXPECT_NEAR(finer.centreX, base.centreX, 0.4) << "sprite " << n << " tier " << tier;
        EXPECT_NEAR(finer.centreY, base.centreY, 0.4) << "sprite " << n << " tier " << tier;
      }
    }
  }
}

// Games magnify tier 1 up to five times (Karate), so its pictures are fitted to whole
// pixels: hardly any edge pixel is half transparent. Glows, glass, the rotor blur and the
// shadow are see-through by design.
TEST_F(SpriteSheetsA, TierOnePicturesHaveHardEdges) {
  const auto seeThrough = [](int n) { return n == 6 || (n >= 51 && n <= 55) || (n >= 98 && n <= 103) || n == 110; };
  for (const SheetCase& sheet : sheetCases()) {
    for (int n : sheet.drawn) {
      if (seeThrough(n)) continue;
      const Frame frame = frameOf(n, 1);
      int visible = 0, soft = 0;
      for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
          visible += frame.alpha(x, y) > 0;
          soft += frame.alpha(x, y) > 0 && frame.alpha(x, y) < 255;
        }
      EXPECT_LE(soft, visible / 20) << "sprite " << n;
    }
  }
}

// Grid tiles: Tower's wall block (U grid), Roller's walls and floor (maze cells) and
// NotSame's pond tiles and bank (pond cells) fill the whole 32 × 32 square.
TEST_F(SpriteSheetsA, GridTilesAreOpaqueEdgeToEdge) {
  for (int n : {33, 77, 78, 79, 84, 115, 116, 117, 118, 119}) {
    for (int tier : kTiers) {
      const Frame frame = frameOf(n, tier);
      int holes = 0;
      for (int y = kMargin * tier; y < (kCell - kMargin) * tier; ++y)
        for (int x = kMargin * tier; x < (kCell - kMargin) * tier; ++x) holes += frame.alpha(x, y) < 255;
      EXPECT_EQ(holes, 0) << "sprite " << n << " tier " << tier;
    }
  }
}

// Flappy's ground tiles repeat every 64 units at scale 4: exactly 16 pixels of solid
// ground, so neighbours abut without a gap or an overlap (the back layer is translucent).
TEST_F(SpriteSheetsA, FlappyGroundTileIsSixteenWideAndSolid) {
  for (int tier : kTiers) {
    const Frame frame = frameOf(260, tier);
    const int left = 12 * tier, right = 28 * tier;
    for (int x = 0; x < frame.size(); ++x) {
      int opaque = 0;
      for (int y = 0; y < frame.size(); ++y) opaque += frame.alpha(x, y) == 255;
      if (x < left || x >= right) {
        EXPECT_EQ(opaque, 0) << "column " << x << " tier " << tier;
      } else {
        // Solid from the grass line (6 units above the centre, at scale 4 the same line
        // on which the scenery pictures stand) down to the margin.
        EXPECT_EQ(opaque, (kCell - kMargin - 14) * tier) << "column " << x << " tier " << tier;
      }
    }
  }
}

// Flappy's tall obstacle hits within ±16 × ±64 units at scale 4: 8 × 32 pixels of art.
TEST_F(SpriteSheetsA, FlappyObstacleMatchesItsHitBox) {
  const Box box = boxOf(frameOf(276, 4));
  EXPECT_NEAR(box.width(), 8.0, 0.5);
  EXPECT_NEAR(box.height(), 32.0, 0.5);
}

// Qubic's pyramid rows sit half a cube across from each other, so every cube is a
// hexagon exactly 32 wide whose corners leave the cell's corners empty.
TEST_F(SpriteSheetsA, QubicCubesAreThirtyTwoWideHexagons) {
  for (int n = 22; n <= 27; ++n) {
    for (int tier : kTiers) {
      const Frame frame = frameOf(n, tier);
      const int y = 20 * tier;
      EXPECT_EQ(frame.alpha(kMargin * tier, y), 255) << "sprite " << n << " tier " << tier;
      EXPECT_EQ(frame.alpha((kCell - kMargin) * tier - 1, y), 255) << "sprite " << n << " tier " << tier;
      EXPECT_EQ(frame.alpha(6 * tier, 6 * tier), 0) << "sprite " << n << " tier " << tier;
      EXPECT_EQ(frame.alpha(33 * tier, 34 * tier), 0) << "sprite " << n << " tier " << tier;
    }
  }
}

// A wide Vever platform is three pieces 28 units apart: each piece is wider than that,
// so the pieces join into one platform.
TEST_F(SpriteSheetsA, VeverPlatformPiecesOverlapTheirNeighbours) {
  for (int n = 0; n <= 3; ++n) {
    const Frame frame = frameOf(n, 1);
    int longestRun = 0;
    for (int y = 0; y < kCell; ++y) {
      int run = 0;
      for (int x = 0; x < kCell; ++x) {
        run = frame.alpha(x, y) == 255 ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
      }
    }
    EXPECT_GT(longestRun, 28) << "sprite " << n;
  }
}

// The pieces of a wide platform overlap by four units; only their top and bottom are
// outlined, so no ink edge runs down through the body where two pieces meet.
TEST_F(SpriteSheetsA, VeverPlatformEndsCarryNoOutline) {
  for (int n = 0; n <= 3; ++n) {
    for (int tier : kTiers) {
      const Frame frame = frameOf(n, tier);
      int inkInEnds = 0;
      for (int y = 21 * tier; y < 30 * tier; ++y)
        for (int x = 0; x < frame.size(); ++x) {
          const bool inEnd = x < 8 * tier || x >= 32 * tier;
          const std::uint8_t* p = frame.at(x, y);
          inkInEnds += inEnd && p[3] > 0 && std::max({p[0], p[1], p[2]}) < 60;
        }
      EXPECT_EQ(inkInEnds, 0) << "sprite " << n << " tier " << tier;
    }
  }
}

// Game sprites are drawn white, so they carry their own colours. A few pictures are
// neutral by nature: the grey stone of Tower's wall, the empty glass, the golf ball, the
// lizard's shadow and the clouds.
bool neutralByNature(int n) { return n == 33 || n == 51 || n == 106 || n == 110 || n == 291 || n == 292; }

TEST_F(SpriteSheetsA, GameSpritesAreColoured) {
  for (const SheetCase& sheet : sheetCases()) {
    for (int n : sheet.drawn) {
      if (neutralByNature(n)) continue;
      const Frame frame = frameOf(n, 1);
      int saturated = 0;
      for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
          const std::uint8_t* p = frame.at(x, y);
          if (p[3] < 200) continue;
          const int high = std::max({p[0], p[1], p[2]}), low = std::min({p[0], p[1], p[2]});
          saturated += high - low > 80;
        }
      EXPECT_GE(saturated, 4) << "sprite " << n;
    }
  }
}

TEST_F(SpriteSheetsA, LizardShadowIsADarkTranslucentPatch) {
  const Frame frame = frameOf(110, 1);
  int covered = 0;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const std::uint8_t* p = frame.at(x, y);
      if (p[3] == 0) continue;
      ++covered;
      EXPECT_LT(p[3], 200) << x << "," << y;
      EXPECT_LT(std::max({p[0], p[1], p[2]}), 80) << x << "," << y;
    }
  EXPECT_GT(covered, 100);
}

// A sprite number names one picture: two different sprites never share identical art,
// so no game is handed another game's picture by a slip in the numbering.
TEST_F(SpriteSheetsA, EverySpriteIsItsOwnPicture) {
  std::vector<int> all;
  for (const SheetCase& sheet : sheetCases()) all.insert(all.end(), sheet.drawn.begin(), sheet.drawn.end());
  for (size_t i = 0; i < all.size(); ++i)
    for (size_t j = i + 1; j < all.size(); ++j)
      EXPECT_FALSE(samePixels(frameOf(all[i], 1), frameOf(all[j], 1))) << all[i] << " and " << all[j];
}

// The shot is squashed into streaks of every proportion and turned every way, which
// only works for a round, centred picture.
TEST_F(SpriteSheetsA, SharedShotIsARoundCentredGlow) {
  const Frame frame = frameOf(6, 4);
  const Box box = boxOf(frame);
  EXPECT_NEAR(box.width(), box.height(), 0.5);
  EXPECT_NEAR((box.left + box.right) / 2, 20, 0.3);
  EXPECT_NEAR((box.top + box.bottom) / 2, 20, 0.3);
  EXPECT_LT(asymmetry(frame), 0.02);
}

// The gun (Chaos, and turned sideways by Numbers and Qubic) and the Waves/Xplode ship
// point UP at rotation 0: narrow at the top, broad at the bottom.
TEST_F(SpriteSheetsA, GunAndShipPointUp) {
  for (int n : {15, 34}) {
    const Frame frame = frameOf(n, 4);
    const Box box = boxOf(frame);
    const double nearTop = rowWidth(frame, box.top + box.height() * 0.15);
    const double nearBottom = rowWidth(frame, box.top + box.height() * 0.85);
    EXPECT_LT(nearTop * 2, nearBottom) << "sprite " << n;
    EXPECT_LT(asymmetry(frame), 0.05) << "sprite " << n;
  }
}

// Karate opponents come from both sides but are never mirrored; the fuel pod is always
// drawn mirrored. Both are drawn symmetric.
TEST_F(SpriteSheetsA, PicturesDrawnEitherWayRoundAreSymmetric) {
  for (int n : {74, 120, 121, 122}) EXPECT_LT(asymmetry(frameOf(n, 4)), 0.03) << "sprite " << n;
}

// Qubic's hopper must face LEFT natively (the game mirrors it to face right): standing
// and hopping, its beak reaches further from the centre on the left than anything does
// on the right.
TEST_F(SpriteSheetsA, QubicHopperFacesLeft) {
  for (int n = 19; n <= 20; ++n) {
    const Box box = boxOf(frameOf(n, 4));
    EXPECT_GT(20 - box.left, box.right - 20 + 2) << "sprite " << n;
  }
}

// Pictures that stand on something reach down to the bottom of their picture area (the
// 32-unit square centred in the cell):
// - Abstract's walker stands on the corridor's floor line at scale 2, and the hopper
//   rises out of that floor;
// - Qubic's hopper stands three quarters of a cell (24 units) above a cube's centre,
//   on the cube's top face;
// - Flappy's scenery is drawn 58 units above the ground tile's centre at scale 2.
TEST_F(SpriteSheetsA, StandingPicturesReachTheBottomOfTheirArea) {
  for (int n : {40, 41, 42, 43, 44, 19, 21, 280, 282}) {
    EXPECT_NEAR(boxOf(frameOf(n, 4)).bottom, 36.0, 1.0) << "sprite " << n;
  }
}

// Golfing centres the hole, water and sand on the fairway's top edge and stands the
// golfer with his feet on it; Soda stands its glasses on the counter's top edge, which
// it places at the glass's centre. So these pictures rest on the centre line.
TEST_F(SpriteSheetsA, PicturesRestingOnALineMeetItAtTheCentre) {
  for (int n : {112, 113}) EXPECT_NEAR(boxOf(frameOf(n, 4)).bottom, 22.0, 1.5) << "sprite " << n;
  for (int n = 51; n <= 55; ++n) EXPECT_NEAR(boxOf(frameOf(n, 4)).bottom, 21.0, 0.8) << "sprite " << n;
  // The water and sand are hollows whose brim lies on the line: their widest row is
  // just below the centre, and the sand has nothing above it (the water has a few reeds).
  for (int n : {107, 108}) EXPECT_GT(rowWidth(frameOf(n, 4), 20.5), 26) << "sprite " << n;
  EXPECT_LT(boxOf(frameOf(108, 4)).top, 20.0);
  EXPECT_GT(boxOf(frameOf(108, 4)).top, 18.5);
  const Box flag = boxOf(frameOf(105, 4));
  EXPECT_NEAR(flag.bottom, 23.0, 1.0);
  EXPECT_LT(flag.top, 8.0);
}

// Life icons stand in a row: Umbrella's drops 12 units apart at scale 1, Soda's glasses
// 24 units apart at scale 2. They must not run into each other.
TEST_F(SpriteSheetsA, LifeIconsFitTheirSpacing) {
  EXPECT_LT(boxOf(frameOf(303, 4)).width(), 11.0);
  for (int n : {51, 55}) EXPECT_LT(boxOf(frameOf(n, 4)).width(), 12.0) << "sprite " << n;
}

// Animation frames and paired states must differ, and the helicopter's rotor frames
// only move the rotors: its cabin and skids stay put.
TEST_F(SpriteSheetsA, AnimationFramesChangeOnlyWhatMoves) {
  for (auto [a, b] : {std::pair{40, 41}, {41, 42}, {42, 43}, {26, 27}, {257, 258}, {291, 292}, {19, 20}}) {
    EXPECT_FALSE(samePixels(frameOf(a, 1), frameOf(b, 1))) << a << " and " << b;
  }
  const Frame first = frameOf(96, 4);
  for (int n = 97; n <= 103; ++n) {
    const Frame frame = frameOf(n, 4);
    EXPECT_FALSE(samePixels(first, frame)) << "sprite " << n;
    int changedBelowRotor = 0;
    for (int y = 24 * 4; y < frame.size(); ++y)
      for (int x = 0; x < frame.size(); ++x) changedBelowRotor += first.alpha(x, y) != frame.alpha(x, y);
    EXPECT_EQ(changedBelowRotor, 0) << "sprite " << n;
  }
}

// NotSame's four tile colours must be easy to tell apart.
TEST_F(SpriteSheetsA, PondTileColoursAreFarApart) {
  std::vector<std::array<double, 3>> means;
  for (int n = 115; n <= 118; ++n) {
    const Frame frame = frameOf(n, 1);
    std::array<double, 3> sum{};
    for (int y = 8; y < 32; ++y)
      for (int x = 8; x < 32; ++x)
        for (int c = 0; c < 3; ++c) sum[c] += frame.at(x, y)[c] / (24.0 * 24.0);
    means.push_back(sum);
  }
  for (size_t i = 0; i < means.size(); ++i)
    for (size_t j = i + 1; j < means.size(); ++j) {
      const double distance = std::hypot(means[i][0] - means[j][0], means[i][1] - means[j][1],
                                         means[i][2] - means[j][2]);
      EXPECT_GT(distance, 90) << "tiles " << 115 + i << " and " << 115 + j;
    }
}

}  // namespace
