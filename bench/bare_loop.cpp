// The least a windowed GL program can be: a window of the given size (640 x 480 by default)
// cleared and swapped 60 times a second, sleeping in between, for the given number of
// seconds. Whole-process figures of the game (CPU share, peak memory) are read against this.
// Usage: zandrel_bare_loop [seconds] [width height]
#include <GL/gl.h>
#include <GLFW/glfw3.h>

#include <cstdlib>

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const int width = argc > 3 ? std::atoi(argv[2]) : 640;
  const int height = argc > 3 ? std::atoi(argv[3]) : 480;
  if (!glfwInit()) return 1;
  glfwWindowHint(GLFW_ALPHA_BITS, 0);
  glfwWindowHint(GLFW_DEPTH_BITS, 0);
  glfwWindowHint(GLFW_STENCIL_BITS, 0);
  GLFWwindow* window = glfwCreateWindow(width, height, "bare loop", nullptr, nullptr);
  if (!window) return 1;
  glfwMakeContextCurrent(window);
  const double period = 1.0 / 60.0;
  double next = glfwGetTime();
  const double end = next + seconds;
  while (!glfwWindowShouldClose(window) && next < end) {
    glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glfwSwapBuffers(window);
    next += period;
    const double delay = next - glfwGetTime();
    if (delay > 0) glfwWaitEventsTimeout(delay);
    glfwPollEvents();
  }
  glfwTerminate();
  return 0;
}
