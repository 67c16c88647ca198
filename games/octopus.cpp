// Octopus (letter O, "Ooooh Octopus!"): the player steps through the corridors of a 17 x 10
// grid eating bubbles. A block of coloured pieces whose surrounding corridors are all eaten
// is completed (fifty points) and may hatch an octopus from a hidden egg. Octopi wander the
// corridors and cost a life when touched. Once all twelve blocks are completed a prize shows
// up; catching it builds the next arena, with more eggs and faster octopi.
#include <algorithm>
#include <cmath>

#include "framework/app.h"
#include "framework/math.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The player, in m_Player.
constexpr int kCellX = 1;
constexpr int kCellY = 2;
constexpr int kOffsetX = 3;   // towards the next cell, in cells
constexpr int kOffsetY = 4;
constexpr int kAngle = 5;     // drawn angle: 0 right, 90 down
constexpr int kTargetAngle = 6;
constexpr int kAnimation = 7;
constexpr int kStep = 8;      // 0 none, 1 up, 2 right, 3 down, 4 left
constexpr int kLastStep = 9;
constexpr int kDrawnX = 18;
constexpr int kDrawnY = 19;
constexpr int kSpeedLimit = 40;
constexpr int kArena = 41;
constexpr int kSpare = 42;  // cleared at the start; nothing reads it

constexpr int kNone = 0, kUp = 1, kRight = 2, kDown = 3, kLeft = 4;

// The grid: cell (x, y) is a record of 10 Floats at 10 (x + 20 y) in m_Map.
constexpr int kColumns = 17;
constexpr int kRows = 10;
constexpr int kContents = 0;   // -1 bubble, 0 empty, 1..3 piece, 101..103 completed piece
constexpr int kEgg = 1;
constexpr float kBubble = -1.0f;
constexpr float kCompleted = 100.0f;

// Creatures: records of 10 Floats from 10000 in m_Map; 0..19 octopi, 20 the prize.
constexpr int kCreatures = 10000;
constexpr int kOctopusRecords = 20;
constexpr int kPrizeRecord = 20;
constexpr int kKind = 0;       // 0 free, 1 octopus, 2 prize
constexpr int kSpeed = 7;
constexpr int kLook = 8;
constexpr int kDelay = 9;
constexpr float kOctopus = 1.0f;
constexpr float kPrize = 2.0f;
constexpr float kStartDelay = 90.0f;

constexpr float kFirstSpeedLimit = 0.05f;
constexpr float kSpeedLimitStep = 0.002f;
constexpr float kTopSpeedLimit = 0.14f;
constexpr float kPlayerStep = 0.1f;
constexpr float kPlayerArrive = 0.9f;
constexpr float kCreatureArrive = 0.95f;
constexpr float kTurnPerUpdate = 20.0f;
constexpr float kTouch = 0.7f;   // in cells
constexpr int kStartLives = 3;

constexpr int kPlayerSprite = sprite::kOctopusEater;  // + animation frame 0..3
constexpr int kPieceSprite = sprite::kOctopusPiece - 1;   // + colour 1..3
constexpr int kCompletedSprite = sprite::kOctopusPiece - 101;  // + contents 101..103
constexpr int kBubbleSprite = sprite::kOctopusBubble;
constexpr int kOctopusSprite = sprite::kOctopusOctopus;   // + look 0..4
constexpr int kPrizeSprite = sprite::kOctopusPrize;
constexpr int kLifeImage = 2;
constexpr int kLifeFrame = 40;

constexpr int kHatchSound = 2;
constexpr int kPrizeShowsSound = 3;
constexpr int kOuchSound = 12;
constexpr int kBlockSound = 14;
constexpr int kPrizeSound = 15;
constexpr int kBubbleSound = 16;
constexpr int kArenaSound = 95;


// Cell size and the centre of cell (0, 0), from the current virtual screen.
struct Grid {
  float cell, scale, left, top;
  float X(float x) const { return left + x * cell; }
  float Y(float y) const { return top + y * cell; }
};

