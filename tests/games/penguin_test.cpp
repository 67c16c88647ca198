// Penguin: levels built from the generator, the column's delayed controls, landing, getting
// home, falling out, the level change and game over, the platforms' blinking and bobbing,
// and a scripted play that always ends the same way.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kPenguin = 16;
constexpr int kSpace = 32;
constexpr int kRightArrow = 39;

int Record(int i) { return i == 0 ? 0 : 100 + 10 * i; }

class PenguinTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kPenguin);
  }

  float& Penguin(int i, int field) { return app->m_Player[Record(i) + field]; }
  float& Platform(int j, int field) { return app->m_Map[10 * j + field]; }

  // Starts the game through the shell (mode 11), so the next updates play it.
  void Start(int seed = 1234) {
    zu_random_Seed = seed;
    app->m_Mode = 11;
    testing::internal::CaptureStdout();
    Update();
    printed = testing::internal::GetCapturedStdout();
  }
  void Updates(int n) {
    for (int k = 0; k < n; ++k) Update();
  }
  // Only the leader walks; the others are lost.
  void LeaderAlone() {
    for (int i = 1; i < 11; ++i) Penguin(i, 0) = 0;
  }

  // Alpha of the nth command of `image` with `frame`.
  float DrawnAlpha(int image, int frame, int nth) {
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      const float* c = app->m_DrawList.begin() + i;
      if (c[0] == image && c[6] == frame && nth-- == 0) return c[7];
    }
    return -1;
  }

  std::string printed;
};

// --- levels ---

TEST_F(PenguinTest, FirstLevelIsFlatWithStepsOf80Or96AndElevenPenguins) {
  Start();
  EXPECT_EQ(printed, "C10\n");
  EXPECT_EQ(Player(21), 2);
  EXPECT_EQ(app->m_TmpM, 350);
  EXPECT_EQ(app->m_TmpP, 200);
  // Worked out from seed 1234 after the 606 star draws.
  const float xs[21] = {0,   80,  160, 256, 352,  448,  544,  624,  704,  784, 880,
                        976, 1072, 1168, 1264, 1360, 1456, 1536, 1632, 1728, 1808};
  for (int j = 0; j < 21; ++j) {
    EXPECT_EQ(Platform(j, 0), 1) << j;
    EXPECT_EQ(Platform(j, 8), xs[j]) << j;
    EXPECT_EQ(Platform(j, 9), 32) << j;
  }
  EXPECT_EQ(Platform(0, 5), 219);
  EXPECT_EQ(Platform(11, 5), 360) << "the phase may be a whole turn";
  EXPECT_FLOAT_EQ(Platform(0, 6), 1.5668547f);
  EXPECT_FLOAT_EQ(Platform(20, 6), 1.7960302f);
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(Penguin(i, 0), 1) << i;
    EXPECT_EQ(Penguin(i, 5), 1) << i;
  }
}

TEST_F(PenguinTest, LaterLevelsBlinkThenBobAndClimb) {
  // From seed 99 the special places are 4, 10, 14 (blinking) and 6, 11, 15 (bobbing).
  Player(21) = 2;
  zu_random_Seed = 99;
  testing::internal::CaptureStdout();
  app->p_GetLev_Penguin();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "C-1\n");
  const float heights2[21] = {32, 32, 32, 32, 32, 32, 32, 44, 32, 44, 56,
                              44, 32, 32, 44, 44, 56, 68, 80, 92, 92};
  for (int j = 0; j < 21; ++j) {
    EXPECT_EQ(Platform(j, 0), (j == 4 || j == 10 || j == 14) ? 2 : 1) << j;
    EXPECT_EQ(Platform(j, 9), heights2[j]) << j;
  }
  EXPECT_EQ(Platform(20, 8), 1952);
  EXPECT_EQ(Player(21), 3);

  zu_random_Seed = 99;
  testing::internal::CaptureStdout();
  app->p_GetLev_Penguin();
  testing::internal::GetCapturedStdout();
  for (int j = 0; j < 21; ++j) {
    const int type = (j == 4 || j == 10 || j == 14) ? 2 : (j == 6 || j == 11 || j == 15) ? 4 : 1;
    EXPECT_EQ(Platform(j, 0), type) << j;
  }
  EXPECT_EQ(Platform(20, 8), 2144);
  EXPECT_EQ(Platform(20, 9), 140);
}

