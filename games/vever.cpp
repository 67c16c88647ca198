// Vever (letter B, "Bouncy"): Vever bounces off a row of platforms running to the right and
// the player only steers him left and right. Each platform carries him once and then drops
// away; some stand still, others swing sideways, up and down or round in ellipses, with a
// swing that grows as the game goes on. Landing on the next platform scores a little,
// skipping platforms a growing bonus; falling far below the screen ends the game. The
// platforms live in 20 slots that are refilled at the front once far behind the camera.
#include <algorithm>
#include <cmath>

#include "framework/app.h"
#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// Vever and the platform maker, in m_Player.
constexpr int kVeverX = 1;
constexpr int kVeverY = 2;  // grows downwards
constexpr int kSpeedX = 3;
constexpr int kSpeedY = 4;
constexpr int kNextX = 10;
constexpr int kNextY = 11;
constexpr int kSlotCursor = 12;
constexpr int kSwingLimit = 15;
constexpr int kNextNumber = 18;
constexpr int kLastCounted = 19;
constexpr int kLandedX = 20;  // the camera follows the last platform landed on
constexpr int kMultiplier = 29;

// Platform records of 10 Floats in m_Map, one per slot.
constexpr int kRecordSize = 10;
constexpr int kSlots = 20;
constexpr int kKind = 0;  // motion kind 0..3, also the sprite drawn
constexpr int kX = 1;
constexpr int kBaseY = 2;
constexpr int kNumber = 3;
constexpr int kAngle = 5;
constexpr int kAngleStep = 6;
constexpr int kFall = 7;  // 0 in place; grows once landed on
constexpr int kWidth = 8;
constexpr int kAmplitude = 9;

constexpr int kStill = 0;
constexpr int kSideways = 1;
constexpr int kUpAndDown = 2;
constexpr int kEllipse = 3;
constexpr float kWide = 2.0f;
constexpr float kNarrow = 1.0f;
constexpr float kWideHalfWidth = 56.0f;
constexpr float kNarrowHalfWidth = 32.0f;
constexpr float kWidePieceOffset = 28.0f;

constexpr int kRandomKind = -1;  // "any kind" for p_Next_Vever
constexpr float kAfterAGap = -1.0f;   // dx value: the next platform comes after a gap
constexpr float kGapBaseY = 32.0f;
constexpr float kStackStep = -12.0f;
constexpr int kStackedPlatforms = 10;
constexpr float kSwingGrowth = 1.75f;
constexpr float kSwingCeiling = 128.0f;
constexpr float kNarrowFromSwing = 32.0f;
// The first platform counted for scoring is number 11: the start stack never scores.
constexpr float kFirstCounted = 10.0f;

constexpr float kCameraEase = 0.0625f;
constexpr float kTopSpeedX = 7.5f;
constexpr float kDeadZone = 0.2f;
constexpr float kBrake = 0.8f;
constexpr float kGravity = 0.2f;
constexpr float kTopFall = 8.0f;
constexpr float kBounce = -8.0f;
constexpr float kLandingReach = 12.0f;
// Past this a slot's platform is far behind the camera and is made again at the front.
constexpr float kBehindCamera = -640.0f;

constexpr int kVeverSprite = sprite::kVever;
constexpr int kBounceSound = 2;

float Clamp(float value, float low, float high) { return std::max(low, std::min(value, high)); }

// Moves the speed toward 0 by `step` without passing it.
float Brake(float speed, float step) {
  if (speed > 0.0f) return std::max(speed - step, 0.0f);
  return std::min(speed + step, 0.0f);
}

// Landing on the next platform scores 5 and ends a run of skips; skipping 1 to 4 platforms
// raises the multiplier and pays it out at a rate growing with the skip.
void ScoreLanding(c_MyApp& app, float number, float fx, float fy) {
  Array<float>& player = app.m_Player;
  const float last = player[kLastCounted];
  const float x = fx;
  const float y = fy - 64.0f;
  static constexpr int kSkipRates[] = {10, 25, 100, 250};
  if (number == last + 1.0f) {
    app.p_Gimme(5, x, y);
    player[kMultiplier] = 0.0f;
  } else {
    for (int skipped = 1; skipped <= 4; ++skipped) {
      if (number != last + 1.0f + static_cast<float>(skipped)) continue;
      player[kMultiplier] += 1.0f;
      app.p_Gimme(zu_f2i(player[kMultiplier] * static_cast<float>(kSkipRates[skipped - 1])), x, y);
    }
  }
  if (number > kFirstCounted) player[kLastCounted] = number;
}

