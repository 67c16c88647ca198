// The engine on a real OpenAL device (the wave-file writer): what is played is measured
// in the recording.
#include <cmath>
#include <numbers>

#include "host/audio/audio.h"
#include "tests/host/audio/audio_engine_fixture.h"

namespace {

// Before any device opens in this process.
const std::string& kRecording = zu_test_UseWaveFileOutput();

// Frames of slack at each end of a measured sound: the mixer's resampling filter and
// the threshold crossing of a sine that starts at zero.
constexpr int kEdgeFrames = 40;
// Seconds a change made between mixes can land early or late: about two of the
// device's 1024-frame mixing periods.
constexpr double kMixingSlack = 0.05;

using AudioEnginePlaying = AudioEngineOnWaveFile;

// The program ends with exit() from inside an update; the library, asked to report its
// errors, must find no device left open.
TEST(AudioEngineAtExit, TheDeviceIsClosedWhenTheProgramEnds) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("ALSOFT_LOGLEVEL", "1", 1);
        ZuAudio* engine = gc_new<ZuAudio>();
        if (!engine->alcDevice) std::abort();
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "^$");
}

TEST_F(AudioEnginePlaying, PanToTheRightPutsAllTheSoundInTheRightChannel) {
  ZuSample* tone = Load(Tones().mono16);
  engine->SetPan(0, std::numbers::pi_v<float> / 2);
  EXPECT_EQ(engine->PlaySample(tone, 0, 0), 0);
  Wait(0.35);
  const WaveCapture out = Finish();

  EXPECT_LT(out.Rms(Side::Left), 0.001);
  EXPECT_NEAR(out.Peak(Side::Right), 0.5, 0.01);
  EXPECT_NEAR(out.Sounding().Length(), out.FramesIn(0.25), kEdgeFrames);
}

TEST_F(AudioEnginePlaying, PanMovesTheSourceAroundTheListener) {
  engine->SetPan(3, 0.0f);
  ALfloat x, y, z;
  alGetSource3f(engine->channels[3].source, AL_POSITION, &x, &y, &z);
  EXPECT_FLOAT_EQ(x, 0.0f);
  EXPECT_FLOAT_EQ(y, 0.0f);
  EXPECT_FLOAT_EQ(z, -1.0f);
  engine->SetPan(3, std::numbers::pi_v<float> / 2);
  alGetSource3f(engine->channels[3].source, AL_POSITION, &x, &y, &z);
  EXPECT_FLOAT_EQ(x, 1.0f);
  EXPECT_NEAR(z, 0.0f, 1e-7);
}

TEST_F(AudioEnginePlaying, PausedChannelFallsSilentAndResumes) {
  ZuSample* tone = Load(Tones().longMono);
  const auto played = Clock::now();
  EXPECT_EQ(engine->PlaySample(tone, 0, 0), 0);
  Wait(0.2);
  const auto paused = Clock::now();
  engine->PauseChannel(0);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PAUSED);
  Wait(0.3);
  const double pause = SecondsSince(paused);
  engine->ResumeChannel(0);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PLAYING);
  Wait(0.2);
  const double whole = SecondsSince(played);
  engine->StopChannel(0);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_STOPPED);
  Wait(0.05);
  const WaveCapture out = Finish();

  // The pause shows as a gap of its length (give or take a mixing period) inside the
  // sound, which otherwise plays on.
  EXPECT_NEAR(out.LongestGapInside(), out.FramesIn(pause), out.FramesIn(kMixingSlack));
  EXPECT_NEAR(out.Sounding().Length(), out.FramesIn(whole), out.FramesIn(kMixingSlack));
}

// Effects that pile up must not go past full scale, where a sound card would clip them: the
// output limiter turns the mix down for the moment instead.
TEST_F(AudioEnginePlaying, SoundsAddingUpPastFullScaleAreTurnedDownNotClipped) {
  ZuSample* tone = Load(Tones().stereo16);
  // Three tones at half of full scale, started together: 1.5 times full scale if summed.
  for (int channel = 0; channel < 3; ++channel) EXPECT_EQ(engine->PlaySample(tone, channel, 0), 0);
  Wait(0.35);
  const WaveCapture out = Finish();

  EXPECT_LE(out.Peak(Side::Left), 1.0);
  EXPECT_LE(out.Peak(Side::Right), 1.0);
  EXPECT_GT(out.Peak(Side::Left), 0.9);
}

class AudioEngineLooping : public AudioEngineOnWaveFile, public ::testing::WithParamInterface<int> {};

