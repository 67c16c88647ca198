// Ice (letter I): a runner dashes left and right between the screen edges on its own.
// Couches rise out of the floor and slide about; the player jumps (twice per landing) to
// land on them, squashing each for points that grow with every couch squashed in one
// airborne spell. Touching a couch any other way is fatal: the runner is thrown up, spins,
// and the game ends.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The runner, in m_Player.
constexpr int kRunnerX = 1;
constexpr int kRunnerY = 2;  // feet line
constexpr int kSpeedX = 3;   // always +4 or -4
constexpr int kSpeedY = 4;   // positive is downward
constexpr int kJumpsLeft = 7;
constexpr int kSquashes = 10;  // couches squashed since the last landing
constexpr int kCreated = 11;   // couches created so far
constexpr int kDying = 50;     // 0 alive, counts up while dying

// Couch records of 10 Floats in m_Map.
constexpr int kCouches = 11;
constexpr int kRecordSize = 10;
constexpr int kState = 0;  // 0 free, 1 standing, 2 squashed
constexpr int kCouchX = 1;
constexpr int kHeight = 2;  // above the floor line, 0..48
constexpr int kCouchSpeed = 3;
constexpr int kFirstClearedField = 4;
constexpr float kFree = 0.0f;
constexpr float kStanding = 1.0f;
constexpr float kSquashed = 2.0f;

constexpr float kStartX = 100.0f;
constexpr float kRunSpeed = 4.0f;
constexpr float kWallMargin = 32.0f;
constexpr float kGravity = 0.5f;
constexpr float kJumpSpeed = -8.0f;
constexpr float kBounceSpeed = -10.0f;
constexpr float kThrownSpeed = -15.0f;
constexpr float kJumpsPerLanding = 2.0f;
constexpr float kTilt = 6.0f;
constexpr float kDyingSpin = 4.0f;
constexpr float kDyingUpdates = 15.0f;
constexpr float kFullHeight = 48.0f;
constexpr float kRiseRate = 0.6f;
constexpr float kContactWidth = 48.0f;
constexpr float kFirstCouchX = 96.0f;
constexpr float kCouchMargin = 192.0f;
constexpr int kMaxCouches = 3;

constexpr int kCouchSprite = sprite::kIceCouch;
constexpr int kRunnerSprite = sprite::kIceRunner;
constexpr int kJumpSound = 3;
constexpr int kFatalSound = 12;
constexpr int kSquashSound = 13;
constexpr int kGfxCredit = 7;

float Floor() { return zu_Quor_jscrh - 32.0f; }

bool Alive(const c_MyApp& app) { return app.m_Player[kDying] == 0.0f; }

void RunAndFall(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (Alive(app)) player[kRunnerX] += player[kSpeedX];
  // Also while dying: the runner no longer moves, but it may still turn at a wall.
  if (player[kRunnerX] > zu_Quor_jscrw - kWallMargin) player[kSpeedX] = -kRunSpeed;
  if (player[kRunnerX] < kWallMargin) player[kSpeedX] = kRunSpeed;

  player[kSpeedY] += kGravity;
  player[kRunnerY] += player[kSpeedY];
  if (player[kRunnerY] > Floor()) {
    player[kRunnerY] = Floor();
    player[kJumpsLeft] = kJumpsPerLanding;
    player[kSpeedY] = 0.0f;
    player[kSquashes] = 0.0f;
  }
}

// A jump needs a fresh press: the shell clears the latches only when nothing is held.
void Jump(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const bool held = app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(0, 1) != 0 ||
                    app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(12, 1) != 0 ||
                    app.m_TouchDown >= 1;
  app.m_TmpG = held ? 1 : 0;
  if (!held || app.m_TouchLatch != 0 || app.m_KeyLatch != 0) return;
  if (player[kJumpsLeft] <= 0.0f || !Alive(app)) return;
  player[kSpeedY] = kJumpSpeed;
  player[kJumpsLeft] -= 1.0f;
  app.m_TouchLatch = 1;
  app.m_KeyLatch = 1;
  app.p_PlaySFX(kJumpSound, 1.0f, 1.0f);
}

// The runner tilts with its vertical speed, facing its way; while dying it spins, and
// after 16 airborne updates of that the game is over.
void DrawRunner(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const bool facingLeft = player[kSpeedX] < 0.0f;
  app.p_SetSize(facingLeft ? -1.0f : 1.0f, 1.0f);
  app.m_Rot = (facingLeft ? kTilt : -kTilt) * player[kSpeedY];
  if (!Alive(app)) {
    app.m_Rot = -kDyingSpin * player[kDying];
    if (player[kRunnerY] < Floor()) player[kDying] += 1.0f;
    if (player[kDying] > kDyingUpdates) app.m_Dead = 1;
  }
  app.p_DrawGfx(player[kRunnerX], player[kRunnerY], kRunnerSprite);
}

