// Penguin (letter P, "Penguin Parade"): a column of up to eleven penguins crosses a chain of
// 21 floating platforms to the home platform on the right. Only the leader obeys the
// controls at once; each follower repeats them 15 updates after the penguin in front of it,
// so a jump that suits the leader may drop a follower into the sea. Every penguin that gets
// home scores five and walks the next, longer and rougher level; nobody home ends the game.
#include <algorithm>
#include <cmath>

#include "framework/app.h"
#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "host/report.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// Penguin records in m_Player: the leader at 0, penguin i >= 1 at 100 + 10 i.
constexpr int kPenguins = 11;
constexpr int kState = 0;     // 1 walking, 2 saved and flying up, 0 lost
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kFall = 4;      // vertical speed, positive downwards
constexpr int kFacing = 5;    // 1 right, -1 left; also the horizontal drawing scale
constexpr int kJumped = 7;    // 1 once this press has made the penguin jump
constexpr int kGround = 9;    // updates left in which a jump is still allowed
constexpr int kLevel = 21;

constexpr float kWalking = 1.0f;
constexpr float kSaved = 2.0f;
constexpr float kLost = 0.0f;

// Platform records of 10 Floats at the start of m_Map; the last one is home.
constexpr int kPlatforms = 21;
constexpr int kHome = 20;
constexpr int kPlatformSize = 10;
constexpr int kType = 0;       // 1 fixed, 2 blinking, 4 bobbing
constexpr int kPlatX = 1;
constexpr int kPlatY = 2;
constexpr int kPhase = 5;      // degrees
constexpr int kPhaseSpeed = 6;
constexpr int kSolid = 7;
constexpr int kHomeX = 8;
constexpr int kHomeY = 9;
constexpr float kFixed = 1.0f;
constexpr float kBlinking = 2.0f;
constexpr float kBobbing = 4.0f;

// Control histories in m_Map, oldest first; the newest entry is at the end.
constexpr int kSteerHistory = 1000;
constexpr int kJumpHistory = 2000;
constexpr int kHistoryLength = 500;  // entries 0..500
constexpr int kFollowDelay = 15;

constexpr float kGravity = 0.5f;
constexpr float kFallStep = 0.6f;
constexpr float kMaxFall = 14.0f;
constexpr float kJumpSpeed = -12.0f;
constexpr float kSavedLift = 0.2f;
constexpr float kStickToSteer = 2.5f;
constexpr float kLandReach = 42.0f;   // horizontal
constexpr float kLandWindow = 6.0f;   // vertical, around the feet
constexpr float kFeet = 18.0f;
constexpr float kStandHeight = 17.0f;
constexpr float kGroundUpdates = 6.0f;
constexpr float kBobHeight = 24.0f;
constexpr float kBlinkOffAbove = 300.0f;
constexpr float kPlatformEnd = 31.0f;
constexpr float kPlatformMargin = 160.0f;
constexpr float kPenguinMargin = 32.0f;
constexpr float kLostBelow = 64.0f;
constexpr float kCameraEase = 0.125f;
constexpr float kCameraLeadX = 0.4f;
constexpr float kCameraLeadY = 0.6f;
constexpr int kSavedPoints = 5;

constexpr int kPlatformMid = sprite::kPenguinPlatformMiddle;
constexpr int kPlatformEndSprite = sprite::kPenguinPlatformEnd;
constexpr int kWalkEven = sprite::kPenguinA;  // + animation frame 0..2
constexpr int kWalkOdd = sprite::kPenguinB;
constexpr int kSavedEven = sprite::kPenguinA + 3;
constexpr int kSavedOdd = sprite::kPenguinB + 3;
constexpr int kCreditFrame = 10;

constexpr int kJumpSound = 3;
constexpr int kLostSound = 11;
constexpr int kHomeSound = 13;
constexpr int kLevelSound = 95;


int Record(int penguin) { return penguin == 0 ? 0 : 100 + 10 * penguin; }

