// Dudazevuva2 (letter E): a side-scrolling flight over an endless, looping green landscape.
// The ship flies right at a constant speed; the player steers it up and down and fires
// forward at waves of enemy ships that come in rows or columns, straight or weaving. Each
// kill scores 10 and every so often a kill leaves a fuel pod. Fuel drains all the time; an
// empty tank drops the ship, which crashes at the bottom. Touching an enemy crashes it too.
#include <algorithm>
#include <cmath>

#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The ship, the spawner and the fuel, in m_Player.
constexpr int kShipWorldX = 1;
constexpr int kShipY = 2;
constexpr int kShipSpeedY = 4;
constexpr int kShipScreenX = 8;  // this update's ship position, for the hit tests
constexpr int kShipTestY = 9;
constexpr int kWaveCountdown = 15;
constexpr int kFireCooldown = 20;
constexpr int kShortestInterval = 25;
constexpr int kLongestInterval = 26;
constexpr int kEnemySpeed = 27;
constexpr int kFuel = 28;
constexpr int kKillsToPod = 29;
constexpr int kFuelWarning = 38;  // next threshold that beeps when the fuel falls below it

// Shots: records of 10 in m_Player, in screen coordinates.
constexpr int kShotTable = 100;
constexpr int kShots = 21;
constexpr int kShotFlying = 0;
constexpr int kShotX = 1;
constexpr int kShotY = 2;
constexpr int kShotSpeedY = 4;

// Enemies and pods: records of 10 in m_Map from 1000, in screen coordinates.
constexpr int kRecordSize = 10;
constexpr int kEnemyTable = 1000;
constexpr int kEnemyRecords = 101;
constexpr int kKind = 0;
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kSpeedX = 3;  // towards the left
constexpr int kDriftY = 4;
constexpr int kPhase = 5;
constexpr int kPhaseStep = 6;
constexpr int kCentre = 8;  // weaving centre, as a fraction of the screen height
constexpr int kAmplitude = 9;
constexpr int kStraightFlyer = 1;
constexpr int kWeavingFlyer = 2;
constexpr int kFuelPod = 3;

// The landscape: one height per column in m_Map 0..200, mirrored about column 100 so it
// joins up when it loops.
constexpr int kLandscapeMiddle = 100;
constexpr int kColumns = 201;
constexpr int kColumnWidth = 32;
constexpr float kLandscapeLoop = 6400.0f;
constexpr float kLandscapeHalfLoop = 3200.0f;

constexpr float kStartWorldX = 500.0f;
constexpr float kFlightSpeed = 4.0f;
constexpr float kCameraLag = 48.0f;
constexpr float kCameraEase = 0.125f;
constexpr float kMaxSpeedY = 7.5f;
constexpr float kStickEase = 0.6f;
constexpr float kFullTank = 100.0f;
constexpr float kFuelDrain = 0.1f;
constexpr float kPodFuel = 40.0f;
constexpr float kEmptyTank = -1.0f;
constexpr int kShotCooldown = 8;
constexpr int kKillPoints = 10;
constexpr float kOffLeft = -128.0f;

constexpr int kShotSprite = sprite::kShot;
constexpr int kShipSprite = sprite::kDudazevuva2Plane;
constexpr int kPodSprite = sprite::kDudazevuva2Pod;

constexpr int kShotSound = 10;
constexpr int kFailSound = 12;
constexpr int kCrashSound = 9;
constexpr int kPodSound = 13;
constexpr int kFuelBeep = 14;
constexpr int kDebris = 2;
constexpr int kWhiteDebris = 9;
constexpr int kCrashDebris = 17;
constexpr int kKillDebris = 13;

// The steps of the low-fuel warning, highest first.
constexpr int kWarningSteps[] = {16, 13, 10, 7, 4, 3, 2, 1, 0};

float NextWarning(float threshold) {
  for (int step : kWarningSteps) {
    if (static_cast<float>(step) < threshold) return static_cast<float>(step);
  }
  return 0.0f;
}

// A random step of the landscape walk, -5..5 (Int keeps the integer part).
int RandomStep() { return zu_f2i(zu_random_Rnd() * 12.0f - 6.0f); }

