// Helpers for tests that look at the program's windows from outside, as another X client:
// shell tools (xdotool, xwininfo), the window manager's close request, and a connection
// that keeps the display server up for the whole test run. Include it after every other
// header: Xlib defines macros (Bool, Status, None) that would clash with their names.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include <X11/Xlib.h>

// Standard output of a shell command, without the trailing newline.
inline std::string Capture(const std::string& command) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string output;
  char buffer[256];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  while (!output.empty() && output.back() == '\n') output.pop_back();
  return output;
}

// The first visible window titled exactly "Zandrel", waiting for it a while; "" if none.
inline std::string FindZandrelWindow(int seconds = 10) {
  std::string ids = Capture("timeout " + std::to_string(seconds) +
                            " xdotool search --sync --onlyvisible --name '^Zandrel$' 2>/dev/null");
  return ids.substr(0, ids.find('\n'));
}

// One "Name: value" line of xwininfo's report on a window.
inline int WindowInfo(const std::string& window, const std::string& name) {
  return std::atoi(
      Capture("xwininfo -id " + window + " | sed -n 's/^ *" + name + ": *//p'").c_str());
}

// The few Xlib calls the tests make as an outside client. Xlib is loaded at run time; the
// window system library already brought it into the process.
struct Xlib {
  Display* (*openDisplay)(const char*) = nullptr;
  int (*closeDisplay)(Display*) = nullptr;
  Atom (*internAtom)(Display*, const char*, int) = nullptr;
  int (*sendEvent)(Display*, Window, int, long, XEvent*) = nullptr;

  static const Xlib& Get() {
    static const Xlib xlib = [] {
      Xlib loaded;
      void* library = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
      if (!library) return loaded;
      auto find = [library]<class Function>(Function*& function, const char* name) {
        function = reinterpret_cast<Function*>(::dlsym(library, name));
      };
      find(loaded.openDisplay, "XOpenDisplay");
      find(loaded.closeDisplay, "XCloseDisplay");
      find(loaded.internAtom, "XInternAtom");
      find(loaded.sendEvent, "XSendEvent");
      return loaded;
    }();
    return xlib;
  }
  bool Loaded() const { return openDisplay && closeDisplay && internAtom && sendEvent; }
};

// The display server resets whenever its last client disconnects and refuses connections
// meanwhile, so a test that starts the window system right after another one stopped it
// could be turned away. One connection held for the whole run keeps the server up.
class DisplayServerHold : public ::testing::Environment {
 public:
  void SetUp() override {
    const Xlib& x = Xlib::Get();
    for (int attempt = 0; x.Loaded() && !display_ && attempt < 100; ++attempt) {
      display_ = x.openDisplay(nullptr);
      if (!display_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  void TearDown() override {
    if (display_) Xlib::Get().closeDisplay(display_);
    display_ = nullptr;
  }

 private:
  Display* display_ = nullptr;
};

inline ::testing::Environment* const kDisplayServerHold =
    ::testing::AddGlobalTestEnvironment(new DisplayServerHold);

// Sends the request a window manager sends when the close button is clicked: a
// WM_PROTOCOLS client message carrying WM_DELETE_WINDOW.
inline bool SendCloseRequest(const std::string& window) {
  const Xlib& x = Xlib::Get();
  Display* display = x.Loaded() ? x.openDisplay(nullptr) : nullptr;
  if (!display) return false;
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = std::stoul(window);
  event.xclient.message_type = x.internAtom(display, "WM_PROTOCOLS", 0);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(x.internAtom(display, "WM_DELETE_WINDOW", 0));
  event.xclient.data.l[1] = CurrentTime;
  const bool sent = x.sendEvent(display, std::stoul(window), 0, NoEventMask, &event) != 0;
  x.closeDisplay(display);  // flushes the request
  return sent;
}
