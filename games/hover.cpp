// Hover (letter H): a little helicopter flies up an endless vertical shaft between two red
// walls, collecting presents (10 points each) that float between spiked obstacles: rows,
// columns, turning bars and swinging rows and columns of spikes. Touching a wall or a
// spike, or sinking out of the bottom of the view, wrecks it and ends the game. Obstacles
// and presents are placed again above the view as they drop out below it.
#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/app.h"
#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The helicopter and the spawner, in m_Player. x is 0 in the middle of the screen; y grows
// downwards, with the ground at 0.
constexpr int kHeliX = 1;
constexpr int kHeliY = 2;
constexpr int kSpeedX = 3;
constexpr int kSpeedY = 4;
constexpr int kRotorPhase = 5;
constexpr int kWreck = 9;  // 0 flying; from 1 on, updates since the wreck
constexpr int kViewTop = 12;  // world y of the top of the view; only ever rises
constexpr int kDrawnX = 18;   // screen position as last drawn, for the hit tests
constexpr int kDrawnY = 19;
constexpr int kPlaced = 22;   // obstacles placed so far
constexpr int kLatestRow = 30;

// Records of 10 in m_Map: obstacles 0..20 and presents 50..70. x is a screen x, y a world y.
constexpr int kRecordSize = 10;
constexpr int kObstacles = 21;
constexpr int kFirstPresent = 50;
constexpr int kPresents = 21;
constexpr int kKind = 0;
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kAngle = 5;
constexpr int kAngleStep = 6;

constexpr int kRow = 1;
constexpr int kColumn = 2;
constexpr int kTurningBar = 3;
constexpr int kSwingingRow = 4;
constexpr int kSwingingColumn = 5;
constexpr int kHighestKind = 5;

constexpr float kFirstRow = -256.0f;
constexpr float kRowStep = 64.0f;
constexpr float kSpikeGap = 24.0f;
constexpr float kCameraEase = 0.125f;
constexpr float kViewEase = 0.0625f;
constexpr float kMaxSpeed = 4.0f;
constexpr float kSettle = 0.03f;
constexpr float kWallReach = 52.0f;
constexpr int kWreckUpdates = 30;
constexpr int kPresentPoints = 10;

constexpr int kPresentSprite = sprite::kPresent - 1;  // + kind 1..2
constexpr int kRotorSprite = sprite::kHoverRotor;    // + frame 0..7
constexpr int kSpikeSprite = sprite::kHoverSpike;

constexpr int kPresentSound = 1;
constexpr int kWreckSound = 7;
constexpr int kOverSound = 12;
constexpr int kSparks = 8;
constexpr int kWreckSparks = 5;

float* Record(c_MyApp& app, int k) { return &app.m_Map[k * kRecordSize]; }

// Obstacle and present columns n = 1..9 sit at n x cw + 64.
int ColumnWidth() { return zu_f2i((zu_Quor_jscrw - 128.0f) / 10.0f); }
float RandomColumn(int columnWidth) {
  return std::floor(zu_random_Rnd() * 8.99f + 1.0f) * static_cast<float>(columnWidth) + 64.0f;
}

// The highest free record among first..first + count - 1, or -1.
int LastFree(c_MyApp& app, int first, int count) {
  for (int k = first + count - 1; k >= first; --k) {
    if (Record(app, k)[kKind] == 0.0f) return k;
  }
  return -1;
}

void Wreck(c_MyApp& app) {
  app.m_Player[kWreck] = 1.0f;
  app.p_PlaySFX(kWreckSound, 1.0f, 1.0f);
}

float BelowTheView(c_MyApp& app) { return zu_Quor_jscrh + 256.0f + app.m_Player[kViewTop]; }

void DrawShaft(c_MyApp& app) {
  app.p_SetCol(0.0f, 140.0f, 0.0f);
  app.p_Rect(-64.0f, 5.0f - app.m_ScrollY, zu_Quor_jscrw + 128.0f, 256.0f);
  app.p_SetCol(80.0f, 0.0f, 0.0f);
  app.p_Rect(32.0f, -64.0f, 16.0f, zu_Quor_jscrh + 128.0f);
  app.p_Rect(zu_Quor_jscrw - 48.0f, -64.0f, 16.0f, zu_Quor_jscrh + 128.0f);
  const float sx = app.m_Player[kHeliX] - app.m_ScrollX;
  if ((sx < kWallReach || sx > zu_Quor_jscrw - kWallReach) && app.m_Player[kWreck] == 0.0f) {
    Wreck(app);
  }
}

// The sparks fly from the collected present, placed before the record is refilled.
void CollectPresent(c_MyApp& app, float x, float y) {
  app.p_Add_Hover2();
  app.p_PlaySFX(kPresentSound, 1.0f, 1.0f);
  for (int j = 0; j < kSparks; ++j) {
    const int colour = zu_f2i(zu_random_Rnd() * 7.0f + 1.0f);
    const int kind = zu_f2i(zu_random_Rnd() + 1.0f);
    app.p_ThrowParticle(x + app.m_ScrollX, y, kind, colour, 45.0f * static_cast<float>(j), 3.0f);
  }
  app.m_Score += kPresentPoints;
}