TEST_F(PenguinTest, TheSurvivorsWalkTheNextLevel) {
  Player(21) = 4;
  for (int i : {2, 5, 9}) Penguin(i, 0) = 2;
  Penguin(0, 7) = 1;
  app->m_Map[1500] = 2.5f;
  app->m_Map[2000] = 1;
  testing::internal::CaptureStdout();
  app->p_GetLev_Penguin();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "C2\n");
  for (int i = 0; i < 11; ++i) EXPECT_EQ(Penguin(i, 0), i < 3 ? 1 : 0) << i;
  EXPECT_EQ(app->m_TmpM, 470);
  EXPECT_EQ(app->m_TmpP, 120);
  EXPECT_EQ(app->m_Map[1500], 0);
  EXPECT_EQ(app->m_Map[2000], 0);
  EXPECT_EQ(Player(21), 5);
}

// --- the column ---

TEST_F(PenguinTest, PenguinsDropOntoTheFirstPlatform) {
  Start();
  // Platforms become solid at the end of the first update; the eighth lands (feet at 26.4).
  Updates(7);
  EXPECT_FLOAT_EQ(Penguin(0, 2), 6.3f);
  Update();
  for (int i = 0; i < 11; ++i) {
    EXPECT_EQ(Penguin(i, 2), 15) << i;
    EXPECT_EQ(Penguin(i, 4), 0) << i;
    EXPECT_EQ(Penguin(i, 9), 5) << i;
  }
  EXPECT_EQ(Drawn(5, 22, 24).size(), 6u) << "even penguins";
  EXPECT_EQ(Drawn(5, 16, 18).size(), 5u) << "odd penguins";
}

TEST_F(PenguinTest, FollowersRepeatAHeldJumpFifteenUpdatesApartOnceEach) {
  Start();
  Updates(10);
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(Penguin(0, 4), -12) << "the leader at once";
  EXPECT_EQ(Penguin(1, 4), 0);
  EXPECT_EQ(sounds->Count(3), 1);
  EXPECT_FLOAT_EQ(sounds->played.back().volume, 0.3f);
  Updates(14);
  EXPECT_EQ(Penguin(1, 4), 0);
  Update();
  EXPECT_EQ(Penguin(1, 4), -12);
  Updates(15 * 9);
  EXPECT_EQ(sounds->Count(3), 11) << "each penguin once while the key is held";
  // Volumes by place in the column: only the first five are heard.
  const float volumes[11] = {0.3f, 0.3f, 0.22f, 0.14f, 0.06f, 0, 0, 0, 0, 0, 0};
  int k = 0;
  for (const PlayedEffect& effect : sounds->played) {
    if (effect.number == 3) {
      EXPECT_NEAR(effect.volume, volumes[k], 1e-6f) << k;
      ++k;
    }
  }
  Updates(30);
  EXPECT_EQ(sounds->Count(3), 11) << "no second jump without a release";
  KeyUp(kSpace);
  Update();
  KeyDown(kSpace);
  Update();
  EXPECT_EQ(sounds->Count(3), 12);
}

TEST_F(PenguinTest, AFollowerOffTheGroundIgnoresItsDelayedJump) {
  Start();
  Updates(10);
  Penguin(1, 9) = 0;
  Penguin(1, 2) = -100;  // in the air, far above the platform
  app->m_Map[2000 + 500 - 15 + 1] = 1;  // shifted into its place by the update
  app->p_Game_Penguin();
  EXPECT_EQ(Penguin(1, 4), 0.5f);
  EXPECT_EQ(Penguin(1, 7), 0);
  EXPECT_EQ(sounds->Count(3), 0);
}

TEST_F(PenguinTest, ReachingHomeSavesScoresAndTheLevelEndsOnceItFliesOut) {
  Start();
  LeaderAlone();
  Update();  // platforms solid
  Penguin(0, 1) = Platform(20, 8);
  Penguin(0, 2) = 10;
  Update();
  EXPECT_EQ(Penguin(0, 0), 2);
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(sounds->Count(13), 1);
  int updates = 0;
  while (Player(21) == 2 && updates < 200) {
    Update();
    ++updates;
  }
  EXPECT_EQ(Player(21), 3) << "the next level";
  EXPECT_EQ(sounds->Count(95), 1);
  EXPECT_EQ(Penguin(0, 0), 1);
  EXPECT_EQ(Penguin(1, 0), 0);
  EXPECT_EQ(app->m_Dead, 0);
}

