// The desktop host on GLFW 3: the window, the clock, input callbacks, joysticks, display
// modes and the fixed-rate main loop.
#pragma once

#include "host/game.h"
#include "host/window_system.h"

// Raised by one each time a window, and with it a new OpenGL context, is opened: the
// renderer re-uploads its textures when its recorded value differs.
extern int glfwGraphicsSeq;
// A window the host opens shares its GL objects with the window it replaces, so textures
// outlive a switch to or from fullscreen: while glfwSharedSeqTo equals glfwGraphicsSeq,
// textures made from window glfwSharedSeqFrom on are still valid. Anything else that opens
// a window leaves the pair behind, and textures are made again.
extern int glfwSharedSeqFrom;
extern int glfwSharedSeqTo;
// Counts a window just opened: raises glfwGraphicsSeq and keeps the pair above.
void zu_NoteWindowOpened(bool sharesObjects);

class ZuGlfwGame : public ZuGame {
 public:
  ZuGlfwGame();
  ~ZuGlfwGame() override;

  void SetUpdateRate(int hertz) override;
  int Millisecs() override;
  bool PollJoystick(int port, Array<float> joyx, Array<float> joyy, Array<float> joyz,
                    Array<bool> buttons) override;
  void OpenUrl(const String& url) override;
  void SetMouseVisible(bool visible) override;
  int GetDeviceWidth() override;
  int GetDeviceHeight() override;
  // Bit 0 of `flags`: fullscreen.
  void SetDeviceWindow(int width, int height, int flags) override;
  Array<ZuDisplayMode*> GetDisplayModes() override;
  ZuDisplayMode* GetDesktopMode() override;
  void SetSwapInterval(int interval) override;
  // "vantor://data/", "vantor://internal/", "vantor://external/" to "./data/" etc.
  String PathToFilePath(const String& path) override;
  // Decoded image pixels (stb_image) and sound samples (WAV or Ogg) of a file.
  unsigned char* LoadImageData(const String& path, int* width, int* height, int* depth) override;
  unsigned char* LoadAudioData(const String& path, int* length, int* channels, int* format,
                               int* hertz) override;

  // (Re)creates the window: held keys are released first, then the old window closes and
  // a new one opens, fullscreen on the primary monitor or windowed and centred.
  virtual void SetGlfwWindow(int width, int height, int red, int green, int blue, int alpha,
                             int depth, int stencil, bool fullscreen);
  // The desktop's current mode; null when there is no monitor.
  virtual ZuGlfwVideoMode* GetGlfwDesktopMode();
  virtual Array<ZuGlfwVideoMode*> GetGlfwVideoModes();
  // Opens the first window (640 x 480, or the desktop's fullscreen mode when asked for at
  // start), starts the game and runs the loop while the window is open.
  virtual void Run();
  // The application's render, then the screenshot the player asked for, if any.
  void RenderGame() override;
  bool Fullscreen() const;

  // One event-pump step of the loop.
  void UpdateEvents();

  // Window-system callbacks, in window-system terms (GLFW 3 key codes and actions).
  static void OnKey(int key, int action);
  static void OnChar(int chr, int action);
  static void OnMouseButton(int button, int action);
  static void OnMousePos(double x, double y);
  // Returns 0: the window stays open; closing is the application's decision.
  static int OnWindowClose();
  static int TransKey(int glfwKey);
  static int KeyToChar(int key);

  ZuGlfwWindowSystem& WindowSystem() { return _windowSystem; }

  // The one desktop host object.
  static ZuGlfwGame* _glfwGame;
  // Whether Run opens the first window fullscreen (the command line's choice).
  static bool _startFullscreen;
  // Started for play from the sofa: the game takes on the console's ways.
  static bool _couchMode;

  double _updatePeriod = 0.0;  // seconds between updates
  double _nextUpdate = 0.0;    // timer time of the next update; 0: not scheduled
  int _swapInterval = -1;      // applied to each new window when 0 or more
  bool _screenshotWanted = false;  // F12 was pressed; taken after the next render

 private:
  void ReleaseHeldKeys();
  void InstallCallbacks();

  ZuGlfwWindowSystem _windowSystem;
  bool _mouseVisible = true;
};
