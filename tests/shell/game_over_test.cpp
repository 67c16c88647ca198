// The game-over sequence: 89 updates of banner, then recording and the menu, where the
// banner retracts; the banner's exact picture, its place line, and the input it swallows.
#include <string>
#include <vector>

#include "shell/quor.h"
#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kJump = 22;
constexpr int kFont = 90;

bool IsBannerShade(const DrawnCommand& c) {
  return c.kind == ZU_DRAW_RECT && c.x == -1 && c.y == -1 && c.red == 0 && c.green == 0 &&
         c.blue == 0;
}

bool HasBanner(const c_MyApp& app) {
  for (const DrawnCommand& c : DrawnCommands(app)) {
    if (IsBannerShade(c)) return true;
  }
  return false;
}

// The glyphs of commands [from, to) as text (spaces are not drawn).
std::string Spelled(const std::vector<DrawnCommand>& commands, size_t from, size_t to) {
  std::string out;
  for (size_t i = from; i < to && i < commands.size(); ++i) {
    out += static_cast<char>(commands[i].frame + 32);
  }
  return out;
}

class GameOverTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    app->m_Font = kFont;
    app->m_ImgInfo[3 * kFont] = 7;
    app->m_ImgInfo[3 * kFont + 1] = 10;
    app->m_Game = kJump;
  }
  // The banner alone, drawn into an empty list.
  std::vector<DrawnCommand> BannerAt(int t, int mode = 10) {
    app->m_Mode = mode;
    app->m_GameOverTime = t;
    app->m_DrawCount = 0;
    app->p_GameOver();
    return DrawnCommands(*app);
  }
};

TEST_F(GameOverTest, BannerRunsEightyNineUpdatesThenTheScoreIsRecordedAndTheMenuReturns) {
  app->m_Mode = 11;
  Update();
  Update();
  ASSERT_EQ(app->m_Mode, 10);
  app->m_Dead = 1;  // the play ended during the last update

  int updates = 0;
  int banners = 0;
  bool firstHadBanner = true;
  while (app->m_Mode == 10 && updates < 200) {
    Update();
    if (updates == 0) firstHadBanner = HasBanner(*app);
    if (HasBanner(*app)) ++banners;
    ++updates;
  }
  EXPECT_FALSE(firstHadBanner) << "the update that sees the end only starts the count";
  EXPECT_EQ(banners, 89);
  EXPECT_EQ(updates, 90);
  EXPECT_EQ(app->m_Mode, 2);
  // Restarted at 73, then the overlays of mode 2 already retract it once.
  EXPECT_EQ(app->m_GameOverTime, 71);
  EXPECT_EQ(host.saves, 0) << "nothing is recorded before mode 2";

  const int score = app->m_Score;
  Update();
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_EQ(host.saves, 1);
  EXPECT_EQ(app->m_Highscores[470], score) << "newest of Jump's last ten";
  EXPECT_EQ(app->m_GameOverTime, 69) << "the banner retracts over the menu";
}

TEST_F(GameOverTest, FirstBannerFrameHasItsExactShapes) {
  const std::vector<DrawnCommand> c = BannerAt(1);
  ASSERT_GE(c.size(), 11u);
  // Shade: alpha 1/40; bands: b = 12, so 24 wide from the left and 25 from the right.
  EXPECT_TRUE(IsBannerShade(c[0]));
  EXPECT_EQ(c[0].sizeA, 642);
  EXPECT_EQ(c[0].sizeB, 482);
  EXPECT_FLOAT_EQ(c[0].alpha, 0.025f);
  EXPECT_EQ(c[1].kind, ZU_DRAW_RECT);
  EXPECT_EQ(c[1].x, -1);
  EXPECT_EQ(c[1].y, 208);
  EXPECT_EQ(c[1].sizeA, 24);
  EXPECT_EQ(c[1].sizeB, 16);
  EXPECT_EQ(c[1].blue, 0);
  EXPECT_EQ(c[1].green, 255);
  EXPECT_EQ(c[2].x, 616);
  EXPECT_EQ(c[2].y, 256);
  EXPECT_EQ(c[2].sizeA, 25);
  EXPECT_EQ(c[2].green, 128);
  EXPECT_EQ(app->m_TmpJ, 12);
  // "GAME" centred on (224, 12) at scale 4: the measured width is 116 ("M" is one wider).
  EXPECT_EQ(Spelled(c, 3, 7), "GAME");
  const float gameX[] = {194, 222, 250, 282};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(c[3 + i].x, gameX[i]);
    EXPECT_EQ(c[3 + i].y, 12);
    EXPECT_EQ(c[3 + i].sizeA, 4);
    EXPECT_EQ(c[3 + i].red, 255);
    EXPECT_EQ(c[3 + i].green, 180);
  }
  // "OVER" centred on (416, 468).
  EXPECT_EQ(Spelled(c, 7, 11), "OVER");
  const float overX[] = {388, 416, 444, 472};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(c[7 + i].x, overX[i]);
    EXPECT_EQ(c[7 + i].y, 468);
  }
}

