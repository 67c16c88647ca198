// Vever: the platform row made from the clock-seeded generator, steering and falling,
// landing and the skip bonus, dropping and recycled platforms, what an update draws, and a
// scripted play that ends the same way every time.
#include <cmath>

#include "shell/quor.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kVever = 2;
constexpr int kRightArrow = 39;
constexpr int kLeftArrow = 37;
constexpr float kFarAhead = 100000.0f;

class VeverTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(kVever);
    host.millisecs = 5000;  // the game seeds its generator from the clock
  }

  float& Platform(int slot, int field) { return app->m_Map[10 * slot + field]; }

  // A started game whose platforms are all far ahead, for rules tested one by one.
  void StartWithAnEmptyRow() {
    app->p_LoadGame_Vever();
    for (int slot = 0; slot < 20; ++slot) {
      Platform(slot, 0) = 0;
      Platform(slot, 1) = kFarAhead;
      Platform(slot, 8) = 2;
    }
  }

  // A still platform in `slot` at x 100 whose top is at y 336, and Vever falling onto it.
  void LandOn(int slot, float number) {
    Platform(slot, 0) = 0;
    Platform(slot, 1) = 100;
    Platform(slot, 2) = 0;
    Platform(slot, 3) = number;
    Platform(slot, 7) = 0;
    Platform(slot, 8) = 2;
    Player(1) = 100;
    Player(2) = 330;
    Player(3) = 0;
    Player(4) = 2;
    app->p_Game_Vever();
  }
};

// --- the row of platforms ---

TEST_F(VeverTest, SetUpStacksElevenStillPlatformsAndThenARowFromTheClock) {
  app->m_Mode = 11;
  app->p_LoadGame_Vever();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(app->m_FitMode, 0);
  // Worked out from seed 5000 (the clock): ten steps dropped, one for the fit mode, then
  // per platform the kind, a narrow-platform step once the limit passes 32, the swing, the
  // angle, the step (and another for odd slots) and the gap.
  struct Made {
    int kind;
    float x, baseY, amplitude, angle, step;
    int width;
  };
  const Made made[20] = {
      {0, 0, 96, 0, 350.36252f, 3.2802930f, 2},
      {0, 0, 84, 0.83789f, 112.76384f, -3.0966356f, 2},
      {0, 0, 72, 2.40062f, 202.95811f, 3.5885129f, 2},
      {0, 0, 60, 1.68456f, 222.67342f, -3.4365053f, 2},
      {0, 0, 48, 2.53342f, 228.13290f, 3.8658800f, 2},
      {0, 0, 36, 7.53469f, 133.39096f, -2.3587847f, 2},
      {0, 0, 24, 1.59035f, 263.59885f, 2.4538090f, 2},
      {0, 0, 12, 8.07854f, 267.29755f, -2.0841873f, 2},
      {0, 0, 0, 8.77944f, 343.55951f, 3.4791114f, 2},
      {0, 0, -12, 1.54421f, 228.81738f, -2.6845207f, 2},
      {0, 0, -24, 2.78719f, 206.58000f, 2.4800479f, 2},
      {1, 161.87794f, 32, 18.44925f, 58.20496f, -3.0330219f, 2},
      {1, 401.87128f, 32, 12.78125f, 50.37461f, 2.6964102f, 2},
      {3, 570.69336f, 32, 20.91697f, 48.12683f, -2.3443553f, 2},
      {2, 755.61725f, 32, 20.45913f, 110.45901f, 2.9481807f, 2},
      {0, 955.33826f, 32, 21.96381f, 250.81844f, -3.8932395f, 2},
      {1, 1179.51465f, 32, 0.24122f, 40.83060f, 3.9883122f, 2},
      {3, 1440.64148f, 32, 10.76620f, 313.04669f, -3.1255469f, 2},
      {2, 1682.50146f, 32, 1.31554f, 61.71686f, 2.5761359f, 2},
      {3, 1890.74268f, 32, 15.73751f, 0.07527f, -3.5039172f, 1},
  };
  for (int s = 0; s < 20; ++s) {
    EXPECT_EQ(Platform(s, 0), made[s].kind) << "slot " << s;
    EXPECT_FLOAT_EQ(Platform(s, 1), made[s].x) << "slot " << s;
    EXPECT_EQ(Platform(s, 2), made[s].baseY) << "slot " << s;
    EXPECT_EQ(Platform(s, 3), s) << "made in slot order";
    EXPECT_NEAR(Platform(s, 9), made[s].amplitude, 1e-4f) << "slot " << s;
    EXPECT_NEAR(Platform(s, 5), made[s].angle, 1e-3f) << "slot " << s;
    EXPECT_FLOAT_EQ(Platform(s, 6), made[s].step) << "slot " << s;
    EXPECT_EQ(Platform(s, 7), 0) << "slot " << s;
    EXPECT_EQ(Platform(s, 8), made[s].width) << "slot " << s;
  }
  EXPECT_EQ(Player(1), 0);
  EXPECT_EQ(Player(2), -96);
  EXPECT_FLOAT_EQ(Player(10), 2055.1226f);
  EXPECT_EQ(Player(11), 32);
  EXPECT_EQ(Player(12), 0) << "twenty platforms bring the cursor round";
  EXPECT_EQ(Player(15), 35);
  EXPECT_EQ(Player(18), 20);
  EXPECT_EQ(Player(19), 10);
}