// A whole number from lo to hi, each equally likely.
int WholeRandom(int lo, int hi) {
  const float low = static_cast<float>(lo);
  return zu_f2i(std::floor(low + zu_random_Rnd() * (static_cast<float>(hi) + 0.99f - low)));
}

int WholeRandomOtherThan(int lo, int hi, int taken) {
  int value = WholeRandom(lo, hi);
  while (value == taken) value = WholeRandom(lo, hi);
  return value;
}

void ShiftHistory(Array<float>& map, int start) {
  std::copy(map.begin() + start + 1, map.begin() + start + kHistoryLength + 1,
            map.begin() + start);
}

// A saved penguin flies up ever faster; it counts as present while still in view.
void FlyUp(c_MyApp& app, float* penguin, bool even) {
  penguin[kY] += penguin[kFall];
  penguin[kFall] -= kSavedLift;
  app.m_TmpC = 1;
  const float sy = penguin[kY] - app.m_ScrollY;
  if (sy > -kPenguinMargin && sy < zu_Quor_jscrh + kPenguinMargin) {
    app.m_TmpR += 1;
    app.p_SetSize(penguin[kFacing], 1.0f);
    app.p_DrawGfx(penguin[kX] - app.m_ScrollX, sy, even ? kSavedEven : kSavedOdd);
  }
}

// Platforms count as solid as they were at the end of the previous update.
void Land(c_MyApp& app, float* penguin) {
  for (app.m_FitMode = 0; app.m_FitMode < kPlatforms; ++app.m_FitMode) {
    const float* platform = &app.m_Map[app.m_FitMode * kPlatformSize];
    if (platform[kSolid] != 1.0f) continue;
    if (std::fabs(platform[kPlatX] - penguin[kX]) < kLandReach &&
        std::fabs(platform[kPlatY] - (penguin[kY] + kFeet)) < kLandWindow &&
        penguin[kFall] >= 0.0f) {
      penguin[kFall] = 0.0f;
      penguin[kY] = platform[kPlatY] - kStandHeight;
      penguin[kGround] = kGroundUpdates;
      if (app.m_FitMode == kHome && penguin[kState] == kWalking) {
        penguin[kState] = kSaved;
        app.p_PlaySFX(kHomeSound);
        app.m_Score += kSavedPoints;
      }
    }
  }
}

// Only the first five penguins are heard; the others' volume would be negative, which the
// sound device would refuse and keep the channel's previous loudness.
void Jump(c_MyApp& app, float* penguin, int i, float control) {
  if (control == 0.0f) penguin[kJumped] = 0.0f;
  if (control != 1.0f || penguin[kJumped] != 0.0f || penguin[kGround] <= 0.0f) return;
  penguin[kJumped] = 1.0f;
  penguin[kFall] = kJumpSpeed;
  const float rate = 0.8f + zu_random_Rnd() * 0.4f;
  const float volume = std::min(static_cast<float>(11 - i) * 0.08f - 0.5f, 0.3f);
  app.p_PlaySFX(kJumpSound, rate, std::max(volume, 0.0f));
}

// The leader is moved even when lost, so that the camera keeps following its controls.
void Walk(c_MyApp& app, float* penguin, int i) {
  const int delay = kHistoryLength - kFollowDelay * i;
  const float steer = app.m_Map[kSteerHistory + delay];
  const float jump = app.m_Map[kJumpHistory + delay];
  if (penguin[kState] == kWalking) app.m_TmpR += 1;
  penguin[kX] += steer;
  if (steer > 0.0f) penguin[kFacing] = 1.0f;
  if (steer < 0.0f) penguin[kFacing] = -1.0f;
  penguin[kY] += kFallStep * penguin[kFall];
  penguin[kFall] = std::min(penguin[kFall] + kGravity, kMaxFall);

  Land(app, penguin);
  if (penguin[kGround] > -1.0f) penguin[kGround] -= 1.0f;
  Jump(app, penguin, i, jump);

  const long long clock = 75LL * i + zu_app_Millisecs();
  const int frame = static_cast<int>((clock / 240) % 3);
  if (penguin[kState] == kWalking) {
    app.p_SetSize(penguin[kFacing], 1.0f);
    app.p_DrawGfx(penguin[kX] - app.m_ScrollX, penguin[kY] - app.m_ScrollY,
                  (i % 2 == 0 ? kWalkEven : kWalkOdd) + frame);
    if (penguin[kY] - app.m_ScrollY > zu_Quor_jscrh + kLostBelow) {
      app.p_PlaySFX(kLostSound);
      penguin[kState] = kLost;
    }
  }
}

