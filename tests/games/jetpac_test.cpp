// Jetpac: the screen built from the generator, flying, walking, landing and wrapping, the
// laser, aliens coming in, bouncing and dying, the spaceman's end, and a scripted play.
#include <cmath>
#include <vector>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kJetpac = 10;
constexpr int kSpace = 32;
constexpr int kLeftArrow = 37;
constexpr int kUpArrow = 38;
constexpr int kRightArrow = 39;
constexpr float kUnit = 640.0f / 17.0f;
constexpr float kScale = kUnit / 32.0f;
constexpr int kAlien0 = 5000;
constexpr int kShot0 = 1000;

class JetpacTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kJetpac);
  }

  // A started game without snow, so the game's own rules are the generator's only users.
  void StartWithoutSnow(int seed = 1234) {
    app->p_LoadGame_Jetpac();
    app->m_StarCount = -1;
    zu_random_Seed = seed;
  }
  void Step(int updates = 1) {
    for (int i = 0; i < updates; ++i) app->p_Game_Jetpac();
  }
  void PlaceAlien(int record, int kind, float x, float y, float vx = 0, float vy = 0) {
    Map(record) = kind;
    Map(record + 1) = x;
    Map(record + 2) = y;
    Map(record + 3) = vx;
    Map(record + 4) = vy;
    Map(record + 5) = 0;
    Map(record + 6) = 0;
  }
  void PlaceShot(int record, float x, float y, float direction) {
    Map(record) = 1;
    Map(record + 1) = x;
    Map(record + 2) = y;
    Map(record + 5) = direction;
  }
  float CellX(int column) { return column * kUnit + (320.0f - 8.0f * kUnit); }
  float CellY(int row) { return row * kUnit + (480.0f - 8.5f * kUnit); }
  std::vector<DrawnCommand> Spaceman() { return Drawn(3, 0, 5); }
};

// --- the screen ---

TEST_F(JetpacTest, SetUpBuildsTheScreenFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Jetpac();
  EXPECT_EQ(app->m_Mode, 10);
  // Worked out from seed 1234 after the fresh start's 606 star draws.
  EXPECT_EQ(app->m_BgTR, 0);
  EXPECT_EQ(app->m_BgTG, 60);
  EXPECT_EQ(app->m_BgTB, 40);
  const int floor[17] = {1, 4, 2, 3, 2, 1, 1, 4, 1, 2, 2, 2, 4, 3, 2, 4, 1};
  for (int n = 0; n < 17; ++n) EXPECT_EQ(Map(n + 160), floor[n]) << n;
  int pads = 0;
  for (int m = 0; m < 8; ++m) {
    for (int n = 0; n < 17; ++n) pads += Map(n + 20 * m) == 5 ? 1 : 0;
  }
  EXPECT_EQ(pads, 3);
  EXPECT_EQ(Map(4 + 20 * 4), 5);
  EXPECT_EQ(Map(10 + 20 * 6), 5);
  EXPECT_EQ(Map(13 + 20 * 3), 5);
  EXPECT_EQ(zu_random_Seed, static_cast<int>(2815500443u));

  EXPECT_EQ(Player(1), 320);
  EXPECT_EQ(Player(2), 416);
  EXPECT_EQ(Player(5), 1);
  EXPECT_EQ(Player(26), 60);
  EXPECT_EQ(Player(27), 60);
  for (int element : {3, 4, 7, 8, 11, 55, 56}) EXPECT_EQ(Player(element), 0) << element;
}

TEST_F(JetpacTest, APadDrawnOnATakenCellIsDrawnAgain) {
  zu_random_Seed = 33;  // the third pad first draws (10, 5), where the second lies
  app->p_GetLev_Jetpac();
  EXPECT_EQ(Map(4 + 20 * 3), 5);
  EXPECT_EQ(Map(10 + 20 * 5), 5);
  EXPECT_EQ(Map(10 + 20 * 4), 5);
  EXPECT_EQ(zu_random_Seed, 606397761) << "two draws of three numbers for the third pad";
}

TEST_F(JetpacTest, GridIsDrawnOnCellsOfASeventeenthOfTheWidth) {
  StartWithoutSnow();
  Step();
  const std::vector<DrawnCommand> floor = Drawn(2, 32, 35);
  ASSERT_EQ(floor.size(), 17u);
  EXPECT_FLOAT_EQ(floor[0].x, CellX(0));
  EXPECT_FLOAT_EQ(floor[16].x, CellX(16));
  EXPECT_FLOAT_EQ(floor[16].y, 480.0f - 0.5f * kUnit);
  EXPECT_EQ(floor[1].frame, 32 + 4 - 1) << "sprite 159 + tile 4";
  EXPECT_FLOAT_EQ(floor[1].sizeA, kScale);
  const std::vector<DrawnCommand> pads = Drawn(2, 55, 55);
  ASSERT_EQ(pads.size(), 3u);
  EXPECT_FLOAT_EQ(pads[0].x, CellX(4));
  EXPECT_FLOAT_EQ(pads[0].y, CellY(4));
  EXPECT_FLOAT_EQ(pads[0].sizeA, 2 * kScale);
}

