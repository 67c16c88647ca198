// A real window for renderer tests, made the way the host makes its own: 640 x 480, 8 bits
// per colour channel, no alpha, depth or stencil buffer, its context current, and
// glfwGraphicsSeq raised because a new GL context exists.
#pragma once

#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "host/array.h"
#include "host/glfw_game.h"
#include "host/graphics/renderer.h"

class GlWindowTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;

  void SetUp() override { ASSERT_TRUE(OpenWindow()); }
  void TearDown() override { CloseWindow(); }

  bool OpenWindow() {
    if (!glfwInit()) return false;
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_RED_BITS, 8);
    glfwWindowHint(GLFW_GREEN_BITS, 8);
    glfwWindowHint(GLFW_BLUE_BITS, 8);
    glfwWindowHint(GLFW_ALPHA_BITS, 0);
    glfwWindowHint(GLFW_DEPTH_BITS, 0);
    glfwWindowHint(GLFW_STENCIL_BITS, 0);
    window_ = glfwCreateWindow(kWidth, kHeight, "Zandrel renderer test", nullptr, nullptr);
    if (!window_) return false;
    glfwMakeContextCurrent(window_);
    ++glfwGraphicsSeq;
    return true;
  }

  // Starts a renderer frame as the graphics module starts every frame: white, opaque,
  // alpha-blended, unclipped.
  static void StartRendererFrame(ZuGraphics* g) {
    g->BeginRender();
    g->SetColor(255, 255, 255);
    g->SetAlpha(1);
    g->SetBlend(0);
    g->SetScissor(0, 0, kWidth, kHeight);
  }

  // A new window sharing the GL objects of the current one, which then goes: what the host
  // does to switch to or from fullscreen.
  bool ReplaceWindowSharingItsObjects() {
    GLFWwindow* next = glfwCreateWindow(kWidth, kHeight, "Zandrel renderer test", nullptr, window_);
    if (!next) return false;
    CloseWindow();
    window_ = next;
    glfwMakeContextCurrent(window_);
    zu_NoteWindowOpened(true);
    return true;
  }

  void CloseWindow() {
    if (!window_) return;
    glfwMakeContextCurrent(nullptr);
    glfwDestroyWindow(window_);
    window_ = nullptr;
  }

  // The whole window as 0xAARRGGBB ints, top row first, read through the renderer.
  static std::vector<uint32_t> Screen(ZuGraphics* g) {
    Array<int> pixels(kWidth * kHeight);
    g->ReadPixels(pixels, 0, 0, kWidth, kHeight, 0, kWidth);
    return std::vector<uint32_t>(pixels.begin(), pixels.end());
  }

  static uint32_t At(const std::vector<uint32_t>& screen, int x, int y) {
    return screen[static_cast<size_t>(y) * kWidth + x];
  }

  static constexpr uint32_t Rgb(int r, int g, int b) {
    return 0xff000000u | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
           static_cast<uint32_t>(b);
  }

  GLFWwindow* window_ = nullptr;
};

// A window with a renderer whose first frame has started.
class RendererTest : public GlWindowTest {
 protected:
  void SetUp() override {
    GlWindowTest::SetUp();
    if (HasFatalFailure()) return;
    g_ = gc_new<ZuGraphics>();
    StartFrame();
  }
  virtual void StartFrame() { StartRendererFrame(g_); }

  ZuGraphics* g_ = nullptr;
};

// Channels of a screen pixel each within `tolerance` of (r, g, b): blending rounds by the
// driver's own rule.
inline ::testing::AssertionResult NearRgb(uint32_t pixel, int r, int g, int b, int tolerance = 1) {
  const int got[3] = {static_cast<int>(pixel >> 16 & 0xff), static_cast<int>(pixel >> 8 & 0xff),
                      static_cast<int>(pixel & 0xff)};
  const int want[3] = {r, g, b};
  for (int i = 0; i < 3; ++i) {
    if (got[i] < want[i] - tolerance || got[i] > want[i] + tolerance) {
      return ::testing::AssertionFailure() << "pixel (" << got[0] << ", " << got[1] << ", "
                                           << got[2] << ") is not (" << r << ", " << g << ", "
                                           << b << ") within " << tolerance;
    }
  }
  return ::testing::AssertionSuccess();
}
