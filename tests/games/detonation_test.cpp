// Detonation: the balls of a level from the generator, aiming and the one detonation, the
// chain reaction and its scoring, the judging that starts a new level or ends the game,
// and a scripted play that ends the same way every time.
#include <cmath>
#include <set>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kDetonation = 4;
constexpr int kSpace = 32;
constexpr int kRightArrow = 39;

class DetonationTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kDetonation);
  }

  float& Record(int k, int field) { return app->m_Map[10 * k + field]; }

  // A started level whose balls all stand still in a row along the bottom, far from the
  // top-left corner where the tests set off their explosions.
  void StartWithParkedBalls() {
    app->p_LoadGame_Detonation();
    for (int k = 1; k <= 100; ++k) {
      Record(k, 1) = 300 + 3 * k;
      Record(k, 2) = 440;
      Record(k, 3) = 0;
      Record(k, 4) = 0;
    }
  }
  void PutBall(int k, float x, float y) {
    Record(k, 0) = 1;
    Record(k, 1) = x;
    Record(k, 2) = y;
    Record(k, 3) = 0;
    Record(k, 4) = 0;
  }
  void Explode(int k, float x, float y, float phase) {
    Record(k, 0) = phase;
    Record(k, 1) = x;
    Record(k, 2) = y;
    Player(10) = 1;
  }
  // The glyph frames drawn by p_Text at the given scale.
  std::multiset<int> GlyphsAtScale(float scale) {
    std::multiset<int> frames;
    for (const DrawnCommand& c : Drawn(90)) {
      if (c.sizeA == scale) frames.insert(c.frame);
    }
    return frames;
  }
};

// --- levels ---

TEST_F(DetonationTest, SetUpLaysOutAHundredBallsFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Detonation();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(21), 1);
  EXPECT_EQ(Player(50), 100);
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(Player(1), 320);
  EXPECT_EQ(Player(2), 240);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
  EXPECT_EQ(Record(0, 0), 0);
  // Worked out from seed 1234 after the fresh start's 606 star draws.
  EXPECT_FLOAT_EQ(Record(1, 1), 1.2409592f);
  EXPECT_FLOAT_EQ(Record(1, 2), 400.46490f);
  EXPECT_FLOAT_EQ(Record(1, 3), 0.62697864f);
  EXPECT_FLOAT_EQ(Record(1, 4), -1.2792213f);
  EXPECT_FLOAT_EQ(Record(2, 1), 543.21094f);
  EXPECT_FLOAT_EQ(Record(2, 2), 166.51305f);
  EXPECT_FLOAT_EQ(Record(100, 1), 258.72525f);
  EXPECT_FLOAT_EQ(Record(100, 4), -0.31856203f);
  for (int k = 1; k <= 100; ++k) EXPECT_EQ(Record(k, 0), 1) << k;
  EXPECT_EQ(zu_random_Seed, 1805430352);
}

TEST_F(DetonationTest, LaterLevelNumbersHaveFewerBallsButNeverUnderTwenty) {
  Player(21) = 5;
  zu_random_Seed = 5;
  app->p_Level_Detonation();
  EXPECT_EQ(Player(50), 68);
  EXPECT_EQ(Record(68, 0), 1);
  EXPECT_EQ(Record(69, 0), 0);
  EXPECT_NE(Record(100, 1), 0) << "records not in play still draw their numbers";
  EXPECT_EQ(zu_random_Seed, 527425301) << "400 draws";
  Player(21) = 12;
  app->p_Level_Detonation();
  EXPECT_EQ(Player(50), 20);
}

// --- aiming ---

TEST_F(DetonationTest, APressHeldFromBeforeDoesNotFireButANewPressDoes) {
  app->m_Mode = 11;
  KeyDown(kSpace);
  Update();
  Update();
  EXPECT_EQ(Player(10), 0);
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(10), 1);
  EXPECT_EQ(Record(0, 1), 320);
  EXPECT_EQ(Record(0, 2), 240);
  EXPECT_EQ(Record(0, 0), 5) << "set off at phase 2 and advanced in the same update";
  EXPECT_EQ(sounds->Count(9), 1);
  std::vector<DrawnCommand> ovals = Drawn(-3716);
  ASSERT_GE(ovals.size(), 1u);
  EXPECT_EQ(ovals[0].x, 320);
  EXPECT_EQ(ovals[0].sizeA, 1) << "48 sin 2 degrees";
  EXPECT_EQ(Drawn(0, 32, 32).size(), 1u);
  Update();
  EXPECT_TRUE(Drawn(0, 32, 32).empty()) << "no cursor after the detonation";
}

