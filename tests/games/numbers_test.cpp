// Numbers: the columns dealt by the generator, the drift and the rush to the line, rising
// and falling at the line, the cannon's lanes and shots, what one update draws, and a
// scripted play that ends the same way every time.
#include <vector>

#include "tests/games/game_fixture.h"

namespace {

constexpr int kNumbers = 14;
constexpr int kSpace = 32;
constexpr int kUpArrow = 38;
constexpr int kDownArrow = 40;
constexpr int kRect = -3717;
constexpr int kOval = -3716;
constexpr int kFont = 90;
// Lane i is centred at 128 + 32 i on a 480-high screen.
constexpr float kBase = 128;

class NumbersTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kNumbers);
  }

  // Starts through the shell (mode 11), as the menu does, and runs the first update of
  // the game, which (nothing being held) also clears the latches the first column set.
  void Start(int seed) {
    zu_random_Seed = seed;
    app->m_Mode = 11;
    Update();
    Update();
  }

  void SetColumn(std::vector<float> numbers, float target, float x) {
    for (int lane = 1; lane <= 7; ++lane) Player(20 + lane) = numbers[lane - 1];
    Player(10) = target;
    Player(11) = x;
  }

  // One update with `key` held, then one with it released (the latch needs both).
  void Press(int key) {
    KeyDown(key);
    Update();
    KeyUp(key);
    Update();
  }

  int LiveParticles() {
    int live = 0;
    for (int i = 0; i <= app->m_ParticleCount; ++i) live += app->m_Particles[i * 10] > 0 ? 1 : 0;
    return live;
  }
};

// --- columns ---

TEST_F(NumbersTest, TheFirstColumnIsSevenOnesWithATargetFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Numbers();
  EXPECT_EQ(app->m_Mode, 10);
  // After the fresh start's 606 star draws, the second draw of every lane but the last
  // falls below 5/8.
  for (int lane = 1; lane <= 7; ++lane) EXPECT_EQ(Player(20 + lane), 1) << lane;
  EXPECT_EQ(Player(10), 6);
  EXPECT_EQ(app->m_TmpL, 6);
  EXPECT_EQ(app->m_TmpD, 7);
  EXPECT_EQ(app->m_Loop, 8);
  EXPECT_EQ(Player(2), 4);
  EXPECT_FLOAT_EQ(Player(12), 1.4f);
  EXPECT_EQ(Player(13), 0.5f);
  EXPECT_EQ(Player(11), 672);
  EXPECT_EQ(Player(15), 0);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
}

TEST_F(NumbersTest, LaterColumnsDrawFromARangeThatGrowsByFourTenths) {
  zu_random_Seed = 1234;
  app->p_LoadGame_Numbers();
  const std::vector<std::vector<float>> columns = {
      {1, 1, 2, 1, 1, 1, 1}, {2, 1, 1, 1, 1, 2, 1}, {1, 2, 1, 2, 3, 2, 3}};
  const int targets[] = {4, 5, 8};
  const int totals[] = {8, 9, 14};
  for (int c = 0; c < 3; ++c) {
    app->p_Get_Numbers();
    for (int lane = 1; lane <= 7; ++lane) EXPECT_EQ(Player(20 + lane), columns[c][lane - 1]) << c;
    EXPECT_EQ(Player(10), targets[c]) << c;
    EXPECT_EQ(app->m_TmpD, totals[c]) << c;
  }
  EXPECT_FLOAT_EQ(Player(12), 2.6f);
}

TEST_F(NumbersTest, AColumnNeedingNoShotIsDealtAgainWithAWiderRange) {
  // From seed 14 every number of the first two tries belongs to the target.
  zu_random_Seed = 14;
  Player(12) = 1;
  app->p_Get_Numbers();
  const float third[] = {2, 2, 2, 1, 2, 1, 1};
  for (int lane = 1; lane <= 7; ++lane) EXPECT_EQ(Player(20 + lane), third[lane - 1]) << lane;
  EXPECT_EQ(Player(10), 5);
  EXPECT_EQ(app->m_TmpD, 11);
  EXPECT_FLOAT_EQ(Player(12), 2.2f);
}

