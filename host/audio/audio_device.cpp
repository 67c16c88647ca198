// The engine's device: opening and closing it, whole-engine suspend and resume, and
// the bookkeeping that lets buffers and samples go only once nothing plays them.
#if __has_include(<AL/alext.h>)
#include <AL/alext.h>
#endif
#if __has_include(<AL/efx.h>)
#include <AL/efx.h>
#endif

#include <cstdlib>

#include "host/audio/audio.h"
#include "host/audio/discarded_buffers.h"
#include "host/report.h"

namespace {

// Many effects at once can add up past full scale. Where the device can, a limiter on the
// final mix turns the level down for the moment rather than let the peaks clip. No sound
// goes to an effect slot, so the voices get no auxiliary sends: the two a context has by
// default give each of the library's 256 voices gains and filters, some 750 KB in all.
ALCcontext* CreateContext(ALCdevice* device) {
  ALCint attributes[5] = {};
  int count = 0;
#ifdef ALC_MAX_AUXILIARY_SENDS
  attributes[count++] = ALC_MAX_AUXILIARY_SENDS;
  attributes[count++] = 0;
#endif
#ifdef ALC_OUTPUT_LIMITER_SOFT
  if (alcIsExtensionPresent(device, "ALC_SOFT_output_limiter")) {
    attributes[count++] = ALC_OUTPUT_LIMITER_SOFT;
    attributes[count++] = ALC_TRUE;
  }
#endif
  return alcCreateContext(device, count > 0 ? attributes : nullptr);
}

// The program ends through exit() from wherever it decides to (F4, the close button, a
// runtime error), not by unwinding to the engine's owner; the device must still be
// closed, or the library complains that it was left open.
void CloseOnExit() {
  if (ZuAudio::audio) ZuAudio::audio->Close();
}

}  // namespace

ZuAudio* ZuAudio::audio = nullptr;

ALint zu_audio_SourceState(ALuint source) {
  ALint state = AL_STOPPED;
  if (source != 0) alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state;
}

bool zu_audio_IsSounding(ALint sourceState) {
  return sourceState == AL_PLAYING || sourceState == AL_PAUSED;
}

ZuAudio::ZuAudio() {
  static const bool closesOnExit = std::atexit(CloseOnExit) == 0;
  (void)closesOnExit;
  audio = this;
  alcDevice = alcOpenDevice(nullptr);
  if (!alcDevice) {
    zuPrint(String("OpenAl error: alcOpenDevice failed"));
  } else {
    alcContext = CreateContext(alcDevice);
    if (!alcContext) {
      zuPrint(String("OpenAl error: alcCreateContext failed"));
    } else if (!alcMakeContextCurrent(alcContext)) {
      zuPrint(String("OpenAl error: alcMakeContextCurrent failed"));
    }
  }
  // Buffer names of any earlier device mean nothing to this one.
  zu_audio_BeginBufferGeneration();
  // Positions give a direction only; nothing fades with distance.
  alDistanceModel(AL_NONE);
  AcquireSource(kMusicChannel);
}

ZuAudio::~ZuAudio() { Close(); }

void ZuAudio::Close() {
  if (alcContext) {
    alcMakeContextCurrent(alcContext);
    for (ZuChannel& channel : channels) {
      if (channel.source != 0) alDeleteSources(1, &channel.source);
      channel = ZuChannel{};
    }
    // With the sources gone no buffer is in use any more.
    zu_audio_DeleteDiscardedBuffers();
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(alcContext);
    alcContext = nullptr;
  }
  if (alcDevice) {
    alcCloseDevice(alcDevice);
    alcDevice = nullptr;
    zu_audio_BeginBufferGeneration();
  }
  for (ZuChannel& channel : channels) channel = ZuChannel{};
  if (audio == this) audio = nullptr;
}

void ZuAudio::Suspend() {
  suspended = true;
  for (ZuChannel& channel : channels) {
    if (channel.state == ZU_CHANNEL_PLAYING && zu_audio_SourceState(channel.source) == AL_PLAYING) {
      alSourcePause(channel.source);
    }
  }
}

void ZuAudio::Resume() {
  suspended = false;
  for (ZuChannel& channel : channels) {
    if (channel.state == ZU_CHANNEL_PLAYING && zu_audio_SourceState(channel.source) == AL_PAUSED) {
      alSourcePlay(channel.source);
    }
  }
}

void ZuAudio::mark() {
  for (ZuChannel& channel : channels) {
    if (channel.state != ZU_CHANNEL_STOPPED && zu_audio_IsSounding(zu_audio_SourceState(channel.source))) {
      gc_mark_q(channel.sample);
    }
  }
}

void ZuAudio::FlushDiscarded() {
  if (zu_audio_DiscardedBufferCount() == 0) return;
  // Any source that is done with its sound lets go of it, whatever its channel last
  // reported, so that no finished channel keeps a dead sample's buffer alive.
  for (ZuChannel& channel : channels) {
    if (channel.source != 0 && !zu_audio_IsSounding(zu_audio_SourceState(channel.source))) {
      alSourcei(channel.source, AL_BUFFER, 0);
    }
  }
  zu_audio_DeleteDiscardedBuffers();
}
