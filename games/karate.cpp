// Karate (letter K): a fighter stands in the middle of the screen while opponents of three
// kinds walk in from the edges at three heights. Each must be struck with the move of its
// kind, towards its side, from the stance of its height (jump high, stand middle, duck
// low). A right strike scores five; a wrong one removes the opponent but costs energy, and
// one that reaches the fighter costs more. The game ends when the energy bar is empty.
#include <algorithm>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The fighter and the spawner, in m_Player.
constexpr int kNextOpponent = 1;  // updates until the next opponent
constexpr int kInterval = 2;      // spawn interval in updates
constexpr int kStance = 10;       // -1 jumping, 0 standing, 1 ducking
constexpr int kStanceTimer = 11;
constexpr int kStrike = 12;       // 0 none; 1..3 to the right, 5..7 to the left, by kind
constexpr int kStrikeTimer = 13;
constexpr int kEnergy = 15;       // 0..100

// Opponents: 51 records of 10 Floats from element 0 of m_Map.
constexpr int kRecordSize = 10;
constexpr int kOpponents = 51;
constexpr int kKind = 0;  // 1..3, 0 free
constexpr int kPosX = 1;
constexpr int kLane = 2;  // 1 high, 2 middle, 3 low

constexpr int kJumping = -1;
constexpr int kDucking = 1;
constexpr int kLeftStrikes = 4;  // added to the kind for a strike towards the left
constexpr int kMoveTime = 30;

constexpr float kFirstWait = 240.0f;
constexpr float kStartInterval = 120.0f;
constexpr float kShortestInterval = 45.0f;
constexpr float kIntervalStep = 2.0f;
constexpr float kMiddleOnlyAbove = 110.0f;
constexpr float kBothSidesBelow = 100.0f;
constexpr float kWalkSpeed = 2.5f;
constexpr float kStopDistance = 32.0f;
constexpr float kStrikeReach = 64.0f;
constexpr float kContactReach = 33.0f;
constexpr float kEntryMargin = 64.0f;
constexpr int kRightPoints = 5;
constexpr float kWrongCost = 15.0f;
constexpr float kContactCost = 25.0f;
constexpr int kParticles = 17;
constexpr int kDebris = 2;

constexpr int kRight = 1;
constexpr int kWrong = 2;

constexpr int kFighterSprite = sprite::kKarateStanding;  // + stance base + strike
constexpr int kBeatenSprite = sprite::kKarateBeaten;
constexpr int kOpponentSprite[4] = {0, sprite::kKarateRedNinja, sprite::kKarateTealNinja,
                                  sprite::kKarateGreenNinja};
constexpr int kStrikeSound = 14;
constexpr int kHurtSound = 7;  // or the next one

// The strike buttons per kind, for the keyboard and for joypads.
constexpr int kKeyboardButton[4] = {0, 12, 10, 11};
constexpr int kJoypadButton[4] = {0, 11, 12, 10};

const char* Label(int kind) {
  switch (kind) {
    case 1: return "\xacL";
    case 2: return "\xacJ";
    default: return "\xacK";
  }
}

// Burst colours of the kinds; a record already emptied gives the first.
int ColourOf(float kind) {
  if (kind == 2.0f) return 5;
  if (kind == 3.0f) return 4;
  return 1;
}

int StanceBase(float stance) {
  if (stance == kDucking) return sprite::kKarateDucking - sprite::kKarateStanding;
  if (stance == kJumping) return sprite::kKarateJumping - sprite::kKarateStanding;
  return 0;
}

// Jumping reaches only the high lane, standing the middle one, ducking the low one.
bool StanceReaches(float stance, float lane) { return lane == stance + 2.0f; }

void Burst(c_MyApp& app, float x, float y, int kind, int colour) {
  for (app.m_TmpO = 0; app.m_TmpO < kParticles; ++app.m_TmpO) {
    app.p_ThrowParticle(x, y, kind, colour);
  }
}

void PlayHurt(c_MyApp& app) { app.p_PlaySFX(kHurtSound + zu_f2i(zu_random_Rnd() * 2.0f)); }

float LaneY(const c_MyApp& app, float lane) { return app.m_TmpR - 125.0f + 50.0f * (lane - 1.0f); }

