// Detonation (letter D, "Destructive"): up to a hundred small balls drift across the screen,
// wrapping at the edges. The player aims a cursor and sets off one detonation per level;
// every ball touching an explosion explodes in turn. Once the last explosion has faded the
// level is judged: 40 percent destroyed starts a new level, less ends the game. A caught
// ball scores one plus the percentage destroyed so far, so long chains pay most.
#include <algorithm>
#include <cmath>

#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The cursor and the level, in m_Player.
constexpr int kCursorX = 1;
constexpr int kCursorY = 2;
constexpr int kSpeedX = 3;
constexpr int kSpeedY = 4;
constexpr int kFired = 10;
constexpr int kJudgingTimer = 11;
constexpr int kLevel = 21;
constexpr int kBallCount = 50;

// Records of 10 Floats in m_Map: record 0 is the detonation, 1..100 the balls.
constexpr int kRecordSize = 10;
constexpr int kDetonation = 0;
constexpr int kLastRecord = 100;
constexpr int kState = 0;  // 0 gone, 1 moving, 2..180 exploding (the phase in degrees)
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kSpeedXField = 3;
constexpr int kSpeedYField = 4;

constexpr float kMoving = 1.0f;
constexpr float kFirstPhase = 2.0f;
constexpr float kPhaseStep = 3.0f;
constexpr float kLastPhase = 180.0f;
constexpr float kBlastRadius = 48.0f;
constexpr float kBallReach = 4.0f;  // added to the squared blast radius

constexpr int kMostBalls = 100;
constexpr int kFewestBalls = 20;
constexpr int kFewerPerLevel = 8;
constexpr int kPassPercent = 40;
constexpr int kVerdictSoundAt = 4;
constexpr int kJudgingUpdates = 120;

constexpr float kCameraEase = 0.125f;
constexpr float kTopSpeedX = 7.5f;
constexpr float kTopSpeedY = 3.5f;
constexpr float kDeadZone = 0.2f;
constexpr float kCursorMargin = 16.0f;

constexpr int kCursorSprite = sprite::kDetonationCursor;
constexpr int kDetonationSound = 9;
constexpr int kFailSound = 12;
constexpr int kPassSound = 95;
constexpr int kSparks = 4;
constexpr int kSparkKind = 1;
constexpr int kWhite = 9;

float Clamp(float value, float low, float high) { return std::max(low, std::min(value, high)); }

// Moves the speed toward 0 by `step` without passing it.
float Brake(float speed, float step) {
  if (speed > 0.0f) return std::max(speed - step, 0.0f);
  return std::min(speed + step, 0.0f);
}

// Wraps a coordinate that has left one edge round to the other.
float Wrap(float value, float size) {
  if (value < 0.0f) value += size;
  if (value > size) value -= size;
  return value;
}

int ComputeBlastRadius(float phase) {
  return zu_f2i(kBlastRadius * std::sin(phase * zu_math_DegreesToRadians));
}

// Phases are whole degrees in play (2, 5, ... 179), so their radii are looked up; any
// other phase is computed the same way.
struct RadiusTable {
  int radius[181];
  RadiusTable() {
    for (int phase = 0; phase <= 180; ++phase) radius[phase] = ComputeBlastRadius(static_cast<float>(phase));
  }
};
const RadiusTable kRadii;

int BlastRadius(float phase) {
  const int whole = static_cast<int>(phase);
  if (whole >= 0 && whole <= 180 && static_cast<float>(whole) == phase) return kRadii.radius[whole];
  return ComputeBlastRadius(phase);
}

// The records exploding during an update, in record order. A ball is tested against these
// alone instead of every record; a ball caught joins them at its place, so the balls after
// it meet it in the same update, as they would walking all the records.
class Blasts {
 public:
  explicit Blasts(c_MyApp& app) {
    for (int k = 0; k <= kLastRecord; ++k) {
      if (app.m_Map[k * kRecordSize + kState] > kMoving) records_[count_++] = k;
    }
  }
  void Add(int k) {
    int at = count_++;
    for (; at > 0 && records_[at - 1] > k; --at) records_[at] = records_[at - 1];
    records_[at] = k;
  }
  const int* begin() const { return records_; }
  const int* end() const { return records_ + count_; }

 private:
  int records_[kLastRecord + 1];
  int count_ = 0;
};

float* Record(c_MyApp& app, int k) { return &app.m_Map[k * kRecordSize]; }

