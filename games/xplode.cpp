// Xplode (letter X): the ship is kept inside a circle in the middle of the screen while
// spinning explosions fly in from beyond the edges, roughly towards the centre. Pushing the
// stick moves the ship, turns it that way and fires a stream of shots; each explosion shot
// down is worth five points. The first explosion that touches the ship ends the game.
#include <algorithm>
#include <cmath>

#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The ship and the spawner, in m_Player.
constexpr int kShipX = 1;
constexpr int kShipY = 2;
constexpr int kHeading = 5;    // degrees, 0 up, clockwise
constexpr int kCoolDown = 7;
constexpr int kDeath = 8;      // 0 alive, 1..39 exploding, 60 after the end
constexpr int kSpawnTimer = 51;
constexpr int kSpawnInterval = 52;

// Shots: 51 records of 10 Floats in m_Player from 100. Explosions: 101 in m_Map from 0.
constexpr int kShotTable = 100;
constexpr int kShots = 51;
constexpr int kExplosions = 101;
constexpr int kRecordSize = 10;
constexpr int kKind = 0;       // shots: 1 flying; explosions: 1..4
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kVelocityX = 3;
constexpr int kVelocityY = 4;
constexpr int kDirection = 5;  // shots: direction; explosions: rotation
constexpr int kSpin = 6;

constexpr float kArenaRadius = 128.0f;
constexpr float kDeadZone = 0.2f;
constexpr float kShipSpeed = 3.0f;
constexpr int kMaxTurn = 8;
constexpr float kFireEvery = 6.0f;
constexpr float kShotSpeed = 16.0f;
constexpr float kShotMargin = 64.0f;
constexpr float kExplosionMargin = 140.0f;
constexpr float kSpawnOutside = 32.0f;
constexpr float kHitReach = 24.0f;
constexpr float kFirstInterval = 60.0f;
constexpr float kShortestInterval = 8.0f;
constexpr int kExplodingUpdates = 39;
constexpr float kAfterTheEnd = 60.0f;
constexpr int kPoints = 5;
constexpr int kDebrisPerKill = 17;

constexpr int kShotSprite = sprite::kShot;
constexpr int kShipSprite = sprite::kShip;
constexpr int kExplosionSprite = sprite::kXplodeFireball - 1;  // + kind 1..4

constexpr int kHitSound = 7;
constexpr int kFailSound = 12;

constexpr float kRadiansToDegrees = 57.2957795f;

// Degrees with 0 pointing up, growing clockwise.
float DirectionOf(float vx, float vy) { return std::atan2(vx, -vy) * kRadiansToDegrees; }
float StepX(float degrees, float speed) { return speed * std::sin(degrees * zu_math_DegreesToRadians); }
float StepY(float degrees, float speed) { return -speed * std::cos(degrees * zu_math_DegreesToRadians); }

bool Alive(const c_MyApp& app) { return app.m_Player[kDeath] == 0.0f; }
bool Pushed(const c_MyApp& app) {
  return std::fabs(app.m_StickX) > kDeadZone || std::fabs(app.m_StickY) > kDeadZone;
}

void Steer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_TmpG = Pushed(app) && Alive(app) ? 1 : 0;
  if (app.m_TmpG == 0) return;
  player[kShipX] += kShipSpeed * app.m_StickX;
  player[kShipY] += kShipSpeed * app.m_StickY;
  const float cx = zu_Quor_jscrw / 2.0f;
  const float cy = zu_Quor_jscrh / 2.0f;
  const float ox = player[kShipX] - cx;
  const float oy = player[kShipY] - cy;
  const float distance = std::sqrt(ox * ox + oy * oy);
  if (distance > kArenaRadius) {
    player[kShipX] = cx + ox * kArenaRadius / distance;
    player[kShipY] = cy + oy * kArenaRadius / distance;
  }
  app.m_TmpR = zu_f2i(DirectionOf(app.m_StickX, app.m_StickY));
  app.m_TmpE = std::clamp(c_MyApp::m_WhichWayDoIGo(player[kHeading], static_cast<float>(app.m_TmpR), 0, 359),
                          -kMaxTurn, kMaxTurn);
  player[kHeading] += static_cast<float>(app.m_TmpE);
}

void Explode(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kDeath] <= 0.0f || player[kDeath] >= 40.0f) return;
  const int colour = app.p_Rand(1.0f, 3.0f);
  const float direction = static_cast<float>(app.p_Rand(0.0f, 360.0f));
  const float speed = 3.0f + zu_random_Rnd() * 3.0f;
  app.p_ThrowParticle(player[kShipX], player[kShipY], 1, colour, direction, speed);
  player[kDeath] += 1.0f;
  if (player[kDeath] > static_cast<float>(kExplodingUpdates)) {
    app.m_Dead = 1;
    player[kDeath] = kAfterTheEnd;
  }
}