// 1 for the right move, 2 for a wrong one towards the opponent, 0 when the strike
// misses it (the other side, or a stance that does not reach its lane).
int StrikeOutcome(const c_MyApp& app, const float* opponent, float cx) {
  const int strike = zu_f2i(app.m_Player[kStrike]);
  int outcome = 0;
  if (strike >= 1 && strike <= 3 && opponent[kPosX] > cx) {
    outcome = strike == opponent[kKind] ? kRight : kWrong;
  }
  if (strike >= 5 && strike <= 7 && opponent[kPosX] < cx) {
    outcome = strike - kLeftStrikes == opponent[kKind] ? kRight : kWrong;
  }
  if (!StanceReaches(app.m_Player[kStance], opponent[kLane])) outcome = 0;
  return outcome;
}

void StrikeAt(c_MyApp& app, float* opponent, float cx) {
  if (opponent[kPosX] <= cx - kStrikeReach || opponent[kPosX] >= cx + kStrikeReach) return;
  app.m_TmpF = StrikeOutcome(app, opponent, cx);
  if (app.m_TmpF == 0) return;
  if (app.m_TmpF == kRight) {
    app.p_PlaySFX(kStrikeSound, 1.0f, 1.0f);
    app.m_Score += kRightPoints;
  } else {
    PlayHurt(app);
    app.m_Player[kEnergy] -= kWrongCost;
  }
  const int colour = ColourOf(opponent[kKind]);
  opponent[kKind] = 0.0f;
  Burst(app, opponent[kPosX], LaneY(app, opponent[kLane]), app.m_TmpF, colour);
}

// An opponent that reaches the fighter is spent, even one struck in this same update.
void Contact(c_MyApp& app, float* opponent, float cx) {
  if (opponent[kPosX] <= cx - kContactReach || opponent[kPosX] >= cx + kContactReach) return;
  const int colour = ColourOf(opponent[kKind]);
  opponent[kKind] = 0.0f;
  Burst(app, opponent[kPosX], LaneY(app, opponent[kLane]), kDebris, colour);
  PlayHurt(app);
  app.m_Player[kEnergy] -= kContactCost;
}

void DrawOpponent(c_MyApp& app, const float* opponent) {
  const int kind = zu_f2i(opponent[kKind]);
  const float y = LaneY(app, opponent[kLane]);
  app.p_DrawGfx(opponent[kPosX], y, kOpponentSprite[kind]);
  if (app.m_Platform == 0) app.p_Text(opponent[kPosX], y, String(Label(kind)), 0.65f, 1.5f);
}

// Walks the opponents; the last free record is left in m_TmpN for the spawner.
void UpdateOpponents(c_MyApp& app) {
  const float cx = zu_Quor_jscrw / 2.0f;
  app.p_SetCol(255.0f, 255.0f, 255.0f, 1.0f);
  app.p_SetSize(2.0f, 2.0f);
  app.m_TmpN = -1;
  for (app.m_Loop = 0; app.m_Loop < kOpponents; ++app.m_Loop) {
    float* opponent = &app.m_Map[app.m_Loop * kRecordSize];
    if (opponent[kKind] == 0.0f) {
      app.m_TmpN = app.m_Loop * kRecordSize;
      continue;
    }
    if (opponent[kPosX] > cx + kStopDistance) opponent[kPosX] -= kWalkSpeed;
    if (opponent[kPosX] < cx - kStopDistance) opponent[kPosX] += kWalkSpeed;
    StrikeAt(app, opponent, cx);
    Contact(app, opponent, cx);
    if (opponent[kKind] >= 1.0f && opponent[kKind] <= 3.0f) DrawOpponent(app, opponent);
  }
}

// The first opponents all come at middle height from the right; once the interval is
// below 100, half of them come from the left.
void SpawnOpponent(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kNextOpponent] -= 1.0f;
  if (player[kNextOpponent] >= 0.0f) return;
  player[kNextOpponent] = player[kInterval];
  player[kInterval] = std::max(player[kInterval] - kIntervalStep, kShortestInterval);
  if (app.m_TmpN < 0) return;
  float* opponent = &app.m_Map[app.m_TmpN];
  opponent[kKind] = static_cast<float>(app.p_Rand(1.0f, 3.0f));
  opponent[kPosX] = zu_Quor_jscrw + kEntryMargin;
  opponent[kLane] = static_cast<float>(app.p_Rand(1.0f, 3.0f));
  if (player[kInterval] > kMiddleOnlyAbove) opponent[kLane] = 2.0f;
  if (player[kInterval] < kBothSidesBelow && zu_random_Rnd() * 2.0f < 1.0f) {
    opponent[kPosX] = -kEntryMargin;
  }
}

