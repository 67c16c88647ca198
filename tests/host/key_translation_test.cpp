#include "host/key_translation.h"

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <map>

namespace {

// Every key that has a framework code, row by row, in GLFW 3 terms.
const std::map<int, int>& ReportedKeys() {
  static const std::map<int, int> table = [] {
    std::map<int, int> keys = {
        {GLFW_KEY_SPACE, 32},         {GLFW_KEY_APOSTROPHE, 222},   {GLFW_KEY_COMMA, 188},
        {GLFW_KEY_MINUS, 189},        {GLFW_KEY_PERIOD, 190},       {GLFW_KEY_SLASH, 191},
        {GLFW_KEY_SEMICOLON, 186},    {GLFW_KEY_EQUAL, 187},        {GLFW_KEY_LEFT_BRACKET, 219},
        {GLFW_KEY_BACKSLASH, 220},    {GLFW_KEY_RIGHT_BRACKET, 221}, {GLFW_KEY_GRAVE_ACCENT, 192},
        {GLFW_KEY_ESCAPE, 27},        {GLFW_KEY_UP, 38},            {GLFW_KEY_DOWN, 40},
        {GLFW_KEY_LEFT, 37},          {GLFW_KEY_RIGHT, 39},         {GLFW_KEY_LEFT_SHIFT, 16},
        {GLFW_KEY_RIGHT_SHIFT, 16},   {GLFW_KEY_LEFT_CONTROL, 17},  {GLFW_KEY_RIGHT_CONTROL, 17},
        {GLFW_KEY_TAB, 9},            {GLFW_KEY_ENTER, 13},         {GLFW_KEY_BACKSPACE, 8},
        {GLFW_KEY_INSERT, 45},        {GLFW_KEY_DELETE, 46},        {GLFW_KEY_PAGE_UP, 33},
        {GLFW_KEY_PAGE_DOWN, 34},     {GLFW_KEY_HOME, 36},          {GLFW_KEY_END, 35},
        {GLFW_KEY_KP_DIVIDE, 111},    {GLFW_KEY_KP_MULTIPLY, 106},  {GLFW_KEY_KP_SUBTRACT, 109},
        {GLFW_KEY_KP_ADD, 107},       {GLFW_KEY_KP_DECIMAL, 110},
    };
    for (int i = 0; i < 12; ++i) keys[GLFW_KEY_F1 + i] = 112 + i;
    for (int i = 0; i < 10; ++i) keys[GLFW_KEY_KP_0 + i] = 96 + i;
    for (int key = GLFW_KEY_0; key <= GLFW_KEY_9; ++key) keys[key] = key;
    for (int key = GLFW_KEY_A; key <= GLFW_KEY_Z; ++key) keys[key] = key;
    return keys;
  }();
  return table;
}

TEST(KeyTranslation, EveryRowOfTheTable) {
  for (const auto& [glfwKey, code] : ReportedKeys()) {
    EXPECT_EQ(zu_TranslateGlfwKey(glfwKey), code) << "GLFW key " << glfwKey;
  }
}

TEST(KeyTranslation, KeysWithoutAFrameworkCodeAreNotReported) {
  const int unreported[] = {
      GLFW_KEY_F13,         GLFW_KEY_F20,        GLFW_KEY_F25,          GLFW_KEY_LEFT_ALT,
      GLFW_KEY_RIGHT_ALT,   GLFW_KEY_KP_EQUAL,   GLFW_KEY_KP_ENTER,     GLFW_KEY_CAPS_LOCK,
      GLFW_KEY_NUM_LOCK,    GLFW_KEY_SCROLL_LOCK, GLFW_KEY_PAUSE,       GLFW_KEY_PRINT_SCREEN,
      GLFW_KEY_LEFT_SUPER,  GLFW_KEY_RIGHT_SUPER, GLFW_KEY_MENU,        GLFW_KEY_WORLD_1,
      GLFW_KEY_WORLD_2,     GLFW_KEY_UNKNOWN};
  for (int key : unreported) EXPECT_EQ(zu_TranslateGlfwKey(key), 0) << "GLFW key " << key;
}

TEST(KeyTranslation, NoOtherCodeInTheWholeRangeIsReported) {
  for (int key = -1; key <= GLFW_KEY_LAST + 1; ++key) {
    if (ReportedKeys().count(key)) continue;
    EXPECT_EQ(zu_TranslateGlfwKey(key), 0) << "GLFW key " << key;
  }
}

TEST(KeyToChar, ControlKeysTypeThemselves) {
  EXPECT_EQ(zu_KeyToChar(8), 8);
  EXPECT_EQ(zu_KeyToChar(9), 9);
  EXPECT_EQ(zu_KeyToChar(13), 13);
  EXPECT_EQ(zu_KeyToChar(27), 27);
}

TEST(KeyToChar, NavigationKeysTypeTheirCodeWithBit16) {
  for (int key = 33; key <= 40; ++key) EXPECT_EQ(zu_KeyToChar(key), key + 65536) << key;
  EXPECT_EQ(zu_KeyToChar(45), 65581);
  EXPECT_EQ(zu_KeyToChar(37), 65573);
}

TEST(KeyToChar, DeleteTypes127) { EXPECT_EQ(zu_KeyToChar(46), 127); }

TEST(KeyToChar, EveryOtherKeyTypesNothing) {
  for (int key = -1; key < 512; ++key) {
    const bool typing = key == 8 || key == 9 || key == 13 || key == 27 ||
                        (key >= 33 && key <= 40) || key == 45 || key == 46;
    if (!typing) {
      EXPECT_EQ(zu_KeyToChar(key), 0) << key;
    }
  }
}

}  // namespace
