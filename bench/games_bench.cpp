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

#include "bench/headless_player.h"

namespace {

constexpr int kUpdates = 20000;

int64_t ThreadCpuNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// One update as the shell runs it in play, sound off; only the game's own operation is
// timed.
int64_t TimedUpdate(HeadlessPlayer& player, int update) {
  int64_t spent = 0;
  player.Update(update, update * 16, [&] {
    const int64_t start = ThreadCpuNanoseconds();
    player.app->p_UpdateCurrentGame();
    spent = ThreadCpuNanoseconds() - start;
  });
  return spent;
}

HeadlessPlayer& SharedPlayer() {
  static HeadlessPlayer player(0);
  return player;
}

void BM_GameUpdate(benchmark::State& state) {
  HeadlessPlayer& player = SharedPlayer();
  const int game = static_cast<int>(state.range(0));
  std::vector<int64_t> samples;
  samples.reserve(kUpdates);
  for (auto _ : state) {
    player.Start(game);
    player.gameOvers = 0;
    samples.clear();
    for (int update = 0; update < kUpdates; ++update) samples.push_back(TimedUpdate(player, update));
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
