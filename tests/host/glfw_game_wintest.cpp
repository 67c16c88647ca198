// The desktop host on a real X display: its window as other programs see it, real
// keystrokes, pointer clicks and close requests arriving as the framework's events, and
// window re-creation.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "host/glfw_game.h"
#include "tests/host/recording_delegate.h"
#include "tests/host/x11_test_client.h"

namespace {

using namespace std::chrono_literals;

std::vector<std::string> LinesStartingWith(const CallLog& log,
                                           std::initializer_list<const char*> prefixes) {
  std::vector<std::string> lines;
  for (const std::string& line : log) {
    for (const char* prefix : prefixes) {
      if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    }
  }
  return lines;
}

bool Contains(const CallLog& log, const std::string& line) {
  for (const std::string& entry : log) {
    if (entry == line) return true;
  }
  return false;
}

// Runs the real host loop on a real window with a recording delegate, and a script whose
// steps run inside updates, one step per update until it reports itself done.
class HostWindow : public ::testing::Test {
 protected:
  using Step = std::function<bool()>;
  static constexpr int kMaxUpdatesPerStep = 600;  // ten seconds at 60 updates per second

  void SetUp() override {
    glfwInitHint(GLFW_JOYSTICK_HAT_BUTTONS, GLFW_FALSE);
    ASSERT_TRUE(glfwInit());
    const GLFWvidmode* desktop = glfwGetVideoMode(glfwGetPrimaryMonitor());
    ASSERT_NE(desktop, nullptr);
    desktopWidth_ = desktop->width;
    desktopHeight_ = desktop->height;
    game_ = std::make_unique<ZuGlfwGame>();
    delegate_ = gc_new<RecordingDelegate>(&log_);
    game_->SetDelegate(delegate_);
    game_->SetUpdateRate(60);
  }

  void TearDown() override {
    game_.reset();
    glfwTerminate();
  }

  // Runs the host's Run() until every step is done, a step gives up, or a minute passes.
  void RunScript(std::vector<Step> steps) {
    size_t next = 0;
    int updatesInStep = 0;
    delegate_->onUpdate = [&] {
      if (next < steps.size()) {
        if (steps[next]()) {
          ++next;
          updatesInStep = 0;
        } else if (++updatesInStep > kMaxUpdatesPerStep) {
          ADD_FAILURE() << "script step " << next << " never finished";
          next = steps.size();
        }
      }
      if (next == steps.size()) glfwSetWindowShouldClose(game_->WindowSystem().Window(), 1);
    };
    // A window that never gets the focus runs no updates; this ends the loop all the same.
    std::atomic<bool> finished = false;
    std::thread watchdog([&] {
      for (auto waited = 0ms; waited < 60s && !finished; waited += 100ms) {
        std::this_thread::sleep_for(100ms);
      }
      if (!finished) {
        ADD_FAILURE() << "the host loop did not finish within a minute";
        if (GLFWwindow* window = game_->WindowSystem().Window()) {
          glfwSetWindowShouldClose(window, 1);
        }
        glfwPostEmptyEvent();
      }
    });
    game_->Run();
    finished = true;
    watchdog.join();
    delegate_->onUpdate = nullptr;
  }

  // A step that waits until the log holds `line`.
  Step WaitFor(const std::string& line) {
    return [this, line] { return Contains(log_, line); };
  }

  // A step that does `action` once.
  static Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }

  CallLog log_;
  std::unique_ptr<ZuGlfwGame> game_;
  RecordingDelegate* delegate_ = nullptr;
  int desktopWidth_ = 0;
  int desktopHeight_ = 0;
};

