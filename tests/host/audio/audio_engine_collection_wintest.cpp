// Samples, the collector and OpenAL buffers: a sounding sample outlives its last
// reference, and a dead sample's buffer is deleted once no source holds it.
#include <memory>
#include <vector>

#include "host/array.h"
#include "host/audio/discarded_buffers.h"
#include "tests/host/audio/audio_engine_fixture.h"

namespace {

const std::string& kRecording = zu_test_UseWaveFileOutput();

// Tells whether it has been destroyed. The flag is shared because a sample may die long
// after its test, during a later one's allocations.
struct WatchedSample : ZuSample {
  WatchedSample() : destroyed(std::make_shared<bool>(false)) {}
  ~WatchedSample() override { *destroyed = true; }
  std::shared_ptr<bool> destroyed;
};

// Samples the test itself holds on to, as an application's global would.
std::vector<ZuSample*> heldSamples;
const gc_roots heldRoots([] {
  for (ZuSample* sample : heldSamples) gc_mark_q(sample);
});

class AudioEngineCollection : public AudioEngineOnWaveFile {
 protected:
  void TearDown() override {
    heldSamples.clear();
    AudioEngineOnWaveFile::TearDown();
  }

  ZuSample* LoadHeld(const std::string& path) {
    heldSamples.push_back(Load(path));
    return heldSamples.back();
  }

  // A full collector cycle with the engine as the only root that matters, then enough
  // allocation to destroy whatever it found dead.
  void CollectEverythingUnreachable() {
    for (int cycle = 0; cycle < 2; ++cycle) {
      gc_ext_malloced(8388609);
      gc_collect_step(engine);
    }
    if (gc_free_bytes > 0) Array<int> payment(gc_free_bytes / 4 + 1);
  }

  // A sample the test can watch die.
  WatchedSample* LoadWatched(const std::string& path) {
    auto* sample = gc_new<WatchedSample>();
    EXPECT_TRUE(engine->LoadSample__UNSAFE__(sample, String(path.c_str())));
    return sample;
  }
};

TEST_F(AudioEngineCollection, SoundingSampleWithoutReferencesIsNotCollected) {
  auto* sample = LoadWatched(Tones().longMono);
  const auto destroyed = sample->destroyed;
  ASSERT_EQ(engine->PlaySample(sample, 5, 0), 0);
  sample = nullptr;
  Wait(0.1);

  CollectEverythingUnreachable();
  EXPECT_FALSE(*destroyed);
  Wait(1.05);
  const WaveCapture out = Finish();
  EXPECT_NEAR(out.Sounding().Length(), out.FramesIn(1.0), 40);
}

TEST_F(AudioEngineCollection, FinishedSampleIsCollectedAndItsBufferDeleted) {
  ZuSample* other = LoadHeld(Tones().shortMono);
  auto* sample = LoadWatched(Tones().shortMono);
  const auto destroyed = sample->destroyed;
  const ALuint buffer = sample->buffer;
  ASSERT_EQ(engine->PlaySample(sample, 5, 0), 0);
  sample = nullptr;
  Wait(0.2);

  CollectEverythingUnreachable();
  ASSERT_TRUE(*destroyed);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 1);
  EXPECT_TRUE(alIsBuffer(buffer));

  // The next play makes the finished source let go of the buffer, and deletes it.
  // (Checked before any new buffer is made: the device reuses freed names.)
  EXPECT_EQ(engine->PlaySample(other, 0, 0), 0);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 0);
  EXPECT_FALSE(alIsBuffer(buffer));
}

TEST_F(AudioEngineCollection, DiscardedBufferWaitsWhileASourcePlaysIt) {
  ZuSample* other = LoadHeld(Tones().shortMono);
  ZuSample* loop = Load(Tones().shortMono);
  const ALuint buffer = loop->buffer;
  ASSERT_EQ(engine->PlaySample(loop, 0, 1), 0);
  loop->Discard();
  EXPECT_EQ(loop->buffer, 0u);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 1);

  EXPECT_EQ(engine->PlaySample(other, 1, 0), 0);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 1);
  EXPECT_TRUE(alIsBuffer(buffer));
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PLAYING);

  // Stopped by the application (state 0 straight away), the source still lets go.
  engine->StopChannel(0);
  EXPECT_EQ(engine->PlaySample(other, 1, 0), 0);
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 0);
  EXPECT_FALSE(alIsBuffer(buffer));
}

TEST_F(AudioEngineCollection, ClosingTheDeviceDeletesWhatItCanAndForgetsTheRest) {
  ZuSample* kept = Load(Tones().shortMono);
  EXPECT_NE(kept->PlayableBuffer(), 0u);
  engine->Close();
  EXPECT_EQ(engine->alcDevice, nullptr);
  EXPECT_EQ(ZuAudio::audio, nullptr);
  EXPECT_EQ(kept->PlayableBuffer(), 0u);
  // Its name meant something to the closed device only, so it is not queued.
  kept->Discard();
  EXPECT_EQ(zu_audio_DiscardedBufferCount(), 0);
  EXPECT_EQ(engine->PlaySample(kept, 0, 0), -1);
}

}  // namespace
