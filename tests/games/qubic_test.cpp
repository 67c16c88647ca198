// Qubic: the pyramids built from the generator, the landing rules, falls and lives, the
// bombs' blast, level clearing, the cannons' shots and countdown, what an update draws,
// and a scripted play that lights the first pyramid and ends after three falls.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kQubic = 17;
constexpr int kUp = 38;
constexpr int kLeft = 37;
constexpr int kRight = 39;
constexpr int kDown = 40;
constexpr float kCell = 480.0f / 7.0f;

class QubicTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kQubic);
  }

  float& State(int row, int position) { return Map(row + 10 * position); }
  float& Offset(int row, int position) { return Map(100 + row + 10 * position); }

  void SetAll(float state) {
    for (int r = 1; r <= 6; ++r) {
      for (int k = 1; k <= r; ++k) State(r, k) = state;
    }
  }
  // A started game with the pyramid in place and the player standing on cube (row, position).
  void StandOn(int row, int position) {
    app->p_LoadGame_Qubic();
    for (int r = 1; r <= 6; ++r) {
      for (int k = 1; k <= r; ++k) Offset(r, k) = 0;
    }
    Player(1) = Player(11) = position;
    Player(2) = Player(12) = row;
    Player(6) = 0;
    Player(7) = 0;
    app->m_KeyLatch = 0;
  }
  // Lands a hop on (row, position) in the next update.
  void LandOn(int row, int position) {
    Player(11) = position;
    Player(12) = row;
    Player(6) = 0.01f;
    Player(7) = -0.5f;
    app->p_Game_Qubic();
  }
};

// --- building the levels ---

TEST_F(QubicTest, SetUpBuildsLevelOneFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Qubic();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(21), 1);
  EXPECT_EQ(app->m_Lives, 3);
  // After the 606 star draws, 21 cube draws (the first and tenth would toggle on a later
  // level) and four cannon draws.
  for (int r = 1; r <= 6; ++r) {
    for (int k = 1; k <= r; ++k) {
      EXPECT_EQ(State(r, k), 0) << r << "," << k;
      EXPECT_EQ(Offset(r, k), -480) << r << "," << k;
    }
  }
  EXPECT_FLOAT_EQ(Player(31), 390.898193f);
  EXPECT_FLOAT_EQ(Player(32), 0.350615501f);
  EXPECT_FLOAT_EQ(Player(33), 396.757050f);
  EXPECT_FLOAT_EQ(Player(34), 0.696295023f);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 2895124855u) << "exactly 631 draws";
  EXPECT_EQ(Player(35), 600);
  EXPECT_EQ(Player(36), 768);
  EXPECT_EQ(Player(38), -128);
  EXPECT_EQ(Player(1), 1);
  EXPECT_EQ(Player(2), 1);
  EXPECT_EQ(Player(5), 1);
  EXPECT_EQ(Player(6), 64);
  EXPECT_FLOAT_EQ(Player(7), 0.1f);
  EXPECT_EQ(Player(11), 1);
  EXPECT_EQ(Player(12), 1);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_FLOAT_EQ(app->m_BgTR, 63.75f) << "colour 2 at a quarter";
  EXPECT_FLOAT_EQ(app->m_BgTG, 31.875f);
  EXPECT_FLOAT_EQ(app->m_BgTB, 6.375f);
}

TEST_F(QubicTest, LaterLevelsAddTogglingCubesAndBombsInsideThePyramid) {
  struct Expected {
    int level, toggleParameter;
    std::vector<std::pair<int, int>> toggles, bombs;
  };
  const Expected levels[] = {
      {2, 6, {{5, 3}, {6, 3}}, {}},
      {3, 5, {{5, 3}, {6, 3}}, {{4, 3}}},
      // Three bombs; two of them land on cubes that would have toggled.
      {7, 2, {{2, 1}, {3, 3}, {4, 1}, {4, 2}, {6, 3}, {6, 6}}, {{4, 3}, {3, 2}, {5, 3}}},
  };
  for (const Expected& e : levels) {
    app->p_LoadGame_Qubic();
    SetAll(1);
    zu_random_Seed = 1234;
    Player(21) = e.level - 1;
    app->p_Level_Qubic();
    EXPECT_EQ(app->m_TmpR, e.toggleParameter) << e.level;
    int toggling = 0, bombs = 0;
    for (int r = 1; r <= 6; ++r) {
      for (int k = 1; k <= r; ++k) {
        toggling += State(r, k) == 2 ? 1 : 0;
        bombs += State(r, k) == 4 ? 1 : 0;
        EXPECT_TRUE(State(r, k) == 0 || State(r, k) == 2 || State(r, k) == 4) << e.level;
      }
    }
    EXPECT_EQ(toggling, static_cast<int>(e.toggles.size())) << e.level;
    EXPECT_EQ(bombs, static_cast<int>(e.bombs.size())) << e.level;
    for (auto [r, k] : e.toggles) EXPECT_EQ(State(r, k), 2) << e.level << ": " << r << "," << k;
    for (auto [r, k] : e.bombs) EXPECT_EQ(State(r, k), 4) << e.level << ": " << r << "," << k;
  }
  EXPECT_FLOAT_EQ(app->m_BgTR, 255.0f * 0.25f) << "level 7 takes colour 8";
  EXPECT_FLOAT_EQ(app->m_BgTB, 0.5f * 255.0f * 0.25f);
}

