// Chaos (letter C, "Caterpillar"): caterpillars of segments enter along the top from either
// side, run across and drop a row at every screen edge and mushroom. The gun moves in a
// band along the bottom and fires upwards; a segment shot leaves a mushroom behind and shots
// wear mushrooms down. A segment touching the gun ends the game. Segments and shots are
// records in m_Map, the mushroom field a 16 x 8 grid of cells.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The gun, in m_Player.
constexpr int kGunX = 1;
constexpr int kGunY = 2;
constexpr int kSpeedX = 3;
constexpr int kSpeedY = 4;
constexpr int kCooldown = 10;

// Records of 10 Floats in m_Map: segments 0..199, shots 200..249.
constexpr int kRecordSize = 10;
constexpr int kFirstSegment = 0;
constexpr int kSegmentRecords = 200;
constexpr int kFirstShot = 200;
constexpr int kLastShot = 249;
constexpr int kKind = 0;  // segments: 0 free, 1..4; shots: 0 free, 1 flying
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kSpeedXField = 3;
constexpr int kSpeedYField = 4;
constexpr int kAngle = 5;  // segments: wiggle; shots: spin
constexpr int kAngleStep = 6;

// The mushroom field: kinds and strengths of 16 x 8 cells, rows 20 apart.
constexpr int kMushroomKinds = 5000;
constexpr int kMushroomStrengths = 6000;
constexpr int kColumns = 16;
constexpr int kRows = 8;
constexpr int kRowStride = 20;
constexpr float kGone = 0.5f;
constexpr float kShotWear = 0.2f;

constexpr float kSegmentSpeed = 3.0f;
constexpr float kSegmentSpacing = 24.0f;
constexpr float kEntryY = 16.0f;
constexpr float kTopBand = 48.0f;
constexpr float kEdgeMargin = 24.0f;
constexpr float kDrop = 12.0f;
constexpr float kWiggle = 16.0f;
constexpr float kTouchReach = 32.0f;
constexpr float kShotReach = 22.0f;
constexpr float kShotSpeed = -8.0f;
constexpr float kShotTop = -64.0f;
// A segment this far below the screen can no longer touch the gun nor be shot; its record
// is freed so that caterpillars keep coming.
constexpr float kBelowScreen = 48.0f;

constexpr float kCameraEase = 0.125f;
constexpr float kTopSpeedX = 7.5f;
constexpr float kTopSpeedY = 3.5f;
constexpr float kDeadZone = 0.2f;
constexpr float kGunBand = 72.0f;
constexpr float kGunMargin = 16.0f;
constexpr int kFireEvery = 6;

constexpr int kShotSprite = sprite::kShot;
constexpr int kMushroomSprite = sprite::kChaosMushroom - 1;  // + kind 1..3
constexpr int kSegmentSprite = sprite::kChaosSegment - 1;  // + kind 1..4
constexpr int kGunSprite = sprite::kGun;
constexpr int kSegmentSound = 9;
constexpr int kFireSound = 10;
constexpr int kSparks = 9;
constexpr int kSparkKind = 1;
constexpr int kWhite = 9;
constexpr int kRed = 1;

float Clamp(float value, float low, float high) { return std::max(low, std::min(value, high)); }

// Moves the speed toward 0 by `step` without passing it.
float Brake(float speed, float step) {
  if (speed > 0.0f) return std::max(speed - step, 0.0f);
  return std::min(speed + step, 0.0f);
}

float Pitch() { return zu_random_Rnd() * 0.59999996f + 0.7f; }

// The cell under a point, into m_TmpI and m_TmpJ; false when it lies outside the field.
bool CellAt(c_MyApp& app, float x, float y) {
  if (app.m_TmpC <= 0 || app.m_TmpF <= 0) return false;  // a screen too small for a field
  app.m_TmpI = zu_f2i(x / static_cast<float>(app.m_TmpC) - 1.0f);
  app.m_TmpJ = zu_f2i(y / static_cast<float>(app.m_TmpF) - 1.0f);
  return app.m_TmpI >= 0 && app.m_TmpI < kColumns && app.m_TmpJ >= 0 && app.m_TmpJ < kRows;
}

