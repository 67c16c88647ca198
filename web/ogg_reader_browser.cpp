// Debian's Emscripten has no Vorbis library, so the program in the page refuses every Ogg
// file; the page decodes the tunes itself beforehand (sound_decoding.js).
#include "host/audio/ogg_reader.h"

bool zu_audio_ReadOgg(const unsigned char*, std::size_t, ZuAudioData& out, std::size_t) {
  out = ZuAudioData{};
  return false;
}
