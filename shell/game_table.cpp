// The game table: game number 1..26 (letters A..Z) to its start and per-update operations.
// Any other number plays the stand-in game, so a bad number never fails.
#include "shell/my_app.h"

namespace {

struct GameOperations {
  int (c_MyApp::*start)();
  int (c_MyApp::*update)();
};

constexpr GameOperations kGames[] = {
    {&c_MyApp::p_LoadGame_Abstract, &c_MyApp::p_Game_Abstract},
    {&c_MyApp::p_LoadGame_Vever, &c_MyApp::p_Game_Vever},
    {&c_MyApp::p_LoadGame_Chaos, &c_MyApp::p_Game_Chaos},
    {&c_MyApp::p_LoadGame_Detonation, &c_MyApp::p_Game_Detonation},
    {&c_MyApp::p_LoadGame_Dudazevuva2, &c_MyApp::p_Game_Dudazevuva2},
    {&c_MyApp::p_LoadGame_Flappy, &c_MyApp::p_Game_Flappy},
    {&c_MyApp::p_LoadGame_Golfing, &c_MyApp::p_Game_Golfing},
    {&c_MyApp::p_LoadGame_Hover, &c_MyApp::p_Game_Hover},
    {&c_MyApp::p_LoadGame_Ice, &c_MyApp::p_Game_Ice},
    {&c_MyApp::p_LoadGame_Jetpac, &c_MyApp::p_Game_Jetpac},
    {&c_MyApp::p_LoadGame_Karate, &c_MyApp::p_Game_Karate},
    {&c_MyApp::p_LoadGame_NotSame, &c_MyApp::p_Game_NotSame},
    {&c_MyApp::p_LoadGame_Map, &c_MyApp::p_Game_Map},
    {&c_MyApp::p_LoadGame_Numbers, &c_MyApp::p_Game_Numbers},
    {&c_MyApp::p_LoadGame_Octopus, &c_MyApp::p_Game_Octopus},
    {&c_MyApp::p_LoadGame_Penguin, &c_MyApp::p_Game_Penguin},
    {&c_MyApp::p_LoadGame_Qubic, &c_MyApp::p_Game_Qubic},
    {&c_MyApp::p_LoadGame_Roller, &c_MyApp::p_Game_Roller},
    {&c_MyApp::p_LoadGame_Soda, &c_MyApp::p_Game_Soda},
    {&c_MyApp::p_LoadGame_Tower, &c_MyApp::p_Game_Tower},
    {&c_MyApp::p_LoadGame_Umbrella, &c_MyApp::p_Game_Umbrella},
    {&c_MyApp::p_LoadGame_Jump, &c_MyApp::p_Game_Jump},
    {&c_MyApp::p_LoadGame_Waves, &c_MyApp::p_Game_Waves},
    {&c_MyApp::p_LoadGame_Xplode, &c_MyApp::p_Game_Xplode},
    {&c_MyApp::p_LoadGame_Yahtzee, &c_MyApp::p_Game_Yahtzee},
    {&c_MyApp::p_LoadGame_Zone, &c_MyApp::p_Game_Zone},
};
constexpr int kGameCount = static_cast<int>(sizeof kGames / sizeof kGames[0]);
static_assert(kGameCount == 26, "one entry per letter");

const GameOperations* Lookup(int game) {
  return game >= 1 && game <= kGameCount ? &kGames[game - 1] : nullptr;
}

}  // namespace

int c_MyApp::p_StartCurrentGame() {
  const GameOperations* game = Lookup(m_Game);
  return game ? (this->*game->start)() : p_FreshGame();
}

int c_MyApp::p_UpdateCurrentGame() {
  const GameOperations* game = Lookup(m_Game);
  return game ? (this->*game->update)() : p_Game();
}
