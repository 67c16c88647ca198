#include "host/audio/discarded_buffers.h"

#include <vector>

namespace {

int generation = 0;

std::vector<ALuint>& discarded() {
  static std::vector<ALuint> names;
  return names;
}

}  // namespace

int zu_audio_BufferGeneration() { return generation; }

void zu_audio_BeginBufferGeneration() {
  ++generation;
  discarded().clear();
}

void zu_audio_DiscardBuffer(ALuint buffer, int madeUnder) {
  if (buffer != 0 && madeUnder == generation) discarded().push_back(buffer);
}

int zu_audio_DiscardedBufferCount() { return static_cast<int>(discarded().size()); }

void zu_audio_DeleteDiscardedBuffers() {
  std::vector<ALuint>& names = discarded();
  std::vector<ALuint> stillInUse;
  for (ALuint name : names) {
    alGetError();
    alDeleteBuffers(1, &name);
    if (alGetError() != AL_NO_ERROR) stillInUse.push_back(name);
  }
  names.swap(stillInUse);
}
