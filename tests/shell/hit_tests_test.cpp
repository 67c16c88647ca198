// Touch and click tests against boxes and on-screen buttons: strict edges, p_Touch's
// enlarged box, points that are up, and what each test draws.
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kPadImage = 94;

class HitTests : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->p_ResetDraw();
    for (int i = 0; i < 10; ++i) {
      app->m_TouchX[i] = -3717;
      app->m_TouchY[i] = -3717;
    }
    app->m_ImgScale = 1.0f;
    app->m_ImgInfo[3 * kPadImage] = 32;
    app->m_ImgInfo[3 * kPadImage + 1] = 16;
  }
  // A point that is down, as the update step samples it.
  void Touch(int i, int x, int y) {
    app->m_TouchOn[i] = 1;
    app->m_TouchX[i] = x;
    app->m_TouchY[i] = y;
    app->m_TouchDown = 1;
  }
  const float* Command(int n) const { return app->m_DrawList.begin() + 15 * n; }
};

TEST_F(HitTests, TouchAcceptsElevenPastTheFarEdgesButNotSevenBeforeTheNearOnes) {
  const struct {
    int x, y, hit;
  } points[] = {{161, 120, 1}, {93, 120, 0}, {95, 120, 1}, {162, 120, 0},
                {120, 151, 1}, {120, 94, 0}};
  for (const auto& point : points) {
    Touch(0, point.x, point.y);
    EXPECT_EQ(app->p_Touch(100, 100, 50, 40), point.hit) << point.x << ", " << point.y;
  }
  const float* c = Command(0);
  EXPECT_EQ(c[0], ZU_DRAW_RECT);
  EXPECT_EQ(c[4], 50.0f);
  EXPECT_EQ(c[5], 40.0f);
}

TEST_F(HitTests, BoxTestsLookAtEveryPointThatIsDownAndOnlyThose) {
  Touch(6, 120, 120);
  EXPECT_EQ(app->p_Touch(100, 100, 50, 40), 1);
  EXPECT_EQ(app->p_MouseIn(100, 100, 50, 40), 1);
  app->m_TouchOn[6] = 0;
  EXPECT_EQ(app->p_Touch(100, 100, 50, 40), 0);
  EXPECT_EQ(app->p_MouseIn(100, 100, 50, 40), 0);
}

TEST_F(HitTests, MouseInHasStrictEdges) {
  const struct {
    int x, y, hit;
  } points[] = {{100, 120, 0}, {101, 101, 1}, {149, 139, 1}, {150, 120, 0}, {120, 140, 0}};
  for (const auto& point : points) {
    Touch(0, point.x, point.y);
    EXPECT_EQ(app->p_MouseIn(100, 100, 50, 40), point.hit) << point.x << ", " << point.y;
  }
  Touch(0, 76, 81);
  EXPECT_EQ(app->p_MouseIn_Centered(100, 100, 50, 40), 1);
  Touch(0, 75, 100);
  EXPECT_EQ(app->p_MouseIn_Centered(100, 100, 50, 40), 0);
  EXPECT_EQ(app->m_DrawCount, 0);
}

TEST_F(HitTests, PointsThatAreUpAreNeverInsideEvenABoxAroundTheSentinel) {
  app->m_TouchDown = 1;
  EXPECT_EQ(app->p_MouseIn_Centered(-3717, -3717, 100, 100), 0);
  EXPECT_EQ(app->p_Touch(-3750, -3750, 100, 100), 0);
  EXPECT_EQ(app->p_Button(kPadImage, -3717, -3717, 0), 0);
}

TEST_F(HitTests, ButtonBoxIsTheImageSizeAtTheCurrentScaleAndTier) {
  app->p_SetSize(2);
  // 32 x 16 art pixels at scale 2: 32 units either side of x, 16 either side of y.
  Touch(9, 231, 85);
  EXPECT_EQ(app->p_Button(kPadImage, 200, 100, 5), 1);
  EXPECT_EQ(app->m_ButtonHit, 1);
  Touch(9, 232, 100);
  EXPECT_EQ(app->p_Button(kPadImage, 200, 100, 5), 0);
  EXPECT_EQ(app->m_ButtonHit, 0);
  app->m_ImgScale = 0.5f;  // the same art at tier 2 covers half the units
  Touch(9, 216, 100);
  EXPECT_EQ(app->p_Button(kPadImage, 200, 100, 5), 0);
  Touch(9, 215, 100);
  EXPECT_EQ(app->p_Button(kPadImage, 200, 100, 5), 1);
  app->m_TouchDown = 0;
  EXPECT_EQ(app->p_Button(kPadImage, 200, 100, 5), 0);

  const float* c = Command(0);
  EXPECT_EQ(c[0], 94.0f);
  EXPECT_EQ(c[1], 200.0f);
  EXPECT_EQ(c[4], 2.0f);
  EXPECT_EQ(c[6], 5.0f);
}

TEST_F(HitTests, ButtonZeroTestsOnlyThePointerAndLeavesTheHitFlag) {
  app->m_ButtonHit = 7;
  Touch(1, 200, 100);
  EXPECT_EQ(app->p_Button0(kPadImage, 200, 100, 0), 0);
  Touch(0, 210, 95);
  EXPECT_EQ(app->p_Button0(kPadImage, 200, 100, 0), 1);
  app->m_TouchDown = 0;
  EXPECT_EQ(app->p_Button0(kPadImage, 200, 100, 0), 0);
  EXPECT_EQ(app->m_ButtonHit, 7);
  EXPECT_EQ(app->m_DrawCount, 45);
}

}  // namespace
