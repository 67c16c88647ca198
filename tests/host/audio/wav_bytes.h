// Builds RIFF WAVE files byte by byte, so tests can make both well-formed and broken ones.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

struct WavLayout {
  std::uint32_t fmtSize = 16;
  std::uint32_t audioFormat = 1;
  std::uint32_t channels = 1;
  std::uint32_t hertz = 22050;
  std::uint32_t bitsPerSample = 16;
};

class WavBytes {
 public:
  WavBytes& tag(const char* fourCharacters) {
    for (int i = 0; i < 4; ++i) bytes_.push_back(static_cast<unsigned char>(fourCharacters[i]));
    return *this;
  }
  WavBytes& u16(std::uint32_t value) {
    bytes_.push_back(static_cast<unsigned char>(value));
    bytes_.push_back(static_cast<unsigned char>(value >> 8));
    return *this;
  }
  WavBytes& u32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<unsigned char>(value >> shift));
    return *this;
  }
  WavBytes& raw(const std::vector<unsigned char>& payload) {
    bytes_.insert(bytes_.end(), payload.begin(), payload.end());
    return *this;
  }
  // "RIFF", size, "WAVE" and the "fmt " chunk, padded to its declared size.
  WavBytes& header(const WavLayout& layout) {
    tag("RIFF").u32(0).tag("WAVE").tag("fmt ").u32(layout.fmtSize);
    u16(layout.audioFormat).u16(layout.channels).u32(layout.hertz);
    const std::uint32_t blockAlign = layout.channels * layout.bitsPerSample / 8;
    u32(layout.hertz * blockAlign).u16(blockAlign).u16(layout.bitsPerSample);
    if (layout.fmtSize > 16) bytes_.resize(bytes_.size() + layout.fmtSize - 16, 0);
    return *this;
  }
  WavBytes& chunk(const char* id, const std::vector<unsigned char>& payload) {
    return tag(id).u32(static_cast<std::uint32_t>(payload.size())).raw(payload);
  }
  // Fills in the RIFF size, as a writer would once the file is complete.
  std::vector<unsigned char> finish() {
    if (bytes_.size() >= 8) {
      const auto riffSize = static_cast<std::uint32_t>(bytes_.size() - 8);
      for (int i = 0; i < 4; ++i) bytes_[4 + i] = static_cast<unsigned char>(riffSize >> (8 * i));
    }
    return bytes_;
  }

 private:
  std::vector<unsigned char> bytes_;
};

inline std::vector<unsigned char> makeWav(const WavLayout& layout, const std::vector<unsigned char>& data) {
  return WavBytes().header(layout).chunk("data", data).finish();
}

inline std::vector<unsigned char> rampBytes(std::size_t count) {
  std::vector<unsigned char> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
  return bytes;
}
