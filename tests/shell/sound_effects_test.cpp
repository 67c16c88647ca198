// Sound effects on a recording engine: the file each number is read from, the ring of 24
// channels, the sound-mode switch, the order of the channel calls; also p_Rand's range.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "framework/audio.h"
#include "framework/random.h"
#include "host/files.h"
#include "tests/shell/shell_fixture.h"

namespace {

// Records what the shell asks of the engine instead of making sound.
class RecordingAudio : public ZuAudio {
 public:
  std::vector<std::string> calls;
  std::vector<std::string> loaded;
  bool filesMissing = false;

  ZuSample* LoadSample(const String& path) override {
    loaded.push_back(path.ToUtf8());
    return filesMissing ? nullptr : gc_new<ZuSample>();
  }
  int PlaySample(ZuSample*, int channel, int flags) override {
    Log("play " + std::to_string(channel) + " flags " + std::to_string(flags));
    return 0;
  }
  void StopChannel(int channel) override { Log("stop " + std::to_string(channel)); }
  void SetRate(int channel, float rate) override { Log("rate", channel, rate); }
  void SetVolume(int channel, float volume) override { Log("volume", channel, volume); }
  void SetPan(int channel, float pan) override { Log("pan", channel, pan); }
  void StopMusic() override { Log("stop music"); }

 private:
  void Log(const std::string& call) { calls.push_back(call); }
  void Log(const std::string& name, int channel, float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %d %g", name.c_str(), channel, value);
    calls.push_back(text);
  }
};

class ShellSoundEffects : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    testing::internal::CaptureStdout();  // the engine's lines about the missing device
    engine = gc_new<RecordingAudio>();
    testing::internal::GetCapturedStdout();
    zu_audio_SetAudioDevice(engine);
    app->m_Options[5] = 1;
    for (int i = 0; i < 33; ++i) app->m_Channels[i] = i;
  }
  void TearDown() override { zu_audio_device = nullptr; }

  static std::string DataPath(const char* name) {
    return zu_data_FixDataPath(String(name)).ToUtf8();
  }

  RecordingAudio* engine = nullptr;
};

TEST_F(ShellSoundEffects, EffectNumbersAreWrittenWithAtLeastThreeDigits) {
  for (int n : {7, 42, 99, 0}) app->p_LoadSFX(n);
  const std::vector<std::string> expected = {DataPath("sfx/007.wav"), DataPath("sfx/042.wav"),
                                             DataPath("sfx/099.wav"), DataPath("sfx/000.wav")};
  EXPECT_EQ(engine->loaded, expected);
  ASSERT_NE(app->m_Sounds[7], nullptr);
  EXPECT_NE(app->m_Sounds[7]->m_Sample, nullptr);
  // Numbers beyond the table of 100 are refused rather than written past its end.
  app->p_LoadSFX(100);
  app->p_LoadSFX(-1);
  EXPECT_EQ(engine->loaded.size(), 4u);
}

TEST_F(ShellSoundEffects, FailedLoadLeavesTheSlotEmptyAndPlayingItOnlyResetsTheChannel) {
  app->p_LoadSFX(3);
  EXPECT_NE(app->m_Sounds[3], nullptr);
  // Reloading a number whose file is gone empties its slot.
  engine->filesMissing = true;
  app->p_LoadSFX(3);
  EXPECT_EQ(app->m_Sounds[3], nullptr);

  app->p_PlaySFX(3, 1.5f, 0.5f, -1);
  const std::vector<std::string> expected = {"stop 1", "rate 1 1.5", "volume 1 0.5", "pan 1 -1"};
  EXPECT_EQ(engine->calls, expected);
}

TEST_F(ShellSoundEffects, PlayStopsTheChannelPlaysOnceAndSetsRateVolumeAndPan) {
  app->p_LoadSFX(12);
  app->p_PlaySFX(12, 2, 0.25f, 0.5f);
  const std::vector<std::string> expected = {"stop 1", "play 1 flags 0", "rate 1 2",
                                             "volume 1 0.25", "pan 1 0.5"};
  EXPECT_EQ(engine->calls, expected);
  EXPECT_EQ(app->m_NextChannel, 1);
}

TEST_F(ShellSoundEffects, EffectsTakeTheTwentyFourChannelsInTurn) {
  std::vector<std::string> stops;
  for (int n = 0; n < 26; ++n) app->p_PlaySFX(1);
  for (const std::string& call : engine->calls) {
    if (call.rfind("stop", 0) == 0) stops.push_back(call);
  }
  ASSERT_EQ(stops.size(), 26u);
  EXPECT_EQ(stops[0], "stop 1");
  EXPECT_EQ(stops[22], "stop 23");
  EXPECT_EQ(stops[23], "stop 0");
  EXPECT_EQ(stops[24], "stop 1");
  EXPECT_EQ(app->m_NextChannel, 2);

  // A ring position set out of range comes back into the ring.
  app->m_NextChannel = -5;
  app->p_PlaySFX(1);
  EXPECT_EQ(app->m_NextChannel, 20);
  app->m_NextChannel = 2147483647;
  app->p_PlaySFX(1);
  EXPECT_EQ(app->m_NextChannel, 16);
}

TEST_F(ShellSoundEffects, ChannelComesFromTheChannelTableAndDefaultsAreNeutral) {
  app->m_Channels[1] = 30;
  app->p_PlaySFX(1);
  const std::vector<std::string> expected = {"stop 30", "rate 30 1", "volume 30 1", "pan 30 0"};
  EXPECT_EQ(engine->calls, expected);
}

TEST_F(ShellSoundEffects, SoundModesOtherThanOneAndTwoAreSilent) {
  for (int mode : {0, 3, -1}) {
    app->m_Options[5] = mode;
    app->p_PlaySFX(1);
    EXPECT_EQ(app->m_NextChannel, 0) << "mode " << mode;
  }
  EXPECT_TRUE(engine->calls.empty());
  app->m_Options[5] = 2;
  app->p_PlaySFX(1);
  EXPECT_EQ(app->m_NextChannel, 1);
}

TEST_F(ShellSoundEffects, StopTuneStopsTheMusic) {
  app->m_Tune = 1;
  app->p_StopTune();
  EXPECT_EQ(app->m_Tune, 0);
  EXPECT_EQ(engine->calls, std::vector<std::string>{"stop music"});
}

class ShellRand : public ShellTest {};

TEST_F(ShellRand, FloorsTheScaledNumberUpToTheTopValue) {
  zu_random_Seed = 1234;
  EXPECT_EQ(app->p_Rand(0, 255), 182);  // floor(0.71430767 x 255.99)
  zu_random_Seed = 1234;
  EXPECT_EQ(app->p_Rand(-8, -2), -4);  // floor(0.71430767 x 6.99 - 8), not truncated to -3
  // The seed whose next value is the generator's largest, 1 - 2^-24.
  zu_random_Seed = 653637408;
  EXPECT_EQ(app->p_Rand(0, 255), 255);
  zu_random_Seed = 653637408;
  EXPECT_EQ(app->p_Rand(-8, -2), -2);
}

TEST_F(ShellRand, StaysWithinItsBoundsAndReachesBoth) {
  int lowest = 1000, highest = -1000;
  for (int draw = 0; draw < 20000; ++draw) {
    const int value = app->p_Rand(0, 255);
    lowest = std::min(lowest, value);
    highest = std::max(highest, value);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, 255);
  for (int draw = 0; draw < 100; ++draw) EXPECT_EQ(app->p_Rand(3, 3), 3);
}

}  // namespace
