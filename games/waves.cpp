// Waves (letter W): a small ship turns and thrusts over a screen that wraps at its edges.
// Asteroids cross the screen singly and in walls with a gap, coming faster as the waves go
// on; gifts float in from the edges and are worth a point each. The first asteroid that
// touches the ship blows it up and ends the game.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The ship and the timers, in m_Player.
constexpr int kShipX = 1;
constexpr int kShipY = 2;
constexpr int kShipVX = 3;
constexpr int kShipVY = 4;
constexpr int kHeading = 5;  // degrees, 0 up, growing clockwise
constexpr int kWaveTimer = 20;
constexpr int kWaveInterval = 21;
constexpr int kGiftTimer = 25;
constexpr int kDeathCounter = 50;  // 0 alive, counting up while exploding

// Object records of 10 Floats in m_Map.
constexpr int kRecordSize = 10;
constexpr int kRecords = 401;
constexpr int kKind = 0;  // 0 free, 1..3 asteroid, 38 or 39 gift
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kVX = 3;
constexpr int kVY = 4;
constexpr int kRotation = 5;
constexpr int kSpin = 6;
constexpr int kGiftKindsAbove = 30;

// Directions of p_Add_Waves.
constexpr int kUp = 1;
constexpr int kRight = 2;
constexpr int kDown = 3;
constexpr int kLeft = 4;
constexpr int kGiftArgument = 2;

constexpr float kFirstWaveInterval = 360.0f;
constexpr float kShortestWaveInterval = 60.0f;
constexpr float kIntervalStep = 8.0f;
constexpr float kTurnPerStick = 6.0f;
constexpr float kThrust = 0.15f;
constexpr float kTopSpeed = 8.0f;
constexpr float kCappedSpeed = 7.88f;
constexpr float kFriction = 0.985f;
constexpr float kDriftSpeed = 0.2f;
constexpr float kWrapMargin = 8.0f;
constexpr float kOffScreen = 96.0f;
constexpr float kEdgeOutside = 32.0f;
constexpr float kWallSpacing = 32.0f;
constexpr float kWallGapHalf = 48.0f;
constexpr float kWallSpeed = 1.5f;
constexpr float kGiftReachSquared = 1024.0f;
constexpr float kAsteroidReachSquared = 324.0f;
constexpr float kExplosionSparks = 16.0f;
constexpr float kExplosionUpdates = 30.0f;

constexpr int kShipSprite = sprite::kShip;  // + asteroid kind 1..3
constexpr float kFirstGiftSprite = sprite::kPresent;  // gifts carry their sprite as kind
constexpr float kScale = 0.5f;
constexpr int kSpark = 1;
constexpr int kGiftSound = 1;
constexpr int kHitSounds[] = {7, 9};

float SingleSpeed() { return 0.8f + zu_random_Rnd() * 1.1f; }
float AlongTop() { return 8.0f + zu_random_Rnd() * (zu_Quor_jscrw - 16.0f); }
float AlongSide() { return 8.0f + zu_random_Rnd() * (zu_Quor_jscrh - 16.0f); }

// One object entering from edge n (1 top, 2 bottom, 3 left, 4 right) across the screen. The
// position is drawn before the speed.
void LaunchSingle(c_MyApp& app, int edge, int kind) {
  float x = 0.0f;
  float y = 0.0f;
  int direction = kDown;
  if (edge == 1) {
    x = AlongTop();
    y = -kEdgeOutside;
  } else if (edge == 2) {
    x = AlongTop();
    y = zu_Quor_jscrh + kEdgeOutside;
    direction = kUp;
  } else if (edge == 3) {
    x = -kEdgeOutside;
    y = AlongSide();
    direction = kRight;
  } else {
    x = zu_Quor_jscrw + kEdgeOutside;
    y = AlongSide();
    direction = kLeft;
  }
  const float speed = SingleSpeed();
  app.p_Add_Waves(x, y, direction, speed, kind);
}

// A wall of asteroids from edge n (5 top, 6 bottom, 7 left, 8 right), one every 32 units
// along the edge except within 48 of the gap's centre. Each asteroid draws its place along
// the edge first, then its place across it.
void LaunchWall(c_MyApp& app, int edge) {
  const bool fromTopOrBottom = edge == 5 || edge == 6;
  const float length = fromTopOrBottom ? zu_Quor_jscrw : zu_Quor_jscrh;
  const float gap = 96.0f + zu_random_Rnd() * (length - 192.0f);
  const int gapCentre = zu_f2i(gap);
  for (float p = 8.0f; p <= length - 8.0f; p += kWallSpacing) {
    if (std::fabs(p - static_cast<float>(gapCentre)) <= kWallGapHalf) continue;
    const float along = p + zu_random_Rnd() * 16.0f - 8.0f;
    const float spread = zu_random_Rnd() * 16.0f;
    if (edge == 5) {
      app.p_Add_Waves(along, spread - 48.0f, kDown, kWallSpeed, 1);
    } else if (edge == 6) {
      app.p_Add_Waves(along, zu_Quor_jscrh + kEdgeOutside + spread, kUp, kWallSpeed, 1);
    } else if (edge == 7) {
      app.p_Add_Waves(-(kEdgeOutside + spread), along, kRight, kWallSpeed, 1);
    } else {
      app.p_Add_Waves(zu_Quor_jscrw + kEdgeOutside + spread, along, kLeft, kWallSpeed, 1);
    }
  }
}

