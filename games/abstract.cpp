// Abstract (letter A): a figure walks right along a pale corridor past obstacles that bob
// up and down or swing through the air; the player times each step. Twenty obstacle
// records are recycled as they leave the view, each new one a little closer and possibly
// faster than the last. The score is the number of the furthest obstacle passed; the
// first touch ends the game in a burst of particles.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The walker and the obstacle placer, in m_Player.
constexpr int kWalkerX = 1;
constexpr int kWalkPhase = 3;   // 0 <= phase < 4; the frame is its whole part
constexpr int kLeftWall = 8;    // also the camera's target
constexpr int kNextX = 10;
constexpr int kNextSlot = 11;
constexpr int kMeanGap = 12;
constexpr int kFurthestPassed = 20;
constexpr int kNextNumber = 21;
constexpr int kTopBobSpeed = 25;

// Obstacle records of 10 Floats inside m_Player, from element 100.
constexpr int kObstacleTable = 100;
constexpr int kRecordSize = 10;
constexpr int kObstacles = 20;
constexpr int kKind = 0;  // 1 hopper, 2 swinger
constexpr int kX = 1;
constexpr int kPhaseA = 2;  // degrees
constexpr int kPhaseB = 3;
constexpr int kSpeedA = 4;
constexpr int kSpeedB = 5;
constexpr int kNumber = 9;

constexpr int kHopper = 1;  // the other kind, 2, is a swinger
constexpr float kStartX = 32.0f;
constexpr float kFirstObstacleX = 256.0f;
constexpr float kFirstGap = 256.0f;
constexpr float kSmallestGap = 128.0f;
constexpr float kFirstTopBobSpeed = 5.0f;
constexpr float kHighestTopBobSpeed = 10.0f;
constexpr float kViewLead = 128.0f;   // the walker keeps this far right of the left wall
constexpr float kOffLeft = -256.0f;
constexpr float kStride = 4.0f;
constexpr float kDegrees = 3.14159265f / 180.0f;
constexpr int kStartObstacles = 21;  // the last replaces the first, one further ahead

constexpr int kWalkerSprite = sprite::kAbstractWalker;  // + frame 0..3
constexpr int kHopperSprite = sprite::kAbstractHopper;
constexpr int kSwingerSprite = sprite::kAbstractSwinger;
constexpr float kHopperReach = 34.0f;
constexpr float kSwingerReach = 43.0f;
constexpr int kBurstParticles = 90;
constexpr int kSpark = 1;

constexpr int kPassSound = 3;
constexpr int kCrashSounds[] = {7, 9, 12};

float Wrap360(float degrees) { return std::fmod(degrees, 360.0f); }

// The walker is gone: a burst of red and orange sparks, mostly upwards, and the crash.
void Burst(c_MyApp& app) {
  app.m_Dead = 1;
  const float x = app.m_Player[kWalkerX];
  const float y = zu_Quor_jscrh - 128.0f;
  for (app.m_TmpO = 0; app.m_TmpO < kBurstParticles; ++app.m_TmpO) {
    const int colour = zu_f2i(2.0f * zu_random_Rnd() + 1.0f);
    const float direction = -128.0f + zu_random_Rnd() * 256.0f;
    const float speed = 0.3f + zu_random_Rnd() * 3.7f;
    app.p_ThrowParticle(x, y, kSpark, colour, direction, speed);
  }
  for (int sound : kCrashSounds) app.p_PlaySFX(sound, 1.0f, 1.0f);
}

// A hopper rises from the floor and rests on it for part of its cycle, turning round every
// 60 degrees of its second phase; a swinger sways up and down turning in eighth-turn jumps.
// Returns the obstacle's y and sets the draw state, the sprite and the hit width.
float PlaceObstacle(c_MyApp& app, const float* obstacle) {
  if (obstacle[kKind] == kHopper) {
    app.p_SetRot(0.0f);
    app.m_TmpN = std::fmod(obstacle[kPhaseB], 120.0f) > 60.0f ? -2 : 2;
    app.p_SetSize(static_cast<float>(app.m_TmpN), 2.0f);
    const float height =
        std::clamp(std::sin(obstacle[kPhaseA] * kDegrees) * 256.0f - 96.0f, 4.0f, 32.0f);
    app.m_TmpH = kHopperSprite;
    app.m_TmpC = zu_f2i(kHopperReach);
    return zu_Quor_jscrh - 96.0f - height;
  }
  app.m_FitMode = zu_f2i(obstacle[kPhaseB] / 45.0f);
  app.p_SetSize(2.0f, 2.0f);
  app.p_SetRot(45.0f * static_cast<float>(app.m_FitMode));
  app.m_TmpH = kSwingerSprite;
  app.m_TmpC = zu_f2i(kSwingerReach);
  return std::sin(obstacle[kPhaseA] * kDegrees) * 96.0f + zu_Quor_jscrh - 210.0f;
}

