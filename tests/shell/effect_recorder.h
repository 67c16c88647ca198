// Stands in for the sound device in the shell's and the games' tests: every sound-effect
// slot holds a sample known by its effect number, and each play is noted with the rate and
// volume it was given.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "framework/audio.h"
#include "shell/my_app.h"

struct PlayedEffect {
  int number;
  float rate;
  float volume;
};

class EffectRecorder : public ZuAudio {
 public:
  std::map<ZuSample*, int> numbers;
  std::vector<PlayedEffect> played;

  // Makes a recorder the sound device and fills all of the application's effect slots.
  static EffectRecorder* Install(c_MyApp* app) {
    testing::internal::CaptureStdout();  // the engine's note about the missing device
    EffectRecorder* recorder = gc_new<EffectRecorder>();
    testing::internal::GetCapturedStdout();
    zu_audio_SetAudioDevice(recorder);
    for (int n = 0; n < app->m_Sounds.Length(); ++n) {
      ZuSample* sample = gc_new<ZuSample>();
      recorder->numbers[sample] = n;
      gc_assign(app->m_Sounds[n], gc_new<c_Sound>()->m_new(sample));
    }
    return recorder;
  }

  int PlaySample(ZuSample* sample, int channel, int) override {
    played.push_back({numbers[sample], 0.0f, 0.0f});
    channel_ = channel;
    return 0;
  }
  void SetRate(int channel, float rate) override {
    if (channel == channel_ && !played.empty()) played.back().rate = rate;
  }
  void SetVolume(int channel, float volume) override {
    if (channel == channel_ && !played.empty()) played.back().volume = volume;
  }
  void StopChannel(int) override {}
  void SetPan(int, float) override {}
  int Count(int number) const {
    int count = 0;
    for (const PlayedEffect& effect : played) count += effect.number == number ? 1 : 0;
    return count;
  }

 private:
  int channel_ = -1;
};
