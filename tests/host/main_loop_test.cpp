// The loop's scheduling against a fake window system with a clock that moves only when
// the loop sleeps or the test says so.
#include "host/main_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <iomanip>
#include <sstream>

#include "host/glfw_game.h"
#include "tests/host/recording_delegate.h"

namespace {

class FakeWindowSystem : public ZuWindowSystem {
 public:
  explicit FakeWindowSystem(CallLog* log) : log_(log) {}

  double now = 100.0;
  // Focus as seen after each event-pump step, in order; the last one stays.
  std::deque<bool> focus{true};
  int passesUntilClosed = -1;  // -1: the window stays open

  double Time() override { return now; }
  void Sleep(double seconds) override {
    std::ostringstream line;
    line << "Sleep " << std::setprecision(6) << seconds;
    log_->push_back(line.str());
    now += seconds;
  }
  void PollEvents() override { log_->push_back("Poll"); }
  void WaitEvents() override { log_->push_back("Wait"); }
  bool WindowOpen() override {
    if (passesUntilClosed == 0) return false;
    if (passesUntilClosed > 0) --passesUntilClosed;
    return true;
  }
  bool WindowFocused() override {
    const bool focused = focus.front();
    if (focus.size() > 1) focus.pop_front();
    return focused;
  }
  void SwapBuffers() override { log_->push_back("Swap"); }

 private:
  CallLog* log_;
};

class MainLoop : public ::testing::Test {
 protected:
  MainLoop() : windows_(&log_), loop_(game_, windows_) {
    delegate_ = gc_new<RecordingDelegate>(&log_);
    game_.SetDelegate(delegate_);
    game_.StartGame();
    log_.clear();
  }

  // Runs one pass and returns what it did.
  CallLog Pass() {
    log_.clear();
    loop_.RunPass();
    return log_;
  }

  static int Updates(const CallLog& pass) {
    return static_cast<int>(std::count(pass.begin(), pass.end(), "Update"));
  }

  CallLog log_;
  ZuGlfwGame game_;
  FakeWindowSystem windows_;
  ZuMainLoop loop_;
  RecordingDelegate* delegate_;
};

TEST_F(MainLoop, RateZeroAlternatesRenderAndOneUpdateWithoutSleeping) {
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  }
}

TEST_F(MainLoop, FixedRateSleepsAfterTheSwapUntilTheNextUpdateIsDue) {
  game_.SetUpdateRate(8);  // a period of 0.125 s, exact in binary
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Sleep 0.125", "Poll", "Update"}));
  windows_.now += 0.05;  // time spent outside the sleep shortens the next one
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Sleep 0.075", "Poll", "Update"}));
}

TEST_F(MainLoop, SlowRenderIsCaughtUpWithSeveralUpdatesInOnePass) {
  game_.SetUpdateRate(8);
  Pass();
  delegate_->onRender = [&] { windows_.now += 0.4375; };  // 3.5 periods
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update", "Update", "Update"}));
}

TEST_F(MainLoop, NeverMoreThanFourUpdatesAndTheBacklogIsDropped) {
  game_.SetUpdateRate(8);
  Pass();
  delegate_->onRender = [&] { windows_.now += 10.0; };  // 80 periods behind
  EXPECT_EQ(Updates(Pass()), 4);
  EXPECT_EQ(game_._nextUpdate, 0.0);
  // The schedule restarts from the current time: no sleep, one update.
  delegate_->onRender = nullptr;
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  EXPECT_EQ(game_._nextUpdate, windows_.now + 0.125);
}

TEST_F(MainLoop, AStallingGameNeverRunsABurst) {
  game_.SetUpdateRate(60);
  delegate_->onRender = [&] { windows_.now += 1.0; };
  // Four updates catch up as far as they can; the pass after restarts the schedule.
  std::vector<int> updatesPerPass;
  for (int pass = 0; pass < 6; ++pass) updatesPerPass.push_back(Updates(Pass()));
  EXPECT_EQ(updatesPerPass, (std::vector<int>{1, 4, 1, 4, 1, 4}));
}

TEST_F(MainLoop, RateChangeInsideAnUpdateEndsThePass) {
  game_.SetUpdateRate(8);
  Pass();
  delegate_->onRender = [&] { windows_.now += 10.0; };
  int updates = 0;
  delegate_->onUpdate = [&] {
    if (++updates == 2) game_.SetUpdateRate(4);
  };
  EXPECT_EQ(Updates(Pass()), 2);
  // The next pass schedules from the current time with the new period.
  delegate_->onRender = nullptr;
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Sleep 0.25", "Poll", "Update"}));
}

TEST_F(MainLoop, RateChangeAtRateZeroTakesEffectNextPass) {
  delegate_->onUpdate = [&] { game_.SetUpdateRate(8); };
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  delegate_->onUpdate = nullptr;
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Sleep 0.125", "Poll", "Update"}));
}

TEST_F(MainLoop, LosingFocusSuspendsOnceAndWaitsForEventsUntilFocusReturns) {
  game_.SetUpdateRate(8);
  windows_.focus = {true, false, false, false, true};
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Update"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Sleep 0.125", "Poll", "Suspend"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Wait"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Wait"}));
  // Resumed: updates count from now, with no backlog from the time spent suspended.
  windows_.now += 60.0;
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Wait", "Resume", "Update"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Sleep 0.125", "Poll", "Update"}));
}

TEST_F(MainLoop, RateZeroGameIsSuspendedToo) {
  windows_.focus = {false, true};
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Poll", "Suspend"}));
  EXPECT_EQ(Pass(), (CallLog{"Render", "Swap", "Wait", "Resume", "Update"}));
}

TEST_F(MainLoop, RunPassesWhileTheWindowIsOpen) {
  windows_.passesUntilClosed = 3;
  log_.clear();
  loop_.Run();
  EXPECT_EQ(Updates(log_), 3);
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "Render"), 3);
}

TEST(MainLoopBeforeStart, UnstartedGameIsNeitherUpdatedNorSuspended) {
  CallLog log;
  ZuGlfwGame game;
  game.SetDelegate(gc_new<RecordingDelegate>(&log));
  FakeWindowSystem windows(&log);
  windows.focus = {false};
  ZuMainLoop(game, windows).RunPass();
  EXPECT_EQ(log, (CallLog{"Swap", "Poll"}));
  EXPECT_FALSE(game.Suspended());
}

}  // namespace
