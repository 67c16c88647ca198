// The numbered channels: their sources, playing and stopping, and the per-channel
// volume, pan and rate (source properties, so they stay in force between sounds).
#include <cmath>

#include "host/audio/audio.h"

ZuChannel* ZuAudio::ChannelAt(int channel) {
  if (channel < 0 || channel >= kChannels) return nullptr;
  return &channels[channel];
}

ALuint ZuAudio::AcquireSource(int channel) {
  ZuChannel* slot = ChannelAt(channel);
  if (!slot) return 0;
  if (slot->source != 0) return slot->source;

  alGetError();
  ALuint made = 0;
  alGenSources(1, &made);
  if (alGetError() == AL_NO_ERROR && made != 0) {
    slot->source = made;
    return made;
  }
  // The device has no more sources: take one from the first sound channel that has
  // finished with its own.
  for (int other = 0; other < kSoundChannels; ++other) {
    if (channels[other].source != 0 && ChannelState(other) == ZU_CHANNEL_STOPPED) {
      slot->source = channels[other].source;
      channels[other].source = 0;
      return slot->source;
    }
  }
  return 0;
}

int ZuAudio::PlaySample(ZuSample* sample, int channel, int flags) {
  FlushDiscarded();
  if (!sample || !ChannelAt(channel)) return -1;
  const ALuint source = AcquireSource(channel);
  if (source == 0) return -1;

  alSourceStop(source);
  alSourcei(source, AL_BUFFER, static_cast<ALint>(sample->PlayableBuffer()));
  alSourcei(source, AL_LOOPING, flags != 0 ? AL_TRUE : AL_FALSE);
  alSourcePlay(source);
  if (suspended) alSourcePause(source);

  ZuChannel& slot = channels[channel];
  gc_assign(slot.sample, sample);
  slot.flags = flags;
  slot.state = ZU_CHANNEL_PLAYING;
  return 0;
}

int ZuAudio::ChannelState(int channel) {
  ZuChannel* slot = ChannelAt(channel);
  if (!slot) return ZU_CHANNEL_STOPPED;
  // A sound that ended by itself is noticed only here.
  if (slot->state == ZU_CHANNEL_PLAYING && !zu_audio_IsSounding(zu_audio_SourceState(slot->source))) {
    slot->state = ZU_CHANNEL_STOPPED;
  }
  return slot->state;
}

void ZuAudio::StopChannel(int channel) {
  ZuChannel* slot = ChannelAt(channel);
  if (!slot || slot->state == ZU_CHANNEL_STOPPED) return;
  alSourceStop(slot->source);
  slot->state = ZU_CHANNEL_STOPPED;
}

void ZuAudio::PauseChannel(int channel) {
  ZuChannel* slot = ChannelAt(channel);
  if (!slot || slot->state != ZU_CHANNEL_PLAYING) return;
  if (!zu_audio_IsSounding(zu_audio_SourceState(slot->source))) {
    slot->state = ZU_CHANNEL_STOPPED;
    return;
  }
  alSourcePause(slot->source);
  slot->state = ZU_CHANNEL_PAUSED;
}

void ZuAudio::ResumeChannel(int channel) {
  ZuChannel* slot = ChannelAt(channel);
  if (!slot || slot->state != ZU_CHANNEL_PAUSED) return;
  alSourcePlay(slot->source);
  slot->state = ZU_CHANNEL_PLAYING;
}

void ZuAudio::SetVolume(int channel, float volume) {
  const ALuint source = AcquireSource(channel);
  if (source != 0) alSourcef(source, AL_GAIN, volume);
}

void ZuAudio::SetPan(int channel, float pan) {
  const ALuint source = AcquireSource(channel);
  // The listener stands at the origin facing -z, so a pan of 0 is straight ahead and
  // positive values turn the sound towards +x, the listener's right.
  if (source != 0) alSource3f(source, AL_POSITION, std::sin(pan), 0.0f, -std::cos(pan));
}

void ZuAudio::SetRate(int channel, float rate) {
  const ALuint source = AcquireSource(channel);
  if (source != 0) alSourcef(source, AL_PITCH, rate);
}
