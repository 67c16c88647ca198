// The particle pool: which record each adder fills, the random numbers each draws and in
// what order, and how a pass of p_DoParticles moves, ages, draws and frees records.
// Expected values come from the generator's sequence from seed 1234:
// 0.71430767, 0.20701307, 0.74954182, 0.34606242, 0.80343944, 0.29701746, ...
#include "framework/random.h"
#include "tests/shell/shell_fixture.h"

namespace {

class Particles : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->p_ResetParticles(250);  // as at every game start
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
  }
  float* Record(int n) const { return app->m_Particles.begin() + 10 * n; }
  const float* Command(int n) const { return app->m_DrawList.begin() + 15 * n; }
  void FillPool() {
    for (int n = 0; n <= app->m_ParticleCount; ++n) Record(n)[0] = 1;
  }
  // kind, x, y, vx, vy, angle 10, spin 5, life, colour 6, frame 42
  void Place(int n, float kind, float x, float y, float vx, float vy, float life) {
    const float values[10] = {kind, x, y, vx, vy, 10, 5, life, 6, 42};
    for (int i = 0; i < 10; ++i) Record(n)[i] = values[i];
  }
};

TEST_F(Particles, AddsAfterAGameStartFillTheHighestFreeRecordsFirst) {
  for (int n = 0; n < 3; ++n) app->p_AddParticle(1, 0, 0, 0, 0, 0, 1, 0);
  EXPECT_EQ(Record(250)[0], 1.0f);
  EXPECT_EQ(Record(249)[0], 1.0f);
  EXPECT_EQ(Record(248)[0], 1.0f);
  EXPECT_EQ(app->p_FreeParticle(), 2470);
}

TEST_F(Particles, AddParticleFillsTheRecord) {
  app->p_AddParticle(4, 10.5f, 20.25f, 1.5f, -2.5f, 17, 6, 2);
  const float* record = Record(250);
  EXPECT_EQ(record[0], 4.0f);
  EXPECT_EQ(record[2], 20.25f);
  EXPECT_EQ(record[4], -2.5f);
  EXPECT_EQ(record[5], 257.0f);                // floor(0.71430767 x 360.99)
  EXPECT_NEAR(record[6], -4.1018171f, 1e-5);  // 0.20701307 x 14 - 7
  EXPECT_EQ(record[7], 3.0f);
  EXPECT_EQ(record[8], 6.0f);
  EXPECT_EQ(record[9], 17.0f);
}

TEST_F(Particles, ResetTakesCountsFromOneTo499AndAFullPoolAddsNothing) {
  FillPool();
  EXPECT_EQ(app->p_FreeParticle(), -1);
  app->p_AddParticle(1, 5, 5, 0, 0, 0, 1, 0);
  app->p_Gimme(10, 5, 5);
  EXPECT_EQ(zu_random_Seed, 1234);
  EXPECT_EQ(app->m_Score, 10);  // the points count even without room for the number

  app->p_ResetParticles(500);
  EXPECT_EQ(app->m_ParticleCount, 250);
  EXPECT_EQ(Record(0)[0], 0.0f);
  EXPECT_EQ(Record(250)[0], 0.0f);
  app->p_ResetParticles(3);
  EXPECT_EQ(app->p_FreeParticle(), 30);

  // A count past the 510 records the array holds stays inside it.
  app->m_ParticleCount = 100000;
  app->p_ResetParticles(0);
  EXPECT_EQ(app->p_FreeParticle(), 5090);
  app->m_ParticleCount = -1;
  EXPECT_EQ(app->p_FreeParticle(), -1);
}

TEST_F(Particles, ThrowDrawsAngleAndSpeedFirstThenTheRecordsNumbers) {
  app->p_ThrowParticle(50, 60, 2, 5);
  const float* record = Record(250);
  // angle = 0.71430767 x 360 = 257.15076, speed = 0.20701307 x 5 + 3 = 4.0350654
  EXPECT_EQ(record[0], 2.0f);
  EXPECT_EQ(record[1], 50.0f);
  EXPECT_NEAR(record[3], -3.9340219f, 1e-4);
  EXPECT_NEAR(record[4], 0.8973442f, 1e-4);
  EXPECT_NEAR(record[5], 269.83505f, 1e-3);
  EXPECT_NEAR(record[6], -2.4630013f, 1e-5);
  EXPECT_NEAR(record[7], 1.1820637f, 1e-6);
  EXPECT_EQ(record[8], 5.0f);
  EXPECT_EQ(record[9], 76.0f);  // floor(0.29701746 x 255.99)

  app->p_ThrowParticle(0, 0, 1, 1, 90, 3);  // 0 is straight up, 90 to the right
  EXPECT_NEAR(Record(249)[3], 3.0f, 1e-5);
  EXPECT_NEAR(Record(249)[4], 0.0f, 1e-5);
}

