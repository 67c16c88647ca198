// The desktop host's own state and its file operations, without a window.
#include "host/glfw_game.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

TEST(GlfwGamePaths, VirtualSchemeMapsOntoTheDirectoriesBesideTheWorkingDirectory) {
  ZuGlfwGame game;
  const std::pair<const char*, const char*> table[] = {
      {"vantor://data/a.png", "./data/a.png"},
      {"vantor://internal/x/y.txt", "./internal/x/y.txt"},
      {"vantor://external/z", "./external/z"},
      {"vantor://cache/a.png", ""},
      {"vantor:data/a.png", ""},
      {"vantor:", ""},
      {"data/a.png", "data/a.png"},
      {"Vantor://data/a.png", "Vantor://data/a.png"},
      {"./.vantorstate", "./.vantorstate"},
  };
  for (const auto& [path, file] : table) {
    EXPECT_EQ(game.PathToFilePath(String(path)).ToUtf8(), file) << path;
  }
}

TEST(GlfwGamePaths, BaseHostKeepsEveryPath) {
  ZuGame game;
  EXPECT_EQ(game.PathToFilePath(String("vantor://data/a.png")).ToUtf8(), "vantor://data/a.png");
  EXPECT_EQ(game.PathToFilePath(String("vantor://cache/a")).ToUtf8(), "vantor://cache/a");
}

class GlfwGameFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories("data");
    name_ = "host-file-test-" + std::to_string(::getpid()) + ".txt";
    std::ofstream("data/" + name_, std::ios::binary) << "caf\xC3\xA9";
  }
  void TearDown() override { std::filesystem::remove("data/" + name_); }

  String Virtual(const char* root) const { return String(root) + String(name_.c_str()); }

  std::string name_;
  ZuGlfwGame game_;
};

TEST_F(GlfwGameFiles, OpenFileReadsThroughTheScheme) {
  std::FILE* file = game_.OpenFile(Virtual("vantor://data/"), String("rb"));
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_EQ(game_.OpenFile(Virtual("vantor://cache/"), String("rb")), nullptr);
}

TEST_F(GlfwGameFiles, LoadStringDecodesUtf8) {
  const char16_t expected[] = {u'c', u'a', u'f', 0x00E9};
  EXPECT_EQ(game_.LoadString(Virtual("vantor://data/")), String(expected, 4));
  EXPECT_EQ(game_.LoadString(Virtual("vantor://external/")), String());
}

TEST_F(GlfwGameFiles, LoadDataGivesTheBytes) {
  int length = -1;
  unsigned char* data = game_.LoadData(Virtual("vantor://data/"), &length);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(data), length), "caf\xC3\xA9");
  std::free(data);
  length = -1;
  EXPECT_EQ(game_.LoadData(Virtual("vantor://cache/"), &length), nullptr);
  EXPECT_EQ(length, -1);
}

TEST(GlfwGameUpdateRate, NewRateSetsThePeriodAndClearsTheSchedule) {
  ZuGlfwGame game;
  game._nextUpdate = 12.5;
  game.SetUpdateRate(60);
  EXPECT_EQ(game.UpdateRate(), 60);
  EXPECT_DOUBLE_EQ(game._updatePeriod, 1.0 / 60);
  EXPECT_EQ(game._nextUpdate, 0.0);
}

TEST(GlfwGameUpdateRate, RateZeroKeepsThePeriod) {
  ZuGlfwGame game;
  game.SetUpdateRate(5);
  game._nextUpdate = 3.0;
  game.SetUpdateRate(0);
  EXPECT_EQ(game.UpdateRate(), 0);
  EXPECT_DOUBLE_EQ(game._updatePeriod, 0.2);
  EXPECT_EQ(game._nextUpdate, 0.0);
}

}  // namespace
