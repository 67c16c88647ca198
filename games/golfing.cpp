// Golfing (letter G, "Gone Golfin'"): a side view of one flat fairway with a hole, a water
// hazard and a sand trap. The player faces left or right and times a swinging power meter;
// the ball flies, bounces and comes to rest on the fairway, in the sand, in the water or in
// the hole. Every shot that misses costs a stroke (two in the water), every hole won adds
// one, and the play ends when the strokes run out. Only holing out scores.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The ball, the meter and the hole, in m_Player.
constexpr int kBallX = 1;
constexpr int kBallY = 2;
constexpr int kBallVX = 3;  // applied as x += vx / 100
constexpr int kBallVY = 4;  // applied as y += vy / 30
constexpr int kMeter = 5;
constexpr int kMeterSpeed = 6;
constexpr int kState = 7;
constexpr int kTeeX = 8;
constexpr int kFacing = 9;  // 1 right, -1 left
constexpr int kStrokes = 10;
constexpr int kHoleX = 11;
constexpr int kWaterX = 12;
constexpr int kSandX = 13;
constexpr int kMessageTimer = 17;
constexpr int kHoleBonus = 50;

// Ball states.
constexpr float kAiming = 0.0f;
constexpr float kInFlight = 1.0f;
constexpr float kOnGreen = 10.0f;
constexpr float kInHole = 11.0f;
constexpr float kInWater = 12.0f;
constexpr float kInSand = 13.0f;

constexpr float kFirstTeeX = 32.0f;
constexpr float kFirstStrokes = 3.0f;
constexpr float kMostStrokes = 7.0f;
constexpr float kFullBonus = 100.0f;
constexpr float kLeastBonus = 10.0f;
constexpr int kHoleInOneExtra = 150;
constexpr float kRestAboveBottom = 66.0f;  // the ball's resting height
constexpr float kFairwayAboveBottom = 64.0f;

constexpr float kMeterTop = 200.0f;
constexpr float kMeterStep = 5.0f;
constexpr float kPowerBase = 120.0f;
constexpr float kGravity = 8.0f;
constexpr float kAirDrag = 0.5f;
constexpr float kGroundDrag = 12.5f;
constexpr float kBounceVY = 0.1f;
constexpr float kStillSpeed = 0.1f;
constexpr float kWallMargin = 8.0f;
constexpr float kHazardReach = 14.0f;
constexpr float kHoleReach = 6.0f;
constexpr float kSandSlowdown = 0.2f;
constexpr float kGolferOffset = 9.0f;

constexpr float kMessageUpdates = 120.0f;
constexpr float kHoleMessageUpdates = 180.0f;

// Placement of a new hole: ranges kept from the screen edges and the gaps required.
constexpr float kHoleEdge = 96.0f;
constexpr float kHazardEdge = 48.0f;
constexpr float kHoleFromBall = 64.0f;
constexpr float kHazardFromHole = 96.0f;
constexpr float kHazardFromBall = 64.0f;
constexpr float kSandFromWater = 48.0f;
// A screen too narrow for the gaps would redraw forever; after this many draws the last
// one is kept.
constexpr int kMostPlacementDraws = 10000;

constexpr int kFlagSprite = sprite::kGolfingFlag;
constexpr int kBallSprite = sprite::kGolfingBall;
constexpr int kWaterSprite = sprite::kGolfingWater;
constexpr int kSandSprite = sprite::kGolfingSand;
constexpr int kGolferReadySprite = sprite::kGolfingGolferReady;
constexpr int kGolferSwungSprite = sprite::kGolfingGolferSwung;

constexpr int kStrikeSound = 4;
constexpr int kWaterSounds[] = {7, 15};
constexpr int kSandSound = 9;
constexpr int kHoleSounds[] = {95, 8};

float TowardZero(float value, float amount) {
  if (value > 0.0f) return std::max(value - amount, 0.0f);
  return std::min(value + amount, 0.0f);
}

