// Jump: the placement of bushes and gifts from the generator, the wheel's rolling, jumping
// and top speed, scoring, crashing and collecting, what one update draws, and a long
// scripted play that ends the same way every time.
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kJump = 22;
constexpr int kSpace = 32;
constexpr int kUpArrow = 38;
constexpr float kFarAway = 1.0e6f;

class JumpTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kJump);
  }

  float& Bush(int slot, int field) { return app->m_Map[slot + field]; }
  float& Gift(int record, int field) { return app->m_Map[record + field]; }

  // A started game whose bushes and gifts are all far ahead, for rules tested one by one.
  void StartOnAnEmptyRoad() {
    app->p_LoadGame_Jump();
    for (int k = 0; k < 20; ++k) {
      Bush(10 * k, 1) = kFarAway;
      Gift(1000 + 10 * k, 1) = kFarAway;
    }
  }
};

// --- placement ---

TEST_F(JumpTest, SetUpPlacesTwentyBushesAndTwentyGiftsFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Jump();
  EXPECT_EQ(app->m_Mode, 10);

  // Worked out from seed 1234 after the fresh start's 606 star draws. Slot k x 10 is
  // filled by the k-th call (the 20th wraps to slot 0).
  struct Placed {
    int kind;
    float x;
  };
  const Placed bushes[20] = {{1, 4608}, {3, 928},  {1, 960},  {3, 1248}, {4, 1664},
                             {2, 1696}, {1, 1728}, {4, 2016}, {3, 2304}, {1, 2336},
                             {1, 2624}, {1, 2656}, {4, 2688}, {1, 2976}, {1, 3264},
                             {1, 3680}, {3, 3712}, {3, 4128}, {2, 4160}, {1, 4192}};
  for (int k = 0; k < 20; ++k) {
    EXPECT_EQ(Bush(10 * k, 0), bushes[k].kind) << "bush slot " << k;
    EXPECT_EQ(Bush(10 * k, 1), bushes[k].x) << "bush slot " << k;
    EXPECT_EQ(Bush(10 * k, 5), 0) << "bush slot " << k;
  }
  // Gifts take the last free record, so the first gift (at 640 + 128) is record 1190.
  struct Gifted {
    int kind;
    float x, lift;
  };
  const Gifted gifts[20] = {
      {1, 5344, -56}, {3, 4928, -16}, {1, 4640, -16}, {2, 4608, -16}, {1, 4576, -32},
      {3, 4288, -56}, {2, 4256, -64}, {1, 3968, -64}, {2, 3936, -24}, {3, 3520, -16},
      {3, 3232, -16}, {2, 2816, -32}, {4, 2400, -64}, {3, 1984, -24}, {1, 1952, -48},
      {2, 1536, -64}, {1, 1504, -40}, {1, 1088, -40}, {2, 800, -48},  {2, 768, -32}};
  for (int k = 0; k < 20; ++k) {
    const int record = 1000 + 10 * k;
    EXPECT_EQ(Gift(record, 0), gifts[k].kind) << "gift record " << record;
    EXPECT_EQ(Gift(record, 1), gifts[k].x) << "gift record " << record;
    EXPECT_EQ(Gift(record, 2), gifts[k].lift) << "gift record " << record;
  }
  EXPECT_EQ(Player(1), 140);
  EXPECT_EQ(Player(21), 4608);
  EXPECT_EQ(Player(22), 0);
  EXPECT_EQ(Player(31), 5344);
  EXPECT_EQ(Player(32), 0);
  for (int element : {2, 3, 4, 6}) EXPECT_EQ(Player(element), 0) << element;
}

TEST_F(JumpTest, BushGapsComeSinglyOrInCloseGroupsOfUpToThree) {
  zu_random_Seed = 1234;
  // x, kind and group count after each of the first nine placements from seed 1234.
  const float xs[] = {32, 320, 352, 640, 672, 1088, 1504, 1536, 1568};
  const int kinds[] = {3, 2, 2, 4, 4, 1, 2, 3, 3};
  const int groups[] = {1, 0, 1, 0, 1, 0, 0, 1, 2};
  for (int i = 0; i < 9; ++i) {
    app->p_More_Jump();
    const int slot = 10 * ((i + 1) % 20);
    EXPECT_EQ(app->m_NewRank, slot) << i;
    EXPECT_EQ(Bush(slot, 1), xs[i]) << i;
    EXPECT_EQ(Bush(slot, 0), kinds[i]) << i;
    EXPECT_EQ(Player(23), groups[i]) << i;
  }
}

