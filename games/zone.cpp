// Zone (letter Z, "Guide Vumbo through the maze of Platforms"): a side-scrolling platform
// run. The level is built column by column from six rows of blocks and scrolls left by
// itself; the player walks and jumps from block to block collecting gems, and must avoid
// spikes and the flyers crossing from the right. A spike, a flyer, being pushed out of the
// view on the left or falling out of it at the bottom ends the game.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The player and the level builder, in m_Player.
constexpr int kPlayerX = 1;  // screen units: the player has no camera
constexpr int kPlayerY = 2;
constexpr int kSpeedY = 4;
constexpr int kFacing = 5;   // also the horizontal draw scale
constexpr int kGroundTimer = 6;
constexpr int kWalkPhase = 7;
constexpr int kPattern = 20;
constexpr int kColumnX = 21;  // the next column's world x, and the value of row 1
constexpr int kRowValues = 20;  // row r's value is element 20 + r (row 1 is kColumnX)
constexpr int kCameraTarget = 32;

// Level records of 10 Floats in m_Map.
constexpr int kRecords = 101;
constexpr int kRecordSize = 10;
constexpr int kKind = 0;
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kFree = 0;
constexpr int kBlock = 1;
constexpr int kSpike = 2;
constexpr int kGem = 3;
constexpr int kFlyer = 4;

constexpr int kRows = 6;
constexpr float kColumnWidth = 64.0f;
constexpr float kBuildAhead = 256.0f;  // columns are built this far beyond the view
constexpr float kDropBehind = -256.0f; // and dropped this far before it
constexpr float kForgetBehind = -160.0f;

constexpr float kJumpSpeed = -16.0f;
constexpr float kMaxFall = 12.0f;
constexpr float kLandedTimer = 4.0f;
constexpr float kWalkSpeed = 6.0f;
constexpr float kDeadZone = 0.15f;
constexpr float kTurnZone = 0.2f;
constexpr float kFlyerSpeed = 4.5f;

constexpr int kBlockSprite = sprite::kZoneBlock;
constexpr int kFlyerSprite = sprite::kZoneFlyer;
constexpr int kSpikeSprite = sprite::kZoneSpike;
constexpr int kGemSprite = sprite::kZoneGem;
constexpr int kPlayerSprite = sprite::kZonePlayer;  // + walk frame 0..3

constexpr int kGemSound = 1;
constexpr int kFlyerSound = 5;
constexpr int kDeathSound = 12;
constexpr int kGemSparks = 8;
constexpr int kGemColour = 5;
constexpr int kGemPoints = 5;

float& Row(c_MyApp& app, int row) { return app.m_Player[kRowValues + row]; }

float RowY(int row) { return static_cast<float>((row - kRows) * 64); }

float* Record(c_MyApp& app, int k) { return &app.m_Map[kRecordSize * k]; }

void Die(c_MyApp& app) {
  if (app.m_Dead == 0) app.p_PlaySFX(kDeathSound, 1.0f, 1.0f);
  app.m_Dead = 1;
}

// A new pattern value every one to three columns; set rows next to other set rows may be
// emptied, and row 2 always is when chosen.
void ChangePattern(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kPattern] -= 1.0f;
  if (player[kPattern] < 0.0f) {
    player[kPattern] = static_cast<float>(app.p_Rand(1.0f, 3.0f));
    for (app.m_TmpO = 2; app.m_TmpO <= kRows; ++app.m_TmpO) {
      const int j = app.m_TmpO;
      if (Row(app, j) != 1.0f || app.p_Rand(0.0f, 2.0f) != 1) continue;
      const bool before = j == 2 || Row(app, j - 1) > 0.0f;
      const bool after = j < kRows && Row(app, j + 1) > 0.0f;
      if (before || after) Row(app, j) = 0.0f;
    }
  }
  // At 1 the terrain steps up: empty rows above set rows are filled.
  if (player[kPattern] == 1.0f) {
    for (int j = 2; j < kRows; ++j) {
      if (Row(app, j) <= 0.0f && Row(app, j + 1) > 0.0f) Row(app, j) = 3.0f;
    }
    if (Row(app, kRows) <= 0.0f) Row(app, kRows) = 3.0f;
  }
  app.m_TmpA = 0;
  for (int j = 2; j <= kRows; ++j) app.m_TmpA += Row(app, j) > 0.0f ? 1 : 0;
  if (app.m_TmpA == 0) Row(app, kRows) = 1.0f;
}

void Place(float* record, int kind, float x, float y) {
  record[kKind] = static_cast<float>(kind);
  record[kX] = x;
  record[kY] = y;
}