// --- the spaceman ---

TEST_F(JetpacTest, TheSpacemanFallsFromHisStartAndLandsOnTheFloor) {
  StartWithoutSnow();
  Step(8);  // fallen 0.15 k (k - 1) after k updates
  EXPECT_FLOAT_EQ(Player(2), 416 + 0.15f * 56);
  EXPECT_LT(Player(8), 0);
  ASSERT_EQ(Spaceman().size(), 1u);
  EXPECT_EQ(Spaceman()[0].frame, 4) << "in the air";
  Step();
  EXPECT_EQ(Player(2), 426);
  EXPECT_EQ(Player(4), 0);
  EXPECT_EQ(Player(8), 4);
  Step();
  EXPECT_EQ(Spaceman()[0].frame, 0) << "standing";
  EXPECT_EQ(Spaceman()[0].y, 426);
}

TEST_F(JetpacTest, ThrustLiftsAndItsSoundRepeatsEvery31Updates) {
  StartWithoutSnow();
  Player(2) = 30;
  KeyDown(kUpArrow);
  Step();
  EXPECT_FLOAT_EQ(Player(4), -0.2f);
  EXPECT_EQ(Player(56), 30);
  EXPECT_EQ(sounds->Count(17), 1);
  Step(30);
  EXPECT_EQ(sounds->Count(17), 1);
  Step();
  EXPECT_EQ(sounds->Count(17), 2);
  EXPECT_EQ(Player(2), -16) << "held at the ceiling";
  KeyUp(kUpArrow);
  Player(4) = 0;
  Step();
  EXPECT_EQ(Player(56), 0);
  EXPECT_FLOAT_EQ(Player(4), 0.3f);
}

TEST_F(JetpacTest, FallingAndRisingSpeedsAreLimited) {
  StartWithoutSnow();
  Player(2) = 100;
  Player(4) = 5.9f;
  Step();
  EXPECT_EQ(Player(4), 6);
  KeyDown(kUpArrow);
  Player(4) = -3.9f;
  Step();
  EXPECT_EQ(Player(4), -4);
}

TEST_F(JetpacTest, WalkingLeftTurnsHimRoundAndMirrorsHim) {
  StartWithoutSnow();
  Player(2) = 426;
  KeyDown(kLeftArrow);  // the key stick grows by 0.15 per update
  Step();
  EXPECT_EQ(Player(5), 1);
  EXPECT_EQ(Player(7), 0) << "too slow to step";
  Step(2);
  EXPECT_EQ(Player(5), -1);
  EXPECT_FLOAT_EQ(Player(7), 0.45f / 6 + 0.3f / 6);
  EXPECT_FLOAT_EQ(Player(1), 320 - 3 * (0.15f + 0.3f + 0.45f));
  EXPECT_FLOAT_EQ(Spaceman()[0].sizeA, -kScale);
  EXPECT_FLOAT_EQ(Spaceman()[0].sizeB, kScale);
}

TEST_F(JetpacTest, WalkingOffOneSideComesInAtTheOther) {
  StartWithoutSnow();
  Player(1) = 5;
  Step();
  EXPECT_EQ(Player(1), 629);
  Player(1) = 633;
  Step();
  EXPECT_EQ(Player(1), 9);
}

TEST_F(JetpacTest, HeLandsOnAPadOnlyWhileFallingCloseAboveIt) {
  StartWithoutSnow();
  const float standY = CellY(4) - 52;  // the pad in column 4, row 4
  Player(1) = CellX(4) + 35;
  Player(2) = standY - 7;
  Player(4) = 1;
  Step();
  EXPECT_FLOAT_EQ(Player(2), standY);
  EXPECT_FLOAT_EQ(Player(4), 0.3f);
  EXPECT_EQ(Player(8), 3);

  Player(2) = standY + 5;
  Player(4) = -1;  // flying up through it
  Step();
  EXPECT_FLOAT_EQ(Player(2), standY + 4);
  Player(1) = CellX(4) + 37;  // too far across
  Player(2) = standY - 2;
  Player(4) = 1;
  Step();
  EXPECT_FLOAT_EQ(Player(2), standY - 1);
}

// --- the laser ---