float& MushroomKind(c_MyApp& app, int column, int row) {
  return app.m_Map[kMushroomKinds + column + kRowStride * row];
}
float& MushroomStrength(c_MyApp& app, int column, int row) {
  return app.m_Map[kMushroomStrengths + column + kRowStride * row];
}

bool MushroomAtCell(c_MyApp& app, float x, float y) {
  return CellAt(app, x, y) && MushroomKind(app, app.m_TmpI, app.m_TmpJ) > 0.0f;
}

void Sparks(c_MyApp& app, float x, float y) {
  for (app.m_TmpO = 0; app.m_TmpO < kSparks; ++app.m_TmpO) {
    app.p_ThrowParticle(x, y, kSparkKind, kWhite);
  }
}

// Worn-out mushrooms are cleared for 3 points; the others fade as they wear.
void UpdateMushrooms(c_MyApp& app) {
  const int cw = app.m_TmpC;
  const int ch = app.m_TmpF;
  for (app.m_TmpI = 0; app.m_TmpI < kColumns; ++app.m_TmpI) {
    for (app.m_TmpJ = 0; app.m_TmpJ < kRows; ++app.m_TmpJ) {
      float& kind = MushroomKind(app, app.m_TmpI, app.m_TmpJ);
      const float strength = MushroomStrength(app, app.m_TmpI, app.m_TmpJ);
      if (strength < kGone && kind > 0.0f) {
        kind = 0.0f;
        app.m_Score += 3;
      } else if (strength >= kGone && kind >= 1.0f) {
        app.m_Alpha = strength;
        app.p_DrawGfx(static_cast<float>((app.m_TmpI + 1) * cw + cw / 2),
                      static_cast<float>((app.m_TmpJ + 1) * ch + ch / 2),
                      kMushroomSprite + zu_f2i(kind));
      }
    }
  }
}

void SteerGun(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kSpeedX] = Clamp(player[kSpeedX] + app.m_StickX, -kTopSpeedX, kTopSpeedX);
  if (std::fabs(app.m_StickX) < kDeadZone) player[kSpeedX] = Brake(player[kSpeedX], 0.8f);
  player[kSpeedY] = Clamp(player[kSpeedY] + 0.5f * app.m_StickY, -kTopSpeedY, kTopSpeedY);
  if (std::fabs(app.m_StickY) < kDeadZone) player[kSpeedY] = Brake(player[kSpeedY], 0.4f);
}

// A shot within reach kills the segment: a mushroom grows in its cell when that cell is
// inside the field's inner columns and above its bottom row. Every shot in reach counts,
// even after the segment is gone.
void ShootSegment(c_MyApp& app, float* segment) {
  const int column = app.m_TmpI;
  const int row = app.m_TmpJ;
  for (app.m_Loop2 = kFirstShot; app.m_Loop2 <= kLastShot; ++app.m_Loop2) {
    float* shot = &app.m_Map[app.m_Loop2 * kRecordSize];
    if (shot[kKind] <= 0.0f) continue;
    if (std::fabs(shot[kX] - segment[kX]) >= kShotReach ||
        std::fabs(shot[kY] - segment[kY]) >= kShotReach) {
      continue;
    }
    shot[kKind] = 0.0f;
    segment[kKind] = 0.0f;
    if (column > 0 && column < kColumns - 1 && row >= 0 && row < kRows - 1 &&
        MushroomKind(app, column, row) == 0.0f) {
      MushroomKind(app, column, row) = static_cast<float>(app.p_Rand(1.0f, 3.0f));
      MushroomStrength(app, column, row) = 1.0f;
    }
    app.p_PlaySFX(kSegmentSound, Pitch(), 1.0f, 0.0f);
    Sparks(app, segment[kX], segment[kY]);
    app.m_Score += 5;
  }
}

