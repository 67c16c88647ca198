// Ice: the runner's running, falling and double jump, squashing couches for growing
// points, the fatal touch and the spin that ends the game, when and where couches appear,
// what one update draws, and a scripted play that ends the same way every time.
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kIce = 9;
constexpr int kSpace = 32;
constexpr int kRect = -3717;
constexpr float kFloor = 448;  // the runner's feet on the floor of a 480-high screen

class IceTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kIce);
  }

  // A started game without snow, so the couches' draws come straight from the seed.
  void StartQuiet() {
    app->p_LoadGame_Ice();
    app->m_StarCount = -1;
  }

  float& Couch(int k, int field) { return app->m_Map[10 * k + field]; }

  void PlaceCouch(int k, float x, float height, float speed = 0) {
    Couch(k, 0) = 1;
    Couch(k, 1) = x;
    Couch(k, 2) = height;
    Couch(k, 3) = speed;
  }

  // The runner at x 300 (still, against a wall it will not reach), y above the floor.
  void RunnerAt(float y, float speedY) {
    Player(1) = 300;
    Player(3) = 4;
    Player(2) = y;
    Player(4) = speedY;
  }
};

// --- the runner ---

TEST_F(IceTest, SetUpPutsTheRunnerAboveTheFloorRunningRight) {
  app->m_Mode = 11;
  app->p_LoadGame_Ice();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(1), 100);
  EXPECT_EQ(Player(2), 416);
  EXPECT_EQ(Player(3), 4);
  for (int element : {4, 7, 10, 11, 50}) EXPECT_EQ(Player(element), 0) << element;
}

TEST_F(IceTest, TheRunnerTurnsAtEitherWall) {
  StartQuiet();
  Player(1) = 604;
  app->p_Game_Ice();
  EXPECT_EQ(Player(1), 608);
  EXPECT_EQ(Player(3), 4);
  app->p_Game_Ice();
  EXPECT_EQ(Player(1), 612);
  EXPECT_EQ(Player(3), -4);
  Player(1) = 35;
  app->p_Game_Ice();
  EXPECT_EQ(Player(1), 31);
  EXPECT_EQ(Player(3), 4);
}

TEST_F(IceTest, TheRunnerFallsAndLandsOnTheEleventhUpdate) {
  StartQuiet();
  for (int i = 0; i < 10; ++i) app->p_Game_Ice();
  EXPECT_EQ(Player(2), 416 + 27.5f) << "0.5 + 1 + ... + 5";
  EXPECT_EQ(Player(7), 0);
  app->p_Game_Ice();
  EXPECT_EQ(Player(2), kFloor);
  EXPECT_EQ(Player(4), 0);
  EXPECT_EQ(Player(7), 2);
}

TEST_F(IceTest, TwoJumpsPerLandingOnePerPress) {
  app->m_Mode = 11;
  Update();
  for (int i = 0; i < 12; ++i) Update();  // landed
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), -8);
  EXPECT_EQ(Player(7), 1);
  Update();
  EXPECT_EQ(Player(4), -7.5f) << "held: no second jump";
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), -8);
  EXPECT_EQ(Player(7), 0);
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), -7) << "no jumps left";
  EXPECT_EQ(sounds->Count(3), 2);
}

// --- couches ---

TEST_F(IceTest, SquashPointsGrowWithinOneAirborneSpellAndRestartAfterLanding) {
  StartQuiet();
  const int expected[] = {5, 25, 70};
  for (int i = 0; i < 3; ++i) {
    PlaceCouch(0, 320, 48);
    RunnerAt(430, 2);
    app->p_Game_Ice();
    EXPECT_EQ(Couch(0, 0), 2) << i;
    EXPECT_EQ(Player(4), -10) << i;
    EXPECT_EQ(Player(10), i + 1) << i;
    EXPECT_EQ(app->m_Score, expected[i]) << i;
  }
  EXPECT_EQ(sounds->Count(13), 3);
  RunnerAt(447, 4);  // lands: the count starts again
  app->p_Game_Ice();
  EXPECT_EQ(Player(10), 0);
  PlaceCouch(0, 320, 48);
  RunnerAt(430, 2);
  app->p_Game_Ice();
  EXPECT_EQ(app->m_Score, 75);
  // The floating score rises from above the couch.
  const float* number = app->m_Particles.begin() + 2500;
  EXPECT_EQ(number[0], 99);
  EXPECT_EQ(number[9], 5);
}

