// The games' tests: a ShellTest with a 640 x 480 virtual screen, the bitmap font's size
// known, sound on, every sound effect slot holding a sample whose plays are recorded by
// effect number, and the draw list read back as sprite commands.
#pragma once

#include <map>
#include <vector>

#include "framework/audio.h"
#include "framework/random.h"
#include "tests/shell/shell_fixture.h"

// One command of the draw list: image (or a negative shape kind), position, rotation, the
// two sizes and the frame.
struct DrawnCommand {
  float image, x, y, rot, sizeA, sizeB;
  int frame;
};

struct PlayedEffect {
  int number;
  float volume;
};

// Stands in for the sound device and notes which effect each play used.
class EffectRecorder : public ZuAudio {
 public:
  std::map<ZuSample*, int> numbers;
  std::vector<PlayedEffect> played;

  int PlaySample(ZuSample* sample, int channel, int) override {
    played.push_back({numbers[sample], 0.0f});
    channel_ = channel;
    return 0;
  }
  void SetVolume(int channel, float volume) override {
    if (channel == channel_ && !played.empty()) played.back().volume = volume;
  }
  void StopChannel(int) override {}
  void SetRate(int, float) override {}
  void SetPan(int, float) override {}
  int Count(int number) const {
    int count = 0;
    for (const PlayedEffect& effect : played) count += effect.number == number ? 1 : 0;
    return count;
  }

 private:
  int channel_ = -1;
};

class GameTest : public ShellTest {
 protected:
  // `game` is the letter's number, 1 (A) .. 26 (Z).
  void SetUpGame(int game) {
    testing::internal::CaptureStdout();  // the engine's note about the missing device
    sounds = gc_new<EffectRecorder>();
    testing::internal::GetCapturedStdout();
    zu_audio_SetAudioDevice(sounds);
    for (int n = 0; n < app->m_Sounds.Length(); ++n) {
      ZuSample* sample = gc_new<ZuSample>();
      sounds->numbers[sample] = n;
      gc_assign(app->m_Sounds[n], gc_new<c_Sound>()->m_new(sample));
    }
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

  float& Player(int element) { return app->m_Player[element]; }
  float& Map(int element) { return app->m_Map[element]; }

  // Commands of the draw list for `image` with a frame in fromFrame..toFrame.
  std::vector<DrawnCommand> Drawn(int image, int fromFrame = 0, int toFrame = 1 << 30) const {
    std::vector<DrawnCommand> out;
    for (int i = 0; i < app->m_DrawCount; i += 15) {
      const float* c = app->m_DrawList.begin() + i;
      const int frame = static_cast<int>(c[6]);
      if (c[0] == image && frame >= fromFrame && frame <= toFrame) {
        out.push_back({c[0], c[1], c[2], c[3], c[4], c[5], frame});
      }
    }
    return out;
  }

  EffectRecorder* sounds = nullptr;
};
