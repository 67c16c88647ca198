// Map (letter M, "Grab the coins and avoid the Monsters"): a 31 x 31 maze seen from above,
// the view centred on the player, who walks from cell to cell clearing the floor (a point
// per cell). Eight closed coins open when the player stands next to them and are collected
// by stepping on them. Monsters walk only on cleared floor and chase the player; each one
// that touches the player costs a life and disappears. Collecting every coin builds a new
// maze with four more monsters; the game ends when the lives run out.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "framework/app.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The player, in m_Player.
constexpr int kCellX = 1;
constexpr int kCellY = 2;
constexpr int kOffsetX = 3;  // progress of the step under way, -0.9..0.9
constexpr int kOffsetY = 4;
constexpr int kStep = 7;     // direction of the step under way
constexpr int kScreenX = 8;
constexpr int kScreenY = 9;
constexpr int kLives = 15;
constexpr int kFacing = 17;  // horizontal draw scale: -1 after a step to the left
constexpr int kBaseSprite = 18;
constexpr int kWalkPhase = 19;
constexpr int kCoinsLeft = 51;
constexpr int kMazesDone = 52;

// The player's step directions.
constexpr int kStepUp = 1;
constexpr int kStepDown = 2;
constexpr int kStepLeft = 3;
constexpr int kStepRight = 4;

// The grid: cell (x, y) is m_Map element x + 50 y.
constexpr int kGridLast = 30;
constexpr int kRowStride = 50;
constexpr int kCentre = 15;
constexpr float kCell = 32.0f;
constexpr float kFloor = 0.0f;  // not yet cleared
constexpr float kWall = 1.0f;
constexpr float kCleared = 3.0f;
constexpr float kClosedCoin = 4.0f;
constexpr float kOpenCoin = 5.0f;
constexpr float kNeverPlaced = 7.0f;
constexpr int kCoins = 8;
// After this many tries a coin or monster takes almost any place, so placing always ends.
constexpr int kPatientTries = 5000;

// Monster records of 10 Floats in m_Map from 5000. Up to 33 are made; only 31 act.
constexpr int kMonsterTable = 5000;
constexpr int kMonsterRecordSize = 10;
constexpr int kMostMonsterIndex = 32;
constexpr int kActingMonsters = 31;
constexpr int kKind = 0;
constexpr int kX = 1;
constexpr int kY = 2;
constexpr int kOffX = 3;
constexpr int kOffY = 4;
constexpr int kDirection = 5;
constexpr int kSpeed = 8;
// The monsters' directions (numbered differently from the player's steps).
constexpr int kMonsterDown = 1;
constexpr int kMonsterUp = 2;
constexpr int kMonsterRight = 3;
constexpr int kMonsterLeft = 4;
// m_Map elements a maze uses: the grid and the monster records. Everything else stays 0.
constexpr int kUsedElements = kMonsterTable + (kMostMonsterIndex + 1) * kMonsterRecordSize;

constexpr int kFloorSprite = sprite::kMapGrass;  // + cell value for floor, wall and cleared floor
constexpr int kFirstNonTile = sprite::kWalkerHornedImp;
constexpr int kClosedCoinSprite = sprite::kMapChest;
constexpr int kOpenCoinSprite = sprite::kMapCoin;
constexpr int kPlayerDownSprite = sprite::kWalkerFront;
constexpr int kPlayerUpSprite = sprite::kWalkerBack;
constexpr int kPlayerSideSprite = sprite::kWalkerSide;
constexpr int kMonsterSprite = sprite::kWalkerFurBall;  // kind 1 (and any other)
constexpr int kMonster2Sprite = sprite::kWalkerHornedImp;
constexpr int kMonster3Sprite = sprite::kWalkerSlimeDrip;
constexpr int kLifeImage = 50;

constexpr int kCollectSound = 1;
constexpr int kHitSound = 5;
constexpr int kFailSound = 12;
constexpr int kOpenSound = 13;
constexpr int kMazeSound = 95;