TEST_F(PenguinTest, WhenEveryoneFallsTheGameEnds) {
  Start();
  LeaderAlone();
  Penguin(0, 2) = 480 + 64 + 1;
  app->p_Game_Penguin();
  EXPECT_EQ(Penguin(0, 0), 0);
  EXPECT_EQ(sounds->Count(11), 1);
  EXPECT_EQ(app->m_Dead, 0);
  app->p_Game_Penguin();
  EXPECT_EQ(app->m_Dead, 1);
  EXPECT_GT(Penguin(0, 2), 480 + 64 + 1) << "the lost leader still moves";
}

// --- platforms and camera ---

TEST_F(PenguinTest, BlinkingPlatformsFadeAndLetGoBobbingOnesRiseAndFall) {
  Start();
  Platform(1, 0) = 2;
  Platform(1, 5) = 299;
  Platform(1, 6) = 2;
  Platform(2, 0) = 4;
  Platform(2, 5) = 30;
  Platform(2, 6) = 1;
  app->m_ScrollX = 10;
  app->m_ScrollTX = 10;
  app->p_Game_Penguin();
  EXPECT_EQ(Platform(1, 7), 0);
  EXPECT_EQ(Platform(1, 5), 301);
  EXPECT_FLOAT_EQ(Platform(2, 2), 44);
  EXPECT_EQ(Platform(2, 5), 31);
  const std::vector<DrawnCommand> mids = Drawn(5, 12, 12);
  ASSERT_GE(mids.size(), 3u);
  EXPECT_EQ(mids[1].x, 70);
  EXPECT_EQ(DrawnAlpha(5, 12, 0), 1.0f);
  EXPECT_EQ(DrawnAlpha(5, 12, 1), 0.25f);
  const std::vector<DrawnCommand> ends = Drawn(5, 13, 13);
  EXPECT_EQ(ends[2].x, 70 + 31);
  EXPECT_EQ(ends[3].x, 70 - 31);
  EXPECT_EQ(ends[3].sizeA, -1) << "the left end is mirrored";
}

TEST_F(PenguinTest, CameraHeightFollowsThePlatformsInView) {
  Start();
  Platform(3, 9) = 32 + 10 * 12;  // one of the 10 platforms within 800 of the view
  app->p_Game_Penguin();
  EXPECT_EQ(app->m_ScrollTY, 32 + 12 - 288);
  EXPECT_EQ(app->m_ScrollTX, -256);
  app->m_ScrollX = 5000;
  app->p_Game_Penguin();
  EXPECT_EQ(app->m_ScrollTY, 0 - 288) << "none in view: the leader's height before it moved";
}

// --- a whole play ---

TEST_F(PenguinTest, AScriptedPlayEndsTheSameWayEveryTime) {
  // Right held throughout, no jumps: the flat first level is walked whole; the steps up
  // of the second are not.
  auto play = [this](int& updates, int& saved) {
    app->m_KeyStickX = 0;  // the key stick of an earlier play would still be pushed
    Start();
    sounds->played.clear();
    KeyDown(kRightArrow);
    for (updates = 0; app->m_Dead == 0 && updates < 20000; ++updates) {
      testing::internal::CaptureStdout();
      Update();
      testing::internal::GetCapturedStdout();
    }
    KeyUp(kRightArrow);
    saved = sounds->Count(13);
    return app->m_Score;
  };
  int updates1 = 0, saved1 = 0, updates2 = 0, saved2 = 0;
  const int score1 = play(updates1, saved1);
  const int score2 = play(updates2, saved2);
  EXPECT_EQ(score1, score2);
  EXPECT_EQ(updates1, updates2);
  EXPECT_EQ(score1, 5 * saved1);
  // The recorded outcome: all eleven home on the first level, nobody on the second.
  EXPECT_EQ(score1, 55);
  EXPECT_EQ(updates1, 1128);
  EXPECT_EQ(Player(21), 3);
  EXPECT_EQ(app->m_Dead, 1);
}

}  // namespace
