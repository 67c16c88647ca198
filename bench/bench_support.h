// What the benchmarks share: a host on a scripted clock and date that keeps no state, and
// a window made as the host makes its own.
#pragma once

#include <GLFW/glfw3.h>

#include "host/game.h"
#include "host/glfw_game.h"

class ScriptedHost : public ZuGame {
 public:
  int width = 640;
  int height = 480;
  int millisecs = 0;
  int GetDeviceWidth() override { return width; }
  int GetDeviceHeight() override { return height; }
  int Millisecs() override { return millisecs; }
  void GetDate(Array<int> out) override {
    const int date[7] = {2026, 6, 15, 12, 0, 0, 0};
    for (int i = 0; i < out.Length() && i < 7; ++i) out[i] = date[i];
  }
  String LoadState() override { return String(); }
  int SaveState(const String&) override { return 0; }
  void SetUpdateRate(int) override {}
};

// A 640 x 480 window without alpha, depth or stencil, its context current; null without
// an X display.
inline GLFWwindow* zu_bench_OpenWindow(const char* title) {
  if (!glfwInit()) return nullptr;
  glfwWindowHint(GLFW_ALPHA_BITS, 0);
  glfwWindowHint(GLFW_DEPTH_BITS, 0);
  glfwWindowHint(GLFW_STENCIL_BITS, 0);
  GLFWwindow* window = glfwCreateWindow(640, 480, title, nullptr, nullptr);
  if (!window) return nullptr;
  glfwMakeContextCurrent(window);
  zu_NoteWindowOpened(false);
  return window;
}
