// The desktop host's window-system callbacks, called as GLFW would call them.
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include "host/glfw_game.h"
#include "tests/host/recording_delegate.h"

namespace {

class GlfwInput : public ::testing::Test {
 protected:
  void SetUp() override {
    game_.SetDelegate(gc_new<RecordingDelegate>(&log_));
    game_.StartGame();
    log_.clear();
  }

  CallLog log_;
  ZuGlfwGame game_;
};

TEST_F(GlfwInput, LeftArrowPressGivesKeyDownThenItsCharacter) {
  ZuGlfwGame::OnKey(GLFW_KEY_LEFT, GLFW_PRESS);
  EXPECT_EQ(log_, (CallLog{"KeyDown 37", "KeyChar 65573"}));
}

TEST_F(GlfwInput, DeletePressGivesKeyDownThen127) {
  ZuGlfwGame::OnKey(GLFW_KEY_DELETE, GLFW_PRESS);
  EXPECT_EQ(log_, (CallLog{"KeyDown 46", "KeyChar 127"}));
}

TEST_F(GlfwInput, PrintableKeyTypesOnlyThroughTheCharacterCallback) {
  ZuGlfwGame::OnKey(GLFW_KEY_A, GLFW_PRESS);
  ZuGlfwGame::OnChar('a', GLFW_PRESS);
  ZuGlfwGame::OnKey(GLFW_KEY_A, GLFW_RELEASE);
  EXPECT_EQ(log_, (CallLog{"KeyDown 65", "KeyChar 97", "KeyUp 65"}));
}

TEST_F(GlfwInput, ReleaseSendsKeyUpWithoutCharacter) {
  ZuGlfwGame::OnKey(GLFW_KEY_ESCAPE, GLFW_RELEASE);
  EXPECT_EQ(log_, (CallLog{"KeyUp 27"}));
}

TEST_F(GlfwInput, RepeatsArriveAsFurtherPresses) {
  ZuGlfwGame::OnKey(GLFW_KEY_BACKSPACE, GLFW_PRESS);
  ZuGlfwGame::OnKey(GLFW_KEY_BACKSPACE, GLFW_REPEAT);
  EXPECT_EQ(log_, (CallLog{"KeyDown 8", "KeyChar 8", "KeyDown 8", "KeyChar 8"}));
}

TEST_F(GlfwInput, BothShiftAndBothControlKeysShareOneCode) {
  ZuGlfwGame::OnKey(GLFW_KEY_LEFT_SHIFT, GLFW_PRESS);
  ZuGlfwGame::OnKey(GLFW_KEY_RIGHT_SHIFT, GLFW_PRESS);
  ZuGlfwGame::OnKey(GLFW_KEY_LEFT_CONTROL, GLFW_PRESS);
  ZuGlfwGame::OnKey(GLFW_KEY_RIGHT_CONTROL, GLFW_RELEASE);
  EXPECT_EQ(log_, (CallLog{"KeyDown 16", "KeyDown 16", "KeyDown 17", "KeyUp 17"}));
}

TEST_F(GlfwInput, UnreportedKeysSendNothingAtAll) {
  for (int key : {GLFW_KEY_F13, GLFW_KEY_LEFT_ALT, GLFW_KEY_KP_ENTER, GLFW_KEY_PAUSE,
                  GLFW_KEY_CAPS_LOCK}) {
    ZuGlfwGame::OnKey(key, GLFW_PRESS);
    ZuGlfwGame::OnKey(key, GLFW_RELEASE);
  }
  EXPECT_TRUE(log_.empty());
}

TEST_F(GlfwInput, TheScreenshotKeyNeverReachesTheApplication) {
  ZuGlfwGame::OnKey(GLFW_KEY_F12, GLFW_PRESS);
  ZuGlfwGame::OnKey(GLFW_KEY_F12, GLFW_REPEAT);
  ZuGlfwGame::OnKey(GLFW_KEY_F12, GLFW_RELEASE);
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(game_._screenshotWanted);
  ZuGlfwGame::OnKey(GLFW_KEY_F11, GLFW_PRESS);
  EXPECT_EQ(log_, (CallLog{"KeyDown 122"}));
}

TEST_F(GlfwInput, CharactersOnlyOnPress) {
  ZuGlfwGame::OnChar(0x20AC, GLFW_PRESS);
  ZuGlfwGame::OnChar('x', GLFW_RELEASE);
  EXPECT_EQ(log_, (CallLog{"KeyChar 8364"}));
}

TEST_F(GlfwInput, MouseButtonsAtThePointerWithoutAWindowAreAtTheOrigin) {
  ZuGlfwGame::OnMouseButton(GLFW_MOUSE_BUTTON_LEFT, GLFW_PRESS);
  ZuGlfwGame::OnMouseButton(GLFW_MOUSE_BUTTON_RIGHT, GLFW_PRESS);
  ZuGlfwGame::OnMouseButton(GLFW_MOUSE_BUTTON_MIDDLE, GLFW_RELEASE);
  EXPECT_EQ(log_, (CallLog{"MouseDown 0 0 0", "MouseDown 1 0 0", "MouseUp 2 0 0"}));
}

TEST_F(GlfwInput, MouseButtonsAboveTwoAreIgnored) {
  ZuGlfwGame::OnMouseButton(3, GLFW_PRESS);
  ZuGlfwGame::OnMouseButton(GLFW_MOUSE_BUTTON_LAST, GLFW_RELEASE);
  EXPECT_TRUE(log_.empty());
}

TEST_F(GlfwInput, PointerMovesKeepFractions) {
  ZuGlfwGame::OnMousePos(12.5, 3.0);
  EXPECT_EQ(log_, (CallLog{"MouseMove -1 12.5 3"}));
}

TEST_F(GlfwInput, CloseButtonSendsCloseKeyDownAndUpAndKeepsTheWindow) {
  EXPECT_EQ(ZuGlfwGame::OnWindowClose(), 0);
  EXPECT_EQ(log_, (CallLog{"KeyDown 432", "KeyUp 432"}));
}

}  // namespace
