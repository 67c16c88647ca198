// The page ships no Ogg sounds and Debian's Emscripten has no Vorbis library, so the
// browser build refuses every Ogg file, as the desktop refuses one it cannot decode.
#include "host/audio/ogg_reader.h"

bool zu_audio_ReadOgg(const unsigned char*, std::size_t, ZuAudioData& out, std::size_t) {
  out = ZuAudioData{};
  return false;
}
