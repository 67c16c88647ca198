// A failed save is shown to the player: a small band at the bottom of the screen, over
// whatever the update drew, for four seconds of play; a save that works again ends it.
#include <string>

#include "tests/shell/draw_list_reader.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kNoticeUpdates = 240;
const std::string kNotice = "Progress could not be saved";

class SaveNoticeTest : public ShellTest {
 protected:
  // The menu runs: each update draws a whole frame.
  void SetUp() override {
    ShellTest::SetUp();
    app->m_Mode = 1;
  }

  // The notice band among the update's commands: its index, or -1.
  int NoticeBand() {
    const auto commands = DrawnCommands(*app);
    for (int i = 0; i < static_cast<int>(commands.size()); ++i) {
      const DrawnCommand& c = commands[i];
      if (c.kind == ZU_DRAW_RECT && c.red == 140 && c.green == 20 && c.blue == 20) return i;
    }
    return -1;
  }
};

TEST_F(SaveNoticeTest, FailedSaveShowsTheNoticeOnTopAtTheBottomCentreForFourSeconds) {
  host.saveResult = -2;
  app->p_Save();
  Update();
  const auto commands = DrawnCommands(*app);
  const int band = NoticeBand();
  ASSERT_GE(band, 0);
  const DrawnCommand& rect = commands[band];
  EXPECT_FLOAT_EQ(rect.x + rect.sizeA / 2, zu_Quor_jscrw / 2);
  EXPECT_FLOAT_EQ(rect.y + rect.sizeB, zu_Quor_jscrh - 14);
  EXPECT_FLOAT_EQ(rect.sizeB, 20);
  // Then one glyph per visible character, white, and nothing after them.
  int glyphs = 0;
  for (char ch : kNotice) glyphs += ch != ' ';
  ASSERT_EQ(static_cast<int>(commands.size()), band + 1 + glyphs);
  EXPECT_EQ(commands.back().kind, app->m_Font);
  EXPECT_EQ(commands.back().frame, 'd' - 32);
  EXPECT_EQ(commands.back().red, 255);

  for (int i = 1; i < kNoticeUpdates; ++i) Update();
  EXPECT_GE(NoticeBand(), 0);
  EXPECT_LT(DrawnCommands(*app)[NoticeBand()].alpha, 0.1f);  // faded out by the end
  Update();
  EXPECT_EQ(NoticeBand(), -1);
}

TEST_F(SaveNoticeTest, SavedProgressShowsNoNoticeAndEndsAFailedOnesNotice) {
  app->p_Save();
  Update();
  EXPECT_EQ(NoticeBand(), -1);
  host.saveResult = -1;
  app->p_Save();
  Update();
  EXPECT_GE(NoticeBand(), 0);
  host.saveResult = 0;
  app->p_Save();
  EXPECT_EQ(host.saves, 3);
  Update();
  EXPECT_EQ(NoticeBand(), -1);
}

}  // namespace