// --- the column's way to the line ---

TEST_F(NumbersTest, AColumnHoldingTooMuchDriftsAndOneRightOrLostRushes) {
  app->p_LoadGame_Numbers();
  SetColumn({1, 1, 1, 0, 0, 0, 0}, 2, 400);
  app->p_Game_Numbers();
  EXPECT_EQ(Player(11), 399.5f);
  EXPECT_EQ(app->m_TmpL, 3);
  SetColumn({1, 1, 0, 0, 0, 0, 0}, 2, 400);
  app->p_Game_Numbers();
  EXPECT_EQ(Player(11), 394.5f);
  SetColumn({1, 0, 0, 0, 0, 0, 0}, 2, 400);
  app->p_Game_Numbers();
  EXPECT_EQ(Player(11), 394.5f);
  SetColumn({0, 0, 0, 0, 0, 0, 0}, 0, 400);  // a target of 0: everything must go
  app->p_Game_Numbers();
  EXPECT_EQ(Player(11), 394.5f);
}

TEST_F(NumbersTest, ARightColumnRisesAwayAndScoresItsTargetPlusTen) {
  zu_random_Seed = 1234;
  app->p_LoadGame_Numbers();
  SetColumn({3, 0, 0, 4, 0, 0, 0}, 7, 84);
  app->p_Game_Numbers();
  EXPECT_EQ(Player(11), 80);
  EXPECT_FLOAT_EQ(Player(15), -0.1f);
  app->p_Game_Numbers();
  EXPECT_FLOAT_EQ(Player(15), -0.3f);
  app->p_Game_Numbers();
  EXPECT_FLOAT_EQ(Player(15), -0.7f);
  // |offset| = 0.1 (2^n - 1): past 480 on the 13th update at the line.
  for (int i = 3; i < 12; ++i) app->p_Game_Numbers();
  EXPECT_NEAR(Player(15), -409.5f, 1e-2f);
  EXPECT_EQ(app->m_Score, 0);
  app->p_Game_Numbers();
  EXPECT_EQ(app->m_Score, 17);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(Player(15), 0) << "a new column";
  EXPECT_EQ(Player(11), 672);
  EXPECT_FLOAT_EQ(Player(12), 1.8f);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(NumbersTest, AWrongColumnFallsAndEndsTheGame) {
  app->p_LoadGame_Numbers();
  SetColumn({1, 1, 1, 0, 0, 0, 0}, 2, 80.2f);
  for (int i = 0; i < 12; ++i) app->p_Game_Numbers();
  EXPECT_NEAR(Player(15), 409.5f, 1e-2f);
  EXPECT_EQ(app->m_Dead, 0);
  app->p_Game_Numbers();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
  const float fallen = Player(15);
  for (int i = 0; i < 5; ++i) app->p_Game_Numbers();
  EXPECT_EQ(Player(15), fallen) << "the column stops once the game is over";
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_EQ(app->m_Score, 0);
}

TEST_F(NumbersTest, TheDecisionIsTakenAgainOnEveryUpdateAtTheLine) {
  app->p_LoadGame_Numbers();
  SetColumn({1, 1, 0, 0, 0, 0, 0}, 2, 80);
  app->p_Game_Numbers();
  app->p_Game_Numbers();
  EXPECT_FLOAT_EQ(Player(15), -0.3f);
  Player(21) = 0;  // now too little stands: the rising column turns and falls
  app->p_Game_Numbers();
  EXPECT_FLOAT_EQ(Player(15), 0.1f);
}

// --- the cannon ---

TEST_F(NumbersTest, UpAndDownMoveOneLaneAPressWithinTheSevenLanes) {
  Start(1234);
  Press(kUpArrow);
  EXPECT_EQ(Player(2), 3);
  KeyDown(kUpArrow);
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(Player(2), 2) << "held, it moves once";
  KeyUp(kUpArrow);
  Update();
  for (int i = 0; i < 3; ++i) Press(kUpArrow);
  EXPECT_EQ(Player(2), 1);
  for (int i = 0; i < 8; ++i) Press(kDownArrow);
  EXPECT_EQ(Player(2), 7);
  EXPECT_EQ(sounds->Count(5), 0);
}

TEST_F(NumbersTest, AShotClearsTheCursorLaneWithBeamSoundAndSixteenShards) {
  Start(1234);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(24), 0);
  EXPECT_EQ(Player(51), 4);
  EXPECT_EQ(Player(50), 7.25f) << "8, less the first update's fade";
  EXPECT_EQ(sounds->Count(5), 1);
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 1);
  EXPECT_EQ(LiveParticles(), 16);
  for (int i = 0; i < 4; ++i) Update();
  EXPECT_EQ(sounds->Count(5), 1) << "held fire does not repeat";
  KeyUp(kSpace);
  Update();
  Press(kSpace);
  EXPECT_EQ(sounds->Count(5), 2) << "an empty lane still shows the beam";
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 1);
  for (int lane = 1; lane <= 7; ++lane) EXPECT_EQ(Player(20 + lane), lane == 4 ? 0 : 1);
}

