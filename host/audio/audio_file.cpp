#include "host/audio/audio_file.h"

#include "host/audio/ogg_reader.h"
#include "host/audio/wav_reader.h"

namespace {

bool endsWithIgnoringCase(std::string_view text, std::string_view lowerSuffix) {
  if (text.size() < lowerSuffix.size()) return false;
  std::string_view tail = text.substr(text.size() - lowerSuffix.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = tail[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerSuffix[i]) return false;
  }
  return true;
}

}  // namespace

ZuAudioFileKind zu_audio_FileKindOf(std::string_view path) {
  if (endsWithIgnoringCase(path, ".wav")) return ZuAudioFileKind::Wav;
  if (endsWithIgnoringCase(path, ".ogg")) return ZuAudioFileKind::Ogg;
  return ZuAudioFileKind::Unknown;
}

bool zu_audio_ReadAudioFile(std::string_view path, const unsigned char* data, std::size_t size,
                            ZuAudioData& out) {
  switch (zu_audio_FileKindOf(path)) {
    case ZuAudioFileKind::Wav:
      return zu_audio_ReadWav(data, size, out);
    case ZuAudioFileKind::Ogg:
      return zu_audio_ReadOgg(data, size, out);
    case ZuAudioFileKind::Unknown:
      break;
  }
  out = ZuAudioData{};
  return false;
}