// --- landing ---

TEST_F(QubicTest, EachStateHasItsLandingRule) {
  struct Rule {
    float before, after;
    int points, sound;
  };
  const Rule rules[] = {{0, 1, 5, 3}, {2, 3, 5, 4}, {3, 2, -5, 5}, {4, 140, 10, 6}, {1, 1, 0, -1}};
  for (const Rule& rule : rules) {
    StandOn(3, 2);
    State(4, 2) = rule.before;
    State(1, 1) = 1;  // keeps the level from being cleared
    app->m_Score = 20;
    sounds->played.clear();
    LandOn(4, 2);
    EXPECT_EQ(State(4, 2), rule.after) << rule.before;
    EXPECT_EQ(app->m_Score, 20 + rule.points) << rule.before;
    EXPECT_EQ(Player(1), 2);
    EXPECT_EQ(Player(2), 4);
    EXPECT_EQ(Player(9), 0);
    if (rule.sound > 0) {
      EXPECT_EQ(sounds->Count(rule.sound), 1) << rule.before;
    } else {
      EXPECT_TRUE(sounds->played.empty()) << rule.before;
    }
  }
  // A burning fuse is left alone (it burns down by one in the same update's cube pass).
  StandOn(3, 2);
  State(4, 2) = 50;
  app->m_Score = 20;
  LandOn(4, 2);
  EXPECT_EQ(State(4, 2), 49);
  EXPECT_EQ(app->m_Score, 20);
}

TEST_F(QubicTest, EveryHopOffThePyramidEndsInAFall) {
  struct Off {
    int row, position, key;
  };
  const Off hops[] = {{1, 1, kUp}, {1, 1, kLeft}, {3, 3, kUp}, {4, 1, kLeft},
                      {6, 2, kDown}, {6, 4, kRight}};
  for (const Off& hop : hops) {
    app->m_Mode = 11;
    Update();
    StandOn(hop.row, hop.position);
    sounds->played.clear();
    KeyDown(hop.key);
    for (int i = 0; i < 23; ++i) Update();  // the start and 22 updates in the air
    KeyUp(hop.key);
    EXPECT_EQ(sounds->Count(12), 1) << hop.row << "," << hop.position << " key " << hop.key;
    EXPECT_GT(Player(9), 0) << hop.row << "," << hop.position;
    for (int i = 0; i < 30 && app->m_Lives == 3; ++i) Update();
    EXPECT_EQ(app->m_Lives, 2) << hop.row << "," << hop.position;
    EXPECT_EQ(Player(1), 1);
    EXPECT_EQ(Player(2), 1);
    EXPECT_EQ(Player(6), 64) << "drops in again on the top cube";
    EXPECT_EQ(app->m_Dead, 0);
  }
}

TEST_F(QubicTest, AHopLastsTwentyTwoUpdatesAndAHeldKeyHopsOnce) {
  app->m_Mode = 11;
  Update();
  StandOn(1, 1);
  State(1, 1) = 1;
  KeyDown(kDown);
  Update();
  EXPECT_FLOAT_EQ(Player(6), 0.1f);
  EXPECT_EQ(Player(5), -1);
  for (int i = 0; i < 21; ++i) Update();
  EXPECT_GT(Player(6), 0) << "still in the air after 21 updates";
  Update();
  EXPECT_EQ(Player(6), 0);
  EXPECT_EQ(Player(2), 2);
  EXPECT_EQ(State(2, 1), 1);
  for (int i = 0; i < 30; ++i) Update();
  EXPECT_EQ(Player(2), 2) << "the held key does not hop again";
  KeyUp(kDown);
  Update();
  KeyDown(kRight);
  Update();
  EXPECT_EQ(Player(11), 2);
  EXPECT_EQ(Player(12), 3);
  EXPECT_EQ(Player(5), 1);
}

TEST_F(QubicTest, WhileCubesDropNoHopStartsAndAHopStandsStill) {
  StandOn(3, 2);
  Offset(6, 6) = -20;
  KeyDown(kUp);
  app->p_Game_Qubic();
  EXPECT_EQ(Player(6), 0) << "no hop while a cube drops";
  Player(6) = 1;
  Player(7) = 0.3f;
  Offset(6, 6) = -20;
  app->p_Game_Qubic();
  EXPECT_EQ(Player(6), 1);
  EXPECT_FLOAT_EQ(Player(7), 0.3f);
}