Grid CurrentGrid() {
  Grid grid;
  grid.cell = std::min(zu_Quor_jscrw / 18.0f, zu_Quor_jscrh / 11.0f);
  grid.scale = grid.cell / 32.0f;
  grid.left = zu_Quor_jscrw / 2.0f - 8.0f * grid.cell;
  grid.top = zu_Quor_jscrh - 9.5f * grid.cell;
  return grid;
}

float& Cell(c_MyApp& app, int x, int y, int field) { return app.m_Map[10 * (x + 20 * y) + field]; }

bool Enterable(c_MyApp& app, int x, int y) { return Cell(app, x, y, kContents) < 1.0f; }

struct OpenSides {
  bool up, right, down, left;
};

OpenSides OpenSidesOf(c_MyApp& app, int x, int y) {
  return {y >= 1 && Enterable(app, x, y - 1), x < kColumns - 1 && Enterable(app, x + 1, y),
          y < kRows - 1 && Enterable(app, x, y + 1), x >= 1 && Enterable(app, x - 1, y)};
}

bool Chance() { return zu_random_Rnd() * 4.0f < 1.0f; }

float SinDegrees(float degrees) { return std::sin(degrees * zu_math_DegreesToRadians); }
float CosDegrees(float degrees) { return std::cos(degrees * zu_math_DegreesToRadians); }

// Fills a creature record and raises the speed limit; octopi placed later may be faster.
void PlaceCreature(c_MyApp& app, int record, float kind, int x, int y, float speedRange) {
  float* creature = &app.m_Map[record];
  creature[1] = static_cast<float>(x);
  creature[2] = static_cast<float>(y);
  std::fill(creature + 3, creature + 7, 0.0f);
  creature[kKind] = kind;
  creature[kSpeed] = 0.05f + zu_random_Rnd() * speedRange;
  creature[kLook] = std::floor(zu_random_Rnd() * 4.99f);
  creature[kDelay] = kStartDelay;
}

void RaiseSpeedLimit(c_MyApp& app) {
  app.m_Player[kSpeedLimit] = std::min(app.m_Player[kSpeedLimit] + kSpeedLimitStep, kTopSpeedLimit);
}

void DrawCells(c_MyApp& app, const Grid& grid, int ms) {
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      const float contents = Cell(app, x, y, kContents);
      app.p_Alpha(1.0f);
      app.p_SetSize(grid.scale + 0.1f * SinDegrees(static_cast<float>(ms / 3 + 16 * x + 12 * y)),
                    grid.scale + 0.1f * CosDegrees(static_cast<float>(ms / 4 + 10 * y + 18 * x)));
      int sprite = 0;
      if (contents == kBubble) {
        sprite = kBubbleSprite;
      } else if (contents > kCompleted) {
        sprite = zu_f2i(contents) + kCompletedSprite;
        app.p_Alpha(0.35f);
      } else if (contents >= 1.0f) {
        sprite = kPieceSprite + zu_f2i(contents);
      }
      if (sprite > 0) app.p_DrawGfx(grid.X(static_cast<float>(x)), grid.Y(static_cast<float>(y)), sprite);
    }
  }
}