void UpdatePresent(c_MyApp& app, int k) {
  float* present = Record(app, k);
  if (present[kY] > BelowTheView(app)) {
    present[kKind] = 0.0f;
    app.p_Add_Hover2();
  }
  app.m_Rot = 0.0f;
  const float screenY = present[kY] - app.m_ScrollY;
  app.p_DrawGfx(present[kX], screenY, kPresentSprite + zu_f2i(present[kKind]));
  if (std::fabs(present[kX] - app.m_Player[kDrawnX]) < 24.0f &&
      std::fabs(screenY - app.m_Player[kDrawnY]) < 24.0f) {
    const float x = present[kX];
    const float y = present[kY];
    present[kKind] = 0.0f;
    CollectPresent(app, x, y);
  }
}

void DrawSpikes(c_MyApp& app, const float* obstacle) {
  const float cx = obstacle[kX];
  const float cy = obstacle[kY] - app.m_ScrollY;
  const float a = obstacle[kAngle] * zu_math_DegreesToRadians;
  const float sinA = std::sin(a);
  const float cosA = std::cos(a);
  auto spikes = [&app](int from, int to, auto position) {
    for (app.m_TmpI = from; app.m_TmpI <= to; ++app.m_TmpI) {
      const float i = static_cast<float>(app.m_TmpI) * kSpikeGap;
      const auto [x, y] = position(i);
      app.p_Spike_Hover(x, y);
    }
  };
  using Point = std::pair<float, float>;
  switch (zu_f2i(obstacle[kKind])) {
    case kRow:
      spikes(-4, 4, [&](float i) { return Point{cx + i, cy}; });
      break;
    case kColumn:
      spikes(-2, 2, [&](float i) { return Point{cx, cy + i}; });
      break;
    case kTurningBar:
      spikes(-3, 3, [&](float i) { return Point{cx + sinA * i, cy - cosA * i}; });
      break;
    case kSwingingRow:
      spikes(-3, 3, [&](float i) { return Point{cx + sinA * 64.0f + i, cy}; });
      break;
    case kSwingingColumn:
      spikes(-2, 2, [&](float i) { return Point{cx + sinA * 96.0f, cy + i}; });
      break;
    default:
      break;
  }
}

void UpdateObstacle(c_MyApp& app, int k) {
  float* obstacle = Record(app, k);
  if (obstacle[kY] > BelowTheView(app)) {
    obstacle[kKind] = 0.0f;
    app.p_Add_Hover();
  }
  obstacle[kAngle] = std::fmod(obstacle[kAngle] + obstacle[kAngleStep], 360.0f);
  const float screenY = obstacle[kY] - app.m_ScrollY;
  if (screenY <= -256.0f || screenY >= zu_Quor_jscrh + 256.0f) return;
  // The spikes spin with the clock.
  app.m_Rot = -std::fmod(static_cast<float>(zu_app_Millisecs()) * 0.25f, 360.0f);
  DrawSpikes(app, obstacle);
}

// Eases a speed by `step` towards `target` without crossing it.
float Settle(float speed, float target, float step) {
  return speed > target ? std::max(speed - step, target) : std::min(speed + step, target);
}

// Flight: the view climbs after the helicopter and never comes down; letting go of the
// stick settles it into a slow sink. After a wreck it throws sparks for a while instead of
// being drawn, then the game ends.
void FlyHelicopter(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_ScrollTX = -0.5f * zu_Quor_jscrw;
  app.m_ScrollTY = player[kViewTop];
  player[kHeliX] += 0.5f * player[kSpeedX];
  player[kHeliY] = std::min(player[kHeliY] + 0.5f * player[kSpeedY], 0.0f);
  const float y = player[kHeliY];
  const float wanted = y - 0.55f * zu_Quor_jscrh;
  if (wanted < player[kViewTop]) player[kViewTop] -= (player[kViewTop] - wanted) * kViewEase;

  const bool wrecked = player[kWreck] != 0.0f;
  float& vy = player[kSpeedY];
  if (!wrecked) vy += 0.1f * app.m_StickY;
  if (wrecked || std::fabs(app.m_StickY) < 0.2f) vy = Settle(vy, 1.0f, kSettle);
  vy = std::clamp(vy, -kMaxSpeed, kMaxSpeed);

  float& vx = player[kSpeedX];
  if (y < 0.0f && !wrecked) vx += 0.1f * app.m_StickX;
  if (y >= 0.0f) vx = 0.0f;
  if (wrecked || std::fabs(app.m_StickX) < 0.2f) vx = Settle(vx, 0.0f, kSettle);
  vx = std::clamp(vx, -kMaxSpeed, kMaxSpeed);

  // Climbing spins the rotor faster.
  player[kRotorPhase] += 2.0f - app.m_StickY;
  app.m_TmpH = zu_f2i(std::fmod(player[kRotorPhase] * 0.125f, 8.0f));
  if (app.m_TmpH < 0) app.m_TmpH += 8;

  if (!wrecked) {
    app.m_Rot = -(4.0f * vx);
    player[kDrawnX] = player[kHeliX] - app.m_ScrollX;
    player[kDrawnY] = y - app.m_ScrollY;
    app.p_DrawGfx(player[kDrawnX], player[kDrawnY], kRotorSprite + app.m_TmpH);
  } else {
    player[kWreck] += 1.0f;
    if (player[kWreck] < kWreckUpdates) {
      for (app.m_TmpO = 0; app.m_TmpO < kWreckSparks; ++app.m_TmpO) {
        const int colour = zu_f2i(zu_random_Rnd() * 2.0f + 1.0f);
        const int kind = zu_f2i(zu_random_Rnd() + 1.0f);
        app.p_ThrowParticle(player[kHeliX], y, kind, colour);
      }
    }
    if (player[kWreck] > kWreckUpdates && app.m_Dead == 0) {
      app.m_Dead = 1;
      app.p_PlaySFX(kOverSound, 1.0f, 1.0f);
    }
  }
  if (y > zu_Quor_jscrh + 16.0f + player[kViewTop] && player[kWreck] == 0.0f) Wreck(app);
}

}  // namespace