TEST_F(IceTest, OnlyTheFirstOfTwoOverlappingCouchesIsSquashed) {
  StartQuiet();
  PlaceCouch(3, 310, 48);
  PlaceCouch(5, 330, 48);
  RunnerAt(430, 2);
  app->p_Game_Ice();
  EXPECT_EQ(Couch(3, 0), 2);
  EXPECT_EQ(Couch(5, 0), 1);
  EXPECT_EQ(Player(50), 0) << "the second contact is ignored, even rising";
  EXPECT_EQ(app->m_Score, 5);
}

TEST_F(IceTest, ARisingCouchNeitherSquashesNorKills) {
  StartQuiet();
  PlaceCouch(0, 300, 40);
  RunnerAt(430, 2);
  app->p_Game_Ice();
  EXPECT_EQ(Couch(0, 0), 1);
  EXPECT_FLOAT_EQ(Couch(0, 2), 40.6f);
  PlaceCouch(0, 300, 40);
  RunnerAt(kFloor, 0);
  app->p_Game_Ice();
  EXPECT_EQ(Player(50), 0);
}

TEST_F(IceTest, ASquashedCouchSinksAndIsFreed) {
  StartQuiet();
  Couch(0, 0) = 2;
  Couch(0, 2) = 1;
  app->p_Game_Ice();
  EXPECT_EQ(Couch(0, 0), 2);
  app->p_Game_Ice();
  EXPECT_EQ(Couch(0, 0), 0);
}

TEST_F(IceTest, TouchingACouchFromBelowKillsAndTheSpinEndsTheGame) {
  StartQuiet();
  PlaceCouch(0, 330, 48);
  RunnerAt(kFloor, 0);
  app->p_Game_Ice();
  EXPECT_EQ(Player(50), 1);
  EXPECT_EQ(Player(4), -15);
  EXPECT_EQ(sounds->Count(12), 1);
  const float x = Player(1);
  app->p_Game_Ice();
  const std::vector<DrawnCommand> runner = Drawn(3, 37, 37);
  ASSERT_EQ(runner.size(), 1u);
  EXPECT_EQ(runner[0].rot, -4) << "spinning by the count before it grows";
  for (int i = 1; i < 14; ++i) app->p_Game_Ice();
  EXPECT_EQ(Player(50), 15);
  EXPECT_EQ(app->m_Dead, 0);
  app->p_Game_Ice();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Player(1), x) << "a dying runner stays where it is";
  EXPECT_EQ(sounds->Count(12), 1);
  KeyDown(kSpace);
  app->p_Game_Ice();
  EXPECT_EQ(sounds->Count(3), 0) << "no jumping while dying";
}

TEST_F(IceTest, TheFirstCouchesRiseAtNinetySixThenAnywhere) {
  StartQuiet();
  zu_random_Seed = 1234;
  app->p_Game_Ice();
  EXPECT_EQ(Couch(10, 0), 1) << "the last free record";
  EXPECT_EQ(Couch(10, 1), 96);
  EXPECT_FLOAT_EQ(Couch(10, 3), 0.5f + 0.20701307f);
  EXPECT_EQ(Player(11), 1);
  EXPECT_EQ(app->m_TmpL, 1);

  StartQuiet();
  Player(11) = 3;
  zu_random_Seed = 5;  // a chance draw below one half turns it to the left
  app->p_Game_Ice();
  EXPECT_FLOAT_EQ(Couch(10, 1), 202.62656f);
  EXPECT_FLOAT_EQ(Couch(10, 3), -1.3529487f);
}

