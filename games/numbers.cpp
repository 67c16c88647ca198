// Numbers (letter N, "Numbing Numbers"): a column of seven numbers, one per lane, slides in
// from the right. The player moves a cannon between the lanes and shoots numbers away so
// that the numbers still standing add up to the target shown at the top left. A column that
// arrives at the line with the right sum flies up and scores its target + 10; any other
// column falls off the bottom and ends the game.
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The cannon and the column, in m_Player.
constexpr int kCursorLane = 2;   // 1 (top) .. 7
constexpr int kCursorY = 4;      // drawn y, eased towards the lane
constexpr int kTarget = 10;
constexpr int kColumnX = 11;
constexpr int kRange = 12;       // numbers are drawn from 1 to Int(range + 0.99)
constexpr int kDrift = 13;
constexpr int kColumnLift = 15;  // vertical offset of the column, negative is up
constexpr int kLaneNumbers = 20;  // + lane 1..7; 0 once shot
constexpr int kBeamTimer = 50;
constexpr int kBeamLane = 51;

constexpr int kLanes = 7;
constexpr int kStartLane = 4;
constexpr float kStartRange = 1.0f;
constexpr float kRangeGrowth = 0.4f;
constexpr float kStartDrift = 0.5f;
constexpr float kColumnEntry = 32.0f;  // a new column starts this far beyond the right edge
constexpr float kLineX = 80.0f;
constexpr float kHurry = 5.0f;
constexpr float kLaneSpacing = 32.0f;
constexpr float kBeamLength = 8.0f;
constexpr float kBeamFade = 0.75f;
constexpr float kCursorEase = 8.0f;
constexpr float kNumberScale = 2.5f;
constexpr float kTextAlign = 0.8f;
constexpr float kTargetX = 96.0f;

constexpr int kCannonSprite = sprite::kGun;
constexpr int kBeamSound = 5;
constexpr int kFallSound = 12;
constexpr int kClearedSound = 95;
constexpr int kShardsPerNumber = 16;

// Top of the lanes: lane i is centred at base + 32 i.
int LaneBase() { return zu_f2i(zu_Quor_jscrh / 2.0f - 112.0f); }

float LaneY(float lane) { return static_cast<float>(LaneBase()) + kLaneSpacing * lane; }

float& LaneNumber(c_MyApp& app, int lane) { return app.m_Player[kLaneNumbers + lane]; }

// Whole numbers are shown without a fraction.
String WholeText(float value) { return String(zu_f2i(value)); }

bool ControlsFree(const c_MyApp& app) { return app.m_KeyLatch == 0 && app.m_TouchLatch == 0; }

void LatchControls(c_MyApp& app) {
  app.m_KeyLatch = 1;
  app.m_TouchLatch = 1;
}

// Draws the lanes and the standing numbers, and rebuilds their sum in m_TmpL.
void DrawLanes(c_MyApp& app) {
  const Array<float>& player = app.m_Player;
  const float columnX = player[kColumnX];
  app.m_TmpL = 0;
  for (app.m_Loop2 = 1; app.m_Loop2 <= kLanes; ++app.m_Loop2) {
    const int lane = app.m_Loop2;
    const float y = LaneY(static_cast<float>(lane));
    app.p_SetCol(0.0f, 0.0f, 0.0f, 0.6f);
    app.p_Rect(0.0f, y - 16.0f, zu_Quor_jscrw, 32.0f);
    app.p_Ink(lane, zu_f2i(player[kCursorLane]) == lane ? 0.75f : 0.4f);
    app.p_Alpha(1.0f);
    app.p_Rect(0.0f, y - 15.0f, zu_Quor_jscrw, 30.0f);
    const float number = LaneNumber(app, lane);
    if (number > 0.0f) {
      app.m_TmpL += zu_f2i(number);
      const float numberY = y + player[kColumnLift];
      app.p_SetCol(0.0f, 0.0f, 0.0f);
      app.p_Oval(columnX, numberY, 15.0f, 15.0f);
      app.p_SetCol(255.0f, 255.0f, 255.0f);
      app.p_SetSize(kNumberScale);
      app.p_Text(columnX, numberY, WholeText(number), kTextAlign, kTextAlign);
      app.p_SetSize(1.0f);
    }
  }
}

void DrawTarget(c_MyApp& app) {
  const float base = static_cast<float>(LaneBase());
  app.p_SetCol(100.0f, 180.0f, 100.0f, 0.5f);
  app.p_Oval(kTargetX, base - 16.0f, 32.0f, 32.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  app.p_SetSize(kNumberScale);
  app.p_Text(kTargetX, base - 16.0f, WholeText(app.m_Player[kTarget]), kTextAlign, kTextAlign);
  app.p_Text(app.m_Player[kColumnX], base + 256.0f, String(app.m_TmpL), kTextAlign, kTextAlign);
  app.p_SetSize(1.0f);
}

// At the line the column rises while its sum is right and falls otherwise, the offset
// roughly doubling each update; leaving the screen either way settles it.
void ArriveAtLine(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kColumnX] >= kLineX + 1.0f || app.m_Dead != 0) return;
  player[kColumnX] = kLineX;
  float& lift = player[kColumnLift];
  if (static_cast<float>(app.m_TmpL) == player[kTarget]) {
    lift -= std::fabs(lift) + 0.1f;
  } else {
    lift += std::fabs(lift) + 0.1f;
  }
  if (lift > zu_Quor_jscrh) {
    app.m_Dead = 1;
    app.p_PlaySFX(kFallSound, 1.0f, 1.0f);
  }
  if (lift < -zu_Quor_jscrh) {
    app.m_Score += app.m_TmpL + 10;
    app.p_Get_Numbers();
    app.p_PlaySFX(kClearedSound);
  }
}

