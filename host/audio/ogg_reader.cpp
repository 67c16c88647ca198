#include "host/audio/ogg_reader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

// The decoder's code is linked from the stb library; only its declarations are wanted.
#define STB_VORBIS_HEADER_ONLY
#include "stb_vorbis.h"

namespace {

struct VorbisCloser {
  void operator()(stb_vorbis* decoder) const { stb_vorbis_close(decoder); }
};
using VorbisDecoder = std::unique_ptr<stb_vorbis, VorbisCloser>;

// Frames asked of the decoder per call.
constexpr int kFramesPerRead = 4096;

// Ogg pages carry a CRC-32 (polynomial 0x04C11DB7, most significant bit first, no
// reflection, initial value 0) computed with the page's own checksum field as zeros.
constexpr std::array<std::uint32_t, 256> makeOggCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t index = 0; index < 256; ++index) {
    std::uint32_t crc = index << 24;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    table[index] = crc;
  }
  return table;
}
constexpr auto kOggCrcTable = makeOggCrcTable();

constexpr std::size_t kPageHeaderSize = 27;
constexpr std::size_t kChecksumOffset = 22;

std::uint32_t pageChecksum(const unsigned char* page, std::size_t size) {
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < size; ++i) {
    const bool inChecksumField = i >= kChecksumOffset && i < kChecksumOffset + 4;
    const unsigned char byte = inChecksumField ? 0 : page[i];
    crc = (crc << 8) ^ kOggCrcTable[((crc >> 24) ^ byte) & 0xFF];
  }
  return crc;
}

// The length of the leading run of whole pages whose checksums hold. The decoder
// library does not check them and can crash on damaged data, so it is only ever given
// this run: a damaged or cut-off file plays up to its first bad page.
std::size_t intactPagesLength(const unsigned char* data, std::size_t size) {
  std::size_t position = 0;
  while (size - position >= kPageHeaderSize) {
    const unsigned char* page = data + position;
    if (std::memcmp(page, "OggS", 4) != 0 || page[4] != 0) break;
    const std::size_t segmentCount = page[26];
    const std::size_t headerSize = kPageHeaderSize + segmentCount;
    if (size - position < headerSize) break;
    std::size_t pageSize = headerSize;
    for (std::size_t i = 0; i < segmentCount; ++i) pageSize += page[kPageHeaderSize + i];
    if (size - position < pageSize) break;
    std::uint32_t stored = 0;
    for (int i = 3; i >= 0; --i) stored = (stored << 8) | page[kChecksumOffset + i];
    if (stored != pageChecksum(page, pageSize)) break;
    position += pageSize;
  }
  return position;
}

}  // namespace

bool zu_audio_ReadOgg(const unsigned char* data, std::size_t size, ZuAudioData& out,
                      std::size_t maxDecodedBytes) {
  out = ZuAudioData{};
  if (data == nullptr || size == 0 || size > static_cast<std::size_t>(INT_MAX)) return false;

  const std::size_t intact = intactPagesLength(data, size);
  if (intact == 0) return false;
  int error = 0;
  VorbisDecoder decoder(stb_vorbis_open_memory(data, static_cast<int>(intact), &error, nullptr));
  if (!decoder) return false;

  const stb_vorbis_info info = stb_vorbis_get_info(decoder.get());
  if (info.channels != 1 && info.channels != 2) return false;
  if (info.sample_rate == 0 || info.sample_rate > static_cast<unsigned>(INT_MAX)) return false;

  // OpenAL measures buffer sizes in int, whatever the caller allows.
  const std::size_t limit = std::min(maxDecodedBytes, static_cast<std::size_t>(INT_MAX));
  std::vector<short> chunk(static_cast<std::size_t>(kFramesPerRead) * info.channels);
  ZuAudioData result;
  for (;;) {
    const int frames = stb_vorbis_get_samples_short_interleaved(
        decoder.get(), info.channels, chunk.data(), static_cast<int>(chunk.size()));
    if (frames <= 0) break;
    const std::size_t byteCount = static_cast<std::size_t>(frames) * info.channels * sizeof(short);
    if (byteCount > limit - result.bytes.size()) return false;
    const auto* chunkBytes = reinterpret_cast<const unsigned char*>(chunk.data());
    result.bytes.insert(result.bytes.end(), chunkBytes, chunkBytes + byteCount);
  }
  result.bytes.shrink_to_fit();
  result.channels = info.channels;
  result.format = 2;
  result.hertz = static_cast<int>(info.sample_rate);
  result.length = static_cast<int>(result.bytes.size() / (sizeof(short) * info.channels));
  out = std::move(result);
  return true;
}