bool Alive(const c_MyApp& app) { return app.m_Player[kDeathCounter] == 0.0f; }

// Thrust while fire is held or the pointer is down, with exhaust out of the ship's tail.
void Thrust(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_TmpG = app.m_TouchDown > 0 ? 1 : 0;
  if (app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(12, 1) != 0) {
    app.m_TmpG = 1;
  }
  if (app.m_TmpG != 1 || !Alive(app)) return;
  const float heading = player[kHeading];
  const int colour = app.p_Rand(1.0f, 3.0f);
  const float angle = heading + 177.0f + zu_random_Rnd() * 6.0f;
  const float speed = 0.5f + 2.0f * zu_random_Rnd();
  app.p_ThrowParticle(player[kShipX], player[kShipY], kSpark, colour, angle, speed);
  const float radians = heading * static_cast<float>(M_PI) / 180.0f;
  player[kShipVX] += kThrust * std::sin(radians);
  player[kShipVY] -= kThrust * std::cos(radians);
}

// Friction, and a cap on the speed; a ship already crawling keeps drifting as it is.
void Slow(Array<float>& player) {
  const float speed = std::hypot(player[kShipVX], player[kShipVY]);
  const float slowed = speed > kTopSpeed ? kCappedSpeed : kFriction * speed;
  if (slowed <= kDriftSpeed) return;
  player[kShipVX] = player[kShipVX] / speed * slowed;
  player[kShipVY] = player[kShipVY] / speed * slowed;
}

// Crossing within 8 of an edge puts the ship 8 inside the opposite one.
float Wrap(float value, float extent) {
  if (value < kWrapMargin) value += extent - 2.0f * kWrapMargin;
  if (value > extent - kWrapMargin) value -= extent - 2.0f * kWrapMargin;
  return value;
}

void MoveShip(Array<float>& player) {
  player[kShipX] = Wrap(player[kShipX] + player[kShipVX], zu_Quor_jscrw);
  player[kShipY] = Wrap(player[kShipY] + player[kShipVY], zu_Quor_jscrh);
}

void Explode(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kDeathCounter] < kExplosionSparks) {
    const float angle = zu_random_Rnd() * 360.0f;
    const float speed = 0.5f + zu_random_Rnd() * 2.5f;
    app.p_ThrowParticle(player[kShipX], player[kShipY], kSpark, 1, angle, speed);
  }
  player[kDeathCounter] += 1.0f;
  if (player[kDeathCounter] > kExplosionUpdates) app.m_Dead = 1;
}

float DistanceToShipSquared(const c_MyApp& app, const float* object) {
  const float dx = object[kX] - app.m_Player[kShipX];
  const float dy = object[kY] - app.m_Player[kShipY];
  return dx * dx + dy * dy;
}

void CollectGift(c_MyApp& app, float* gift) {
  gift[kKind] = 0.0f;
  app.p_Gimme(1, app.m_Player[kShipX], app.m_Player[kShipY]);
  app.p_PlaySFX(kGiftSound);
  const float burst = static_cast<float>(zu_f2i(zu_random_Rnd() * 360.0f));
  for (app.m_TmpO = 0; app.m_TmpO < 8; ++app.m_TmpO) {
    const float angle = burst + 45.0f * static_cast<float>(app.m_TmpO);
    app.p_ThrowParticle(gift[kX], gift[kY], kSpark, 2, angle, 0.4f);
    app.p_ThrowParticle(gift[kX], gift[kY], kSpark, 3, angle, 0.7f);
  }
}

void HitShip(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kDeathCounter] = 1.0f;
  for (int sound : kHitSounds) app.p_PlaySFX(sound);
  for (app.m_TmpO = 0; app.m_TmpO < 36; ++app.m_TmpO) {
    const float angle = 10.0f * static_cast<float>(app.m_TmpO);
    app.p_ThrowParticle(player[kShipX], player[kShipY], kSpark, 4, angle, 5.0f);
    app.p_ThrowParticle(player[kShipX], player[kShipY], kSpark, 4, angle, 2.0f);
  }
}

bool OffScreen(const float* object) {
  return object[kX] < -kOffScreen || object[kX] > zu_Quor_jscrw + kOffScreen ||
         object[kY] < -kOffScreen || object[kY] > zu_Quor_jscrh + kOffScreen;
}

