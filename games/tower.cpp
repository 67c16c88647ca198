// Tower (letter T): the player stands on top of a tower wall while blobs climb it from
// below and, once on top, creep towards the player. Logs slide in along the top from both
// ends; the player picks one up (walking more slowly while carrying it) and throws it, and
// the log arcs down the wall knocking off every blob it touches, for points that grow with
// the square of the number of blobs that log has hit. A blob reaching the player knocks
// the player off the tower, and the game ends once the player has fallen out of view.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The player, in m_Player. Positions are in tower units (see TowerView).
constexpr int kX = 1;
constexpr int kY = 2;          // 0 on the top
constexpr int kFallSpeed = 4;  // only while falling
constexpr int kFacing = 5;     // -1 left, 0 none, 1 right; while falling, the tumbling angle
constexpr int kScreenX = 8;
constexpr int kScreenY = 9;
constexpr int kKnockedOff = 10;
constexpr int kLeftLog = 12;   // 0 none, else its slide position, 8 down to 1
constexpr int kRightLog = 13;
constexpr int kCarrying = 15;
constexpr int kLastLogSlot = 16;
constexpr int kForcedCountdown = 20;
constexpr int kForcedInterval = 21;

// Records of 10 Floats in m_Map: thrown logs from 0, blobs from 1000.
constexpr int kRecordSize = 10;
constexpr int kLogSlots = 20;
constexpr int kRecordsVisited = 21;  // both loops also visit one record never used
constexpr int kBlobTable = 1000;
constexpr int kNewBlobSlots = 19;
constexpr int kKind = 0;  // logs: 1 flying; blobs: kind 1..3
constexpr int kRecX = 1;
constexpr int kRecY = 2;
constexpr int kSpeedX = 3;
constexpr int kSpeedY = 4;
constexpr int kAngle = 5;
constexpr int kSpin = 6;
constexpr int kBlobKnockedOff = 9;
constexpr int kLogHits = 9;

constexpr float kLeftEnd = 0.75f;
constexpr float kRightEnd = 11.25f;
constexpr float kWalk = 0.1f;
constexpr float kWalkCarrying = 0.075f;
constexpr float kLogSlide = 0.1f;
constexpr float kNewLog = 8.0f;
constexpr float kLogAtRest = 1.0f;
constexpr float kBlobTop = 0.2f;
constexpr float kBlobCreep = 0.02f;
constexpr float kBlobFoot = 6.0f;
constexpr int kLogParticles = 7;
constexpr int kDebris = 2;

constexpr int kWallSprite = sprite::kTowerWall;
constexpr int kWallTopSprite = sprite::kTowerWallTop;
constexpr int kPlayerFrontSprite = sprite::kWalkerFront;
constexpr int kPlayerSideSprite = sprite::kWalkerSide;
constexpr int kLogSprite = sprite::kTowerLog;
constexpr int kBlob1Sprite = sprite::kWalkerSlimeDrip;  // + 1 while knocked off
constexpr int kBlob2Sprite = sprite::kWalkerHornedImp;
constexpr int kBlob3Sprite = sprite::kWalkerFurBall;

constexpr int kThrowSound = 5;
constexpr int kKnockSound = 10;
constexpr int kFallSound = 12;
constexpr int kPickUpSound = 13;

// A twelfth of the screen width is one unit; the wall top is 5.5 units above the bottom.
struct TowerView {
  float unit;
  float top;
  float Sx(float x) const { return x * unit - unit / 2.0f; }
  float Sy(float y) const { return y * unit + top; }
};

TowerView View() {
  const float unit = zu_Quor_jscrw / 12.0f;
  return {unit, static_cast<float>(std::max(zu_f2i(zu_Quor_jscrh - 5.5f * unit), 24))};
}

void DrawWallRows(c_MyApp& app, const TowerView& view, int fromRow, int toRow, bool sidesOnly) {
  for (app.m_TmpI = 0; app.m_TmpI <= 12; ++app.m_TmpI) {
    for (app.m_TmpJ = fromRow; app.m_TmpJ <= toRow; ++app.m_TmpJ) {
      if (sidesOnly && app.m_TmpI >= 3 && app.m_TmpI <= 10) continue;
      const int sprite = !sidesOnly && app.m_TmpJ == 1 ? kWallTopSprite : kWallSprite;
      app.p_DrawGfx(view.Sx(static_cast<float>(app.m_TmpI)),
                    view.Sy(static_cast<float>(app.m_TmpJ)), sprite);
    }
  }
}

