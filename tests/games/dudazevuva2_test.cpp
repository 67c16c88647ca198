// Dudazevuva2: the landscape and the waves from the generator, the ship's steering, the
// camera, firing, kills and pods, the fuel and its warnings, crashing, and a scripted play
// that ends the same way every time.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kDudazevuva2 = 5;
constexpr int kSpace = 32;
constexpr int kUpArrow = 38;
constexpr int kDownArrow = 40;
constexpr int kNoWaves = 1000000;

class Dudazevuva2Test : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kDudazevuva2);
  }

  float& Enemy(int k, int field) { return app->m_Map[1000 + 10 * k + field]; }
  float& Shot(int j, int field) { return app->m_Player[100 + 10 * j + field]; }

  // Started through the game flow, with the waves held back.
  void StartWithoutWaves() {
    app->m_Mode = 11;
    Update();
    Player(15) = kNoWaves;
  }
  void PlaceEnemy(int k, int kind, float x, float y, float speedX) {
    Enemy(k, 0) = kind;
    Enemy(k, 1) = x;
    Enemy(k, 2) = y;
    Enemy(k, 3) = speedX;
  }
};

// --- set-up and waves ---

TEST_F(Dudazevuva2Test, SetUpWalksTheLandscapeFromBothEndsTowardTheMiddle) {
  zu_random_Seed = 1234;
  app->p_LoadGame_Dudazevuva2();
  // Worked out from seed 1234 after the fresh start's 606 star draws.
  const int heights[] = {40, 35, 30, 25, 29, 30, 27, 30, 29, 28, 27, 26};
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(Map(i), heights[i]) << i;
    EXPECT_EQ(Map(200 - i), heights[i]) << i;
  }
  const int middle[] = {6, 11, 16, 13, 10, 7, 9, 10, 14, 18};  // columns 91..100
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Map(91 + i), middle[i]) << 91 + i;
  float lowest = 1000, highest = -1000;
  for (int i = 0; i <= 200; ++i) {
    lowest = std::min(lowest, Map(i));
    highest = std::max(highest, Map(i));
  }
  EXPECT_EQ(lowest, 6);
  EXPECT_EQ(highest, 52);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 1921642817u) << "every draw of the walk";

  EXPECT_EQ(Player(1), 500);
  EXPECT_EQ(Player(2), 240);
  EXPECT_EQ(Player(25), 60);
  EXPECT_EQ(Player(26), 120);
  EXPECT_EQ(Player(27), 8);
  EXPECT_EQ(Player(28), 100);
  EXPECT_EQ(Player(29), 5);
  EXPECT_EQ(app->m_ScrollX, 400);
  EXPECT_EQ(app->m_ScrollTY, 400);
}

TEST_F(Dudazevuva2Test, ARowWaveWeavesWithPhasesThirtyDegreesApart) {
  app->p_LoadGame_Dudazevuva2();
  zu_random_Seed = 1234;
  app->p_AddWave_Dudazevuva2();
  EXPECT_FLOAT_EQ(Player(25), 59.9f);
  EXPECT_FLOAT_EQ(Player(26), 119.7f);
  EXPECT_FLOAT_EQ(Player(27), 8.1f);
  // Shape 2: eight weaving ships in a row 16 apart, in records 100 down to 93.
  for (int m = 0; m < 8; ++m) {
    const int k = 100 - m;
    EXPECT_EQ(Enemy(k, 0), 2) << m;
    EXPECT_EQ(Enemy(k, 1), 768 + 16 * m) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 2), 153.81396f) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 3), 6.8477097f) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 4), 0.18206365f) << m;
    EXPECT_EQ(Enemy(k, 5), 30 * m) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 6), -1.5394574f) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 8), 0.32420784f) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 9), 58.137535f) << m;
  }
  EXPECT_EQ(Enemy(92, 0), 0);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 2032544252u);
}

TEST_F(Dudazevuva2Test, AColumnWaveSlantsAndRedrawsAWeakPhaseStep) {
  app->p_LoadGame_Dudazevuva2();
  zu_random_Seed = 3;  // the phase step needs three draws; shape 4, six ships
  app->p_AddWave_Dudazevuva2();
  const float xs[] = {768, 772, 777, 782, 787, 790};
  for (int m = 0; m < 6; ++m) {
    const int k = 100 - m;
    EXPECT_EQ(Enemy(k, 0), 2) << m;
    EXPECT_EQ(Enemy(k, 1), xs[m]) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 2), 306.1784f + 15 * m) << m;
    EXPECT_FLOAT_EQ(Enemy(k, 6), -2.796459f) << m;
  }
  EXPECT_EQ(Enemy(94, 0), 0);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 1534489277u);
}