float& Cell(c_MyApp& app, int x, int y) { return app.m_Map[x + kRowStride * y]; }

bool InGrid(int x, int y) { return x >= 0 && x <= kGridLast && y >= 0 && y <= kGridLast; }
bool Inside(int x, int y) { return x >= 1 && x < kGridLast && y >= 1 && y < kGridLast; }

// Outside the grid counts as wall, so no rule can read beyond it.
float CellOrWall(c_MyApp& app, int x, int y) { return InGrid(x, y) ? Cell(app, x, y) : kWall; }

bool Enterable(float value) {
  return value == kFloor || value == kCleared || value == kOpenCoin || value == kNeverPlaced;
}

bool ThreeTimesInFour() { return zu_random_Rnd() * 4.0f < 3.0f; }

bool Near(int value, int centre, int distance) { return std::abs(value - centre) < distance; }

// The two vertical and two horizontal lines, each cell of them a wall two times in three,
// with two sure gaps per line, inside the border.
void BuildWalls(c_MyApp& app) {
  const int a = app.m_TmpG, b = app.m_TmpD, c = app.m_TmpA, d = app.m_TmpR;
  const int e = app.m_TmpO, f = app.m_TmpN, g = app.m_TmpE, h = app.m_TmpF;
  for (int x = 0; x <= kGridLast; ++x) {
    for (int y = 0; y <= kGridLast; ++y) {
      float value = kFloor;
      if ((x == a + 10 && y != e + 10 && y != f + 20) ||
          (x == b + 20 && y != f + 10 && y != e + 20)) {
        if (zu_random_Rnd() * 6.0f < 4.0f) value = kWall;
      }
      if ((y == c + 10 && x != g + 10 && x != h + 20) ||
          (y == d + 20 && x != h + 20 && x != g + 10)) {
        if (zu_random_Rnd() * 6.0f < 4.0f) value = kWall;
      }
      if (x == 0 || y == 0 || x == kGridLast || y == kGridLast) value = kWall;
      Cell(app, x, y) = value;
    }
  }
}

bool NineCellsClear(c_MyApp& app, int x, int y) {
  for (int i = x - 1; i <= x + 1; ++i) {
    for (int j = y - 1; j <= y + 1; ++j) {
      if (Cell(app, i, j) != kFloor) return false;
    }
  }
  return true;
}

// A coin wants open floor all round and distance from the centre; after many tries it only
// keeps off the centre 3 x 3.
void PlaceCoins(c_MyApp& app) {
  for (int coin = 0; coin < kCoins; ++coin) {
    int x = 0, y = 0;
    for (int tries = 1;; ++tries) {
      x = zu_f2i(std::floor(zu_random_Rnd() * 26.99f + 2.0f));
      y = zu_f2i(std::floor(zu_random_Rnd() * 26.99f + 2.0f));
      if (tries < kPatientTries &&
          (!NineCellsClear(app, x, y) || (Near(x, kCentre, 4) && Near(y, kCentre, 4)))) {
        continue;
      }
      if (Near(x, kCentre, 2) && Near(y, kCentre, 2)) continue;
      break;
    }
    Cell(app, x, y) = kClosedCoin;
  }
}

// A 5 x 5 square without its corners around the monster becomes cleared floor where it
// was uncleared, so each monster starts with a little room to move.
void ClearDen(c_MyApp& app, int x, int y) {
  for (int j = y - 2; j <= y + 2; ++j) {
    const int reach = (j == y - 2 || j == y + 2) ? 1 : 2;
    for (int i = x - reach; i <= x + reach; ++i) {
      if (Cell(app, i, j) == kFloor) Cell(app, i, j) = kCleared;
    }
  }
}

