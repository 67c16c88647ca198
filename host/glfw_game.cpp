#include "host/glfw_game.h"

#include <algorithm>

#include <GLFW/glfw3.h>

#include "host/audio/audio_data.h"
#include "host/browser_page.h"
#include "host/file_locations.h"
#include "host/files.h"
#include "host/graphics/image_data.h"
#include "host/joystick.h"
#include "host/main_loop.h"
#include "host/numeric.h"
#include "host/screenshot.h"
#include "host/url_opener.h"
#include "host/window_icon.h"

int glfwGraphicsSeq = 0;
int glfwSharedSeqFrom = 0;
int glfwSharedSeqTo = 0;

ZuGlfwGame* ZuGlfwGame::_glfwGame = nullptr;
bool ZuGlfwGame::_startFullscreen = false;
bool ZuGlfwGame::_couchMode = false;

ZuGlfwGame::ZuGlfwGame() { _glfwGame = this; }

ZuGlfwGame::~ZuGlfwGame() {
  if (_glfwGame == this) _glfwGame = nullptr;
}

void ZuGlfwGame::SetUpdateRate(int hertz) {
  ZuGame::SetUpdateRate(hertz);
  if (hertz != 0) _updatePeriod = 1.0 / hertz;
  _nextUpdate = 0.0;
}

int ZuGlfwGame::Millisecs() { return zu_f2i(_windowSystem.Time() * 1000.0); }

bool ZuGlfwGame::PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                              Array<bool> buttons) {
  return zu_PollJoystick(port, {joyx, joyy, joyz, buttons});
}

void ZuGlfwGame::OpenUrl(const String& url) { zu_OpenUrl(url); }

void ZuGlfwGame::SetMouseVisible(bool visible) {
  // Remembered so that a re-created window keeps the choice.
  _mouseVisible = visible;
  if (GLFWwindow* window = _windowSystem.Window()) {
    glfwSetInputMode(window, GLFW_CURSOR, visible ? GLFW_CURSOR_NORMAL : GLFW_CURSOR_HIDDEN);
  }
}

int ZuGlfwGame::GetDeviceWidth() {
  int width, height;
  _windowSystem.WindowSize(&width, &height);
  return width;
}

int ZuGlfwGame::GetDeviceHeight() {
  int width, height;
  _windowSystem.WindowSize(&width, &height);
  return height;
}

void ZuGlfwGame::SetDeviceWindow(int width, int height, int flags) {
  SetGlfwWindow(width, height, 8, 8, 8, 0, 0, 0, (flags & 1) != 0);
}

Array<ZuDisplayMode*> ZuGlfwGame::GetDisplayModes() {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  if (!monitor) return Array<ZuDisplayMode*>();
  int count = 0;
  const GLFWvidmode* modes = glfwGetVideoModes(monitor, &count);
  return zu_DisplayModesFrom(modes, count);
}

ZuDisplayMode* ZuGlfwGame::GetDesktopMode() {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
  return mode ? gc_new<ZuDisplayMode>(mode->width, mode->height) : nullptr;
}

void ZuGlfwGame::SetSwapInterval(int interval) {
  _swapInterval = interval;
  if (interval >= 0 && _windowSystem.Window()) glfwSwapInterval(interval);
}

String ZuGlfwGame::PathToFilePath(const String& path) { return zu_files_MapVirtualPath(path); }

unsigned char* ZuGlfwGame::LoadImageData(const String& path, int* width, int* height, int* depth) {
  return zu_graphics_LoadImageData(path, width, height, depth);
}

unsigned char* ZuGlfwGame::LoadAudioData(const String& path, int* length, int* channels,
                                         int* format, int* hertz) {
  return zu_audio_LoadAudioData(path, length, channels, format, hertz);
}

void zu_NoteWindowOpened(bool sharesObjects) {
  ++glfwGraphicsSeq;
  if (!sharesObjects) glfwSharedSeqFrom = glfwGraphicsSeq;
  glfwSharedSeqTo = glfwGraphicsSeq;
}

namespace {

// A window sharing the GL objects of `share` when it can (`*shared` set), or one of its own;
// either way with the program's icon.
GLFWwindow* OpenWindow(int width, int height, const char* title, GLFWmonitor* monitor,
                       GLFWwindow* share, bool* shared) {
  GLFWwindow* window = share ? glfwCreateWindow(width, height, title, monitor, share) : nullptr;
  *shared = window != nullptr;
  if (!window) window = glfwCreateWindow(width, height, title, monitor, nullptr);
  zu_SetWindowIcon(window);
  return window;
}

}  // namespace

