// Every game played through the whole shell by a restless player: random keys and clicks
// (the pause menu and its options included), the window losing and regaining the focus,
// and the window changing size in the middle of play (which reloads the art). Whatever
// happens, the shell must stay in a mode it can go on from, keep its draw list within
// bounds and its numbers finite; the sanitizer build checks every array access on the way.
//
// A short pass runs with the other tests; ZANDREL_SOAK_UPDATES sets a longer one
// (`make soak` runs 100,000 updates per game in the sanitizer build).
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "host/gc.h"
#include "tests/games/game_fixture.h"

namespace {

constexpr int kDefaultUpdates = 3000;
constexpr int kDrawListFloats = 37500;
constexpr int kKeyDown = 1, kKeyUp = 2, kMouseDown = 4, kMouseUp = 5, kMouseMove = 6;

// Play keys held and let go at random. The back keys (which open the pause menu) and F2
// (score line) are tapped now and then. F4 and the close key end the program; F1's debug
// mode prints the whole state at every save.
constexpr int kKeys[] = {37, 38, 39, 40, 32, 13, 'Z', 'X', 'C', 'V', 'W', 'A', 'S', 'D', 16, 17};
constexpr int kKeyCount = sizeof(kKeys) / sizeof(kKeys[0]);
constexpr int kTapKeys[] = {27, 8, 46, 192, 113};
constexpr int kSpace = 32;
constexpr int kEscape = 27;
constexpr int kDown = 40;
// A random player rarely finds the way out of the pause menu: after this long, fire
// (resume is what the menu offers first).
constexpr int kPausedUpdatesBeforeResume = 90;
constexpr int kStillUpdates = 8;

struct WindowSize {
  int width, height;
};
// Ordinary, portrait, tiny, huge and minimised (no area) windows.
constexpr WindowSize kSizes[] = {{640, 480}, {1280, 720}, {480, 640}, {1024, 768},
                                 {320, 200}, {1920, 1080}, {7, 3},     {0, 0}};

int SoakUpdates() {
  const char* text = std::getenv("ZANDREL_SOAK_UPDATES");
  const int updates = text ? std::atoi(text) : 0;
  return updates > 0 ? updates : kDefaultUpdates;
}

class AllGamesSoakTest : public GameTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(GetParam());
    random_ = static_cast<std::uint32_t>(GetParam()) * 2654435761u;
  }

  std::uint32_t Next(std::uint32_t below) {
    random_ = random_ * 1664525u + 1013904223u;
    return (random_ >> 8) % below;
  }

  void ReleaseEverything() {
    for (bool& down : held_) {
      if (down) input->p_KeyEvent(kKeyUp, kKeys[&down - held_]);
      down = false;
    }
    if (pointerDown_) input->p_MouseEvent(kMouseUp, 0, 0, 0);
    pointerDown_ = false;
    if (tapped_ != 0) input->p_KeyEvent(kKeyUp, tapped_);
    tapped_ = 0;
  }

  void RandomInput() {
    if (tapped_ != 0) input->p_KeyEvent(kKeyUp, tapped_);
    tapped_ = 0;
    if (Next(300) == 0) {
      tapped_ = kTapKeys[Next(sizeof(kTapKeys) / sizeof(kTapKeys[0]))];
      input->p_KeyEvent(kKeyDown, tapped_);
    }
    if (Next(6) == 0) {
      const int k = static_cast<int>(Next(kKeyCount));
      held_[k] = !held_[k];
      input->p_KeyEvent(held_[k] ? kKeyDown : kKeyUp, kKeys[k]);
    }
    if (Next(4) == 0) {
      const float x = static_cast<float>(Next(700)) - 30;
      const float y = static_cast<float>(Next(540)) - 30;
      const bool toggle = Next(8) == 0;
      if (toggle) pointerDown_ = !pointerDown_;
      input->p_MouseEvent(toggle ? (pointerDown_ ? kMouseDown : kMouseUp) : kMouseMove, 0, x, y);
    }
  }

  // One pass of the host loop: an update and a frame, then the collector's step.
  void UpdateAndRender() {
    host.millisecs += 16;
    Update();
    app->p_OnRender();
    gc_collect_step(nullptr);
  }

  // After a long stay in the pause menu the player lets go of everything for a few
  // updates (so the menus' key latches clear), backs out of the options box (back) or
  // moves to resume (down, from quit or options), and fires. True while this goes on.
  bool LeavePauseMenu() {
    pausedFor_ = app->m_Paused != 0 ? pausedFor_ + 1 : 0;
    const int phase = pausedFor_ % kPausedUpdatesBeforeResume;
    if (pausedFor_ < kPausedUpdatesBeforeResume || phase >= kStillUpdates) return false;
    ReleaseEverything();
    if (phase == kStillUpdates / 2 - 1 || phase == kStillUpdates - 1) {
      tapped_ = app->m_OptionsOpen != 0 ? kEscape : phase == kStillUpdates - 1 ? kSpace : kDown;
      input->p_KeyEvent(kKeyDown, tapped_);
    }
    return true;
  }

  std::uint32_t random_ = 0;
  int tapped_ = 0;
  int pausedFor_ = 0;
  bool held_[kKeyCount] = {};
  bool pointerDown_ = false;
};

TEST_P(AllGamesSoakTest, ShellAndGameSurviveRandomPlayFocusLossAndResizing) {
  const int updates = SoakUpdates();
  int starts = 0, suspends = 0, resizes = 0, playing = 0;
  app->m_Mode = 1;
  for (int update = 0; update < updates; ++update) {
    // Back in the menu (a play ended, or the pause menu's quit): start this game again.
    // Back pressed in the menu would end the program, so nothing is held there.
    if (app->m_Mode == 1) {
      ReleaseEverything();
      app->m_Game = GetParam();
      app->m_Mode = 11;
      ++starts;
    }
    if (!LeavePauseMenu()) RandomInput();
    if (Next(600) == 0) {
      app->p_OnSuspend();
      for (int n = static_cast<int>(Next(20)); n > 0; --n) UpdateAndRender();
      app->p_OnResume();
      ++suspends;
    }
    if (Next(800) == 0) {
      const WindowSize size = kSizes[Next(sizeof(kSizes) / sizeof(kSizes[0]))];
      host.width = size.width;
      host.height = size.height;
      ++resizes;
    }
    UpdateAndRender();
    sounds->played.clear();
    if (app->m_Mode == 10 && app->m_Paused == 0 && app->m_ReloadPending == 0) ++playing;

    ASSERT_TRUE(app->m_Mode == 1 || app->m_Mode == 2 || app->m_Mode == 10 || app->m_Mode == 11)
        << "mode " << app->m_Mode << " at update " << update;
    ASSERT_GE(app->m_DrawCount, 0) << update;
    ASSERT_LE(app->m_DrawCount, kDrawListFloats) << update;
    ASSERT_EQ(app->m_DrawCount % 15, 0) << update;
    for (int i = 0; i < app->m_Player.Length(); ++i) {
      ASSERT_TRUE(std::isfinite(app->m_Player[i])) << "m_Player[" << i << "] at update " << update;
    }
    ASSERT_TRUE(std::isfinite(app->m_ScrollX) && std::isfinite(app->m_ScrollY)) << update;
  }
  RecordProperty("starts", starts);
  RecordProperty("suspends", suspends);
  RecordProperty("resizes", resizes);
  RecordProperty("playing", playing);
}

INSTANTIATE_TEST_SUITE_P(EveryGame, AllGamesSoakTest, testing::Range(1, 27), GameTestName);

}  // namespace
