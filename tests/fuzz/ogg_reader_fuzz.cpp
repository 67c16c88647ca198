// Ogg Vorbis files from untrusted hands: the decoder refuses or returns consistent sound,
// quickly and without leaking.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "host/audio/ogg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZuAudioData audio;
  if (zu_audio_ReadOgg(data, size, audio)) {
    const std::size_t expected = static_cast<std::size_t>(audio.length) * audio.channels * 2;
    if (audio.bytes.size() != expected || (audio.channels != 1 && audio.channels != 2) ||
        audio.format != 2 || audio.hertz <= 0 || audio.length < 0) {
      std::abort();
    }
  } else if (!audio.bytes.empty()) {
    std::abort();
  }
  return 0;
}
