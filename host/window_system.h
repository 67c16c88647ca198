// The window-system calls the main loop makes, behind an interface so the loop's
// scheduling can run against a fake clock, and their GLFW 3 implementation, which also
// keeps the one window the host draws into. The window's size and focus are asked for
// several times a frame; asking the display server costs a round trip each time, so they
// are read once when the window is taken and then follow the window's own events, which
// arrive while events are processed.
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

  ZuGlfwWindowSystem() = default;
  ZuGlfwWindowSystem(const ZuGlfwWindowSystem&) = delete;
  ZuGlfwWindowSystem& operator=(const ZuGlfwWindowSystem&) = delete;
  ~ZuGlfwWindowSystem() override;

  GLFWwindow* Window() const { return window_; }
  // Takes `window` (or none) as the host's window: reads its size and focus once and
  // follows them from then on through its events.
  void SetWindow(GLFWwindow* window);
  // The pointer position in window pixels; 0, 0 without a window.
  void CursorPosition(double* x, double* y) const;
  // The window's client size in screen coordinates; 0, 0 without a window.
  void WindowSize(int* width, int* height) const;

 private:
  static void OnWindowSize(GLFWwindow* window, int width, int height);
  static void OnFocus(GLFWwindow* window, int focused);
  void Follow(GLFWwindow* window, bool follow);

  GLFWwindow* window_ = nullptr;
  int width_ = 0, height_ = 0;
  bool focused_ = false;
};

// The client size of `window` in screen coordinates: the host's record when it is the
// host's window, otherwise asked of the window system.
void zu_WindowSize(GLFWwindow* window, int* width, int* height);
