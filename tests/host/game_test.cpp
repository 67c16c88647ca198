// The host object's event wrappers: when each one runs, what it changes first, and the
// collector step that follows every delegate call.
#include "host/game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/host/recording_delegate.h"

namespace {

// Logs each collector step into the same log as the delegate's calls.
class LoggingGame : public ZuGame {
 public:
  explicit LoggingGame(CallLog* log) : log_(log) {}
  void gc_collect() override {
    log_->push_back("Collect");
    ZuGame::gc_collect();
  }

 private:
  CallLog* log_;
};

class GameWrappers : public ::testing::Test {
 protected:
  GameWrappers() : game_(&log_), delegate_(gc_new<RecordingDelegate>(&log_)) {
    game_.SetDelegate(delegate_);
  }

  void Start() {
    game_.StartGame();
    log_.clear();
  }

  // Every wrapper once, with recognisable arguments.
  void CallEveryEventWrapper() {
    game_.SuspendGame();
    game_.ResumeGame();
    game_.UpdateGame();
    game_.RenderGame();
    game_.KeyEvent(ZuGameEvent::KeyDown, 65);
    game_.MouseEvent(ZuGameEvent::MouseDown, 2, 1.5f, -2.25f);
    game_.TouchEvent(ZuGameEvent::TouchMove, 31, 640.0f, 0.125f);
    game_.MotionEvent(ZuGameEvent::MotionAccel, 0, 0.5f, -1.0f, 9.75f);
    game_.DiscardGraphics();
  }

  CallLog log_;
  LoggingGame game_;
  RecordingDelegate* delegate_;
};

TEST_F(GameWrappers, BeforeStartNothingRunsAndNothingIsCollected) {
  CallEveryEventWrapper();
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(game_.Started());
  EXPECT_FALSE(game_.Suspended());
}

TEST_F(GameWrappers, StartRunsOnceThenCollects) {
  game_.StartGame();
  game_.StartGame();
  EXPECT_EQ(log_, (CallLog{"Start", "Collect"}));
  EXPECT_TRUE(game_.Started());
}

TEST_F(GameWrappers, RunningGameGetsEveryCallWithItsArgumentsEachFollowedByACollect) {
  Start();
  game_.UpdateGame();
  game_.RenderGame();
  game_.KeyEvent(ZuGameEvent::KeyDown, 65);
  game_.MouseEvent(ZuGameEvent::MouseDown, 2, 1.5f, -2.25f);
  game_.TouchEvent(ZuGameEvent::TouchMove, 31, 640.0f, 0.125f);
  game_.MotionEvent(ZuGameEvent::MotionAccel, 0, 0.5f, -1.0f, 9.75f);
  game_.DiscardGraphics();
  EXPECT_EQ(log_, (CallLog{"Update", "Collect", "Render", "Collect", "KeyDown 65", "Collect",
                           "MouseDown 2 1.5 -2.25", "Collect", "TouchMove 31 640 0.125",
                           "Collect", "MotionAccel 0 0.5 -1 9.75", "Collect",
                           "DiscardGraphics", "Collect"}));
}

TEST_F(GameWrappers, ResumeWithoutSuspendDoesNothing) {
  Start();
  game_.ResumeGame();
  EXPECT_TRUE(log_.empty());
}

TEST_F(GameWrappers, SuspendedGameGetsNoUpdatesButRendersAndEvents) {
  Start();
  game_.SuspendGame();
  game_.SuspendGame();
  game_.UpdateGame();
  game_.RenderGame();
  game_.KeyEvent(ZuGameEvent::KeyUp, 27);
  game_.ResumeGame();
  game_.ResumeGame();
  game_.UpdateGame();
  EXPECT_EQ(log_, (CallLog{"Suspend", "Collect", "Render", "Collect", "KeyUp 27", "Collect",
                           "Resume", "Collect", "Update", "Collect"}));
}

TEST_F(GameWrappers, StateChangesBeforeTheDelegateIsCalled) {
  bool startedDuringStart = false;
  bool suspendedDuringSuspend = false;
  bool suspendedDuringResume = true;
  struct Probe : ZuGameDelegate {
    ZuGame* game;
    bool* started;
    bool* suspended;
    bool* resumedState;
    void StartGame() override { *started = game->Started(); }
    void SuspendGame() override { *suspended = game->Suspended(); }
    void ResumeGame() override { *resumedState = game->Suspended(); }
  };
  auto* probe = gc_new<Probe>();
  probe->game = &game_;
  probe->started = &startedDuringStart;
  probe->suspended = &suspendedDuringSuspend;
  probe->resumedState = &suspendedDuringResume;
  game_.SetDelegate(probe);
  game_.StartGame();
  game_.SuspendGame();
  game_.ResumeGame();
  EXPECT_TRUE(startedDuringStart);
  EXPECT_TRUE(suspendedDuringSuspend);
  EXPECT_FALSE(suspendedDuringResume);
}

TEST_F(GameWrappers, WithoutADelegateTheStateStillChangesButNothingIsCollected) {
  game_.SetDelegate(nullptr);
  game_.StartGame();
  CallEveryEventWrapper();
  EXPECT_TRUE(game_.Started());
  EXPECT_TRUE(log_.empty());
}

TEST_F(GameWrappers, CollectorStepKeepsTheDelegateAlive) {
  Start();
  Object* unreachable = gc_new<Object>();
  // Enough new bytes to force a full cycle at the next step: whatever the roots do not
  // reach is swept, except the host's delegate.
  gc_new_bytes = 8388608 + 1;
  game_.RenderGame();
  EXPECT_TRUE(gc_is_live(delegate_));
  EXPECT_FALSE(gc_is_live(unreachable));
}

struct ThrowingDelegate : ZuGameDelegate {
  void UpdateGame() override { throw gc_new<ThrowableObject>(); }
};

TEST(GameDeathTest, ExceptionOutOfADelegateCallIsFatal) {
  EXPECT_EXIT(
      {
        ::dup2(STDERR_FILENO, STDOUT_FILENO);  // the message goes to standard output
        ZuGame game;
        game.SetDelegate(gc_new<ThrowingDelegate>());
        game.StartGame();
        game.UpdateGame();
      },
      ::testing::ExitedWithCode(255),  // status -1 as the system reports it
      "^Vantor Runtime Error : Uncaught Vantor Exception\n$");
}

TEST(GameDeathTest, DieEndsWithStatusMinusOne) {
  EXPECT_EXIT(
      {
        ::dup2(STDERR_FILENO, STDOUT_FILENO);
        ZuGame game;
        game.Die(gc_new<ThrowableObject>());
      },
      ::testing::ExitedWithCode(255), "^Vantor Runtime Error : Uncaught Vantor Exception\n$");
}

}  // namespace
