// Sound files written by sox at test time: real files from a real tool, none committed.
#pragma once

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "tests/host/audio/audio_engine_temp_dir.h"

class SoxFiles {
 public:
  // A sine tone of `seconds` at `frequency` Hz, peak `amplitude` (of full scale), in
  // `channels` channels at `hertz`, with `bits`-bit samples (0: the container's own).
  // `name`'s extension chooses the container (".wav" or ".ogg"). Returns the file's path.
  std::string Tone(const std::string& name, int hertz, int channels, int bits, double seconds,
                   double frequency = 441, double amplitude = 0.5) const {
    // Rate and channels given to the generator itself: no resampling, no dither.
    std::string command = "sox -D -r " + std::to_string(hertz) + " -c " + std::to_string(channels) + " -n";
    if (bits != 0) command += " -b " + std::to_string(bits);
    command += " '" + (dir_ / name) + "' synth " + std::to_string(seconds) + " sine " +
               std::to_string(frequency) + " vol " + std::to_string(amplitude);
    Run(command);
    return dir_ / name;
  }

  // sox with these arguments, {} standing for this folder; returns the path of `name`.
  std::string Sox(const std::string& name, std::string arguments) const {
    for (size_t at = arguments.find("{}"); at != std::string::npos; at = arguments.find("{}")) {
      arguments.replace(at, 2, dir_.Path());
    }
    Run("sox " + arguments);
    return dir_ / name;
  }

  const TempDir& Dir() const { return dir_; }

 private:
  static void Run(const std::string& command) {
    EXPECT_EQ(std::system((command + " 2>&1").c_str()), 0) << command;
  }

  TempDir dir_;
};