TEST_F(HostWindow, WindowKeysPointerAndCloseRequestAsOtherProgramsSeeThem) {
  std::string window;
  std::string title;
  int x = -1, y = -1, width = -1, height = -1;
  bool openAfterCloseRequest = false;
  std::string windowAfterCloseRequest;
  const int sequenceBefore = glfwGraphicsSeq;

  RunScript({
      Do([&] {
        window = FindZandrelWindow();
        title = Capture("xdotool getwindowname " + window);
        x = WindowInfo(window, "Absolute upper-left X");
        y = WindowInfo(window, "Absolute upper-left Y");
        width = WindowInfo(window, "Width");
        height = WindowInfo(window, "Height");
        Capture("xdotool key --delay 20 Left Delete a shift space shift+a");
        Capture("xdotool mousemove --window " + window +
                " 100 50 click 1 click 3 click 2 click 8");
      }),
      WaitFor("MouseUp 2 100 50"),
      Do([&] { EXPECT_TRUE(SendCloseRequest(window)); }),
      WaitFor("KeyUp 432"),
      Do([&] {
        openAfterCloseRequest = game_->WindowSystem().WindowOpen();
        windowAfterCloseRequest = FindZandrelWindow(2);
      }),
  });

  EXPECT_EQ(title, "Zandrel");
  EXPECT_EQ(width, 640);
  EXPECT_EQ(height, 480);
  EXPECT_EQ(x, (desktopWidth_ - 640) / 2);
  EXPECT_EQ(y, (desktopHeight_ - 480) / 2);
  EXPECT_EQ(glfwGraphicsSeq, sequenceBefore + 1);

  EXPECT_EQ(LinesStartingWith(log_, {"Key"}),
            (std::vector<std::string>{
                "KeyDown 37", "KeyChar 65573", "KeyUp 37",                  // Left
                "KeyDown 46", "KeyChar 127",   "KeyUp 46",                  // Delete
                "KeyDown 65", "KeyChar 97",    "KeyUp 65",                  // a
                "KeyDown 16", "KeyUp 16",                                   // shift
                "KeyDown 32", "KeyChar 32",    "KeyUp 32",                  // space
                "KeyDown 16", "KeyDown 65",    "KeyChar 65", "KeyUp 16", "KeyUp 65",  // A
                "KeyDown 432", "KeyUp 432"}));                              // close button
  // The fourth button is ignored; the wheel is no button.
  EXPECT_EQ(LinesStartingWith(log_, {"MouseDown", "MouseUp"}),
            (std::vector<std::string>{"MouseDown 0 100 50", "MouseUp 0 100 50",
                                      "MouseDown 1 100 50", "MouseUp 1 100 50",
                                      "MouseDown 2 100 50", "MouseUp 2 100 50"}));
  const auto moves = LinesStartingWith(log_, {"MouseMove"});
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back(), "MouseMove -1 100 50");

  EXPECT_TRUE(openAfterCloseRequest);
  EXPECT_EQ(windowAfterCloseRequest, window);
}

TEST_F(HostWindow, RecreatingTheWindowReleasesHeldKeysFirst) {
  std::vector<std::string> eventsOfRecreation;
  int sequenceBefore = 0;
  int sequenceAfter = 0;
  size_t mark = 0;
  std::string newWindow;

  RunScript({
      Do([&] {
        FindZandrelWindow();
        Capture("xdotool keydown Left keydown Delete");
      }),
      WaitFor("KeyDown 46"),
      Do([&] {
        mark = log_.size();
        sequenceBefore = glfwGraphicsSeq;
        game_->SetGlfwWindow(640, 480, 8, 8, 8, 0, 0, 0, false);
        sequenceAfter = glfwGraphicsSeq;
        eventsOfRecreation.assign(log_.begin() + mark, log_.end());
        newWindow = FindZandrelWindow();
        Capture("xdotool keyup Left keyup Delete");
        mark = log_.size();
      }),
      // Several passes, so that any event from the released keys would have arrived.
      [&] { return log_.size() > mark + 30; },
  });

  EXPECT_EQ(eventsOfRecreation, (std::vector<std::string>{"KeyUp 46", "KeyUp 37"}));
  EXPECT_EQ(sequenceAfter, sequenceBefore + 1);
  EXPECT_FALSE(newWindow.empty());
  // The new window never saw the keys go down, so their release reports nothing.
  EXPECT_TRUE(LinesStartingWith({log_.begin() + mark, log_.end()}, {"Key"}).empty());
}

