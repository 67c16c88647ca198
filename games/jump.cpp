// Jump (letter V, "Volatile Velocity"): a wheel rolls right over an endless ground strip,
// always speeding up; it jumps over bushes (a point each) and collects floating gifts (five
// points each). The first bush it hits ends the game. Bushes and gifts live in two tables
// of 20 records each, recycled as they leave the view, so the world never ends.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The wheel and the spawners, in m_Player.
constexpr int kWheelX = 1;
constexpr int kHeight = 2;  // 0 on the ground, negative above it
constexpr int kSpeed = 3;
constexpr int kFall = 4;    // vertical speed, positive downwards
constexpr int kBonus = 6;   // raises the top speed and the fall as the game goes on
constexpr int kNextBushX = 21;
constexpr int kBushSlot = 22;
constexpr int kBushGroup = 23;
constexpr int kNextGiftX = 31;
constexpr int kGiftCounter = 32;
constexpr int kGiftGroup = 33;

// Records of 10 Floats in m_Map: bushes from 0, gifts from 1000.
constexpr int kRecordSize = 10;
constexpr int kRecords = 20;
constexpr int kGiftTable = 1000;
constexpr int kKind = 0;
constexpr int kX = 1;
constexpr int kGiftLift = 2;   // gifts: height above the bushes' line
constexpr int kPassed = 5;     // bushes: 1 once scored

constexpr float kStartX = 140.0f;
constexpr float kFirstBushX = 640.0f;
constexpr float kTopSpeed = 6.0f;
constexpr float kAcceleration = 0.05f;
constexpr float kBonusPerUpdate = 0.002f;
constexpr float kHeldFall = 0.5f;
constexpr float kJumpSpeed = -10.0f;
constexpr float kCameraLead = 64.0f;
constexpr float kCameraEase = 0.125f;
// Past this, something has left the view on the left.
constexpr float kOffLeft = -128.0f;

constexpr int kGroundSprite = sprite::kGroundStrip;
constexpr int kBushSprite = sprite::kJumpBush - 1;  // + kind 1..4
constexpr int kGiftSprite = sprite::kPresent;
constexpr int kWheelSprite = sprite::kJumpWheel;
constexpr int kGroundTiles = 16;
constexpr float kGroundSpan = 1024.0f;

constexpr int kJumpSound = 2;
constexpr int kCrashSound = 7;
constexpr int kFailSound = 12;
constexpr int kGiftSound = 13;
constexpr int kGiftSparks = 8;
constexpr int kDebris = 2;

// Items come singly, separated by a wide gap of 288 or 416, or in close groups of up to
// three, 32 apart. `group` counts the items of the current close group.
float NextGap(c_MyApp& app, int group) {
  const int wide = app.p_Rand(2.0f, 3.0f) * 128 + 32;
  app.m_TmpR = wide;
  float& closeItems = app.m_Player[group];
  // The generator is drawn even when the group is full, so the sequence stays the same.
  if (zu_random_Rnd() * 4.0f < 2.0f && closeItems < 2.0f) {
    closeItems += 1.0f;
    app.m_TmpR = 32;
    return 32.0f;
  }
  closeItems = 0.0f;
  return static_cast<float>(wide);
}

float NextInCycle(float counter) { return static_cast<float>((zu_f2i(counter) + 1) % kRecords); }

bool JumpControlHeld(c_MyApp& app) {
  return app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(12, 1) != 0 ||
         app.p_PlayKey(0, 1) != 0;
}