void UpdateObstacles(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_SetSize(2.0f, 2.0f);
  for (app.m_Loop = 0; app.m_Loop < kObstacles; ++app.m_Loop) {
    app.m_TmpK = kObstacleTable + app.m_Loop * kRecordSize;
    if (player[app.m_TmpK + kKind] <= 0.0f) continue;
    const float sx = player[app.m_TmpK + kX] - app.m_ScrollX;
    // The slot refilled is the next in the cycle: the obstacle that just left the view.
    if (sx < kOffLeft) app.p_Add_Abstract();

    float* obstacle = &player[app.m_TmpK];
    obstacle[kPhaseA] = Wrap360(obstacle[kPhaseA] + obstacle[kSpeedA]);
    obstacle[kPhaseB] = Wrap360(obstacle[kPhaseB] + obstacle[kSpeedB]);
    const float y = PlaceObstacle(app, obstacle);

    const float walkerSx = player[kWalkerX] - app.m_ScrollX;
    if (std::fabs(sx - walkerSx) < static_cast<float>(app.m_TmpC) &&
        std::fabs(y - (zu_Quor_jscrh - 124.0f)) < 24.0f && app.m_Dead == 0) {
      Burst(app);
    }
    if (obstacle[kX] < player[kWalkerX] - 32.0f && obstacle[kNumber] > player[kFurthestPassed]) {
      player[kFurthestPassed] = obstacle[kNumber];
      app.p_PlaySFX(kPassSound, 1.0f, 1.0f);
    }
    app.p_DrawGfx(sx, y, app.m_TmpH);
  }
}

// Left stops at the left wall; the walk phase runs forwards to the right and backwards to
// the left. Returns the walker's frame.
int Walk(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const bool left = app.p_PlayKey(3, 1) != 0;
  const bool right = app.p_PlayKey(5, 1) != 0;
  if (app.m_Dead == 0) {
    if (left && player[kWalkerX] > player[kLeftWall]) {
      player[kWalkerX] -= kStride;
      player[kWalkPhase] = std::fmod(player[kWalkPhase] + 3.8f, 4.0f);
    }
    if (right) {
      player[kWalkerX] += kStride;
      player[kWalkPhase] = std::fmod(player[kWalkPhase] + 0.2f, 4.0f);
    }
  }
  if (left || right) return std::clamp(zu_f2i(player[kWalkPhase]), 0, 3);
  player[kWalkPhase] = 0.0f;
  return 0;
}

// A pale corridor between black bands at the top and the bottom of the screen.
void DrawCorridor(c_MyApp& app) {
  const float x = -64.0f;
  const float width = zu_Quor_jscrw + 128.0f;
  const float h = zu_Quor_jscrh;
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  app.p_Rect(x, h - 96.0f, width, 128.0f);
  app.p_SetCol(0.0f, 0.0f, 0.0f, 1.0f);
  app.p_Rect(x, h - 96.0f, width, 8.0f);
  app.p_Rect(x, h - 40.0f, width, 96.0f);
  app.p_Rect(x, -32.0f, width, 72.0f);
}

}  // namespace

int c_MyApp::p_Add_Abstract() {
  float* obstacle = &m_Player[kObstacleTable + kRecordSize * zu_f2i(m_Player[kNextSlot])];
  obstacle[kKind] = std::floor(zu_random_Rnd() * 1.99f + 1.0f);
  obstacle[kX] = m_Player[kNextX];
  obstacle[kPhaseA] = zu_random_Rnd() * 360.0f;
  obstacle[kPhaseB] = zu_random_Rnd() * 360.0f;
  obstacle[kSpeedA] = 2.0f + zu_random_Rnd() * (m_Player[kTopBobSpeed] - 2.0f);
  obstacle[kSpeedB] = 2.0f + zu_random_Rnd() * 6.0f;
  obstacle[kNumber] = m_Player[kNextNumber];
  m_Player[kNextNumber] += 1.0f;

  m_Player[kNextX] += (m_Player[kMeanGap] - 64.0f) + zu_random_Rnd() * 128.0f;
  m_Player[kNextSlot] = static_cast<float>((zu_f2i(m_Player[kNextSlot]) + 1) % kObstacles);
  m_Player[kMeanGap] = std::max(m_Player[kMeanGap] - 4.0f, kSmallestGap);
  m_Player[kTopBobSpeed] = std::min(m_Player[kTopBobSpeed] + 0.05f, kHighestTopBobSpeed);
  return 0;
}

int c_MyApp::p_LoadGame_Abstract() {
  p_FreshGame();
  m_Player[kWalkerX] = kStartX;
  m_Player[kNextX] = kFirstObstacleX;
  m_Player[kMeanGap] = kFirstGap;
  m_Player[kFurthestPassed] = 1.0f;
  m_Player[kNextNumber] = 1.0f;
  m_Player[kTopBobSpeed] = kFirstTopBobSpeed;
  for (int i = 0; i < kStartObstacles; ++i) p_Add_Abstract();
  return 0;
}

int c_MyApp::p_Game_Abstract() {
  m_BgTR = 225.0f;
  m_BgTG = 225.0f;
  m_BgTB = 225.0f;
  p_DoBG();
  p_ResetDraw();
  p_StepCamera(0.125f);
  p_AnalogueControl();
  p_ResetDraw();

  // The view and the left wall advance with the walker; the camera follows next update.
  m_ScrollTX = m_Player[kLeftWall];
  if (m_Player[kWalkerX] > m_Player[kLeftWall] + kViewLead) {
    m_Player[kLeftWall] = m_Player[kWalkerX] - kViewLead;
  }

  UpdateObstacles(*this);
  m_Score = zu_f2i(m_Player[kFurthestPassed]);

  const int frame = Walk(*this);
  p_ResetDraw();
  p_SetSize(2.0f, 2.0f);
  if (m_Dead == 0) {
    p_DrawGfx(m_Player[kWalkerX] - m_ScrollX, zu_Quor_jscrh - 128.0f, kWalkerSprite + frame);
  }
  DrawCorridor(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