// Steering and the one detonation of the level; a press held from before does not count.
void AimAndFire(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_DrawGfx(player[kCursorX], player[kCursorY], kCursorSprite);
  player[kSpeedX] = Clamp(player[kSpeedX] + app.m_StickX, -kTopSpeedX, kTopSpeedX);
  if (std::fabs(app.m_StickX) < kDeadZone) player[kSpeedX] = Brake(player[kSpeedX], 0.8f);
  player[kSpeedY] = Clamp(player[kSpeedY] + 0.5f * app.m_StickY, -kTopSpeedY, kTopSpeedY);
  if (std::fabs(app.m_StickY) < kDeadZone) player[kSpeedY] = Brake(player[kSpeedY], 0.4f);
  player[kCursorX] = Clamp(player[kCursorX] + player[kSpeedX], kCursorMargin,
                           zu_Quor_jscrw - kCursorMargin);
  player[kCursorY] = Clamp(player[kCursorY] + player[kSpeedY], kCursorMargin,
                           zu_Quor_jscrh - kCursorMargin);

  if (app.m_KeyLatch == 0 && app.m_TouchLatch == 0 && app.p_PlayKey(10, 1) != 0) {
    player[kFired] = 1.0f;
    float* detonation = Record(app, kDetonation);
    detonation[kState] = kFirstPhase;
    detonation[kX] = player[kCursorX];
    detonation[kY] = player[kCursorY];
    app.p_PlaySFX(kDetonationSound, 1.0f, 1.0f);
  }
}

// A moving ball caught by any explosion starts exploding itself. Its pitch and bang are
// drawn even with the sound off, so later layouts do not depend on the setting. m_Loop2
// ends one past the record that caught the ball, or past the last record, and m_TmpH holds
// the last squared radius tested, as a walk over every record leaves them.
void CatchBall(c_MyApp& app, float* ball, Blasts& blasts) {
  app.m_Loop2 = kLastRecord + 1;
  bool caught = false;
  for (const int k : blasts) {
    const float* other = Record(app, k);
    if (other[kState] <= kMoving) continue;
    const int radius = BlastRadius(other[kState]);
    app.m_TmpH = radius * radius;
    const float dx = ball[kX] - other[kX];
    const float dy = ball[kY] - other[kY];
    if (dx * dx + dy * dy >= static_cast<float>(app.m_TmpH) + kBallReach) continue;
    app.m_Loop2 = k + 1;
    caught = true;
    break;
  }
  if (!caught) return;
  ball[kState] = kFirstPhase;
  blasts.Add(app.m_Loop);
  app.m_Score += app.m_TmpP + 1;
  for (app.m_TmpO = 0; app.m_TmpO < kSparks; ++app.m_TmpO) {
    app.p_ThrowParticle(ball[kX], ball[kY], kSparkKind, kWhite);
  }
  const float pitch = 0.8f + zu_random_Rnd() * 0.4f;
  const int bang = app.p_Rand(7.0f, 9.0f);
  app.p_PlaySFX(bang, pitch, 1.0f, 0.0f);
}

// Balls drift and wrap, explosions grow and shrink over 60 updates; counts the balls still
// moving (m_TmpM) and the records exploding (m_TmpI).
void UpdateRecords(c_MyApp& app) {
  app.m_TmpI = 0;
  app.m_TmpM = 0;
  Blasts blasts(app);
  for (app.m_Loop = 0; app.m_Loop <= kLastRecord; ++app.m_Loop) {
    float* record = Record(app, app.m_Loop);
    const int colour = app.m_Loop % 8;
    if (record[kState] == kMoving) {
      app.m_TmpM += 1;
      record[kX] = Wrap(record[kX] + record[kSpeedXField], zu_Quor_jscrw);
      record[kY] = Wrap(record[kY] + record[kSpeedYField], zu_Quor_jscrh);
      app.p_Alpha(1.0f);
      app.p_Ink(colour, 4.0f);
      app.p_Rect(record[kX] - 2.0f, record[kY] - 2.0f, 5.0f, 5.0f);
      CatchBall(app, record, blasts);
    }
    if (record[kState] > kMoving) {
      app.m_TmpI += 1;
      app.m_TmpH = BlastRadius(record[kState]);
      app.p_Ink(colour, 1.0f);
      app.p_Alpha(0.65f);
      const float radius = static_cast<float>(app.m_TmpH);
      app.p_Oval(record[kX], record[kY], radius, radius);
      record[kState] += kPhaseStep;
      if (record[kState] > kLastPhase) record[kState] = 0.0f;
    }
  }
}

