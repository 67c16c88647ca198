// Roller (letter R): a turn-based walk through a small 17 x 11 maze. The player rolls a die
// and walks as many cells as it shows, one cell per press; then every ant takes three steps,
// walking straight and turning back at walls. Four gummies lie in the maze; taking all four
// builds the next level with more ants. An ant on the player's cell ends the game.
#include <algorithm>
#include <cmath>

#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The player, the turn and the ants, in m_Player.
constexpr int kPlayerX = 1;
constexpr int kPlayerY = 2;
constexpr int kSlideX = 3;  // the drawn position is the cell plus the slide, in cells
constexpr int kSlideY = 4;
constexpr int kPhase = 7;
constexpr int kDie = 8;     // 0 waiting for a roll, 1..100 rolling, 100 rolled
constexpr int kMoves = 9;
constexpr int kLevel = 21;
constexpr int kAnts = 100;  // ant k is the record at 100 + 10 k
constexpr int kAntRecord = 10;
constexpr int kAntCount = 10;
constexpr int kAntExists = 0;
constexpr int kAntX = 1;
constexpr int kAntY = 2;
constexpr int kAntSlideX = 3;
constexpr int kAntSlideY = 4;
constexpr int kAntDirection = 5;  // 0 up, 1 right, 2 down, 3 left

// Phases of a turn cycle.
constexpr int kWaitingForRoll = 0;
constexpr int kRolling = 1;
constexpr int kPlayersTurn = 2;
constexpr int kAntsSettling = 10;  // the ants step at 13, 12 and 11 on the way down to this
constexpr int kAntsFirstStep = 13;

// The maze in m_Map: cell (x, y) at x + 50 y.
constexpr int kColumns = 17;
constexpr int kRowsOfCells = 11;
constexpr int kRowStride = 50;
constexpr int kFloor = 0;
constexpr int kWall = 1;
constexpr int kFirstGummy = 2;  // the four gummies carry 2..5
constexpr int kGummies = 4;
constexpr int kAntMarker = 10;  // keeps a second ant off a cell while they are placed
constexpr int kStartX = 8;
constexpr int kStartY = 5;

constexpr int kAntSprite = sprite::kRollerAnt;
constexpr int kPlayerSprite = sprite::kRollerPlayer;
constexpr int kWallSprite = sprite::kRollerWall;  // + (x + y) mod 3
constexpr int kGummySprite = sprite::kRollerGummy - kFirstGummy; // + the gummy's value
constexpr int kFloorSprite = sprite::kRollerFloor;

constexpr int kAntStepSound = 10;
constexpr int kClearedSound = 95;
constexpr int kGummySound = 98;
constexpr int kStepSound = 99;

constexpr float kPlayerSlide = 0.15f;
constexpr float kAntSlide = 0.07f;
constexpr int kStepPoints = 1;
constexpr int kGummyPoints = 25;

// Directions 0..3 as steps on the two axes.
constexpr int kStepX[] = {0, 1, 0, -1};
constexpr int kStepY[] = {-1, 0, 1, 0};

int Cell(int x, int y) { return x + kRowStride * y; }

float& CellValue(c_MyApp& app, int x, int y) { return app.m_Map[Cell(x, y)]; }

// The maze's layout on the screen: cell size and the place of cell (0, 0).
struct Layout {
  float cell, originX, originY;
  float X(float x) const { return originX + x * cell; }
  float Y(float y) const { return originY + y * cell; }
};

Layout CurrentLayout() {
  const float cell = std::min(zu_Quor_jscrw / 18.0f, zu_Quor_jscrh / 12.0f);
  return {cell, zu_Quor_jscrw * 0.5f - 8.0f * cell, zu_Quor_jscrh * 0.5f - 4.5f * cell};
}

float TowardsZero(float value, float step) {
  if (value > 0.0f) return std::max(value - step, 0.0f);
  if (value < 0.0f) return std::min(value + step, 0.0f);
  return value;
}

// A move of one cell leaves the sprite on the old cell, to slide over: +1 when moving up or
// left, -1 when moving right or down.
float SlideFor(int step) { return static_cast<float>(-step); }

