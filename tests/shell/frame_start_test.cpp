// Starting a frame: fill colour, background easing, play area, draw state and list.
#include "tests/shell/shell_fixture.h"

namespace {

class FrameStart : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 360;
    app->m_ViewW = 7;
    app->p_SetSize(3);
    app->p_Rect(0, 0, 1, 1);
  }
  void ExpectFreshFrame() {
    EXPECT_EQ(app->m_DrawCount, 0);
    EXPECT_EQ(app->m_ViewW, 640.0f);
    EXPECT_EQ(app->m_ViewH, 360.0f);
    EXPECT_EQ(app->m_SizeX, 1.0f);
  }
};

TEST_F(FrameStart, OmittedColourKeepsTheLastFill) {
  app->p_CLS2D(10, 20, 30, -1);  // a negative alpha fills nothing: the last picture stays
  EXPECT_EQ(app->m_ClsA, -1.0f);
  app->p_CLS2D(10, 20, 30);
  EXPECT_EQ(app->m_ClsA, 1.0f);
  app->p_Rect(0, 0, 1, 1);
  app->p_CLS2D();
  EXPECT_EQ(app->m_ClsG, 20.0f);
  ExpectFreshFrame();
}

TEST_F(FrameStart, BackgroundMovesAThirtySecondOfTheWayEachFrame) {
  app->m_BgTR = 255;
  app->m_BgG = 64;
  app->m_BgB = app->m_BgTB = 100;
  app->p_DoBG();
  EXPECT_FLOAT_EQ(app->m_BgR, 7.96875f);
  EXPECT_FLOAT_EQ(app->m_BgG, 62);
  EXPECT_FLOAT_EQ(app->m_BgB, 100);
  EXPECT_FLOAT_EQ(app->m_ClsR, 7.96875f);
  EXPECT_FLOAT_EQ(app->m_ClsA, 1);
  ExpectFreshFrame();
}

}  // namespace