void PlaceMonsters(c_MyApp& app) {
  app.m_TmpA = std::min(zu_f2i(4.0f * app.m_Player[kMazesDone]), kMostMonsterIndex);
  for (int k = 0; k <= app.m_TmpA; ++k) {
    int x = 0, y = 0;
    for (int tries = 1;; ++tries) {
      x = zu_f2i(std::floor(zu_random_Rnd() * 24.99f + 3.0f));
      y = zu_f2i(std::floor(zu_random_Rnd() * 24.99f + 3.0f));
      if (tries < kPatientTries && (Cell(app, x, y) != kFloor ||
                                    (Near(x, kCentre, 6) && Near(y, kCentre, 6)))) {
        continue;
      }
      if (Near(x, kCentre, 4) && Near(y, kCentre, 4)) continue;
      break;
    }
    ClearDen(app, x, y);
    float* monster = &app.m_Map[kMonsterTable + k * kMonsterRecordSize];
    monster[kKind] = static_cast<float>(app.p_Rand(1.0f, 3.0f));
    monster[kX] = static_cast<float>(x);
    monster[kY] = static_cast<float>(y);
    monster[kSpeed] = zu_random_Rnd() * 0.05f + 0.05f;
  }
}

// Standing still with the controls free: clear the cell stood on, then start a step in the
// first pressed direction that can be entered.
void ReadPlayerInput(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  if (player[kStep] != 0.0f || app.m_KeyLatch != 0 || app.m_TouchLatch != 0 || app.m_Dead != 0) {
    return;
  }
  app.m_TmpI = zu_f2i(player[kCellX]);
  app.m_TmpJ = zu_f2i(player[kCellY]);
  const int x = app.m_TmpI, y = app.m_TmpJ;
  if (InGrid(x, y) && Cell(app, x, y) == kFloor) {
    Cell(app, x, y) = kCleared;
    app.m_Score += 1;
  }
  if (app.p_PlayKey(0, 1) != 0 && Enterable(CellOrWall(app, x, y - 1))) {
    player[kStep] = kStepUp;
  } else if (app.p_PlayKey(8, 1) != 0 && Enterable(CellOrWall(app, x, y + 1))) {
    player[kStep] = kStepDown;
  } else if (app.p_PlayKey(3, 1) != 0 && Enterable(CellOrWall(app, x - 1, y))) {
    player[kStep] = kStepLeft;
  } else if (app.p_PlayKey(5, 1) != 0 && Enterable(CellOrWall(app, x + 1, y))) {
    player[kStep] = kStepRight;
  }
}

// A step is ten tenths of a cell; in single precision the ninth tenth already passes 0.9,
// which completes the step.
void MoveOffset(Array<float>& player, int offset, int cell, float change) {
  const float moved = player[offset] + change;
  if (std::fabs(moved) > 0.9f) {
    player[offset] = 0.0f;
    player[kStep] = 0.0f;
    player[cell] += change > 0.0f ? 1.0f : -1.0f;
  } else {
    player[offset] = moved;
  }
}

void StepPlayer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kWalkPhase] = std::fmod(player[kWalkPhase] + 0.3f, 3.0f);
  switch (zu_f2i(player[kStep])) {
    case kStepUp:
      player[kBaseSprite] = kPlayerUpSprite;
      player[kFacing] = 1.0f;
      MoveOffset(player, kOffsetY, kCellY, -0.1f);
      break;
    case kStepDown:
      player[kBaseSprite] = kPlayerDownSprite;
      player[kFacing] = 1.0f;
      MoveOffset(player, kOffsetY, kCellY, 0.1f);
      break;
    case kStepLeft:
      player[kBaseSprite] = kPlayerSideSprite;
      player[kFacing] = -1.0f;
      MoveOffset(player, kOffsetX, kCellX, -0.1f);
      break;
    case kStepRight:
      player[kBaseSprite] = kPlayerSideSprite;
      player[kFacing] = 1.0f;
      MoveOffset(player, kOffsetX, kCellX, 0.1f);
      break;
    default:
      break;
  }
}