// A shot leaves every sixth update while the stick is pushed; with every record in flight
// none leaves, but the cool-down still starts again.
void Fire(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (app.m_TmpG == 0) {
    player[kCoolDown] = 0.0f;
    return;
  }
  if (player[kCoolDown] > 0.0f) player[kCoolDown] -= 1.0f;
  if (app.m_TmpG != 1 || player[kCoolDown] >= 1.0f) return;
  player[kCoolDown] = kFireEvery;
  int free = -1;
  for (app.m_Loop = 0; app.m_Loop < kShots; ++app.m_Loop) {
    if (player[kShotTable + kRecordSize * app.m_Loop + kKind] == 0.0f) free = app.m_Loop;
  }
  if (free < 0) return;
  app.m_TmpG = zu_f2i(DirectionOf(app.m_StickX, app.m_StickY));
  const float a = static_cast<float>(app.m_TmpG);
  float* shot = &player[kShotTable + kRecordSize * free];
  shot[kKind] = 1.0f;
  shot[kX] = player[kShipX];
  shot[kY] = player[kShipY];
  shot[kVelocityX] = StepX(a, kShotSpeed);
  shot[kVelocityY] = StepY(a, kShotSpeed);
  shot[kDirection] = a;
}

void MoveShots(c_MyApp& app) {
  app.p_ResetDraw();
  app.p_SetSize(1.0f, 0.2f);
  for (int j = 0; j < kShots; ++j) {
    float* shot = &app.m_Player[kShotTable + kRecordSize * j];
    if (shot[kKind] == 0.0f) continue;
    shot[kX] += shot[kVelocityX];
    shot[kY] += shot[kVelocityY];
    app.p_SetRot(shot[kDirection] + 90.0f);
    app.p_DrawGfx(shot[kX], shot[kY], kShotSprite);
    if (shot[kX] < -kShotMargin || shot[kY] < -kShotMargin ||
        shot[kX] > zu_Quor_jscrw + kShotMargin || shot[kY] > zu_Quor_jscrh + kShotMargin) {
      shot[kKind] = 0.0f;
    }
  }
}

void DrawExplosion(c_MyApp& app, const float* explosion, float previousX, float previousY) {
  const int sprite = kExplosionSprite + zu_f2i(explosion[kKind]);
  app.p_SetRot(explosion[kDirection]);
  app.p_Alpha(1.0f);
  app.p_SetSize(1.0f);
  app.p_DrawGfx(explosion[kX], explosion[kY], sprite);
  app.p_Alpha(0.5f);
  app.p_SetSize(1.2f);
  app.p_DrawGfx(previousX - 3.0f * explosion[kVelocityX], previousY - 3.0f * explosion[kVelocityY],
                sprite);
  app.p_Alpha(0.2f);
  app.p_SetSize(1.5f);
  app.p_DrawGfx(static_cast<float>(app.m_TmpI), static_cast<float>(app.m_TmpJ), sprite);
}

void HitShip(c_MyApp& app, const float* explosion) {
  Array<float>& player = app.m_Player;
  if (std::fabs(player[kShipX] - explosion[kX]) >= kHitReach ||
      std::fabs(player[kShipY] - explosion[kY]) >= kHitReach || !Alive(app)) {
    return;
  }
  player[kDeath] = 1.0f;
  app.p_PlaySFX(kHitSound, 0.5f, 1.0f);
  app.p_PlaySFX(kFailSound, 1.0f, 1.0f);
  for (int i = 0; i < 16; ++i) {
    const float direction = 22.5f * static_cast<float>(i);
    app.p_ThrowParticle(player[kShipX], player[kShipY], 1, 3, direction, 3.0f);
    app.p_ThrowParticle(player[kShipX], player[kShipY], 1, 3, direction, 5.0f);
  }
}

// One shot brings an explosion down; the sound's random draws are made whether or not
// sound is on, so the game plays the same either way.
void ShootDown(c_MyApp& app, float* explosion) {
  for (app.m_TmpL = 0; app.m_TmpL < kShots; ++app.m_TmpL) {
    float* shot = &app.m_Player[kShotTable + kRecordSize * app.m_TmpL];
    if (shot[kKind] == 0.0f || std::fabs(shot[kX] - explosion[kX]) >= kHitReach ||
        std::fabs(shot[kY] - explosion[kY]) >= kHitReach) {
      continue;
    }
    app.m_Score += kPoints;
    const float r = zu_random_Rnd();
    const int effect = app.p_Rand(7.0f, 9.0f);
    app.p_PlaySFX(effect, 0.7f + 0.6f * r, 1.0f, 0.0f);
    shot[kKind] = 0.0f;
    explosion[kKind] = 0.0f;
    for (int k = 0; k < kDebrisPerKill; ++k) {
      const float speed = std::floor(zu_random_Rnd() * 6.99f + 6.0f);
      const float direction = std::floor(zu_random_Rnd() * 360.99f);
      const int colour = zu_f2i(std::floor(zu_random_Rnd() * 8.99f + 1.0f));
      app.p_ThrowParticle(explosion[kX], explosion[kY], 1, colour, direction, speed);
    }
    return;
  }
}