float* Enemy(c_MyApp& app, int k) { return &app.m_Map[kEnemyTable + k * kRecordSize]; }
float* Shot(c_MyApp& app, int j) { return &app.m_Player[kShotTable + j * kRecordSize]; }

// One height column of a landscape layer: t is the left edge of column 0, stepping 32 per
// column and wrapping so the 201 columns loop.
void DrawLandscape(c_MyApp& app, float t, int heightOffset, float top, float extra) {
  for (app.m_TmpI = 0; app.m_TmpI < kColumns; ++app.m_TmpI) {
    const float h = app.m_Map[(app.m_TmpI + heightOffset) % kColumns];
    if (t > kOffLeft && t < zu_Quor_jscrw + 128.0f) {
      app.p_Rect(t, zu_Quor_jscrh - h - top, static_cast<float>(kColumnWidth), h + extra);
    }
    t += static_cast<float>(app.m_TmpC);
    if (t < -kLandscapeHalfLoop) t += kLandscapeLoop;
    if (t > kLandscapeHalfLoop) t -= kLandscapeLoop;
  }
}

void EaseCamera(c_MyApp& app) {
  app.p_DoBG();
  app.m_BgTR = 100.0f;
  app.m_BgTG = 180.0f;
  app.m_BgTB = 220.0f;
  app.p_ResetDraw();
  const float dx = (app.m_ScrollX - app.m_ScrollTX) * kCameraEase;
  const float dy = (app.m_ScrollY - app.m_ScrollTY) * kCameraEase;
  app.m_ScrollX -= dx;
  app.m_ScrollY = 0.0f;
  app.m_ScrollTY = 0.0f;
  app.m_Rot = 0.0f;
  app.p_DoSnow(dx, dy);
  app.p_AnalogueControl();
  app.p_ResetDraw();
}

// Steering while there is fuel; an empty tank only pulls the ship down. The screen edges
// push it back while it still flies.
void SteerShip(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const bool crashed = app.m_Dead != 0;
  const float fuel = player[kFuel];
  float& vy = player[kShipSpeedY];
  const float y = player[kShipY];
  if (!crashed && fuel > 0.0f) vy += app.m_StickY;
  if (fuel <= 0.0f) vy += 1.0f;
  vy = std::clamp(vy, -kMaxSpeedY, kMaxSpeedY);
  if (!crashed) {
    if (y < 16.0f) vy += 3.0f;
    if (y > zu_Quor_jscrh - 32.0f) vy -= 3.0f;
    if (fuel <= 0.0f && y > zu_Quor_jscrh - 36.0f) app.m_Dead = 1;
  }
  if (std::fabs(app.m_StickY) < 0.2f && fuel > 0.0f && !crashed) {
    vy = vy > 0.0f ? std::max(vy - kStickEase, 0.0f) : std::min(vy + kStickEase, 0.0f);
  }
  player[kShipY] += vy * 0.5f;
}

void DrawShip(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  app.m_Rot = -(player[kShipSpeedY] * 3.0f);
  const float screenX = player[kShipWorldX] - app.m_ScrollX;
  if (app.m_Dead != 0) player[kShipSpeedY] += 1.0f;
  app.p_DrawGfx(screenX, player[kShipY], kShipSprite);
  if (app.m_Dead == 0) return;
  for (int i = 0; i < kCrashDebris; ++i) {
    app.p_ThrowParticle(player[kShipWorldX], player[kShipY], kDebris, kWhiteDebris);
  }
}

// Holding fire shoots every 8 updates, a fresh press at once; a press with no free shot
// record fires nothing.
void Fire(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  player[kShipScreenX] = player[kShipWorldX] - app.m_ScrollX;
  player[kShipTestY] = player[kShipY];
  if (player[kFireCooldown] > 0.0f) player[kFireCooldown] -= 1.0f;
  const bool pressed = app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0;
  if (!pressed) player[kFireCooldown] = 0.0f;
  if (!pressed || player[kFireCooldown] >= 1.0f || player[kFuel] <= 0.0f || app.m_Dead != 0) {
    return;
  }
  player[kFireCooldown] = static_cast<float>(kShotCooldown);
  app.m_TmpN = -1;
  for (int j = 0; j < kShots; ++j) {
    if (Shot(app, j)[kShotFlying] == 0.0f) app.m_TmpN = j;
  }
  if (app.m_TmpN < 0) return;
  app.p_PlaySFX(kShotSound, 0.7f + zu_random_Rnd() * 0.6f);
  float* shot = Shot(app, app.m_TmpN);
  shot[kShotFlying] = 1.0f;
  shot[kShotX] = player[kShipScreenX];
  shot[kShotY] = player[kShipTestY];
  shot[kShotSpeedY] = player[kShipSpeedY];
}