void ShootNumber(c_MyApp& app, int lane) {
  LaneNumber(app, lane) = 0.0f;
  const int sound = app.p_Rand(7.0f, 9.0f);
  const float rate = 0.7f + zu_random_Rnd() * 0.6f;
  app.p_PlaySFX(sound, rate);
  const float x = app.m_Player[kColumnX];
  const float y = LaneY(static_cast<float>(lane));
  for (app.m_TmpJ = 0; app.m_TmpJ < kShardsPerNumber; ++app.m_TmpJ) {
    const int kind = app.p_Rand(1.0f, 2.0f);
    const int colour = app.p_Rand(1.0f, 9.0f);
    const float angle = zu_random_Rnd() * 360.0f;
    const float speed = 2.0f + zu_random_Rnd() * 3.0f;
    app.p_ThrowParticle(x, y, kind, colour, angle, speed);
  }
}

// Each press acts once: the latches are cleared by the shell only when nothing is held.
// A touch fires at the cursor's lane; it does not choose one.
void Controls(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (ControlsFree(app) && app.p_PlayKey(0, 1) != 0) {
    if (player[kCursorLane] > 1.0f) player[kCursorLane] -= 1.0f;
    LatchControls(app);
  }
  if (ControlsFree(app) && app.p_PlayKey(8, 1) != 0) {
    if (player[kCursorLane] < static_cast<float>(kLanes)) player[kCursorLane] += 1.0f;
    LatchControls(app);
  }
  const bool fire = app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0 ||
                    app.p_PlayKey(12, 1) != 0 || app.m_TouchDown >= 1;
  if (ControlsFree(app) && fire && player[kColumnX] > kLineX) {
    LatchControls(app);
    const int lane = zu_f2i(player[kCursorLane]);
    player[kBeamLane] = static_cast<float>(lane);
    player[kBeamTimer] = kBeamLength;
    app.p_PlaySFX(kBeamSound);
    if (LaneNumber(app, lane) > 0.0f) ShootNumber(app, lane);
  }
}

void DrawBeam(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kBeamTimer] <= 0.0f) return;
  app.p_SetCol(100.0f, 150.0f + zu_random_Rnd() * 105.0f, 255.0f, 0.75f);
  app.p_Rect(32.0f, kLaneSpacing * player[kBeamLane] + static_cast<float>(LaneBase()) - 4.0f,
             zu_Quor_jscrw, 9.0f);
  player[kBeamTimer] -= kBeamFade;
}

void DrawCannon(c_MyApp& app) {
  app.p_SetSize(2.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  app.p_SetRot(90.0f);
  app.p_DrawGfx(32.0f, app.m_Player[kCursorY], kCannonSprite);
  app.p_ResetDraw();
}

}  // namespace

// Each number belongs to the target with chance 5/8. A column whose target is its whole
// total would need no shooting, so it is drawn again (the range has already grown).
int c_MyApp::p_Get_Numbers() {
  do {
    m_TmpL = 0;
    m_TmpD = 0;
    for (m_Loop = 1; m_Loop <= kLanes; ++m_Loop) {
      const float number =
          std::floor(1.0f + zu_random_Rnd() * (m_Player[kRange] + 0.99f - 1.0f));
      m_Player[kLaneNumbers + m_Loop] = number;
      if (zu_random_Rnd() * 8.0f < 5.0f) m_TmpL += zu_f2i(number);
      m_TmpD += zu_f2i(number);
    }
    m_KeyLatch = 1;
    m_TouchLatch = 1;
    m_Player[kColumnLift] = 0.0f;
    m_Player[kColumnX] = zu_Quor_jscrw + kColumnEntry;
    m_Player[kTarget] = static_cast<float>(m_TmpL);
    m_Player[kRange] += kRangeGrowth;
  } while (m_TmpL == m_TmpD);
  return 0;
}

int c_MyApp::p_LoadGame_Numbers() {
  p_FreshGame();
  m_Player[kCursorLane] = static_cast<float>(kStartLane);
  m_Player[kRange] = kStartRange;
  m_Player[kDrift] = kStartDrift;
  p_Get_Numbers();
  return 0;
}

int c_MyApp::p_Game_Numbers() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(-0.5f, dy);
  p_AnalogueControl();

  m_Player[kColumnX] -= m_Player[kDrift];
  if (m_Player[kColumnX] < kLineX) m_Player[kColumnX] = kLineX;

  DrawLanes(*this);
  DrawTarget(*this);

  // A column that is already right, or already lost, rushes to the line.
  const float standing = static_cast<float>(m_TmpL);
  if (standing == m_Player[kTarget]) m_Player[kColumnX] -= kHurry;
  if (m_Player[kTarget] > standing) m_Player[kColumnX] -= kHurry;
  ArriveAtLine(*this);

  p_SetCol(255.0f, 255.0f, 255.0f, 0.5f);
  p_Rect(64.0f, 0.0f, 4.0f, zu_Quor_jscrh);

  const float laneY = LaneY(m_Player[kCursorLane]);
  m_Player[kCursorY] -= (m_Player[kCursorY] - laneY) / kCursorEase;
  Controls(*this);
  DrawBeam(*this);
  DrawCannon(*this);

  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