// Where a platform is this update: its swing, then its drop once landed on.
void PlatformPosition(float* platform, float& fx, float& fy) {
  fx = platform[kX];
  fy = platform[kBaseY] + 0.7f * zu_Quor_jscrh;
  const int kind = zu_f2i(platform[kKind]);
  const float radians = platform[kAngle] * zu_math_DegreesToRadians;
  if (kind == kSideways || kind == kEllipse) fx += std::sin(radians) * platform[kAmplitude];
  if (kind == kUpAndDown || kind == kEllipse) fy -= std::cos(radians) * platform[kAmplitude];
  if (platform[kFall] > 0.0f) {
    platform[kFall] += zu_random_Rnd() * 0.7f + 0.8f;
    fy += 4.0f * platform[kFall];
  }
}

// A platform in place catches Vever only while he falls; it then throws him up, starts to
// drop, and the camera moves on to it. The pitch is drawn even with the sound off.
void TryLanding(c_MyApp& app, float* platform, float fx, float fy) {
  Array<float>& player = app.m_Player;
  app.m_TmpC = platform[kWidth] == kWide ? zu_f2i(kWideHalfWidth) : zu_f2i(kNarrowHalfWidth);
  if (platform[kFall] != 0.0f) return;
  if (std::fabs(player[kVeverX] - fx) >= static_cast<float>(app.m_TmpC) ||
      std::fabs(player[kVeverY] - fy) >= kLandingReach || player[kSpeedY] <= 0.0f) {
    return;
  }
  player[kSpeedY] = kBounce;
  player[kLandedX] = fx;
  platform[kFall] = 1.0f;
  const float pitch = zu_random_Rnd() * 0.49999994f + 0.8f;
  app.p_PlaySFX(kBounceSound, pitch, 1.0f, 0.0f);
  ScoreLanding(app, platform[kNumber], fx, fy);
}

// A dropping platform tilts more and more; a wide one is three pieces that break apart.
void DrawPlatform(c_MyApp& app, const float* platform, float fx, float fy) {
  const float fall = platform[kFall];
  const int sprite = sprite::kVeverPlatform + zu_f2i(platform[kKind]);
  const float sx = fx - app.m_ScrollX;
  const float sy = fy - app.m_ScrollY;
  app.p_SetRot(fall);
  app.p_DrawGfx(sx, sy, sprite);
  if (platform[kWidth] == kWide) {
    const float spread = 0.5f * fall + kWidePieceOffset;
    app.p_SetRot(2.0f * fall);
    app.p_DrawGfx(sx + spread, sy, sprite);
    app.p_SetRot(-2.0f * fall);
    app.p_DrawGfx(sx - spread, sy, sprite);
  }
}

void UpdatePlatforms(c_MyApp& app) {
  for (app.m_Loop = 0; app.m_Loop < kSlots; ++app.m_Loop) {
    float* platform = &app.m_Map[app.m_Loop * kRecordSize];
    if (platform[kX] - app.m_ScrollX < kBehindCamera) {
      app.p_Next_Vever(app.m_Loop, kAfterAGap, 0.0f, kRandomKind);
    }
    float fx = 0.0f;
    float fy = 0.0f;
    PlatformPosition(platform, fx, fy);
    TryLanding(app, platform, fx, fy);
    DrawPlatform(app, platform, fx, fy);
    if (platform[kFall] == 0.0f) {
      platform[kAngle] = std::fmod(platform[kAngle] + platform[kAngleStep], 360.0f);
    }
  }
}

