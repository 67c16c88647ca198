// The in-game score line and the graphics credit badge.
#include <string>
#include <utility>
#include <vector>

#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

class ScoreLine : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
    app->m_Game = 2;
    app->p_CLS2D();
  }
  // The characters spelled by the glyph commands (spaces are not drawn).
  std::string Spelled(const std::vector<DrawnCommand>& commands, size_t from, size_t to) {
    std::string out;
    for (size_t i = from; i < to && i < commands.size(); ++i) {
      EXPECT_EQ(commands[i].kind, 90.0f);
      out += static_cast<char>(commands[i].frame + 32);
    }
    return out;
  }
  void SetTable(std::initializer_list<int> scores) {
    int i = 10;  // game 2's slots are 10..19
    for (int s : scores) app->m_Highscores[i++] = s;
  }
};

TEST_F(ScoreLine, ShownScoreClosesASixthOfTheGapAndSnapsWithinSix) {
  app->m_HideHud = 1;
  app->m_Score = 100;
  app->m_ShownScore = 0;
  app->p_ScoreDisplay();
  EXPECT_EQ(app->m_ShownScore, 16);
  app->p_ScoreDisplay();
  EXPECT_EQ(app->m_ShownScore, 30);  // 16 - (-84 / 6)
  app->m_ShownScore = 93;
  app->p_ScoreDisplay();
  EXPECT_EQ(app->m_ShownScore, 94);  // 6 short is not yet close enough
  app->p_ScoreDisplay();
  EXPECT_EQ(app->m_ShownScore, 100);  // 95 is within 6
  app->m_Score = 0;
  app->p_ScoreDisplay();
  EXPECT_EQ(app->m_ShownScore, 84);
  EXPECT_EQ(app->m_DrawCount, 0) << "a hidden score line draws nothing";
}

TEST_F(ScoreLine, ScoreIsEightDigitsTwiceSizeCentredAtTheTop) {
  app->m_Score = app->m_ShownScore = 123;
  app->p_ScoreDisplay();
  const std::vector<DrawnCommand> c = DrawnCommands(*app);
  ASSERT_GE(c.size(), 8u);
  EXPECT_EQ(Spelled(c, 0, 8), "00000123");
  // " 00000123" measures 8 x 14 = 112 at scale 2: the first digit sits at 320 - 56 + 14.
  EXPECT_EQ(c[0].x, 278.0f);
  EXPECT_EQ(c[7].x, 376.0f);
  EXPECT_EQ(c[0].y, 28.0f);
  EXPECT_EQ(c[0].sizeA, 2.0f);
  EXPECT_FLOAT_EQ(c[0].alpha, 0.8f);
  EXPECT_EQ(c[0].red, 100.0f);
  EXPECT_EQ(c[0].green, 255.0f);
}

