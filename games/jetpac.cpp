// Jetpac (letter J): a spaceman with a jetpack walks a tiled floor and flies about one
// screen with three floating pads to land on. Aliens of six kinds come in from beyond the
// left or right edge, bounce about the screen and tumble; a horizontal laser kills them for
// five points each. Touching an alien ends the game. There are no levels: aliens simply
// come ever more often.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The spaceman and the alien spawner, in m_Player.
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kUnusedSpeedX = 3;  // cleared at the start, never moved
constexpr int kSpeedY = 4;        // positive is down
constexpr int kFacing = 5;        // 1 right, -1 left
constexpr int kWalkPhase = 7;     // 0 to below 4
constexpr int kGround = 8;        // 4 on landing, one less each update; standing while >= 0
constexpr int kCooldown = 11;     // shot cooldown, down to -5
constexpr int kNextAlien = 26;    // updates until the next alien
constexpr int kAlienInterval = 27;
constexpr int kHitTimer = 55;     // 0 alive, otherwise updates since the spaceman was hit
constexpr int kThrustSound = 56;  // updates until the jetpack sound repeats

// The grid of 17 columns by 9 rows, element column + 20 row of m_Map.
constexpr int kColumns = 17;
constexpr int kRows = 9;
constexpr int kRowStride = 20;
constexpr int kFloorRow = 8;
constexpr int kPadCell = 5;

// Shots (6 records from 1000) and aliens (51 records from 5000), 10 Floats each.
constexpr int kRecordSize = 10;
constexpr int kShotTable = 1000;
constexpr int kShots = 6;
constexpr int kAlienTable = 5000;
constexpr int kAliens = 51;
constexpr int kKind = 0;  // shots: 1 flying; aliens: 1..6; 0 free
constexpr int kPosX = 1;
constexpr int kPosY = 2;
constexpr int kVelX = 3;
constexpr int kVelY = 4;
constexpr int kDirection = 5;  // shots: the facing they were fired with
constexpr int kAngle = 5;      // aliens: degrees, 0 to below 360
constexpr int kSpin = 6;

constexpr float kStartInterval = 60.0f;
constexpr float kShortestInterval = 20.0f;
constexpr float kIntervalStep = 0.25f;
constexpr float kHitReach = 20.0f;      // in grid units of 32
constexpr float kShotReachY = 13.0f;    // in grid units of 32
constexpr float kPadReach = 36.0f;
constexpr float kPadStandHeight = 52.0f;
constexpr float kPadSnap = 8.0f;
constexpr float kFloorHeight = 54.0f;
constexpr float kCeiling = -16.0f;
constexpr float kWrapMargin = 8.0f;
constexpr float kShotSpeed = 12.0f;
constexpr float kShotMargin = 32.0f;
constexpr float kThrust = 0.2f;
constexpr float kGravity = 0.3f;
constexpr float kFastestFall = 6.0f;
constexpr float kFastestRise = -4.0f;
constexpr int kLandedFor = 4;
constexpr int kShotCooldown = 7;
constexpr float kCooldownFloor = -5.0f;
constexpr int kThrustSoundGap = 30;
constexpr int kDeadAfter = 40;
constexpr int kBurstParticles = 32;
constexpr float kBurstAngleStep = 11.24f;
constexpr int kKillParticles = 16;
constexpr int kKillPoints = 5;

constexpr int kFloorSprite = sprite::kGroundStrip - 1;  // + tile 1..4
constexpr int kPadSprite = sprite::kJetpacPad;
constexpr int kAlienSprite = sprite::kJetpacAlien - 1;  // + kind 1..6
constexpr int kStandSprite = sprite::kJetpacSpaceman;  // + walking frame 0..3
constexpr int kAirFrame = 4;
constexpr int kShotSprite = sprite::kShot;

constexpr int kHitSound = 13;
constexpr int kBurstSound = 7;
constexpr int kLaserSound = 14;
constexpr int kJetpackSound = 17;
constexpr int kSpark = 1;

