// Chaos: the mushroom field from the generator, caterpillars entering and running, shots
// killing segments and wearing mushrooms down, the gun's fire rate and its end, and a
// scripted play that ends the same way every time.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kChaos = 3;
constexpr int kSpace = 32;
constexpr int kRightArrow = 39;
constexpr int kLeftArrow = 37;

class ChaosTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kChaos);
  }

  float& Record(int k, int field) { return app->m_Map[10 * k + field]; }
  float& MushroomKind(int x, int y) { return app->m_Map[5000 + x + 20 * y]; }
  float& MushroomStrength(int x, int y) { return app->m_Map[6000 + x + 20 * y]; }

  // A started game without mushrooms, where no caterpillar comes: record 0 holds a hidden
  // kind (10 is never moved or drawn) above the top band, which keeps the band occupied.
  // Segments are kept in order of height at the end of the table, where the update's
  // bubble pass leaves them.
  void StartOnAnEmptyField() {
    app->p_LoadGame_Chaos();
    for (int x = 0; x < 16; ++x) {
      for (int y = 0; y < 8; ++y) MushroomKind(x, y) = 0;
    }
    Record(0, 0) = 10;
    Record(0, 2) = -10;
  }
  void PutSegment(int k, float x, float y, float speed) {
    Record(k, 0) = 2;
    Record(k, 1) = x;
    Record(k, 2) = y;
    Record(k, 3) = speed;
    Record(k, 5) = 0;
    Record(k, 6) = 10;
  }
  void PutShot(int k, float x, float y) {
    Record(k, 0) = 1;
    Record(k, 1) = x;
    Record(k, 2) = y;
    Record(k, 3) = 0;
    Record(k, 4) = -8;
  }
};

// --- set-up and new caterpillars ---

TEST_F(ChaosTest, SetUpGrowsAboutOneMushroomInThirtyCells) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Chaos();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(Player(1), 320);
  EXPECT_EQ(Player(2), 448);
  // Worked out from seed 1234 after the fresh start's 606 star draws, column by column.
  struct Cell {
    int x, y, kind;
  };
  const Cell grown[] = {{0, 0, 3}, {1, 0, 3},  {4, 3, 2},  {8, 5, 2},
                        {10, 0, 3}, {10, 4, 1}, {10, 7, 2}, {15, 3, 2}};
  int count = 0;
  for (int x = 0; x < 16; ++x) {
    for (int y = 0; y < 8; ++y) count += MushroomKind(x, y) > 0 ? 1 : 0;
  }
  EXPECT_EQ(count, 8);
  for (const Cell& cell : grown) {
    EXPECT_EQ(MushroomKind(cell.x, cell.y), cell.kind) << cell.x << "," << cell.y;
    EXPECT_EQ(MushroomStrength(cell.x, cell.y), 1) << cell.x << "," << cell.y;
  }
}

TEST_F(ChaosTest, ACaterpillarFromTheRightEntersHeadFirstTwentyFourApart) {
  zu_random_Seed = 7;  // 0.0027: from the right; 12 segments of kind 3
  app->p_More_Chaos();
  for (int i = 0; i < 12; ++i) {
    const int k = 199 - i;
    EXPECT_EQ(Record(k, 0), 3) << k;
    EXPECT_EQ(Record(k, 1), 656 + 24 * i) << k;
    EXPECT_EQ(Record(k, 2), 16) << k;
    EXPECT_EQ(Record(k, 3), -3) << k;
  }
  EXPECT_FLOAT_EQ(Record(199, 5), 333.71332f);
  EXPECT_FLOAT_EQ(Record(199, 6), 8.3947296f);
  EXPECT_EQ(Record(187, 0), 0);
  EXPECT_EQ(zu_random_Seed, 768150900);
}