TEST_F(NumbersTest, ATouchFiresAtTheCursorLaneUntilTheColumnReachesTheLine) {
  app->p_LoadGame_Numbers();
  app->m_TouchDown = 1;
  app->m_KeyLatch = 0;
  app->m_TouchLatch = 0;
  app->p_Game_Numbers();
  EXPECT_EQ(Player(24), 0);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(app->m_KeyLatch, 1);
  SetColumn({1, 1, 1, 1, 1, 1, 1}, 3, 80);
  Player(2) = 5;
  Player(50) = 0;
  app->m_TouchLatch = 0;
  app->m_KeyLatch = 0;
  app->p_Game_Numbers();
  EXPECT_EQ(Player(25), 1);
  EXPECT_EQ(Player(50), 0);
  EXPECT_EQ(app->m_TouchLatch, 0);
}

TEST_F(NumbersTest, TheBeamShowsForElevenUpdatesAcrossItsLane) {
  app->p_LoadGame_Numbers();
  Player(50) = 8;
  Player(51) = 2;
  int shown = 0;
  for (int i = 0; i < 14; ++i) {
    app->p_Game_Numbers();
    for (const DrawnCommand& r : Drawn(kRect)) {
      if (r.x == 32 && r.y == kBase + 64 - 4 && r.sizeA == 640 && r.sizeB == 9) ++shown;
    }
  }
  EXPECT_EQ(shown, 11);
}

// --- drawing ---

TEST_F(NumbersTest, LanesNumbersTargetAndCannonAreDrawnInPlace) {
  app->p_LoadGame_Numbers();
  SetColumn({1, 0, 0, 0, 0, 0, 0}, 1, 300);
  Player(15) = -10;
  app->p_Game_Numbers();
  const std::vector<DrawnCommand> rects = Drawn(kRect);
  ASSERT_GE(rects.size(), 15u);
  for (int lane = 1; lane <= 7; ++lane) {
    const DrawnCommand& band = rects[2 * (lane - 1)];
    const DrawnCommand& colour = rects[2 * (lane - 1) + 1];
    EXPECT_EQ(band.y, kBase + 32 * lane - 16) << lane;
    EXPECT_EQ(band.sizeB, 32) << lane;
    EXPECT_EQ(colour.y, kBase + 32 * lane - 15) << lane;
    EXPECT_EQ(colour.sizeA, 640) << lane;
  }
  EXPECT_EQ(rects[14].x, 64) << "the finish line";
  EXPECT_EQ(rects[14].sizeB, 480);
  const std::vector<DrawnCommand> ovals = Drawn(kOval);
  ASSERT_EQ(ovals.size(), 2u) << "one standing number and the target marker";
  EXPECT_EQ(ovals[0].x, 299.5f) << "drawn after the drift, before the rush";
  EXPECT_EQ(Player(11), 294.5f);
  EXPECT_EQ(ovals[0].y, kBase + 32 - 10);
  EXPECT_EQ(ovals[0].sizeA, 15);
  EXPECT_EQ(ovals[1].x, 96);
  EXPECT_EQ(ovals[1].y, kBase - 16);
  EXPECT_EQ(ovals[1].sizeA, 32);
  // Three "1"s at scale 2.5: the lane's number, the target and the standing sum.
  int ones = 0;
  for (const DrawnCommand& glyph : Drawn(kFont, 17, 17)) ones += glyph.sizeA == 2.5f ? 1 : 0;
  EXPECT_EQ(ones, 3);
  const std::vector<DrawnCommand> cannon = Drawn(0, 15, 15);
  ASSERT_EQ(cannon.size(), 1u);
  EXPECT_EQ(cannon[0].x, 32);
  EXPECT_EQ(cannon[0].y, 32) << "an eighth of the way from 0 to lane 4 at 256";
  EXPECT_EQ(cannon[0].rot, -90);
  EXPECT_EQ(cannon[0].sizeA, 2);
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int cleared = 0;
  int expectedScore = 0;  // targets + 10 of the columns that flew away
};