void PlaceRandomly(int& x, int& y) {
  x = zu_f2i(std::floor(zu_random_Rnd() * 14.99f + 1.0f));
  y = zu_f2i(std::floor(zu_random_Rnd() * 8.99f + 1.0f));
}

// Every even-even cell takes a generator step, the border included, so the sequence does not
// depend on what the step decides.
void BuildMaze(c_MyApp& app) {
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRowsOfCells; ++y) {
      const bool border = x == 0 || x == kColumns - 1 || y == 0 || y == kRowsOfCells - 1;
      CellValue(app, x, y) = border ? kWall : kFloor;
      if (x % 2 == 0 && y % 2 == 0) {
        const bool wall = zu_random_Rnd() * 4.0f < 1.0f;
        if (x >= 1 && x <= kColumns - 2 && wall) CellValue(app, x, y) = kWall;
      }
    }
  }
}

void PlaceGummies(c_MyApp& app) {
  for (int n = 0; n < kGummies; ++n) {
    int x = 0;
    int y = 0;
    do {
      PlaceRandomly(x, y);
    } while (CellValue(app, x, y) > 0.0f);
    CellValue(app, x, y) = static_cast<float>(kFirstGummy + n);
  }
}

// An ant that would walk straight into something on its first step is turned along it. Each
// fix-up sees the result of the one before.
int FixDirection(c_MyApp& app, int x, int y, int direction) {
  const bool vertical = direction == 0 || direction == 2;
  if (CellValue(app, x, y - 1) != 0.0f && vertical) direction = 1;
  if (CellValue(app, x, y + 1) != 0.0f && (direction == 0 || direction == 2)) direction = 3;
  if (CellValue(app, x - 1, y) != 0.0f && (direction == 1 || direction == 3)) direction = 0;
  if (CellValue(app, x + 1, y) != 0.0f && (direction == 1 || direction == 3)) direction = 2;
  return direction;
}

// Ants start on free cells, never within two cells of the player's start on both axes.
void PlaceAnts(c_MyApp& app, float level) {
  const int last = std::min(zu_f2i(level * 3.0f - 2.0f), kAntCount - 1);
  for (int k = 0; k <= kAntCount; ++k) app.m_Player[kAnts + kAntRecord * k + kAntExists] = 0.0f;
  for (int k = 0; k <= last; ++k) {
    int x = 0;
    int y = 0;
    do {
      PlaceRandomly(x, y);
    } while (CellValue(app, x, y) > 0.0f ||
             (std::abs(x - kStartX) < 3 && std::abs(y - kStartY) < 3) || x < 1);
    CellValue(app, x, y) = kAntMarker;
    float* ant = &app.m_Player[kAnts + kAntRecord * k];
    ant[kAntExists] = 1.0f;
    ant[kAntX] = static_cast<float>(x);
    ant[kAntY] = static_cast<float>(y);
    ant[kAntSlideX] = 0.0f;
    ant[kAntSlideY] = 0.0f;
    ant[kAntDirection] = static_cast<float>(FixDirection(app, x, y, app.p_Rand(0.0f, 3.0f)));
  }
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRowsOfCells; ++y) {
      if (CellValue(app, x, y) == kAntMarker) CellValue(app, x, y) = kFloor;
    }
  }
}

void DrawMaze(c_MyApp& app, const Layout& layout) {
  for (int x = 0; x < kColumns; ++x) {
    for (int y = 0; y < kRowsOfCells; ++y) {
      const float sx = layout.X(static_cast<float>(x));
      const float sy = layout.Y(static_cast<float>(y));
      app.p_DrawGfx(sx, sy, kFloorSprite);
      const int value = zu_f2i(CellValue(app, x, y));
      if (value == kWall) app.p_DrawGfx(sx, sy, kWallSprite + (x + y) % 3);
      if (value >= kFirstGummy && value < kFirstGummy + kGummies) {
        app.p_DrawGfx(sx, sy, kGummySprite + value);
        app.m_TmpE += 1;
      }
    }
  }
}