TEST_F(DetonationTest, TheCursorStopsSixteenShortOfTheEdges) {
  app->m_Mode = 11;
  Update();
  KeyDown(kRightArrow);
  for (int i = 0; i < 80; ++i) Update();
  EXPECT_EQ(Player(1), 624);
  EXPECT_EQ(Player(2), 240);
  const std::vector<DrawnCommand> cursor = Drawn(0, 32, 32);
  ASSERT_EQ(cursor.size(), 1u);
  EXPECT_EQ(cursor[0].x, 624) << "drawn where it was before this update's move";
}

// --- balls and explosions ---

TEST_F(DetonationTest, BallsWrapAtTheEdges) {
  StartWithParkedBalls();
  PutBall(1, 639, 479);
  Record(1, 3) = 2;
  Record(1, 4) = 2;
  PutBall(2, 1, 1);
  Record(2, 3) = -2;
  Record(2, 4) = -2;
  app->p_Game_Detonation();
  EXPECT_EQ(Record(1, 1), 1);
  EXPECT_EQ(Record(1, 2), 1);
  EXPECT_EQ(Record(2, 1), 639);
  EXPECT_EQ(Record(2, 2), 479);
  const std::vector<DrawnCommand> rects = Drawn(-3717);
  ASSERT_GE(rects.size(), 2u);
  EXPECT_EQ(rects[0].x, -1);
  EXPECT_EQ(rects[0].sizeA, 5);
  EXPECT_EQ(rects[1].x, 637);
}

TEST_F(DetonationTest, AChainReactionScoresWithThePercentageOfThePreviousUpdate) {
  StartWithParkedBalls();
  Player(50) = 4;
  for (int k = 5; k <= 100; ++k) Record(k, 0) = 0;
  Explode(0, 100, 100, 90);    // radius 48
  PutBall(1, 149, 100);        // 49 away: outside
  PutBall(2, 147, 100);        // 47 away: caught
  PutBall(3, 149, 101);        // beside ball 2, which explodes first
  PutBall(4, 500, 400);
  app->p_Game_Detonation();
  EXPECT_EQ(Record(1, 0), 1) << "ball 2 was still moving when ball 1 was tested";
  EXPECT_EQ(Record(2, 0), 5);
  EXPECT_EQ(Record(3, 0), 5);
  EXPECT_EQ(app->m_Score, 2) << "one point each while nothing was destroyed before";
  EXPECT_EQ(app->m_TmpP, 0) << "balls caught in an update were counted as moving in it";
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8) + sounds->Count(9), 2);
  for (int p = 243; p <= 250; ++p) EXPECT_EQ(app->m_Particles[10 * p], 1) << p;
  app->p_Game_Detonation();
  EXPECT_EQ(Record(1, 0), 5) << "caught by ball 2's blast, radius 4";
  EXPECT_EQ(app->m_Score, 2 + 1);
  EXPECT_EQ(app->m_TmpP, 50);
  PutBall(4, 149, 102);
  app->p_Game_Detonation();
  EXPECT_EQ(Record(4, 0), 5);
  EXPECT_EQ(app->m_Score, 3 + 51);
  EXPECT_EQ(app->m_TmpP, 75);
}

TEST_F(DetonationTest, AnExplosionLastsSixtyUpdates) {
  StartWithParkedBalls();
  Explode(0, 100, 100, 2);
  // The radius drawn: the integer part of 48 sin(phase).
  const float radii[] = {1, 4, 6};
  for (int i = 0; i < 3; ++i) {
    app->p_Game_Detonation();
    EXPECT_EQ(Drawn(-3716).at(0).sizeA, radii[i]) << i;
  }
  for (int i = 3; i < 29; ++i) app->p_Game_Detonation();
  EXPECT_EQ(Record(0, 0), 89);
  app->p_Game_Detonation();
  EXPECT_EQ(Drawn(-3716).at(0).sizeA, 47);
  for (int i = 30; i < 59; ++i) app->p_Game_Detonation();
  EXPECT_EQ(Record(0, 0), 179);
  app->p_Game_Detonation();
  EXPECT_EQ(Record(0, 0), 0);
  EXPECT_EQ(Player(11), 0) << "the last update of the explosion is not judged";
  app->p_Game_Detonation();
  EXPECT_EQ(Player(11), 1);
}

// --- judging ---

