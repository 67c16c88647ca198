// Zone: the level built column by column from the generator, jumping, landing and falling,
// walking and scrolling, the deadly spikes, flyers and edges, gems, and a scripted run that
// ends the same way every time.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kZone = 26;
constexpr int kSpace = 32;
constexpr int kRight = 39;
constexpr int kLeft = 37;

class ZoneTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kZone);
  }

  float& Record(int k, int field) { return Map(10 * k + field); }
  void Put(int k, int kind, float x, float y) {
    Record(k, 0) = static_cast<float>(kind);
    Record(k, 1) = x;
    Record(k, 2) = y;
  }
  // A started game with no level records but a flyer far away to the right (so no new one
  // is launched), and the player at (x, y) screen.
  void StartEmpty(float x, float y) {
    app->m_Mode = 11;
    Update();
    for (int k = 0; k <= 100; ++k) Record(k, 0) = 0;
    Put(50, 4, 5000, -320);
    Player(1) = x;
    Player(2) = y;
  }
  // The world x of a record drawn at screen x `sx` in the next update.
  float WorldX(float sx) { return sx + app->m_ScrollX; }
};

// --- building the level ---

TEST_F(ZoneTest, SetUpBuildsEighteenColumnsFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Zone();
  EXPECT_EQ(app->m_Mode, 10);
  // Worked out from seed 1234 after the 606 star draws: row 1 blocks at -64, 0, 64, 127,
  // ... and the lower rows one unit to the left from the third column on.
  struct Placed {
    int k, kind;
    float x, y;
  };
  const Placed placed[] = {
      {0, 1, -64, -320}, {1, 1, -64, 0},   {2, 1, 0, -320},   {3, 1, 0, 0},
      {4, 1, 64, -320},  {5, 1, 63, 0},    {6, 1, 127, -320}, {7, 1, 126, 0},
      {8, 1, 190, -320}, {9, 1, 189, 0},   {10, 1, 253, -320}, {11, 1, 252, 0},
      {12, 1, 316, -320}, {13, 1, 315, 0}, {14, 1, 379, -320}, {15, 1, 378, 0},
      {16, 1, 442, -320}, {17, 1, 441, 0}, {18, 1, 505, -320}, {19, 1, 504, 0},
      {20, 1, 568, -320}, {21, 1, 567, -64}, {22, 1, 567, 0},  {23, 1, 631, -320},
      {24, 1, 630, -64}, {25, 1, 630, 0},  {26, 1, 694, -320}, {27, 1, 693, 0},
      {28, 1, 757, -320}, {29, 1, 756, 0}, {30, 1, 820, -320}, {31, 1, 819, -64},
      {32, 1, 819, 0},   {33, 1, 883, -320}, {34, 1, 882, -64}, {35, 1, 882, 0},
      {36, 1, 946, -320}, {37, 1, 945, -64}, {38, 1, 945, 0},  {39, 1, 1009, -320},
      {40, 1, 1008, -64}, {41, 1, 1008, 0}, {95, 3, 945, -64}, {96, 3, 819, -64},
      {97, 2, 756, 0},   {98, 3, 693, 0},  {99, 3, 567, 0},   {100, 3, 441, 0}};
  int used = 0;
  for (int k = 0; k <= 100; ++k) used += Record(k, 0) != 0 ? 1 : 0;
  EXPECT_EQ(used, static_cast<int>(std::size(placed)));
  for (const Placed& p : placed) {
    EXPECT_EQ(Record(p.k, 0), p.kind) << "record " << p.k;
    EXPECT_EQ(Record(p.k, 1), p.x) << "record " << p.k;
    EXPECT_EQ(Record(p.k, 2), p.y) << "record " << p.k;
  }
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 3852883664u) << "exactly 622 draws";
  EXPECT_EQ(Player(20), 0);
  EXPECT_EQ(Player(21), 1008);
  const float rows[] = {0, 0, 0, 1, 1};
  for (int j = 0; j < 5; ++j) EXPECT_EQ(Player(22 + j), rows[j]) << "row " << j + 2;
  EXPECT_EQ(Player(1), 300);
  EXPECT_EQ(Player(2), 380);
  EXPECT_EQ(Player(5), 0);
  EXPECT_EQ(Player(32), 100);
  EXPECT_EQ(app->m_ScrollX, 100);
  EXPECT_EQ(app->m_ScrollTX, 100);
  EXPECT_EQ(app->m_KeyLatch, 1);
  // The last column already stands more than 256 beyond the view.
  app->p_More_Zone();
  EXPECT_EQ(Player(21), 1008);
  EXPECT_EQ(Record(42, 0), 0);
}