TEST_F(GameOverTest, BandsStopGrowingAtNearlyHalfTheScreen) {
  BannerAt(17);
  EXPECT_EQ(app->m_TmpJ, 204);
  BannerAt(30);
  EXPECT_EQ(app->m_TmpJ, 216);
  zu_Quor_jscrh = 360;
  BannerAt(60);
  EXPECT_EQ(app->m_TmpJ, 162);
}

TEST_F(GameOverTest, ShadeDarkensToSeventyPercent) {
  EXPECT_FLOAT_EQ(BannerAt(20)[0].alpha, 0.5f);
  EXPECT_FLOAT_EQ(BannerAt(80)[0].alpha, 0.7f);
}

TEST_F(GameOverTest, AScoreThatReachesTheTopTenGetsThePlaceLine) {
  app->m_Score = 0;  // an empty table: 0 reaches first place
  const std::vector<DrawnCommand> c = BannerAt(30);
  ASSERT_EQ(c.size(), 11u + 1u + 16u);  // shapes and words, the box, 16 visible glyphs
  // b = 216: the box is at (224, 480 - 144 - 16).
  EXPECT_EQ(c[11].kind, ZU_DRAW_RECT);
  EXPECT_EQ(c[11].x, 224);
  EXPECT_EQ(c[11].y, 320);
  EXPECT_EQ(c[11].sizeA, 192);
  EXPECT_EQ(c[11].sizeB, 32);
  EXPECT_EQ(c[11].blue, 255);
  // Two lines at scale 2, the first half a line above y = 336, the place under it.
  EXPECT_EQ(Spelled(c, 12, 24), "NewHighscore");
  EXPECT_EQ(c[12].y, 326);
  EXPECT_EQ(Spelled(c, 24, 28), "1st!");
  EXPECT_EQ(c[24].y, 346);
  EXPECT_EQ(c[24].green, 255);
  EXPECT_EQ(c[24].red, 100);
}

TEST_F(GameOverTest, PlaceLineNamesTheRankAndIsMissingBelowTheTopTen) {
  for (int i = 0; i < 10; ++i) app->m_Highscores[210 + i] = 100 - 10 * i;
  app->m_Score = 75;
  std::vector<DrawnCommand> c = BannerAt(30);
  EXPECT_EQ(Spelled(c, c.size() - 3, c.size()), "4th");
  app->m_Score = 5;
  c = BannerAt(30);
  EXPECT_EQ(c.size(), 11u);
}

TEST_F(GameOverTest, BannerSwallowsAllInputFromItsFirstFrame) {
  BannerAt(0);
  EXPECT_EQ(app->m_KeyLatch, 0);
  EXPECT_EQ(app->m_TouchLatch, 0);
  EXPECT_TRUE(BannerAt(0).empty());
  BannerAt(1);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
}

TEST_F(GameOverTest, OverTheMenuTheBannerRetractsTwoPerUpdateToNothing) {
  BannerAt(73, 1);
  EXPECT_EQ(app->m_GameOverTime, 71);
  BannerAt(1, 1);
  EXPECT_EQ(app->m_GameOverTime, 0);
  EXPECT_TRUE(BannerAt(0, 1).empty());
  EXPECT_EQ(app->m_GameOverTime, 0);
}

TEST_F(GameOverTest, APauseMenuOpenedDuringTheBannerDoesNotOutliveThePlay) {
  app->m_Mode = 10;
  app->m_Dead = 1;
  app->m_GameOverTime = 89;
  // Losing the focus in a game opens its pause menu, banner or not.
  app->m_Paused = 1;
  app->m_PauseState = 1;
  app->m_PauseY = 240;
  app->p_GameOver();
  EXPECT_EQ(app->m_Mode, 2);
  EXPECT_EQ(app->m_Paused, 0);
  EXPECT_EQ(app->m_PauseState, -1);
  EXPECT_EQ(app->m_PauseY, -64);
}

}  // namespace
