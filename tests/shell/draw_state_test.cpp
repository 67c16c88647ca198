// The draw state setters and the palette behind p_Ink and p_SetBG.
#include "tests/shell/shell_fixture.h"

namespace {

class DrawState : public ShellTest {
 protected:
  void ExpectColour(float r, float g, float b) {
    EXPECT_FLOAT_EQ(app->m_ColR, r);
    EXPECT_FLOAT_EQ(app->m_ColG, g);
    EXPECT_FLOAT_EQ(app->m_ColB, b);
  }
};

TEST_F(DrawState, OmittedArgumentsKeepOrCopyTheirPartner) {
  app->p_SetSize(2);
  EXPECT_EQ(app->m_SizeY, 2.0f);
  app->p_SetSize(3, -5000);  // anything at or below -3717 counts as omitted
  EXPECT_EQ(app->m_SizeY, 3.0f);
  app->p_Alpha(0.25f);
  app->p_SetCol(10, 20, 30);
  EXPECT_EQ(app->m_Alpha, 0.25f);
  app->p_SetCol(10, 20, 30, 0);
  EXPECT_EQ(app->m_Alpha, 0.0f);
}

TEST_F(DrawState, InkIsThePaletteColourTimesBrightnessClamped) {
  app->p_Ink(2, 1);
  ExpectColour(255, 127.5f, 25.5f);
  app->p_Ink(7, 0.5f);
  ExpectColour(63.75f, 12.75f, 127.5f);
  app->p_Ink(1, 5);
  ExpectColour(255, 127.5f, 127.5f);
  app->p_Ink(9, -1);
  ExpectColour(0, 0, 0);
  for (int n : {0, 10, -3}) {
    app->p_Ink(n, 1);
    ExpectColour(76.5f, 76.5f, 76.5f);
  }
}

TEST_F(DrawState, BackgroundInkSetsOnlyTheTarget) {
  app->m_BgR = 9;
  app->p_SetCol(1, 2, 3);
  app->p_SetBG(6, 0.25f);
  EXPECT_FLOAT_EQ(app->m_BgTR, 6.375f);
  EXPECT_FLOAT_EQ(app->m_BgTG, 6.375f);
  EXPECT_FLOAT_EQ(app->m_BgTB, 63.75f);
  EXPECT_EQ(app->m_BgR, 9.0f);
  ExpectColour(1, 2, 3);
}

}  // namespace
