// Flappy (letter F): a bird flies right at a slowly growing speed; gravity pulls it down and
// each press (or touch) kicks it upwards. Coins float ahead, a point each; spinning hazards
// appear among them more and more often, and every thirtieth object or so is a tall
// obstacle. A hazard, an obstacle or the ground ends the game. The 101 objects are renewed
// ahead of the camera as they leave the screen on the left, so the flight never ends.
#include <algorithm>
#include <cmath>

#include "framework/app.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The bird and the progress, in m_Player.
constexpr int kBirdX = 1;
constexpr int kBirdY = 2;       // grows downwards
constexpr int kFall = 4;        // vertical speed, positive downwards
constexpr int kGrabCountdown = 8;
constexpr int kRenewed = 50;    // objects passed and renewed: the measure of progress
constexpr int kSpeedFactor = 55;

// Objects: records of 10 in m_Map, in world coordinates.
constexpr int kRecordSize = 10;
constexpr int kObjects = 101;
constexpr int kKind = 0;
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kCollected = 0;
constexpr int kCoin = 1;
constexpr int kHazard = 2;
constexpr int kObstacle = 3;

constexpr float kStartX = 1024.0f;
constexpr float kCameraLead = 128.0f;
constexpr float kCameraEase = 0.125f;
constexpr float kStartY = 64.0f;
constexpr float kStartFall = -6.0f;
constexpr float kFirstObjectX = 2048.0f;
constexpr float kForward = 3.0f;
constexpr float kGravity = 0.15f;
constexpr float kMaxFall = 6.0f;
constexpr float kKick = -4.0f;
constexpr float kTopOfKicks = 16.0f;  // no kick while the bird is this high or higher
constexpr float kSpeedUp = 0.005f;
constexpr float kTopSpeedFactor = 8.0f;
constexpr float kRenewAhead = 2048.0f;
constexpr float kRenewSpread = 1048.0f;
constexpr float kOffLeft = -128.0f;
constexpr int kObstacleEvery = 30;

constexpr int kGroundTiles = 16;
constexpr float kGroundSpan = 1024.0f;
constexpr int kGroundSprite = sprite::kFlappyGround;
constexpr int kTallPlant = sprite::kFlappyFlowers;
constexpr int kShortPlant = sprite::kFlappyTree;
constexpr int kBirdSprite = sprite::kFlappyBird;
constexpr int kGrabbingBird = 258;
constexpr int kCoinSprite = sprite::kFlappyCoin;
constexpr int kHazardSprite = sprite::kFlappyHazard;
constexpr int kObstacleSprite = sprite::kFlappyObstacle;
constexpr int kCreditFrame = 8;

constexpr int kCrashSound = 7;
constexpr int kThudSound = 9;
constexpr int kHitSound = 11;
constexpr int kCoinSound = 13;

float* Item(c_MyApp& app, int j) { return &app.m_Map[j * kRecordSize]; }

float RandomHeight() { return 32.0f + zu_random_Rnd() * (zu_Quor_jscrh - 128.0f); }

bool KickPressed(c_MyApp& app) {
  return app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(0, 1) != 0 || app.p_PlayKey(11, 1) != 0 ||
         app.p_PlayKey(5, 1) != 0 || app.m_TouchDown > 0;
}

// Gravity grows with the speed factor; a kick replaces the vertical speed, once per press.
void Fly(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (app.m_Dead == 0) player[kBirdX] += kForward * player[kSpeedFactor];
  player[kFall] = std::min(player[kFall] + kGravity * player[kSpeedFactor], kMaxFall);
  player[kBirdY] += player[kFall];
  if (KickPressed(app) && app.m_KeyLatch == 0 && app.m_TouchLatch == 0 &&
      player[kBirdY] > kTopOfKicks && app.m_Dead == 0) {
    app.m_KeyLatch = 1;
    app.m_TouchLatch = 1;
    player[kFall] = kKick;
  }
}

// A 1024-wide strip of 16 ground tiles that wraps, moving at `parallax` times the camera,
// with plants on some tiles.
void DrawGroundLayer(c_MyApp& app, float parallax, float height, const int (&tallAt)[4],
                     const int (&shortAt)[4]) {
  app.m_TmpJ = zu_f2i(zu_Quor_jscrh - height);
  for (app.m_TmpI = 0; app.m_TmpI < kGroundTiles; ++app.m_TmpI) {
    const int i = app.m_TmpI;
    float x = std::fmod(64.0f * static_cast<float>(i) - parallax * app.m_ScrollX, kGroundSpan);
    if (x < kOffLeft) x += kGroundSpan;
    const float y = static_cast<float>(app.m_TmpJ);
    app.p_SetSize(4.0f);
    app.p_DrawGfx(x, y, kGroundSprite);
    app.p_SetSize(2.0f);
    if (std::find(std::begin(tallAt), std::end(tallAt), i) != std::end(tallAt)) {
      app.p_DrawGfx(x, y - 58.0f, kTallPlant);
    } else if (std::find(std::begin(shortAt), std::end(shortAt), i) != std::end(shortAt)) {
      app.p_DrawGfx(x, y - 58.0f, kShortPlant);
    }
  }
}

void DrawBird(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  app.p_SetSize(2.0f);
  app.m_TmpH = kBirdSprite;
  if (player[kGrabCountdown] > 0.0f) {
    app.m_TmpH = kGrabbingBird;
    player[kGrabCountdown] -= 1.0f;
  }
  app.p_DrawGfx(player[kBirdX] - app.m_ScrollX, player[kBirdY], app.m_TmpH);
}

