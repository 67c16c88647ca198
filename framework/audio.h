// The sound module: sounds loaded from the data folder and played on numbered channels
// 0..31 through the audio engine; the music channel through the music operations.
#pragma once

#include "host/audio/audio.h"
#include "host/gc.h"
#include "host/string.h"

class c_Sound : public Object {
 public:
  ZuSample* m_Sample = nullptr;

  c_Sound* m_new(ZuSample* sample);
  c_Sound* m_new2();
  void mark() override;
};

// The engine, set once at start by the delegate.
extern ZuAudio* zu_audio_device;

void zu_audio_SetAudioDevice(ZuAudio* device);
// A bare name is looked up in the data folder. Null for a missing or undecodable file.
c_Sound* zu_audio_LoadSound(const String& path);
// Nothing for a null sound or one without a sample. Any non-zero flags loop.
void zu_audio_PlaySound(c_Sound* sound, int channel, int flags);
void zu_audio_StopChannel(int channel);
void zu_audio_SetChannelVolume(int channel, float volume);
void zu_audio_SetChannelPan(int channel, float pan);
void zu_audio_SetChannelRate(int channel, float rate);
// Plays an already loaded sound on the music channel, so a tune starts without decoding.
void zu_audio_PlayMusicSound(c_Sound* sound, int flags);
void zu_audio_StopMusic();
void zu_audio_PauseMusic();
void zu_audio_ResumeMusic();
