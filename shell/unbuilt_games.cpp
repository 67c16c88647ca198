// Games whose own rules have not been written yet. Each starts cleanly and plays the
// stand-in game until its own file takes over: the pair then moves to games/<name>.cpp
// (for example games/flappy.cpp) and is deleted from here in the same change.
#include "shell/my_app.h"

int c_MyApp::p_LoadGame_Abstract() { return p_FreshGame(); }
int c_MyApp::p_Game_Abstract() { return p_Game(); }

int c_MyApp::p_LoadGame_Vever() { return p_FreshGame(); }
int c_MyApp::p_Game_Vever() { return p_Game(); }

int c_MyApp::p_LoadGame_Chaos() { return p_FreshGame(); }
int c_MyApp::p_Game_Chaos() { return p_Game(); }

int c_MyApp::p_LoadGame_Detonation() { return p_FreshGame(); }
int c_MyApp::p_Game_Detonation() { return p_Game(); }

int c_MyApp::p_LoadGame_Dudazevuva2() { return p_FreshGame(); }
int c_MyApp::p_Game_Dudazevuva2() { return p_Game(); }

int c_MyApp::p_LoadGame_Flappy() { return p_FreshGame(); }
int c_MyApp::p_Game_Flappy() { return p_Game(); }

int c_MyApp::p_LoadGame_Golfing() { return p_FreshGame(); }
int c_MyApp::p_Game_Golfing() { return p_Game(); }

int c_MyApp::p_LoadGame_Hover() { return p_FreshGame(); }
int c_MyApp::p_Game_Hover() { return p_Game(); }

int c_MyApp::p_LoadGame_Ice() { return p_FreshGame(); }
int c_MyApp::p_Game_Ice() { return p_Game(); }

int c_MyApp::p_LoadGame_Jetpac() { return p_FreshGame(); }
int c_MyApp::p_Game_Jetpac() { return p_Game(); }

int c_MyApp::p_LoadGame_Karate() { return p_FreshGame(); }
int c_MyApp::p_Game_Karate() { return p_Game(); }

int c_MyApp::p_LoadGame_NotSame() { return p_FreshGame(); }
int c_MyApp::p_Game_NotSame() { return p_Game(); }

int c_MyApp::p_LoadGame_Map() { return p_FreshGame(); }
int c_MyApp::p_Game_Map() { return p_Game(); }

int c_MyApp::p_LoadGame_Numbers() { return p_FreshGame(); }
int c_MyApp::p_Game_Numbers() { return p_Game(); }

int c_MyApp::p_LoadGame_Octopus() { return p_FreshGame(); }
int c_MyApp::p_Game_Octopus() { return p_Game(); }

int c_MyApp::p_LoadGame_Penguin() { return p_FreshGame(); }
int c_MyApp::p_Game_Penguin() { return p_Game(); }



int c_MyApp::p_LoadGame_Soda() { return p_FreshGame(); }
int c_MyApp::p_Game_Soda() { return p_Game(); }

int c_MyApp::p_LoadGame_Tower() { return p_FreshGame(); }
int c_MyApp::p_Game_Tower() { return p_Game(); }

int c_MyApp::p_LoadGame_Umbrella() { return p_FreshGame(); }
int c_MyApp::p_Game_Umbrella() { return p_Game(); }

int c_MyApp::p_LoadGame_Waves() { return p_FreshGame(); }
int c_MyApp::p_Game_Waves() { return p_Game(); }

int c_MyApp::p_LoadGame_Xplode() { return p_FreshGame(); }
int c_MyApp::p_Game_Xplode() { return p_Game(); }

int c_MyApp::p_LoadGame_Yahtzee() { return p_FreshGame(); }
int c_MyApp::p_Game_Yahtzee() { return p_Game(); }