TEST_P(AudioEngineLooping, AnyNonZeroFlagsKeepAShortSoundGoing) {
  ZuSample* blip = Load(Tones().shortMono);
  EXPECT_EQ(engine->PlaySample(blip, 0, GetParam()), 0);
  Wait(0.5);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PLAYING);
  engine->StopChannel(0);
  const WaveCapture out = Finish();

  EXPECT_GT(out.Sounding().Length(), out.FramesIn(0.4));
  EXPECT_LT(out.LongestGapInside(), out.FramesIn(0.005));
}

INSTANTIATE_TEST_SUITE_P(Flags, AudioEngineLooping, ::testing::Values(1, 2, -1));

using AudioEngineChannelState = AudioEngineOnWaveFile;

TEST_F(AudioEngineChannelState, FinishedOneShotReadsStoppedWithoutBeingStopped) {
  ZuSample* blip = Load(Tones().shortMono);
  EXPECT_EQ(engine->ChannelState(4), ZU_CHANNEL_STOPPED);
  EXPECT_EQ(engine->PlaySample(blip, 4, 0), 0);
  EXPECT_EQ(engine->ChannelState(4), ZU_CHANNEL_PLAYING);
  Wait(0.2);
  EXPECT_EQ(engine->ChannelState(4), ZU_CHANNEL_STOPPED);
}

TEST_F(AudioEngineChannelState, PausingASoundThatHasJustFinishedLeavesItStopped) {
  ZuSample* blip = Load(Tones().shortMono);
  EXPECT_EQ(engine->PlaySample(blip, 4, 0), 0);
  Wait(0.2);
  // Stored state is still "playing": the end has not been asked about yet.
  EXPECT_EQ(engine->channels[4].state, ZU_CHANNEL_PLAYING);
  engine->PauseChannel(4);
  EXPECT_EQ(engine->ChannelState(4), ZU_CHANNEL_STOPPED);
  engine->ResumeChannel(4);
  EXPECT_EQ(engine->ChannelState(4), ZU_CHANNEL_STOPPED);
}

TEST_F(AudioEngineChannelState, MusicHasItsOwnChannel) {
  EXPECT_NE(engine->channels[ZuAudio::kMusicChannel].source, 0u);
  EXPECT_EQ(engine->PlayMusic(String(Tones().stereoOgg.c_str()), 1), 0);
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_STOPPED);
  engine->PauseMusic();
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_PAUSED);
  engine->ResumeMusic();
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_PLAYING);
  // Music that cannot load stops the old music.
  EXPECT_EQ(engine->PlayMusic(String("/no/such/tune.ogg"), 1), -1);
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_STOPPED);
}

// The device here gives out four sources; the music channel holds one from the start.
using AudioEngineSources = AudioEngineOnWaveFile;

