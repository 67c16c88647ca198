// NotSame: the pond from the generator, the levels, hopping, the landing rules (same
// colour, holes, falling tiles, the banks), scoring, the timer, what is drawn, and a play.
#include <cmath>
#include <string>
#include <vector>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kNotSame = 12;
constexpr int kUpArrow = 38;
constexpr int kDownArrow = 40;
constexpr int kLeftArrow = 37;
constexpr int kRightArrow = 39;
constexpr float kCell = 640.0f / 15.0f;
constexpr float kOriginX = 320.0f - 6.0f * kCell;
constexpr float kOriginY = 240.0f - 1.5f * kCell;

class NotSameTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kNotSame);
  }

  // A started game without snow, so the generator is the game's alone.
  void Start(int seed = 1234) {
    app->p_LoadGame_NotSame();
    app->m_StarCount = -1;
    zu_random_Seed = seed;
  }
  void Step(int updates = 1) {
    for (int i = 0; i < updates; ++i) app->p_Game_NotSame();
  }
  float& Tile(int x, int y, int field = 0) { return app->m_Map[(x + 20 * y) * 10 + field]; }
  // Puts the lizard on a cell between hops, having come from a tile of `previous` colour.
  void StandOn(int x, int y, int previous) {
    Player(1) = x;
    Player(2) = y;
    Player(9) = previous;
  }
  // Holds a direction for one update, then lets the hop run its 13 updates.
  void Hop(int key) {
    KeyDown(key);
    Step();
    KeyUp(key);
    Step(12);
  }
  int ParticlesAt(float x, float y) {
    int count = 0;
    for (int i = 0; i <= 250; ++i) {
      const float* p = app->m_Particles.begin() + i * 10;
      count += p[0] == 2 && p[8] == 9 && p[1] == x && p[2] == y ? 1 : 0;
    }
    return count;
  }
  std::vector<float> HeartAlphas() {
    std::vector<float> alphas;
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      if (app->m_DrawList[i] == 50) alphas.push_back(app->m_DrawList[i + 7]);
    }
    return alphas;
  }
};

// --- levels ---

TEST_F(NotSameTest, SetUpLaysThePondFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_NotSame();
  EXPECT_EQ(app->m_Mode, 10);
  // Worked out from seed 1234 after the fresh start's 606 star draws; drawn column by
  // column, so row y is the y-th colour of every column.
  const std::string rows[5] = {"1244342311414", "4313414221332", "3222322113323",
                               "1124432314413", "4121321342443"};
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 13; ++x) {
      EXPECT_EQ(Tile(x, y), rows[y][x] - '0') << x << ", " << y;
      EXPECT_EQ(Tile(x, y, 2), -720) << x << ", " << y;
      EXPECT_EQ(Tile(x, y, 4), 0) << x << ", " << y;
    }
  }
  EXPECT_EQ(zu_random_Seed, static_cast<int>(3164949535u));
  EXPECT_EQ(Player(1), -1);
  EXPECT_EQ(Player(2), 2);
  EXPECT_EQ(Player(5), 1);
  EXPECT_EQ(Player(20), 2700);
  EXPECT_EQ(Player(30), 40);
  EXPECT_EQ(Player(31), 2);
  for (int k = 11; k <= 14; ++k) EXPECT_EQ(Player(k), 1) << k;
  EXPECT_EQ(app->m_Lives, 3);
}

TEST_F(NotSameTest, LevelsShortenByFiveSecondsDownToTwenty) {
  Start();
  const float times[5] = {2400, 2100, 1800, 1500, 1200};
  for (int level = 0; level < 5; ++level) {
    app->p_GetLev_NotSame();
    EXPECT_EQ(Player(20), times[level]) << level;
    EXPECT_EQ(Player(31), 3 + level) << level;
  }
  app->p_GetLev_NotSame();
  EXPECT_EQ(Player(20), 1200);
  EXPECT_EQ(Player(30), 20);
}