TEST_F(ChaosTest, ACaterpillarFromTheLeftStartsAtMinusSixteen) {
  zu_random_Seed = 1000;  // 0.62: from the left; 12 segments of kind 3
  app->p_More_Chaos();
  EXPECT_EQ(Record(199, 1), -16);
  EXPECT_EQ(Record(198, 1), -40);
  EXPECT_EQ(Record(188, 1), -280);
  EXPECT_EQ(Record(188, 3), 3);
  EXPECT_FLOAT_EQ(Record(199, 5), 246.32379f);
}

TEST_F(ChaosTest, NoCaterpillarWhileASegmentIsInTheTopBand) {
  PutSegment(3, 100, 47, 3);
  zu_random_Seed = 7;
  app->p_More_Chaos();
  EXPECT_EQ(zu_random_Seed, 1025555898) << "only the side is drawn";
  EXPECT_EQ(Record(198, 0), 0);
  // The bubble pass carried the segment (y 47) past the free records (y 0) to the end.
  EXPECT_EQ(Record(3, 0), 0);
  EXPECT_EQ(Record(199, 0), 2);
  EXPECT_EQ(Record(199, 2), 47);
}

TEST_F(ChaosTest, WithFewFreeRecordsACaterpillarEntersShorter) {
  for (int k = 0; k < 200; ++k) Record(k, 2) = 100;
  for (int k = 0; k < 195; ++k) Record(k, 0) = 1;
  zu_random_Seed = 7;
  app->p_More_Chaos();
  for (int k = 195; k < 200; ++k) EXPECT_EQ(Record(k, 0), 3) << k;
  EXPECT_EQ(Record(195, 1), 656 + 4 * 24);
  EXPECT_EQ(Record(194, 0), 1);
  EXPECT_EQ(Record(194, 1), 0);
}

// --- segments ---

TEST_F(ChaosTest, ASegmentTurnsDownAtTheEdgeAndWiggles) {
  StartOnAnEmptyField();
  PutSegment(199, 614, 200, 3);
  Record(199, 5) = 80;
  app->p_Game_Chaos();
  EXPECT_EQ(Record(199, 1), 617);
  EXPECT_EQ(Record(199, 2), 212);
  EXPECT_EQ(Record(199, 3), -3);
  const std::vector<DrawnCommand> drawn = Drawn(0, 12, 12);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].x, 617);
  EXPECT_EQ(drawn[0].y, 212);
  EXPECT_FLOAT_EQ(drawn[0].rot, -16) << "at 90 degrees the wiggle is at its widest";
}

TEST_F(ChaosTest, ASegmentTurnsDownAtAMushroom) {
  StartOnAnEmptyField();
  MushroomKind(1, 2) = 2;
  MushroomStrength(1, 2) = 1;
  PutSegment(199, 100, 160, -3);
  app->p_Game_Chaos();
  EXPECT_EQ(Record(199, 1), 97);
  EXPECT_EQ(Record(199, 2), 172);
  EXPECT_EQ(Record(199, 3), 3);
  const std::vector<DrawnCommand> mushroom = Drawn(0, 9, 9);
  ASSERT_EQ(mushroom.size(), 1u);
  EXPECT_EQ(mushroom[0].x, 2 * 35 + 17);
  EXPECT_EQ(mushroom[0].y, 3 * 48 + 24);
}

TEST_F(ChaosTest, ASegmentTouchingTheGunEndsThePlayAndTheGunBursts) {
  StartOnAnEmptyField();
  PutSegment(199, 351, 417, 3);
  app->p_Game_Chaos();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_TRUE(Drawn(0, 15, 15).empty()) << "the gun is gone";
  const float* particle = app->m_Particles.begin() + 2500;
  ASSERT_TRUE(particle[0] == 1 || particle[0] == 2);
  EXPECT_EQ(particle[8], 1);
  const float vx = particle[1] - 320;
  const float vy = particle[2] - 448;
  EXPECT_GE(std::hypot(vx, vy), 3 - 1e-3);
  EXPECT_LT(std::hypot(vx, vy), 6 + 1e-3);
  EXPECT_LT(vy, 0) << "thrown upwards, within 75 degrees of straight up";
  app->p_Game_Chaos();
  EXPECT_GT(app->m_Particles[2490], 0) << "one more every update";
}

