// The six generated sprite sheets as a whole: the sheet sizes the loader cuts into 40 × 40
// cells, a visible picture in every cell a game draws (and nothing in the others), pictures
// that stay inside their cells and look the same in every tier, and the rules several games'
// pictures share.
#include "sheet_pixels.h"

namespace sprite_sheets {
namespace {

class SpriteSheets : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int sheet = 0; sheet < kSheets; ++sheet)
      for (int tier : kTiers) ASSERT_NE(sheetPixels(sheet, tier), nullptr) << sheetPath(sheet, tier);
  }
};

// --- Every cell -------------------------------------------------------------------------

TEST(SpriteSheetFiles, EachSheetComesInThreeTiersOfTheExactSize) {
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    for (int tier : kTiers) {
      const Pixels* pixels = sheetPixels(sheet, tier);
      ASSERT_NE(pixels, nullptr) << sheetPath(sheet, tier);
      EXPECT_EQ(pixels->width, 320 * tier) << sheetPath(sheet, tier);
      EXPECT_EQ(pixels->height, 320 * tier) << sheetPath(sheet, tier);
      EXPECT_EQ(pixels->channelsInFile, 4) << "8-bit RGBA with straight alpha";
    }
  }
}

TEST_F(SpriteSheets, EverySpriteAGameDrawsIsVisibleInEveryTier) {
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    for (int tier : kTiers) {
      const SheetImage im = sheetImage(sheet, tier);
      for (int n : drawnSprites(sheet)) {
        // Even the golf ball, the smallest picture, covers more than 12 tier-1 pixels.
        EXPECT_GT(coverageOf(frameOf(n, tier)).area, 12.0) << "sprite " << n << " tier " << tier;
        int solid = 0;
        for (int dy = 0; dy < im.cellSide(); ++dy) {
          for (int dx = 0; dx < im.cellSide(); ++dx) solid += im.alpha(n, dx, dy) >= 128;
        }
        // The smallest solid picture, Octopus's bubble, covers about 70 tier-1 pixels.
        EXPECT_GE(solid, 50 * tier * tier) << "sprite " << n << " tier " << tier;
      }
    }
  }
}