TEST_F(Dudazevuva2Test, AWaveWithTooFewFreeRecordsPlacesWhatFits) {
  app->p_LoadGame_Dudazevuva2();
  for (int k = 0; k <= 100; ++k) Enemy(k, 0) = 3;
  Enemy(40, 0) = 0;
  Enemy(7, 0) = 0;
  zu_random_Seed = 1234;
  app->p_AddWave_Dudazevuva2();
  EXPECT_EQ(Enemy(40, 1), 768) << "the highest free record takes the first ship";
  EXPECT_EQ(Enemy(7, 1), 784);
  EXPECT_EQ(Enemy(40, 0), 2);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 2032544252u) << "same draws as usual";
}

TEST_F(Dudazevuva2Test, WavesComeSoonerAndFasterDownToTheirLimits) {
  app->p_LoadGame_Dudazevuva2();
  Player(25) = 30.05f;
  Player(26) = 50.2f;
  Player(27) = 11.95f;
  app->p_AddWave_Dudazevuva2();
  EXPECT_EQ(Player(25), 30);
  EXPECT_EQ(Player(26), 50);
  EXPECT_EQ(Player(27), 12);
  for (int k = 0; k <= 100; ++k) Enemy(k, 0) = 0;
  app->p_AddWave_Dudazevuva2();
  EXPECT_EQ(Player(27), 12);
}

TEST_F(Dudazevuva2Test, TheFirstWaveComesInTheFirstUpdate) {
  app->m_Mode = 11;
  Update();
  Update();
  EXPECT_EQ(Enemy(100, 1), 768);
  EXPECT_GE(Player(15), 60) << "drawn from the intervals before the wave narrows them";
  EXPECT_LE(Player(15), 120);
}

// --- flight ---

TEST_F(Dudazevuva2Test, TheShipStartsAt154OnScreenAndSettlesAt80) {
  StartWithoutWaves();
  Update();
  EXPECT_EQ(Player(8), 154);
  EXPECT_EQ(Player(1), 504);
  EXPECT_EQ(app->m_ScrollTX, 456);
  EXPECT_EQ(app->m_ScrollY, 0);
  EXPECT_EQ(app->m_ScrollTY, 0);
  Update();
  EXPECT_FLOAT_EQ(Player(8), 144.75f);
  for (int i = 0; i < 300; ++i) Update();
  EXPECT_NEAR(Player(8), 80, 0.01f);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(Dudazevuva2Test, TheStickSteersAndLettingGoEasesTheSpeedToZero) {
  StartWithoutWaves();
  KeyDown(kDownArrow);
  // The key stick grows 0.15 per update; the first 0.15 is below 0.2, so the easing
  // takes it back to 0, then 0.3 and 0.45 steer.
  for (int i = 0; i < 3; ++i) Update();
  EXPECT_FLOAT_EQ(Player(4), 0.75f);
  EXPECT_FLOAT_EQ(Player(2), 240.525f);
  KeyUp(kDownArrow);
  Update();  // the stick returns to 0.25: still steering
  EXPECT_FLOAT_EQ(Player(4), 1.0f);
  Update();  // 0.05: eased by 0.6
  EXPECT_FLOAT_EQ(Player(4), 0.45f);
  Update();
  EXPECT_EQ(Player(4), 0) << "never crosses zero";
}

TEST_F(Dudazevuva2Test, TheScreenEdgesPushTheShipBack) {
  StartWithoutWaves();
  Player(2) = 10;
  Player(4) = -7.5f;
  app->p_Game_Dudazevuva2();
  EXPECT_FLOAT_EQ(Player(4), -4.5f + 0.6f);
  Player(2) = 460;
  Player(4) = 9;
  app->p_Game_Dudazevuva2();
  EXPECT_FLOAT_EQ(Player(4), 7.5f - 3 - 0.6f) << "held to 7.5 first";
}

// --- firing ---

TEST_F(Dudazevuva2Test, HoldingFireShootsEveryEightUpdates) {
  StartWithoutWaves();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Shot(20, 0), 1) << "the highest free record";
  EXPECT_EQ(Shot(20, 1), 154 + 12) << "fired from the ship and moved once";
  EXPECT_EQ(Shot(20, 2), 240);
  EXPECT_EQ(sounds->Count(10), 1);
  for (int i = 0; i < 7; ++i) Update();
  EXPECT_EQ(sounds->Count(10), 1);
  Update();
  EXPECT_EQ(sounds->Count(10), 2);
  EXPECT_EQ(Shot(19, 0), 1);
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(sounds->Count(10), 3) << "a fresh press shoots at once";
}

