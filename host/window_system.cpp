#include "host/window_system.h"

#include <chrono>
#include <thread>

#include <GLFW/glfw3.h>

#include "host/browser_page.h"

double ZuGlfwWindowSystem::Time() { return glfwGetTime(); }

void ZuGlfwWindowSystem::Sleep(double seconds) {
  if (seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void ZuGlfwWindowSystem::PollEvents() { glfwPollEvents(); }

void ZuGlfwWindowSystem::WaitEvents() { glfwWaitEvents(); }

bool ZuGlfwWindowSystem::WindowOpen() { return window_ && !glfwWindowShouldClose(window_); }

bool ZuGlfwWindowSystem::WindowFocused() {
#ifdef __EMSCRIPTEN__
  return window_ && zu_browser_PageFocused();
#else
  return window_ && focused_;
#endif
}

void ZuGlfwWindowSystem::SwapBuffers() {
  if (window_) glfwSwapBuffers(window_);
}

void ZuGlfwWindowSystem::CursorPosition(double* x, double* y) const {
  *x = 0;
  *y = 0;
  if (window_) glfwGetCursorPos(window_, x, y);
}

void ZuGlfwWindowSystem::WindowSize(int* width, int* height) const {
  *width = window_ ? width_ : 0;
  *height = window_ ? height_ : 0;
}

// A window that outlives its host stops reporting to it.
ZuGlfwWindowSystem::~ZuGlfwWindowSystem() {
  if (window_) Follow(window_, false);
}

void ZuGlfwWindowSystem::SetWindow(GLFWwindow* window) {
  if (window_) Follow(window_, false);
  window_ = window;
  if (!window_) return;
  glfwGetWindowSize(window_, &width_, &height_);
  focused_ = glfwGetWindowAttrib(window_, GLFW_FOCUSED) == GLFW_TRUE;
  Follow(window_, true);
}

void ZuGlfwWindowSystem::Follow(GLFWwindow* window, bool follow) {
  glfwSetWindowUserPointer(window, follow ? this : nullptr);
  glfwSetWindowSizeCallback(window, follow ? OnWindowSize : nullptr);
  glfwSetWindowFocusCallback(window, follow ? OnFocus : nullptr);
}

void ZuGlfwWindowSystem::OnWindowSize(GLFWwindow* window, int width, int height) {
  if (auto* system = static_cast<ZuGlfwWindowSystem*>(glfwGetWindowUserPointer(window))) {
    system->width_ = width;
    system->height_ = height;
  }
}

void ZuGlfwWindowSystem::OnFocus(GLFWwindow* window, int focused) {
  if (auto* system = static_cast<ZuGlfwWindowSystem*>(glfwGetWindowUserPointer(window))) {
    system->focused_ = focused == GLFW_TRUE;
  }
}

void zu_WindowSize(GLFWwindow* window, int* width, int* height) {
  if (const auto* system = static_cast<ZuGlfwWindowSystem*>(glfwGetWindowUserPointer(window))) {
    system->WindowSize(width, height);
  } else {
    glfwGetWindowSize(window, width, height);
  }
}
