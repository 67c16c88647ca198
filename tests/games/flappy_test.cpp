// Flappy: the coins from the generator, the bird's flight and kicks, coins, hazards,
// obstacles and the ground, the renewal of objects with its growing difficulty, the ground
// layers, and a scripted play that ends the same way every time.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kFlappy = 6;
constexpr int kSpace = 32;
constexpr int kRightArrow = 39;
constexpr float kFarAway = 1.0e6f;

class FlappyTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kFlappy);
  }

  float& Object(int j, int field) { return app->m_Map[10 * j + field]; }

  // Started through the game flow, with every object far ahead.
  void StartInEmptySky() {
    app->m_Mode = 11;
    Update();
    for (int j = 0; j <= 100; ++j) Object(j, 1) = kFarAway;
  }
  // The bird at y = 200 with a speed that gravity cancels in the next update, and an
  // object offset from where the bird will be after that update's flight.
  void PlaceOnTheBird(int j, int kind, float offsetX, float offsetY) {
    Player(2) = 200;
    Player(4) = -0.15f;
    Object(j, 0) = kind;
    Object(j, 1) = Player(1) + 3 + offsetX;
    Object(j, 2) = 200 + offsetY;
  }
};

// --- set-up ---

TEST_F(FlappyTest, SetUpLaysOutCoinsAheadFromTheGenerator) {
  zu_random_Seed = 1234;
  app->p_LoadGame_Flappy();
  // Worked out from seed 1234 after the fresh start's 606 star draws.
  const float xs[] = {2032, 2090, 2169, 2221};
  const float ys[] = {325.67426f, 95.428528f, 154.10957f, 131.76643f};
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(Object(j, 0), 1) << j;
    EXPECT_EQ(Object(j, 1), xs[j]) << j;
    EXPECT_FLOAT_EQ(Object(j, 2), ys[j]) << j;
  }
  EXPECT_EQ(Object(100, 1), 6052);
  EXPECT_FLOAT_EQ(Object(100, 2), 350.36182f);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 3884527450u) << "two draws per coin";
  EXPECT_EQ(Player(1), 1024);
  EXPECT_EQ(Player(2), 64);
  EXPECT_EQ(Player(4), -6);
  EXPECT_EQ(Player(55), 1);
  EXPECT_EQ(app->m_ScrollX, 896);
  EXPECT_EQ(app->m_ScrollTX, 896);
}

// --- flight ---

TEST_F(FlappyTest, TheBirdRisesOffTheTopAndGravityBringsItBack) {
  StartInEmptySky();
  Update();
  EXPECT_EQ(Player(1), 1027);
  EXPECT_FLOAT_EQ(Player(4), -5.85f);
  EXPECT_FLOAT_EQ(Player(2), 58.15f);
  float highest = Player(2);
  for (int i = 0; i < 80; ++i) {
    Update();
    highest = std::min(highest, Player(2));
  }
  EXPECT_LT(highest, 0) << "above the top of the screen, unpunished";
  EXPECT_NEAR(highest, 64 - 117, 2);
  EXPECT_GT(Player(2), highest);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(FlappyTest, AKickReplacesTheSpeedOncePerPress) {
  StartInEmptySky();
  Player(2) = 200;
  Player(4) = 3;
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), -4);
  EXPECT_FLOAT_EQ(Player(2), 203.15f) << "the kick acts from the next update";
  Update();
  EXPECT_FLOAT_EQ(Player(4), -3.85f) << "held: no second kick";
  KeyUp(kSpace);
  Update();
  KeyDown(kRightArrow);  // right kicks too
  Update();
  EXPECT_EQ(Player(4), -4);
}

TEST_F(FlappyTest, NoKickNearTheTopOfTheScreen) {
  StartInEmptySky();
  Player(2) = 16;
  Player(4) = -0.15f;
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), 0);
  EXPECT_EQ(Player(2), 16);
  Update();
  EXPECT_EQ(Player(4), -4) << "at 16.15 it kicks";
}

