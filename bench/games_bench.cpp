// Each game's per-update operation, headless: one application on a scripted host (no
// window, no sound), a fixed input pattern, and a restart whenever the play ends. Every
// update is timed on the thread's CPU clock; the benchmark reports the mean and the 99th
// percentile in microseconds (counters mean_us and p99_us).
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "framework/app.h"
#include "framework/input.h"
#include "framework/random.h"
#include "host/game.h"
#include "shell/my_app.h"
#include "shell/quor.h"
#include "tests/games/busy_input.h"

namespace {

constexpr int kUpdates = 20000;

int64_t ThreadCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The one application of the process (the framework allows only one), reused by every
// game: a 640 x 480 virtual screen, the shell font's metrics, sound off.
struct Player {
  ScriptedHost host;
  c_MyApp* app = nullptr;
  c_InputDevice* input = nullptr;
  BusyInput busyInput{nullptr};
  int gameOvers = 0;

  Player() {
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
    app->m_Options[5] = 0;
  }

  void Start(int game) {
    busyInput.ReleaseAll();
    zu_random_Seed = 1234;
    app->m_Game = game;
    app->m_GfxW = 640;
    app->p_StartCurrentGame();
  }

  // One update as the shell runs it in play; only the game's own operation is timed.
  int64_t Update(int update) {
    host.millisecs = update * 16;
    busyInput.Apply(update);
    input->p_BeginUpdate();
    app->p_SamplePointer();
    app->p_UpdateLatches();
    const int64_t start = ThreadCpuNanoseconds();
    app->p_UpdateCurrentGame();
    const int64_t spent = ThreadCpuNanoseconds() - start;
    input->p_EndUpdate();
    if (app->m_Dead > 0) {
      ++gameOvers;
      Start(app->m_Game);
    }
    return spent;
  }
};

Player& SharedPlayer() {
  static Player player;
  return player;
}

void BM_GameUpdate(benchmark::State& state) {
  Player& player = SharedPlayer();
  const int game = static_cast<int>(state.range(0));
  std::vector<int64_t> samples;
  samples.reserve(kUpdates);
  for (auto _ : state) {
    player.Start(game);
    player.gameOvers = 0;
    samples.clear();
    for (int update = 0; update < kUpdates; ++update) samples.push_back(player.Update(update));
    int64_t total = 0;
    for (int64_t sample : samples) total += sample;
    state.SetIterationTime(static_cast<double>(total) / 1e9);
  }
  std::sort(samples.begin(), samples.end());
  int64_t total = 0;
  for (int64_t sample : samples) total += sample;
  const size_t p99 = std::min(samples.size() - 1, samples.size() * 99 / 100);
  state.counters["mean_us"] = static_cast<double>(total) / samples.size() / 1000.0;
  state.counters["p99_us"] = static_cast<double>(samples[p99]) / 1000.0;
  state.counters["updates"] = static_cast<double>(samples.size());
  state.counters["game_overs"] = player.gameOvers;
}

// Letters A..Z, numbered as the game table numbers them.
const char* const kGameNames[26] = {
    "Abstract", "Vever",   "Chaos",  "Detonation", "Dudazevuva2", "Flappy", "Golfing",
    "Hover",    "Ice",     "Jetpac", "Karate",     "NotSame",     "Map",    "Numbers",
    "Octopus",  "Penguin", "Qubic",  "Roller",     "Soda",        "Tower",  "Umbrella",
    "Jump",     "Waves",   "Xplode", "Yahtzee",    "Zone"};

const bool kRegistered = [] {
  for (int game = 1; game <= 26; ++game) {
    benchmark::RegisterBenchmark((std::string("GameUpdate/") + kGameNames[game - 1]).c_str(),
                                 BM_GameUpdate)
        ->Arg(game)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