void CountDownMoves(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kStanceTimer] -= 1.0f;
  if (player[kStanceTimer] < 0.0f) player[kStance] = 0.0f;
  player[kStrikeTimer] -= 1.0f;
  if (player[kStrikeTimer] < 0.0f) player[kStrike] = 0.0f;
}

// Later controls override earlier ones; a held button keeps its move alive.
void ReadControls(c_MyApp& app) {
  if (app.m_KeyLatch != 0 || app.m_Dead != 0) return;
  Array<float>& player = app.m_Player;
  if (app.p_PlayKey(0, 1) != 0) {
    player[kStance] = kJumping;
    player[kStanceTimer] = kMoveTime;
  }
  if (app.p_PlayKey(8, 1) != 0) {
    player[kStance] = kDucking;
    player[kStanceTimer] = kMoveTime;
  }
  const int* buttons = app.m_Platform == 0 ? kKeyboardButton : kJoypadButton;
  const int side = app.p_PlayKey(3, 1) != 0 ? kLeftStrikes : 0;
  for (int kind = 1; kind <= 3; ++kind) {
    if (app.p_PlayKey(buttons[kind], 1) == 0) continue;
    player[kStrike] = static_cast<float>(kind + side);
    player[kStrikeTimer] = kMoveTime;
  }
}

void DrawFighter(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  app.p_SetSize(5.0f, 5.0f);
  int sprite = kFighterSprite + StanceBase(player[kStance]) + zu_f2i(player[kStrike]);
  if (app.m_Dead != 0) {
    sprite = kBeatenSprite;
    player[kStance] = 0.0f;
    player[kStrike] = 0.0f;
  }
  app.m_TmpH = sprite;
  app.p_DrawGfx(zu_Quor_jscrw / 2.0f, zu_Quor_jscrh - 160.0f, sprite);
}

// The bar empties with the energy; once it has no width left the game is over.
void DrawEnergy(c_MyApp& app) {
  const float cx = zu_Quor_jscrw / 2.0f;
  app.p_SetCol(0.0f, 0.0f, 255.0f, 0.8f);
  app.p_Rect(cx - 202.0f, zu_Quor_jscrh - 32.0f, 404.0f, 16.0f);
  app.p_SetCol(0.0f, 255.0f, 0.0f, 0.8f);
  const int width = std::min(zu_f2i(app.m_Player[kEnergy] * 4.0f), 400);
  if (width > 0) {
    app.p_Rect(cx - 200.0f, zu_Quor_jscrh - 31.0f, static_cast<float>(width), 14.0f);
  } else {
    app.m_Dead = 1;
  }
}

void DrawLines(c_MyApp& app) {
  app.m_TmpR = zu_f2i(zu_Quor_jscrh - 80.0f);
  app.m_TmpA = app.m_TmpR - 50;
  app.m_TmpD = app.m_TmpR - 100;
  app.m_TmpG = app.m_TmpR - 150;
  const float width = zu_Quor_jscrw + 128.0f;
  app.p_SetCol(255.0f, 0.0f, 0.0f);
  app.p_Rect(-64.0f, static_cast<float>(app.m_TmpR), width, 4.0f);
  app.p_SetCol(0.0f, 128.0f, 255.0f);
  app.p_Rect(-64.0f, static_cast<float>(app.m_TmpA), width, 4.0f);
  app.p_SetCol(255.0f, 128.0f, 0.0f);
  app.p_Rect(-64.0f, static_cast<float>(app.m_TmpD), width, 4.0f);
  app.p_SetCol(255.0f, 255.0f, 0.0f);
  app.p_Rect(-64.0f, static_cast<float>(app.m_TmpG), width, 4.0f);
}

}  // namespace

int c_MyApp::p_LoadGame_Karate() {
  p_FreshGame();
  for (int element = kStance; element <= kStrikeTimer; ++element) m_Player[element] = 0.0f;
  m_Player[kEnergy] = 100.0f;
  m_Player[kNextOpponent] = kFirstWait;
  m_Player[kInterval] = kStartInterval;
  // A fire key still held from the menu must not strike.
  m_KeyLatch = 1;
  return 0;
}

int c_MyApp::p_Game_Karate() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();

  DrawLines(*this);
  UpdateOpponents(*this);
  SpawnOpponent(*this);
  CountDownMoves(*this);
  ReadControls(*this);
  DrawFighter(*this);
  DrawEnergy(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay(0);
  return 0;
}
