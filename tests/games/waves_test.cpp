// Waves: objects and walls from the generator, the timers that send them, the ship's
// steering, thrust, speed limits and wrapping, gifts and asteroids meeting the ship, the
// explosion that ends the play, and a scripted play that ends the same way every time.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kWaves = 23;
constexpr int kSpace = 32;
constexpr int kRightArrow = 39;

class WavesTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kWaves);
  }

  // A started game in which nothing is sent for a long while.
  void StartQuiet() {
    app->p_LoadGame_Waves();
    Player(20) = 100000;
    Player(25) = 100000;
  }
  float& Object(int k, int field) { return app->m_Map[10 * k + field]; }
  void Place(int k, float kind, float x, float y, float vx = 0, float vy = 0) {
    Object(k, 0) = kind;
    Object(k, 1) = x;
    Object(k, 2) = y;
    Object(k, 3) = vx;
    Object(k, 4) = vy;
  }
  int Count(float fromKind, float toKind) {
    int count = 0;
    for (int k = 0; k <= 400; ++k) {
      count += Object(k, 0) >= fromKind && Object(k, 0) <= toKind ? 1 : 0;
    }
    return count;
  }
  int ParticlesInUse() {
    int count = 0;
    for (int r = 0; r <= 250; ++r) count += app->m_Particles[10 * r] > 0 ? 1 : 0;
    return count;
  }
};

// --- objects from the generator ---

TEST_F(WavesTest, AnObjectTakesTheLastFreeRecord) {
  zu_random_Seed = 1234;
  Object(400, 0) = 1;
  app->p_Add_Waves(100, 200, 4, 1.5f, 1);
  // Draws 0.714 (kind 3), 0.207 (rotation), 0.750 (spin).
  EXPECT_EQ(Object(399, 0), 3);
  EXPECT_EQ(Object(399, 1), 100);
  EXPECT_EQ(Object(399, 2), 200);
  EXPECT_EQ(Object(399, 3), -1.5f);
  EXPECT_EQ(Object(399, 4), 0);
  EXPECT_FLOAT_EQ(Object(399, 5), 74.524704f);
  EXPECT_FLOAT_EQ(Object(399, 6), 2.9945021f);
  EXPECT_EQ(Object(400, 3), 0);

  zu_random_Seed = 1234;
  app->p_Add_Waves(10, 20, 1, 2, 2);
  EXPECT_EQ(Object(398, 0), 39) << "a gift";
  EXPECT_EQ(Object(398, 3), 0);
  EXPECT_EQ(Object(398, 4), -2) << "direction 1 is up";
}

TEST_F(WavesTest, WithEveryRecordInUseNothingIsCreated) {
  for (int k = 0; k <= 400; ++k) Object(k, 0) = 2;
  zu_random_Seed = 77;
  app->p_Add_Waves(100, 200, 3, 1, 1);
  EXPECT_EQ(zu_random_Seed, 77);
  for (int k = 0; k <= 400; ++k) ASSERT_EQ(Object(k, 1), 0) << k;
}

TEST_F(WavesTest, AGiftAndASingleAsteroidEnterFromAnEdge) {
  zu_random_Seed = 1234;
  app->p_Launch_Waves2();
  // Edge floor(0.714 x 3.99 + 1) = 3, the left edge: x -32, y 8 + 0.207 x 464, moving
  // right at 0.8 + 0.750 x 1.1.
  EXPECT_EQ(Object(400, 0), 38);
  EXPECT_EQ(Object(400, 1), -32);
  EXPECT_FLOAT_EQ(Object(400, 2), 104.05406f);
  EXPECT_FLOAT_EQ(Object(400, 3), 1.624496f);
  EXPECT_EQ(Object(400, 4), 0);

  zu_random_Seed = 1234;
  app->p_Launch_Waves(2);  // p_Rand(1, 4) gives the same edge from the same draw
  EXPECT_EQ(Object(399, 0), 2);
  EXPECT_EQ(Object(399, 1), -32);
  EXPECT_FLOAT_EQ(Object(399, 2), 104.05406f);
  EXPECT_EQ(Count(1, 3), 1);
}

