// NotSame (letter L, "Leaping Lizard"): a pond of 13 by 5 coloured tiles lies between two
// banks. The lizard hops one cell at a time from the left bank towards the right one, and
// every tile it leaves falls away. Landing on the colour just left costs a life; landing
// on a hole or a falling tile drowns it. Reaching the right bank in time scores the seconds
// left times the good hops in a row times the level factor, and builds a faster level.
#include <algorithm>
#include <cmath>

#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The lizard and the level, in m_Player.
constexpr int kCellX = 1;        // -1 (left bank) .. 13 (right bank)
constexpr int kCellY = 2;        // 0..4
constexpr int kHopX = 3;         // hop offsets in cells: start at +-1 and shrink to 0
constexpr int kHopY = 4;
constexpr int kFacing = 5;       // 1 right, -1 left
constexpr int kGoodHops = 8;     // good hops in a row
constexpr int kColourOn = 9;     // colour of the tile stood on
constexpr int kColourLeft = 10;  // colour of the tile before it
constexpr int kBrightness = 10;  // + colour 1..4: alpha of the tiles of that colour
constexpr int kTimeLeft = 20;    // updates
constexpr int kNextSeconds = 30; // seconds for the next level
constexpr int kLevelFactor = 31;

// Tile (x, y) is the m_Map record starting at (x + 20 y) x 10.
constexpr int kColumns = 13;
constexpr int kRows = 5;
constexpr int kLeftBank = -1;
constexpr int kRightBank = 13;
constexpr int kRowStride = 20;
constexpr int kRecordSize = 10;
constexpr int kColour = 0;  // 1..4, 0 no tile
constexpr int kOffset = 2;  // drawing offset: negative while dropping in, positive while falling
constexpr int kFallSpeed = 4;

constexpr float kFirstSeconds = 45.0f;
constexpr float kShortestSeconds = 20.0f;
constexpr float kSecondsStep = 5.0f;
constexpr int kStartLives = 3;
constexpr float kUpdatesPerSecond = 60.0f;
constexpr float kHopStep = 0.075f;
constexpr float kHopLanded = 0.08f;
constexpr float kDrownStart = 0.1f;
constexpr float kSinkSpeed = 0.2f;
constexpr float kFallStart = 0.1f;
constexpr float kFallGravity = 0.2f;
constexpr float kFadedBrightness = 0.3f;
constexpr float kBrightnessEase = 1.0f / 16.0f;
constexpr int kMistakeSparks = 17;
constexpr int kBankSparks = 5;
constexpr int kDebris = 2;
constexpr int kWhite = 9;

constexpr int kTileSprite = sprite::kNotSameTile - 1;  // + colour 1..4
constexpr int kBankSprite = sprite::kNotSameBank;
constexpr int kLizardSprite = sprite::kNotSameLizard;
constexpr int kShadowSprite = sprite::kNotSameShadow;
constexpr int kHeartImage = 50;
constexpr int kLifeLostSound = 5;
constexpr int kHopSound = 13;
constexpr int kBankSound = 95;

// Background target per colour under the lizard (0 for a bank or no tile).
constexpr float kPondTint[5][3] = {{30, 30, 30}, {80, 0, 0}, {80, 70, 0}, {0, 80, 0}, {0, 30, 80}};

float Cell() { return zu_Quor_jscrw / 15.0f; }
float OriginX() { return zu_Quor_jscrw / 2.0f - 6.0f * Cell(); }
float OriginY() { return zu_Quor_jscrh / 2.0f - 1.5f * Cell(); }

bool OnPond(int x, int y) { return x >= 0 && x < kColumns && y >= 0 && y < kRows; }
float* Tile(c_MyApp& app, int x, int y) {
  return &app.m_Map[(x + kRowStride * y) * kRecordSize];
}

void Sparks(c_MyApp& app, int count) {
  for (app.m_TmpO = 0; app.m_TmpO < count; ++app.m_TmpO) {
    app.p_ThrowParticle(zu_Quor_jscrw - 32.0f, 32.0f, kDebris, kWhite);
  }
}

// Tiles drop into place from above and, once released, fall away and are gone.
void UpdateTile(float* tile) {
  if (tile[kOffset] < 0.0f) {
    tile[kOffset] = std::min(tile[kOffset] + 14.0f + zu_random_Rnd() * 10.0f, 0.0f);
  } else if (tile[kOffset] > 0.0f) {
    tile[kOffset] += tile[kFallSpeed];
    tile[kFallSpeed] += kFallGravity;
    if (tile[kOffset] > 1.5f * zu_Quor_jscrh) tile[kColour] = 0.0f;
  }
}