TEST_F(JetpacTest, HoldingFireShootsEveryEightUpdatesFromTheHighestFreeRecord) {
  StartWithoutSnow();
  Player(2) = 426;
  KeyDown(kSpace);
  Step();
  EXPECT_EQ(sounds->Count(14), 1);
  EXPECT_EQ(Map(1050), 1);
  EXPECT_EQ(Map(1051), 332) << "fired from x 320 and moved once";
  EXPECT_EQ(Map(1052), 418);
  EXPECT_EQ(Map(1055), 1);
  const std::vector<DrawnCommand> streak = Drawn(0, 6, 6);
  ASSERT_EQ(streak.size(), 1u);
  EXPECT_FLOAT_EQ(streak[0].sizeA, 0.1f);
  EXPECT_EQ(streak[0].rot, -90);
  Step(7);
  EXPECT_EQ(sounds->Count(14), 1);
  Step();
  EXPECT_EQ(sounds->Count(14), 2);
  EXPECT_EQ(Map(1040), 1);
}

TEST_F(JetpacTest, WithSixShotsFlyingFireFindsNoRecord) {
  StartWithoutSnow();
  for (int j = 0; j < 6; ++j) PlaceShot(kShot0 + 10 * j, 100, 50 + 10 * j, 1);
  KeyDown(kSpace);
  Step();
  EXPECT_EQ(sounds->Count(14), 0);
  EXPECT_EQ(Player(11), 7) << "the cooldown is spent all the same";
  EXPECT_EQ(app->m_TmpN, -1);
}

TEST_F(JetpacTest, ShotsVanish32UnitsBeyondEitherEdge) {
  StartWithoutSnow();
  PlaceShot(1000, 661, 100, 1);
  PlaceShot(1010, -21, 100, -1);
  PlaceShot(1020, 650, 100, 1);
  Step();
  EXPECT_EQ(Map(1000), 0);
  EXPECT_EQ(Map(1010), 0);
  EXPECT_EQ(Map(1020), 1);
  EXPECT_EQ(Map(1021), 662);
  EXPECT_EQ(Drawn(0, 6, 6).size(), 3u) << "drawn once more where they left";
}

TEST_F(JetpacTest, AShotKillsAnAlienForFivePoints) {
  StartWithoutSnow(99);
  PlaceAlien(kAlien0 + 70, 3, 400, 200);
  PlaceShot(1030, 377, 215, 1);  // 23 across and 15 down: within 20 x 13 grid units
  Step();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Map(kAlien0 + 70), 0);
  EXPECT_EQ(Map(1030), 0);
  EXPECT_EQ(sounds->Count(8), 1) << "p_Rand(7, 9) after 112 particle draws and the rate";
  // Sixteen particles in the alien's colour, kinds from the generator.
  const int kinds[16] = {1, 1, 2, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1};
  for (int i = 0; i < 16; ++i) {
    const float* p = app->m_Particles.begin() + (250 - i) * 10;
    EXPECT_EQ(p[0], kinds[i]) << i;
    EXPECT_EQ(p[8], 3) << i;
  }
  EXPECT_EQ(app->m_Particles[234 * 10], 0);
}

TEST_F(JetpacTest, AShotJustOutOfReachMisses) {
  StartWithoutSnow();
  PlaceAlien(kAlien0, 3, 400, 200);
  PlaceShot(1000, 400, 216, 1);
  PlaceShot(1010, 376, 200, 1);
  Step();
  EXPECT_EQ(app->m_Score, 0);
  EXPECT_EQ(Map(kAlien0), 3);
}

TEST_F(JetpacTest, TwoShotsOnOneAlienScoreOnce) {
  StartWithoutSnow();
  PlaceAlien(kAlien0, 2, 400, 200);
  PlaceShot(1000, 395, 200, 1);
  PlaceShot(1010, 405, 200, -1);
  Step();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Map(1000), 0);
  EXPECT_EQ(Map(1010), 1) << "the second flies on";
}

// --- aliens ---

TEST_F(JetpacTest, AnAlienComesInWhenTheCountdownRunsOut) {
  StartWithoutSnow();
  Player(26) = 0;
  Step();
  // Seed 1234: kind 5, from the right.
  EXPECT_EQ(Map(5500), 5);
  EXPECT_EQ(Map(5501), 768);
  EXPECT_FLOAT_EQ(Map(5503), -1.5395610f);
  EXPECT_FLOAT_EQ(Map(5502), 319.82407f);
  EXPECT_FLOAT_EQ(Map(5504), 1.6921248f);
  EXPECT_FLOAT_EQ(Map(5505), 87.632553f);
  EXPECT_FLOAT_EQ(Map(5506), 2.6911616f);
  EXPECT_EQ(Player(26), 60);
  EXPECT_EQ(Player(27), 59.75f);
}

TEST_F(JetpacTest, TheFirstAlienComesInThe61stUpdate) {
  StartWithoutSnow();
  Player(2) = 426;
  Step(60);
  EXPECT_EQ(Map(5500), 0);
  Step();
  EXPECT_GT(Map(5500), 0);
  const float x = Map(5501);
  EXPECT_TRUE((x == -128 && Map(5503) > 0) || (x == 768 && Map(5503) < 0)) << x;
  EXPECT_GE(Map(5502), 32);
  EXPECT_LT(Map(5502), 416);
}