bool ThrowPressed(c_MyApp& app) {
  const Array<float>& player = app.m_Player;
  const bool pointer = app.m_TouchDown > 0 &&
                       std::fabs(static_cast<float>(app.m_MouseX) - player[kScreenX]) < 32.0f &&
                       std::fabs(static_cast<float>(app.m_MouseY) - player[kScreenY]) < 32.0f;
  return app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(12, 1) != 0 ||
         pointer;
}

void ThrowLog(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const int slot = (zu_f2i(player[kLastLogSlot]) + 1) % kLogSlots;
  player[kLastLogSlot] = static_cast<float>(slot);
  float* log = &app.m_Map[slot * kRecordSize];
  log[kKind] = 1.0f;
  log[kRecX] = player[kX] + 0.5f;
  log[kRecY] = player[kY] + 0.3f;
  log[kSpeedX] = 0.0f;
  log[kSpeedY] = -0.1f;
  log[kAngle] = 0.0f;
  log[kSpin] = zu_random_Rnd() * 16.0f - 8.0f;
  log[kLogHits] = 0.0f;
  player[kCarrying] = 0.0f;
  app.p_PlaySFX(kThrowSound, 1.0f, 1.0f);
  app.m_KeyLatch = 1;
  app.m_TouchLatch = 1;
}

// Walking, facing, and the log carried overhead, thrown once per press.
void UpdatePlayer(c_MyApp& app, const TowerView& view) {
  Array<float>& player = app.m_Player;
  const bool carrying = player[kCarrying] != 0.0f;
  player[kX] += (carrying ? kWalkCarrying : kWalk) * app.m_StickX;
  player[kFacing] = app.m_StickX > 0.2f ? 1.0f : app.m_StickX < -0.2f ? -1.0f : 0.0f;
  player[kX] = std::clamp(player[kX], kLeftEnd, kRightEnd);
  const float sx = player[kX] * view.unit;
  const float sy = (player[kY] + 0.5f) * view.unit + view.top;
  player[kScreenX] = sx;
  player[kScreenY] = sy;

  const float scale = view.unit / 32.0f;
  if (player[kFacing] == 0.0f) {
    app.p_DrawGfx(sx, sy, kPlayerFrontSprite);
  } else {
    app.p_SetSize(scale * player[kFacing], scale);
    app.p_DrawGfx(sx, sy, kPlayerSideSprite);
  }
  app.p_SetSize(scale, scale);

  if (!carrying) return;
  app.p_DrawGfx(sx, sy - 0.1f * view.unit, kLogSprite);
  if (ThrowPressed(app) && app.m_KeyLatch == 0 && app.m_TouchLatch == 0) ThrowLog(app);
}

// A log end that is empty gets a new log one time in sixty; a log slides in a tenth of a
// unit per update and rests at the end, where a player close by with free hands takes it.
void UpdateLogEnd(c_MyApp& app, const TowerView& view, int element, float offset,
                  bool playerClose) {
  Array<float>& player = app.m_Player;
  if (player[element] == 0.0f && zu_random_Rnd() * 60.0f < 1.0f) player[element] = kNewLog;
  const float t = player[element];
  if (t <= 0.0f) return;
  const float x = element == kLeftLog ? 2.5f - t : t + offset;
  app.p_DrawGfx(view.Sx(x), view.top + 0.4f * view.unit, kLogSprite);
  player[element] = t - kLogSlide;
  if (player[element] >= kLogAtRest) return;
  player[element] = kLogAtRest;
  if (playerClose && player[kCarrying] == 0.0f) {
    player[element] = 0.0f;
    player[kCarrying] = 1.0f;
    app.p_PlaySFX(kPickUpSound, 1.0f, 1.0f);
  }
}