// Rolling, the top speed that rises with the bonus, gravity (lighter while the control is
// held, so a long press jumps higher) and the jump itself, once per press.
void MoveWheel(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kWheelX] += player[kSpeed];
  player[kSpeed] = std::min(player[kSpeed] + kAcceleration, player[kBonus] + kTopSpeed);

  const bool held = JumpControlHeld(app);
  player[kBonus] += kBonusPerUpdate;
  app.m_TmpG = held ? 1 : 0;
  player[kFall] += held ? kHeldFall : 1.0f + player[kBonus];

  const float height = player[kHeight] + player[kFall];
  if (height > 0.0f) {
    player[kHeight] = 0.0f;
    player[kFall] = 0.0f;
    if (held && app.m_KeyLatch == 0) {
      player[kFall] = kJumpSpeed;
      app.m_KeyLatch = 1;
      app.p_PlaySFX(kJumpSound, 1.0f, 1.0f);
    }
  } else {
    player[kHeight] = height;
  }
}

void DrawGround(c_MyApp& app) {
  app.p_SetSize(2.0f, 2.0f);
  app.p_SetRot(0.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  for (app.m_TmpI = 0; app.m_TmpI < kGroundTiles; ++app.m_TmpI) {
    float sx = std::fmod(64.0f * static_cast<float>(app.m_TmpI) - app.m_ScrollX, kGroundSpan);
    if (sx < kOffLeft) sx += kGroundSpan;
    app.p_DrawGfx(sx, zu_Quor_jscrh - 32.0f, kGroundSprite + app.m_TmpI % 4);
  }
}

// A bush scores once the wheel is more than 32 past it; touching one while low enough is a
// crash, whose sounds play only when it ends the game.
void UpdateBushes(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  for (app.m_Loop = 0; app.m_Loop < kRecords; ++app.m_Loop) {
    app.m_NewRank = app.m_Loop * kRecordSize;
    const float sx = app.m_Map[app.m_NewRank + kX] - app.m_ScrollX;
    app.p_DrawGfx(sx, zu_Quor_jscrh - 96.0f,
                  kBushSprite + zu_f2i(app.m_Map[app.m_NewRank + kKind]));
    // The slot refilled is the next in the cycle: the oldest bush, the one that just left.
    if (sx < kOffLeft) app.p_More_Jump();

    float* bush = &app.m_Map[app.m_NewRank];
    const float wheelX = player[kWheelX];
    if (bush[kX] < wheelX - 32.0f && bush[kPassed] == 0.0f) {
      app.m_Score += 1;
      bush[kPassed] = 1.0f;
    }
    if (std::fabs(bush[kX] - wheelX) < 26.0f && player[kHeight] > -16.0f) {
      if (app.m_Dead == 0) {
        app.p_PlaySFX(kCrashSound, 1.0f, 1.0f);
        app.p_PlaySFX(kFailSound, 1.0f, 1.0f);
      }
      app.m_Dead = 1;
      player[kSpeed] = 0.0f;
      player[kFall] = 0.0f;
    }
  }
}

void CollectGift(c_MyApp& app, float* gift, float sx, float sy) {
  app.m_Score += 5;
  gift[kKind] = 0.0f;
  app.p_PlaySFX(kGiftSound, 1.0f, 1.0f);
  for (app.m_TmpO = 0; app.m_TmpO < kGiftSparks; ++app.m_TmpO) {
    const int colour = zu_f2i(std::floor(zu_random_Rnd() * 7.99f + 1.0f));
    const float angle = 45.0f * static_cast<float>(app.m_TmpO) + (zu_random_Rnd() * 16.0f - 8.0f);
    const float speed = 2.0f + zu_random_Rnd();
    app.p_ThrowParticle(sx + app.m_ScrollX, sy, kDebris, colour, angle, speed);
  }
}

// A free record is refilled first (p_More2_Jump may choose another free record, and the
// walk goes on with that one).
void UpdateGifts(c_MyApp& app) {
  app.p_SetSize(1.0f, 1.0f);
  const float wheelLine = zu_Quor_jscrh - 72.0f + app.m_Player[kHeight];
  for (app.m_Loop = 0; app.m_Loop < kRecords; ++app.m_Loop) {
    int record = kGiftTable + app.m_Loop * kRecordSize;
    if (app.m_Map[record + kKind] == 0.0f) {
      app.p_More2_Jump();
      if (app.m_TmpN >= 0) record = app.m_TmpN;
    }
    float* gift = &app.m_Map[record];
    if (gift[kKind] <= 0.0f) continue;
    const float sx = gift[kX] - app.m_ScrollX;
    const float sy = zu_Quor_jscrh - 96.0f + gift[kGiftLift];
    app.p_DrawGfx(sx, sy, kGiftSprite);
    if (sx < kOffLeft) {
      gift[kKind] = 0.0f;
    } else if (std::fabs(gift[kX] - app.m_Player[kWheelX]) < 20.0f &&
               std::fabs(wheelLine - sy) < 20.0f) {
      CollectGift(app, gift, sx, sy);
    }
  }
}

// The wheel turns with the distance rolled: clockwise, two degrees per unit.
void DrawWheel(c_MyApp& app) {
  app.p_ResetDraw();
  const float x = app.m_Player[kWheelX];
  app.p_SetRot(2.0f * x);
  app.p_DrawGfx(x - app.m_ScrollX, zu_Quor_jscrh - 72.0f + app.m_Player[kHeight], kWheelSprite);
  app.p_SetRot(0.0f);
}

}  // namespace

