// Yahtzee (letter Y, "DAda Yahtzee"): a pair of dice sinks through a drop zone above a
// well of five columns. The player shifts the pair, swaps its dice and may hurry its fall;
// landed dice drop to the bottom of their columns. A column of five dice is scored at once
// as a poker-dice hand and emptied, its dice tumbling off the screen. 24 pairs make a game.
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The pair and the game, in m_Player.
constexpr int kPairColumn = 1;  // column of the left die, 0..3
constexpr int kPairRow = 2;     // row in the drop zone, 0..3
constexpr int kPairFall = 4;    // fall within the row, 0..1
constexpr int kLeftDie = 8;
constexpr int kRightDie = 9;
constexpr int kPairsLeft = 25;
constexpr int kLabelSlot = 42;
constexpr int kValueCounts = 50;  // + value 1..6
constexpr int kTumblers = 100;    // records k = 0..25 at 100 + 10 k; 100 itself stays empty
constexpr int kLabels = 900;

// Fields of the tumbling-die and hand-label records.
constexpr int kRecordSize = 10;
constexpr int kValue = 0;  // tumbler: die value; label: category code
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kRecordField3 = 3;
constexpr int kSpeedY = 4;
constexpr int kAngle = 5;
constexpr int kSpin = 6;
constexpr int kRecordField7 = 7;
constexpr int kPoints = 8;

constexpr int kColumns = 5;
constexpr int kRows = 9;
constexpr int kFirstWellRow = 4;
constexpr int kLastRow = 8;
constexpr int kLastPairColumn = 3;
constexpr int kPairsPerGame = 24;
constexpr int kStartColumn = 2;
constexpr int kStartLabelSlot = 2;
constexpr int kLabelSlots = 4;
constexpr int kLabelRecordsDrawn = 6;
constexpr int kFreeTumblerFirst = 1;  // records 1..25 may be filled
constexpr int kTumblerRecords = 25;
constexpr float kSinking = 0.01f;
constexpr float kHurrying = 0.2f;
constexpr float kOffScreenRow = -20.0f;

// Category codes.
constexpr int kChance = 10;
constexpr int kThreeOfAKind = 1;
constexpr int kFourOfAKind = 2;
constexpr int kLowSequence = 3;
constexpr int kHighSequence = 4;
constexpr int kFullHouse = 5;
constexpr int kYahtzee = 6;

constexpr int kDieSprite = sprite::kYahtzeeDie - 1;  // + value 1..6
constexpr int kDropTile = 214;
constexpr int kWellTile = 215;

constexpr int kHandSound = 95;
constexpr int kYahtzeeSound = 96;
constexpr int kLandSound = 8;
constexpr int kColumnSound = 13;
constexpr int kSwapSound = 14;
constexpr int kMoveSound = 99;

float Cell() { return zu_Quor_jscrh / 10.0f; }
float WellLeft() { return zu_Quor_jscrw / 2.0f - 2.5f * Cell(); }
float WellTop() { return zu_Quor_jscrh - 9.0f * Cell(); }
float CellX(int column) { return WellLeft() + static_cast<float>(column) * Cell(); }
float CellY(float row) { return WellTop() + row * Cell(); }

float& Well(c_MyApp& app, int row, int column) { return app.m_Map[10 * row + column]; }

float NewDie() { return std::floor(1.0f + zu_random_Rnd() * 5.99f); }

// A label or a tumbling die turns slowly one way or the other.
float SmallSpin() { return zu_random_Rnd() * 2.0f < 1.0f ? -0.01f : 0.01f; }

const char* CategoryLabel(int code) {
  switch (code) {
    case kChance: return "Chance";
    case kThreeOfAKind: return "3 of a Kind";
    case kFourOfAKind: return "4 of a Kind";
    case kLowSequence: return "Low Seq";
    case kHighSequence: return "High Seq";
    case kFullHouse: return "Full House";
    case kYahtzee: return "Yahtzee";
    default: return "";
  }
}

