// A fresh engine on OpenAL Soft's wave writer for each test, the sound files the tests
// play (written by sox once per process), and the recording once the device is closed.
#pragma once

#include <chrono>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "host/audio/audio.h"
#include "tests/host/audio/audio_engine_openal_config.h"
#include "tests/host/audio/audio_engine_sox.h"
#include "tests/host/audio/audio_engine_wave_capture.h"

// Tones at half of full scale, so that any level measured has room above it.
struct TestTones {
  SoxFiles files;
  std::string stereo16 = files.Tone("stereo16.wav", 44100, 2, 16, 0.25);
  std::string mono16 = files.Tone("mono16.wav", 22050, 1, 16, 0.25);
  std::string mono8 = files.Tone("mono8.wav", 11025, 1, 8, 0.25);
  std::string stereo8 = files.Tone("stereo8.wav", 22050, 2, 8, 0.25);
  std::string stereoOgg = files.Tone("stereo.ogg", 44100, 2, 0, 0.25);
  std::string shortMono = files.Tone("short.wav", 44100, 1, 16, 0.05);
  std::string longMono = files.Tone("long.wav", 44100, 1, 16, 1.0);

  static const TestTones& Get() {
    static const TestTones tones;
    return tones;
  }
};

class AudioEngineOnWaveFile : public ::testing::Test {
 protected:
  void SetUp() override {
    engine = gc_new<ZuAudio>();
    ASSERT_NE(engine->alcContext, nullptr) << "no wave-file device";
  }
  void TearDown() override { engine->Close(); }

  // Closes the device, which completes the recording, and reads it.
  WaveCapture Finish() {
    engine->Close();
    return WaveCapture::Read(zu_test_UseWaveFileOutput());
  }

  ZuSample* Load(const std::string& path) {
    ZuSample* sample = engine->LoadSample(String(path.c_str()));
    EXPECT_NE(sample, nullptr) << path;
    return sample;
  }

  // The device mixes in real time, so the tests let time pass for it.
  static void Wait(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  }
  // Seconds since `start`: a loaded machine may sleep longer than asked.
  using Clock = std::chrono::steady_clock;
  static double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
  }

  static const TestTones& Tones() { return TestTones::Get(); }

  ZuAudio* engine = nullptr;
};
