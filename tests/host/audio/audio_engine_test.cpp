// The engine without any sound device: it says so once, then everything works silently.
// Also the sample's buffer bookkeeping, which needs no device.
#include "host/audio/audio.h"

#include <gtest/gtest.h>

#include "host/array.h"
#include "host/audio/discarded_buffers.h"
#include "tests/host/audio/audio_engine_openal_config.h"
#include "tests/host/audio/audio_engine_sox.h"

namespace {

// Before any device opens in this process.
const bool kNoOutput = zu_test_UseNoOutput();

ZuAudio* NewSilentEngine() {
  testing::internal::CaptureStdout();
  ZuAudio* engine = gc_new<ZuAudio>();
  testing::internal::GetCapturedStdout();
  return engine;
}

TEST(AudioEngineWithoutDevice, SaysSoOnceAtConstruction) {
  testing::internal::CaptureStdout();
  ZuAudio* engine = gc_new<ZuAudio>();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "OpenAl error: alcOpenDevice failed\n");
  EXPECT_EQ(ZuAudio::audio, engine);
  EXPECT_EQ(engine->alcDevice, nullptr);
  EXPECT_EQ(engine->alcContext, nullptr);

  testing::internal::CaptureStdout();
  engine->SetVolume(0, 0.5f);
  engine->Suspend();
  engine->Resume();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(AudioEngineWithoutDevice, LoadsSamplesThatNeverSound) {
  ZuAudio* engine = NewSilentEngine();
  SoxFiles files;
  ZuSample* tone = engine->LoadSample(String(files.Tone("tone.wav", 8000, 1, 16, 0.01).c_str()));
  ASSERT_NE(tone, nullptr);
  EXPECT_EQ(tone->buffer, 0u);
  EXPECT_EQ(engine->PlaySample(tone, 0, 0), -1);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_STOPPED);
  engine->PauseChannel(0);
  engine->ResumeChannel(0);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_STOPPED);
  EXPECT_EQ(engine->PlayMusic(String((files.Dir() / "tone.wav").c_str()), 1), -1);
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_STOPPED);
}

TEST(AudioEngineWithoutDevice, MissingOrForeignFilesGiveNoSample) {
  ZuAudio* engine = NewSilentEngine();
  SoxFiles files;
  const std::string wav = files.Tone("tone.wav", 8000, 1, 16, 0.01);
  EXPECT_EQ(engine->LoadSample(String("/no/such/file.wav")), nullptr);
  EXPECT_EQ(engine->LoadSample(String((wav + ".mp3").c_str())), nullptr);
  EXPECT_EQ(engine->PlayMusic(String("/no/such/file.ogg"), 0), -1);

  ZuSample* sample = gc_new<ZuSample>();
  EXPECT_FALSE(engine->LoadSample__UNSAFE__(sample, String("/no/such/file.wav")));
  EXPECT_FALSE(engine->LoadSample__UNSAFE__(nullptr, String(wav.c_str())));
}

TEST(AudioEngineWithoutDevice, ChannelNumbersOutsideTheChannelsAreIgnored) {
  ZuAudio* engine = NewSilentEngine();
  ZuSample* sample = gc_new<ZuSample>();
  for (int channel : {-1, 33, 1000}) {
    EXPECT_EQ(engine->PlaySample(sample, channel, 0), -1);
    EXPECT_EQ(engine->ChannelState(channel), ZU_CHANNEL_STOPPED);
    engine->StopChannel(channel);
    engine->PauseChannel(channel);
    engine->ResumeChannel(channel);
    engine->SetVolume(channel, 1.0f);
    engine->SetPan(channel, 1.0f);
    engine->SetRate(channel, 1.0f);
  }
  EXPECT_EQ(engine->PlaySample(nullptr, 0, 0), -1);
}

class SampleBuffers : public ::testing::Test {
 protected:
  // Names queued by earlier tests cannot be deleted without a device; start afresh.
  void SetUp() override { zu_audio_BeginBufferGeneration(); }
};

TEST_F(SampleBuffers, DiscardQueuesTheBufferOnce) {
  ZuSample* sample = gc_new<ZuSample>(7u);
  sample->Discard();
  EXPECT_EQ(sample->buffer, 0u);
  sample->Discard();
  gc_new<ZuSample>()->Discard();  // no buffer, nothing to queue
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 1);
}

TEST_F(SampleBuffers, ReplacingTheBufferQueuesTheOldOne) {
  ZuSample* sample = gc_new<ZuSample>(7u);
  sample->SetBuffer(7u);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 0);
  sample->SetBuffer(9u);
  EXPECT_EQ(sample->buffer, 9u);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 1);
}

TEST_F(SampleBuffers, CollectedSampleQueuesItsBufferAndSaysSo) {
  gc_new<ZuSample>(7u);  // referenced by nothing
  testing::internal::CaptureStdout();
  for (int cycle = 0; cycle < 2; ++cycle) {
    gc_ext_malloced(8388609);
    gc_collect_step(nullptr);
  }
  Array<int> payment(gc_free_bytes / 4 + 1);  // allocation destroys the dead
  const std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_NE(printed.find("Discarding sample\n"), std::string::npos) << printed;
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 1);
}

TEST_F(SampleBuffers, BufferOfAClosedDeviceIsNeitherPlayedNorDeleted) {
  ZuSample* sample = gc_new<ZuSample>(7u);
  EXPECT_EQ(sample->PlayableBuffer(), 7u);
  zu_audio_BeginBufferGeneration();
  EXPECT_EQ(sample->PlayableBuffer(), 0u);
  sample->Discard();
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 0);
}

}  // namespace