// A whole position in [low, high], drawn until `acceptable` holds (bounded, see above).
template <typename Acceptable>
float RandomPlace(float low, float high, Acceptable acceptable) {
  float place = 0.0f;
  for (int draw = 0; draw < kMostPlacementDraws; ++draw) {
    place = static_cast<float>(zu_f2i(std::floor(low + zu_random_Rnd() * (high + 0.99f - low))));
    if (acceptable(place)) break;
  }
  return place;
}

bool Beyond(float a, float b, float gap) { return std::fabs(a - b) > gap; }

void DrawCourse(c_MyApp& app) {
  const float groundY = zu_Quor_jscrh - kFairwayAboveBottom;
  app.p_SetCol(0.0f, 180.0f, 0.0f);
  app.p_Rect(-64.0f, groundY, zu_Quor_jscrw + 128.0f, 128.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_DrawGfx(app.m_Player[kHoleX], groundY, kFlagSprite);
  app.p_DrawGfx(app.m_Player[kWaterX], groundY, kWaterSprite);
  app.p_DrawGfx(app.m_Player[kSandX], groundY, kSandSprite);
}

// The meter bounces between 0 and 200 all the time, whatever the ball does.
void SwingMeter(Array<float>& player) {
  const float m = player[kMeter] + kMeterStep * player[kMeterSpeed];
  if (m < 0.0f) {
    player[kMeter] = 0.0f;
    player[kMeterSpeed] = std::fabs(player[kMeterSpeed]);
    return;
  }
  player[kMeter] = m;
  if (m > kMeterTop) {
    player[kMeter] = kMeterTop;
    player[kMeterSpeed] = -std::fabs(player[kMeterSpeed]);
  }
}

void DrawBallAndGolfer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_DrawGfx(player[kBallX], player[kBallY], kBallSprite);
  const int sprite = player[kState] > 0.0f ? kGolferSwungSprite : kGolferReadySprite;
  const float groundY = zu_Quor_jscrh - kFairwayAboveBottom;
  if (player[kFacing] < 0.0f) {
    app.p_SetSize(-1.0f, 1.0f);
    app.p_DrawGfx(player[kTeeX] + kGolferOffset, groundY, sprite);
  } else {
    app.p_SetSize(1.0f, 1.0f);
    app.p_DrawGfx(player[kTeeX] - kGolferOffset, groundY, sprite);
  }
  app.p_SetSize(1.0f, 1.0f);
}

bool StrikePressed(c_MyApp& app) {
  return app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0 || app.p_PlayKey(12, 1) != 0;
}

// The power bar stands on the side away from the golfer; fire strikes with the power shown.
void Aim(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.m_TmpI = player[kTeeX] >= zu_Quor_jscrw / 2.0f ? 32 : zu_f2i(zu_Quor_jscrw - 64.0f);
  app.p_SetCol(0.0f, 0.0f, 0.0f);
  app.p_Rect(static_cast<float>(app.m_TmpI), zu_Quor_jscrh - 257.0f, 32.0f, 202.0f);
  app.m_TmpH = std::clamp(zu_f2i(player[kMeter]), 1, 200);
  const float power = static_cast<float>(app.m_TmpH);
  app.p_SetCol(255.0f, 255.0f, 0.0f);
  app.p_Rect(app.m_TmpI + 1.0f, zu_Quor_jscrh - (power + 56.0f), 30.0f, power);
  app.p_SetCol(255.0f, 255.0f, 255.0f);

  if (app.p_PlayKey(3, 1) != 0) player[kFacing] = -1.0f;
  if (app.p_PlayKey(5, 1) != 0) player[kFacing] = 1.0f;
  if (StrikePressed(app) && app.m_KeyLatch == 0) {
    player[kState] = kInFlight;
    app.p_PlaySFX(kStrikeSound);
    const float strike = power + kPowerBase;
    player[kBallVX] = 2.0f * strike * player[kFacing];
    player[kBallVY] = -strike;
    app.m_KeyLatch = 1;
  }
}

