#include "host/audio/audio_file.h"

#include <gtest/gtest.h>

#include "tests/host/audio/wav_bytes.h"

TEST(AudioFileKind, ChosenByExtensionInAnyCase) {
  EXPECT_EQ(zu_audio_FileKindOf("vantor://data/sfx/001.wav"), ZuAudioFileKind::Wav);
  EXPECT_EQ(zu_audio_FileKindOf("SFX/001.WAV"), ZuAudioFileKind::Wav);
  EXPECT_EQ(zu_audio_FileKindOf("music.OGG"), ZuAudioFileKind::Ogg);
  EXPECT_EQ(zu_audio_FileKindOf("music.oGg"), ZuAudioFileKind::Ogg);
}

TEST(AudioFileKind, OtherNamesAreUnknown) {
  EXPECT_EQ(zu_audio_FileKindOf(""), ZuAudioFileKind::Unknown);
  EXPECT_EQ(zu_audio_FileKindOf("wav"), ZuAudioFileKind::Unknown);
  EXPECT_EQ(zu_audio_FileKindOf("sound.wave"), ZuAudioFileKind::Unknown);
  EXPECT_EQ(zu_audio_FileKindOf("sound.wav.png"), ZuAudioFileKind::Unknown);
  EXPECT_EQ(zu_audio_FileKindOf("sound.mp3"), ZuAudioFileKind::Unknown);
  EXPECT_EQ(zu_audio_FileKindOf("soundwav"), ZuAudioFileKind::Unknown);
}

TEST(AudioFileRead, WavDataUnderACapitalisedName) {
  const auto file = makeWav({.bitsPerSample = 8}, rampBytes(10));
  ZuAudioData audio;
  ASSERT_TRUE(zu_audio_ReadAudioFile("SFX/001.WAV", file.data(), file.size(), audio));
  EXPECT_EQ(audio.length, 10);
}

TEST(AudioFileRead, ExtensionDecidesTheReaderNotTheContents) {
  const auto file = makeWav({}, rampBytes(10));
  ZuAudioData audio;
  EXPECT_FALSE(zu_audio_ReadAudioFile("sfx/001.ogg", file.data(), file.size(), audio));
  EXPECT_FALSE(zu_audio_ReadAudioFile("sfx/001.raw", file.data(), file.size(), audio));
}

TEST(AudioFileRead, UnknownExtensionClearsEarlierContents) {
  const auto file = makeWav({}, rampBytes(10));
  ZuAudioData audio;
  ASSERT_TRUE(zu_audio_ReadAudioFile("a.wav", file.data(), file.size(), audio));
  EXPECT_FALSE(zu_audio_ReadAudioFile("a.txt", file.data(), file.size(), audio));
  EXPECT_TRUE(audio.bytes.empty());
  EXPECT_EQ(audio.length, 0);
}