TEST_F(JumpTest, AFullCloseGroupForcesAWideGap) {
  zu_random_Seed = 1234;  // draws 0.714 (wide = 416) and then 0.207 (close)
  Player(23) = 2;
  app->p_More_Jump();
  EXPECT_EQ(Player(21), 416);
  EXPECT_EQ(Player(23), 0);
  EXPECT_EQ(app->m_TmpR, 416);
}

TEST_F(JumpTest, AGiftTakesTheLastFreeRecordBeyondTheView) {
  for (int k = 0; k < 20; ++k) Gift(1000 + 10 * k, 0) = 1;
  Gift(1030, 0) = 0;
  Gift(1070, 0) = 0;
  Gift(1070, 5) = 9;
  app->m_ScrollX = 1000;
  Player(31) = 1100;
  app->p_More2_Jump();
  EXPECT_EQ(app->m_TmpN, 1070);
  EXPECT_EQ(app->m_NewRank, 1070);
  EXPECT_EQ(app->m_TmpP, 20);
  EXPECT_EQ(Gift(1070, 1), 1768) << "never closer than 128 past the right edge";
  EXPECT_EQ(Player(31), 1768);
  EXPECT_EQ(Player(32), 1);
  EXPECT_GE(Gift(1070, 0), 1);
  EXPECT_LE(Gift(1070, 0), 4);
  const float lift = Gift(1070, 2);
  EXPECT_TRUE(lift >= -64 && lift <= -16 && std::fmod(lift, 8.0f) == 0) << lift;
  EXPECT_EQ(Gift(1070, 5), 0);
  EXPECT_EQ(Gift(1030, 0), 0);
}

TEST_F(JumpTest, WithNoFreeGiftRecordNothingChanges) {
  for (int k = 0; k < 20; ++k) Gift(1000 + 10 * k, 0) = 2;
  Player(31) = 900;
  Player(33) = 1;
  zu_random_Seed = 77;
  app->p_More2_Jump();
  EXPECT_EQ(app->m_TmpN, -1);
  EXPECT_EQ(Player(31), 900);
  EXPECT_EQ(Player(32), 0);
  EXPECT_EQ(Player(33), 1);
  EXPECT_EQ(zu_random_Seed, 77) << "no random number is drawn";
}

// --- the wheel ---

TEST_F(JumpTest, AHeldJumpControlJumpsOnceUntilReleased) {
  app->m_Mode = 11;
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Player(4), -10);
  EXPECT_EQ(Player(2), 0);
  Update();
  EXPECT_EQ(Player(2), -9.5f);
  Update();
  EXPECT_EQ(Player(2), -18.5f);
  for (int i = 0; i < 57; ++i) Update();
  EXPECT_EQ(Player(2), 0) << "landed, and still on the ground";
  EXPECT_EQ(sounds->Count(2), 1);
  KeyUp(kSpace);
  Update();
  KeyDown(kUpArrow);  // up jumps too
  Update();
  EXPECT_EQ(Player(4), -10);
  EXPECT_EQ(sounds->Count(2), 2);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(JumpTest, ReleasingTheControlFallsFasterAsTheGameSpeedsUp) {
  StartOnAnEmptyRoad();
  Player(2) = -50;
  Player(4) = -3;
  Player(6) = 0.5f;
  app->p_Game_Jump();
  EXPECT_FLOAT_EQ(Player(6), 0.502f);
  EXPECT_FLOAT_EQ(Player(4), -3 + 1.502f);
  EXPECT_FLOAT_EQ(Player(2), -50 - 3 + 1.502f);
}

TEST_F(JumpTest, TopSpeedIsSixPlusTheBonus) {
  StartOnAnEmptyRoad();
  Player(3) = 10;
  Player(6) = 0.5f;
  app->p_Game_Jump();
  EXPECT_EQ(Player(1), 150) << "moved by the speed it had";
  EXPECT_FLOAT_EQ(Player(3), 6.5f);
}

TEST_F(JumpTest, SpeedRisesByAFiftiethUntilItMeetsTheRisingTopSpeed) {
  StartOnAnEmptyRoad();
  for (int i = 0; i < 3; ++i) app->p_Game_Jump();
  EXPECT_FLOAT_EQ(Player(3), 0.15f);
  for (int i = 3; i < 200; ++i) app->p_Game_Jump();
  // Update n caps at 6 + 0.002 (n - 1): the bonus is raised after the speed is set.
  EXPECT_NEAR(Player(3), 6.398f, 1e-4f);
  EXPECT_EQ(app->m_Dead, 0);
}

// --- bushes and gifts ---