// Where the ball touches down decides its fate; a later test overrides an earlier one.
void Land(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kBallY] = zu_Quor_jscrh - kRestAboveBottom;
  player[kBallVY] = kBounceVY;
  player[kBallVX] = TowardZero(player[kBallVX], kGroundDrag);
  const float x = player[kBallX];
  if (std::fabs(x - player[kSandX]) < kHazardReach) {
    player[kState] = kInSand;
    player[kMessageTimer] = kMessageUpdates;
    player[kBallVX] *= kSandSlowdown;
    app.p_PlaySFX(kSandSound);
  }
  if (std::fabs(x - player[kWaterX]) < kHazardReach) {
    player[kBallVX] = 0.0f;
    player[kState] = kInWater;
    player[kMessageTimer] = kMessageUpdates;
    for (int sound : kWaterSounds) app.p_PlaySFX(sound);
  }
  if (std::fabs(x - player[kHoleX]) < kHoleReach) {
    player[kBallX] = player[kHoleX];
    player[kBallVX] = 0.0f;
    player[kState] = kInHole;
    player[kMessageTimer] = kHoleMessageUpdates;
    for (int sound : kHoleSounds) app.p_PlaySFX(sound);
  }
  if (std::fabs(player[kBallVX]) < kStillSpeed && player[kState] == kInFlight) {
    player[kState] = kOnGreen;
    player[kMessageTimer] = kMessageUpdates;
  }
}

void Fly(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kBallX] += player[kBallVX] / 100.0f;
  player[kBallY] += player[kBallVY] / 30.0f;
  player[kBallVY] += kGravity;
  player[kBallVX] = TowardZero(player[kBallVX], kAirDrag);
  if (player[kBallY] > zu_Quor_jscrh - kRestAboveBottom) Land(app);
  if (player[kBallX] < kWallMargin) {
    player[kBallX] = kWallMargin;
    player[kBallVX] = std::fabs(player[kBallVX]);
  }
  if (player[kBallX] > zu_Quor_jscrw - kWallMargin) {
    player[kBallX] = zu_Quor_jscrw - kWallMargin;
    player[kBallVX] = -std::fabs(player[kBallVX]);
  }
}

// Two big lines in the middle of the screen; true once the message's time is up.
bool ShowMessage(c_MyApp& app, const char* top, const char* bottom) {
  const float cx = zu_Quor_jscrw / 2.0f;
  const float cy = zu_Quor_jscrh / 2.0f;
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_SetSize(4.0f);
  app.p_Text(cx, cy - 32.0f, String(top), 1.0f, 1.0f);
  app.p_Text(cx, cy + 32.0f, String(bottom), 1.0f, 1.0f);
  app.m_Player[kMessageTimer] -= 1.0f;
  return app.m_Player[kMessageTimer] < 0.0f;
}

// The ball plays on from where it stopped, one stroke and some bonus spent.
void PlayOnFromBall(Array<float>& player, float bonusLost) {
  player[kState] = kAiming;
  player[kTeeX] = player[kBallX];
  player[kStrokes] -= 1.0f;
  player[kHoleBonus] -= bonusLost;
}

void HoleOut(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kHoleBonus] < kLeastBonus) {
    player[kHoleBonus] = kLeastBonus;
    app.m_Score += zu_f2i(kLeastBonus);
  } else {
    app.m_Score += zu_f2i(player[kHoleBonus]);
    if (player[kHoleBonus] == kFullBonus) app.m_Score += kHoleInOneExtra;
  }
  app.p_Get_Golfing();
}

void Messages(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float state = player[kState];
  if (state == kInWater) {
    const bool done = ShowMessage(app, "WATER", "HAZARD");
    app.p_SetSize(2.0f);
    app.p_Text(zu_Quor_jscrw / 2.0f, zu_Quor_jscrh / 2.0f + 64.0f, String("Lose a Stroke"), 1.0f,
               1.0f);
    if (done) {
      // The shot and the penalty: two strokes.
      player[kState] = kAiming;
      player[kBallX] = player[kTeeX];
      player[kStrokes] -= 2.0f;
      player[kHoleBonus] -= 30.0f;
    }
  } else if (state == kInSand) {
    if (ShowMessage(app, "IN THE", "SAND")) PlayOnFromBall(player, 20.0f);
  } else if (state == kOnGreen) {
    if (ShowMessage(app, "ON THE", "GREEN")) PlayOnFromBall(player, 10.0f);
  } else if (state == kInHole) {
    if (ShowMessage(app, "GOLF", "MASTER!")) HoleOut(app);
  }
  app.p_SetSize(1.0f);
}

