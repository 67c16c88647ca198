// Whole sound files to PCM: files written by sox, checked against sox's own decoding.
#include "host/audio/audio_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "host/gc.h"
#include "tests/host/audio/audio_engine_sox.h"
#include "tests/host/audio/wav_bytes.h"

namespace {

struct Decoded {
  std::unique_ptr<unsigned char, decltype(&std::free)> data{nullptr, &std::free};
  int length = -1, channels = -1, format = -1, hertz = -1;
  int Bytes() const { return length * channels * format; }
  std::vector<unsigned char> Samples() const { return {data.get(), data.get() + Bytes()}; }
};

Decoded Load(const std::string& path) {
  Decoded out;
  out.data.reset(zu_audio_LoadAudioData(String(path.c_str()), &out.length, &out.channels,
                                        &out.format, &out.hertz));
  return out;
}

std::vector<unsigned char> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

class AudioData : public ::testing::Test {
 protected:
  // sox's own decoding of a file, as raw samples in the same layout.
  std::vector<unsigned char> SoxRaw(const std::string& path, const std::string& encoding) {
    const std::string raw = files.Sox("decoded.raw", "'" + path + "' " + encoding + " -t raw {}/decoded.raw");
    return ReadFile(raw);
  }

  SoxFiles files;
};

TEST_F(AudioData, SixteenBitStereoWavMatchesSoxSampleForSample) {
  const std::string path = files.Tone("s16.wav", 22050, 2, 16, 0.1);
  const Decoded sound = Load(path);
  ASSERT_NE(sound.data, nullptr);
  EXPECT_EQ(sound.length, 2205);
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.format, 2);
  EXPECT_EQ(sound.hertz, 22050);
  EXPECT_EQ(sound.Samples(), SoxRaw(path, "-e signed -b 16 -L"));
}

TEST_F(AudioData, EightBitMonoWavMatchesSoxSampleForSample) {
  const std::string path = files.Tone("u8.wav", 11025, 1, 8, 0.1);
  const Decoded sound = Load(path);
  ASSERT_NE(sound.data, nullptr);
  EXPECT_EQ(sound.length, 1103);
  EXPECT_EQ(sound.channels, 1);
  EXPECT_EQ(sound.format, 1);
  EXPECT_EQ(sound.hertz, 11025);
  EXPECT_EQ(sound.Samples(), SoxRaw(path, "-e unsigned -b 8"));
}

TEST_F(AudioData, EightBitStereoOfAThousandDataBytesIsFiveHundredFrames) {
  const std::string path = files.Tone("u8s.wav", 8000, 2, 8, 0.0625);
  const Decoded sound = Load(path);
  ASSERT_NE(sound.data, nullptr);
  EXPECT_EQ(sound.length, 500);
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.format, 1);
}

TEST_F(AudioData, OggDecodesToSixteenBitsCloseToSoxsOwnDecoding) {
  const std::string path = files.Tone("tone.ogg", 44100, 2, 0, 0.1);
  const Decoded sound = Load(path);
  ASSERT_NE(sound.data, nullptr);
  EXPECT_EQ(sound.length, 4410);
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.format, 2);
  EXPECT_EQ(sound.hertz, 44100);

  // Two Vorbis decoders round differently, but only by a few steps.
  const std::vector<unsigned char> ours = sound.Samples();
  const std::vector<unsigned char> theirs = SoxRaw(path, "-e signed -b 16 -L");
  ASSERT_EQ(ours.size(), theirs.size());
  int worst = 0;
  for (size_t i = 0; i + 1 < ours.size(); i += 2) {
    const int a = static_cast<int16_t>(ours[i] | (ours[i + 1] << 8));
    const int b = static_cast<int16_t>(theirs[i] | (theirs[i + 1] << 8));
    worst = std::max(worst, std::abs(a - b));
  }
  EXPECT_LE(worst, 4);
}

TEST_F(AudioData, ExtensionInCapitalsStillChoosesTheReader) {
  const std::string path = files.Tone("tone.ogg", 22050, 1, 0, 0.05);
  std::filesystem::copy_file(path, files.Dir() / "TONE.OGG");
  const Decoded sound = Load(files.Dir() / "TONE.OGG");
  ASSERT_NE(sound.data, nullptr);
  EXPECT_EQ(sound.format, 2);
  EXPECT_EQ(sound.length, 1103);
}

TEST_F(AudioData, OtherExtensionsAndMismatchedContentsGiveNothing) {
  const std::string wav = files.Tone("tone.wav", 8000, 1, 16, 0.01);
  const std::string ogg = files.Tone("tone.ogg", 8000, 1, 0, 0.05);
  for (const char* name : {"tone.raw", "tone.wave", "tone.wav.bak"}) {
    std::filesystem::copy_file(wav, files.Dir() / name);
    EXPECT_EQ(Load(files.Dir() / name).data, nullptr) << name;
  }
  std::filesystem::copy_file(ogg, files.Dir() / "ogg-inside.wav");
  EXPECT_EQ(Load(files.Dir() / "ogg-inside.wav").data, nullptr);
  std::filesystem::copy_file(wav, files.Dir() / "wav-inside.ogg");
  EXPECT_EQ(Load(files.Dir() / "wav-inside.ogg").data, nullptr);
}

TEST_F(AudioData, MissingFileLeavesTheOutputsAlone) {
  const Decoded sound = Load(files.Dir() / "absent.wav");
  EXPECT_EQ(sound.data, nullptr);
  EXPECT_EQ(sound.length, -1);
  EXPECT_EQ(sound.channels, -1);
  EXPECT_EQ(sound.format, -1);
  EXPECT_EQ(sound.hertz, -1);
}

TEST_F(AudioData, FloatingPointWavIsRefused) {
  const std::string path = files.Sox("float.wav", "-r 8000 -c 1 -n -e floating-point -b 32 {}/float.wav synth 0.01 sine 440");
  EXPECT_EQ(Load(path).data, nullptr);
}

TEST_F(AudioData, WavWithNoSamplesLoadsAsSilence) {
  const std::string path = files.Dir() / "empty.wav";
  WriteFile(path, makeWav({}, {}));
  const Decoded sound = Load(path);
  EXPECT_NE(sound.data, nullptr);
  EXPECT_EQ(sound.length, 0);
}

TEST_F(AudioData, CollectorCountsTheDecodedSamplesNotTheFile) {
  const std::string path = files.Tone("s16.wav", 22050, 2, 16, 0.1);
  const int before = gc_ext_new_bytes.load();
  const Decoded sound = Load(path);
  ASSERT_NE(sound.data, nullptr);
  EXPECT_EQ(gc_ext_new_bytes.load() - before, 2205 * 2 * 2);

  const int beforeFailure = gc_ext_new_bytes.load();
  std::filesystem::copy_file(path, files.Dir() / "inside.ogg");
  EXPECT_EQ(Load(files.Dir() / "inside.ogg").data, nullptr);
  EXPECT_EQ(gc_ext_new_bytes.load(), beforeFailure);
}

}  // namespace