TEST_F(ScoreLine, NextLineNamesTheLowestPlaceNotYetBeaten) {
  SetTable({1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
  app->m_Score = app->m_ShownScore = 450;
  app->p_ScoreDisplay();
  const std::vector<DrawnCommand> c = DrawnCommands(*app);
  EXPECT_EQ(Spelled(c, 8, c.size()), "6th00000500");
  EXPECT_EQ(app->m_TmpG, 5);
  EXPECT_EQ(app->m_TmpD, 500);
  EXPECT_EQ(app->m_Loop2, 0);
  EXPECT_EQ(c[8].y, 10.0f);
  EXPECT_EQ(c[8].sizeA, 1.0f);
  EXPECT_EQ(c[8].blue, 100.0f);
}

TEST_F(ScoreLine, EmptyTableAimsAtFirstPlace) {
  for (int game : {2, 0}) {  // game 0 has no table and reads as an empty one
    app->p_CLS2D();
    app->m_Game = game;
    app->m_Score = app->m_ShownScore = 0;
    app->p_ScoreDisplay();
    const std::vector<DrawnCommand> c = DrawnCommands(*app);
    EXPECT_EQ(Spelled(c, 8, c.size()), "1st00000000");
    EXPECT_EQ(app->m_TmpG, 0);
  }
}

TEST_F(ScoreLine, BelowTheWholeTableShowsTheTenthScoreWithoutAnOrdinal) {
  SetTable({5000, 4000, 3000, 2500, 2000, 1800, 1600, 1400, 1200, 1000});
  app->m_Score = app->m_ShownScore = 5;
  app->p_ScoreDisplay();
  const std::vector<DrawnCommand> c = DrawnCommands(*app);
  EXPECT_EQ(Spelled(c, 8, c.size()), "00001000");
  EXPECT_EQ(app->m_TmpG, 10);
  // "  00001000" (the added space, the empty ordinal's space) measures 9 x 7 = 63; the first
  // digit comes two spaces after the start.
  EXPECT_EQ(c[8].x, 320.0f - 31.5f + 14);
}

TEST_F(ScoreLine, HeartsRunLeftFromTheRightEdge) {
  app->m_Lives = 3;
  app->p_ScoreDisplay(1);
  std::vector<DrawnCommand> c = DrawnCommands(*app);
  ASSERT_GE(c.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const DrawnCommand& heart = c[c.size() - 3 + i];
    EXPECT_EQ(heart.kind, 50.0f);
    EXPECT_EQ(heart.x, 592.0f - 24 * i);
    EXPECT_EQ(heart.y, 24.0f);
    EXPECT_EQ(heart.alpha, 1.0f);
    EXPECT_EQ(heart.green, 255.0f);
  }
  app->p_CLS2D();
  app->p_ScoreDisplay(0);
  for (const DrawnCommand& command : DrawnCommands(*app)) EXPECT_NE(command.kind, 50.0f);
  app->p_CLS2D();
  zu_Quor_jscrw = 533.5f;  // the first heart starts on a whole unit
  app->p_ScoreDisplay(1);
  EXPECT_EQ(DrawnCommands(*app)[DrawnCommands(*app).size() - 3].x, 485.0f);
}

class CreditBadge : public ScoreLine {};

TEST_F(CreditBadge, CountdownMovesTwiceAsFastInTheMiddle) {
  const std::vector<std::pair<float, float>> steps = {
      {640, 639}, {561, 560}, {560, 558}, {122, 120}, {121, 120}, {120, 119}, {-9, -10}, {-10, -10}};
  for (auto [before, after] : steps) {
    app->m_GfxW = before;
    app->p_GfxShow(7, 0);
    EXPECT_EQ(app->m_GfxW, after) << "from " << before;
  }
}

TEST_F(CreditBadge, SlidesInFromBelowTheBottomRightCorner) {
  host.millisecs = 990;
  app->m_Game = 3;
  app->m_GfxW = 640;
  app->p_GfxShow(9, 0);
  const std::vector<DrawnCommand> c = DrawnCommands(*app);
  ASSERT_EQ(c.size(), 9u);  // three ovals, the bar, "GfxBy"
  // t = 639: bar y 462 + 79 x 4, ovals at 480 + 39 x 8.
  EXPECT_EQ(c[0].kind, -3716.0f);
  EXPECT_EQ(c[0].x, 640.0f);
  EXPECT_EQ(c[0].y, 792.0f);
  EXPECT_NEAR(c[0].sizeA, 168.0f, 1e-4);  // 164 + 4 sin 90
  EXPECT_NEAR(c[0].sizeB, 57.36808f, 1e-4);
  EXPECT_FLOAT_EQ(c[0].alpha, 0.4f);
  EXPECT_EQ(c[0].red, 255.0f);
  EXPECT_NEAR(c[1].sizeA, 167.88118f, 1e-4);
  EXPECT_NEAR(c[1].sizeB, 59.10858f, 1e-4);
  EXPECT_FLOAT_EQ(c[1].alpha, 0.2f);
  EXPECT_EQ(c[1].red, 0.0f);
  // Game 3: palette 4 at 0.3.
  EXPECT_EQ(app->m_TmpK, 4);
  EXPECT_EQ(c[2].sizeA, 160.0f);
  EXPECT_EQ(c[2].sizeB, 52.0f);
  EXPECT_FLOAT_EQ(c[2].red, 7.65f);
  EXPECT_FLOAT_EQ(c[2].green, 76.5f);
  EXPECT_FLOAT_EQ(c[2].alpha, 0.8f);
  EXPECT_EQ(c[3].kind, 71.0f);
  EXPECT_EQ(c[3].frame, 9);
  EXPECT_EQ(c[3].x, 574.0f);
  EXPECT_EQ(c[3].y, 778.0f);
  EXPECT_EQ(c[3].alpha, 1.0f);
  EXPECT_EQ(Spelled(c, 4, 9), "GfxBy");
  EXPECT_EQ(c[8].x, 634.0f);  // right-aligned: the last letter on x
  EXPECT_EQ(c[8].y, 760.0f);
}

TEST_F(CreditBadge, RestsInTheCornerAndLeavesDownwards) {
  app->m_GfxW = 401;  // t = 399: resting
  app->p_GfxShow(7, 1);
  std::vector<DrawnCommand> c = DrawnCommands(*app);
  ASSERT_EQ(c.size(), 9u);
  EXPECT_EQ(c[0].y, 480.0f);
  EXPECT_EQ(c[3].y, 462.0f);
  // Bright: palette 3 (game 2) at twice the strength, saturated.
  EXPECT_FLOAT_EQ(c[2].red, 255.0f);
  EXPECT_FLOAT_EQ(c[2].green, 255.0f);
  EXPECT_FLOAT_EQ(c[2].blue, 51.0f);

  app->p_CLS2D();
  app->m_GfxW = 51;  // t = 50
  app->p_GfxShow(7, 0);
  c = DrawnCommands(*app);
  EXPECT_EQ(c[0].y, 480.0f + 80);
  EXPECT_EQ(c[3].y, 462.0f + 280);
}

TEST_F(CreditBadge, GoneOnceTheCountdownEnds) {
  app->m_GfxW = 1;
  app->p_GfxShow(7, 0);
  app->p_GfxShow(7, 0);
  EXPECT_EQ(app->m_DrawCount, 0);
}

}  // namespace
