// Hover: the obstacles and presents from the generator, the five spike shapes, wrecks by
// spike, wall and sinking, presents, recycling below the view, the flight and the climbing
// view, and a scripted play that ends the same way every time.
#include <algorithm>
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kHover = 8;
constexpr int kUpArrow = 38;
constexpr int kLeftArrow = 37;
constexpr int kRightArrow = 39;
constexpr float kFarAbove = -1.0e6f;

class HoverTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kHover);
  }

  float& Record(int k, int field) { return app->m_Map[10 * k + field]; }

  // A started game whose obstacles and presents are all far above the view.
  void StartInAnEmptyShaft() {
    app->p_LoadGame_Hover();
    for (int k = 0; k <= 20; ++k) {
      Record(k, 2) = kFarAbove;
      Record(50 + k, 2) = kFarAbove;
    }
  }
  void PlaceObstacle(int k, int kind, float x, float screenY, float angle) {
    Record(k, 0) = kind;
    Record(k, 1) = x;
    Record(k, 2) = screenY - 384;  // the view's top is at -384
    Record(k, 5) = angle;
    Record(k, 6) = 0;
  }
  int Particles(int kind) {
    int count = 0;
    for (int p = 0; p <= 250; ++p) count += app->m_Particles[10 * p] == kind ? 1 : 0;
    return count;
  }
};

// --- placement ---

TEST_F(HoverTest, SetUpPlacesTwentyOneObstaclesAndPresentsFromTheGenerator) {
  zu_random_Seed = 1234;
  app->m_Mode = 11;
  app->p_LoadGame_Hover();
  EXPECT_EQ(app->m_Mode, 10);
  // Worked out from seed 1234 after the fresh start's 606 star draws. The last free record
  // is taken first, so the lowest obstacle is record 20; the first four are rows.
  struct Obstacle {
    int k, kind;
    float x, y, angle, step;
  };
  const Obstacle obstacles[] = {{20, 1, 370, -320, 65, 7},   {19, 1, 421, -384, 50, 3},
                                {17, 1, 217, -768, 178, 6},  {16, 1, 166, -896, 242, 4},
                                {6, 3, 421, -2432, 274, 1},  {3, 4, 166, -2816, 75, 7},
                                {0, 2, 523, -3264, 193, 5}};
  for (const Obstacle& o : obstacles) {
    EXPECT_EQ(Record(o.k, 0), o.kind) << o.k;
    EXPECT_EQ(Record(o.k, 1), o.x) << o.k;
    EXPECT_EQ(Record(o.k, 2), o.y) << o.k;
    EXPECT_EQ(Record(o.k, 5), o.angle) << o.k;
    EXPECT_EQ(Record(o.k, 6), o.step) << o.k;
  }
  struct Present {
    int k, kind;
    float x, y;
  };
  const Present presents[] = {
      {70, 1, 370, -341}, {69, 1, 268, -345}, {62, 2, 421, -1627}, {50, 2, 421, -3274}};
  for (const Present& p : presents) {
    EXPECT_EQ(Record(p.k, 0), p.kind) << p.k;
    EXPECT_EQ(Record(p.k, 1), p.x) << p.k;
    EXPECT_EQ(Record(p.k, 2), p.y) << p.k;
  }
  EXPECT_EQ(static_cast<unsigned>(zu_random_Seed), 1725080904u) << "eight draws per pair";
  EXPECT_EQ(Player(22), 21);
  EXPECT_EQ(Player(30), -3264);
  EXPECT_EQ(Player(12), -384);
  EXPECT_EQ(app->m_ScrollX, -320);
  EXPECT_EQ(app->m_ScrollY, -384);
  EXPECT_EQ(app->m_TmpC, 51);
}

TEST_F(HoverTest, HarderKindsArriveWithTheObstacleCount) {
  app->p_LoadGame_Hover();
  const struct {
    float placed;
    int highest;
  } cases[] = {{3, 1}, {4, 2}, {9, 3}, {18, 4}, {19, 5}, {100, 5}};
  for (const auto& c : cases) {
    Record(7, 0) = 0;
    Player(22) = c.placed;
    app->p_Add_Hover();
    EXPECT_EQ(app->m_TmpL, c.highest) << c.placed;
    EXPECT_GE(Record(7, 0), 1);
    EXPECT_LE(Record(7, 0), c.highest);
  }
}

