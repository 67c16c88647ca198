#include "host/screenshot.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "host/files.h"
#include "host/report.h"
#include "stb_image_write.h"

bool zu_WriteBottomUpPng(const std::string& path, int width, int height,
                         const std::vector<unsigned char>& rgb) {
  const int stride = width * 3;
  if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(stride) * height) {
    return false;
  }
  std::vector<unsigned char> topDown(rgb.size());
  for (int row = 0; row < height; ++row) {
    std::copy_n(rgb.begin() + static_cast<std::ptrdiff_t>(stride) * (height - 1 - row), stride,
                topDown.begin() + static_cast<std::ptrdiff_t>(stride) * row);
  }
  return stbi_write_png(path.c_str(), width, height, 3, topDown.data(), stride) != 0;
}

std::string zu_ScreenshotPath(const std::string& folder) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H-%M-%S", &local);
  const std::string stem = folder + "/zandrel-" + stamp;
  std::string path = stem + ".png";
  std::error_code error;
  for (int n = 2; std::filesystem::exists(path, error); ++n) {
    path = stem + "-" + std::to_string(n) + ".png";
  }
  return path;
}

void zu_TakeScreenshot(const std::string& folder, int width, int height) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "zandrel: cannot make the folder %s for screenshots (%s)\n",
                 folder.c_str(), error.message().c_str());
    return;
  }
  if (width <= 0 || height <= 0) return;

  std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
#ifndef __EMSCRIPTEN__
  // WebGL has no buffer to choose: it reads the one being drawn.
  glReadBuffer(GL_BACK);
#endif
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());

  const std::string path = zu_ScreenshotPath(folder);
  if (!zu_WriteBottomUpPng(path, width, height, rgb)) {
    std::fprintf(stderr, "zandrel: cannot write the screenshot %s\n", path.c_str());
    return;
  }
  zuPrint(String("Screenshot saved: ") + zu_files_FileNameText(path));
}
