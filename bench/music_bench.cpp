// What the music costs a frame. Decoding a whole tune (done once per tune during the
// loading screen) against switching the music channel to a tune decoded before (done in
// play, at a game's start and end). Run with a data folder beside the working directory;
// point ALSOFT_CONF at the null or wave-file driver to run without a sound card.
#include <benchmark/benchmark.h>

#include "framework/audio.h"
#include "host/files.h"

namespace {

ZuAudio& Engine() {
  static ZuAudio* engine = [] {
    ZuAudio* audio = gc_new<ZuAudio>();
    zu_audio_SetAudioDevice(audio);
    return audio;
  }();
  return *engine;
}

void BM_DecodeWholeTune(benchmark::State& state) {
  ZuAudio& engine = Engine();
  const String path = zu_data_FixDataPath(String("music/puzzle.ogg"));  // the longest tune
  for (auto _ : state) {
    ZuSample* sample = engine.LoadSample(path);
    if (!sample) {
      state.SkipWithError("no data/music/puzzle.ogg here");
      return;
    }
    sample->Discard();
  }
}
BENCHMARK(BM_DecodeWholeTune)->Unit(benchmark::kMillisecond);

void BM_SwitchToADecodedTune(benchmark::State& state) {
  ZuAudio& engine = Engine();
  c_Sound* tunes[2] = {zu_audio_LoadSound(String("music/theme.ogg")), zu_audio_LoadSound(String("music/blast.ogg"))};
  if (!tunes[0] || !tunes[1]) {
    state.SkipWithError("no data/music here");
    return;
  }
  int next = 0;
  for (auto _ : state) {
    zu_audio_PlayMusicSound(tunes[next], 1);
    next = 1 - next;
  }
  engine.StopMusic();
}
BENCHMARK(BM_SwitchToADecodedTune)->Unit(benchmark::kMicrosecond);

}  // namespace
