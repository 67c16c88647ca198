#include "host/url_opener.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

TEST(NarrowUrl, EachCodeUnitKeepsItsLowByte) {
  const char16_t units[] = {u'h', u'/', 0x00E9, 0x0141, 0x2603, 0xFF3F};
  EXPECT_EQ(zu_NarrowUrl(String(units, 6)), std::string("h/\xE9\x41\x03\x3F"));
}

// The file `path` once it exists with content, waiting a while for a detached process.
std::string ReadWhenWritten(const std::filesystem::path& path) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    std::ifstream in(path);
    std::stringstream content;
    content << in.rdbuf();
    if (!content.str().empty()) return content.str();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return "";
}

class SpawnDetached : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("zandrel-spawn-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::filesystem::path dir_;
};

TEST_F(SpawnDetached, ShellCharactersArriveAsOneArgument) {
  const std::string out = (dir_ / "out").string();
  const std::string argument = "a b;touch " + (dir_ / "injected").string() + " $(x) '\"";
  ASSERT_TRUE(zu_SpawnDetached("sh", {"-c", "printf '%s|%s' \"$#\" \"$1\" > \"$0\"", out,
                                      argument}));
  EXPECT_EQ(ReadWhenWritten(out), "1|" + argument);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "injected"));
}

TEST_F(SpawnDetached, LeavesNoChildToReap) {
  ASSERT_TRUE(zu_SpawnDetached("true", {}));
  int status = 0;
  errno = 0;
  EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST_F(SpawnDetached, DoesNotShareTheGamesStandardStreams) {
  // The game's input holds unread data and its output goes to a file while the opener runs.
  int input[2];
  ASSERT_EQ(::pipe(input), 0);
  ASSERT_EQ(::write(input[1], "secret", 6), 6);
  ::close(input[1]);
  const std::string gameOutput = (dir_ / "game-output").string();
  std::fflush(stdout);
  const int savedIn = ::dup(STDIN_FILENO);
  const int savedOut = ::dup(STDOUT_FILENO);
  ::dup2(input[0], STDIN_FILENO);
  std::FILE* captured = std::fopen(gameOutput.c_str(), "w");
  ::dup2(::fileno(captured), STDOUT_FILENO);

  const std::string out = (dir_ / "stdin-bytes").string();
  const bool spawned = zu_SpawnDetached("sh", {"-c", "echo leaked; wc -c > \"$0\"", out});

  ::dup2(savedIn, STDIN_FILENO);
  ::dup2(savedOut, STDOUT_FILENO);
  ::close(savedIn);
  ::close(savedOut);
  ::close(input[0]);
  std::fclose(captured);
  ASSERT_TRUE(spawned);
  EXPECT_EQ(ReadWhenWritten(out), "0\n");
  EXPECT_EQ(std::filesystem::file_size(gameOutput), 0u);
}

}  // namespace