// A shot leaving the screen on the right is freed but still drawn this update.
void MoveShots(c_MyApp& app) {
  app.p_ResetDraw();
  app.p_SetSize(0.6f, 0.2f);
  for (app.m_TmpD = 0; app.m_TmpD < kShots; ++app.m_TmpD) {
    float* shot = Shot(app, app.m_TmpD);
    if (shot[kShotFlying] == 0.0f) continue;
    shot[kShotX] += 12.0f;
    shot[kShotY] += shot[kShotSpeedY] * 0.6f;
    if (shot[kShotX] > zu_Quor_jscrw + 64.0f) shot[kShotFlying] = 0.0f;
    app.m_Rot = -shot[kShotSpeedY];
    app.p_DrawGfx(shot[kShotX], shot[kShotY], kShotSprite);
  }
}

// A pod drifts left and refuels the ship that touches it.
void UpdatePod(c_MyApp& app, float* pod) {
  Array<float>& player = app.m_Player;
  pod[kX] -= 3.0f;
  app.p_DrawGfx(pod[kX], pod[kY], kPodSprite);
  if (std::fabs(player[kShipScreenX] - pod[kX]) < 18.0f &&
      std::fabs(player[kShipTestY] - pod[kY]) < 18.0f) {
    player[kFuel] += kPodFuel;
    pod[kKind] = 0.0f;
    app.p_PlaySFX(kPodSound, 1.0f, 1.0f);
  }
}

// Every so often a kill leaves a fuel pod where the enemy was.
void KillEnemy(c_MyApp& app, float* enemy, float* shot) {
  Array<float>& player = app.m_Player;
  shot[kShotFlying] = 0.0f;
  enemy[kKind] = 0.0f;
  player[kKillsToPod] -= 1.0f;
  if (player[kKillsToPod] < 0.0f) {
    enemy[kKind] = static_cast<float>(kFuelPod);
    player[kKillsToPod] = static_cast<float>(app.p_Rand(9.0f, 15.0f));
  }
  app.m_Score += kKillPoints;
  const float rate = 0.7f + zu_random_Rnd() * 0.6f;
  const int sound = app.p_Rand(7.0f, 9.0f);
  app.p_PlaySFX(sound, rate, 1.0f, 0.0f);
  for (app.m_TmpO = 0; app.m_TmpO < kKillDebris; ++app.m_TmpO) {
    app.p_ThrowParticle(app.m_ScrollX + enemy[kX], enemy[kY], kDebris, app.p_Rand(1.0f, 3.0f));
  }
}

void UpdateFlyer(c_MyApp& app, float* enemy) {
  Array<float>& player = app.m_Player;
  enemy[kX] -= enemy[kSpeedX];
  enemy[kPhase] += enemy[kPhaseStep] * 0.3f;
  if (enemy[kKind] == kStraightFlyer) {
    enemy[kY] += enemy[kDriftY];
  } else {
    enemy[kY] = std::sin(enemy[kPhase] * zu_math_DegreesToRadians) * enemy[kAmplitude] +
                enemy[kCentre] * zu_Quor_jscrh;
  }
  app.m_Rot = 0.0f;
  app.p_DrawGfx(enemy[kX], enemy[kY], kShipSprite);
  if (enemy[kX] < kOffLeft) enemy[kKind] = 0.0f;
  // Contact repeats its sounds in every update it lasts.
  if (std::fabs(player[kShipScreenX] - enemy[kX]) < 18.0f &&
      std::fabs(player[kShipTestY] - enemy[kY]) < 10.0f) {
    app.m_Dead = 1;
    app.p_PlaySFX(kFailSound, 1.0f, 1.0f);
    app.p_PlaySFX(kCrashSound, 1.0f, 1.0f);
  }
  for (app.m_TmpD = 0; app.m_TmpD < kShots; ++app.m_TmpD) {
    float* shot = Shot(app, app.m_TmpD);
    if (shot[kShotFlying] != 0.0f && std::fabs(shot[kShotX] - enemy[kX]) < 16.0f &&
        std::fabs(shot[kShotY] - enemy[kY]) < 10.0f) {
      KillEnemy(app, enemy, shot);
    }
  }
}

