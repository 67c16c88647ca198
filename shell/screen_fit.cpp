// Fitting the 640 x 480 design screen into whatever window we have, and switching between
// a 640 x 480 window and the desktop's fullscreen mode.
#include "framework/app.h"
#include "host/glfw_game.h"
#include "shell/my_app.h"
#include "shell/quor.h"

int c_MyApp::p_FitScreen() {
  const float deviceW = static_cast<float>(zu_app_DeviceWidth());
  const float deviceH = static_cast<float>(zu_app_DeviceHeight());
  // A minimised window has no area: keep the last fit rather than divide by zero.
  if (deviceW <= 0 || deviceH <= 0) return 0;

  const float sx = (deviceW - 2 * zu_Quor_overscan) / zu_Quor_rawscrw;
  const float sy = (deviceH - 2 * zu_Quor_overscan) / zu_Quor_rawscrh;
  // The larger scale wins: the design size is kept on one axis and the virtual screen is
  // smaller on the other. Overscan only shrinks the picture, never the virtual screen.
  if (sx < sy) {
    m_FitMode = 2;
    m_ScaleX = sy;
    m_ScaleY = sy;
    const float unit = deviceH / zu_Quor_rawscrh;
    zu_Quor_jscrw = deviceW / unit;
    zu_Quor_jscrh = deviceH / unit;
  } else {
    m_FitMode = 1;
    m_ScaleX = sx;
    m_ScaleY = sx;
    const float unit = deviceW / zu_Quor_rawscrw;
    zu_Quor_jscrw = deviceW / unit;
    zu_Quor_jscrh = deviceH / unit;
  }
  m_Landscape = zu_Quor_jscrh <= zu_Quor_jscrw ? 1 : 0;
  return 0;
}

int c_MyApp::p_FullscreenFlip() {
  ZuGlfwGame* host = ZuGlfwGame::_glfwGame;
  // Without a desktop window system (or a monitor to take the mode from) there is
  // nothing to switch, and the window stays as it is.
  if (!host) return 0;
  ZuGlfwVideoMode* desktop = host->GetGlfwDesktopMode();
  if (m_Fullscreen == 0 && !desktop) return 0;
  m_Fullscreen = 1 - m_Fullscreen;
  // The window keeps the desktop's colour depth either way.
  const int red = desktop ? desktop->redBits : 8;
  const int green = desktop ? desktop->greenBits : 8;
  const int blue = desktop ? desktop->blueBits : 8;
  if (m_Fullscreen == 1) {
    host->SetGlfwWindow(desktop->width, desktop->height, red, green, blue, 0, 0, 0, true);
  } else {
    host->SetGlfwWindow(640, 480, red, green, blue, 0, 0, 0, false);
  }
  return 0;
}