TEST_F(IceTest, MoreCouchesAreWantedAsMoreHaveBeenCreated) {
  const int created[] = {0, 5, 6, 8, 9, 30};
  const int wanted[] = {1, 1, 2, 2, 3, 3};
  for (int i = 0; i < 6; ++i) {
    StartQuiet();
    Player(11) = created[i];
    app->p_Game_Ice();
    EXPECT_EQ(app->m_TmpL, wanted[i]) << created[i];
    EXPECT_EQ(Player(11), created[i] + 1) << "one couch an update at most";
  }
}

TEST_F(IceTest, ACouchBouncesOffTheWallsAndStopsRisingAtFortyEight) {
  StartQuiet();
  PlaceCouch(0, 33, 47.5f, -1.5f);
  app->p_Game_Ice();
  EXPECT_EQ(Couch(0, 1), 31.5f);
  EXPECT_EQ(Couch(0, 3), 1.5f);
  EXPECT_EQ(Couch(0, 2), 48);
}

// --- drawing ---

TEST_F(IceTest, RunnerCouchAndFloorAreDrawn) {
  StartQuiet();
  PlaceCouch(0, 500, 48);
  RunnerAt(300, -4);
  Player(3) = -4;
  app->p_Game_Ice();
  const std::vector<DrawnCommand> runner = Drawn(3, 37, 37);
  ASSERT_EQ(runner.size(), 1u);
  EXPECT_EQ(runner[0].x, 296);
  EXPECT_EQ(runner[0].y, 296.5f);
  EXPECT_EQ(runner[0].sizeA, -1) << "mirrored when running left";
  EXPECT_EQ(runner[0].rot, 6 * -3.5f);
  const std::vector<DrawnCommand> couches = Drawn(3, 36, 36);
  ASSERT_EQ(couches.size(), 1u);
  EXPECT_EQ(couches[0].x, 500);
  EXPECT_EQ(couches[0].y, 432);
  EXPECT_EQ(couches[0].sizeA, 2);
  EXPECT_EQ(couches[0].rot, 0);
  bool floor = false;
  for (const DrawnCommand& r : Drawn(kRect)) floor = floor || (r.y == 464 && r.sizeA == 640);
  EXPECT_TRUE(floor);
}

// --- a whole play ---

class IcePlayTest : public IceTest {
 protected:
  // From seed 1234: while on the floor, jump (one update in two at most) when a couch that
  // is nearly risen lies 96 to 128 ahead; after `helpUntil` updates stop helping, so the
  // next couch the runner meets kills it.
  int Play(int helpUntil, int* updates) {
    StartFromMenu();
    *updates = 0;
    bool pressed = false;
    while (app->m_Dead == 0 && *updates < 50000) {
      bool want = false;
      for (int k = 0; k < 11 && *updates < helpUntil; ++k) {
        if (Couch(k, 0) != 1 || Couch(k, 2) < 40) continue;
        const float ahead = (Couch(k, 1) - Player(1)) * (Player(3) > 0 ? 1 : -1);
        want = want || (ahead > 96 && ahead < 128 && Player(2) == kFloor);
      }
      want = want && !pressed;
      want ? KeyDown(kSpace) : KeyUp(kSpace);
      pressed = want;
      Update();
      ++*updates;
    }
    KeyUp(kSpace);
    return app->m_Score;
  }
};

TEST_F(IcePlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int updates = 0, updates2 = 0;
  const int first = Play(3000, &updates);
  EXPECT_EQ(Play(3000, &updates2), first);
  EXPECT_EQ(updates2, updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
  // The recorded outcome of this play.
  EXPECT_EQ(first, 50);
  EXPECT_EQ(updates, 1761);
  EXPECT_EQ(sounds->Count(13), 7) << "five single squashes and one double: 5 x 5 + 5 + 20";
}

}  // namespace
