#include "host/audio/ogg_reader.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <utility>

#include <vorbis/vorbisfile.h>

namespace {

// The file's bytes as a stream the decoder reads front to back. It offers no seeking:
// the whole stream is decoded once in order, and a seekable source would make the
// decoder scan the file for chained streams before the first sample.
struct MemoryStream {
  const unsigned char* data;
  std::size_t size;
  std::size_t position;
};

std::size_t ReadMemory(void* destination, std::size_t itemSize, std::size_t itemCount, void* source) {
  auto* stream = static_cast<MemoryStream*>(source);
  if (itemSize == 0) return 0;
  const std::size_t items = std::min(itemCount, (stream->size - stream->position) / itemSize);
  std::memcpy(destination, stream->data + stream->position, items * itemSize);
  stream->position += items * itemSize;
  return items;
}

// No close: the bytes belong to the caller.
constexpr ov_callbacks kMemoryCallbacks = {ReadMemory, nullptr, nullptr, nullptr};

// Frees whatever the decoder set up, also after a failed open.
struct VorbisFile {
  OggVorbis_File file{};
  ~VorbisFile() { ov_clear(&file); }
};

// Vorbis shrinks sound ten to a hundred and fifty times (long silence the most). A file
// that would expand far beyond that is made to keep us decoding for seconds.
constexpr std::size_t kMaxExpansion = 1024;
constexpr int kBytesPerSample = 2;
// Samples in the machine's byte order, as OpenAL takes them.
constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;
// Bytes asked of the decoder per call.
constexpr int kReadSize = 16384;

}  // namespace

bool zu_audio_ReadOgg(const unsigned char* data, std::size_t size, ZuAudioData& out,
                      std::size_t maxDecodedBytes) {
  out = ZuAudioData{};
  if (data == nullptr || size == 0) return false;

  MemoryStream stream{data, size, 0};
  VorbisFile vorbis;
  if (ov_open_callbacks(&stream, &vorbis.file, nullptr, 0, kMemoryCallbacks) != 0) return false;
  const vorbis_info* info = ov_info(&vorbis.file, -1);
  if (info == nullptr || (info->channels != 1 && info->channels != 2)) return false;
  if (info->rate <= 0 || info->rate > INT_MAX) return false;
  const int channels = info->channels;
  const int hertz = static_cast<int>(info->rate);

  // OpenAL measures buffer sizes in int, whatever the caller allows.
  const std::size_t expansionLimit = size > INT_MAX / kMaxExpansion ? INT_MAX : size * kMaxExpansion;
  const std::size_t limit =
      std::min({maxDecodedBytes, static_cast<std::size_t>(INT_MAX), expansionLimit});
  ZuAudioData result;
  std::vector<unsigned char> chunk(kReadSize);
  for (;;) {
    int link = 0;
    const long bytes = ov_read(&vorbis.file, reinterpret_cast<char*>(chunk.data()), kReadSize,
                               kBigEndian, kBytesPerSample, /*sgned=*/1, &link);
    // The end, damage (a missing or corrupt page) or a second stream chained behind the
    // first: the sound is what was decoded up to there.
    if (bytes <= 0 || link != 0) break;
    if (static_cast<std::size_t>(bytes) > limit - result.bytes.size()) return false;
    result.bytes.insert(result.bytes.end(), chunk.begin(), chunk.begin() + bytes);
  }
  // ov_read hands out whole frames, so this only guards the invariant.
  const std::size_t frameBytes = static_cast<std::size_t>(kBytesPerSample) * channels;
  result.bytes.resize(result.bytes.size() / frameBytes * frameBytes);
  result.bytes.shrink_to_fit();
  result.channels = channels;
  result.format = kBytesPerSample;
  result.hertz = hertz;
  result.length = static_cast<int>(result.bytes.size() / frameBytes);
  out = std::move(result);
  return true;
}