TEST_F(WavesTest, AWallLeavesAGapAroundItsCentre) {
  zu_random_Seed = 1234;
  app->p_Launch_Waves(1);
  // Edge 7 (the left side, moving right), gap centre 96 + 0.124 x 288 = 155.6: of the 15
  // places 8, 40, .., 472, those at 136, 168 and 200 are left out.
  ASSERT_EQ(Count(1, 3), 12);
  std::vector<float> ys;
  for (int k = 389; k <= 400; ++k) {
    EXPECT_EQ(Object(k, 3), 1.5f) << k;
    EXPECT_EQ(Object(k, 4), 0) << k;
    EXPECT_TRUE(Object(k, 1) <= -32 && Object(k, 1) > -48) << Object(k, 1);
    ys.push_back(Object(k, 2));
  }
  EXPECT_FLOAT_EQ(Object(400, 1), -37.537f);
  EXPECT_FLOAT_EQ(Object(400, 2), 11.992668f);
  std::sort(ys.begin(), ys.end());
  const float places[] = {8, 40, 72, 104, 232, 264, 296, 328, 360, 392, 424, 456};
  for (int i = 0; i < 12; ++i) EXPECT_NEAR(ys[i], places[i], 8.0f) << i;
}

// --- timers ---

TEST_F(WavesTest, TheFirstGiftComesOnTheFirstUpdate) {
  app->p_LoadGame_Waves();
  EXPECT_EQ(Player(1), 320);
  EXPECT_EQ(Player(2), 240);
  EXPECT_EQ(Player(20), 360);
  EXPECT_EQ(Player(21), 360);
  app->p_Game_Waves();
  EXPECT_EQ(Count(38, 39), 1);
  EXPECT_EQ(Count(1, 3), 0);
  EXPECT_TRUE(Player(25) >= 50 && Player(25) < 100) << Player(25);
  EXPECT_EQ(Player(20), 359);
}

TEST_F(WavesTest, WavesComeFasterUntilSixtyUpdatesApart) {
  StartQuiet();
  Player(20) = 0;
  int updates = 0;
  while (Player(21) == 360 && updates < 1000) {
    app->p_Game_Waves();
    ++updates;
    if (Player(21) == 360) {
      ASSERT_EQ(Count(1, 3), 0) << "nothing before the first wave";
    }
  }
  EXPECT_EQ(Player(20), 360);
  EXPECT_EQ(Player(21), 352);
  EXPECT_GE(Count(1, 3), 11) << "a wall has at least 11 asteroids";

  Player(20) = 0;
  Player(21) = 64;
  while (Player(20) <= 0) app->p_Game_Waves();
  EXPECT_EQ(Player(20), 64);
  EXPECT_EQ(Player(21), 60);
  Player(20) = 0;
  while (Player(20) <= 0) app->p_Game_Waves();
  EXPECT_EQ(Player(21), 60);
}

// --- the ship ---

TEST_F(WavesTest, FireThrustsWithExhaustAndASlowShipDrifts) {
  StartQuiet();
  KeyDown(kSpace);
  app->p_Game_Waves();
  EXPECT_EQ(Player(3), 0);
  EXPECT_FLOAT_EQ(Player(4), -0.15f) << "0.985 x 0.15 is below 0.2: left as it is";
  EXPECT_FLOAT_EQ(Player(2), 239.85f);
  EXPECT_EQ(app->m_Particles[2500], 1) << "one exhaust spark";
  const std::vector<DrawnCommand> ship = Drawn(0, 34, 34);
  ASSERT_EQ(ship.size(), 1u);
  EXPECT_EQ(ship[0].x, 320);
  EXPECT_FLOAT_EQ(ship[0].y, 239.85f);
  EXPECT_EQ(ship[0].sizeA, 0.5f);
  EXPECT_EQ(ship[0].sizeB, 0.5f);
}

TEST_F(WavesTest, TheStickTurnsTheShipAndThrustFollowsTheHeading) {
  StartQuiet();
  KeyDown(kRightArrow);
  app->p_Game_Waves();
  app->p_Game_Waves();
  EXPECT_FLOAT_EQ(Player(5), 6 * 0.15f + 6 * 0.3f);
  KeyUp(kRightArrow);
  app->m_KeyStickX = 0;  // no easing back of the key stick this time
  Player(5) = 90;
  KeyDown(kSpace);
  app->p_Game_Waves();
  EXPECT_NEAR(Player(3), 0.15f, 1e-6f);
  EXPECT_NEAR(Player(4), 0, 1e-6f);
  const std::vector<DrawnCommand> ship = Drawn(0, 34, 34);
  ASSERT_EQ(ship.size(), 1u);
  EXPECT_EQ(ship[0].rot, -90) << "turned clockwise to its heading";
}

TEST_F(WavesTest, SpeedIsCappedAndOtherwiseDecays) {
  StartQuiet();
  Player(3) = 9;
  app->p_Game_Waves();
  EXPECT_FLOAT_EQ(Player(3), 7.88f);
  EXPECT_FLOAT_EQ(Player(1), 327.88f);
  Player(3) = 3;
  Player(4) = 4;
  app->p_Game_Waves();
  EXPECT_FLOAT_EQ(Player(3), 2.955f);
  EXPECT_FLOAT_EQ(Player(4), 3.94f);
}