TEST_F(VeverTest, ThePlatformMakerCapsTheSwingLimitAt128) {
  Player(15) = 127;
  Player(12) = 19;
  app->p_Next_Vever(19, -1, 0, 2);
  EXPECT_EQ(Player(15), 128);
  EXPECT_EQ(Player(12), 0);
  EXPECT_EQ(Platform(19, 0), 2) << "a given kind wins over the drawn one";
  EXPECT_LT(Platform(19, 6), 0) << "odd slots swing the other way";
}

TEST_F(VeverTest, APlatformFarBehindTheCameraIsMadeAgainAtTheFront) {
  app->p_LoadGame_Vever();
  app->m_ScrollX = 700;
  app->m_ScrollTX = 700;
  app->p_Game_Vever();
  // The eleven stacked platforms at x 0 are behind; the first is remade where the row
  // ended, the others after it, numbered on from 20.
  EXPECT_FLOAT_EQ(Platform(0, 1), 2055.1226f);
  EXPECT_EQ(Platform(0, 2), 32);
  for (int s = 0; s <= 10; ++s) EXPECT_EQ(Platform(s, 3), 20 + s) << s;
  EXPECT_GT(Platform(10, 1), Platform(9, 1) + 139);
  EXPECT_EQ(Platform(11, 3), 11) << "161.9 - 700 is not yet 640 behind";
  EXPECT_EQ(Player(18), 31);
}

// --- Vever ---

TEST_F(VeverTest, SteeringBuildsUpThroughTheDeadZone) {
  app->m_Mode = 11;
  Update();
  KeyDown(kRightArrow);
  Update();
  EXPECT_EQ(Player(3), 0) << "a stick of 0.15 still brakes";
  Update();
  EXPECT_FLOAT_EQ(Player(3), 0.3f);
  Update();
  EXPECT_FLOAT_EQ(Player(3), 0.75f);
  EXPECT_FLOAT_EQ(Player(1), 1.05f);
  for (int i = 0; i < 20; ++i) Update();
  EXPECT_EQ(Player(3), 7.5f);
  KeyUp(kRightArrow);
  Update();
  EXPECT_EQ(Player(3), 7.5f) << "the key stick returns by 0.2 from 1: 0.8 still pushes";
}

TEST_F(VeverTest, WithoutSteeringTheSpeedBrakesToZeroWithoutCrossingIt) {
  StartWithAnEmptyRow();
  Player(3) = -3;
  app->p_Game_Vever();
  EXPECT_FLOAT_EQ(Player(3), -2.2f);
  EXPECT_FLOAT_EQ(Player(1), -2.2f) << "moved by the braked speed";
  Player(3) = 0.5f;
  app->p_Game_Vever();
  EXPECT_EQ(Player(3), 0);
}

TEST_F(VeverTest, FallingSpeedsUpToEight) {
  StartWithAnEmptyRow();
  Player(4) = 7.9f;
  app->p_Game_Vever();
  EXPECT_FLOAT_EQ(Player(2), -96 + 7.9f);
  EXPECT_EQ(Player(4), 8);
}

TEST_F(VeverTest, BelowTheScreenHeFallsStraightAndFarBelowTheGameEnds) {
  StartWithAnEmptyRow();
  Player(2) = 481;
  Player(3) = 5;
  Player(4) = 8;
  app->p_Game_Vever();
  EXPECT_EQ(Player(3), 0);
  EXPECT_EQ(Player(1), 0);
  EXPECT_EQ(app->m_Dead, 0);
  Player(2) = 720;
  app->p_Game_Vever();
  EXPECT_EQ(app->m_Dead, 0) << "exactly one and a half screens is not yet gone";
  app->p_Game_Vever();
  EXPECT_EQ(app->m_Dead, 1);
}

// --- landing and scoring ---

TEST_F(VeverTest, LandingBouncesDropsThePlatformAndMovesTheCamera) {
  StartWithAnEmptyRow();
  LandOn(5, 11);
  EXPECT_EQ(Player(4), -8);
  EXPECT_EQ(Player(20), 100);
  EXPECT_EQ(Platform(5, 7), 1);
  EXPECT_EQ(sounds->Count(2), 1);
  EXPECT_EQ(app->m_Score, 5);
  EXPECT_EQ(Player(19), 11);
  app->p_Game_Vever();
  EXPECT_EQ(app->m_ScrollTX, 36) << "a tenth of the screen behind the platform";
  const float fall = Platform(5, 7);
  EXPECT_GE(fall, 1.8f);
  EXPECT_LT(fall, 2.5f);
}