// Counts the coins left while drawing the cells in view; a coin is drawn over plain floor.
void DrawMaze(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kCoinsLeft] = 0.0f;
  for (app.m_TmpI = 0; app.m_TmpI <= kGridLast; ++app.m_TmpI) {
    for (app.m_TmpJ = 0; app.m_TmpJ <= kGridLast; ++app.m_TmpJ) {
      const float value = Cell(app, app.m_TmpI, app.m_TmpJ);
      if (value > kCleared) player[kCoinsLeft] += 1.0f;
      const float sx = kCell * static_cast<float>(app.m_TmpI) - app.m_ScrollX;
      const float sy = kCell * static_cast<float>(app.m_TmpJ) - app.m_ScrollY;
      if (sx <= -64.0f || sx >= zu_Quor_jscrw + 64.0f || sy <= -64.0f ||
          sy >= zu_Quor_jscrh + 64.0f) {
        continue;
      }
      app.m_TmpH = kFloorSprite + zu_f2i(value);
      if (app.m_TmpH >= kFirstNonTile) app.m_TmpH = kFloorSprite;
      app.p_DrawGfx(sx, sy, app.m_TmpH);
      if (value == kClosedCoin) app.p_DrawGfx(sx, sy, kClosedCoinSprite);
      if (value == kOpenCoin) app.p_DrawGfx(sx, sy, kOpenCoinSprite);
    }
  }
}

// Standing exactly on a cell, a monster leans (three times in four) towards the player
// along cleared floor; later tests override earlier ones.
void ChooseChase(c_MyApp& app, float* monster, int x, int y) {
  const float playerX = app.m_Player[kCellX], playerY = app.m_Player[kCellY];
  if (Cell(app, x + 1, y) == kCleared && ThreeTimesInFour() && x < playerX) {
    monster[kDirection] = kMonsterRight;
  }
  if (Cell(app, x - 1, y) == kCleared && ThreeTimesInFour() && playerX < x) {
    monster[kDirection] = kMonsterLeft;
  }
  if (Cell(app, x, y + 1) == kCleared && ThreeTimesInFour() && y < playerY) {
    monster[kDirection] = kMonsterDown;
  }
  if (Cell(app, x, y - 1) == kCleared && ThreeTimesInFour() && playerY < y) {
    monster[kDirection] = kMonsterUp;
  }
}

// A random direction, leaning towards the player; it is tried in the next update.
void ChooseAnew(c_MyApp& app, float* monster) {
  const float playerX = app.m_Player[kCellX], playerY = app.m_Player[kCellY];
  monster[kDirection] = static_cast<float>(app.p_Rand(1.0f, 4.0f));
  if (monster[kX] < playerX + 1.0f && ThreeTimesInFour()) monster[kDirection] = kMonsterRight;
  if (monster[kY] < playerY + 1.0f && ThreeTimesInFour()) monster[kDirection] = kMonsterDown;
  if (playerX - 1.0f < monster[kX] && ThreeTimesInFour()) monster[kDirection] = kMonsterLeft;
  if (playerY - 1.0f < monster[kY] && ThreeTimesInFour()) monster[kDirection] = kMonsterUp;
}

// One move along a direction: a monster facing anything but cleared floor stops (and still
// creeps one speed step), one that completes a cell lands on it; both may turn.
void MoveMonsterAlong(c_MyApp& app, float* monster, int offset, int cell, float ahead,
                      float sign) {
  if (ahead != kCleared) {
    monster[offset] = 0.0f;
    monster[kDirection] = 0.0f;
    app.m_TmpA = 1;
  }
  monster[offset] += sign * monster[kSpeed];
  if (sign * monster[offset] > 0.9f) {
    monster[offset] = 0.0f;
    monster[cell] += sign;
    app.m_TmpA = 1;
  }
}

