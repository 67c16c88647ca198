// The window-system calls the main loop makes, behind an interface so the loop's
// scheduling can run against a fake clock, and their GLFW 3 implementation, which also
// keeps the one window the host draws into.
#pragma once

struct GLFWwindow;

class ZuWindowSystem {
 public:
  virtual ~ZuWindowSystem() = default;
  // Seconds on the window system's timer.
  virtual double Time() = 0;
  virtual void Sleep(double seconds) = 0;
  // Processes pending events (their callbacks run inside); returns at once.
  virtual void PollEvents() = 0;
  // Blocks until at least one event has arrived, then processes the pending ones.
  virtual void WaitEvents() = 0;
  virtual bool WindowOpen() = 0;
  virtual bool WindowFocused() = 0;
  virtual void SwapBuffers() = 0;
};

class ZuGlfwWindowSystem final : public ZuWindowSystem {
 public:
  double Time() override;
  void Sleep(double seconds) override;
  void PollEvents() override;
  void WaitEvents() override;
  // A window exists and nothing asked it to close; the host keeps close requests from
  // the window's close button to itself, so only the program closes it.
  bool WindowOpen() override;
  bool WindowFocused() override;
  void SwapBuffers() override;

  GLFWwindow* Window() const { return window_; }
  void SetWindow(GLFWwindow* window) { window_ = window; }
  // The pointer position in window pixels; 0, 0 without a window.
  void CursorPosition(double* x, double* y) const;
  // The window's client size in screen coordinates; 0, 0 without a window.
  void WindowSize(int* width, int* height) const;

 private:
  GLFWwindow* window_ = nullptr;
};
