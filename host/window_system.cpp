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
  return window_ && glfwGetWindowAttrib(window_, GLFW_FOCUSED) == GLFW_TRUE;
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
  *width = 0;
  *height = 0;
  if (window_) glfwGetWindowSize(window_, width, height);
}
