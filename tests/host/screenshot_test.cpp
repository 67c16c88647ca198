#include "host/screenshot.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "stb_image.h"
#include "tests/host/temp_working_directory.h"

namespace {

using Screenshot = TempWorkingDirectoryTest;

TEST_F(Screenshot, PngHasTheRowsTopDownAndEveryColourExact) {
  // Two rows as OpenGL gives them: the bottom row first.
  const std::vector<unsigned char> bottomUp = {1, 2, 3,    4, 5, 6,    7, 8, 9,
                                               250, 0, 0,  0, 250, 0,  0, 0, 250};
  ASSERT_TRUE(zu_WriteBottomUpPng("shot.png", 3, 2, bottomUp));
  int width, height, channels;
  std::unique_ptr<unsigned char, decltype(&stbi_image_free)> pixels(
      stbi_load("shot.png", &width, &height, &channels, 3), stbi_image_free);
  ASSERT_TRUE(pixels);
  EXPECT_EQ(width, 3);
  EXPECT_EQ(height, 2);
  const std::vector<unsigned char> topDown(pixels.get(), pixels.get() + 18);
  EXPECT_EQ(topDown, (std::vector<unsigned char>{250, 0, 0,  0, 250, 0,  0, 0, 250,
                                                 1, 2, 3,    4, 5, 6,    7, 8, 9}));
}

TEST_F(Screenshot, PngOfTheWrongSizeOrInAMissingFolderIsNotWritten) {
  EXPECT_FALSE(zu_WriteBottomUpPng("short.png", 2, 2, std::vector<unsigned char>(11)));
  EXPECT_FALSE(zu_WriteBottomUpPng("none/shot.png", 1, 1, std::vector<unsigned char>(3)));
  EXPECT_FALSE(std::filesystem::exists("short.png"));
}

TEST_F(Screenshot, NamesAreDateAndTimeAndNeverReplaceAnEarlierShot) {
  const std::string first = zu_ScreenshotPath(".");
  // ./zandrel-YYYY-MM-DD_HH-MM-SS.png
  ASSERT_EQ(first.size(), std::string("./zandrel-2026-12-07_15-22-36.png").size()) << first;
  EXPECT_EQ(first.substr(0, 10), "./zandrel-");
  EXPECT_EQ(first.substr(first.size() - 4), ".png");
  std::ofstream(first) << "x";
  const std::string second = zu_ScreenshotPath(".");
  // Within the same second the name gets a number; a new second gives a new name.
  if (second.size() == first.size()) {
    EXPECT_NE(second, first);
  } else {
    EXPECT_EQ(second, first.substr(0, first.size() - 4) + "-2.png");
  }
}

}  // namespace
