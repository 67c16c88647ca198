#include "host/audio/ogg_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/audio/audio_file.h"

namespace {

std::vector<unsigned char> readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Ogg files are made at test time with sox, so no binary sample is kept in the tree.
class OggReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("sox --version > /dev/null 2>&1") != 0) GTEST_SKIP() << "sox is not installed";
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    scratch_ = std::filesystem::path(ZANDREL_BINARY_DIR) / "test-scratch" / "ogg_reader" / test->name();
    std::filesystem::create_directories(scratch_);
  }

  // Encodes `synth` (a sox synth effect) at the given output options, e.g. "-r 22050 -c 1".
  std::vector<unsigned char> makeOgg(const std::string& outputOptions, const std::string& synth) {
    const auto path = scratch_ / "sound.ogg";
    std::filesystem::remove(path);
    const std::string command = "sox -q -n " + outputOptions + " '" + path.string() + "' " + synth;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return readFile(path);
  }

  std::filesystem::path scratch_;
};

std::int16_t sampleAt(const ZuAudioData& audio, int frame, int channel) {
  std::int16_t sample;
  std::memcpy(&sample, audio.bytes.data() + (static_cast<std::size_t>(frame) * audio.channels + channel) * 2, 2);
  return sample;
}

// Rising zero crossings of one channel: a tone's frequency times its duration.
int risingZeroCrossings(const ZuAudioData& audio, int channel) {
  int crossings = 0;
  for (int frame = 1; frame < audio.length; ++frame) {
    if (sampleAt(audio, frame - 1, channel) < 0 && sampleAt(audio, frame, channel) >= 0) ++crossings;
  }
  return crossings;
}

int peakOf(const ZuAudioData& audio, int channel) {
  int peak = 0;
  for (int frame = 0; frame < audio.length; ++frame) peak = std::max(peak, std::abs(int{sampleAt(audio, frame, channel)}));
  return peak;
}

bool readOgg(const std::vector<unsigned char>& file, ZuAudioData& out,
             std::size_t maxDecodedBytes = kZuOggMaxDecodedBytes) {
  // An exact-size copy, so any read past the end lands outside the allocation.
  const std::vector<unsigned char> exact(file.begin(), file.end());
  return zu_audio_ReadOgg(exact.data(), exact.size(), out, maxDecodedBytes);
}

}  // namespace

// --- Round trips through a real encoder ---

TEST_F(OggReaderTest, MonoToneDecodesToItsLengthRateAndPitch) {
  const auto file = makeOgg("-r 22050 -c 1", "synth 0.5 sine 440");
  ZuAudioData audio;
  ASSERT_TRUE(readOgg(file, audio));
  EXPECT_EQ(audio.channels, 1);
  EXPECT_EQ(audio.format, 2);
  EXPECT_EQ(audio.hertz, 22050);
  EXPECT_EQ(audio.length, 11025);
  EXPECT_EQ(audio.bytes.size(), 11025u * 2);
  EXPECT_NEAR(risingZeroCrossings(audio, 0), 220, 2);
  EXPECT_GT(peakOf(audio, 0), 16000);
}

TEST_F(OggReaderTest, StereoChannelsStayInterleavedInOrder) {
  const auto file = makeOgg("-r 44100 -c 2", "synth 0.25 sine 300 sine 1000");
  ZuAudioData audio;
  ASSERT_TRUE(readOgg(file, audio));
  EXPECT_EQ(audio.channels, 2);
  EXPECT_EQ(audio.hertz, 44100);
  EXPECT_EQ(audio.length, 11025);
  EXPECT_EQ(audio.bytes.size(), 11025u * 4);
  EXPECT_NEAR(risingZeroCrossings(audio, 0), 75, 2);
  EXPECT_NEAR(risingZeroCrossings(audio, 1), 250, 2);
}

TEST_F(OggReaderTest, LongerThanOneDecodeStepKeepsEveryFrame) {
  const auto file = makeOgg("-r 8000 -c 1", "synth 1.7 sine 500");
  ZuAudioData audio;
  ASSERT_TRUE(readOgg(file, audio));
  EXPECT_EQ(audio.length, 13600);
  EXPECT_NEAR(risingZeroCrossings(audio, 0), 850, 3);
}