// One row of the new column: a block on the first free record (row 1 always has one) and,
// on a set row, maybe a spike or a gem on the last free record.
void BuildRow(c_MyApp& app, int row) {
  Array<float>& player = app.m_Player;
  const float value = row == 1 ? player[kColumnX] : Row(app, row);
  const float y = RowY(row);
  int first = -1;
  int last = -1;
  int free = 0;
  for (int k = 0; k < kRecords; ++k) {
    float* record = Record(app, k);
    if (record[kKind] > 0.0f && record[kX] - app.m_ScrollX < kDropBehind) record[kKind] = kFree;
    if (record[kKind] != kFree) continue;
    if (first < 0) first = k;
    last = k;
    ++free;
  }
  if (free < 2) last = -1;
  if (first >= 0 && (row == 1 || value > 0.0f)) {
    Place(Record(app, first), kBlock, player[kColumnX], y);
  }
  if (last >= 0 && row != 1 && value > 0.0f) {
    const float pattern = player[kPattern];
    if (pattern == 2.0f) {
      if (zu_random_Rnd() < 0.5f) Place(Record(app, last), kSpike, player[kColumnX], y);
    } else if (pattern == 1.0f || pattern == 3.0f) {
      if (zu_random_Rnd() < 0.5f) Place(Record(app, last), kGem, player[kColumnX], y);
    }
  }
  // A set row counts down to 1; for row 1 this brings later columns 63 units apart.
  if (value > 1.0f) {
    if (row == 1) player[kColumnX] -= 1.0f;
    else Row(app, row) -= 1.0f;
  }
}

// Jumps need the ground timer (the three updates after a landing) and a fresh press.
void JumpAndFall(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kGroundTimer] -= 1.0f;
  const bool pressed = app.p_PlayKey(10, 1) != 0;
  if (!pressed) app.m_KeyLatch = 0;
  float speed = player[kSpeedY];
  if (player[kGroundTimer] > 0.0f && pressed && app.m_KeyLatch == 0) {
    app.m_KeyLatch = 1;
    speed = kJumpSpeed;
  }
  if (app.m_Dead == 0) player[kPlayerY] += speed;
  player[kSpeedY] = std::min(speed + 1.0f, kMaxFall);
}

void Walk(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float stick = app.m_StickX;
  if (std::fabs(stick) > kDeadZone && app.m_Dead == 0) {
    player[kPlayerX] += kWalkSpeed * stick;
    player[kWalkPhase] = std::fmod(player[kWalkPhase] + 0.3f * std::fabs(stick), 4.0f);
  }
  if (std::fabs(stick) <= kDeadZone) player[kWalkPhase] = 0.0f;
}

// The level moves left 2 units an update, faster while the player runs near the right edge.
void Scroll(c_MyApp& app) {
  const float x = app.m_Player[kPlayerX];
  const float w = zu_Quor_jscrw;
  float shift = 2.0f;
  if (x > w - 200.0f) shift = 3.0f;
  if (x > w - 150.0f) shift = 4.0f;
  if (x > w - 128.0f) shift = 5.0f;
  if (x > w - 96.0f) shift = 6.0f;
  app.m_Player[kCameraTarget] += shift;
  app.m_Player[kPlayerX] -= shift;
}

void Block(c_MyApp& app, float sx, float sy) {
  Array<float>& player = app.m_Player;
  const float speed = player[kSpeedY];
  const bool contact = std::fabs((player[kPlayerY] + 8.0f) - (sy - 32.0f)) < 12.0f &&
                       std::fabs(player[kPlayerX] - sx) < 32.0f;
  if (speed > -0.1f && contact) {
    player[kGroundTimer] = kLandedTimer;
    player[kSpeedY] = 0.0f;
    player[kPlayerY] = sy - 40.0f;
  } else if (speed < -0.1f && contact) {
    // Jumping into a block from below knocks the player down.
    player[kGroundTimer] = 0.0f;
    player[kSpeedY] = 2.0f;
    player[kPlayerY] = sy - 24.0f;
  }
}

void CollectGem(c_MyApp& app, float* record, float sx, float sy) {
  record[kKind] = kFree;
  app.p_PlaySFX(kGemSound, 1.0f, 1.0f);
  app.m_Score += kGemPoints;
  for (app.m_TmpO = 0; app.m_TmpO < kGemSparks; ++app.m_TmpO) {
    const float speed = zu_random_Rnd() * 4.0f + 4.0f;
    const int kind = zu_f2i(std::floor(zu_random_Rnd() * 1.99f + 1.0f));
    app.p_ThrowParticle(sx + app.m_ScrollX, sy + app.m_ScrollY - 58.0f, kind, kGemColour,
                        static_cast<float>(app.m_TmpO) * 45.0f, speed);
  }
}

void DrawRecord(c_MyApp& app, float* record, float sx, float sy) {
  const int kind = zu_f2i(record[kKind]);
  if (kind == kBlock) {
    app.p_SetSize(2.0f, 2.0f);
    app.p_DrawGfx(sx, sy, kBlockSprite);
  } else if (kind == kSpike) {
    app.p_SetSize(1.0f, 1.0f);
    app.p_DrawGfx(sx, sy - 42.0f, kSpikeSprite);
  } else if (kind == kGem) {
    app.p_SetSize(1.0f, 1.0f);
    app.p_DrawGfx(sx, sy - 58.0f, kGemSprite);
  } else if (kind == kFlyer) {
    app.p_SetSize(1.0f, 1.0f);
    app.p_DrawGfx(sx, sy - 42.0f, kFlyerSprite);
    app.m_TmpG = 1;
    record[kX] -= kFlyerSpeed;
  }
}

