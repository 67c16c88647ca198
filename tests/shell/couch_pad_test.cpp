// A player with a pad alone, the pad scripted at the host's joystick layer: the whole
// round in couch mode (start a game, pause and quit it, the options with the overscan
// bar, the quit confirmation), the credits and badges boxes on the desktop, and a pad
// pulled out during play.
#include <GLFW/glfw3.h>

#include "framework/input.h"
#include "host/glfw_game.h"
#include "shell/quor.h"
#include "tests/host/scripted_joysticks.h"
#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kSlot = 2;  // the pad lands in the window system's third slot

class CouchPad : public ShellTest {
 protected:
  void Boot(bool couch) {
    ZuGlfwGame::_couchMode = couch;
    zu_Quor_Init();
    ZuGlfwGame::_couchMode = false;
    host.padsThroughHostLayer = true;
    app->p_OnCreate();
    zu_app_ValidateDeviceWindow(true);
    app->p_OnRender();
    while (app->m_ReloadPending > 0) Update();
    Updates(40);  // the menu's panel slides in
  }
  void TearDown() override { zu_Quor_isConsole = 0; }
  void Updates(int n) {
    for (int i = 0; i < n; ++i) Update();
  }
  // A button held for two updates and released for two, as a thumb does.
  void Tap(int button) {
    pads.Press(kSlot, button);
    Updates(2);
    pads.Release(kSlot, button);
    Updates(2);
  }
  ScriptedJoysticks pads;
};

TEST_F(CouchPad, TheWholeRoundWithThePadAlone) {
  Boot(true);
  ASSERT_EQ(zu_Quor_isConsole, 1);
  pads.PlugPad(kSlot);
  Updates(2);

  Tap(GLFW_GAMEPAD_BUTTON_A);
  ASSERT_EQ(app->m_Mode, 10) << "A starts the chosen game";
  EXPECT_EQ(app->m_Platform, 1) << "the pad's glyphs";
  Updates(30);
  Tap(GLFW_GAMEPAD_BUTTON_Y);
  ASSERT_EQ(app->m_Paused, 1) << "the console's pause control";
  Updates(20);
  Tap(GLFW_GAMEPAD_BUTTON_DPAD_LEFT);
  EXPECT_EQ(app->m_PauseSel, -1);
  const int savesBefore = host.saves;
  Tap(GLFW_GAMEPAD_BUTTON_A);
  EXPECT_GT(app->m_Dead, 0);
  Updates(100);
  ASSERT_EQ(app->m_Mode, 1) << "back in the menu after the game-over banner";
  EXPECT_GT(host.saves, savesBefore) << "the score was recorded";
  Updates(40);  // the banner retracts, swallowing input

  Tap(GLFW_GAMEPAD_BUTTON_LEFT_BUMPER);
  ASSERT_EQ(app->m_OptionsOpen, 1);
  Updates(32);
  const int border = app->m_Options[14];
  Tap(GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER);
  EXPECT_EQ(app->m_Options[14], std::min(border + 16, 96));
  EXPECT_EQ(zu_Quor_overscan, static_cast<float>(app->m_Options[14]));
  Tap(GLFW_GAMEPAD_BUTTON_BACK);
  EXPECT_EQ(app->m_OptionsOpen, 0);
  Updates(32);

  Tap(GLFW_GAMEPAD_BUTTON_BACK);
  ASSERT_EQ(app->m_Mode, 4) << "back asks before quitting";
  Tap(GLFW_GAMEPAD_BUTTON_A);
  ASSERT_EQ(app->m_Mode, 1) << "A returns to the fun";
  Tap(GLFW_GAMEPAD_BUTTON_BACK);
  ASSERT_EQ(app->m_Mode, 4);
  EXPECT_EXIT(Tap(GLFW_GAMEPAD_BUTTON_BACK), ::testing::ExitedWithCode(0), "")
      << "back again quits";
}

TEST_F(CouchPad, CreditsAndBadgesOpenAndCloseWithThePadOnTheDesktop) {
  Boot(false);
  pads.PlugPad(kSlot);
  Updates(2);
  Tap(GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER);
  ASSERT_EQ(app->m_CreditsOpen, 1);
  Updates(30);
  Tap(GLFW_GAMEPAD_BUTTON_B);
  EXPECT_EQ(app->m_CreditsOpen, 0);
  Updates(30);

  // The options' last row, Credits, below Sound, iCade and Screen.
  Tap(GLFW_GAMEPAD_BUTTON_LEFT_BUMPER);
  ASSERT_EQ(app->m_OptionsOpen, 1);
  Updates(32);
  for (int row = 1; row <= 4; ++row) Tap(GLFW_GAMEPAD_BUTTON_DPAD_DOWN);
  Tap(GLFW_GAMEPAD_BUTTON_A);
  ASSERT_EQ(app->m_CreditsOpen, 1);
  EXPECT_EQ(app->m_OptionsOpen, 0);
  Updates(30);
  Tap(GLFW_GAMEPAD_BUTTON_BACK);  // on the desktop back ends the program, but not from a box
  EXPECT_EQ(app->m_CreditsOpen, 0);
  Updates(30);

  // Nothing opens the badges box in this build; once open, the pad scrolls and closes it.
  app->m_BadgesOpen = 1;
  pads.Press(kSlot, GLFW_GAMEPAD_BUTTON_DPAD_DOWN);
  Updates(3);
  pads.Release(kSlot, GLFW_GAMEPAD_BUTTON_DPAD_DOWN);
  Updates(2);
  EXPECT_EQ(app->m_BadgeBoxB, -48);
  Tap(GLFW_GAMEPAD_BUTTON_BACK);
  EXPECT_EQ(app->m_BadgesOpen, 0);
  Updates(30);
  EXPECT_EQ(app->m_Mode, 1);
}

TEST_F(CouchPad, APadPulledOutDuringPlayPausesAndTheKeyboardResumes) {
  Boot(false);
  pads.PlugPad(kSlot);
  Updates(2);
  Tap(GLFW_GAMEPAD_BUTTON_A);
  ASSERT_EQ(app->m_Mode, 10);
  Updates(10);
  pads.Press(kSlot, GLFW_GAMEPAD_BUTTON_DPAD_RIGHT);
  Update();
  pads.Unplug(kSlot);
  Update();
  EXPECT_EQ(app->m_Paused, 1);
  EXPECT_FALSE(zu_input_JoyDown(10, 0)) << "the pulled pad holds nothing";
  Updates(20);
  KeyDown(13);
  Updates(2);
  KeyUp(13);
  Updates(20);
  EXPECT_EQ(app->m_Paused, 0);
  EXPECT_EQ(app->m_Mode, 10);
}

}  // namespace
