#include "host/audio/audio_data.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "host/audio/audio_file.h"
#include "host/files.h"
#include "host/gc.h"

namespace {

struct FreeDeleter {
  void operator()(unsigned char* block) const { std::free(block); }
};

}  // namespace

unsigned char* zu_audio_LoadAudioData(const String& path, int* length, int* channels, int* format,
                                      int* hertz) {
  // Checked first so that a file no reader takes is never read at all.
  const std::string name = path.ToUtf8();
  if (zu_audio_FileKindOf(name) == ZuAudioFileKind::Unknown) return nullptr;

  int fileSize = 0;
  std::unique_ptr<unsigned char, FreeDeleter> file(zu_files_LoadData(path, &fileSize));
  if (!file) return nullptr;
  ZuAudioData decoded;
  const bool readable = zu_audio_ReadAudioFile(name, file.get(), static_cast<size_t>(fileSize), decoded);
  // The file's bytes lived only while decoding; the collector should count what stays.
  file.reset();
  gc_ext_malloced(-fileSize);
  if (!readable) return nullptr;

  const size_t size = decoded.bytes.size();
  // At least one byte, so that a file with no samples still loads (as a silent sound).
  auto* samples = static_cast<unsigned char*>(std::malloc(size > 0 ? size : 1));
  if (!samples) return nullptr;
  if (size > 0) std::memcpy(samples, decoded.bytes.data(), size);
  *length = decoded.length;
  *channels = decoded.channels;
  *format = decoded.format;
  *hertz = decoded.hertz;
  gc_ext_malloced(static_cast<int>(size));
  return samples;
}