// Grid cell size, also 32 times the drawing scale of the grid, the spaceman and aliens.
float Unit() { return zu_Quor_jscrw / 17.0f; }
float Scale() { return Unit() / 32.0f; }
float CellX(int column) { return column * Unit() + (zu_Quor_jscrw * 0.5f - 8.0f * Unit()); }
float CellY(int row) { return row * Unit() + (zu_Quor_jscrh - 8.5f * Unit()); }

int RandomWhole(float range, float base) { return zu_f2i(zu_random_Rnd() * range + base); }

void ResetDrawAt(c_MyApp& app, float scale) {
  app.p_ResetDraw();
  app.p_SetSize(scale, scale);
}

// Shown turned by a whole number of quarter turns of its angle.
void DrawAlien(c_MyApp& app, const float* alien, float alpha) {
  app.m_TmpR = zu_f2i(alien[kAngle] / 90.0f) * 90;
  app.p_SetRot(static_cast<float>(app.m_TmpR));
  app.p_SetSize(Scale(), Scale());
  app.p_Alpha(alpha);
  app.p_DrawGfx(alien[kPosX], alien[kPosY], zu_f2i(alien[kKind] + kAlienSprite));
}

void MoveAlien(float* alien) {
  alien[kPosX] += alien[kVelX];
  alien[kPosY] += alien[kVelY];
  if (alien[kPosX] < 0.0f) alien[kVelX] = std::fabs(alien[kVelX]);
  if (alien[kPosX] > zu_Quor_jscrw) alien[kVelX] = -std::fabs(alien[kVelX]);
  if (alien[kPosY] < 0.0f) alien[kVelY] = std::fabs(alien[kVelY]);
  if (alien[kPosY] > zu_Quor_jscrh - Unit()) alien[kVelY] = -std::fabs(alien[kVelY]);
  alien[kAngle] = std::fmod(alien[kAngle] + alien[kSpin], 360.0f);
}

void BurstSpaceman(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_PlaySFX(kHitSound, 1.0f, 1.0f);
  app.p_PlaySFX(kBurstSound, 1.0f, 1.0f);
  player[kHitTimer] = 1.0f;
  for (app.m_TmpO = 0; app.m_TmpO < kBurstParticles; ++app.m_TmpO) {
    const float speed = zu_random_Rnd() * 4.0f + 4.0f;
    const int colour = zu_f2i(2.0f * zu_random_Rnd() + 1.0f);
    const int kind = zu_f2i(zu_random_Rnd() + 1.0f);
    app.p_ThrowParticle(player[kX], player[kY], kind, colour,
                        static_cast<float>(app.m_TmpO) * kBurstAngleStep, speed);
  }
}

void KillAlien(c_MyApp& app, float* alien, float* shot) {
  app.m_Score += kKillPoints;
  for (app.m_TmpO = 1; app.m_TmpO <= kKillParticles; ++app.m_TmpO) {
    const int kind = app.p_Rand(1.0f, 2.0f);
    app.p_ThrowParticle(alien[kPosX], alien[kPosY], kind, zu_f2i(alien[kKind]));
  }
  const float rate = 0.7f + zu_random_Rnd() * 0.6f;
  const int sound = app.p_Rand(7.0f, 9.0f);
  app.p_PlaySFX(sound, rate, 1.0f, 0.0f);
  shot[kKind] = 0.0f;
  alien[kKind] = 0.0f;
}

// A killed alien is gone: the remaining shots of the walk fly on past where it was.
void ShootAt(c_MyApp& app, float* alien) {
  const float reach = Scale();
  for (app.m_Loop2 = 0; app.m_Loop2 < kShots && alien[kKind] > 0.0f; ++app.m_Loop2) {
    app.m_NewRank = kShotTable + app.m_Loop2 * kRecordSize;
    float* shot = &app.m_Map[app.m_NewRank];
    if (shot[kKind] == 1.0f && std::fabs(shot[kPosX] - alien[kPosX]) < kHitReach * reach &&
        std::fabs(shot[kPosY] - alien[kPosY]) < kShotReachY * reach) {
      KillAlien(app, alien, shot);
    }
  }
}