// Enemies and pods are drawn mirrored, facing the ship.
void UpdateEnemies(c_MyApp& app) {
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  app.m_Blend = 1;
  app.p_SetSize(-1.0f, 1.0f);
  for (app.m_Loop = 0; app.m_Loop < kEnemyRecords; ++app.m_Loop) {
    app.m_TmpK = kEnemyTable + app.m_Loop * kRecordSize;
    float* enemy = &app.m_Map[app.m_TmpK];
    const float kind = enemy[kKind];
    if (kind == kFuelPod) {
      UpdatePod(app, enemy);
    } else if (kind == kStraightFlyer || kind == kWeavingFlyer) {
      UpdateFlyer(app, enemy);
    }
  }
}

void SendWaves(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kWaveCountdown] -= 1.0f;
  if (player[kWaveCountdown] >= 0.0f) return;
  player[kWaveCountdown] =
      static_cast<float>(app.p_Rand(player[kShortestInterval], player[kLongestInterval]));
  app.p_AddWave_Dudazevuva2();
}

// Below 16 each warning step beeps once as the fuel passes it; running out beeps twice.
void BurnFuel(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  float& fuel = player[kFuel];
  float& warning = player[kFuelWarning];
  fuel -= kFuelDrain;
  if (fuel > 16.0f) {
    warning = 16.0f;
  } else if (fuel < warning && warning > 0.0f) {
    app.p_PlaySFX(kFuelBeep, 1.0f, 1.0f);
    warning = NextWarning(warning);
  }
  if (fuel < 0.0f) {
    if (fuel > kEmptyTank) {
      app.p_PlaySFX(kFuelBeep, 1.0f, 1.0f);
      app.p_PlaySFX(kFailSound, 1.0f, 1.0f);
    }
    fuel = kEmptyTank;
  }
  if (fuel > kFullTank) fuel = kFullTank;
}

// A vertical bar left of centre: yellow, red when low, flickering red when nearly empty.
void DrawFuelGauge(c_MyApp& app) {
  if (app.m_HideHud != 0) return;
  const float fuel = app.m_Player[kFuel];
  const float middle = zu_Quor_jscrh * 0.5f;
  app.p_SetCol(0.0f, 0.0f, 0.0f);
  app.p_Rect(16.0f, middle - 101.0f, 12.0f, 202.0f);
  if (fuel < 10.0f) {
    app.p_SetCol(zu_random_Rnd() * 255.0f, 0.0f, 0.0f);
  } else if (fuel < 20.0f) {
    app.p_SetCol(255.0f, 0.0f, 0.0f);
  } else {
    app.p_SetCol(255.0f, 255.0f, 0.0f);
  }
  if (fuel > 0.0f) app.p_Rect(17.0f, middle + 100.0f - 2.0f * fuel, 10.0f, 2.0f * fuel);
}

}  // namespace

