// Qubic (letter Q, "Quriously Qubic"): a pyramid of 21 cubes in six rows; the player hops
// diagonally from cube to cube and every landing lights the cube. Lighting them all drops
// in the next pyramid. Later levels add cubes that go dark again on a second landing
// (level 2), bombs whose blast puts lit cubes out (level 3) and two cannons on the screen's
// edges firing across it (level 4). Hopping off the pyramid or being shot costs one of
// three lives.
#include <algorithm>
#include <cmath>

#include "framework/app.h"
#include "framework/random.h"
#include "games/sprite_numbers.h"
#include "host/numeric.h"
#include "shell/my_app.h"
#include "shell/quor.h"

namespace {

// The player, the level and the cannons, in m_Player.
constexpr int kPosition = 1;      // the cube stood on (or hopped from): position k
constexpr int kRow = 2;           // ... and row r
constexpr int kFacing = 5;        // 1: the sprite is mirrored
constexpr int kHopHeight = 6;     // 0 standing, above 0 in the air
constexpr int kHopSpeed = 7;
constexpr int kHopProgress = 8;   // 0 at the source cube, about 1 at the target
constexpr int kFall = 9;          // above 0 while falling off the screen
constexpr int kTargetPosition = 11;
constexpr int kTargetRow = 12;
constexpr int kLevel = 21;
constexpr int kLeftCannonY = 31;
constexpr int kLeftCannonSpeed = 32;
constexpr int kRightCannonY = 33;
constexpr int kRightCannonSpeed = 34;
constexpr int kCountdown = 35;
constexpr int kLeftShotX = 36;   // flies right; idle at or beyond jscrw + 64
constexpr int kLeftShotY = 37;
constexpr int kRightShotX = 38;  // flies left; idle at or below -64
constexpr int kRightShotY = 39;

// Cube (row r, position k): its state at r + 10 k and its drop offset 100 further on.
constexpr int kRows = 6;
constexpr int kStateCells = 110;  // the ten-by-ten block 11..110 cleared for each level
constexpr int kDropOffset = 100;

constexpr int kDark = 0;
constexpr int kLit = 1;
constexpr int kToggleDark = 2;
constexpr int kToggleLit = 3;
constexpr int kBomb = 4;
constexpr int kFuseLit = 140;
constexpr int kFuseOut = 10;  // a burning fuse counts down to this and goes off

constexpr int kDarkSprite = sprite::kQubicCubeDark;
constexpr int kLitSprite = sprite::kQubicCubeLit;
constexpr int kToggleDarkSprite = sprite::kQubicCubeTogglingDark;
constexpr int kToggleLitSprite = sprite::kQubicCubeTogglingLit;
constexpr int kBombSprite = sprite::kQubicBomb;  // and 27: the two blink frames
constexpr int kStandSprite = sprite::kQubicHopperStanding;
constexpr int kHopSprite = sprite::kQubicHopperHopping;
constexpr int kFallSprite = sprite::kQubicHopperFalling;
constexpr int kShotSprite = sprite::kShot;
constexpr int kCannonSprite = sprite::kGun;

constexpr int kLightSound = 3;
constexpr int kToggleOnSound = 4;
constexpr int kToggleOffSound = 5;
constexpr int kFuseSound = 6;
constexpr int kBlastSound = 7;
constexpr int kVolleySound = 11;
constexpr int kFallSound = 12;
constexpr int kClearedSound = 95;
constexpr int kWarningSound = 99;

constexpr float kDropInHeight = 64.0f;
constexpr float kDropInSpeed = 0.1f;
constexpr float kHopStartHeight = 0.1f;
constexpr float kHopStartSpeed = 0.5f;
constexpr float kGravity = 0.05f;
constexpr float kProgressStep = 0.05f;
constexpr float kFallStart = 0.1f;
constexpr float kShotSpeed = 6.0f;
constexpr float kFirstCountdown = 600.0f;
constexpr int kCannonLevel = 4;
constexpr int kBlinkMillisecs = 350;

int StateIndex(int row, int position) { return row + 10 * position; }

bool IsCube(int row, int position) {
  return row >= 1 && row <= kRows && position >= 1 && position <= row;
}

// Reads m_Map, treating anything outside it as 0 (the player's cell may lie off the pyramid).
float MapValue(const c_MyApp& app, int index) {
  return index >= 0 && index < app.m_Map.Length() ? app.m_Map[index] : 0.0f;
}

float CellSize() { return std::min(zu_Quor_jscrh, zu_Quor_jscrw) / 7.0f; }

float CubeX(float row, float position, float cell) {
  return position * cell + zu_Quor_jscrw / 2.0f - (row + 1.0f) * cell / 2.0f;
}

// Where a player standing on the cube stands: three quarters of a cell above its centre.
float StandY(float row, float cell) { return (row + 1.0f) * cell * 0.75f; }

// Every lit cube within two rows and one position of the bomb (by index) goes dark.
void Blast(c_MyApp& app, int row, int position) {
  for (int r = row - 2; r <= row + 2; ++r) {
    for (int k = position - 1; k <= position + 1; ++k) {
      if (!IsCube(r, k)) continue;
      float& state = app.m_Map[StateIndex(r, k)];
      if (state == kLit) state = kDark;
      else if (state == kToggleLit) state = kToggleDark;
    }
  }
}

// One cube of the pass: its fall into place, its fuse, and its picture. m_TmpG stays 1 only
// while every cube is lit; m_TmpS only while every cube is in place.
void UpdateCube(c_MyApp& app, int row, int position, float cell) {
  float& offset = app.m_Map[kDropOffset + StateIndex(row, position)];
  const float shownOffset = offset;
  if (shownOffset < 0.0f) {
    app.m_TmpS = 0;
    offset = std::min(shownOffset + 8.0f + zu_random_Rnd() * 8.0f, 0.0f);
  }
  float& state = app.m_Map[StateIndex(row, position)];
  if (state == kDark) app.m_TmpH = kDarkSprite;
  if (state == kLit) app.m_TmpH = kLitSprite;
  if (state == kToggleDark) {
    app.m_TmpH = kToggleDarkSprite;
    app.m_TmpG = 0;
  }
  if (state == kToggleLit) app.m_TmpH = kToggleLitSprite;
  if (state == kBomb) {
    app.m_TmpH = kBombSprite + (position + zu_app_Millisecs() / kBlinkMillisecs) % 2;
    app.m_TmpG = 0;
  }
  if (state > kFuseOut) {
    app.m_TmpG = 0;
    app.m_TmpH = zu_f2i(std::floor(kBombSprite + zu_random_Rnd() * 1.99f));
    state -= 1.0f;
    if (state == kFuseOut) {
      app.p_PlaySFX(kBlastSound);
      state = kDark;
      Blast(app, row, position);
    }
  }
  if (app.m_TmpH == kDarkSprite) app.m_TmpG = 0;
  app.p_DrawGfx(CubeX(row, position, cell), (row + 2.0f) * cell * 0.75f + shownOffset, app.m_TmpH);
}

void UpdateCubes(c_MyApp& app, float cell) {
  for (app.m_Loop = 1; app.m_Loop <= kRows; ++app.m_Loop) {
    for (app.m_Loop2 = 1; app.m_Loop2 <= app.m_Loop; ++app.m_Loop2) {
      UpdateCube(app, app.m_Loop, app.m_Loop2, cell);
    }
  }
}

// The landing: on a cube it takes the cube's rule; anywhere else the player falls.
void Land(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kHopHeight] = 0.0f;
  player[kHopProgress] = 0.0f;
  player[kPosition] = player[kTargetPosition];
  player[kRow] = player[kTargetRow];
  player[kFall] = kFallStart;
  const int row = zu_f2i(player[kRow]);
  const int position = zu_f2i(player[kPosition]);
  if (!IsCube(row, position)) {
    app.p_PlaySFX(kFallSound);
    return;
  }
  player[kFall] = 0.0f;
  float& state = app.m_Map[StateIndex(row, position)];
  app.m_TmpK = zu_f2i(state);
  if (app.m_TmpK == kDark) {
    state = kLit;
    app.p_PlaySFX(kLightSound);
    app.m_Score += 5;
  } else if (app.m_TmpK == kToggleDark) {
    state = kToggleLit;
    app.p_PlaySFX(kToggleOnSound);
    app.m_Score += 5;
  } else if (app.m_TmpK == kToggleLit) {
    state = kToggleDark;
    app.p_PlaySFX(kToggleOffSound);
    app.m_Score -= 5;
  } else if (app.m_TmpK == kBomb) {
    state = kFuseLit;
    app.p_PlaySFX(kFuseSound);
    app.m_Score += 10;
  }
}

