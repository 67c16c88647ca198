#include "host/audio/wav_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <vector>

#include "tests/host/audio/wav_bytes.h"

namespace {

bool readWav(const std::vector<unsigned char>& file, ZuAudioData& out) {
  // An exact-size copy, so any read past the end lands outside the allocation.
  const std::vector<unsigned char> exact(file.begin(), file.end());
  return zu_audio_ReadWav(exact.data(), exact.size(), out);
}

bool rejects(const std::vector<unsigned char>& file) {
  ZuAudioData out;
  out.length = 99;
  const bool accepted = readWav(file, out);
  EXPECT_TRUE(out.bytes.empty());
  EXPECT_EQ(out.length, 0);
  return !accepted;
}

void expectConsistent(const ZuAudioData& audio, std::size_t fileSize) {
  ASSERT_TRUE(audio.channels == 1 || audio.channels == 2);
  ASSERT_TRUE(audio.format == 1 || audio.format == 2);
  ASSERT_GT(audio.hertz, 0);
  ASSERT_GE(audio.length, 0);
  ASSERT_EQ(audio.bytes.size(), static_cast<std::size_t>(audio.length) * audio.channels * audio.format);
  ASSERT_LE(audio.bytes.size(), fileSize);
}

// Fixed-sequence generator, so every run feeds the same inputs.
class Lcg {
 public:
  explicit Lcg(std::uint32_t seed) : state_(seed) {}
  std::uint32_t next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  std::uint32_t below(std::uint32_t bound) { return next() % bound; }

 private:
  std::uint32_t state_;
};

}  // namespace

// --- Layouts the engine can play ---

TEST(WavReaderAccepts, Mono16BitSamplesAsStored) {
  const std::vector<unsigned char> data = {0x01, 0x00, 0xff, 0x7f, 0x00, 0x80, 0xfe, 0xff};
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({.hertz = 44100}, data), audio));
  EXPECT_EQ(audio.length, 4);
  EXPECT_EQ(audio.channels, 1);
  EXPECT_EQ(audio.format, 2);
  EXPECT_EQ(audio.hertz, 44100);
  const auto* samples = reinterpret_cast<const std::int16_t*>(audio.bytes.data());
  EXPECT_EQ(samples[0], 1);
  EXPECT_EQ(samples[1], 32767);
  EXPECT_EQ(samples[2], -32768);
  EXPECT_EQ(samples[3], -2);
}

TEST(WavReaderAccepts, EightBitStereoOf1000BytesIs500Frames) {
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({.channels = 2, .bitsPerSample = 8}, rampBytes(1000)), audio));
  EXPECT_EQ(audio.length, 500);
  EXPECT_EQ(audio.channels, 2);
  EXPECT_EQ(audio.format, 1);
  EXPECT_EQ(audio.bytes, rampBytes(1000));
}

TEST(WavReaderAccepts, SixteenBitStereoOf1000BytesIs250Frames) {
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({.channels = 2}, rampBytes(1000)), audio));
  EXPECT_EQ(audio.length, 250);
}

TEST(WavReaderAccepts, IncompleteLastFrameIsLeftOut) {
  const auto data = rampBytes(11);
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({.channels = 2}, data), audio));
  EXPECT_EQ(audio.length, 2);
  EXPECT_EQ(audio.bytes, std::vector<unsigned char>(data.begin(), data.begin() + 8));
}

TEST(WavReaderAccepts, EmptyDataChunkAsZeroFrames) {
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({}, {}), audio));
  EXPECT_EQ(audio.length, 0);
  EXPECT_TRUE(audio.bytes.empty());
}

// --- Chunk layout ---

TEST(WavReaderChunks, ListChunkBetweenFmtAndDataIsSkipped) {
  const auto file = WavBytes()
                        .header({})
                        .chunk("LIST", rampBytes(26))
                        .chunk("data", rampBytes(40))
                        .finish();
  ZuAudioData audio;
  ASSERT_TRUE(readWav(file, audio));
  EXPECT_EQ(audio.length, 20);
  EXPECT_EQ(audio.bytes, rampBytes(40));
}

