// Game flow: the clean start of every game, the game table and its stand-in game,
// recording a finished score in the top-10 and last-10 tables, and the quit confirmation.
#include <cstdlib>
#include <string>
#include <vector>

#include "shell/quor.h"
#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kJump = 22;
constexpr int kJumpTop = (kJump - 1) * 10;   // 210
constexpr int kJumpLast = 260 + kJumpTop;    // 470

class GameFlowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
  }
  void SetTable(int start, std::initializer_list<int> scores) {
    int i = start;
    for (int s : scores) app->m_Highscores[i++] = s;
  }
  std::vector<int> Table(int start) {
    std::vector<int> out;
    for (int i = 0; i < 10; ++i) out.push_back(app->m_Highscores[start + i]);
    return out;
  }
  // Field `index` of the saved state text.
  std::string SavedField(int index) {
    return host.savedState.Split(String("|"))[index].ToUtf8();
  }
};

// --- starting a game ---

TEST_F(GameFlowTest, FreshGameClearsTheGameStateAndStartsPlaying) {
  app->m_Paused = 1;
  app->m_Score = 99;
  app->m_Dead = 2;
  app->m_GameOverTime = 40;
  app->m_Mode = 11;
  app->m_ScrollX = 5;
  app->m_ScrollTX = 6;
  app->m_ScrollY = 7;
  app->m_ScrollTY = 8;
  app->m_StarCount = 30;
  app->m_ParticleCount = 400;
  for (int record : {0, 250, 251}) app->m_Particles[record * 10] = 3;
  for (int i : {0, 4999999}) app->m_Map[i] = 1.5f;
  for (int i : {0, 1000, 1001, 1011}) app->m_Player[i] = 2.5f;

  app->p_FreshGame();

  EXPECT_EQ(app->m_Paused, 0);
  EXPECT_EQ(app->m_Score, 0);
  EXPECT_EQ(app->m_Dead, 0);
  EXPECT_EQ(app->m_GameOverTime, 0);
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(app->m_ScrollX, 0);
  EXPECT_EQ(app->m_ScrollTX, 0);
  EXPECT_EQ(app->m_ScrollY, 0);
  EXPECT_EQ(app->m_ScrollTY, 0);
  EXPECT_EQ(app->m_StarCount, 100);
  EXPECT_EQ(app->m_ParticleCount, 250);
  EXPECT_EQ(app->m_Particles[0], 0);
  EXPECT_EQ(app->m_Particles[2500], 0);
  EXPECT_EQ(app->m_Particles[2510], 3) << "record 251 is beyond the pool in use";
  EXPECT_EQ(app->m_Map[0], 0);
  EXPECT_EQ(app->m_Map[4999999], 0);
  EXPECT_EQ(app->m_Player[0], 0);
  EXPECT_EQ(app->m_Player[1000], 0);
  EXPECT_EQ(app->m_Player[1001], 2.5f) << "only elements 0..1000 belong to the game";
  EXPECT_EQ(app->m_Player[1011], 2.5f);
  EXPECT_EQ(app->m_Loop, 1001);
}

TEST_F(GameFlowTest, ModeElevenStartsTheChosenGameAndPlaysFromTheNextUpdate) {
  app->m_Game = kJump;
  app->m_Mode = 11;
  app->m_GfxW = 100;
  Update();
  EXPECT_EQ(app->m_Mode, 10);
  EXPECT_EQ(app->m_GfxW, 640);
  EXPECT_EQ(app->m_Player[1], 140) << "Jump's start operation placed the wheel";
  EXPECT_EQ(app->m_Player[3], 0) << "the start operation does not play";
  Update();
  EXPECT_EQ(app->m_Player[1], 140);
  EXPECT_FLOAT_EQ(app->m_Player[3], 0.05f) << "the first update of play accelerated the wheel";
}

TEST_F(GameFlowTest, NumbersWithoutAGamePlayTheStandIn) {
  for (int game : {0, 27, -3}) {
    app->m_Game = game;
    app->m_Mode = 11;
    app->m_Score = 5;
    Update();
    EXPECT_EQ(app->m_Mode, 10) << game;
    EXPECT_EQ(app->m_Score, 0) << game;
    Update();
    bool sprite = false;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == 4 && c.frame == 1 && c.x == 100 && c.y == 100) sprite = true;
    }
    EXPECT_TRUE(sprite) << game;
    EXPECT_EQ(app->m_Dead, 0) << "the stand-in never ends by itself";
  }
}

TEST_F(GameFlowTest, StandInCameraClosesAnEighthOfTheGap) {
  app->p_FreshGame();
  app->m_ScrollX = 80;
  app->m_ScrollY = -16;
  app->p_Game();
  EXPECT_EQ(app->m_ScrollX, 70);
  EXPECT_EQ(app->m_ScrollY, -14);
}

// --- recording the score ---