TEST_F(VeverTest, RisingThroughAPlatformDoesNotBounce) {
  StartWithAnEmptyRow();
  Platform(5, 0) = 0;
  Platform(5, 1) = 100;
  Platform(5, 2) = 0;
  Player(1) = 100;
  Player(2) = 340;
  Player(4) = -6;
  app->p_Game_Vever();
  EXPECT_FLOAT_EQ(Player(4), -5.8f);
  EXPECT_EQ(Platform(5, 7), 0);
}

TEST_F(VeverTest, ADroppingPlatformNeverCarriesHimAgain) {
  StartWithAnEmptyRow();
  LandOn(5, 11);
  Player(1) = 100;
  Player(2) = 336 + 4 * 2.2f;
  Player(4) = 0.5f;
  app->p_Game_Vever();
  EXPECT_FLOAT_EQ(Player(4), 0.7f);
  EXPECT_EQ(sounds->Count(2), 1);
}

TEST_F(VeverTest, TheNarrowPlatformsLandingReachIsThirtyTwo) {
  StartWithAnEmptyRow();
  Platform(3, 0) = 0;
  Platform(3, 1) = 131;
  Platform(3, 2) = 0;
  Platform(3, 8) = 1;
  Player(1) = 100;
  Player(2) = 330;
  Player(4) = 2;
  app->p_Game_Vever();
  EXPECT_EQ(Platform(3, 7), 1);
  Platform(4, 0) = 0;
  Platform(4, 1) = 132;
  Platform(4, 2) = 0;
  Platform(4, 8) = 1;
  Player(2) = 330;
  Player(4) = 2;
  app->p_Game_Vever();
  EXPECT_EQ(Platform(4, 7), 0) << "32 away is outside";
}

TEST_F(VeverTest, SkippingPlatformsPaysAGrowingBonus) {
  StartWithAnEmptyRow();
  // Each landing: the platform number, the score after it and the multiplier after it.
  struct Landing {
    float number;
    int score, multiplier, lastCounted;
  };
  const Landing landings[] = {
      {10, 0, 0, 10},      // the start stack never scores
      {11, 5, 0, 11},      // the next one
      {13, 15, 1, 13},     // one skipped: 1 x 10
      {15, 35, 2, 15},     // again: 2 x 10
      {16, 40, 0, 16},     // the next one resets the multiplier
      {19, 65, 1, 19},     // two skipped: 1 x 25
      {23, 265, 2, 23},    // three skipped: 2 x 100
      {28, 1015, 3, 28},   // four skipped: 3 x 250
      {35, 1015, 3, 35},   // six skipped: nothing, but counted
      {5, 1015, 3, 35},    // numbers up to 10 are never counted
      {20, 1015, 3, 20},   // a lower number is counted again
      {21, 1020, 0, 21},
  };
  int slot = 0;
  for (const Landing& landing : landings) {
    LandOn(slot, landing.number);
    slot = (slot + 1) % 20;
    EXPECT_EQ(app->m_Score, landing.score) << landing.number;
    EXPECT_EQ(Player(29), landing.multiplier) << landing.number;
    EXPECT_EQ(Player(19), landing.lastCounted) << landing.number;
  }
  EXPECT_EQ(sounds->Count(2), 12);
}

TEST_F(VeverTest, WithTheSoundOffTheLandingStillTakesItsStep) {
  // Both plays scatter the same stars and start from the same clock.
  zu_random_Seed = 99;
  StartWithAnEmptyRow();
  LandOn(5, 11);
  const int seedWithSound = zu_random_Seed;
  zu_random_Seed = 99;
  StartWithAnEmptyRow();
  sounds->played.clear();
  app->m_Options[5] = 0;
  LandOn(5, 11);
  EXPECT_EQ(zu_random_Seed, seedWithSound);
  EXPECT_EQ(sounds->played.size(), 0u);
  EXPECT_EQ(app->m_Score, 5);
}

// --- drawing ---