TEST(WavReaderChunks, LongerFmtChunkIsSkippedToItsEnd) {
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({.fmtSize = 18}, rampBytes(6)), audio));
  EXPECT_EQ(audio.bytes, rampBytes(6));
}

TEST(WavReaderChunks, OnlyTheFirstDataChunkIsRead) {
  const auto file = WavBytes().header({}).chunk("data", rampBytes(4)).chunk("data", rampBytes(8)).finish();
  ZuAudioData audio;
  ASSERT_TRUE(readWav(file, audio));
  EXPECT_EQ(audio.length, 2);
}

TEST(WavReaderChunks, NoDataChunkGivesNothing) {
  EXPECT_TRUE(rejects(WavBytes().header({}).chunk("LIST", rampBytes(8)).finish()));
  EXPECT_TRUE(rejects(WavBytes().header({}).finish()));
}

TEST(WavReaderChunks, FmtMustFollowWaveDirectly) {
  const auto file = WavBytes()
                        .tag("RIFF").u32(0).tag("WAVE")
                        .chunk("JUNK", rampBytes(4))
                        .finish();
  EXPECT_TRUE(rejects(file));
}

TEST(WavReaderChunks, WrongMagicIsRejected) {
  auto file = makeWav({}, rampBytes(8));
  file[3] = 'X';  // "RIFX", the big-endian variant
  EXPECT_TRUE(rejects(file));
  file = makeWav({}, rampBytes(8));
  file[8] = 'w';
  EXPECT_TRUE(rejects(file));
}

TEST(WavReaderChunks, FmtChunkShorterThanItsFieldsIsRejected) {
  EXPECT_TRUE(rejects(makeWav({.fmtSize = 14}, rampBytes(8))));
}

// --- Formats the engine cannot play ---

TEST(WavReaderRejects, NonPcmAudioFormat) {
  EXPECT_TRUE(rejects(makeWav({.audioFormat = 3, .bitsPerSample = 32}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.audioFormat = 3}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.audioFormat = 0xFFFE}, rampBytes(16))));
}

TEST(WavReaderRejects, ChannelCountsOtherThanOneOrTwo) {
  EXPECT_TRUE(rejects(makeWav({.channels = 0}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.channels = 3}, rampBytes(18))));
  EXPECT_TRUE(rejects(makeWav({.channels = 0xFFFF}, rampBytes(16))));
}

TEST(WavReaderRejects, BitDepthsOtherThan8Or16) {
  EXPECT_TRUE(rejects(makeWav({.bitsPerSample = 0}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.bitsPerSample = 4}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.bitsPerSample = 12}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.bitsPerSample = 24}, rampBytes(18))));
  EXPECT_TRUE(rejects(makeWav({.bitsPerSample = 32}, rampBytes(16))));
}

TEST(WavReaderRejects, ZeroOrOutOfRangeSampleRate) {
  EXPECT_TRUE(rejects(makeWav({.hertz = 0}, rampBytes(16))));
  EXPECT_TRUE(rejects(makeWav({.hertz = 0x80000000u}, rampBytes(16))));
}

// --- Truncated files and sizes that lie ---

TEST(WavReaderDamage, EveryTruncationOfAValidFileIsRejected) {
  const auto file = WavBytes().header({.fmtSize = 18}).chunk("LIST", rampBytes(6)).chunk("data", rampBytes(20)).finish();
  for (std::size_t size = 0; size < file.size(); ++size) {
    SCOPED_TRACE(size);
    EXPECT_TRUE(rejects(std::vector<unsigned char>(file.begin(), file.begin() + size)));
  }
}