// The first pressed of up, down, left, right starts one diagonal hop; no test is made on
// the target, so a hop off the pyramid is allowed.
void StartHop(c_MyApp& app) {
  struct Hop {
    int control, dPosition, dRow;
    float facing;
  };
  static constexpr Hop kHops[] = {{0, 0, -1, 1.0f}, {8, 0, 1, -1.0f}, {3, -1, -1, -1.0f},
                                  {5, 1, 1, 1.0f}};
  Array<float>& player = app.m_Player;
  for (const Hop& hop : kHops) {
    if (app.p_PlayKey(hop.control, 1) == 0) continue;
    player[kTargetPosition] = player[kPosition] + static_cast<float>(hop.dPosition);
    player[kTargetRow] = player[kRow] + static_cast<float>(hop.dRow);
    player[kFacing] = hop.facing;
    app.m_KeyLatch = 1;
    player[kHopHeight] = kHopStartHeight;
    player[kHopSpeed] = kHopStartSpeed;
    player[kHopProgress] = 0.0f;
    return;
  }
}

void DropIn(c_MyApp& app) {
  Array<float>& player = app.m_Player;
  player[kFall] = 0.0f;
  player[kPosition] = player[kRow] = player[kTargetPosition] = player[kTargetRow] = 1.0f;
  player[kHopHeight] = kDropInHeight;
  player[kHopSpeed] = kDropInSpeed;
}

