#include "host/main_loop.h"

#include "host/glfw_game.h"
#include "host/window_system.h"

void ZuMainLoop::Run() {
#ifdef __EMSCRIPTEN__
  RunInBrowser();
#else
  while (windows_.WindowOpen()) RunPass();
#endif
}

void ZuMainLoop::RunPass() {
  game_.RenderGame();
  windows_.SwapBuffers();
  SleepUntilNextUpdate();
  UpdateEvents();
  if (game_._suspended) return;
  if (game_._updateRate == 0) {
    game_.UpdateGame();
    return;
  }
  RunScheduledUpdates();
}

void ZuMainLoop::UpdateEvents() {
  if (game_._suspended) {
    windows_.WaitEvents();
  } else {
    windows_.PollEvents();
  }
  // Each change clears the schedule, so updates after a resume count from that moment
  // and no backlog builds up while suspended.
  const bool focused = windows_.WindowFocused();
  if (!focused && !game_._suspended) {
    game_.SuspendGame();
    game_._nextUpdate = 0.0;
  } else if (focused && game_._suspended) {
    game_.ResumeGame();
    game_._nextUpdate = 0.0;
  }
}

void ZuMainLoop::SleepUntilNextUpdate() {
  if (game_._nextUpdate == 0.0) return;
  const double delay = game_._nextUpdate - windows_.Time();
  if (delay > 0) windows_.Sleep(delay);
}

void ZuMainLoop::RunScheduledUpdates() {
  if (game_._nextUpdate == 0.0) game_._nextUpdate = windows_.Time();
  for (int i = 0; i < kMaxUpdatesPerPass; ++i) {
    game_.UpdateGame();
    // A new update rate cleared the schedule: the next pass starts it afresh.
    if (game_._nextUpdate == 0.0) return;
    game_._nextUpdate += game_._updatePeriod;
    if (game_._nextUpdate > windows_.Time()) return;
  }
  // Still behind: drop the backlog.
  game_._nextUpdate = 0.0;
}