TEST_F(OggReaderTest, CapitalisedExtensionIsDecodedAsOgg) {
  const auto file = makeOgg("-r 22050 -c 1", "synth 0.1 sine 440");
  ZuAudioData audio;
  ASSERT_TRUE(zu_audio_ReadAudioFile("data/MUSIC.OGG", file.data(), file.size(), audio));
  EXPECT_EQ(audio.length, 2205);
  EXPECT_FALSE(zu_audio_ReadAudioFile("data/music.wav", file.data(), file.size(), audio));
}

// --- Refusals ---

TEST_F(OggReaderTest, MoreThanTwoChannelsAreRejected) {
  const auto file = makeOgg("-r 22050 -c 3", "synth 0.1 sine 440");
  ZuAudioData audio;
  EXPECT_FALSE(readOgg(file, audio));
  EXPECT_TRUE(audio.bytes.empty());
}

TEST_F(OggReaderTest, DecodedSizeLimitIsInclusive) {
  const auto file = makeOgg("-r 8000 -c 1", "synth 1 sine 440");
  ZuAudioData audio;
  ASSERT_TRUE(readOgg(file, audio, 16000));
  EXPECT_EQ(audio.bytes.size(), 16000u);
  EXPECT_FALSE(readOgg(file, audio, 15999));
  EXPECT_TRUE(audio.bytes.empty());
  EXPECT_EQ(audio.length, 0);
}

TEST_F(OggReaderTest, LongSilenceThatShrinksTheMostStillDecodes) {
  // Silence shrinks the most (over fifty times here), yet stays well within the limit.
  const auto file = makeOgg("-r 44100 -c 2 -C -1", "synth 20 sine 0");
  ZuAudioData audio;
  ASSERT_TRUE(readOgg(file, audio));
  EXPECT_EQ(audio.length, 882000);
  EXPECT_GT(audio.bytes.size(), 50 * file.size());
}

TEST(OggReaderGarbage, NullEmptyAndNonOggInputIsRejected) {
  ZuAudioData audio;
  EXPECT_FALSE(zu_audio_ReadOgg(nullptr, 0, audio));
  EXPECT_FALSE(zu_audio_ReadOgg(nullptr, 100, audio));
  const std::vector<unsigned char> text = {'n', 'o', 't', ' ', 'o', 'g', 'g'};
  EXPECT_FALSE(readOgg(text, audio));
  std::vector<unsigned char> fakeHeader(200, 0);
  std::memcpy(fakeHeader.data(), "OggS", 4);
  EXPECT_FALSE(readOgg(fakeHeader, audio));
}

TEST(OggReaderGarbage, RandomBytesBehindAnOggCapturePatternAreRejected) {
  std::uint32_t state = 99;
  for (int round = 0; round < 500; ++round) {
    std::vector<unsigned char> garbage(4 + round % 400);
    for (auto& byte : garbage) {
      state = state * 1664525u + 1013904223u;
      byte = static_cast<unsigned char>(state >> 24);
    }
    std::memcpy(garbage.data(), "OggS", 4);
    ZuAudioData audio;
    EXPECT_FALSE(readOgg(garbage, audio));
  }
}

// --- Damaged files: rejected, or decoded only as far as they are sound ---

TEST_F(OggReaderTest, TruncatedFilesNeverGiveMoreThanTheWhole) {
  const auto file = makeOgg("-r 22050 -c 2", "synth 0.3 sine 440 sine 550");
  ZuAudioData whole;
  ASSERT_TRUE(readOgg(file, whole));
  int opened = 0;
  for (std::size_t size = 0; size < file.size(); size += 37) {
    SCOPED_TRACE(size);
    ZuAudioData audio;
    if (readOgg(std::vector<unsigned char>(file.begin(), file.begin() + size), audio)) {
      ++opened;
      EXPECT_EQ(audio.channels, 2);
      EXPECT_LE(audio.length, whole.length);
      EXPECT_EQ(audio.bytes.size(), static_cast<std::size_t>(audio.length) * 4);
    }
  }
  // Short prefixes lack the headers; the longer ones open and stop where the data does.
  EXPECT_GT(opened, 0);
  ZuAudioData headerOnly;
  EXPECT_FALSE(readOgg(std::vector<unsigned char>(file.begin(), file.begin() + 40), headerOnly));
}