// A block is completed once its window (the block and the corridors round it) holds no
// bubble; its pieces then fade and their eggs hatch. Returns whether any block is still
// unfinished, as seen before this update's completions.
bool CompleteBlocks(c_MyApp& app) {
  bool anyUnfinished = false;
  for (int bx = 0; bx < 4; ++bx) {
    for (int by = 0; by < 3; ++by) {
      bool bubble = false;
      bool completed = false;
      for (int x = 4 * bx; x <= 4 * bx + 4; ++x) {
        for (int y = 3 * by; y <= 3 * by + 3; ++y) {
          const float contents = Cell(app, x, y, kContents);
          if (contents == kBubble) bubble = true;
          if (contents > kCompleted) completed = true;
          if (contents >= 1.0f && contents <= 4.0f) anyUnfinished = true;
        }
      }
      if (bubble || completed) continue;
      app.p_PlaySFX(kBlockSound);
      app.m_Score += 50;
      for (int x = 4 * bx + 1; x <= 4 * bx + 3; ++x) {
        for (int y = 3 * by + 1; y <= 3 * by + 2; ++y) {
          Cell(app, x, y, kContents) += kCompleted;
          if (Cell(app, x, y, kEgg) != 0.0f) {
            Cell(app, x, y, kEgg) = 0.0f;
            app.p_Add_Octopus(x, y);
            app.p_PlaySFX(kHatchSound);
          }
        }
      }
    }
  }
  return anyUnfinished;
}

// Every corridor is empty once all blocks are completed, and one corner of the grid is
// always at least three cells away from the player both ways, so the search ends.
void ShowPrize(c_MyApp& app) {
  const int px = zu_f2i(app.m_Player[kCellX]);
  const int py = zu_f2i(app.m_Player[kCellY]);
  int x = 0;
  int y = 0;
  do {
    x = app.p_Rand(0.0f, 16.0f);
    y = app.p_Rand(0.0f, 9.0f);
  } while (std::abs(x - px) < 3 || std::abs(y - py) < 3 || Cell(app, x, y, kContents) > 0.0f);
  app.p_Add2_Octopus(x, y);
  app.p_PlaySFX(kPrizeSound);
  app.p_PlaySFX(kPrizeShowsSound);
}

void DrawPlayer(c_MyApp& app, const Grid& grid) {
  Array<float>& player = app.m_Player;
  const int frame = std::clamp(zu_f2i(std::fmod(player[kAnimation], 4.0f)), 0, 3);
  const float x = grid.X(player[kCellX] + player[kOffsetX]);
  const float y = grid.Y(player[kCellY] + player[kOffsetY]);
  if (player[kStep] > 0.0f) player[kAnimation] += kPlayerStep;
  app.p_ResetDraw();
  app.p_SetSize(grid.scale);
  app.p_SetRot(player[kAngle]);
  if (app.m_Lives >= 0) app.p_DrawGfx(x, y, kPlayerSprite + frame);
  player[kDrawnX] = x;
  player[kDrawnY] = y;
  if (app.m_Lives < 0) app.m_Dead = 1;
}

// A step takes nine updates of a tenth of a cell.
void StepPlayer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  switch (zu_f2i(player[kStep])) {
    case kUp:
      player[kOffsetY] -= kPlayerStep;
      if (player[kOffsetY] < -kPlayerArrive) {
        player[kOffsetY] = 0.0f;
        player[kCellY] -= 1.0f;
        player[kStep] = kNone;
      }
      break;
    case kRight:
      player[kOffsetX] += kPlayerStep;
      if (player[kOffsetX] > kPlayerArrive) {
        player[kOffsetX] = 0.0f;
        player[kCellX] += 1.0f;
        player[kStep] = kNone;
      }
      break;
    case kDown:
      player[kOffsetY] += kPlayerStep;
      if (player[kOffsetY] > kPlayerArrive) {
        player[kOffsetY] = 0.0f;
        player[kCellY] += 1.0f;
        player[kStep] = kNone;
      }
      break;
    case kLeft:
      player[kOffsetX] -= kPlayerStep;
      if (player[kOffsetX] < -kPlayerArrive) {
        player[kOffsetX] = 0.0f;
        player[kCellX] -= 1.0f;
        player[kStep] = kNone;
      }
      break;
    default:
      break;
  }
}

void EatBubble(c_MyApp& app) {
  const int x = zu_f2i(app.m_Player[kCellX]);
  const int y = zu_f2i(app.m_Player[kCellY]);
  if (Cell(app, x, y, kContents) != kBubble) return;
  app.m_Score += 1;
  Cell(app, x, y, kContents) = 0.0f;
  app.p_PlaySFX(kBubbleSound, 0.6f + zu_random_Rnd() * 0.7f, 0.5f);
  for (int k = 0; k < 4; ++k) {
    app.p_ThrowParticle(app.m_Player[kDrawnX], app.m_Player[kDrawnY], 1, 9);
  }
}

