#include "host/display_mode.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(DisplayModes, OneRecordPerModeInOrderWithDuplicatesKept) {
  const GLFWvidmode modes[] = {{640, 480, 8, 8, 8, 60},
                               {1920, 1080, 8, 8, 8, 60},
                               {1920, 1080, 5, 6, 5, 60},
                               {800, 600, 8, 8, 8, 75}};
  Array<ZuDisplayMode*> records = zu_DisplayModesFrom(modes, 4);
  ASSERT_EQ(records.Length(), 4);
  std::vector<std::pair<int, int>> sizes;
  for (ZuDisplayMode* mode : records) sizes.emplace_back(mode->width, mode->height);
  EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{
                       {640, 480}, {1920, 1080}, {1920, 1080}, {800, 600}}));
  EXPECT_EQ(records[1]->depth, 0);
  EXPECT_EQ(records[1]->format, 0);
  EXPECT_EQ(records[1]->hertz, 0);
}

TEST(DisplayModes, NoModesGiveTheEmptyArray) {
  EXPECT_EQ(zu_DisplayModesFrom(nullptr, 0).Length(), 0);
  const GLFWvidmode one = {640, 480, 8, 8, 8, 60};
  EXPECT_EQ(zu_DisplayModesFrom(&one, 0).Length(), 0);
  EXPECT_EQ(zu_VideoModesFrom(nullptr, 3).Length(), 0);
}

TEST(DisplayModes, AtMost1024AreTaken) {
  std::vector<GLFWvidmode> modes(1500, GLFWvidmode{320, 200, 8, 8, 8, 60});
  modes[1023].width = 1023;
  Array<ZuDisplayMode*> records = zu_DisplayModesFrom(modes.data(), 1500);
  ASSERT_EQ(records.Length(), 1024);
  EXPECT_EQ(records[1023]->width, 1023);
}

TEST(VideoModes, ColourBitsGoToTheirNamedFields) {
  const GLFWvidmode mode = {1280, 1024, 5, 6, 4, 60};
  Array<ZuGlfwVideoMode*> records = zu_VideoModesFrom(&mode, 1);
  ASSERT_EQ(records.Length(), 1);
  EXPECT_EQ(records[0]->width, 1280);
  EXPECT_EQ(records[0]->height, 1024);
  EXPECT_EQ(records[0]->redBits, 5);
  EXPECT_EQ(records[0]->greenBits, 6);
  EXPECT_EQ(records[0]->blueBits, 4);
}

}  // namespace
