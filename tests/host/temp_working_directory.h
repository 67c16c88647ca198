// Runs each test in a fresh, empty working directory of its own: the state file and the
// virtual paths are all relative to it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "tests/host/audio/audio_engine_temp_dir.h"

class TempWorkingDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    folder_ = std::make_unique<TempDir>();
    directory_ = folder_->Path();
    std::filesystem::current_path(directory_);
  }
  void TearDown() override {
    std::filesystem::current_path(previous_);
    folder_.reset();
  }

  std::filesystem::path previous_;
  std::filesystem::path directory_;

 private:
  std::unique_ptr<TempDir> folder_;
};
