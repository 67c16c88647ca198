// Reads back what OpenAL Soft's wave writer recorded (stereo, 16-bit or 32-bit float) and
// measures it, in fractions of full scale.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

enum class Side { Left = 0, Right = 1 };

class WaveCapture {
 public:
  // The recording in `path`; empty (with a test failure) when it is not 16-bit or float
  // stereo.
  static WaveCapture Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    WaveCapture capture;
    size_t at = 12;
    int channels = 0, bits = 0, encoding = 0;
    while (bytes.size() >= 12 && at + 8 <= bytes.size()) {
      const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
      const uint32_t size = U32(bytes, at + 4);
      const size_t body = at + 8;
      if (id == "fmt " && body + 16 <= bytes.size()) {
        encoding = U16(bytes, body);
        // WAVE_FORMAT_EXTENSIBLE names the real encoding at the start of its sub-format.
        if (encoding == kExtensible && body + 26 <= bytes.size()) encoding = U16(bytes, body + 24);
        channels = U16(bytes, body + 2);
        capture.hertz_ = static_cast<int>(U32(bytes, body + 4));
        bits = U16(bytes, body + 14);
      } else if (id == "data") {
        const size_t end = std::min(bytes.size(), body + size);
        const size_t sampleBytes = static_cast<size_t>(bits / 8);
        for (size_t frame = body; sampleBytes > 0 && frame + 2 * sampleBytes <= end; frame += 2 * sampleBytes) {
          capture.left_.push_back(Sample(bytes, frame, encoding, bits));
          capture.right_.push_back(Sample(bytes, frame + sampleBytes, encoding, bits));
        }
      }
      at = body + size + (size & 1);
    }
    const bool pcm16 = encoding == kPcm && bits == 16, float32 = encoding == kFloat && bits == 32;
    if (channels != 2 || !(pcm16 || float32)) {
      ADD_FAILURE() << path << ": expected a 16-bit or float stereo recording, got " << channels
                    << " channels of " << bits << " bits (encoding " << encoding << ")";
      return WaveCapture();
    }
    return capture;
  }

  int Hertz() const { return hertz_; }
  int Frames() const { return static_cast<int>(left_.size()); }
  double Seconds() const { return hertz_ ? static_cast<double>(Frames()) / hertz_ : 0; }
  int FramesIn(double seconds) const { return static_cast<int>(std::lround(seconds * hertz_)); }

  // Peak of one side over frames from..to-1.
  double Peak(Side side, int from = 0, int to = -1) const {
    double peak = 0;
    const auto& samples = Samples(side);
    for (int i = std::max(from, 0); i < End(to); ++i) peak = std::max(peak, std::abs(samples[i]));
    return peak;
  }

  double Rms(Side side, int from = 0, int to = -1) const {
    const auto& samples = Samples(side);
    double sum = 0;
    int count = 0;
    for (int i = std::max(from, 0); i < End(to); ++i, ++count) sum += samples[i] * samples[i];
    return count ? std::sqrt(sum / count) : 0;
  }

  // First and one past the last frame where either side exceeds `threshold` of full
  // scale; both -1 for silence.
  struct Span {
    int first = -1, end = -1;
    int Length() const { return end - first; }
  };
  Span Sounding(double threshold = 0.01) const {
    Span span;
    for (int i = 0; i < Frames(); ++i) {
      if (std::abs(left_[i]) > threshold || std::abs(right_[i]) > threshold) {
        if (span.first < 0) span.first = i;
        span.end = i + 1;
      }
    }
    return span;
  }

  // The longest run of frames at or below `threshold` between first and last sound.
  int LongestGapInside(double threshold = 0.01) const {
    const Span span = Sounding(threshold);
    int longest = 0, run = 0;
    for (int i = std::max(span.first, 0); i < span.end; ++i) {
      const bool quiet = std::abs(left_[i]) <= threshold && std::abs(right_[i]) <= threshold;
      run = quiet ? run + 1 : 0;
      longest = std::max(longest, run);
    }
    return longest;
  }

 private:
  static constexpr int kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

  static double Sample(const std::vector<unsigned char>& b, size_t at, int encoding, int bits) {
    if (encoding == kFloat && bits == 32) {
      const uint32_t word = U32(b, at);
      float value;
      std::memcpy(&value, &word, sizeof value);
      return value;
    }
    return static_cast<int16_t>(U16(b, at)) / 32768.0;
  }
  static uint32_t U16(const std::vector<unsigned char>& b, size_t at) { return b[at] | (b[at + 1] << 8); }
  static uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
  }
  const std::vector<double>& Samples(Side side) const { return side == Side::Left ? left_ : right_; }
  int End(int to) const { return to < 0 ? Frames() : std::min(to, Frames()); }

  int hertz_ = 0;
  std::vector<double> left_, right_;
};