void UpdatePond(c_MyApp& app) {
  const float cell = Cell();
  for (app.m_TmpI = kLeftBank; app.m_TmpI <= kRightBank; ++app.m_TmpI) {
    const float sx = OriginX() + app.m_TmpI * cell;
    for (app.m_TmpJ = 0; app.m_TmpJ < kRows; ++app.m_TmpJ) {
      const float sy = OriginY() + app.m_TmpJ * cell;
      if (app.m_TmpI == kLeftBank || app.m_TmpI == kRightBank) {
        app.p_Alpha(1.0f);
        app.p_DrawGfx(sx, sy, kBankSprite);
        continue;
      }
      float* tile = Tile(app, app.m_TmpI, app.m_TmpJ);
      if (tile[kColour] <= 0.0f) continue;
      UpdateTile(tile);
      const int colour = zu_f2i(tile[kColour]);
      if (colour < 1 || colour > 4) continue;
      app.p_Alpha(app.m_Player[kBrightness + colour]);
      app.p_DrawGfx(sx, sy + tile[kOffset], kTileSprite + colour);
    }
  }
}

// The pond takes the colour of the tile under the lizard; the colour it stands on fades.
void TintPond(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float x = player[kCellX];
  const float y = player[kCellY];
  int colour = 0;
  if (x > -1.0f && x < 13.0f && y > -1.0f && y < 5.0f && app.m_Dead == 0) {
    colour = zu_f2i(Tile(app, zu_f2i(x), zu_f2i(y))[kColour]);
    app.m_TmpA = colour;
  } else if (app.m_Dead > 0) {
    player[kHopY] += kSinkSpeed;
  }
  const float* tint = kPondTint[colour >= 1 && colour <= 4 ? colour : 0];
  app.m_BgTR = tint[0];
  app.m_BgTG = tint[1];
  app.m_BgTB = tint[2];
  for (app.m_TmpK = 1; app.m_TmpK <= 4; ++app.m_TmpK) {
    float& brightness = player[kBrightness + app.m_TmpK];
    const float target = app.m_TmpK == colour ? kFadedBrightness : 1.0f;
    brightness += (target - brightness) * kBrightnessEase;
  }
}

void DrawLizard(c_MyApp& app) {
  const Array<float>& player = app.m_Player;
  const float cell = Cell();
  const float x = (player[kCellX] + player[kHopX]) * cell + OriginX();
  const float y = (player[kCellY] + player[kHopY]) * cell + OriginY();
  const float scale = cell / 32.0f;
  app.p_SetSize(player[kFacing] < 0.0f ? -scale : scale, scale);
  app.p_Alpha(0.75f);
  app.p_DrawGfx(x, y, kShadowSprite);
  const float hop = std::fabs(player[kHopX]) + std::fabs(player[kHopY]);
  const float lift = cell * 0.5f * std::sin(180.0f * hop * zu_math_DegreesToRadians);
  app.p_Alpha(1.0f);
  app.p_DrawGfx(x, y - lift, kLizardSprite);
}

// One hop per update, and only between hops; holding a direction keeps hopping. Once the
// game is over the lizard stays put, so nothing can change the final score.
void ReadControls(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kHopX] != 0.0f || player[kHopY] != 0.0f || app.m_Dead != 0) return;
  const int x = zu_f2i(player[kCellX]);
  const int y = zu_f2i(player[kCellY]);
  if (app.p_PlayKey(0, 1) != 0 && y > 0) {
    app.p_Drop_NotSame(x, y);
    player[kCellY] -= 1.0f;
    player[kHopY] = 1.0f;
  } else if (app.p_PlayKey(3, 1) != 0 && x > kLeftBank) {
    player[kFacing] = -1.0f;
    app.p_Drop_NotSame(x, y);
    player[kCellX] -= 1.0f;
    player[kHopX] = 1.0f;
  } else if (app.p_PlayKey(5, 1) != 0 && x < kRightBank) {
    player[kFacing] = 1.0f;
    app.p_Drop_NotSame(x, y);
    player[kCellX] += 1.0f;
    player[kHopX] = -1.0f;
  } else if (app.p_PlayKey(8, 1) != 0 && y < kRows - 1) {
    app.p_Drop_NotSame(x, y);
    player[kCellY] += 1.0f;
    player[kHopY] = -1.0f;
  } else {
    return;
  }
  app.p_PlaySFX(kHopSound, 0.7f + zu_random_Rnd() * 0.6f, 0.3f);
}

// Moves a hop offset towards 0; the hop lands in the update it comes within 0.08 of it.
// Once the game is over nothing lands any more: the drowning offset that a sideways hop
// leaves is a sinking lizard, not a second hop onto the same cell.
void AdvanceHop(c_MyApp& app, int element) {
  float& offset = app.m_Player[element];
  if (offset == 0.0f) return;
  offset += offset < 0.0f ? kHopStep : -kHopStep;
  if (std::fabs(offset) >= kHopLanded) return;
  offset = 0.0f;
  if (app.m_Dead != 0) return;
  app.p_NowAt_NotSame(zu_f2i(app.m_Player[kCellX]), zu_f2i(app.m_Player[kCellY]));
}