TEST_F(ChaosTest, ASegmentFarBelowTheScreenIsFreed) {
  StartOnAnEmptyField();
  PutSegment(198, 300, 520, 3);
  PutSegment(199, 300, 529, 3);
  app->p_Game_Chaos();
  EXPECT_EQ(Record(198, 0), 2);
  EXPECT_EQ(Record(199, 0), 0);
}

// --- shots ---

TEST_F(ChaosTest, AShotSegmentLeavesAMushroomAndScoresFive) {
  StartOnAnEmptyField();
  PutSegment(199, 200, 200, 3);  // moves to 203: cell (4, 3)
  PutShot(249, 205, 210);
  app->p_Game_Chaos();
  EXPECT_EQ(Record(199, 0), 0);
  EXPECT_EQ(Record(249, 0), 0);
  EXPECT_GE(MushroomKind(4, 3), 1);
  EXPECT_LE(MushroomKind(4, 3), 3);
  EXPECT_EQ(MushroomStrength(4, 3), 1);
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(sounds->Count(9), 1);
  for (int p = 242; p <= 250; ++p) EXPECT_EQ(app->m_Particles[10 * p], 1) << p;
  EXPECT_EQ(app->m_Particles[2410], 0) << "nine sparks";
}

TEST_F(ChaosTest, EveryShotInReachCountsEvenAfterTheSegmentIsGone) {
  StartOnAnEmptyField();
  PutSegment(199, 200, 200, 3);
  PutShot(248, 190, 190);
  PutShot(249, 205, 210);
  app->p_Game_Chaos();
  EXPECT_EQ(Record(248, 0), 0);
  EXPECT_EQ(Record(249, 0), 0);
  EXPECT_EQ(app->m_Score, 10);
  EXPECT_EQ(sounds->Count(9), 2);
}

TEST_F(ChaosTest, NoMushroomInTheOuterColumnsTheBottomRowOrOnAMushroom) {
  StartOnAnEmptyField();
  PutSegment(197, 540, 100, 3);  // x 543: still column 14
  PutSegment(198, 20, 200, 3);   // column 0
  PutSegment(199, 300, 400, 3);  // row 7
  PutShot(247, 23, 200);
  PutShot(248, 543, 100);
  PutShot(249, 303, 400);
  app->p_Game_Chaos();
  EXPECT_EQ(app->m_Score, 15);
  EXPECT_EQ(MushroomKind(0, 3), 0);
  EXPECT_GE(MushroomKind(14, 1), 1) << "column 14 is inside";
  EXPECT_EQ(MushroomKind(7, 7), 0);
}

TEST_F(ChaosTest, AMushroomTakesThreeShotsAndClearsOnTheNextUpdate) {
  StartOnAnEmptyField();
  MushroomKind(4, 3) = 2;
  MushroomStrength(4, 3) = 1;
  const float expected[] = {0.8f, 0.6f, 0.4f};
  for (int shot = 0; shot < 3; ++shot) {
    PutShot(249, 192, 224);  // flies to 216: cell (4, 3)
    app->p_Game_Chaos();
    EXPECT_EQ(Record(249, 0), 0) << shot;
    EXPECT_NEAR(MushroomStrength(4, 3), expected[shot], 1e-6f) << shot;
    EXPECT_EQ(app->m_Score, shot + 1) << shot;
    EXPECT_EQ(MushroomKind(4, 3), 2) << shot;
  }
  EXPECT_EQ(sounds->Count(7) + sounds->Count(8), 3);
  app->p_Game_Chaos();
  EXPECT_EQ(MushroomKind(4, 3), 0);
  EXPECT_EQ(app->m_Score, 6);
}

