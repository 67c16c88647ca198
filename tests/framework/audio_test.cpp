// The sound module without a sound device: loading through the data folder, and what
// keeps sounds and the engine alive.
#include "framework/audio.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "host/array.h"
#include "tests/host/audio/audio_engine_openal_config.h"
#include "tests/host/audio/audio_engine_sox.h"

namespace {

const bool kNoOutput = zu_test_UseNoOutput();

struct WatchedSample : ZuSample {
  WatchedSample() : destroyed(std::make_shared<bool>(false)) {}
  ~WatchedSample() override { *destroyed = true; }
  std::shared_ptr<bool> destroyed;  // shared: the sample may die after its test
};

c_Sound* heldSound = nullptr;
const gc_roots heldRoots([] { gc_mark_q(heldSound); });

class SoundModule : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::internal::CaptureStdout();  // the engine's "no device" line
    zu_audio_SetAudioDevice(gc_new<ZuAudio>());
    testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    zu_audio_device = nullptr;
    heldSound = nullptr;
  }

  static void CollectEverythingUnreachable() {
    for (int cycle = 0; cycle < 2; ++cycle) {
      gc_ext_malloced(8388609);
      gc_collect_step(nullptr);
    }
    if (gc_free_bytes > 0) Array<int> payment(gc_free_bytes / 4 + 1);
  }
};

TEST_F(SoundModule, HeldSoundKeepsItsSampleThroughCollection) {
  auto* sample = gc_new<WatchedSample>();
  const auto destroyed = sample->destroyed;
  gc_assign(heldSound, gc_new<c_Sound>()->m_new(sample));
  CollectEverythingUnreachable();
  EXPECT_FALSE(*destroyed);

  heldSound = nullptr;
  CollectEverythingUnreachable();
  EXPECT_TRUE(*destroyed);
}

TEST_F(SoundModule, TheEngineLivesAsLongAsTheModuleHoldsIt) {
  ZuAudio* engine = zu_audio_device;
  CollectEverythingUnreachable();
  EXPECT_TRUE(gc_is_live(engine));
}

TEST_F(SoundModule, BareNamesAreFoundInTheDataFolder) {
  SoxFiles files;
  std::filesystem::create_directories(files.Dir() / "data/sfx");
  files.Tone("data/sfx/001.wav", 8000, 1, 8, 0.01);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(files.Dir().Path());

  c_Sound* found = zu_audio_LoadSound(String("sfx/001.wav"));
  c_Sound* missing = zu_audio_LoadSound(String("sfx/002.wav"));
  c_Sound* notSound = zu_audio_LoadSound(String("sfx/001.png"));
  std::filesystem::current_path(previous);

  ASSERT_NE(found, nullptr);
  EXPECT_NE(found->m_Sample, nullptr);
  EXPECT_EQ(missing, nullptr);
  EXPECT_EQ(notSound, nullptr);
}

TEST_F(SoundModule, BeforeStartUpNothingLoadsAndNothingBreaks) {
  SoxFiles files;
  const std::string path = files.Tone("tone.wav", 8000, 1, 8, 0.01);
  c_Sound* sound = zu_audio_LoadSound(String(path.c_str()));
  ASSERT_NE(sound, nullptr);

  zu_audio_device = nullptr;
  EXPECT_EQ(zu_audio_LoadSound(String(path.c_str())), nullptr);
  zu_audio_PlaySound(sound, 0, 0);
  zu_audio_StopChannel(0);
  zu_audio_SetChannelVolume(0, 1.0f);
  zu_audio_SetChannelPan(0, 1.0f);
  zu_audio_SetChannelRate(0, 1.0f);
  zu_audio_StopMusic();
  zu_audio_PauseMusic();
  zu_audio_ResumeMusic();
}

}  // namespace