// --- lives ---

TEST_F(QubicTest, LosingTheLastLifeEndsTheGame) {
  StandOn(1, 1);
  app->m_Lives = 1;
  Player(9) = 500;
  app->p_Game_Qubic();
  EXPECT_EQ(app->m_Lives, 0);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_GT(Player(9), 500) << "no new drop-in";
}

// --- bombs ---

TEST_F(QubicTest, ABlastPutsOutLitCubesTwoRowsAndOnePositionAround) {
  StandOn(1, 1);
  SetAll(1);
  State(2, 2) = 3;
  State(6, 3) = 3;
  State(5, 2) = 2;
  State(3, 1) = 4;
  State(2, 1) = 60;
  State(4, 2) = 11;  // goes off in this update's pass
  app->p_Game_Qubic();
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(State(4, 2), 0);
  // Rows 2..6, positions 1..3.
  EXPECT_EQ(State(2, 2), 2);
  EXPECT_EQ(State(3, 2), 0);
  EXPECT_EQ(State(3, 3), 0);
  EXPECT_EQ(State(4, 1), 0);
  EXPECT_EQ(State(4, 3), 0);
  EXPECT_EQ(State(5, 1), 0);
  EXPECT_EQ(State(5, 3), 0);
  EXPECT_EQ(State(6, 1), 0);
  EXPECT_EQ(State(6, 2), 0);
  EXPECT_EQ(State(6, 3), 2);
  // Left alone: a toggling dark cube, a waiting bomb, a burning fuse, and cubes outside.
  EXPECT_EQ(State(5, 2), 2);
  EXPECT_EQ(State(3, 1), 4);
  EXPECT_EQ(State(2, 1), 59);
  EXPECT_EQ(State(1, 1), 1);
  EXPECT_EQ(State(4, 4), 1);
  EXPECT_EQ(State(6, 4), 1);
  EXPECT_EQ(app->m_Score, 0);
}

// --- clearing a level ---

TEST_F(QubicTest, LightingEveryCubeBuildsTheNextLevel) {
  StandOn(3, 2);
  SetAll(1);
  State(5, 5) = 3;
  app->m_Score = 105;
  app->p_Game_Qubic();
  EXPECT_EQ(Player(21), 2);
  EXPECT_EQ(app->m_Score, 155);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(Offset(6, 6), -480);
  EXPECT_EQ(Player(1), 1);
  EXPECT_EQ(Player(2), 1);
  EXPECT_GT(Player(6), 64) << "the drop-in hop moved once in the same update";
}

// --- cannons ---

TEST_F(QubicTest, AShotCatchesThePlayerWhoFallsFromThere) {
  StandOn(1, 1);
  Player(21) = 4;
  // The player stands at (320, 1.5 cell); the left shot arrives within 32 s of it.
  Player(36) = 320 - 6 - 60;
  Player(37) = 1.5f * kCell + 40;
  Player(38) = 400;
  Player(35) = 500;
  app->p_Game_Qubic();
  EXPECT_FLOAT_EQ(Player(9), 0.1f) << "falls from where the shot caught him";
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_EQ(Player(36), 768);
  EXPECT_EQ(Player(38), -128);
  EXPECT_EQ(Drawn(0, 6, 6).size(), 1u) << "the right shot is not moved once the left hit";

  // Already falling: only the shots are cleared.
  Player(36) = 320 - 6;
  Player(37) = 1.5f * kCell + Player(9);
  app->p_Game_Qubic();
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_EQ(Player(36), 768);
}

TEST_F(QubicTest, TheCountdownBeepsNearItsMarksAndFiresBothCannons) {
  StandOn(1, 1);
  Player(21) = 6;  // the countdown falls by 2 an update
  Player(35) = 123;
  app->p_Game_Qubic();  // 121: within 2 of 120
  app->p_Game_Qubic();  // 119
  app->p_Game_Qubic();  // 117
  EXPECT_EQ(sounds->Count(99), 2);
  Player(35) = 1;
  Player(31) = 200;
  Player(33) = 300;
  Player(32) = Player(34) = 0;
  zu_random_Seed = 1234;  // neither cannon takes a new speed
  app->p_Game_Qubic();
  EXPECT_EQ(sounds->Count(11), 1);
  EXPECT_EQ(Player(36), 32) << "the shots move from the next update";
  EXPECT_EQ(Player(37), 200);
  EXPECT_EQ(Player(38), 608);
  EXPECT_EQ(Player(39), 300);
  EXPECT_GE(Player(35), 300);
  EXPECT_LE(Player(35), 600);
  EXPECT_EQ(std::fmod(Player(35), 60.0f), 0);
}