TEST_F(WavesTest, TheShipWrapsSixteenInsideTheOppositeEdge) {
  StartQuiet();
  Player(1) = 7;
  Player(2) = 473;
  app->p_Game_Waves();
  EXPECT_EQ(Player(1), 631);
  EXPECT_EQ(Player(2), 9);
  Player(1) = 633;
  Player(2) = 7.5f;
  app->p_Game_Waves();
  EXPECT_EQ(Player(1), 9);
  EXPECT_EQ(Player(2), 471.5f);
}

// --- gifts and asteroids ---

TEST_F(WavesTest, AGiftTouchingTheShipScoresAPointWithABurst) {
  StartQuiet();
  Place(7, 39, 340, 250, -1, 0);  // 19 from the ship with the move: 361 + 100 < 1024
  app->p_Game_Waves();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(Object(7, 0), 0);
  EXPECT_EQ(sounds->Count(1), 1);
  EXPECT_EQ(ParticlesInUse(), 17) << "16 sparks and the floating 1";
}

TEST_F(WavesTest, AnAsteroidBlowsTheShipUpAndThePlayEndsThirtyUpdatesLater) {
  StartQuiet();
  Place(3, 2, 337, 240);  // 17 away
  Object(3, 5) = 350;
  Object(3, 6) = 15;
  app->p_Game_Waves();
  EXPECT_EQ(Player(50), 1);
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(sounds->Count(9), 1);
  EXPECT_EQ(Object(3, 5), 5) << "turned past a whole turn";
  const std::vector<DrawnCommand> rock = Drawn(0, 36, 36);
  ASSERT_EQ(rock.size(), 1u);
  EXPECT_EQ(rock[0].rot, -5);
  EXPECT_EQ(ParticlesInUse(), 72);
  for (int i = 0; i < 29; ++i) app->p_Game_Waves();
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(Player(50), 30);
  EXPECT_TRUE(Drawn(0, 34, 34).empty()) << "no ship while exploding";
  app->p_Game_Waves();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(7), 1) << "hit only once";
}

TEST_F(WavesTest, OfAGiftAndAnAsteroidTheFirstRecordActsFirst) {
  StartQuiet();
  Place(0, 38, 320, 240);
  Place(1, 1, 320, 240);
  app->p_Game_Waves();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(Player(50), 1);

  StartQuiet();
  Place(0, 1, 320, 240);
  Place(1, 38, 320, 240);
  app->p_Game_Waves();
  EXPECT_EQ(app->m_Score, 0);
  EXPECT_EQ(Object(1, 0), 38) << "a wrecked ship collects nothing";
}

TEST_F(WavesTest, ObjectsAreFreedOnlyBeyondNinetySixOutside) {
  StartQuiet();
  Place(0, 2, -96, 100, -0.5f);
  Place(1, 38, 100, 576, 0, 0.5f);
  Place(2, 1, -48, 100, 1.5f);  // a wall asteroid still on its way in
  Place(3, 3, 100, 575.5f, 0, 0.5f);
  app->p_Game_Waves();
  EXPECT_EQ(Object(0, 0), 0);
  EXPECT_EQ(Object(1, 0), 0);
  EXPECT_EQ(Object(2, 0), 1);
  EXPECT_EQ(Object(3, 0), 3);
}

// --- a whole play ---

class WavesPlayTest : public WavesTest {
 protected:
  // From seed 1234: turning right all the time, thrusting for 45 updates out of every 90,
  // until an asteroid hits.
  int Play(int& updates) {
    zu_random_Seed = 1234;
    app->m_Mode = 11;
    app->m_KeyStickX = 0;
    Update();
    sounds->played.clear();
    updates = 0;
    KeyDown(kRightArrow);
    while (app->m_Dead == 0 && updates < 50000) {
      if (updates % 90 == 0) KeyDown(kSpace);
      if (updates % 90 == 45) KeyUp(kSpace);
      Update();
      ++updates;
    }
    KeyUp(kSpace);
    KeyUp(kRightArrow);
    return app->m_Score;
  }
};

TEST_F(WavesPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int updates = 0;
  const int score = Play(updates);
  int updates2 = 0;
  EXPECT_EQ(Play(updates2), score);
  EXPECT_EQ(updates2, updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_GT(Player(50), 30);
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(score, 1);
  EXPECT_EQ(updates, 1044);
}

}  // namespace