// One cell per press, in the order up, left, right, down; walls block, gummies and ants don't.
void PlayerStep(c_MyApp& app) {
  struct Way {
    int control, direction;
  };
  static constexpr Way kWays[] = {{0, 0}, {3, 3}, {5, 1}, {8, 2}};
  Array<float>& player = app.m_Player;
  const int x = zu_f2i(player[kPlayerX]);
  const int y = zu_f2i(player[kPlayerY]);
  for (const Way& way : kWays) {
    const int dx = kStepX[way.direction];
    const int dy = kStepY[way.direction];
    if (app.p_PlayKey(way.control, 1) == 0 || CellValue(app, x + dx, y + dy) == kWall) continue;
    player[kPlayerX] += static_cast<float>(dx);
    player[kPlayerY] += static_cast<float>(dy);
    if (dx != 0) player[kSlideX] = SlideFor(dx);
    if (dy != 0) player[kSlideY] = SlideFor(dy);
    player[kMoves] -= 1.0f;
    app.p_PlaySFX(kStepSound, 1.0f, 1.0f);
    app.m_Score += kStepPoints;
    app.m_KeyLatch = 1;
    app.m_TouchLatch = 1;
    return;
  }
}

void PlayersTurn(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kMoves] > 0.0f && player[kSlideX] == 0.0f && player[kSlideY] == 0.0f &&
      app.m_Dead == 0 && app.m_KeyLatch == 0 && app.m_TouchLatch == 0) {
    PlayerStep(app);
  }
  if (player[kMoves] == 0.0f) player[kPhase] = kAntsFirstStep;
}

// Slides, catches and draws the ants; m_Loop2 notes that one was still sliding.
void UpdateAnts(c_MyApp& app, const Layout& layout) {
  Array<float>& player = app.m_Player;
  app.m_Loop2 = 0;
  for (app.m_Loop = 0; app.m_Loop < kAntCount; ++app.m_Loop) {
    float* ant = &player[kAnts + kAntRecord * app.m_Loop];
    if (ant[kAntExists] == 0.0f) continue;
    for (int slide : {kAntSlideX, kAntSlideY}) {
      if (ant[slide] != 0.0f) app.m_Loop2 = 1;
      ant[slide] = TowardsZero(ant[slide], kAntSlide);
    }
    if (ant[kAntX] == player[kPlayerX] && ant[kAntY] == player[kPlayerY] && app.m_Dead == 0) {
      app.m_Dead = 1;
    }
    app.m_Rot = -(ant[kAntDirection] * 90.0f);
    app.p_DrawGfx(layout.X(ant[kAntX] + ant[kAntSlideX]), layout.Y(ant[kAntY] + ant[kAntSlideY]),
                  kAntSprite);
  }
}

// Each ant walks one cell straight on, or spends the step turning back at a wall.
void AntsStep(c_MyApp& app) {
  for (int k = 0; k < kAntCount; ++k) {
    float* ant = &app.m_Player[kAnts + kAntRecord * k];
    if (ant[kAntExists] == 0.0f) continue;
    const int direction = zu_f2i(ant[kAntDirection]) & 3;
    const int dx = kStepX[direction];
    const int dy = kStepY[direction];
    const int x = zu_f2i(ant[kAntX]);
    const int y = zu_f2i(ant[kAntY]);
    if (CellValue(app, x + dx, y + dy) != kWall) {
      ant[kAntX] += static_cast<float>(dx);
      ant[kAntY] += static_cast<float>(dy);
      if (dx != 0) ant[kAntSlideX] = SlideFor(dx);
      if (dy != 0) ant[kAntSlideY] = SlideFor(dy);
    } else {
      ant[kAntDirection] = static_cast<float>((direction + 2) % 4);
    }
  }
}

void AdvanceTurn(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (app.m_Loop2 != 0) return;
  if (player[kPhase] == kAntsSettling) {
    player[kPhase] = kWaitingForRoll;
    player[kDie] = 0.0f;
    player[kMoves] = 0.0f;
  } else if (player[kPhase] > kAntsSettling && app.m_Dead == 0) {
    AntsStep(app);
    player[kPhase] -= 1.0f;
    app.p_PlaySFX(kAntStepSound, 1.0f, 1.0f);
  }
}

