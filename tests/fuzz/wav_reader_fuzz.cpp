// WAV files from untrusted hands: the reader refuses or returns consistent sound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "host/audio/wav_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZuAudioData audio;
  if (zu_audio_ReadWav(data, size, audio)) {
    const std::size_t expected = static_cast<std::size_t>(audio.length) * audio.channels * audio.format;
    if (audio.bytes.size() != expected || (audio.channels != 1 && audio.channels != 2) ||
        (audio.format != 1 && audio.format != 2) || audio.length < 0) {
      std::abort();
    }
  } else if (!audio.bytes.empty()) {
    std::abort();
  }
  return 0;
}