TEST_F(JumpTest, ABushScoresOnceEvenWhenALaterBushIsHitInTheSameUpdate) {
  StartOnAnEmptyRoad();
  Bush(10, 1) = 200;  // passed by more than 32
  Bush(20, 1) = 250;  // within 26 of the wheel
  Player(1) = 240;
  Player(2) = -10;
  app->p_Game_Jump();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(Bush(10, 5), 1);
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(Player(4), 0);
  for (int i = 0; i < 5; ++i) app->p_Game_Jump();
  EXPECT_EQ(app->m_Score, 1);
  EXPECT_EQ(sounds->Count(7), 1) << "the crash sounds only when it ends the game";
  EXPECT_EQ(sounds->Count(12), 1);
}

TEST_F(JumpTest, AWheelHighEnoughClearsABush) {
  StartOnAnEmptyRoad();
  Bush(10, 1) = 240;
  Player(1) = 240;
  Player(2) = -30;
  Player(4) = -8;  // still rising: -30 - 8 + 1.002
  app->p_Game_Jump();
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(app->m_Score, 0);
}

TEST_F(JumpTest, ABushThatLeavesTheViewIsPlacedAgainAhead) {
  app->p_LoadGame_Jump();  // bush slot 10 at 928 is the oldest
  app->m_ScrollX = 1100;
  app->m_ScrollTX = 1100;
  Bush(10, 5) = 1;
  app->p_Game_Jump();
  EXPECT_GT(Bush(10, 1), 4608);
  EXPECT_EQ(Bush(10, 5), 0);
  EXPECT_EQ(Player(22), 2) << "slots 10 and 20 (at 928 and 960) both left the view";
}

TEST_F(JumpTest, TouchingAGiftCollectsItWithSparks) {
  StartOnAnEmptyRoad();
  Gift(1190, 1) = 240;
  Gift(1190, 2) = -16;  // drawn at y = 480 - 96 - 16 = 368
  Player(1) = 240;
  Player(2) = -40;      // the wheel's centre at 480 - 72 - 40 + 1.002
  app->p_Game_Jump();
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(sounds->Count(13), 1);
  EXPECT_EQ(sounds->played.back().volume, 1.0f);
  // Eight sparks thrown from (240, 368), spark i towards 45 i degrees (within 8), at speed
  // 2..3; the particle update has moved each once (and then added gravity and drag).
  for (int i = 0; i < 8; ++i) {
    const float* p = app->m_Particles.begin() + (250 - i) * 10;
    ASSERT_EQ(p[0], 2) << i;
    EXPECT_GE(p[8], 1) << i;
    EXPECT_LE(p[8], 8) << i;
    const double vx = p[1] - 240.0;
    const double vy = p[2] - 368.0;
    const double speed = std::hypot(vx, vy);
    EXPECT_TRUE(speed >= 2.0 - 1e-4 && speed < 3.0 + 1e-4) << i << ": " << speed;
    double angle = std::atan2(vx, -vy) * 180.0 / M_PI - 45.0 * i;
    angle = std::remainder(angle, 360.0);
    EXPECT_LE(std::fabs(angle), 8.0 + 1e-3) << i;
  }
}

TEST_F(JumpTest, AGiftThatLeavesTheViewIsDroppedAndReplaced) {
  app->p_LoadGame_Jump();
  app->m_ScrollX = 1000;
  app->m_ScrollTX = 1000;
  // 768 and 800 leave the view in the first update; each free record is refilled when the
  // walk reaches it, the last free one first.
  app->p_Game_Jump();
  EXPECT_EQ(Gift(1180, 0), 0);
  EXPECT_EQ(Gift(1190, 0), 0);
  app->p_Game_Jump();
  app->p_Game_Jump();
  for (int record : {1190, 1180}) {
    EXPECT_GT(Gift(record, 0), 0) << record;
    EXPECT_GE(Gift(record, 1), 5344) << record;
  }
}

// --- drawing ---

TEST_F(JumpTest, GroundTilesWrapEvery1024Units) {
  StartOnAnEmptyRoad();
  app->m_ScrollX = 300;
  app->m_ScrollTX = 300;
  app->p_Game_Jump();
  const std::vector<DrawnCommand> tiles = Drawn(2, 32, 35);
  ASSERT_EQ(tiles.size(), 16u);
  const float xs[] = {724, 788, 852, -108, -44, 20, 84, 148,
                      212, 276, 340, 404, 468, 532, 596, 660};
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(tiles[i].x, xs[i]) << i;
    EXPECT_EQ(tiles[i].y, 448) << i;
    EXPECT_EQ(tiles[i].frame, 32 + i % 4) << i;
    EXPECT_EQ(tiles[i].sizeA, 2) << i;
    EXPECT_EQ(tiles[i].sizeB, 2) << i;
  }
}