TEST_F(GameFlowTest, AScoreEqualToFirstPlaceIsAnnouncedFirstButRecordedSecond) {
  app->m_Game = kJump;
  SetTable(kJumpTop, {50, 40, 30});
  app->m_Score = 50;
  EXPECT_EQ(app->p_MyNth().ToUtf8(), "1st!");
  app->p_LoadMenu();
  EXPECT_EQ(app->m_NewRank, 1);
  EXPECT_EQ(Table(kJumpTop), (std::vector<int>{50, 50, 40, 30, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GameFlowTest, ZeroOnAnEmptyTableGoesOnlyIntoTheLastTen) {
  app->m_Game = kJump;
  SetTable(kJumpLast, {7, 8});
  app->m_Score = 0;
  EXPECT_EQ(app->p_MyNth().ToUtf8(), "1st!");
  app->p_LoadMenu();
  EXPECT_EQ(app->m_NewRank, -1);
  EXPECT_EQ(Table(kJumpTop), std::vector<int>(10, 0));
  EXPECT_EQ(Table(kJumpLast), (std::vector<int>{0, 7, 8, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(GameFlowTest, ANewEntryPushesTheTenthOutOfAFullTable) {
  app->m_Game = kJump;
  SetTable(kJumpTop, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  app->m_Score = 55;
  app->p_LoadMenu();
  EXPECT_EQ(app->m_NewRank, 5);
  EXPECT_EQ(Table(kJumpTop), (std::vector<int>{100, 90, 80, 70, 60, 55, 50, 40, 30, 20}));
}

TEST_F(GameFlowTest, AScoreBelowAFullTableEntersOnlyTheLastTenWhichDropsItsOldest) {
  app->m_Game = kJump;
  SetTable(kJumpTop, {100, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  SetTable(kJumpLast, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  app->m_Score = 10;
  app->p_LoadMenu();
  EXPECT_EQ(app->m_NewRank, -1);
  EXPECT_EQ(app->m_Highscores[kJumpTop + 9], 10);
  EXPECT_EQ(Table(kJumpLast), (std::vector<int>{10, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(GameFlowTest, RecordingTouchesOnlyTheCurrentGamesTables) {
  app->m_Game = 1;
  app->m_Score = 12;
  app->p_LoadMenu();
  EXPECT_EQ(app->m_Highscores[0], 12);
  EXPECT_EQ(app->m_Highscores[260], 12);
  EXPECT_EQ(app->m_Highscores[10], 0) << "game 2's top ten";
  EXPECT_EQ(app->m_Highscores[270], 0) << "game 2's last ten";
  app->m_Game = 26;
  app->p_LoadMenu();
  EXPECT_EQ(app->m_Highscores[250], 12);
  EXPECT_EQ(app->m_Highscores[510], 12);
}

TEST_F(GameFlowTest, RecordingSavesTheTables) {
  app->m_Game = kJump;
  app->m_Score = 321;
  app->p_LoadMenu();
  EXPECT_EQ(host.saves, 1);
  // Score group 21 starts at field 35 + 21 x 21: top entry 0, then last-10 entry 0.
  EXPECT_EQ(SavedField(476), "321");
  EXPECT_EQ(SavedField(477), "321");
}

TEST_F(GameFlowTest, AGameNumberWithoutTablesRecordsNothingButStillSaves) {
  for (int game : {0, 27, 32}) {
    app->m_Game = game;
    app->m_Score = 44;
    app->p_LoadMenu();
    EXPECT_EQ(app->m_NewRank, -1);
  }
  for (int i = 0; i < 1300; ++i) ASSERT_EQ(app->m_Highscores[i], 0) << i;
  EXPECT_EQ(host.saves, 3);
}

// --- quit confirmation ---

class ConsoleQuitTest : public GameFlowTest {
 protected:
  void SetUp() override {
    GameFlowTest::SetUp();
    app->m_Mode = 4;
  }
};

TEST_F(ConsoleQuitTest, DrawsTheTestCardAndTheTextLinesDownTheRight) {
  app->p_ConsoleQuit();
  const std::vector<DrawnCommand> commands = DrawnCommands(*app);
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(commands[0].kind, 91);
  EXPECT_EQ(commands[0].x, 320);
  EXPECT_EQ(commands[0].y, 240);
  EXPECT_EQ(commands[0].sizeA, 3);
  EXPECT_EQ(app->m_ClsA, -1) << "the fill draws nothing";
  // Each line is centred on x = 416; its glyphs share the line's y.
  std::vector<float> lineYs;
  for (size_t i = 1; i < commands.size(); ++i) {
    if (lineYs.empty() || commands[i].y != lineYs.back()) lineYs.push_back(commands[i].y);
  }
  EXPECT_EQ(lineYs, (std::vector<float>{144, 176, 212, 232, 260, 298, 336, 356}));
  // "Press ¬K": the keyboard's K icon is font frame 97 + 16.
  bool keyIcon = false;
  for (const DrawnCommand& c : commands) keyIcon = keyIcon || (c.y == 336 && c.frame == 113);
  EXPECT_TRUE(keyIcon);
}

TEST_F(ConsoleQuitTest, FireOneGoesBackToTheMenu) {
  KeyDown(32);
  Update();
  EXPECT_EQ(app->m_Mode, 1);
  EXPECT_EQ(app->m_KeyLatch, 1);
  EXPECT_EQ(app->m_TouchLatch, 1);
}

TEST_F(ConsoleQuitTest, KeysAreIgnoredWhileALatchIsSet) {
  app->m_KeyLatch = 1;
  KeyDown(32);
  app->p_ConsoleQuit();
  EXPECT_EQ(app->m_Mode, 4);
}

void PressAndConfirm(c_MyApp* app, c_InputDevice* input, int key) {
  input->p_KeyEvent(1, key);
  app->p_ConsoleQuit();
  std::exit(7);  // not reached: the confirmation ends the program
}

TEST_F(ConsoleQuitTest, FireTwoFireThreeAndBackEndTheProgramQuietly) {
  for (int key : {int{'X'}, int{'C'}, 27}) {
    EXPECT_EXIT(PressAndConfirm(app, input, key), ::testing::ExitedWithCode(0), "^$") << key;
  }
}

}  // namespace