// --- hopping and landing ---

TEST_F(NotSameTest, AHopTakes13UpdatesAndTheFirstFromTheBankIsGood) {
  Start();
  KeyDown(kRightArrow);
  Step();
  KeyUp(kRightArrow);
  EXPECT_EQ(Player(1), 0) << "the cell changes at once";
  EXPECT_FLOAT_EQ(Player(3), -0.925f);
  EXPECT_EQ(sounds->Count(13), 1);
  EXPECT_FLOAT_EQ(sounds->played.back().volume, 0.3f);
  Step(11);
  EXPECT_NE(Player(3), 0);
  EXPECT_EQ(Player(8), 0);
  Step();
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(Player(9), 3);
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(Player(8), 1);
  EXPECT_EQ(app->m_Lives, 3);
}

TEST_F(NotSameTest, LandingOnTheSameColourCostsALifeAndTheRun) {
  Start();
  Player(8) = 4;
  StandOn(1, 2, 2);
  app->p_NowAt_NotSame(1, 2);  // colour 2 again
  EXPECT_EQ(app->m_Lives, 2);
  EXPECT_EQ(Player(8), 0);
  EXPECT_EQ(Player(9), 2);
  EXPECT_EQ(Player(10), 2);
  EXPECT_EQ(sounds->Count(5), 1);
  EXPECT_EQ(ParticlesAt(608, 32), 17);
  EXPECT_EQ(app->m_Dead, 0) << "the lizard stays on the tile";
  StandOn(2, 2, 2);
  app->p_NowAt_NotSame(2, 2);  // colour 2 once more
  EXPECT_EQ(app->m_Lives, 1);
  StandOn(4, 2, 2);
  app->p_NowAt_NotSame(4, 2);  // colour 2, then 3: a good hop
  EXPECT_EQ(Player(8), 1);
  EXPECT_EQ(app->m_Lives, 1);
}

TEST_F(NotSameTest, HoppingBackOntoTheTileJustLeftDrownsTheLizard) {
  Start();
  StandOn(0, 2, 0);
  Hop(kRightArrow);
  EXPECT_EQ(Player(1), 1);
  EXPECT_FLOAT_EQ(Tile(0, 2, 4), 0.1f + 0.2f * 12) << "released, and falling";
  EXPECT_EQ(app->m_Dead, 0);
  Hop(kLeftArrow);
  EXPECT_EQ(Player(5), -1);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(app->m_Lives, 3) << "the sinking is no second landing";
  Step(5);
  EXPECT_FLOAT_EQ(Player(4), 5 * 0.125f) << "sinking";
  KeyDown(kUpArrow);
  Step();
  EXPECT_EQ(Player(2), 2) << "no hops once the game is over";
}

TEST_F(NotSameTest, LandingOnAHoleDrowns) {
  Start();
  Tile(4, 1) = 0;
  StandOn(4, 1, 3);
  app->p_NowAt_NotSame(4, 1);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_FLOAT_EQ(Player(4), 0.1f);
  EXPECT_EQ(app->m_Lives, 3);
}

TEST_F(NotSameTest, TheLeftBankClearsTheRunAndTheColours) {
  Start();
  Player(8) = 3;
  StandOn(-1, 2, 2);
  Player(10) = 1;
  app->p_NowAt_NotSame(-1, 2);
  EXPECT_EQ(Player(8), 0);
  EXPECT_EQ(Player(9), 0);
  EXPECT_EQ(Player(10), 0);
  EXPECT_EQ(ParticlesAt(608, 32), 5);
  EXPECT_EQ(app->m_TmpD, 45);
}