void TryStep(c_MyApp& app, int control, bool open, int step, float angle) {
  if (!open || app.p_PlayKey(control, 1) == 0) return;
  app.m_Player[kStep] = static_cast<float>(step);
  app.m_Player[kTargetAngle] = angle;
}

// While moving up or down (or standing) a sideways key wins; while moving sideways an up or
// down key wins, so holding two directions turns at the next junction.
void SteerPlayer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  OpenSides open = OpenSidesOf(app, zu_f2i(player[kCellX]), zu_f2i(player[kCellY]));
  if (app.m_Lives < 0) open = {false, false, false, false};
  if (player[kStep] == 0.0f) {
    const int last = zu_f2i(player[kLastStep]);
    if (last == kRight || last == kLeft) {
      TryStep(app, 5, open.right, kRight, 0.0f);
      TryStep(app, 3, open.left, kLeft, 180.0f);
      TryStep(app, 0, open.up, kUp, -90.0f);
      TryStep(app, 8, open.down, kDown, 90.0f);
    } else {
      TryStep(app, 0, open.up, kUp, -90.0f);
      TryStep(app, 8, open.down, kDown, 90.0f);
      TryStep(app, 5, open.right, kRight, 0.0f);
      TryStep(app, 3, open.left, kLeft, 180.0f);
    }
  }
  if (player[kStep] > 0.0f) player[kLastStep] = player[kStep];
}

void TurnPlayer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const int turn = c_MyApp::m_WhichWayDoIGo(player[kAngle], player[kTargetAngle], 0, 359);
  if (turn < -20) {
    player[kAngle] -= kTurnPerUpdate;
  } else if (turn > 20) {
    player[kAngle] += kTurnPerUpdate;
  } else {
    player[kAngle] += static_cast<float>(turn);
    if (std::abs(turn) != 20) player[kAngle] = player[kTargetAngle];
  }
}

// One heading case: a side turn on each open side with a chance of one in four, else on
// along the heading, else stop. A chance is drawn only for an open side, and a turn or a
// going on happens only while the creature is still on the cell centre.
void SteerCase(float* creature, bool firstOpen, int firstHeading, bool secondOpen,
               int secondHeading, bool aheadOpen) {
  const float v = creature[kSpeed];
  auto centred = [creature] { return creature[3] == 0.0f && creature[4] == 0.0f; };
  auto set = [creature, v](int heading) {
    if (heading == kUp) creature[4] = -v;
    if (heading == kDown) creature[4] = v;
    if (heading == kLeft) creature[3] = -v;
    if (heading == kRight) creature[3] = v;
  };
  if (firstOpen && Chance()) {
    if (centred()) {
      set(firstHeading);
      creature[5] = static_cast<float>(firstHeading);
    }
  } else if (secondOpen && Chance()) {
    if (centred()) {
      set(secondHeading);
      creature[5] = static_cast<float>(secondHeading);
    }
  } else if (aheadOpen) {
    if (centred()) set(zu_f2i(creature[5]));
  } else {
    creature[5] = kNone;
  }
}

void SteerCreature(c_MyApp& app, float* creature) {
  if (creature[kDelay] > 0.0f) creature[kDelay] -= 1.0f;
  if (creature[kDelay] >= 1.0f || creature[3] != 0.0f || creature[4] != 0.0f) return;
  const OpenSides open = OpenSidesOf(app, zu_f2i(creature[1]), zu_f2i(creature[2]));
  if (creature[5] == kUp) SteerCase(creature, open.left, kLeft, open.right, kRight, open.up);
  if (creature[5] == kRight) SteerCase(creature, open.up, kUp, open.down, kDown, open.right);
  if (creature[5] == kDown) SteerCase(creature, open.left, kLeft, open.right, kRight, open.down);
  if (creature[5] == kLeft) SteerCase(creature, open.up, kUp, open.down, kDown, open.left);
  if (creature[5] == kNone) creature[5] = static_cast<float>(app.p_Rand(1.0f, 4.0f));
}