// Walks the alien table; the highest free record is left in m_TmpN for the spawner.
void UpdateAliens(c_MyApp& app) {
  const Array<float>& player = app.m_Player;
  const float reach = kHitReach * Scale();
  for (app.m_Loop = 0; app.m_Loop < kAliens; ++app.m_Loop) {
    app.m_TmpK = kAlienTable + app.m_Loop * kRecordSize;
    float* alien = &app.m_Map[app.m_TmpK];
    if (alien[kKind] == 0.0f) {
      app.m_TmpN = app.m_TmpK;
      continue;
    }
    if (alien[kKind] < 0.0f) continue;
    DrawAlien(app, alien, 0.5f);
    MoveAlien(alien);
    DrawAlien(app, alien, 1.0f);
    if (std::fabs(alien[kPosX] - player[kX]) < reach &&
        std::fabs(alien[kPosY] - player[kY]) < reach && player[kHitTimer] == 0.0f) {
      BurstSpaceman(app);
    }
    ShootAt(app, alien);
  }
}

// Aliens come in from just beyond the left edge, or as often from the right, heading in.
void SpawnAlien(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kNextAlien] -= 1.0f;
  if (app.m_TmpN < 1 || player[kNextAlien] >= 0.0f) return;
  player[kNextAlien] = player[kAlienInterval];
  player[kAlienInterval] = std::max(player[kAlienInterval] - kIntervalStep, kShortestInterval);

  float* alien = &app.m_Map[app.m_TmpN];
  alien[kKind] = static_cast<float>(app.p_Rand(1.0f, 6.0f));
  alien[kPosX] = -128.0f;
  alien[kVelX] = zu_random_Rnd() * 3.5f + 0.5f;
  alien[kPosY] = zu_random_Rnd() * ((zu_Quor_jscrh - 64.0f) - 32.0f) + 32.0f;
  alien[kVelY] = zu_random_Rnd() * 2.0f + 1.0f;
  if (app.p_Rand(0.0f, 1.0f) == 1) {
    alien[kPosX] = zu_Quor_jscrw + 128.0f;
    alien[kVelX] = -(zu_random_Rnd() * 3.5f + 0.5f);
  }
  alien[kAngle] = zu_random_Rnd() * 360.0f;
  alien[kSpin] = zu_random_Rnd() * 4.0f + 2.0f;
}

// A falling spaceman close above a pad's standing height lands on it. The test uses where
// he was at the end of the last update: he moves only after the grid is drawn.
void LandOnPad(c_MyApp& app, float sx, float sy) {
  Array<float>& player = app.m_Player;
  const float standY = sy - kPadStandHeight;
  if (std::fabs(sx - player[kX]) < kPadReach && player[kSpeedY] > 0.0f &&
      std::fabs(player[kY] - standY) < kPadSnap) {
    player[kY] = standY;
    player[kSpeedY] = 0.0f;
    player[kGround] = kLandedFor;
  }
}

void DrawGrid(c_MyApp& app) {
  for (app.m_TmpI = 0; app.m_TmpI < kColumns; ++app.m_TmpI) {
    for (app.m_TmpJ = 0; app.m_TmpJ < kRows; ++app.m_TmpJ) {
      const float value = app.m_Map[app.m_TmpI + kRowStride * app.m_TmpJ];
      const float sx = CellX(app.m_TmpI);
      const float sy = CellY(app.m_TmpJ);
      if (value >= 1.0f && value <= 4.0f) {
        app.p_SetSize(Scale(), Scale());
        app.p_DrawGfx(sx, sy, zu_f2i(value + kFloorSprite));
      } else if (value == kPadCell) {
        app.p_SetSize(2.0f * Scale(), 2.0f * Scale());
        app.p_DrawGfx(sx, sy, kPadSprite);
        LandOnPad(app, sx, sy);
      }
    }
  }
}

bool ThrustHeld(c_MyApp& app) { return app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(0, 1) != 0; }