void UpdateLogs(c_MyApp& app, const TowerView& view) {
  for (app.m_Loop = 0; app.m_Loop < kRecordsVisited; ++app.m_Loop) {
    float* log = &app.m_Map[app.m_Loop * kRecordSize];
    if (log[kKind] != 1.0f) continue;
    log[kRecX] += log[kSpeedX];
    log[kRecY] += log[kSpeedY];
    log[kSpeedY] = std::min(log[kSpeedY] + 0.01f, 0.2f);
    log[kAngle] += log[kSpin];
    app.p_SetRot(log[kAngle]);
    const float sy = view.Sy(log[kRecY]);
    app.p_DrawGfx(view.Sx(log[kRecX]), sy, kLogSprite);
    if (sy > zu_Quor_jscrh + 64.0f) log[kKind] = 0.0f;
  }
}

// On the top a blob creeps towards the player and knocks the player off on reaching them.
void ClimbBlob(c_MyApp& app, float* blob) {
  Array<float>& player = app.m_Player;
  blob[kRecX] += blob[kSpeedX];
  const float y = blob[kRecY] + blob[kSpeedY];
  if (y >= kBlobTop) {
    blob[kRecY] = y;
    return;
  }
  blob[kRecY] = kBlobTop;
  if (player[kX] < blob[kRecX]) blob[kRecX] -= kBlobCreep;
  if (player[kX] > blob[kRecX]) blob[kRecX] += kBlobCreep;
  if (std::fabs(player[kX] + 0.5f - blob[kRecX]) < 0.5f && player[kKnockedOff] == 0.0f) {
    player[kKnockedOff] = 1.0f;
    player[kFallSpeed] = -0.3f;
    app.p_PlaySFX(kFallSound, 1.0f, 1.0f);
  }
}

int BlobSprite(float kind) {
  if (kind == 1.0f) return kBlob1Sprite;
  if (kind == 2.0f) return kBlob2Sprite;
  return kBlob3Sprite;
}

void KnockOff(c_MyApp& app, float* blob, float* log, float sx, float sy) {
  blob[kBlobKnockedOff] = 1.0f;
  blob[kSpeedX] = (blob[kRecX] - log[kRecX]) * 0.4f;
  blob[kSpeedY] = 0.0f;
  blob[kSpin] = zu_random_Rnd() * 6.0f - 3.0f;
  log[kSpeedY] = -0.2f;
  log[kSpeedX] = -blob[kSpeedX];
  log[kLogHits] += 1.0f;
  app.p_Gimme(zu_f2i(log[kLogHits] * log[kLogHits] * 5.0f), sx, sy - 32.0f);
  for (app.m_TmpO = 0; app.m_TmpO < kLogParticles; ++app.m_TmpO) {
    const int colour = zu_f2i(1.0f + zu_random_Rnd() * 8.99f);
    app.p_ThrowParticle(sx, sy, kDebris, colour);
  }
  const float rate = 0.7f + zu_random_Rnd() * 0.6f;
  const int sound = app.p_Rand(7.0f, 9.0f);
  app.p_PlaySFX(sound, rate, 1.0f, 0.0f);
  app.p_PlaySFX(kKnockSound, 1.0f, 1.0f);
}

void HitBlobWithLogs(c_MyApp& app, const TowerView& view, float* blob, float sx, float sy) {
  for (app.m_Loop2 = 0; app.m_Loop2 < kRecordsVisited; ++app.m_Loop2) {
    if (blob[kKind] <= 0.0f) return;
    float* log = &app.m_Map[app.m_Loop2 * kRecordSize];
    if (log[kKind] != 1.0f) continue;
    if (std::fabs(sx - view.Sx(log[kRecX])) < 0.6f * view.unit &&
        std::fabs(sy - view.Sy(log[kRecY])) < 0.4f * view.unit) {
      KnockOff(app, blob, log, sx, sy);
    }
  }
}

void UpdateBlobs(c_MyApp& app, const TowerView& view) {
  for (app.m_Loop = 0; app.m_Loop < kRecordsVisited; ++app.m_Loop) {
    app.m_TmpK = kBlobTable + app.m_Loop * kRecordSize;
    float* blob = &app.m_Map[app.m_TmpK];
    if (blob[kKind] <= 0.0f) continue;
    ClimbBlob(app, blob);
    blob[kAngle] += blob[kSpin];
    app.p_SetRot(blob[kAngle]);
    const float sx = view.Sx(blob[kRecX]);
    const float sy = view.Sy(blob[kRecY]);
    const bool knockedOff = blob[kBlobKnockedOff] != 0.0f;
    if (knockedOff) {
      blob[kSpeedY] = std::min(blob[kSpeedY] + 0.01f, 0.2f);
      if (sy > zu_Quor_jscrh + 64.0f) {
        blob[kKind] = 0.0f;
        blob[kBlobKnockedOff] = 0.0f;
        continue;  // gone, out of view
      }
    }
    app.m_TmpH = BlobSprite(blob[kKind]) + (knockedOff ? 1 : 0);
    app.p_DrawGfx(sx, sy, app.m_TmpH);
    HitBlobWithLogs(app, view, blob, sx, sy);
  }
}

