// The sound module on a real device (OpenAL Soft's wave writer).
#include "framework/audio.h"

#include <numbers>

#include "tests/host/audio/audio_engine_fixture.h"

namespace {

const std::string& kRecording = zu_test_UseWaveFileOutput();

class SoundModuleOnWaveFile : public AudioEngineOnWaveFile {
 protected:
  void SetUp() override {
    AudioEngineOnWaveFile::SetUp();
    zu_audio_SetAudioDevice(engine);
  }
  void TearDown() override {
    zu_audio_device = nullptr;
    AudioEngineOnWaveFile::TearDown();
  }

  c_Sound* LoadSound(const std::string& path) {
    c_Sound* sound = zu_audio_LoadSound(String(path.c_str()));
    EXPECT_NE(sound, nullptr) << path;
    return sound;
  }
};

TEST_F(SoundModuleOnWaveFile, ChannelSettingsShapeWhatIsHeard) {
  c_Sound* tone = LoadSound(Tones().mono16);
  zu_audio_SetChannelPan(3, std::numbers::pi_v<float> / 2);
  zu_audio_SetChannelVolume(3, 0.5f);
  zu_audio_SetChannelRate(3, 2.0f);
  zu_audio_PlaySound(tone, 3, 0);
  EXPECT_EQ(engine->ChannelState(3), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(engine->channels[3].sample, tone->m_Sample);
  Wait(0.25);
  const WaveCapture out = Finish();

  EXPECT_LT(out.Rms(Side::Left), 0.001);
  EXPECT_NEAR(out.Peak(Side::Right), 0.25, 0.01);
  EXPECT_NEAR(out.Sounding().Length(), out.FramesIn(0.125), 40);
}

TEST_F(SoundModuleOnWaveFile, SoundsWithoutASampleAreIgnored) {
  zu_audio_PlaySound(nullptr, 0, 0);
  zu_audio_PlaySound(gc_new<c_Sound>()->m_new2(), 0, 0);
  EXPECT_EQ(engine->channels[0].source, 0u);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_STOPPED);
}

TEST_F(SoundModuleOnWaveFile, TheMusicChannelIsNotASoundChannel) {
  c_Sound* tone = LoadSound(Tones().shortMono);
  ASSERT_EQ(engine->PlayMusic(String(Tones().stereoOgg.c_str()), 1), 0);
  ZuSample* music = engine->channels[ZuAudio::kMusicChannel].sample;

  zu_audio_PlaySound(tone, ZuAudio::kMusicChannel, 0);
  zu_audio_StopChannel(ZuAudio::kMusicChannel);
  zu_audio_SetChannelVolume(ZuAudio::kMusicChannel, 0.0f);
  EXPECT_EQ(engine->channels[ZuAudio::kMusicChannel].sample, music);
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_PLAYING);
  ALfloat gain = 0;
  alGetSourcef(engine->channels[ZuAudio::kMusicChannel].source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 1.0f);
}

}  // namespace