TEST(WavReaderDamage, DataChunkClaimingMoreThanTheFileHoldsIsRejected) {
  for (std::uint32_t claimed : {21u, 0x10000u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    SCOPED_TRACE(claimed);
    EXPECT_TRUE(rejects(WavBytes().header({}).tag("data").u32(claimed).raw(rampBytes(20)).finish()));
  }
}

TEST(WavReaderDamage, SkippedChunkClaimingMoreThanTheFileHoldsIsRejected) {
  for (std::uint32_t claimed : {30u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
    SCOPED_TRACE(claimed);
    EXPECT_TRUE(rejects(WavBytes().header({}).tag("LIST").u32(claimed).chunk("data", rampBytes(20)).finish()));
  }
}

TEST(WavReaderDamage, HugeFmtSizeIsRejected) {
  auto file = makeWav({}, rampBytes(8));
  for (int i = 0; i < 4; ++i) file[16 + i] = 0xFF;  // the "fmt " chunk's size
  EXPECT_TRUE(rejects(file));
}

TEST(WavReaderDamage, NullOrEmptyInputIsRejected) {
  ZuAudioData audio;
  EXPECT_FALSE(zu_audio_ReadWav(nullptr, 0, audio));
  EXPECT_FALSE(zu_audio_ReadWav(nullptr, 100, audio));
  const unsigned char one = 'R';
  EXPECT_FALSE(zu_audio_ReadWav(&one, 0, audio));
}

TEST(WavReaderDamage, RejectionClearsEarlierContents) {
  ZuAudioData audio;
  ASSERT_TRUE(readWav(makeWav({}, rampBytes(8)), audio));
  EXPECT_FALSE(readWav(makeWav({.channels = 3}, rampBytes(12)), audio));
  EXPECT_TRUE(audio.bytes.empty());
  EXPECT_EQ(audio.channels, 0);
}

TEST(WavReaderDamage, RandomGarbageIsRejected) {
  Lcg random(12345);
  for (int round = 0; round < 2000; ++round) {
    std::vector<unsigned char> garbage(random.below(300));
    for (auto& byte : garbage) byte = static_cast<unsigned char>(random.next());
    // Half of them start like a WAV file, so the reader gets past the magic.
    if (round % 2 == 0 && garbage.size() >= 16) std::memcpy(garbage.data(), "RIFF\0\0\0\0WAVEfmt ", 16);
    ZuAudioData audio;
    if (readWav(garbage, audio)) expectConsistent(audio, garbage.size());
  }
}

// Many damaged copies of one valid file: every outcome is either a rejection or a
// sound whose sizes agree with each other and with the file.
TEST(WavReaderDamage, MutatedFilesNeverGiveInconsistentSound) {
  const auto original = WavBytes()
                            .header({.fmtSize = 18, .channels = 2})
                            .chunk("LIST", rampBytes(10))
                            .chunk("data", rampBytes(64))
                            .finish();
  const std::uint32_t boundaryValues[] = {0, 1, 2, 3, 16, 17, 64, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
  Lcg random(2024);
  int accepted = 0;
  for (int round = 0; round < 20000; ++round) {
    auto mutant = original;
    switch (random.below(4)) {
      case 0:  // flip a few bytes
        for (std::uint32_t n = 1 + random.below(4); n > 0; --n) {
          mutant[random.below(static_cast<std::uint32_t>(mutant.size()))] ^= static_cast<unsigned char>(1 + random.below(255));
        }
        break;
      case 1: {  // overwrite a 32-bit field with a boundary value
        const std::uint32_t at = random.below(static_cast<std::uint32_t>(mutant.size() - 3));
        const std::uint32_t value = boundaryValues[random.below(std::size(boundaryValues))];
        for (int i = 0; i < 4; ++i) mutant[at + i] = static_cast<unsigned char>(value >> (8 * i));
        break;
      }
      case 2:  // cut the file short
        mutant.resize(random.below(static_cast<std::uint32_t>(mutant.size())));
        break;
      default:  // insert bytes in the middle
        mutant.insert(mutant.begin() + random.below(static_cast<std::uint32_t>(mutant.size())),
                      random.below(12), static_cast<unsigned char>(random.next()));
        break;
    }
    ZuAudioData audio;
    if (readWav(mutant, audio)) {
      ++accepted;
      expectConsistent(audio, mutant.size());
      if (HasFatalFailure()) return;
    }
  }
  // The mutations must leave some files readable, or the check above tests nothing.
  EXPECT_GT(accepted, 1000);
}