void MoveMonster(c_MyApp& app, float* monster) {
  const int x = zu_f2i(monster[kX]);
  const int y = zu_f2i(monster[kY]);
  app.m_TmpA = 0;  // set when the monster may turn
  if (monster[kOffX] == 0.0f && monster[kOffY] == 0.0f && Inside(x, y)) {
    ChooseChase(app, monster, x, y);
  }
  switch (zu_f2i(monster[kDirection])) {
    case kMonsterDown:
      MoveMonsterAlong(app, monster, kOffY, kY, CellOrWall(app, x, y + 1), 1.0f);
      break;
    case kMonsterUp:
      MoveMonsterAlong(app, monster, kOffY, kY, CellOrWall(app, x, y - 1), -1.0f);
      break;
    case kMonsterRight:
      MoveMonsterAlong(app, monster, kOffX, kX, CellOrWall(app, x + 1, y), 1.0f);
      break;
    case kMonsterLeft:
      MoveMonsterAlong(app, monster, kOffX, kX, CellOrWall(app, x - 1, y), -1.0f);
      break;
    default:
      ChooseAnew(app, monster);
      break;
  }
  if (app.m_TmpA == 1 && zu_random_Rnd() * 8.0f < 1.0f) monster[kDirection] = 0.0f;
}

int MonsterSprite(float kind) {
  if (kind == 2.0f) return kMonster2Sprite;
  if (kind == 3.0f) return kMonster3Sprite;
  return kMonsterSprite;
}

void UpdateMonsters(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  for (app.m_Loop = 0; app.m_Loop < kActingMonsters; ++app.m_Loop) {
    float* monster = &app.m_Map[kMonsterTable + app.m_Loop * kMonsterRecordSize];
    if (monster[kKind] <= 0.0f) continue;
    MoveMonster(app, monster);

    const float sx = kCell * (monster[kX] + monster[kOffX]) - app.m_ScrollX;
    const float sy = kCell * (monster[kY] + monster[kOffY]) - app.m_ScrollY;
    app.m_TmpS = (zu_app_Millisecs() / 250) % 2;
    app.p_DrawGfx(sx, sy, MonsterSprite(monster[kKind]) + app.m_TmpS);

    if (std::fabs(sx - player[kScreenX]) < 20.0f && std::fabs(sy - player[kScreenY]) < 20.0f) {
      player[kLives] -= 1.0f;
      monster[kKind] = 0.0f;
      app.p_PlaySFX(kFailSound, 1.0f, 1.0f);
      app.p_PlaySFX(kHitSound, 1.0f, 1.0f);
    }
  }
}

// Standing on an open coin collects it; closed coins beside the player open.
void TouchCoins(c_MyApp& app) {
  const int x = zu_f2i(app.m_Player[kCellX]);
  const int y = zu_f2i(app.m_Player[kCellY]);
  if (Inside(x, y) && Cell(app, x, y) == kOpenCoin) {
    Cell(app, x, y) = kCleared;
    app.p_PlaySFX(kCollectSound, 1.0f, 1.0f);
  }
  const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
  for (const auto& cell : around) {
    if (Inside(cell[0], cell[1]) && Cell(app, cell[0], cell[1]) == kClosedCoin) {
      Cell(app, cell[0], cell[1]) = kOpenCoin;
      app.p_PlaySFX(kOpenSound, 1.0f, 1.0f);
    }
  }
}

void DrawPlayer(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  const float sx = kCell * (player[kCellX] + player[kOffsetX]) - app.m_ScrollX;
  const float sy = kCell * (player[kCellY] + player[kOffsetY]) - app.m_ScrollY;
  app.m_SizeX = player[kFacing];
  app.m_SizeY = 1.0f;
  app.m_TmpR = std::clamp(zu_f2i(player[kWalkPhase]), 0, 2);
  app.m_TmpH = zu_f2i(player[kBaseSprite]) + app.m_TmpR;
  if (app.m_Dead == 0) app.p_DrawGfx(sx, sy, app.m_TmpH);
  player[kScreenX] = sx;
  player[kScreenY] = sy;
}