int CategoryPoints(int code) {
  switch (code) {
    case kThreeOfAKind: return 100;
    case kFourOfAKind: return 200;
    case kLowSequence: return 300;
    case kHighSequence: return 400;
    case kFullHouse: return 500;
    case kYahtzee: return 1000;
    default: return 0;
  }
}

void DrawDie(c_MyApp& app, float x, float y, float value) {
  app.p_DrawGfx(x, y, kDieSprite + zu_f2i(value));
}

void DrawTiles(c_MyApp& app) {
  for (int column = 0; column < kColumns; ++column) {
    for (int row = 0; row < kRows; ++row) {
      app.p_DrawGfx(CellX(column), CellY(static_cast<float>(row)),
                    row < kFirstWellRow ? kDropTile : kWellTile);
    }
  }
}

// The pair sinks a hundredth of a row per update, faster while Down is held (once the
// latch from the last pair has been released); below row 3 it lands.
void SinkPair(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (app.m_Dead != 0) return;
  player[kPairFall] += kSinking;
  if (app.p_PlayKey(8, 1) != 0 && app.m_KeyLatch == 0) player[kPairFall] += kHurrying;
  if (player[kPairFall] <= 1.0f) return;
  player[kPairFall] -= 1.0f;
  player[kPairRow] += 1.0f;
  if (player[kPairRow] <= 3.0f) return;
  const int column = zu_f2i(player[kPairColumn]);
  Well(app, kFirstWellRow, column) = player[kLeftDie];
  Well(app, kFirstWellRow, column + 1) = player[kRightDie];
  app.p_Next_Yahtzee();
  app.p_PlaySFX(kLandSound);
}

void DrawPair(c_MyApp& app) {
  const Array<float>& player = app.m_Player;
  const int column = zu_f2i(player[kPairColumn]);
  const float y = CellY(player[kPairRow] + player[kPairFall]);
  DrawDie(app, CellX(column), y, player[kLeftDie]);
  DrawDie(app, CellX(column + 1), y, player[kRightDie]);
}

// Scanning downwards, each die moves into an empty cell below it, so it falls all the way
// within one update (drawn at every row it passes). A column holding five dice is scored
// and emptied.
void SettleColumn(c_MyApp& app, int column) {
  for (int row = kFirstWellRow; row <= kLastRow; ++row) {
    float& cell = Well(app, row, column);
    if (cell <= 0.0f) continue;
    DrawDie(app, CellX(column), CellY(static_cast<float>(row)), cell);
    if (row < kLastRow && Well(app, row + 1, column) == 0.0f) {
      Well(app, row + 1, column) = cell;
      cell = 0.0f;
    }
  }
  for (int row = kFirstWellRow; row <= kLastRow; ++row) {
    if (Well(app, row, column) <= 0.0f) return;
  }
  const float x = CellX(column);
  app.p_Score_Yahtzee(zu_f2i(Well(app, 4, column)), zu_f2i(Well(app, 5, column)),
                      zu_f2i(Well(app, 6, column)), zu_f2i(Well(app, 7, column)),
                      zu_f2i(Well(app, 8, column)), x,
                      CellY(app.m_Player[kLabelSlot] + 2.0f));
  app.p_PlaySFX(kColumnSound);
  for (int row = kFirstWellRow; row <= kLastRow; ++row) {
    app.p_Magic_Yahtzee(x, CellY(static_cast<float>(row)), zu_f2i(Well(app, row, column)));
    Well(app, row, column) = 0.0f;
  }
}