void ZuGlfwGame::SetGlfwWindow(int width, int height, int red, int green, int blue, int alpha,
                               int depth, int stencil, bool fullscreen) {
  ReleaseHeldKeys();
#ifdef __EMSCRIPTEN__
  // In a browser the page sizes the canvas to its window, and full screen is the page's.
  zu_browser_SetFullscreen(fullscreen);
  zu_browser_CanvasSize(&width, &height);
  fullscreen = false;
#endif

  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  const GLFWvidmode* desktop = monitor ? glfwGetVideoMode(monitor) : nullptr;
  const int desktopWidth = desktop ? desktop->width : 0;
  const int desktopHeight = desktop ? desktop->height : 0;

  // The old window goes once the new one exists, so that the new one can share its
  // textures.
  GLFWwindow* old = _windowSystem.Window();
  _windowSystem.SetWindow(nullptr);

  glfwWindowHint(GLFW_REFRESH_RATE, 60);
  glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);
  glfwWindowHint(GLFW_RED_BITS, red);
  glfwWindowHint(GLFW_GREEN_BITS, green);
  glfwWindowHint(GLFW_BLUE_BITS, blue);
  glfwWindowHint(GLFW_ALPHA_BITS, alpha);
  glfwWindowHint(GLFW_DEPTH_BITS, depth);
  glfwWindowHint(GLFW_STENCIL_BITS, stencil);
  // The renderer draws with the fixed-function pipeline and client vertex arrays.
  glfwWindowHint(GLFW_CLIENT_API, GLFW_OPENGL_API);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 1);
  glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
  glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_ANY_PROFILE);
  // The desktop entry's StartupWMClass: the window belongs to the launcher that started it,
  // fullscreen (which has no title) too.
#ifdef GLFW_X11_CLASS_NAME
  glfwWindowHintString(GLFW_X11_CLASS_NAME, "Zandrel");
  glfwWindowHintString(GLFW_X11_INSTANCE_NAME, "zandrel");
#endif

  GLFWwindow* window = nullptr;
  bool shared = false;
  if (fullscreen && monitor) {
    glfwWindowHint(GLFW_VISIBLE, GLFW_TRUE);
    window = OpenWindow(width, height, "", monitor, old, &shared);
    // GLFW gives a new window the focus only in windowed mode. Where no window manager
    // hands it over (a bare X session, as cabinets and kiosks run), an unfocused
    // fullscreen window would stay suspended, and black, until someone clicked it.
    if (window) glfwFocusWindow(window);
  } else {
    // Shown only once centred, so it never appears elsewhere first. On a desktop smaller
    // than the window its top-left corner stays on the desktop: the score line and the
    // pause button along the top must not be cut off.
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window = OpenWindow(width, height, "Zandrel", nullptr, old, &shared);
    if (window) {
      glfwSetWindowPos(window, std::max(0, (desktopWidth - width) / 2), std::max(0, (desktopHeight - height) / 2));
      glfwShowWindow(window);
    }
  }
  if (old) glfwDestroyWindow(old);
  zu_NoteWindowOpened(shared);
  // A window that failed to open is not reported: the loop finds no open window and ends.
  _windowSystem.SetWindow(window);
  if (!window) return;

  glfwMakeContextCurrent(window);
  if (_swapInterval >= 0) glfwSwapInterval(_swapInterval);
  if (!_mouseVisible) glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
  // Key repeats arrive as presses, and events are only processed inside UpdateEvents:
  // both are how GLFW 3 always works.
  InstallCallbacks();
}

ZuGlfwVideoMode* ZuGlfwGame::GetGlfwDesktopMode() {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
  return mode ? gc_new<ZuGlfwVideoMode>(*mode) : nullptr;
}

Array<ZuGlfwVideoMode*> ZuGlfwGame::GetGlfwVideoModes() {
  GLFWmonitor* monitor = glfwGetPrimaryMonitor();
  if (!monitor) return Array<ZuGlfwVideoMode*>();
  int count = 0;
  const GLFWvidmode* modes = glfwGetVideoModes(monitor, &count);
  return zu_VideoModesFrom(modes, count);
}

void ZuGlfwGame::Run() {
  ZuGlfwVideoMode* desktop = _startFullscreen ? GetGlfwDesktopMode() : nullptr;
  if (desktop) {
    SetGlfwWindow(desktop->width, desktop->height, desktop->redBits, desktop->greenBits,
                  desktop->blueBits, 0, 0, 0, true);
  } else {
    SetGlfwWindow(640, 480, 8, 8, 8, 0, 0, 0, false);
  }
  StartGame();
  ZuMainLoop(*this, _windowSystem).Run();
}

void ZuGlfwGame::RenderGame() {
  ZuGame::RenderGame();
  GLFWwindow* window = _windowSystem.Window();
  if (!_screenshotWanted || !window || !Started()) return;
  _screenshotWanted = false;
  int width, height;
  glfwGetFramebufferSize(window, &width, &height);
  zu_TakeScreenshot(zu_ScreenshotFolder(ZuEnvironment::FromProcess()), width, height);
}

bool ZuGlfwGame::Fullscreen() const {
  GLFWwindow* window = _windowSystem.Window();
  return window && glfwGetWindowMonitor(window) != nullptr;
}

void ZuGlfwGame::UpdateEvents() { ZuMainLoop(*this, _windowSystem).UpdateEvents(); }
