// Every game under a long stretch of busy input, restarting whenever a play ends. No game
// may write past its arrays (the sanitizer build runs this too), overfill the draw list or
// let a non-finite number into its state, whatever the player does.
#include <cmath>
#include <string>

#include "tests/games/busy_input.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kUpdates = 3000;
constexpr int kDrawListFloats = 37500;

class AllGamesPlayTest : public GameTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(GetParam());
    busyInput_ = BusyInput(input);
  }

  void Start() {
    app->m_GfxW = 640;
    app->p_StartCurrentGame();
  }

  void PlayOneUpdate(int update) {
    host.millisecs = update * 16;
    busyInput_.Apply(update);
    PlayUpdate();
  }

  BusyInput busyInput_{nullptr};
};

TEST_P(AllGamesPlayTest, StaysWithinItsArraysAndKeepsItsNumbersFinite) {
  zu_random_Seed = 1234;
  Start();
  int plays = 1;
  for (int update = 0; update < kUpdates; ++update) {
    PlayOneUpdate(update);
    ASSERT_GE(app->m_DrawCount, 0) << "update " << update;
    ASSERT_LE(app->m_DrawCount, kDrawListFloats) << "update " << update;
    for (int i = 0; i < app->m_Player.Length(); ++i) {
      ASSERT_TRUE(std::isfinite(app->m_Player[i])) << "m_Player[" << i << "] at update " << update;
    }
    ASSERT_TRUE(std::isfinite(app->m_ScrollX) && std::isfinite(app->m_ScrollY)) << update;
    if (app->m_Dead > 0) {
      ++plays;
      Start();
    }
  }
  RecordProperty("plays", plays);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, AllGamesPlayTest, testing::Range(1, 27), GameTestName);

}  // namespace