// Hazards come more often as the progress grows; the last threshold passed wins.
int HazardInterval(float renewed) {
  if (renewed > 1000.0f) return 10;
  if (renewed > 850.0f) return 15;
  if (renewed > 700.0f) return 20;
  if (renewed > 500.0f) return 23;
  if (renewed > 300.0f) return 25;
  if (renewed > 100.0f) return 27;
  return 30;
}

// An object that has left the screen on the left comes back far ahead, whatever it was.
void Renew(c_MyApp& app, float* object) {
  Array<float>& player = app.m_Player;
  object[kKind] = kCoin;
  object[kX] = app.m_ScrollX + kRenewAhead + zu_random_Rnd() * kRenewSpread;
  object[kY] = RandomHeight();
  if (std::fmod(player[kRenewed], static_cast<float>(app.m_Loop2)) == 0.0f) {
    object[kKind] = kHazard;
  }
  player[kRenewed] += 1.0f;
  player[kSpeedFactor] = std::min(player[kSpeedFactor] + kSpeedUp, kTopSpeedFactor);
  if (std::fmod(player[kRenewed], static_cast<float>(kObstacleEvery)) == 5.0f &&
      player[kRenewed] > 60.0f) {
    object[kKind] = kObstacle;
  }
}

void Die(c_MyApp& app, int firstSound, int secondSound) {
  app.p_PlaySFX(firstSound);
  app.p_PlaySFX(secondSound);
  app.m_Dead = 1;
}

// Only objects near the screen are drawn and tested; nothing is hit after the crash.
void MeetObject(c_MyApp& app, float* object, float spin) {
  Array<float>& player = app.m_Player;
  const float dx = std::fabs(object[kX] - player[kBirdX]);
  const float dy = std::fabs(object[kY] - player[kBirdY]);
  const float sx = object[kX] - app.m_ScrollX;
  const bool alive = app.m_Dead == 0;
  if (object[kKind] == kCoin) {
    app.p_SetSize(1.0f);
    app.m_Rot = 0.0f;
    app.p_DrawGfx(sx, object[kY], kCoinSprite);
    if (dx < 32.0f && dy < 24.0f && alive) {
      app.m_Score += 1;
      object[kKind] = kCollected;
      app.p_PlaySFX(kCoinSound, 0.7f + zu_random_Rnd() * 0.8f);
      player[kGrabCountdown] = 4.0f;
    }
  } else if (object[kKind] == kHazard) {
    app.m_Rot = -spin;
    app.p_SetSize(1.5f);
    app.p_DrawGfx(sx, object[kY], kHazardSprite);
    if (dx < 32.0f && dy < 24.0f && alive) Die(app, kHitSound, kCrashSound);
  } else if (object[kKind] == kObstacle) {
    app.m_Rot = 0.0f;
    app.p_SetSize(4.0f);
    app.p_DrawGfx(sx, object[kY], kObstacleSprite);
    if (dx < 16.0f && dy < 64.0f && alive) Die(app, kThudSound, kHitSound);
  }
}

void UpdateObjects(c_MyApp& app) {
  app.p_ResetDraw();
  app.p_SetSize(2.0f);
  // The hazards turn in steps of 45 degrees, one step every 60 ms.
  app.m_FitMode = ((zu_app_Millisecs() / 60) % 8) * 45;
  const float spin = static_cast<float>(app.m_FitMode);
  app.m_Loop2 = HazardInterval(app.m_Player[kRenewed]);
  for (app.m_Loop = 0; app.m_Loop < kObjects; ++app.m_Loop) {
    float* object = Item(app, app.m_Loop);
    if (object[kX] - app.m_ScrollX < kOffLeft) Renew(app, object);
    const float sx = object[kX] - app.m_ScrollX;
    if (sx > kOffLeft && sx < zu_Quor_jscrw + 128.0f) MeetObject(app, object, spin);
  }
}

}  // namespace

int c_MyApp::p_LoadGame_Flappy() {
  p_FreshGame();
  m_Player[kBirdX] = kStartX;
  m_ScrollTX = kStartX - kCameraLead;
  m_ScrollX = m_Player[kBirdX] - kCameraLead;
  m_Player[kFall] = kStartFall;
  m_Player[kBirdY] = kStartY;
  // Coins step 16 back to 96 forward from each other, so they may overlap.
  float x = kFirstObjectX;
  for (int j = 0; j < kObjects; ++j) {
    x += static_cast<float>(zu_f2i(std::floor(zu_random_Rnd() * 112.99f - 16.0f)));
    float* object = Item(*this, j);
    object[kKind] = kCoin;
    object[kX] = x;
    object[kY] = RandomHeight();
  }
  m_Player[kSpeedFactor] = 1.0f;
  m_Player[kGrabCountdown] = 0.0f;
  return 0;
}

int c_MyApp::p_Game_Flappy() {
  p_DoBG();
  m_BgTR = 40.0f;
  m_BgTG = 150.0f;
  m_BgTB = 220.0f;
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(kCameraEase);
  p_DoStars(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  m_ScrollTX = m_Player[kBirdX] - kCameraLead;
  Fly(*this);

  p_Alpha(0.8f);
  DrawGroundLayer(*this, 0.9f, 52.0f, {3, 7, 12, -1}, {1, 6, 9, 14});
  DrawBird(*this);
  UpdateObjects(*this);
  p_ResetDraw();
  DrawGroundLayer(*this, 1.1f, 32.0f, {4, 9, -1, -1}, {2, 5, 8, 12});

  if (m_Player[kBirdY] > zu_Quor_jscrh - 52.0f && m_Dead == 0) {
    p_PlaySFX(kCrashSound);
    m_Dead = 1;
  }
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  p_GfxShow(kCreditFrame, 1);
  return 0;
}