TEST_F(AudioEngineSources, WhenNoneAreLeftTheFirstFinishedChannelGivesUpItsSource) {
  ZuSample* loop = Load(Tones().shortMono);
  ZuSample* blip = Load(Tones().shortMono);
  ASSERT_EQ(engine->PlaySample(loop, 0, 1), 0);
  ASSERT_EQ(engine->PlaySample(blip, 1, 0), 0);
  ASSERT_EQ(engine->PlaySample(blip, 2, 0), 0);
  const ALuint sourceOf1 = engine->channels[1].source;
  const ALuint sourceOf2 = engine->channels[2].source;
  Wait(0.2);  // channels 1 and 2 finish; 0 loops on

  EXPECT_EQ(engine->PlaySample(loop, 5, 1), 0);
  EXPECT_EQ(engine->channels[5].source, sourceOf1);
  EXPECT_EQ(engine->channels[1].source, 0u);
  EXPECT_EQ(engine->channels[2].source, sourceOf2);

  EXPECT_EQ(engine->PlaySample(loop, 6, 1), 0);
  EXPECT_EQ(engine->channels[6].source, sourceOf2);
  EXPECT_EQ(engine->ChannelState(5), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(engine->ChannelState(6), ZU_CHANNEL_PLAYING);
}

TEST_F(AudioEngineSources, WhenEveryChannelIsBusyNothingIsTaken) {
  ZuSample* loop = Load(Tones().shortMono);
  ASSERT_EQ(engine->PlaySample(loop, 0, 1), 0);
  ASSERT_EQ(engine->PlaySample(loop, 1, 1), 0);
  ASSERT_EQ(engine->PlaySample(loop, 2, 0), 0);
  engine->PauseChannel(2);  // paused is not finished either

  EXPECT_EQ(engine->PlaySample(loop, 3, 0), -1);
  EXPECT_EQ(engine->ChannelState(3), ZU_CHANNEL_STOPPED);
  engine->SetVolume(3, 0.5f);  // lost, but harmless
  EXPECT_EQ(engine->channels[3].source, 0u);
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(engine->ChannelState(1), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(engine->ChannelState(2), ZU_CHANNEL_PAUSED);
}

using AudioEngineSuspend = AudioEngineOnWaveFile;

TEST_F(AudioEngineSuspend, SilencesEverythingAndResumeRestartsOnlyWhatItPaused) {
  ZuSample* loop = Load(Tones().shortMono);
  const auto played = Clock::now();
  ASSERT_EQ(engine->PlaySample(loop, 0, 1), 0);
  ASSERT_EQ(engine->PlaySample(loop, 1, 1), 0);
  engine->PauseChannel(1);
  Wait(0.15);

  const auto suspended = Clock::now();
  engine->Suspend();
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(zu_audio_SourceState(engine->channels[0].source), AL_PAUSED);
  Wait(0.3);
  const double suspension = SecondsSince(suspended);
  engine->Resume();
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(zu_audio_SourceState(engine->channels[0].source), AL_PLAYING);
  EXPECT_EQ(engine->ChannelState(1), ZU_CHANNEL_PAUSED);
  EXPECT_EQ(zu_audio_SourceState(engine->channels[1].source), AL_PAUSED);
  Wait(0.15);
  const double whole = SecondsSince(played);
  engine->StopChannel(0);
  const WaveCapture out = Finish();

  EXPECT_NEAR(out.LongestGapInside(), out.FramesIn(suspension), out.FramesIn(kMixingSlack));
  EXPECT_NEAR(out.Sounding().Length(), out.FramesIn(whole), out.FramesIn(kMixingSlack));
}

TEST_F(AudioEngineSuspend, ChannelPausedDuringSuspendStaysPausedAfterResume) {
  ZuSample* loop = Load(Tones().shortMono);
  ASSERT_EQ(engine->PlaySample(loop, 0, 1), 0);
  engine->Suspend();
  engine->PauseChannel(0);
  engine->Resume();
  EXPECT_EQ(engine->ChannelState(0), ZU_CHANNEL_PAUSED);
  EXPECT_EQ(zu_audio_SourceState(engine->channels[0].source), AL_PAUSED);
}

// The theme may start while the window has no focus (a game over finishing behind it): it
// waits, silent, for the focus to come back.
TEST_F(AudioEngineSuspend, MusicStartedWhileSuspendedWaitsForResume) {
  ZuSample* loop = Load(Tones().shortMono);
  engine->Suspend();
  ASSERT_EQ(engine->PlaySample(loop, ZuAudio::kMusicChannel, 1), 0);
  EXPECT_EQ(engine->MusicState(), ZU_CHANNEL_PLAYING);
  EXPECT_EQ(zu_audio_SourceState(engine->channels[ZuAudio::kMusicChannel].source), AL_PAUSED);
  engine->Resume();
  EXPECT_EQ(zu_audio_SourceState(engine->channels[ZuAudio::kMusicChannel].source), AL_PLAYING);
  engine->StopMusic();
}

// Real files from a real tool: each layout plays at its own length and level.
struct ToolFile {
  const char* name;
  std::string TestTones::*path;
  double seconds;
  double peak;  // per side: a centred mono sound is shared between the two
};

class AudioEngineToolFiles : public AudioEngineOnWaveFile, public ::testing::WithParamInterface<ToolFile> {};

TEST_P(AudioEngineToolFiles, PlayAtTheirLengthAndLevel) {
  const ToolFile& file = GetParam();
  ZuSample* tone = Load(Tones().*file.path);
  ASSERT_NE(tone, nullptr);
  EXPECT_NE(tone->buffer, 0u);
  EXPECT_EQ(engine->PlaySample(tone, 0, 0), 0);
  Wait(file.seconds + 0.15);
  const WaveCapture out = Finish();

  EXPECT_NEAR(out.Sounding().Length(), out.FramesIn(file.seconds), kEdgeFrames);
  EXPECT_NEAR(out.Peak(Side::Left), file.peak, 0.015);
  EXPECT_NEAR(out.Peak(Side::Right), file.peak, 0.015);
}

// A centred mono source reaches each side at this share of its level (measured: how
// OpenAL Soft spreads a sound straight ahead over two speakers).
constexpr double kCentredMonoGain = 0.5945;

INSTANTIATE_TEST_SUITE_P(
    Sox, AudioEngineToolFiles,
    ::testing::Values(ToolFile{"Wav16Stereo", &TestTones::stereo16, 0.25, 0.5},
                      ToolFile{"Wav16Mono", &TestTones::mono16, 0.25, 0.5 * kCentredMonoGain},
                      ToolFile{"Wav8Mono", &TestTones::mono8, 0.25, 0.5 * kCentredMonoGain},
                      ToolFile{"Wav8Stereo", &TestTones::stereo8, 0.25, 0.5},
                      ToolFile{"OggStereo", &TestTones::stereoOgg, 0.25, 0.5}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