TEST_F(ChaosTest, ShotsFlyUpAsStreaksAndAreFreedAboveTheScreen) {
  StartOnAnEmptyField();
  PutShot(240, 300, 100);
  PutShot(241, 310, -60);
  app->p_Game_Chaos();
  EXPECT_EQ(Record(240, 2), 92);
  EXPECT_EQ(Record(240, 0), 1);
  EXPECT_EQ(Record(241, 0), 0);
  const std::vector<DrawnCommand> shots = Drawn(0, 6, 6);
  ASSERT_EQ(shots.size(), 2u);
  EXPECT_EQ(shots[0].y, 92);
  EXPECT_FLOAT_EQ(shots[0].sizeA, 0.5f);
  EXPECT_FLOAT_EQ(shots[0].sizeB, 0.2f);
  EXPECT_EQ(shots[0].rot, -90);
}

// --- the gun ---

TEST_F(ChaosTest, HoldingFireShootsEverySixthUpdateAndANewPressAtOnce) {
  app->m_Mode = 11;
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(sounds->Count(10), 1);
  EXPECT_EQ(Record(249, 0), 1);
  EXPECT_EQ(Record(249, 1), 320);
  EXPECT_EQ(Record(249, 2), 448);
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(sounds->Count(10), 1);
  Update();
  EXPECT_EQ(sounds->Count(10), 2);
  EXPECT_EQ(Record(248, 0), 1);
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(sounds->Count(10), 3);
}

TEST_F(ChaosTest, TheGunKeepsToItsBand) {
  StartOnAnEmptyField();
  Player(1) = 20;
  Player(2) = 470;
  Player(3) = -7;
  Player(4) = 3.5f;
  app->p_Game_Chaos();
  EXPECT_EQ(Player(1), 16);
  EXPECT_EQ(Player(2), 464);
  Player(2) = 410;
  Player(4) = -3.5f;
  app->p_Game_Chaos();
  EXPECT_EQ(Player(2), 408);
  const std::vector<DrawnCommand> gun = Drawn(0, 15, 15);
  ASSERT_EQ(gun.size(), 1u);
  EXPECT_EQ(gun[0].x, 16);
  EXPECT_EQ(gun[0].y, 408);
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int shots = 0;
};

class ChaosPlayTest : public ChaosTest {
 protected:
  // The x of the lowest segment on the screen, or the gun's own x when there is none.
  float LowestSegmentX() {
    float lowest = -1e9f;
    float x = Player(1);
    for (int k = 0; k < 200; ++k) {
      if (Record(k, 0) <= 0 || Record(k, 0) >= 10 || Record(k, 2) > 480) continue;
      if (Record(k, 2) > lowest) {
        lowest = Record(k, 2);
        x = Record(k, 1);
      }
    }
    return x;
  }
  // From seed 1234, for the first 2000 updates: steer under the lowest segment and tap
  // fire every other update; afterwards nothing is pressed until a segment gets the gun.
  PlayOutcome PlayScripted() {
    StartFromMenu();
    PlayOutcome outcome;
    int steering = 0;
    bool firing = false;
    while (app->m_Dead == 0 && outcome.updates < 40000) {
      const bool helping = outcome.updates < 2000;
      const float gap = LowestSegmentX() - Player(1);
      int wanted = 0;
      if (helping && gap > 6) wanted = kRightArrow;
      if (helping && gap < -6) wanted = kLeftArrow;
      if (wanted != steering) {
        if (steering != 0) KeyUp(steering);
        if (wanted != 0) KeyDown(wanted);
        steering = wanted;
      }
      const bool fire = helping && outcome.updates % 2 == 0;
      if (fire != firing) fire ? KeyDown(kSpace) : KeyUp(kSpace);
      firing = fire;
      Update();
      ++outcome.updates;
    }
    if (steering != 0) KeyUp(steering);
    if (firing) KeyUp(kSpace);
    outcome.score = app->m_Score;
    outcome.shots = sounds->Count(10);
    return outcome;
  }
};

TEST_F(ChaosPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(first.shots, second.shots);
  // The recorded outcome of this input pattern; every tap fired at once.
  EXPECT_EQ(first.score, 1255);
  EXPECT_EQ(first.updates, 7426);
  EXPECT_EQ(first.shots, 1000);
}

}  // namespace
