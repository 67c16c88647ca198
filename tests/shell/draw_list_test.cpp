// Appending commands: their exact layout, the state they copy, and the per-frame limit.
#include <vector>

#include "tests/shell/shell_fixture.h"

namespace {

class DrawList : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app->p_CLS2D();
  }
  // The 15 Floats of command `index`.
  std::vector<float> Command(int index) {
    return std::vector<float>(app->m_DrawList.begin() + index * 15,
                              app->m_DrawList.begin() + index * 15 + 15);
  }
};

TEST_F(DrawList, CommandsCopyTheDrawStateAtTheTimeOfTheCall) {
  app->p_SetSize(2, -3);
  app->p_SetRot(30);
  app->p_SetCol(10, 20, 30, 0.5f);
  app->m_Blend = 3;
  app->p_DrawImg(7, 11.5f, -22, 3);
  app->p_Rect(4, 5, 60, 70);  // shapes carry their size instead of the scale
  app->p_SetCol(1, 2, 3, 1);
  app->p_Oval(100, 50, 10, 5);
  EXPECT_EQ(app->m_DrawCount, 45);
  EXPECT_EQ(Command(0),
            (std::vector<float>{7, 11.5f, -22, -30, 2, -3, 3, 0.5f, 0, 0, 10, 20, 30, 3, 0}));
  EXPECT_EQ(Command(1),
            (std::vector<float>{-3717, 4, 5, -30, 60, 70, 0, 0.5f, 0, 0, 10, 20, 30, 3, 0}));
  EXPECT_EQ(Command(2),
            (std::vector<float>{-3716, 100, 50, -30, 10, 5, 0, 1, 0, 0, 1, 2, 3, 3, 0}));
}

TEST_F(DrawList, SpriteNumbersSpanTheSixSheets) {
  const int sprites[] = {0, 130, 383, -65};  // the last: toward zero, remainder signed
  const float expected[][2] = {{0, 0}, {2, 2}, {5, 63}, {-1, -1}};
  for (int i = 0; i < 4; ++i) {
    app->p_DrawGfx(1, 2, sprites[i]);
    EXPECT_EQ(Command(i)[0], expected[i][0]) << sprites[i];
    EXPECT_EQ(Command(i)[6], expected[i][1]) << sprites[i];
  }
}

TEST_F(DrawList, AFrameHoldsAtMost2499CommandsOfAnyKind) {
  for (int i = 0; i < 2498; ++i) app->p_Rect(static_cast<float>(i), 0, 1, 1);
  app->p_Oval(1, 1, 1, 1);
  EXPECT_EQ(app->m_DrawCount, 37485);
  app->p_DrawImg(3, 9, 9);
  app->p_DrawGfx(9, 9, 70);
  app->p_Rect(9, 9, 9, 9);
  app->p_Oval(9, 9, 9, 9);
  EXPECT_EQ(app->m_DrawCount, 37485);
  EXPECT_EQ(Command(2498)[0], -3716);
  for (int i = 37485; i < 37500; ++i) EXPECT_EQ(app->m_DrawList[i], 0.0f) << i;
  app->p_CLS2D();  // the next frame starts empty
  app->p_DrawImg(2, 5, 6);
  EXPECT_EQ(app->m_DrawCount, 15);
}

}  // namespace