TEST_F(HoverTest, WithNoFreeRecordOnlyTheCountGrows) {
  app->p_LoadGame_Hover();
  const int seed = zu_random_Seed;
  const float row = Player(30);
  app->p_Add_Hover();
  app->p_Add_Hover2();
  EXPECT_EQ(Player(22), 22);
  EXPECT_EQ(Player(30), row);
  EXPECT_EQ(zu_random_Seed, seed) << "no draws";
}

// --- spikes ---

TEST_F(HoverTest, TheFiveShapesPlaceTheirSpikes) {
  StartInAnEmptyShaft();
  host.millisecs = 1000;  // the spikes turn with the clock: 250 degrees
  PlaceObstacle(0, 1, 300, 100, 0);
  PlaceObstacle(1, 2, 100, 200, 0);
  PlaceObstacle(2, 3, 300, 300, 90);
  PlaceObstacle(3, 4, 300, 360, 90);
  PlaceObstacle(4, 5, 300, 500, 270);
  app->p_Game_Hover();
  const std::vector<DrawnCommand> spikes = Drawn(1, 40, 40);  // sprite 104
  ASSERT_EQ(spikes.size(), 9u + 5 + 7 + 7 + 5);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(spikes[i].x, 300 + 24 * (i - 4)) << i;
    EXPECT_EQ(spikes[i].y, 100) << i;
    EXPECT_EQ(spikes[i].rot, -250) << i;
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(spikes[9 + i].x, 100);
    EXPECT_EQ(spikes[9 + i].y, 200 + 24 * (i - 2));
  }
  for (int i = 0; i < 7; ++i) {
    EXPECT_NEAR(spikes[14 + i].x, 300 + 24 * (i - 3), 1e-3) << "a bar turned to 90 degrees";
    EXPECT_NEAR(spikes[14 + i].y, 300, 1e-3);
    EXPECT_NEAR(spikes[21 + i].x, 364 + 24 * (i - 3), 1e-3) << "a row swung 64 right";
    EXPECT_NEAR(spikes[21 + i].y, 360, 1e-3);
  }
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(spikes[28 + i].x, 204, 1e-3) << "a column swung 96 left";
    EXPECT_NEAR(spikes[28 + i].y, 500 + 24 * (i - 2), 1e-3);
  }
}

TEST_F(HoverTest, AnObstacleTurnsByItsStepAndOnlyNearTheViewIsDrawn) {
  StartInAnEmptyShaft();
  PlaceObstacle(0, 1, 300, -255, 355);
  Record(0, 6) = 8;
  PlaceObstacle(1, 1, 300, 480 + 256, 0);
  app->p_Game_Hover();
  EXPECT_EQ(Record(0, 5), 3);
  EXPECT_EQ(Drawn(1, 40, 40).size(), 9u);
}

TEST_F(HoverTest, ASpikeWrecksWhereTheHelicopterWasLastDrawn) {
  StartInAnEmptyShaft();
  app->p_Game_Hover();  // drawn at (320, 384)
  EXPECT_EQ(Player(18), 320);
  EXPECT_EQ(Player(19), 384);
  PlaceObstacle(5, 2, 320 + 22, 384, 0);  // just out of reach sideways
  PlaceObstacle(6, 1, 320 + 24 * 4 + 21, 384 - 66, 0);
  app->p_Game_Hover();
  EXPECT_EQ(Player(9), 0);
  PlaceObstacle(7, 1, 320 + 24 * 4 + 21, 384 - 18, 0);  // the last spike, just in reach
  app->p_Game_Hover();
  EXPECT_EQ(Player(9), 2) << "wrecked, and counted once";
  EXPECT_EQ(sounds->Count(7), 1);
  EXPECT_EQ(Drawn(1, 32, 39).size(), 0u) << "a wreck is not drawn";
  app->p_Game_Hover();
  EXPECT_EQ(sounds->Count(7), 1) << "later contacts do nothing";
}

TEST_F(HoverTest, TheWallsWreckFiftyTwoFromEitherEdge) {
  StartInAnEmptyShaft();
  Player(1) = -268;
  app->p_Game_Hover();
  EXPECT_EQ(Player(9), 0);
  Player(1) = 320 - 52;
  app->p_Game_Hover();
  EXPECT_EQ(Player(9), 0);
  Player(1) = -269;
  app->p_Game_Hover();
  EXPECT_EQ(Player(9), 2);
  EXPECT_EQ(sounds->Count(7), 1);
}

