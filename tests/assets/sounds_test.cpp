// The generated sound effects, checked through the game's own WAV reader: the right
// files, playable, of sensible length, levelled alike and free of edge clicks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/audio/wav_reader.h"

namespace {

constexpr int kSoundNumbers[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 95, 96, 98, 99};

constexpr double kTargetRmsDb = -20.0;

std::string pathOf(int number) {
  char name[16];
  std::snprintf(name, sizeof name, "sfx/%03d.wav", number);
  return std::string(ZANDREL_DATA_DIR) + "/" + name;
}

struct DecodedSound {
  bool read = false;
  ZuAudioData audio;
  std::vector<double> samples;  // -1..1
};

DecodedSound decode(int number) {
  DecodedSound sound;
  std::ifstream in(pathOf(number), std::ios::binary);
  const std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  sound.read = zu_audio_ReadWav(file.data(), file.size(), sound.audio);
  if (sound.read && sound.audio.format == 2) {
    for (std::size_t i = 0; i + 1 < sound.audio.bytes.size(); i += 2) {
      std::int16_t value;
      std::memcpy(&value, sound.audio.bytes.data() + i, 2);
      sound.samples.push_back(value / 32768.0);
    }
  }
  return sound;
}

double toDb(double amplitude) { return 20.0 * std::log10(amplitude); }

double peakDb(const std::vector<double>& samples) {
  double peak = 0.0;
  for (double s : samples) peak = std::max(peak, std::abs(s));
  return toDb(peak);
}

double rmsDb(const std::vector<double>& samples) {
  double sum = 0.0;
  for (double s : samples) sum += s * s;
  return toDb(std::sqrt(sum / static_cast<double>(samples.size())));
}

// The samples through a fourth-order Butterworth high-pass at `cornerHz` (two identical
// second-order sections).
std::vector<double> highPassed(std::vector<double> samples, double hertz, double cornerHz) {
  const double w = 2.0 * 3.14159265358979323846 * cornerHz / hertz;
  const double alpha = std::sin(w) / (2.0 * 0.70710678);
  const double a0 = 1.0 + alpha;
  const double b0 = (1.0 + std::cos(w)) / 2.0 / a0, b1 = -(1.0 + std::cos(w)) / a0, b2 = b0;
  const double a1 = -2.0 * std::cos(w) / a0, a2 = (1.0 - alpha) / a0;
  for (int section = 0; section < 2; ++section) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (double& s : samples) {
      const double y = b0 * s + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
      x2 = x1;
      x1 = s;
      y2 = y1;
      y1 = y;
      s = y;
    }
  }
  return samples;
}

class SoundEffect : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    sound_ = decode(GetParam());
    ASSERT_TRUE(sound_.read) << pathOf(GetParam()) << " is missing or not a WAV file the game can load";
    ASSERT_EQ(sound_.audio.channels, 1);
    ASSERT_EQ(sound_.audio.format, 2);
    ASSERT_FALSE(sound_.samples.empty());
  }

  double seconds() const { return static_cast<double>(sound_.audio.length) / sound_.audio.hertz; }

  DecodedSound sound_;
};

}  // namespace

TEST_P(SoundEffect, IsSixteenBitMonoAtAStandardRate) {
  EXPECT_TRUE(sound_.audio.hertz == 22050 || sound_.audio.hertz == 44100) << sound_.audio.hertz;
}

TEST_P(SoundEffect, LengthSuitsItsUse) {
  switch (GetParam()) {
    case 96:  // the start-up jingle: a short melody
      EXPECT_GE(seconds(), 1.0);
      EXPECT_LE(seconds(), 2.0);
      break;
    case 17:  // jetpack thrust, replayed every 31 updates (0.517 s) while firing
      EXPECT_NEAR(seconds(), 0.5, 0.05);
      break;
    case 99:  // the menu tick: short enough to repeat at every selection step
      EXPECT_LE(seconds(), 0.15);
      break;
    default:
      EXPECT_GE(seconds(), 0.04);
      EXPECT_LT(seconds(), 1.0);
  }
}

// Effects overlap in play, so each one leaves headroom for the others.
TEST_P(SoundEffect, PeaksLeaveHeadroomButAreNotFaint) {
  EXPECT_LE(peakDb(sound_.samples), -5.0);
  EXPECT_GE(peakDb(sound_.samples), -18.0);
}

TEST_P(SoundEffect, AverageLoudnessMatchesTheCommonTarget) {
  EXPECT_NEAR(rmsDb(sound_.samples), kTargetRmsDb, 1.5);
}

TEST_P(SoundEffect, StartsAndEndsWithoutAClick) {
  const auto& samples = sound_.samples;
  EXPECT_LT(std::abs(samples.front()), 0.005);
  EXPECT_LT(std::abs(samples.back()), 0.005);
  // A fade of a few milliseconds keeps the first and last half millisecond quiet; a
  // sound cut off hard would jump straight to its full level there.
  const std::size_t halfMillisecond = static_cast<std::size_t>(sound_.audio.hertz / 2000);
  for (std::size_t i = 0; i < halfMillisecond; ++i) {
    EXPECT_LT(std::abs(samples[i]), 0.1) << "sample " << i;
    EXPECT_LT(std::abs(samples[samples.size() - 1 - i]), 0.1) << "sample " << i << " from the end";
  }
}

INSTANTIATE_TEST_SUITE_P(AllLoaded, SoundEffect, ::testing::ValuesIn(kSoundNumbers),
                         [](const ::testing::TestParamInfo<int>& info) {
                           char name[16];
                           std::snprintf(name, sizeof name, "Sfx%03d", info.param);
                           return std::string(name);
                         });

// Sound 2, the bounce heard most in Vever and Jump, must not be a dull boop that small
// speakers lose: a fair share of it lies above 1 kHz (a plain sine sweep to 430 Hz, with an
// octave, measures about -30 dB here).
TEST(SoundEffects, TheBounceCarriesEnergyAbove1kHz) {
  const DecodedSound bounce = decode(2);
  ASSERT_FALSE(bounce.samples.empty());
  const double above = rmsDb(highPassed(bounce.samples, bounce.audio.hertz, 1000.0));
  EXPECT_GE(above - rmsDb(bounce.samples), -20.0);
}

TEST(SoundEffects, EveryOneIsDifferent) {
  std::vector<DecodedSound> sounds;
  for (int number : kSoundNumbers) sounds.push_back(decode(number));
  for (std::size_t a = 0; a < sounds.size(); ++a) {
    for (std::size_t b = a + 1; b < sounds.size(); ++b) {
      EXPECT_FALSE(sounds[a].samples == sounds[b].samples)
          << "sounds " << kSoundNumbers[a] << " and " << kSoundNumbers[b] << " are the same";
    }
  }
}