TEST_F(JetpacTest, IntervalsShortenToTwentyAndWaitForAFreeRecord) {
  StartWithoutSnow();
  Player(26) = 0;
  Player(27) = 20.1f;
  for (int k = 0; k < 51; ++k) PlaceAlien(kAlien0 + 10 * k, 1, 100, 100);
  Step(3);
  EXPECT_EQ(Player(26), -3) << "no record free: still counting down";
  Map(kAlien0 + 80) = 0;
  Step();
  EXPECT_GT(Map(kAlien0 + 80), 0);
  EXPECT_FLOAT_EQ(Player(26), 20.1f);
  EXPECT_EQ(Player(27), 20);
}

TEST_F(JetpacTest, AliensBounceOffTheEdgesAndTumbleInQuarterTurns) {
  StartWithoutSnow();
  PlaceAlien(kAlien0, 4, 639, 442, 2, 1);
  Map(kAlien0 + 5) = 350;
  Map(kAlien0 + 6) = 20;
  PlaceAlien(kAlien0 + 10, 1, 1, 1, -2, -2);
  Step();
  EXPECT_EQ(Map(kAlien0 + 3), -2);
  EXPECT_EQ(Map(kAlien0 + 4), -1) << "below the bottom less one cell";
  EXPECT_FLOAT_EQ(Map(kAlien0 + 5), 10);
  EXPECT_EQ(Map(kAlien0 + 13), 2);
  EXPECT_EQ(Map(kAlien0 + 14), 2);
  const std::vector<DrawnCommand> drawn = Drawn(3, 11, 11);  // sprite 199 + 4
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_EQ(drawn[0].x, 639) << "the trail where it was";
  EXPECT_EQ(drawn[0].rot, -270);
  EXPECT_EQ(drawn[1].x, 641);
  EXPECT_EQ(drawn[1].rot, 0);
  EXPECT_FLOAT_EQ(drawn[1].sizeA, kScale);
}

// --- the end ---

TEST_F(JetpacTest, TouchingAnAlienBurstsTheSpacemanAndEndsTheGameIn40Updates) {
  StartWithoutSnow();
  Player(2) = 426;
  PlaceAlien(kAlien0, 1, 330, 436);
  Step();
  EXPECT_EQ(Player(55), 2);
  EXPECT_EQ(sounds->Count(13), 1);
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_TRUE(Spaceman().empty());
  for (int i = 0; i < 32; ++i) {
    const float* p = app->m_Particles.begin() + (250 - i) * 10;
    ASSERT_EQ(p[0], 1) << i;
    EXPECT_TRUE(p[8] == 1 || p[8] == 2) << i;
    const float speed = std::hypot(p[3], p[4]);
    EXPECT_TRUE(speed >= 4 && speed < 8) << i;
    EXPECT_NEAR(std::atan2(p[3], -p[4]), std::remainder(i * 11.24 * M_PI / 180, 2 * M_PI),
                1e-4)
        << i;
  }
  const float x = Player(1);
  Step(38);
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(Player(1), x) << "not moved";
  Step();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(13), 1) << "hit once only";
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int kills = 0;
};

class JetpacPlayTest : public JetpacTest {
 protected:
  // From seed 1234: fire held all game, the facing turned every 150 updates, and a burst
  // of thrust every 100 updates for 20 updates.
  PlayOutcome PlayScripted() {
    StartFromMenu();
    PlayOutcome outcome;
    KeyDown(kSpace);
    while (app->m_Dead == 0 && outcome.updates < 20000) {
      const int t = outcome.updates;
      if (t % 150 == 0) KeyDown((t / 150) % 2 == 0 ? kLeftArrow : kRightArrow);
      if (t % 150 == 3) {
        KeyUp(kLeftArrow);
        KeyUp(kRightArrow);
      }
      if (t % 100 == 0) KeyDown(kUpArrow);
      if (t % 100 == 20) KeyUp(kUpArrow);
      Update();
      ++outcome.updates;
    }
    for (int key : {kSpace, kLeftArrow, kRightArrow, kUpArrow}) KeyUp(key);
    outcome.score = app->m_Score;
    outcome.kills = sounds->Count(7) + sounds->Count(8) + sounds->Count(9) - 1;
    return outcome;
  }
};

TEST_F(JetpacPlayTest, AScriptedPlayEndsTheSameWayEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(first.score, 5 * first.kills);
  // The recorded outcome of this input pattern.
  EXPECT_EQ(first.score, 95);
  EXPECT_EQ(first.updates, 1551);
}

}  // namespace