// Moves, draws and (once off the screen) replaces the player; returns the player's place
// before the hop's lift, which the shots test against.
void UpdatePlayer(c_MyApp& app, float cell, float scale, float& x, float& y) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  app.p_SetSize(player[kFacing] == 1.0f ? -scale : scale, scale);
  const float x0 = CubeX(player[kRow], player[kPosition], cell);
  const float y0 = StandY(player[kRow], cell);
  const float x1 = CubeX(player[kTargetRow], player[kTargetPosition], cell);
  const float y1 = StandY(player[kTargetRow], cell);
  x = x0 + (x1 - x0) * player[kHopProgress];
  y = y0 + (y1 - y0) * player[kHopProgress] + player[kFall];
  if (app.m_TmpS == 0) {
    const int cube = StateIndex(zu_f2i(player[kRow]), zu_f2i(player[kPosition]));
    y += MapValue(app, kDropOffset + cube);
  }
  if (player[kFall] > 0.0f) player[kFall] += cell / 2.0f;
  if (y > zu_Quor_jscrh + 32.0f) {
    app.m_Lives -= 1;
    if (app.m_Lives >= 1) DropIn(app);
    else if (app.m_Lives == 0) app.m_Dead = 1;
  }
  app.m_TmpH = kStandSprite;
  if (player[kHopHeight] > 0.0f) app.m_TmpH = kHopSprite;
  if (player[kFall] > 0.0f) app.m_TmpH = kFallSprite;
  app.p_DrawGfx(x, y - cell * 0.25f * player[kHopHeight], app.m_TmpH);
}