TEST_F(HostWindow, FullscreenAndBackKeepTheTitleOnlyInWindowedMode) {
  int fullWidth = 0, fullHeight = 0, windowedWidth = 0, windowedHeight = 0;
  std::string titledWhileFullscreen = "unset";
  std::string titledWhenWindowed;
  const int sequenceBefore = glfwGraphicsSeq;

  RunScript({
      Do([&] { game_->SetDeviceWindow(desktopWidth_, desktopHeight_, 1 | 6); }),
      Do([&] {
        fullWidth = game_->GetDeviceWidth();
        fullHeight = game_->GetDeviceHeight();
        titledWhileFullscreen = FindZandrelWindow(1);
        game_->SetDeviceWindow(640, 480, 0);
      }),
      Do([&] {
        windowedWidth = game_->GetDeviceWidth();
        windowedHeight = game_->GetDeviceHeight();
        titledWhenWindowed = FindZandrelWindow();
      }),
  });

  EXPECT_EQ(fullWidth, desktopWidth_);
  EXPECT_EQ(fullHeight, desktopHeight_);
  EXPECT_EQ(titledWhileFullscreen, "");
  EXPECT_EQ(windowedWidth, 640);
  EXPECT_EQ(windowedHeight, 480);
  EXPECT_FALSE(titledWhenWindowed.empty());
  EXPECT_EQ(glfwGraphicsSeq, sequenceBefore + 3);
}

// The size and focus the loop reads are kept from the window's events, not asked of the
// display server each time: they must still follow what another program does to the
// window.
TEST_F(HostWindow, DeviceSizeAndFocusFollowWhatOtherProgramsDoToTheWindow) {
  std::string window;
  std::thread refocus;
  RunScript({
      Do([&] {
        window = FindZandrelWindow();
        Capture("xdotool windowsize --sync " + window + " 800 600");
      }),
      [&] { return game_->GetDeviceWidth() == 800 && game_->GetDeviceHeight() == 600; },
      Do([&] {
        // Focus goes to the desktop; the suspended loop waits for events and runs no
        // update until the focus comes back.
        Capture("xdotool windowfocus --sync $(xdotool search --maxdepth 0 '')");
        refocus = std::thread([window] {
          std::this_thread::sleep_for(300ms);
          Capture("xdotool windowfocus --sync " + window);
        });
      }),
      WaitFor("Resume"),
  });
  if (refocus.joinable()) refocus.join();
  EXPECT_EQ(LinesStartingWith(log_, {"Suspend", "Resume"}),
            (std::vector<std::string>{"Suspend", "Resume"}));
}

// Task bars that read the icon from the window find the application icon's pictures.
TEST_F(HostWindow, TheWindowCarriesTheApplicationIcon) {
  std::string sizes;
  RunScript({Do([&] {
    sizes = Capture("xprop -id " + FindZandrelWindow() +
                    " _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\\n' ' '");
  })});
  EXPECT_EQ(sizes, "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) Icon (64 x 64) Icon (128 x 128) ");
}

TEST_F(HostWindow, HiddenCursorStaysHiddenInANewWindow) {
  int cursorBefore = 0, cursorAfter = 0;
  RunScript({Do([&] {
    game_->SetMouseVisible(false);
    cursorBefore = glfwGetInputMode(game_->WindowSystem().Window(), GLFW_CURSOR);
    game_->SetGlfwWindow(640, 480, 8, 8, 8, 0, 0, 0, false);
    cursorAfter = glfwGetInputMode(game_->WindowSystem().Window(), GLFW_CURSOR);
  })});
  EXPECT_EQ(cursorBefore, GLFW_CURSOR_HIDDEN);
  EXPECT_EQ(cursorAfter, GLFW_CURSOR_HIDDEN);
}

TEST_F(HostWindow, ClockAndModesComeFromTheWindowSystem) {
  const double before = glfwGetTime();
  const int millisecs = game_->Millisecs();
  const double after = glfwGetTime();
  EXPECT_GE(millisecs, static_cast<int>(before * 1000));
  EXPECT_LE(millisecs, static_cast<int>(after * 1000));

  ZuDisplayMode* desktop = game_->GetDesktopMode();
  ASSERT_NE(desktop, nullptr);
  EXPECT_EQ(desktop->width, desktopWidth_);
  EXPECT_EQ(desktop->height, desktopHeight_);
  ZuGlfwVideoMode* video = game_->GetGlfwDesktopMode();
  ASSERT_NE(video, nullptr);
  EXPECT_EQ(video->width, desktopWidth_);
  EXPECT_GT(video->redBits, 0);

  int count = 0;
  glfwGetVideoModes(glfwGetPrimaryMonitor(), &count);
  Array<ZuDisplayMode*> modes = game_->GetDisplayModes();
  EXPECT_EQ(modes.Length(), count);
  EXPECT_EQ(game_->GetGlfwVideoModes().Length(), count);
}

}  // namespace