// A random blob one time in 600, and a forced one whenever the countdown runs out; a forced
// blob whose record is taken is tried again in the next update.
void SpawnBlob(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_Loop = zu_f2i(zu_random_Rnd() * static_cast<float>(kNewBlobSlots));
  app.m_TmpQ = zu_f2i(zu_random_Rnd() * 600.0f);
  player[kForcedCountdown] -= 1.0f;
  const bool forced = player[kForcedCountdown] < 0.0f;
  float* blob = &app.m_Map[kBlobTable + app.m_Loop * kRecordSize];
  if (blob[kKind] != 0.0f || !(forced || app.m_TmpQ == 0)) return;
  blob[kKind] = static_cast<float>(app.p_Rand(1.0f, 3.0f));
  blob[kRecX] = 1.5f + zu_random_Rnd() * 9.0f;
  blob[kRecY] = kBlobFoot;
  blob[kSpeedY] = -0.005f - zu_random_Rnd() * 0.015f;
  blob[kSpeedX] = 0.0f;
  blob[kAngle] = 0.0f;
  blob[kSpin] = 0.0f;
  blob[kBlobKnockedOff] = 0.0f;
  if (forced) {
    player[kForcedInterval] = std::max(player[kForcedInterval] - 16.0f, 90.0f);
    player[kForcedCountdown] = player[kForcedInterval];
  }
}

// Knocked off: the player tumbles up and then down past the bottom of the screen.
void FallOff(c_MyApp& app, const TowerView& view) {
  Array<float>& player = app.m_Player;
  player[kFallSpeed] = std::min(player[kFallSpeed] + 0.02f, 0.3f);
  player[kFacing] += 5.0f;
  app.p_SetRot(player[kFacing]);
  player[kScreenX] = player[kX] * view.unit;
  player[kScreenY] = (player[kY] + 0.5f) * view.unit + view.top;
  player[kY] += player[kFallSpeed];
  app.p_DrawGfx(player[kScreenX], player[kScreenY], kPlayerFrontSprite);
  if (player[kScreenY] > zu_Quor_jscrh + 64.0f) app.m_Dead = 1;
}

}  // namespace

int c_MyApp::p_LoadGame_Tower() {
  p_FreshGame();
  m_Player[kX] = 5.0f;
  m_Player[kLeftLog] = 6.0f;
  m_Player[kRightLog] = kNewLog;
  m_Player[kForcedCountdown] = 160.0f;
  m_Player[kForcedInterval] = 300.0f;
  return 0;
}

int c_MyApp::p_Game_Tower() {
  const TowerView view = View();
  const float scale = view.unit / 32.0f;
  m_BgTR = 0.0f;
  m_BgTG = 80.0f;
  m_BgTB = 140.0f;
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();
  p_SetSize(scale, scale);

  DrawWallRows(*this, view, -4, 0, true);
  if (m_Player[kKnockedOff] == 0.0f) UpdatePlayer(*this, view);
  p_SetSize(scale, scale);
  UpdateLogEnd(*this, view, kLeftLog, 0.0f, m_Player[kX] < 1.5f);
  UpdateLogEnd(*this, view, kRightLog, 10.5f, m_Player[kX] > 10.5f);
  DrawWallRows(*this, view, 1, 5, false);

  p_ResetDraw();
  p_SetSize(scale, scale);
  UpdateLogs(*this, view);
  UpdateBlobs(*this, view);
  SpawnBlob(*this);

  p_ResetDraw();
  p_SetSize(scale, scale);
  if (m_Player[kKnockedOff] > 0.0f) FallOff(*this, view);

  p_ResetDraw();
  p_DoParticles(2.0f);
  p_GfxShow(10, 0);
  p_ScoreDisplay();
  return 0;
}