// Tumbling dice fall ever faster and spin up in the direction they started.
void TumbleDice(c_MyApp& app) {
  for (int k = 0; k <= kTumblerRecords; ++k) {
    float* die = &app.m_Player[kTumblers + kRecordSize * k];
    if (die[kValue] <= 0.0f) continue;
    die[kSpeedY] += 0.06f + zu_random_Rnd() * 0.06f;
    die[kY] += die[kSpeedY];
    die[kAngle] += die[kSpin];
    if (die[kSpin] > 0.0f) {
      die[kSpin] += 0.01f + zu_random_Rnd() * 0.02f;
    } else if (die[kSpin] < 0.0f) {
      die[kSpin] -= 0.01f + zu_random_Rnd() * 0.02f;
    }
    app.p_SetRot(die[kAngle]);
    DrawDie(app, die[kX], die[kY], die[kValue]);
    if (die[kY] > zu_Quor_jscrh + 64.0f) die[kValue] = 0.0f;
  }
  app.p_SetRot(0.0f);
}

// Each press acts once; the shell clears the latch only when nothing is held.
void Controls(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (app.m_KeyLatch == 0 && app.p_PlayKey(3, 1) != 0) {
    app.m_KeyLatch = 1;
    if (player[kPairColumn] > 0.0f) player[kPairColumn] -= 1.0f;
    app.p_PlaySFX(kMoveSound);
  }
  if (app.m_KeyLatch == 0 && app.p_PlayKey(5, 1) != 0) {
    app.m_KeyLatch = 1;
    if (player[kPairColumn] < static_cast<float>(kLastPairColumn)) player[kPairColumn] += 1.0f;
    app.p_PlaySFX(kMoveSound);
  }
  if (app.m_KeyLatch == 0 && app.p_PlayKey(10, 1) != 0) {
    app.m_KeyLatch = 1;
    const float left = player[kLeftDie];
    player[kLeftDie] = player[kRightDie];
    player[kRightDie] = left;
    app.p_PlaySFX(kSwapSound);
  }
}

// Hand labels rise ever faster from where the hand was scored, with their points below.
void RaiseLabels(c_MyApp& app) {
  app.p_SetSize(2.0f);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  for (int k = 0; k < kLabelRecordsDrawn; ++k) {
    float* label = &app.m_Player[kLabels + kRecordSize * k];
    if (label[kValue] <= 0.0f) continue;
    label[kY] += label[kSpeedY];
    label[kSpeedY] -= 0.005f + zu_random_Rnd() * 0.01f;
    if (label[kY] < -32.0f) label[kValue] = 0.0f;
    label[kAngle] += label[kSpin];
    app.p_SetRot(label[kAngle]);
    app.p_Text(label[kX], label[kY], CategoryLabel(zu_f2i(label[kValue])), 1.0f, 1.0f);
    if (label[kPoints] > 0.0f) {
      app.p_Text(label[kX], label[kY] + 20.0f, String(zu_f2i(label[kPoints])), 1.0f, 1.0f);
    }
  }
  app.p_SetRot(0.0f);
}

void DrawPairsLeft(c_MyApp& app) {
  const float x = zu_Quor_jscrw - 64.0f;
  app.p_SetSize(5.0f);
  app.p_Text(x, zu_Quor_jscrh / 2.0f, String(zu_f2i(app.m_Player[kPairsLeft])), 1.0f, 1.0f);
  app.p_SetSize(2.0f);
  app.p_Text(x, zu_Quor_jscrh / 2.0f - 48.0f, "Remaining", 1.0f, 1.0f);
}

}  // namespace

