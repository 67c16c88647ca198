// Logical controls: which keys, joystick buttons, axes and virtual slots press each one,
// for which players, and how iCade and the console build change that.
#include <string>
#include <vector>

#include "tests/shell/shell_fixture.h"

namespace {

constexpr int kUpArrow = 38;
constexpr int kSpace = 32;
constexpr int kEscape = 27;

int JoyCode(int player, int button) { return 256 + 32 * player + button; }

class Controls : public ShellTest {
 protected:
  void SetJoyAxes(int player, float x, float y) {
    input->m_JoyStates[player]->m_JoyX[0] = x;
    input->m_JoyStates[player]->m_JoyY[0] = y;
  }
};

TEST_F(Controls, WAndUpArrowTogetherReportUpOncePerPlayer) {
  KeyDown('W');
  KeyDown(kUpArrow);
  for (int player = -1; player <= 3; ++player) EXPECT_EQ(app->p_PlayKey(0, 0, player), 1);
  EXPECT_EQ(app->p_PlayKeyAll(0, 0), 4);
  EXPECT_EQ(app->p_PlayKey(0, 0, 4), 0);
  EXPECT_EQ(app->p_PlayKey(0, 0, -2), 0);
  EXPECT_EQ(app->p_PlayKey(1, 0, 0), 0);
}

TEST_F(Controls, EveryKeyAndJoystickButtonPressesItsControl) {
  const struct {
    int control;
    std::vector<int> keys, buttons;
  } bindings[] = {
      {0, {38, 'W'}, {9}},         {3, {37, 'A'}, {8}},     {5, {39, 'D'}, {10}},
      {8, {40, 'S'}, {11}},        {10, {'Z', 'J', 32, 13}, {0}}, {11, {'X', 'K', 17}, {1}},
      {12, {'C', 'L', 16}, {2}},   {13, {'V', 'I'}, {3}},   {14, {'B', 'U'}, {4}},
      {15, {'N', 'O'}, {5}},       {99, {27, 192, 46, 8}, {6, 7, 14}},
  };
  for (const auto& binding : bindings) {
    for (int key : binding.keys) {
      KeyDown(key);
      EXPECT_EQ(app->p_PlayKey(binding.control, 0, -1), 1) << binding.control << " key " << key;
      KeyUp(key);
      EXPECT_EQ(app->p_PlayKey(binding.control, 0, -1), 0) << binding.control << " key " << key;
    }
    for (int button : binding.buttons) {
      KeyDown(JoyCode(1, button));
      EXPECT_EQ(app->p_PlayKey(binding.control, 0, 1), 1) << binding.control << " joy " << button;
      EXPECT_EQ(app->p_PlayKeyAll(binding.control, 0), 1) << binding.control << " joy " << button;
      EXPECT_EQ(app->p_PlayKey(binding.control, 0, -1), 0) << binding.control << " joy " << button;
      KeyUp(JoyCode(1, button));
    }
  }
}

TEST_F(Controls, FirstAxisSteersOnlyWithAnalogueAndBeyondTheThreshold) {
  SetJoyAxes(0, 0.0f, 0.5f);
  EXPECT_EQ(app->p_PlayKey(0, 1, 0), 1);
  EXPECT_EQ(app->p_PlayKey(0, 0, 0), 0);
  EXPECT_EQ(app->p_PlayKey(0, 1, -1), 0);
  EXPECT_EQ(app->p_PlayKey(0, 1, 1), 0);
  SetJoyAxes(0, -0.41f, -0.41f);
  EXPECT_EQ(app->p_PlayKey(3, 1, 0), 1);
  EXPECT_EQ(app->p_PlayKey(8, 1, 0), 1);
  SetJoyAxes(0, 0.4f, 0.4f);
  EXPECT_EQ(app->p_PlayKey(5, 1, 0), 0);
  EXPECT_EQ(app->p_PlayKey(0, 1, 0), 0);
}

TEST_F(Controls, VirtualSlotsPressTheirControl) {
  app->m_Keys[12] = 1;
  EXPECT_EQ(app->p_PlayKeyAll(12, 0), 4);
  for (int slot : {16, 17, 19}) {
    app->m_Keys[slot] = 2;
    EXPECT_EQ(app->p_PlayKey(99, 0, -1), 1) << "slot " << slot;
    app->m_Keys[slot] = 0;
  }
}

TEST_F(Controls, WithICadeOnTheLettersStopSteering) {
  zu_Quor_iCadeControls = 1;
  for (char letter : std::string("WASDZJXKCLVIBUNO")) KeyDown(letter);
  KeyDown(192);
  SetJoyAxes(0, 1.0f, 1.0f);
  for (int control : {0, 3, 5, 8, 10, 11, 12, 13, 14, 15, 99}) {
    EXPECT_EQ(app->p_PlayKeyAll(control, 1), 0) << "control " << control;
  }
  KeyDown(kUpArrow);
  KeyDown(kSpace);
  KeyDown(kEscape);
  KeyDown(JoyCode(0, 11));
  EXPECT_EQ(app->p_PlayKey(0, 0, -1), 1);
  EXPECT_EQ(app->p_PlayKey(10, 0, -1), 1);
  EXPECT_EQ(app->p_PlayKey(99, 0, -1), 1);
  EXPECT_EQ(app->p_PlayKey(8, 0, 0), 1);
}

TEST_F(Controls, ConsoleBackReadsOnlyItsSlot) {
  zu_Quor_isConsole = 1;
  KeyDown(kEscape);
  KeyDown(JoyCode(0, 7));
  app->m_Keys[16] = 2;
  EXPECT_EQ(app->p_PlayKey(99, 0, 0), 0);
  app->m_Keys[19] = 1;
  EXPECT_EQ(app->p_PlayKey(99, 0, 0), 1);
}

TEST_F(Controls, StickAxesOfAPlayerWithYOfTheFirstAxisNegated) {
  for (int player = 0; player < 4; ++player) SetJoyAxes(player, 0.5f, 0.5f);
  input->m_JoyStates[1]->m_JoyX[0] = 0.25f;
  input->m_JoyStates[1]->m_JoyY[0] = 0.75f;
  input->m_JoyStates[1]->m_JoyY[1] = 0.125f;
  EXPECT_FLOAT_EQ(app->p_StickX(0, 1), 0.25f);
  EXPECT_FLOAT_EQ(app->p_StickY(0, 1), -0.75f);
  EXPECT_FLOAT_EQ(app->p_StickY(1, 1), 0.125f);
  // No such player or axis: nothing, rather than reading past the four joysticks.
  EXPECT_EQ(app->p_StickX(0, -1), 0.0f);
  EXPECT_EQ(app->p_StickY(0, 4), 0.0f);
  EXPECT_EQ(app->p_StickX(2, 0), 0.0f);
}

}  // namespace