// Moves, draws and tests every explosion; notes the last free record in m_TmpN.
void UpdateExplosions(c_MyApp& app) {
  app.m_TmpN = -1;
  for (int k = 0; k < kExplosions; ++k) {
    app.m_TmpD = kRecordSize * k;
    app.p_ResetDraw();
    float* explosion = &app.m_Map[app.m_TmpD];
    if (explosion[kKind] == 0.0f) app.m_TmpN = app.m_TmpD;
    if (explosion[kKind] <= 0.0f) continue;
    app.m_TmpI = zu_f2i(explosion[kX] - 6.0f * explosion[kVelocityX]);
    app.m_TmpJ = zu_f2i(explosion[kY] - 6.0f * explosion[kVelocityY]);
    const float previousX = explosion[kX];
    const float previousY = explosion[kY];
    explosion[kX] += explosion[kVelocityX];
    explosion[kY] += explosion[kVelocityY];
    // Gone beyond the margin: freed, and nothing more is done with it this update.
    if (explosion[kX] < -kExplosionMargin || explosion[kY] < -kExplosionMargin ||
        explosion[kX] > zu_Quor_jscrw + kExplosionMargin ||
        explosion[kY] > zu_Quor_jscrh + kExplosionMargin) {
      explosion[kKind] = 0.0f;
      continue;
    }
    explosion[kDirection] = std::fmod(explosion[kDirection] + explosion[kSpin], 360.0f);
    DrawExplosion(app, explosion, previousX, previousY);
    HitShip(app, explosion);
    ShootDown(app, explosion);
  }
}

// Explosions come from beyond the edges towards the centre, ever more often.
void Spawn(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kSpawnTimer] -= 1.0f;
  if (player[kSpawnTimer] >= 0.0f || app.m_TmpN < 0) return;
  player[kSpawnTimer] = player[kSpawnInterval];
  player[kSpawnInterval] = std::max(player[kSpawnInterval] - 2.0f, kShortestInterval);
  float* explosion = &app.m_Map[app.m_TmpN];
  explosion[kKind] = static_cast<float>(app.p_Rand(1.0f, 4.0f));
  const float w = zu_Quor_jscrw;
  const float h = zu_Quor_jscrh;
  float x = 0.0f;
  float y = 0.0f;
  do {
    x = zu_random_Rnd() * (w + 256.0f) - 128.0f;
    y = zu_random_Rnd() * (h + 256.0f) - 128.0f;
  } while (x >= -kSpawnOutside && x <= w + kSpawnOutside && y >= -kSpawnOutside &&
           y <= h + kSpawnOutside);
  const float toCentre = DirectionOf(w / 2.0f - x, h / 2.0f - y);
  const float direction = static_cast<float>(zu_f2i(toCentre + zu_random_Rnd() * 20.0f - 10.0f));
  const float speed = 2.5f + zu_random_Rnd() * 2.5f;
  explosion[kX] = x;
  explosion[kY] = y;
  explosion[kVelocityX] = StepX(direction, speed);
  explosion[kVelocityY] = StepY(direction, speed);
  explosion[kDirection] = static_cast<float>(app.p_Rand(0.0f, 360.0f));
  explosion[kSpin] = zu_random_Rnd() * 24.0f - 12.0f;
}

}  // namespace

int c_MyApp::p_LoadGame_Xplode() {
  p_FreshGame();
  m_Player[kShipX] = zu_Quor_jscrw / 2.0f;
  m_Player[kShipY] = zu_Quor_jscrh / 2.0f;
  m_Player[kHeading] = 0.0f;
  m_Player[kCoolDown] = 0.0f;
  m_Player[kDeath] = 0.0f;
  m_Player[kSpawnTimer] = 0.0f;
  m_Player[kSpawnInterval] = kFirstInterval;
  return 0;
}

int c_MyApp::p_Game_Xplode() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_SetRot(0.0f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();

  p_SetCol(0.0f, 0.0f, 0.0f, 0.25f);
  p_Oval(zu_Quor_jscrw / 2.0f, zu_Quor_jscrh / 2.0f, kArenaRadius, kArenaRadius);
  p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);

  Steer(*this);
  p_ResetDraw();
  p_SetSize(0.5f);
  p_SetRot(m_Player[kHeading]);
  if (Alive(*this)) p_DrawGfx(m_Player[kShipX], m_Player[kShipY], kShipSprite);
  Explode(*this);
  Fire(*this);
  MoveShots(*this);
  p_DoParticles(2.0f);
  UpdateExplosions(*this);
  Spawn(*this);
  p_ScoreDisplay();
  return 0;
}
