// Checks the generated sprite sheets sprt_2, sprt_3 and sprt_5 against what the games
// need of them: the sheet sizes the loader cuts into 40 × 40 cells, a visible picture in
// every cell a game draws (and nothing in the others), pictures that stay inside their
// cells, tiles that join their neighbours, and figures standing on the ground where each
// game places them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "stb_image.h"

namespace {

constexpr int kCell = 40;
constexpr int kColumns = 8;
constexpr int kTiers[] = {1, 2, 4};

// One tier of one sheet, as straight RGBA.
class SheetImage {
 public:
  static std::optional<SheetImage> load(int sheet, int tier) {
    const char* suffix = tier == 1 ? "" : tier == 2 ? "-hd" : "-hd2";
    const std::string path =
        std::string(ZANDREL_DATA_DIR) + "/sprt_" + std::to_string(sheet) + suffix + ".png";
    SheetImage image;
    image.tier_ = tier;
    if (!stbi_info(path.c_str(), &image.width_, &image.height_, &image.channelsInFile_)) {
      return std::nullopt;
    }
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &n, 4);
    if (pixels == nullptr) return std::nullopt;
    image.rgba_.assign(pixels, pixels + static_cast<size_t>(w) * h * 4);
    stbi_image_free(pixels);
    image.sheet_ = sheet;
    return image;
  }

  int width() const { return width_; }
  int height() const { return height_; }
  int channelsInFile() const { return channelsInFile_; }
  int tier() const { return tier_; }