void ShowDestroyedCount(c_MyApp& app) {
  if (app.m_HideHud != 0) return;
  app.p_SetSize(3.0f, 3.0f);
  app.p_SetRot(0.0f);
  app.p_SetCol(180.0f, 255.0f, 180.0f, 0.9f);
  app.m_Blend = 1;
  app.p_Text(zu_Quor_jscrw - 8.0f, 16.0f, String(app.m_TmpM) + String("%"), 2.0f);
  app.p_ResetDraw();
}

// After the last explosion: the verdict sounds once, the result stays up for 120 updates,
// and then the next level starts or the game ends.
void Judge(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kJudgingTimer] += 1.0f;
  const bool atVerdict = player[kJudgingTimer] == static_cast<float>(kVerdictSoundAt);
  app.m_TmpC = app.m_TmpP < kPassPercent ? 0 : 1;
  if (atVerdict) app.p_PlaySFX(app.m_TmpC == 1 ? kPassSound : kFailSound, 1.0f, 1.0f);

  const float centreX = zu_Quor_jscrw / 2.0f;
  const float centreY = zu_Quor_jscrh / 2.0f;
  app.p_Ink(2, 1.0f);
  app.p_SetSize(6.0f, 6.0f);
  app.p_Text(centreX, centreY, String(app.m_TmpP) + String("% Destroyed"), 1.0f);
  app.p_Ink(app.m_TmpC == 1 ? 5 : 1, 1.0f);
  app.p_SetSize(2.0f, 2.0f);
  app.p_Text(centreX, centreY + 48.0f, String("40% for the next level"), 1.0f);

  if (player[kJudgingTimer] > static_cast<float>(kJudgingUpdates)) {
    if (app.m_TmpC == 0) {
      app.m_Dead = 1;
    } else {
      app.p_Level_Detonation();
      player[kJudgingTimer] = 0.0f;
    }
  }
}

}  // namespace

int c_MyApp::p_Level_Detonation() {
  Array<float>& player = m_Player;
  Record(*this, kDetonation)[kState] = 0.0f;
  player[kFired] = 0.0f;

  const int count = std::max(
      zu_f2i(static_cast<float>(kMostBalls) - (player[kLevel] - 1.0f) * kFewerPerLevel),
      kFewestBalls);
  player[kBallCount] = static_cast<float>(count);
  // Every record draws its four numbers, live or not: 400 draws a level.
  for (int k = 1; k <= kLastRecord; ++k) {
    float* ball = Record(*this, k);
    ball[kState] = k <= count ? kMoving : 0.0f;
    ball[kX] = zu_random_Rnd() * zu_Quor_jscrw;
    ball[kY] = zu_random_Rnd() * zu_Quor_jscrh;
    ball[kSpeedXField] = zu_random_Rnd() * 4.0f - 2.0f;
    ball[kSpeedYField] = zu_random_Rnd() * 4.0f - 2.0f;
  }
  player[kCursorX] = zu_Quor_jscrw / 2.0f;
  player[kCursorY] = zu_Quor_jscrh / 2.0f;
  m_KeyLatch = 1;
  m_TouchLatch = 1;
  return 0;
}

int c_MyApp::p_LoadGame_Detonation() {
  p_FreshGame();
  m_Player[kLevel] = 1.0f;
  p_Level_Detonation();
  return 0;
}

int c_MyApp::p_Game_Detonation() {
  p_DoBG();
  p_ResetDraw();
  p_StepCamera(kCameraEase);
  p_AnalogueControl();
  p_ResetDraw();

  if (m_Player[kFired] == 0.0f) AimAndFire(*this);
  UpdateRecords(*this);
  m_TmpM = zu_f2i(m_Player[kBallCount] - static_cast<float>(m_TmpM));
  ShowDestroyedCount(*this);
  // The ball count is at least 20 once a level is set; 0 would mean no level, and nothing
  // destroyed.
  const float balls = m_Player[kBallCount];
  m_TmpP = balls > 0.0f ? zu_f2i(static_cast<float>(m_TmpM) * 100.0f / balls) : 0;
  if (m_Player[kFired] == 1.0f && m_TmpI == 0) Judge(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