TEST_F(ZoneTest, ANewPatternEmptiesRowsNextToSetRowsAndStepsUp) {
  app->p_LoadGame_Zone();
  for (int k = 0; k <= 100; ++k) Record(k, 0) = 0;
  Player(20) = 0;
  Player(21) = 500;
  const float before[] = {1, 1, 0, 1, 1};
  for (int j = 0; j < 5; ++j) Player(22 + j) = before[j];
  // Seed 7: pattern 1; row 2 kept (draw 2), row 3 emptied (draw 1, row 2 set), row 5 kept;
  // then row 4, empty above set row 5, is filled with 3 and counts down to 2.
  zu_random_Seed = 7;
  app->p_More_Zone();
  EXPECT_EQ(Player(20), 1);
  EXPECT_EQ(Player(21), 563);
  const float after[] = {1, 0, 2, 1, 1};
  for (int j = 0; j < 5; ++j) EXPECT_EQ(Player(22 + j), after[j]) << "row " << j + 2;
  struct Placed {
    int k, kind;
    float x, y;
  };
  const Placed placed[] = {{0, 1, 564, -320}, {1, 1, 563, -256}, {2, 1, 563, -128},
                           {3, 1, 563, -64},  {4, 1, 563, 0},    {98, 3, 563, 0},
                           {99, 3, 563, -64}, {100, 3, 563, -128}};
  for (const Placed& p : placed) {
    EXPECT_EQ(Record(p.k, 0), p.kind) << "record " << p.k;
    EXPECT_EQ(Record(p.k, 1), p.x) << "record " << p.k;
    EXPECT_EQ(Record(p.k, 2), p.y) << "record " << p.k;
  }
  EXPECT_EQ(Record(5, 0), 0);
  EXPECT_EQ(Record(97, 0), 0);
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 295425186u) << "nine draws";
}

TEST_F(ZoneTest, ColumnBuildingDropsRecordsFarBehindTheView) {
  app->p_LoadGame_Zone();
  app->m_ScrollX = 400;
  Player(20) = 5;
  Player(21) = 900;
  app->p_More_Zone();
  // Records 0..7 (x -64..127) are more than 256 behind the view: the first free ones take
  // the new column's blocks in rows 1, 5 and 6.
  EXPECT_EQ(Record(0, 1), 964);
  EXPECT_EQ(Record(0, 2), -320);
  EXPECT_EQ(Record(1, 1), 963);
  EXPECT_EQ(Record(1, 2), -64);
  EXPECT_EQ(Record(2, 1), 963);
  EXPECT_EQ(Record(2, 2), 0);
  for (int k = 3; k <= 7; ++k) EXPECT_EQ(Record(k, 0), 0) << k;
  EXPECT_EQ(Record(8, 0), 1) << "x 190 is less than 256 behind";
}

// --- jumping, landing, falling ---

TEST_F(ZoneTest, StandingOnABlockLandsAgainEveryUpdate) {
  StartEmpty(302, 440);
  Put(0, 1, WorldX(300), 0);
  Update();
  EXPECT_EQ(Player(1), 300) << "the scroll moved the player 2 left";
  EXPECT_EQ(Player(2), 440);
  EXPECT_EQ(Player(4), 0);
  EXPECT_EQ(Player(6), 4);
  Update();
  EXPECT_EQ(Player(2), 440);
  EXPECT_EQ(Player(6), 4);
}

TEST_F(ZoneTest, AJumpNeedsAFreshPressWithinThreeUpdatesOfALanding) {
  for (int waited = 0; waited <= 3; ++waited) {
    StartEmpty(302, 440);
    Put(0, 1, WorldX(300), 0);
    Update();
    Record(0, 0) = 0;  // the block vanishes: the player starts to fall
    for (int i = 0; i < waited; ++i) Update();
    KeyDown(kSpace);
    Update();
    if (waited < 3) {
      EXPECT_EQ(Player(4), -15) << waited << " updates after the landing";
    } else {
      EXPECT_EQ(Player(4), 4) << "the ground timer ran out: still falling";
    }
    KeyUp(kSpace);
  }
}