int c_MyApp::p_Score_Yahtzee(int d1, int d2, int d3, int d4, int d5, float x, float y) {
  for (int value = 1; value <= 6; ++value) m_Player[kValueCounts + value] = 0.0f;
  const int dice[] = {d1, d2, d3, d4, d5};
  // A value outside 1..6 cannot come from the well; it is left out of the counts.
  for (int die : dice) {
    if (die >= 1 && die <= 6) m_Player[kValueCounts + die] += 1.0f;
  }
  auto anyCount = [this](float n) {
    for (int value = 1; value <= 6; ++value) {
      if (m_Player[kValueCounts + value] == n) return true;
    }
    return false;
  };
  auto eachOnce = [this](int from, int to) {
    for (int value = from; value <= to; ++value) {
      if (m_Player[kValueCounts + value] != 1.0f) return false;
    }
    return true;
  };
  int code = anyCount(3) ? kThreeOfAKind : kChance;
  if (anyCount(4)) code = kFourOfAKind;
  if (eachOnce(1, 5)) code = kLowSequence;
  if (eachOnce(2, 6)) code = kHighSequence;
  if (anyCount(2) && code == kThreeOfAKind) code = kFullHouse;
  if (anyCount(5)) code = kYahtzee;

  int points = CategoryPoints(code);
  if (code == kChance) {
    points = d1 + d2 + d3 + d4 + d5;
  } else {
    p_PlaySFX(code == kYahtzee ? kYahtzeeSound : kHandSound);
  }

  m_Player[kLabelSlot] =
      static_cast<float>((zu_f2i(m_Player[kLabelSlot]) + 1) % kLabelSlots);
  float* label = &m_Player[kLabels + kRecordSize * zu_f2i(m_Player[kLabelSlot])];
  label[kValue] = static_cast<float>(code);
  label[kX] = x;
  label[kY] = y;
  label[kRecordField3] = 0.0f;
  label[kSpeedY] = 0.0f;
  label[kAngle] = 0.0f;
  label[kRecordField7] = 0.0f;
  label[kSpin] = SmallSpin();
  label[kPoints] = static_cast<float>(points);
  m_Score += points;
  return 0;
}

// With every record busy the die simply vanishes.
int c_MyApp::p_Magic_Yahtzee(float x, float y, int value) {
  for (int k = kTumblerRecords; k >= kFreeTumblerFirst; --k) {
    float* die = &m_Player[kTumblers + kRecordSize * k];
    if (die[kValue] != 0.0f) continue;
    die[kValue] = static_cast<float>(value);
    die[kX] = x;
    die[kY] = y;
    die[kRecordField3] = 0.0f;
    die[kSpeedY] = 0.0f;
    die[kAngle] = 0.0f;
    die[kSpin] = SmallSpin();
    return 0;
  }
  return 0;
}

int c_MyApp::p_Next_Yahtzee() {
  m_Player[kPairsLeft] -= 1.0f;
  if (m_Player[kPairsLeft] < 1.0f) {
    m_Dead = 1;
    m_Player[kPairColumn] = static_cast<float>(kStartColumn);
    m_Player[kPairRow] = kOffScreenRow;
  }
  if (m_Player[kPairsLeft] > 0.0f) {
    m_Player[kLeftDie] = NewDie();
    m_Player[kRightDie] = NewDie();
    m_Player[kPairRow] = 0.0f;
    m_Player[kPairFall] = 0.0f;
    m_Player[kPairColumn] = static_cast<float>(kStartColumn);
    m_KeyLatch = 1;
  }
  return 0;
}

int c_MyApp::p_LoadGame_Yahtzee() {
  p_FreshGame();
  m_Player[kLabelSlot] = static_cast<float>(kStartLabelSlot);
  m_Player[kPairsLeft] = static_cast<float>(kPairsPerGame);
  m_Player[kLeftDie] = NewDie();
  m_Player[kRightDie] = NewDie();
  m_Player[kPairColumn] = static_cast<float>(kStartColumn);
  for (int element = kPairRow; element <= kPairFall; ++element) m_Player[element] = 0.0f;
  m_KeyLatch = 1;
  return 0;
}

int c_MyApp::p_Game_Yahtzee() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_SetSize(Cell() / 32.0f);

  DrawTiles(*this);
  SinkPair(*this);
  DrawPair(*this);
  for (int column = 0; column < kColumns; ++column) SettleColumn(*this, column);
  TumbleDice(*this);
  Controls(*this);
  RaiseLabels(*this);
  DrawPairsLeft(*this);

  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
