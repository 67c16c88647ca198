#include "framework/audio.h"

#include "host/files.h"

ZuAudio* zu_audio_device = nullptr;

namespace {

const gc_roots audio_roots([] { gc_mark_q(zu_audio_device); });

// The engine for a sound channel. The music channel is the engine's own and is reached
// only through the music operations; before start-up there is no engine at all.
ZuAudio* EngineForChannel(int channel) {
  if (channel < 0 || channel >= ZuAudio::kSoundChannels) return nullptr;
  return zu_audio_device;
}

}  // namespace

c_Sound* c_Sound::m_new(ZuSample* sample) {
  gc_assign(m_Sample, sample);
  return this;
}

c_Sound* c_Sound::m_new2() { return this; }

void c_Sound::mark() { gc_mark_q(m_Sample); }

void zu_audio_SetAudioDevice(ZuAudio* device) { gc_assign(zu_audio_device, device); }

c_Sound* zu_audio_LoadSound(const String& path) {
  if (!zu_audio_device) return nullptr;
  ZuSample* sample = zu_audio_device->LoadSample(zu_data_FixDataPath(path));
  if (!sample) return nullptr;
  return gc_new<c_Sound>()->m_new(sample);
}

void zu_audio_PlaySound(c_Sound* sound, int channel, int flags) {
  ZuAudio* engine = EngineForChannel(channel);
  if (engine && sound && sound->m_Sample) engine->PlaySample(sound->m_Sample, channel, flags);
}

void zu_audio_StopChannel(int channel) {
  if (ZuAudio* engine = EngineForChannel(channel)) engine->StopChannel(channel);
}

void zu_audio_SetChannelVolume(int channel, float volume) {
  if (ZuAudio* engine = EngineForChannel(channel)) engine->SetVolume(channel, volume);
}

void zu_audio_SetChannelPan(int channel, float pan) {
  if (ZuAudio* engine = EngineForChannel(channel)) engine->SetPan(channel, pan);
}

void zu_audio_SetChannelRate(int channel, float rate) {
  if (ZuAudio* engine = EngineForChannel(channel)) engine->SetRate(channel, rate);
}

void zu_audio_PlayMusicSound(c_Sound* sound, int flags) {
  if (zu_audio_device && sound && sound->m_Sample) {
    zu_audio_device->PlaySample(sound->m_Sample, ZuAudio::kMusicChannel, flags);
  }
}

void zu_audio_StopMusic() {
  if (zu_audio_device) zu_audio_device->StopMusic();
}

void zu_audio_PauseMusic() {
  if (zu_audio_device) zu_audio_device->PauseMusic();
}

void zu_audio_ResumeMusic() {
  if (zu_audio_device) zu_audio_device->ResumeMusic();
}