TEST_F(QubicTest, BelowLevelFourTheCannonsMoveButNeitherShowNorFire) {
  StandOn(1, 1);
  Player(21) = 3;
  Player(31) = 100;
  Player(32) = 1.5f;
  Player(35) = 1;
  app->p_Game_Qubic();
  EXPECT_EQ(Player(31), 101.5f);
  EXPECT_EQ(Player(35), 1);
  EXPECT_EQ(sounds->Count(11), 0);
  EXPECT_TRUE(Drawn(0, 15, 15).empty());
}

// --- drawing ---

TEST_F(QubicTest, CubesPlayerAndCannonsAreDrawnWhereTheyBelong) {
  StandOn(3, 2);
  SetAll(1);
  State(6, 6) = 0;
  Offset(3, 2) = -100;
  Player(21) = 4;
  Player(31) = 200;
  Player(33) = 250;
  Player(32) = Player(34) = 0;
  app->p_Game_Qubic();
  const std::vector<DrawnCommand> cubes = Drawn(0, 22, 25);
  ASSERT_EQ(cubes.size(), 21u);
  EXPECT_FLOAT_EQ(cubes[0].x, 320);
  EXPECT_FLOAT_EQ(cubes[0].y, 3 * kCell * 0.75f);
  EXPECT_FLOAT_EQ(cubes[0].sizeA, kCell / 32);
  EXPECT_EQ(cubes[0].frame, 23);
  EXPECT_FLOAT_EQ(cubes[4].x, 320) << "row 3, position 2, at its offset before the fall";
  EXPECT_FLOAT_EQ(cubes[4].y, 5 * kCell * 0.75f - 100);
  EXPECT_FLOAT_EQ(cubes[15].x, 320 - 2.5f * kCell) << "row 6, position 1";
  EXPECT_FLOAT_EQ(cubes[15].y, 8 * kCell * 0.75f);
  EXPECT_EQ(cubes[20].frame, 22);
  const std::vector<DrawnCommand> player = Drawn(0, 19, 21);
  ASSERT_EQ(player.size(), 1u);
  EXPECT_FLOAT_EQ(player[0].x, 320);
  EXPECT_LT(Offset(3, 2), -84);
  EXPECT_FLOAT_EQ(player[0].y, 4 * kCell * 0.75f + Offset(3, 2))
      << "rides down with its cube, at the offset after the fall";
  EXPECT_FLOAT_EQ(player[0].sizeA, -kCell / 32) << "facing 1 mirrors the sprite";
  EXPECT_EQ(player[0].frame, 19);
  const std::vector<DrawnCommand> cannons = Drawn(0, 15, 15);
  ASSERT_EQ(cannons.size(), 2u);
  EXPECT_EQ(cannons[0].x, 32);
  EXPECT_EQ(cannons[0].y, 200);
  EXPECT_EQ(cannons[0].rot, -90);
  EXPECT_EQ(cannons[1].x, 608);
  EXPECT_EQ(cannons[1].rot, -270);
}

// --- a whole play ---

class QubicPlayTest : public QubicTest {
 protected:
  bool ReadyToHop() {
    if (Player(6) != 0 || Player(9) != 0) return false;
    for (int r = 1; r <= 6; ++r) {
      for (int k = 1; k <= r; ++k) {
        if (Offset(r, k) != 0) return false;
      }
    }
    return true;
  }
  void Hop(int key) {
    for (int i = 0; i < 400 && !ReadyToHop(); ++i) Update();
    KeyDown(key);
    Update();
    KeyUp(key);
    Update();
  }
};

TEST_F(QubicPlayTest, LightingThePyramidAndThenFallingThreeTimes) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  Update();
  const int path[] = {kDown, kDown, kDown, kDown, kDown, kUp,   kRight, kUp,    kUp,
                      kUp,   kUp,   kRight, kDown, kDown, kDown, kUp,    kRight, kUp,
                      kUp,   kRight, kDown, kUp,  kRight};
  for (int key : path) Hop(key);
  for (int i = 0; i < 30 && Player(21) == 1; ++i) Update();
  EXPECT_EQ(Player(21), 2);
  EXPECT_EQ(app->m_Score, 155) << "21 cubes and the level bonus";
  EXPECT_EQ(sounds->Count(3), 21);
  EXPECT_EQ(sounds->Count(95), 1);
  for (int i = 0; i < 3; ++i) Hop(kLeft);
  for (int i = 0; i < 100 && app->m_Dead == 0; ++i) Update();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(app->m_Lives, 0);
  EXPECT_EQ(app->m_Score, 160) << "the drop-in on level 2 lit the top cube";
  EXPECT_EQ(sounds->Count(3), 22);
  EXPECT_EQ(sounds->Count(12), 3);
}

}  // namespace