void DrawCouch(c_MyApp& app, const float* couch) {
  app.p_SetSize(2.0f, 2.0f);
  app.p_DrawGfx(couch[kCouchX], zu_Quor_jscrh - couch[kHeight], kCouchSprite);
}

// Only a fully risen couch touches the runner, and only one contact counts per update.
// Coming down on it squashes it and bounces the runner up; any other touch is fatal.
void TouchCouch(c_MyApp& app, float* couch) {
  Array<float>& player = app.m_Player;
  const bool contact = std::fabs(couch[kCouchX] - player[kRunnerX]) < kContactWidth &&
                       couch[kHeight] == kFullHeight &&
                       player[kRunnerY] > zu_Quor_jscrh - 64.0f;
  if (!contact || !Alive(app) || app.m_TmpQ != 0) return;
  if (player[kSpeedY] > 0.0f) {
    player[kSpeedY] = kBounceSpeed;
    couch[kState] = kSquashed;
    player[kSquashes] += 1.0f;
    const float squashes = player[kSquashes];
    app.p_Gimme(zu_f2i(5.0f * squashes * squashes), player[kRunnerX], zu_Quor_jscrh - 72.0f);
    app.p_PlaySFX(kSquashSound, 1.0f, 1.0f);
    app.m_TmpQ = 1;
  } else {
    player[kDying] = 1.0f;
    app.p_PlaySFX(kFatalSound, 1.0f, 1.0f);
    player[kSpeedY] = kThrownSpeed;
  }
}

void MoveStandingCouch(c_MyApp& app, float* couch) {
  couch[kCouchX] += couch[kCouchSpeed];
  if (couch[kCouchX] < kWallMargin) couch[kCouchSpeed] = std::fabs(couch[kCouchSpeed]);
  if (couch[kCouchX] > zu_Quor_jscrw - kWallMargin) {
    couch[kCouchSpeed] = -std::fabs(couch[kCouchSpeed]);
  }
  if (couch[kHeight] < kFullHeight) couch[kHeight] += kRiseRate;
  if (couch[kHeight] > kFullHeight) couch[kHeight] = kFullHeight;
  DrawCouch(app, couch);
  TouchCouch(app, couch);
}

// Counts the couches in play (m_TmpD) and notes the last free record (m_TmpN).
void UpdateCouches(c_MyApp& app) {
  app.m_TmpD = 0;
  app.m_TmpN = -1;
  app.m_TmpQ = 0;
  app.m_Rot = 0.0f;
  for (app.m_Loop = 0; app.m_Loop < kCouches; ++app.m_Loop) {
    const int record = kRecordSize * app.m_Loop;
    float* couch = &app.m_Map[record];
    if (couch[kState] == kFree) {
      app.m_TmpN = record;
    } else if (couch[kState] == kStanding) {
      ++app.m_TmpD;
      MoveStandingCouch(app, couch);
    } else if (couch[kState] == kSquashed) {
      ++app.m_TmpD;
      couch[kHeight] -= kRiseRate;
      DrawCouch(app, couch);
      if (couch[kHeight] < 0.0f) couch[kState] = kFree;
    }
  }
}

// One couch at a time at first, two from the sixth, three from the ninth. The first three
// rise at the same place; the position is drawn for them too, so the sequence stays fixed.
void AddCouch(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_TmpL = std::clamp(zu_f2i(player[kCreated] / 3.0f), 1, kMaxCouches);
  if (app.m_TmpD >= app.m_TmpL || app.m_TmpN < 0) return;
  float* couch = &app.m_Map[app.m_TmpN];
  couch[kState] = kStanding;
  couch[kCouchX] = kFirstCouchX + zu_random_Rnd() * (zu_Quor_jscrw - kCouchMargin);
  if (player[kCreated] <= 2.0f) couch[kCouchX] = kFirstCouchX;
  player[kCreated] += 1.0f;
  couch[kHeight] = 0.0f;
  couch[kCouchSpeed] = 0.5f + zu_random_Rnd();
  if (zu_random_Rnd() * 5.0f < 2.5f) couch[kCouchSpeed] = -(0.5f + zu_random_Rnd());
  for (int field = kFirstClearedField; field < kRecordSize; ++field) couch[field] = 0.0f;
}

}  // namespace

int c_MyApp::p_LoadGame_Ice() {
  p_FreshGame();
  m_Player[kRunnerX] = kStartX;
  m_Player[kRunnerY] = zu_Quor_jscrh - 64.0f;
  m_Player[kSpeedX] = kRunSpeed;
  return 0;
}

int c_MyApp::p_Game_Ice() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  RunAndFall(*this);
  Jump(*this);
  DrawRunner(*this);
  UpdateCouches(*this);
  AddCouch(*this);

  p_DoParticles(1.0f);
  p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  p_Rect(0.0f, zu_Quor_jscrh - 16.0f, zu_Quor_jscrw, 32.0f);
  p_GfxShow(kGfxCredit, 0);
  p_ScoreDisplay();
  return 0;
}