// Every object moves and is drawn; records are visited in index order, so of a gift and an
// asteroid reaching the ship together the first one found acts first.
void UpdateObjects(c_MyApp& app) {
  for (int k = 0; k < kRecords; ++k) {
    app.m_TmpK = k * kRecordSize;
    float* object = &app.m_Map[app.m_TmpK];
    const float kind = object[kKind];
    if (kind <= 0.0f) continue;
    object[kX] += object[kVX];
    object[kY] += object[kVY];
    if (kind > kGiftKindsAbove) {
      app.p_SetRot(0.0f);
      app.p_DrawGfx(object[kX], object[kY], zu_f2i(kind));
      if (DistanceToShipSquared(app, object) < kGiftReachSquared && Alive(app)) {
        CollectGift(app, object);
      }
    } else {
      object[kRotation] = std::fmod(object[kRotation] + object[kSpin], 360.0f);
      app.p_SetRot(object[kRotation]);
      app.p_DrawGfx(object[kX], object[kY], kShipSprite + zu_f2i(kind));
      if (DistanceToShipSquared(app, object) < kAsteroidReachSquared && Alive(app)) {
        HitShip(app);
      }
    }
    if (OffScreen(object)) object[kKind] = 0.0f;
  }
  app.p_SetRot(0.0f);
}

}  // namespace

// Takes the last free record; with none free nothing is created and nothing is drawn.
int c_MyApp::p_Add_Waves(float x, float y, int direction, float speed, int kind) {
  int record = -1;
  for (m_Loop = 0; m_Loop < kRecords; ++m_Loop) {
    if (m_Map[m_Loop * kRecordSize + kKind] == 0.0f) record = m_Loop * kRecordSize;
  }
  if (record < 0) return 0;
  float* object = &m_Map[record];
  object[kKind] = static_cast<float>(kind == kGiftArgument
                                         ? p_Rand(kFirstGiftSprite, kFirstGiftSprite + 1.0f)
                                         : p_Rand(1.0f, 3.0f));
  object[kX] = x;
  object[kY] = y;
  object[kVX] = direction == kRight ? speed : direction == kLeft ? -speed : 0.0f;
  object[kVY] = direction == kDown ? speed : direction == kUp ? -speed : 0.0f;
  object[kRotation] = zu_random_Rnd() * 360.0f;
  object[kSpin] = zu_random_Rnd() * 12.0f - 6.0f;
  return 0;
}

// Mode 1: a wall with a gap (5..8) or, rarely, a single asteroid; mode 2: a single one.
int c_MyApp::p_Launch_Waves(int mode) {
  const int edge = mode == 2 ? p_Rand(1.0f, 4.0f)
                             : zu_f2i(std::floor(zu_random_Rnd() * 3.99f + 5.0f));
  if (edge <= 4) {
    LaunchSingle(*this, edge, 1);
  } else {
    LaunchWall(*this, edge);
  }
  return 0;
}

int c_MyApp::p_Launch_Waves2() {
  LaunchSingle(*this, zu_f2i(std::floor(zu_random_Rnd() * 3.99f + 1.0f)), kGiftArgument);
  return 0;
}

int c_MyApp::p_LoadGame_Waves() {
  p_FreshGame();
  m_Player[kShipX] = zu_Quor_jscrw / 2.0f;
  m_Player[kShipY] = zu_Quor_jscrh / 2.0f;
  m_Player[kWaveTimer] = kFirstWaveInterval;
  m_Player[kWaveInterval] = kFirstWaveInterval;
  return 0;
}

int c_MyApp::p_Game_Waves() {
  Array<float>& player = m_Player;
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  player[kGiftTimer] -= 1.0f;
  if (player[kGiftTimer] < 0.0f) {
    player[kGiftTimer] = 50.0f + zu_random_Rnd() * 50.0f;
    p_Launch_Waves2();
  }
  player[kWaveTimer] -= 1.0f;
  if (player[kWaveTimer] < 0.0f && zu_random_Rnd() * 8.0f < 1.0f) {
    p_Launch_Waves(1);
    player[kWaveTimer] = player[kWaveInterval];
    player[kWaveInterval] =
        std::max(player[kWaveInterval] - kIntervalStep, kShortestWaveInterval);
  }
  if (player[kWaveInterval] < kFirstWaveInterval && zu_random_Rnd() * 160.0f < 1.0f) {
    p_Launch_Waves(2);
  }

  player[kHeading] += kTurnPerStick * m_StickX;
  Thrust(*this);
  Slow(player);
  MoveShip(player);

  p_SetRot(player[kHeading]);
  p_SetSize(kScale, kScale);
  if (Alive(*this)) p_DrawGfx(player[kShipX], player[kShipY], kShipSprite);
  if (player[kDeathCounter] > 0.0f) Explode(*this);
  UpdateObjects(*this);

  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