void Walk(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float stick = std::fabs(app.m_StickX);
  player[kWalkPhase] = std::fmod(stick / 6.0f + player[kWalkPhase], 4.0f);
  if (stick < 0.2f) player[kWalkPhase] = 0.0f;
  if (app.m_StickX < -0.25f) player[kFacing] = -1.0f;
  if (app.m_StickX > 0.25f) player[kFacing] = 1.0f;
  player[kX] += app.m_StickX * 3.0f;
  player[kY] += player[kSpeedY];
}

// Thrust lifts against gravity; its sound repeats every 31 updates while it is held.
void Fly(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_TmpG = 0;
  if (ThrustHeld(app)) {
    player[kSpeedY] -= kThrust;
    app.m_TmpG = 1;
    player[kThrustSound] -= 1.0f;
    if (player[kThrustSound] < 0.0f) {
      app.p_PlaySFX(kJetpackSound, 0.8f + zu_random_Rnd() * 0.4f, 0.35f);
      player[kThrustSound] = kThrustSoundGap;
    }
  } else {
    player[kSpeedY] += kGravity;
    player[kThrustSound] = 0.0f;
  }
  if (player[kSpeedY] > kFastestFall) {
    player[kSpeedY] = kFastestFall;
  } else if (player[kSpeedY] < kFastestRise) {
    player[kSpeedY] = kFastestRise;
  }
  player[kGround] -= 1.0f;
}

// The screen wraps sideways; the floor stops a fall and the ceiling a climb.
void KeepOnScreen(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float w = zu_Quor_jscrw;
  if (player[kX] < kWrapMargin) player[kX] += w - 2.0f * kWrapMargin;
  if (player[kX] > w - kWrapMargin) player[kX] -= w - 2.0f * kWrapMargin;
  if (player[kY] > zu_Quor_jscrh - kFloorHeight) {
    player[kY] = zu_Quor_jscrh - kFloorHeight;
    player[kSpeedY] = 0.0f;
    player[kGround] = kLandedFor;
  }
  if (player[kY] < kCeiling) {
    player[kY] = kCeiling;
    player[kSpeedY] = 0.0f;
  }
}

// Holding fire shoots every 8 updates, while one of the six shot records is free.
void Fire(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kCooldown] > kCooldownFloor) player[kCooldown] -= 1.0f;
  if (app.p_PlayKey(10, 1) == 0 || player[kCooldown] >= 0.0f) return;
  player[kCooldown] = kShotCooldown;
  app.m_TmpN = -1;
  for (app.m_Loop = 0; app.m_Loop < kShots; ++app.m_Loop) {
    const int record = kShotTable + app.m_Loop * kRecordSize;
    if (app.m_Map[record + kKind] == 0.0f) app.m_TmpN = record;
  }
  if (app.m_TmpN < 0) return;
  app.p_PlaySFX(kLaserSound, 0.6f + zu_random_Rnd() * 0.6f, 0.1f);
  float* shot = &app.m_Map[app.m_TmpN];
  shot[kKind] = 1.0f;
  shot[kPosX] = player[kX];
  shot[kPosY] = player[kY] - 8.0f;
  shot[kDirection] = player[kFacing];
}

// Drawn where the update began; in the air with the jetpack on, the flame flickers.
void DrawSpaceman(c_MyApp& app, float x0, float y0) {
  const Array<float>& player = app.m_Player;
  int frame = app.m_TmpH;
  if (player[kGround] < 0.0f) {
    frame = kAirFrame;
    if (app.m_TmpG == 1) {
      frame = app.p_Rand(0.0f, 1.0f) + kAirFrame;
      if (app.p_Rand(0.0f, 1.0f) == 1) {
        const float speed = zu_random_Rnd() * 3.0f + 3.0f;
        const int angle = app.p_Rand(178.0f, 182.0f);
        const int colour = app.p_Rand(1.0f, 3.0f);
        app.p_ThrowParticle(x0, y0, kSpark, colour, static_cast<float>(angle), speed);
      }
    }
  }
  app.m_TmpH = frame;
  app.p_DrawGfx(x0, y0, kStandSprite + frame);
}