TEST_F(Dudazevuva2Test, WithAllShotsFlyingAPressFiresNothing) {
  StartWithoutWaves();
  for (int j = 0; j < 21; ++j) {
    Shot(j, 0) = 1;
    Shot(j, 1) = -1000;
    Shot(j, 2) = 1000;
  }
  KeyDown(kSpace);
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(sounds->Count(10), 0);
  EXPECT_EQ(Player(20), 8);
  Shot(5, 0) = 0;
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(Shot(5, 0), 0) << "still cooling down";
}

TEST_F(Dudazevuva2Test, AShotLeavingOnTheRightIsFreedButDrawnOnce) {
  StartWithoutWaves();
  Shot(3, 0) = 1;
  Shot(3, 1) = 700;
  Shot(3, 2) = 100;
  Shot(3, 4) = -5;
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(Shot(3, 0), 0);
  EXPECT_EQ(Shot(3, 1), 712);
  EXPECT_EQ(Shot(3, 2), 97);
  const std::vector<DrawnCommand> shots = Drawn(0, 6, 6);
  ASSERT_EQ(shots.size(), 1u);
  EXPECT_EQ(shots[0].x, 712);
  EXPECT_EQ(shots[0].rot, 5);
  EXPECT_FLOAT_EQ(shots[0].sizeA, 0.6f);
  EXPECT_FLOAT_EQ(shots[0].sizeB, 0.2f);
}

// --- enemies and pods ---

TEST_F(Dudazevuva2Test, AShotDownEnemyScoresTenWithDebris) {
  StartWithoutWaves();
  PlaceEnemy(50, 1, 400, 300, 4);
  Enemy(50, 4) = 0.5f;
  Shot(0, 0) = 1;
  Shot(0, 1) = 390;
  Shot(0, 2) = 305;
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(app->m_Score, 10);
  EXPECT_EQ(Enemy(50, 0), 0);
  EXPECT_EQ(Shot(0, 0), 0);
  EXPECT_EQ(Player(29), 4);
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 1);
  int debris = 0;
  for (int p = 0; p <= 250; ++p) debris += app->m_Particles[10 * p] == 2 ? 1 : 0;
  EXPECT_EQ(debris, 13);
  // Thrown in world coordinates from the enemy (396, 300.5) with the camera at 350.
  // Thrown in world coordinates from the enemy (396, 300.5) with the camera at 350, at a
  // speed of 3..8, and moved once.
  const float* first = app->m_Particles.begin() + 2500;
  const float moved = std::hypot(first[1] - 746, first[2] - 300.5f);
  EXPECT_GE(moved, 3 - 1e-3);
  EXPECT_LT(moved, 8 + 1e-3);
}

TEST_F(Dudazevuva2Test, TheSixthKillLeavesAPodThatRefuels) {
  StartWithoutWaves();
  Player(29) = 0;
  PlaceEnemy(50, 2, 400, 0, 4);
  Enemy(50, 8) = 0.5f;  // weaves about y = 240; phase 0 + 0 step
  Shot(0, 0) = 1;
  Shot(0, 1) = 390;
  Shot(0, 2) = 240;
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(Enemy(50, 0), 3) << "a pod where the enemy was";
  EXPECT_EQ(Enemy(50, 1), 396);
  EXPECT_EQ(app->m_Score, 10);
  EXPECT_GE(Player(29), 9);
  EXPECT_LE(Player(29), 15);
  // The pod drifts 3 per update; move the ship onto it.
  Player(28) = 70;
  Player(1) = app->m_ScrollX + 393 - 4;
  Player(2) = 240;
  app->m_ScrollTX = app->m_ScrollX;
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(Enemy(50, 0), 0);
  EXPECT_EQ(Player(28), 100) << "70 + 40 - 0.1, capped at 100";
  EXPECT_EQ(sounds->Count(13), 1);
}

TEST_F(Dudazevuva2Test, TouchingAnEnemyCrashesWithSoundsInEveryUpdateOfContact) {
  StartWithoutWaves();
  Update();
  PlaceEnemy(10, 1, 150, 240, 0);  // the ship is at 144.75 on screen in the next update
  Update();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_EQ(sounds->Count(9), 1);
  Update();
  EXPECT_EQ(sounds->Count(12), 2);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(sounds->Count(10), 0) << "a crashed ship cannot fire";
}

TEST_F(Dudazevuva2Test, AnEnemyLeavingOnTheLeftVanishesWithoutScoring) {
  StartWithoutWaves();
  PlaceEnemy(0, 1, -120, 50, 10);
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(Enemy(0, 0), 0);
  EXPECT_EQ(app->m_Score, 0);
  EXPECT_EQ(Drawn(1, 9, 9).size(), 2u) << "drawn once more, beside the ship";
}

