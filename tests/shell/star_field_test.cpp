// The star field and the snow: scattering, drifting, wrapping and drawing, to the number
// of the fixed random generator (from seed 1234: 0.71430767, 0.20701307, 0.74954182,
// 0.34606242, 0.80343944, 0.29701746, 0.24342376, ...).
#include "framework/random.h"
#include "tests/shell/shell_fixture.h"

namespace {

class StarField : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    zu_Quor_overscan = 0;
    app->p_CLS2D();
  }
  float& Star(int record, int element) { return app->m_Stars[record * 10 + element]; }
  // One record in use, placed by hand.
  void OneStar(float x, float y, float speed, float frame = 5, float angle = 10,
               float spin = 0.25f) {
    app->m_StarCount = 0;
    Star(0, 0) = frame;
    Star(0, 1) = x;
    Star(0, 2) = y;
    Star(0, 3) = speed;
    Star(0, 5) = angle;
    Star(0, 6) = spin;
  }
  static int SeedAfter(int draws) {
    const int saved = zu_random_Seed;
    zu_random_Seed = 1234;
    for (int i = 0; i < draws; ++i) zu_random_Rnd();
    const int seed = zu_random_Seed;
    zu_random_Seed = saved;
    return seed;
  }
};

TEST_F(StarField, ScatteringDrawsSixNumbersPerRecordInOrder) {
  zu_random_Seed = 1234;
  app->p_ResetStars(100);
  EXPECT_EQ(Star(0, 0), 182.0f);
  EXPECT_NEAR(Star(0, 1), 127.80057f, 1e-3);
  EXPECT_NEAR(Star(0, 2), 363.77274f, 1e-3);
  EXPECT_NEAR(Star(0, 3), 0.40763745f, 1e-6);
  EXPECT_NEAR(Star(0, 5), 289.23820f, 1e-3);
  EXPECT_NEAR(Star(0, 6), -0.20298254f, 1e-6);
  EXPECT_EQ(Star(1, 0), 62.0f);
  EXPECT_NEAR(Star(1, 1), 105.35051f, 1e-3);
  EXPECT_NEAR(Star(1, 6), 0.29578304f, 1e-6);
  // Records 0..100: 101 records of six draws each.
  EXPECT_EQ(zu_random_Seed, SeedAfter(606));
}

TEST_F(StarField, CountOutsideOneTo499KeepsTheStoredCount) {
  zu_random_Seed = 1234;
  app->p_ResetStars(3);
  EXPECT_EQ(app->m_StarCount, 3);
  EXPECT_EQ(zu_random_Seed, SeedAfter(24));
  EXPECT_EQ(Star(4, 1), 0.0f);
  for (int count : {0, 500, -2}) {
    app->p_ResetStars(count);
    EXPECT_EQ(app->m_StarCount, 3);
  }
  app->p_ResetStars(499);
  EXPECT_EQ(app->m_StarCount, 499);
  app->m_StarCount = -1;  // a negative count scatters nothing
  const int seed = zu_random_Seed;
  app->p_ResetStars(0);
  EXPECT_EQ(zu_random_Seed, seed);
}

TEST_F(StarField, CountBeyondTheRecordsIsHeldToTheArray) {
  app->m_StarCount = 100000;
  app->p_ResetStars(0);
  app->p_DoStars(1, 1);
  EXPECT_EQ(app->m_DrawCount, 510 * 15);
}

TEST_F(StarField, StarsDriftBySpeedAndAreDrawnFaintAsTheyAreSlow) {
  OneStar(100, 100, 0.5f, 7, 10, 0.25f);
  app->p_SetCol(1, 2, 3, 0.3f);
  app->p_SetSize(4);
  app->p_DoStars(10, -4);
  EXPECT_EQ(Star(0, 1), 105.0f);
  EXPECT_EQ(Star(0, 2), 98.0f);
  EXPECT_EQ(Star(0, 5), 10.25f);
  ASSERT_EQ(app->m_DrawCount, 15);
  const float* c = app->m_DrawList.begin();
  EXPECT_EQ(c[0], 96.0f);
  EXPECT_EQ(c[1], 105.0f);
  EXPECT_EQ(c[2], 98.0f);
  EXPECT_EQ(c[3], 0.0f);  // stars do not turn
  EXPECT_EQ(c[4], 1.0f);
  EXPECT_EQ(c[6], 7.0f);
  EXPECT_EQ(c[7], 0.5f);
  EXPECT_EQ(c[10], 255.0f);
  EXPECT_EQ(c[13], 1.0f);
  // The draw state is left reset.
  EXPECT_EQ(app->m_Alpha, 1.0f);
  EXPECT_EQ(app->m_SizeX, 1.0f);
}