TEST_F(FlappyTest, AtTopSpeedTheBirdFliesTwentyFourAndFallsAtMostSix) {
  StartInEmptySky();
  Player(55) = 8;
  Player(4) = 5.5f;
  Player(2) = 100;
  app->p_Game_Flappy();
  EXPECT_EQ(Player(1), 1024 + 24);
  EXPECT_EQ(Player(4), 6);
  EXPECT_EQ(Player(2), 106);
}

TEST_F(FlappyTest, TouchingTheGroundEndsTheGame) {
  StartInEmptySky();
  Player(2) = 424;
  Player(4) = 6;
  app->p_Game_Flappy();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(7), 1);
  const float x = Player(1);
  app->p_Game_Flappy();
  EXPECT_EQ(Player(1), x) << "no longer moves forward";
  EXPECT_EQ(Player(2), 436);
  EXPECT_EQ(sounds->Count(7), 1);
}

// --- objects ---

TEST_F(FlappyTest, ACoinScoresAndTheBirdGrabsForFourUpdates) {
  StartInEmptySky();
  PlaceOnTheBird(7, 1, 31, -23);
  zu_random_Seed = 1234;
  app->p_Game_Flappy();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(Object(7, 0), 0);
  EXPECT_EQ(sounds->Count(13), 1);
  EXPECT_EQ(Player(8), 4) << "the bird was drawn before the coin";
  for (int i = 0; i < 4; ++i) {
    app->p_Game_Flappy();
    EXPECT_EQ(Drawn(4, 2, 2).size(), 1u) << "sprite 258";
  }
  app->p_Game_Flappy();
  EXPECT_EQ(Drawn(4, 1, 1).size(), 1u) << "sprite 257";
  EXPECT_EQ(app->m_Score, 1) << "a collected coin is not tested again";
}

TEST_F(FlappyTest, ACoinJustOutOfReachIsNotTaken) {
  StartInEmptySky();
  PlaceOnTheBird(7, 1, 32, 0);
  PlaceOnTheBird(8, 1, 0, 24);
  app->p_Game_Flappy();
  EXPECT_EQ(app->m_Score, 0);
}

TEST_F(FlappyTest, AHazardSpinsWithTheClockAndKills) {
  StartInEmptySky();
  host.millisecs = 250;  // step 4: 180 degrees
  PlaceOnTheBird(3, 2, -31, 23);
  app->p_Game_Flappy();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(11), 1);
  EXPECT_EQ(sounds->Count(7), 1);
  const std::vector<DrawnCommand> hazards = Drawn(4, 17, 17);
  ASSERT_EQ(hazards.size(), 1u);
  EXPECT_EQ(hazards[0].rot, -180);
  EXPECT_EQ(hazards[0].sizeA, 1.5f);
}

TEST_F(FlappyTest, AnObstacleIsTallAndNarrow) {
  StartInEmptySky();
  PlaceOnTheBird(3, 3, 16, 0);
  PlaceOnTheBird(4, 3, 0, 63);
  app->p_Game_Flappy();
  EXPECT_EQ(app->m_Dead, 1) << "63 above or below still hits";
  EXPECT_EQ(sounds->Count(9), 1);
  EXPECT_EQ(sounds->Count(11), 1);
  const std::vector<DrawnCommand> obstacles = Drawn(4, 20, 20);
  ASSERT_EQ(obstacles.size(), 2u);
  EXPECT_EQ(obstacles[0].sizeA, 4);
}

TEST_F(FlappyTest, TheFirstRenewedObjectIsAHazard) {
  StartInEmptySky();
  Object(5, 0) = 0;  // a collected coin comes back too
  Object(5, 1) = 896 - 129;
  zu_random_Seed = 1234;
  app->p_Game_Flappy();
  EXPECT_EQ(Object(5, 0), 2);
  EXPECT_FLOAT_EQ(Object(5, 1), 3692.5942f) << "2048 + 748.59 ahead of the camera at 896";
  EXPECT_FLOAT_EQ(Object(5, 2), 104.8686f);
  EXPECT_EQ(Player(50), 1);
  EXPECT_FLOAT_EQ(Player(55), 1.005f);
}