TEST_F(NotSameTest, EdgesStopTheLizardAndOneHopAtATime) {
  Start();
  StandOn(-1, 0, 0);
  KeyDown(kUpArrow);
  KeyDown(kLeftArrow);
  Step();
  EXPECT_EQ(Player(1), -1);
  EXPECT_EQ(Player(2), 0);
  EXPECT_EQ(sounds->Count(13), 0);
  KeyDown(kDownArrow);
  KeyDown(kRightArrow);
  Step();
  EXPECT_EQ(Player(1), 0) << "right is read before down";
  EXPECT_EQ(Player(2), 0);
  EXPECT_EQ(sounds->Count(13), 1);
}

// --- scoring ---

TEST_F(NotSameTest, TheRightBankScoresSecondsTimesRunTimesLevelFactor) {
  Start();
  Player(20) = 659;  // 10 seconds left
  Player(8) = 4;
  app->p_NowAt_NotSame(13, 2);
  EXPECT_EQ(app->m_Score, 80);
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(Player(31), 3) << "the next level";
  EXPECT_EQ(Player(20), 2400);
  EXPECT_EQ(Player(1), -1);
  EXPECT_EQ(Player(8), 0);
}

TEST_F(NotSameTest, NoGoodHopsOrNoTimeLeftScoresNothing) {
  Start();
  Player(20) = 2000;
  app->p_NowAt_NotSame(13, 2);
  EXPECT_EQ(app->m_Score, 0);
  Player(20) = -1;  // landing as the time runs out
  Player(8) = 5;
  app->p_NowAt_NotSame(13, 2);
  EXPECT_EQ(app->m_Score, 0);
  EXPECT_EQ(app->m_TmpD, -1);
}

// --- time and lives ---

TEST_F(NotSameTest, TheTimerShows45AndTheGameEndsWhenItWouldShowMinusOne) {
  Start();
  Step();
  const std::vector<DrawnCommand> four = Drawn(90, 20, 20);
  const std::vector<DrawnCommand> five = Drawn(90, 21, 21);
  ASSERT_EQ(four.size(), 1u);
  ASSERT_EQ(five.size(), 1u);
  EXPECT_FLOAT_EQ(four[0].sizeA, 2 * kCell / 32);
  EXPECT_LT(four[0].x, five[0].x);
  EXPECT_FLOAT_EQ(five[0].y, kOriginY + 2 * kCell);
  Player(20) = 0;
  Step();
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(app->m_TmpD, 0);
  Step();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(app->m_TmpD, 0);
}

TEST_F(NotSameTest, HeartsFadeAsLivesAreLostAndBelowZeroTheGameEnds) {
  Start();
  Step();
  EXPECT_EQ(HeartAlphas(), (std::vector<float>{1, 1, 1}));
  app->m_Lives = 1;
  Step();
  EXPECT_EQ(HeartAlphas(), (std::vector<float>{1, 0.4f, 0.4f}));
  EXPECT_EQ(app->m_Dead, 0);
  app->m_Lives = -1;
  Step();
  EXPECT_EQ(app->m_Dead, 1);
}

// --- the pond ---

TEST_F(NotSameTest, TilesDropIntoPlaceAndFallAway) {
  Start();
  Tile(5, 1, 2) = 0.1f;
  Tile(5, 1, 4) = 0.1f;
  Tile(7, 3, 2) = 719.9f;
  Tile(7, 3, 4) = 1;
  Step();
  EXPECT_FLOAT_EQ(Tile(0, 0, 2), -698.85693f) << "14 + 10 x 0.714";
  EXPECT_FLOAT_EQ(Tile(5, 1, 2), 0.2f);
  EXPECT_FLOAT_EQ(Tile(5, 1, 4), 0.3f);
  EXPECT_EQ(Tile(7, 3), 0) << "gone";
  EXPECT_EQ(Drawn(1, 51, 54).size(), 64u);
  EXPECT_EQ(Drawn(1, 55, 55).size(), 10u) << "the banks";
  Step(60);
  EXPECT_EQ(Tile(0, 0, 2), 0);
  EXPECT_EQ(Tile(12, 4, 2), 0);
}