TEST_F(Particles, ThrowIntoAFullPoolStillDrawsTheOmittedAngleAndSpeed) {
  FillPool();
  zu_random_Rnd();
  zu_random_Rnd();
  const int afterTwo = zu_random_Seed;
  zu_random_Seed = 1234;
  app->p_ThrowParticle(0, 0, 1, 1);
  EXPECT_EQ(zu_random_Seed, afterTwo);
  zu_random_Seed = 1234;
  app->p_ThrowParticle(0, 0, 1, 1, 45, 2);
  EXPECT_EQ(zu_random_Seed, 1234);
}

TEST_F(Particles, GimmeOfZeroStillFloatsAnUnrotatedYellowZero) {
  app->m_ScrollY = 50;
  app->p_Gimme(0, 300, 200);
  const float* record = Record(250);
  EXPECT_EQ(record[0], 99.0f);
  EXPECT_EQ(record[4], -0.25f);
  EXPECT_EQ(record[7], 1.0f);
  EXPECT_EQ(record[8], 3.0f);
  app->p_DoParticles(1);
  ASSERT_EQ(app->m_DrawCount, 15);
  const float* glyph = Command(0);
  EXPECT_EQ(glyph[0], 90.0f);
  EXPECT_EQ(glyph[6], static_cast<float>('0' - 32));
  EXPECT_EQ(glyph[3], 0.0f);
  EXPECT_FLOAT_EQ(glyph[2], 150.0f - 0.25f);
  EXPECT_NEAR(glyph[12], 25.5f, 1e-4);
}

TEST_F(Particles, ScoreNumberRisesForOneHundredUpdates) {
  app->p_Gimme(7, 300, 200);
  for (int update = 0; update < 100; ++update) app->p_DoParticles(1);
  EXPECT_EQ(Record(250)[0], 99.0f);
  app->p_DoParticles(1);
  EXPECT_EQ(Record(250)[0], 0.0f);
  EXPECT_NEAR(Record(250)[2], 200.0f - 0.25f * 101, 1e-3);
}

TEST_F(Particles, PassMovesSpinsAndDrawsASparkThenResetsTheDrawState) {
  Place(10, 3, 100, 80, 2, -1, 0.5f);
  Place(11, 1, 0, 0, 0, 0, 3);
  app->m_ScrollX = 40;
  app->m_ScrollY = -20;
  app->p_DoParticles(2);
  EXPECT_EQ(Record(10)[1], 102.0f);
  EXPECT_EQ(Record(10)[5], 15.0f);
  EXPECT_NEAR(Record(10)[7], 0.49f, 1e-6);
  ASSERT_EQ(app->m_DrawCount, 30);
  const float* c = Command(0);
  const float expected[] = {96, 62, 99, -15, 2, 2, 42, 0.5f};
  for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(c[i], expected[i]) << "element " << i;
  EXPECT_NEAR(c[10], 25.5f, 1e-4);
  EXPECT_EQ(c[12], 255.0f);
  EXPECT_EQ(Command(1)[7], 1.0f);  // alpha is the life capped at 1
  EXPECT_EQ(app->m_SizeX, 1.0f);
  EXPECT_EQ(app->m_Rot, 0.0f);
}

TEST_F(Particles, DebrisSlowsAndFallsAfterItMoves) {
  Place(0, 2, 100, 100, 1, -3, 1);
  app->p_DoParticles(1);
  EXPECT_EQ(Record(0)[2], 97.0f);
  EXPECT_FLOAT_EQ(Record(0)[3], 0.95f);
  EXPECT_FLOAT_EQ(Record(0)[4], -2.8f);
}

TEST_F(Particles, LastBreathIsDrawnOnceMoreAndFreedInTheSameUpdate) {
  Place(0, 1, 0, 0, 0, 0, 0.005f);
  app->p_DoParticles(1);
  ASSERT_EQ(app->m_DrawCount, 15);
  EXPECT_EQ(Command(0)[7], 0.005f);
  EXPECT_EQ(Record(0)[0], 0.0f);
}

TEST_F(Particles, UndrawnKindsMoveAndAgeAndNegativeKindsAreLeftAlone) {
  Place(0, 50, 10, 10, 1, 1, 0.5f);
  Place(1, 100, 10, 10, 1, 1, 0.5f);
  Place(2, -1, 10, 10, 1, 1, 0.5f);
  app->p_DoParticles(1);
  EXPECT_EQ(app->m_DrawCount, 0);
  EXPECT_EQ(Record(0)[1], 11.0f);
  EXPECT_NEAR(Record(1)[7], 0.49f, 1e-6);
  EXPECT_EQ(Record(2)[1], 10.0f);
}

}  // namespace