// The coins left beside a faint coin in the top-right corner, and a small heart per life.
void DrawStatus(c_MyApp& app) {
  if (app.m_HideHud != 0) return;
  const float x = zu_Quor_jscrw - 64.0f;
  app.p_SetSize(2.0f);
  app.p_Alpha(0.4f);
  app.p_DrawGfx(x, 32.0f, kOpenCoinSprite);
  app.p_Alpha(1.0f);
  app.p_Text(x, 32.0f, String(zu_f2i(app.m_Player[kCoinsLeft])), 0.5f);
  app.p_SetSize(0.5f);
  app.p_Alpha(1.0f);
  const int right = zu_f2i(zu_Quor_jscrw - 16.0f);
  for (int life = 0; static_cast<float>(life) < app.m_Player[kLives]; ++life) {
    app.p_DrawImg(kLifeImage, static_cast<float>(right - 14 * life), 48.0f, 0);
  }
}

}  // namespace

int c_MyApp::p_Make_Map() {
  // Only the grid and the monster records are ever written (the game start cleared the
  // rest), so clearing them gives the same empty map as clearing the whole array.
  std::fill(m_Map.begin(), m_Map.begin() + kUsedElements, 0.0f);
  m_Player[kBaseSprite] = kPlayerDownSprite;
  m_Player[kFacing] = 1.0f;

  m_TmpG = p_Rand(-2.0f, 2.0f);
  m_TmpD = p_Rand(-2.0f, 2.0f);
  m_TmpA = p_Rand(-2.0f, 2.0f);
  m_TmpR = p_Rand(-2.0f, 2.0f);
  m_TmpO = p_Rand(-1.0f, 1.0f);
  m_TmpN = p_Rand(-1.0f, 1.0f);
  m_TmpE = p_Rand(-1.0f, 1.0f);
  m_TmpF = p_Rand(-1.0f, 1.0f);
  BuildWalls(*this);
  PlaceCoins(*this);
  PlaceMonsters(*this);

  m_Player[kCellX] = kCentre;
  m_Player[kCellY] = kCentre;
  m_Player[kOffsetX] = 0.0f;
  m_Player[kOffsetY] = 0.0f;
  m_Player[kStep] = 0.0f;
  // The controls must be let go before the first step in a new maze.
  m_KeyLatch = 1;
  m_TouchLatch = 1;
  return 0;
}

int c_MyApp::p_LoadGame_Map() {
  p_FreshGame();
  m_Player[kMazesDone] = 0.0f;
  m_Player[kLives] = 3.0f;
  p_Make_Map();
  return 0;
}

int c_MyApp::p_Game_Map() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_SetRot(0.0f);
  p_DoSnow(dx, dy);
  m_ScrollTX = kCell * m_Player[kCellX] - 0.5f * zu_Quor_jscrw;
  m_ScrollTY = kCell * m_Player[kCellY] - 0.5f * zu_Quor_jscrh;
  p_AnalogueControl();
  p_ResetDraw();

  ReadPlayerInput(*this);
  StepPlayer(*this);
  DrawMaze(*this);
  m_Player[kScreenX] = kCell * (m_Player[kCellX] + m_Player[kOffsetX]) - m_ScrollX;
  m_Player[kScreenY] = kCell * (m_Player[kCellY] + m_Player[kOffsetY]) - m_ScrollY;
  UpdateMonsters(*this);
  TouchCoins(*this);
  DrawPlayer(*this);

  p_DoParticles(1.0f);
  p_ResetDraw();
  p_SetSize(3.0f);
  DrawStatus(*this);

  if (m_Player[kLives] < 0.0f) m_Dead = 1;
  if (m_Player[kCoinsLeft] < 1.0f) {
    p_PlaySFX(kMazeSound, 1.0f, 1.0f);
    m_Player[kMazesDone] += 1.0f;
    p_Make_Map();
  }
  p_GfxShow(10, 0);
  p_ScoreDisplay();
  return 0;
}