// Every record meets the player, is drawn and, well before the view, forgotten. m_TmpN ends
// as the last free record and m_TmpG notes a flyer.
void UpdateRecords(c_MyApp& app) {
  app.p_SetSize(2.0f, 2.0f);
  app.m_TmpG = 0;
  app.m_TmpN = -1;
  for (app.m_Loop = 0; app.m_Loop < kRecords; ++app.m_Loop) {
    float* record = Record(app, app.m_Loop);
    const int kind = zu_f2i(record[kKind]);
    if (kind == kFree) {
      app.m_TmpN = app.m_Loop;
      continue;
    }
    if (kind < 0) continue;
    const float sx = record[kX] - app.m_ScrollX;
    const float sy = record[kY] + zu_Quor_jscrh;
    const float px = app.m_Player[kPlayerX];
    const float py = app.m_Player[kPlayerY];
    if (kind == kBlock) Block(app, sx, sy);
    if (kind == kSpike && std::fabs(sx - px) < 20.0f && std::fabs((sy - 42.0f) - py) < 10.0f) {
      Die(app);
    }
    if (kind == kFlyer && std::fabs(sx - px) < 22.0f && std::fabs((sy - 42.0f) - py) < 10.0f) {
      Die(app);
    }
    if (kind == kGem && std::fabs(sx - px) < 22.0f && std::fabs((sy - 58.0f) - py) < 22.0f) {
      CollectGem(app, record, sx, sy);
    }
    DrawRecord(app, record, sx, sy);
    if (sx < kForgetBehind) record[kKind] = kFree;
  }
}

// Only one flyer at a time: it starts at the column being built, in one of rows 2..6.
void LaunchFlyer(c_MyApp& app) {
  if (app.m_TmpG != 0 || app.m_TmpN < 0) return;
  const float y = static_cast<float>((app.p_Rand(2.0f, 6.0f) - kRows) * 64);
  Place(Record(app, app.m_TmpN), kFlyer, app.m_Player[kColumnX], y);
  app.p_PlaySFX(kFlyerSound, 1.0f, 1.0f);
}

void DrawPlayer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (app.m_StickX < -kTurnZone) player[kFacing] = -1.0f;
  if (app.m_StickX > kTurnZone || (player[kFacing] != -1.0f && player[kFacing] != 1.0f)) {
    player[kFacing] = 1.0f;
  }
  app.m_TmpH = std::clamp(zu_f2i(player[kWalkPhase]), 0, 3);
  app.p_ResetDraw();
  app.m_SizeX = player[kFacing];
  if (app.m_Dead == 0) app.p_DrawGfx(player[kPlayerX], player[kPlayerY], kPlayerSprite + app.m_TmpH);
}

}  // namespace

int c_MyApp::p_LoadGame_Zone() {
  p_FreshGame();
  m_Player[kPlayerX] = 300.0f;
  m_Player[kPlayerY] = zu_Quor_jscrh - 100.0f;
  m_Player[kSpeedY] = 0.0f;
  m_Player[kFacing] = 0.0f;
  m_Player[kGroundTimer] = 0.0f;
  m_Player[kWalkPhase] = 0.0f;
  m_Player[kPattern] = 12.0f;
  m_Player[kColumnX] = -128.0f;
  for (int row = 2; row <= kRows; ++row) Row(*this, row) = row == kRows ? 1.0f : 0.0f;
  m_Player[kCameraTarget] = 100.0f;
  // The press that started the game does not jump.
  m_KeyLatch = 1;
  m_ScrollX = m_ScrollTX = 100.0f;
  m_ScrollY = m_ScrollTY = 0.0f;
  for (int i = 0; i < 21; ++i) p_More_Zone();
  return 0;
}

int c_MyApp::p_More_Zone() {
  if (m_Player[kColumnX] > m_ScrollX + zu_Quor_jscrw + kBuildAhead) return 0;
  m_Player[kColumnX] += kColumnWidth;
  ChangePattern(*this);
  for (m_Loop2 = 1; m_Loop2 <= kRows; ++m_Loop2) BuildRow(*this, m_Loop2);
  return 0;
}

int c_MyApp::p_Game_Zone() {
  p_DoBG();
  const auto [dx, dy] = p_StepCamera(0.125f);
  m_ScrollTX = m_Player[kCameraTarget];
  p_ResetDraw();
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  JumpAndFall(*this);
  Walk(*this);
  Scroll(*this);
  UpdateRecords(*this);
  LaunchFlyer(*this);
  if (m_Player[kPlayerX] < -32.0f && m_Dead == 0) Die(*this);
  p_More_Zone();
  DrawPlayer(*this);
  if (m_Player[kPlayerY] > zu_Quor_jscrh + 64.0f && m_Dead == 0) Die(*this);

  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