TEST_F(NotSameTest, TheColourUnderTheLizardTintsThePondAndFades) {
  Start();
  StandOn(0, 2, 0);  // colour 3
  Step();
  EXPECT_EQ(app->m_TmpA, 3);
  EXPECT_EQ(app->m_BgTG, 80);
  EXPECT_EQ(app->m_BgTR, 0);
  EXPECT_FLOAT_EQ(Player(13), 1 - 0.7f / 16);
  EXPECT_EQ(Player(12), 1);
  StandOn(-1, 2, 0);
  Step();
  EXPECT_EQ(app->m_BgTR, 30);
  EXPECT_EQ(app->m_BgTB, 30);
}

TEST_F(NotSameTest, TheLizardIsDrawnOnItsHopArc) {
  Start();
  StandOn(2, 1, 0);
  Player(3) = -0.5f;
  Player(5) = -1;
  Step();
  const std::vector<DrawnCommand> shadow = Drawn(1, 46, 46);
  const std::vector<DrawnCommand> body = Drawn(1, 45, 45);
  ASSERT_EQ(shadow.size(), 1u);
  ASSERT_EQ(body.size(), 1u);
  EXPECT_FLOAT_EQ(shadow[0].x, 1.5f * kCell + kOriginX);
  EXPECT_FLOAT_EQ(shadow[0].y, kCell + kOriginY);
  EXPECT_FLOAT_EQ(body[0].y, kCell + kOriginY - kCell / 2) << "at the top of the arc";
  EXPECT_FLOAT_EQ(body[0].sizeA, -kCell / 32) << "facing left";
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int banks = 0;
  int lives = 0;
};

class NotSamePlayTest : public NotSameTest {
 protected:
  // A standing tile the lizard may land on: the right bank, or a tile not falling and not
  // of the colour it stands on.
  bool Safe(int x, int y) {
    if (x == 13) return true;
    if (x < 0 || y < 0 || y > 4) return false;
    return Tile(x, y) > 0 && Tile(x, y, 4) == 0 && Tile(x, y) != Player(9);
  }
  // From seed 1234: for 6000 updates, between hops, right when safe, else up, else down,
  // else nothing; after that nothing is pressed, so the time runs out.
  PlayOutcome PlayScripted() {
    StartFromMenu();
    PlayOutcome outcome;
    const int keys[] = {kUpArrow, kDownArrow, kRightArrow};
    while (app->m_Dead == 0 && outcome.updates < 20000) {
      for (int key : keys) KeyUp(key);
      if (outcome.updates < 6000 && Player(3) == 0 && Player(4) == 0) {
        const int x = static_cast<int>(Player(1));
        const int y = static_cast<int>(Player(2));
        if (Safe(x + 1, y)) {
          KeyDown(kRightArrow);
        } else if (Safe(x, y - 1)) {
          KeyDown(kUpArrow);
        } else if (Safe(x, y + 1)) {
          KeyDown(kDownArrow);
        }
      }
      Update();
      ++outcome.updates;
    }
    for (int key : keys) KeyUp(key);
    outcome.score = app->m_Score;
    outcome.banks = sounds->Count(95);
    outcome.lives = app->m_Lives;
    return outcome;
  }
};

TEST_F(NotSamePlayTest, AScriptedPlayEndsTheSameWayEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(first.banks, second.banks);
  EXPECT_EQ(app->m_Dead, 1);
  // The recorded outcome of this input pattern: five crossings, then no safe hop left on
  // the sixth level until its time ran out.
  EXPECT_EQ(first.score, 9274);
  EXPECT_EQ(first.updates, 2345);
  EXPECT_EQ(first.banks, 5);
  EXPECT_EQ(first.lives, 3);
  EXPECT_EQ(Player(31), 7);
  EXPECT_LT(Player(20), 0);
}

}  // namespace