void Advance(float& offset, float& cell, float v) {
  if (offset > 0.0f) {
    offset += v;
    if (offset > kCreatureArrive) {
      offset = 0.0f;
      cell += 1.0f;
    }
  } else if (offset < 0.0f) {
    offset -= v;
    if (offset < -kCreatureArrive) {
      offset = 0.0f;
      cell -= 1.0f;
    }
  }
}

bool TouchesPlayer(c_MyApp& app, const Grid& grid, float x, float y) {
  return std::fabs(x - app.m_Player[kDrawnX]) < kTouch * grid.cell &&
         std::fabs(y - app.m_Player[kDrawnY]) < kTouch * grid.cell;
}

// Every record steers and moves, free ones too: a record freed by a touch or by a new arena
// keeps wandering unseen until it is used again.
void UpdateCreatures(c_MyApp& app, const Grid& grid, int ms) {
  for (int j = 0; j <= kPrizeRecord; ++j) {
    float* creature = &app.m_Map[kCreatures + 10 * j];
    app.p_ResetDraw();
    app.p_SetSize(1.25f * grid.scale);
    const float x = grid.X(creature[1] + creature[3]);
    const float y = grid.Y(creature[2] + creature[4]);
    if (creature[kKind] == kOctopus) {
      if (zu_random_Rnd() * 10.0f < 1.0f) creature[kLook] = static_cast<float>(app.p_Rand(0.0f, 4.0f));
      app.p_SetRot(0.0f);
      app.p_DrawGfx(x, y, kOctopusSprite + zu_f2i(creature[kLook]));
      if (TouchesPlayer(app, grid, x, y)) {
        creature[kKind] = 0.0f;
        app.p_PlaySFX(kOuchSound);
        app.m_Lives -= 1;
      }
    } else if (creature[kKind] == kPrize) {
      app.p_SetRot(static_cast<float>(ms / 10));
      app.p_DrawGfx(x, y, kPrizeSprite);
      if (TouchesPlayer(app, grid, x, y)) {
        creature[kKind] = 0.0f;
        app.p_PlaySFX(kArenaSound);
        app.p_PlaySFX(kPrizeSound);
        app.p_NewMap_Octopus();
      }
    }
    SteerCreature(app, creature);
    Advance(creature[3], creature[1], creature[kSpeed]);
    Advance(creature[4], creature[2], creature[kSpeed]);
  }
}

void DrawLives(c_MyApp& app) {
  app.p_ResetDraw();
  app.p_SetSize(0.75f);
  for (int i = 1; i <= kStartLives; ++i) {
    app.p_Alpha(app.m_Lives < i ? 0.4f : 1.0f);
    const float x = static_cast<float>(zu_f2i(zu_Quor_jscrw / 2.0f + 80.0f) + 24 * (i - 1));
    app.p_DrawImg(kLifeImage, x, 24.0f, kLifeFrame);
  }
}

}  // namespace

// The signed turn from a to b on a circle of hi - lo + 1 units. Past half a turn the result
// is d - (hi - lo), one unit short of the full circle, as the game has always turned.
int c_MyApp::m_WhichWayDoIGo(float a, float b, int lo, int hi) {
  const float n = static_cast<float>(hi - lo + 1);
  auto wrap = [n](float value) {
    value = std::fmod(value, n);
    return value < 0.0f ? value + n : value;
  };
  const float d = wrap(wrap(b) - wrap(a)) + static_cast<float>(lo);
  if (d <= static_cast<float>(lo + (hi - lo) / 2)) return zu_f2i(d);
  return zu_f2i(d - static_cast<float>(hi - lo));
}

