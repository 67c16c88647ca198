// Mappings from SDL_GAMECONTROLLERCONFIG go through the window system's own parser: good
// lines are taken, malformed ones are reported in one line and the rest still applies.
#include "host/gamepad_mappings.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// A pad of our own making in the database's format (identifier, name, buttons and axes).
constexpr const char* kMapping =
    "03000000aa5500001111000000010000,Sofa Test Pad,a:b0,b:b1,x:b2,y:b3,back:b6,start:b7,"
    "leftx:a0,lefty:a1,platform:Linux,";

std::string Applied(const std::string& value, int* taken) {
  std::FILE* errors = std::tmpfile();
  *taken = zu_ApplyGamepadMappings(value.c_str(), errors);
  std::rewind(errors);
  std::string text;
  for (int c; (c = std::fgetc(errors)) != EOF;) text += static_cast<char>(c);
  std::fclose(errors);
  return text;
}

class GamepadMappings : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(glfwInit()); }
  void TearDown() override { glfwTerminate(); }
};

TEST_F(GamepadMappings, AGoodMappingIsTakenSilently) {
  int taken = 0;
  EXPECT_EQ(Applied(std::string("# the sofa's pad\n") + kMapping + "\n\n", &taken), "");
  EXPECT_EQ(taken, 1);
}

TEST_F(GamepadMappings, MalformedLinesAreReportedOnceAndTheRestApplies) {
  int taken = 0;
  const std::string report =
      Applied(std::string("030000,short identifier,a:b0,\r\n") + kMapping +
                  "\nnot a mapping at all\n03000000aa5500001111000000010000",
              &taken);
  EXPECT_EQ(taken, 1);
  EXPECT_EQ(report.rfind("zandrel: ignoring 3 malformed gamepad mappings in "
                         "SDL_GAMECONTROLLERCONFIG (", 0), 0u) << report;
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
}

}  // namespace