// Each segment runs, turns down at the edges and at mushrooms, wiggles, and is tested
// against the gun (before it moves) and the shots (after).
void UpdateSegments(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  for (app.m_Loop = kFirstSegment; app.m_Loop < kSegmentRecords; ++app.m_Loop) {
    app.m_TmpK = app.m_Loop * kRecordSize;
    float* segment = &app.m_Map[app.m_TmpK];
    if (segment[kKind] <= 0.0f || segment[kKind] >= 10.0f) continue;
    if (std::fabs(segment[kX] - player[kGunX]) < kTouchReach &&
        std::fabs(segment[kY] - player[kGunY]) < kTouchReach) {
      app.m_Dead = 1;
    }

    segment[kX] += segment[kSpeedXField];
    if (segment[kSpeedXField] > 0.0f && segment[kX] > zu_Quor_jscrw - kEdgeMargin) {
      segment[kSpeedXField] = -segment[kSpeedXField];
      segment[kY] += kDrop;
    } else if (segment[kSpeedXField] < 0.0f && segment[kX] < kEdgeMargin) {
      segment[kSpeedXField] = -segment[kSpeedXField];
      segment[kY] += kDrop;
    }
    if (MushroomAtCell(app, segment[kX], segment[kY])) {
      segment[kSpeedXField] = -segment[kSpeedXField];
      segment[kY] += kDrop;
    }

    segment[kAngle] = std::fmod(segment[kAngle] + segment[kAngleStep], 360.0f);
    app.p_SetRot(std::sin(segment[kAngle] * zu_math_DegreesToRadians) * kWiggle);
    app.p_DrawGfx(segment[kX], segment[kY], kSegmentSprite + zu_f2i(segment[kKind]));
    ShootSegment(app, segment);
    if (segment[kY] > zu_Quor_jscrh + kBelowScreen) segment[kKind] = 0.0f;
  }
}

// Shots fly up as thin streaks and wear down the first mushroom they meet.
void UpdateShots(c_MyApp& app) {
  app.p_SetSize(0.5f, 0.2f);
  app.p_SetRot(90.0f);
  for (app.m_Loop = kFirstShot; app.m_Loop <= kLastShot; ++app.m_Loop) {
    float* shot = &app.m_Map[app.m_Loop * kRecordSize];
    if (shot[kKind] <= 0.0f) continue;
    shot[kX] += shot[kSpeedXField];
    shot[kY] += shot[kSpeedYField];
    shot[kAngle] += shot[kAngleStep];
    app.p_DrawGfx(shot[kX], shot[kY], kShotSprite);
    if (shot[kY] < kShotTop) shot[kKind] = 0.0f;
    if (!MushroomAtCell(app, shot[kX], shot[kY])) continue;
    shot[kKind] = 0.0f;
    MushroomStrength(app, app.m_TmpI, app.m_TmpJ) -= kShotWear;
    app.m_Score += 1;
    const float pitch = Pitch();
    app.p_PlaySFX(app.p_Rand(7.0f, 8.0f), pitch, 1.0f, 0.0f);
    Sparks(app, shot[kX], shot[kY]);
  }
}

// The gun keeps to a band 56 high above the bottom. Fire acts at once on a new press and
// every sixth update while held.
void UpdateGun(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kGunX] = Clamp(player[kGunX] + player[kSpeedX], kGunMargin, zu_Quor_jscrw - kGunMargin);
  player[kGunY] = Clamp(player[kGunY] + player[kSpeedY], zu_Quor_jscrh - kGunBand,
                        zu_Quor_jscrh - kGunMargin);
  app.p_DrawGfx(player[kGunX], player[kGunY], kGunSprite);

  const bool pressed = app.p_PlayKey(10, 1) != 0;
  if (!pressed) {
    player[kCooldown] = 0.0f;
  } else if (player[kCooldown] > 0.0f) {
    player[kCooldown] -= 1.0f;
  }
  if (pressed && player[kCooldown] < 1.0f) {
    player[kCooldown] = static_cast<float>(kFireEvery);
    app.p_Fire_Chaos();
    app.p_PlaySFX(kFireSound, Pitch(), 1.0f, 0.0f);
  }
}