// The die waits in the middle, rolls for about 40 updates while it flies to the top-right
// corner and shrinks, and the moves of its last rolling update are the throw.
void UpdateDie(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  app.p_SetSize(4.0f, 4.0f);
  if (player[kDie] == 0.0f) {
    app.p_Text(zu_Quor_jscrw * 0.5f, zu_Quor_jscrh * 0.5f + 96.0f, String("Roll The Dice"), 1.0f,
               1.0f);
    const bool fire = app.p_PlayKey(10, 1) != 0 || app.p_PlayKey(11, 1) != 0;
    if (fire && app.m_KeyLatch == 0 && app.m_TouchLatch == 0) {
      app.m_KeyLatch = 1;
      app.m_TouchLatch = 1;
      player[kDie] = 1.0f;
      player[kPhase] = kRolling;
    }
  }
  if (player[kDie] > 0.0f && player[kDie] < 100.0f) {
    player[kDie] += zu_random_Rnd() * 1.9f + 1.6f;
    player[kMoves] = static_cast<float>(app.p_Rand(1.0f, 6.0f));
    if (player[kDie] > 99.0f) {
      player[kDie] = 100.0f;
      player[kPhase] = kPlayersTurn;
    }
  }
  const float t = player[kDie] / 100.0f;
  const float size = 132.0f - player[kDie];
  const float cx = zu_Quor_jscrw * 0.5f + (zu_Quor_jscrw * 0.5f - 32.0f) * t;
  const float cy = zu_Quor_jscrh * 0.5f - (zu_Quor_jscrh * 0.5f - 32.0f) * t;
  app.p_SetCol(0.0f, 0.0f, 200.0f);
  app.p_Rect(cx - size / 2.0f, cy - size / 2.0f, size, size);
  app.p_SetCol(255.0f, 255.0f, 255.0f);
  app.p_SetSize(size * 0.0625f, size * 0.0625f);
  app.p_Text(cx, cy, String(zu_f2i(player[kMoves])), 0.75f, 0.75f);
}

}  // namespace

int c_MyApp::p_LoadGame_Roller() {
  p_FreshGame();
  m_Player[kLevel] = 1.0f;
  p_GetLev_Roller();
  return 0;
}

int c_MyApp::p_GetLev_Roller() {
  BuildMaze(*this);
  PlaceGummies(*this);
  PlaceAnts(*this, m_Player[kLevel]);
  // The player's slide is left as it was.
  m_Player[kPlayerX] = kStartX;
  m_Player[kPlayerY] = kStartY;
  m_Player[kPhase] = kWaitingForRoll;
  m_Player[kDie] = 0.0f;
  m_Player[kMoves] = 0.0f;
  return 0;
}

int c_MyApp::p_Game_Roller() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();
  const Layout layout = CurrentLayout();
  const float scale = layout.cell * 0.03125f;
  p_SetSize(scale, scale);
  m_TmpE = 0;

  DrawMaze(*this, layout);
  if (m_TmpE == 0 && m_Dead == 0) {
    p_PlaySFX(kClearedSound, 1.0f, 1.0f);
    m_Player[kLevel] += 1.0f;
    p_GetLev_Roller();
  }

  p_ResetDraw();
  p_SetSize(scale, scale);
  p_DrawGfx(layout.X(m_Player[kPlayerX] + m_Player[kSlideX]),
            layout.Y(m_Player[kPlayerY] + m_Player[kSlideY]), kPlayerSprite);
  // The gummy under the player is taken in the update after the step onto it.
  float& under = CellValue(*this, zu_f2i(m_Player[kPlayerX]), zu_f2i(m_Player[kPlayerY]));
  if (under > 1.0f) {
    p_PlaySFX(kGummySound, 1.0f, 1.0f);
    m_Score += kGummyPoints;
    under = kFloor;
  }
  m_Player[kSlideX] = TowardsZero(m_Player[kSlideX], kPlayerSlide);
  m_Player[kSlideY] = TowardsZero(m_Player[kSlideY], kPlayerSlide);
  if (m_Player[kPhase] == kPlayersTurn) PlayersTurn(*this);

  p_ResetDraw();
  p_SetSize(scale, scale);
  UpdateAnts(*this, layout);
  AdvanceTurn(*this);
  if (m_Dead > 0) {
    m_Player[kDie] = 100.0f;
    m_Player[kPhase] = kWaitingForRoll;
    m_Player[kMoves] = 0.0f;
  }

  UpdateDie(*this);
  p_DoParticles(1.0f);
  p_ScoreDisplay();
  return 0;
}
