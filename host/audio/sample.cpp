#include "host/audio/sample.h"

#include "host/audio/discarded_buffers.h"
#include "host/report.h"

ZuSample::ZuSample() : generation_(zu_audio_BufferGeneration()) {}

ZuSample::ZuSample(ALuint buffer) : buffer(buffer), generation_(zu_audio_BufferGeneration()) {}

ZuSample::~ZuSample() {
  ZuSample::Discard();
  zuPrint(String("Discarding sample"));
}

void ZuSample::SetBuffer(ALuint newBuffer) {
  if (newBuffer == buffer) return;
  ZuSample::Discard();
  buffer = newBuffer;
  generation_ = zu_audio_BufferGeneration();
}

void ZuSample::Discard() {
  zu_audio_DiscardBuffer(buffer, generation_);
  buffer = 0;
}

ALuint ZuSample::PlayableBuffer() const {
  return generation_ == zu_audio_BufferGeneration() ? buffer : 0;
}