TEST_F(HoverTest, AWreckThrowsSparksForAWhileThenEndsTheGame) {
  StartInAnEmptyShaft();
  Player(1) = 400;
  app->p_Game_Hover();
  EXPECT_EQ(Player(9), 2);
  EXPECT_EQ(Particles(1), 5);
  for (int i = 0; i < 28; ++i) app->p_Game_Hover();
  EXPECT_EQ(Player(9), 30);
  EXPECT_EQ(Particles(1), 5 * 28) << "while the counter is below 30";
  EXPECT_EQ(app->m_Dead, 0);
  app->p_Game_Hover();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_EQ(sounds->Count(12), 1);
}

TEST_F(HoverTest, LettingGoSinksTheHelicopterOutOfTheView) {
  StartInAnEmptyShaft();
  Player(12) = -1264;
  app->m_ScrollY = app->m_ScrollTY = -1264;
  Player(2) = -800;
  Player(4) = 0.5f;
  for (int i = 0; i < 17; ++i) app->p_Game_Hover();
  // The speed settles at 1 (0.5 + 0.03 per update), applied at half rate.
  EXPECT_EQ(Player(4), 1);
  EXPECT_EQ(Player(9), 0);
  int updates = 17;
  while (Player(9) == 0 && updates < 200) {
    app->p_Game_Hover();
    ++updates;
  }
  EXPECT_GT(Player(2), 480 + 16 - 1264);
  EXPECT_LT(Player(2), 480 + 16 - 1264 + 0.6f);
  EXPECT_EQ(sounds->Count(7), 1);
}

// --- presents ---

TEST_F(HoverTest, ACollectedPresentScoresAndIsReplacedAtOnce) {
  StartInAnEmptyShaft();
  app->p_Game_Hover();  // drawn at (320, 384)
  Record(60, 1) = 320 + 23;
  Record(60, 2) = 384 - 23 - 384;
  Player(30) = -5000;
  app->p_Game_Hover();
  EXPECT_EQ(app->m_Score, 10);
  EXPECT_EQ(sounds->Count(1), 1);
  EXPECT_GE(Record(60, 2), -5048);
  EXPECT_LE(Record(60, 2), -4952);
  // Eight sparks from the present (world (23, -23)), at speed 3, 45 degrees apart, moved
  // once.
  EXPECT_EQ(Particles(1), 8);
  for (int j = 0; j < 8; ++j) {
    const float* p = app->m_Particles.begin() + (250 - j) * 10;
    const double angle = 45.0 * j * M_PI / 180.0;
    EXPECT_NEAR(p[1], 23 + 3 * std::sin(angle), 1e-3) << j;
    EXPECT_NEAR(p[2], -23 - 3 * std::cos(angle), 1e-3) << j;
  }
}

TEST_F(HoverTest, APresentOrObstacleBelowTheViewIsPlacedAgainAbove) {
  StartInAnEmptyShaft();
  Record(55, 2) = 480 + 256 - 384 + 1;
  Record(4, 2) = 480 + 256 - 384 + 1;
  Player(30) = -2000;
  app->p_Game_Hover();
  EXPECT_LE(Record(4, 2), -2064);
  EXPECT_GE(Record(4, 2), -2256);
  EXPECT_EQ(Player(22), 22);
  EXPECT_LE(Record(55, 2), Record(4, 2) + 48) << "near the new latest row";
  EXPECT_GE(Record(55, 2), Record(4, 2) - 48);
  EXPECT_EQ(app->m_Score, 0);
}

// --- flight ---

TEST_F(HoverTest, ClimbingFromTheGroundSpinsTheRotorFaster) {
  StartInAnEmptyShaft();
  app->m_Mode = 10;
  KeyDown(kUpArrow);
  for (int i = 0; i < 12; ++i) Update();
  EXPECT_NEAR(Player(2), -1.8f, 1e-4);
  EXPECT_NEAR(Player(4), -0.885f, 1e-4);
  EXPECT_NEAR(Player(5), 33.15f, 1e-3);
  EXPECT_EQ(Drawn(1, 36, 36).size(), 1u) << "rotor frame 4";
}

TEST_F(HoverTest, OnTheGroundTheHelicopterCannotMoveSideways) {
  StartInAnEmptyShaft();
  app->m_Mode = 10;
  KeyDown(kRightArrow);
  for (int i = 0; i < 5; ++i) Update();
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(Player(1), 0);
  Player(2) = -100;
  Player(4) = -1;
  Update();
  EXPECT_GT(Player(3), 0);
  const std::vector<DrawnCommand> heli = Drawn(1, 32, 39);
  ASSERT_EQ(heli.size(), 1u);
  EXPECT_FLOAT_EQ(heli[0].rot, -4 * Player(3)) << "tilted into its motion";
}