// A new obstacle one to four rows above the latest; harder kinds become possible as more
// are placed (kinds up to 2 from the fifth, up to 5 from the twentieth).
int c_MyApp::p_Add_Hover() {
  m_TmpC = ColumnWidth();
  m_TmpO = LastFree(*this, 0, kObstacles);
  m_Player[kPlaced] += 1.0f;
  if (m_TmpO < 0) return 0;
  float* obstacle = Record(*this, m_TmpO);
  m_Player[kLatestRow] -= std::floor(zu_random_Rnd() * 3.99f + 1.0f) * kRowStep;
  m_TmpL = std::min(zu_f2i(std::floor(m_Player[kPlaced] / 5.0f)) + 1, kHighestKind);
  obstacle[kKind] = static_cast<float>(p_Rand(1.0f, static_cast<float>(m_TmpL)));
  obstacle[kX] = RandomColumn(m_TmpC);
  obstacle[kY] = m_Player[kLatestRow];
  obstacle[kAngle] = std::floor(zu_random_Rnd() * 360.99f);
  obstacle[kAngleStep] = std::floor(zu_random_Rnd() * 7.99f + 1.0f);
  return 0;
}

// A new present, near the latest obstacle row.
int c_MyApp::p_Add_Hover2() {
  m_TmpC = ColumnWidth();
  m_TmpK = LastFree(*this, kFirstPresent, kPresents);
  if (m_TmpK < 0) return 0;
  float* present = Record(*this, m_TmpK);
  present[kKind] = std::floor(zu_random_Rnd() * 1.99f + 1.0f);
  present[kX] = RandomColumn(m_TmpC);
  present[kY] = std::floor(zu_random_Rnd() * 96.99f - 48.0f) + m_Player[kLatestRow];
  return 0;
}

// One spike at a screen position: it wrecks a flying helicopter drawn within reach in the
// previous update, and is drawn with the current rotation.
int c_MyApp::p_Spike_Hover(float x, float y) {
  if (std::fabs(x - m_Player[kDrawnX]) < 22.0f && std::fabs(y - m_Player[kDrawnY]) < 19.0f &&
      m_Player[kWreck] == 0.0f) {
    Wreck(*this);
  }
  p_DrawGfx(x, y, kSpikeSprite);
  return 0;
}

int c_MyApp::p_LoadGame_Hover() {
  p_FreshGame();
  m_Player[kViewTop] = -0.8f * zu_Quor_jscrh;
  m_Player[kLatestRow] = kFirstRow;
  m_ScrollX = -0.5f * zu_Quor_jscrw;
  m_ScrollTX = m_ScrollX;
  m_ScrollY = m_Player[kViewTop];
  m_ScrollTY = m_ScrollY;
  for (m_Loop = 0; m_Loop < kObstacles; ++m_Loop) {
    p_Add_Hover();
    p_Add_Hover2();
  }
  return 0;
}

int c_MyApp::p_Game_Hover() {
  m_BgTR = 40.0f;
  m_BgTG = 80.0f;
  m_BgTB = 140.0f;
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(kCameraEase);
  m_Rot = 0.0f;
  p_DoSnow(dx, dy);
  p_AnalogueControl();

  DrawShaft(*this);
  p_ResetDraw();
  for (m_Loop = 0; m_Loop < kObstacles; ++m_Loop) {
    UpdatePresent(*this, kFirstPresent + m_Loop);
    UpdateObstacle(*this, m_Loop);
  }
  FlyHelicopter(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
