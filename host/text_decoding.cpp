// Text files: read whole, then decoded by their byte-order mark (UTF-16 either way round,
// or UTF-8), falling back to ISO 8859-1 when the bytes are not the UTF-8 we accept.
#include <optional>
#include <string>
#include <vector>

#include "host/string.h"

namespace {

constexpr size_t kReadBlockSize = 4096;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One code unit per sequence of one, two or three bytes; nothing when any sequence is
// something else (stray continuation byte, longer lead, or cut short by the end).
std::optional<std::u16string> DecodeUtf8(const unsigned char* bytes, size_t size) {
  std::u16string units;
  units.reserve(size);
  size_t i = 0;
  while (i < size) {
    unsigned char lead = bytes[i];
    if (lead < 0x80) {
      units.push_back(lead);
      i += 1;
    } else if ((lead & 0xE0) == 0xC0) {
      if (size - i < 2 || !IsContinuation(bytes[i + 1])) return std::nullopt;
      units.push_back(static_cast<char16_t>(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F)));
      i += 2;
    } else if ((lead & 0xF0) == 0xE0) {
      if (size - i < 3 || !IsContinuation(bytes[i + 1]) || !IsContinuation(bytes[i + 2])) {
        return std::nullopt;
      }
      units.push_back(static_cast<char16_t>(((lead & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) |
                                            (bytes[i + 2] & 0x3F)));
      i += 3;
    } else {
      return std::nullopt;
    }
  }
  return units;
}

std::u16string DecodeLatin1(const unsigned char* bytes, size_t size) {
  return std::u16string(bytes, bytes + size);
}

// Pairs of bytes from `bytes`; a final odd byte is ignored.
std::u16string DecodeUtf16(const unsigned char* bytes, size_t size, bool big_endian) {
  std::u16string units;
  units.reserve(size / 2);
  for (size_t i = 0; i + 1 < size; i += 2) {
    unsigned high = big_endian ? bytes[i] : bytes[i + 1];
    unsigned low = big_endian ? bytes[i + 1] : bytes[i];
    units.push_back(static_cast<char16_t>((high << 8) | low));
  }
  return units;
}

std::u16string DecodeByByteOrderMark(const unsigned char* bytes, size_t size) {
  if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
    return DecodeUtf16(bytes + 2, size - 2, /*big_endian=*/false);
  }
  if (size >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
    return DecodeUtf16(bytes + 2, size - 2, /*big_endian=*/true);
  }
  size_t start = (size > 2 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) ? 3 : 0;
  if (auto units = DecodeUtf8(bytes + start, size - start)) return std::move(*units);
  // Not our UTF-8: an older tool's 8-bit text, one code unit per byte.
  return DecodeLatin1(bytes + start, size - start);
}

}  // namespace

String String::DecodeText(const unsigned char* bytes, size_t size) {
  if (size == 0) return String();
  std::u16string units = DecodeByByteOrderMark(bytes, size);
  if (units.empty()) return String();
  return String(std::u16string_view(units));
}

String String::Load(std::FILE* stream) {
  if (!stream) return String();
  std::vector<unsigned char> bytes;
  for (;;) {
    size_t used = bytes.size();
    bytes.resize(used + kReadBlockSize);
    size_t read = std::fread(bytes.data() + used, 1, kReadBlockSize, stream);
    bytes.resize(used + read);
    if (read < kReadBlockSize) break;
  }
  return DecodeText(bytes.data(), bytes.size());
}
