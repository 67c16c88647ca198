// Temporary folders for files made at test time, removed with everything in them when
// the owner goes (for folders held by statics: when the process ends). A forked child
// (a death test) that ends leaves them to the process that made them.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

class TempDir {
 public:
  TempDir() : owner_(getpid()) {
    const char* base = std::getenv("TMPDIR");
    path_ = std::string(base && *base ? base : "/tmp") + "/zandrel-audio-XXXXXX";
    if (!mkdtemp(path_.data())) ADD_FAILURE() << "cannot make a folder like " << path_;
  }
  ~TempDir() {
    if (getpid() != owner_) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  pid_t owner_;
  std::string path_;
};