class NumbersPlayTest : public NumbersTest {
 protected:
  // The lanes to shoot so that exactly the target stands: the fewest shots, then the
  // lowest lanes. Empty when no choice works.
  std::vector<int> LanesToShoot() {
    int best = -1, bestCount = 8;
    for (int mask = 0; mask < 128; ++mask) {
      int standing = 0, count = 0;
      bool shootsAnEmptyLane = false;
      for (int lane = 1; lane <= 7; ++lane) {
        const int n = static_cast<int>(Player(20 + lane));
        if (mask & (1 << (lane - 1))) {
          shootsAnEmptyLane = shootsAnEmptyLane || n == 0;
          ++count;
        } else {
          standing += n;
        }
      }
      if (!shootsAnEmptyLane && standing == Player(10) && count < bestCount) {
        best = mask;
        bestCount = count;
      }
    }
    std::vector<int> lanes;
    for (int lane = 1; best > 0 && lane <= 7; ++lane) {
      if (best & (1 << (lane - 1))) lanes.push_back(lane);
    }
    return lanes;
  }

  // From seed 1234: for the first `helped` columns, walk the cursor to a lane that must go
  // and shoot it, one press per two updates; afterwards do nothing, so the next column
  // that needs shooting falls.
  PlayOutcome Play(int helped) {
    Start(1234);
    sounds->played.clear();
    PlayOutcome outcome;
    bool pressed = false;
    float lastX = Player(11);
    int target = static_cast<int>(Player(10));
    while (app->m_Dead == 0 && outcome.updates < 100000) {
      if (pressed) {
        for (int key : {kSpace, kUpArrow, kDownArrow}) KeyUp(key);
        pressed = false;
      } else if (outcome.cleared < helped && Player(11) > 80) {
        const std::vector<int> lanes = LanesToShoot();
        if (!lanes.empty()) {
          const int lane = lanes.front();
          const int cursor = static_cast<int>(Player(2));
          KeyDown(lane < cursor ? kUpArrow : lane > cursor ? kDownArrow : kSpace);
          pressed = true;
        }
      }
      Update();
      ++outcome.updates;
      if (Player(11) > lastX) {  // a new column came
        ++outcome.cleared;
        outcome.expectedScore += target + 10;
        target = static_cast<int>(Player(10));
      }
      lastX = Player(11);
    }
    outcome.score = app->m_Score;
    return outcome;
  }
};

TEST_F(NumbersPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const PlayOutcome first = Play(8);
  const PlayOutcome second = Play(8);
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(first.cleared, 8);
  EXPECT_EQ(first.score, first.expectedScore);
  EXPECT_EQ(sounds->Count(95), 8);
  EXPECT_EQ(sounds->Count(12), 1);
  // The recorded outcome of this play.
  EXPECT_EQ(first.score, 135);
  EXPECT_EQ(first.updates, 2273);
}

}  // namespace