TEST_F(HoverTest, TheViewClimbsAfterTheHelicopterAndNeverComesDown) {
  StartInAnEmptyShaft();
  Player(2) = -200;
  Player(4) = -4;
  app->p_Game_Hover();
  // y = -202: the view wants -466 and moves a sixteenth of the way from -384.
  EXPECT_FLOAT_EQ(Player(12), -384 - 82.0f / 16);
  Player(2) = 0;
  app->p_Game_Hover();
  EXPECT_FLOAT_EQ(Player(12), -384 - 82.0f / 16);
  EXPECT_EQ(app->m_ScrollTY, Player(12));
}

// --- a whole play ---

class HoverPlayTest : public HoverTest {
 protected:
  // True when a spike of obstacle k lies within `reach` sideways of screen x and between
  // `from` and `to` in screen y.
  bool SpikeNear(int k, float x, float from, float to, float reach) {
    const int kind = static_cast<int>(Record(k, 0));
    const float cx = Record(k, 1);
    const float cy = Record(k, 2) - app->m_ScrollY;
    const float a = Record(k, 5) * static_cast<float>(M_PI) / 180;
    const int half[] = {0, 4, 2, 3, 3, 2};
    for (int i = -half[kind]; i <= half[kind]; ++i) {
      float sx = cx, sy = cy;
      if (kind == 1) sx += 24 * i;
      if (kind == 2) sy += 24 * i;
      if (kind == 3) sx += std::sin(a) * 24 * i, sy -= std::cos(a) * 24 * i;
      if (kind == 4) sx += std::sin(a) * 64 + 24 * i;
      if (kind == 5) sx += std::sin(a) * 96, sy += 24 * i;
      if (std::fabs(sx - x) < reach && sy > from && sy < to) return true;
    }
    return false;
  }
  void Hold(int code, bool wanted, bool& held) {
    if (wanted != held) wanted ? KeyDown(code) : KeyUp(code);
    held = wanted;
  }
  // From seed 1234: climb gently toward the column of the nearest present above, waiting
  // (and sinking) while spikes are just above, dodging sideways from spikes alongside.
  int PlayScripted(int* updates) {
    zu_random_Seed = 1234;
    app->m_KeyStickX = 0;  // the key stick outlives a play
    app->m_KeyStickY = 0;
    app->m_Mode = 11;
    Update();
    sounds->played.clear();
    bool up = false, left = false, right = false;
    *updates = 0;
    while (app->m_Dead == 0 && *updates < 20000) {
      float target = 320;
      float nearest = 1e9f;
      for (int k = 50; k <= 70; ++k) {
        const float above = Player(2) - Record(k, 2);
        if (above > -10 && above < nearest) {
          nearest = above;
          target = Record(k, 1);
        }
      }
      const float x = Player(18);
      const float y = Player(19);
      bool blocked = false;
      for (int k = 0; k <= 20; ++k) {
        // Blocked from above: wait, and slip sideways away from the obstacle's centre.
        if (SpikeNear(k, x, y - 80, y + 10, 40)) {
          blocked = true;
          target = x + (Record(k, 1) < x ? 80 : -80);
        }
        if (SpikeNear(k, x, y - 30, y + 30, 60)) target = x + (Record(k, 1) < x ? 60 : -60);
      }
      target = std::clamp(target, 90.0f, 550.0f);
      Hold(kUpArrow, !blocked && Player(4) > -1.5f, up);
      Hold(kLeftArrow, target < x - 8 && Player(3) > -1.5f, left);
      Hold(kRightArrow, target > x + 8 && Player(3) < 1.5f, right);
      Update();
      ++*updates;
    }
    Hold(kUpArrow, false, up);
    Hold(kLeftArrow, false, left);
    Hold(kRightArrow, false, right);
    return app->m_Score;
  }
};

TEST_F(HoverPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  int firstUpdates = 0, secondUpdates = 0;
  const int first = PlayScripted(&firstUpdates);
  const int presents = sounds->Count(1);
  const int second = PlayScripted(&secondUpdates);
  EXPECT_EQ(first, second);
  EXPECT_EQ(firstUpdates, secondUpdates);
  EXPECT_EQ(first, 10 * presents);
  // The recorded outcome of this input pattern: two presents, then a spike.
  EXPECT_EQ(first, 20);
  EXPECT_EQ(firstUpdates, 1706);
}

}  // namespace
