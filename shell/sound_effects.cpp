// Numbered sound effects played round-robin on 24 channels, so that rapid effects overlap
// instead of cutting each other off; also the music stop and the shell's integer random.
#include <cmath>

#include "framework/audio.h"
#include "framework/random.h"
#include "host/numeric.h"
#include "shell/my_app.h"

namespace {

constexpr int kEffectChannels = 24;
constexpr int kOptionSoundMode = 5;

bool IsEffectNumber(const Array<c_Sound*>& sounds, int n) { return n >= 0 && n < sounds.Length(); }

// "sfx/007.wav": at least three digits, so the files sort in number order.
String EffectFileName(int n) {
  const char* padding = n < 10 ? "sfx/00" : n < 100 ? "sfx/0" : "sfx/";
  return String(padding) + String(n) + String(".wav");
}

}  // namespace

int c_MyApp::p_LoadSFX(int n) {
  if (!IsEffectNumber(m_Sounds, n)) return 0;
  gc_assign(m_Sounds[n], zu_audio_LoadSound(EffectFileName(n)));
  return 0;
}

// Sound modes 1 and 2 play effects; any other mode is silence.
int c_MyApp::p_PlaySFX(int n, float rate, float volume, float pan) {
  const int mode = m_Options[kOptionSoundMode];
  if (mode != 1 && mode != 2) return 0;
  const int next = zu_wrap_add(m_NextChannel, 1) % kEffectChannels;
  m_NextChannel = next < 0 ? next + kEffectChannels : next;
  const int channel = m_Channels[m_NextChannel];
  // The new effect takes over the channel that has been playing longest.
  zu_audio_StopChannel(channel);
  if (IsEffectNumber(m_Sounds, n)) zu_audio_PlaySound(m_Sounds[n], channel, 0);
  zu_audio_SetChannelRate(channel, rate);
  zu_audio_SetChannelVolume(channel, volume);
  zu_audio_SetChannelPan(channel, pan);
  return 0;
}

int c_MyApp::p_StopTune() {
  zu_audio_StopMusic();
  m_Tune = 0;
  return 0;
}

// A whole number from lo to hi inclusive, each about equally likely.
int c_MyApp::p_Rand(float lo, float hi) {
  return zu_f2i(std::floor(zu_random_Rnd() * ((hi + 0.99f) - lo) + lo));
}