TEST_F(JumpTest, BushesGiftsAndTheTurningWheelAreDrawnWhereTheyAre) {
  StartOnAnEmptyRoad();
  Bush(30, 0) = 2;
  Bush(30, 1) = 500;
  Gift(1050, 1) = 600;
  Gift(1050, 2) = -40;
  Player(1) = 200;
  app->p_Game_Jump();
  const std::vector<DrawnCommand> bushes = Drawn(2, 36, 39);
  ASSERT_EQ(bushes.size(), 20u);
  EXPECT_EQ(bushes[3].x, 500);
  EXPECT_EQ(bushes[3].y, 384);
  EXPECT_EQ(bushes[3].frame, 37) << "sprite 163 + kind 2";
  EXPECT_EQ(bushes[3].sizeA, 2);
  std::vector<DrawnCommand> gifts = Drawn(0, 38, 38);
  ASSERT_EQ(gifts.size(), 20u);
  EXPECT_EQ(gifts[5].x, 600);
  EXPECT_EQ(gifts[5].y, 344);
  EXPECT_EQ(gifts[5].sizeA, 1);
  const std::vector<DrawnCommand> wheel = Drawn(2, 40, 40);
  ASSERT_EQ(wheel.size(), 1u);
  EXPECT_EQ(wheel[0].x, 200);
  EXPECT_EQ(wheel[0].y, 408);
  EXPECT_EQ(wheel[0].rot, -400) << "clockwise, two degrees per unit rolled";
  EXPECT_EQ(wheel[0].sizeA, 1);
}

TEST_F(JumpTest, CameraFollowsSixtyFourBehindTheWheelAnEighthAtATime) {
  StartOnAnEmptyRoad();
  app->p_Game_Jump();
  EXPECT_EQ(app->m_ScrollX, 0);
  EXPECT_EQ(app->m_ScrollTX, 76);
  app->p_Game_Jump();
  EXPECT_EQ(app->m_ScrollX, 9.5f);
  EXPECT_FLOAT_EQ(app->m_BgTG, 60);
  EXPECT_FLOAT_EQ(app->m_BgB, 140.0f / 32 + (140.0f - 140.0f / 32) / 32);
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int gifts = 0;
  int crashes = 0;
  float wheelX = 0;
  std::set<float> bushXs;  // every bush placed during the play
};

class JumpPlayTest : public JumpTest {
 protected:
  // The nearest bush not yet behind the wheel, as a distance ahead of it.
  float NextBushDistance() {
    float nearest = kFarAway;
    for (int k = 0; k < 20; ++k) {
      const float d = app->m_Map[10 * k + 1] - app->m_Player[1];
      if (d > -26 && d < nearest) nearest = d;
    }
    return nearest;
  }
  // From seed 1234, for the first 3000 updates: on the ground, jump when the next bush is
  // within three updates' travel plus 30 (after letting go once since the last jump); in
  // the air, hold while a bush is within 100, else let go to come down sooner. After that
  // nothing is pressed, so the next bush ends the play.
  PlayOutcome PlayScripted() {
    StartFromMenu();
    PlayOutcome outcome;
    bool held = false;
    while (app->m_Dead == 0 && outcome.updates < 20000) {
      const bool airborne = app->m_Player[2] < 0 || app->m_Player[4] < 0;
      const float ahead = NextBushDistance();
      const bool wanted = outcome.updates < 3000 &&
                          (airborne ? ahead < 100 : ahead < 3 * app->m_Player[3] + 30 && !held);
      if (wanted != held) wanted ? KeyDown(kSpace) : KeyUp(kSpace);
      held = wanted;
      Update();
      ++outcome.updates;
      for (int k = 0; k < 20; ++k) outcome.bushXs.insert(app->m_Map[10 * k + 1]);
    }
    KeyUp(kSpace);
    outcome.score = app->m_Score;
    outcome.gifts = sounds->Count(13);
    outcome.crashes = sounds->Count(7);
    outcome.wheelX = app->m_Player[1];
    return outcome;
  }
};

TEST_F(JumpPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(first.gifts, second.gifts);
  // The recorded outcome of this input pattern.
  EXPECT_EQ(first.score, 331);
  EXPECT_EQ(first.updates, 3009);
  EXPECT_GT(first.updates, 3000) << "the play lasted until the help stopped";
  // Every point is accounted for: one per bush passed by more than 32, five per gift.
  int passed = 0;
  for (float x : first.bushXs) passed += x < first.wheelX - 32 ? 1 : 0;
  EXPECT_EQ(first.score, passed + 5 * first.gifts);
  EXPECT_EQ(first.crashes, 1);
}

}  // namespace