// The strokes in a grey disc at the top right, the bonus this hole would pay below it.
void StrokesAndBonus(c_MyApp& app) {
  const Array<float>& player = app.m_Player;
  const float x = zu_Quor_jscrw - 48.0f;
  app.p_SetCol(150.0f, 150.0f, 150.0f);
  app.p_Oval(x, 32.0f, 16.0f, 16.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_SetSize(4.0f);
  app.p_Text(x, 32.0f, String(zu_f2i(player[kStrokes])), 0.75f, 0.75f);
  const float bonus = player[kHoleBonus];
  app.m_TmpD = bonus == kFullBonus ? zu_f2i(kFullBonus) + kHoleInOneExtra
                                   : zu_f2i(std::max(bonus, kLeastBonus));
  app.p_SetSize(2.0f);
  app.p_Text(x, 72.0f, String("Bonus"), 0.75f, 0.75f);
  app.p_Text(x, 90.0f, String(app.m_TmpD), 0.75f, 0.75f);
  app.p_SetSize(1.0f);
}

}  // namespace

// A new hole; the ball stays where it went in and becomes the tee.
int c_MyApp::p_Get_Golfing() {
  Array<float>& player = m_Player;
  const float ballX = player[kBallX];
  player[kTeeX] = ballX;
  player[kFacing] = ballX > zu_Quor_jscrw / 2.0f ? -1.0f : 1.0f;
  player[kMeter] = zu_random_Rnd() * 360.0f;
  player[kHoleBonus] = kFullBonus;
  player[kMeterSpeed] = 0.8f + zu_random_Rnd() * 1.2f;
  player[kBallY] = zu_Quor_jscrh - kRestAboveBottom;
  player[kBallVX] = 0.0f;
  player[kBallVY] = 0.0f;
  player[kStrokes] = std::min(player[kStrokes] + 1.0f, kMostStrokes);
  player[kState] = kAiming;

  const float hole = RandomPlace(kHoleEdge, zu_Quor_jscrw - kHoleEdge, [&](float x) {
    return Beyond(x, ballX, kHoleFromBall);
  });
  player[kHoleX] = hole;
  const float water = RandomPlace(kHazardEdge, zu_Quor_jscrw - kHazardEdge, [&](float x) {
    return Beyond(x, hole, kHazardFromHole) && Beyond(x, ballX, kHazardFromBall);
  });
  player[kWaterX] = water;
  player[kSandX] = RandomPlace(kHazardEdge, zu_Quor_jscrw - kHazardEdge, [&](float x) {
    return Beyond(x, hole, kHazardFromHole) && Beyond(x, water, kSandFromWater) &&
           Beyond(x, ballX, kHazardFromBall);
  });
  m_KeyLatch = 1;  // a fire key still held must be released first
  return 0;
}

int c_MyApp::p_LoadGame_Golfing() {
  p_FreshGame();
  m_Player[kBallX] = kFirstTeeX;
  m_Player[kStrokes] = kFirstStrokes;
  p_Get_Golfing();
  return 0;
}

int c_MyApp::p_Game_Golfing() {
  m_BgTR = 20.0f;
  m_BgTG = 80.0f;
  m_BgTB = 160.0f;
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();

  DrawCourse(*this);
  SwingMeter(m_Player);
  DrawBallAndGolfer(*this);
  if (m_Player[kState] == kAiming && m_Player[kStrokes] > 0.0f) Aim(*this);
  if (m_Player[kState] == kInFlight) Fly(*this);
  Messages(*this);
  if (m_Player[kStrokes] < 1.0f) {
    m_Player[kStrokes] = 0.0f;
    m_Dead = 1;
  }
  if (m_HideHud == 0) StrokesAndBonus(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
