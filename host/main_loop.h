// The fixed-rate loop: one render and buffer swap per pass, a sleep until the next update
// is due, one event-pump step, then one to four updates to catch up. A longer stall drops
// the backlog instead of running a burst of updates. While the application is suspended
// the loop blocks for events and runs no updates.
#pragma once

class ZuGlfwGame;
class ZuWindowSystem;

class ZuMainLoop {
 public:
  // Updates run in one pass at most, however far behind the schedule is.
  static constexpr int kMaxUpdatesPerPass = 4;

  ZuMainLoop(ZuGlfwGame& game, ZuWindowSystem& windows) : game_(game), windows_(windows) {}

  // Passes while the window is open.
  void Run();
  void RunPass();
#ifdef __EMSCRIPTEN__
  // The browser calls one pass per displayed frame: render, events, then the updates
  // that are due, without sleeping.
  void RunInBrowser();
  void RunFramePass();
#endif
  // Polls events (waits for one while suspended), then suspends or resumes the
  // application to follow the window's focus.
  void UpdateEvents();

 private:
  void SleepUntilNextUpdate();
  void RunScheduledUpdates();

  ZuGlfwGame& game_;
  ZuWindowSystem& windows_;
};