// Seconds left on the right bank, good hops in a row at the top right, and three hearts.
void DrawStatus(c_MyApp& app) {
  const float cell = Cell();
  const int seconds = zu_f2i(std::floor(app.m_Player[kTimeLeft] / kUpdatesPerSecond));
  if (seconds < 0) {
    app.m_TmpD = 0;
    app.m_Dead = 1;
  } else {
    app.m_TmpD = seconds;
  }
  app.p_ResetDraw();
  app.p_SetSize(2.0f * cell / 32.0f);
  app.p_Text(OriginX() + 13.0f * cell, OriginY() + 2.0f * cell, String(app.m_TmpD), 1.0f, 1.0f);
  const int goodHops = std::max(zu_f2i(app.m_Player[kGoodHops]), 0);
  app.p_Text(zu_Quor_jscrw - 48.0f, 32.0f, String(goodHops), 1.0f, 1.0f);

  app.p_SetSize(0.5f);
  for (app.m_Loop = 1; app.m_Loop <= kStartLives; ++app.m_Loop) {
    app.p_Alpha(app.m_Lives >= app.m_Loop ? 1.0f : 0.4f);
    app.p_DrawImg(kHeartImage, zu_Quor_jscrw - 80.0f + 16.0f * app.m_Loop, 48.0f, 0);
  }
  app.p_ResetDraw();
}

}  // namespace

int c_MyApp::p_GetLev_NotSame() {
  for (m_TmpI = 0; m_TmpI < kColumns; ++m_TmpI) {
    for (m_TmpJ = 0; m_TmpJ < kRows; ++m_TmpJ) {
      float* tile = Tile(*this, m_TmpI, m_TmpJ);
      tile[kColour] = static_cast<float>(zu_f2i(std::floor(1.0f + zu_random_Rnd() * 3.99f)));
      tile[kOffset] = -1.5f * zu_Quor_jscrh;
      tile[kFallSpeed] = 0.0f;
    }
  }
  m_Player[kTimeLeft] = kUpdatesPerSecond * m_Player[kNextSeconds];
  m_Player[kNextSeconds] = std::max(kShortestSeconds, m_Player[kNextSeconds] - kSecondsStep);
  for (int colour = 1; colour <= 4; ++colour) m_Player[kBrightness + colour] = 1.0f;
  m_Player[kCellX] = kLeftBank;
  m_Player[kCellY] = 2.0f;
  m_Player[kHopX] = 0.0f;
  m_Player[kHopY] = 0.0f;
  m_Player[kFacing] = 1.0f;
  m_Player[kLevelFactor] += 1.0f;
  m_Player[kGoodHops] = 0.0f;
  m_Player[kColourOn] = 0.0f;
  m_Player[kColourLeft] = 0.0f;
  return 0;
}

int c_MyApp::p_LoadGame_NotSame() {
  p_FreshGame();
  m_Player[kNextSeconds] = kFirstSeconds;
  m_Player[kLevelFactor] = 1.0f;
  p_GetLev_NotSame();
  m_Lives = kStartLives;
  return 0;
}

int c_MyApp::p_Drop_NotSame(int x, int y) {
  if (!OnPond(x, y)) return 0;
  float* tile = Tile(*this, x, y);
  tile[kOffset] = kFallStart;
  tile[kFallSpeed] = kFallStart;
  return 0;
}

// The seconds left never count below 0: a hop that reaches the bank as the time runs out
// scores nothing rather than taking points away.
int c_MyApp::p_NowAt_NotSame(int x, int y) {
  Array<float>& player = m_Player;
  if (OnPond(x, y)) {
    const float* tile = Tile(*this, x, y);
    player[kColourLeft] = player[kColourOn];
    player[kColourOn] = tile[kColour];
    if (tile[kColour] > 0.0f && tile[kColour] == player[kColourLeft]) {
      m_Lives -= 1;
      p_PlaySFX(kLifeLostSound, 1.0f, 1.0f);
      player[kGoodHops] = 0.0f;
      Sparks(*this, kMistakeSparks);
    } else if (tile[kColour] > 0.0f) {
      player[kGoodHops] += 1.0f;
    }
    if (tile[kColour] <= 0.0f || tile[kFallSpeed] > 0.0f) {
      player[kHopY] += kDrownStart;
      m_Dead = 1;
    }
  } else if (x == kLeftBank) {
    player[kGoodHops] = 0.0f;
    player[kColourOn] = 0.0f;
    player[kColourLeft] = 0.0f;
    Sparks(*this, kBankSparks);
  }
  m_TmpD = zu_f2i(std::floor(player[kTimeLeft] / kUpdatesPerSecond));
  if (x == kRightBank) {
    p_PlaySFX(kBankSound);
    const int seconds = std::max(m_TmpD, 0);
    m_Score += seconds * zu_f2i(player[kGoodHops]) * zu_f2i(player[kLevelFactor]);
    p_GetLev_NotSame();
  }
  return 0;
}

int c_MyApp::p_Game_NotSame() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();
  p_SetSize(Cell() / 32.0f);

  UpdatePond(*this);
  TintPond(*this);
  DrawLizard(*this);
  ReadControls(*this);
  AdvanceHop(*this, kHopX);
  AdvanceHop(*this, kHopY);
  p_DoParticles(1.0f);
  DrawStatus(*this);
  if (m_Lives < 0) m_Dead = 1;
  m_Player[kTimeLeft] -= 1.0f;
  p_ScoreDisplay(0);
  return 0;
}