TEST_F(ZoneTest, HoldingTheJumpControlJumpsOnce) {
  StartEmpty(302, 440);
  Put(0, 1, WorldX(300), 0);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(2), 424);
  EXPECT_EQ(Player(4), -15);
  for (int i = 0; i < 60; ++i) Update();
  EXPECT_EQ(Player(2), 440) << "back on the block";
  EXPECT_EQ(Player(4), 0);
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), -15);
}

TEST_F(ZoneTest, TheFallIsCappedAtTwelveAndLeavingTheBottomEndsTheGame) {
  StartEmpty(300, 100);
  int updates = 0;
  while (app->m_Dead == 0 && updates < 100) {
    Update();
    ++updates;
    EXPECT_LE(Player(4), 12);
  }
  EXPECT_EQ(Player(4), 12);
  EXPECT_GT(Player(2), 544);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
  const float y = Player(2);
  Update();
  EXPECT_EQ(Player(2), y) << "the player stays put once the game is over";
  EXPECT_TRUE(Drawn(3, 24, 27).empty()) << "and is no longer drawn";
}

TEST_F(ZoneTest, JumpingIntoABlockFromBelowKnocksThePlayerDown) {
  StartEmpty(302, 385);
  Player(4) = -3;
  Put(0, 1, WorldX(300), -64);  // row 5: its top at 384
  Update();
  EXPECT_EQ(Player(2), 392);
  EXPECT_EQ(Player(4), 2);
  EXPECT_EQ(Player(6), 0);
}

// --- walking and scrolling ---

TEST_F(ZoneTest, TheViewScrollsFasterWhileThePlayerRunsNearTheRightEdge) {
  const float xs[] = {300, 441, 491, 513, 545};
  const float shifts[] = {2, 3, 4, 5, 6};
  for (int i = 0; i < 5; ++i) {
    StartEmpty(xs[i], 100);
    Update();
    EXPECT_EQ(Player(1), xs[i] - shifts[i]) << xs[i];
    EXPECT_EQ(Player(32), 100 + shifts[i]) << xs[i];
  }
}

TEST_F(ZoneTest, TheStickWalksTurnsAndAnimatesThePlayer) {
  StartEmpty(300, 100);
  KeyDown(kRight);
  Update();  // key stick 0.15: not beyond the dead zone
  EXPECT_EQ(Player(1), 298);
  EXPECT_EQ(Player(5), 1);
  EXPECT_EQ(Player(7), 0);
  Update();  // 0.3
  EXPECT_FLOAT_EQ(Player(1), 296 + 6 * 0.3f);
  EXPECT_FLOAT_EQ(Player(7), 0.09f);
  KeyUp(kRight);
  KeyDown(kLeft);
  for (int i = 0; i < 12; ++i) Update();
  EXPECT_EQ(Player(5), -1);
  const std::vector<DrawnCommand> player = Drawn(3, 24, 27);
  ASSERT_EQ(player.size(), 1u);
  EXPECT_EQ(player[0].sizeA, -1) << "drawn facing left";
  EXPECT_EQ(player[0].frame, 24 + static_cast<int>(Player(7)));
  KeyUp(kLeft);
  for (int i = 0; i < 4; ++i) Update();  // the key stick eases back: -0.8 .. -0.2
  EXPECT_GT(Player(7), 0);
  Update();
  EXPECT_EQ(Player(7), 0) << "the walk phase resets inside the dead zone";
}

TEST_F(ZoneTest, APlayerPushedOffTheLeftEdgeLosesEvenOnABlock) {
  StartEmpty(-30, 440);
  Put(0, 1, WorldX(-32), 0);
  Update();
  EXPECT_EQ(Player(1), -32);
  EXPECT_EQ(app->m_Dead, 0);
  Update();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
}

// --- spikes, flyers, gems ---

