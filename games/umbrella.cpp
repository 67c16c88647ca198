// Umbrella (letter U): three clouds drift along the top of the screen; now and then one
// rumbles and then drops a burst of rain, one drop at a time. The player steers an umbrella
// along the bottom to catch the drops, a point each. Every drop that reaches the ground
// costs one of five lives, and the fifth ends the game.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The umbrella, the clouds and the weather, in m_Player.
constexpr int kUmbrellaX = 1;
constexpr int kUmbrellaSpeed = 3;
constexpr int kCloudX = 1;      // cloud i at 10 i + 1
constexpr int kCloudSpeed = 3;  // cloud i at 10 i + 3
constexpr int kClouds = 3;
constexpr int kTickTimer = 49;
constexpr int kDropsLeft = 50;
constexpr int kActiveCloud = 51;  // 1..3, 0 none
constexpr int kWarning = 52;      // rumbles still to come before the drops

// Drop records of 10 Floats in m_Map.
constexpr int kRecordSize = 10;
constexpr int kDrops = 31;
constexpr int kFalling = 0;
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kFallSpeed = 4;

constexpr float kFirstTick = 320.0f;
constexpr float kTickInterval = 30.0f;  // the tick fires every 31 updates
constexpr float kWarningTicks = 4.0f;
constexpr float kDropStartY = 52.0f;
constexpr float kDropStartSpeed = 0.2f;
constexpr float kTopFallSpeed = 4.0f;
constexpr float kFallAcceleration = 0.05f;
constexpr float kCatchReach = 24.0f;
constexpr int kStartLives = 5;

constexpr float kCloudEdge = 64.0f;
constexpr float kUmbrellaEdge = 32.0f;
constexpr float kUmbrellaDrift = 0.65f;
constexpr float kUmbrellaTopSpeed = 7.5f;
constexpr float kUmbrellaBrake = 0.8f;
constexpr float kStickDeadZone = 0.2f;

constexpr int kCloudSprite = sprite::kUmbrellaCloud;
constexpr int kRainCloudSprite = sprite::kUmbrellaRainCloud;
constexpr int kLightningSprite = sprite::kUmbrellaLightning;
constexpr int kUmbrellaSprite = sprite::kUmbrellaUmbrella;
constexpr int kDropSprite = sprite::kUmbrellaDrop;

constexpr int kCatchSound = 14;
constexpr int kSplashSound = 5;
constexpr int kGfxCredit = 9;

// Thunder or a rumble: one of effects 7..9, at a random pitch.
void Rumble(c_MyApp& app, float rateSpread) {
  const int effect = app.p_Rand(7.0f, 9.0f);
  const float rate = 0.5f + zu_random_Rnd() * rateSpread;
  app.p_PlaySFX(effect, rate, 1.0f);
}

// Falling, caught by the umbrella or splashing on the ground; the last free record found is
// kept in m_TmpN for a drop that starts this update.
void UpdateDrops(c_MyApp& app) {
  app.m_TmpN = -1;
  const float umbrellaX = app.m_Player[kUmbrellaX];
  for (app.m_Loop = 0; app.m_Loop < kDrops; ++app.m_Loop) {
    float* drop = &app.m_Map[app.m_Loop * kRecordSize];
    if (drop[kFalling] == 0.0f) {
      app.m_TmpN = app.m_Loop * kRecordSize;
      continue;
    }
    drop[kY] += drop[kFallSpeed];
    if (drop[kFallSpeed] < kTopFallSpeed) drop[kFallSpeed] += kFallAcceleration;
    if (drop[kY] > zu_Quor_jscrh - 64.0f && drop[kY] < zu_Quor_jscrh - 32.0f &&
        std::fabs(drop[kX] - umbrellaX) < kCatchReach) {
      drop[kFalling] = 0.0f;
      app.m_Score += 1;
      app.p_PlaySFX(kCatchSound);
    }
    if (drop[kY] > zu_Quor_jscrh + 16.0f) {
      app.m_Lives -= 1;
      drop[kFalling] = 0.0f;
      app.p_PlaySFX(kSplashSound);
    }
    app.p_DrawGfx(drop[kX], drop[kY], kDropSprite);
  }
}

