// Every game played with a pad alone, the pad scripted at the host's joystick layer: the
// same short run of directions and fire plays exactly as it does from the keyboard, and
// differently from no input at all, so each game hears the pad on every control the run
// presses. The random generator starts from the same seed in every run.
#include <GLFW/glfw3.h>

#include <vector>

#include "framework/random.h"
#include "tests/games/game_fixture.h"
#include "tests/host/scripted_joysticks.h"

namespace {

constexpr int kUpdates = 300;

// A control of the run, with the pad's button and the keyboard's key for it.
struct Control {
  int padButton;
  int key;
  bool (*held)(int update);
};
const Control kRun[] = {
    {GLFW_GAMEPAD_BUTTON_A, 32, [](int u) { return u % 40 < 12; }},
    {GLFW_GAMEPAD_BUTTON_DPAD_UP, 38, [](int u) { return u % 90 >= 30 && u % 90 < 45; }},
    {GLFW_GAMEPAD_BUTTON_DPAD_DOWN, 40, [](int u) { return u % 150 >= 100 && u % 150 < 110; }},
    {GLFW_GAMEPAD_BUTTON_DPAD_LEFT, 37, [](int u) { return u % 200 < 60; }},
    {GLFW_GAMEPAD_BUTTON_DPAD_RIGHT, 39, [](int u) { return u % 200 >= 100 && u % 200 < 160; }},
};

enum class Source { kNothing, kPad, kKeyboard };

class AllGamesPadTest : public GameTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    SetUpGame(GetParam());
    host.padsThroughHostLayer = true;
    pads.PlugPad(0);
  }

  // The game's states along the run.
  std::vector<float> Play(Source source) {
    zu_random_Seed = 1234;
    app->m_GfxW = 640;
    app->p_StartCurrentGame();
    std::vector<float> states;
    std::vector<bool> keyDown(sizeof kRun / sizeof kRun[0]);
    for (int update = 0; update < kUpdates; ++update) {
      host.millisecs = update * 16;
      for (size_t c = 0; c < keyDown.size(); ++c) {
        const bool held = kRun[c].held(update);
        pads.Press(0, kRun[c].padButton, source == Source::kPad && held);
        const bool key = source == Source::kKeyboard && held;
        if (key != keyDown[c]) input->p_KeyEvent(key ? 1 : 2, kRun[c].key);
        keyDown[c] = key;
      }
      PlayUpdate();
      // Some effects fade (a jump lands again), so the state is taken all along the run.
      if (update % 10 == 0) Record(states);
    }
    for (size_t c = 0; c < keyDown.size(); ++c) {
      if (keyDown[c]) input->p_KeyEvent(2, kRun[c].key);
    }
    return states;
  }

  // Its block, score, lives, camera and end flag.
  void Record(std::vector<float>& states) const {
    states.insert(states.end(), &app->m_Player[0], &app->m_Player[0] + app->m_Player.Length());
    for (const float value : {static_cast<float>(app->m_Score), static_cast<float>(app->m_Lives),
                              static_cast<float>(app->m_Dead), app->m_ScrollX, app->m_ScrollY}) {
      states.push_back(value);
    }
  }

  ScriptedJoysticks pads;
};

TEST_P(AllGamesPadTest, ThePadPlaysAsTheKeyboardDoes) {
  const std::vector<float> idle = Play(Source::kNothing);
  const std::vector<float> withPad = Play(Source::kPad);
  const std::vector<float> withKeys = Play(Source::kKeyboard);
  EXPECT_NE(withPad, idle) << "the game did not hear the pad";
  EXPECT_EQ(withPad, withKeys) << "the pad played otherwise than the keyboard";
}

INSTANTIATE_TEST_SUITE_P(EveryGame, AllGamesPadTest, testing::Range(1, 27), GameTestName);

}  // namespace