// --- fuel ---

TEST_F(Dudazevuva2Test, FuelWarningsBeepAtEachStepThenTwiceWhenItRunsOut) {
  StartWithoutWaves();
  Player(28) = 16.15f;  // arms the warning at 16 first
  for (int i = 0; i < 200 && Player(28) > -1; ++i) app->p_Game_Dudazevuva2();
  EXPECT_EQ(Player(28), -1);
  EXPECT_EQ(sounds->Count(14), 9) << "16, 13, 10, 7, 4, 3, 2, 1, and running out";
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_EQ(Player(38), 0);
  Player(28) = 60;
  app->p_Game_Dudazevuva2();
  EXPECT_EQ(Player(38), 16) << "re-armed above 16";
}

TEST_F(Dudazevuva2Test, AnEmptyTankSinksTheShipToACrash) {
  StartWithoutWaves();
  Player(28) = -1;
  KeyDown(kUpArrow);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), 1) << "the stick does nothing";
  EXPECT_EQ(sounds->Count(10), 0);
  int updates = 1;
  while (app->m_Dead == 0 && updates < 200) {
    Update();
    ++updates;
  }
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_GT(Player(2), 480 - 36 - 8);
  // vy grows by 1 to 7.5; y passes 444 after 58 updates and the 59th crashes.
  EXPECT_EQ(updates, 59);
}

TEST_F(Dudazevuva2Test, TheGaugeIsYellowThenRedWhenLow) {
  StartWithoutWaves();
  const struct {
    float fuel;  // before this update's drain
    float green;
  } cases[] = {{50.1f, 255}, {20.1f, 255}, {20.05f, 0}};
  for (const auto& c : cases) {
    Player(28) = c.fuel;
    app->p_Game_Dudazevuva2();
    const float left = c.fuel - 0.1f;
    int bars = 0;
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      const float* cmd = app->m_DrawList.begin() + i;
      if (cmd[0] != -3717 || cmd[1] != 17) continue;
      ++bars;
      EXPECT_FLOAT_EQ(cmd[2], 340 - 2 * left) << c.fuel;
      EXPECT_FLOAT_EQ(cmd[5], 2 * left) << c.fuel;
      EXPECT_EQ(cmd[10], 255) << c.fuel;
      EXPECT_EQ(cmd[11], c.green) << c.fuel;
      EXPECT_EQ(cmd[12], 0) << c.fuel;
    }
    EXPECT_EQ(bars, 1) << c.fuel;
  }
}

// --- a whole play ---

class Dudazevuva2PlayTest : public Dudazevuva2Test {
 protected:
  // From seed 1234: fire held throughout; steer toward the nearest enemy ahead (or a pod).
  int PlayScripted(int* updates) {
    zu_random_Seed = 1234;
    app->m_KeyStickY = 0;  // the key stick outlives a play
    app->m_Mode = 11;
    Update();
    sounds->played.clear();
    KeyDown(kSpace);
    int steer = 0;
    *updates = 0;
    while (app->m_Dead == 0 && *updates < 20000) {
      float target = 240;
      float nearest = 1e9f;
      for (int k = 0; k <= 100; ++k) {
        const float d = Enemy(k, 1) - Player(8);
        if (Enemy(k, 0) != 0 && d > 20 && d < nearest) {
          nearest = d;
          target = Enemy(k, 2);
        }
      }
      const int want = target < Player(2) - 8 ? -1 : (target > Player(2) + 8 ? 1 : 0);
      if (want != steer) {
        if (steer < 0) KeyUp(kUpArrow);
        if (steer > 0) KeyUp(kDownArrow);
        if (want < 0) KeyDown(kUpArrow);
        if (want > 0) KeyDown(kDownArrow);
        steer = want;
      }
      Update();
      ++*updates;
    }
    KeyUp(kSpace);
    KeyUp(kUpArrow);
    KeyUp(kDownArrow);
    return app->m_Score;
  }
};

TEST_F(Dudazevuva2PlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int firstUpdates = 0, secondUpdates = 0;
  const int first = PlayScripted(&firstUpdates);
  const int second = PlayScripted(&secondUpdates);
  EXPECT_EQ(first, second);
  EXPECT_EQ(firstUpdates, secondUpdates);
  EXPECT_EQ(first % 10, 0);
  EXPECT_EQ(app->m_Dead, 1);
  // The recorded outcome of this input pattern: 25 kills, then an enemy rams the ship
  // (fuel would have lasted 1000 updates).
  EXPECT_EQ(first, 250);
  EXPECT_EQ(firstUpdates, 649);
  EXPECT_GE(sounds->Count(12), 1);
}

}  // namespace
