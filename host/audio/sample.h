// A loaded sound: one OpenAL buffer, owned by the sample and given back through the
// discard queue when the sample is discarded or collected.
#pragma once

#include <AL/al.h>

#include "host/gc.h"

class ZuSample : public Object {
 public:
  ALuint buffer = 0;  // 0 = none

  ZuSample();
  explicit ZuSample(ALuint buffer);
  ~ZuSample() override;

  // Takes `buffer`; one held before is discarded rather than lost.
  void SetBuffer(ALuint buffer);
  // Lets go of the buffer now; the sample stays, silent.
  virtual void Discard();
  // The buffer to play: 0 once the device it was made on has been closed.
  ALuint PlayableBuffer() const;

 private:
  int generation_;  // device generation the buffer was made under
};