TEST_F(FlappyTest, ObstaclesComeAtCountsSixtyFiveNinetyFiveAndOn) {
  StartInEmptySky();
  const struct {
    float count;
    int kind;
  } cases[] = {{34, 1}, {59, 1}, {60, 2}, {64, 3}, {94, 3}, {90, 2}, {120, 1}, {135, 2}};
  for (const auto& c : cases) {
    Player(50) = c.count;
    Object(9, 1) = app->m_ScrollX - 200;
    app->p_Game_Flappy();
    EXPECT_EQ(Object(9, 0), c.kind) << "renewed at count " << c.count;
    EXPECT_EQ(Player(50), c.count + 1);
  }
}

TEST_F(FlappyTest, HazardsComeMoreOftenWithProgress) {
  StartInEmptySky();
  // count: interval that applies; a hazard when the count is a multiple of it.
  const struct {
    float count;
    int kind;
  } cases[] = {{270, 2}, {300, 1}, {325, 2}, {525, 1}, {529, 2}, {855, 2}, {1010, 2}, {1015, 1}};
  for (const auto& c : cases) {
    Player(50) = c.count;
    Object(9, 1) = app->m_ScrollX - 200;
    app->p_Game_Flappy();
    EXPECT_EQ(Object(9, 0), c.kind) << "renewed at count " << c.count;
  }
}

// --- drawing ---

TEST_F(FlappyTest, TheGroundLayersWrapAtTheirOwnSpeeds) {
  StartInEmptySky();
  app->m_ScrollX = 1000;
  app->m_ScrollTX = 1000;
  Player(1) = 1128;
  app->p_Game_Flappy();
  const std::vector<DrawnCommand> tiles = Drawn(4, 4, 4);  // sprite 260
  ASSERT_EQ(tiles.size(), 32u);
  // Back: fmod(64 i - 900, 1024), wrapped below -128; front: fmod(64 i - 1100, 1024).
  EXPECT_EQ(tiles[0].x, 124);
  EXPECT_EQ(tiles[0].y, 428);
  EXPECT_EQ(tiles[0].sizeA, 4);
  EXPECT_EQ(tiles[15].x, 60);
  EXPECT_EQ(tiles[16].x, -76);
  EXPECT_EQ(tiles[16].y, 448);
  EXPECT_EQ(tiles[17].x, -12);
  const std::vector<DrawnCommand> tall = Drawn(4, 26, 26);  // sprite 282
  ASSERT_EQ(tall.size(), 5u);
  EXPECT_EQ(tall[0].x, 316);
  EXPECT_EQ(tall[0].y, 370);
  EXPECT_EQ(tall[0].sizeA, 2);
  EXPECT_EQ(Drawn(4, 24, 24).size(), 8u) << "sprite 280";
}

// --- a whole play ---

class FlappyPlayTest : public FlappyTest {
 protected:
  // From seed 1234: kick whenever the bird sinks below the height of the next coin ahead
  // (letting go in between), ignoring hazards.
  int PlayScripted(int* updates) {
    StartFromMenu();
    bool held = false;
    *updates = 0;
    while (app->m_Dead == 0 && *updates < 20000) {
      float target = 240;
      float nearest = kFarAway;
      for (int j = 0; j <= 100; ++j) {
        const float d = Object(j, 1) - Player(1);
        if (Object(j, 0) == 1 && d > 0 && d < nearest) {
          nearest = d;
          target = Object(j, 2);
        }
      }
      const bool want = !held && Player(2) > target && Player(4) > 0;
      if (want != held) want ? KeyDown(kSpace) : KeyUp(kSpace);
      held = want;
      Update();
      ++*updates;
    }
    KeyUp(kSpace);
    return app->m_Score;
  }
};

TEST_F(FlappyPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int firstUpdates = 0, secondUpdates = 0;
  const int first = PlayScripted(&firstUpdates);
  const int coins = sounds->Count(13);
  const int second = PlayScripted(&secondUpdates);
  EXPECT_EQ(first, second);
  EXPECT_EQ(firstUpdates, secondUpdates);
  EXPECT_EQ(first, coins) << "a point per coin";
  // The recorded outcome of this input pattern.
  EXPECT_EQ(first, 17);
  EXPECT_EQ(firstUpdates, 1075);
}

}  // namespace