// Moves, blinks and draws the platforms; returns how many are in the horizontal view and
// the sum of their heights, which the camera's height follows.
int UpdatePlatforms(c_MyApp& app, float& heightSum) {
  int inView = 0;
  heightSum = 0.0f;
  for (int j = 0; j < kPlatforms; ++j) {
    float* platform = &app.m_Map[j * kPlatformSize];
    if (platform[kType] <= 0.0f) continue;
    platform[kPlatX] = platform[kHomeX];
    platform[kPlatY] = platform[kHomeY];
    if (platform[kType] == kBobbing) {
      platform[kPlatY] += std::sin(platform[kPhase] * zu_math_DegreesToRadians) * kBobHeight;
    }
    platform[kSolid] = 1.0f;
    platform[kPhase] = std::fmod(platform[kPhase] + platform[kPhaseSpeed], 360.0f);
    if (platform[kPhase] < 0.0f) platform[kPhase] += 360.0f;
    if (platform[kType] == kBlinking && platform[kPhase] > kBlinkOffAbove) platform[kSolid] = 0.0f;

    const float sx = platform[kPlatX] - app.m_ScrollX;
    if (sx <= -kPlatformMargin || sx >= zu_Quor_jscrw + kPlatformMargin) continue;
    heightSum += platform[kPlatY];
    ++inView;
    const float sy = platform[kPlatY] - app.m_ScrollY;
    app.p_Alpha(platform[kSolid] == 1.0f ? 1.0f : 0.25f);
    app.p_SetSize(1.0f, 1.0f);
    app.p_DrawGfx(sx, sy, kPlatformMid);
    app.p_DrawGfx(sx + kPlatformEnd, sy, kPlatformEndSprite);
    app.p_SetSize(-1.0f, 1.0f);
    app.p_DrawGfx(sx - kPlatformEnd, sy, kPlatformEndSprite);
  }
  return inView;
}

}  // namespace