// The pictures of sprt_0, sprt_1 and sprt_4 fit the 32-unit square in the middle of their
// cells, every empty cell included; the figures of the other sheets are drawn larger.
TEST_F(SpriteSheets, PicturesKeepTheirCellsMarginClear) {
  for (int sheet : {0, 1, 4}) {
    for (int frameIndex = 0; frameIndex < 64; ++frameIndex) {
      const int n = sheet * 64 + frameIndex;
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

TEST_F(SpriteSheets, PicturesKeepClearOfTheirCellsEdges) {
  // Scaled and turned drawing samples right up to the cell's edge; a picture touching it
  // would show as a hairline on the neighbour's side.
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    for (int tier : kTiers) {
      const SheetImage im = sheetImage(sheet, tier);
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

// Karate never strikes with code 4 (132, 140, 148), and 207 + 0 is no die.
TEST_F(SpriteSheets, CellsNoGameDrawsStayTransparent) {
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    const SheetImage im = sheetImage(sheet, 1);
    for (int n = sheet * 64; n < sheet * 64 + 64; ++n) {
      if (isDrawn(n)) continue;
      EXPECT_EQ(coverageOf(frameOf(n, 4)).area, 0.0) << "sprite " << n;
      int painted = 0;
      for (int dy = 0; dy < kCell; ++dy) {
        for (int dx = 0; dx < kCell; ++dx) painted += im.alpha(n, dx, dy) > 0;
      }
      EXPECT_EQ(painted, 0) << "sprite " << n;
    }
  }
}

// Tier 1 is fitted to whole pixels, so its centre may sit up to a few tenths of a pixel
// off the finer tiers'.
TEST_F(SpriteSheets, EveryTierShowsTheSamePicture) {
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    for (int n : drawnSprites(sheet)) {
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
// pixels: hardly any edge pixel is half transparent. Glows, glass, the rotor blur, the
// lizard's shadow and the landing pad's thruster glow are see-through by design.
TEST_F(SpriteSheets, TierOnePicturesHaveHardEdges) {
  const auto seeThrough = [](int n) {
    return n == 6 || (n >= 51 && n <= 55) || (n >= 98 && n <= 103) || n == 110 || n == 183;
  };
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    for (int n : drawnSprites(sheet)) {
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

// Game sprites are drawn white, so they carry their own colours. A few pictures are
// neutral by nature: the grey stone of Tower's wall, the empty glass, the golf ball, the
// lizard's shadow, the clouds, Zone's steel spike and the dice with black pips.
bool neutralByNature(int n) {
  return n == 33 || n == 51 || n == 106 || n == 110 || n == 291 || n == 292 || n == 206 || (n >= 209 && n <= 213);
}

TEST_F(SpriteSheets, GameSpritesAreColoured) {
  for (int sheet = 0; sheet < kSheets; ++sheet) {
    for (int n : drawnSprites(sheet)) {
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

// A sprite number names one picture: two different sprites never share identical art,
// so no game is handed another game's picture by a slip in the numbering.
TEST_F(SpriteSheets, EverySpriteIsItsOwnPicture) {
  std::vector<int> all;
  for (int sheet = 0; sheet < kSheets; ++sheet)
    all.insert(all.end(), drawnSprites(sheet).begin(), drawnSprites(sheet).end());
  for (size_t i = 0; i < all.size(); ++i)
    for (size_t j = i + 1; j < all.size(); ++j)
      EXPECT_FALSE(samePixels(frameOf(all[i], 1), frameOf(all[j], 1))) << all[i] << " and " << all[j];
}

// --- Rules several games' pictures share -------------------------------------------------

// Grid tiles join their neighbours on all four sides: Tower's wall block (U grid), Roller's
// walls and floor (maze cells), NotSame's pond tiles and bank (pond cells), Zone's block
// (scale 2 on a 64-unit grid), Yahtzee's drop-zone and well tiles and Map's floor, wall and
// cleared path fill their 32 × 32 square exactly.
TEST_F(SpriteSheets, GridTilesFillTheir32PixelSquareExactly) {
  for (int sprite : {33, 77, 78, 79, 84, 115, 116, 117, 118, 119, 198, 214, 215, 352, 353, 355}) {
    for (int tier : kTiers) {
      const SheetImage im = sheetImage(sprite / 64, tier);
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

// Karate opponents come from both sides but are never mirrored; the fuel pod is always
// drawn mirrored. Both are drawn symmetric.
TEST_F(SpriteSheets, PicturesDrawnEitherWayRoundAreSymmetric) {
  for (int n : {74, 120, 121, 122}) EXPECT_LT(asymmetry(frameOf(n, 4)), 0.03) << "sprite " << n;
}

// Pictures that stand on something reach down to the bottom of their picture area (the
// 32-unit square centred in the cell):
// - Abstract's walker stands on the corridor's floor line at scale 2, and the hopper
//   rises out of that floor;
// - Qubic's hopper stands three quarters of a cell (24 units) above a cube's centre,
//   on the cube's top face;
// - Flappy's scenery is drawn 58 units above the ground tile's centre at scale 2.
TEST_F(SpriteSheets, StandingPicturesReachTheBottomOfTheirArea) {
  for (int n : {40, 41, 42, 43, 44, 19, 21, 280, 282}) {
    EXPECT_NEAR(boxOf(frameOf(n, 4)).bottom, 36.0, 1.0) << "sprite " << n;
  }
}

// Life icons stand in a row: Umbrella's drops 12 units apart at scale 1, Soda's glasses
// 24 units apart at scale 2. They must not run into each other.
TEST_F(SpriteSheets, LifeIconsFitTheirSpacing) {
  EXPECT_LT(boxOf(frameOf(303, 4)).width(), 11.0);
  for (int n : {51, 55}) EXPECT_LT(boxOf(frameOf(n, 4)).width(), 12.0) << "sprite " << n;
}

// Animation frames and paired states must differ, and the helicopter's rotor frames
// only move the rotors: its cabin and skids stay put.
TEST_F(SpriteSheets, AnimationFramesChangeOnlyWhatMoves) {
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

TEST_F(SpriteSheets, AnimationFramesMoveButKeepTheirFigure) {
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

}  // namespace
}  // namespace sprite_sheets
