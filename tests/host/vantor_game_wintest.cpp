// The program's entry on a real X display: start-up order, its three ways to end, and the
// program as a user runs it.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "host/report.h"
#include "host/vantor_game.h"
#include "tests/host/x11_test_client.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;

// Main as the program runs it, with no arguments but its name.
int RunMain() {
  char* argv[] = {const_cast<char*>("zandrel"), nullptr};
  return ZuVantorGame::Main(1, argv);
}

// The message lines go to standard output; death tests read standard error.
void PrintToStandardError() { ::dup2(STDERR_FILENO, STDOUT_FILENO); }

void MainWithoutDisplay() {
  PrintToStandardError();
  ::unsetenv("DISPLAY");
  RunMain();
}

TEST(MainDeathTest, WithoutADisplayTheWindowSystemCannotStart) {
  EXPECT_EXIT(MainWithoutDisplay(), ::testing::ExitedWithCode(255),
              "^zandrel: a graphical display is needed to play \\(X11: The DISPLAY environment "
              "variable is missing\\)\nglfwInit failed\n$");
}

void MainWithoutApplication() {
  ZuVantorGame::SetApplicationEntry({});
  const int status = RunMain();
  std::fprintf(stderr, "returned %d, window %s\n", status,
               ZuGlfwGame::_glfwGame->WindowSystem().Window() ? "opened" : "never opened");
  std::exit(status);
}

TEST(MainDeathTest, NoApplicationEndsNormallyWithoutAWindow) {
  EXPECT_EXIT(MainWithoutApplication(), ::testing::ExitedWithCode(0),
              "^returned 0, window never opened\n$");
}

void MainWithFailingApplication() {
  PrintToStandardError();
  ZuVantorGame::SetApplicationEntry({nullptr, [] { throw gc_new<ThrowableObject>(); }});
  RunMain();
}

TEST(MainDeathTest, ExceptionWhileCreatingTheApplicationIsFatal) {
  EXPECT_EXIT(MainWithFailingApplication(), ::testing::ExitedWithCode(255),
              "^Vantor Runtime Error : Uncaught Vantor Exception\n$");
}

// Reports each start-up step on standard error and ends the program in its first update.
struct StartUpProbe : ZuGameDelegate {
  bool rendered = false;
  void StartGame() override {
    std::fprintf(stderr, "start %dx%d\n", ZuGame::_game->GetDeviceWidth(),
                 ZuGame::_game->GetDeviceHeight());
  }
  void RenderGame() override {
    if (!rendered) std::fprintf(stderr, "render\n");
    rendered = true;
  }
  void UpdateGame() override {
    std::fprintf(stderr, "update\n");
    zuError(String());
  }
};

void MainWithProbe() {
  ZuVantorGame::SetApplicationEntry({
      [] { std::fprintf(stderr, "init\n"); },
      [] {
        std::fprintf(stderr, "create argc=%d %s\n", ZuVantorGame::argc, ZuVantorGame::argv[1]);
        ZuGame::_game->SetDelegate(gc_new<StartUpProbe>());
      },
  });
  char* argv[] = {const_cast<char*>("zandrel"), const_cast<char*>("--ignored"), nullptr};
  ZuVantorGame::Main(2, argv);
  std::exit(3);  // not reached: the application ends the program
}

TEST(MainDeathTest, StartsInOrderAndEndsThroughTheApplication) {
  EXPECT_EXIT(MainWithProbe(), ::testing::ExitedWithCode(0),
              "^init\ncreate argc=2 --ignored\nstart 640x480\nrender\nupdate\n$");
}

// --- the program as a user runs it ---

class ZandrelProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    char* argv[] = {const_cast<char*>(ZANDREL_EXECUTABLE), nullptr};
    ASSERT_EQ(::posix_spawn(&pid_, ZANDREL_EXECUTABLE, nullptr, nullptr, argv, environ), 0);
    window_ = FindZandrelWindow();
    ASSERT_FALSE(window_.empty());
  }

  void TearDown() override {
    if (pid_ > 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
  }

  // The program's exit status once it ends, or -1000 if it is still running after a while.
  int ExitStatus() {
    for (auto waited = 0ms; waited < 10s; waited += 20ms) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -2000;
      }
      std::this_thread::sleep_for(20ms);
    }
    return -1000;
  }

  pid_t pid_ = -1;
  std::string window_;
};

TEST_F(ZandrelProgram, CloseButtonEndsItWithStatusZero) {
  ASSERT_TRUE(SendCloseRequest(window_));
  EXPECT_EQ(ExitStatus(), 0);
}

}  // namespace