  // Channel c (0 red .. 3 alpha) of the device pixel (dx, dy) of a sprite's cell,
  // counted from the cell's top-left.
  int channel(int sprite, int dx, int dy, int c) const {
    const int frame = sprite - sheet_ * 64;
    const int x = (frame % kColumns) * kCell * tier_ + dx;
    const int y = (frame / kColumns) * kCell * tier_ + dy;
    return rgba_[(static_cast<size_t>(y) * width_ + x) * 4 + c];
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
  std::vector<unsigned char> rgba_;
  int width_ = 0, height_ = 0, channelsInFile_ = 0;
  int tier_ = 1, sheet_ = 0;
};

// Every sprite number a game draws from these sheets.
std::vector<int> drawnSprites(int sheet) {
  std::vector<int> s;
  auto range = [&](int from, int to) {
    for (int n = from; n <= to; ++n) s.push_back(n);
  };
  switch (sheet) {
    case 2:  // Karate's fighter, Jetpac's floor and pad, Jump, Octopus
      range(128, 131); range(133, 139); range(141, 147); range(149, 152); range(160, 183);
      break;
    case 3:  // Jetpac's spaceman and aliens, Zone, Yahtzee, Ice
      range(192, 219); range(228, 229);
      break;
    case 5:  // Penguin, Map, Tower
      range(332, 333); range(336, 339); range(342, 345); range(352, 353); range(355, 360);
      range(363, 364); range(368, 379);
      break;
  }
  return s;
}

// Each sheet is decoded once for the whole run.
const SheetImage& sheetImage(int sheet, int tier) {
  static std::map<std::pair<int, int>, SheetImage> cache;
  const auto key = std::make_pair(sheet, tier);
  auto found = cache.find(key);
  if (found == cache.end()) {
    std::optional<SheetImage> image = SheetImage::load(sheet, tier);
    if (!image) {
      throw std::runtime_error("missing sheet sprt_" + std::to_string(sheet) + " tier " +
                               std::to_string(tier));
    }
    found = cache.emplace(key, std::move(*image)).first;
  }
  return found->second;
}

// Measurements on the tier-4 picture, in tier-1 units from the cell's centre, of pixels
// at least half opaque.
const SheetImage& fine(int sprite) { return sheetImage(sprite / 64, 4); }

double lowestOpaque(int sprite) {
  const SheetImage& im = fine(sprite);
  for (int dy = im.cellSide() - 1; dy >= 0; --dy) {
    for (int dx = 0; dx < im.cellSide(); ++dx) {
      if (im.alpha(sprite, dx, dy) >= 128) return im.unitsFrom(dy + 1);
    }
  }
  return -kCell;
}

double topOpaqueInColumn(int sprite, double x) {
  const SheetImage& im = fine(sprite);
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

Reach reachToward(int sprite, int side) {
  const SheetImage& im = fine(sprite);
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

// --- Sheet files ------------------------------------------------------------------------

TEST(SpriteSheetsB, EachSheetComesInThreeTiersOfTheExactSize) {
  for (int sheet : {2, 3, 5}) {
    for (int tier : kTiers) {
      std::optional<SheetImage> image = SheetImage::load(sheet, tier);
      ASSERT_TRUE(image) << "sprt_" << sheet << " tier " << tier;
      EXPECT_EQ(image->width(), 320 * tier);
      EXPECT_EQ(image->height(), 320 * tier);
      EXPECT_EQ(image->channelsInFile(), 4) << "8-bit RGBA with straight alpha";
    }
  }
}

// --- Every cell -------------------------------------------------------------------------

TEST(SpriteSheetsB, EverySpriteAGameDrawsIsVisibleInEveryTier) {
  for (int sheet : {2, 3, 5}) {
    for (int tier : kTiers) {
      const SheetImage& im = sheetImage(sheet, tier);
      for (int sprite : drawnSprites(sheet)) {
        int solid = 0;
        for (int dy = 0; dy < im.cellSide(); ++dy) {
          for (int dx = 0; dx < im.cellSide(); ++dx) solid += im.alpha(sprite, dx, dy) >= 128;
        }
        // The smallest picture, Octopus's bubble, covers about 70 tier-1 pixels.
        EXPECT_GE(solid, 50 * tier * tier) << "sprite " << sprite << " tier " << tier;
      }
    }
  }
}

TEST(SpriteSheetsB, PicturesKeepClearOfTheirCellsEdges) {
  // Scaled and turned drawing samples right up to the cell's edge; a picture touching it
  // would show as a hairline on the neighbour's side.
  for (int sheet : {2, 3, 5}) {
    for (int tier : kTiers) {
      const SheetImage& im = sheetImage(sheet, tier);
      for (int sprite : drawnSprites(sheet)) {
        int touching = 0;
        for (int i = 0; i < im.cellSide(); ++i) {
          for (int ring = 0; ring < tier; ++ring) {
            const int far = im.cellSide() - 1 - ring;
            touching += im.alpha(sprite, i, ring) > 0;
            touching += im.alpha(sprite, i, far) > 0;
            touching += im.alpha(sprite, ring, i) > 0;
            touching += im.alpha(sprite, far, i) > 0;
          }
        }
        EXPECT_EQ(touching, 0) << "sprite " << sprite << " tier " << tier;
      }
    }
  }
}

TEST(SpriteSheetsB, CellsNoGameDrawsStayTransparent) {
  // Karate never strikes with code 4 (132, 140, 148), and 207 + 0 is no die.
  for (int sheet : {2, 3, 5}) {
    const std::vector<int> drawn = drawnSprites(sheet);
    const SheetImage& im = sheetImage(sheet, 1);
    for (int sprite = sheet * 64; sprite < sheet * 64 + 64; ++sprite) {
      if (std::find(drawn.begin(), drawn.end(), sprite) != drawn.end()) continue;
      int painted = 0;
      for (int dy = 0; dy < kCell; ++dy) {
        for (int dx = 0; dx < kCell; ++dx) painted += im.alpha(sprite, dx, dy) > 0;
      }
      EXPECT_EQ(painted, 0) << "sprite " << sprite;
    }
  }
}

// --- Tiles ------------------------------------------------------------------------------

// Alpha of one column of a cell, at device resolution.
std::vector<int> column(const SheetImage& im, int sprite, int dx) {
  std::vector<int> alphas;
  for (int dy = 0; dy < im.cellSide(); ++dy) alphas.push_back(im.alpha(sprite, dx, dy));
  return alphas;
}

// The tile's 32-px-wide body: its first and last device columns and the ones outside.
struct TileColumns {
  int left, right, outsideLeft, outsideRight;
};

TileColumns tileColumns(const SheetImage& im) {
  const int t = im.tier();
  return {4 * t, 36 * t - 1, 4 * t - 1, 36 * t};
}

void expectSameEdge(const std::vector<int>& a, const std::vector<int>& b, const std::string& what) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    ASSERT_NEAR(a[i], b[i], 8) << what << " row " << i;
  }
}

TEST(SpriteSheetsB, GroundTilesAreExactly32WideAndJoinInAnyOrder) {
  // Jump lays 160 + i mod 4 every 64 units at scale 2; Jetpac picks one at random per
  // column, so any tile's right edge meets any tile's left edge.
  for (int tier : kTiers) {
    const SheetImage& im = sheetImage(2, tier);
    const TileColumns c = tileColumns(im);
    for (int a = 160; a <= 163; ++a) {
      for (int dy = 0; dy < im.cellSide(); ++dy) {
        EXPECT_EQ(im.alpha(a, c.outsideLeft, dy), 0) << a;
        EXPECT_EQ(im.alpha(a, c.outsideRight, dy), 0) << a;
      }
      for (int b = 160; b <= 163; ++b) {
        expectSameEdge(column(im, a, c.right), column(im, b, c.left),
                       std::to_string(a) + " then " + std::to_string(b));
      }
      // Solid from the turf down to the bottom edge, which meets the screen's bottom.
      for (double y = -12; y < 16; y += 1.0 / tier) {
        EXPECT_EQ(im.alphaAt(a, -16, y), 255) << a << " y " << y;
        EXPECT_EQ(im.alphaAt(a, 16 - 1.0 / tier, y), 255) << a << " y " << y;
      }
      for (double x = -16; x < 16; x += 1.0 / tier) {
        EXPECT_EQ(im.alphaAt(a, x, 16 - 1.0 / tier), 255) << a << " x " << x;
      }
    }
  }
}

TEST(SpriteSheetsB, GridTilesFillTheir32PixelSquareExactly) {
  // Zone's block (scale 2 on a 64-unit grid), Yahtzee's drop-zone and well tiles and
  // Map's floor, wall and cleared path join their neighbours on all four sides.
  for (int sprite : {198, 214, 215, 352, 353, 355}) {
    for (int tier : kTiers) {
      const SheetImage& im = sheetImage(sprite / 64, tier);
      int holes = 0, spill = 0;
      for (int dy = 0; dy < im.cellSide(); ++dy) {
        for (int dx = 0; dx < im.cellSide(); ++dx) {
          const bool inside = dx >= 4 * tier && dx < 36 * tier && dy >= 4 * tier && dy < 36 * tier;
          const int a = im.alpha(sprite, dx, dy);
          holes += inside && a != 255;
          spill += !inside && a != 0;
        }
      }
      EXPECT_EQ(holes, 0) << "sprite " << sprite << " tier " << tier;
      EXPECT_EQ(spill, 0) << "sprite " << sprite << " tier " << tier;
    }
  }
}

// Games magnify tier 1 up to five times (Karate), so its pictures are fitted to whole
// pixels: hardly any edge pixel is half transparent. The landing pad's thruster glow is
// see-through by design.
TEST(SpriteSheetsB, TierOnePicturesHaveHardEdges) {
  for (int sheet : {2, 3, 5}) {
    const SheetImage& im = sheetImage(sheet, 1);
    for (int sprite : drawnSprites(sheet)) {
      if (sprite == 183) continue;
      int visible = 0, soft = 0;
      for (int dy = 0; dy < kCell; ++dy)
        for (int dx = 0; dx < kCell; ++dx) {
          const int a = im.alpha(sprite, dx, dy);
          visible += a > 0;
          soft += a > 0 && a < 255;
        }
      EXPECT_LE(soft, visible / 20) << "sprite " << sprite;
    }
  }
}

// Relative luminance of a colour given in 0..255 per channel.
double luminanceOf(double r, double g, double b) {
  const auto linear = [](double c) {
    const double v = c / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
}

// Yahtzee's score digits, green (100, 255, 100), run across the drop zone's top row: the
// tile must give them the contrast of readable text, 4.5 to 1.
TEST(SpriteSheetsB, ScoreLineReadsOverTheDropZoneTile) {
  const SheetImage& im = sheetImage(3, 1);
  double luminance = 0;
  for (int dy = 4; dy < 36; ++dy)
    for (int dx = 4; dx < 36; ++dx)
      luminance += luminanceOf(im.channel(214, dx, dy, 0), im.channel(214, dx, dy, 1), im.channel(214, dx, dy, 2)) /
                   (32.0 * 32.0);
  EXPECT_GE((luminanceOf(100, 255, 100) + 0.05) / (luminance + 0.05), 4.5);
}

TEST(SpriteSheetsB, PenguinPlatformPiecesShareOneEdge) {
  // A platform is 332 with 333 31 units to its right and 333 mirrored 31 units to its
  // left: the middle's edges and the end piece's inner edge all meet.
  for (int tier : kTiers) {
    const SheetImage& im = sheetImage(5, tier);
    const TileColumns c = tileColumns(im);
    const std::vector<int> middleLeft = column(im, 332, c.left);
    expectSameEdge(middleLeft, column(im, 332, c.right), "middle's two edges");
    expectSameEdge(middleLeft, column(im, 333, c.left), "middle and end");
    const int solidRows = static_cast<int>(std::count(middleLeft.begin(), middleLeft.end(), 255));
    EXPECT_GE(solidRows, 8 * tier) << "an ice band at least 8 px thick";
    for (int dy = 0; dy < im.cellSide(); ++dy) {
      EXPECT_EQ(im.alpha(332, c.outsideLeft, dy), 0);
      EXPECT_EQ(im.alpha(332, c.outsideRight, dy), 0);
      EXPECT_EQ(im.alpha(333, c.outsideLeft, dy), 0);
      EXPECT_EQ(im.alpha(333, c.right, dy), 0) << "the end piece rounds off before its edge";
    }
  }
}

TEST(SpriteSheetsB, TowerWallTopJoinsItsRowAndTheWallBelow) {
  for (int tier : kTiers) {
    const SheetImage& im = sheetImage(5, tier);
    const TileColumns c = tileColumns(im);
    expectSameEdge(column(im, 360, c.left), column(im, 360, c.right), "wall top's two edges");
    for (double x = -16; x < 16; x += 1.0 / tier) {
      EXPECT_EQ(im.alphaAt(360, x, 16 - 1.0 / tier), 255) << "bottom edge at x " << x;
      // The player, drawn before the wall, shows above the coping.
      for (double y = -16; y < -9; y += 1.0 / tier) {
        EXPECT_EQ(im.alphaAt(360, x, y), 0) << "x " << x << " y " << y;
      }
    }
  }
}

// --- Standing where the games put them ----------------------------------------------------
// Screen units are the game's; each figure's soles may sink a little into its ground
// (grass, a lip) but must not float above it.

constexpr double kJetpacUnit = 640.0 / 17;  // U: grid cell and scale U/32 at 640 wide

TEST(SpriteSheetsB, JumpWheelRollsOnTheGroundStrip) {
  // Tiles at jscrh - 32 (scale 2), the wheel at jscrh - 72 (scale 1).
  const double groundTop = -32 + 2 * topOpaqueInColumn(160, -16);
  const double wheelBottom = -72 + lowestOpaque(168);
  EXPECT_GE(wheelBottom - groundTop, -0.5);
  EXPECT_LE(wheelBottom - groundTop, 4.0);
}

TEST(SpriteSheetsB, JetpacSpacemanStandsOnTheFloorAndOnThePads) {
  const double s = kJetpacUnit / 32;
  // Floor row 8 is centred half a cell above the bottom; he stands at jscrh - 54.
  const double floorTop = -kJetpacUnit / 2 + s * topOpaqueInColumn(160, -16);
  // A pad (scale 2·U/32) puts him 52 units above its centre.
  const double padTop = 2 * s * topOpaqueInColumn(183, 0);
  for (int sprite = 192; sprite <= 195; ++sprite) {
    const double soles = lowestOpaque(sprite) * s;
    EXPECT_GE(-54 + soles - floorTop, -1.0) << sprite;
    EXPECT_LE(-54 + soles - floorTop, 4.0) << sprite;
    EXPECT_GE(-52 + soles - padTop, -1.0) << sprite;
    EXPECT_LE(-52 + soles - padTop, 4.0) << sprite;
  }
}

TEST(SpriteSheetsB, ZoneFiguresStandOnTheBlocks) {
  // A block (scale 2) at sy; Vumbo lands at sy - 40, spikes stand at sy - 42 (scale 1).
  const double blockTop = 2 * topOpaqueInColumn(198, 0);
  EXPECT_DOUBLE_EQ(blockTop, -32);
  for (int sprite = 216; sprite <= 219; ++sprite) {
    EXPECT_GE(-40 + lowestOpaque(sprite) - blockTop, -1.0) << sprite;
    EXPECT_LE(-40 + lowestOpaque(sprite) - blockTop, 3.0) << sprite;
  }
  EXPECT_GE(-42 + lowestOpaque(206) - blockTop, -1.0);
  EXPECT_LE(-42 + lowestOpaque(206) - blockTop, 3.0);
}

TEST(SpriteSheetsB, PenguinsStandOnThePlatforms) {
  // A landed penguin is 17 units above the platform's centre, both at scale 1.
  const double iceTop = topOpaqueInColumn(332, 0);
  for (int sprite : {336, 337, 338, 342, 343, 344}) {
    EXPECT_GE(-17 + lowestOpaque(sprite) - iceTop, -1.0) << sprite;
    EXPECT_LE(-17 + lowestOpaque(sprite) - iceTop, 3.0) << sprite;
  }
}

TEST(SpriteSheetsB, IceRunnerAndCouchMeetTheFloorStrip) {
  // The floor strip starts 16 units above the bottom; the runner's centre is 32 above it
  // (scale 1), a risen couch's centre 48 above it (scale 2).
  const double floorTop = -16;
  EXPECT_GE(-32 + lowestOpaque(229) - floorTop, -1.0);
  EXPECT_LE(-32 + lowestOpaque(229) - floorTop, 3.0);
  EXPECT_GE(-48 + 2 * lowestOpaque(228) - floorTop, -1.0);
  EXPECT_LE(-48 + 2 * lowestOpaque(228) - floorTop, 3.0);
}

TEST(SpriteSheetsB, KarateFighterStandsOnTheRedLineAndLeavesItWhenJumping) {
  // Drawn at scale 5 with its centre 80 units above the ground line.
  for (int sprite : {128, 129, 130, 131, 133, 134, 135, 136, 137, 138, 139, 141, 142, 143, 152}) {
    const double feet = -80 + 5 * lowestOpaque(sprite);
    EXPECT_GE(feet, -2.0) << sprite;
    EXPECT_LE(feet, 6.0) << sprite;
  }
  for (int sprite : {144, 145, 146, 147, 149, 150, 151}) {
    EXPECT_LT(-80 + 5 * lowestOpaque(sprite), -2.0) << sprite;
  }
}

TEST(SpriteSheetsB, KarateStrikesReachTheirOpponentsLane) {
  // An opponent is struck within 64 units of the fighter (12.8 of his 5× pixels), and is
  // drawn 64 units tall (±6.4) centred at -9 (jump), +1 (stand) or +11 (duck).
  struct Stance {
    int base;
    double lane;
  };
  for (Stance stance : {Stance{128, 1.0}, Stance{136, 11.0}, Stance{144, -9.0}}) {
    for (int kind = 1; kind <= 3; ++kind) {
      const Reach right = reachToward(stance.base + kind, 1);
      EXPECT_GE(right.x, 12.8) << stance.base + kind;
      EXPECT_NEAR(right.y, stance.lane, 6.4) << stance.base + kind;
      const Reach left = reachToward(stance.base + 4 + kind, -1);
      EXPECT_LE(left.x, -12.8) << stance.base + 4 + kind;
      EXPECT_NEAR(left.y, stance.lane, 6.4) << stance.base + 4 + kind;
    }
  }
}

TEST(SpriteSheetsB, TowerFiguresMeetTheWallTopsCoping) {
  // With the tower unit U at scale U/32: the wall top's centre is 1 U below the wall line,
  // the player's 0.5 U (16 px higher), a blob on top 0.2 U (25.6 px), a lying log 0.4 U.
  const double coping = topOpaqueInColumn(360, 0);
  for (int sprite : {368, 371}) {
    const double soles = -16 + lowestOpaque(sprite);
    EXPECT_GE(soles, coping) << "the player's feet must not float above the wall";
    EXPECT_LE(soles - coping, 8.0) << "nor vanish far behind its lip";
  }
  for (int sprite : {356, 358, 374}) {
    EXPECT_GE(-25.6 + lowestOpaque(sprite) - coping, -2.0) << sprite;
    EXPECT_LE(-25.6 + lowestOpaque(sprite) - coping, 3.0) << sprite;
  }
  EXPECT_GE(-19.2 + lowestOpaque(379) - coping, -2.0);
  EXPECT_LE(-19.2 + lowestOpaque(379) - coping, 3.0);
}

TEST(SpriteSheetsB, OctopusEaterOpensItsMouthToTheRight) {
  // Angle 0 is a heading to the right, so the mouth must be on the right.
  for (int sprite : {170, 171, 172}) {
    for (int tier : kTiers) {
      const SheetImage& im = sheetImage(2, tier);
      EXPECT_EQ(im.alphaAt(sprite, 9.5, 0), 0) << sprite;
      EXPECT_EQ(im.alphaAt(sprite, -7, 0), 255) << sprite;
    }
  }
}

// --- Pictures that must read right ---------------------------------------------------------

// Number of 4-connected regions of pixels matching `is` within ±half of the centre, on the
// tier-4 picture.
int countRegions(int sprite, double half, const std::function<bool(int, int, int)>& is) {
  const SheetImage& im = fine(sprite);
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

TEST(SpriteSheetsB, EachDieShowsItsNumberOfPips) {
  // Yahtzee draws the die showing v as 207 + v; pips are dark (or the red ace) on ivory.
  auto pip = [](int r, int g, int b) { return (r + g + b) / 3 < 120 || (r > 200 && g < 120 && b < 120); };
  for (int value = 1; value <= 6; ++value) {
    EXPECT_EQ(countRegions(207 + value, 11.0, pip), value) << "die " << value;
  }
}

// Opaque pixels of a cell at tier 4, and how many differ in opacity between two cells.
int opaqueArea(int sprite) {
  const SheetImage& im = fine(sprite);
  int area = 0;
  for (int dy = 0; dy < im.cellSide(); ++dy) {
    for (int dx = 0; dx < im.cellSide(); ++dx) area += im.alpha(sprite, dx, dy) >= 128;
  }
  return area;
}

int changedPixels(int a, int b) {
  const SheetImage& im = fine(a);
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

TEST(SpriteSheetsB, AnimationFramesMoveButKeepTheirFigure) {
  // Frames the games cycle through: each differs from the next (or the animation would
  // stall) while the figure keeps roughly its size (or it would pulse).
  const std::vector<std::vector<int>> cycles = {
      {169, 170, 171, 172},       // Octopus's eater
      {177, 178, 179, 180, 181},  // the octopus's looks
      {192, 193, 194, 195},       // Jetpac's walk
      {216, 217, 218, 219},       // Vumbo's walk
      {336, 337, 338},            // penguin B
      {342, 343, 344},            // penguin A
      {368, 369, 370},            // Map's player walking down
      {371, 372, 373},            // ... sideways
      {376, 377, 378},            // ... up
      {356, 357},                 // Map's monsters (Tower's blobs and their fall)
      {358, 359},
      {374, 375},
  };
  for (const std::vector<int>& cycle : cycles) {
    for (size_t i = 0; i < cycle.size(); ++i) {
      const int a = cycle[i];
      const int b = cycle[(i + 1) % cycle.size()];
      EXPECT_GT(changedPixels(a, b), 60) << a << " to " << b;
      EXPECT_NEAR(opaqueArea(b), opaqueArea(a), 0.3 * opaqueArea(a)) << a << " to " << b;
    }
  }
}

TEST(SpriteSheetsB, KarateLeftStrikesMirrorTheRightOnes) {
  // Strike 5..7 is strike 1..3 turned to the left: the same silhouette, flipped.
  for (int base : {128, 136, 144}) {
    for (int kind = 1; kind <= 3; ++kind) {
      const SheetImage& im = fine(base);
      const int right = base + kind, left = base + 4 + kind;
      int both = 0, either = 0;
      for (int dy = 0; dy < im.cellSide(); ++dy) {
        for (int dx = 0; dx < im.cellSide(); ++dx) {
          const bool r = im.alpha(right, dx, dy) >= 128;
          const bool l = im.alpha(left, im.cellSide() - 1 - dx, dy) >= 128;
          both += r && l;
          either += r || l;
        }
      }
      EXPECT_GT(static_cast<double>(both) / either, 0.97) << right << " and " << left;
    }
  }
}

TEST(SpriteSheetsB, JetpackFlameShowsBelowTheFlyingSpaceman) {
  // 197 alternates with 196 while the jetpack fires: the flame is what flickers.
  EXPECT_GT(lowestOpaque(197), lowestOpaque(196) + 1.5);
  EXPECT_GT(changedPixels(196, 197), 200);
}

TEST(SpriteSheetsB, TheWheelIsAlsoALifeIconWithAHeartAtItsHub) {
  // Octopus shows sprite 168 at scale 0.75 as its lives: a red heart inside the tyre.
  const SheetImage& im = fine(168);
  const int centre = im.cellSide() / 2;
  EXPECT_GT(im.channel(168, centre, centre, 0), 200);
  EXPECT_LT(im.channel(168, centre, centre, 1), 120);
  auto reddish = [](int r, int g, int b) { return r > g + 80 && r > b + 80; };
  EXPECT_EQ(countRegions(168, 5.0, reddish), 1) << "one heart, not split by the hub's details";
}

TEST(SpriteSheetsB, PenguinVariantsAreTellApart) {
  // Even and odd penguins walk side by side in one column.
  for (int i = 0; i < 3; ++i) EXPECT_GT(changedPixels(336 + i, 342 + i), 150) << i;
}

}  // namespace