// Left and right only; below the screen the steering stops and, far enough down, the
// game is over.
void MoveVever(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kSpeedX] = Clamp(player[kSpeedX] + app.m_StickX, -kTopSpeedX, kTopSpeedX);
  if (std::fabs(app.m_StickX) < kDeadZone) player[kSpeedX] = Brake(player[kSpeedX], kBrake);
  if (player[kVeverY] > zu_Quor_jscrh) player[kSpeedX] = 0.0f;
  if (player[kVeverY] > 1.5f * zu_Quor_jscrh) app.m_Dead = 1;

  player[kVeverX] += player[kSpeedX];
  player[kVeverY] += player[kSpeedY];
  player[kSpeedY] = std::min(player[kSpeedY] + kGravity, kTopFall);
}

}  // namespace

int c_MyApp::p_Next_Vever(int slot, float dx, float dy, int kind) {
  Array<float>& player = m_Player;
  player[kSlotCursor] = static_cast<float>((zu_f2i(player[kSlotCursor]) + 1) % kSlots);
  // Records outside the table would be outside the game's part of m_Map.
  if (slot < 0 || slot >= kSlots) return 0;
  float* platform = &m_Map[slot * kRecordSize];

  const int randomKind = p_Rand(0.0f, 3.0f);
  platform[kKind] = static_cast<float>(kind >= 0 ? kind : randomKind);
  platform[kFall] = 0.0f;
  platform[kX] = player[kNextX];
  platform[kBaseY] = player[kNextY];
  platform[kNumber] = player[kNextNumber];
  player[kNextNumber] += 1.0f;

  platform[kWidth] = kWide;
  if (player[kSwingLimit] > kNarrowFromSwing && zu_random_Rnd() * 4.0f < 1.0f) {
    platform[kWidth] = kNarrow;
  }
  platform[kAmplitude] = zu_random_Rnd() * player[kSwingLimit];
  player[kSwingLimit] = std::min(player[kSwingLimit] + kSwingGrowth, kSwingCeiling);

  platform[kAngle] = zu_random_Rnd() * 360.0f;
  platform[kAngleStep] = 2.0f * zu_random_Rnd() + 2.0f;
  if (slot % 2 == 1) platform[kAngleStep] = -(2.0f * zu_random_Rnd() + 2.0f);

  if (dx == kAfterAGap) {
    player[kNextY] = kGapBaseY;
    player[kNextX] += zu_random_Rnd() * 130.0f + 140.0f;
  } else if (dx >= 0.0f) {
    player[kNextX] += dx;
    player[kNextY] += dy;
  }
  return 0;
}

int c_MyApp::p_LoadGame_Vever() {
  p_FreshGame();
  // The layout follows the clock, so every game is different; the steps drawn after the
  // seed are part of the sequence the platforms come from.
  zu_random_Seed = zu_app_Millisecs();
  for (int i = 0; i < 10; ++i) zu_random_Rnd();
  m_FitMode = zu_f2i(zu_random_Rnd());

  Array<float>& player = m_Player;
  player[kVeverX] = 0.0f;
  player[kVeverY] = -0.2f * zu_Quor_jscrh;
  player[kNextX] = 0.0f;
  player[kNextY] = 0.2f * zu_Quor_jscrh;
  player[kLastCounted] = kFirstCounted;

  for (m_Loop2 = 0; m_Loop2 < kSlots; ++m_Loop2) {
    const int slot = zu_f2i(player[kSlotCursor]);
    if (m_Loop2 < kStackedPlatforms) {
      p_Next_Vever(slot, 0.0f, kStackStep, kStill);
    } else if (m_Loop2 == kStackedPlatforms) {
      p_Next_Vever(slot, kAfterAGap, 0.0f, kStill);
    } else {
      p_Next_Vever(slot, kAfterAGap, 0.0f, kRandomKind);
    }
  }
  return 0;
}

int c_MyApp::p_Game_Vever() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(kCameraEase);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  MoveVever(*this);
  m_ScrollTX = m_Player[kLandedX] - 0.1f * zu_Quor_jscrw;
  m_ScrollTY = 0.0f;
  p_DrawGfx(m_Player[kVeverX] - m_ScrollX, m_Player[kVeverY] - m_ScrollY, kVeverSprite);

  UpdatePlatforms(*this);
  p_DoParticles(2.0f);
  p_ScoreDisplay();
  return 0;
}