int c_MyApp::p_More_Jump() {
  m_Player[kNextBushX] += NextGap(*this, kBushGroup);
  m_Player[kBushSlot] = NextInCycle(m_Player[kBushSlot]);
  m_NewRank = kRecordSize * zu_f2i(m_Player[kBushSlot]);
  float* bush = &m_Map[m_NewRank];
  bush[kKind] = static_cast<float>(p_Rand(1.0f, 4.0f));
  bush[kX] = m_Player[kNextBushX];
  bush[kPassed] = 0.0f;
  return 0;
}

// Takes the last free gift record; with none free nothing changes. A gift is never placed
// closer than 128 beyond the right edge of the view.
int c_MyApp::p_More2_Jump() {
  m_TmpN = -1;
  for (m_TmpP = 0; m_TmpP < kRecords; ++m_TmpP) {
    const int record = kGiftTable + m_TmpP * kRecordSize;
    if (m_Map[record + kKind] == 0.0f) m_TmpN = record;
  }
  if (m_TmpN == -1) return 0;

  m_Player[kNextGiftX] += NextGap(*this, kGiftGroup);
  if (m_Player[kNextGiftX] - m_ScrollX < zu_Quor_jscrw + 128.0f) {
    m_Player[kNextGiftX] = m_ScrollX + zu_Quor_jscrw + 128.0f;
  }
  m_Player[kGiftCounter] = NextInCycle(m_Player[kGiftCounter]);
  m_NewRank = m_TmpN;
  float* gift = &m_Map[m_TmpN];
  gift[kKind] = static_cast<float>(p_Rand(1.0f, 4.0f));
  gift[kX] = m_Player[kNextGiftX];
  gift[kGiftLift] = static_cast<float>(p_Rand(-8.0f, -2.0f) * 8);
  gift[kPassed] = 0.0f;
  return 0;
}

int c_MyApp::p_LoadGame_Jump() {
  p_FreshGame();
  m_Player[kWheelX] = kStartX;
  m_Player[kNextBushX] = kFirstBushX;
  for (int i = 0; i < kRecords; ++i) {
    p_More_Jump();
    p_More2_Jump();
  }
  return 0;
}

int c_MyApp::p_Game_Jump() {
  m_BgTR = 0.0f;
  m_BgTG = 60.0f;
  m_BgTB = 140.0f;
  p_DoBG();
  const auto [dx, dy] = p_StepCamera(kCameraEase);

  MoveWheel(*this);
  m_ScrollTX = m_Player[kWheelX] - kCameraLead;
  p_ResetDraw();
  p_DoSnow(dx, dy);
  p_AnalogueControl();

  DrawGround(*this);
  UpdateBushes(*this);
  UpdateGifts(*this);
  DrawWheel(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