TEST_F(VeverTest, SwingingPlatformsAndABreakingWidePlatformAreDrawnWhereTheyAre) {
  StartWithAnEmptyRow();
  app->m_ScrollX = 20;
  app->m_ScrollTX = 20;
  // Slot 1 swings in an ellipse at 30 degrees; slot 2 is wide and dropping.
  Platform(1, 0) = 3;
  Platform(1, 1) = 200;
  Platform(1, 2) = 10;
  Platform(1, 5) = 30;
  Platform(1, 6) = 4;
  Platform(1, 8) = 1;
  Platform(1, 9) = 40;
  Platform(2, 0) = 2;
  Platform(2, 1) = 400;
  Platform(2, 2) = 0;
  Platform(2, 5) = 0;
  Platform(2, 6) = 3;
  Platform(2, 7) = 2;
  Platform(2, 8) = 2;
  Platform(2, 9) = 10;
  Player(1) = 50;
  Player(2) = -10;
  app->p_Game_Vever();

  const std::vector<DrawnCommand> vever = Drawn(0, 4, 4);
  ASSERT_EQ(vever.size(), 1u);
  EXPECT_FLOAT_EQ(vever[0].x, 30);
  EXPECT_FLOAT_EQ(vever[0].y, -10);

  const std::vector<DrawnCommand> ellipse = Drawn(0, 3, 3);
  ASSERT_EQ(ellipse.size(), 1u) << "narrow: one piece";
  EXPECT_NEAR(ellipse[0].x, 200 + 20 - 20, 1e-3f);
  EXPECT_NEAR(ellipse[0].y, 10 + 336 - 40 * std::sqrt(3.0f) / 2, 1e-3f);
  EXPECT_EQ(Platform(1, 5), 34) << "a platform in place turns on";

  const float fall = Platform(2, 7);
  EXPECT_GE(fall, 2.8f);
  EXPECT_LT(fall, 3.5f);
  EXPECT_EQ(Platform(2, 5), 0) << "a dropping platform stops turning";
  const std::vector<DrawnCommand> pieces = Drawn(0, 2, 2);
  ASSERT_EQ(pieces.size(), 3u);
  const float y = 336 - 10 + 4 * fall;
  const float spread = 0.5f * fall + 28;
  EXPECT_FLOAT_EQ(pieces[0].x, 380);
  EXPECT_FLOAT_EQ(pieces[0].y, y);
  EXPECT_FLOAT_EQ(pieces[0].rot, -fall);
  EXPECT_FLOAT_EQ(pieces[1].x, 380 + spread);
  EXPECT_FLOAT_EQ(pieces[1].rot, -2 * fall);
  EXPECT_FLOAT_EQ(pieces[2].x, 380 - spread);
  EXPECT_FLOAT_EQ(pieces[2].rot, 2 * fall);
}

// --- a whole play ---

struct PlayOutcome {
  int score = 0;
  int updates = 0;
  int landings = 0;
};

class VeverPlayTest : public VeverTest {
 protected:
  // Where the lowest-numbered platform still in place is now, as Vever sees it.
  float NextPlatformX() {
    float best = 1e9f;
    float x = app->m_Player[1];
    for (int s = 0; s < 20; ++s) {
      if (Platform(s, 7) != 0 || Platform(s, 3) >= best) continue;
      best = Platform(s, 3);
      x = Platform(s, 1);
      const float radians = Platform(s, 5) * 0.0174532925f;
      if (Platform(s, 0) == 1 || Platform(s, 0) == 3) x += std::sin(radians) * Platform(s, 9);
    }
    return x;
  }
  // From clock 5000, for the first 2500 updates: steer towards the next platform in place
  // and let go near it; afterwards nothing is pressed, so he soon falls off the row.
  PlayOutcome PlayScripted() {
    app->m_Mode = 11;
    Update();
    sounds->played.clear();
    PlayOutcome outcome;
    int held = 0;
    while (app->m_Dead == 0 && outcome.updates < 20000) {
      const float gap = NextPlatformX() - app->m_Player[1];
      int wanted = 0;
      if (outcome.updates < 2500 && gap > 8) wanted = kRightArrow;
      if (outcome.updates < 2500 && gap < -8) wanted = kLeftArrow;
      if (wanted != held) {
        if (held != 0) KeyUp(held);
        if (wanted != 0) KeyDown(wanted);
        held = wanted;
      }
      Update();
      ++outcome.updates;
    }
    if (held != 0) KeyUp(held);
    outcome.score = app->m_Score;
    outcome.landings = sounds->Count(2);
    return outcome;
  }
};

TEST_F(VeverPlayTest, AScriptedPlayEndsWithTheSameScoreEveryTime) {
  const PlayOutcome first = PlayScripted();
  const PlayOutcome second = PlayScripted();
  EXPECT_EQ(first.score, second.score);
  EXPECT_EQ(first.updates, second.updates);
  EXPECT_EQ(first.landings, second.landings);
  // The recorded outcome of this input pattern: the eleven stacked platforms and nine of
  // the row, each the next one (5 points).
  EXPECT_EQ(first.score, 45);
  EXPECT_EQ(first.updates, 1743);
  EXPECT_EQ(first.landings, 20);
  EXPECT_EQ(app->m_Dead, 1);
}

}  // namespace
