// The sound device: whole samples played on 32 numbered channels plus one music channel,
// each with its own volume, pan and rate, over OpenAL. Without a usable device the
// engine reports it once and everything after stays silent.
#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include "host/audio/sample.h"
#include "host/gc.h"
#include "host/string.h"

// One channel's slot. The source is made on the channel's first use and may later be
// taken over by another channel when the device has no more sources to give.
struct ZuChannel {
  ALuint source = 0;            // 0 = none yet
  ZuSample* sample = nullptr;   // last played
  int flags = 0;                // as given to PlaySample
  int state = 0;                // a ZuChannelState value
};

// What ChannelState and MusicState report.
enum ZuChannelState : int {
  ZU_CHANNEL_STOPPED = 0,  // never played, stopped, or finished by itself
  ZU_CHANNEL_PLAYING = 1,  // also while the whole engine is suspended
  ZU_CHANNEL_PAUSED = 2,   // paused by PauseChannel
};

class ZuAudio : public Object {
 public:
  static constexpr int kSoundChannels = 32;
  static constexpr int kMusicChannel = 32;
  static constexpr int kChannels = 33;

  // The one engine, set by the constructor.
  static ZuAudio* audio;

  ALCdevice* alcDevice = nullptr;
  ALCcontext* alcContext = nullptr;
  ZuChannel channels[kChannels];
  // Between Suspend and Resume: a sound started then waits, paused, for Resume.
  bool suspended = false;

  // Opens the default device; on failure prints which step failed and runs silently.
  ZuAudio();
  ~ZuAudio() override;

  // Whole-engine pause for the application's suspend; channels keep reporting state 1.
  virtual void Suspend();
  virtual void Resume();
  // Null for a missing or undecodable file.
  virtual ZuSample* LoadSample(const String& path);
  virtual bool LoadSample__UNSAFE__(ZuSample* sample, const String& path);
  // 0, or -1 when no source could be had (or the sample or channel is invalid). Any
  // non-zero flags make the sound loop.
  virtual int PlaySample(ZuSample* sample, int channel, int flags);
  virtual void StopChannel(int channel);
  virtual void PauseChannel(int channel);
  virtual void ResumeChannel(int channel);
  virtual int ChannelState(int channel);
  virtual void SetVolume(int channel, float volume);
  // 0 is straight ahead; positive values move the sound to the listener's right.
  virtual void SetPan(int channel, float pan);
  virtual void SetRate(int channel, float rate);
  virtual int PlayMusic(const String& path, int flags);
  virtual void StopMusic();
  virtual void PauseMusic();
  virtual void ResumeMusic();
  virtual int MusicState();
  virtual void SetMusicVolume(float volume);

  // Keeps every sample that is still sounding alive, referenced or not.
  void mark() override;

  // Gives the device back: sources and deletable buffers are freed, the context and
  // device closed, and every channel reads 0. The engine stays usable, silently.
  void Close();

 private:
  // The channel record for 0..32, null for any other number.
  ZuChannel* ChannelAt(int channel);
  // The channel's source, made or taken over from a finished channel when needed; 0 when
  // none can be had.
  ALuint AcquireSource(int channel);
  // Detaches finished sources from their buffers, then deletes what the queue holds.
  void FlushDiscarded();
};

// The source's AL_SOURCE_STATE.
ALint zu_audio_SourceState(ALuint source);
// Playing or paused: still holding on to its sound.
bool zu_audio_IsSounding(ALint sourceState);