// A hit gun bursts, one particle per update, until the game flow ends the play.
void BurstGun(c_MyApp& app) {
  const float r1 = zu_random_Rnd();
  const float r2 = zu_random_Rnd();
  const float r3 = zu_random_Rnd();
  app.p_ThrowParticle(app.m_Player[kGunX], app.m_Player[kGunY], zu_f2i(r3 * 1.99f + 1.0f), kRed,
                      r2 * 150.0f - 75.0f, r1 * 3.0f + 3.0f);
}

}  // namespace

int c_MyApp::p_Fire_Chaos() {
  float* free = nullptr;
  for (int k = kFirstShot; k <= kLastShot; ++k) {
    float* shot = &m_Map[k * kRecordSize];
    if (shot[kKind] == 0.0f) free = shot;
  }
  if (free == nullptr) return 0;
  free[kKind] = 1.0f;
  free[kX] = m_Player[kGunX];
  free[kY] = m_Player[kGunY];
  free[kSpeedXField] = 0.0f;
  free[kSpeedYField] = kShotSpeed;
  free[kAngle] = zu_random_Rnd() * 360.0f;
  free[kAngleStep] = zu_random_Rnd() * 24.0f - 12.0f;
  return 0;
}

// Keeps the segments roughly ordered top to bottom with one bubble pass per update, and
// sends in a new caterpillar once no segment is left in the top band.
int c_MyApp::p_More_Chaos() {
  const float direction = zu_random_Rnd() < 0.5f ? 1.0f : -1.0f;
  bool clear = true;
  for (int k = kFirstSegment; k < kSegmentRecords - 1; ++k) {
    float* record = &m_Map[k * kRecordSize];
    float* next = record + kRecordSize;
    if (record[kKind] > 0.0f && record[kY] < kTopBand) clear = false;
    if (next[kY] < record[kY]) std::swap_ranges(record, next, next);
  }
  if (!clear) return 0;

  const int length = p_Rand(4.0f, 12.0f);
  const int kind = p_Rand(1.0f, 4.0f);
  float x = direction > 0.0f ? zu_Quor_jscrw + 16.0f : -16.0f;
  for (int n = 0; n < length; ++n) {
    float* free = nullptr;
    for (int k = kFirstSegment; k < kSegmentRecords; ++k) {
      float* record = &m_Map[k * kRecordSize];
      if (record[kKind] == 0.0f) free = record;
    }
    if (free == nullptr) continue;
    free[kKind] = static_cast<float>(kind);
    free[kX] = x;
    free[kY] = kEntryY;
    x += kSegmentSpacing * direction;
    free[kSpeedXField] = -kSegmentSpeed * direction;
    free[kSpeedYField] = 0.0f;
    free[kAngle] = zu_random_Rnd() * 360.0f;
    free[kAngleStep] = zu_random_Rnd() * 8.0f + 8.0f;
  }
  return 0;
}

int c_MyApp::p_LoadGame_Chaos() {
  p_FreshGame();
  m_Player[kGunX] = zu_Quor_jscrw * 0.5f;
  m_Player[kGunY] = zu_Quor_jscrh - 32.0f;
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      MushroomKind(*this, column, row) = 0.0f;
      if (zu_random_Rnd() * 30.0f < 1.0f) {
        MushroomKind(*this, column, row) = std::floor(zu_random_Rnd() * 2.99f + 1.0f);
        MushroomStrength(*this, column, row) = 1.0f;
      }
    }
  }
  return 0;
}

int c_MyApp::p_Game_Chaos() {
  p_DoBG();
  p_ResetDraw();
  p_StepCamera(kCameraEase);
  p_DoStars(0.0f, 0.25f);
  p_AnalogueControl();
  p_ResetDraw();
  m_TmpC = zu_f2i(zu_Quor_jscrw / 18.0f);
  m_TmpF = zu_f2i(zu_Quor_jscrh / 10.0f);

  UpdateMushrooms(*this);
  SteerGun(*this);
  p_More_Chaos();
  p_ResetDraw();
  UpdateSegments(*this);
  UpdateShots(*this);
  p_ResetDraw();
  if (m_Dead == 0) UpdateGun(*this);
  if (m_Dead > 0) BurstGun(*this);
  p_ResetDraw();
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