// A cannon slides along its edge, bouncing off the ends, and about once in 320 updates takes
// a random new speed.
void MoveCannon(c_MyApp& app, int yElement, int speedElement, float cell) {
  Array<float>& player = app.m_Player;
  player[yElement] += player[speedElement];
  if (player[yElement] < cell / 2.0f) player[speedElement] = 1.0f + zu_random_Rnd();
  if (player[yElement] > zu_Quor_jscrh - cell / 2.0f) {
    player[speedElement] = -(1.0f + zu_random_Rnd());
  }
  if (zu_random_Rnd() * 320.0f < 1.0f) player[speedElement] = zu_random_Rnd() * 4.0f - 2.0f;
}

bool ShotHits(float shotX, float shotY, float x, float y, float scale) {
  return std::fabs(shotX - x) < 32.0f * scale && std::fabs(shotY - y) < 22.0f * scale;
}

void IdleShots(c_MyApp& app) {
  app.m_Player[kRightShotX] = -128.0f;
  app.m_Player[kLeftShotX] = zu_Quor_jscrw + 128.0f;
}

void UpdateShots(c_MyApp& app, float scale, float x, float y) {
  Array<float>& player = app.m_Player;
  app.p_ResetDraw();
  app.p_SetSize(scale, 0.2f * scale);
  bool hit = false;
  if (player[kLeftShotX] < zu_Quor_jscrw + 64.0f) {
    player[kLeftShotX] += kShotSpeed;
    app.p_DrawGfx(player[kLeftShotX], player[kLeftShotY], kShotSprite);
    hit = ShotHits(player[kLeftShotX], player[kLeftShotY], x, y, scale);
  }
  if (!hit && player[kRightShotX] > -64.0f) {
    player[kRightShotX] -= kShotSpeed;
    app.p_DrawGfx(player[kRightShotX], player[kRightShotY], kShotSprite);
    hit = ShotHits(player[kRightShotX], player[kRightShotY], x, y, scale);
  }
  if (!hit) return;
  if (player[kFall] < kFallStart) {
    player[kFall] = kFallStart;
    player[kHopHeight] = 0.0f;
    app.p_PlaySFX(kFallSound);
  }
  IdleShots(app);
}

void DrawCannons(c_MyApp& app, float scale) {
  app.p_ResetDraw();
  app.p_SetSize(scale, scale);
  app.m_Rot = -90.0f;
  app.p_DrawGfx(32.0f, app.m_Player[kLeftCannonY], kCannonSprite);
  app.m_Rot = -270.0f;
  app.p_DrawGfx(zu_Quor_jscrw - 32.0f, app.m_Player[kRightCannonY], kCannonSprite);
}

// The countdown runs faster at higher levels and beeps near 120, 90, 60 and 30; at zero
// both cannons fire at once.
void CountDown(c_MyApp& app, float level) {
  Array<float>& player = app.m_Player;
  const float step = level / 3.0f;
  player[kCountdown] -= step;
  for (const float mark : {30.0f, 60.0f, 90.0f, 120.0f}) {
    if (std::fabs(player[kCountdown] - mark) < step) app.p_PlaySFX(kWarningSound);
  }
  if (player[kCountdown] >= 0.0f) return;
  player[kCountdown] = 60.0f * static_cast<float>(app.p_Rand(5.0f, 10.0f));
  app.p_PlaySFX(kVolleySound);
  player[kLeftShotX] = 32.0f;
  player[kLeftShotY] = player[kLeftCannonY];
  player[kRightShotX] = zu_Quor_jscrw - 32.0f;
  player[kRightShotY] = player[kRightCannonY];
}

}  // namespace

int c_MyApp::p_LoadGame_Qubic() {
  p_FreshGame();
  m_Player[kLevel] = 0.0f;
  m_Player[kFall] = 0.0f;
  p_Level_Qubic();
  m_Lives = 3;
  return 0;
}

