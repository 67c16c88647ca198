// The tunes: a score plays the same loop every time, and each loops without a jump; the Ogg
// files the game loads are mono 22 kHz, long enough for a form, levelled alike well under
// the effects, unclipped, and small enough for the browser's download.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "assets/music/arrangement.h"
#include "assets/music/ogg_writer.h"
#include "assets/music/score.h"
#include "host/audio/ogg_reader.h"

namespace {

const char* const kTunes[] = {"theme", "blast", "skies", "bounce", "puzzle", "chase", "sport"};

std::vector<unsigned char> fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

music::Score scoreOf(const std::string& tune) {
  std::ifstream in(std::string(ZANDREL_MUSIC_SCORES) + "/" + tune + ".score");
  std::stringstream text;
  text << in.rdbuf();
  std::string error;
  music::Score score = music::parseScore(text.str(), error);
  EXPECT_EQ(error, "") << tune;
  return score;
}

std::vector<double> decodedOgg(const std::string& tune, ZuAudioData& audio) {
  const std::vector<unsigned char> file = fileBytes(std::string(ZANDREL_DATA_DIR) + "/music/" + tune + ".ogg");
  std::vector<double> samples;
  if (!zu_audio_ReadOgg(file.data(), file.size(), audio)) return samples;
  for (std::size_t i = 0; i + 1 < audio.bytes.size(); i += 2) {
    std::int16_t value;
    std::memcpy(&value, audio.bytes.data() + i, 2);
    samples.push_back(value / 32768.0);
  }
  return samples;
}

double rmsDb(const std::vector<double>& samples) {
  double sum = 0.0;
  for (double s : samples) sum += s * s;
  return 20.0 * std::log10(std::sqrt(sum / static_cast<double>(samples.size())));
}

double peakDb(const std::vector<double>& samples) {
  double peak = 0.0;
  for (double s : samples) peak = std::max(peak, std::abs(s));
  return 20.0 * std::log10(peak);
}

class Tune : public ::testing::TestWithParam<const char*> {};

}  // namespace

// The loop's end leads into its start exactly as the tune played on would: played twice
// over, the score gives the loop twice, the notes and echoes that ring past the first pass
// sounding in the second one's start.
TEST_P(Tune, LoopsAsIfItPlayedOn) {
  const music::Score score = scoreOf(GetParam());
  ASSERT_GE(score.bars(), 16) << "a form, not one phrase repeated";
  const synth::Samples loop = music::renderLoop(score);
  music::Score twice = score;
  twice.sections.insert(twice.sections.end(), score.sections.begin(), score.sections.end());
  const synth::Samples both = music::renderLoop(twice);
  ASSERT_GT(loop.size(), 1000u);
  ASSERT_EQ(both.size(), 2 * loop.size());
  double worst = 0.0;
  std::size_t at = 0;
  for (std::size_t i = 0; i < loop.size(); ++i) {
    const double difference = std::abs(both[loop.size() + i] - loop[i]);
    if (difference > worst) worst = difference, at = i;
  }
  EXPECT_LT(worst, 1e-3) << "at sample " << at << ": " << worst;
}

TEST_P(Tune, IsAMonoOggLevelledUnderTheEffectsThatNeverClips) {
  ZuAudioData audio;
  const std::vector<double> samples = decodedOgg(GetParam(), audio);
  ASSERT_FALSE(samples.empty()) << GetParam() << ".ogg is missing or undecodable";
  EXPECT_EQ(audio.channels, 1);
  EXPECT_EQ(audio.hertz, 22050);
  const double seconds = static_cast<double>(audio.length) / audio.hertz;
  EXPECT_GE(seconds, 25.0);
  EXPECT_LE(seconds, 45.0);
  EXPECT_GE(rmsDb(samples), -26.0);
  EXPECT_LE(rmsDb(samples), -22.0);
  EXPECT_LE(peakDb(samples), -6.0);
}

INSTANTIATE_TEST_SUITE_P(All, Tune, ::testing::ValuesIn(kTunes),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

TEST(Music, TheTunesAreWithinTwoDecibelsOfEachOtherAndFitTheDownload) {
  double quietest = 0.0, loudest = -100.0;
  std::uintmax_t bytes = 0;
  for (const char* tune : kTunes) {
    ZuAudioData audio;
    const std::vector<double> samples = decodedOgg(tune, audio);
    ASSERT_FALSE(samples.empty()) << tune;
    quietest = std::min(quietest, rmsDb(samples));
    loudest = std::max(loudest, rmsDb(samples));
    bytes += std::filesystem::file_size(std::string(ZANDREL_DATA_DIR) + "/music/" + tune + ".ogg");
  }
  EXPECT_LE(loudest - quietest, 2.0);
  EXPECT_LE(bytes, 2500u * 1024u);
}

TEST(Music, PlayingAndEncodingAScoreTwiceGivesTheSameLoopAndBytes) {
  const synth::Samples loop = music::renderLoop(scoreOf("chase"));
  ASSERT_TRUE(loop == music::renderLoop(scoreOf("chase")));
  const std::string a = testing::TempDir() + "music_a.ogg", b = testing::TempDir() + "music_b.ogg";
  ASSERT_TRUE(music::writeOggVorbisMono(a, loop, music::kOutputRate, 0.0f));
  ASSERT_TRUE(music::writeOggVorbisMono(b, loop, music::kOutputRate, 0.0f));
  EXPECT_TRUE(fileBytes(a) == fileBytes(b));
  EXPECT_TRUE(fileBytes(a) == fileBytes(std::string(ZANDREL_DATA_DIR) + "/music/chase.ogg"))
      << "the shipped file is what the score plays";
  std::filesystem::remove(a);
  std::filesystem::remove(b);
}

TEST(MusicScore, AMelodyThatDoesNotFillItsBarsIsRefusedWithItsLine) {
  std::string error;
  const music::Score score = music::parseScore(
      "bass R...............\nharmony x...............\nkick x...............\n"
      "snare ................\nhat ................\nsection A\nchords C G\nmelody C5-16 | D5-8\n",
      error);
  EXPECT_TRUE(score.sections.empty());
  EXPECT_NE(error.find("melody lasts 24 sixteenths for 2 bars"), std::string::npos) << error;
}

TEST(MusicScore, SharpsAreNotCommentsAndFlatsNameTheirNotes) {
  EXPECT_EQ(music::noteNumber("F#5"), 78);
  EXPECT_EQ(music::noteNumber("Bb3"), 58);
  EXPECT_EQ(music::noteNumber("Cb5"), 71);
  EXPECT_EQ(music::noteNumber("H4"), -1);
  EXPECT_EQ(music::chordNotes("Bb7", 4), (std::vector<int>{70, 74, 77, 80}));
  EXPECT_EQ(music::chordNotes("F#m", 2), (std::vector<int>{42, 45, 49}));
  EXPECT_TRUE(music::chordNotes("Cmaj9", 4).empty());
}
