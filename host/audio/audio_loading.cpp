// Samples from sound files, and the music channel, which plays one loaded whole.
#include <cstdlib>

#include "host/audio/audio.h"
#include "host/audio/audio_data.h"

namespace {

// The OpenAL layout for a sample format; 0 for one OpenAL cannot take.
ALenum BufferFormatFor(int bytesPerSample, int channels) {
  if (bytesPerSample == 1 && channels == 1) return AL_FORMAT_MONO8;
  if (bytesPerSample == 1 && channels == 2) return AL_FORMAT_STEREO8;
  if (bytesPerSample == 2 && channels == 1) return AL_FORMAT_MONO16;
  if (bytesPerSample == 2 && channels == 2) return AL_FORMAT_STEREO16;
  return 0;
}

}  // namespace

ZuSample* ZuAudio::LoadSample(const String& path) {
  FlushDiscarded();
  ZuSample* sample = gc_new<ZuSample>();
  return LoadSample__UNSAFE__(sample, path) ? sample : nullptr;
}

bool ZuAudio::LoadSample__UNSAFE__(ZuSample* sample, const String& path) {
  if (!sample) return false;
  int length = 0, channelCount = 0, bytesPerSample = 0, hertz = 0;
  unsigned char* data = zu_audio_LoadAudioData(path, &length, &channelCount, &bytesPerSample, &hertz);
  if (!data) return false;

  ALuint buffer = 0;
  alGetError();
  alGenBuffers(1, &buffer);
  if (alGetError() != AL_NO_ERROR) buffer = 0;
  if (buffer != 0) {
    // An unknown layout leaves the buffer empty: the sample loads but stays silent.
    alBufferData(buffer, BufferFormatFor(bytesPerSample, channelCount), data,
                 bytesPerSample * channelCount * length, hertz);
  }
  std::free(data);
  sample->SetBuffer(buffer);
  return true;
}

int ZuAudio::PlayMusic(const String& path, int flags) {
  StopMusic();
  // The music sample playing before is no longer referenced; its buffer goes the way
  // of every discarded sample.
  ZuSample* music = LoadSample(path);
  if (!music) return -1;
  return PlaySample(music, kMusicChannel, flags);
}

void ZuAudio::StopMusic() { StopChannel(kMusicChannel); }

void ZuAudio::PauseMusic() { PauseChannel(kMusicChannel); }

void ZuAudio::ResumeMusic() { ResumeChannel(kMusicChannel); }

int ZuAudio::MusicState() { return ChannelState(kMusicChannel); }

void ZuAudio::SetMusicVolume(float volume) { SetVolume(kMusicChannel, volume); }