// Levels grow longer and rougher: wider steps from the second level on, with height changes
// and three blinking platforms; from the third, three bobbing ones as well.
int c_MyApp::p_GetLev_Penguin() {
  const float level = m_Player[kLevel];
  m_TmpC = std::min(zu_f2i(level + 5.0f), 10);
  m_TmpF = std::min(zu_f2i(level - 1.0f), 6);
  const int blinkA = p_Rand(3.0f, 7.0f);
  const int bobA = WholeRandomOtherThan(3, 7, blinkA);
  const int blinkB = p_Rand(9.0f, 12.0f);
  const int bobB = WholeRandomOtherThan(9, 12, blinkB);
  const int blinkC = p_Rand(14.0f, 18.0f);
  const int bobC = WholeRandomOtherThan(14, 18, blinkC);

  float x = 0.0f;
  float y = 32.0f;
  for (int j = 0; j < kPlatforms; ++j) {
    float* platform = &m_Map[j * kPlatformSize];
    platform[kType] = kFixed;
    if (level > 1.0f && (j == blinkA || j == blinkB || j == blinkC)) platform[kType] = kBlinking;
    if (level > 2.0f && (j == bobA || j == bobB || j == bobC)) platform[kType] = kBobbing;
    platform[kPlatX] = platform[kHomeX] = x;
    platform[kPlatY] = platform[kHomeY] = y;
    platform[kPhase] = std::floor(zu_random_Rnd() * 360.99f);
    platform[kPhaseSpeed] = 1.0f + zu_random_Rnd() * 2.0f;
    x += static_cast<float>(16 * WholeRandom(5, m_TmpC));
    y += static_cast<float>(12 * WholeRandom(-m_TmpF, m_TmpF));
  }

  int survivors = 0;
  for (int i = 0; i < kPenguins; ++i) {
    float* penguin = &m_Player[Record(i)];
    if (penguin[kState] > 0.0f) ++survivors;
    penguin[kState] = kLost;
  }
  zuPrint(String("C") + String(survivors - 1));
  for (int i = 0; i < survivors; ++i) {
    float* penguin = &m_Player[Record(i)];
    penguin[kState] = kWalking;
    penguin[kX] = 0.0f;
    penguin[kY] = 0.0f;
    penguin[kFall] = 0.0f;
    penguin[kFacing] = 1.0f;
  }
  if (survivors > 0) {
    m_TmpM = kHistoryLength - kFollowDelay * (survivors - 1);
    m_TmpP = Record(survivors - 1);
  }

  std::fill(m_Map.begin() + kSteerHistory, m_Map.begin() + kSteerHistory + kHistoryLength + 1, 0.0f);
  std::fill(m_Map.begin() + kJumpHistory, m_Map.begin() + kJumpHistory + kHistoryLength + 1, 0.0f);
  m_Player[kLevel] += 1.0f;
  return 0;
}

int c_MyApp::p_LoadGame_Penguin() {
  p_FreshGame();
  m_Player[kLevel] = 1.0f;
  for (int i = 0; i < kPenguins; ++i) m_Player[Record(i) + kState] = kWalking;
  m_TmpM = 350;
  m_TmpP = 200;
  p_GetLev_Penguin();
  return 0;
}

int c_MyApp::p_Game_Penguin() {
  m_BgTR = 200.0f;
  m_BgTG = 220.0f;
  m_BgTB = 250.0f;
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(kCameraEase);
  p_DoSnow(dx, dy);
  m_ScrollTX = m_Player[kX] - kCameraLeadX * zu_Quor_jscrw;
  m_ScrollTY = m_Player[kY] - kCameraLeadY * zu_Quor_jscrh;
  p_AnalogueControl();

  ShiftHistory(m_Map, kSteerHistory);
  ShiftHistory(m_Map, kJumpHistory);
  m_Map[kSteerHistory + kHistoryLength] = m_StickX * kStickToSteer;
  const bool jumpHeld = p_PlayKey(10, 1) != 0 || p_PlayKey(11, 1) != 0;
  m_Map[kJumpHistory + kHistoryLength] = jumpHeld && m_KeyLatch == 0 ? 1.0f : 0.0f;

  m_TmpC = 0;
  m_TmpR = 0;
  for (m_Loop = 0; m_Loop < kPenguins; ++m_Loop) {
    float* penguin = &m_Player[Record(m_Loop)];
    if (penguin[kState] == kSaved) {
      FlyUp(*this, penguin, m_Loop % 2 == 0);
    } else if (penguin[kState] == kWalking || m_Loop == 0) {
      Walk(*this, penguin, m_Loop);
    }
  }
  p_SetSize(1.0f, 1.0f);

  if (m_TmpR == 0) {
    if (m_TmpC == 0) {
      m_Dead = 1;
    } else {
      p_GetLev_Penguin();
      p_PlaySFX(kLevelSound);
    }
  }

  float heightSum = 0.0f;
  const int inView = UpdatePlatforms(*this, heightSum);
  p_ResetDraw();
  // With no platform in view the camera keeps aiming at the leader's height.
  if (inView > 0) {
    m_ScrollTY = heightSum / static_cast<float>(inView) - kCameraLeadY * zu_Quor_jscrh;
  }
  p_DoParticles(1.0f);
  p_GfxShow(kCreditFrame, 0);
  p_ScoreDisplay();
  return 0;
}