TEST_F(StarField, AStarLeavingLeftComesBackRightAsANewStar) {
  OneStar(-10, 100, 0.5f);
  zu_random_Seed = 1234;
  app->p_DoStars(-20, 0);  // x = -20, beyond the 16-unit margin
  EXPECT_EQ(Star(0, 1), -20.0f + 672.0f);
  EXPECT_NEAR(Star(0, 2), 346.29660f, 1e-3);
  EXPECT_NEAR(Star(0, 3), 0.32420784f, 1e-6);
  EXPECT_EQ(Star(0, 0), 191.0f);
  EXPECT_EQ(app->m_DrawList[7], Star(0, 3));  // drawn with its new speed
}

TEST_F(StarField, AStarLeavingTheBottomComesBackAtTheTopWithANewX) {
  OneStar(300, 490, 1.0f);
  zu_random_Seed = 1234;
  app->p_DoStars(0, 10);  // y = 500 > 480 + 16
  EXPECT_EQ(Star(0, 2), 500.0f - 512.0f);
  EXPECT_NEAR(Star(0, 1), 460.58583f, 1e-3);
  EXPECT_EQ(Star(0, 0), 191.0f);
}

TEST_F(StarField, OverscanWidensTheMargin) {
  zu_Quor_overscan = 10;
  OneStar(-20, 505, 1.0f);
  zu_random_Seed = 1234;
  app->p_DoStars(0, 0);
  EXPECT_EQ(Star(0, 1), -20.0f);
  EXPECT_EQ(Star(0, 2), 505.0f);
  EXPECT_EQ(zu_random_Seed, 1234);
  app->p_DoStars(-7, 0);  // -27 < -26: wraps by 640 + 52
  EXPECT_EQ(Star(0, 1), -27.0f + 692.0f);
}

TEST_F(StarField, SnowSwaysWithTwoDrawsAndTumbles) {
  OneStar(100, 100, 0.5f, 9, 10, 0.25f);
  zu_random_Seed = 1234;
  app->p_DoSnow(4, 2);
  EXPECT_NEAR(Star(0, 1), 100 + 2 + 0.12858460f, 1e-4);
  EXPECT_NEAR(Star(0, 2), 100 + 1 - 0.11368824f, 1e-4);
  EXPECT_EQ(zu_random_Seed, SeedAfter(2));
  ASSERT_EQ(app->m_DrawCount, 15);
  EXPECT_EQ(app->m_DrawList[3], -10.25f);  // turned by its angle
  EXPECT_EQ(app->m_DrawList[6], 9.0f);
  EXPECT_EQ(app->m_DrawList[7], 0.5f);
  EXPECT_EQ(app->m_DrawList[13], 1.0f);
  EXPECT_EQ(app->m_Rot, 0.0f);
}

TEST_F(StarField, WrappedSnowTakesItsFrameFromTheShellRandom) {
  // The sway draws come first (two numbers), then the new y, speed and frame.
  OneStar(-20, 100, 1.0f);
  zu_random_Seed = 1234;
  app->p_DoSnow(0, 0);  // x ends near -19.87, beyond the margin
  EXPECT_NEAR(Star(0, 1), -20 + 0.12858460f + 672, 1e-3);
  EXPECT_NEAR(Star(0, 2), 0.74954182f * 496 - 8, 1e-3);
  EXPECT_NEAR(Star(0, 3), 0.34606242f * 0.6f + 0.2f, 1e-6);
  EXPECT_EQ(Star(0, 0), 205.0f);  // Int(floor(0.80343944 x 255.99))
}

}  // namespace
