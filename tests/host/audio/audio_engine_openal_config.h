// OpenAL Soft reads its configuration once per process, at the first device it opens.
// These point it at a configuration of the tests' own before that happens: the wave-file
// writer (there is no sound card), or no usable output at all. Call one of them from a
// namespace-scope initializer so it runs before any test.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "tests/host/audio/audio_engine_temp_dir.h"

// Mixed output goes to a 44.1 kHz 32-bit float stereo WAV file, with nothing between the
// mix and the file that would change levels (no dither or HRTF). Float output, unlike
// 16-bit, has no output limiter unless the engine asks for one, so the file shows what the
// engine chose; the limiter leaves anything below full scale as it is. The device gives
// out four sources, so a test can run out of them cheaply. Returns the file's path.
inline const std::string& zu_test_UseWaveFileOutput() {
  static const TempDir dir;
  static const std::string wavePath = [] {
    std::ofstream(dir / "alsoft.conf") << "drivers=wave\n"
                                          "channels=stereo\n"
                                          "sample-type=float32\n"
                                          "frequency=44100\n"
                                          "dither=false\n"
                                          "hrtf=false\n"
                                          "sources=4\n"
                                          "[wave]\n"
                                          "file=" << (dir / "output.wav") << "\n";
    setenv("ALSOFT_CONF", (dir / "alsoft.conf").c_str(), 1);
    return dir / "output.wav";
  }();
  return wavePath;
}

// The wave writer with an empty file name, which refuses to open: no device at all.
inline bool zu_test_UseNoOutput() {
  static const TempDir dir;
  static const bool installed = [] {
    std::ofstream(dir / "alsoft.conf") << "drivers=wave\n[wave]\nfile=\n";
    setenv("ALSOFT_CONF", (dir / "alsoft.conf").c_str(), 1);
    return true;
  }();
  return installed;
}