TEST_F(DetonationTest, ADetonationCatchingNothingEndsTheGameAfterTheJudging) {
  StartWithParkedBalls();
  Explode(0, 100, 100, 2);
  for (int i = 0; i < 60; ++i) app->p_Game_Detonation();
  EXPECT_EQ(app->m_Score, 0);
  for (int i = 0; i < 3; ++i) app->p_Game_Detonation();
  EXPECT_EQ(sounds->Count(12), 0);
  app->p_Game_Detonation();
  EXPECT_EQ(Player(11), 4);
  EXPECT_EQ(sounds->Count(12), 1);
  EXPECT_EQ(app->m_TmpC, 0);
  // "0% Destroyed" at scale 6 and the "40% for the next level" line at scale 2.
  const std::multiset<int> big = GlyphsAtScale(6);
  EXPECT_EQ(big.size(), 11u);
  EXPECT_EQ(big.count(16), 1u) << "one 0";
  EXPECT_EQ(big.count(5), 1u) << "one %";
  EXPECT_EQ(GlyphsAtScale(2).count(5), 1u);
  for (int i = 4; i < 120; ++i) app->p_Game_Detonation();
  EXPECT_EQ(app->m_Dead, 0);
  app->p_Game_Detonation();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
}

TEST_F(DetonationTest, ExactlyFortyPercentStartsANewLevel) {
  StartWithParkedBalls();
  for (int k = 1; k <= 40; ++k) Record(k, 0) = 0;
  Player(10) = 1;
  app->p_Game_Detonation();
  EXPECT_EQ(app->m_TmpP, 40);
  EXPECT_EQ(app->m_TmpC, 1);
  EXPECT_EQ(GlyphsAtScale(3).count(20), 1u) << "the count 40 in the corner";
  for (int i = 1; i < 121; ++i) app->p_Game_Detonation();
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(Player(11), 0);
  EXPECT_EQ(Player(50), 100) << "the level number stays 1";
  EXPECT_EQ(Record(1, 0), 1);
  EXPECT_EQ(app->m_KeyLatch, 1);
}

TEST_F(DetonationTest, ThirtyNinePercentEndsTheGame) {
  StartWithParkedBalls();
  for (int k = 1; k <= 39; ++k) Record(k, 0) = 0;
  Player(10) = 1;
  for (int i = 0; i < 121; ++i) app->p_Game_Detonation();
  EXPECT_EQ(app->m_TmpP, 39);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
}

TEST_F(DetonationTest, WithTheSoundOffACatchStillTakesItsDraws) {
  zu_random_Seed = 77;
  StartWithParkedBalls();
  Explode(0, 100, 100, 90);
  PutBall(2, 120, 100);
  app->p_Game_Detonation();
  const int seedWithSound = zu_random_Seed;
  zu_random_Seed = 77;
  StartWithParkedBalls();
  sounds->played.clear();
  app->m_Options[5] = 0;
  Explode(0, 100, 100, 90);
  PutBall(2, 120, 100);
  app->p_Game_Detonation();
  EXPECT_EQ(zu_random_Seed, seedWithSound);
  EXPECT_EQ(sounds->played.size(), 0u);
  EXPECT_EQ(app->m_Score, 1);
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int levels = 0;
};

class DetonationPlayTest : public DetonationTest {
 protected:
  // Moving balls within 48 of the cursor.
  int BallsNearTheCursor() {
    int near = 0;
    for (int k = 1; k <= 100; ++k) {
      const float dx = Record(k, 1) - Player(1);
      const float dy = Record(k, 2) - Player(2);
      near += Record(k, 0) == 1 && dx * dx + dy * dy < 2304 ? 1 : 0;
    }
    return near;
  }
  // From seed 1234: in every level, fire at the centre once eight balls are within a blast of it or
  // after 900 updates.
  PlayOutcome PlayScripted() {
    zu_random_Seed = 1234;
    app->m_Mode = 11;
    Update();
    PlayOutcome outcome;
    int aiming = 0;
    while (app->m_Dead == 0 && outcome.updates < 100000) {
      if (Player(10) == 0) {
        if (aiming == 0) ++outcome.levels;
        ++aiming;
        if (aiming >= 20 && aiming < 1000 && (BallsNearTheCursor() >= 8 || aiming == 900)) {
          KeyDown(kSpace);
          aiming = 1000;
        }
      } else {
        if (aiming >= 1000) KeyUp(kSpace);
        aiming = 0;
      }
      Update();
      ++outcome.updates;
    }
    KeyUp(kSpace);
    outcome.score = app->m_Score;
    return outcome;
  }
};

TEST_F(DetonationPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(first.levels, second.levels);
  // The recorded outcome of this input pattern: two levels passed, the third failed.
  EXPECT_EQ(first.score, 3034);
  EXPECT_EQ(first.updates, 3911);
  EXPECT_EQ(first.levels, 3);
}

}  // namespace
