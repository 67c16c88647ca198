// One application on a scripted host (no window), fed a fixed pattern of busy input and
// restarted whenever the play ends: how the benchmarks and the mix recorder play the games.
#pragma once

#include "bench/bench_support.h"
#include "framework/app.h"
#include "framework/input.h"
#include "framework/random.h"
#include "host/game.h"
#include "shell/my_app.h"
#include "shell/quor.h"
#include "tests/games/busy_input.h"

// The one application of the process (the framework allows only one): a 640 x 480 virtual
// screen and the shell font's metrics; `soundMode` is the options' sound mode (0 silent).
struct HeadlessPlayer {
  ScriptedHost host;
  c_MyApp* app = nullptr;
  c_InputDevice* input = nullptr;
  BusyInput busyInput{nullptr};
  int gameOvers = 0;

  explicit HeadlessPlayer(int soundMode) {
    zu_app_Init();
    zu_Quor_Init();
    zu_app__game = &host;
    app = gc_new<c_MyApp>();
    app->m_new();
    input = gc_new<c_InputDevice>()->m_new();
    zu_input_SetInputDevice(input);
    busyInput = BusyInput(input);
    zu_app_ValidateDeviceWindow(false);
    zu_Quor_jscrw = 640;
    zu_Quor_jscrh = 480;
    app->m_Landscape = 1;
    app->m_ScaleX = app->m_ScaleY = 1;
    app->m_ImgScale = 1;
    app->m_Font = 90;
    app->m_ImgInfo[270] = 7;
    app->m_ImgInfo[271] = 10;
    app->m_Options[5] = soundMode;
    for (int i = 0; i < app->m_Channels.Length(); ++i) app->m_Channels[i] = i;
  }

  void Start(int game) {
    busyInput.ReleaseAll();
    zu_random_Seed = 1234;
    app->m_Game = game;
    app->m_GfxW = 640;
    app->p_StartCurrentGame();
  }

  // One update as the shell runs it in play, at the host time `millisecs`; `runGame` runs
  // the game's own operation (app->p_UpdateCurrentGame), so that a caller may time it.
  template <class RunGame>
  void Update(int update, int millisecs, RunGame&& runGame) {
    host.millisecs = millisecs;
    busyInput.Apply(update);
    input->p_BeginUpdate();
    app->p_SamplePointer();
    app->p_UpdateLatches();
    runGame();
    input->p_EndUpdate();
    if (app->m_Dead > 0) {
      ++gameOvers;
      Start(app->m_Game);
    }
  }
};