int c_MyApp::p_Level_Qubic() {
  m_Player[kLevel] += 1.0f;
  const float level = m_Player[kLevel];
  p_SetBG(zu_f2i(std::fmod(level, 8.0f)) + 1, 0.25f);
  for (int i = 11; i <= kStateCells; ++i) m_Map[i] = 0.0f;
  m_TmpR = std::max(zu_f2i(8.0f - level), 2);

  // The draw is made at level 1 too, so every level's layout follows the same sequence.
  for (int row = 1; row <= kRows; ++row) {
    for (int position = 1; position <= row; ++position) {
      m_Map[kDropOffset + StateIndex(row, position)] = -zu_Quor_jscrh;
      const bool toggles = std::floor(zu_random_Rnd() * (m_TmpR + 0.99f)) < 1.0f;
      if (toggles && level > 1.0f) m_Map[StateIndex(row, position)] = kToggleDark;
    }
  }

  m_Player[kLeftCannonY] = zu_random_Rnd() * zu_Quor_jscrh;
  m_Player[kLeftCannonSpeed] = zu_random_Rnd() * 4.0f - 2.0f;
  m_Player[kRightCannonY] = zu_random_Rnd() * zu_Quor_jscrh;
  m_Player[kRightCannonSpeed] = zu_random_Rnd() * 4.0f - 2.0f;
  m_Player[kCountdown] = kFirstCountdown;
  IdleShots(*this);

  // Bombs sit inside the pyramid, never on its edges; two on one cube make one.
  const int bombs = std::clamp(zu_f2i((level - 1.0f) * 0.5f), 0, 3);
  for (int i = 0; i < bombs; ++i) {
    const int row = p_Rand(3.0f, 5.0f);
    const int position = p_Rand(2.0f, static_cast<float>(row - 1));
    m_Map[StateIndex(row, position)] = kBomb;
  }

  m_Player[3] = 0.0f;
  m_Player[4] = 0.0f;
  m_Player[kFacing] = 1.0f;
  DropIn(*this);
  // A key held from the last level must be released before the first hop.
  m_KeyLatch = 1;
  m_TouchLatch = 1;
  return 0;
}

int c_MyApp::p_Game_Qubic() {
  p_DoBG();
  p_ResetDraw();
  const auto [dx, dy] = p_StepCamera(0.125f);
  p_DoSnow(dx, dy);
  p_AnalogueControl();
  p_ResetDraw();
  const float cell = CellSize();
  const float scale = cell / 32.0f;
  p_SetSize(scale, scale);
  m_TmpG = 1;
  m_TmpS = 1;

  UpdateCubes(*this, cell);
  if (m_TmpG == 1) {
    p_Level_Qubic();
    p_PlaySFX(kClearedSound);
    m_Score += 50;
  }

  // While any cube is still dropping into place, a hop in progress stands still.
  if (m_Player[kHopHeight] > 0.0f && m_TmpS == 1) {
    m_Player[kHopHeight] += m_Player[kHopSpeed];
    m_Player[kHopSpeed] -= kGravity;
    m_Player[kHopProgress] += kProgressStep;
  }
  if (m_Player[kHopHeight] < 0.0f) Land(*this);
  if (m_KeyLatch == 0 && m_Player[kFall] == 0.0f && m_Player[kHopHeight] == 0.0f && m_Dead == 0 &&
      m_TmpS == 1) {
    StartHop(*this);
  }

  float x = 0.0f;
  float y = 0.0f;
  UpdatePlayer(*this, cell, scale, x, y);

  MoveCannon(*this, kLeftCannonY, kLeftCannonSpeed, cell);
  MoveCannon(*this, kRightCannonY, kRightCannonSpeed, cell);
  const float level = m_Player[kLevel];
  if (level >= kCannonLevel) {
    UpdateShots(*this, scale, x, y);
    DrawCannons(*this, scale);
    CountDown(*this, level);
  }

  p_DoParticles(1.0f);
  p_ScoreDisplay(1);
  return 0;
}