void UpdateSpaceman(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float x0 = player[kX];
  const float y0 = player[kY];
  Walk(app);
  Fly(app);
  KeepOnScreen(app);
  app.m_TmpH = std::min(zu_f2i(player[kWalkPhase]), 3);
  app.p_SetSize(player[kFacing] < 0.0f ? -Scale() : Scale(), Scale());
  Fire(app);
  DrawSpaceman(app, x0, y0);
}

// The hit update counts as the first: the game ends in the 40th.
void CountHitTimer(c_MyApp& app) {
  float& timer = app.m_Player[kHitTimer];
  if (timer <= 0.0f) return;
  timer += 1.0f;
  if (timer > kDeadAfter) app.m_Dead = 1;
}

// Thin horizontal streaks; they do not wrap and vanish 32 units beyond either edge.
void MoveShots(c_MyApp& app) {
  app.p_ResetDraw();
  app.p_SetSize(0.1f, 1.0f);
  app.m_Rot = -90.0f;
  for (app.m_Loop = 0; app.m_Loop < kShots; ++app.m_Loop) {
    app.m_TmpK = kShotTable + app.m_Loop * kRecordSize;
    float* shot = &app.m_Map[app.m_TmpK];
    if (shot[kKind] != 1.0f) continue;
    shot[kPosX] += shot[kDirection] * kShotSpeed;
    app.p_DrawGfx(shot[kPosX], shot[kPosY], kShotSprite);
    if (shot[kPosX] < -kShotMargin || shot[kPosX] > zu_Quor_jscrw + kShotMargin) {
      shot[kKind] = 0.0f;
    }
  }
}

// Three pads, one in each of columns 2..6, 6..10 and 10..14, in rows 2..6. A draw that
// lands on a pad already placed is repeated whole.
void PlacePads(c_MyApp& app) {
  for (app.m_Loop = 0; app.m_Loop < 3; ++app.m_Loop) {
    while (true) {
      const int row = RandomWhole(4.99f, 2.0f);
      int column = RandomWhole(12.99f, 2.0f);
      if (app.m_Loop == 0) column = RandomWhole(4.99f, 2.0f);
      if (app.m_Loop == 1) column = app.p_Rand(6.0f, 10.0f);
      if (app.m_Loop == 2) column = app.p_Rand(10.0f, 14.0f);
      float& cell = app.m_Map[column + kRowStride * row];
      if (cell == 0.0f) {
        cell = kPadCell;
        break;
      }
    }
  }
}

}  // namespace

int c_MyApp::p_LoadGame_Jetpac() {
  p_FreshGame();
  return p_GetLev_Jetpac();
}

int c_MyApp::p_GetLev_Jetpac() {
  m_BgTR = static_cast<float>(p_Rand(0.0f, 3.0f) * 20);
  m_BgTG = static_cast<float>(p_Rand(0.0f, 3.0f) * 20);
  m_BgTB = static_cast<float>(p_Rand(0.0f, 3.0f) * 20);

  m_Player[kUnusedSpeedX] = 0.0f;
  m_Player[kSpeedY] = 0.0f;
  m_Player[kFacing] = 1.0f;
  m_Player[kNextAlien] = kStartInterval;
  m_Player[kAlienInterval] = kStartInterval;
  m_Player[kX] = zu_Quor_jscrw * 0.5f;
  m_Player[kY] = zu_Quor_jscrh - 64.0f;

  for (m_TmpI = 0; m_TmpI < kColumns; ++m_TmpI) {
    for (m_TmpJ = 0; m_TmpJ < kFloorRow; ++m_TmpJ) m_Map[m_TmpI + kRowStride * m_TmpJ] = 0.0f;
    m_Map[m_TmpI + kRowStride * kFloorRow] = static_cast<float>(p_Rand(1.0f, 4.0f));
  }
  PlacePads(*this);
  return 0;
}

int c_MyApp::p_Game_Jetpac() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();
  m_TmpN = -1;
  m_Loop = 0;

  UpdateAliens(*this);
  SpawnAlien(*this);
  ResetDrawAt(*this, Scale());
  DrawGrid(*this);
  if (m_Player[kHitTimer] == 0.0f) UpdateSpaceman(*this);
  CountHitTimer(*this);
  MoveShots(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay(0);
  return 0;
}