TEST_F(OggReaderTest, DamagedHeaderPageGivesNothing) {
  auto file = makeOgg("-r 22050 -c 1", "synth 0.5 sine 440");
  file[40] ^= 0x10;  // inside the identification header
  ZuAudioData audio;
  EXPECT_FALSE(readOgg(file, audio));
}

TEST_F(OggReaderTest, DamageNearTheEndKeepsTheSoundBeforeIt) {
  // Noise fills several pages, where a steady tone would fit in one.
  auto file = makeOgg("-r 22050 -c 1", "synth 3 whitenoise vol 0.5");
  ZuAudioData whole;
  ASSERT_TRUE(readOgg(file, whole));
  file[file.size() - 20] ^= 0x01;
  ZuAudioData damaged;
  ASSERT_TRUE(readOgg(file, damaged));
  EXPECT_GT(damaged.length, 0);
  EXPECT_LT(damaged.length, whole.length);
  // What is kept decodes exactly as it did in the intact file.
  const std::size_t kept = damaged.bytes.size() / 2;  // leave the last, unfinished block out
  EXPECT_TRUE(std::equal(damaged.bytes.begin(), damaged.bytes.begin() + kept, whole.bytes.begin()));
}

TEST_F(OggReaderTest, MutatedFilesNeverCrashOrGiveInconsistentSound) {
  const auto original = makeOgg("-r 11025 -c 1", "synth 0.2 sine 700");
  std::uint32_t state = 7;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  for (int round = 0; round < 1500; ++round) {
    auto mutant = original;
    for (std::uint32_t n = 1 + next() % 6; n > 0; --n) {
      mutant[next() % mutant.size()] = static_cast<unsigned char>(next());
    }
    ZuAudioData audio;
    if (readOgg(mutant, audio)) {
      ASSERT_TRUE(audio.channels == 1 || audio.channels == 2);
      ASSERT_EQ(audio.format, 2);
      ASSERT_GT(audio.hertz, 0);
      ASSERT_EQ(audio.bytes.size(), static_cast<std::size_t>(audio.length) * audio.channels * 2);
    }
  }
}

// --- Our sounds decode as they always have ---

// Fingerprints of three of our sound effects encoded as Ogg (kept beside this file),
// taken from the decoder this reader used before. Decoders differ in float rounding, so
// a sample may move by one step; shifting, dropping or reordering samples moves the
// position-weighted sum by far more than that allows.
struct OggFingerprint {
  const char* file;
  int channels;
  int hertz;
  int frames;
  long long absoluteSum;   // sum of |sample|
  long long weightedSum;   // sum of sample * ((i mod 64) - 32) over interleaved index i
};

TEST(OggReaderReference, OurSoundsDecodeToTheSamplesTheyAlwaysHad) {
  const OggFingerprint references[] = {
      {"sfx001.ogg", 1, 44100, 18522, 62771132, 5128530},
      {"sfx096.ogg", 1, 44100, 74970, 279131552, 7301234},
      {"sfx011_013_stereo_22050.ogg", 2, 22050, 19845, 117168078, 4567533},
  };
  for (const auto& reference : references) {
    SCOPED_TRACE(reference.file);
    const auto file = readFile(std::filesystem::path(__FILE__).parent_path() / "ogg" / reference.file);
    ASSERT_FALSE(file.empty());
    ZuAudioData audio;
    ASSERT_TRUE(readOgg(file, audio));
    EXPECT_EQ(audio.channels, reference.channels);
    EXPECT_EQ(audio.hertz, reference.hertz);
    ASSERT_EQ(audio.length, reference.frames);
    const std::size_t samples = static_cast<std::size_t>(audio.length) * audio.channels;
    long long absoluteSum = 0, weightedSum = 0;
    for (std::size_t i = 0; i < samples; ++i) {
      std::int16_t sample;
      std::memcpy(&sample, audio.bytes.data() + i * 2, 2);
      absoluteSum += std::abs(int{sample});
      weightedSum += static_cast<long long>(sample) * (static_cast<long long>(i % 64) - 32);
    }
    // At most one sample in a thousand off by one step.
    const long long allowedOff = static_cast<long long>(samples) / 1000;
    EXPECT_NEAR(absoluteSum, reference.absoluteSum, allowedOff);
    EXPECT_NEAR(weightedSum, reference.weightedSum, 32 * allowedOff);
  }
}