// A wave of 5 to 9 ships sharing one speed, height, drift, weave and spacing. Each wave
// comes a little sooner and faster than the last.
int c_MyApp::p_AddWave_Dudazevuva2() {
  Array<float>& player = m_Player;
  player[kShortestInterval] = std::max(player[kShortestInterval] - 0.1f, 30.0f);
  player[kLongestInterval] =
      std::max(player[kLongestInterval] - 0.3f, player[kShortestInterval] + 20.0f);
  player[kEnemySpeed] = std::min(player[kEnemySpeed] + 0.1f, 12.0f);
  const float speed = player[kEnemySpeed];

  const int members = p_Rand(4.0f, 8.0f);
  float x = static_cast<float>(zu_f2i(zu_Quor_jscrw + 128.0f));
  const float centre = zu_random_Rnd() * 0.6f + 0.2f;
  const float speedX = (speed - 5.0f) + zu_random_Rnd() * 5.0f;
  float y = zu_random_Rnd() * ((zu_Quor_jscrh - 96.0f) - 32.0f) + 32.0f;
  const float drift = zu_random_Rnd() * 0.6f - 0.3f;
  const float amplitude = zu_random_Rnd() * 88.0f + 32.0f;
  float phaseStep = 0.0f;
  do {
    phaseStep = 6.0f * zu_random_Rnd() - 3.0f;
  } while (std::fabs(phaseStep) <= 1.0f);
  const int rowSpacing = zu_f2i(zu_random_Rnd() * 24.0f + 12.0f);
  const int columnSpacing = zu_f2i(zu_random_Rnd() * 24.0f + 12.0f);
  const int shape = p_Rand(1.0f, 4.0f);
  const bool weaving = shape == 2 || shape == 4;
  const bool row = shape == 1 || shape == 2;

  for (int m = 0; m <= members; ++m) {
    m_TmpK = -1;
    for (int k = kEnemyRecords - 1; k >= 0 && m_TmpK < 0; --k) {
      if (Enemy(*this, k)[kKind] == 0.0f) m_TmpK = k;
    }
    if (m_TmpK >= 0) {
      float* enemy = Enemy(*this, m_TmpK);
      enemy[kKind] = static_cast<float>(weaving ? kWeavingFlyer : kStraightFlyer);
      enemy[kX] = x;
      enemy[kY] = y;
      enemy[kSpeedX] = speedX;
      enemy[kDriftY] = drift;
      enemy[kPhase] = 30.0f * static_cast<float>(m);
      enemy[kPhaseStep] = phaseStep;
      enemy[kCentre] = centre;
      enemy[kAmplitude] = amplitude;
    }
    if (row) {
      x += static_cast<float>(rowSpacing);
    } else {
      x = static_cast<float>(zu_f2i(x + 3.0f + zu_random_Rnd() * 3.0f));
      y += static_cast<float>(columnSpacing);
    }
  }
  return 0;
}

int c_MyApp::p_LoadGame_Dudazevuva2() {
  p_FreshGame();
  Array<float>& player = m_Player;
  player[kShipWorldX] = kStartWorldX;
  player[kShipY] = zu_Quor_jscrh * 0.5f;
  player[kShortestInterval] = 60.0f;
  player[kLongestInterval] = 120.0f;
  player[kEnemySpeed] = 8.0f;
  player[kFuel] = kFullTank;
  player[kKillsToPod] = 5.0f;
  m_ScrollX = 400.0f;
  m_ScrollTY = 400.0f;

  // A random walk from both ends toward the middle: turned down at 71 or more, up below 10.
  m_TmpF = 40;
  m_TmpR = RandomStep();
  for (int i = kLandscapeMiddle; i >= 0; --i) {
    m_Map[kLandscapeMiddle - i] = static_cast<float>(m_TmpF);
    m_Map[kLandscapeMiddle + i] = static_cast<float>(m_TmpF);
    const float r = zu_random_Rnd();
    m_TmpF += m_TmpR;
    if (r < 0.5f) m_TmpR = RandomStep();
    if (m_TmpF >= 71) {
      m_TmpR = zu_f2i(zu_random_Rnd() * 5.0f - 6.0f);
    } else if (m_TmpF < 10) {
      m_TmpR = zu_f2i(zu_random_Rnd() * 5.0f + 1.0f);
    }
  }
  return 0;
}

int c_MyApp::p_Game_Dudazevuva2() {
  EaseCamera(*this);
  SteerShip(*this);
  m_Player[kShipWorldX] += kFlightSpeed;
  m_TmpC = kColumnWidth;
  m_ScrollTX = m_Player[kShipWorldX] - kCameraLag;

  p_SetCol(0.0f, 120.0f, 0.0f, 1.0f);
  DrawLandscape(*this, std::fmod(-0.8f * m_ScrollX, kLandscapeLoop) - 256.0f, kLandscapeMiddle,
                40.0f, 104.0f);
  DrawShip(*this);
  Fire(*this);
  MoveShots(*this);
  UpdateEnemies(*this);
  SendWaves(*this);
  p_ResetDraw();
  p_SetCol(0.0f, 180.0f, 0.0f);
  DrawLandscape(*this, std::fmod(-m_ScrollX, kLandscapeLoop) - 256.0f, 0, 0.0f, 64.0f);
  p_DoParticles(1.0f);
  BurnFuel(*this);
  DrawFuelGauge(*this);
  p_ScoreDisplay(0);
  return 0;
}
