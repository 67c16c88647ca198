#include "assets/sounds/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace synth {

namespace {

void putU16(std::ofstream& out, std::uint32_t value) {
  const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
  out.write(bytes, 2);
}

void putU32(std::ofstream& out, std::uint32_t value) {
  putU16(out, value & 0xFFFF);
  putU16(out, value >> 16);
}

}  // namespace

bool writeWav16Mono(const std::string& path, const Samples& samples, int sampleRate) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  putU32(out, 36 + dataBytes);
  out.write("WAVE", 4);
  out.write("fmt ", 4);
  putU32(out, 16);
  putU16(out, 1);  // PCM
  putU16(out, 1);  // mono
  putU32(out, static_cast<std::uint32_t>(sampleRate));
  putU32(out, static_cast<std::uint32_t>(sampleRate) * 2);  // bytes per second
  putU16(out, 2);                                           // bytes per frame
  putU16(out, 16);                                          // bits per sample
  out.write("data", 4);
  putU32(out, dataBytes);
  for (float s : samples) {
    const long rounded = std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0);
    putU16(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(rounded))));
  }
  return static_cast<bool>(out.flush());
}

}  // namespace synth