TEST_F(ZoneTest, ASpikeOrAFlyerEndsTheGameWithOneSound) {
  for (int kind : {2, 4}) {
    StartEmpty(302, 440);
    Put(10, kind, WorldX(300) + 19, 0);
    Update();
    EXPECT_EQ(app->m_Dead, 1) << kind;
    Update();
    EXPECT_EQ(sounds->Count(12), kind == 2 ? 1 : 2) << kind;
  }
  // A spike 20 units aside is harmless.
  StartEmpty(302, 440);
  Put(10, 2, WorldX(320), 0);
  Update();
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(ZoneTest, AGemScoresFiveAndThrowsEightSparks) {
  StartEmpty(302, 440);
  Put(20, 3, WorldX(300), 0);  // drawn at y 422, within 22 of the player
  Update();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Record(20, 0), 0);
  EXPECT_EQ(sounds->Count(1), 1);
  const float x = WorldX(300);
  for (int i = 0; i < 8; ++i) {
    const float* p = app->m_Particles.begin() + (250 - i) * 10;
    ASSERT_TRUE(p[0] == 1 || p[0] == 2) << i;
    EXPECT_EQ(p[8], 5) << i;
    // Thrown from (x, 422) towards 45 i degrees at a speed of 4 to 8, moved once.
    const double vx = p[1] - x;
    const double vy = p[2] - 422.0;
    const double speed = std::hypot(vx, vy);
    EXPECT_TRUE(speed >= 4.0 - 1e-3 && speed < 8.0 + 1e-3) << i << ": " << speed;
    double angle = std::atan2(vx, -vy) * 180.0 / M_PI - 45.0 * i;
    EXPECT_NEAR(std::remainder(angle, 360.0), 0.0, 1e-2) << i;
  }
}

TEST_F(ZoneTest, OneFlyerAtATimeLaunchedFromTheColumnBeingBuilt) {
  StartEmpty(300, 100);
  Record(50, 0) = 0;
  Update();
  // The last free record takes the flyer, at the column x, in one of rows 2..6.
  EXPECT_EQ(Record(100, 0), 4);
  EXPECT_EQ(Record(100, 1), Player(21));
  const float y = Record(100, 2);
  EXPECT_TRUE(y == -256 || y == -192 || y == -128 || y == -64 || y == 0) << y;
  EXPECT_EQ(sounds->Count(5), 1);
  Update();
  EXPECT_EQ(Record(100, 1), Player(21) - 4.5f);
  EXPECT_EQ(sounds->Count(5), 1);
  Record(100, 1) = WorldX(-170);
  Update();
  EXPECT_EQ(Record(100, 0), 0) << "freed past 160 before the view";
  EXPECT_EQ(sounds->Count(5), 1) << "it still counted in the update that freed it";
  Update();
  EXPECT_EQ(Record(100, 0), 4);
  EXPECT_EQ(sounds->Count(5), 2);
}

// --- a whole play ---

struct RunOutcome {
  int score = 0;
  int updates = 0;
  int gems = 0;
  int deaths = 0;
};

class ZonePlayTest : public ZoneTest {
 protected:
  // From seed 1234: run right while the player is left of 400, and press jump every 40th
  // update (released in between).
  RunOutcome Run() {
    zu_random_Seed = 1234;
    app->m_Mode = 11;
    Update();
    app->m_KeyStickX = 0;  // nothing carried over from an earlier run
    sounds->played.clear();
    RunOutcome outcome;
    bool running = false;
    while (app->m_Dead == 0 && outcome.updates < 20000) {
      const bool wantRun = Player(1) < 400;
      if (wantRun != running) wantRun ? KeyDown(kRight) : KeyUp(kRight);
      running = wantRun;
      if (outcome.updates % 40 == 0) KeyDown(kSpace);
      if (outcome.updates % 40 == 1) KeyUp(kSpace);
      Update();
      ++outcome.updates;
    }
    KeyUp(kRight);
    KeyUp(kSpace);
    outcome.score = app->m_Score;
    outcome.gems = sounds->Count(1);
    outcome.deaths = sounds->Count(12);
    return outcome;
  }
};

TEST_F(ZonePlayTest, AScriptedRunEndsTheSameWayEveryTime) {
  const RunOutcome first = Run();
  const RunOutcome second = Run();
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(first.score, 5 * first.gems) << "only gems score";
  EXPECT_EQ(first.deaths, 1);
  // The recorded outcome of this input pattern: three gems.
  EXPECT_EQ(first.score, 15);
  EXPECT_EQ(first.updates, 292);
}

}  // namespace