int c_MyApp::p_Add_Octopus(int x, int y) {
  int free = -1;
  for (m_Loop = 0; m_Loop < kOctopusRecords; ++m_Loop) {
    if (m_Map[kCreatures + 10 * m_Loop + kKind] == 0.0f) free = m_Loop;
  }
  if (free >= 0) {
    PlaceCreature(*this, kCreatures + 10 * free, kOctopus, x, y,
                  m_Player[kSpeedLimit] - 0.05f);
  }
  RaiseSpeedLimit(*this);
  return 0;
}

int c_MyApp::p_Add2_Octopus(int x, int y) {
  PlaceCreature(*this, kCreatures + 10 * kPrizeRecord, kPrize, x, y, 0.03f);
  RaiseSpeedLimit(*this);
  return 0;
}

int c_MyApp::p_NewMap_Octopus() {
  m_Player[kArena] += 1.0f;
  const float arena = m_Player[kArena];
  m_BgTR = static_cast<float>(15 * p_Rand(0.0f, 2.0f));
  m_BgTG = static_cast<float>(15 * p_Rand(0.0f, 2.0f));
  m_BgTB = static_cast<float>(15 * p_Rand(0.0f, 2.0f));
  for (int j = 0; j <= kPrizeRecord; ++j) m_Map[kCreatures + 10 * j + kKind] = 0.0f;
  p_Add_Octopus(0, kRows - 1);
  if (arena > 1.0f) p_Add_Octopus(kColumns - 1, kRows - 1);

  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRows; ++y) {
      Cell(*this, x, y, kEgg) = 0.0f;
      Cell(*this, x, y, kContents) = kBubble;
      if (x % 4 != 0 && y % 3 != 0) {
        Cell(*this, x, y, kContents) = std::floor(1.0f + zu_random_Rnd() * 2.99f);
      }
    }
  }
  // 72 pieces and at most six eggs, so the search always ends.
  const int eggs = std::clamp(zu_f2i(arena), 1, 6);
  for (int placed = 0; placed < eggs;) {
    const int x = zu_f2i(std::floor(zu_random_Rnd() * 16.99f));
    const int y = zu_f2i(std::floor(zu_random_Rnd() * 9.99f));
    if (Cell(*this, x, y, kEgg) == 0.0f && Cell(*this, x, y, kContents) >= 1.0f) {
      Cell(*this, x, y, kEgg) = 1.0f;
      ++placed;
    }
  }

  m_Player[kCellX] = 8.0f;
  m_Player[kCellY] = 5.0f;
  m_Player[kOffsetX] = 0.0f;
  m_Player[kOffsetY] = 0.0f;
  m_Player[kAngle] = 90.0f;
  m_Player[kTargetAngle] = 90.0f;
  m_Player[kAnimation] = 0.0f;
  m_Player[kStep] = kNone;
  m_Player[kLastStep] = kNone;
  return 0;
}

int c_MyApp::p_LoadGame_Octopus() {
  p_FreshGame();
  m_Player[kSpeedLimit] = kFirstSpeedLimit;
  m_Player[kArena] = 0.0f;
  m_Player[kSpare] = 0.0f;
  p_NewMap_Octopus();
  m_Lives = kStartLives;
  return 0;
}

int c_MyApp::p_Game_Octopus() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();

  const Grid grid = CurrentGrid();
  const int ms = zu_app_Millisecs();
  DrawCells(*this, grid, ms);
  const bool anyUnfinished = CompleteBlocks(*this);
  if (!anyUnfinished && m_Map[kCreatures + 10 * kPrizeRecord + kKind] == 0.0f) ShowPrize(*this);

  DrawPlayer(*this, grid);
  StepPlayer(*this);
  EatBubble(*this);
  SteerPlayer(*this);
  TurnPlayer(*this);
  UpdateCreatures(*this, grid, ms);
  DrawLives(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
