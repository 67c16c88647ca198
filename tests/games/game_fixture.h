// The games' tests: a ShellTest with a 640 x 480 virtual screen, the bitmap font's size
// known, sound on with every effect recorded, and the draw list read back as sprite
// commands.
#pragma once

#include <string>
#include <vector>

#include "framework/random.h"
#include "tests/shell/draw_list_reader.h"
#include "tests/shell/effect_recorder.h"
#include "tests/shell/shell_fixture.h"

class GameTest : public ShellTest {
 protected:
  // `game` is the letter's number, 1 (A) .. 26 (Z).
  void SetUpGame(int game) {
    sounds = EffectRecorder::Install(app);
    app->m_Options[5] = 1;
    for (int i = 0; i < 33; ++i) app->m_Channels[i] = i;
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
    app->m_Game = game;
  }
  void TearDown() override { zu_audio_device = nullptr; }

  // Starts the game as the menu does (mode 11, then one update) from `seed`, and forgets
  // the effects played so far.
  void StartFromMenu(int seed = 1234) {
    zu_random_Seed = seed;
    app->m_Mode = 11;
    Update();
    sounds->played.clear();
  }

  // One update of play as the shell runs it, drawing into a fresh draw list.
  void PlayUpdate() {
    input->p_BeginUpdate();
    app->p_SamplePointer();
    app->p_UpdateLatches();
    app->m_DrawCount = 0;
    app->p_UpdateCurrentGame();
    input->p_EndUpdate();
  }

  float& Player(int element) { return app->m_Player[element]; }
  float& Map(int element) { return app->m_Map[element]; }

  // Commands of the draw list for `image` with a frame in fromFrame..toFrame.
  std::vector<DrawnCommand> Drawn(int image, int fromFrame = 0, int toFrame = 1 << 30) const {
    std::vector<DrawnCommand> out;
    for (const DrawnCommand& c : DrawnCommands(*app)) {
      if (c.kind == image && c.frame >= fromFrame && c.frame <= toFrame) out.push_back(c);
    }
    return out;
  }

  EffectRecorder* sounds = nullptr;
};

// The game's name, for tests run once per game (parameter 1 .. 26).
inline std::string GameTestName(const testing::TestParamInfo<int>& info) {
  static const char* const kNames[26] = {
      "Abstract", "Vever",   "Chaos",  "Detonation", "Dudazevuva2", "Flappy", "Golfing",
      "Hover",    "Ice",     "Jetpac", "Karate",     "NotSame",     "Map",    "Numbers",
      "Octopus",  "Penguin", "Qubic",  "Roller",     "Soda",        "Tower",  "Umbrella",
      "Jump",     "Waves",   "Xplode", "Yahtzee",    "Zone"};
  return kNames[info.param - 1];
}
