// Plays games headless with the busy input pattern, their sound effects going through the
// real audio engine, to measure the mix a player hears, the game's tune included. Run it
// where data/ is.
//
//   zandrel_mix_recorder <letter> <seconds> [held]
//     plays that game for that long at its real pace, 60 updates a second, while OpenAL
//     mixes (point ALSOFT_CONF at the wave-file writer to record the mix); "held" keeps
//     fire held throughout, for games that shoot as long as it is held;
//   zandrel_mix_recorder --busiest <seconds>
//     plays every game for that much game time as fast as it goes and lists how many
//     effects each one starts: in all, and at most within any quarter of a second.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <thread>

#include "bench/headless_player.h"
#include "framework/audio.h"

namespace {

constexpr int kUpdatesPerSecond = 60;
constexpr int kBurstUpdates = kUpdatesPerSecond / 4;
constexpr int kKeyDown = 1, kSpace = 32;
constexpr int kEffectNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 95, 96, 98, 99};

// The real engine, counting the effects started and the most started within a burst.
class CountingAudio : public ZuAudio {
 public:
  int update = 0;
  int started = 0;
  int busiestBurst = 0;

  int PlaySample(ZuSample* sample, int channel, int flags) override {
    ++started;
    recent_.push_back(update);
    while (recent_.front() <= update - kBurstUpdates) recent_.pop_front();
    busiestBurst = std::max(busiestBurst, static_cast<int>(recent_.size()));
    return ZuAudio::PlaySample(sample, channel, flags);
  }

  void Reset() {
    started = busiestBurst = 0;
    recent_.clear();
  }

 private:
  std::deque<int> recent_;
};

int Usage(const char* program) {
  std::fprintf(stderr, "usage: %s <letter A..Z> <seconds> [held]\n       %s --busiest <seconds>\n", program,
               program);
  return 2;
}

// One update of play; with fire held, the pattern's own releases of fire are taken back.
void PlayUpdate(HeadlessPlayer& player, int update, int millisecs, bool fireHeld) {
  player.Update(update, millisecs, [&] {
    if (fireHeld) player.input->p_KeyEvent(kKeyDown, kSpace);
    player.app->p_UpdateCurrentGame();
  });
}

void PlayAtRealPace(HeadlessPlayer& player, CountingAudio& audio, int updates, bool fireHeld) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  for (int update = 0; update < updates; ++update) {
    std::this_thread::sleep_until(start + std::chrono::microseconds(1000000LL * update / kUpdatesPerSecond));
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    audio.update = update;
    PlayUpdate(player, update, static_cast<int>(elapsed.count()), fireHeld);
  }
  // The last effects ring out before the device closes and the recording ends.
  std::this_thread::sleep_for(std::chrono::seconds(2));
}

void ListBusiest(HeadlessPlayer& player, CountingAudio& audio, int updates) {
  for (int game = 1; game <= 26; ++game) {
    audio.Reset();
    player.Start(game);
    for (int update = 0; update < updates; ++update) {
      audio.update = update;
      PlayUpdate(player, update, update * 1000 / kUpdatesPerSecond, false);
    }
    std::printf("%c %6d effects, at most %3d within a quarter second\n", 'A' + game - 1, audio.started,
                audio.busiestBurst);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) return Usage(argv[0]);
  const bool fireHeld = argc == 4 && std::strcmp(argv[3], "held") == 0;
  if (argc == 4 && !fireHeld) return Usage(argv[0]);
  const bool busiest = std::strcmp(argv[1], "--busiest") == 0;
  const int game = std::strlen(argv[1]) == 1 ? argv[1][0] - 'A' + 1 : 0;
  const int seconds = std::atoi(argv[2]);
  if ((!busiest && (game < 1 || game > 26)) || seconds <= 0) return Usage(argv[0]);

  HeadlessPlayer player(1);
  CountingAudio* audio = gc_new<CountingAudio>();
  zu_audio_SetAudioDevice(audio);
  for (int number : kEffectNumbers) player.app->p_LoadSFX(number);

  const int updates = seconds * kUpdatesPerSecond;
  if (busiest) {
    ListBusiest(player, *audio, updates);
  } else {
    // The game's tune under its effects, as a player with effects and music hears it.
    for (int tune = ZU_TUNE_THEME; tune < ZU_TUNE_COUNT; ++tune) player.app->p_LoadTune(tune);
    player.Start(game);
    player.app->p_UpdateMusic();
    PlayAtRealPace(player, *audio, updates, fireHeld);
    std::printf("%c%s: %d effects in %d s, at most %d within a quarter second, %d plays ended\n", argv[1][0],
                fireHeld ? " (fire held)" : "", audio->started, seconds, audio->busiestBurst, player.gameOvers);
  }
  audio->Close();
  return 0;
}
