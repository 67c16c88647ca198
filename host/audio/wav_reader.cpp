#include "host/audio/wav_reader.h"

#include <bit>
#include <climits>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// Little-endian reads over a byte range that never move past its end.
class ByteCursor {
 public:
  ByteCursor(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t remaining() const { return size_ - position_; }
  const unsigned char* here() const { return data_ + position_; }

  bool readTag(char (&tag)[4]) {
    if (remaining() < 4) return false;
    std::memcpy(tag, here(), 4);
    position_ += 4;
    return true;
  }

  bool expectTag(const char* expected) {
    char tag[4];
    return readTag(tag) && std::memcmp(tag, expected, 4) == 0;
  }

  bool readU16(std::uint32_t& value) {
    if (remaining() < 2) return false;
    value = here()[0] | (here()[1] << 8);
    position_ += 2;
    return true;
  }

  bool readU32(std::uint32_t& value) {
    if (remaining() < 4) return false;
    value = static_cast<std::uint32_t>(here()[0]) | (static_cast<std::uint32_t>(here()[1]) << 8) |
            (static_cast<std::uint32_t>(here()[2]) << 16) |
            (static_cast<std::uint32_t>(here()[3]) << 24);
    position_ += 4;
    return true;
  }

  bool skip(std::size_t count) {
    if (count > remaining()) return false;
    position_ += count;
    return true;
  }

 private:
  const unsigned char* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

struct PcmLayout {
  std::uint32_t channels = 0;
  std::uint32_t bytesPerSample = 0;
  std::uint32_t hertz = 0;
};

// The header up to the end of the "fmt " chunk.
bool readFormat(ByteCursor& in, PcmLayout& layout) {
  std::uint32_t fmtSize = 0, audioFormat = 0, bitsPerSample = 0;
  if (!in.expectTag("RIFF") || !in.skip(4) || !in.expectTag("WAVE") || !in.expectTag("fmt ")) {
    return false;
  }
  // A "fmt " chunk shorter than the 16 bytes read here would put every later chunk
  // out of step.
  if (!in.readU32(fmtSize) || fmtSize < 16) return false;
  if (!in.readU16(audioFormat) || !in.readU16(layout.channels) || !in.readU32(layout.hertz) ||
      !in.skip(4 + 2) || !in.readU16(bitsPerSample)) {
    return false;
  }
  if (audioFormat != 1) return false;
  // OpenAL has buffer formats for these four layouts only; anything else would load
  // as a sound that never plays, and a zero here would divide by zero below.
  if (layout.channels != 1 && layout.channels != 2) return false;
  if (bitsPerSample != 8 && bitsPerSample != 16) return false;
  if (layout.hertz == 0 || layout.hertz > static_cast<std::uint32_t>(INT_MAX)) return false;
  layout.bytesPerSample = bitsPerSample / 8;
  return in.skip(fmtSize - 16);
}

void toNativeByteOrder16(std::vector<unsigned char>& bytes) {
  if constexpr (std::endian::native == std::endian::big) {
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
  }
}

}  // namespace

bool zu_audio_ReadWav(const unsigned char* data, std::size_t size, ZuAudioData& out) {
  out = ZuAudioData{};
  ByteCursor in(data, data ? size : 0);
  PcmLayout layout;
  if (!readFormat(in, layout)) return false;

  for (;;) {
    char id[4];
    std::uint32_t chunkSize = 0;
    if (!in.readTag(id) || !in.readU32(chunkSize)) return false;  // no "data" before the end
    if (std::memcmp(id, "data", 4) != 0) {
      // A skipped chunk that claims to run past the end leaves nothing to find.
      if (!in.skip(chunkSize)) return false;
      continue;
    }
    // A "data" chunk cut short by the end of the file is dropped, and since nothing can
    // follow it the search ends there. Checking before allocating means a lying size
    // never costs more memory than the file itself.
    if (chunkSize > in.remaining()) return false;

    const std::uint32_t bytesPerFrame = layout.channels * layout.bytesPerSample;
    const std::uint32_t length = chunkSize / bytesPerFrame;
    const std::size_t usable = static_cast<std::size_t>(length) * bytesPerFrame;
    // OpenAL measures buffer sizes in int.
    if (usable > static_cast<std::size_t>(INT_MAX)) return false;

    ZuAudioData result;
    result.bytes.assign(in.here(), in.here() + usable);
    if (layout.bytesPerSample == 2) toNativeByteOrder16(result.bytes);
    result.length = static_cast<int>(length);
    result.channels = static_cast<int>(layout.channels);
    result.format = static_cast<int>(layout.bytesPerSample);
    result.hertz = static_cast<int>(layout.hertz);
    out = std::move(result);
    return true;
  }
}