// Every 31 updates: a burst starts with thunder, its cloud rumbles on three ticks, then
// drops one drop per tick until its drops are spent.
void Tick(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_TmpR = 0;
  player[kTickTimer] -= 1.0f;
  if (player[kTickTimer] >= 0.0f) return;
  app.m_TmpR = 1;
  player[kTickTimer] = kTickInterval;
  if (player[kWarning] < 1.0f) player[kDropsLeft] -= 1.0f;
  if (player[kDropsLeft] < 0.0f) {
    player[kDropsLeft] = static_cast<float>(2 * app.p_Rand(2.0f, 4.0f));
    player[kActiveCloud] = static_cast<float>(app.p_Rand(1.0f, 3.0f));
    player[kWarning] = kWarningTicks;
    Rumble(app, 0.8f);
  }
  if (player[kActiveCloud] == 0.0f || player[kDropsLeft] <= 0.0f) return;
  player[kWarning] -= 1.0f;
  if (player[kWarning] > 0.0f) Rumble(app, 0.3f);
  if (player[kWarning] < 1.0f && app.m_TmpN >= 0) {
    float* drop = &app.m_Map[app.m_TmpN];
    drop[kFalling] = 1.0f;
    drop[kX] = player[10 * zu_f2i(player[kActiveCloud]) + kCloudX];
    drop[kY] = kDropStartY;
    drop[kFallSpeed] = kDropStartSpeed;
  }
}

bool Chance(float outOf, float in) { return zu_random_Rnd() * outOf < in; }

// Clouds wander, turn back from the edges, and flash while their burst is coming.
void UpdateClouds(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float warning = player[kWarning];
  for (int i = 1; i <= kClouds; ++i) {
    float& x = player[10 * i + kCloudX];
    float& speed = player[10 * i + kCloudSpeed];
    x += speed;
    if (Chance(300.0f, 1.0f)) speed = zu_random_Rnd() * 4.0f - 2.0f;
    if (x < kCloudEdge) speed = 0.5f + zu_random_Rnd() * 1.5f;
    if (x > zu_Quor_jscrw - kCloudEdge) speed = -(0.5f + zu_random_Rnd() * 1.5f);
    const bool raining = player[kDropsLeft] > 0.0f && player[kActiveCloud] == i;
    const int sprite = raining ? kRainCloudSprite : kCloudSprite;
    if ((warning == 4.0f || warning == 2.0f) && Chance(4.0f, 3.0f)) {
      app.p_DrawGfx(x, 56.0f, kLightningSprite);
    }
    if ((warning == 4.0f || warning == 3.0f || warning == 1.0f) && sprite == kRainCloudSprite &&
        Chance(4.0f, 3.0f)) {
      app.p_DrawGfx(x, 56.0f, kLightningSprite);
    }
    app.p_DrawGfx(x, 42.0f, sprite);
  }
}

// Five drops in the top right corner, the lost ones faint; the play ends with the last.
void Lives(c_MyApp& app) {
  for (int j = 1; j <= kStartLives; ++j) {
    app.p_Alpha(j <= app.m_Lives ? 1.0f : 0.2f);
    app.p_DrawGfx(zu_Quor_jscrw - 60.0f + 12.0f * static_cast<float>(j - 1), 16.0f, kDropSprite);
  }
  if (app.m_Lives < 1) app.m_Dead = 1;
}

// The ground fades as lives are lost.
void Cement(c_MyApp& app) {
  app.p_SetCol(100.0f, 100.0f, 100.0f, 0.5f + 0.1f * static_cast<float>(app.m_Lives));
  app.p_Rect(-64.0f, zu_Quor_jscrh - 8.0f, zu_Quor_jscrw + 128.0f, 96.0f);
}

// The umbrella keeps its speed against the edges (only its place is held); without a
// steer it brakes to a stop.
void MoveUmbrella(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  float& speed = player[kUmbrellaSpeed];
  player[kUmbrellaX] = std::clamp(player[kUmbrellaX] + kUmbrellaDrift * speed, kUmbrellaEdge,
                                  zu_Quor_jscrw - kUmbrellaEdge);
  speed = std::clamp(speed + app.m_StickX, -kUmbrellaTopSpeed, kUmbrellaTopSpeed);
  if (std::fabs(app.m_StickX) < kStickDeadZone) {
    speed = speed > 0.0f ? std::max(speed - kUmbrellaBrake, 0.0f)
                         : std::min(speed + kUmbrellaBrake, 0.0f);
  }
}

}  // namespace

int c_MyApp::p_LoadGame_Umbrella() {
  p_FreshGame();
  m_Player[kUmbrellaX] = zu_Quor_jscrw * 0.5f;
  for (int i = 1; i <= kClouds; ++i) {
    m_Player[10 * i + kCloudX] = zu_Quor_jscrw * 0.25f * static_cast<float>(i);
  }
  m_Player[kTickTimer] = kFirstTick;
  m_Lives = kStartLives;
  return 0;
}

int c_MyApp::p_Game_Umbrella() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  UpdateDrops(*this);
  Tick(*this);
  UpdateClouds(*this);
  p_ResetDraw();
  p_DrawGfx(m_Player[kUmbrellaX], zu_Quor_jscrh - 40.0f, kUmbrellaSprite);
  Lives(*this);
  Cement(*this);
  p_DoParticles(1.0f);
  MoveUmbrella(*this);
  p_GfxShow(kGfxCredit, 0);
  p_ScoreDisplay();
  return 0;
}
